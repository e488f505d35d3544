#include "visual/THeaderControl95.h"

#include "visual/Look.h"

#include <QStandardItemModel>

THeaderControl95::THeaderControl95(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setFont(Visual::defaultFont());
    setModel(new QStandardItemModel(this));
    setSectionsClickable(true);
}

void THeaderControl95::setSections(const QStringList &captions)
{
    auto *items = static_cast<QStandardItemModel *>(model());
    items->clear();
    items->setHorizontalHeaderLabels(captions);
}

void THeaderControl95::setButtonLook(bool buttonLook)
{
    m_buttonLook = buttonLook;
    setSectionsClickable(buttonLook);
}

void THeaderControl95::setResizeCursor(bool resizeCursor)
{
    m_resizeCursor = resizeCursor;
    setSectionResizeMode(resizeCursor ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void THeaderControl95::enterEvent(QEnterEvent *event)
{
    QHeaderView::enterEvent(event);
    emit mouseEntered();
}

void THeaderControl95::leaveEvent(QEvent *event)
{
    QHeaderView::leaveEvent(event);
    emit mouseLeft();
}

void THeaderControl95::mouseDoubleClickEvent(QMouseEvent *event)
{
    QHeaderView::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
