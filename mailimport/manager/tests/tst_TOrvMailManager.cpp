#include "HostLog.h"

#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailList.h"
#include "mailimport/manager/MailHostMessages.h"
#include "mailimport/manager/TOrvMailAutomat.h"
#include "mailimport/manager/TOrvMailContactReloader.h"
#include "mailimport/manager/TOrvMailImportInstance.h"
#include "mailimport/manager/TOrvMailManager.h"
#include "mailimport/testsupport/TOrvMemoryMailClient.h"
#include "mailimport/testsupport/TestProfile.h"

#include "base/MessageService.h"
#include "base/Paths.h"

#include "contactdb/Connection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Mail;
using namespace Qt::StringLiterals;

namespace {

const QString Own = u"ja@orvanta.cz"_s;

MemoryMessage message(int n, TOrvMailDirection direction, const QString &address)
{
    MemoryMessage m;
    m.direction = direction;
    m.uniqueId = u"id-%1"_s.arg(n);
    m.date = QDateTime(QDate(2024, 5, 1), QTime(9, 0)).addSecs(n * 60);
    m.subject = u"Zpráva %1"_s.arg(n);
    m.from = direction == TOrvMailDirection::Inbox ? address : Own;
    m.to = direction == TOrvMailDirection::Inbox ? Own : address;
    m.body = u"Text %1"_s.arg(n);
    return m;
}

TOrvMailManager::ClientFactory memoryClient(const QList<MemoryMessage> &messages, bool available = true)
{
    return [messages, available]() -> std::unique_ptr<TOrvMailClient> {
        auto client = TOrvMailClient::Create<TOrvMemoryMailClient>();
        for (const MemoryMessage &m : messages)
            client->addMessage(m);
        client->setAvailable(available);
        return client;
    };
}

// Stops the manager while its question is open, then answers Yes: the answer must come too
// late to store anything.
class StoppingMessageService : public Orv::MessageService
{
public:
    TOrvMailManager *manager = nullptr;
    int asked = 0;
    Orv::MsgButton ask(const Orv::MessageRequest &) override
    {
        ++asked;
        if (manager)
            manager->StopAll();
        return Orv::MsgButton::Yes;
    }
};

} // namespace

class tst_TOrvMailManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void progressPercent_data();
    void progressPercent();
    void reloaderReportsEveryFifthPercent();
    void automaticImport_data();
    void automaticImport();
    void stopWhileQuestionIsOpen();
    void failedImportBatchLeavesCountersEqualToRows();
    void failedWorkerIsReportedAndNextStarts();
    void stopDuringDownloadKeepsWhatWasRead();
    void withoutClientAsksToSetUp();
    void keepsOnlyAvailableClients();
    void loadDetail();
    void secondInstancePostsBringToFront();

private:
    void writeContactInfo();
    bool runToEnd(TOrvMailManager &manager, TOrvMailManager::StartFlags flags);

    QTemporaryDir m_config;
    std::unique_ptr<Test::TestProfile> m_profile;
    std::unique_ptr<HostLog> m_host;
    Orv::ScriptedMessageService m_answers;
    SubjectKey m_alfa, m_eva, m_beta, m_petr;
};

void tst_TOrvMailManager::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    m_host = std::make_unique<HostLog>();
    QVERIFY(m_host->listening());
}

void tst_TOrvMailManager::init()
{
    m_profile = std::make_unique<Test::TestProfile>();
    m_alfa = m_profile->addFirm(u"Alfa"_s, u"s.r.o."_s, u"Dlouhá 1"_s, u"Praha"_s, u"110 00"_s);
    m_profile->addAddress(m_alfa, u"jan@alfa.cz"_s);
    m_eva = m_profile->addPerson(u"Eva"_s, u"Nová"_s);
    m_profile->addAddress(m_eva, u"eva@nova.cz"_s);
    // One address at a firm and at a person: it belongs to nobody in particular.
    m_beta = m_profile->addFirm(u"Beta"_s);
    m_petr = m_profile->addPerson(u"Petr"_s, u"Malý"_s);
    m_profile->addAddress(m_beta, u"spolecna@beta.cz"_s);
    m_profile->addAddress(m_petr, u"spolecna@beta.cz"_s);
    writeContactInfo();

    TOrvMailGlobalSettings settings;
    settings.MailClientID = u"memory"_s;
    settings.PromptForImport = false;
    TOrvMailGlobalSettings::instance() = settings;

    m_answers = Orv::ScriptedMessageService(Orv::MsgButton::No);
    Orv::MessageService::install(std::make_unique<Orv::ScriptedMessageService>(m_answers));
    m_host->clear();
}

void tst_TOrvMailManager::cleanup()
{
    m_profile.reset();
}

void tst_TOrvMailManager::writeContactInfo()
{
    QFile file(Orv::programFile(u"ContactInfo.ini"_s));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(u"[Main]\r\nProfilID=%1\r\nProfilPath=%2\r\nDomName=tester\r\n"_s
                   .arg(Test::TestProfile::Site).arg(m_profile->path()).toUtf8());
}

bool tst_TOrvMailManager::runToEnd(TOrvMailManager &manager, TOrvMailManager::StartFlags flags)
{
    QSignalSpy finished(&manager, &TOrvMailManager::finished);
    if (!manager.Start(flags))
        return false;
    return finished.wait(20000) && finished.size() == 1 && !manager.IsRunning();
}

void tst_TOrvMailManager::progressPercent_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("expected");
    QTest::newRow("past the end") << 0 << 0 << 0;
    QTest::newRow("half goes down to even") << 1 << 8 << 12;     // 12.5
    QTest::newRow("half goes up to even") << 3 << 8 << 38;       // 37.5
    QTest::newRow("2.5 to 2") << 1 << 40 << 2;
    QTest::newRow("below half") << 1 << 3 << 33;
    QTest::newRow("above half") << 2 << 3 << 67;
    QTest::newRow("last") << 7 << 7 << 100;
}

void tst_TOrvMailManager::progressPercent()
{
    QFETCH(int, number);
    QFETCH(int, total);
    QFETCH(int, expected);
    QCOMPARE(TOrvMailListWorker::progressPercent(number, total), expected);
}

void tst_TOrvMailManager::reloaderReportsEveryFifthPercent()
{
    auto mails = std::make_shared<TOrvMailList>();
    for (int i = 0; i < 20; ++i) {
        const MemoryMessage m = message(i, TOrvMailDirection::Inbox, u"jan@alfa.cz"_s);
        mails->add(std::make_shared<TOrvMail>(m.direction, m.uniqueId, m.date, m.subject, m.from, m.to, false));
    }
    TOrvMailContact contact;
    QVERIFY(contact.Open(m_profile->path(), {}));
    QVERIFY(contact.SaveEmail(Test::TestProfile::Site, u"tester"_s, *mails->at(3), m_alfa));

    TOrvMailContactReloader reloader(mails, &contact);
    QSignalSpy status(&reloader, &TOrvMailAction::statusChanged);
    reloader.start();
    QVERIFY(reloader.wait(10000));

    QStringList reported;
    for (const QList<QVariant> &args : std::as_const(status))
        reported << args.at(0).toString();
    QStringList expected;
    for (int percent = 10; percent <= 100; percent += 5)
        expected << u"Probíhá načítaní vazeb (%1%)"_s.arg(percent);
    expected << u"Probíhá načítaní vazeb (0%)"_s;
    QCOMPARE(reported, expected);

    for (int i = 0; i < 20; ++i) {
        const TOrvMailPtr mail = mails->at(i);
        QVERIFY(mail->Loaded() & TOrvMail::LoadedLinks);
        QCOMPARE(mail->InDatabase(), i == 3);
    }
    QVERIFY(mails->at(3)->LinkedFirms().contains(u"Alfa"_s));
}

struct AutomatCase
{
    bool inbox = true;
    bool outbox = false;
    bool prompt = false;
    Orv::MsgButton answer = Orv::MsgButton::Yes;
    TOrvMailDirection direction = TOrvMailDirection::Inbox;
    QString address;
    int copies = 1;             // messages with that address
    int stored = 0;             // EMAIL rows after the run
    int linkId = 0;             // their LINK kind
};
Q_DECLARE_METATYPE(AutomatCase)

void tst_TOrvMailManager::automaticImport_data()
{
    QTest::addColumn<AutomatCase>("c");
    const auto in = TOrvMailDirection::Inbox;
    const auto out = TOrvMailDirection::Outbox;
    const auto No = Orv::MsgButton::No;
    const auto Yes = Orv::MsgButton::Yes;
    //                                            inbox  outbox prompt answer dir  address               copies stored link
    QTest::newRow("received from a firm")         << AutomatCase{true, false, false, Yes, in, u"jan@alfa.cz"_s, 1, 1, 26};
    QTest::newRow("received from a person")       << AutomatCase{true, false, false, Yes, in, u"eva@nova.cz"_s, 1, 1, 27};
    QTest::newRow("two from a firm")              << AutomatCase{true, false, false, Yes, in, u"jan@alfa.cz"_s, 2, 2, 26};
    QTest::newRow("address at firm and person")   << AutomatCase{true, true, false, Yes, in, u"spolecna@beta.cz"_s, 1, 0, 0};
    QTest::newRow("unknown address")              << AutomatCase{true, true, false, Yes, in, u"cizi@x.cz"_s, 1, 0, 0};
    // The profile database compares TELEFON ignoring letter case.
    QTest::newRow("address in other letter case") << AutomatCase{true, true, false, Yes, in, u"Jan@Alfa.cz"_s, 1, 1, 26};
    QTest::newRow("sent, only inbox automat")     << AutomatCase{true, false, false, Yes, out, u"jan@alfa.cz"_s, 1, 0, 0};
    QTest::newRow("sent, outbox automat")         << AutomatCase{false, true, false, Yes, out, u"jan@alfa.cz"_s, 1, 1, 26};
    QTest::newRow("received, only outbox automat") << AutomatCase{false, true, false, Yes, in, u"jan@alfa.cz"_s, 1, 0, 0};
    QTest::newRow("question answered Yes")        << AutomatCase{true, false, true, Yes, in, u"jan@alfa.cz"_s, 1, 1, 26};
    QTest::newRow("question answered No")         << AutomatCase{true, false, true, No, in, u"jan@alfa.cz"_s, 1, 0, 0};
}

// Download, automatic import and reload, twice: the second run stores nothing new, asks
// only about messages still not stored, and tells the host nothing.
void tst_TOrvMailManager::automaticImport()
{
    QFETCH(AutomatCase, c);
    TOrvMailGlobalSettings &settings = TOrvMailGlobalSettings::instance();
    settings.InboxAutomat = c.inbox;
    settings.OutboxAutomat = c.outbox;
    settings.PromptForImport = c.prompt;
    Orv::ScriptedMessageService answers(c.answer);
    Orv::MessageService::install(std::make_unique<Orv::ScriptedMessageService>(answers));

    QList<MemoryMessage> messages;
    for (int i = 0; i < c.copies; ++i)
        messages << message(i, c.direction, c.address);
    messages << message(99, TOrvMailDirection::Inbox, u"cizi@x.cz"_s);
    TOrvMailManager manager({memoryClient(messages)});
    QVERIFY(manager.OpenDatabase(m_profile->path()));

    QVERIFY(runToEnd(manager, TOrvMailManager::Everything));
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), c.stored);
    QCOMPARE(m_profile->counter(u"LASTCEM"_s), qint64(c.stored));
    QCOMPARE(m_profile->rowCount(u"LINK"_s), c.stored);
    if (c.stored > 0) {
        QCOMPARE(m_profile->connection().scalar(u"SELECT COUNT(*) FROM \"LINK\" WHERE \"ID\" = ?"_s, {c.linkId}).toInt(),
                 c.stored);
    }
    const int questions = c.prompt ? c.copies : 0;
    QCOMPARE(answers.requests().size(), questions);
    if (c.prompt) {
        QCOMPARE(answers.requests().first().caption, u"Importovat e-mail do ORVANTA Velmora ?"_s);
        QCOMPARE(answers.requests().first().text,
                 u"Subjekt v Velmora: Alfa s.r.o.\r\nUlice: Dlouhá 1\r\nMísto: Praha\r\nPsč: 110 00\r\n\r\n"
                 "Importovaný e-mail: Zpráva 0\r\nOdesílatel: jan@alfa.cz\r\nPříjemce: ja@orvanta.cz"_s);
    }
    // The reloader after the import marks what was stored.
    int marked = 0;
    for (const TOrvMailPtr &mail : manager.mails()->snapshot())
        marked += mail->InDatabase() ? 1 : 0;
    QCOMPARE(marked, c.stored);
    QTRY_COMPARE(m_host->count(MailHostMessages::Refresh), c.stored > 0 ? 1 : 0);

    m_host->clear();
    QVERIFY(runToEnd(manager, TOrvMailManager::Everything));
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), c.stored);
    QCOMPARE(m_profile->counter(u"LASTCL"_s), qint64(c.stored));
    // A message left unstored by "No" is offered again.
    QCOMPARE(answers.requests().size(), questions + (c.stored == 0 ? questions : 0));
    QTest::qWait(50);
    QCOMPARE(m_host->count(MailHostMessages::Refresh), 0);
}

void tst_TOrvMailManager::stopWhileQuestionIsOpen()
{
    TOrvMailGlobalSettings &settings = TOrvMailGlobalSettings::instance();
    settings.InboxAutomat = true;
    settings.PromptForImport = true;
    auto service = std::make_unique<StoppingMessageService>();
    StoppingMessageService *questions = service.get();
    Orv::MessageService::install(std::move(service));

    TOrvMailManager manager({memoryClient({message(1, TOrvMailDirection::Inbox, u"jan@alfa.cz"_s),
                                           message(2, TOrvMailDirection::Inbox, u"jan@alfa.cz"_s)})});
    questions->manager = &manager;
    QVERIFY(manager.OpenDatabase(m_profile->path()));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(runToEnd(manager, TOrvMailManager::Everything));
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(questions->asked, 1);
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), 0);
    QCOMPARE(manager.mails()->count(), 2);
}

void tst_TOrvMailManager::failedImportBatchLeavesCountersEqualToRows()
{
    for (int failAt = 1; failAt < 1000; ++failAt) {
        init(); // a fresh profile for every step that fails
        TOrvMailGlobalSettings::instance().InboxAutomat = true;
        TOrvMailManager manager({memoryClient({message(1, TOrvMailDirection::Inbox, u"jan@alfa.cz"_s),
                                               message(2, TOrvMailDirection::Inbox, u"eva@nova.cz"_s)})});
        QVERIFY(manager.OpenDatabase(m_profile->path()));
        Db::Connection *connection = manager.contact().dataSource().connection();
        connection->failStep(failAt);
        QVERIFY(runToEnd(manager, TOrvMailManager::Download | TOrvMailManager::AutoImport));
        const int emails = m_profile->rowCount(u"EMAIL"_s);
        QCOMPARE(m_profile->counter(u"LASTCEM"_s), qint64(emails));
        QCOMPARE(m_profile->counter(u"LASTCL"_s), qint64(m_profile->rowCount(u"LINK"_s)));
        if (connection->faultPending()) {
            QCOMPARE(emails, 2); // every step has been failed once
            return;
        }
        // A failed save takes its whole batch back (0 stored); a failed look-up only means
        // "no subject" for that one message (1 stored).
        QVERIFY2(emails < 2, qPrintable(u"fault at step %1"_s.arg(failAt)));
    }
    QFAIL("the import never succeeded");
}

void tst_TOrvMailManager::failedWorkerIsReportedAndNextStarts()
{
    TOrvMailGlobalSettings::instance().InboxAutomat = true;
    TOrvMailManager manager({memoryClient({message(1, TOrvMailDirection::Inbox, u"jan@alfa.cz"_s),
                                           message(2, TOrvMailDirection::Inbox, u"eva@nova.cz"_s)})});
    QVERIFY(manager.OpenDatabase(m_profile->path()));
    QSignalSpy failed(&manager, &TOrvMailManager::workerFailed);
    QSignalSpy status(&manager, &TOrvMailManager::statusChanged);
    // The automatic import's first query fails.
    manager.contact().dataSource().connection()->failStep(1);

    QVERIFY(runToEnd(manager, TOrvMailManager::Everything));
    QCOMPARE(failed.size(), 1);
    const QString failure = failed.first().at(0).toString();
    QVERIFY2(failure.startsWith(u"Automatizovaný import selhal: "_s), qPrintable(failure));
    bool shown = false;
    for (const QList<QVariant> &args : std::as_const(status))
        shown = shown || args.at(0).toString() == failure;
    QVERIFY(shown);
    QCOMPARE(manager.Status().kind, quint8(TOrvMailManagerStatus::Failed));
    QCOMPARE(manager.Status().text, u"Celkový počet načtených e-mailů: 2 ("_s + failure + u')');
    // The reloader still ran.
    for (const TOrvMailPtr &mail : manager.mails()->snapshot())
        QVERIFY(mail->Loaded() & TOrvMail::LoadedLinks);

    // The next run starts clean.
    QVERIFY(runToEnd(manager, TOrvMailManager::Reload));
    QCOMPARE(manager.Status().kind, quint8(TOrvMailManagerStatus::Idle));
    QCOMPARE(manager.Status().text, u"Celkový počet načtených e-mailů: 2"_s);
}

void tst_TOrvMailManager::stopDuringDownloadKeepsWhatWasRead()
{
    QList<MemoryMessage> messages;
    for (int i = 0; i < 2000; ++i)
        messages << message(i, TOrvMailDirection::Inbox, u"jan@alfa.cz"_s);
    TOrvMailManager manager({memoryClient(messages)});
    QSignalSpy started(&manager, &TOrvMailManager::started);
    QSignalSpy finished(&manager, &TOrvMailManager::finished);
    QVERIFY(manager.Start(TOrvMailManager::Everything));
    QCOMPARE(started.size(), 1);
    QTRY_VERIFY(manager.mails()->count() >= 20);

    manager.StopAll();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!manager.IsRunning());
    const int read = manager.mails()->count();
    QVERIFY(read >= 20 && read < 2000);
    // Nothing of the stopped run comes later.
    QTest::qWait(100);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(manager.mails()->count(), read);
    QCOMPARE(manager.FillLists(1, 1).inbox.size(), read);
}

void tst_TOrvMailManager::withoutClientAsksToSetUp()
{
    TOrvMailGlobalSettings::instance().MailClientID = u"outlook2k"_s;
    Orv::ScriptedMessageService answers(Orv::MsgButton::Yes);
    Orv::MessageService::install(std::make_unique<Orv::ScriptedMessageService>(answers));
    TOrvMailManager manager({memoryClient({message(1, TOrvMailDirection::Inbox, u"jan@alfa.cz"_s)})});
    QVERIFY(!manager.currentClient());
    int dialogs = 0;
    manager.setSettingsDialog([&](const QList<TOrvMailClient *> &clients) {
        ++dialogs;
        TOrvMailGlobalSettings::instance().MailClientID = clients.first()->settings()->GetSection();
        return true;
    });
    QSignalSpy started(&manager, &TOrvMailManager::started);

    QVERIFY(!manager.Start(TOrvMailManager::Everything));
    QCOMPARE(started.size(), 0);
    QCOMPARE(answers.requests().size(), 1);
    QCOMPARE(answers.requests().first().caption, u"Neplatné nastavení"_s);
    QCOMPARE(answers.requests().first().text,
             u"Import e-mailů dosud nebyl nastaven.\r\nPřejete si program nastavit nyní ?"_s);
    QCOMPARE(dialogs, 1);
    QVERIFY(manager.currentClient());
    QVERIFY(runToEnd(manager, TOrvMailManager::Download));
    QCOMPARE(manager.mails()->count(), 1);
}

void tst_TOrvMailManager::keepsOnlyAvailableClients()
{
    const auto throwing = []() -> std::unique_ptr<TOrvMailClient> { throw std::runtime_error("no store"); };
    TOrvMailManager manager({memoryClient({}, false), throwing, nullptr, memoryClient({message(1, TOrvMailDirection::Inbox, u"a@b.cz"_s)})});
    QCOMPARE(manager.clients().size(), 1);
    QCOMPARE(manager.currentClient(), manager.clients().first());
    manager.SelectClient(u"Memory"_s);      // section names compare exactly
    QVERIFY(!manager.currentClient());
}

void tst_TOrvMailManager::loadDetail()
{
    MemoryMessage m = message(1, TOrvMailDirection::Inbox, u"Jan Novák"_s);
    m.detailFrom = u"jan@alfa.cz"_s;
    m.attachments << MemoryMessage::Attachment{u"a.txt"_s, "A"};
    TOrvMailManager manager({memoryClient({m})});
    QVERIFY(manager.OpenDatabase(m_profile->path()));
    QVERIFY(runToEnd(manager, TOrvMailManager::Download));
    const TOrvMailPtr mail = manager.mails()->at(0);
    auto *client = static_cast<TOrvMemoryMailClient *>(manager.currentClient());

    QVERIFY(manager.LoadDetail(*mail, false));
    QCOMPARE(mail->Loaded(), TOrvMail::LoadedParts(TOrvMail::LoadedAll));
    QCOMPARE(mail->From(), u"jan@alfa.cz"_s);
    QCOMPARE(mail->attachmentList(), QStringList{u"a.txt"_s});
    QVERIFY(!mail->InDatabase());
    QVERIFY(manager.LoadDetail(*mail, false));
    QCOMPARE(client->loadDetailCalls(), 1);

    // Stored meanwhile: only a forced load sees it.
    QVERIFY(manager.contact().SaveEmail(Test::TestProfile::Site, u"tester"_s, *mail, m_alfa));
    QVERIFY(manager.LoadDetail(*mail, false));
    QVERIFY(!mail->InDatabase());
    QVERIFY(manager.LoadDetail(*mail, true));
    QCOMPARE(client->loadDetailCalls(), 2);
    QVERIFY(mail->InDatabase());
}

void tst_TOrvMailManager::secondInstancePostsBringToFront()
{
    HostLog mainWindow(MailHostMessages::mainWindowClass());
    QVERIFY(mainWindow.listening());
    {
        TOrvMailImportInstance first;
        QVERIFY(first.tryStart());
        TOrvMailImportInstance second;
        QVERIFY(!second.tryStart());
        QTRY_COMPARE(mainWindow.messages(),
                     (QList<Ipc::WindowMessage>{{MailHostMessages::BringToFront, 0, 0}}));
    }
    // The first copy ended: the next one is the first again and posts nothing.
    TOrvMailImportInstance next;
    QVERIFY(next.tryStart());
    QTest::qWait(50);
    QCOMPARE(mainWindow.messages().size(), 1);
}

QTEST_GUILESS_MAIN(tst_TOrvMailManager)
#include "tst_TOrvMailManager.moc"
