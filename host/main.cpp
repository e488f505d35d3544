// velmora-host: the least host that runs the system's programs and plug-ins. For now a
// command-line tool; each subcommand is a Host::HostCommand.

#include "HostCommand.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void printUsage(QTextStream &stream)
{
    stream << "Usage: velmora-host COMMAND ...\n\nCommands:\n";
    for (const auto &command : Host::HostCommand::all())
        stream << command->usage();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"velmora-host"_s);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == u"--help"_s || arguments.first() == u"-h"_s) {
        printUsage(arguments.isEmpty() ? err : out);
        return arguments.isEmpty() ? 2 : 0;
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
            err << "velmora-host: " << error.text() << "\n\n";
            printUsage(err);
            return 2;
        } catch (const EOrvError &error) {
            err << "velmora-host: " << error.userText();
            if (!error.detail().isEmpty())
                err << " (" << error.detail() << ")";
            err << '\n';
            return 1;
        }
    }
    err << "velmora-host: unknown command: " << arguments.first() << "\n\n";
    printUsage(err);
    return 2;
}
