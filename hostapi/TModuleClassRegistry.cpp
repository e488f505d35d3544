#include "hostapi/TModuleClassRegistry.h"

#include "hostapi/TExternalContactModul.h"

#include "base/Errors.h"

#include <QCoreApplication>

namespace Host {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Host::TModuleClassRegistry)
};

EOrvSystemError alreadyRegistered(const QString &className)
{
    return EOrvSystemError(Tr::tr("Třída modulu %1 je již zaregistrována.").arg(className),
                           QStringLiteral("duplicate module class %1").arg(className));
}

} // namespace

void TModuleClassRegistry::RegisterClass(const QString &className, ModuleFactory factory)
{
    if (className.isEmpty() || !factory)
        throw EOrvSystemError(Tr::tr("Modul nezaregistroval platnou třídu."), QStringLiteral("empty module class"));
    if (contains(className))
        throw alreadyRegistered(className);
    m_classes.insert(className.toLower(), {className, std::move(factory)});
}

void TModuleClassRegistry::adopt(const TModuleClassRegistry &other)
{
    for (const auto &entry : other.m_classes) {
        if (contains(entry.first))
            throw alreadyRegistered(entry.first);
    }
    for (auto it = other.m_classes.cbegin(); it != other.m_classes.cend(); ++it)
        m_classes.insert(it.key(), it.value());
}

bool TModuleClassRegistry::contains(const QString &className) const
{
    return m_classes.contains(className.toLower());
}

QStringList TModuleClassRegistry::classNames() const
{
    QStringList names;
    for (const auto &entry : m_classes)
        names.append(entry.first);
    return names;
}

std::unique_ptr<TExternalContactModul> TModuleClassRegistry::create(const QString &className,
                                                                    TOrvBaseModul *owner) const
{
    const auto it = m_classes.constFind(className.toLower());
    if (it == m_classes.cend())
        throw EOrvSystemError(Tr::tr("Třída modulu %1 není zaregistrována.").arg(className),
                              QStringLiteral("unknown module class %1").arg(className));
    return it->second(owner);
}

} // namespace Host
