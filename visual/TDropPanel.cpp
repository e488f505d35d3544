#include "visual/TDropPanel.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"
#include "visual/TextLayout.h"

#include <QMouseEvent>
#include <QPainter>

using Visual::TextFlag;

TDropPanel::TDropPanel(QWidget *parent)
    : QWidget(parent)
{
    setFont(Visual::defaultFont());
    resize(100, 100);
}

void TDropPanel::setExpanded(bool expanded)
{
    if (expanded == m_expanded)
        return;
    if (!expanded)
        m_expandedHeight = height();
    m_expanded = expanded;
    resize(width(), expanded ? m_expandedHeight : BarHeight);
    arrange();
    emit expandedChanged(expanded);
}

void TDropPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TDropPanel::setCaptionOffset(int offset)
{
    m_captionOffset = offset;
    update();
}

void TDropPanel::setShowButton(bool show)
{
    m_showButton = show;
    update();
}

void TDropPanel::setButtonWidth(int width)
{
    m_buttonWidth = width;
    update();
}

void TDropPanel::setControl(QWidget *control)
{
    m_control = control;
    if (control)
        control->setParent(this);
    arrange();
}

void TDropPanel::setButtonColor(TColor color)
{
    m_buttonColor = color;
    update();
}

void TDropPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Visual::DrawThemedBkg(this, painter, false);
    const QRect bar(0, 0, width(), BarHeight);
    painter.fillRect(bar, Visual::vcl(m_buttonColor));
    Visual::drawEdge(painter, bar, TEdgeType::etRaised);
    if (m_showButton) {
        painter.setPen(Visual::vcl(clBtnText));
        Visual::drawText(painter, QRect(2, 0, m_buttonWidth, BarHeight),
                         m_expanded ? QStringLiteral("\u25BE") : QStringLiteral("\u25B8"),
                         TextFlag::HCenter | TextFlag::VCenter | TextFlag::SingleLine | TextFlag::NoPrefix);
    }
    painter.setPen(Visual::vcl(clBtnText));
    Visual::drawText(painter, bar.adjusted(m_captionOffset + 2, 0, -2, 0), m_caption,
                     TextFlag::SingleLine | TextFlag::VCenter | TextFlag::EndEllipsis);
}

void TDropPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < BarHeight)
        setExpanded(!m_expanded);
}

void TDropPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void TDropPanel::arrange()
{
    if (!m_control)
        return;
    m_control->setGeometry(0, BarHeight, width(), qMax(0, height() - BarHeight));
    m_control->setVisible(m_expanded);
}
