#include "base/DelphiDateTime.h"

#include "base/Clock.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace Orv {

namespace {

constexpr qint64 MSecsPerDay = 86'400'000;
// 0001-01-01 and 9999-12-31, the range Delphi's date functions accept.
constexpr TDateTime MinDateTime = -693'593.0;
constexpr TDateTime MaxDateTime = 2'958'466.0;

QDate epoch()
{
    return QDate(1899, 12, 30);
}

struct DateTimeParts
{
    QDate date;
    QTime time;
    bool isValid() const { return date.isValid() && time.isValid(); }
};

DateTimeParts decode(TDateTime value)
{
    if (!std::isfinite(value) || value < MinDateTime || value >= MaxDateTime)
        return {};
    double day = std::trunc(value);
    qint64 msecs = std::llround(std::abs(value - day) * MSecsPerDay);
    // The time counts forward from the day's start also for negative values, so a time that
    // rounds up to midnight belongs to the following day in both directions.
    if (msecs >= MSecsPerDay) {
        msecs -= MSecsPerDay;
        day += 1;
    }
    return {epoch().addDays(static_cast<qint64>(day)), QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs))};
}

// The pinned Czech formats of the system; the process locale never takes part.
namespace Czech {
const QString ShortDateFormat = QStringLiteral("d.M.yyyy");
const QString LongDateFormat = QStringLiteral("d. mmmm yyyy");
const QString ShortTimeFormat = QStringLiteral("H:mm");
const QString LongTimeFormat = QStringLiteral("H:mm:ss");
constexpr QChar DateSeparator = u'.';
constexpr QChar TimeSeparator = u':';
const QString TimeAMString = QStringLiteral("dop.");
const QString TimePMString = QStringLiteral("odp.");
const QStringList ShortMonthNames = {u"led"_s, u"úno"_s, u"bře"_s, u"dub"_s, u"kvě"_s, u"čvn"_s,
                                     u"čvc"_s, u"srp"_s, u"zář"_s, u"říj"_s, u"lis"_s, u"pro"_s};
const QStringList LongMonthNames = {u"leden"_s, u"únor"_s,  u"březen"_s, u"duben"_s,
                                    u"květen"_s, u"červen"_s, u"červenec"_s, u"srpen"_s,
                                    u"září"_s,  u"říjen"_s, u"listopad"_s, u"prosinec"_s};
const QStringList GenitiveMonthNames = {u"ledna"_s,  u"února"_s, u"března"_s,   u"dubna"_s,
                                        u"května"_s, u"června"_s, u"července"_s, u"srpna"_s,
                                        u"září"_s,   u"října"_s, u"listopadu"_s, u"prosince"_s};
// Sunday first, as Delphi's DayOfWeek counts.
const QStringList ShortDayNames = {u"ne"_s, u"po"_s, u"út"_s, u"st"_s, u"čt"_s, u"pá"_s, u"so"_s};
const QStringList LongDayNames = {u"neděle"_s, u"pondělí"_s, u"úterý"_s, u"středa"_s,
                                  u"čtvrtek"_s, u"pátek"_s, u"sobota"_s};
} // namespace Czech

// Delphi's DateTimeToString: format letters are read case-insensitively, a run of the same
// character is one token, "m" right after an hour token means minutes, quoted text is copied,
// any other character is copied as it is. Nested formats (c, t, ddddd …) go one level deep.
class Formatter
{
public:
    explicit Formatter(const DateTimeParts &parts) : m_date(parts.date), m_time(parts.time) {}

    QString format(const QString &format)
    {
        appendFormat(format.isEmpty() ? QStringLiteral("c") : format);
        return m_result;
    }

private:
    void appendFormat(QStringView format);
    void appendNumber(int number, qsizetype digits)
    {
        m_result += QString::number(number).rightJustified(digits, u'0');
    }
    int dayOfWeekIndex() const { return m_date.dayOfWeek() % 7; }
    static bool hasDayNumber(QStringView format);

    QDate m_date;
    QTime m_time;
    QString m_result;
    int m_level = 0;
};

// Czech puts the month name in the genitive after a day ("5. ledna"), alone it is nominative.
bool Formatter::hasDayNumber(QStringView format)
{
    QChar quote;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'd' || c == u'D') {
            qsizetype count = 1;
            while (i + 1 < format.size() && format.at(i + 1) == c) {
                ++i;
                ++count;
            }
            if (count <= 2)
                return true;
        }
    }
    return false;
}

void Formatter::appendFormat(QStringView format)
{
    if (m_level >= 2)
        return;
    ++m_level;
    const bool genitive = hasDayNumber(format);
    QChar lastToken = u' ';
    bool use12HourClock = false;
    qsizetype pos = 0;
    while (pos < format.size()) {
        const QChar starter = format.at(pos++);
        const auto countRun = [&] {
            qsizetype count = 1;
            while (pos < format.size() && format.at(pos) == starter) {
                ++pos;
                ++count;
            }
            return count;
        };
        const auto lookingAt = [&](QStringView text) {
            return format.mid(pos - 1).startsWith(text, Qt::CaseInsensitive);
        };
        QChar token = starter.toUpper();
        if (token >= u'A' && token <= u'Z') {
            if (token == u'M' && lastToken == u'H')
                token = u'N';
            lastToken = token;
        }
        switch (token.unicode()) {
        case u'Y':
            if (countRun() <= 2)
                appendNumber(m_date.year() % 100, 2);
            else
                appendNumber(m_date.year(), 4);
            break;
        case u'M': {
            const qsizetype count = countRun();
            if (count <= 2)
                appendNumber(m_date.month(), count);
            else if (count == 3)
                m_result += Czech::ShortMonthNames.at(m_date.month() - 1);
            else
                m_result += (genitive ? Czech::GenitiveMonthNames : Czech::LongMonthNames).at(m_date.month() - 1);
            break;
        }
        case u'D': {
            const qsizetype count = countRun();
            if (count <= 2)
                appendNumber(m_date.day(), count);
            else if (count == 3)
                m_result += Czech::ShortDayNames.at(dayOfWeekIndex());
            else if (count == 4)
                m_result += Czech::LongDayNames.at(dayOfWeekIndex());
            else if (count == 5)
                appendFormat(Czech::ShortDateFormat);
            else
                appendFormat(Czech::LongDateFormat);
            break;
        }
        case u'H': {
            const qsizetype count = countRun();
            // A 12-hour marker later in the format (before the next hour) switches the clock.
            bool betweenQuotes = false;
            for (qsizetype ahead = pos; ahead < format.size(); ++ahead) {
                const QChar c = format.at(ahead);
                if (c == u'\'' || c == u'"') {
                    betweenQuotes = !betweenQuotes;
                } else if ((c == u'a' || c == u'A') && !betweenQuotes) {
                    const QStringView rest = format.mid(ahead);
                    if (rest.startsWith(u"am/pm", Qt::CaseInsensitive) || rest.startsWith(u"a/p", Qt::CaseInsensitive)
                        || rest.startsWith(u"ampm", Qt::CaseInsensitive))
                        use12HourClock = true;
                    break;
                } else if (c == u'h' || c == u'H') {
                    break;
                }
            }
            int hour = m_time.hour();
            if (use12HourClock)
                hour = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
            appendNumber(hour, std::min<qsizetype>(count, 2));
            break;
        }
        case u'N':
            appendNumber(m_time.minute(), std::min<qsizetype>(countRun(), 2));
            break;
        case u'S':
            appendNumber(m_time.second(), std::min<qsizetype>(countRun(), 2));
            break;
        case u'Z':
            appendNumber(m_time.msec(), std::min<qsizetype>(countRun(), 3));
            break;
        case u'T':
            appendFormat(countRun() == 1 ? Czech::ShortTimeFormat : Czech::LongTimeFormat);
            break;
        case u'A':
            if (lookingAt(u"am/pm")) {
                m_result += format.mid(pos - 1 + (m_time.hour() >= 12 ? 3 : 0), 2);
                pos += 4;
                use12HourClock = true;
            } else if (lookingAt(u"a/p")) {
                m_result += format.mid(pos - 1 + (m_time.hour() >= 12 ? 2 : 0), 1);
                pos += 2;
                use12HourClock = true;
            } else if (lookingAt(u"ampm")) {
                m_result += m_time.hour() < 12 ? Czech::TimeAMString : Czech::TimePMString;
                pos += 3;
                use12HourClock = true;
            } else if (lookingAt(u"aaaa")) {
                m_result += Czech::LongDayNames.at(dayOfWeekIndex());
                pos += 3;
            } else if (lookingAt(u"aaa")) {
                m_result += Czech::ShortDayNames.at(dayOfWeekIndex());
                pos += 2;
            } else {
                m_result += starter;
            }
            break;
        case u'C':
            countRun();
            appendFormat(Czech::ShortDateFormat);
            if (m_time.hour() != 0 || m_time.minute() != 0 || m_time.second() != 0) {
                m_result += u' ';
                appendFormat(Czech::LongTimeFormat);
            }
            break;
        case u'/':
            m_result += Czech::DateSeparator;
            break;
        case u':':
            m_result += Czech::TimeSeparator;
            break;
        case u'\'':
        case u'"': {
            const qsizetype end = format.indexOf(starter, pos);
            const qsizetype stop = end < 0 ? format.size() : end;
            m_result += format.mid(pos, stop - pos);
            pos = end < 0 ? stop : stop + 1;
            break;
        }
        default:
            m_result += starter;
            break;
        }
    }
    --m_level;
}

} // namespace

TDateTime toDelphi(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return 0.0;
    const QDateTime local = dateTime.toLocalTime();
    const auto days = static_cast<double>(epoch().daysTo(local.date()));
    const double time = static_cast<double>(local.time().msecsSinceStartOfDay()) / MSecsPerDay;
    return days < 0 ? days - time : days + time;
}

QDateTime fromDelphi(TDateTime value)
{
    const DateTimeParts parts = decode(value);
    if (!parts.isValid())
        return QDateTime();
    QDateTime local(parts.date, parts.time);
    if (!local.isValid()) {
        // A wall-clock time skipped by a daylight-saving change (stored values may hold one)
        // moves forward by the gap instead of becoming no time at all.
        const int offsetBefore = QDateTime(parts.date.addDays(-1), parts.time).offsetFromUtc();
        local = QDateTime(parts.date, parts.time, Qt::UTC).addSecs(-offsetBefore).toLocalTime();
    }
    return local;
}

TDateTime delphiTrunc(TDateTime value)
{
    return std::trunc(value);
}

TDateTime endOfDay(TDateTime value)
{
    const double day = std::trunc(value);
    const double lastMSec = static_cast<double>(MSecsPerDay - 1) / MSecsPerDay;
    return day < 0 ? day - lastMSec : day + lastMSec;
}

TDateTime delphiNow()
{
    return toDelphi(Clock::now());
}

QString formatDateTime(const QString &format, const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return QString();
    const QDateTime local = dateTime.toLocalTime();
    return Formatter({local.date(), local.time()}).format(format);
}

QString formatDateTime(const QString &format, TDateTime value)
{
    const DateTimeParts parts = decode(value);
    return parts.isValid() ? Formatter(parts).format(format) : QString();
}

QString dateTimeToStr(const QDateTime &dateTime)
{
    return formatDateTime(QStringLiteral("c"), dateTime);
}

QString dateToStr(const QDate &date)
{
    return date.isValid() ? Formatter({date, QTime(0, 0)}).format(Czech::ShortDateFormat) : QString();
}

} // namespace Orv
