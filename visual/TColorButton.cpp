#include "visual/TColorButton.h"

#include "visual/PaintHelpers.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

TColorButton::TColorButton(QWidget *parent)
    : QAbstractButton(parent)
{
    resize(44, 22);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_activationEvent == TActivationEvent::aeClick)
            chooseColor();
    });
}

void TColorButton::setColor(TColor color)
{
    m_color = color;
    update();
}

void TColorButton::setMargin(int margin)
{
    m_margin = qBound(0, margin, 1);
    update();
}

QRect TColorButton::swatchRect() const
{
    const QRect swatch((width() - (width() - 14)) / 2, (height() - (height() - 14)) / 2, width() - 14, height() - 14);
    return swatch.adjusted(-2 * m_margin, -2 * m_margin, 2 * m_margin, 2 * m_margin);
}

void TColorButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    QRect swatch = swatchRect();
    if (isDown())
        swatch.translate(1, 1);
    painter.fillRect(swatch, Visual::vcl(isEnabled() ? m_color : clBtnFace));
    painter.setPen(Qt::black);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(2, 2, width() - 5, height() - 5);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TColorButton::mousePressEvent(QMouseEvent *event)
{
    QAbstractButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && m_activationEvent == TActivationEvent::aeMouseDown) {
        setDown(false);
        chooseColor();
        emit clicked();
    }
}

void TColorButton::chooseColor()
{
    for (int i = 0; i < m_customColors.size() && i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Visual::vcl(m_customColors[i]));
    const QColor chosen = QColorDialog::getColor(Visual::vcl(m_color), this, QString(), m_options);
    if (!chosen.isValid())
        return;
    m_color = Orv::tColorFromColor(chosen);
    update();
    emit colorChanged(m_color);
}
