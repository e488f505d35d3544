#include "infobrowser/UpdateRules.h"

#include <QFileInfo>
#include <QStringList>

namespace InfoBrowser {

QString fileNameFromUrl(const QString &url)
{
    qsizetype start = 0;
    for (const QChar separator : {u'\\', u':', u'/'})
        start = std::max(start, url.lastIndexOf(separator) + 1);
    QString name = url.mid(start);
    const qsizetype query = name.indexOf(u'?');
    if (query >= 0)
        name.truncate(query);
    const qsizetype fragment = name.indexOf(u'#');
    if (fragment >= 0)
        name.truncate(fragment);
    return name;
}

bool isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar ch : name) {
        if (ch == u'/' || ch == u'\\' || ch.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

std::optional<QString> relativeItemDirectory(const QString &dir)
{
    QString path = dir.trimmed();
    path.replace(u'\\', u'/');
    if (path.startsWith(u'/') || path.contains(u':'))
        return std::nullopt;
    QStringList parts;
    for (const QString &part : path.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u".")
            continue;
        if (!isSafeFileName(part))
            return std::nullopt;
        parts << part;
    }
    return parts.join(u'/');
}

std::uint32_t dosDateTime(const QDateTime &localTime)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    if (date.year() < 1980)
        return (1u << 21) | (1u << 16); // 1980-01-01 00:00, the earliest stamp
    if (date.year() > 2107)
        return 0xFFFFFFFFu;
    const std::uint32_t dosDate = (std::uint32_t(date.year() - 1980) << 9) | (std::uint32_t(date.month()) << 5)
                                  | std::uint32_t(date.day());
    const std::uint32_t dosTime = (std::uint32_t(time.hour()) << 11) | (std::uint32_t(time.minute()) << 5)
                                  | std::uint32_t(time.second() / 2);
    return (dosDate << 16) | dosTime;
}

std::optional<std::uint32_t> fileAge(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return dosDateTime(info.lastModified().toLocalTime());
}

std::optional<std::uint32_t> parseTimeStamp(const QString &text)
{
    const QString value = text.trimmed();
    bool ok = false;
    qlonglong number = 0;
    if (value.startsWith(u'$'))
        number = value.mid(1).toLongLong(&ok, 16);
    else if (value.startsWith(u"0x", Qt::CaseInsensitive))
        number = value.mid(2).toLongLong(&ok, 16);
    else
        number = value.toLongLong(&ok, 10);
    if (!ok || number == -1 || number < INT32_MIN || number > UINT32_MAX)
        return std::nullopt;
    return static_cast<std::uint32_t>(number < 0 ? number + (qlonglong(1) << 32) : number);
}

} // namespace InfoBrowser
