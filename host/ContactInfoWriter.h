#pragma once

#include <QString>

namespace Db {
class Connection;
}

namespace Host {

// What the host tells the e-mail import program about itself: the open profile, the
// logged-in user and the firm or person now current. A value.
struct ContactInfo
{
    int subjectKind = 0;                         // 1 firm, 2 person, 0 none
    qint32 cpc = -1;
    qint32 c = -1;
    QString subjectName;
    int site = 0;
    QString profileName;
    QString profilePath;                         // empty when no profile is open
    QString userName = QStringLiteral("Supervisor");
    QString domName = QStringLiteral("SUPERVISOR");
};

// Writes ContactInfo.ini in the program directory, where the e-mail import program reads
// it. The file is replaced atomically, so a reader never sees half of it. Keys of the
// [Main] section that this writer does not know are kept.
class ContactInfoWriter
{
public:
    // Returns the file written. Throws EOrvIoError when it cannot be written.
    static QString write(const ContactInfo &info);
    static QString fileName();

    // The display name of a firm (kind 1) or person (kind 2) as the host's lists show it.
    // Throws EOrvUserError when the profile has no such record.
    static QString subjectName(Db::Connection &connection, int kind, qint32 cpc, qint32 c);
};

} // namespace Host
