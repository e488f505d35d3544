#include "infobrowser/Headless.h"

#include "infobrowser/DataInfoSettings.h"
#include "infobrowser/DataInfoTree.h"
#include "infobrowser/TDataInfoUpdate.h"

#include "base/MessageService.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace InfoBrowser {

int printTree(const QString &settingsFile, QTextStream &out)
{
    const DataInfoSettings settings = DataInfoSettings::load(settingsFile);
    if (!QFileInfo(settings.directory).isDir()) {
        Orv::showError(QCoreApplication::translate("InfoBrowser", "Adresář se zdroji %1 neexistuje.")
                           .arg(settings.directory));
        return 1;
    }
    DataInfoTree tree;
    tree.build(settings.directory);
    for (const QString &line : tree.outline())
        out << line << '\n';
    out.flush();
    return 0;
}

int runUpdate(const QString &settingsFile, bool download, QTextStream &out, QTextStream &progress)
{
    const DataInfoSettings settings = DataInfoSettings::load(settingsFile);
    TDataInfoUpdate update;
    update.setPageDirectory(settings.directory);
    update.setUpdateUrl(settings.urlUpdate);
    QObject::connect(&update, &TDataInfoUpdate::progress, &update,
                     [&progress, last = QString()](qint64, qint64, const QString &text) mutable {
                         if (text == last)
                             return;
                         last = text;
                         progress << text << Qt::endl;
                     });
    if (!update.loadList())
        return 1;

    bool anyChecked = false;
    for (TDataInfoUpdateItem &item : update.items()) {
        if (item.hidden)
            continue;
        item.selected = item.selected || item.always;
        anyChecked = anyChecked || item.selected;
        out << (item.selected ? "[x] " : "[ ] ") << item.title << '\t' << item.date << '\t'
            << (item.directory.isEmpty() ? QStringLiteral(".") : item.directory) << '\n';
    }
    out.flush();
    if (!download)
        return 0;
    if (!anyChecked) {
        Orv::showMessage(QLatin1String(ApplicationTitle),
                         QCoreApplication::translate("InfoBrowser", "Není označena žádná položka pro aktualizaci."),
                         Orv::MsgIcon::Warning);
        return 0;
    }
    const TDataInfoUpdate::Result result = update.download();
    if (result != TDataInfoUpdate::Result::Succeeded)
        return 1;
    Orv::showMessage(QLatin1String(ApplicationTitle),
                     QCoreApplication::translate("InfoBrowser", "Aktualizace proběhla úspěšně."),
                     Orv::MsgIcon::Information);
    return 0;
}

} // namespace InfoBrowser
