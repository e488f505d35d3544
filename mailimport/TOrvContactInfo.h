#pragma once

#include <QString>

namespace Mail {

// The host's context as it writes it to "ContactInfo.ini" in the program directory
// (section "Main"): the current subject, the profile and the user. Read only; a missing
// file or key gives the defaults (-1 numbers, empty texts). A value.
class TOrvContactInfo
{
public:
    static QString fileName();
    static TOrvContactInfo read();
    static TOrvContactInfo read(const QString &fileName);

    // A firm (1) or person (2) is open in the host: something to save to.
    bool hasSubject() const { return SubjectID == 1 || SubjectID == 2; }

    int SubjectID = -1;
    int CPCX = -1;
    int CX = -1;
    QString SubjectName;
    int ProfilID = -1;
    QString ProfilName;
    QString ProfilPath;
    QString UserName;
    QString DomName;

    bool operator==(const TOrvContactInfo &other) const = default;
};

} // namespace Mail
