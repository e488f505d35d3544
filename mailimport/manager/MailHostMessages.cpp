#include "mailimport/manager/MailHostMessages.h"

#include "platform/ipc/WindowMessages.h"

namespace Mail::MailHostMessages {

QString hostWindowClass()
{
    return QStringLiteral("TFM_ContactMain");
}

QString mainWindowClass()
{
    return QStringLiteral("TFM_MailImportMain");
}

QString instanceName()
{
    return QStringLiteral("OrvantaMailImport");
}

bool sendRefresh()
{
    return Ipc::sendMessage(hostWindowClass(), {Refresh, 0, 0});
}

bool sendOpenSubject(int kind, qint64 cpc, qint64 c)
{
    if (kind != 1 && kind != 2)
        return false;
    return Ipc::sendMessage(hostWindowClass(), {kind == 1 ? OpenFirm : OpenPerson, cpc, c});
}

} // namespace Mail::MailHostMessages
