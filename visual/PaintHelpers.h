#pragma once

#include "visual/VisualGlobal.h"

#include <QColor>
#include <QDate>
#include <QRect>

#include "base/DelphiDateTime.h"
#include "base/VclColor.h"

class QPainter;
class QPixmap;
class QWidget;

// Painting shared by the controls: the tiled background picture, the themed or plain
// background, edges, one-line text and the date texts of calendar strips. GUI thread only.
namespace Visual {

// A colour given as a VCL colour (BGR or a system colour).
inline QColor vcl(TColor color) { return Orv::colorFromTColor(color); }

// The body colour of a themed page, which controls on a page blend into.
ORV_VISUAL_EXPORT QColor themedPageColor();

// Tiles `bitmap` over `rect` from its top-left corner, whole tiles; with `clip` nothing is
// drawn outside the rectangle. A missing or empty bitmap draws nothing.
ORV_VISUAL_EXPORT void DrawBitmap(QPainter &painter, const QPixmap &bitmap, const QRect &rect, bool clip);
// The common background: the shared picture when it is set (and `noPicture` is false), else
// the page colour for a control on a visible page in the themed look, else button face.
ORV_VISUAL_EXPORT void DrawThemedBkg(const QWidget *control, QPainter &painter, bool noPicture);
// Draws `bitmap` at (x, y) leaving out every pixel of `transparent`.
ORV_VISUAL_EXPORT void DrawTransparent(QPainter &painter, int x, int y, const QPixmap &bitmap, const QColor &transparent);
// One line in `rect` with its top at rect.top + dy: left at rect.left + dx, right ending 3
// pixels inside the right edge, or centred. The painter's brush, when set, fills behind it.
ORV_VISUAL_EXPORT void WriteText(QPainter &painter, const QRect &rect, int dx, int dy, const QString &text,
                                 THorizontalAlignment alignment);
// A 2-pixel edge of the given kind round `rect`.
ORV_VISUAL_EXPORT void drawEdge(QPainter &painter, const QRect &rect, TEdgeType edge);

// "pondělí" + separator + the short ("ddddd") or long ("dddddd") date; only the date text
// when it already names the weekday.
ORV_VISUAL_EXPORT QString GetFullDateTime(const QDate &date, bool longDate, const QString &separator);
// 1 for 1 January; a date that cannot be decoded counts as today.
ORV_VISUAL_EXPORT int GetDayOfYear(Orv::TDateTime date);
// The larger value.
constexpr int Max(int a, int b) { return a > b ? a : b; }

} // namespace Visual
