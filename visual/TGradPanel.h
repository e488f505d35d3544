#pragma once

#include "visual/VisualGlobal.h"

#include "base/VclColor.h"

#include <QWidget>

// A gradient strip of solid bands from `grad1Color` to `grad2Color` (left to right, or top
// down), or mirrored from both edges towards the middle. Forms use it as a thin rule under
// headings. A solid fill of `grad1Color` when the colours are equal, with `noGradient` or
// on a low-colour screen. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TGradPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TGradPanel(QWidget *parent = nullptr);

    TColor grad1Color() const { return m_grad1Color; }
    TColor grad2Color() const { return m_grad2Color; }
    void setGrad1Color(TColor color);
    void setGrad2Color(TColor color);
    int gradColors() const;
    // Values below 8 are ignored.
    void setGradColors(int bands);
    bool gradTopDown() const { return m_gradTopDown; }
    void setGradTopDown(bool topDown);
    bool useGradient() const { return m_useGradient; }
    void setUseGradient(bool use);
    bool realize() const { return m_realize; }
    // With `realize` 256 bands become 255, as the palette of the bands holds at most 256 colours.
    void setRealize(bool realize);
    bool dualColors() const { return m_dualColors; }
    void setDualColors(bool dual);
    bool noGradient() const { return m_noGradient; }
    void setNoGradient(bool noGradient);
    TColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_grad1Color = clBlack;
    TColor m_grad2Color = clBlue;
    int m_gradColors = 16;
    bool m_gradTopDown = false;
    bool m_useGradient = true;
    bool m_realize = true;
    bool m_dualColors = false;
    bool m_noGradient = false;
    TColor m_color = clBtnFace;
};
