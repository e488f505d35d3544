#pragma once

#include "visual/VisualGlobal.h"

#include "base/VclColor.h"

#include <QPointer>
#include <QWidget>

class QToolButton;

// A titled panel that can float out as a window of its own and dock back: a title strip
// with the caption and small buttons (float/dock, close), the contents below it (set a
// layout on `contents()`). A double click on the title switches as well.
class ORV_VISUAL_EXPORT TFloatPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TFloatPanel(QWidget *parent = nullptr);

    QWidget *contents() const { return m_contents; }
    QString panelCaption() const { return m_caption; }
    void setPanelCaption(const QString &caption);
    void setPanelColor(TColor color);
    void setFontPanelColor(TColor color);
    void setPanelTitleAlign(THorizontalAlignment alignment);
    void setPanelFontSize(int points);
    bool allowWindow() const { return m_allowWindow; }
    void setAllowWindow(bool allow);
    void setButtonsVisible(bool visible);
    // Kept from the remote control given to every float panel; not used on this platform.
    void setRemoteControl(QObject *remote) { m_remote = remote; }

    bool isFloating() const { return isWindow(); }
    // Docked → window or back, if allowed and `beforeSwitch` does not refuse.
    void switchMode();

signals:
    void activated();
    void beforeSwitch(bool *allow);
    void afterSwitch();
    void beforeClose(bool *allow);
    void property();
    void application();
    void dblClickCaption();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int titleHeight() const;

    QWidget *m_contents;
    QToolButton *m_switchButton;
    QToolButton *m_closeButton;
    QString m_caption;
    TColor m_panelColor = clActiveCaption;
    TColor m_fontColor = clCaptionText;
    THorizontalAlignment m_titleAlign = THorizontalAlignment::haLeft;
    int m_fontSize = 10;
    bool m_allowWindow = true;
    QPointer<QWidget> m_dockParent;
    QRect m_dockGeometry;
    QPointer<QObject> m_remote;
};
