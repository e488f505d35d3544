#pragma once

#include <QDateTime>
#include <QString>

namespace Orv {

// Delphi TDateTime: days since 1899-12-30 00:00 as a double, local time; the fraction is
// the time of day (also for negative values, where it counts forward from the day's start).
using TDateTime = double;

constexpr TDateTime DelphiEpochOffsetDays = 25569.0; // 1970-01-01 as a TDateTime

TDateTime toDelphi(const QDateTime &dateTime);    // in local time; an invalid one gives 0
// Local time, rounded to the millisecond; invalid for NaN and outside years 1..9999. A time
// skipped by a daylight-saving change moves forward by the gap.
QDateTime fromDelphi(TDateTime value);
TDateTime delphiTrunc(TDateTime value);           // the day, time 00:00
TDateTime endOfDay(TDateTime value);              // 23:59:59.999 of that day
TDateTime delphiNow();                            // through Orv::Clock

// Delphi FormatDateTime with a pinned Czech table, independent of the process locale:
// d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz t tt c am/pm a/p
// ampm / : and quoted text ('…' or "…"). Short date "d.M.yyyy", long date "d. mmmm yyyy",
// short time "H:mm", long time "H:mm:ss", date separator ".", time separator ":".
// "mmmm" standing alone (no day number "d"/"dd" in the format) gives the nominative month
// name ("leden"), with a day number the genitive ("ledna"). An empty format means "c".
// Invalid input gives an empty string.
QString formatDateTime(const QString &format, const QDateTime &dateTime);
QString formatDateTime(const QString &format, TDateTime value);

// "c": short date + " " + long time (time left out when it is 00:00:00) — the system's
// date-time format.
QString dateTimeToStr(const QDateTime &dateTime);
QString dateToStr(const QDate &date); // "d.M.yyyy"

} // namespace Orv
