#pragma once

#include <QDateTime>

#include <functional>

namespace Orv {

// The one source of "now", so tests can pin the time.
class Clock
{
public:
    static QDateTime now();                                   // local time
    static void setOverride(std::function<QDateTime()> now);  // tests; pass {} to reset
};

} // namespace Orv
