#include "ProfileCommand.h"

#include "contactdb/Connection.h"
#include "contactdb/DemoData.h"
#include "contactdb/RowSet.h"
#include "contactdb/Schema.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Host {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Host::ProfileCommand", text);
}

// E-mail connections of one subject, in key order.
QStringList emailsOf(Db::Connection &connection, int ownerId, qint64 cpc, qint64 c)
{
    const Db::RowSet rows = connection.query(
        u"SELECT \"TELEFON\" FROM \"CONNECT\" WHERE \"ID\" = ? AND \"CPCX\" = ? AND \"CX\" = ?"
        " AND \"SPOJTYP\" = 1 AND \"TYP\" = 1 ORDER BY \"CPCS\", \"CS\""_s,
        {ownerId, cpc, c});
    QStringList list;
    for (const QVariantList &row : rows.rows())
        list << row.first().toString();
    return list;
}

} // namespace

QString ProfileCommand::name() const
{
    return u"profile"_s;
}

QString ProfileCommand::usage() const
{
    return u"  profile create DIR [--name NAME] [--site N] [--demo]\n"
           "      creates a new profile database DIR/contacts.sqlite (site 1 and the directory's\n"
           "      name unless given); --demo adds sample firms, persons and e-mail addresses\n"
           "  profile show DIR\n"
           "      prints the profile's name, site, row counts and its firms and persons\n"_s;
}

int ProfileCommand::run(const QStringList &arguments, QTextStream &out)
{
    if (arguments.isEmpty())
        throw UsageError(tr("Chybí příkaz: create nebo show."));
    const QString verb = arguments.first();
    if (verb == u"create"_s)
        return create(arguments.mid(1), out);
    if (verb == u"show"_s)
        return show(arguments.mid(1), out);
    throw UsageError(tr("Neznámý příkaz profilu: %1").arg(verb));
}

int ProfileCommand::create(const QStringList &arguments, QTextStream &out)
{
    QString directory, name;
    int site = 1;
    bool demo = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--demo"_s) {
            demo = true;
        } else if (argument == u"--name"_s || argument == u"--site"_s) {
            if (i + 1 >= arguments.size())
                throw UsageError(tr("Volba %1 potřebuje hodnotu.").arg(argument));
            const QString value = arguments.at(++i);
            if (argument == u"--name"_s) {
                name = value;
            } else {
                bool ok = false;
                site = value.toInt(&ok);
                if (!ok || site <= 0)
                    throw UsageError(tr("Číslo pobočky musí být kladné celé číslo: %1").arg(value));
            }
        } else if (argument.startsWith(u"--"_s)) {
            throw UsageError(tr("Neznámá volba: %1").arg(argument));
        } else if (directory.isEmpty()) {
            directory = argument;
        } else {
            throw UsageError(tr("Nadbytečný argument: %1").arg(argument));
        }
    }
    if (directory.isEmpty())
        throw UsageError(tr("Chybí adresář profilu."));

    const QString path = Db::Connection::profileDatabasePath(directory);
    // Never reuse a file: a second "create" must not mix demo rows into a real profile.
    if (QFileInfo::exists(path))
        throw EOrvUserError(tr("Profil v adresáři %1 už existuje.").arg(QDir::toNativeSeparators(directory)));
    if (!QDir().mkpath(directory))
        throw EOrvUserError(tr("Adresář %1 nelze vytvořit.").arg(QDir::toNativeSeparators(directory)));
    if (name.isEmpty())
        name = QFileInfo(QDir(directory).absolutePath()).fileName();

    try {
        Db::Connection connection;
        connection.open(path);
        connection.setProfile(name, site);
        if (demo)
            Db::DemoData::fill(connection);
        connection.close();
    } catch (...) {
        // A half-made profile would be taken for a real one next time.
        for (const QString &suffix : {u""_s, u"-wal"_s, u"-shm"_s})
            QFile::remove(path + suffix);
        throw;
    }
    out << tr("Profil \"%1\" (pobočka %2) vytvořen: %3").arg(name).arg(site).arg(path) << '\n';
    return 0;
}

int ProfileCommand::show(const QStringList &arguments, QTextStream &out)
{
    if (arguments.size() != 1 || arguments.first().startsWith(u"--"_s))
        throw UsageError(tr("Použití: profile show DIR"));
    const QString path = Db::Connection::profileDatabasePath(arguments.first());
    if (!QFileInfo::exists(path))
        throw EOrvUserError(tr("V adresáři %1 není žádný profil (%2 chybí).")
                                .arg(QDir::toNativeSeparators(arguments.first()), Db::Connection::databaseFileName()));
    Db::Connection connection;
    connection.open(path);
    printSummary(connection, out);
    return 0;
}

void ProfileCommand::printSummary(Db::Connection &connection, QTextStream &out)
{
    out << tr("Profil: %1").arg(connection.profileName()) << '\n'
        << tr("Pobočka: %1").arg(connection.site()) << '\n'
        << tr("Databáze: %1 (verze schématu %2)").arg(connection.filePath()).arg(connection.schemaVersion()) << '\n'
        << '\n' << tr("Počty řádků:") << '\n';
    for (const QString &table : Db::Schema::tableNames()) {
        const qint64 count = connection.scalar(u"SELECT count(*) FROM \"%1\""_s.arg(table)).toLongLong();
        out << u"  %1 %2"_s.arg(table, -12).arg(count, 6) << '\n';
    }

    out << '\n' << tr("Firmy:") << '\n';
    const Db::RowSet firms = connection.query(
        u"SELECT \"CPCF\", \"CF\", \"FIRMA\" || ' ' || \"PFORMA\", \"MISTO\" FROM \"FIRM\""
        " ORDER BY \"FIRMA\", \"MISTO\""_s);
    for (const QVariantList &row : firms.rows()) {
        const qint64 cpc = row.at(0).toLongLong(), c = row.at(1).toLongLong();
        out << u"  [%1/%2] %3, %4"_s.arg(cpc).arg(c).arg(row.at(2).toString().trimmed(), row.at(3).toString()) << '\n';
        for (const QString &email : emailsOf(connection, 61, cpc, c))
            out << u"      "_s << email << '\n';
    }
    out << '\n' << tr("Osoby:") << '\n';
    const Db::RowSet persons = connection.query(
        u"SELECT \"CPCO\", \"CO\", \"FTITUL\" || ' ' || \"FNAME\" || ' ' || \"SNAME\" || ' ' || \"STITUL\", \"MISTO\""
        " FROM \"PERSON\" ORDER BY \"SNAME\", \"MISTO\""_s);
    for (const QVariantList &row : persons.rows()) {
        const qint64 cpc = row.at(0).toLongLong(), c = row.at(1).toLongLong();
        out << u"  [%1/%2] %3, %4"_s.arg(cpc).arg(c).arg(row.at(2).toString().simplified(), row.at(3).toString()) << '\n';
        for (const QString &email : emailsOf(connection, 62, cpc, c))
            out << u"      "_s << email << '\n';
    }
}

} // namespace Host
