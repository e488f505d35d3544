#include "platform/eml/MimeMessage.h"
#include "platform/eml/StoreBuilder.h"
#include "platform/eml/StoreNamespace.h"

#include "base/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Layout = Eml::StoreBuilder::Layout;

Q_DECLARE_METATYPE(Layout)

class tst_EmlStore : public QObject
{
    Q_OBJECT

private slots:
    void readsGeneratedStore_data();
    void readsGeneratedStore();
    void picksTextBodies_data();
    void picksTextBodies();
    void receivedTimeFallsBack_data();
    void receivedTimeFallsBack();
    void attachmentNamesStayInTheirDirectory();
    void maildirFlagChangeKeepsNumber();
    void brokenInputGivesCleanErrors();
};

namespace {

Eml::FolderProps folderNamed(const Eml::StoreNamespace &store, const QString &name)
{
    for (const Eml::FolderProps &f : store.SubFolders())
        if (f.name == name)
            return f;
    return {};
}

QString writeOne(const QTemporaryDir &dir, const Eml::MailBuilder &mail)
{
    Eml::StoreBuilder builder(dir.filePath(u"store"_s), Layout::WindowsMail);
    return builder.addMessage(u"Inbox"_s, mail);
}

} // namespace

void tst_EmlStore::readsGeneratedStore_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QString>("sentName");
    QTest::newRow("windows mail") << Layout::WindowsMail << u"Sent Items"_s;
    QTest::newRow("maildir") << Layout::Maildir << u"Sent"_s;
}

void tst_EmlStore::readsGeneratedStore()
{
    QFETCH(Layout, layout);
    QFETCH(QString, sentName);
    QTemporaryDir dir;
    Eml::StoreBuilder::Sample sample;
    sample.inboxCount = 12;
    sample.sentCount = 7;
    Eml::StoreBuilder(dir.path(), layout).writeSample(sample);

    const Eml::StoreNamespace store(dir.path());
    const Eml::FolderProps inbox = folderNamed(store, u"Inbox"_s);
    const Eml::FolderProps sent = folderNamed(store, sentName);
    QCOMPARE(inbox.messageCount, 12);
    QCOMPARE(sent.messageCount, 7);
    QVERIFY(inbox.folderId != sent.folderId);
    QCOMPARE(inbox.folderId, Eml::stableId(inbox.relativePath)); // the documented rule

    // Identifiers and numbers are the same in a second session.
    const auto walk = [&](quint32 folderId) {
        QList<Eml::MessageProps> list;
        auto folder = Eml::StoreNamespace(dir.path()).OpenFolder(folderId);
        Eml::MessageProps props;
        for (bool ok = folder->GetFirstMessage(props); ok; ok = folder->GetNextMessage(props))
            list << props;
        folder->GetMessageClose();
        return list;
    };
    const QList<Eml::MessageProps> first = walk(inbox.folderId);
    const QList<Eml::MessageProps> second = walk(inbox.folderId);
    QCOMPARE(first.size(), 12);
    QSet<quint32> numbers;
    for (int i = 0; i < first.size(); ++i) {
        QCOMPARE(second.at(i).messageId, first.at(i).messageId);
        numbers << first.at(i).messageId;
    }
    QCOMPARE(numbers.size(), 12);
    QVERIFY(!numbers.contains(0));

    const Eml::MessageProps &m0 = first.at(0);
    QCOMPARE(m0.subject, u"Přijatá zpráva č. 0"_s);
    QCOMPARE(m0.displayFrom, u"Odesílatel 0"_s);
    QCOMPARE(m0.displayTo, sample.ownAddress);
    QCOMPARE(m0.received, sample.start);

    auto folder = store.OpenFolder(inbox.folderId);
    int withAttachment = 0;
    for (const Eml::MessageProps &props : first) {
        auto message = folder->OpenMessage(props.messageId);
        QVERIFY(message);
        QVERIFY(message->GetProp("Message-ID")->endsWith(u"@orvanta.test>"_s));
        QVERIFY(message->GetProp("From")->contains(u"<jan.novak@alfa.cz>"_s)
                || message->GetProp("From")->contains(u"<eva.svobodova@beta.cz>"_s));
        QVERIFY(message->GetTextBody(Eml::TXT_HTML)->contains(u"<b>"_s));
        const QList<Eml::HBODY> handles = message->GetAttachments();
        if (handles.isEmpty())
            continue;
        ++withAttachment;
        auto body = message->BindToObject(handles.first());
        QVERIFY(body->IsType(Eml::IBT_ATTACHMENT));
        QVERIFY(body->GetDisplayName().startsWith(u"příloha-"_s));
        QVERIFY(body->GetData().startsWith("obsah "));
        QVERIFY(body->GetProp("Content-Disposition")->contains(u"filename*="_s));
    }
    QCOMPARE(withAttachment, 3); // messages 0, 5 and 10
    QVERIFY(!folder->OpenMessage(12345));
    QVERIFY(!store.OpenFolder(0xDEADBEEF));
}

void tst_EmlStore::picksTextBodies_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("hasHtml");
    QTest::addColumn<bool>("hasPlain");
    QTest::newRow("plain only") << u"Ahoj\r\nsvěte"_s << QString() << false << true;
    QTest::newRow("alternative gives both") << u"Ahoj"_s << u"<p>Ahoj</p>"_s << true << true;
    QTest::newRow("html only") << QString() << u"<p>Ahoj</p>"_s << true << false;
}

void tst_EmlStore::picksTextBodies()
{
    QFETCH(QString, plain);
    QFETCH(QString, html);
    QFETCH(bool, hasHtml);
    QFETCH(bool, hasPlain);
    Eml::MailBuilder mail;
    mail.from(u"a@b.cz"_s).subject(u"x"_s);
    if (!plain.isNull())
        mail.plainBody(plain);
    if (!html.isNull())
        mail.htmlBody(html);
    auto message = Eml::MimeMessage::fromData(mail.build());
    QCOMPARE(message->GetTextBody(Eml::TXT_HTML).has_value(), hasHtml);
    QCOMPARE(message->GetTextBody(Eml::TXT_PLAIN).has_value(), hasPlain);
    if (hasHtml)
        QCOMPARE(*message->GetTextBody(Eml::TXT_HTML), html);
    if (hasPlain)
        QCOMPARE(*message->GetTextBody(Eml::TXT_PLAIN), plain);
    QVERIFY(message->GetAttachments().isEmpty());
    QVERIFY(!message->GetProp("Message-ID"));
}

void tst_EmlStore::receivedTimeFallsBack_data()
{
    QTest::addColumn<bool>("withReceived");
    QTest::addColumn<bool>("withDate");
    QTest::addColumn<QDateTime>("expected");
    const QDateTime received(QDate(2023, 5, 1), QTime(10, 0));
    const QDateTime date(QDate(2023, 4, 30), QTime(9, 30));
    const QDateTime fileTime(QDate(2022, 1, 2), QTime(3, 4, 5));
    QTest::newRow("received header wins") << true << true << received;
    QTest::newRow("date header") << false << true << date;
    QTest::newRow("file time") << false << false << fileTime;
}

void tst_EmlStore::receivedTimeFallsBack()
{
    QFETCH(bool, withReceived);
    QFETCH(bool, withDate);
    QFETCH(QDateTime, expected);
    QTemporaryDir dir;
    Eml::MailBuilder mail;
    mail.from(u"a@b.cz"_s).subject(u"x"_s).plainBody(u"y"_s);
    if (withReceived)
        mail.received(QDateTime(QDate(2023, 5, 1), QTime(10, 0)));
    if (withDate)
        mail.date(QDateTime(QDate(2023, 4, 30), QTime(9, 30)));
    const QString path = writeOne(dir, mail);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2022, 1, 2), QTime(3, 4, 5)), QFileDevice::FileModificationTime));
    file.close();

    const Eml::StoreNamespace store(dir.filePath(u"store"_s));
    auto folder = store.OpenFolder(folderNamed(store, u"Inbox"_s).folderId);
    Eml::MessageProps props;
    QVERIFY(folder->GetFirstMessage(props));
    QCOMPARE(props.received, expected);
}

void tst_EmlStore::attachmentNamesStayInTheirDirectory()
{
    Eml::MailBuilder mail;
    mail.from(u"a@b.cz"_s).subject(u"x"_s).plainBody(u"y"_s)
        .attach(u"../../etc/passwd"_s, "root")
        .attach(u"C:\\Windows\\evil.exe"_s, "MZ")
        .attach(QString(), "nameless");
    auto message = Eml::MimeMessage::fromData(mail.build());
    const QList<Eml::HBODY> handles = message->GetAttachments();
    QCOMPARE(handles.size(), 3);
    for (Eml::HBODY h : handles) {
        const QString name = message->BindToObject(h)->GetDisplayName();
        QVERIFY2(!name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != u".."_s,
                 qPrintable(name));
    }
    QVERIFY(!message->BindToObject(3));
    QVERIFY(!message->BindToObject(-1));
}

void tst_EmlStore::maildirFlagChangeKeepsNumber()
{
    QTemporaryDir dir;
    Eml::StoreBuilder builder(dir.path(), Layout::Maildir);
    const QString path = builder.addMessage(u"Inbox"_s, Eml::MailBuilder().from(u"a@b.cz"_s).plainBody(u"x"_s));
    const Eml::StoreNamespace store(dir.path());
    const quint32 inboxId = folderNamed(store, u"Inbox"_s).folderId;
    Eml::MessageProps before;
    QVERIFY(store.OpenFolder(inboxId)->GetFirstMessage(before));

    // A reader marks it replied and moves it to new/: the number must not change.
    const QString moved = QDir(dir.path()).filePath(u"new/"_s + QFileInfo(path).fileName().replace(u":2,S"_s, u":2,RS"_s));
    QVERIFY(QFile::rename(path, moved));
    Eml::MessageProps after;
    auto folder = store.OpenFolder(inboxId);
    QVERIFY(folder->GetFirstMessage(after));
    QCOMPARE(after.messageId, before.messageId);
    QVERIFY(folder->OpenMessage(after.messageId));
}

void tst_EmlStore::brokenInputGivesCleanErrors()
{
    QVERIFY_THROWS_EXCEPTION(EOrvIoError, Eml::StoreNamespace(u"/nonexistent/store"_s));

    // Garbage and cut-off MIME parse or fail cleanly, never crash.
    const QByteArray full = Eml::MailBuilder()
                                .from(u"a@b.cz"_s)
                                .plainBody(u"x"_s)
                                .htmlBody(u"<p>x</p>"_s)
                                .attach(u"a.bin"_s, QByteArray(3000, 'z'))
                                .build();
    for (qsizetype cut = 0; cut < full.size(); cut += 97) {
        try {
            auto message = Eml::MimeMessage::fromData(full.left(cut));
            (void)message->GetTextBody(Eml::TXT_HTML);
            for (Eml::HBODY h : message->GetAttachments())
                (void)message->BindToObject(h)->GetData();
        } catch (const EOrvIoError &e) {
            QVERIFY(!e.userText().isEmpty());
        }
    }
    QByteArray noise;
    for (int i = 0; i < 5000; ++i)
        noise += char((i * 7919) % 256);
    try {
        (void)Eml::MimeMessage::fromData(noise)->GetAttachments();
    } catch (const EOrvIoError &) {
    }
}

QTEST_GUILESS_MAIN(tst_EmlStore)
#include "tst_EmlStore.moc"
