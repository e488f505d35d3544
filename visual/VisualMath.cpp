#include "visual/VisualMath.h"

#include <cmath>

namespace Visual {

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    return int(std::llround(double(qint64(a) * b) / c));
}

QList<GradientBand> gradientBands(int extent, int bands, const QColor &from, const QColor &to)
{
    QList<GradientBand> result;
    if (bands < 1 || extent < 1)
        return result;
    for (int i = 0; i <= bands; ++i) {
        const int start = mulDiv(i, extent, bands);
        const int end = qMin(extent, mulDiv(i + 1, extent, bands));
        if (end <= start)
            continue;
        const QColor color(from.red() + mulDiv(i, to.red() - from.red(), bands),
                           from.green() + mulDiv(i, to.green() - from.green(), bands),
                           from.blue() + mulDiv(i, to.blue() - from.blue(), bands));
        result.append({start, end, color});
    }
    return result;
}

QList<int> dayColumnWidths(int width, int days)
{
    QList<int> widths;
    if (days < 1)
        return widths;
    const int each = width / days;
    const int remainder = width % days;
    for (int i = 0; i < days; ++i)
        widths.append(each + (i < remainder ? 1 : 0));
    return widths;
}

int dayColumnAt(const QList<int> &widths, int x)
{
    int right = 0;
    for (int i = 0; i < widths.size(); ++i) {
        right += widths[i];
        if (x < right)
            return i;
    }
    return int(widths.size()) - 1;
}

QList<int> rightAlignedLefts(int width, const QList<int> &widths, int gap)
{
    QList<int> lefts;
    int right = width;
    for (int w : widths) {
        right -= w + gap;
        lefts.append(right);
    }
    return lefts;
}

QList<int> groupedButtonLefts(const QList<int> &groups, const QList<bool> &visible, int step, int groupGap)
{
    QList<int> lefts;
    int x = 0;
    int lastGroup = -1;
    for (int i = 0; i < groups.size(); ++i) {
        if (!visible.value(i)) {
            lefts.append(-1);
            continue;
        }
        if (lastGroup >= 0 && groups[i] != lastGroup)
            x += groupGap;
        lefts.append(x);
        x += step;
        lastGroup = groups[i];
    }
    return lefts;
}

bool progressPositionAccepted(int position, int maximum)
{
    return maximum <= 100 || position % 10 == 0 || position >= maximum;
}

QList<QPair<int, int>> sharedSlots(int width, int count, int gap)
{
    QList<QPair<int, int>> result;
    if (count < 1)
        return result;
    const int each = (width - (count - 1) * gap) / count;
    for (int i = 0; i < count; ++i) {
        const int left = i * (each + gap);
        result.append({left, i == count - 1 ? width - left : each});
    }
    return result;
}

} // namespace Visual
