#include "visual/TextLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace Visual {

namespace {

struct Span
{
    int start;
    int end;
};

int tabStop(const QFontMetrics &metrics)
{
    return qMax(1, 8 * metrics.averageCharWidth());
}

// Splits the text into paragraphs at CR LF, LF or CR.
QList<Span> paragraphs(const QString &text)
{
    QList<Span> result;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        result.append({start, i});
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    result.append({start, int(text.size())});
    return result;
}

// Greedy word wrap of one paragraph; a word wider than the line keeps a line of its own.
QList<Span> wrap(const QFontMetrics &metrics, const QString &text, Span paragraph, int width, bool tabs)
{
    QList<Span> lines;
    int pos = paragraph.start;
    while (pos < paragraph.end) {
        int lineEnd = -1;
        int next = paragraph.end;
        int i = pos;
        while (i < paragraph.end) {
            int wordEnd = i;
            while (wordEnd < paragraph.end && text[wordEnd] != u' ')
                ++wordEnd;
            if (lineEnd != -1 && lineWidth(metrics, text.mid(pos, wordEnd - pos), tabs) > width)
                break;
            lineEnd = wordEnd;
            while (wordEnd < paragraph.end && text[wordEnd] == u' ')
                ++wordEnd;
            i = next = wordEnd;
        }
        lines.append({pos, lineEnd});
        pos = next;
    }
    if (lines.isEmpty())
        lines.append(paragraph);
    return lines;
}

void drawLine(QPainter &painter, const QFontMetrics &metrics, const TextLine &line, bool tabs)
{
    const int baseline = line.rect.top() + metrics.ascent();
    int x = line.rect.left();
    if (tabs) {
        const QStringList parts = line.text.split(u'\t');
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0)
                x = (x - line.rect.left()) / tabStop(metrics) * tabStop(metrics) + tabStop(metrics) + line.rect.left();
            painter.drawText(x, baseline, parts[i]);
            x += metrics.horizontalAdvance(parts[i]);
        }
    } else {
        painter.drawText(x, baseline, line.text);
    }
    if (line.accelerator >= 0 && line.accelerator < line.text.size()) {
        const int left = line.rect.left() + lineWidth(metrics, line.text.left(line.accelerator), tabs);
        const int width = metrics.horizontalAdvance(line.text[line.accelerator]);
        const int y = baseline + qMax(1, metrics.underlinePos());
        painter.drawLine(left, y, left + width - 1, y);
    }
}

} // namespace

QString stripAccelerator(const QString &text, int *position)
{
    QString result;
    result.reserve(text.size());
    int marked = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            result += text[i];
            continue;
        }
        if (++i >= text.size())
            break;
        if (text[i] != u'&' && marked < 0)
            marked = int(result.size());
        result += text[i];
    }
    if (position)
        *position = marked;
    return result;
}

int lineWidth(const QFontMetrics &metrics, const QString &line, bool expandTabs)
{
    if (!expandTabs || !line.contains(u'\t'))
        return metrics.horizontalAdvance(line);
    int x = 0;
    const QStringList parts = line.split(u'\t');
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            x = x / tabStop(metrics) * tabStop(metrics) + tabStop(metrics);
        x += metrics.horizontalAdvance(parts[i]);
    }
    return x;
}

QString elideEnd(const QFontMetrics &metrics, const QString &line, int width, bool expandTabs)
{
    if (lineWidth(metrics, line, expandTabs) <= width)
        return line;
    const QString ellipsis = QString::fromUtf16(Ellipsis);
    // The longest prefix that fits, found by bisection: widths grow with the prefix length.
    int low = 0;
    int high = int(line.size()) - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (lineWidth(metrics, line.left(middle) + ellipsis, expandTabs) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return line.left(low) + ellipsis;
}

QString elidePath(const QFontMetrics &metrics, const QString &line, int width, bool expandTabs)
{
    if (lineWidth(metrics, line, expandTabs) <= width)
        return line;
    const int separator = int(qMax(line.lastIndexOf(u'\\'), line.lastIndexOf(u'/')));
    const QString ellipsis = QString::fromUtf16(Ellipsis);
    if (separator <= 0)
        return elideEnd(metrics, line, width, expandTabs);
    const QString tail = line.mid(separator);
    if (lineWidth(metrics, ellipsis + tail, expandTabs) > width)
        return elideEnd(metrics, ellipsis + tail, width, expandTabs);
    int keep = separator;
    while (keep > 0 && lineWidth(metrics, line.left(keep) + ellipsis + tail, expandTabs) > width)
        --keep;
    return line.left(keep) + ellipsis + tail;
}

TextLayout layoutText(const QFontMetrics &metrics, const QRect &rect, const QString &text, TextFlags flags)
{
    const bool tabs = flags.testFlag(TextFlag::ExpandTabs);
    int accelerator = -1;
    QString plain = flags.testFlag(TextFlag::NoPrefix) ? text : stripAccelerator(text, &accelerator);
    if (flags.testFlag(TextFlag::SingleLine))
        plain.replace(u'\r', u' ').replace(u'\n', u' ');

    QList<Span> spans;
    for (const Span &paragraph : paragraphs(plain)) {
        if (flags.testFlag(TextFlag::WordBreak))
            spans += wrap(metrics, plain, paragraph, rect.width(), tabs);
        else
            spans.append(paragraph);
    }

    const int lineHeight = metrics.height();
    bool cut = false;
    if (flags.testFlag(TextFlag::EndEllipsis) && spans.size() > 1) {
        const int fitting = qMax(1, rect.height() / lineHeight);
        if (spans.size() > fitting) {
            spans.resize(fitting);
            cut = true;
        }
    }

    TextLayout layout;
    const int total = int(spans.size()) * lineHeight;
    int top = rect.top();
    if (flags.testFlag(TextFlag::VCenter))
        top += (rect.height() - total) / 2;
    else if (flags.testFlag(TextFlag::Bottom))
        top = rect.bottom() + 1 - total;

    for (int i = 0; i < spans.size(); ++i) {
        TextLine line;
        line.text = plain.mid(spans[i].start, spans[i].end - spans[i].start);
        if (accelerator >= spans[i].start && accelerator < spans[i].end)
            line.accelerator = accelerator - spans[i].start;
        const bool last = i == spans.size() - 1;
        if (cut && last) {
            line.text = elideEnd(metrics, line.text + QString::fromUtf16(Ellipsis), rect.width(), tabs);
        } else if (lineWidth(metrics, line.text, tabs) > rect.width()) {
            if (flags.testFlag(TextFlag::PathEllipsis))
                line.text = elidePath(metrics, line.text, rect.width(), tabs);
            else if (flags.testFlag(TextFlag::EndEllipsis))
                line.text = elideEnd(metrics, line.text, rect.width(), tabs);
        }
        // An accelerator cut away by an ellipsis is no longer shown.
        if (line.accelerator >= 0 && line.text.mid(line.accelerator, 1)
                                             != plain.mid(spans[i].start + line.accelerator, 1))
            line.accelerator = -1;

        const int width = lineWidth(metrics, line.text, tabs);
        int left = rect.left();
        if (flags.testFlag(TextFlag::HCenter))
            left += (rect.width() - width) / 2;
        else if (flags.testFlag(TextFlag::Right))
            left = rect.right() + 1 - width;
        line.rect = QRect(left, top + i * lineHeight, width, lineHeight);
        layout.bounds = layout.bounds.isNull() ? line.rect : layout.bounds.united(line.rect);
        layout.lines.append(line);
    }
    return layout;
}

QRect drawText(QPainter &painter, const QRect &rect, const QString &text, TextFlags flags)
{
    const QFontMetrics metrics(painter.font());
    const TextLayout layout = layoutText(metrics, rect, text, flags);
    for (const TextLine &line : layout.lines)
        drawLine(painter, metrics, line, flags.testFlag(TextFlag::ExpandTabs));
    return layout.bounds;
}

QSize textSize(const QFontMetrics &metrics, const QString &text, TextFlags flags, int width)
{
    const bool blank = flags.testFlag(TextFlag::NoPrefix) ? text.isEmpty() : stripAccelerator(text).isEmpty();
    const TextLayout layout = layoutText(metrics, QRect(0, 0, width, 1 << 20),
                                         blank ? QStringLiteral(" ") : text,
                                         flags & ~(TextFlags(TextFlag::HCenter) | TextFlag::Right | TextFlag::VCenter
                                                   | TextFlag::Bottom | TextFlag::EndEllipsis | TextFlag::PathEllipsis));
    int widest = 0;
    for (const TextLine &line : layout.lines)
        widest = qMax(widest, line.rect.width());
    return QSize(widest, int(layout.lines.size()) * metrics.height());
}

} // namespace Visual
