#pragma once

#include "mailimport/TOrvMailClientSettings.h"

namespace Mail {

// Section "notes7": the folder names and the Notes password, which the file keeps
// scrambled (not encrypted: it only keeps the password from being read at a glance).
class TOrvMailSettingsLotus : public TOrvMailClientSettings
{
public:
    TOrvMailSettingsLotus() = default;
    TOrvMailSettingsLotus(const TOrvMailSettingsLotus &) = default;
    TOrvMailSettingsLotus &operator=(const TOrvMailSettingsLotus &) = default;

    bool LoadFromIni(const Orv::IniFile &ini) override;
    bool SaveToIni(Orv::IniFile &ini) const override;
    QString GetSection() const override;
    std::unique_ptr<TOrvMailClientSettings> clone() const override;

    // Each UTF-8 byte XOR ScrambleKey as two upper-case hex digits, and back. Unscrambling
    // stops at the first pair that is not hexadecimal; a lone last digit is ignored.
    static constexpr quint8 ScrambleKey = 0xA7;
    static QString scramblePassword(const QString &password);
    static QString unscramblePassword(const QString &text);

    QString Password;   // plain text in memory
};

} // namespace Mail
