#include "visual/PaintHelpers.h"

#include "visual/Look.h"
#include "visual/TBackgroundPicture.h"
#include "visual/TTabSheet98.h"

#include "base/Clock.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace Visual {

namespace {

// The visible page a control lies on, directly or through its parents.
const TTabSheet98 *sheetOf(const QWidget *control)
{
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        if (auto sheet = qobject_cast<const TTabSheet98 *>(w))
            return sheet->isVisible() ? sheet : nullptr;
    }
    return nullptr;
}

} // namespace

QColor themedPageColor()
{
    return QColor(0xFC, 0xFC, 0xFE);
}

void DrawBitmap(QPainter &painter, const QPixmap &bitmap, const QRect &rect, bool clip)
{
    if (bitmap.isNull() || bitmap.width() == 0 || bitmap.height() == 0)
        return;
    painter.save();
    if (clip)
        painter.setClipRect(rect, Qt::IntersectClip);
    for (int y = rect.top(); y <= rect.bottom(); y += bitmap.height()) {
        for (int x = rect.left(); x <= rect.right(); x += bitmap.width())
            painter.drawPixmap(x, y, bitmap);
    }
    painter.restore();
}

void DrawThemedBkg(const QWidget *control, QPainter &painter, bool noPicture)
{
    const TBackgroundPicture &background = TBackgroundPicture::instance();
    if (background.isSet() && !noPicture)
        DrawBitmap(painter, background.picture(), control->rect(), true);
    else if (themesInUse() && sheetOf(control))
        painter.fillRect(control->rect(), themedPageColor());
    else
        painter.fillRect(control->rect(), vcl(clBtnFace));
}

void DrawTransparent(QPainter &painter, int x, int y, const QPixmap &bitmap, const QColor &transparent)
{
    if (bitmap.isNull())
        return;
    QPixmap masked = bitmap;
    masked.setMask(bitmap.createMaskFromColor(transparent, Qt::MaskInColor));
    painter.drawPixmap(x, y, masked);
}

void WriteText(QPainter &painter, const QRect &rect, int dx, int dy, const QString &text,
               THorizontalAlignment alignment)
{
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text);
    int left = rect.left() + dx;
    if (alignment == THorizontalAlignment::haRight)
        left = rect.right() + 1 - 3 - width;
    else if (alignment == THorizontalAlignment::haCenter)
        left = rect.left() + (rect.width() - width) / 2;
    const QRect box(left, rect.top() + dy, width, metrics.height());
    if (painter.brush().style() != Qt::NoBrush)
        painter.fillRect(box, painter.brush());
    painter.drawText(left, box.top() + metrics.ascent(), text);
}

void drawEdge(QPainter &painter, const QRect &rect, TEdgeType edge)
{
    if (edge == TEdgeType::etNone)
        return;
    const QColor light = vcl(clBtnHighlight), shadow = vcl(clBtnShadow);
    const QColor light3d = vcl(cl3DLight), dark3d = vcl(cl3DDkShadow);
    // Each ring: top-left colour, bottom-right colour.
    auto ring = [&painter](const QRect &r, const QColor &topLeft, const QColor &bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    const QRect outer = rect.adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.save();
    switch (edge) {
    case TEdgeType::etBump:
        ring(outer, light3d, dark3d);
        ring(inner, shadow, light);
        break;
    case TEdgeType::etEtched:
        ring(outer, shadow, light);
        ring(inner, light, shadow);
        break;
    case TEdgeType::etRaised:
        ring(outer, light3d, dark3d);
        ring(inner, light, shadow);
        break;
    case TEdgeType::etSunken:
        ring(outer, shadow, light);
        ring(inner, dark3d, light3d);
        break;
    case TEdgeType::etNone:
        break;
    }
    painter.restore();
}

QString GetFullDateTime(const QDate &date, bool longDate, const QString &separator)
{
    const QDateTime moment(date, QTime(0, 0));
    const QString weekday = Orv::formatDateTime(QStringLiteral("dddd"), moment);
    const QString dateText = Orv::formatDateTime(longDate ? QStringLiteral("dddddd") : QStringLiteral("ddddd"), moment);
    if (dateText.contains(weekday, Qt::CaseInsensitive))
        return dateText;
    return weekday + separator + dateText;
}

int GetDayOfYear(Orv::TDateTime date)
{
    QDate day = Orv::fromDelphi(date).date();
    if (!day.isValid())
        day = Orv::Clock::now().date();
    return day.dayOfYear();
}

} // namespace Visual
