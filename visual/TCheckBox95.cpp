#include "visual/TCheckBox95.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>

TCheckBox95::TCheckBox95(QWidget *parent)
    : TCustomCheckBox95(parent)
{
}

TCheckBox95::TCheckBox95(const QString &caption, QWidget *parent)
    : TCustomCheckBox95(parent)
{
    setCaption(caption);
}

void TCheckBox95::click()
{
    if (!isEnabled())
        return;
    if (state() != TCheckBoxState::cbGrayed)
        assignState(GetChecked() ? TCheckBoxState::cbUnchecked : TCheckBoxState::cbChecked);
    emit clicked();
    update();
}

void TCheckBox95::SetChecked(bool checked)
{
    assignState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCheckBox95::SetCheckedWithoutChange(bool checked)
{
    const QSignalBlocker blocker(this);
    SetChecked(checked);
}

void TCheckBox95::paintClassicBox(QPainter &painter)
{
    const int top = height() / 2 - 5;
    const QRect box(1, top, 12, 11);
    painter.fillRect(box, Visual::vcl(isEnabled() ? clWindow : clBtnFace));
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (state() == TCheckBoxState::cbUnchecked)
        return;
    // The tick: two strokes, each two pixels thick.
    painter.setPen(Visual::vcl(isEnabled() ? clWindowText : clGrayText));
    painter.drawLine(3, top + 4, 5, top + 6);
    painter.drawLine(3, top + 5, 5, top + 7);
    painter.drawLine(6, top + 5, 10, top + 1);
    painter.drawLine(6, top + 6, 10, top + 2);
}

void TCheckBox95::paintThemedBox(QPainter &painter)
{
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = QRect(1, height() / 2 - 7, 14, 14);
    option.state &= ~QStyle::State_HasFocus;
    option.state |= state() == TCheckBoxState::cbChecked  ? QStyle::State_On
                    : state() == TCheckBoxState::cbGrayed ? QStyle::State_NoChange
                                                          : QStyle::State_Off;
    if (isHot())
        option.state |= QStyle::State_MouseOver;
    Visual::themedStyle()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
}
