#include "ClientTestSupport.h"

#include "mailimport/clients/MailClients.h"
#include "mailimport/testsupport/TOrvMemoryMailClient.h"

#include "platform/dxl/DxlWriter.h"
#include "platform/eml/StoreBuilder.h"

#include "base/Paths.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Mail;

class tst_MailClients : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void clientsInTheirOrder();
    void availableWhenTheStoreOpens_data();
    void availableWhenTheStoreOpens();
    void foldersOnlyFromStoreClients();

private:
    std::unique_ptr<Test::ConfigHome> m_config;
};

void tst_MailClients::init()
{
    m_config = std::make_unique<Test::ConfigHome>();
}

void tst_MailClients::clientsInTheirOrder()
{
    const auto clients = createMailClients();
    QStringList names;
    QStringList sections;
    for (const auto &client : clients) {
        names << client->GetClientName();
        sections << client->settings()->GetSection();
        QVERIFY(!client->IsAvailable());            // no mailstores.ini yet
    }
    QCOMPARE(names, (QStringList{u"Microsoft Outlook"_s, u"IBM Lotus Notes 7"_s, u"Microsoft Windows Mail"_s}));
    QCOMPARE(sections, (QStringList{u"outlook2k"_s, u"notes7"_s, u"outlookexpress"_s}));

    QStringList fromFactories;
    for (const auto &factory : mailClientFactories())
        fromFactories << factory()->settings()->GetSection();
    QCOMPARE(fromFactories, sections);
}

void tst_MailClients::availableWhenTheStoreOpens_data()
{
    QTest::addColumn<int>("client");            // index in createMailClients()
    QTest::addColumn<QString>("store");         // what mailstores.ini names; see below
    QTest::addColumn<bool>("available");

    // "pst": a fixture; "eml": a generated tree; "dxl-dir"/"dxl-file": a generated export;
    // "text": a file of text; "empty": an empty directory; "missing": nothing at that path;
    // "relative": the generated tree named relative to the program directory.
    QTest::newRow("Outlook: .pst fixture") << 0 << u"pst"_s << true;
    QTest::newRow("Outlook: text file") << 0 << u"text"_s << false;
    QTest::newRow("Outlook: missing file") << 0 << u"missing"_s << false;
    QTest::newRow("Outlook: no entry") << 0 << QString() << false;
    QTest::newRow("Notes: export directory") << 1 << u"dxl-dir"_s << true;
    QTest::newRow("Notes: one export file") << 1 << u"dxl-file"_s << true;
    QTest::newRow("Notes: directory without exports") << 1 << u"empty"_s << false;
    QTest::newRow("Notes: missing") << 1 << u"missing"_s << false;
    QTest::newRow("Windows Mail: generated tree") << 2 << u"eml"_s << true;
    QTest::newRow("Windows Mail: relative path") << 2 << u"relative"_s << true;
    QTest::newRow("Windows Mail: a file, not a directory") << 2 << u"text"_s << false;
    QTest::newRow("Windows Mail: missing") << 2 << u"missing"_s << false;
}

void tst_MailClients::availableWhenTheStoreOpens()
{
    QFETCH(int, client);
    QFETCH(QString, store);
    QFETCH(bool, available);

    const QDir config(Orv::programDirectory());
    QString path;
    if (store == u"pst") {
        path = QStringLiteral(ORV_FIXTURES_DIR "/pst/sample1.pst");
        if (!QFile::exists(path))
            QSKIP("fixture pst/sample1.pst is absent (../shared/fixtures not available)");
    } else if (store == u"eml" || store == u"relative") {
        Eml::StoreBuilder(config.filePath(u"posta"_s), Eml::StoreBuilder::Layout::WindowsMail).writeSample({});
        path = store == u"eml" ? config.filePath(u"posta"_s) : u"posta"_s;
    } else if (store == u"dxl-dir" || store == u"dxl-file") {
        QVERIFY(config.mkpath(u"notes"_s));
        path = config.filePath(u"notes/($Inbox).dxl"_s);
        Domino::DxlWriter(path).finish();
        if (store == u"dxl-dir")
            path = config.filePath(u"notes"_s);
    } else if (store == u"text") {
        path = config.filePath(u"poznamka.pst"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Toto není úložiště pošty.\n");
    } else if (store == u"empty") {
        QVERIFY(config.mkpath(u"prazdny"_s));
        path = config.filePath(u"prazdny"_s);
    } else if (store == u"missing") {
        path = config.filePath(u"neni-tu"_s);
    }

    const auto clients = createMailClients();
    if (!path.isEmpty())
        Test::setStore(clients.at(size_t(client))->settings()->GetSection(), path);
    QCOMPARE(clients.at(size_t(client))->IsAvailable(), available);
    // Only that client's entry was written.
    for (size_t other = 0; other < clients.size(); ++other)
        if (int(other) != client)
            QVERIFY(!clients.at(other)->IsAvailable());
}

void tst_MailClients::foldersOnlyFromStoreClients()
{
    auto memory = TOrvMailClient::Create<TOrvMemoryMailClient>();
    QVERIFY(listMailFolders(*memory).isEmpty());

    Eml::StoreBuilder(Orv::programFile(u"posta"_s), Eml::StoreBuilder::Layout::WindowsMail).writeSample({});
    Test::setStore(u"outlookexpress"_s, u"posta"_s);
    const auto clients = createMailClients();
    QStringList names;
    for (const MailFolder &folder : listMailFolders(*clients.back()))
        names << folder.name;
    QCOMPARE(names, (QStringList{u"Inbox"_s, u"Sent Items"_s}));
}

QTEST_GUILESS_MAIN(tst_MailClients)
#include "tst_MailClients.moc"
