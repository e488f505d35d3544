#pragma once

#include "visual/VisualGlobal.h"

#include <QPixmap>
#include <QStringList>
#include <QWidget>

class QLabel;
class QStackedWidget;
class QToolButton;

// The start panel with three pages (first start, tips, almanac), each a picture and a text,
// chosen by the buttons along its top. Pages are numbered from 1.
class ORV_VISUAL_EXPORT TLoginPanel : public QWidget
{
    Q_OBJECT
public:
    enum Page { FirstStart = 1, Tips = 2, Almanac = 3 };

    explicit TLoginPanel(QWidget *parent = nullptr);

    int activePage() const { return m_activePage; }
    void setActivePage(int page);
    void setPage(Page page, const QString &buttonCaption, const QPixmap &picture, const QString &text);

signals:
    void pageChange(int page);

private:
    QList<QToolButton *> m_buttons;
    QList<QLabel *> m_pictures;
    QList<QLabel *> m_texts;
    QStackedWidget *m_stack;
    int m_activePage = 1;
};
