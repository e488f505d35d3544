#pragma once

#include "visual/TCustomCheckBox95.h"

// The forms' check box: a click toggles unchecked and checked (a grayed box stays grayed)
// and raises `clicked`; setting the state by code raises nothing. Default 98 × 20.
class ORV_VISUAL_EXPORT TCheckBox95 : public TCustomCheckBox95
{
    Q_OBJECT
public:
    explicit TCheckBox95(QWidget *parent = nullptr);
    explicit TCheckBox95(const QString &caption, QWidget *parent = nullptr);

    void click() override;
    void setState(TCheckBoxState state) { assignState(state); }

    bool GetChecked() const { return state() == TCheckBoxState::cbChecked; }
    void SetChecked(bool checked);
    // As SetChecked; kept for the forms that call it while loading their settings.
    void SetCheckedWithoutChange(bool checked);

protected:
    void paintClassicBox(QPainter &painter) override;
    void paintThemedBox(QPainter &painter) override;
};
