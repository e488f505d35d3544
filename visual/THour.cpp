#include "visual/THour.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"

#include "base/Clock.h"

#include <QPainter>

#include <cmath>

THour::THour(QWidget *parent)
    : QWidget(parent)
    , m_dateTime(Orv::Clock::now())
{
    resize(48, 44);
}

void THour::setDateTime(const QDateTime &dateTime)
{
    m_dateTime = dateTime;
    update();
}

void THour::setDisplayTime(bool display)
{
    m_displayTime = display;
    update();
}

void THour::setDisplayDate(bool display)
{
    m_displayDate = display;
    update();
}

void THour::setAnniString(const QString &text)
{
    m_anniString = text;
    setToolTip(text);
}

void THour::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int dateHeight = m_displayDate ? 11 : 0;
    const int size = qMin(width(), height() - dateHeight) - 2;
    const QPointF centre(width() / 2.0, 1 + size / 2.0);
    painter.setBrush(Visual::vcl(clWindow));
    painter.setPen(Visual::vcl(clBtnShadow));
    painter.drawEllipse(centre, size / 2.0, size / 2.0);
    for (int i = 0; i < 12; ++i) {
        const double angle = i * M_PI / 6;
        painter.drawPoint(centre + QPointF(std::sin(angle), -std::cos(angle)) * (size / 2.0 - 3));
    }
    if (m_displayTime) {
        const QTime time = m_dateTime.time();
        auto hand = [&](double turns, double length, qreal widthPx) {
            painter.setPen(QPen(Visual::vcl(clWindowText), widthPx, Qt::SolidLine, Qt::RoundCap));
            const double angle = turns * 2 * M_PI;
            painter.drawLine(centre, centre + QPointF(std::sin(angle), -std::cos(angle)) * length);
        };
        hand((time.hour() % 12 + time.minute() / 60.0) / 12.0, size * 0.27, 2);
        hand(time.minute() / 60.0, size * 0.4, 1.2);
    }
    if (m_displayDate) {
        painter.setFont(Visual::vclFont(QStringLiteral("Arial"), 6));
        painter.setPen(Visual::vcl(clWindowText));
        painter.drawText(QRect(0, height() - dateHeight, width(), dateHeight), Qt::AlignCenter,
                         Orv::formatDateTime(QStringLiteral("d.m."), m_dateTime));
    }
}
