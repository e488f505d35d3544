#include "infobrowser/DataInfoSettings.h"
#include "infobrowser/Headless.h"
#include "infobrowser/TDataInfo.h"
#include "infobrowser/TFM_OrvantaPlus.h"

#include "base/MessageService.h"
#include "base/WidgetMessageService.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

constexpr char Usage[] =
    "Usage: OrvantaPlus [--ini FILE]\n"
    "       OrvantaPlus --print-tree [--ini FILE]\n"
    "       OrvantaPlus --update [--ini FILE] [--yes]\n"
    "       OrvantaPlus --screenshot FILE.png [--ini FILE] [--open PAGE]\n"
    "\n"
    "The information browser: a tree of the pages in the page directory and a view of them.\n"
    "\n"
    "  --ini FILE           settings file (default: $XDG_CONFIG_HOME/orvanta/OrvantaPlus.ini);\n"
    "                       --print-tree and --update need an existing one\n"
    "  --print-tree         print the page tree, one node a line: two spaces per level,\n"
    "                       the caption, a tab and the path below the page directory\n"
    "  --update             download the update list from UrlUpdate and print its items\n"
    "                       ([x] = offered checked); progress goes to standard error\n"
    "  --yes                with --update: download the checked items; a failed file is\n"
    "                       skipped (the Ignore answer) and makes the exit code 1\n"
    "  --screenshot FILE    render the main window offscreen to a PNG file and exit\n"
    "  --open PAGE          with --screenshot: open this page (path below the page directory)\n"
    "  --help               show this text\n"
    "\n"
    "Exit codes: 0 done, 1 failed, 2 bad command line.\n";

struct Options
{
    bool printTree = false;
    bool update = false;
    bool yes = false;
    QString ini;
    QString screenshot;
    QString open;
};

int usageError(const QString &message)
{
    std::fprintf(stderr, "OrvantaPlus: %s\nTry 'OrvantaPlus --help'.\n", qPrintable(message));
    return 2;
}

// Parsed before any application object exists: headless runs must not need a display.
int parseArguments(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        auto value = [&](QString &target) {
            if (i + 1 >= argc || QByteArray(argv[i + 1]).startsWith("--"))
                return false;
            target = QString::fromLocal8Bit(argv[++i]);
            return true;
        };
        if (arg == u"--help" || arg == u"-h") {
            std::fputs(Usage, stdout);
            return 0;
        } else if (arg == u"--print-tree") {
            options.printTree = true;
        } else if (arg == u"--update") {
            options.update = true;
        } else if (arg == u"--yes") {
            options.yes = true;
        } else if (arg == u"--ini") {
            if (!value(options.ini))
                return usageError(QStringLiteral("--ini needs a file name"));
        } else if (arg == u"--screenshot") {
            if (!value(options.screenshot))
                return usageError(QStringLiteral("--screenshot needs a file name"));
        } else if (arg == u"--open") {
            if (!value(options.open))
                return usageError(QStringLiteral("--open needs a page path"));
        } else {
            return usageError(QStringLiteral("unknown argument '%1'").arg(arg));
        }
    }
    if (int(options.printTree) + int(options.update) + int(!options.screenshot.isEmpty()) > 1)
        return usageError(QStringLiteral("--print-tree, --update and --screenshot exclude each other"));
    if (options.yes && !options.update)
        return usageError(QStringLiteral("--yes is only used with --update"));
    if (!options.open.isEmpty() && options.screenshot.isEmpty())
        return usageError(QStringLiteral("--open is only used with --screenshot"));
    // The window creates a new settings file when it closes; headless runs only read one.
    if ((options.printTree || options.update) && !options.ini.isEmpty() && !QFileInfo(options.ini).isFile())
        return usageError(QStringLiteral("settings file '%1' does not exist").arg(options.ini));
    return -1;
}

void installHeadlessMessages(Orv::MsgButton fallback)
{
    auto service = std::make_unique<Orv::ScriptedMessageService>(fallback);
    service->setEcho([](const Orv::MessageRequest &request, Orv::MsgButton) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.caption), qPrintable(request.text));
    });
    Orv::MessageService::install(std::move(service));
}

int takeScreenshot(const QString &settingsFile, const Options &options)
{
    InfoBrowser::TFM_OrvantaPlus window(settingsFile);
    window.show();
    if (!options.open.isEmpty() && !window.dataInfo()->openPage(options.open)) {
        std::fprintf(stderr, "OrvantaPlus: page '%s' is not in the tree\n", qPrintable(options.open));
        return 1;
    }
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    if (!window.grab().save(options.screenshot, "PNG")) {
        std::fprintf(stderr, "OrvantaPlus: cannot write '%s'\n", qPrintable(options.screenshot));
        return 1;
    }
    // The screenshot looks, it does not change the settings: no closeEvent.
    window.hide();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (const int exitCode = parseArguments(argc, argv, options); exitCode >= 0)
        return exitCode;

    if (options.printTree || options.update) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("OrvantaPlus"));
        const QString settingsFile = options.ini.isEmpty() ? InfoBrowser::DataInfoSettings::defaultFileName()
                                                           : options.ini;
        installHeadlessMessages(Orv::MsgButton::Ignore);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (options.printTree)
            return InfoBrowser::printTree(settingsFile, out);
        return InfoBrowser::runUpdate(settingsFile, options.yes, out, err);
    }

    if (!options.screenshot.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvantaPlus"));
    const QString settingsFile = options.ini.isEmpty() ? InfoBrowser::DataInfoSettings::defaultFileName()
                                                       : options.ini;
    if (!options.screenshot.isEmpty()) {
        installHeadlessMessages(Orv::MsgButton::None);
        return takeScreenshot(settingsFile, options);
    }
    Orv::MessageService::install(std::make_unique<Orv::WidgetMessageService>());
    InfoBrowser::TFM_OrvantaPlus window(settingsFile);
    window.show();
    return app.exec();
}
