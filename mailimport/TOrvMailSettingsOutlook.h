#pragma once

#include "mailimport/TOrvMailClientSettings.h"

namespace Mail {

// Section "outlook2k": the folder names plus the identifiers of the chosen folders.
class TOrvMailSettingsOutlook : public TOrvMailClientSettings
{
public:
    TOrvMailSettingsOutlook() = default;
    TOrvMailSettingsOutlook(const TOrvMailSettingsOutlook &) = default;
    TOrvMailSettingsOutlook &operator=(const TOrvMailSettingsOutlook &) = default;

    bool LoadFromIni(const Orv::IniFile &ini) override;
    bool SaveToIni(Orv::IniFile &ini) const override;
    QString GetSection() const override;
    std::unique_ptr<TOrvMailClientSettings> clone() const override;

    QString InboxID;
    QString OutboxID;
};

} // namespace Mail
