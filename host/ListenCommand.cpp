#include "ListenCommand.h"

#include "ArgumentReader.h"

#include "platform/ipc/WindowMessages.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QFile>

using namespace Qt::StringLiterals;

namespace Host {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Host::ListenCommand", text);
}

} // namespace

QString ListenCommand::name() const
{
    return u"listen"_s;
}

QString ListenCommand::usage() const
{
    return u"  listen [--log FILE]\n"
           "      listens as the host's main window (TFM_ContactMain) and writes every message\n"
           "      it receives as \"msg wParam lParam\" to standard output and FILE\n"_s;
}

int ListenCommand::run(const QStringList &arguments, QTextStream &out)
{
    ArgumentReader reader(arguments);
    const QString logPath = reader.takeValue(u"--log"_s);
    if (!reader.rest().isEmpty())
        throw UsageError(tr("Nadbytečný argument: %1").arg(reader.rest().first()));

    QFile log(logPath);
    if (!logPath.isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        throw EOrvUserError(tr("Soubor %1 nelze otevřít pro zápis.").arg(logPath), log.errorString());

    Ipc::MessageWindow window;
    if (!window.listen(u"TFM_ContactMain"_s))
        throw EOrvUserError(tr("Okno hostitele už naslouchá jiný proces."), window.errorString());
    QObject::connect(&window, &Ipc::MessageWindow::messageReceived, [&](const Ipc::WindowMessage &message) {
        const QByteArray line = message.toLine();
        out << QString::fromLatin1(line);
        out.flush();
        if (log.isOpen()) {
            log.write(line);
            log.flush(); // a script reads the log while we run
        }
    });
    return QCoreApplication::exec();
}

} // namespace Host
