#include "mailimport/TOrvMailSettingsOutlook.h"

#include "base/IniFile.h"

namespace Mail {

QString TOrvMailSettingsOutlook::GetSection() const
{
    return QStringLiteral("outlook2k");
}

std::unique_ptr<TOrvMailClientSettings> TOrvMailSettingsOutlook::clone() const
{
    return std::make_unique<TOrvMailSettingsOutlook>(*this);
}

bool TOrvMailSettingsOutlook::LoadFromIni(const Orv::IniFile &ini)
{
    TOrvMailClientSettings::LoadFromIni(ini);
    InboxID = ini.readString(GetSection(), QStringLiteral("InboxID"), InboxID);
    OutboxID = ini.readString(GetSection(), QStringLiteral("OutboxID"), OutboxID);
    return true;
}

bool TOrvMailSettingsOutlook::SaveToIni(Orv::IniFile &ini) const
{
    TOrvMailClientSettings::SaveToIni(ini);
    ini.writeString(GetSection(), QStringLiteral("InboxID"), InboxID);
    ini.writeString(GetSection(), QStringLiteral("OutboxID"), OutboxID);
    return true;
}

} // namespace Mail
