#pragma once

#include "visual/VisualGlobal.h"

#include <QWidget>

// A panel that paints the common background (shared picture, themed page or button face)
// itself, without an erase step; base of the self-painted check box, radio button and group
// box. Owned by its parent; GUI thread only.
class ORV_VISUAL_EXPORT TBackPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TBackPanel(QWidget *parent = nullptr);

    bool noBackground() const { return m_noBackground; }
    // True: never the shared picture, only the themed or button-face background.
    void setNoBackground(bool noBackground);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Called after the background; the painter's font is the widget's.
    virtual void paintContents(QPainter &painter);

private:
    bool m_noBackground = false;
};
