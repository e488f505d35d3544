#pragma once

#include "visual/VisualGlobal.h"

#include <QColor>
#include <QList>

// The arithmetic of the controls' layouts, kept apart from painting so that it can be
// checked without drawing anything.
namespace Visual {

// Windows' MulDiv: a·b/c rounded half away from zero.
ORV_VISUAL_EXPORT int mulDiv(int a, int b, int c);

struct GradientBand
{
    int start; // first pixel along the extent
    int end;   // one past the last pixel
    QColor color;
};

// `bands` solid bands over `extent` pixels from `from` towards `to`; band i covers
// [i·extent/bands, (i+1)·extent/bands) and has the colour from + i·(to − from)/bands.
// Empty bands are left out.
ORV_VISUAL_EXPORT QList<GradientBand> gradientBands(int extent, int bands, const QColor &from, const QColor &to);

// Splits `width` into `days` columns: the quotient each, the remainder one pixel each to the
// first columns. No columns for a count below 1.
ORV_VISUAL_EXPORT QList<int> dayColumnWidths(int width, int days);
// The column under x; left of the first: the first, beyond the last: the last; -1 without columns.
ORV_VISUAL_EXPORT int dayColumnAt(const QList<int> &widths, int x);

// Left edges of a row of buttons aligned to the right edge of `width` with `gap` pixels
// between them and at the edge; `widths` lists the buttons from the right-most one.
ORV_VISUAL_EXPORT QList<int> rightAlignedLefts(int width, const QList<int> &widths, int gap = 8);

// Left edges of toolbar buttons `step` pixels apart, with `groupGap` extra pixels where the
// group number changes; hidden buttons take no place and get -1.
ORV_VISUAL_EXPORT QList<int> groupedButtonLefts(const QList<int> &groups, const QList<bool> &visible, int step = 20,
                                                int groupGap = 5);

// A progress position is shown for small maxima always, for large ones on every tenth
// step and at the end, so that the bar still reaches its end.
ORV_VISUAL_EXPORT bool progressPositionAccepted(int position, int maximum);

// Slots of `count` bars over `width` pixels with one pixel between them; the last takes the
// rest. Returns (left, width) pairs.
ORV_VISUAL_EXPORT QList<QPair<int, int>> sharedSlots(int width, int count, int gap = 1);

} // namespace Visual
