#include "visual/TTrayIcon.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TTrayIcon::TTrayIcon(QObject *parent)
    : QObject(parent)
    , m_icon(new QSystemTrayIcon(QApplication::windowIcon(), this))
{
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            emit leftBtnClick();
            break;
        case QSystemTrayIcon::DoubleClick:
            emit leftBtnDblClick();
            if (m_autoShow && m_menu && !m_menu->actions().isEmpty())
                m_menu->actions().first()->trigger();
            break;
        case QSystemTrayIcon::Context:
            emit rightBtnClick();
            if (m_menu) {
                if (m_autoShow && !m_menu->actions().isEmpty())
                    m_menu->setDefaultAction(m_menu->actions().first());
                m_menu->popup(QCursor::pos());
            }
            break;
        default:
            break;
        }
    });
}

TTrayIcon::~TTrayIcon() = default;

QIcon TTrayIcon::icon() const
{
    return m_icon->icon();
}

void TTrayIcon::setIcon(const QIcon &icon)
{
    m_icon->setIcon(icon);
}

QString TTrayIcon::hint() const
{
    return m_icon->toolTip();
}

void TTrayIcon::setHint(const QString &hint)
{
    m_icon->setToolTip(hint);
}

void TTrayIcon::setEnabled(bool enabled)
{
    m_enabled = enabled;
    m_icon->setVisible(enabled);
}

void TTrayIcon::setPopupMenu(QMenu *menu)
{
    m_menu = menu;
}

void TTrayIcon::setAutoShow(bool autoShow)
{
    m_autoShow = autoShow;
}
