#include "mailimport/manager/TOrvMailContactReloader.h"

#include "mailimport/TOrvMailContact.h"
#include "mailimport/manager/TransactionBatch.h"

#include <QCoreApplication>

namespace Mail {

namespace {

constexpr int LookupsPerTransaction = 200;

} // namespace

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
    // One read snapshot per batch instead of one per look-up.
    TransactionBatch batch(contact()->dataSource().connection(), Db::Connection::TransactionMode::Deferred,
                           LookupsPerTransaction);
    TOrvMailPtr mail = First();
    while (!Terminated() && mail) {
        batch.begin();
        // LoadDatabaseState marks the message as not stored when the database is closed.
        contact()->LoadDatabaseState(*mail);
        batch.end();
        mail = Next();
    }
    batch.commit();
}

} // namespace Mail
