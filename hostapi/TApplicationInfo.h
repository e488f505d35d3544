#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QObject>

namespace Host {

// The refresh bus: plug-ins and components tell the host (and each other) that data
// changed; the host shell and open views subscribe to `refreshed`.
// Delivery is queued: a subscriber may rebuild the very widget whose handler called
// Refresh, so it must not run inside that handler. GUI thread only.
class ORV_HOSTAPI_EXPORT TApplicationInfo : public QObject
{
    Q_OBJECT

public:
    enum RefreshCode {
        RefreshAllData = 210,                    // after a whole import or group run
    };

    static TApplicationInfo &instance();

    void Refresh(int code, int param1, int param2);

signals:
    void refreshed(int code, int param1, int param2);

private:
    TApplicationInfo() = default;
};

inline TApplicationInfo &ApplicationInfo()
{
    return TApplicationInfo::instance();
}

} // namespace Host
