#pragma once

#include "visual/VisualGlobal.h"

#include "base/VclColor.h"

#include <QPointer>
#include <QWidget>

// A container that collapses to a grab bar with its caption: the bar's button (or a
// click on the bar) expands and collapses it. Default 100 × 100.
class ORV_VISUAL_EXPORT TDropPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int BarHeight = 18;

    explicit TDropPanel(QWidget *parent = nullptr);

    bool expanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    int captionOffset() const { return m_captionOffset; }
    void setCaptionOffset(int offset);
    bool showButton() const { return m_showButton; }
    void setShowButton(bool show);
    int buttonWidth() const { return m_buttonWidth; }
    void setButtonWidth(int width);
    // The control shown below the bar while expanded.
    QWidget *control() const { return m_control; }
    void setControl(QWidget *control);
    void setButtonColor(TColor color);

signals:
    void expandedChanged(bool expanded);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrange();

    bool m_expanded = true;
    QString m_caption;
    int m_captionOffset = 16;
    bool m_showButton = true;
    int m_buttonWidth = 16;
    TColor m_buttonColor = clBtnFace;
    QPointer<QWidget> m_control;
    int m_expandedHeight = 100;
};
