#include "visual/TCoolLabel.h"

#include "visual/PaintHelpers.h"

#include <QPainter>

TCoolLabel::TCoolLabel(QWidget *parent)
    : TLabel95(parent)
{
}

void TCoolLabel::setShadow(const Copy &copy)
{
    m_shadow = copy;
    update();
}

void TCoolLabel::setLeft(const Copy &copy)
{
    m_left = copy;
    update();
}

void TCoolLabel::setRight(const Copy &copy)
{
    m_right = copy;
    update();
}

void TCoolLabel::paintText(QPainter &painter)
{
    for (const Copy &copy : {m_shadow, m_left, m_right}) {
        if (copy.visible)
            drawCaption(painter, copy.offset, Visual::vcl(copy.color));
    }
    TLabel95::paintText(painter);
}

void TCoolLabel::captionChanged()
{
    updateHint();
}

void TCoolLabel::resizeEvent(QResizeEvent *event)
{
    TLabel95::resizeEvent(event);
    updateHint();
}

void TCoolLabel::updateHint()
{
    const int needed = Visual::textSize(fontMetrics(), caption(), textFlags()).width();
    setToolTip(needed > width() ? Visual::stripAccelerator(caption()) : QString());
}
