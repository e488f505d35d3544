// OrvantaMailImport: the e-mail import program. With --headless it runs the mail manager's
// queue from the command line; otherwise it shows the main window (one copy per user).

#include "mailimport/manager/MailHeadless.h"
#include "mailimport/manager/TOrvMailImportInstance.h"
#include "mailimport/ui/MailUiMain.h"

#include <QApplication>

namespace {

bool isHeadless(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--headless") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (isHeadless(argc, argv)) {
        QCoreApplication app(argc, argv);
        return Mail::runHeadless(app.arguments().mid(1));
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvantaMailImport"));
    Mail::TOrvMailImportInstance instance;
    if (!instance.tryStart())
        return 0; // the first copy was asked to come to the front
    // The folder pickers list the mail folders the headless "--folders" listing prints.
    return MailUi::runMainWindow(Mail::HeadlessEnvironment::defaultFolderLister());
}
