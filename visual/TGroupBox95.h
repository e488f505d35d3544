#pragma once

#include "visual/TBackPanel.h"

// A group frame in the grey-text colour with its caption at x = 8 over the line, half the
// text height down; the caption's accelerator focuses the first child.
class ORV_VISUAL_EXPORT TGroupBox95 : public TBackPanel
{
    Q_OBJECT
public:
    explicit TGroupBox95(QWidget *parent = nullptr);
    explicit TGroupBox95(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    void paintContents(QPainter &painter) override;
    bool event(QEvent *event) override;

private:
    QString m_caption;
    int m_shortcutId = 0;
};
