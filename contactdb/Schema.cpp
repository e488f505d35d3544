#include "contactdb/Schema.h"

#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"

#include "base/Errors.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Db {

namespace {

// Closing columns of every record the system writes.
#define ORV_AUDIT_COLUMNS \
    "\"CREATOR\" VARCHAR(60) NOT NULL DEFAULT '', \"LASTEDIT\" VARCHAR(60) NOT NULL DEFAULT '', " \
    "\"CRDATE\" TIMESTAMP, \"EDDATE\" TIMESTAMP, \"SYNDATE\" TIMESTAMP, " \
    "\"SITE\" INTEGER NOT NULL DEFAULT 0, \"COUNTER\" INTEGER NOT NULL DEFAULT 0"

#define ORV_ADDRESS_COLUMNS \
    "\"ULICE\" VARCHAR(80) NOT NULL DEFAULT '', \"ULICE2\" VARCHAR(80) NOT NULL DEFAULT '', " \
    "\"MISTO\" VARCHAR(60) NOT NULL DEFAULT '', \"PSC\" VARCHAR(15) NOT NULL DEFAULT '', " \
    "\"REGION\" VARCHAR(60) NOT NULL DEFAULT '', \"STAT\" VARCHAR(60) NOT NULL DEFAULT '', " \
    "\"POZN\" TEXT NOT NULL DEFAULT '', \"CS\" INTEGER NOT NULL DEFAULT 1"

// Version 1: the tables the programs and plug-ins name. Timestamp columns hold local ISO
// text; their declared type only documents that.
const char Migration1[] =
    "CREATE TABLE \"SITESET\" ("
    " \"ID\" INTEGER PRIMARY KEY CHECK (\"ID\" = 1),"
    " \"SITE\" INTEGER NOT NULL DEFAULT 0, \"PROFILNAME\" VARCHAR(80) NOT NULL DEFAULT '',"
    " \"LASTCF\" INTEGER NOT NULL DEFAULT 0, \"LASTCO\" INTEGER NOT NULL DEFAULT 0,"
    " \"LASTCS\" INTEGER NOT NULL DEFAULT 0, \"LASTCT\" INTEGER NOT NULL DEFAULT 0,"
    " \"LASTCEM\" INTEGER NOT NULL DEFAULT 0, \"LASTCL\" INTEGER NOT NULL DEFAULT 0,"
    " \"LASTCN\" INTEGER NOT NULL DEFAULT 0, \"LASTCOB\" INTEGER NOT NULL DEFAULT 0,"
    " \"LASTCM\" INTEGER NOT NULL DEFAULT 0, \"LASTCU\" INTEGER NOT NULL DEFAULT 0);"
    "INSERT INTO \"SITESET\" (\"ID\") VALUES (1);"

    "CREATE TABLE \"FIRM\" ("
    " \"CPCF\" INTEGER NOT NULL, \"CF\" INTEGER NOT NULL,"
    " \"FIRMA\" VARCHAR(120) NOT NULL DEFAULT '', \"PFORMA\" VARCHAR(30) NOT NULL DEFAULT '', "
    ORV_ADDRESS_COLUMNS ", " ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCF\", \"CF\"));"
    "CREATE INDEX \"iFIRMA_MISTO\" ON \"FIRM\" (\"FIRMA\", \"MISTO\");"

    "CREATE TABLE \"PERSON\" ("
    " \"CPCO\" INTEGER NOT NULL, \"CO\" INTEGER NOT NULL,"
    " \"FTITUL\" VARCHAR(30) NOT NULL DEFAULT '', \"FNAME\" VARCHAR(60) NOT NULL DEFAULT '',"
    " \"SNAME\" VARCHAR(60) NOT NULL DEFAULT '', \"STITUL\" VARCHAR(30) NOT NULL DEFAULT '', "
    ORV_ADDRESS_COLUMNS ", " ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCO\", \"CO\"));"
    "CREATE INDEX \"iSNAME_MISTO\" ON \"PERSON\" (\"SNAME\", \"MISTO\");"

    // TELEFON is an address as well as a number: e-mail addresses compare ignoring case.
    "CREATE TABLE \"CONNECT\" ("
    " \"ID\" INTEGER NOT NULL, \"CPCS\" INTEGER NOT NULL, \"CS\" INTEGER NOT NULL,"
    " \"CPCX\" INTEGER NOT NULL, \"CX\" INTEGER NOT NULL,"
    " \"SPOJTYP\" INTEGER NOT NULL DEFAULT 0, \"TYP\" INTEGER NOT NULL DEFAULT 0,"
    " \"VOLACKA\" VARCHAR(20) NOT NULL DEFAULT '',"
    " \"TELEFON\" VARCHAR(255) COLLATE NOCASE NOT NULL DEFAULT '',"
    " \"KATEGORIE\" VARCHAR(60) NOT NULL DEFAULT '', \"POZN\" TEXT NOT NULL DEFAULT '', "
    ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCS\", \"CS\"));"
    "CREATE INDEX \"iSUBJEKT_SPOJENI\" ON \"CONNECT\" (\"ID\", \"CPCX\", \"CX\");"
    "CREATE INDEX \"iID_SPOJTYP_TEL\" ON \"CONNECT\" (\"ID\", \"SPOJTYP\", \"TELEFON\");"
    "CREATE INDEX \"iTEL\" ON \"CONNECT\" (\"TELEFON\");"

    // ENTRYID is the mail client's identifier: compared exactly, never folded.
    "CREATE TABLE \"EMAIL\" ("
    " \"CPCEM\" INTEGER NOT NULL, \"CEM\" INTEGER NOT NULL,"
    " \"TO\" TEXT NOT NULL DEFAULT '', \"FROM\" TEXT NOT NULL DEFAULT '',"
    " \"SUBJECT\" TEXT NOT NULL DEFAULT '', \"DATE\" TIMESTAMP,"
    " \"HAS_ATTACH\" BOOLEAN NOT NULL DEFAULT 0, \"BODY\" BLOB,"
    " \"BODYTYPE\" INTEGER NOT NULL DEFAULT 0, \"UID\" VARCHAR(255) NOT NULL DEFAULT '',"
    " \"ENTRYID\" VARCHAR(255) COLLATE BINARY NOT NULL DEFAULT '', "
    ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCEM\", \"CEM\"));"
    "CREATE INDEX \"iENTRYID\" ON \"EMAIL\" (\"ENTRYID\");"
    "CREATE INDEX \"iUID\" ON \"EMAIL\" (\"UID\");"

    "CREATE TABLE \"LINK\" ("
    " \"ID\" INTEGER NOT NULL, \"CPCL\" INTEGER NOT NULL, \"CL\" INTEGER NOT NULL,"
    " \"CPCX\" INTEGER NOT NULL, \"CX\" INTEGER NOT NULL,"
    " \"CPCY\" INTEGER NOT NULL, \"CY\" INTEGER NOT NULL,"
    " \"PRIORITA\" INTEGER NOT NULL DEFAULT 0,"
    " \"SECTION\" VARCHAR(60) NOT NULL DEFAULT '', \"FUNCTION\" VARCHAR(60) NOT NULL DEFAULT '', "
    ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCL\", \"CL\"));"
    "CREATE INDEX \"iSUBJEKT_CX\" ON \"LINK\" (\"ID\", \"CPCX\", \"CX\", \"CPCY\", \"CY\");"
    "CREATE INDEX \"iSUBJEKT_CY\" ON \"LINK\" (\"ID\", \"CPCY\", \"CY\", \"CPCX\", \"CX\");"

    "CREATE TABLE \"DOCUMENT\" ("
    " \"ID\" INTEGER NOT NULL, \"CPCT\" INTEGER NOT NULL, \"CT\" INTEGER NOT NULL,"
    " \"CPCX\" INTEGER NOT NULL, \"CX\" INTEGER NOT NULL,"
    " \"DESC\" VARCHAR(255) NOT NULL DEFAULT '', \"PATH\" VARCHAR(1024) NOT NULL DEFAULT '',"
    " \"CATEGORY\" VARCHAR(60) NOT NULL DEFAULT '', \"MEMO\" TEXT NOT NULL DEFAULT '', "
    ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCT\", \"CT\"));"
    "CREATE INDEX \"iDESC\" ON \"DOCUMENT\" (\"DESC\");"
    "CREATE INDEX \"iSUBJEKT_DOKUMENT\" ON \"DOCUMENT\" (\"ID\", \"CPCX\", \"CX\", \"DESC\");"

    "CREATE TABLE \"USERS\" ("
    " \"CPCU\" INTEGER NOT NULL, \"CU\" INTEGER NOT NULL,"
    " \"DOMNAME\" VARCHAR(60) NOT NULL DEFAULT '', \"FULLNAME\" VARCHAR(120) NOT NULL DEFAULT '',"
    " \"ACCESS_TOTAL\" INTEGER NOT NULL DEFAULT 0, \"DIAR_GETS\" INTEGER NOT NULL DEFAULT 0,"
    " \"NOTE_GETS\" INTEGER NOT NULL DEFAULT 0, "
    ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCU\", \"CU\"));"
    "CREATE INDEX \"iDOMNAME\" ON \"USERS\" (\"DOMNAME\" COLLATE NOCASE);"
    // The built-in supervisor exists in every profile, before any site is known.
    "INSERT INTO \"USERS\" (\"CPCU\", \"CU\", \"DOMNAME\", \"FULLNAME\", \"ACCESS_TOTAL\","
    " \"DIAR_GETS\", \"NOTE_GETS\", \"CREATOR\", \"LASTEDIT\", \"COUNTER\")"
    " VALUES (0, 0, 'SUPERVISOR', 'Supervisor', 3, -1, -1, 'SUPERVISOR', 'SUPERVISOR', 1);"

    "CREATE TABLE \"NOTE\" ("
    " \"CPCN\" INTEGER NOT NULL, \"CN\" INTEGER NOT NULL,"
    " \"PRIVATED\" BOOLEAN NOT NULL DEFAULT 0, \"MEMOOWNER\" VARCHAR(60) NOT NULL DEFAULT '', "
    ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCN\", \"CN\"));"

    "CREATE TABLE \"ADDSET\" ("
    " \"ID\" INTEGER NOT NULL, \"CPCM\" INTEGER NOT NULL, \"CM\" INTEGER NOT NULL,"
    " \"CPCC\" INTEGER NOT NULL DEFAULT 0, \"CC\" INTEGER NOT NULL DEFAULT 0,"
    " \"DESC\" VARCHAR(120) NOT NULL DEFAULT '', \"TYP\" INTEGER NOT NULL DEFAULT 1,"
    " \"HINT\" VARCHAR(255) NOT NULL DEFAULT '', "
    ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCM\", \"CM\"));"
    "CREATE INDEX \"iADDSET_ID\" ON \"ADDSET\" (\"ID\", \"CPCC\", \"CC\");"

    "CREATE TABLE \"ADDVALUE\" ("
    " \"ID\" INTEGER NOT NULL, \"CPCX\" INTEGER NOT NULL, \"CX\" INTEGER NOT NULL,"
    " \"CPCM\" INTEGER NOT NULL, \"CM\" INTEGER NOT NULL,"
    " \"TYP\" INTEGER NOT NULL DEFAULT 1, \"VALUE\" TEXT NOT NULL DEFAULT '', "
    ORV_AUDIT_COLUMNS ");"
    "CREATE INDEX \"iID_CM_CX\" ON \"ADDVALUE\" (\"ID\", \"CPCM\", \"CM\", \"CPCX\", \"CX\");"

    "CREATE VIEW \"ADDVIEW\" AS SELECT \"CPCC\", \"CC\", \"CPCM\", \"CM\", \"DESC\", \"HINT\", \"TYP\", \"ID\""
    " FROM \"ADDSET\";"

    "CREATE TABLE \"LISTVALUE\" ("
    " \"CPCC\" INTEGER NOT NULL, \"CC\" INTEGER NOT NULL, \"CK\" INTEGER NOT NULL DEFAULT 0,"
    " \"STRING\" VARCHAR(255) NOT NULL DEFAULT '');"
    "CREATE INDEX \"iCC_STRING\" ON \"LISTVALUE\" (\"CPCC\", \"CC\", \"STRING\");"

    "CREATE TABLE \"COUNTRY\" ("
    " \"CS\" INTEGER NOT NULL PRIMARY KEY, \"STAT\" VARCHAR(60) COLLATE NOCASE NOT NULL DEFAULT '');"
    "CREATE INDEX \"iSTAT\" ON \"COUNTRY\" (\"STAT\");"
    "INSERT INTO \"COUNTRY\" (\"CS\", \"STAT\") VALUES (1, 'Česká republika'), (2, 'Slovensko'),"
    " (3, 'Německo'), (4, 'Rakousko'), (5, 'Polsko');"

    "CREATE TABLE \"TREEFOLDER\" ("
    " \"CPCOB\" INTEGER NOT NULL, \"COB\" INTEGER NOT NULL,"
    " \"CPCOBPA\" INTEGER NOT NULL DEFAULT 0, \"COBPA\" INTEGER NOT NULL DEFAULT 0,"
    " \"NAZEV\" VARCHAR(120) NOT NULL DEFAULT '', "
    ORV_AUDIT_COLUMNS ","
    " PRIMARY KEY (\"CPCOB\", \"COB\"));"
    "CREATE INDEX \"iPARENT\" ON \"TREEFOLDER\" (\"CPCOBPA\", \"COBPA\", \"NAZEV\");"

    "CREATE TABLE \"TREEMEMBER\" ("
    " \"ID\" INTEGER NOT NULL, \"CPCX\" INTEGER NOT NULL, \"CX\" INTEGER NOT NULL,"
    " \"CPCOB\" INTEGER NOT NULL, \"COB\" INTEGER NOT NULL,"
    " \"CW\" INTEGER NOT NULL DEFAULT 0, \"CPCO\" INTEGER NOT NULL DEFAULT 0, \"CO\" INTEGER NOT NULL DEFAULT 0,"
    " \"SORTSTRING\" VARCHAR(255) NOT NULL DEFAULT '', \"POZN\" TEXT NOT NULL DEFAULT '',"
    " \"X\" INTEGER NOT NULL DEFAULT 0, \"Y\" INTEGER NOT NULL DEFAULT 0, "
    ORV_AUDIT_COLUMNS ");"
    "CREATE INDEX \"iCPCOB_COB_ID_S\" ON \"TREEMEMBER\" (\"CPCOB\", \"COB\", \"ID\", \"SORTSTRING\");"
    "CREATE INDEX \"iID_CX_CW\" ON \"TREEMEMBER\""
    " (\"ID\", \"CPCX\", \"CX\", \"CW\", \"CPCO\", \"CO\", \"CPCOB\", \"COB\");"

    // Display strings of the host's subject views.
    "CREATE VIEW \"FIRMVIEW\" AS SELECT \"CPCF\", \"CF\","
    " \"FIRMA\" || ' ' || \"PFORMA\" AS \"SUBJECT\","
    " \"ULICE\" || ', ' || \"PSC\" || ' ' || \"MISTO\" AS \"ADDR\","
    " \"FIRMA\" || ' ' || \"PFORMA\" || ', ' || \"MISTO\" AS \"UNIQUE\""
    " FROM \"FIRM\";"
    "CREATE VIEW \"PERSONVIEW\" AS SELECT \"CPCO\", \"CO\","
    " \"FTITUL\" || ' ' || \"FNAME\" || ' ' || \"SNAME\" || ' ' || \"STITUL\" AS \"SUBJECT\","
    " \"ULICE\" || ', ' || \"PSC\" || ' ' || \"MISTO\" AS \"ADDR\","
    " \"SNAME\" || ' ' || \"FNAME\" || ', ' || \"MISTO\" AS \"UNIQUE\""
    " FROM \"PERSON\";";

#undef ORV_AUDIT_COLUMNS
#undef ORV_ADDRESS_COLUMNS

} // namespace

// Access levels per application area (0 none, 1 read, 2 edit and add, 3 full; diary and
// notes 0 or 1). New users start with none; the built-in supervisor has every right.
const char Migration2[] =
    "ALTER TABLE \"USERS\" ADD COLUMN \"LOGNAME\" VARCHAR(60) NOT NULL DEFAULT '';"
    "ALTER TABLE \"USERS\" ADD COLUMN \"SUPERVISOR\" BOOLEAN NOT NULL DEFAULT 0;"
    "ALTER TABLE \"USERS\" ADD COLUMN \"ACCESS_FIRM\" INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE \"USERS\" ADD COLUMN \"ACCESS_PERSON\" INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE \"USERS\" ADD COLUMN \"ACCESS_COMMON\" INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE \"USERS\" ADD COLUMN \"ACCESS_ADDSET\" INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE \"USERS\" ADD COLUMN \"ACCESS_TREE\" INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE \"USERS\" ADD COLUMN \"ACCESS_DIAR\" INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE \"USERS\" ADD COLUMN \"ACCESS_NOTE\" INTEGER NOT NULL DEFAULT 0;"
    "UPDATE \"USERS\" SET \"LOGNAME\" = 'SUPERVISOR', \"SUPERVISOR\" = 1, \"ACCESS_FIRM\" = 3,"
    " \"ACCESS_PERSON\" = 3, \"ACCESS_COMMON\" = 3, \"ACCESS_ADDSET\" = 3, \"ACCESS_TREE\" = 3,"
    " \"ACCESS_DIAR\" = 1, \"ACCESS_NOTE\" = 1 WHERE \"CPCU\" = 0 AND \"CU\" = 0;";

// Planner hints for a profile that was never analysed: without them SQLite prefers the
// primary keys and scans every e-mail link per message when it reloads links. A later
// ANALYZE replaces them with real figures.
const char Migration3[] =
    "ANALYZE sqlite_schema;"
    "INSERT INTO sqlite_stat1 (tbl, idx, stat) VALUES"
    " ('EMAIL', 'iENTRYID', '100000 1'),"
    " ('LINK', 'iSUBJEKT_CY', '100000 25000 2 2 1 1'),"
    " ('LINK', 'iSUBJEKT_CX', '100000 25000 4 2 1 1'),"
    " ('CONNECT', 'iTEL', '100000 2'),"
    " ('CONNECT', 'iID_SPOJTYP_TEL', '100000 25000 12500 2');"
    "ANALYZE sqlite_schema;"; // loads the hints into this connection too

const QStringList &Schema::migrations()
{
    static const QStringList list = {
        QString::fromUtf8(Migration1),
        QString::fromUtf8(Migration2),
        QString::fromUtf8(Migration3),
    };
    return list;
}

QStringList Schema::tableNames()
{
    return {u"SITESET"_s, u"FIRM"_s, u"PERSON"_s, u"CONNECT"_s, u"EMAIL"_s, u"LINK"_s,
            u"DOCUMENT"_s, u"USERS"_s, u"NOTE"_s, u"ADDSET"_s, u"ADDVALUE"_s, u"ADDVIEW"_s,
            u"LISTVALUE"_s, u"COUNTRY"_s, u"TREEFOLDER"_s, u"TREEMEMBER"_s, u"FIRMVIEW"_s,
            u"PERSONVIEW"_s};
}

void Schema::upgrade(Connection &connection)
{
    const int version = connection.schemaVersion();
    if (version > currentVersion())
        throw EOrvDatabaseError(QCoreApplication::translate("Db::Schema",
                                    "Databázi profilu vytvořila novější verze programu."),
                                u"schema version %1 is newer than %2"_s.arg(version).arg(currentVersion()));
    for (int v = version; v < currentVersion(); ++v) {
        Transaction transaction(connection);
        connection.executeMulti(migrations().at(v));
        connection.executeMulti(u"PRAGMA user_version = %1"_s.arg(v + 1));
        transaction.commit();
    }
}

} // namespace Db
