#pragma once

#include "mailimport/TOrvMail.h"

#include <QList>
#include <QStringList>

namespace Mail {

// The order of the inbox and outbox lists: each message is inserted before the first entry
// that satisfies its mode's condition, else appended.
//
//   0 date ascending      before the first e with e.Date >= m.Date
//   1 date descending     before the first e with e.Date <= m.Date
//   2 subject ascending   before the first e with m.Subject <= e.Subject
//   3 subject descending  before the first e with m.Subject >= e.Subject
//   4 address ascending   before the first e with m.address <= e.address
//   5 address descending  before the first e with m.address >= e.address
//
// Any other mode counts as 1. Texts compare case-insensitively in Czech order ("ch" after
// "h", "č" after "c"). The address is From in the inbox and To in the outbox.
// Pure functions, safe from any thread.
namespace TOrvMailListOrder {

constexpr int DefaultMode = 1;

int normalizedMode(int mode);
// The texts of the sort combo boxes, index = mode.
QStringList modeTexts();
// Czech, case-insensitive: < 0, 0, > 0.
int compareText(const QString &a, const QString &b);
// Where `mail` goes into `list`, which was built by insert() with the same mode.
qsizetype insertIndex(const QList<TOrvMailPtr> &list, const TOrvMail &mail, int mode);
void insert(QList<TOrvMailPtr> &list, const TOrvMailPtr &mail, int mode);
// The messages in their list order, each inserted in the given order of `mails`.
QList<TOrvMailPtr> sorted(const QList<TOrvMailPtr> &mails, int mode);

} // namespace TOrvMailListOrder

} // namespace Mail
