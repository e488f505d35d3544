#pragma once

#include "visual/VisualGlobal.h"

#include <QStatusBar>

// The forms' status bar: flat, without a size grip.
class ORV_VISUAL_EXPORT TStatusBar95 : public QStatusBar
{
    Q_OBJECT
public:
    explicit TStatusBar95(QWidget *parent = nullptr);
};
