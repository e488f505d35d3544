#pragma once

#include "visual/TInfoPanel.h"

#include <functional>

class TButton95;
class TLabel95;
class TDialogButtonStrip;

// The frame of the wizards: a header (0 pixels high until `setHeaderHeight`) with the bold
// caption, the pages in the middle (its contents rectangle; set a layout on the frame) and
// a bottom strip with Prev (disabled at first), Next (default), Cancel (Escape) and Help,
// right-aligned. The buttons only raise their signals. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TWizard : public TInfoPanel
{
    Q_OBJECT
public:
    explicit TWizard(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    // Shown in the header behind two blanks.
    void setCaption(const QString &caption);
    int headerHeight() const { return m_headerHeight; }
    void setHeaderHeight(int height);

    QString helpCaption() const;
    QString cancelCaption() const;
    QString nextCaption() const;
    QString prevCaption() const;
    void setHelpCaption(const QString &caption);
    void setCancelCaption(const QString &caption);
    void setNextCaption(const QString &caption);
    void setPrevCaption(const QString &caption);

    // Index 0: the caption.
    void SetString(int index, const QString &text);
    // Index 0: Help, 1: Cancel, 2: Next, 3: Prev.
    void SetButCaption(int index, const QString &caption);

    TButton95 *helpButton() const { return m_help; }
    TButton95 *cancelButton() const { return m_cancel; }
    TButton95 *nextButton() const { return m_next; }
    TButton95 *prevButton() const { return m_prev; }

    // Runs a long step (the wizard's finish): Prev and Next disabled and the wait cursor
    // shown meanwhile; both are restored however `operation` ends, and what it throws is
    // passed on to the caller.
    void runBusy(const std::function<void()> &operation);

signals:
    void nextClicked();
    void prevClicked();
    void cancelClicked();
    void helpClicked();
    void doubleClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void layoutStrips();

    QString m_caption;
    int m_headerHeight = 0;
    TLabel95 *m_header;
    TDialogButtonStrip *m_strip;
    TButton95 *m_help;
    TButton95 *m_cancel;
    TButton95 *m_next;
    TButton95 *m_prev;
};
