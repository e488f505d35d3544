#pragma once

#include "visual/VisualGlobal.h"

#include <QIcon>
#include <QObject>
#include <QPointer>

class QMenu;
class QSystemTrayIcon;

// The notification-area icon: click, double click and right-click signals and a pop-up
// menu whose first item a double click runs when `autoShow` is on. Owned by its parent.
class ORV_VISUAL_EXPORT TTrayIcon : public QObject
{
    Q_OBJECT
public:
    explicit TTrayIcon(QObject *parent = nullptr);
    ~TTrayIcon() override;

    QIcon icon() const;
    void setIcon(const QIcon &icon);
    QString hint() const;
    void setHint(const QString &hint);
    bool isEnabled() const { return m_enabled; }
    // Shows or removes the icon.
    void setEnabled(bool enabled);
    void setPopupMenu(QMenu *menu);
    bool autoShow() const { return m_autoShow; }
    void setAutoShow(bool autoShow);

signals:
    void leftBtnClick();
    void leftBtnDblClick();
    void rightBtnClick();

private:
    QSystemTrayIcon *m_icon;
    QPointer<QMenu> m_menu;
    bool m_enabled = false;
    bool m_autoShow = false;
};
