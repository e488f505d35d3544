#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QMap>
#include <QStringList>

#include <functional>
#include <memory>

namespace Host {

class TExternalContactModul;
class TOrvBaseModul;

using ModuleFactory = std::function<std::unique_ptr<TExternalContactModul>(TOrvBaseModul *owner)>;

// Module classes by name, as plug-ins register them. Names compare ignoring case, as the
// class registry of the original host did. Nothing is unregistered.
class ORV_HOSTAPI_EXPORT TModuleClassRegistry
{
public:
    // Throws EOrvSystemError for an empty or already registered name.
    void RegisterClass(const QString &className, ModuleFactory factory);
    template<class Module>
    void RegisterClass(const QString &className)
    {
        RegisterClass(className, [](TOrvBaseModul *owner) { return std::make_unique<Module>(owner); });
    }

    // Takes over every class of `other`; throws EOrvSystemError, taking none, when a name is
    // already registered here.
    void adopt(const TModuleClassRegistry &other);

    bool contains(const QString &className) const;
    QStringList classNames() const;
    // Throws EOrvSystemError for an unknown name.
    std::unique_ptr<TExternalContactModul> create(const QString &className, TOrvBaseModul *owner) const;

private:
    QMap<QString, std::pair<QString, ModuleFactory>> m_classes; // lower-case name → (name, factory)
};

} // namespace Host
