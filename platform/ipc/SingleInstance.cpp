#include "platform/ipc/SingleInstance.h"

#include "base/Paths.h"

#include <QLockFile>

namespace Ipc {

SingleInstance::SingleInstance(const QString &name)
    : m_lock(std::make_unique<QLockFile>(Orv::programFile(name + QStringLiteral(".lock"))))
{
    m_lock->setStaleLockTime(0); // only a dead owner makes the lock stale
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

} // namespace Ipc
