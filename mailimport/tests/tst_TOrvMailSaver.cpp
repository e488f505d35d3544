#include "mailimport/TOrvMailContact.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSaver.h"
#include "mailimport/testsupport/TOrvMemoryMailClient.h"
#include "mailimport/testsupport/TestProfile.h"

#include "base/MessageService.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Mail;
using namespace Mail::Test;
using namespace Qt::StringLiterals;

namespace {

const QDateTime MailDate(QDate(2024, 3, 5), QTime(14, 7, 9));

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

class tst_TOrvMailSaver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void attachmentNamesStayInTheDirectory_data();
    void attachmentNamesStayInTheDirectory();
    void differentFileOfThatNameIsKept();
    void failedAttachmentGetsNoDocument();
    void withoutDirectoryNoAttachmentIsWritten_data();
    void withoutDirectoryNoAttachmentIsWritten();
    void withoutSubjectNothingIsStored();
    void saveAddress_data();
    void saveAddress();

private:
    // One received message with the given attachments, saved to a firm of a new profile.
    TOrvMail addMessage(const QList<MemoryMessage::Attachment> &attachments);
    TOrvMailSaver::Result save(TOrvMail &mail, const QStringList &ticked, const QString &directory);
    QStringList documentPaths();

    QTemporaryDir m_config;
    std::unique_ptr<TestProfile> m_profile;
    std::unique_ptr<QTemporaryDir> m_attachments;
    std::unique_ptr<TOrvMemoryMailClient> m_client;
    TOrvMailContact m_contact;
    SubjectKey m_firm;
    Orv::ScriptedMessageService *m_messages = nullptr;
};

void tst_TOrvMailSaver::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
}

void tst_TOrvMailSaver::init()
{
    m_profile = std::make_unique<TestProfile>();
    m_firm = m_profile->addFirm(u"Alfa"_s);
    m_attachments = std::make_unique<QTemporaryDir>();
    m_client = TOrvMailClient::Create<TOrvMemoryMailClient>();
    auto messages = std::make_unique<Orv::ScriptedMessageService>(Orv::MsgButton::No);
    m_messages = messages.get();
    Orv::MessageService::install(std::move(messages));
}

void tst_TOrvMailSaver::cleanup()
{
    m_contact.Close();
}

TOrvMail tst_TOrvMailSaver::addMessage(const QList<MemoryMessage::Attachment> &attachments)
{
    MemoryMessage message;
    message.uniqueId = u"msg-1"_s;
    message.date = MailDate;
    message.subject = u"Faktura"_s;
    message.from = u"novak@alfa.cz"_s;
    message.to = u"jana@orvanta.cz"_s;
    message.body = u"Dobrý den"_s;
    message.attachments = attachments;
    m_client->addMessage(message);
    TOrvMail mail(message.direction, message.uniqueId, message.date, message.subject, message.from,
                  message.to, !attachments.isEmpty());
    m_client->LoadDetail(mail);
    return mail;
}

TOrvMailSaver::Result tst_TOrvMailSaver::save(TOrvMail &mail, const QStringList &ticked, const QString &directory)
{
    if (!m_contact.Opened() || m_contact.attachmentDirectory() != TOrvMailGlobalSettings::normalizedDataPath(directory))
        m_contact.Open(m_profile->path(), directory);
    TOrvContactInfo context;
    context.SubjectID = m_firm.kind;
    context.CPCX = m_firm.cpcx;
    context.CX = m_firm.cx;
    context.ProfilID = TestProfile::Site;
    context.DomName = u"jana"_s;
    return TOrvMailSaver(m_contact, m_client.get(), context).saveMessage(mail, ticked);
}

QStringList tst_TOrvMailSaver::documentPaths()
{
    QStringList paths;
    const Db::RowSet rows = m_profile->connection().query(
        u"SELECT \"PATH\", \"DESC\" FROM \"DOCUMENT\" ORDER BY \"CT\""_s);
    for (const QVariantList &row : rows.rows()) {
        // The description is the name of the file the row points at.
        [&] { QCOMPARE(QFileInfo(row.at(0).toString()).fileName(), row.at(1).toString()); }();
        paths << row.at(0).toString();
    }
    return paths;
}

void tst_TOrvMailSaver::attachmentNamesStayInTheDirectory_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << u"faktura.pdf"_s << u"faktura.pdf"_s;
    QTest::newRow("parent directories") << u"../../evil.sh"_s << u"evil.sh"_s;
    QTest::newRow("absolute path") << u"/etc/cron.d/job"_s << u"job"_s;
    QTest::newRow("windows path") << u"C:\\Windows\\system.ini"_s << u"system.ini"_s;
    QTest::newRow("dots only") << u".."_s << u"priloha"_s;
    QTest::newRow("empty") << QString() << u"priloha"_s;
    QTest::newRow("control characters") << u"zpr\u0001áva\n.txt"_s << u"zpráva.txt"_s;
}

void tst_TOrvMailSaver::attachmentNamesStayInTheDirectory()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    TOrvMail mail = addMessage({{name, "obsah"}});
    const QString directory = m_attachments->path() + u"/sub"_s;
    QVERIFY(QDir().mkpath(directory));

    const TOrvMailSaver::Result result = save(mail, {name}, directory);
    QVERIFY(result.saved);
    QVERIFY(result.failedAttachments.isEmpty());
    const QString path = directory + u'/' + written;
    QCOMPARE(result.documents, QStringList{path});
    QCOMPARE(readFile(path), "obsah"_ba);
    QCOMPARE(QDir(directory).entryList(QDir::Files | QDir::Hidden), QStringList{written});
    QCOMPARE(QDir(m_attachments->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(documentPaths(), QStringList{path});
    QVERIFY(m_messages->requests().isEmpty());
    QCOMPARE(mail.Loaded(), TOrvMail::LoadedParts(TOrvMail::LoadedAll));
    QVERIFY(mail.InDatabase());
}

void tst_TOrvMailSaver::differentFileOfThatNameIsKept()
{
    const QString directory = m_attachments->path();
    writeFile(directory + u"/faktura.pdf"_s, "cizí soubor");
    writeFile(directory + u"/dodak.pdf"_s, "dodací list");
    TOrvMail mail = addMessage({{u"faktura.pdf"_s, "naše faktura"}, {u"dodak.pdf"_s, "dodací list"}});

    const TOrvMailSaver::Result first = save(mail, {u"faktura.pdf"_s, u"dodak.pdf"_s}, directory);
    const QStringList expected = {directory + u"/faktura (2).pdf"_s, directory + u"/dodak.pdf"_s};
    QCOMPARE(first.documents, expected);
    QCOMPARE(readFile(directory + u"/faktura.pdf"_s), "cizí soubor"_ba);
    QCOMPARE(readFile(directory + u"/faktura (2).pdf"_s), "naše faktura"_ba);
    QCOMPARE(documentPaths(), expected);

    // Saving the same message again finds its files and documents: nothing new.
    const qint64 lastCt = m_profile->counter(u"LASTCT"_s);
    const TOrvMailSaver::Result second = save(mail, {u"faktura.pdf"_s, u"dodak.pdf"_s}, directory);
    QCOMPARE(second.documents, expected);
    QCOMPARE(documentPaths(), expected);
    QCOMPARE(m_profile->counter(u"LASTCT"_s), lastCt);
    QCOMPARE(QDir(directory).entryList(QDir::Files).size(), 3);
}

void tst_TOrvMailSaver::failedAttachmentGetsNoDocument()
{
    TOrvMail mail = addMessage({{u"ok.pdf"_s, "ok"}});
    const TOrvMailSaver::Result result = save(mail, {u"chybi.pdf"_s, u"ok.pdf"_s}, m_attachments->path());
    QCOMPARE(result.failedAttachments, QStringList{u"chybi.pdf"_s});
    QCOMPARE(documentPaths(), QStringList{m_attachments->path() + u"/ok.pdf"_s});
    QCOMPARE(m_messages->requests().size(), 1);
    QVERIFY(m_messages->requests().at(0).text.contains(u"chybi.pdf"_s));
    QCOMPARE(m_messages->requests().at(0).icon, Orv::MsgIcon::Warning);
}

void tst_TOrvMailSaver::withoutDirectoryNoAttachmentIsWritten_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("reason");
    QTest::newRow("none set") << QString() << u"není nastaven adresář"_s;
    QTest::newRow("lone delimiter") << u"\\"_s << u"není nastaven adresář"_s;
    QTest::newRow("relative") << u"prilohy"_s << u"není nastaven adresář"_s;
    QTest::newRow("missing directory") << u"/nonexistent/prilohy"_s << u"neexistuje"_s;
}

void tst_TOrvMailSaver::withoutDirectoryNoAttachmentIsWritten()
{
    QFETCH(QString, directory);
    QFETCH(QString, reason);
    TOrvMail mail = addMessage({{u"faktura.pdf"_s, "x"}});
    QTemporaryDir cwd;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(cwd.path());
    const TOrvMailSaver::Result result = save(mail, {u"faktura.pdf"_s}, directory);
    QDir::setCurrent(previous);

    QVERIFY(result.saved);                        // the message itself is stored
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), 1);
    QCOMPARE(result.failedAttachments, QStringList{u"faktura.pdf"_s});
    QCOMPARE(m_profile->rowCount(u"DOCUMENT"_s), 0);
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(m_messages->requests().size(), 1);
    QVERIFY2(m_messages->requests().at(0).text.contains(reason), qPrintable(m_messages->requests().at(0).text));
}

void tst_TOrvMailSaver::withoutSubjectNothingIsStored()
{
    TOrvMail mail = addMessage({{u"faktura.pdf"_s, "x"}});
    m_contact.Open(m_profile->path(), m_attachments->path());
    TOrvContactInfo context;   // no subject open in the host
    context.ProfilID = TestProfile::Site;
    const TOrvMailSaver::Result result = TOrvMailSaver(m_contact, m_client.get(), context)
                                             .saveMessage(mail, {u"faktura.pdf"_s});
    QVERIFY(!result.saved);
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), 0);
    QCOMPARE(QDir(m_attachments->path()).entryList(QDir::Files), QStringList());
    QVERIFY(!TOrvMailSaver(m_contact, m_client.get(), context).saveAddress(mail));
    QVERIFY(m_messages->requests().isEmpty());
}

void tst_TOrvMailSaver::saveAddress_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<Orv::MsgButton>("answer");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("saved");    // the new connection, empty when none
    const QString warning = u"Upozornění"_s;
    const QString exists = u"U vybraného subjektu v Velmora\r\njiž e-mailová adresa \"novak@alfa.cz\" existuje."_s;
    const QString question = u"Uložit e-mailovou adresu k vybranému subjektu v Velmora ?"_s;
    const QString asked = u"Přejete si uložit e-mailovou adresu \"info@beta.cz\" \r\nk vybranému subjektu v Velmora ?"_s;
    QTest::newRow("known, other case and blanks")
        << u" Novak@Alfa.CZ "_s << u"novak@alfa.cz"_s << Orv::MsgButton::Yes << warning << exists << QString();
    QTest::newRow("stored in upper case")
        << u"novak@alfa.cz"_s << u"NOVAK@ALFA.CZ"_s << Orv::MsgButton::Yes << warning << exists << QString();
    QTest::newRow("new, yes")
        << u" Info@Beta.cz"_s << u"novak@alfa.cz"_s << Orv::MsgButton::Yes << question << asked << u"info@beta.cz"_s;
    QTest::newRow("new, no")
        << u"info@beta.cz"_s << u"novak@alfa.cz"_s << Orv::MsgButton::No << question << asked << QString();
    QTest::newRow("stored one is longer")
        << u"info@beta.cz"_s << u"xinfo@beta.cz.uk"_s << Orv::MsgButton::Yes << question << asked << u"info@beta.cz"_s;
}

void tst_TOrvMailSaver::saveAddress()
{
    QFETCH(QString, from);
    QFETCH(QString, stored);
    QFETCH(Orv::MsgButton, answer);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, saved);
    m_profile->addAddress(m_firm, stored);
    m_messages->enqueue(answer);
    m_contact.Open(m_profile->path(), {});
    TOrvContactInfo context;
    context.SubjectID = m_firm.kind;
    context.CPCX = m_firm.cpcx;
    context.CX = m_firm.cx;
    context.ProfilID = TestProfile::Site;
    const TOrvMail mail(TOrvMailDirection::Inbox, u"id"_s, MailDate, {}, from, u"jana@orvanta.cz"_s, false);

    QCOMPARE(TOrvMailSaver(m_contact, m_client.get(), context).saveAddress(mail), !saved.isEmpty());
    QCOMPARE(m_messages->requests().size(), 1);
    QCOMPARE(m_messages->requests().at(0).caption, caption);
    QCOMPARE(m_messages->requests().at(0).text, text);
    QCOMPARE(m_profile->rowCount(u"CONNECT"_s), saved.isEmpty() ? 1 : 2);
    if (!saved.isEmpty()) {
        QCOMPARE(m_profile->connection().scalar(
                     u"SELECT \"TELEFON\" FROM \"CONNECT\" ORDER BY \"CS\" DESC LIMIT 1"_s).toString(), saved);
    }
}

QTEST_GUILESS_MAIN(tst_TOrvMailSaver)
#include "tst_TOrvMailSaver.moc"
