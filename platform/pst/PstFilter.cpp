#include "platform/pst/PstFilter.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace Pst::Internal {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Pst::Filter)
};

template<typename T>
bool compare(const T &left, ItemFilter::Op op, const T &right)
{
    switch (op) {
    case ItemFilter::Op::Equal: return left == right;
    case ItemFilter::Op::NotEqual: return left != right;
    case ItemFilter::Op::Less: return left < right;
    case ItemFilter::Op::LessEqual: return left <= right;
    case ItemFilter::Op::Greater: return left > right;
    case ItemFilter::Op::GreaterEqual: return left >= right;
    }
    return false;
}

} // namespace

ItemFilter ItemFilter::parse(const QString &filter)
{
    ItemFilter result;
    if (filter.trimmed().isEmpty())
        return result;

    static const QRegularExpression re(
        QString::fromLatin1(R"re(^\s*\[(\w+)\]\s*(>=|<=|<>|=|>|<)\s*(?:"([^"]*)"|'([^']*)')\s*$)re"));
    const QRegularExpressionMatch m = re.match(filter);
    const auto fail = [&filter](const QString &why) {
        return EOrvUserError(Tr::tr("Filtr zpráv „%1“ nelze použít.").arg(filter),
                             QStringLiteral("Items.Find: %1: %2").arg(why, filter));
    };
    if (!m.hasMatch())
        throw fail(QStringLiteral("unsupported filter syntax"));

    const QString name = m.captured(1).toLower();
    if (name == QLatin1String("receivedtime"))
        result.m_property = Property::ReceivedTime;
    else if (name == QLatin1String("senton"))
        result.m_property = Property::SentOn;
    else if (name == QLatin1String("creationtime"))
        result.m_property = Property::CreationTime;
    else if (name == QLatin1String("subject"))
        result.m_property = Property::Subject;
    else
        throw fail(QStringLiteral("unsupported property"));

    const QString op = m.captured(2);
    result.m_op = op == QLatin1String("=")    ? Op::Equal
                  : op == QLatin1String("<>") ? Op::NotEqual
                  : op == QLatin1String("<")  ? Op::Less
                  : op == QLatin1String("<=") ? Op::LessEqual
                  : op == QLatin1String(">")  ? Op::Greater
                                              : Op::GreaterEqual;

    const QString value = m.capturedStart(3) >= 0 ? m.captured(3) : m.captured(4);
    if (result.m_property == Property::Subject) {
        result.m_text = value;
    } else {
        result.m_date = parseDate(value);
        if (!result.m_date.isValid())
            throw fail(QStringLiteral("unreadable date"));
    }
    return result;
}

QDateTime ItemFilter::parseDate(const QString &text)
{
    static const QRegularExpression re(QString::fromLatin1(
        R"re(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*([aApP][mM])?\s*$)re"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return {};
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    int hour = m.captured(4).toInt();
    const int minute = m.captured(5).toInt();
    const int second = m.captured(6).toInt();
    const QString ampm = m.captured(7).toLower();
    if (!ampm.isEmpty()) {
        if (hour < 1 && m.capturedLength(4) == 0)
            hour = 0;
        else if (hour > 12)
            return {};
        if (ampm == QLatin1String("am") && hour == 12)
            hour = 0;
        else if (ampm == QLatin1String("pm") && hour < 12)
            hour += 12;
    }
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

bool ItemFilter::matchesDate(const QDateTime &value) const
{
    if (m_property == Property::None)
        return true;
    if (!value.isValid())
        return false;
    return compare(value, m_op, m_date);
}

bool ItemFilter::matchesText(const std::optional<QString> &value) const
{
    if (m_property == Property::None)
        return true;
    if (!value)
        return false;
    return compare(*value, m_op, m_text);
}

} // namespace Pst::Internal
