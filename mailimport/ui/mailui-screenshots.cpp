// Renders the mail import's main window and settings dialog to PNG files.
//   mailui-screenshots OUTPUT_DIR
// Run offscreen: QT_QPA_PLATFORM=offscreen mailui-screenshots /tmp/shots

#include "mailimport/ui/MailScreenshots.h"
#include "mailimport/ui/TFR_OrvMailSettingsClient.h"

#include "base/Errors.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() != 1 || args.first() == u"--help") {
        err << "usage: mailui-screenshots OUTPUT_DIR\n"
               "Renders main-window.png, settings-basic.png and settings-client.png into OUTPUT_DIR.\n";
        return args.size() == 1 ? 0 : 2;
    }
    try {
        MailUi::registerSettingsFrames({});
        for (const QString &file : MailUi::renderScreenshots(args.first()))
            QTextStream(stdout) << file << '\n';
        return 0;
    } catch (const EOrvError &error) {
        err << "mailui-screenshots: " << error.userText() << " (" << error.detail() << ")\n";
        return 1;
    }
}
