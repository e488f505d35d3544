#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The restriction text of Items.Find, read by us instead of by Outlook. Kept apart from
// the store so that it can be tested without a .pst.
namespace Pst::Internal {

class ItemFilter
{
public:
    enum class Property { None, ReceivedTime, SentOn, CreationTime, Subject };
    enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

    // Throws EOrvUserError when the text is not a filter we can evaluate.
    static ItemFilter parse(const QString &filter);
    // Outlook's date text, day first: "d/m/yyyy", optional " h:mm[:ss]" and "am"/"pm"
    // (also glued to the time, "0:00am"). Invalid QDateTime when it cannot be read.
    static QDateTime parseDate(const QString &text);

    Property property() const { return m_property; }
    bool matchesDate(const QDateTime &value) const;      // invalid value never matches
    bool matchesText(const std::optional<QString> &value) const;

private:
    Property m_property = Property::None;
    Op m_op = Op::Equal;
    QDateTime m_date;
    QString m_text;
};

} // namespace Pst::Internal
