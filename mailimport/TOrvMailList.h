#pragma once

#include "mailimport/TOrvMail.h"

#include <QList>
#include <QMutex>

namespace Mail {

// The message list shared by the mail manager, the downloaders and the workers that walk
// it (TThreadList of the system): every access takes its lock.
//
// Ownership: holds shared references; a reader that fetched a message keeps it alive even
// when the list is cleared meanwhile.
// Threads: every member is safe from any thread. Hold the lock only to fetch or copy
// references, never while working on a message.
class TOrvMailList
{
public:
    struct Fetched
    {
        TOrvMailPtr mail;   // null past the end
        int number = 0;     // 1-based position of `mail`, 0 past the end
        int total = 0;      // count at the time of the fetch, 0 past the end
    };

    TOrvMailList() = default;
    TOrvMailList(const TOrvMailList &) = delete;
    TOrvMailList &operator=(const TOrvMailList &) = delete;

    // Appends and returns the new count (read under the same lock).
    int add(TOrvMailPtr mail);
    int count() const;
    TOrvMailPtr at(int index) const;        // null when out of range
    Fetched fetch(int index) const;         // one locked read for the workers' First/Next
    QList<TOrvMailPtr> snapshot() const;
    void clear();
    // Removes this very message (by identity); false when it is not listed.
    bool remove(const TOrvMailPtr &mail);

private:
    mutable QMutex m_mutex;
    QList<TOrvMailPtr> m_items;
};

} // namespace Mail
