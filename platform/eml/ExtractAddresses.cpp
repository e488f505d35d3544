#include "platform/eml/ExtractAddresses.h"

namespace Eml {

QString ExtractAddresses(int limit, const QString &text, const std::function<void(const QString &line)> &log)
{
    if (log)
        log(QStringLiteral("  EA Start: ") + text);

    QString result;
    bool inside = false;
    qsizetype addressStart = 0; // length of the result before the address being read
    for (const QChar c : text) {
        if (c == QLatin1Char('<')) {
            addressStart = result.size();
            if (!result.isEmpty())
                result += QLatin1Char(';');
            inside = true;
        } else if (c == QLatin1Char('>')) {
            inside = false;
            continue;
        } else if (inside) {
            result += c;
        } else {
            continue;
        }
        if (result.size() > limit) {
            result.truncate(addressStart);
            return result;
        }
    }

    if (!text.contains(QLatin1Char('<')) && !text.isEmpty())
        result = text;
    if (log)
        log(QStringLiteral("  EA End: ") + result);
    return result;
}

} // namespace Eml
