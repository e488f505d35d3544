#include "visual/TLabel95.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>

using Visual::TextFlag;

TLabel95::TLabel95(QWidget *parent)
    : TLabel95(QString(), parent)
{
}

TLabel95::TLabel95(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_caption(caption)
{
    setFont(Visual::defaultFont());
    updateShortcut();
    fitSize();
}

void TLabel95::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateShortcut();
    captionChanged();
    fitSize();
    update();
}

void TLabel95::setAlignment(THorizontalAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TLabel95::setVerticalAlignment(TVerticalAlignment alignment)
{
    m_verticalAlignment = alignment;
    update();
}

void TLabel95::setShowEllipses(TEllipsesStyle ellipses)
{
    m_showEllipses = ellipses;
    if (ellipses != TEllipsesStyle::esNone)
        m_autoSize = false;
    update();
}

void TLabel95::setWordWrap(bool wordWrap)
{
    m_wordWrap = wordWrap;
    fitSize();
    update();
}

void TLabel95::setTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TLabel95::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitSize();
}

void TLabel95::setShowAccelChar(bool show)
{
    m_showAccelChar = show;
    updateShortcut();
    fitSize();
    update();
}

void TLabel95::setColor(TColor color)
{
    m_color = color;
    update();
}

void TLabel95::setFontColor(TColor color)
{
    m_fontColor = color;
    update();
}

void TLabel95::setFocusControl(QWidget *control)
{
    m_focusControl = control;
}

Visual::TextFlags TLabel95::textFlags() const
{
    Visual::TextFlags flags = TextFlag::ExpandTabs;
    if (!m_showAccelChar)
        flags |= TextFlag::NoPrefix;
    if (m_alignment == THorizontalAlignment::haCenter)
        flags |= TextFlag::HCenter;
    else if (m_alignment == THorizontalAlignment::haRight)
        flags |= TextFlag::Right;
    // Vertically aligned text is one line, as only single lines can be centred or bottomed.
    if (m_verticalAlignment == TVerticalAlignment::vaCenter)
        flags |= TextFlag::SingleLine | TextFlag::VCenter;
    else if (m_verticalAlignment == TVerticalAlignment::vaBottom)
        flags |= TextFlag::SingleLine | TextFlag::Bottom;
    else if (m_wordWrap)
        flags |= TextFlag::WordBreak;
    if (m_showEllipses == TEllipsesStyle::esEnd)
        flags |= TextFlag::EndEllipsis;
    else if (m_showEllipses == TEllipsesStyle::esPath)
        flags |= TextFlag::PathEllipsis;
    return flags;
}

QSize TLabel95::sizeHint() const
{
    return Visual::textSize(fontMetrics(), m_caption, textFlags(), m_wordWrap ? width() : 1 << 20);
}

void TLabel95::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), Visual::vcl(m_color));
    painter.setFont(font());
    paintText(painter);
}

void TLabel95::paintText(QPainter &painter)
{
    if (isEnabled()) {
        drawCaption(painter, {}, Visual::vcl(m_fontColor));
    } else {
        drawCaption(painter, {1, 1}, Visual::vcl(clBtnHighlight));
        drawCaption(painter, {}, Visual::vcl(clGrayText));
    }
}

void TLabel95::drawCaption(QPainter &painter, const QPoint &offset, const QColor &color) const
{
    painter.setPen(color);
    Visual::drawText(painter, rect().translated(offset), m_caption, textFlags());
}

void TLabel95::captionChanged()
{
}

bool TLabel95::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && m_focusControl) {
        m_focusControl->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QWidget::event(event);
}

void TLabel95::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        fitSize();
    QWidget::changeEvent(event);
}

void TLabel95::updateShortcut()
{
    if (m_shortcutId)
        releaseShortcut(m_shortcutId);
    m_shortcutId = 0;
    const QKeySequence mnemonic = QKeySequence::mnemonic(m_caption);
    if (m_showAccelChar && !mnemonic.isEmpty())
        m_shortcutId = grabShortcut(mnemonic);
}

void TLabel95::fitSize()
{
    if (m_autoSize && !m_wordWrap)
        resize(sizeHint());
}
