#include "platform/pst/PstFilter.h"
#include "platform/pst/PstStore.h"

#include "base/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_PstStore : public QObject
{
    Q_OBJECT

private slots:
    void parsesFilterDates_data();
    void parsesFilterDates();
    void rejectsBadFilters_data();
    void rejectsBadFilters();

    void listsFoldersWithStableIds();
    void readsMessageHeaders_data();
    void readsMessageHeaders();
    void filterExcludesOlderMessages();
    void savesAttachment();
    void readsTwoHundredRecipients();
    void replyGivesSenderAddress();
    void unknownIdsAreNotFound();
    void truncatedStoreGivesCleanError();

private:
    static QString fixture(const QString &name);
    struct Found
    {
        std::unique_ptr<Pst::NameSpace> ns;
        std::unique_ptr<Pst::MailItem> item;
    };
    // The first message found in any folder of the store.
    static Found firstMessage(const QString &name);
};

QString tst_PstStore::fixture(const QString &name)
{
    const QString path = QStringLiteral(ORV_FIXTURES_DIR "/pst/") + name;
    return QFile::exists(path) ? path : QString();
}

#define REQUIRE_FIXTURE(var, name)                                                                           \
    const QString var = fixture(name);                                                                       \
    if (var.isEmpty())                                                                                       \
        QSKIP("fixture pst/" name " is absent (../shared/fixtures not available)");

tst_PstStore::Found tst_PstStore::firstMessage(const QString &path)
{
    Found found;
    found.ns = Pst::NameSpace::open(path);
    std::vector<std::unique_ptr<Pst::MAPIFolder>> pending;
    pending.push_back(found.ns->GetRootFolder());
    while (!pending.empty()) {
        std::unique_ptr<Pst::MAPIFolder> folder = std::move(pending.back());
        pending.pop_back();
        if (folder->ItemCount() > 0) {
            found.item = folder->Items()->Find(u"[ReceivedTime] >= \"1/1/1980 0:00am\""_s);
            if (found.item)
                return found;
        }
        for (auto &sub : folder->Folders())
            pending.push_back(std::move(sub));
    }
    return found;
}

void tst_PstStore::parsesFilterDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");
    QTest::newRow("midnight am glued") << u"1/1/1980 0:00am"_s << QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    QTest::newRow("day first") << u"13/2/2024 0:00am"_s << QDateTime(QDate(2024, 2, 13), QTime(0, 0));
    QTest::newRow("12am is midnight") << u"5/6/2020 12:30 AM"_s << QDateTime(QDate(2020, 6, 5), QTime(0, 30));
    QTest::newRow("pm adds 12 hours") << u"5/6/2020 3:15pm"_s << QDateTime(QDate(2020, 6, 5), QTime(15, 15));
    QTest::newRow("date only") << u"31/12/1999"_s << QDateTime(QDate(1999, 12, 31), QTime(0, 0));
    QTest::newRow("impossible day") << u"31/2/2020 0:00am"_s << QDateTime();
    QTest::newRow("month first is no date") << u"2020-01-01"_s << QDateTime();
}

void tst_PstStore::parsesFilterDates()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    QCOMPARE(Pst::Internal::ItemFilter::parseDate(text), expected);
}

void tst_PstStore::rejectsBadFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::newRow("unknown property") << u"[Importance] = \"1\""_s;
    QTest::newRow("no quotes") << u"[ReceivedTime] >= 1/1/1980"_s;
    QTest::newRow("bad date") << u"[ReceivedTime] >= \"yesterday\""_s;
    QTest::newRow("two conditions") << u"[ReceivedTime] >= \"1/1/1980\" AND [Subject] = \"x\""_s;
}

void tst_PstStore::rejectsBadFilters()
{
    QFETCH(QString, filter);
    QVERIFY_THROWS_EXCEPTION(EOrvUserError, Pst::Internal::ItemFilter::parse(filter));
}

void tst_PstStore::listsFoldersWithStableIds()
{
    REQUIRE_FIXTURE(path, "sample1.pst");
    const auto collect = [&path] {
        QStringList lines;
        auto ns = Pst::NameSpace::open(path);
        std::vector<std::unique_ptr<Pst::MAPIFolder>> pending;
        pending.push_back(ns->GetRootFolder());
        while (!pending.empty()) {
            auto folder = std::move(pending.back());
            pending.pop_back();
            lines << u"%1 %2 %3 %4"_s.arg(folder->EntryID(), folder->Name())
                         .arg(folder->DefaultItemType())
                         .arg(folder->ItemCount());
            for (auto &sub : folder->Folders())
                pending.push_back(std::move(sub));
        }
        return lines;
    };
    const QStringList first = collect();
    QVERIFY(first.size() > 1);
    QCOMPARE(collect(), first);

    auto ns = Pst::NameSpace::open(path);
    auto root = ns->GetRootFolder();
    auto again = ns->GetFolderFromID(root->EntryID());
    QCOMPARE(again->Name(), root->Name());
    QCOMPARE(again->EntryID(), root->EntryID());
}

void tst_PstStore::readsMessageHeaders_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("attachments");
    QTest::addColumn<bool>("hasSender");
    QTest::newRow("sample1: one attachment") << u"sample1.pst"_s << 1 << true;
    // An unsent draft: no sender.
    QTest::newRow("attachAndInline: file and inline image") << u"attachAndInline.pst"_s << 2 << false;
}

void tst_PstStore::readsMessageHeaders()
{
    QFETCH(QString, file);
    QFETCH(int, attachments);
    QFETCH(bool, hasSender);
    const QString path = fixture(file);
    if (path.isEmpty())
        QSKIP("the .pst fixtures are absent (../shared/fixtures not available)");
    Found found = firstMessage(path);
    QVERIFY2(found.item, "no message found");
    Pst::MailItem &item = *found.item;
    QVERIFY(!item.EntryID().isEmpty());
    QVERIFY(!item.Subject().isEmpty());
    QVERIFY(!item.Subject().startsWith(QChar(0x01)));
    QVERIFY(item.ReceivedTime().isValid());
    QVERIFY(item.ReceivedTime().date().year() >= 1980);
    QCOMPARE(!item.SenderName().isEmpty(), hasSender);
    QVERIFY(!item.HTMLBody().isEmpty());
    QCOMPARE(item.Attachments().Count(), attachments);

    // The message is found again by its identifier, in a new session too.
    auto other = Pst::NameSpace::open(path);
    auto again = other->GetItemFromID(item.EntryID());
    QVERIFY(again);
    QCOMPARE(again->Subject(), item.Subject());
    QCOMPARE(again->ReceivedTime(), item.ReceivedTime());
}

void tst_PstStore::filterExcludesOlderMessages()
{
    REQUIRE_FIXTURE(path, "sample1.pst");
    Found found = firstMessage(path);
    QVERIFY(found.item);
    const QDateTime received = found.item->ReceivedTime();
    const QString id = found.item->EntryID();

    // Find the folder that holds it and filter around its date.
    std::vector<std::unique_ptr<Pst::MAPIFolder>> pending;
    pending.push_back(found.ns->GetRootFolder());
    while (!pending.empty()) {
        auto folder = std::move(pending.back());
        pending.pop_back();
        auto items = folder->Items();
        for (auto m = items->Find({}); m; m = items->FindNext()) {
            if (m->EntryID() != id)
                continue;
            const QDate day = received.date();
            const QString before = u"[ReceivedTime] >= \"%1/%2/%3 0:00am\""_s.arg(day.day()).arg(day.month()).arg(day.year());
            const QDate next = day.addDays(1);
            const QString after = u"[ReceivedTime] >= \"%1/%2/%3 0:00am\""_s.arg(next.day()).arg(next.month()).arg(next.year());
            QVERIFY(folder->Items()->Find(before));
            QVERIFY(!folder->Items()->Find(after));
            return;
        }
        for (auto &sub : folder->Folders())
            pending.push_back(std::move(sub));
    }
    QFAIL("message not found again by walking the folders");
}

void tst_PstStore::savesAttachment()
{
    REQUIRE_FIXTURE(path, "attachAndInline.pst");
    Found found = firstMessage(path);
    QVERIFY(found.item);
    const Pst::Attachments attachments = found.item->Attachments();
    QVERIFY(attachments.Count() > 0);
    QTemporaryDir dir;
    for (int i = 1; i <= attachments.Count(); ++i) {
        const Pst::Attachment &a = attachments.Item(i);
        QVERIFY(!a.FileName().isEmpty());
        QVERIFY(!a.FileName().contains(u'/'));
        const QString target = dir.filePath(a.FileName());
        a.SaveAsFile(target);
        QCOMPARE(QFileInfo(target).size(), a.Size());
        QVERIFY(a.Size() > 0);
    }
}

void tst_PstStore::readsTwoHundredRecipients()
{
    REQUIRE_FIXTURE(path, "200_recipients.pst");
    Found found = firstMessage(path);
    QVERIFY(found.item);
    const Pst::Recipients recipients = found.item->Recipients();
    QCOMPARE(recipients.Count(), 200);
    QStringList addresses;
    for (int i = 1; i <= recipients.Count(); ++i) {
        QVERIFY2(!recipients.Item(i).Address.isEmpty(), qPrintable(u"recipient %1"_s.arg(i)));
        addresses << recipients.Item(i).Address;
    }
    QCOMPARE(QSet<QString>(addresses.begin(), addresses.end()).size(), 200);
}

void tst_PstStore::replyGivesSenderAddress()
{
    REQUIRE_FIXTURE(path, "sample1.pst");
    Found found = firstMessage(path);
    QVERIFY(found.item);
    auto reply = found.item->Reply();
    QVERIFY(reply);
    QCOMPARE(reply->Recipients().Count(), 1);
    QVERIFY(!reply->Recipients().Item(1).Address.isEmpty());
    QVERIFY(reply->EntryID().isEmpty()); // a draft, never stored
}

void tst_PstStore::unknownIdsAreNotFound()
{
    REQUIRE_FIXTURE(path, "sample1.pst");
    auto ns = Pst::NameSpace::open(path);
    QVERIFY(!ns->GetItemFromID(u"FFFFFF00"_s));
    QVERIFY(!ns->GetItemFromID(u"not hex"_s));
    QVERIFY(!ns->GetItemFromID(ns->GetRootFolder()->EntryID())); // a folder is no message
    QVERIFY_THROWS_EXCEPTION(EOrvIoError, ns->GetFolderFromID(u"FFFFFF00"_s));
}

void tst_PstStore::truncatedStoreGivesCleanError()
{
    REQUIRE_FIXTURE(path, "sample1.pst");
    QFile source(path);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray whole = source.readAll();
    QTemporaryDir dir;
    // Cut at several places: inside the header, in the middle, just before the end.
    for (const qsizetype size : {qsizetype(100), whole.size() / 4, whole.size() / 2, whole.size() - 4096}) {
        const QString copy = dir.filePath(u"cut%1.pst"_s.arg(size));
        QFile out(copy);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(whole.left(size));
        out.close();
        try {
            Found found = firstMessage(copy);
            if (found.item) {
                (void)found.item->HTMLBody();
                (void)found.item->Attachments();
                (void)found.item->Recipients();
            }
        } catch (const EOrvIoError &e) {
            QVERIFY(!e.userText().isEmpty());
            QVERIFY(!e.detail().isEmpty());
        }
    }
    QVERIFY_THROWS_EXCEPTION(EOrvIoError, Pst::NameSpace::open(dir.filePath(u"cut100.pst"_s)));
    QVERIFY_THROWS_EXCEPTION(EOrvIoError, Pst::NameSpace::open(dir.filePath(u"missing.pst"_s)));
}

QTEST_GUILESS_MAIN(tst_PstStore)
#include "tst_PstStore.moc"
