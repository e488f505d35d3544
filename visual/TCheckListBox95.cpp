#include "visual/TCheckListBox95.h"

#include "visual/Look.h"

TCheckListBox95::TCheckListBox95(QWidget *parent)
    : QListWidget(parent)
{
    setFont(Visual::defaultFont());
    setFrameShadow(QFrame::Plain);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) { emit clickCheck(row(item)); });
}

QListWidgetItem *TCheckListBox95::addCheckItem(const QString &text, Qt::CheckState state)
{
    auto *item = new QListWidgetItem(text, this);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | (m_allowGrayed ? Qt::ItemIsUserTristate : Qt::NoItemFlags));
    item->setCheckState(state);
    return item;
}

void TCheckListBox95::setAllowGrayed(bool allow)
{
    m_allowGrayed = allow;
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem *it = item(i);
        it->setFlags(allow ? it->flags() | Qt::ItemIsUserTristate : it->flags() & ~Qt::ItemIsUserTristate);
    }
}

void TCheckListBox95::setFlat(bool flat)
{
    m_flat = flat;
    setFrameShadow(flat ? QFrame::Plain : QFrame::Sunken);
}

bool TCheckListBox95::itemEnabled(int index) const
{
    const QListWidgetItem *it = item(index);
    return it && it->flags().testFlag(Qt::ItemIsEnabled);
}

void TCheckListBox95::setItemEnabled(int index, bool enabled)
{
    if (QListWidgetItem *it = item(index))
        it->setFlags(enabled ? it->flags() | Qt::ItemIsEnabled : it->flags() & ~Qt::ItemIsEnabled);
}
