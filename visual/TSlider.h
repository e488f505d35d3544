#pragma once

#include "visual/VisualGlobal.h"

#include <QWidget>

// An 11 × 87 on/off switch; a click toggles it and raises `checkChanged`.
class ORV_VISUAL_EXPORT TSlider : public QWidget
{
    Q_OBJECT
public:
    explicit TSlider(QWidget *parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    QSize sizeHint() const override { return QSize(11, 87); }

signals:
    void checkChanged(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_checked = false;
};
