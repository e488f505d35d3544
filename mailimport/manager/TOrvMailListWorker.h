#pragma once

#include "mailimport/TOrvMail.h"
#include "mailimport/TOrvMailAction.h"

#include <memory>

namespace Mail {

class TOrvMailContact;
class TOrvMailList;

// Base of the two workers that walk the downloaded list after a download (link reloader,
// automatic import): the shared list, the contact object and the position of the next
// message to fetch, with the progress report both of them give.
//
// Ownership: shares the list; observes the contact object, which the mail manager owns and
// hands to one worker at a time. Threads: First/Next run in the worker; the list is locked
// only for the fetch itself.
class TOrvMailListWorker : public TOrvMailAction
{
    Q_OBJECT

public:
    TOrvMailListWorker(std::shared_ptr<TOrvMailList> mails, TOrvMailContact *contact);
    ~TOrvMailListWorker() override;

    // number × 100 / total rounded to the nearest integer, halves to even; 0 when total is 0.
    static int progressPercent(int number, int total);

protected:
    // position := 0, then Next().
    TOrvMailPtr First();
    // The message at the position (then one further), or null past the end. Reports the
    // progress "<prefix><percent>%)" whenever the percent is a multiple of 5.
    TOrvMailPtr Next();
    // The status text before the percent, e.g. "Probíhá načítaní vazeb (".
    virtual QString progressPrefix() const = 0;

    TOrvMailList *mails() const { return m_mails.get(); }
    TOrvMailContact *contact() const { return m_contact; }

private:
    TOrvMailPtr fetch(bool report);

    std::shared_ptr<TOrvMailList> m_mails;
    TOrvMailContact *m_contact;
    int m_position = 0;
};

} // namespace Mail
