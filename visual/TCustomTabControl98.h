#pragma once

#include "visual/TextLayout.h"
#include "visual/VisualGlobal.h"

#include <QList>
#include <QStringList>
#include <QWidget>

// A flat tab control drawn by the library itself: a row of tabs over (or beside) a display
// area. A change of tab by the user first asks `changing`, whose handler may refuse it.
// Tabs on the background picture or button face in the classic look, Fusion tab shapes in
// the themed look. Default 289 × 193. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TCustomTabControl98 : public QWidget
{
    Q_OBJECT
public:
    enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
    enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

    explicit TCustomTabControl98(QWidget *parent = nullptr);

    QStringList tabs() const { return m_tabs; }
    void setTabs(const QStringList &tabs);
    int tabIndex() const { return m_tabIndex; }
    // Selects a tab by code, without `changing` or `changed`; out of range: none.
    void setTabIndex(int index);
    bool isTabHighlighted(int index) const;
    void setTabHighlighted(int index, bool highlighted);

    TTabStyle tabStyle() const { return m_style; }
    // Button styles need the tabs on top; otherwise EOrvSystemError and the style stays.
    void SetStyle(TTabStyle style);
    TTabPosition tabPosition() const { return m_position; }
    // Falls back to tsTabs when a button style is in use.
    void setTabPosition(TTabPosition position);
    int tabWidth() const { return m_tabWidth; }
    void setTabWidth(int width);     // 0: each tab as wide as its caption
    int tabHeight() const { return m_tabHeight; }
    void setTabHeight(int height);   // 0: from the font
    bool hotTrack() const { return m_hotTrack; }
    void setHotTrack(bool hotTrack);
    bool ownerDraw() const { return m_ownerDraw; }
    // With owner drawing a handler of `drawTab` draws the tabs, else the library's flat tab.
    void SetOwnerDraw(bool ownerDraw);

    // The tab's rectangle; the current tab stands 2 pixels out of the row.
    QRect tabRect(int index) const;
    int tabAt(const QPoint &point) const;
    // Where the pages (or the tab control's own contents) go.
    QRect displayRect() const;

    // The user's choice of a tab: asks `changing`, then selects and raises `changed`.
    // Returns false when the change was refused.
    bool selectTabByUser(int index);

signals:
    // Set *allowChange to false to keep the current tab.
    void changing(bool *allowChange);
    void changed();
    void drawTab(QPainter *painter, int index, const QRect &rect, bool active);
    void tabDoubleClicked(int index);

protected:
    // The page control swaps pages here; the plain tab control only repaints.
    virtual void tabSelected(int index);
    // Text and enabled state of a tab as drawn.
    virtual bool isTabEnabled(int index) const;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Called when the display rectangle may have moved.
    virtual void layoutChanged();

private:
    int rowHeight() const;
    int naturalTabWidth(int index) const;
    void paintBackground(QPainter &painter, const QRect &area) const;
    void paintTab(QPainter &painter, int index);
    void paintFrame(QPainter &painter);
    void relayout();

    QStringList m_tabs;
    QList<bool> m_highlighted;
    int m_tabIndex = -1;
    int m_hotIndex = -1;
    TTabStyle m_style = TTabStyle::tsTabs;
    TTabPosition m_position = TTabPosition::tpTop;
    int m_tabWidth = 0;
    int m_tabHeight = 0;
    bool m_hotTrack = false;
    bool m_ownerDraw = false;
};
