#pragma once

#include "visual/VisualGlobal.h"

#include <QWidget>

// A container that paints nothing at all, so whatever lies under it shows through.
class ORV_VISUAL_EXPORT THiddenPanel : public QWidget
{
    Q_OBJECT
public:
    explicit THiddenPanel(QWidget *parent = nullptr);
};
