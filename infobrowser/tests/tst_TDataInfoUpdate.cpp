#include "PageDirectory.h"
#include "TestHttpServer.h"

#include "infobrowser/TDataInfoUpdate.h"
#include "infobrowser/UpdateRules.h"

#include "base/MessageService.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using InfoBrowser::TDataInfoUpdate;
using Result = TDataInfoUpdate::Result;
using Response = TestHttpServer::Response;
Q_DECLARE_METATYPE(Orv::MsgButton)

namespace {

// The DOS stamp of 2000-01-01: every file written now is at least that old.
constexpr quint32 OldStamp = (20u << 25) | (1u << 21) | (1u << 16);
// A stamp far in the future (2050), which no local file meets.
constexpr quint32 FutureStamp = (70u << 25) | (1u << 21) | (1u << 16);

} // namespace

class tst_TDataInfoUpdate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void selectsAndDownloadsOutdatedItems();
    void listDownloadFailure_data();
    void listDownloadFailure();
    void fileFailureAnswers_data();
    void fileFailureAnswers();
    void failedDownloadKeepsThePage();
    void storesUnderTheNameBeforeQueryAndFragment();
    void rejectsItemsLeavingThePageDirectory_data();
    void rejectsItemsLeavingThePageDirectory();
    void abortDuringDownloadStopsAtOnce();

private:
    Orv::ScriptedMessageService *messages() const { return m_messages; }
    QString list(const QByteArray &ini) const;

    Orv::ScriptedMessageService *m_messages = nullptr;
    std::unique_ptr<TestHttpServer> m_server;
};

void tst_TDataInfoUpdate::init()
{
    auto service = std::make_unique<Orv::ScriptedMessageService>(Orv::MsgButton::None);
    m_messages = service.get();
    Orv::MessageService::install(std::move(service));
    m_server = std::make_unique<TestHttpServer>();
    QVERIFY(m_server->start());
}

QString tst_TDataInfoUpdate::list(const QByteArray &ini) const
{
    QByteArray text = ini;
    text.replace("{base}", m_server->url(QString()).toLatin1());
    m_server->setBody(u"/plus/orvantaplus.ini"_s, text);
    return m_server->url(u"/plus/orvantaplus.ini"_s);
}

void tst_TDataInfoUpdate::selectsAndDownloadsOutdatedItems()
{
    PageDirectory pages;
    pages.file(u"current/a.htm"_s, "old a").file(u"hidden/h.htm"_s, "old h").file(u"always/w.htm"_s, "old w");
    const QByteArray ini = QByteArray("[current]\nTitle=Aktuální\nDir=current\nFile0={base}/current/a.htm\nTime0=")
                           + QByteArray::number(OldStamp)
                           + "\n[outdated]\nTitle=Nové\nDescription=Popis\nDate=1.2.2004\nDir=new\\sub\n"
                             "File0={base}/new/n.htm\nTime0=" + QByteArray::number(OldStamp)
                           + "\nFile1={base}/new/untimed.htm\n"
                             "[hidden]\nHide=1\nDir=hidden\nFile0={base}/hidden/h.htm\nTime0="
                           + QByteArray::number(FutureStamp)
                           + "\n[always]\nAlways=1\nDir=always\nFile0={base}/always/w.htm\nTime0="
                           + QByteArray::number(OldStamp) + "\nFile2={base}/never-read.htm\n";
    for (const char *path : {"/current/a.htm", "/new/n.htm", "/new/untimed.htm", "/hidden/h.htm", "/always/w.htm"})
        m_server->setBody(QString::fromLatin1(path), QByteArray("new ") + path);

    TDataInfoUpdate update;
    update.setPageDirectory(pages.path());
    update.setUpdateUrl(list(ini));
    QVERIFY(update.loadList());
    QCOMPARE(update.items().size(), 4);
    QCOMPARE(update.items().at(0).selected, false); // current: exists and new enough
    QCOMPARE(update.items().at(1).selected, true);  // outdated: missing directory
    QCOMPARE(update.items().at(1).date, u"1.2.2004"_s);
    QCOMPARE(update.items().at(1).files.size(), 2);
    QCOMPARE(update.items().at(3).files.size(), 1); // the file numbers end at the first gap
    QVERIFY(update.items().at(2).hidden && update.items().at(2).always);
    QVERIFY(update.items().at(3).always && !update.items().at(3).hidden);
    QVERIFY(!QFile::exists(QDir::tempPath() + u"/update.ini"_s));

    update.items()[3].selected = true; // the dialog checks "always" items
    QSignalSpy updated(&update, &TDataInfoUpdate::updated);
    m_server->clearLog();
    QCOMPARE(update.download(), Result::Succeeded);
    QCOMPARE(updated.count(), 1);
    QCOMPARE(m_server->requests(), (QStringList{u"/new/n.htm"_s, u"/new/untimed.htm"_s, u"/hidden/h.htm"_s}));
    QCOMPARE(pages.read(u"new/sub/n.htm"_s), "new /new/n.htm"_ba);
    QCOMPARE(pages.read(u"hidden/h.htm"_s), "new /hidden/h.htm"_ba);
    QCOMPARE(pages.read(u"current/a.htm"_s), "old a"_ba);
    QCOMPARE(pages.read(u"always/w.htm"_s), "old w"_ba);

    // A file without a time stamp comes again with every run.
    QVERIFY(update.loadList());
    QVERIFY(update.items().at(1).selected == false);
    update.items()[1].selected = true;
    m_server->clearLog();
    QCOMPARE(update.download(), Result::Succeeded);
    QCOMPARE(m_server->requests(), (QStringList{u"/new/untimed.htm"_s, u"/hidden/h.htm"_s}));
    QVERIFY(messages()->requests().isEmpty());
}

void tst_TDataInfoUpdate::listDownloadFailure_data()
{
    QTest::addColumn<Response>("response");
    QTest::newRow("404") << Response{404, "missing", false, {}};
    QTest::newRow("500") << Response{500, "[a]\nFile0=x\n", false, {}};
    QTest::newRow("dropped connection") << Response{200, {}, true, {}};
}

void tst_TDataInfoUpdate::listDownloadFailure()
{
    QFETCH(Response, response);
    m_server->setResponses(u"/list.ini"_s, {response});
    TDataInfoUpdate update;
    update.setPageDirectory(PageDirectory().path());
    update.setUpdateUrl(m_server->url(u"/list.ini"_s));
    QVERIFY(!update.loadList());
    QVERIFY(update.items().isEmpty());
    QCOMPARE(messages()->requests().size(), 1);
    QCOMPARE(messages()->requests().first().text, u"Chyba při stahování informací o změnách."_s);
    QCOMPARE(messages()->requests().first().icon, Orv::MsgIcon::Warning);
}

void tst_TDataInfoUpdate::fileFailureAnswers_data()
{
    QTest::addColumn<QList<Orv::MsgButton>>("answers");
    QTest::addColumn<QList<Response>>("first");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<bool>("secondSaved");
    QTest::addColumn<bool>("updated");

    const Response missing{404, "missing", false, {}};
    const Response ok{200, "first", false, {}};
    QTest::newRow("ignore goes on with the next file")
        << QList<Orv::MsgButton>{Orv::MsgButton::Ignore} << QList<Response>{missing} << int(Result::Failed)
        << QStringList{u"/1.htm"_s, u"/2.htm"_s} << true << true;
    QTest::newRow("retry that succeeds still counts as failed")
        << QList<Orv::MsgButton>{Orv::MsgButton::Retry} << QList<Response>{{500, {}, false, {}}, ok}
        << int(Result::Failed) << QStringList{u"/1.htm"_s, u"/1.htm"_s, u"/2.htm"_s} << true << true;
    QTest::newRow("abort ends everything, no rebuild")
        << QList<Orv::MsgButton>{Orv::MsgButton::Abort} << QList<Response>{missing} << int(Result::Aborted)
        << QStringList{u"/1.htm"_s} << false << false;
    // Qt's HTTP layer itself sends a GET once more when the connection closes unanswered.
    QTest::newRow("dropped connection, then ignore")
        << QList<Orv::MsgButton>{Orv::MsgButton::Ignore} << QList<Response>{{200, {}, true, {}}}
        << int(Result::Failed) << QStringList{u"/1.htm"_s, u"/1.htm"_s, u"/2.htm"_s} << true << true;
}

void tst_TDataInfoUpdate::fileFailureAnswers()
{
    QFETCH(QList<Orv::MsgButton>, answers);
    QFETCH(QList<Response>, first);
    QFETCH(int, result);
    QFETCH(QStringList, requests);
    QFETCH(bool, secondSaved);
    QFETCH(bool, updated);

    PageDirectory pages;
    m_server->setResponses(u"/1.htm"_s, first);
    m_server->setBody(u"/2.htm"_s, "second");
    TDataInfoUpdate update;
    update.setPageDirectory(pages.path());
    update.setUpdateUrl(list("[a]\nDir=a\nFile0={base}/1.htm\n[b]\nDir=b\nFile0={base}/2.htm\n"));
    QVERIFY(update.loadList());
    for (Orv::MsgButton answer : answers)
        messages()->enqueue(answer);
    QSignalSpy updatedSpy(&update, &TDataInfoUpdate::updated);
    m_server->clearLog();

    QCOMPARE(int(update.download()), result);
    QCOMPARE(m_server->requests(), requests);
    QCOMPARE(pages.exists(u"b/2.htm"_s), secondSaved);
    QCOMPARE(updatedSpy.count(), updated ? 1 : 0);
    QCOMPARE(messages()->requests().size(), answers.size());
    const Orv::MessageRequest asked = messages()->requests().first();
    QVERIFY2(asked.text.startsWith(u"Chyba při stahování souboru "_s + pages.filePath(u"a/1.htm-"_s)),
             qPrintable(asked.text));
    QCOMPARE(asked.buttons, Orv::MsgButtons::AbortRetryIgnore);
    QCOMPARE(asked.defaultButton, Orv::MsgButton::Retry);
    // An error answer is never saved as a page.
    if (first.first().status >= 400)
        QVERIFY(pages.read(u"a/1.htm"_s) != "missing");
}

void tst_TDataInfoUpdate::failedDownloadKeepsThePage()
{
    PageDirectory pages;
    pages.file(u"a/1.htm"_s, "good old page");
    m_server->setResponses(u"/1.htm"_s, {{404, "Not Found page", false, {}}});
    TDataInfoUpdate update;
    update.setPageDirectory(pages.path());
    update.setUpdateUrl(list("[a]\nDir=a\nFile0={base}/1.htm\n"));
    QVERIFY(update.loadList());
    // Present without a Time counts as up to date in the list, but is fetched when checked.
    QVERIFY(!update.items().first().selected);
    update.items()[0].selected = true;
    messages()->enqueue(Orv::MsgButton::Ignore);
    QCOMPARE(update.download(), Result::Failed);
    QCOMPARE(pages.read(u"a/1.htm"_s), "good old page"_ba);
    QCOMPARE(QDir(pages.filePath(u"a"_s)).entryList(QDir::Files), QStringList{u"1.htm"_s});
}

void tst_TDataInfoUpdate::storesUnderTheNameBeforeQueryAndFragment()
{
    PageDirectory pages;
    m_server->setBody(u"/get/page.htm?v=2"_s, "query");
    m_server->setBody(u"/other.htm"_s, "fragment");
    TDataInfoUpdate update;
    update.setPageDirectory(pages.path());
    update.setUpdateUrl(list("[a]\nFile0={base}/get/page.htm?v=2\nFile1={base}/other.htm#top\n"));
    QVERIFY(update.loadList());
    QCOMPARE(update.download(), Result::Succeeded);
    QCOMPARE(pages.read(u"page.htm"_s), "query"_ba);
    QCOMPARE(pages.read(u"other.htm"_s), "fragment"_ba);
}

void tst_TDataInfoUpdate::rejectsItemsLeavingThePageDirectory_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::newRow("parent directory") << "Dir=..\\..\\evil\nFile0={base}/x.htm\n"_ba;
    QTest::newRow("absolute directory") << "Dir=/tmp/evil\nFile0={base}/x.htm\n"_ba;
    QTest::newRow("drive") << "Dir=C:\\evil\nFile0={base}/x.htm\n"_ba;
    QTest::newRow("file name ..") << "Dir=a\nFile0={base}/..\n"_ba;
    QTest::newRow("no file name") << "Dir=a\nFile0={base}/dir/\n"_ba;
    QTest::newRow("local file address") << "Dir=a\nFile0=file:///etc/passwd\n"_ba;
}

void tst_TDataInfoUpdate::rejectsItemsLeavingThePageDirectory()
{
    QFETCH(QByteArray, item);
    PageDirectory root;
    const QString pageDirectory = root.filePath(u"pages/inner/"_s);
    m_server->setBody(u"/x.htm"_s, "evil");
    m_server->setBody(u"/ok.htm"_s, "fine");
    TDataInfoUpdate update;
    update.setPageDirectory(pageDirectory);
    update.setUpdateUrl(list("[evil]\nTitle=Zlá\n" + item + "[good]\nDir=good\nFile0={base}/ok.htm\n"));
    QVERIFY(update.loadList());
    QCOMPARE(update.items().size(), 1);
    QCOMPARE(messages()->requests().size(), 1);
    QVERIFY2(messages()->requests().first().text.contains(u"Zlá"_s), qPrintable(messages()->requests().first().text));
    QCOMPARE(update.download(), Result::Succeeded);
    QCOMPARE(root.read(u"pages/inner/good/ok.htm"_s), "fine"_ba);
    QVERIFY(!root.exists(u"evil"_s) && !root.exists(u"pages/evil"_s) && !QFile::exists(u"/tmp/evil"_s));
}

void tst_TDataInfoUpdate::abortDuringDownloadStopsAtOnce()
{
    PageDirectory pages;
    m_server->setBody(u"/1.htm"_s, "one");
    m_server->setBody(u"/2.htm"_s, "two");
    TDataInfoUpdate update;
    update.setPageDirectory(pages.path());
    update.setUpdateUrl(list("[a]\nFile0={base}/1.htm\nFile1={base}/2.htm\n"));
    QVERIFY(update.loadList());
    // What closing the dialog does while the first file downloads.
    connect(&update, &TDataInfoUpdate::progress, &update, [&](qint64, qint64, const QString &text) {
        if (text.endsWith(u"1.htm"_s))
            update.abort();
    });
    QSignalSpy updated(&update, &TDataInfoUpdate::updated);
    QCOMPARE(update.download(), Result::Aborted);
    QVERIFY(!update.isBusy());
    QVERIFY(!pages.exists(u"1.htm"_s) && !pages.exists(u"2.htm"_s));
    QCOMPARE(updated.count(), 0);
    QVERIFY(messages()->requests().isEmpty());
}

QTEST_GUILESS_MAIN(tst_TDataInfoUpdate)
#include "tst_TDataInfoUpdate.moc"
