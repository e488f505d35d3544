#include "contactdb/Connection.h"
#include "contactdb/Schema.h"

#include "platform/ipc/WindowMessages.h"

#include "base/IniFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
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
    void contextFollowsTheChosenSubject();
    void listenLogsWhatItReceives();
    void noArgumentsOpensTheWindowOnTheDemoProfile();
    void screenshotRendersTheWindow();

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
    QTest::newRow("window with an unknown option") << QStringList{u"--bogus"_s} << 2;
    QTest::newRow("window with a missing profile") << QStringList{u"--profile"_s, u"/nonexistent/dir"_s} << 1;
    QTest::newRow("window with a stray argument") << QStringList{u"--profile"_s, u"/tmp"_s, u"now"_s} << 2;
    QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << 2;
    QTest::newRow("profile without verb") << QStringList{u"profile"_s} << 2;
    QTest::newRow("create without directory") << QStringList{u"profile"_s, u"create"_s} << 2;
    QTest::newRow("site not a number") << QStringList{u"profile"_s, u"create"_s, u"/tmp/x"_s, u"--site"_s, u"sedm"_s} << 2;
    QTest::newRow("site zero") << QStringList{u"profile"_s, u"create"_s, u"/tmp/x"_s, u"--site"_s, u"0"_s} << 2;
    QTest::newRow("unknown option") << QStringList{u"profile"_s, u"create"_s, u"/tmp/x"_s, u"--bogus"_s} << 2;
    QTest::newRow("show of a missing profile") << QStringList{u"profile"_s, u"show"_s, u"/nonexistent/dir"_s} << 1;
    QTest::newRow("help") << QStringList{u"--help"_s} << 0;
    QTest::newRow("context without profile") << QStringList{u"context"_s, u"--subject"_s, u"1"_s, u"7"_s, u"1"_s} << 2;
    QTest::newRow("context with a short subject") << QStringList{u"context"_s, u"--profile"_s, u"/tmp/x"_s, u"--subject"_s, u"1"_s} << 2;
    QTest::newRow("context of a missing profile") << QStringList{u"context"_s, u"--profile"_s, u"/nonexistent/dir"_s} << 1;
    QTest::newRow("listen with a stray argument") << QStringList{u"listen"_s, u"now"_s} << 2;
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

void tst_velmora_host::contextFollowsTheChosenSubject()
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(u"config"_s).toLocal8Bit());
    const QString profile = dir.filePath(u"p"_s);
    QCOMPARE(run({u"profile"_s, u"create"_s, profile, u"--site"_s, u"7"_s, u"--demo"_s}).exitCode, 0);

    const Result written = run({u"context"_s, u"--profile"_s, profile, u"--subject"_s, u"1"_s, u"7"_s, u"1"_s,
                                u"--domname"_s, u"NOVAK"_s});
    QVERIFY2(written.exitCode == 0, qPrintable(written.err));
    const Orv::IniFile ini(dir.filePath(u"config/orvanta/ContactInfo.ini"_s));
    QCOMPARE(ini.readInteger(u"Main"_s, u"SubjectID"_s), 1);
    QCOMPARE(ini.readInteger(u"Main"_s, u"CX"_s), 1);
    QCOMPARE(ini.readInteger(u"Main"_s, u"ProfilID"_s), 7); // the profile's own site
    QCOMPARE(ini.readString(u"Main"_s, u"SubjectName"_s), u"Alfa Stavby s.r.o."_s);
    QCOMPARE(ini.readString(u"Main"_s, u"ProfilPath"_s), QDir(profile).absolutePath());
    QCOMPARE(ini.readString(u"Main"_s, u"DomName"_s), u"NOVAK"_s);

    const Result missing = run({u"context"_s, u"--profile"_s, profile, u"--subject"_s, u"2"_s, u"7"_s, u"999"_s});
    QCOMPARE(missing.exitCode, 1);
    qunsetenv("XDG_CONFIG_HOME");
}

void tst_velmora_host::listenLogsWhatItReceives()
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    const QString logPath = dir.filePath(u"host.log"_s);
    QProcess listener;
    listener.start(QStringLiteral(ORV_BINARY_DIR "/bin/velmora-host"), {u"listen"_s, u"--log"_s, logPath});
    QVERIFY(listener.waitForStarted());
    QTRY_VERIFY(Ipc::findWindow(u"TFM_ContactMain"_s));

    QVERIFY(Ipc::sendMessage(u"TFM_ContactMain"_s, Ipc::WindowMessage{2124, 0, 0}));
    QVERIFY(Ipc::sendMessage(u"TFM_ContactMain"_s, Ipc::WindowMessage{2046, 7, 1}));
    listener.terminate();
    listener.waitForFinished();

    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), QByteArray("2124 0 0\n2046 7 1\n"));
    qunsetenv("XDG_CONFIG_HOME");
}

void tst_velmora_host::noArgumentsOpensTheWindowOnTheDemoProfile()
{
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, dir.filePath(u"config"_s));
    environment.insert(u"XDG_DATA_HOME"_s, dir.filePath(u"data"_s));
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    qputenv("XDG_CONFIG_HOME", dir.filePath(u"config"_s).toLocal8Bit());
    QProcess host;
    host.setProcessEnvironment(environment);
    host.start(QStringLiteral(ORV_BINARY_DIR "/bin/velmora-host"), {});
    QVERIFY(host.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Ipc::findWindow(u"TFM_ContactMain"_s), 20'000);

    // The demo profile was made where the window looked for it; open a person of it.
    Db::Connection demo;
    demo.openProfile(dir.filePath(u"data/orvanta/demo"_s));
    const int co = demo.scalar(u"SELECT \"CO\" FROM \"PERSON\" WHERE \"SNAME\" = 'Novák'"_s).toInt();
    QVERIFY(Ipc::sendMessage(u"TFM_ContactMain"_s, Ipc::WindowMessage{2047, demo.site(), co}));
    const Orv::IniFile ini(dir.filePath(u"config/orvanta/ContactInfo.ini"_s));
    QCOMPARE(ini.readString(u"Main"_s, u"SubjectName"_s), u"Ing. Jan Novák"_s);
    QCOMPARE(ini.readString(u"Main"_s, u"ProfilPath"_s), dir.filePath(u"data/orvanta/demo"_s));
    host.terminate();
    QVERIFY(host.waitForFinished());
    qunsetenv("XDG_CONFIG_HOME");
}

void tst_velmora_host::screenshotRendersTheWindow()
{
    QTemporaryDir dir;
    const QString profile = dir.filePath(u"p"_s);
    QCOMPARE(run({u"profile"_s, u"create"_s, profile, u"--demo"_s}).exitCode, 0);
    qputenv("XDG_CONFIG_HOME", dir.filePath(u"config"_s).toLocal8Bit());
    const QString png = dir.filePath(u"host.png"_s);
    const Result shot = run({u"--profile"_s, profile, u"--screenshot"_s, png});
    QVERIFY2(shot.exitCode == 0, qPrintable(shot.err));
    const QImage image(png);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() >= 400 && image.height() >= 300);
    // A screenshot is no session: the current subject of a running host stays as it was.
    QVERIFY(!QFile::exists(dir.filePath(u"config/orvanta/ContactInfo.ini"_s)));
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_GUILESS_MAIN(tst_velmora_host)
#include "tst_velmora_host.moc"
