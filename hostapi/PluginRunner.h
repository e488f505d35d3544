#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QString>

namespace Host {

class TModuleClassRegistry;

// Runs a registered module class the way the host does: construction with its owner,
// Create, Init, Execute(kind, 0, 0, 0, 0, 0, "", ""), Close, destruction. Close and the
// destruction happen however the earlier steps end. Whatever a step throws is shown
// through the message service and ends the run with false, never the host. While the run
// lasts, profile switches wait (see TProfileManager).
class ORV_HOSTAPI_EXPORT PluginRunner
{
public:
    explicit PluginRunner(const TModuleClassRegistry &registry) : m_registry(registry) {}

    // Execute's result; false when the module could not be made or a step threw.
    bool run(const QString &className, int dataSourceKind);

private:
    const TModuleClassRegistry &m_registry;
};

} // namespace Host
