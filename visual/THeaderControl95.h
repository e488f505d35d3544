#pragma once

#include "visual/VisualGlobal.h"

#include <QHeaderView>

// A header of sections that look like buttons, with enter/leave and double-click signals.
class ORV_VISUAL_EXPORT THeaderControl95 : public QHeaderView
{
    Q_OBJECT
public:
    explicit THeaderControl95(QWidget *parent = nullptr);

    // Sections as plain captions (the header keeps its own model).
    void setSections(const QStringList &captions);
    bool buttonLook() const { return m_buttonLook; }
    void setButtonLook(bool buttonLook);
    bool resizeCursor() const { return m_resizeCursor; }
    void setResizeCursor(bool resizeCursor);

signals:
    void mouseEntered();
    void mouseLeft();
    void doubleClicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_buttonLook = true;
    bool m_resizeCursor = true;
};
