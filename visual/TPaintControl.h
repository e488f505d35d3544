#pragma once

#include "visual/VisualGlobal.h"

#include <QWidget>

// A control whose whole painting is left to its owner through `painted`.
class ORV_VISUAL_EXPORT TPaintControl : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void painted(QPainter *painter);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
