#pragma once

#include "visual/VisualGlobal.h"

#include <QFlags>
#include <QList>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

// The one text-layout routine of the control library: every control that draws text lays
// it out here, so word breaks, ellipses, tabs and "&" accelerators look the same everywhere.
// Pure functions of the font metrics; GUI-thread use only because fonts are.
namespace Visual {

enum class TextFlag {
    None = 0,
    WordBreak = 0x1,     // break lines between words to fit the width
    SingleLine = 0x2,    // line breaks in the text count as blanks
    EndEllipsis = 0x4,   // a line too wide (or the last line when lines are cut) ends in "..."
    PathEllipsis = 0x8,  // a too wide line keeps its last path part: "C:\Dokumenty\...\dopis.txt"
    ExpandTabs = 0x10,   // tabs go to the next stop of 8 average characters
    NoPrefix = 0x20,     // "&" is an ordinary character
    HCenter = 0x40,
    Right = 0x80,
    VCenter = 0x100,
    Bottom = 0x200,
};
Q_DECLARE_FLAGS(TextFlags, TextFlag)

inline constexpr char16_t Ellipsis[] = u"...";

struct TextLine
{
    QString text;
    QRect rect;           // where the line is drawn
    int accelerator = -1; // index in `text` of the underlined character, -1 for none
};

struct TextLayout
{
    QList<TextLine> lines;
    QRect bounds; // the united rectangles of the lines
};

// Removes accelerator marks: "&&" becomes "&", "&x" marks x. `position` gets the index of the
// marked character in the result, or -1. A trailing lone "&" is dropped.
ORV_VISUAL_EXPORT QString stripAccelerator(const QString &text, int *position = nullptr);

// The width of one line, with tabs expanded when asked.
ORV_VISUAL_EXPORT int lineWidth(const QFontMetrics &metrics, const QString &line, bool expandTabs);
// The longest start of `line` + "..." that fits `width` ("..." alone when nothing fits).
ORV_VISUAL_EXPORT QString elideEnd(const QFontMetrics &metrics, const QString &line, int width, bool expandTabs = false);
// Keeps the part after the last "\" or "/" and cuts the part before it: "head...\tail".
// Falls back to an end ellipsis when even "...\tail" is too wide.
ORV_VISUAL_EXPORT QString elidePath(const QFontMetrics &metrics, const QString &line, int width, bool expandTabs = false);

ORV_VISUAL_EXPORT TextLayout layoutText(const QFontMetrics &metrics, const QRect &rect, const QString &text,
                                        TextFlags flags);
// Draws in the painter's pen and font; returns the bounds of what was drawn.
ORV_VISUAL_EXPORT QRect drawText(QPainter &painter, const QRect &rect, const QString &text, TextFlags flags);
// The size the text needs when laid out in `width` (a large width for one line per paragraph).
// An empty text measures as one blank, so empty labels keep their height.
ORV_VISUAL_EXPORT QSize textSize(const QFontMetrics &metrics, const QString &text, TextFlags flags,
                                 int width = 1 << 20);

} // namespace Visual

Q_DECLARE_OPERATORS_FOR_FLAGS(Visual::TextFlags)
