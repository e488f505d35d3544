#include "ContextCommand.h"

#include "ArgumentReader.h"
#include "ContactInfoWriter.h"

#include "contactdb/Connection.h"

#include "base/Errors.h"

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
        name = ContactInfoWriter::subjectName(connection, kind, cpc, c);

    ContactInfo info;
    info.subjectKind = kind;
    info.cpc = cpc;
    info.c = c;
    info.subjectName = name;
    info.site = site;
    info.profileName = connection.profileName();
    info.profilePath = profile;
    info.userName = user;
    info.domName = domainName;
    out << ContactInfoWriter::write(info) << '\n';
    return 0;
}

} // namespace Host
