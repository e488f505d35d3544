#pragma once

#include "visual/TCustomCheckBox95.h"

// The forms' radio button: checking it unchecks the radio buttons of the same parent and
// `groupIndex`; getting the focus checks it; only a checked button is a tab stop.
class ORV_VISUAL_EXPORT TRadioButton95 : public TCustomCheckBox95
{
    Q_OBJECT
public:
    explicit TRadioButton95(QWidget *parent = nullptr);
    explicit TRadioButton95(const QString &caption, QWidget *parent = nullptr);

    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int groupIndex);
    bool GetChecked() const { return state() == TCheckBoxState::cbChecked; }
    // Checking unchecks the siblings of the group, then raises `clicked`.
    void SetChecked(bool checked);
    // As SetChecked, without `clicked`.
    void SetCheckedWithoutChange(bool checked);
    void click() override;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void paintClassicBox(QPainter &painter) override;
    void paintThemedBox(QPainter &painter) override;

private:
    int m_groupIndex = 0;
};
