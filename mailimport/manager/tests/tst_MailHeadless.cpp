#include "HostLog.h"

#include "mailimport/manager/MailHostMessages.h"
#include "mailimport/testsupport/TestProfile.h"

#include "platform/eml/StoreBuilder.h"

#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Mail;
using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

// The whole road from a shell's point of view: a profile, a Windows Mail store and the
// program's ini files; the headless program downloads, imports automatically, reloads and
// saves, and tells the host.
class tst_MailHeadless : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void downloadImportReloadSave();
    void badInput_data();
    void badInput();

private:
    Run run(const QStringList &args);
    void writeFile(const QString &name, const QString &text);
    void writeContactInfo(const SubjectKey &subject);
    QString messageId(const QString &id) const;
    QStringList linesOf(const QString &text) const { return text.split(u'\n', Qt::SkipEmptyParts); }

    QTemporaryDir m_config;
    QTemporaryDir m_work;
    std::unique_ptr<Test::TestProfile> m_profile;
    std::unique_ptr<HostLog> m_host;
    SubjectKey m_alfa, m_beta, m_eva, m_petr;
};

void tst_MailHeadless::initTestCase()
{
    QVERIFY(m_config.isValid() && m_work.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    QVERIFY(QDir().mkpath(m_config.filePath(u"orvanta"_s)));
    m_host = std::make_unique<HostLog>();
    QVERIFY(m_host->listening());

    m_profile = std::make_unique<Test::TestProfile>();
    m_alfa = m_profile->addFirm(u"Alfa"_s, u"a.s."_s);
    m_profile->addAddress(m_alfa, u"jan.novak@alfa.cz"_s);
    m_beta = m_profile->addFirm(u"Beta"_s, u"s.r.o."_s);
    m_eva = m_profile->addPerson(u"Eva"_s, u"Svobodová"_s);
    m_profile->addAddress(m_beta, u"eva.svobodova@beta.cz"_s);     // at a firm and a person
    m_profile->addAddress(m_eva, u"eva.svobodova@beta.cz"_s);
    m_petr = m_profile->addPerson(u"Petr"_s, u"Malý"_s);
    m_profile->addAddress(m_petr, u"petr@gama.cz"_s);

    // Inbox 0..7 and sent 0..5 go to the four addresses in turn; every third has an attachment.
    Eml::StoreBuilder store(m_work.filePath(u"store"_s), Eml::StoreBuilder::Layout::WindowsMail);
    Eml::StoreBuilder::Sample sample;
    sample.inboxCount = 8;
    sample.sentCount = 6;
    sample.addresses = {u"jan.novak@alfa.cz"_s, u"eva.svobodova@beta.cz"_s, u"nekdo@nikde.cz"_s, u"petr@gama.cz"_s};
    sample.attachmentEvery = 3;
    store.writeSample(sample);

    QVERIFY(QDir().mkpath(m_work.filePath(u"prilohy"_s)));
    writeFile(u"mailstores.ini"_s, u"[outlookexpress]\r\nStore=%1\r\n"_s.arg(m_work.filePath(u"store"_s)));
    writeFile(u"OrvantaMailImport.ini"_s,
              u"[Global]\r\nMailClientID=outlookexpress\r\nDataPath=%1/\r\nInboxAutomat=1\r\nOutboxAutomat=1\r\n"
              "PromptForImport=1\r\nInboxSortMode=0\r\nOutboxSortMode=0\r\n"_s.arg(m_work.filePath(u"prilohy"_s)));
    writeContactInfo({});

    // As a script would: list the client's folders and choose the inbox and the sent folder.
    const Run folders = run({u"--headless"_s, u"--folders"_s});
    QVERIFY2(folders.exitCode == 0, qPrintable(folders.err));
    QString inboxId, outboxId;
    for (const QString &line : linesOf(folders.out)) {
        const QStringList f = line.split(u'\t');
        QCOMPARE(f.size(), 3);
        if (f.at(1) == u"Inbox")
            inboxId = f.at(0);
        else if (f.at(1) == u"Sent Items")
            outboxId = f.at(0);
    }
    QVERIFY(!inboxId.isEmpty() && !outboxId.isEmpty());
    QFile ini(m_config.filePath(u"orvanta/OrvantaMailImport.ini"_s));
    QVERIFY(ini.open(QIODevice::Append));
    ini.write(u"[outlookexpress]\r\nInboxID=%1\r\nInboxName=Inbox\r\nOutboxID=%2\r\nOutboxName=Sent Items\r\n"_s
                  .arg(inboxId, outboxId).toUtf8());
}

QString tst_MailHeadless::messageId(const QString &id) const
{
    return u'<' + id + u'>';     // the client keeps the Message-ID header as written
}

void tst_MailHeadless::writeFile(const QString &name, const QString &text)
{
    QFile file(m_config.filePath(u"orvanta/"_s + name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

void tst_MailHeadless::writeContactInfo(const SubjectKey &subject)
{
    writeFile(u"ContactInfo.ini"_s,
              u"[Main]\r\nSubjectID=%1\r\nCPCX=%2\r\nCX=%3\r\nSubjectName=Beta s.r.o.\r\nProfilID=%4\r\n"
              "ProfilName=Test\r\nProfilPath=%5\r\nUserName=tester\r\nDomName=TEST\\tester\r\n"_s
                  .arg(subject.kind).arg(subject.cpcx).arg(subject.cx).arg(Test::TestProfile::Site)
                  .arg(m_profile->path()));
}

Run tst_MailHeadless::run(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, m_config.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MAILIMPORT_PROGRAM), args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

void tst_MailHeadless::downloadImportReloadSave()
{
    // Download, automatic import (answered Yes) and reload.
    Run first = run({u"--headless"_s, u"--yes"_s});
    QVERIFY2(first.exitCode == 0, qPrintable(first.err));
    const QStringList lines = linesOf(first.out);
    QCOMPARE(lines.size(), 14);
    int stored = 0;
    for (const QString &line : lines) {
        const QStringList f = line.split(u'\t');
        QCOMPARE(f.size(), 10);
        const QString address = f.at(0) == u"0" ? f.at(3) : f.at(4);
        const bool owned = address == u"jan.novak@alfa.cz" || address == u"petr@gama.cz";
        QVERIFY2(f.at(7) == (owned ? u"1"_s : u"0"_s), qPrintable(line));
        if (address == u"jan.novak@alfa.cz")
            QCOMPARE(f.at(8), u"Alfa [%1,%2]"_s.arg(m_alfa.cpcx).arg(m_alfa.cx));
        if (address == u"petr@gama.cz")
            QCOMPARE(f.at(9), u"Petr Malý [%1,%2]"_s.arg(m_petr.cpcx).arg(m_petr.cx));
        stored += owned ? 1 : 0;
    }
    // Inbox first, oldest first (sort mode 0).
    QVERIFY2(lines.first().startsWith(u"0\t2024-01-01T08:00:00\t"_s + messageId(u"i.0@orvanta.test"_s) + u'\t'),
             qPrintable(lines.first()));
    QCOMPARE(stored, 7);
    QVERIFY(first.err.contains(u"Probíhá automatizovaný import ("_s));
    QVERIFY(first.err.contains(u"Celkový počet načtených e-mailů: 14"_s));

    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), 7);
    QCOMPARE(m_profile->rowCount(u"LINK"_s), 7);
    Db::Connection &db = m_profile->connection();
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM \"LINK\" WHERE \"ID\" = 26 AND \"CX\" = ?"_s, {m_alfa.cx}).toInt(), 4);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM \"LINK\" WHERE \"ID\" = 27 AND \"CX\" = ?"_s, {m_petr.cx}).toInt(), 3);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM \"EMAIL\" WHERE \"CREATOR\" = 'TEST\\tester' AND \"CPCEM\" = ?"_s,
                       {Test::TestProfile::Site}).toInt(), 7);
    QCOMPARE(m_profile->counter(u"LASTCEM"_s), 7);
    QCOMPARE(m_profile->counter(u"LASTCL"_s), 7);
    QCOMPARE(m_profile->rowCount(u"DOCUMENT"_s), 0);
    QTRY_COMPARE(m_host->messages(), (QList<Ipc::WindowMessage>{{MailHostMessages::Refresh, 0, 0}}));

    // Again, answering No: nothing new, nothing asked (all owned messages are stored), no refresh.
    m_host->clear();
    Run second = run({u"--headless"_s});
    QVERIFY2(second.exitCode == 0, qPrintable(second.err));
    QCOMPARE(linesOf(second.out), lines);
    QVERIFY(!second.err.contains(u"Importovat e-mail"_s));
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), 7);
    QCOMPARE(m_profile->counter(u"LASTCL"_s), 7);

    // Save an unmatched message with its attachment to the firm open in the host.
    writeContactInfo(m_beta);
    Run save = run({u"--headless"_s, u"--save"_s, messageId(u"i.6@orvanta.test"_s), u"--attach"_s, u"all"_s});
    QVERIFY2(save.exitCode == 0, qPrintable(save.err));
    const QStringList saved = linesOf(save.out);
    QCOMPARE(saved.size(), 1);
    QVERIFY2(saved.first().endsWith(u"\t1\t1\tBeta [%1,%2]\t"_s.arg(m_beta.cpcx).arg(m_beta.cx)), qPrintable(saved.first()));
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), 8);
    QCOMPARE(m_profile->counter(u"LASTCL"_s), 8);
    const Db::RowSet documents = db.query(u"SELECT \"ID\", \"CX\", \"DESC\", \"PATH\" FROM \"DOCUMENT\""_s);
    QCOMPARE(documents.recordCount(), 1);
    QCOMPARE(documents.value(0, u"ID"_s).toInt(), 51);
    QCOMPARE(documents.value(0, u"CX"_s).toInt(), m_beta.cx);
    QCOMPARE(documents.value(0, u"DESC"_s).toString(), u"příloha-6.txt"_s);
    QFile attachment(documents.value(0, u"PATH"_s).toString());
    QVERIFY(attachment.fileName().startsWith(m_work.filePath(u"prilohy/"_s)));
    QVERIFY(attachment.open(QIODevice::ReadOnly));
    QCOMPARE(attachment.readAll(), QByteArray("obsah 6"));
    QCOMPARE(m_profile->counter(u"LASTCT"_s), 1);
    QTRY_COMPARE(m_host->messages(), (QList<Ipc::WindowMessage>{{MailHostMessages::Refresh, 0, 0}}));
}

void tst_MailHeadless::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");     // expected in stdout or stderr

    QTest::newRow("help") << QStringList{u"--headless"_s, u"--help"_s} << 0 << u"Usage: OrvantaMailImport"_s;
    QTest::newRow("folders") << QStringList{u"--headless"_s, u"--folders"_s} << 0 << u"\tSent Items\t6"_s;
    QTest::newRow("unknown option") << QStringList{u"--headless"_s, u"--fast"_s} << 2 << u"Neznámý argument: --fast"_s;
    QTest::newRow("start out of range") << QStringList{u"--headless"_s, u"--start"_s, u"8"_s} << 2 << u"--start"_s;
    QTest::newRow("start not a number") << QStringList{u"--headless"_s, u"--start"_s, u"vse"_s} << 2 << u"--start"_s;
    QTest::newRow("save without id") << QStringList{u"--headless"_s, u"--save"_s} << 2 << u"potřebuje hodnotu"_s;
    QTest::newRow("attach without save") << QStringList{u"--headless"_s, u"--attach"_s, u"none"_s} << 2 << u"--attach"_s;
    QTest::newRow("save of an unknown message")
        << QStringList{u"--headless"_s, u"--save"_s, u"neni@nikde"_s} << 1 << u"nebyl nalezen"_s;
    QTest::newRow("save of an unknown attachment")
        << QStringList{u"--headless"_s, u"--save"_s, messageId(u"i.3@orvanta.test"_s), u"--attach"_s, u"jina.txt"_s} << 1
        << u"nemá přílohu „jina.txt“"_s;
}

// Bad input gets a clear message and a non-zero code, and stores nothing.
void tst_MailHeadless::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    writeContactInfo(m_beta);
    const int emails = m_profile->rowCount(u"EMAIL"_s);
    const Run result = run(args);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.out.contains(output) || result.err.contains(output), qPrintable(result.out + result.err));
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), emails);
}

QTEST_GUILESS_MAIN(tst_MailHeadless)
#include "tst_MailHeadless.moc"
