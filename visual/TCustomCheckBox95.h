#pragma once

#include "visual/TBackPanel.h"

#include "base/VclColor.h"

#include <QPixmap>

// What the self-painted check box and radio button share: caption with an optional picture,
// hot and disabled colours, focus rectangle, click by mouse, space or the caption's
// accelerator. Subclasses draw the box and decide what a click does.
class ORV_VISUAL_EXPORT TCustomCheckBox95 : public TBackPanel
{
    Q_OBJECT
public:
    enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

    explicit TCustomCheckBox95(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TCheckBoxState state() const { return m_state; }
    QPixmap bitmap() const { return m_bitmap; }
    // Drawn before the caption with the colour of its pixel (1, 1) left out.
    void setBitmap(const QPixmap &bitmap);
    TColor color() const { return m_color; }
    // Button face (the default) paints the common background; any other colour fills.
    void setColor(TColor color);
    bool isHot() const { return m_hot; }

    // What a click, space or the accelerator does.
    virtual void click() = 0;

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    // Sets the state and repaints, without signals; ignored while disabled.
    void assignState(TCheckBoxState state);
    // The box in the classic or themed look; `top` is the widget's vertical centre.
    virtual void paintClassicBox(QPainter &painter) = 0;
    virtual void paintThemedBox(QPainter &painter) = 0;

    void paintEvent(QPaintEvent *event) override;
    void paintContents(QPainter &painter) override;
    bool event(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void updateShortcut();

    QString m_caption;
    TCheckBoxState m_state = TCheckBoxState::cbUnchecked;
    QPixmap m_bitmap;
    TColor m_color = clBtnFace;
    bool m_hot = false;
    int m_shortcutId = 0;
};
