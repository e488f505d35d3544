#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QString>

namespace Host {

// The host's side of a plug-in: the owner handed to each module it creates, naming the
// plug-in the module came from.
class ORV_HOSTAPI_EXPORT TOrvBaseModul
{
public:
    explicit TOrvBaseModul(QString pluginId) : m_pluginId(std::move(pluginId)) {}
    QString pluginId() const { return m_pluginId; }

private:
    QString m_pluginId;
};

} // namespace Host
