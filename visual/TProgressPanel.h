#pragma once

#include "visual/TInfoPanel.h"

#include <QList>

class QLabel;
class QProgressBar;

// A row of progress bars keyed by an integer, each with an optional label, for operations
// that report several counts at once. `Start` and `Done` count nested operations; with
// `autoHide` the panel shows itself on the first and hides, dropping the bars, after the
// last. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TProgressPanel : public TInfoPanel
{
    Q_OBJECT
public:
    explicit TProgressPanel(QWidget *parent = nullptr);
    ~TProgressPanel() override;

    // Finds or adds the bar of `key`. Large maxima take only every tenth position (and the
    // last); the label shows `text`, with `showNumbers` followed by "position/maximum".
    void SetPosition(int key, int minimum, bool showNumbers, const QString &text, int position, int maximum);
    void RemoveBar(int key);
    void ClearProgressBars();
    void Start();
    void Done();

    int barCount() const { return int(m_bars.size()); }
    QProgressBar *bar(int key) const;
    QLabel *label(int key) const;

    bool autoHide() const { return m_autoHide; }
    void setAutoHide(bool autoHide) { m_autoHide = autoHide; }
    bool labelVisible() const { return m_labelVisible; }
    void setLabelVisible(bool visible);
    TProgressPanelOrientation orientation() const { return m_orientation; }
    void setOrientation(TProgressPanelOrientation orientation);
    bool smooth() const { return m_smooth; }
    // Kept for the forms; Qt's bars are always smooth.
    void setSmooth(bool smooth) { m_smooth = smooth; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Bar
    {
        int key;
        QProgressBar *bar;
        QLabel *label;
    };
    const Bar *find(int key) const;
    void layoutBars();

    QList<Bar> m_bars;
    int m_running = 0;
    bool m_autoHide = false;
    bool m_labelVisible = true;
    bool m_smooth = false;
    TProgressPanelOrientation m_orientation = TProgressPanelOrientation::ppoOneLine;
};
