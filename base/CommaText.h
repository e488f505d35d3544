#pragma once

#include <QString>
#include <QStringList>

namespace Orv {

// Delphi TStringList.CommaText: items containing a blank, comma or quote (or empty items)
// are written in double quotes with inner quotes doubled; items are joined with ",".
QString toCommaText(const QStringList &items);
// Reading splits at unquoted commas and blanks (control characters count as blanks);
// a quoted item keeps its blanks and commas and "" becomes ".
QStringList fromCommaText(const QString &text);

} // namespace Orv
