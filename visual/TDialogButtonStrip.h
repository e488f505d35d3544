#pragma once

#include "visual/VisualGlobal.h"

#include <QList>
#include <QWidget>

class TButton95;

// The bottom strip of the dialog and wizard frames: a 2-pixel bevel line (unless switched
// off) over a 40-pixel row of buttons right-aligned 8 pixels apart at top 8. The strip
// draws nothing else, so the frame's background shows through. Owned by the frame.
class ORV_VISUAL_EXPORT TDialogButtonStrip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 40;
    static constexpr int BevelHeight = 2;

    explicit TDialogButtonStrip(QWidget *parent = nullptr);

    // Adds a button left of those added before.
    TButton95 *addButton(const QString &caption);
    bool noBevel() const { return m_noBevel; }
    void setNoBevel(bool noBevel);
    int stripHeight() const { return RowHeight + (m_noBevel ? 0 : BevelHeight); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutButtons();

    QList<TButton95 *> m_buttons; // right-most first
    bool m_noBevel = false;
};
