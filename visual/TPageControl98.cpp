#include "visual/TPageControl98.h"

#include "visual/TTabSheet98.h"

#include <QApplication>
#include <QShortcut>
#include <QVBoxLayout>

TPageControl98::TPageControl98(QWidget *parent)
    : TCustomTabControl98(parent)
{
    auto next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    next->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this, [this] { SelectNextPage(true); });
    auto previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    previous->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, this, [this] { SelectNextPage(false); });
    connect(this, &TCustomTabControl98::tabDoubleClicked, this, [this](int index) {
        if (TTabSheet98 *page = pageOfTab(index); page && page->dockedControl())
            undock(page);
    });
}

TPageControl98::~TPageControl98()
{
    // The pages die with their parent after this; they must not call back into it.
    for (TTabSheet98 *page : std::as_const(m_pages))
        page->m_pageControl = nullptr;
}

void TPageControl98::SetActivePage(TTabSheet98 *page)
{
    if (page && page->pageControl() != this)
        return;
    ChangeActivePage(page);
}

int TPageControl98::activePageIndex() const
{
    return m_pages.indexOf(m_activePage);
}

void TPageControl98::setActivePageIndex(int index)
{
    SetActivePage(m_pages.value(index));
}

TTabSheet98 *TPageControl98::FindNextPage(TTabSheet98 *current, bool forward, bool tabsOnly) const
{
    const int count = int(m_pages.size());
    if (count == 0)
        return nullptr;
    int start = m_pages.indexOf(current);
    if (start < 0)
        start = forward ? count - 1 : 0;
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = (i + (forward ? 1 : count - 1)) % count;
        if (!tabsOnly || m_pages[i]->tabShowing())
            return m_pages[i];
    }
    return nullptr;
}

void TPageControl98::SelectNextPage(bool forward)
{
    TTabSheet98 *page = FindNextPage(m_activePage, forward, true);
    if (page && page != m_activePage)
        selectTabByUser(page->tabIndex());
}

void TPageControl98::MoveTab(int from, int to)
{
    if (from < 0 || from >= m_pages.size() || to < 0 || to >= m_pages.size())
        return;
    m_pages.move(from, to);
    updateTabs();
}

TTabSheet98 *TPageControl98::dockControl(QWidget *control, const QString &caption)
{
    auto *page = new TTabSheet98(this, caption.isEmpty() ? control->windowTitle() : caption);
    page->m_dockedControl = control;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    control->setParent(page);
    layout->addWidget(control);
    control->show();
    SetActivePage(page);
    return page;
}

QWidget *TPageControl98::undock(TTabSheet98 *page)
{
    QWidget *control = page ? page->dockedControl() : nullptr;
    if (!control || page->pageControl() != this)
        return nullptr;
    auto *window = new QWidget(nullptr, Qt::Tool);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(page->caption());
    window->setFont(control->font());
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    control->setParent(window);
    layout->addWidget(control);
    control->show();
    window->resize(page->size());
    page->m_dockedControl = nullptr;
    delete page;
    window->show();
    return window;
}

void TPageControl98::InsertPage(TTabSheet98 *page)
{
    if (m_pages.contains(page))
        return;
    page->setParent(this);
    page->hide();
    m_pages.append(page);
    updateTabs();
    layoutChanged();
}

void TPageControl98::RemovePage(TTabSheet98 *page)
{
    if (!m_pages.contains(page))
        return;
    if (page == m_activePage) {
        TTabSheet98 *next = FindNextPage(page, true, true);
        m_pages.removeOne(page);
        m_activePage = nullptr;
        ChangeActivePage(next == page ? nullptr : next);
    } else {
        m_pages.removeOne(page);
    }
    page->m_pageControl = nullptr;
    updateTabs();
}

void TPageControl98::UpdateTabHighlights()
{
    for (const TTabSheet98 *page : std::as_const(m_pages)) {
        if (page->tabShowing())
            setTabHighlighted(page->tabIndex(), page->highlighted());
    }
}

void TPageControl98::updateTabs()
{
    QStringList captions;
    for (const TTabSheet98 *page : std::as_const(m_pages)) {
        if (page->tabShowing())
            captions.append(page->caption());
    }
    setTabs(captions);
    setTabIndex(m_activePage ? m_activePage->tabIndex() : -1);
    UpdateTabHighlights();
}

void TPageControl98::tabVisibilityChanged(TTabSheet98 *page)
{
    // The selection follows the row when the active page loses its tab: the tab now at the
    // same index, or the last one. Without tabs left, the page stays shown with no tab
    // selected.
    const int oldIndex = tabIndex();
    updateTabs();
    if (page != m_activePage || page->tabVisible() || tabs().isEmpty())
        return;
    ChangeActivePage(pageOfTab(qMin(oldIndex, int(tabs().size()) - 1)));
}

void TPageControl98::tabSelected(int index)
{
    ChangeActivePage(pageOfTab(index));
}

bool TPageControl98::isTabEnabled(int index) const
{
    const TTabSheet98 *page = pageOfTab(index);
    return isEnabled() && (!page || page->isEnabled());
}

void TPageControl98::layoutChanged()
{
    const QRect area = displayRect();
    for (TTabSheet98 *page : std::as_const(m_pages))
        page->setGeometry(area);
}

TTabSheet98 *TPageControl98::pageOfTab(int tabIndex) const
{
    for (TTabSheet98 *page : m_pages) {
        if (page->tabShowing() && page->tabIndex() == tabIndex)
            return page;
    }
    return nullptr;
}

void TPageControl98::ChangeActivePage(TTabSheet98 *page)
{
    if (page == m_activePage) {
        setTabIndex(page ? page->tabIndex() : -1);
        return;
    }
    TTabSheet98 *old = m_activePage;
    QWidget *focused = QApplication::focusWidget();
    const bool focusOnOld = old && focused && old->isAncestorOf(focused);
    if (page) {
        page->setGeometry(displayRect());
        page->raise();
        page->show();
    }
    if (old) {
        old->hide();
        emit old->hidden();
    }
    m_activePage = page;
    setTabIndex(page ? page->tabIndex() : -1);
    if (page) {
        emit page->shown();
        if (focusOnOld) {
            QWidget *first = page->nextInFocusChain();
            if (first && page->isAncestorOf(first))
                first->setFocus(Qt::TabFocusReason);
            else
                setFocus(Qt::TabFocusReason);
        }
    }
    update();
}
