#include "visual/TDialogButtonStrip.h"

#include "visual/PaintHelpers.h"
#include "visual/TButton95.h"
#include "visual/VisualMath.h"

#include <QEvent>
#include <QPainter>

TDialogButtonStrip::TDialogButtonStrip(QWidget *parent)
    : QWidget(parent)
{
    resize(width(), stripHeight());
}

TButton95 *TDialogButtonStrip::addButton(const QString &caption)
{
    auto *button = new TButton95(caption, this);
    button->installEventFilter(this);
    m_buttons.append(button);
    layoutButtons();
    return button;
}

void TDialogButtonStrip::setNoBevel(bool noBevel)
{
    m_noBevel = noBevel;
    resize(width(), stripHeight());
    layoutButtons();
    update();
}

void TDialogButtonStrip::paintEvent(QPaintEvent *)
{
    if (m_noBevel)
        return;
    QPainter painter(this);
    painter.setPen(Visual::vcl(clBtnShadow));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setPen(Visual::vcl(clBtnHighlight));
    painter.drawLine(0, 1, width() - 1, 1);
}

void TDialogButtonStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutButtons();
}

bool TDialogButtonStrip::eventFilter(QObject *watched, QEvent *event)
{
    // A button that changes its width moves its neighbours.
    if (event->type() == QEvent::Resize)
        layoutButtons();
    return QWidget::eventFilter(watched, event);
}

void TDialogButtonStrip::layoutButtons()
{
    QList<int> widths;
    for (const TButton95 *button : std::as_const(m_buttons))
        widths.append(button->width());
    const QList<int> lefts = Visual::rightAlignedLefts(width(), widths);
    const int top = (m_noBevel ? 0 : BevelHeight) + 8;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->move(lefts[i], top);
}
