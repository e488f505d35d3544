#pragma once

#include "visual/VisualGlobal.h"

#include "base/VclColor.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QList>

// A push button showing a colour swatch; clicking it (or pressing it, with aeMouseDown)
// opens the colour dialog, and an accepted colour raises `colorChanged`. Default 44 × 22.
class ORV_VISUAL_EXPORT TColorButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TColorButton(QWidget *parent = nullptr);

    TColor color() const { return m_color; }
    void setColor(TColor color);
    int margin() const { return m_margin; }
    void setMargin(int margin); // 0 or 1
    TActivationEvent activationEvent() const { return m_activationEvent; }
    void setActivationEvent(TActivationEvent event) { m_activationEvent = event; }
    void setOptions(QColorDialog::ColorDialogOptions options) { m_options = options; }
    void setCustomColors(const QList<TColor> &colors) { m_customColors = colors; }
    // The swatch rectangle for the current size and margin.
    QRect swatchRect() const;

    QSize sizeHint() const override { return QSize(44, 22); }

signals:
    void colorChanged(TColor color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void chooseColor();

    TColor m_color = clWhite;
    int m_margin = 1;
    TActivationEvent m_activationEvent = TActivationEvent::aeClick;
    QColorDialog::ColorDialogOptions m_options;
    QList<TColor> m_customColors;
};
