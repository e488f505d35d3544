#include "mailimport/TOrvMail.h"
#include "mailimport/TOrvMailDownloader.h"
#include "mailimport/TOrvMailList.h"
#include "mailimport/testsupport/TOrvMemoryMailClient.h"

#include "base/Clock.h"
#include "base/Errors.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Mail;
using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2024, 3, 15), QTime(10, 30));

// A downloader whose Execute throws, as a client whose store vanished would.
class FailingDownloader : public TOrvMailDownloader
{
public:
    using TOrvMailDownloader::TOrvMailDownloader;

protected:
    void Execute() override
    {
        AddMail(TOrvMailDirection::Inbox, u"x"_s, Now, {}, {}, {}, false, 0);
        throw EOrvUserError(u"Poštovní složku nelze otevřít."_s);
    }
};

// Only the filter is under test here.
class IdleDownloader : public TOrvMailDownloader
{
public:
    using TOrvMailDownloader::TOrvMailDownloader;

protected:
    void Execute() override {}
};

} // namespace

class tst_TOrvMail : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void headerCutsUniqueIdAndMarksLoaded();
    void downloaderListsInboxThenOutboxAndReportsEveryTenth();
    void passesFilter_data();
    void passesFilter();
    void failingWorkerEndsWithItsErrorAsStatus();
    void fetchPastTheEndGivesNothing();

private:
    QTemporaryDir m_config;
};

void tst_TOrvMail::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    Orv::Clock::setOverride([] { return Now; });
}

void tst_TOrvMail::cleanupTestCase()
{
    Orv::Clock::setOverride({});
}

void tst_TOrvMail::headerCutsUniqueIdAndMarksLoaded()
{
    const QString longId = QString(60, u'A') + u"-tail"_s;
    TOrvMail mail(TOrvMailDirection::Outbox, longId, Now, u"Předmět"_s, u"a@b.cz"_s, u"c@d.cz"_s, true);
    QCOMPARE(mail.UniqueId(), QString(60, u'A'));
    QCOMPARE(mail.Loaded(), TOrvMail::LoadedParts(TOrvMail::LoadedHeader));
    QCOMPARE(mail.address(), u"c@d.cz"_s);      // the recipient identifies a sent message

    mail.SetLinks(false, {}, {});
    mail.SetDetail(uR"("a b.pdf","c.txt")"_s, u"<p>x</p>"_s, false);
    QCOMPARE(mail.Loaded(), TOrvMail::LoadedParts(TOrvMail::LoadedAll));
    QCOMPARE(mail.attachmentList(), QStringList({u"a b.pdf"_s, u"c.txt"_s}));

    // Two identifiers that share their first 60 characters are one stored message.
    TOrvMail other(TOrvMailDirection::Outbox, QString(60, u'A') + u"-other"_s, Now, {}, {}, {}, false);
    QCOMPARE(other.UniqueId(), mail.UniqueId());
}

void tst_TOrvMail::downloaderListsInboxThenOutboxAndReportsEveryTenth()
{
    auto client = TOrvMailClient::Create<TOrvMemoryMailClient>();
    for (int i = 1; i <= 25; ++i) {
        MemoryMessage message;
        message.direction = i % 2 ? TOrvMailDirection::Outbox : TOrvMailDirection::Inbox;
        message.uniqueId = u"id-%1"_s.arg(i);
        message.date = Now;
        message.messageNumber = i;
        client->addMessage(message);
    }
    auto mails = std::make_shared<TOrvMailList>();
    std::unique_ptr<TOrvMailDownloader> downloader = client->CreateDownloader(mails);
    QSignalSpy status(downloader.get(), &TOrvMailAction::statusChanged);
    QSignalSpy finished(downloader.get(), &QThread::finished);
    downloader->start();
    QVERIFY(finished.wait());

    QCOMPARE(mails->count(), 25);
    QCOMPARE(mails->at(0)->Direction(), TOrvMailDirection::Inbox);
    QCOMPARE(mails->at(12)->Direction(), TOrvMailDirection::Outbox);
    QCOMPARE(mails->at(0)->MessageNumber(), 2);
    QTRY_COMPARE(status.count(), 2);
    QCOMPARE(status.at(0).at(0).toString(), u"Probíhá načítaní e-mailů. Počet načtených e-mailů: 10"_s);
    QCOMPARE(status.at(1).at(0).toString(), u"Probíhá načítaní e-mailů. Počet načtených e-mailů: 20"_s);
    QVERIFY(downloader->errorText().isEmpty());
}

void tst_TOrvMail::passesFilter_data()
{
    QTest::addColumn<bool>("filter");
    QTest::addColumn<int>("days");
    QTest::addColumn<QDateTime>("date");
    QTest::addColumn<bool>("passes");
    const QDateTime yesterdayLate(Now.date().addDays(-1), QTime(23, 59));
    QTest::newRow("filter off, old") << false << 0 << Now.addYears(-5) << true;
    QTest::newRow("0 days, earlier today") << true << 0 << QDateTime(Now.date(), QTime(0, 0)) << true;
    QTest::newRow("0 days, late yesterday") << true << 0 << yesterdayLate << false;
    QTest::newRow("1 day, late yesterday") << true << 1 << yesterdayLate << true;
    QTest::newRow("7 days, 7 days back") << true << 7 << Now.addDays(-7) << true;
    QTest::newRow("7 days, 8 days back") << true << 7 << Now.addDays(-8) << false;
    QTest::newRow("future date") << true << 0 << Now.addDays(2) << true;
}

void tst_TOrvMail::passesFilter()
{
    QFETCH(bool, filter);
    QFETCH(int, days);
    QFETCH(QDateTime, date);
    QFETCH(bool, passes);
    TOrvMailGlobalSettings global;
    global.Filter = filter;
    global.FilterValue = days;
    TOrvMemoryMailSettings settings;
    IdleDownloader downloader(std::make_shared<TOrvMailList>(), settings, global);
    QCOMPARE(downloader.PassesFilter(date), passes);
}

void tst_TOrvMail::failingWorkerEndsWithItsErrorAsStatus()
{
    auto mails = std::make_shared<TOrvMailList>();
    FailingDownloader downloader(mails, TOrvMemoryMailSettings());
    QSignalSpy status(&downloader, &TOrvMailAction::statusChanged);
    QSignalSpy finished(&downloader, &QThread::finished);
    downloader.start();
    QVERIFY(finished.wait());
    QCOMPARE(downloader.errorText(), u"Poštovní složku nelze otevřít."_s);
    QTRY_COMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toString(), downloader.errorText());
    QCOMPARE(mails->count(), 1);   // what was read before the failure stays listed
}

void tst_TOrvMail::fetchPastTheEndGivesNothing()
{
    TOrvMailList mails;
    mails.add(std::make_shared<TOrvMail>());
    mails.add(std::make_shared<TOrvMail>());
    const TOrvMailList::Fetched second = mails.fetch(1);
    QVERIFY(second.mail);
    QCOMPARE(second.number, 2);
    QCOMPARE(second.total, 2);
    const TOrvMailList::Fetched past = mails.fetch(2);
    QVERIFY(!past.mail);
    QCOMPARE(past.number, 0);
    QCOMPARE(past.total, 0);
}

QTEST_GUILESS_MAIN(tst_TOrvMail)
#include "tst_TOrvMail.moc"
