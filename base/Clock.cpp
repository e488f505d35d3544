#include "base/Clock.h"

#include <QMutex>
#include <QMutexLocker>

namespace Orv {

namespace {

QMutex s_mutex;
std::function<QDateTime()> s_override;

} // namespace

QDateTime Clock::now()
{
    std::function<QDateTime()> override;
    {
        QMutexLocker lock(&s_mutex);
        override = s_override;
    }
    return override ? override() : QDateTime::currentDateTime();
}

void Clock::setOverride(std::function<QDateTime()> now)
{
    QMutexLocker lock(&s_mutex);
    s_override = std::move(now);
}

} // namespace Orv
