#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"
#include "contactdb/Schema.h"

#include "TestProfile.h"

#include "base/Errors.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_Connection : public QObject
{
    Q_OBJECT

private slots:
    void schemaHasEveryTableAndIndex();
    void reopeningKeepsDataAndRefusesNewerFiles();
    void storageForms_data();
    void storageForms();
    void collations_data();
    void collations();
    void nestedTransactions();
    void faultHookFailsTheNthStep();
    void profileIdentityAndCounters();
};

void tst_Connection::schemaHasEveryTableAndIndex()
{
    TestProfile profile;
    for (const QString &table : Db::Schema::tableNames())
        QVERIFY2(profile.connection().tableExists(table), qPrintable(table));
    const QStringList indexes = {u"iFIRMA_MISTO"_s, u"iSNAME_MISTO"_s, u"iSUBJEKT_SPOJENI"_s, u"iID_SPOJTYP_TEL"_s,
                                 u"iTEL"_s, u"iUID"_s, u"iSUBJEKT_CX"_s, u"iSUBJEKT_CY"_s, u"iDESC"_s,
                                 u"iCC_STRING"_s, u"iCPCOB_COB_ID_S"_s};
    for (const QString &index : indexes) {
        QVERIFY2(profile.connection().scalar(u"SELECT count(*) FROM sqlite_schema WHERE type = 'index' AND name = ?"_s,
                                             {index}).toInt() == 1, qPrintable(index));
    }
    QCOMPARE(profile.connection().schemaVersion(), Db::Schema::currentVersion());
    QCOMPARE(profile.rowCount(u"SITESET"_s), 1);
    QCOMPARE(profile.connection().scalar(u"SELECT \"DOMNAME\" FROM \"USERS\""_s).toString(), u"SUPERVISOR"_s);
    QCOMPARE(profile.connection().scalar(u"PRAGMA journal_mode"_s).toString(), u"wal"_s);
    // SITESET stays a single row.
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError,
                             profile.connection().execute(u"INSERT INTO \"SITESET\" (\"ID\") VALUES (2)"_s));
}

void tst_Connection::reopeningKeepsDataAndRefusesNewerFiles()
{
    TestProfile profile(7);
    profile.connection().setProfile(u"Kancelář"_s, 7);
    profile.connection().execute(u"INSERT INTO \"COUNTRY\" (\"CS\", \"STAT\") VALUES (9, 'Itálie')"_s);
    profile.connection().close();

    Db::Connection again;
    again.openProfile(profile.path());
    QCOMPARE(again.site(), 7);
    QCOMPARE(again.profileName(), u"Kancelář"_s);
    QCOMPARE(again.scalar(u"SELECT \"STAT\" FROM \"COUNTRY\" WHERE \"CS\" = 9"_s).toString(), u"Itálie"_s);

    again.executeMulti(u"PRAGMA user_version = %1"_s.arg(Db::Schema::currentVersion() + 1));
    again.close();
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, again.openProfile(profile.path()));
    QVERIFY(!again.isOpen());
}

void tst_Connection::storageForms_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("type");
    QTest::newRow("date-time as local ISO text")
        << QVariant(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58, 9))) << QVariant(u"2024-02-29T23:59:58.009"_s)
        << u"text"_s;
    QTest::newRow("true") << QVariant(true) << QVariant(1) << u"integer"_s;
    QTest::newRow("false") << QVariant(false) << QVariant(0) << u"integer"_s;
    QTest::newRow("bytes as blob") << QVariant(QByteArray("\0\x01\xff", 3)) << QVariant(QByteArray("\0\x01\xff", 3))
                                   << u"blob"_s;
    QTest::newRow("empty bytes stay a blob") << QVariant(QByteArray("")) << QVariant(QByteArray("")) << u"blob"_s;
    QTest::newRow("czech text") << QVariant(u"Žluťoučký"_s) << QVariant(u"Žluťoučký"_s) << u"text"_s;
    QTest::newRow("64-bit integer") << QVariant(qint64(1) << 40) << QVariant(qint64(1) << 40) << u"integer"_s;
    QTest::newRow("null") << QVariant() << QVariant() << u"null"_s;
}

void tst_Connection::storageForms()
{
    QFETCH(QVariant, value);
    QFETCH(QVariant, stored);
    QFETCH(QString, type);
    TestProfile profile;
    const Db::RowSet rows = profile.connection().query(u"SELECT ?, typeof(?)"_s, {value, value});
    QCOMPARE(rows.value(0, 0), stored);
    QCOMPARE(rows.value(0, 1).toString(), type);
    if (value.typeId() == QMetaType::QDateTime)
        QCOMPARE(Db::Connection::dateTimeFromText(rows.value(0, 0)), value.toDateTime());
}

void tst_Connection::collations_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("rows");
    const QString telefon = u"SELECT count(*) FROM \"CONNECT\" WHERE \"TELEFON\" = ?"_s;
    const QString entryId = u"SELECT count(*) FROM \"EMAIL\" WHERE \"ENTRYID\" = ?"_s;
    QTest::newRow("TELEFON exact") << telefon << u"Jan@Example.cz"_s << 1;
    QTest::newRow("TELEFON other case") << telefon << u"jan@example.CZ"_s << 1;
    QTest::newRow("TELEFON trailing blank") << telefon << u"jan@example.cz "_s << 0;
    QTest::newRow("ENTRYID exact") << entryId << u"00AbCd"_s << 1;
    QTest::newRow("ENTRYID other case") << entryId << u"00abcd"_s << 0;
}

void tst_Connection::collations()
{
    QFETCH(QString, sql);
    QFETCH(QString, value);
    QFETCH(int, rows);
    TestProfile profile;
    profile.connection().execute(u"INSERT INTO \"CONNECT\" (\"ID\", \"CPCS\", \"CS\", \"CPCX\", \"CX\", \"TELEFON\")"
                                 " VALUES (61, 1, 1, 1, 1, 'Jan@Example.cz')"_s);
    profile.connection().execute(u"INSERT INTO \"EMAIL\" (\"CPCEM\", \"CEM\", \"ENTRYID\") VALUES (1, 1, '00AbCd')"_s);
    QCOMPARE(profile.connection().scalar(sql, {value}).toInt(), rows);
}

void tst_Connection::nestedTransactions()
{
    TestProfile profile;
    Db::Connection &db = profile.connection();
    const QString insert = u"INSERT INTO \"COUNTRY\" (\"CS\", \"STAT\") VALUES (?, 'x')"_s;
    {
        Db::Transaction outer(db);
        db.execute(insert, {10});
        {
            Db::Transaction inner(db);
            db.execute(insert, {11});
        }                                        // inner rolled back, outer goes on
        {
            Db::Transaction inner(db);
            db.execute(insert, {12});
            inner.commit();
        }
        QCOMPARE(db.transactionDepth(), 1);
        outer.commit();
    }
    QCOMPARE(db.scalar(u"SELECT group_concat(\"CS\") FROM \"COUNTRY\" WHERE \"CS\" >= 10"_s).toString(), u"10,12"_s);
    {
        Db::Transaction outer(db);
        db.execute(insert, {13});
    }
    QCOMPARE(profile.rowCount(u"COUNTRY"_s), 7);
    QCOMPARE(db.transactionDepth(), 0);
}

void tst_Connection::faultHookFailsTheNthStep()
{
    TestProfile profile;
    Db::Connection &db = profile.connection();
    db.failStep(2);
    db.scalar(u"SELECT 1"_s);
    QVERIFY(db.faultPending());
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, db.scalar(u"SELECT 2"_s));
    QVERIFY(!db.faultPending());
    QCOMPARE(db.scalar(u"SELECT 2"_s).toInt(), 2);   // once only; the cached statement still works
}

void tst_Connection::profileIdentityAndCounters()
{
    TestProfile profile(5);
    Db::Connection &db = profile.connection();
    QCOMPARE(db.site(), 5);
    QCOMPARE(db.nextCounter(u"LASTCEM"_s), 1);
    QCOMPARE(db.nextCounter(u"LASTCEM"_s), 2);
    QCOMPARE(profile.counter(u"LASTCL"_s), 0);
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, db.nextCounter(u"LASTCEM\" = 0; --"_s));
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, db.nextCounter(u"LASTNOTHING"_s));
}

QTEST_GUILESS_MAIN(tst_Connection)
#include "tst_Connection.moc"
