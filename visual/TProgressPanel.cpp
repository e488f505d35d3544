#include "visual/TProgressPanel.h"

#include "visual/VisualMath.h"

#include <QLabel>
#include <QProgressBar>

TProgressPanel::TProgressPanel(QWidget *parent)
    : TInfoPanel(parent)
{
}

TProgressPanel::~TProgressPanel() = default;

const TProgressPanel::Bar *TProgressPanel::find(int key) const
{
    for (const Bar &bar : m_bars) {
        if (bar.key == key)
            return &bar;
    }
    return nullptr;
}

QProgressBar *TProgressPanel::bar(int key) const
{
    const Bar *found = find(key);
    return found ? found->bar : nullptr;
}

QLabel *TProgressPanel::label(int key) const
{
    const Bar *found = find(key);
    return found ? found->label : nullptr;
}

void TProgressPanel::SetPosition(int key, int minimum, bool showNumbers, const QString &text, int position,
                                 int maximum)
{
    const Bar *found = find(key);
    if (!found) {
        auto *bar = new QProgressBar(this);
        bar->setTextVisible(false);
        auto *label = new QLabel(this);
        label->setFont(font());
        m_bars.append({key, bar, label});
        found = &m_bars.last();
        bar->show();
        layoutBars();
    }
    const bool added = found->bar->value() < found->bar->minimum();
    found->bar->setRange(minimum, qMax(minimum, maximum));
    if (added)
        found->bar->setValue(minimum);
    found->bar->setToolTip(text);
    if (Visual::progressPositionAccepted(position, maximum)) {
        found->bar->setValue(qBound(minimum, position, qMax(minimum, maximum)));
        found->label->setText(showNumbers ? QStringLiteral("%1 %2/%3").arg(text).arg(position).arg(maximum) : text);
    } else if (found->label->text().isEmpty()) {
        found->label->setText(text);
    }
}

void TProgressPanel::RemoveBar(int key)
{
    for (int i = 0; i < m_bars.size(); ++i) {
        if (m_bars[i].key == key) {
            delete m_bars[i].bar;
            delete m_bars[i].label;
            m_bars.removeAt(i);
            layoutBars();
            return;
        }
    }
}

void TProgressPanel::ClearProgressBars()
{
    for (const Bar &bar : std::as_const(m_bars)) {
        delete bar.bar;
        delete bar.label;
    }
    m_bars.clear();
}

void TProgressPanel::Start()
{
    if (m_running++ == 0 && m_autoHide)
        show();
}

void TProgressPanel::Done()
{
    if (m_running == 0)
        return;
    if (--m_running == 0 && m_autoHide) {
        hide();
        ClearProgressBars();
    }
}

void TProgressPanel::setLabelVisible(bool visible)
{
    m_labelVisible = visible;
    layoutBars();
}

void TProgressPanel::setOrientation(TProgressPanelOrientation orientation)
{
    m_orientation = orientation;
    layoutBars();
}

void TProgressPanel::resizeEvent(QResizeEvent *event)
{
    TInfoPanel::resizeEvent(event);
    layoutBars();
}

void TProgressPanel::layoutBars()
{
    const QRect area = contentsRect();
    if (m_orientation == TProgressPanelOrientation::ppoMultiLine && m_labelVisible) {
        // Label over bar, 16 pixels each, pairs 33 pixels apart from the bottom up.
        for (int i = 0; i < m_bars.size(); ++i) {
            const int top = area.bottom() + 1 - (i + 1) * 33;
            m_bars[i].label->setGeometry(area.left(), top, area.width(), 16);
            m_bars[i].bar->setGeometry(area.left(), top + 16, area.width(), 16);
            m_bars[i].label->show();
        }
        return;
    }
    const auto barSlots = Visual::sharedSlots(area.width(), int(m_bars.size()));
    for (int i = 0; i < m_bars.size(); ++i) {
        int left = area.left() + barSlots[i].first;
        int width = barSlots[i].second;
        m_bars[i].label->setVisible(m_labelVisible);
        if (m_labelVisible) {
            m_bars[i].label->setGeometry(left, area.top(), width / 4, area.height());
            left += width / 4;
            width -= width / 4;
        }
        m_bars[i].bar->setGeometry(left, area.top(), width, area.height());
    }
}
