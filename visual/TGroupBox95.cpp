#include "visual/TGroupBox95.h"

#include "visual/PaintHelpers.h"
#include "visual/TextLayout.h"

#include <QPainter>

using Visual::TextFlag;

TGroupBox95::TGroupBox95(QWidget *parent)
    : TGroupBox95(QString(), parent)
{
}

TGroupBox95::TGroupBox95(const QString &caption, QWidget *parent)
    : TBackPanel(parent)
{
    setCaption(caption);
}

void TGroupBox95::setCaption(const QString &caption)
{
    m_caption = caption;
    if (m_shortcutId)
        releaseShortcut(m_shortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    m_shortcutId = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
    const int text = fontMetrics().height();
    setContentsMargins(6, text + 2, 6, 6);
    update();
}

void TGroupBox95::paintContents(QPainter &painter)
{
    const int half = fontMetrics().height() / 2;
    painter.setPen(Visual::vcl(clGrayText));
    painter.drawRect(QRect(0, half, width() - 1, height() - half - 1));
    if (m_caption.isEmpty())
        return;
    const QSize text = Visual::textSize(fontMetrics(), m_caption, TextFlag::SingleLine);
    const QRect label(8, 0, text.width() + 4, text.height());
    painter.setClipRect(label);
    Visual::DrawThemedBkg(this, painter, noBackground());
    painter.setClipping(false);
    painter.setPen(Visual::vcl(isEnabled() ? clWindowText : clGrayText));
    Visual::drawText(painter, label.adjusted(2, 0, 0, 0), m_caption, TextFlag::SingleLine);
}

bool TGroupBox95::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        focusNextChild();
        return true;
    }
    return TBackPanel::event(event);
}
