#include "visual/TSlider.h"

#include "visual/PaintHelpers.h"

#include <QMouseEvent>
#include <QPainter>

TSlider::TSlider(QWidget *parent)
    : QWidget(parent)
{
    resize(11, 87);
}

void TSlider::setChecked(bool checked)
{
    m_checked = checked;
    update();
}

void TSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Visual::vcl(clBtnShadow));
    // The knob sits at the top when on, at the bottom when off.
    const int knob = qMin(height() / 3, 24);
    const QRect thumb(0, m_checked ? 0 : height() - knob, width(), knob);
    painter.fillRect(thumb, Visual::vcl(clBtnFace));
    Visual::drawEdge(painter, thumb, TEdgeType::etRaised);
    painter.fillRect(QRect(2, m_checked ? knob + 2 : 2, width() - 4, height() - knob - 4),
                     m_checked ? QColor(0x30, 0xA0, 0x30) : Visual::vcl(clGray));
}

void TSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setChecked(!m_checked);
    emit checkChanged(m_checked);
}
