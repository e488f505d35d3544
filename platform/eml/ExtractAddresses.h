#pragma once

#include <QString>

#include <functional>

namespace Eml {

// The addresses of a header such as "Jan Novák <jan@firma.cz>, Eva <eva@firma.cz>":
// the texts inside angle brackets, joined with ";" ("jan@firma.cz;eva@firma.cz").
// Every "<" starts an address and ">" ends it; text outside the brackets is dropped.
// When the result would grow longer than `limit`, it is cut back to the addresses before
// the one being read and the scan stops. A non-empty text without any "<" is returned whole.
// `log` (the mail import's diagnostic log) gets "  EA Start: " + text before and
// "  EA End: " + result after, except after a cut.
QString ExtractAddresses(int limit, const QString &text,
                         const std::function<void(const QString &line)> &log = {});

} // namespace Eml
