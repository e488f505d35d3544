#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace InfoBrowser {

// The rules that decide where a downloaded file goes and whether it is current.

// The file name of a download address: the part after the last "\", ":" or "/", cut at
// the first "?" and then at the first "#". Empty when nothing usable is left.
QString fileNameFromUrl(const QString &url);

// A name that may be created in the page directory: not empty, not "." or "..", no
// separators or control characters.
bool isSafeFileName(const QString &name);

// The target directory of an item, relative to the page directory, with "/" separators
// ("\" counts as a separator, as in lists written on Windows). Empty for the page
// directory itself. Returns nullopt for an absolute path, a drive, ".." or a control
// character: such a directory would leave the page directory.
std::optional<QString> relativeItemDirectory(const QString &dir);

// Packed DOS date and time (date in the upper 16 bits) of a local time, as file ages are
// compared. Compared as unsigned: stamps from 2044 on have the top bit set.
std::uint32_t dosDateTime(const QDateTime &localTime);
// The DOS stamp of a file's modification time; nullopt when the file does not exist.
std::optional<std::uint32_t> fileAge(const QString &path);
// A "Time" value of the update list: nullopt for missing, unreadable or -1 (unknown).
// Negative values other than -1 are stamps written as signed 32-bit integers.
std::optional<std::uint32_t> parseTimeStamp(const QString &text);

} // namespace InfoBrowser
