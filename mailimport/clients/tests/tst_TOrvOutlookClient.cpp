#include "ClientTestSupport.h"

#include "mailimport/clients/TOrvOutlookClient.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSettingsOutlook.h"

#include "platform/pst/PstFilter.h"

#include "base/Clock.h"
#include "base/Errors.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Mail;

// The .pst fixtures each hold one or two messages. Folder identifiers of all of them:
constexpr char TopFolder[] = "00008022";     // "Top of Outlook data file" / "… Personal Folders"
constexpr char SubFolder[] = "00008082";     // the one folder under it that holds mail

class tst_TOrvOutlookClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsLoadsAndSaves_data();
    void listsLoadsAndSaves();
    void detailReplacesNamesByAddresses_data();
    void detailReplacesNamesByAddresses();
    void savesOnlyTheExactName_data();
    void savesOnlyTheExactName();
    void findFilterBoundaries_data();
    void findFilterBoundaries();
    void filterAppliesToDownload();
    void listsFolderTree();
    void damagedOrMissingStoreFailsCleanly();

private:
    std::unique_ptr<TOrvOutlookClient> clientFor(const QString &fixture, const QString &inbox = SubFolder,
                                                 const QString &outbox = TopFolder);

    std::unique_ptr<Test::ConfigHome> m_config;
    std::unique_ptr<QTemporaryDir> m_attachments;
};

static QString fixture(const QString &name)
{
    return QStringLiteral(ORV_FIXTURES_DIR "/pst/") + name;
}

#define REQUIRE_FIXTURE(name)                                                                                \
    if (!QFile::exists(fixture(name)))                                                                       \
        QSKIP(qPrintable(u"fixture pst/%1 is absent (../shared/fixtures not available)"_s.arg(name)));

void tst_TOrvOutlookClient::init()
{
    m_config = std::make_unique<Test::ConfigHome>();
    m_attachments = std::make_unique<QTemporaryDir>();
    TOrvMailGlobalSettings::instance() = TOrvMailGlobalSettings();
}

void tst_TOrvOutlookClient::cleanup()
{
    Orv::Clock::setOverride({});
}

std::unique_ptr<TOrvOutlookClient> tst_TOrvOutlookClient::clientFor(const QString &fixtureName, const QString &inbox,
                                                                  const QString &outbox)
{
    Test::setStore(u"outlook2k"_s, fixture(fixtureName));
    auto client = TOrvMailClient::Create<TOrvOutlookClient>();
    auto *settings = static_cast<TOrvMailSettingsOutlook *>(client->settings());
    settings->InboxID = inbox;
    settings->OutboxID = outbox;
    return client;
}

void tst_TOrvOutlookClient::listsLoadsAndSaves_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("inboxSubjects");
    QTest::addColumn<QStringList>("outboxSubjects");
    QTest::addColumn<QString>("attachment");     // of the first inbox message; empty: none

    QTest::newRow("sample1: message with a picture") << u"sample1.pst"_s << QStringList{u"Here is a sample message"_s}
                                                     << QStringList() << u"leah_thumper.jpg"_s;
    QTest::newRow("test_unicode: a message in each folder") << u"test_unicode.pst"_s << QStringList{u"Post"_s}
                                                            << QStringList{u"Test"_s} << QString();
}

// With mailstores.ini pointing at a .pst, the client lists both folders, loads a message's
// detail and saves its attachment.
void tst_TOrvOutlookClient::listsLoadsAndSaves()
{
    QFETCH(QString, file);
    QFETCH(QStringList, inboxSubjects);
    QFETCH(QStringList, outboxSubjects);
    QFETCH(QString, attachment);
    REQUIRE_FIXTURE(file);

    auto client = clientFor(file);
    QVERIFY(client->IsAvailable());
    QCOMPARE(client->GetClientName(), u"Microsoft Outlook"_s);

    const Test::Download listed = Test::download(*client);
    QCOMPARE(listed.error, QString());
    const auto subjects = [](const QList<TOrvMailPtr> &mails) {
        QStringList result;
        for (const TOrvMailPtr &mail : mails)
            result << mail->Subject();
        return result;
    };
    QCOMPARE(subjects(listed.inbox), inboxSubjects);
    QCOMPARE(subjects(listed.outbox), outboxSubjects);

    TOrvMail &mail = *listed.inbox.first();
    QVERIFY(mail.Date().isValid());
    QCOMPARE(mail.HasAttach(), !attachment.isEmpty());
    QVERIFY(client->LoadDetail(mail));
    QVERIFY(mail.Loaded() & TOrvMail::LoadedDetail);
    QVERIFY(!mail.IsPlain());
    QVERIFY(mail.Body().contains(u"<"_s));
    if (attachment.isEmpty()) {
        QCOMPARE(mail.Attachments(), QString());
        return;
    }
    QCOMPARE(mail.Attachments(), u"\"%1\""_s.arg(attachment));

    QString reason;
    const QString saved = client->SaveAttachment(mail, attachment, m_attachments->path(), &reason);
    QCOMPARE(reason, QString());
    QCOMPARE(saved, m_attachments->filePath(attachment));
    QVERIFY(QFileInfo(saved).size() > 1000);
    QVERIFY(Test::fileContent(saved).startsWith("\xFF\xD8"));       // a JPEG

    // A different file of that name is kept; the attachment takes a free name.
    QFile other(m_attachments->filePath(attachment));
    QVERIFY(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
    other.write("jiný soubor");
    other.close();
    const QString second = client->SaveAttachment(mail, attachment, m_attachments->path(), &reason);
    QCOMPARE(QFileInfo(second).fileName(), u"leah_thumper (2).jpg"_s);
    QCOMPARE(Test::fileContent(m_attachments->filePath(attachment)), "jiný soubor"_ba);
}

void tst_TOrvOutlookClient::detailReplacesNamesByAddresses_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("inbox");
    QTest::addColumn<QString>("listedFrom");
    QTest::addColumn<QString>("detailFrom");
    QTest::addColumn<int>("recipients");
    QTest::addColumn<QString>("firstTo");
    QTest::addColumn<QString>("lastTo");

    QTest::newRow("one recipient, sender's address from the reply")
        << u"sample1.pst"_s << QString::fromLatin1(SubFolder) << u"Terry Mahaffey"_s << u"terrymah@microsoft.com"_s
        << 1 << u"terrymah@microsoft.com"_s << u"terrymah@microsoft.com"_s;
    QTest::newRow("200 recipients joined with ';', no sender")
        << u"200_recipients.pst"_s << QString::fromLatin1(TopFolder) << QString() << QString()
        << 200 << u"xmailuser1@xmailserver.test"_s << u"xmailuser200@xmailserver.test"_s;
}

void tst_TOrvOutlookClient::detailReplacesNamesByAddresses()
{
    QFETCH(QString, file);
    QFETCH(QString, inbox);
    QFETCH(QString, listedFrom);
    QFETCH(QString, detailFrom);
    QFETCH(int, recipients);
    QFETCH(QString, firstTo);
    QFETCH(QString, lastTo);
    REQUIRE_FIXTURE(file);

    auto client = clientFor(file, inbox, u"00008062"_s);
    const Test::Download listed = Test::download(*client);
    QCOMPARE(listed.error, QString());
    QCOMPARE(listed.inbox.size(), 1);
    TOrvMail &mail = *listed.inbox.first();
    QCOMPARE(mail.From(), listedFrom);

    QVERIFY(client->LoadDetail(mail));
    QCOMPARE(mail.From(), detailFrom);
    const QStringList to = mail.To().split(u';');
    QCOMPARE(to.size(), recipients);
    QCOMPARE(to.first(), firstTo);
    QCOMPARE(to.last(), lastTo);
    QVERIFY(!mail.To().contains(u' '));
}

void tst_TOrvOutlookClient::savesOnlyTheExactName_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saved");

    QTest::newRow("exact name") << u"sample1.pst"_s << u"leah_thumper.jpg"_s << true;
    QTest::newRow("name in other letter case") << u"sample1.pst"_s << u"Leah_Thumper.JPG"_s << false;
    QTest::newRow("name not in the message") << u"sample1.pst"_s << u"faktura.pdf"_s << false;
    QTest::newRow("attachment with data") << u"attachAndInline.pst"_s << u"attach.png"_s << true;
    // An attached message has no file data of its own: a clear error, not a crash.
    QTest::newRow("attached message") << u"msgInMsg.pst"_s << u"Microsoft Outlook テスト メッセージ"_s << false;
}

void tst_TOrvOutlookClient::savesOnlyTheExactName()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(bool, saved);
    REQUIRE_FIXTURE(file);

    const QString inbox = file == u"sample1.pst" ? QString::fromLatin1(SubFolder) : QString::fromLatin1(TopFolder);
    auto client = clientFor(file, inbox, u"00008062"_s);
    const Test::Download listed = Test::download(*client);
    QCOMPARE(listed.inbox.size(), 1);

    QString reason;
    const QString path = client->SaveAttachment(*listed.inbox.first(), name, m_attachments->path(), &reason);
    QCOMPARE(!path.isEmpty(), saved);
    QCOMPARE(reason.isEmpty(), saved);
    QCOMPARE(QDir(m_attachments->path()).entryList(QDir::Files).size(), saved ? 1 : 0);
}

void tst_TOrvOutlookClient::findFilterBoundaries_data()
{
    QTest::addColumn<bool>("filter");
    QTest::addColumn<int>("days");
    QTest::addColumn<QDateTime>("received");
    QTest::addColumn<bool>("listed");

    QTest::newRow("off: 1 January 1980 at midnight") << false << 0 << QDateTime(QDate(1980, 1, 1), QTime(0, 0)) << true;
    QTest::newRow("off: the last minute of 1979") << false << 0 << QDateTime(QDate(1979, 12, 31), QTime(23, 59)) << false;
    QTest::newRow("off: 1900") << false << 0 << QDateTime(QDate(1900, 1, 1), QTime(0, 0)) << false;
    QTest::newRow("0 days: today at midnight") << true << 0 << QDateTime(QDate(2024, 3, 15), QTime(0, 0)) << true;
    QTest::newRow("0 days: yesterday evening") << true << 0 << QDateTime(QDate(2024, 3, 14), QTime(23, 59)) << false;
    QTest::newRow("7 days: a week ago") << true << 7 << QDateTime(QDate(2024, 3, 8), QTime(0, 1)) << true;
    QTest::newRow("7 days: eight days ago") << true << 7 << QDateTime(QDate(2024, 3, 7), QTime(23, 0)) << false;
    QTest::newRow("31 days across February") << true << 31 << QDateTime(QDate(2024, 2, 13), QTime(12, 0)) << true;
}

// The filter text is read back as Items.Find reads it.
void tst_TOrvOutlookClient::findFilterBoundaries()
{
    QFETCH(bool, filter);
    QFETCH(int, days);
    QFETCH(QDateTime, received);
    QFETCH(bool, listed);

    TOrvMailGlobalSettings global;
    global.Filter = filter;
    global.FilterValue = days;
    const QString text = TOrvOutlookClient::FindFilter(global, QDateTime(QDate(2024, 3, 15), QTime(10, 0)));
    const auto parsed = Pst::Internal::ItemFilter::parse(text);
    QCOMPARE(parsed.matchesDate(received), listed);
}

void tst_TOrvOutlookClient::filterAppliesToDownload()
{
    REQUIRE_FIXTURE(u"sample1.pst"_s);
    auto client = clientFor(u"sample1.pst"_s);
    // The message was received on 15 March 2010.
    Orv::Clock::setOverride([] { return QDateTime(QDate(2010, 3, 20), QTime(9, 0)); });
    TOrvMailGlobalSettings::instance().Filter = true;

    TOrvMailGlobalSettings::instance().FilterValue = 5;
    QCOMPARE(Test::download(*client).inbox.size(), 1);
    TOrvMailGlobalSettings::instance().FilterValue = 4;
    QCOMPARE(Test::download(*client).inbox.size(), 0);
}

void tst_TOrvOutlookClient::listsFolderTree()
{
    REQUIRE_FIXTURE(u"sample1.pst"_s);
    auto client = clientFor(u"sample1.pst"_s);
    const QList<MailFolder> folders = client->ListFolders();
    const auto top = std::find_if(folders.begin(), folders.end(),
                                  [](const MailFolder &folder) { return folder.id == QLatin1String(TopFolder); });
    QVERIFY(top != folders.end());
    QCOMPARE(top->name, u"Top of Outlook data file"_s);
    QStringList children;
    for (const MailFolder &child : top->children)
        children << u"%1 %2 %3"_s.arg(child.id, child.name).arg(child.messageCount);
    QCOMPARE(children, (QStringList{u"00008062 Deleted Items 0"_s, u"00008082 Sample1 1"_s}));
    QVERIFY(top->children.at(1).isMailFolder);
    QCOMPARE(listMailFolders(*client), folders);
}

void tst_TOrvOutlookClient::damagedOrMissingStoreFailsCleanly()
{
    REQUIRE_FIXTURE(u"sample1.pst"_s);
    const QString truncated = m_attachments->filePath(u"truncated.pst"_s);
    {
        QFile source(fixture(u"sample1.pst"_s));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QFile target(truncated);
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write(source.read(source.size() / 3));
    }
    struct Case
    {
        const char *name;
        QString store;
    };
    for (const Case &c : {Case{"truncated file", truncated}, Case{"missing file", m_attachments->filePath(u"no.pst"_s)},
                          Case{"no entry", QString()}}) {
        Test::setStore(u"outlook2k"_s, c.store);
        auto client = TOrvMailClient::Create<TOrvOutlookClient>();
        static_cast<TOrvMailSettingsOutlook *>(client->settings())->InboxID = QLatin1String(SubFolder);
        QVERIFY2(!client->IsAvailable(), c.name);
        const Test::Download listed = Test::download(*client);
        QVERIFY2(!listed.error.isEmpty(), c.name);
        QVERIFY2(listed.inbox.isEmpty(), c.name);
        TOrvMail mail(TOrvMailDirection::Inbox, u"00200024"_s, QDateTime::currentDateTime(), {}, {}, {}, true);
        QVERIFY2(!client->LoadDetail(mail), c.name);
        QString reason;
        QVERIFY2(client->SaveAttachment(mail, u"leah_thumper.jpg"_s, m_attachments->path(), &reason).isEmpty(), c.name);
        QVERIFY2(!reason.isEmpty(), c.name);
        QVERIFY_THROWS_EXCEPTION(EOrvError, client->ListFolders());
    }

    // A folder identifier the store does not know ends the download with an error.
    auto client = clientFor(u"sample1.pst"_s, u"0000FFFF"_s);
    QVERIFY(!Test::download(*client).error.isEmpty());
    // A message identifier it does not know is no detail.
    TOrvMail unknown(TOrvMailDirection::Inbox, u"7FFFFFF0"_s, QDateTime::currentDateTime(), {}, {}, {}, false);
    QVERIFY(!client->LoadDetail(unknown));
}

QTEST_GUILESS_MAIN(tst_TOrvOutlookClient)
#include "tst_TOrvOutlookClient.moc"
