#include "visual/TMessageLine.h"

#include "visual/PaintHelpers.h"

#include "base/Clock.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

TMessageLine::TMessageLine(QWidget *parent)
    : TInfoPanel(parent)
    , m_timer(new QTimer(this))
    , m_button(new QToolButton(this))
    , m_text(new QLabel(this))
{
    resize(width(), 22);
    setNoBackground(true);
    setFillColor(clWhite);
    m_button->setAutoRaise(true);
    m_button->setText(QStringLiteral("\u25B6"));
    m_button->setEnabled(false);
    m_text->installEventFilter(this);
    m_timer->setInterval(m_interval * 1000);
    connect(m_timer, &QTimer::timeout, this, &TMessageLine::showNext);
    connect(m_button, &QToolButton::clicked, this, [this] {
        if (m_current >= 0)
            emit messageSelect(m_entries[m_current].values);
    });
}

void TMessageLine::addEntry(const Entry &entry)
{
    m_entries.append(entry);
    if (m_current < 0)
        showNext();
}

void TMessageLine::removeEntry(int id)
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].id == id) {
            m_entries.removeAt(i);
            if (m_current >= i)
                --m_current;
            break;
        }
    }
    showCurrent();
}

bool TMessageLine::isActive() const
{
    return m_timer->isActive();
}

void TMessageLine::setActive(bool active)
{
    if (active)
        m_timer->start();
    else
        m_timer->stop();
}

void TMessageLine::setMessageInterval(int seconds)
{
    m_interval = qMax(1, seconds);
    m_timer->setInterval(m_interval * 1000);
}

void TMessageLine::showNext()
{
    const QDateTime now = Orv::Clock::now();
    for (int i = int(m_entries.size()) - 1; i >= 0; --i) {
        if (m_entries[i].validTo.isValid() && m_entries[i].validTo < now) {
            m_entries.removeAt(i);
            if (m_current >= i)
                --m_current;
        }
    }
    m_current = m_entries.isEmpty() ? -1 : (m_current + 1) % int(m_entries.size());
    showCurrent();
}

void TMessageLine::showCurrent()
{
    if (m_current < 0 || m_current >= m_entries.size()) {
        m_current = m_entries.isEmpty() ? -1 : 0;
    }
    const Entry *entry = m_current >= 0 ? &m_entries[m_current] : nullptr;
    m_text->setText(entry ? entry->text : QString());
    setToolTip(entry ? entry->text : QString());
    QPalette palette = m_text->palette();
    palette.setColor(QPalette::WindowText, Visual::vcl(entry && entry->interest ? clRed : clBlack));
    m_text->setPalette(palette);
    m_button->setEnabled(entry && entry->interest);
}

void TMessageLine::resizeEvent(QResizeEvent *event)
{
    TInfoPanel::resizeEvent(event);
    m_button->setGeometry(0, 0, 60, height());
    m_text->setGeometry(64, 0, qMax(0, width() - 64), height());
}

bool TMessageLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text && event->type() == QEvent::MouseButtonDblClick && m_current >= 0) {
        emit messageSelect(m_entries[m_current].values);
        return true;
    }
    return TInfoPanel::eventFilter(watched, event);
}
