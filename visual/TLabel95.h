#pragma once

#include "visual/TextLayout.h"
#include "visual/VisualGlobal.h"

#include "base/VclColor.h"

#include <QPointer>
#include <QWidget>

// A label drawn by the shared text layout: end or path ellipses, vertical alignment, word
// wrap, tabs and an "&" accelerator that focuses `focusControl`. With `autoSize` (default,
// switched off by ellipses) it sizes itself to its text. Owned by its parent; GUI thread.
class ORV_VISUAL_EXPORT TLabel95 : public QWidget
{
    Q_OBJECT
public:
    explicit TLabel95(QWidget *parent = nullptr);
    explicit TLabel95(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    THorizontalAlignment alignment() const { return m_alignment; }
    void setAlignment(THorizontalAlignment alignment);
    TVerticalAlignment verticalAlignment() const { return m_verticalAlignment; }
    void setVerticalAlignment(TVerticalAlignment alignment);
    TEllipsesStyle showEllipses() const { return m_showEllipses; }
    void setShowEllipses(TEllipsesStyle ellipses);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    bool showAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool show);
    TColor color() const { return m_color; }
    // The background behind an opaque label.
    void setColor(TColor color);
    TColor fontColor() const { return m_fontColor; }
    void setFontColor(TColor color);
    QWidget *focusControl() const { return m_focusControl; }
    void setFocusControl(QWidget *control);

    QSize sizeHint() const override;
    // The flags the caption is laid out with.
    Visual::TextFlags textFlags() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Draws the caption; subclasses add copies around it.
    virtual void paintText(QPainter &painter);
    // Draws the caption once, moved by `offset`, in `color`.
    void drawCaption(QPainter &painter, const QPoint &offset, const QColor &color) const;
    virtual void captionChanged();

private:
    void updateShortcut();
    void fitSize();

    QString m_caption;
    THorizontalAlignment m_alignment = THorizontalAlignment::haLeft;
    TVerticalAlignment m_verticalAlignment = TVerticalAlignment::vaTop;
    TEllipsesStyle m_showEllipses = TEllipsesStyle::esNone;
    bool m_wordWrap = false;
    bool m_transparent = false;
    bool m_autoSize = true;
    bool m_showAccelChar = true;
    TColor m_color = clBtnFace;
    TColor m_fontColor = clWindowText;
    QPointer<QWidget> m_focusControl;
    int m_shortcutId = 0;
};
