#include "ContextCommand.h"

#include "ArgumentReader.h"

#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"

#include "base/Errors.h"
#include "base/IniFile.h"
#include "base/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Host {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Host::ContextCommand", text);
}

// The display name the host shows for a firm or person; empty when the record is missing.
QString subjectName(Db::Connection &connection, int kind, int cpc, int c)
{
    const QString sql = kind == 1
        ? u"SELECT \"FIRMA\" || ' ' || \"PFORMA\" FROM \"FIRM\" WHERE \"CPCF\" = ? AND \"CF\" = ?"_s
        : u"SELECT \"FTITUL\" || ' ' || \"FNAME\" || ' ' || \"SNAME\" || ' ' || \"STITUL\""
          " FROM \"PERSON\" WHERE \"CPCO\" = ? AND \"CO\" = ?"_s;
    const QVariant name = connection.scalar(sql, {cpc, c});
    if (!name.isValid())
        throw EOrvUserError(tr("Subjekt %1/%2 v profilu není.").arg(cpc).arg(c));
    return name.toString();
}

} // namespace

QString ContextCommand::name() const
{
    return u"context"_s;
}

QString ContextCommand::usage() const
{
    return u"  context --profile DIR [--site N] --subject KIND CPC C [--name TEXT] [--user U] [--domname D]\n"
           "      writes ContactInfo.ini in the program directory: the profile, the user and the\n"
           "      current subject (KIND 1 firm, 2 person, 0 none); the name is read from the\n"
           "      profile when not given\n"_s;
}

int ContextCommand::run(const QStringList &arguments, QTextStream &out)
{
    ArgumentReader reader(arguments);
    const QString profile = reader.takeValue(u"--profile"_s);
    int site = reader.takeInteger(u"--site"_s, 0);
    const QStringList subject = reader.takeValues(u"--subject"_s, 3);
    QString name = reader.takeValue(u"--name"_s);
    const QString user = reader.takeValue(u"--user"_s, u"Supervisor"_s);
    const QString domainName = reader.takeValue(u"--domname"_s, u"SUPERVISOR"_s);
    if (!reader.rest().isEmpty())
        throw UsageError(tr("Nadbytečný argument: %1").arg(reader.rest().first()));
    if (profile.isEmpty())
        throw UsageError(tr("Chybí volba --profile."));

    int kind = 0, cpc = -1, c = -1;
    if (!subject.isEmpty()) {
        bool okKind = false, okCpc = false, okC = false;
        kind = subject.at(0).toInt(&okKind);
        cpc = subject.at(1).toInt(&okCpc);
        c = subject.at(2).toInt(&okC);
        if (!okKind || !okCpc || !okC)
            throw UsageError(tr("--subject potřebuje tři celá čísla: druh, CPC a C."));
    }

    const QString databasePath = Db::Connection::profileDatabasePath(profile);
    if (!QFileInfo::exists(databasePath))
        throw EOrvUserError(tr("V adresáři %1 není žádný profil.").arg(QDir::toNativeSeparators(profile)));
    Db::Connection connection;
    connection.open(databasePath);
    if (site == 0)
        site = connection.site();
    if (name.isEmpty() && (kind == 1 || kind == 2))
        name = subjectName(connection, kind, cpc, c);

    Orv::IniFile ini(Orv::programFile(u"ContactInfo.ini"_s));
    const QString section = u"Main"_s;
    ini.writeInteger(section, u"SubjectID"_s, kind);
    ini.writeInteger(section, u"CPCX"_s, cpc);
    ini.writeInteger(section, u"CX"_s, c);
    ini.writeString(section, u"SubjectName"_s, name);
    ini.writeInteger(section, u"ProfilID"_s, site);
    ini.writeString(section, u"ProfilName"_s, connection.profileName());
    ini.writeString(section, u"ProfilPath"_s, QDir(profile).absolutePath());
    ini.writeString(section, u"UserName"_s, user);
    ini.writeString(section, u"DomName"_s, domainName);
    ini.save();
    out << ini.fileName() << '\n';
    return 0;
}

} // namespace Host
