#pragma once

#include "visual/VisualGlobal.h"

#include <QDateTime>
#include <QWidget>

// A 48 × 44 clock face showing `dateTime` as hands and, when asked, the date below.
// `anniString` (an anniversary text) becomes the tool tip.
class ORV_VISUAL_EXPORT THour : public QWidget
{
    Q_OBJECT
public:
    explicit THour(QWidget *parent = nullptr);

    QDateTime dateTime() const { return m_dateTime; }
    void setDateTime(const QDateTime &dateTime);
    bool displayTime() const { return m_displayTime; }
    void setDisplayTime(bool display);
    bool displayDate() const { return m_displayDate; }
    void setDisplayDate(bool display);
    QString anniString() const { return m_anniString; }
    void setAnniString(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QDateTime m_dateTime;
    bool m_displayTime = true;
    bool m_displayDate = false;
    QString m_anniString;
};
