#include "mailimport/MailScripts.h"
#include "mailimport/TOrvMailContact.h"
#include "mailimport/testsupport/TestProfile.h"

#include "base/CommaText.h"
#include "base/Errors.h"
#include "contactdb/Connection.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Mail;
using namespace Mail::Test;
using namespace Qt::StringLiterals;

namespace {

const QDateTime MailDate(QDate(2024, 3, 5), QTime(14, 7, 9));

TOrvMail inboxMail(const QString &uniqueId, const QString &from = u"novak@alfa.cz"_s)
{
    TOrvMail mail(TOrvMailDirection::Inbox, uniqueId, MailDate, u"Nabídka"_s, from, u"jana@orvanta.cz"_s, false);
    mail.SetDetail({}, u"Dobrý den"_s, true);
    return mail;
}

struct Counts
{
    int emails, links, documents, connects;
    qint64 lastCem, lastCl, lastCt, lastCs;
    bool operator==(const Counts &) const = default;
};

Counts countsOf(TestProfile &profile)
{
    return {profile.rowCount(u"EMAIL"_s), profile.rowCount(u"LINK"_s), profile.rowCount(u"DOCUMENT"_s),
            profile.rowCount(u"CONNECT"_s), profile.counter(u"LASTCEM"_s), profile.counter(u"LASTCL"_s),
            profile.counter(u"LASTCT"_s), profile.counter(u"LASTCS"_s)};
}

// Every counter equals the largest key its table used: no key handed out twice or lost.
void verifyCountersMatchRows(TestProfile &profile)
{
    QCOMPARE(profile.counter(u"LASTCEM"_s), profile.maxKey(u"EMAIL"_s, u"CPCEM"_s, u"CEM"_s));
    QCOMPARE(profile.counter(u"LASTCL"_s), profile.maxKey(u"LINK"_s, u"CPCL"_s, u"CL"_s));
    QCOMPARE(profile.counter(u"LASTCT"_s), profile.maxKey(u"DOCUMENT"_s, u"CPCT"_s, u"CT"_s));
}

} // namespace

class tst_TOrvMailContact : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void openNeedsAnExistingDatabase();
    void closedDatabaseAnswersEmpty();
    void headerValuesAreStoredAsTheyAre_data();
    void headerValuesAreStoredAsTheyAre();
    void positionalValueIsNeverSearchedAgain();
    void saveEmailLinksEachSubjectOnce();
    void saveEmailIsAtomic_data();
    void saveEmailIsAtomic();
    void saveDocumentStoresOnce();
    void findSubjectByAddress_data();
    void findSubjectByAddress();
    void findSubjectById();
    void subjectAddresses();
    void documentMemo();

private:
    QTemporaryDir m_config;
};

void tst_TOrvMailContact::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
}

void tst_TOrvMailContact::openNeedsAnExistingDatabase()
{
    TOrvMailContact contact;
    QVERIFY(!contact.Open({}, u"/tmp/"_s));
    QTemporaryDir empty;
    QVERIFY(!contact.Open(empty.path(), {}));
    QVERIFY(!contact.Opened());
    QVERIFY(!QFile::exists(Db::Connection::profileDatabasePath(empty.path())));

    TestProfile profile;
    QVERIFY(contact.Open(profile.path(), u"/srv/prilohy"_s));
    QCOMPARE(contact.attachmentDirectory(), u"/srv/prilohy/"_s);
    QVERIFY(!contact.Open(empty.path(), {}));      // a failed open leaves nothing open
    QVERIFY(!contact.dataSource().Connected());
}

void tst_TOrvMailContact::closedDatabaseAnswersEmpty()
{
    TOrvMailContact contact;
    TOrvMail mail = inboxMail(u"id"_s);
    QVERIFY(!contact.IsEmailInDB(mail));
    QVERIFY(contact.GetLinkedFirms(mail).isEmpty());
    QVERIFY(!contact.FindSubjectByAddress(mail));
    QVERIFY(!contact.GetSubjectAddresses({1, 7, 1}));
    QVERIFY(!contact.SaveEmail(7, u"d"_s, mail, {1, 7, 1}));
    QVERIFY(!contact.dataSource().RunScript(Scripts::IsEmailInDB, {u"id"_s}));
    contact.LoadDatabaseState(mail);
    QVERIFY(mail.Loaded() & TOrvMail::LoadedLinks);
    QVERIFY(!mail.InDatabase());
}

void tst_TOrvMailContact::headerValuesAreStoredAsTheyAre_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophe") << u"O'Brien's <ob'rien@firma.ie>"_s;
    QTest::newRow("positional marker") << u"user@0domain.cz"_s;
    QTest::newRow("two markers") << u"@1 a @0"_s;
    QTest::newRow("statement break") << u"x'); DELETE FROM \"EMAIL\"; --"_s;
    QTest::newRow("parameter syntax") << u":ENTRYID"_s;
    QTest::newRow("NUL inside") << u"a"_s + QChar(0) + u"b"_s;
    QTest::newRow("quotes and comma") << u"\"Novák, Jan\" <jan@x.cz>"_s;
    QTest::newRow("very long") << QString(5000, u'ř');
}

void tst_TOrvMailContact::headerValuesAreStoredAsTheyAre()
{
    QFETCH(QString, value);
    TestProfile profile;
    const SubjectKey firm = profile.addFirm(u"Alfa"_s);
    profile.addAddress(firm, value);
    TOrvMailContact contact;
    QVERIFY(contact.Open(profile.path(), {}));

    TOrvMail mail(TOrvMailDirection::Inbox, value, MailDate, value, value, value, false);
    mail.SetDetail({}, value, true);
    QVERIFY(!contact.IsEmailInDB(mail));
    QVERIFY(contact.SaveEmail(TestProfile::Site, value, mail, firm));

    QVERIFY(contact.IsEmailInDB(mail));
    QCOMPARE(profile.rowCount(u"EMAIL"_s), 1);
    const Db::RowSet rows = profile.connection().query(
        u"SELECT \"SUBJECT\", \"FROM\", \"TO\", \"ENTRYID\", \"BODY\", \"CREATOR\" FROM \"EMAIL\""_s);
    QCOMPARE(rows.value(0, u"SUBJECT"_s).toString(), value);
    QCOMPARE(rows.value(0, u"FROM"_s).toString(), value);
    QCOMPARE(rows.value(0, u"ENTRYID"_s).toString(), value.left(TOrvMail::UniqueIdLength));
    QCOMPARE(rows.value(0, u"BODY"_s).toByteArray(), value.toUtf8());
    QCOMPARE(rows.value(0, u"CREATOR"_s).toString(), value);
    // The positional scripts see the value as one literal as well.
    QCOMPARE(contact.FindSubjectByAddress(mail), std::optional<SubjectKey>(firm));
    QCOMPARE(Orv::fromCommaText(contact.GetLinkedFirms(mail)).size(), 1);
}

void tst_TOrvMailContact::positionalValueIsNeverSearchedAgain()
{
    TestProfile profile;
    TOrvDataSource source;
    QVERIFY(source.Open(profile.path()));
    auto rows = source.RunScript(u"-- test\nSELECT '@0' AS \"A\", '@1' AS \"B\";\n"_s, {u"x@1y"_s, u"z'@0"_s});
    QVERIFY(rows);
    QCOMPARE(rows->value(0, u"A"_s).toString(), u"x@1y"_s);
    QCOMPARE(rows->value(0, u"B"_s).toString(), u"z'@0"_s);
}

void tst_TOrvMailContact::saveEmailLinksEachSubjectOnce()
{
    TestProfile profile;
    const SubjectKey firm = profile.addFirm(u"Alfa"_s);
    const SubjectKey person = profile.addPerson(u"Jana"_s, u"Nováková"_s);
    TOrvMailContact contact;
    QVERIFY(contact.Open(profile.path(), {}));
    TOrvMail mail = inboxMail(u"msg-1"_s);

    QVERIFY(contact.SaveEmail(TestProfile::Site, u"jana"_s, mail, firm));
    const Counts afterFirst = countsOf(profile);
    QCOMPARE(afterFirst.emails, 1);
    QCOMPARE(afterFirst.links, 1);
    QCOMPARE(afterFirst.lastCem, 1);

    // The same message for the same subject: nothing written, no counter raised.
    QVERIFY(contact.SaveEmail(TestProfile::Site, u"jana"_s, mail, firm));
    QCOMPARE(countsOf(profile), afterFirst);

    // For a second subject: only a link, to the stored row.
    QVERIFY(contact.SaveEmail(TestProfile::Site, u"jana"_s, mail, person));
    const Counts afterSecond = countsOf(profile);
    QCOMPARE(afterSecond.emails, 1);
    QCOMPARE(afterSecond.links, 2);
    QCOMPARE(afterSecond.lastCem, 1);
    QCOMPARE(afterSecond.lastCl, 2);
    const Db::RowSet link = profile.connection().query(
        u"SELECT \"ID\", \"CPCY\", \"CY\", \"PRIORITA\", \"SECTION\" FROM \"LINK\" WHERE \"CPCX\" = ? AND \"CX\" = ?"_s,
        {person.cpcx, person.cx});
    QCOMPARE(link.value(0, u"ID"_s).toInt(), 27);
    QCOMPARE(link.value(0, u"CPCY"_s).toInt(), TestProfile::Site);
    QCOMPARE(link.value(0, u"CY"_s).toInt(), 1);
    QCOMPARE(link.value(0, u"PRIORITA"_s).toInt(), 2);

    contact.LoadDatabaseState(mail);
    QVERIFY(mail.InDatabase());
    QCOMPARE(mail.LinkedFirms(), u"\"$IC$R11,7,1$R0Alfa\""_s);
    QCOMPARE(mail.LinkedPersons(), u"\"$IB$R12,7,2$R0Jana Nováková\""_s);

    // Kinds other than firm and person store nothing.
    QVERIFY(!contact.SaveEmail(TestProfile::Site, u"jana"_s, inboxMail(u"msg-2"_s), {3, 7, 1}));
    QCOMPARE(countsOf(profile), afterSecond);
    verifyCountersMatchRows(profile);
}

void tst_TOrvMailContact::saveEmailIsAtomic_data()
{
    QTest::addColumn<bool>("alreadyStored");
    QTest::newRow("new message and link") << false;
    QTest::newRow("link to a stored message") << true;
}

void tst_TOrvMailContact::saveEmailIsAtomic()
{
    QFETCH(bool, alreadyStored);
    TestProfile profile;
    const SubjectKey firm = profile.addFirm(u"Alfa"_s);
    const SubjectKey person = profile.addPerson(u"Jana"_s, u"Nováková"_s);
    TOrvMailContact contact;
    QVERIFY(contact.Open(profile.path(), {}));
    const TOrvMail mail = inboxMail(u"msg-1"_s);
    if (alreadyStored)
        QVERIFY(contact.SaveEmail(TestProfile::Site, u"jana"_s, mail, firm));
    const Counts before = countsOf(profile);

    Db::Connection *connection = contact.dataSource().connection();
    for (int failAt = 1; failAt < 200; ++failAt) {
        connection->failStep(failAt);
        try {
            QVERIFY(contact.SaveEmail(TestProfile::Site, u"jana"_s, mail, person));
        } catch (const EOrvDatabaseError &) {
            QCOMPARE(countsOf(profile), before);    // nothing half-written, no counter raised
            continue;
        }
        // Succeeded: either the armed step lay beyond the script (every step has been
        // failed once) or a failure was absorbed; the data must be whole either way.
        const bool done = connection->faultPending();
        connection->failStep(0);
        verifyCountersMatchRows(profile);
        const Counts after = countsOf(profile);
        QCOMPARE(after.emails, 1);
        QCOMPARE(after.links, before.links + 1);
        QVERIFY(done);
        QVERIFY2(failAt > 3, "the hook never failed a step");
        return;
    }
    QFAIL("the save never succeeded");
}

void tst_TOrvMailContact::saveDocumentStoresOnce()
{
    TestProfile profile;
    const SubjectKey person = profile.addPerson(u"Jana"_s, u"Nováková"_s);
    TOrvMailContact contact;
    QVERIFY(contact.Open(profile.path(), {}));
    QVERIFY(contact.SaveDocument(TestProfile::Site, u"jana"_s, u"{\\rtf1 memo}"_s, u"/srv/p/faktura.pdf"_s,
                                 u"faktura.pdf"_s, person));
    const Counts first = countsOf(profile);
    QCOMPARE(first.documents, 1);
    QCOMPARE(first.lastCt, 1);
    QVERIFY(contact.SaveDocument(TestProfile::Site, u"jana"_s, u"jiná poznámka"_s, u"/srv/p/jiny.pdf"_s,
                                 u"faktura.pdf"_s, person));
    QCOMPARE(countsOf(profile), first);
    const Db::RowSet rows = profile.connection().query(
        u"SELECT \"ID\", \"PATH\", \"MEMO\", \"CATEGORY\", \"COUNTER\" FROM \"DOCUMENT\""_s);
    QCOMPARE(rows.value(0, u"ID"_s).toInt(), 52);
    QCOMPARE(rows.value(0, u"PATH"_s).toString(), u"/srv/p/faktura.pdf"_s);
    QCOMPARE(rows.value(0, u"MEMO"_s).toString(), u"{\\rtf1 memo}"_s);
    QCOMPARE(rows.value(0, u"COUNTER"_s).toInt(), 1);
}

void tst_TOrvMailContact::findSubjectByAddress_data()
{
    QTest::addColumn<TOrvMailDirection>("direction");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("kind");    // 0: no match
    QTest::newRow("firm's address") << TOrvMailDirection::Inbox << u"info@alfa.cz"_s << 1;
    QTest::newRow("person's address, sent") << TOrvMailDirection::Outbox << u"jana@beta.cz"_s << 2;
    QTest::newRow("at a firm and a person") << TOrvMailDirection::Inbox << u"spolecna@gama.cz"_s << 0;
    QTest::newRow("unknown") << TOrvMailDirection::Inbox << u"nikdo@nikde.cz"_s << 0;
    // The address is compared unchanged: no trimming, and a list matches no single address.
    QTest::newRow("leading blank") << TOrvMailDirection::Inbox << u" info@alfa.cz"_s << 0;
    QTest::newRow("two addresses") << TOrvMailDirection::Outbox << u"info@alfa.cz; jana@beta.cz"_s << 0;
    // Letter case follows the column's collation, which ignores it.
    QTest::newRow("other letter case") << TOrvMailDirection::Inbox << u"INFO@Alfa.cz"_s << 1;
}

void tst_TOrvMailContact::findSubjectByAddress()
{
    QFETCH(TOrvMailDirection, direction);
    QFETCH(QString, address);
    QFETCH(int, kind);
    TestProfile profile;
    const SubjectKey firm = profile.addFirm(u"Alfa"_s);
    const SubjectKey person = profile.addPerson(u"Jana"_s, u"Nováková"_s);
    profile.addAddress(firm, u"info@alfa.cz"_s);
    profile.addAddress(person, u"jana@beta.cz"_s);
    profile.addAddress(firm, u"spolecna@gama.cz"_s);
    profile.addAddress(person, u"spolecna@gama.cz"_s);
    TOrvMailContact contact;
    QVERIFY(contact.Open(profile.path(), {}));

    const bool outbox = direction == TOrvMailDirection::Outbox;
    // The other address field holds a known address, so a wrong choice of field shows.
    const TOrvMail mail(direction, u"id"_s, MailDate, {}, outbox ? u"info@alfa.cz"_s : address,
                        outbox ? address : u"jana@beta.cz"_s, false);
    const std::optional<SubjectKey> found = contact.FindSubjectByAddress(mail);
    if (kind == 0) {
        QVERIFY(!found);
        return;
    }
    QVERIFY(found);
    QCOMPARE(*found, kind == 1 ? firm : person);
}

void tst_TOrvMailContact::findSubjectById()
{
    TestProfile profile;
    const SubjectKey firm = profile.addFirm(u"Alfa"_s, u"s.r.o."_s, u"Dlouhá 5"_s, u"Brno"_s, u"602 00"_s);
    const SubjectKey person = profile.addPerson(u"Jana"_s, u"Nováková"_s);
    TOrvMailContact contact;
    QVERIFY(contact.Open(profile.path(), {}));

    QCOMPARE(contact.FindSubjectById(firm),
             std::optional<SubjectDetail>({u"Alfa s.r.o."_s, u"Dlouhá 5"_s, u"Brno"_s, u"602 00"_s}));
    // Empty titles keep their blanks.
    QCOMPARE(contact.FindSubjectById(person)->name, u" Jana Nováková "_s);
    QVERIFY(!contact.FindSubjectById({1, firm.cpcx, 999}));
    QVERIFY(!contact.FindSubjectById({3, firm.cpcx, firm.cx}));
}

void tst_TOrvMailContact::subjectAddresses()
{
    TestProfile profile;
    const SubjectKey firm = profile.addFirm(u"Alfa"_s);
    const SubjectKey other = profile.addFirm(u"Beta"_s);
    profile.addAddress(firm, u"info@alfa.cz"_s);
    profile.addAddress(firm, u"Obchod@Alfa.cz"_s);
    profile.addAddress(other, u"beta@beta.cz"_s);
    TOrvMailContact contact;
    QVERIFY(contact.Open(profile.path(), {}));
    QCOMPARE(contact.GetSubjectAddresses(firm), std::optional<QString>(u"\"info@alfa.cz\",\"Obchod@Alfa.cz\""_s));
    QCOMPARE(contact.GetSubjectAddresses(profile.addFirm(u"Gama"_s)), std::optional<QString>(QString()));

    QVERIFY(contact.SaveAddress(TestProfile::Site, u"jana"_s, u"novy@alfa.cz"_s, firm));
    const Db::RowSet row = profile.connection().query(
        u"SELECT \"ID\", \"SPOJTYP\", \"TYP\", \"VOLACKA\", \"CS\", \"CREATOR\" FROM \"CONNECT\" WHERE \"TELEFON\" = 'novy@alfa.cz'"_s);
    QCOMPARE(row.recordCount(), 1);
    QCOMPARE(row.value(0, u"ID"_s).toInt(), 61);
    QCOMPARE(row.value(0, u"VOLACKA"_s).toString(), u"mailto:"_s);
    QCOMPARE(row.value(0, u"CS"_s).toLongLong(), profile.counter(u"LASTCS"_s));
    QCOMPARE(row.value(0, u"CREATOR"_s).toString(), u"jana"_s);
}

void tst_TOrvMailContact::documentMemo()
{
    TOrvMail mail(TOrvMailDirection::Inbox, u"id"_s, MailDate, u"Faktura $SENDER {č. 12}"_s,
                  u"novak@alfa.cz"_s, u"jana@orvanta.cz"_s, true);
    const QString expected = QStringList{
        uR"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil\fcharset0 Tahoma;}{\f1\fswiss\fcharset0 Tahoma;}{\f2\fswiss\fcharset238 Tahoma;}{\f3\fnil MS Sans Serif;}})"_s,
        uR"({\colortbl ;\red128\green128\blue128;\red0\green0\blue255;})"_s,
        uR"(\viewkind4\uc1\pard\cf1\lang1033\b\f0\fs16 Dokument \lang1029 poch\'e1z\'ed z n\'e1sleduj\'edc\'edho e-mailu\lang1033 :\cf0)"_s,
        uR"(\par \f1)"_s,
        // A marker brought in by the subject stays as it is; braces are escaped.
        uR"(\par P\lang1029\f2\'f8edm\'ect: \b0\f3 Faktura $SENDER \{č. 12\} \f2)"_s,
        uR"(\par \b Datum a \f2\'e8as: \b0 5.3.2024 14:07:09\b\f2)"_s,
        uR"(\par \b Odes\'edlatel\b0 : \cf2\ul novak@alfa.cz)"_s,
        uR"(\par \cf0\ulnone\b P\f2\'f8\'edjemce:\b0  \cf2\ul jana@orvanta.cz\cf0\ulnone\f2)"_s,
        uR"(\par })"_s,
    }.join(u"\r\n"_s);
    QCOMPARE(TOrvMailContact::DocumentMemo(mail), expected);
}

QTEST_GUILESS_MAIN(tst_TOrvMailContact)
#include "tst_TOrvMailContact.moc"
