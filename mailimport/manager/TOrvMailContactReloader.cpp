#include "mailimport/manager/TOrvMailContactReloader.h"

#include "mailimport/TOrvMailContact.h"

#include <QCoreApplication>

namespace Mail {

TOrvMailContactReloader::TOrvMailContactReloader(std::shared_ptr<TOrvMailList> mails, TOrvMailContact *contact)
    : TOrvMailListWorker(std::move(mails), contact)
{
}

QString TOrvMailContactReloader::progressPrefix() const
{
    return QCoreApplication::translate("Mail::TOrvMailContactReloader", "Probíhá načítaní vazeb (");
}

void TOrvMailContactReloader::Execute()
{
    if (!mails() || !contact())
        return;
    TOrvMailPtr mail = First();
    while (!Terminated() && mail) {
        // LoadDatabaseState marks the message as not stored when the database is closed.
        contact()->LoadDatabaseState(*mail);
        mail = Next();
        // Lets the main thread and the host breathe; a fixed 1 ms per message would cap
        // the reloader at a thousand messages a second.
        yieldCurrentThread();
    }
}

} // namespace Mail
