#include "visual/TCustomCheckBox95.h"

#include "visual/Look.h"
#include "visual/PaintHelpers.h"
#include "visual/TextLayout.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

using Visual::TextFlag;

TCustomCheckBox95::TCustomCheckBox95(QWidget *parent)
    : TBackPanel(parent)
{
    resize(98, 20);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void TCustomCheckBox95::setCaption(const QString &caption)
{
    m_caption = caption;
    updateShortcut();
    update();
}

void TCustomCheckBox95::setBitmap(const QPixmap &bitmap)
{
    m_bitmap = bitmap;
    update();
}

void TCustomCheckBox95::setColor(TColor color)
{
    m_color = color;
    update();
}

void TCustomCheckBox95::assignState(TCheckBoxState state)
{
    if (!isEnabled() || state == m_state)
        return;
    m_state = state;
    update();
}

QSize TCustomCheckBox95::sizeHint() const
{
    const QSize text = Visual::textSize(fontMetrics(), m_caption, TextFlag::ExpandTabs);
    const int picture = m_bitmap.isNull() ? 0 : m_bitmap.width() + 2;
    return QSize(18 + picture + text.width() + 2, qMax(20, text.height() + 4));
}

void TCustomCheckBox95::paintEvent(QPaintEvent *event)
{
    if (m_color == clBtnFace) {
        TBackPanel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), Visual::vcl(m_color));
    painter.setFont(font());
    paintContents(painter);
}

void TCustomCheckBox95::paintContents(QPainter &painter)
{
    const bool themed = Visual::themesInUse();
    if (themed)
        paintThemedBox(painter);
    else
        paintClassicBox(painter);

    int x = themed ? 18 : 16;
    const int left = x;
    if (!m_bitmap.isNull()) {
        const QColor transparent = m_bitmap.toImage().pixelColor(1, 1);
        Visual::DrawTransparent(painter, x, (height() - m_bitmap.height()) / 2, m_bitmap, transparent);
        x += m_bitmap.width() + 2;
    }

    QFont font = this->font();
    QColor color = Visual::vcl(clWindowText);
    if (!isEnabled()) {
        color = Visual::vcl(clGrayText);
    } else if (m_hot) {
        color = Visual::vcl(clHighlight);
        font.setUnderline(true);
    }
    painter.setFont(font);
    painter.setPen(color);
    const QRect textRect(x, 0, width() - x, height());
    const QRect drawn = Visual::drawText(painter, textRect, m_caption,
                                         TextFlag::WordBreak | TextFlag::ExpandTabs | TextFlag::EndEllipsis
                                             | TextFlag::VCenter);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(left - 1, drawn.top() - 1, drawn.right() - left + 3, drawn.height() + 2).intersected(rect());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool TCustomCheckBox95::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && isEnabled()) {
        setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    return TBackPanel::event(event);
}

void TCustomCheckBox95::enterEvent(QEnterEvent *event)
{
    m_hot = true;
    update();
    TBackPanel::enterEvent(event);
}

void TCustomCheckBox95::leaveEvent(QEvent *event)
{
    m_hot = false;
    update();
    TBackPanel::leaveEvent(event);
}

void TCustomCheckBox95::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
}

void TCustomCheckBox95::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void TCustomCheckBox95::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        click();
    else
        TBackPanel::keyReleaseEvent(event);
}

void TCustomCheckBox95::updateShortcut()
{
    if (m_shortcutId)
        releaseShortcut(m_shortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(m_caption);
    m_shortcutId = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
}
