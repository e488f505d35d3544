#include "hostapi/TApplicationInfo.h"

namespace Host {

TApplicationInfo &TApplicationInfo::instance()
{
    static TApplicationInfo info;
    return info;
}

void TApplicationInfo::Refresh(int code, int param1, int param2)
{
    QMetaObject::invokeMethod(
        this, [this, code, param1, param2] { emit refreshed(code, param1, param2); }, Qt::QueuedConnection);
}

} // namespace Host
