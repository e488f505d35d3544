#include "visual/TMemo95.h"

#include "visual/PaintHelpers.h"
#include "visual/TBackgroundPicture.h"
#include "visual/TextLayout.h"

#include <QPainter>

using Visual::TextFlag;

TMemo95::TMemo95(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

void TMemo95::paintEvent(QPaintEvent *event)
{
    const TBackgroundPicture &background = TBackgroundPicture::instance();
    if (!background.isSet() || hasFocus()) {
        QPlainTextEdit::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    Visual::DrawBitmap(painter, background.picture(), viewport()->rect(), true);
    painter.setPen(palette().color(QPalette::Text));
    Visual::drawText(painter, viewport()->rect().adjusted(4, 4, -4, -4), toPlainText(),
                     TextFlag::WordBreak | TextFlag::NoPrefix | TextFlag::ExpandTabs);
}

void TMemo95::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void TMemo95::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}
