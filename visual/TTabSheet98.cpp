#include "visual/TTabSheet98.h"

#include "visual/TPageControl98.h"

#include <QEvent>

TTabSheet98::TTabSheet98(TPageControl98 *pageControl, const QString &caption)
    : TBackPanel(nullptr)
    , m_caption(caption)
{
    hide();
    setPageControl(pageControl);
}

TTabSheet98::~TTabSheet98()
{
    if (m_pageControl)
        m_pageControl->RemovePage(this);
}

void TTabSheet98::setCaption(const QString &caption)
{
    m_caption = caption;
    if (m_pageControl)
        m_pageControl->updateTabs();
}

void TTabSheet98::setPageControl(TPageControl98 *pageControl)
{
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->RemovePage(this);
    m_pageControl = pageControl;
    if (pageControl)
        pageControl->InsertPage(this);
    else
        setParent(nullptr);
}

int TTabSheet98::pageIndex() const
{
    return m_pageControl ? m_pageControl->pages().indexOf(const_cast<TTabSheet98 *>(this)) : -1;
}

void TTabSheet98::setPageIndex(int index)
{
    if (m_pageControl)
        m_pageControl->MoveTab(pageIndex(), index);
}

int TTabSheet98::tabIndex() const
{
    if (!tabShowing())
        return -1;
    int index = 0;
    for (const TTabSheet98 *page : m_pageControl->pages()) {
        if (page == this)
            return index;
        if (page->tabShowing())
            ++index;
    }
    return -1;
}

void TTabSheet98::SetTabVisible(bool visible)
{
    if (visible == m_tabVisible)
        return;
    m_tabVisible = visible;
    if (m_pageControl)
        m_pageControl->tabVisibilityChanged(this);
}

void TTabSheet98::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    if (m_pageControl)
        m_pageControl->UpdateTabHighlights();
}

void TTabSheet98::changeEvent(QEvent *event)
{
    // A disabled page shows its tab caption embossed.
    if (event->type() == QEvent::EnabledChange && m_pageControl)
        m_pageControl->update();
    TBackPanel::changeEvent(event);
}
