#pragma once

#include "mailimport/TOrvMailCustomSettings.h"

#include <memory>

namespace Mail {

// Settings of one mail client: the names of its inbox and outbox folders, in the section
// that GetSection() names. Owned by its TOrvMailClient; downloaders get a clone().
class TOrvMailClientSettings : public TOrvMailCustomSettings
{
public:
    bool LoadFromIni(const Orv::IniFile &ini) override;
    bool SaveToIni(Orv::IniFile &ini) const override;

    virtual std::unique_ptr<TOrvMailClientSettings> clone() const = 0;

    QString InboxName;
    QString OutboxName;

protected:
    TOrvMailClientSettings() = default;
    TOrvMailClientSettings(const TOrvMailClientSettings &) = default;
    TOrvMailClientSettings &operator=(const TOrvMailClientSettings &) = default;
};

} // namespace Mail
