#include "infobrowser/DataInfoSettings.h"

#include "base/IniFile.h"
#include "base/Paths.h"

namespace InfoBrowser {

namespace {

constexpr char Section[] = "OrvantaPlus";
constexpr char FormSection[] = "TFM_OrvantaPlus";

QString withSlash(const QString &directory)
{
    return directory.endsWith(u'/') ? directory : directory + u'/';
}

} // namespace

QString DataInfoSettings::defaultFileName()
{
    return Orv::programFile(QStringLiteral("OrvantaPlus.ini"));
}

QString DataInfoSettings::defaultDirectory()
{
    return withSlash(Orv::programFile(QStringLiteral("Plus")));
}

QString DataInfoSettings::defaultUrlOnline()
{
    return QStringLiteral("http://www.orvanta.cz/plus/index.htm");
}

QString DataInfoSettings::defaultUrlUpdate()
{
    return QStringLiteral("http://www.orvanta.cz/plus/orvantaplus.ini");
}

DataInfoSettings DataInfoSettings::load(const QString &fileName)
{
    const Orv::IniFile ini(fileName);
    const QString s = QLatin1String(Section);
    DataInfoSettings settings;
    settings.treeWidth = ini.readInteger(s, QStringLiteral("TreeWidth"), 150);
    settings.online = ini.readInteger(s, QStringLiteral("Online"), 0) > 0;
    settings.directory = ini.readString(s, QStringLiteral("Directory"));
    settings.directory = settings.directory.isEmpty() ? defaultDirectory() : withSlash(settings.directory);
    settings.urlOnline = ini.readString(s, QStringLiteral("UrlOnline"));
    if (settings.urlOnline.isEmpty())
        settings.urlOnline = defaultUrlOnline();
    settings.urlUpdate = ini.readString(s, QStringLiteral("UrlUpdate"));
    if (settings.urlUpdate.isEmpty())
        settings.urlUpdate = defaultUrlUpdate();
    settings.dblClickOpen = ini.readInteger(s, QStringLiteral("DblClickOpen"), 0) > 0;
    settings.treeColor = ini.readInteger(s, QStringLiteral("TreeColor"), clWindow);

    const QString f = QLatin1String(FormSection);
    settings.maximize = ini.readBool(f, QStringLiteral("Maximize"), false);
    settings.left = ini.readInteger(f, QStringLiteral("Left"), -1);
    settings.top = ini.readInteger(f, QStringLiteral("Top"), -1);
    settings.width = ini.readInteger(f, QStringLiteral("Width"), 640);
    settings.height = ini.readInteger(f, QStringLiteral("Height"), 480);
    return settings;
}

void DataInfoSettings::save(const QString &fileName) const
{
    Orv::IniFile ini(fileName);
    const QString s = QLatin1String(Section);
    ini.writeInteger(s, QStringLiteral("TreeWidth"), treeWidth);
    ini.writeInteger(s, QStringLiteral("Online"), online ? 1 : 0);
    ini.writeString(s, QStringLiteral("Directory"), directory);
    ini.writeString(s, QStringLiteral("UrlOnline"), urlOnline);
    ini.writeString(s, QStringLiteral("UrlUpdate"), urlUpdate);
    ini.writeInteger(s, QStringLiteral("DblClickOpen"), dblClickOpen ? 1 : 0);
    ini.writeInteger(s, QStringLiteral("TreeColor"), treeColor);

    const QString f = QLatin1String(FormSection);
    ini.writeBool(f, QStringLiteral("Maximize"), maximize);
    // A maximised window keeps the position it had before.
    if (!maximize) {
        ini.writeInteger(f, QStringLiteral("Left"), left);
        ini.writeInteger(f, QStringLiteral("Top"), top);
        ini.writeInteger(f, QStringLiteral("Width"), width);
        ini.writeInteger(f, QStringLiteral("Height"), height);
    }
    ini.save();
}

} // namespace InfoBrowser
