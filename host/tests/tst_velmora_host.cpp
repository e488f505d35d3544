#include "contactdb/Connection.h"
#include "contactdb/Schema.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Runs the program as a user or a script would, and checks exit codes, output and files.
class tst_velmora_host : public QObject
{
    Q_OBJECT

private slots:
    void createAndShowDemoProfile();
    void badInput_data();
    void badInput();

private:
    struct Result { int exitCode; QString out; QString err; };
    static Result run(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(ORV_BINARY_DIR "/bin/velmora-host"), arguments);
        if (!process.waitForFinished(30'000))
            return {-1, {}, {}};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
};

void tst_velmora_host::createAndShowDemoProfile()
{
    QTemporaryDir dir;
    const QString profile = dir.filePath(u"p"_s);
    const Result created = run({u"profile"_s, u"create"_s, profile, u"--site"_s, u"7"_s, u"--demo"_s,
                                u"--name"_s, u"Kancelář"_s});
    QVERIFY2(created.exitCode == 0, qPrintable(created.err));

    Db::Connection connection;
    connection.openProfile(profile);
    QCOMPARE(connection.site(), 7);
    QCOMPARE(connection.profileName(), u"Kancelář"_s);
    for (const QString &table : Db::Schema::tableNames())
        QVERIFY2(connection.tableExists(table), qPrintable(table));
    QCOMPARE(connection.scalar(u"SELECT count(*) FROM \"CONNECT\" WHERE \"TELEFON\" = 'kancelar@gama-ucto.cz'"_s).toInt(), 2);
    QCOMPARE(connection.scalar(u"SELECT count(*) FROM \"CONNECT\" WHERE \"TELEFON\" = 'OBCHOD@BETASOFT.CZ' COLLATE BINARY"_s).toInt(), 1);
    QCOMPARE(connection.scalar(u"SELECT min(\"CPCF\") || '/' || max(\"CPCF\") FROM \"FIRM\""_s).toString(), u"7/7"_s);
    connection.close();

    const Result shown = run({u"profile"_s, u"show"_s, profile});
    QCOMPARE(shown.exitCode, 0);
    QVERIFY(shown.out.contains(u"Profil: Kancelář"_s));
    QVERIFY(shown.out.contains(u"Pobočka: 7"_s));
    QVERIFY(shown.out.contains(u"[7/1] Alfa Stavby s.r.o., Brno"_s));
    QVERIFY(shown.out.contains(u"      OBCHOD@BETASOFT.CZ"_s));
    QVERIFY(shown.out.contains(u"[7/2] Jana Dvořáková, Olomouc"_s));

    // A second create must not touch the existing profile.
    const Result again = run({u"profile"_s, u"create"_s, profile});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains(u"už existuje"_s));
}

void tst_velmora_host::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no arguments") << QStringList() << 2;
    QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << 2;
    QTest::newRow("profile without verb") << QStringList{u"profile"_s} << 2;
    QTest::newRow("create without directory") << QStringList{u"profile"_s, u"create"_s} << 2;
    QTest::newRow("site not a number") << QStringList{u"profile"_s, u"create"_s, u"/tmp/x"_s, u"--site"_s, u"sedm"_s} << 2;
    QTest::newRow("site zero") << QStringList{u"profile"_s, u"create"_s, u"/tmp/x"_s, u"--site"_s, u"0"_s} << 2;
    QTest::newRow("unknown option") << QStringList{u"profile"_s, u"create"_s, u"/tmp/x"_s, u"--bogus"_s} << 2;
    QTest::newRow("show of a missing profile") << QStringList{u"profile"_s, u"show"_s, u"/nonexistent/dir"_s} << 1;
    QTest::newRow("help") << QStringList{u"--help"_s} << 0;
}

void tst_velmora_host::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const Result result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode != 0)
        QVERIFY(!result.err.isEmpty());
}

QTEST_GUILESS_MAIN(tst_velmora_host)
#include "tst_velmora_host.moc"
