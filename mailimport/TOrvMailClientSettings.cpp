#include "mailimport/TOrvMailClientSettings.h"

#include "base/IniFile.h"

namespace Mail {

bool TOrvMailClientSettings::LoadFromIni(const Orv::IniFile &ini)
{
    InboxName = ini.readString(GetSection(), QStringLiteral("InboxName"), InboxName);
    OutboxName = ini.readString(GetSection(), QStringLiteral("OutboxName"), OutboxName);
    return true;
}

bool TOrvMailClientSettings::SaveToIni(Orv::IniFile &ini) const
{
    ini.writeString(GetSection(), QStringLiteral("InboxName"), InboxName);
    ini.writeString(GetSection(), QStringLiteral("OutboxName"), OutboxName);
    return true;
}

} // namespace Mail
