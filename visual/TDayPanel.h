#pragma once

#include "visual/VisualGlobal.h"

#include <QDate>
#include <QStringList>
#include <QWidget>

// A strip labelling a run of days over a calendar: one column per day (38 one-letter
// columns for a day count of 0; one line of text for a single day). Today is red and
// underlined. A click reports the date under the mouse. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TDayPanel : public QWidget
{
    Q_OBJECT
public:
    // Columns shown for a day count of 0.
    static constexpr int WeekdayLetters = 38;

    explicit TDayPanel(QWidget *parent = nullptr);

    QDate firstDate() const { return m_firstDate; }
    void setFirstDate(const QDate &date);
    int days() const { return m_days; }
    void setDays(int days);
    // The width the columns are spread over; 0: the panel's width.
    int spreadWidth() const { return m_spreadWidth; }
    void setSpreadWidth(int width);
    bool twoLined() const { return m_twoLined; }
    void SetTwoLined(bool twoLined);
    int eventCount() const { return m_eventCount; }
    // Repaints only in the one-day mode, the only one that shows the count.
    void SetEventCount(int count);
    // The one-day texts, indexed by the day of the year in a leap year, and their prefix.
    void setDayTexts(const QStringList &texts, const QString &prefix);

    int columnCount() const;
    QList<int> columnWidths() const;
    QDate columnDate(int column) const;
    // The lines of one column (one or two).
    QStringList columnText(int column) const;

signals:
    void daySingleClick(const QDate &date);
    void dayDblClick(const QDate &date);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QDate dateAt(int x) const;
    QDate startDate() const;

    QDate m_firstDate;
    int m_days = 7;
    int m_spreadWidth = 0;
    bool m_twoLined = false;
    int m_eventCount = 0;
    QStringList m_dayTexts;
    QString m_prefix;
};
