// Plug-ins that fail in the ways a host must survive, one per compile definition:
// ORV_BROKEN_UNRESOLVED needs a symbol no library has, ORV_BROKEN_WRONG_CLASS registers
// another class than its metadata names, ORV_BROKEN_THROWS throws while registering.
#include "hostapi/OrvPluginInterface.h"
#include "hostapi/TExternalContactModul.h"
#include "hostapi/TModuleClassRegistry.h"

#include "base/Errors.h"

#include <QObject>

#ifdef ORV_BROKEN_UNRESOLVED
extern int orv_symbol_no_library_has;
#endif

class BrokenPlugin : public QObject, public Host::IOrvPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OrvPlugin_iid FILE "BrokenPlugin.json")
    Q_INTERFACES(Host::IOrvPlugin)

public:
    void RegisterModuleClass(Host::TModuleClassRegistry &registry) override
    {
#if defined(ORV_BROKEN_UNRESOLVED)
        if (orv_symbol_no_library_has == 0)
            registry.RegisterClass<Host::TExternalContactModul>(QStringLiteral("TPluginBroken"));
#elif defined(ORV_BROKEN_THROWS)
        Q_UNUSED(registry)
        throw EOrvSystemError(QStringLiteral("Registrace selhala."), QStringLiteral("test failure"));
#else // ORV_BROKEN_WRONG_CLASS
        registry.RegisterClass<Host::TExternalContactModul>(QStringLiteral("TNotTheClass"));
#endif
    }
};

#include "BrokenPlugin.moc"
