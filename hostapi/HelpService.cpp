#include "hostapi/HelpService.h"

#include "hostapi/HostTexts.h"
#include "hostapi/TProfileManager.h"

#include "base/MessageService.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace Host {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Host::HelpService)
};

HelpOpener &opener()
{
    static HelpOpener s_opener;
    return s_opener;
}

QString localHelpFile(const QString &helpFile)
{
    QString name = helpFile;
    if (name.endsWith(u".chm", Qt::CaseInsensitive))
        name = name.chopped(4) + QStringLiteral(".html");
    if (QFileInfo(name).isRelative())
        name = QDir(PM().helpDirectory()).filePath(name);
    return name;
}

} // namespace

void setHelpOpener(HelpOpener helpOpener)
{
    opener() = std::move(helpOpener);
}

QUrl helpUrl(const QString &topic, const QString &helpFile)
{
    const QString file = localHelpFile(helpFile);
    if (!QFileInfo(file).isFile())
        return {};
    QUrl url = QUrl::fromLocalFile(file);
    if (!topic.isEmpty())
        url.setFragment(topic);
    return url;
}

void CallHelpExternal(QWidget *window, const QString &formName, const QString &topic, const QString &helpFile)
{
    Q_UNUSED(window)
    Q_UNUSED(formName)
    const QUrl url = helpUrl(topic, helpFile);
    if (!url.isValid()) {
        Orv::showMessage(_cMsgAtention,
                         Tr::tr("Soubor nápovědy %1 nebyl nalezen.").arg(QDir::toNativeSeparators(localHelpFile(helpFile))),
                         Orv::MsgIcon::Warning);
        return;
    }
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

} // namespace Host
