#include "hostapi/PluginRunner.h"

#include "hostapi/TExternalContactModul.h"
#include "hostapi/TModuleClassRegistry.h"
#include "hostapi/TOrvBaseModul.h"
#include "hostapi/TProfileManager.h"

#include "base/Guarded.h"

namespace Host {

namespace {

class PluginRunLock
{
public:
    PluginRunLock() { PM().beginPluginRun(); }
    ~PluginRunLock() { PM().endPluginRun(); }
    PluginRunLock(const PluginRunLock &) = delete;
    PluginRunLock &operator=(const PluginRunLock &) = delete;
};

} // namespace

bool PluginRunner::run(const QString &className, int dataSourceKind)
{
    PluginRunLock lock;
    TOrvBaseModul owner(className);
    std::unique_ptr<TExternalContactModul> module;
    bool initialized = false;
    bool executed = false;
    Orv::guarded([&] {
        module = m_registry.create(className, &owner);
        module->Create();
        initialized = module->Init();
    });
    if (initialized)
        Orv::guarded([&] { executed = module->Execute(dataSourceKind, 0, 0, 0, 0, 0, QString(), QString()); });
    if (module) {
        Orv::guarded([&] { module->Close(); });
        Orv::guarded([&] { module.reset(); });
    }
    return executed;
}

} // namespace Host
