#pragma once

#include "mailimport/manager/TOrvMailListWorker.h"

namespace Mail {

// The worker that fills every listed message's database state (stored or not, linked
// firms and persons), so that the lists can mark imported messages. With the database
// closed every message is marked as not stored.
//
// Ownership and threads: as TOrvMailListWorker; made and owned by the mail manager.
class TOrvMailContactReloader : public TOrvMailListWorker
{
    Q_OBJECT

public:
    TOrvMailContactReloader(std::shared_ptr<TOrvMailList> mails, TOrvMailContact *contact);

protected:
    void Execute() override;
    QString progressPrefix() const override;
};

} // namespace Mail
