#include "mailimport/ui/TorvProgress.h"

#include <QPainter>

namespace MailUi {

TorvProgress::TorvProgress(QWidget *parent)
    : QWidget(parent)
{
    m_timer.setInterval(200);
    connect(&m_timer, &QTimer::timeout, this, &TorvProgress::step);
}

void TorvProgress::start(const QRect &rect)
{
    m_rect = rect;
    m_direction = 1;
    m_offset = 0;
    m_timer.start();
    update();
}

void TorvProgress::stop()
{
    m_timer.stop();
    update();
}

int TorvProgress::chunkWidth() const
{
    return (m_rect.width() - 4) / 4;
}

void TorvProgress::step()
{
    const int chunk = chunkWidth();
    m_offset += m_direction * 8;
    if (m_offset > 2 && m_offset >= m_rect.width() - chunk - 4) {
        m_direction = -1;
        m_offset = m_rect.width() - chunk - 4;
    } else if (m_offset <= 2) {
        m_direction = 1;
        m_offset = 0;
    }
    update(m_rect);
}

void TorvProgress::paintEvent(QPaintEvent *)
{
    if (!isRunning())
        return;
    QPainter painter(this);
    painter.fillRect(m_rect, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(m_rect.adjusted(0, 0, -1, -1));
    const QRect inner = m_rect.adjusted(2, 2, -2, -2);
    painter.fillRect(QRect(inner.left() + m_offset, inner.top(), chunkWidth(), inner.height()),
                     palette().color(QPalette::Highlight));
}

} // namespace MailUi
