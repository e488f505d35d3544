#include "mailimport/TOrvMailGlobalSettings.h"

#include "base/IniFile.h"

#include <algorithm>

namespace Mail {

namespace {

const QString Section = QStringLiteral("Global");

int clampFilterValue(int days)
{
    return std::clamp(days, 0, TOrvMailGlobalSettings::MaxFilterValue);
}

} // namespace

TOrvMailGlobalSettings &TOrvMailGlobalSettings::instance()
{
    static TOrvMailGlobalSettings settings = [] {
        TOrvMailGlobalSettings loaded;
        Load(loaded);
        return loaded;
    }();
    return settings;
}

QString TOrvMailGlobalSettings::GetSection() const
{
    return Section;
}

QString TOrvMailGlobalSettings::normalizedDataPath(const QString &path)
{
    QString result = path.trimmed();
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (result.endsWith(QLatin1String("//")))
        result.chop(1);
    if (result.isEmpty() || result == QLatin1String("/"))
        return {};
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

bool TOrvMailGlobalSettings::LoadFromIni(const Orv::IniFile &ini)
{
    MailClientID = ini.readString(Section, QStringLiteral("MailClientID"), MailClientID);
    DataPath = normalizedDataPath(ini.readString(Section, QStringLiteral("DataPath"), DataPath));
    Filter = ini.readBool(Section, QStringLiteral("Filter"), Filter);
    FilterValue = clampFilterValue(ini.readInteger(Section, QStringLiteral("FilterValue"), FilterValue));
    InboxSortMode = ini.readInteger(Section, QStringLiteral("InboxSortMode"), InboxSortMode);
    OutboxSortMode = ini.readInteger(Section, QStringLiteral("OutboxSortMode"), OutboxSortMode);
    DownloadAfterStart = ini.readBool(Section, QStringLiteral("DownloadAfterStart"), DownloadAfterStart);
    AlwaysOnTop = ini.readBool(Section, QStringLiteral("AlwaysOnTop"), AlwaysOnTop);
    HideMailAfterImport = ini.readBool(Section, QStringLiteral("HideMailAfterImport"), HideMailAfterImport);
    InboxAutomat = ini.readBool(Section, QStringLiteral("InboxAutomat"), InboxAutomat);
    OutboxAutomat = ini.readBool(Section, QStringLiteral("OutboxAutomat"), OutboxAutomat);
    PromptForImport = ini.readBool(Section, QStringLiteral("PromptForImport"), PromptForImport);
    return true;
}

bool TOrvMailGlobalSettings::SaveToIni(Orv::IniFile &ini) const
{
    ini.writeString(Section, QStringLiteral("MailClientID"), MailClientID);
    ini.writeString(Section, QStringLiteral("DataPath"), normalizedDataPath(DataPath));
    ini.writeBool(Section, QStringLiteral("Filter"), Filter);
    ini.writeInteger(Section, QStringLiteral("FilterValue"), clampFilterValue(FilterValue));
    ini.writeInteger(Section, QStringLiteral("InboxSortMode"), InboxSortMode);
    ini.writeInteger(Section, QStringLiteral("OutboxSortMode"), OutboxSortMode);
    ini.writeBool(Section, QStringLiteral("DownloadAfterStart"), DownloadAfterStart);
    ini.writeBool(Section, QStringLiteral("AlwaysOnTop"), AlwaysOnTop);
    ini.writeBool(Section, QStringLiteral("HideMailAfterImport"), HideMailAfterImport);
    ini.writeBool(Section, QStringLiteral("InboxAutomat"), InboxAutomat);
    ini.writeBool(Section, QStringLiteral("OutboxAutomat"), OutboxAutomat);
    ini.writeBool(Section, QStringLiteral("PromptForImport"), PromptForImport);
    return true;
}

bool TOrvMailGlobalSettings::operator==(const TOrvMailGlobalSettings &other) const
{
    return MailClientID == other.MailClientID && DataPath == other.DataPath && Filter == other.Filter
        && FilterValue == other.FilterValue && InboxSortMode == other.InboxSortMode
        && OutboxSortMode == other.OutboxSortMode && DownloadAfterStart == other.DownloadAfterStart
        && AlwaysOnTop == other.AlwaysOnTop && HideMailAfterImport == other.HideMailAfterImport
        && InboxAutomat == other.InboxAutomat && OutboxAutomat == other.OutboxAutomat
        && PromptForImport == other.PromptForImport;
}

} // namespace Mail
