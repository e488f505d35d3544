#pragma once

#include "visual/VisualGlobal.h"

#include <QLineEdit>

// A line edit that, while the shared background picture is set and it has no focus, shows
// its text right-aligned over the picture (a read-out on a picture panel).
class ORV_VISUAL_EXPORT TEdit95 : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent *event) override;
};
