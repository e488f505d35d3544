// velmora-host: the least host that runs the system's programs and plug-ins. Without a
// command it is the host shell window; each command is a Host::HostCommand.

#include "HostCommand.h"
#include "HostShell.h"

#include "base/Errors.h"
#include "base/MessageService.h"
#include "base/WidgetMessageService.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void printUsage(QTextStream &stream)
{
    stream << "Usage: velmora-host [--profile DIR] [--screenshot FILE.png]\n"
              "       velmora-host COMMAND ...\n\nWindow:\n"
           << Host::ShellOptions::usage() << "\nCommands:\n";
    for (const auto &command : Host::HostCommand::all())
        stream << command->usage();
}

void printError(QTextStream &err, const EOrvError &error)
{
    err << "velmora-host: " << error.userText();
    if (!error.detail().isEmpty())
        err << " (" << error.detail() << ")";
    err << '\n';
}

int runUsageError(const Host::UsageError &error)
{
    QTextStream err(stderr);
    err << "velmora-host: " << error.text() << "\n\n";
    printUsage(err);
    return 2;
}

// No command, or only options: the window.
bool wantsWindow(const QStringList &arguments)
{
    return arguments.isEmpty()
           || (arguments.first().startsWith(u"--"_s) && arguments.first() != u"--help"_s);
}

int runWindow(int argc, char *argv[], const QStringList &arguments)
{
    Host::ShellOptions options;
    try {
        options = Host::ShellOptions::parse(arguments);
    } catch (const Host::UsageError &error) {
        return runUsageError(error);
    }
    if (!options.screenshot.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"velmora-host"_s);
    if (options.screenshot.isEmpty()) {
        Orv::MessageService::install(std::make_unique<Orv::WidgetMessageService>());
    } else {
        // Nobody could answer a box offscreen: say it on stderr and take the default.
        auto service = std::make_unique<Orv::ScriptedMessageService>();
        service->setEcho([](const Orv::MessageRequest &request, Orv::MsgButton) {
            QTextStream(stderr) << "velmora-host: " << request.caption << ": " << request.text << '\n';
        });
        Orv::MessageService::install(std::move(service));
    }
    QTextStream err(stderr);
    try {
        Host::HostShell shell(options);
        return shell.exec();
    } catch (const EOrvError &error) {
        printError(err, error);
        return 1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (wantsWindow(arguments))
        return runWindow(argc, argv, arguments);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"velmora-host"_s);
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (arguments.first() == u"--help"_s || arguments.first() == u"-h"_s) {
        printUsage(out);
        return 0;
    }
    for (const auto &command : Host::HostCommand::all()) {
        if (command->name() != arguments.first())
            continue;
        if (arguments.contains(u"--help"_s)) {
            printUsage(out);
            return 0;
        }
        try {
            return command->run(arguments.mid(1), out);
        } catch (const Host::UsageError &error) {
            return runUsageError(error);
        } catch (const EOrvError &error) {
            printError(err, error);
            return 1;
        }
    }
    err << "velmora-host: unknown command: " << arguments.first() << "\n\n";
    printUsage(err);
    return 2;
}
