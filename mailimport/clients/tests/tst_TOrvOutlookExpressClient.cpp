#include "ClientTestSupport.h"

#include "mailimport/clients/TOrvOutlookExpressClient.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSettingsOutlookExpress.h"

#include "platform/eml/StoreBuilder.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Mail;

Q_DECLARE_METATYPE(Eml::StoreBuilder::Layout)

class tst_TOrvOutlookExpressClient : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void listsLoadsAndSaves_data();
    void listsLoadsAndSaves();
    void extractsHeaderAddresses_data();
    void extractsHeaderAddresses();
    void picksBody_data();
    void picksBody();
    void keyWithoutMessageId();
    void attachmentNamesStaySafe();
    void damagedMessagesAndFolders();

private:
    // A Windows Mail store under m_store with the client configured for its Inbox and
    // Sent Items; `write` adds the messages.
    std::unique_ptr<TOrvOutlookExpressClient> clientFor(Eml::StoreBuilder::Layout layout);
    QString folderId(TOrvOutlookExpressClient &client, const QString &name);
    // One inbox message built by `mail`, downloaded and with its detail loaded.
    TOrvMailPtr loadedSingle(const Eml::MailBuilder &mail);

    std::unique_ptr<Test::ConfigHome> m_config;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_store;
    QString m_attachments;
};

void tst_TOrvOutlookExpressClient::init()
{
    m_config = std::make_unique<Test::ConfigHome>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = m_dir->filePath(u"store"_s);
    m_attachments = m_dir->filePath(u"prilohy"_s);
    QDir().mkpath(m_attachments);
    TOrvMailGlobalSettings::instance() = TOrvMailGlobalSettings();
}

QString tst_TOrvOutlookExpressClient::folderId(TOrvOutlookExpressClient &client, const QString &name)
{
    for (const MailFolder &folder : client.ListFolders())
        if (folder.name == name)
            return folder.id;
    return {};
}

std::unique_ptr<TOrvOutlookExpressClient> tst_TOrvOutlookExpressClient::clientFor(Eml::StoreBuilder::Layout layout)
{
    const Eml::StoreBuilder builder(m_store, layout);
    builder.folderPath(Eml::StoreBuilder::inboxName());
    builder.folderPath(builder.sentName());
    Test::setStore(u"outlookexpress"_s, m_store);
    auto client = TOrvMailClient::Create<TOrvOutlookExpressClient>();
    auto *settings = static_cast<TOrvMailSettingsOutlookExpress *>(client->settings());
    settings->InboxID = folderId(*client, Eml::StoreBuilder::inboxName());
    settings->OutboxID = folderId(*client, builder.sentName());
    return client;
}

TOrvMailPtr tst_TOrvOutlookExpressClient::loadedSingle(const Eml::MailBuilder &mail)
{
    Eml::StoreBuilder builder(m_store, Eml::StoreBuilder::Layout::WindowsMail);
    builder.addMessage(Eml::StoreBuilder::inboxName(), mail);
    auto client = clientFor(Eml::StoreBuilder::Layout::WindowsMail);
    const Test::Download listed = Test::download(*client);
    if (listed.inbox.size() != 1 || !client->LoadDetail(*listed.inbox.first()))
        return nullptr;
    return listed.inbox.first();
}

void tst_TOrvOutlookExpressClient::listsLoadsAndSaves_data()
{
    QTest::addColumn<Eml::StoreBuilder::Layout>("layout");
    QTest::addColumn<QString>("sentName");
    QTest::newRow("Windows Mail tree") << Eml::StoreBuilder::Layout::WindowsMail << u"Sent Items"_s;
    QTest::newRow("Maildir") << Eml::StoreBuilder::Layout::Maildir << u"Sent"_s;
}

// With mailstores.ini pointing at a generated store, the client lists both folders, loads a
// message's detail and saves its attachment.
void tst_TOrvOutlookExpressClient::listsLoadsAndSaves()
{
    QFETCH(Eml::StoreBuilder::Layout, layout);
    QFETCH(QString, sentName);
    Eml::StoreBuilder(m_store, layout).writeSample({});
    auto client = clientFor(layout);
    QVERIFY(client->IsAvailable());
    QCOMPARE(client->GetClientName(), u"Microsoft Windows Mail"_s);

    QStringList picker;
    for (const MailFolder &folder : client->ListFolders())
        picker << folder.displayText;
    QVERIFY2(picker.contains(u"$B1Inbox$B0 [10 zpráv]"_s), qPrintable(picker.join(u" | ")));
    QVERIFY2(picker.contains(u"$B1%1$B0 [10 zpráv]"_s.arg(sentName)), qPrintable(picker.join(u" | ")));

    const Test::Download listed = Test::download(*client);
    QCOMPARE(listed.error, QString());
    QCOMPARE(listed.inbox.size(), 10);
    QCOMPARE(listed.outbox.size(), 10);
    QVERIFY(listed.outbox.first()->Subject().startsWith(u"Odeslaná zpráva"_s));

    const TOrvMailPtr mail = listed.inboxWithSubject(u"Přijatá zpráva č. 0"_s);
    QVERIFY(mail);
    QCOMPARE(mail->UniqueId(), u"<i.0@orvanta.test>"_s);
    QCOMPARE(mail->From(), u"jan.novak@alfa.cz"_s);
    QCOMPARE(mail->To(), u"ja@orvanta.cz"_s);
    QCOMPARE(mail->Date(), QDateTime(QDate(2024, 1, 1), QTime(8, 0)));
    QVERIFY(mail->HasAttach());
    QVERIFY(mail->MessageNumber() != 0);

    QVERIFY(client->LoadDetail(*mail));
    QVERIFY(!mail->IsPlain());
    QVERIFY(mail->Body().contains(u"<b>0</b>"_s));
    QCOMPARE(mail->Attachments(), u"\"příloha-0.txt\""_s);

    QString reason;
    const QString saved = client->SaveAttachment(*mail, u"příloha-0.txt"_s, m_attachments, &reason);
    QCOMPARE(reason, QString());
    QCOMPARE(saved, QDir(m_attachments).filePath(u"příloha-0.txt"_s));
    QCOMPARE(Test::fileContent(saved), "obsah 0"_ba);
}

void tst_TOrvOutlookExpressClient::extractsHeaderAddresses_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("expected");

    const QString a = u"a"_s.repeated(90) + u"@alfa.cz"_s;
    const QString b = u"b"_s.repeated(90) + u"@beta.cz"_s;
    const QString c = u"c"_s.repeated(90) + u"@gama.cz"_s;
    QTest::newRow("two names with addresses in angle brackets")
        << "\"Jan Nov\xC3\xA1k\" <jan@alfa.cz>, Eva <eva@beta.cz>"_ba << u"jan@alfa.cz;eva@beta.cz"_s;
    QTest::newRow("no angle brackets: taken whole") << "jan@alfa.cz, eva@beta.cz"_ba << u"jan@alfa.cz, eva@beta.cz"_s;
    QTest::newRow("encoded-word name") << "=?UTF-8?B?UGV0ciDFoHTEm3DDoW5layA=?= <petr@gama.cz>"_ba << u"petr@gama.cz"_s;
    QTest::newRow("third address would pass 250 characters")
        << u"A <%1>, B <%2>, C <%3>"_s.arg(a, b, c).toUtf8() << a + u';' + b;
}

void tst_TOrvOutlookExpressClient::extractsHeaderAddresses()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, expected);
    const TOrvMailPtr mail = loadedSingle(Eml::MailBuilder()
                                              .rawHeader("From: " + header)
                                              .rawHeader("To: " + header)
                                              .subject(u"Adresy"_s)
                                              .messageId(u"adresy@orvanta.test"_s)
                                              .plainBody(u"text"_s));
    QVERIFY(mail);
    QCOMPARE(mail->To(), expected);
    QCOMPARE(mail->From(), expected);
}

void tst_TOrvOutlookExpressClient::picksBody_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("isPlain");

    QTest::newRow("plain text only") << u"Dobrý den"_s << QString() << u"Dobrý den"_s << true;
    QTest::newRow("HTML only") << QString() << u"<p>Ahoj</p>"_s << u"<p>Ahoj</p>"_s << false;
    QTest::newRow("multipart/alternative gives HTML") << u"Ahoj"_s << u"<p>Ahoj</p>"_s << u"<p>Ahoj</p>"_s << false;
}

void tst_TOrvOutlookExpressClient::picksBody()
{
    QFETCH(QString, plain);
    QFETCH(QString, html);
    QFETCH(QString, body);
    QFETCH(bool, isPlain);
    Eml::MailBuilder builder;
    builder.from(u"jan@alfa.cz"_s).to(u"ja@orvanta.cz"_s).subject(u"Tělo"_s).messageId(u"telo@orvanta.test"_s);
    if (!plain.isNull())
        builder.plainBody(plain);
    if (!html.isNull())
        builder.htmlBody(html);
    const TOrvMailPtr mail = loadedSingle(builder);
    QVERIFY(mail);
    QCOMPARE(mail->Body().trimmed(), body);
    QCOMPARE(mail->IsPlain(), isPlain);
}

void tst_TOrvOutlookExpressClient::keyWithoutMessageId()
{
    // 1 January 1970 UTC is 116444736000000000 in Windows file time.
    QCOMPARE(TOrvOutlookExpressClient::FallbackKey(QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC), u"a@b.cz"_s),
             u"{3577643008.27111902.a@b.cz}"_s);
    QCOMPARE(TOrvOutlookExpressClient::FallbackKey(QDateTime(), u"x"_s), u"{0.0.x}"_s);

    const QDateTime received(QDate(2024, 5, 6), QTime(7, 8, 9));
    const TOrvMailPtr mail = loadedSingle(Eml::MailBuilder()
                                              .from(u"jan@alfa.cz"_s, u"Jan Novák"_s)
                                              .to(u"ja@orvanta.cz"_s)
                                              .subject(u"Bez identifikátoru"_s)
                                              .received(received)
                                              .plainBody(u"text"_s));
    QVERIFY(mail);
    // The key carries the parsed address, not the display name of the folder's walk.
    QCOMPARE(mail->UniqueId(), TOrvOutlookExpressClient::FallbackKey(received, u"jan@alfa.cz"_s));
    QCOMPARE(mail->Date(), received);
}

void tst_TOrvOutlookExpressClient::attachmentNamesStaySafe()
{
    const TOrvMailPtr mail = loadedSingle(Eml::MailBuilder()
                                              .from(u"jan@alfa.cz"_s)
                                              .to(u"ja@orvanta.cz"_s)
                                              .subject(u"Přílohy"_s)
                                              .messageId(u"prilohy@orvanta.test"_s)
                                              .plainBody(u"text"_s)
                                              .attach(u"Smlouva č. 1, \"návrh\".pdf"_s, "PDF")
                                              .attach(u"../../.bashrc"_s, "skript")
                                              .attach(u"Tabulka.XLSX"_s, "XLSX"));
    QVERIFY(mail);
    const QStringList names = mail->attachmentList();
    QCOMPARE(names.size(), 3);
    QCOMPARE(names.at(0), u"Smlouva č. 1, návrh.pdf"_s);
    for (const QString &name : names)
        QVERIFY2(!name.contains(u'/') && name != u".." && !name.isEmpty(), qPrintable(name));

    auto configured = clientFor(Eml::StoreBuilder::Layout::WindowsMail);
    for (const QString &name : names) {
        QString reason;
        const QString saved = configured->SaveAttachment(*mail, name, m_attachments, &reason);
        QVERIFY2(!saved.isEmpty(), qPrintable(reason));
        QCOMPARE(QFileInfo(saved).absolutePath(), QDir(m_attachments).absolutePath());
    }
    // Letter case does not matter to this store.
    QString reason;
    QVERIFY(!configured->SaveAttachment(*mail, u"tabulka.xlsx"_s, m_attachments, &reason).isEmpty());
    QVERIFY(configured->SaveAttachment(*mail, u"Tabulka"_s, m_attachments, &reason).isEmpty());
    QVERIFY(!reason.isEmpty());
}

void tst_TOrvOutlookExpressClient::damagedMessagesAndFolders()
{
    Eml::StoreBuilder builder(m_store, Eml::StoreBuilder::Layout::WindowsMail);
    builder.writeSample({.inboxCount = 3, .sentCount = 2});
    const QString inboxDir = builder.folderPath(Eml::StoreBuilder::inboxName());
    for (const auto &[name, content] : {std::pair{"prazdna.eml", QByteArray()},
                                        std::pair{"binarni.eml", QByteArray("\0\x01\x02\xFF", 4).repeated(100)},
                                        std::pair{"bez-konce.eml", "From: jan@alfa.cz\r\nContent-Type: multipart/mixed; boundary=x\r\n\r\n--x\r\n"_ba}}) {
        QFile file(QDir(inboxDir).filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    auto client = clientFor(Eml::StoreBuilder::Layout::WindowsMail);

    // Broken files never stop the walk: the good messages are all listed.
    Test::Download listed = Test::download(*client);
    QCOMPARE(listed.error, QString());
    QList<TOrvMailPtr> good;
    for (const TOrvMailPtr &mail : listed.inbox) {
        if (mail->Subject().startsWith(u"Přijatá"_s)) {
            good << mail;
            QVERIFY(client->LoadDetail(*mail));
        }
    }
    QCOMPARE(good.size(), 3);
    QCOMPARE(listed.outbox.size(), 2);

    // An inbox that is gone is reported; the outbox is still listed.
    auto *settings = static_cast<TOrvMailSettingsOutlookExpress *>(client->settings());
    const QString inboxId = settings->InboxID;
    settings->InboxID = u"12345"_s;
    listed = Test::download(*client);
    QVERIFY(listed.error.contains(u"12345"_s));
    QCOMPARE(listed.outbox.size(), 2);

    // A folder identifier that is no number is skipped quietly, as is an unset one.
    settings->InboxID = u"Doručená pošta"_s;
    listed = Test::download(*client);
    QCOMPARE(listed.error, QString());
    QCOMPARE(listed.inbox.size(), 0);
    QCOMPARE(listed.outbox.size(), 2);

    // A message the folder no longer has, or a folder setting that is no number: no detail.
    settings->InboxID = inboxId;
    TOrvMail gone(TOrvMailDirection::Inbox, u"<x@y>"_s, QDateTime::currentDateTime(), {}, {}, {}, false);
    gone.SetMessageNumber(7);
    QVERIFY(!client->LoadDetail(gone));
    settings->InboxID = u"abc"_s;
    QVERIFY(!client->LoadDetail(*good.first()));
}

QTEST_GUILESS_MAIN(tst_TOrvOutlookExpressClient)
#include "tst_TOrvOutlookExpressClient.moc"
