#include "visual/TInfoPanel.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"
#include "visual/TBackgroundPicture.h"

#include <QPainter>

TInfoPanel::TInfoPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(Visual::defaultFont());
}

void TInfoPanel::setFillColor(TColor color)
{
    m_fillColor = color;
    update();
}

void TInfoPanel::setOffSetX(int offset)
{
    m_offSetX = offset;
    update();
}

void TInfoPanel::setOffSetY(int offset)
{
    m_offSetY = offset;
    update();
}

void TInfoPanel::setEdge(TEdgeType edge)
{
    m_edge = edge;
    const int inset = edge == TEdgeType::etNone ? 0 : 2;
    setContentsMargins(inset, inset, inset, inset);
    update();
}

void TInfoPanel::setNoBackground(bool noBackground)
{
    m_noBackground = noBackground;
    update();
}

void TInfoPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const TBackgroundPicture &background = TBackgroundPicture::instance();
    if (m_noBackground) {
        painter.fillRect(rect(), Visual::vcl(m_fillColor));
    } else if (background.isSet()) {
        painter.setClipRect(rect());
        Visual::DrawBitmap(painter, background.picture(), rect().adjusted(-m_offSetX, -m_offSetY, 0, 0), false);
        painter.setClipping(false);
    } else {
        Visual::DrawThemedBkg(this, painter, false);
    }
    Visual::drawEdge(painter, rect(), m_edge);
    emit painted(&painter);
}

void TInfoPanel::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    emit mouseEntered();
}

void TInfoPanel::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit mouseExited();
}
