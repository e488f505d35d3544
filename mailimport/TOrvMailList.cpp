#include "mailimport/TOrvMailList.h"

#include <QMutexLocker>

namespace Mail {

int TOrvMailList::add(TOrvMailPtr mail)
{
    QMutexLocker lock(&m_mutex);
    m_items.append(std::move(mail));
    return int(m_items.size());
}

int TOrvMailList::count() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_items.size());
}

TOrvMailPtr TOrvMailList::at(int index) const
{
    QMutexLocker lock(&m_mutex);
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

TOrvMailList::Fetched TOrvMailList::fetch(int index) const
{
    QMutexLocker lock(&m_mutex);
    if (index < 0 || index >= m_items.size())
        return {};
    return {m_items.at(index), index + 1, int(m_items.size())};
}

QList<TOrvMailPtr> TOrvMailList::snapshot() const
{
    QMutexLocker lock(&m_mutex);
    return m_items;
}

void TOrvMailList::clear()
{
    QMutexLocker lock(&m_mutex);
    m_items.clear();
}

bool TOrvMailList::remove(const TOrvMailPtr &mail)
{
    QMutexLocker lock(&m_mutex);
    return m_items.removeOne(mail);
}

} // namespace Mail
