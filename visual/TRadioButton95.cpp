#include "visual/TRadioButton95.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>

TRadioButton95::TRadioButton95(QWidget *parent)
    : TCustomCheckBox95(parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

TRadioButton95::TRadioButton95(const QString &caption, QWidget *parent)
    : TRadioButton95(parent)
{
    setCaption(caption);
}

void TRadioButton95::setGroupIndex(int groupIndex)
{
    m_groupIndex = groupIndex;
}

void TRadioButton95::SetChecked(bool checked)
{
    if (!isEnabled())
        return;
    assignState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
    setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    if (!checked)
        return;
    if (parentWidget()) {
        const auto siblings = parentWidget()->findChildren<TRadioButton95 *>(Qt::FindDirectChildrenOnly);
        for (TRadioButton95 *sibling : siblings) {
            if (sibling != this && sibling->groupIndex() == m_groupIndex)
                sibling->SetCheckedWithoutChange(false);
        }
    }
    emit clicked();
}

void TRadioButton95::SetCheckedWithoutChange(bool checked)
{
    const QSignalBlocker blocker(this);
    SetChecked(checked);
}

void TRadioButton95::click()
{
    SetChecked(true);
}

void TRadioButton95::focusInEvent(QFocusEvent *event)
{
    TCustomCheckBox95::focusInEvent(event);
    if (!GetChecked())
        SetChecked(true);
}

void TRadioButton95::paintClassicBox(QPainter &painter)
{
    const QRect circle(1, height() / 2 - 6, 12, 12);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Visual::vcl(isEnabled() ? clWindow : clBtnFace));
    painter.setPen(QPen(Visual::vcl(clBtnShadow), 1));
    painter.drawEllipse(QRectF(circle).adjusted(0.5, 0.5, -0.5, -0.5));
    if (GetChecked()) {
        painter.setBrush(Visual::vcl(isEnabled() ? clWindowText : clGrayText));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(circle).adjusted(4, 4, -4, -4));
    }
    painter.restore();
}

void TRadioButton95::paintThemedBox(QPainter &painter)
{
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = QRect(1, height() / 2 - 7, 14, 14);
    option.state &= ~QStyle::State_HasFocus;
    option.state |= GetChecked() ? QStyle::State_On : QStyle::State_Off;
    if (isHot())
        option.state |= QStyle::State_MouseOver;
    Visual::themedStyle()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, this);
}
