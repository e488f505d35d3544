#include "visual/TEdit95.h"

#include "visual/PaintHelpers.h"
#include "visual/TBackgroundPicture.h"
#include "visual/TextLayout.h"

#include <QPainter>

using Visual::TextFlag;

void TEdit95::paintEvent(QPaintEvent *event)
{
    const TBackgroundPicture &background = TBackgroundPicture::instance();
    if (!background.isSet() || hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    Visual::DrawBitmap(painter, background.picture(), rect(), true);
    painter.setPen(palette().color(QPalette::Text));
    Visual::drawText(painter, rect().adjusted(2, 2, -2, -2), displayText(),
                     TextFlag::Right | TextFlag::WordBreak | TextFlag::NoPrefix);
}
