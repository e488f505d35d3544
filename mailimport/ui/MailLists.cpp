#include "mailimport/ui/MailLists.h"

#include "mailimport/ui/TOrvListBox.h"

#include "base/DelphiDateTime.h"

namespace MailUi::MailLists {

QString listLine(const Mail::TOrvMail &mail)
{
    QString line;
    if (mail.InDatabase())
        line += QStringLiteral("$IA");
    if (mail.HasAttach())
        line += QStringLiteral("$TA$ID");
    line += QStringLiteral("$TB$FA") + Orv::dateToStr(mail.Date().date()) + QStringLiteral(" $FB<")
        + ListMarkup::escape(mail.address()) + QStringLiteral(">$FA$B1 ") + ListMarkup::escape(mail.Subject())
        + QStringLiteral("$B0");
    return line;
}

void fill(TOrvListBox &list, const QList<Mail::TOrvMailPtr> &mails)
{
    const Mail::TOrvMailPtr selected = selectedMail(list);
    list.setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(&list);
        list.clear();
        int reselect = -1;
        for (const Mail::TOrvMailPtr &mail : mails) {
            if (mail == selected)
                reselect = list.count();
            list.addMarkupItem(listLine(*mail), QVariant::fromValue(mail));
        }
        if (selected && reselect < 0 && list.count() > 0)
            reselect = 0;
        if (reselect >= 0)
            list.setCurrentRow(reselect);
    }
    list.setUpdatesEnabled(true);
}

Mail::TOrvMailPtr mailAt(const TOrvListBox &list, int row)
{
    return list.objectAt(row).value<Mail::TOrvMailPtr>();
}

Mail::TOrvMailPtr selectedMail(const TOrvListBox &list)
{
    const QList<QListWidgetItem *> items = list.selectedItems();
    return items.isEmpty() ? nullptr : items.constFirst()->data(Qt::UserRole).value<Mail::TOrvMailPtr>();
}

} // namespace MailUi::MailLists
