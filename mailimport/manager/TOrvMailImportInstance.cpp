#include "mailimport/manager/TOrvMailImportInstance.h"

#include "mailimport/manager/MailHostMessages.h"

#include "platform/ipc/WindowMessages.h"

namespace Mail {

TOrvMailImportInstance::TOrvMailImportInstance()
    : m_lock(MailHostMessages::instanceName())
{
}

bool TOrvMailImportInstance::tryStart()
{
    if (m_lock.tryAcquire())
        return true;
    Ipc::postMessage(MailHostMessages::mainWindowClass(), {MailHostMessages::BringToFront, 0, 0});
    return false;
}

} // namespace Mail
