#include "ClientTestSupport.h"

#include "mailimport/clients/TOrvLotusClient.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSettingsLotus.h"

#include "platform/dxl/DxlWriter.h"
#include "platform/eml/StoreBuilder.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Mail;

namespace {

Domino::DxlDocumentSpec document(int number, const QString &subject)
{
    Domino::DxlDocumentSpec doc;
    doc.unid = Domino::DxlWriter::unidFor(number);
    doc.deliveredDate = QDateTime(QDate(2024, 1, 5), QTime(8, 0)).addSecs(number * 60);
    doc.subject = subject;
    doc.inetFrom = u"jan@alfa.cz"_s;
    doc.from = u"CN=Jan Novak/O=Alfa"_s;
    doc.sendTo = QStringList{u"ja@orvanta.cz"_s};
    doc.plainBody = u"Dobrý den"_s;
    return doc;
}

void writeView(const QString &path, const QList<Domino::DxlDocumentSpec> &documents)
{
    Domino::DxlWriter writer(path);
    for (const auto &doc : documents)
        writer.add(doc);
    writer.finish();
}

QByteArray alternativeMime()
{
    return Eml::MailBuilder()
        .from(u"jan@alfa.cz"_s)
        .to(u"ja@orvanta.cz"_s)
        .subject(u"Smlouva"_s)
        .plainBody(u"Prostý text"_s)
        .htmlBody(u"<p>Text v <b>HTML</b></p>"_s)
        .build();
}

// Replaces the `index`-th (0-based) DeliveredDate item of a written view.
void replaceDeliveredDate(const QString &path, int index, const QString &replacement)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    static const QRegularExpression item(uR"(<item name="DeliveredDate">\s*<datetime[^>]*>[^<]*</datetime>\s*</item>)"_s);
    QList<QRegularExpressionMatch> matches;
    for (auto it = item.globalMatch(text); it.hasNext();)
        matches << it.next();
    QVERIFY(index < matches.size());
    text.replace(matches.at(index).capturedStart(), matches.at(index).capturedLength(), replacement);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

} // namespace

class tst_TOrvLotusClient : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void listsLoadsAndSaves();
    void pickerNames_data();
    void pickerNames();
    void senderAndRecipients_data();
    void senderAndRecipients();
    void picksBody_data();
    void picksBody();
    void conversionRestoredOnEveryPath();
    void brokenViewsAndDates_data();
    void brokenViewsAndDates();

private:
    QString viewPath(const QString &name) const { return QDir(m_store).filePath(name + u".dxl"_s); }
    // The client reading m_store with ($Inbox) and ($Sent) as its folders.
    std::unique_ptr<TOrvLotusClient> client(const QString &inbox = u"($Inbox)"_s);
    // One inbox document (with an empty ($Sent)), listed and with its detail loaded.
    TOrvMailPtr loadedSingle(const Domino::DxlDocumentSpec &doc);

    std::unique_ptr<Test::ConfigHome> m_config;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_store;
    QString m_attachments;
};

void tst_TOrvLotusClient::init()
{
    m_config = std::make_unique<Test::ConfigHome>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = m_dir->filePath(u"mail"_s);
    m_attachments = m_dir->filePath(u"prilohy"_s);
    QDir().mkpath(m_store);
    QDir().mkpath(m_attachments);
    TOrvMailGlobalSettings::instance() = TOrvMailGlobalSettings();
}

std::unique_ptr<TOrvLotusClient> tst_TOrvLotusClient::client(const QString &inbox)
{
    Test::setStore(u"notes7"_s, m_store);
    auto result = TOrvMailClient::Create<TOrvLotusClient>();
    auto *settings = static_cast<TOrvMailSettingsLotus *>(result->settings());
    settings->InboxName = inbox;
    settings->OutboxName = u"($Sent)"_s;
    settings->Password = u"tajné"_s;
    return result;
}

TOrvMailPtr tst_TOrvLotusClient::loadedSingle(const Domino::DxlDocumentSpec &doc)
{
    writeView(viewPath(u"($Inbox)"_s), {doc});
    writeView(viewPath(u"($Sent)"_s), {});
    auto notes = client();
    const Test::Download listed = Test::download(*notes);
    if (!listed.error.isEmpty() || listed.inbox.size() != 1 || !notes->LoadDetail(*listed.inbox.first()))
        return nullptr;
    return listed.inbox.first();
}

// With mailstores.ini pointing at a generated DXL export, the client lists both folders,
// loads a message's detail and saves its attachment.
void tst_TOrvLotusClient::listsLoadsAndSaves()
{
    Domino::DxlDocumentSpec contract = document(1, u"Smlouva"_s);
    contract.mime = alternativeMime();
    contract.files = {{u"smlouva.pdf"_s, "%PDF-1.4 smlouva"_ba}};
    writeView(viewPath(u"($Inbox)"_s), {contract, document(2, u"Pozvánka"_s)});
    Domino::DxlDocumentSpec sent = document(3, u"Odpověď"_s);
    sent.deliveredDate = {};
    sent.postedDate = QDateTime(QDate(2024, 1, 6), QTime(9, 30));
    writeView(viewPath(u"($Sent)"_s), {sent});

    auto notes = client();
    QVERIFY(notes->IsAvailable());
    QCOMPARE(notes->GetClientName(), u"IBM Lotus Notes 7"_s);
    QStringList folders;
    for (const MailFolder &folder : notes->ListFolders())
        folders << u"%1|%2|%3"_s.arg(folder.id, folder.displayText).arg(folder.messageCount);
    QCOMPARE(folders, (QStringList{u"($Inbox)|$Inbox|2"_s, u"($Sent)|$Sent|1"_s}));

    const Test::Download listed = Test::download(*notes);
    QCOMPARE(listed.error, QString());
    QCOMPARE(listed.inbox.size(), 2);
    QCOMPARE(listed.outbox.size(), 1);
    QCOMPARE(listed.outbox.first()->Date(), QDateTime(QDate(2024, 1, 6), QTime(9, 30)));   // posted date

    const TOrvMailPtr mail = listed.inboxWithSubject(u"Smlouva"_s);
    QVERIFY(mail);
    QCOMPARE(mail->UniqueId(), Domino::DxlWriter::unidFor(1));
    QCOMPARE(mail->Date(), QDateTime(QDate(2024, 1, 5), QTime(8, 1)));
    QCOMPARE(mail->From(), u"jan@alfa.cz"_s);
    QVERIFY(mail->HasAttach());
    QVERIFY(!listed.inboxWithSubject(u"Pozvánka"_s)->HasAttach());

    QVERIFY(notes->LoadDetail(*mail));
    QVERIFY(!mail->IsPlain());
    QVERIFY(mail->Body().contains(u"<b>HTML</b>"_s));
    QCOMPARE(mail->Attachments(), u"\"smlouva.pdf\""_s);

    QString reason;
    const QString saved = notes->SaveAttachment(*mail, u"smlouva.pdf"_s, m_attachments, &reason);
    QCOMPARE(reason, QString());
    QCOMPARE(Test::fileContent(saved), "%PDF-1.4 smlouva"_ba);
    QVERIFY(notes->sessionConvertsMime());

    // A folder saved by the name the picker showed still finds its view.
    auto byShownName = client(u"$Inbox"_s);
    QCOMPARE(Test::download(*byShownName).inbox.size(), 2);
    QVERIFY(byShownName->LoadDetail(*mail));
}

void tst_TOrvLotusClient::pickerNames_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("shown");
    QTest::newRow("in parentheses") << u"($Inbox)"_s << u"$Inbox"_s;
    QTest::newRow("one character inside") << u"(a)"_s << u"a"_s;
    QTest::newRow("only the parentheses") << u"()"_s << u"()"_s;
    QTest::newRow("opening one only") << u"(Koncepty"_s << u"(Koncepty"_s;
    QTest::newRow("plain name") << u"Archiv"_s << u"Archiv"_s;
}

void tst_TOrvLotusClient::pickerNames()
{
    QFETCH(QString, view);
    QFETCH(QString, shown);
    QCOMPARE(TOrvLotusClient::PickerName(view), shown);
}

void tst_TOrvLotusClient::senderAndRecipients_data()
{
    QTest::addColumn<QString>("inetFrom");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("inetSendTo");
    QTest::addColumn<QStringList>("sendTo");
    QTest::addColumn<QString>("expectedFrom");
    QTest::addColumn<QString>("expectedTo");

    QTest::newRow("Internet items win") << u"jan@alfa.cz"_s << u"CN=Jan Novak/O=Alfa"_s << u"eva@beta.cz"_s
                                        << QStringList{u"CN=Eva/O=Beta"_s} << u"jan@alfa.cz"_s << u"eva@beta.cz"_s;
    QTest::newRow("INetFrom empty, From without brackets kept whole")
        << QString() << u"CN=Jan Novak/O=Alfa"_s << QString() << QStringList{u"CN=Eva/O=Beta"_s}
        << u"CN=Jan Novak/O=Alfa"_s << u"CN=Eva/O=Beta"_s;
    QTest::newRow("addresses in angle brackets")
        << QString() << u"Jan Novák <jan@alfa.cz>"_s << QString()
        << QStringList{u"Eva <eva@beta.cz>"_s, u"Petr <petr@gama.cz>"_s} << u"jan@alfa.cz"_s
        << u"eva@beta.cz;petr@gama.cz"_s;
}

void tst_TOrvLotusClient::senderAndRecipients()
{
    QFETCH(QString, inetFrom);
    QFETCH(QString, from);
    QFETCH(QString, inetSendTo);
    QFETCH(QStringList, sendTo);
    QFETCH(QString, expectedFrom);
    QFETCH(QString, expectedTo);
    Domino::DxlDocumentSpec doc = document(1, u"S"_s.repeated(300));
    doc.inetFrom = inetFrom;
    doc.from = from;
    doc.inetSendTo = inetSendTo;
    doc.sendTo = sendTo;
    const TOrvMailPtr mail = loadedSingle(doc);
    QVERIFY(mail);
    QCOMPARE(mail->From(), expectedFrom);
    QCOMPARE(mail->To(), expectedTo);
    QCOMPARE(mail->Subject(), u"S"_s.repeated(250));
}

void tst_TOrvLotusClient::picksBody_data()
{
    QTest::addColumn<QByteArray>("mime");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("isPlain");

    QTest::newRow("rich text") << QByteArray() << u"Dobrý den"_s << true;
    QTest::newRow("MIME plain only") << Eml::MailBuilder().plainBody(u"Jen text"_s).build() << u"Jen text"_s << true;
    QTest::newRow("MIME multipart/alternative gives HTML")
        << alternativeMime() << u"<p>Text v <b>HTML</b></p>"_s << false;
    QTest::newRow("HTML inside multipart/mixed with a file")
        << Eml::MailBuilder().plainBody(u"a"_s).htmlBody(u"<i>b</i>"_s).attach(u"x.bin"_s, "x").build()
        << u"<i>b</i>"_s << false;
}

void tst_TOrvLotusClient::picksBody()
{
    QFETCH(QByteArray, mime);
    QFETCH(QString, body);
    QFETCH(bool, isPlain);
    Domino::DxlDocumentSpec doc = document(1, u"Tělo"_s);
    doc.mime = mime;
    const TOrvMailPtr mail = loadedSingle(doc);
    QVERIFY(mail);
    QCOMPARE(mail->Body().trimmed(), body);
    QCOMPARE(mail->IsPlain(), isPlain);
}

void tst_TOrvLotusClient::conversionRestoredOnEveryPath()
{
    Domino::DxlDocumentSpec doc = document(1, u"Smlouva"_s);
    doc.mime = alternativeMime();
    doc.files = {{u"smlouva.pdf"_s, "PDF"_ba}};
    writeView(viewPath(u"($Inbox)"_s), {doc});
    writeView(viewPath(u"($Sent)"_s), {});
    auto notes = client();
    const Test::Download listed = Test::download(*notes);
    QCOMPARE(listed.inbox.size(), 1);
    TOrvMail &mail = *listed.inbox.first();
    TOrvMail unknown(TOrvMailDirection::Inbox, Domino::DxlWriter::unidFor(99), QDateTime::currentDateTime(), {}, {},
                     {}, false);
    QString reason;

    struct Step
    {
        const char *name;
        std::function<bool()> run;
        bool succeeds;
    };
    const QList<Step> steps{
        {"detail loaded", [&] { return notes->LoadDetail(mail); }, true},
        {"unknown document", [&] { return notes->LoadDetail(unknown); }, false},
        {"attachment saved", [&] { return !notes->SaveAttachment(mail, u"smlouva.pdf"_s, m_attachments, &reason).isEmpty(); }, true},
        {"attachment missing", [&] { return !notes->SaveAttachment(mail, u"jiná.pdf"_s, m_attachments, &reason).isEmpty(); }, false},
        {"folders listed", [&] { return !notes->ListFolders().isEmpty(); }, true},
        {"store gone: detail", [&] { QDir(m_store).removeRecursively(); return notes->LoadDetail(mail); }, false},
        {"store gone: attachment", [&] { return !notes->SaveAttachment(mail, u"smlouva.pdf"_s, m_attachments, &reason).isEmpty(); }, false},
    };
    for (const Step &step : steps) {
        QCOMPARE_EQ(step.run(), step.succeeds);
        QVERIFY2(notes->sessionConvertsMime(), step.name);
    }
}

void tst_TOrvLotusClient::brokenViewsAndDates_data()
{
    QTest::addColumn<QString>("inbox");
    QTest::addColumn<int>("dateItem");          // which DeliveredDate to replace, -1: none
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("truncate");
    QTest::addColumn<int>("listed");            // inbox messages listed, -1: any
    QTest::addColumn<bool>("error");

    QTest::newRow("date as text in the system format")
        << u"($Inbox)"_s << 1 << u"<item name=\"DeliveredDate\"><text>5.3.2024 8:15:00</text></item>"_s << false << 3 << false;
    QTest::newRow("no date: message left out") << u"($Inbox)"_s << 1 << QString() << false << 2 << false;
    QTest::newRow("unreadable date ends the view's walk")
        << u"($Inbox)"_s << 1 << u"<item name=\"DeliveredDate\"><text>zítra</text></item>"_s << false << 1 << true;
    QTest::newRow("invalid XML") << u"($Inbox)"_s << -1 << QString() << true << -1 << true;
    QTest::newRow("view missing") << u"Neexistuje"_s << -1 << QString() << false << 0 << true;
}

// Whatever breaks in the inbox, the outbox is still listed and nothing crashes.
void tst_TOrvLotusClient::brokenViewsAndDates()
{
    QFETCH(QString, inbox);
    QFETCH(int, dateItem);
    QFETCH(QString, replacement);
    QFETCH(bool, truncate);
    QFETCH(int, listed);
    QFETCH(bool, error);

    const QString inboxFile = viewPath(u"($Inbox)"_s);
    writeView(inboxFile, {document(1, u"a"_s), document(2, u"b"_s), document(3, u"c"_s)});
    writeView(viewPath(u"($Sent)"_s), {document(4, u"d"_s)});
    if (dateItem >= 0)
        replaceDeliveredDate(inboxFile, dateItem, replacement);
    if (truncate) {
        QFile file(inboxFile);
        QVERIFY(file.resize(file.size() / 2));
    }

    const Test::Download result = Test::download(*client(inbox));
    if (listed >= 0)
        QCOMPARE(result.inbox.size(), listed);
    QCOMPARE(!result.error.isEmpty(), error);
    QCOMPARE(result.outbox.size(), 1);
}

QTEST_GUILESS_MAIN(tst_TOrvLotusClient)
#include "tst_TOrvLotusClient.moc"
