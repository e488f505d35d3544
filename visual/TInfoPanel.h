#pragma once

#include "visual/VisualGlobal.h"

#include "base/VclColor.h"

#include <QWidget>

// A panel with the shared background picture, an optional 2-pixel edge and mouse
// enter/exit signals; base of the dialog frame, the wizard frame and the progress panel.
// With an edge its contents rectangle is inset by 2 pixels. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TInfoPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TInfoPanel(QWidget *parent = nullptr);

    TColor fillColor() const { return m_fillColor; }
    // The colour of the plain panel painted with `noBackground`.
    void setFillColor(TColor color);
    int offSetX() const { return m_offSetX; }
    int offSetY() const { return m_offSetY; }
    // Moves the tiling of the background picture left and up by the offsets.
    void setOffSetX(int offset);
    void setOffSetY(int offset);
    TEdgeType edge() const { return m_edge; }
    void setEdge(TEdgeType edge);
    bool noBackground() const { return m_noBackground; }
    void setNoBackground(bool noBackground);

signals:
    // Raised last in every paint, in the panel's coordinates.
    void painted(QPainter *painter);
    void mouseEntered();
    void mouseExited();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TColor m_fillColor = clBtnFace;
    int m_offSetX = 0;
    int m_offSetY = 0;
    TEdgeType m_edge = TEdgeType::etNone;
    bool m_noBackground = false;
};
