#pragma once

#include "visual/VisualGlobal.h"

#include <QPlainTextEdit>

// A memo that, while the shared background picture is set and it has no focus, shows its
// lines over the picture; with the focus it is an ordinary white memo.
class ORV_VISUAL_EXPORT TMemo95 : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TMemo95(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
