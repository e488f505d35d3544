#include "mailimport/ui/TOrvCheckListBox.h"

namespace MailUi {

TOrvCheckListBox::TOrvCheckListBox(QWidget *parent)
    : TOrvListBox(parent)
{
}

void TOrvCheckListBox::setNames(const QStringList &names)
{
    clear();
    for (const QString &name : names) {
        QListWidgetItem *item = addMarkupItem(ListMarkup::escape(name), name);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

QStringList TOrvCheckListBox::checkedNames() const
{
    QStringList names;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->checkState() == Qt::Checked)
            names.append(objectAt(row).toString());
    }
    return names;
}

} // namespace MailUi
