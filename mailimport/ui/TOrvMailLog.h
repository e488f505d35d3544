#pragma once

#include <QString>
#include <QStringList>

namespace MailUi {

// The diagnostic log of the mail import: lines from the mail clients' address parsing,
// collected in memory while logging is on (from the start until the main window closes)
// and written to "!Log.txt" in the program directory at the end, when there are any.
// Safe from any thread (the downloaders add lines from theirs).
class TOrvMailLog
{
public:
    static void add(const QString &line);
    static void setEnabled(bool on);
    static QStringList lines();
    // Writes the collected lines, replacing the file; false when there were none or the
    // file could not be written.
    static bool write();
    static QString fileName();
};

} // namespace MailUi
