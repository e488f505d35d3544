#include "base/CommaText.h"

namespace Orv {

namespace {

constexpr QChar Quote = u'"';
constexpr QChar Delimiter = u',';

bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

bool needsQuotes(const QString &item)
{
    if (item.isEmpty())
        return true;
    for (const QChar c : item) {
        if (isBlank(c) || c == Quote || c == Delimiter)
            return true;
    }
    return false;
}

// Reads a quoted item starting at text[pos] == '"'; "" inside stands for one quote. An
// unterminated item runs to the end of the text.
QString readQuoted(const QString &text, qsizetype &pos)
{
    QString item;
    ++pos;
    while (pos < text.size()) {
        const QChar c = text.at(pos++);
        if (c != Quote) {
            item.append(c);
        } else if (pos < text.size() && text.at(pos) == Quote) {
            item.append(Quote);
            ++pos;
        } else {
            break;
        }
    }
    return item;
}

} // namespace

QString toCommaText(const QStringList &items)
{
    QStringList quoted;
    quoted.reserve(items.size());
    for (const QString &item : items) {
        if (needsQuotes(item))
            quoted.append(Quote + QString(item).replace(Quote, QStringLiteral("\"\"")) + Quote);
        else
            quoted.append(item);
    }
    return quoted.join(Delimiter);
}

QStringList fromCommaText(const QString &text)
{
    QStringList items;
    qsizetype pos = 0;
    const auto skipBlanks = [&] {
        while (pos < text.size() && isBlank(text.at(pos)))
            ++pos;
    };
    skipBlanks();
    while (pos < text.size()) {
        if (text.at(pos) == Quote) {
            items.append(readQuoted(text, pos));
        } else {
            const qsizetype start = pos;
            while (pos < text.size() && !isBlank(text.at(pos)) && text.at(pos) != Delimiter)
                ++pos;
            items.append(text.mid(start, pos - start));
        }
        skipBlanks();
        if (pos < text.size() && text.at(pos) == Delimiter) {
            ++pos;
            // A delimiter as the very last character still closes an (empty) last item.
            if (pos == text.size())
                items.append(QString());
            skipBlanks();
        }
    }
    return items;
}

} // namespace Orv
