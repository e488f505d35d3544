#include "visual/TDayPanel.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"
#include "visual/TextLayout.h"
#include "visual/VisualMath.h"

#include "base/Clock.h"

#include <QMouseEvent>
#include <QPainter>

using Visual::TextFlag;

namespace {

QString format(const char *pattern, const QDate &date)
{
    return Orv::formatDateTime(QString::fromLatin1(pattern), QDateTime(date, QTime(0, 0)));
}

} // namespace

TDayPanel::TDayPanel(QWidget *parent)
    : QWidget(parent)
    , m_firstDate(Orv::Clock::now().date())
{
    setFont(Visual::vclFont(QStringLiteral("Arial"), 8));
    resize(width(), 16);
}

void TDayPanel::setFirstDate(const QDate &date)
{
    m_firstDate = date;
    update();
}

void TDayPanel::setDays(int days)
{
    m_days = qMax(0, days);
    update();
}

void TDayPanel::setSpreadWidth(int width)
{
    m_spreadWidth = width;
    update();
}

void TDayPanel::SetTwoLined(bool twoLined)
{
    m_twoLined = twoLined;
    update();
}

void TDayPanel::SetEventCount(int count)
{
    m_eventCount = count;
    if (m_days == 1)
        update();
}

void TDayPanel::setDayTexts(const QStringList &texts, const QString &prefix)
{
    m_dayTexts = texts;
    m_prefix = prefix;
    update();
}

int TDayPanel::columnCount() const
{
    return m_days == 0 ? WeekdayLetters : m_days;
}

QList<int> TDayPanel::columnWidths() const
{
    return Visual::dayColumnWidths(m_spreadWidth > 0 ? m_spreadWidth : width(), columnCount());
}

QDate TDayPanel::startDate() const
{
    if (m_days != 0 || !m_twoLined)
        return m_firstDate;
    // The week starts the day after the latest Sunday; a Sunday today is that Sunday.
    const QDate today = Orv::Clock::now().date();
    return today.addDays(-(today.dayOfWeek() % 7) + 1);
}

QDate TDayPanel::columnDate(int column) const
{
    return startDate().addDays(column);
}

QStringList TDayPanel::columnText(int column) const
{
    const QDate date = columnDate(column);
    if (m_days == 0)
        return {format("ddd", date).left(1)};
    if (m_days == 1) {
        const int leapDay = QDate(2000, date.month(), date.day()).dayOfYear();
        QString text = m_prefix + m_dayTexts.value(leapDay - 1);
        if (m_eventCount > 0)
            text += QStringLiteral(" (") + Visual::_rEvent() + QString::number(m_eventCount) + QLatin1Char(')');
        return {text};
    }
    if (m_days <= 10) {
        if (m_twoLined)
            return {format("d/m", date), format("dddd", date)};
        return {format("ddd", date) + QLatin1Char(' ') + format("d/m", date)};
    }
    if (m_twoLined)
        return {format("d", date), format("ddd", date)};
    return {format("d", date)};
}

void TDayPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Visual::vcl(clBtnFace));
    const bool small = m_days == 0 || m_days > 10;
    const QFont base = Visual::vclFont(QStringLiteral("Arial"), small ? 7 : 8);
    const QDate today = Orv::Clock::now().date();
    const QList<int> widths = columnWidths();
    int x = 0;
    for (int i = 0; i < widths.size(); ++i) {
        const QDate date = columnDate(i);
        QFont font = base;
        font.setUnderline(date == today);
        painter.setFont(font);
        painter.setPen(date == today ? Visual::vcl(clRed) : Visual::vcl(clWindowText));
        const QStringList lines = columnText(i);
        const Visual::TextFlags flags = TextFlag::NoPrefix | TextFlag::EndEllipsis
                                        | (m_days == 1 ? TextFlag::None : TextFlag::HCenter);
        const QRect column(x, 0, widths[i], height());
        if (lines.size() == 1) {
            Visual::drawText(painter, column, lines[0], flags | TextFlag::SingleLine | TextFlag::VCenter);
        } else {
            Visual::drawText(painter, column.adjusted(0, 0, 0, -height() / 2), lines[0], flags | TextFlag::SingleLine | TextFlag::VCenter);
            Visual::drawText(painter, column.adjusted(0, height() / 2, 0, 0), lines[1], flags | TextFlag::SingleLine | TextFlag::VCenter);
        }
        x += widths[i];
    }
}

QDate TDayPanel::dateAt(int x) const
{
    return columnDate(qMax(0, Visual::dayColumnAt(columnWidths(), x)));
}

void TDayPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit daySingleClick(dateAt(int(event->position().x())));
}

void TDayPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit dayDblClick(dateAt(int(event->position().x())));
}
