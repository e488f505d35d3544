#include "visual/TCustomTabControl98.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"
#include "visual/TBackgroundPicture.h"

#include "base/Errors.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QMetaMethod>
#include <QTabBar>

using Visual::TextFlag;

namespace {
constexpr int RowIndent = 2;  // the first tab's distance from the edge
constexpr int Raise = 2;      // how far the current tab stands out of the row
constexpr int Padding = 6;    // caption to tab edge
constexpr int Inset = 4;      // display area inside the frame
}

TCustomTabControl98::TCustomTabControl98(QWidget *parent)
    : QWidget(parent)
{
    setFont(Visual::defaultFont());
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(289, 193);
}

void TCustomTabControl98::setTabs(const QStringList &tabs)
{
    m_tabs = tabs;
    m_highlighted.resize(tabs.size());
    if (m_tabIndex >= tabs.size())
        m_tabIndex = tabs.isEmpty() ? -1 : int(tabs.size()) - 1;
    relayout();
}

void TCustomTabControl98::setTabIndex(int index)
{
    m_tabIndex = index >= 0 && index < m_tabs.size() ? index : -1;
    update();
}

bool TCustomTabControl98::isTabHighlighted(int index) const
{
    return m_highlighted.value(index);
}

void TCustomTabControl98::setTabHighlighted(int index, bool highlighted)
{
    if (index < 0 || index >= m_highlighted.size())
        return;
    m_highlighted[index] = highlighted;
    update();
}

void TCustomTabControl98::SetStyle(TTabStyle style)
{
    if (style != TTabStyle::tsTabs && m_position != TTabPosition::tpTop)
        throw EOrvSystemError(tr("Styl tlačítek vyžaduje záložky nahoře."),
                              QStringLiteral("invalid tab style: button styles need tpTop"));
    m_style = style;
    relayout();
}

void TCustomTabControl98::setTabPosition(TTabPosition position)
{
    m_position = position;
    if (position != TTabPosition::tpTop)
        m_style = TTabStyle::tsTabs;
    relayout();
}

void TCustomTabControl98::setTabWidth(int width)
{
    m_tabWidth = qMax(0, width);
    relayout();
}

void TCustomTabControl98::setTabHeight(int height)
{
    m_tabHeight = qMax(0, height);
    relayout();
}

void TCustomTabControl98::setHotTrack(bool hotTrack)
{
    m_hotTrack = hotTrack;
    update();
}

void TCustomTabControl98::SetOwnerDraw(bool ownerDraw)
{
    m_ownerDraw = ownerDraw;
    update();
}

int TCustomTabControl98::rowHeight() const
{
    return m_tabHeight > 0 ? m_tabHeight : fontMetrics().height() + 6;
}

int TCustomTabControl98::naturalTabWidth(int index) const
{
    if (m_tabWidth > 0)
        return m_tabWidth;
    return Visual::textSize(fontMetrics(), m_tabs.value(index), TextFlag::SingleLine).width() + 2 * Padding;
}

QRect TCustomTabControl98::tabRect(int index) const
{
    if (index < 0 || index >= m_tabs.size())
        return {};
    const int height = rowHeight();
    const bool vertical = m_position == TTabPosition::tpLeft || m_position == TTabPosition::tpRight;
    int columnWidth = 0;
    if (vertical) {
        for (int i = 0; i < m_tabs.size(); ++i)
            columnWidth = qMax(columnWidth, naturalTabWidth(i));
    }
    int along = RowIndent;
    for (int i = 0; i < index; ++i)
        along += vertical ? height : naturalTabWidth(i) + (m_style == TTabStyle::tsTabs ? 0 : 3);

    QRect rect;
    switch (m_position) {
    case TTabPosition::tpTop: rect = QRect(along, Raise, naturalTabWidth(index), height); break;
    case TTabPosition::tpBottom: rect = QRect(along, this->height() - Raise - height, naturalTabWidth(index), height); break;
    case TTabPosition::tpLeft: rect = QRect(Raise, along, columnWidth, height); break;
    case TTabPosition::tpRight: rect = QRect(width() - Raise - columnWidth, along, columnWidth, height); break;
    }
    if (index == m_tabIndex && m_style == TTabStyle::tsTabs) {
        switch (m_position) {
        case TTabPosition::tpTop: rect.adjust(-Raise, -Raise, Raise, 1); break;
        case TTabPosition::tpBottom: rect.adjust(-Raise, -1, Raise, Raise); break;
        case TTabPosition::tpLeft: rect.adjust(-Raise, -Raise, 1, Raise); break;
        case TTabPosition::tpRight: rect.adjust(-1, -Raise, Raise, Raise); break;
        }
    }
    return rect;
}

int TCustomTabControl98::tabAt(const QPoint &point) const
{
    // The current tab is tested first: it overlaps its neighbours.
    if (tabRect(m_tabIndex).contains(point))
        return m_tabIndex;
    for (int i = 0; i < m_tabs.size(); ++i) {
        if (tabRect(i).contains(point))
            return i;
    }
    return -1;
}

QRect TCustomTabControl98::displayRect() const
{
    QRect area = rect();
    if (m_tabs.isEmpty()) {
        // Without a tab row the button styles keep flat borders of 4 pixels and 6 on top.
        return m_style == TTabStyle::tsTabs ? area.adjusted(Inset, Inset, -Inset, -Inset)
                                            : area.adjusted(4, 6, -4, -4);
    }
    QRect row;
    for (int i = 0; i < m_tabs.size(); ++i)
        row = row.united(tabRect(i));
    switch (m_position) {
    case TTabPosition::tpTop: area.setTop(row.bottom() + 1); break;
    case TTabPosition::tpBottom: area.setBottom(row.top() - 1); break;
    case TTabPosition::tpLeft: area.setLeft(row.right() + 1); break;
    case TTabPosition::tpRight: area.setRight(row.left() - 1); break;
    }
    return m_style == TTabStyle::tsTabs ? area.adjusted(Inset, Inset, -Inset, -Inset)
                                        : area.adjusted(4, 2, -4, -4);
}

bool TCustomTabControl98::selectTabByUser(int index)
{
    if (index < 0 || index >= m_tabs.size() || index == m_tabIndex)
        return false;
    bool allowChange = true;
    emit changing(&allowChange);
    if (!allowChange)
        return false;
    m_tabIndex = index;
    tabSelected(index);
    update();
    emit changed();
    return true;
}

void TCustomTabControl98::tabSelected(int)
{
}

bool TCustomTabControl98::isTabEnabled(int) const
{
    return isEnabled();
}

void TCustomTabControl98::paintBackground(QPainter &painter, const QRect &area) const
{
    const TBackgroundPicture &background = TBackgroundPicture::instance();
    if (background.isSet())
        Visual::DrawBitmap(painter, background.picture(), area, true);
    else
        painter.fillRect(area, Visual::vcl(clBtnFace));
}

void TCustomTabControl98::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    paintBackground(painter, rect());
    paintFrame(painter);
    for (int i = 0; i < m_tabs.size(); ++i) {
        if (i != m_tabIndex)
            paintTab(painter, i);
    }
    if (m_tabIndex >= 0)
        paintTab(painter, m_tabIndex);
}

void TCustomTabControl98::paintFrame(QPainter &painter)
{
    if (m_style != TTabStyle::tsTabs)
        return;
    const QRect frame = displayRect().adjusted(-Inset, -Inset, Inset - 1, Inset - 1);
    if (Visual::themesInUse()) {
        painter.fillRect(frame, Visual::themedPageColor());
        painter.setPen(Visual::vcl(clBtnShadow));
        painter.drawRect(frame);
    }
}

void TCustomTabControl98::paintTab(QPainter &painter, int index)
{
    const bool active = index == m_tabIndex;
    QRect rect = tabRect(index);
    if (m_ownerDraw && isSignalConnected(QMetaMethod::fromSignal(&TCustomTabControl98::drawTab))) {
        emit drawTab(&painter, index, rect, active);
        return;
    }
    const bool themed = Visual::themesInUse();
    if (m_style != TTabStyle::tsTabs) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = rect;
        option.state |= active ? QStyle::State_Sunken : QStyle::State_Raised;
        if (m_style == TTabStyle::tsButtons || active)
            style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    } else if (themed) {
        QStyleOptionTab option;
        option.initFrom(this);
        option.rect = rect;
        option.shape = m_position == TTabPosition::tpTop      ? QTabBar::RoundedNorth
                       : m_position == TTabPosition::tpBottom ? QTabBar::RoundedSouth
                       : m_position == TTabPosition::tpLeft   ? QTabBar::RoundedWest
                                                              : QTabBar::RoundedEast;
        option.state &= ~QStyle::State_HasFocus;
        if (active)
            option.state |= QStyle::State_Selected;
        if (index == m_hotIndex)
            option.state |= QStyle::State_MouseOver;
        option.position = QStyleOptionTab::Middle;
        Visual::themedStyle()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);
    } else {
        // A flat classic tab: light edges left and on top, shadow on the right.
        paintBackground(painter, rect);
        const QRect r = rect.adjusted(0, 0, -1, -1);
        painter.setPen(Visual::vcl(clBtnHighlight));
        painter.drawLine(r.left(), r.bottom(), r.left(), r.top() + 2);
        painter.drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
        painter.drawPoint(r.left() + 1, r.top() + 1);
        painter.setPen(Visual::vcl(cl3DDkShadow));
        painter.drawLine(r.right(), r.top() + 2, r.right(), r.bottom());
        painter.setPen(Visual::vcl(clBtnShadow));
        painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom());
    }
    if (m_highlighted.value(index))
        painter.fillRect(rect.adjusted(3, 3, -3, -2), Visual::vcl(clHighlight).lighter(170));

    const QRect textRect = rect.adjusted(2, 2, -2, -2);
    const Visual::TextFlags flags = TextFlag::SingleLine | TextFlag::HCenter | TextFlag::VCenter | TextFlag::EndEllipsis;
    if (!isTabEnabled(index)) {
        painter.setPen(Visual::vcl(clBtnHighlight));
        Visual::drawText(painter, textRect.translated(1, 1), m_tabs[index], flags);
        painter.setPen(Visual::vcl(clBtnShadow));
    } else {
        painter.setPen(m_hotTrack && index == m_hotIndex ? Visual::vcl(clHighlight) : Visual::vcl(clBtnText));
    }
    Visual::drawText(painter, textRect, m_tabs[index], flags);
    if (active && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TCustomTabControl98::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        selectTabByUser(tabAt(event->position().toPoint()));
    QWidget::mousePressEvent(event);
}

void TCustomTabControl98::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int index = tabAt(event->position().toPoint());
    if (index >= 0)
        emit tabDoubleClicked(index);
    QWidget::mouseDoubleClickEvent(event);
}

void TCustomTabControl98::mouseMoveEvent(QMouseEvent *event)
{
    const int hot = tabAt(event->position().toPoint());
    if (hot != m_hotIndex) {
        m_hotIndex = hot;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TCustomTabControl98::leaveEvent(QEvent *event)
{
    m_hotIndex = -1;
    update();
    QWidget::leaveEvent(event);
}

void TCustomTabControl98::keyPressEvent(QKeyEvent *event)
{
    const int count = int(m_tabs.size());
    if (count == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        selectTabByUser(qMax(0, m_tabIndex - 1));
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        selectTabByUser(qMin(count - 1, m_tabIndex + 1));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TCustomTabControl98::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChanged();
}

void TCustomTabControl98::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        relayout();
    QWidget::changeEvent(event);
}

void TCustomTabControl98::layoutChanged()
{
}

void TCustomTabControl98::relayout()
{
    layoutChanged();
    update();
}
