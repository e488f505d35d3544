#pragma once

#include "visual/VisualGlobal.h"

#include <QScrollArea>

// A scroll box whose viewport paints the common background like TBackPanel.
class ORV_VISUAL_EXPORT TScrollBox95 : public QScrollArea
{
    Q_OBJECT
public:
    explicit TScrollBox95(QWidget *parent = nullptr);

    bool noBackground() const { return m_noBackground; }
    void setNoBackground(bool noBackground);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_noBackground = false;
};
