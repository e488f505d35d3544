#pragma once

#include "mailimport/TOrvMail.h"

#include <QMetaType>

namespace MailUi {

class TOrvListBox;

// The main window's message lists: each item shows one TOrvMail as a markup line and holds
// the message itself (Qt::UserRole, a TOrvMailPtr).
namespace MailLists {

// "$IA" when stored, "$TA$ID" with attachments, then the date, "<address>" and the subject
// in bold. The address is From in the inbox list and To in the outbox list; texts from the
// mail are shown as typed.
QString listLine(const Mail::TOrvMail &mail);

// Replaces the list's items by `mails` in the given order. The message that was selected
// stays selected; when it is gone the first item is selected instead.
void fill(TOrvListBox &list, const QList<Mail::TOrvMailPtr> &mails);

Mail::TOrvMailPtr mailAt(const TOrvListBox &list, int row);
Mail::TOrvMailPtr selectedMail(const TOrvListBox &list);

} // namespace MailLists
} // namespace MailUi

Q_DECLARE_METATYPE(Mail::TOrvMailPtr)
