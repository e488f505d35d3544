#include "mailimport/ui/TOrvMailLog.h"

#include "base/Errors.h"
#include "base/Paths.h"

#include <QLoggingCategory>
#include <QMutex>

namespace MailUi {

namespace {

Q_LOGGING_CATEGORY(lcLog, "orvanta.mail.ui")

struct LogState
{
    QMutex mutex;
    bool enabled = true;
    QStringList lines;
};

LogState &state()
{
    static LogState log;
    return log;
}

} // namespace

void TOrvMailLog::add(const QString &line)
{
    QMutexLocker locker(&state().mutex);
    if (state().enabled)
        state().lines.append(line);
}

void TOrvMailLog::setEnabled(bool on)
{
    QMutexLocker locker(&state().mutex);
    state().enabled = on;
}

QStringList TOrvMailLog::lines()
{
    QMutexLocker locker(&state().mutex);
    return state().lines;
}

QString TOrvMailLog::fileName()
{
    return Orv::programFile(QStringLiteral("!Log.txt"));
}

bool TOrvMailLog::write()
{
    const QStringList collected = lines();
    if (collected.isEmpty())
        return false;
    try {
        Orv::writeFileAtomically(fileName(), (collected.join(u'\n') + u'\n').toUtf8());
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcLog) << "cannot write the diagnostic log:" << error.detail();
        return false;
    }
}

} // namespace MailUi
