#include "mailimport/TOrvContactInfo.h"

#include "base/IniFile.h"
#include "base/Paths.h"

#include <QFileInfo>

namespace Mail {

QString TOrvContactInfo::fileName()
{
    return Orv::programFile(QStringLiteral("ContactInfo.ini"));
}

TOrvContactInfo TOrvContactInfo::read()
{
    return read(fileName());
}

TOrvContactInfo TOrvContactInfo::read(const QString &fileName)
{
    TOrvContactInfo info;
    if (!QFileInfo::exists(fileName))
        return info;
    const Orv::IniFile ini(fileName);
    const QString section = QStringLiteral("Main");
    info.SubjectID = ini.readInteger(section, QStringLiteral("SubjectID"), -1);
    info.CPCX = ini.readInteger(section, QStringLiteral("CPCX"), -1);
    info.CX = ini.readInteger(section, QStringLiteral("CX"), -1);
    info.SubjectName = ini.readString(section, QStringLiteral("SubjectName"));
    info.ProfilID = ini.readInteger(section, QStringLiteral("ProfilID"), -1);
    info.ProfilName = ini.readString(section, QStringLiteral("ProfilName"));
    info.ProfilPath = ini.readString(section, QStringLiteral("ProfilPath"));
    info.UserName = ini.readString(section, QStringLiteral("UserName"));
    info.DomName = ini.readString(section, QStringLiteral("DomName"));
    return info;
}

} // namespace Mail
