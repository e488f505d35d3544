#include "hostapi/HostTexts.h"

#include <QCoreApplication>

namespace Host {

QString HostText::text() const
{
    return QCoreApplication::translate("Host", source);
}

} // namespace Host
