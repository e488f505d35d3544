#include "ContactInfoWriter.h"

#include "contactdb/Connection.h"

#include "base/Errors.h"
#include "base/IniFile.h"
#include "base/Paths.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace Host {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Host::ContactInfoWriter", text);
}

} // namespace

QString ContactInfoWriter::fileName()
{
    return Orv::programFile(u"ContactInfo.ini"_s);
}

QString ContactInfoWriter::write(const ContactInfo &info)
{
    Orv::IniFile ini(fileName());
    const QString section = u"Main"_s;
    ini.writeInteger(section, u"SubjectID"_s, info.subjectKind);
    ini.writeInteger(section, u"CPCX"_s, info.cpc);
    ini.writeInteger(section, u"CX"_s, info.c);
    ini.writeString(section, u"SubjectName"_s, info.subjectName);
    ini.writeInteger(section, u"ProfilID"_s, info.site);
    ini.writeString(section, u"ProfilName"_s, info.profileName);
    ini.writeString(section, u"ProfilPath"_s, info.profilePath.isEmpty() ? QString() : QDir(info.profilePath).absolutePath());
    ini.writeString(section, u"UserName"_s, info.userName);
    ini.writeString(section, u"DomName"_s, info.domName);
    ini.save();
    return ini.fileName();
}

QString ContactInfoWriter::subjectName(Db::Connection &connection, int kind, qint32 cpc, qint32 c)
{
    const QString sql = kind == 1 ? u"SELECT \"SUBJECT\" FROM \"FIRMVIEW\" WHERE \"CPCF\" = ? AND \"CF\" = ?"_s
                                  : u"SELECT \"SUBJECT\" FROM \"PERSONVIEW\" WHERE \"CPCO\" = ? AND \"CO\" = ?"_s;
    const QVariant name = connection.scalar(sql, {cpc, c});
    if (!name.isValid())
        throw EOrvUserError(tr("Subjekt %1/%2 v profilu není.").arg(cpc).arg(c));
    // Empty titles leave blanks at the ends and doubled inside ("  Jana Dvořáková ").
    return name.toString().simplified();
}

} // namespace Host
