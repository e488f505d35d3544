#pragma once

#include "visual/TCustomTabControl98.h"

class TTabSheet98;

// The forms' page control: TTabSheet98 pages, one shown at a time in the display area, each
// with a tab unless its tab is hidden. The user's change of page (tab click, arrows,
// Ctrl+Tab) can be refused by `changing`; changes by code cannot. A control docked into the
// page control gets a page of its own, and a double click on that page's tab floats it out
// as a window. Owns its pages. GUI thread.
class ORV_VISUAL_EXPORT TPageControl98 : public TCustomTabControl98
{
    Q_OBJECT
public:
    explicit TPageControl98(QWidget *parent = nullptr);
    ~TPageControl98() override;

    QList<TTabSheet98 *> pages() const { return m_pages; }
    int GetPageCount() const { return int(m_pages.size()); }
    TTabSheet98 *GetPage(int index) const { return m_pages.value(index); }
    TTabSheet98 *activePage() const { return m_activePage; }
    // Any page of this control, also one whose tab is hidden; nullptr: none.
    void SetActivePage(TTabSheet98 *page);
    int activePageIndex() const;
    // An index out of range makes no page active.
    void setActivePageIndex(int index);

    // The next page from `current` forwards or backwards, wrapping round; with `tabsOnly`
    // only pages that have a tab. nullptr when there is none.
    TTabSheet98 *FindNextPage(TTabSheet98 *current, bool forward, bool tabsOnly) const;
    // Moves to the next page with a tab, if `changing` allows it.
    void SelectNextPage(bool forward);
    void MoveTab(int from, int to);

    // Window resources of hidden pages are released. Qt widgets hold none of their own, so
    // the setting is kept for the forms but changes nothing.
    bool freeResMode() const { return m_freeResMode; }
    void setFreeResMode(bool freeResMode) { m_freeResMode = freeResMode; }

    // A new page holding `control`; its tab has the control's window title or `caption`.
    TTabSheet98 *dockControl(QWidget *control, const QString &caption);
    // Takes the docked control out of its page into a floating window; returns the window.
    QWidget *undock(TTabSheet98 *page);

    // Called by the pages.
    void InsertPage(TTabSheet98 *page);
    void RemovePage(TTabSheet98 *page);
    void UpdateTabHighlights();
    void updateTabs();
    void tabVisibilityChanged(TTabSheet98 *page);

protected:
    void tabSelected(int index) override;
    bool isTabEnabled(int index) const override;
    void layoutChanged() override;

private:
    TTabSheet98 *pageOfTab(int tabIndex) const;
    void ChangeActivePage(TTabSheet98 *page);

    QList<TTabSheet98 *> m_pages;
    TTabSheet98 *m_activePage = nullptr;
    bool m_freeResMode = false;
};
