#include "visual/TPaintControl.h"

#include <QMouseEvent>
#include <QPainter>

void TPaintControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    emit painted(&painter);
}

void TPaintControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TPaintControl::mouseDoubleClickEvent(QMouseEvent *)
{
    emit doubleClicked();
}
