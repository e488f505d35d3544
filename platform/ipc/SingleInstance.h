#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace Ipc {

// A named mutex of one user: the first program that takes the name owns it until it ends
// (or dies: a stale lock of a dead process is taken over).
class SingleInstance
{
public:
    explicit SingleInstance(const QString &name);
    ~SingleInstance();
    // True when this process owns the name now.
    bool tryAcquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace Ipc
