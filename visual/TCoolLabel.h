#pragma once

#include "visual/TLabel95.h"

// A title label with a shadow and two relief copies drawn under the text (shadow, left,
// right, then the text). A caption wider than the label becomes its tool tip.
class ORV_VISUAL_EXPORT TCoolLabel : public TLabel95
{
    Q_OBJECT
public:
    explicit TCoolLabel(QWidget *parent = nullptr);

    struct Copy
    {
        bool visible;
        TColor color;
        QPoint offset;
    };
    Copy shadow() const { return m_shadow; }
    Copy left() const { return m_left; }
    Copy right() const { return m_right; }
    void setShadow(const Copy &copy);   // FontShadow, ShadowColor, ShadowOffX/Y
    void setLeft(const Copy &copy);     // FontLeft, LeftColor, LeftOffX/Y
    void setRight(const Copy &copy);    // FontRight, RightColor, RightOffX/Y

protected:
    void paintText(QPainter &painter) override;
    void captionChanged() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateHint();

    Copy m_shadow{true, clGray, {2, 2}};
    Copy m_left{true, clWhite, {-1, -1}};
    Copy m_right{true, clBlack, {1, 1}};
};
