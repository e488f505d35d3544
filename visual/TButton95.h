#pragma once

#include "visual/TextLayout.h"
#include "visual/VisualGlobal.h"

#include <QIcon>
#include <QPointer>
#include <QPushButton>

class QAction;
class QShortcut;

// A push button with a picture, horizontal and vertical text alignment and word wrap, which
// can keep itself at a distance from the right edge of its container (`SetPosition`).
// Default 75 × 25. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TButton95 : public QPushButton
{
    Q_OBJECT
public:
    explicit TButton95(QWidget *parent = nullptr);
    explicit TButton95(const QString &caption, QWidget *parent = nullptr);

    QIcon picture() const { return icon(); }
    void setPicture(const QIcon &picture);
    THorizontalAlignment horAlignment() const { return m_horAlignment; }
    void setHorAlignment(THorizontalAlignment alignment);
    TVerticalAlignment verAlignment() const { return m_verAlignment; }
    void setVerAlignment(TVerticalAlignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);

    bool rightPos() const { return m_rightPos; }
    void setRightPos(bool rightPos);
    int minLeft() const { return m_minLeft; }
    void setMinLeft(int minLeft);
    int maxLeft() const { return m_maxLeft; }
    void setMaxLeft(int maxLeft);
    int rightMargin() const { return m_rightMargin; }
    void setRightMargin(int margin);
    // For a container's resize: with `rightPos`, Left := min(maxLeft, max(minLeft, width − rightMargin)).
    void SetPosition(QWidget *sender);

    // The button takes its text, enabled state and click from the action.
    void setAction(QAction *action);
    QAction *action() const { return m_action; }
    // Escape in the window clicks a cancel button.
    void setCancel(bool cancel);
    bool isCancel() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Visual::TextFlags textFlags() const;
    void syncFromAction();

    THorizontalAlignment m_horAlignment = THorizontalAlignment::haCenter;
    TVerticalAlignment m_verAlignment = TVerticalAlignment::vaCenter;
    bool m_wordWrap = false;
    bool m_rightPos = false;
    int m_minLeft = 0;
    int m_maxLeft = 9999;
    int m_rightMargin = 0;
    QPointer<QAction> m_action;
    QShortcut *m_cancelShortcut = nullptr;
};
