#pragma once

#include "visual/TBackPanel.h"

class TPageControl98;

// A page of a TPageControl98. Its tab can be hidden without removing the page, and a page
// whose tab is hidden can still be made active by code. Owned by its page control.
class ORV_VISUAL_EXPORT TTabSheet98 : public TBackPanel
{
    Q_OBJECT
public:
    explicit TTabSheet98(TPageControl98 *pageControl = nullptr, const QString &caption = {});
    ~TTabSheet98() override;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TPageControl98 *pageControl() const { return m_pageControl; }
    // Moves the page to another page control (or none, keeping it hidden).
    void setPageControl(TPageControl98 *pageControl);
    int pageIndex() const;
    void setPageIndex(int index);
    // The index among the shown tabs; -1 when the page has no tab.
    int tabIndex() const;
    bool tabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool visible);
    // True while the page has a tab in the row.
    bool tabShowing() const { return m_pageControl && m_tabVisible; }
    bool highlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index) { m_imageIndex = index; }
    // The control docked into this page, if the page was made for one.
    QWidget *dockedControl() const { return m_dockedControl; }

signals:
    void shown();
    void hidden();

protected:
    void changeEvent(QEvent *event) override;

private:
    friend class TPageControl98;

    QString m_caption;
    TPageControl98 *m_pageControl = nullptr;
    bool m_tabVisible = true;
    bool m_highlighted = false;
    int m_imageIndex = -1;
    QWidget *m_dockedControl = nullptr;
};
