#pragma once

#include <QTimer>
#include <QWidget>

namespace MailUi {

// The busy indicator of the status bar: a paint box in which, while started, a chunk of a
// quarter of the box's width bounces left and right, 8 pixels every 200 ms. It only shows
// that a worker runs; it does not measure progress.
// A widget: owned by its parent; GUI thread only.
class TorvProgress : public QWidget
{
    Q_OBJECT

public:
    explicit TorvProgress(QWidget *parent = nullptr);

    // Animates inside `rect` (widget coordinates) until stop().
    void start(const QRect &rect);
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    int offset() const { return m_offset; }

    // One step of the animation (the timer's tick).
    void step();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int chunkWidth() const;

    QTimer m_timer;
    QRect m_rect;
    int m_offset = 0;
    int m_direction = 1;
};

} // namespace MailUi
