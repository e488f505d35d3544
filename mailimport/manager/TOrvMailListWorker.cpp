#include "mailimport/manager/TOrvMailListWorker.h"

#include "mailimport/TOrvMailList.h"

namespace Mail {

TOrvMailListWorker::TOrvMailListWorker(std::shared_ptr<TOrvMailList> mails, TOrvMailContact *contact)
    : m_mails(std::move(mails))
    , m_contact(contact)
{
}

TOrvMailListWorker::~TOrvMailListWorker() = default;

int TOrvMailListWorker::progressPercent(int number, int total)
{
    if (total <= 0)
        return 0;
    // Integer arithmetic keeps the halves exact (12.5 % must round to 12, 17.5 % to 18).
    const qint64 scaled = qint64(number) * 100;
    qint64 percent = scaled / total;
    const qint64 twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && percent % 2 == 1))
        ++percent;
    return int(percent);
}

TOrvMailPtr TOrvMailListWorker::First()
{
    m_position = 0;
    return fetch(false);
}

TOrvMailPtr TOrvMailListWorker::Next()
{
    return fetch(true);
}

TOrvMailPtr TOrvMailListWorker::fetch(bool report)
{
    if (!m_mails)
        return {};
    const TOrvMailList::Fetched fetched = m_mails->fetch(m_position);
    if (fetched.mail)
        ++m_position;
    if (report) {
        const int percent = progressPercent(fetched.number, fetched.total);
        if (percent % 5 == 0)
            SetStatus(progressPrefix() + QString::number(percent) + QStringLiteral("%)"));
    }
    return fetched.mail;
}

} // namespace Mail
