#include "contactdb/Connection.h"
#include "contactdb/ScriptInterpreter.h"

#include "mailimport/MailScripts.h"
#include "TestProfile.h"

#include "base/Clock.h"
#include "base/Errors.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Rows = QList<QVariantList>;

class tst_ScriptInterpreter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructs_data();
    void constructs();
    void errors_data();
    void errors();
    void errorRollsBackEverything();
    void currentTimestampIsOneValuePerRun();

    void positionalValuesAreStoredUnchanged_data();
    void positionalValuesAreStoredUnchanged();
    void literalsStayWhenNoValuesAreGiven();

    void saveEmailStoresOnceAndLinksPerSubject();
    void saveEmailIsAtomic();
    void twoSitesGiveEqualCountersAndDistinctPairs();
    void saveDocumentAndAddress();
    void findSubjectByUrl_data();
    void findSubjectByUrl();
    void findSubjectById_data();
    void findSubjectById();
    void linkedSubjectsAndAddresses();

private:
    QVariantMap saveEmailParams(const QString &entryId, int linkId, qint64 cpcx, qint64 cx, int site = 1);
    QDateTime m_now = QDateTime(QDate(2024, 3, 15), QTime(9, 30, 15, 250));
};

void tst_ScriptInterpreter::init()
{
    Orv::Clock::setOverride([this] { return m_now; });
}

void tst_ScriptInterpreter::cleanup()
{
    Orv::Clock::setOverride({});
}

// --- the dialect ---------------------------------------------------------------------------

void tst_ScriptInterpreter::constructs_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("positional");
    QTest::addColumn<QVariantMap>("params");
    QTest::addColumn<Rows>("expected");

    QTest::newRow("comments and one select")
        << u"-- header\n-- Vstup: nic\nSELECT 1 AS \"A\"; -- trailing\n"_s << QStringList() << QVariantMap() << Rows{{1}};
    QTest::newRow("block comment")
        << u"/* a ; b */ SELECT 2;"_s << QStringList() << QVariantMap() << Rows{{2}};
    QTest::newRow("last select wins")
        << u"SELECT 1; SELECT 'b';"_s << QStringList() << QVariantMap() << Rows{{u"b"_s}};
    QTest::newRow("no select gives no rows")
        << u"DECLARE a INTEGER; SET a = 1;"_s << QStringList() << QVariantMap() << Rows{};
    QTest::newRow("empty script") << u"-- nothing\n"_s << QStringList() << QVariantMap() << Rows{};
    QTest::newRow("no final semicolon") << u"SELECT 3"_s << QStringList() << QVariantMap() << Rows{{3}};

    const QString branches = u"DECLARE a INTEGER;\nSET a = %1;\n"
                             "IF a = 1 THEN SELECT 'one';\nELSEIF a = 2 THEN SELECT 'two';\n"
                             "ELSE SELECT 'other';\nEND IF"_s;
    QTest::newRow("if branch") << branches.arg(1) << QStringList() << QVariantMap() << Rows{{u"one"_s}};
    QTest::newRow("elseif branch") << branches.arg(2) << QStringList() << QVariantMap() << Rows{{u"two"_s}};
    QTest::newRow("else branch") << branches.arg(7) << QStringList() << QVariantMap() << Rows{{u"other"_s}};
    QTest::newRow("null variable is false")
        << u"DECLARE a INTEGER; IF a = 1 THEN SELECT 'yes'; ELSE SELECT 'no'; END IF;"_s
        << QStringList() << QVariantMap() << Rows{{u"no"_s}};
    QTest::newRow("lower-case keywords and missing semicolons before branch words")
        << u"declare a integer; set a = 2; if a = 2 then select 'x' else select 'y' end if"_s
        << QStringList() << QVariantMap() << Rows{{u"x"_s}};
    QTest::newRow("nested if")
        << u"DECLARE a, b INTEGER; SET a = 1; SET b = 2;\n"
           "IF a = 1 THEN\n  IF b = 1 THEN SELECT 'a1b1'; ELSE\n    IF b = 2 THEN SELECT 'a1b2'; END IF;\n  END IF;\n"
           "ELSE SELECT 'a?'; END IF;"_s
        << QStringList() << QVariantMap() << Rows{{u"a1b2"_s}};
    QTest::newRow("select before if stays when no branch selects")
        << u"SELECT 'before'; IF 1 = 2 THEN SELECT 'inside'; END IF;"_s
        << QStringList() << QVariantMap() << Rows{{u"before"_s}};
    QTest::newRow("exists")
        << u"IF EXISTS (SELECT * FROM \"COUNTRY\" WHERE \"CS\" = 1) THEN SELECT 'yes'; END IF;"_s
        << QStringList() << QVariantMap() << Rows{{u"yes"_s}};
    QTest::newRow("not exists")
        << u"IF NOT EXISTS(SELECT * FROM \"COUNTRY\" WHERE \"CS\" = 99) THEN SELECT 'none'; END IF;"_s
        << QStringList() << QVariantMap() << Rows{{u"none"_s}};
    QTest::newRow("case inside a branch")
        << u"IF 1 = 1 THEN SELECT CASE WHEN 1 = 2 THEN 'a' ELSE 'b' END; END IF"_s
        << QStringList() << QVariantMap() << Rows{{u"b"_s}};

    QTest::newRow("top n")
        << u"SELECT TOP 2 \"CS\" FROM \"COUNTRY\" ORDER BY \"CS\" DESC;"_s
        << QStringList() << QVariantMap() << Rows{{5}, {4}};
    QTest::newRow("top in subquery")
        << u"SELECT count(*) FROM (SELECT TOP 3 \"CS\" FROM \"COUNTRY\");"_s
        << QStringList() << QVariantMap() << Rows{{3}};
    QTest::newRow("distinct top")
        << u"SELECT DISTINCT TOP 1 \"SPOJTYP\" FROM \"CONNECT\" UNION ALL SELECT 9;"_s
        << QStringList() << QVariantMap() << Rows{{9}};

    QTest::newRow("set arithmetic")
        << u"DECLARE a INTEGER; SET a = 2 * (3 + 4) - 1; SELECT a;"_s << QStringList() << QVariantMap() << Rows{{13}};
    QTest::newRow("set from variable and several names")
        << u"DECLARE a, b INTEGER, t VARCHAR(20); SET a = 5; SET b = a; SET t = 'x'; SELECT b + 1, t;"_s
        << QStringList() << QVariantMap() << Rows{{6, u"x"_s}};
    QTest::newRow("set scalar subquery with top")
        << u"DECLARE c INTEGER; SET c = (SELECT TOP 1 \"CS\" FROM \"COUNTRY\" ORDER BY \"CS\" DESC); SELECT c;"_s
        << QStringList() << QVariantMap() << Rows{{5}};
    QTest::newRow("set bare select")
        << u"DECLARE c INTEGER; SET c = SELECT count(*) FROM \"COUNTRY\"; SELECT c;"_s
        << QStringList() << QVariantMap() << Rows{{5}};
    QTest::newRow("integer variable converts text")
        << u"DECLARE c INTEGER; SET c = '12'; SELECT c + 1;"_s << QStringList() << QVariantMap() << Rows{{13}};
    QTest::newRow("variable in where, qualified column of the same name untouched")
        << u"DECLARE CS INTEGER; SET CS = 2; SELECT \"STAT\" FROM \"COUNTRY\" WHERE \"COUNTRY\".CS = CS;"_s
        << QStringList() << QVariantMap() << Rows{{u"Slovensko"_s}};

    QTest::newRow("quoted positional is text")
        << u"SELECT '@0', typeof('@0');"_s << QStringList{u"42"_s} << QVariantMap() << Rows{{u"42"_s, u"text"_s}};
    QTest::newRow("positional inside a longer literal")
        << u"SELECT '<@0|@1>';"_s << QStringList{u"a"_s, u"b"_s} << QVariantMap() << Rows{{u"<a|b>"_s}};
    QTest::newRow("bare positional integer")
        << u"SELECT @0 + 1, typeof(@0);"_s << QStringList{u" 41 "_s} << QVariantMap() << Rows{{42, u"integer"_s}};
    QTest::newRow("set from bare positional")
        << u"DECLARE cID INTEGER; SET cID = @0; SELECT cID * 2;"_s << QStringList{u"-3"_s} << QVariantMap() << Rows{{-6}};
    QTest::newRow("named parameters ignore case")
        << u"SELECT :Name || ' ' || :NAME2;"_s << QStringList()
        << QVariantMap{{u"NAME"_s, u"Jan"_s}, {u"name2"_s, u"Novák"_s}} << Rows{{u"Jan Novák"_s}};
    QTest::newRow("blob parameter")
        << u"SELECT typeof(:B), length(:B);"_s << QStringList()
        << QVariantMap{{u"B"_s, QByteArray("a\0b", 3)}} << Rows{{u"blob"_s, 3}};
    QTest::newRow("bool and null parameters")
        << u"SELECT :T, :F, :N IS NULL;"_s << QStringList()
        << QVariantMap{{u"T"_s, true}, {u"F"_s, false}, {u"N"_s, QVariant()}} << Rows{{1, 0, 1}};
    QTest::newRow("concatenation of quoted names")
        << u"SELECT \"STAT\" || ' (' || \"CS\" || ')' AS \"X\" FROM \"COUNTRY\" WHERE \"CS\" = 3;"_s
        << QStringList() << QVariantMap() << Rows{{u"Německo (3)"_s}};
    QTest::newRow("apostrophes in literals")
        << u"SELECT 'it''s; -- not a comment';"_s << QStringList() << QVariantMap() << Rows{{u"it's; -- not a comment"_s}};
}

void tst_ScriptInterpreter::constructs()
{
    QFETCH(QString, script);
    QFETCH(QStringList, positional);
    QFETCH(QVariantMap, params);
    QFETCH(Rows, expected);
    TestProfile profile;
    Db::ScriptInterpreter interpreter(profile.connection());
    const Db::RowSet result = interpreter.run(script, positional, params);
    QCOMPARE(result.rows(), expected);
    // A second run goes through the caches and must give the same.
    QCOMPARE(interpreter.run(script, positional, params).rows(), expected);
}

void tst_ScriptInterpreter::errors_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("positional");
    QTest::addColumn<QString>("detail");

    QTest::newRow("set of an unknown variable") << u"SET x = 1;"_s << QStringList() << u"unknown variable x"_s;
    QTest::newRow("unknown variable on the right")
        << u"DECLARE a INTEGER; SET a = y;"_s << QStringList() << u"unknown variable y"_s;
    QTest::newRow("unknown variable in a condition")
        << u"IF zz = 1 THEN SELECT 1; END IF"_s << QStringList() << u"unknown variable zz"_s;
    QTest::newRow("unterminated if") << u"IF 1 = 1 THEN\n SELECT 1;\n"_s << QStringList() << u"unterminated IF"_s;
    QTest::newRow("unterminated nested if")
        << u"IF 1 = 1 THEN IF 2 = 2 THEN SELECT 1; END IF;"_s << QStringList() << u"unterminated IF"_s;
    QTest::newRow("then missing") << u"IF 1 = 1 SELECT 1; END IF"_s << QStringList() << u"THEN expected"_s;
    QTest::newRow("end if without if") << u"SELECT 1; END IF;"_s << QStringList() << u"END without IF"_s;
    QTest::newRow("else without if") << u"ELSE SELECT 1;"_s << QStringList() << u"ELSE without IF"_s;
    QTest::newRow("elseif after else")
        << u"IF 1 = 1 THEN SELECT 1; ELSE SELECT 2; ELSEIF 2 = 2 THEN SELECT 3; END IF"_s << QStringList()
        << u"ELSEIF after ELSE"_s;
    QTest::newRow("declared twice") << u"DECLARE a INTEGER; DECLARE A INTEGER;"_s << QStringList() << u"declared twice"_s;
    QTest::newRow("bare positional not an integer")
        << u"SELECT @0;"_s << QStringList{u"abc"_s} << u"bad @0"_s;
    QTest::newRow("bare positional with an apostrophe")
        << u"SELECT @0;"_s << QStringList{u"1'; DROP TABLE x; --"_s} << u"bad @0"_s;
    QTest::newRow("positional out of range") << u"SELECT '@1';"_s << QStringList{u"a"_s} << u"bad @1"_s;
    QTest::newRow("bare positional without values") << u"SELECT @0;"_s << QStringList() << u"bad @0"_s;
    QTest::newRow("malformed positional") << u"SELECT @0x;"_s << QStringList{u"1"_s} << u"malformed positional"_s;
    QTest::newRow("missing parameter") << u"SELECT :MISSING;"_s << QStringList() << u"missing parameter :MISSING"_s;
    QTest::newRow("sqlite error text") << u"SELECT * FROM \"NOPE\";"_s << QStringList() << u"no such table: NOPE"_s;
    QTest::newRow("error names its line") << u"SELECT 1;\n\nSELECT * FROM \"NOPE\";"_s << QStringList()
                                          << u"script line 3"_s;
    QTest::newRow("unterminated string") << u"SELECT 'abc;"_s << QStringList() << u"unterminated string"_s;
    QTest::newRow("unterminated quoted name") << u"SELECT \"abc;"_s << QStringList() << u"unterminated quoted name"_s;
    QTest::newRow("sqlite placeholder refused") << u"SELECT ?;"_s << QStringList() << u"unexpected character"_s;
    QTest::newRow("sqlite named placeholder refused") << u"SELECT $a;"_s << QStringList() << u"unexpected character"_s;
    QTest::newRow("transaction control refused") << u"COMMIT;"_s << QStringList() << u"not allowed"_s;
    QTest::newRow("unbalanced parenthesis") << u"SELECT (1;"_s << QStringList() << u"unbalanced"_s;
    QTest::newRow("top without a number") << u"SELECT TOP x FROM \"COUNTRY\";"_s << QStringList()
                                          << u"number expected after TOP"_s;
    QTest::newRow("integer variable refuses text")
        << u"DECLARE a INTEGER; SET a = 'abc';"_s << QStringList() << u"not an integer"_s;
    QTest::newRow("two statements without a separator")
        << u"SELECT 1 SELECT 2;"_s << QStringList() << u"syntax error"_s;
}

void tst_ScriptInterpreter::errors()
{
    QFETCH(QString, script);
    QFETCH(QStringList, positional);
    QFETCH(QString, detail);
    TestProfile profile;
    Db::ScriptInterpreter interpreter(profile.connection());
    try {
        interpreter.run(script, positional);
        QFAIL("the script ran");
    } catch (const EOrvDatabaseError &error) {
        QVERIFY2(error.detail().contains(detail), qPrintable(error.detail()));
        QVERIFY(!error.userText().isEmpty());
    }
    QCOMPARE(profile.connection().transactionDepth(), 0);
}

void tst_ScriptInterpreter::errorRollsBackEverything()
{
    TestProfile profile;
    Db::ScriptInterpreter interpreter(profile.connection());
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError,
        interpreter.run(u"UPDATE \"SITESET\" SET \"LASTCS\" = \"LASTCS\" + 1;\n"
                        "INSERT INTO \"COUNTRY\" (\"CS\", \"STAT\") VALUES (50, 'X');\n"
                        "IF 1 = 1 THEN INSERT INTO \"NOPE\" VALUES (1); END IF"_s));
    QCOMPARE(profile.counter(u"LASTCS"_s), 0);
    QCOMPARE(profile.rowCount(u"COUNTRY"_s), 5);

    // Inside a caller's transaction the script rolls back only its own part.
    Db::Transaction outer(profile.connection());
    interpreter.run(u"INSERT INTO \"COUNTRY\" (\"CS\", \"STAT\") VALUES (60, 'Y');"_s);
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError,
        interpreter.run(u"INSERT INTO \"COUNTRY\" (\"CS\", \"STAT\") VALUES (61, 'Z'); SELECT * FROM \"NOPE\";"_s));
    outer.commit();
    QCOMPARE(profile.rowCount(u"COUNTRY"_s), 6);
}

void tst_ScriptInterpreter::currentTimestampIsOneValuePerRun()
{
    int calls = 0;
    Orv::Clock::setOverride([&] { return m_now.addSecs(++calls); });
    TestProfile profile;
    Db::ScriptInterpreter interpreter(profile.connection());
    const Db::RowSet first = interpreter.run(
        u"DECLARE t TIMESTAMP; SET t = CURRENT_TIMESTAMP; SELECT t, CURRENT_TIMESTAMP, t = CURRENT_TIMESTAMP;"_s);
    QCOMPARE(first.value(0, 2), QVariant(1));
    QCOMPARE(first.value(0, 0).toString(), u"2024-03-15T09:30:16.250"_s);   // local time, milliseconds
    const Db::RowSet second = interpreter.run(u"SELECT CURRENT_TIMESTAMP;"_s);
    QCOMPARE(second.value(0, 0).toString(), u"2024-03-15T09:30:17.250"_s);
}

// --- values never change the script ----------------------------------------------------------

void tst_ScriptInterpreter::positionalValuesAreStoredUnchanged_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophe") << u"O'Brien <ob@example.com>"_s;
    QTest::newRow("semicolon") << u"a;b@example.com"_s;
    QTest::newRow("contains @1 while a second value exists") << u"x@1y@0.cz"_s;
    QTest::newRow("injection attempt") << u"'); DELETE FROM \"COUNTRY\"; --"_s;
    QTest::newRow("comment marker") << u"-- not a comment"_s;
    QTest::newRow("czech text") << u"Příliš žluťoučký kůň"_s;
    QTest::newRow("empty") << QString();
}

void tst_ScriptInterpreter::positionalValuesAreStoredUnchanged()
{
    QFETCH(QString, value);
    TestProfile profile;
    Db::ScriptInterpreter interpreter(profile.connection());
    interpreter.run(u"INSERT INTO \"COUNTRY\" (\"CS\", \"STAT\") VALUES (@1, '@0');"_s, {value, u"77"_s});
    const Db::RowSet rows = interpreter.run(u"SELECT \"STAT\" FROM \"COUNTRY\" WHERE \"CS\" = @0;"_s, {u"77"_s});
    QCOMPARE(rows.rows(), Rows{{value}});
    QCOMPARE(profile.rowCount(u"COUNTRY"_s), 6);
}

void tst_ScriptInterpreter::literalsStayWhenNoValuesAreGiven()
{
    TestProfile profile;
    Db::ScriptInterpreter interpreter(profile.connection());
    QCOMPARE(interpreter.run(u"SELECT 'user@0mail.cz';"_s).rows(), Rows{{u"user@0mail.cz"_s}});
}

// --- the mail import's scripts ---------------------------------------------------------------

// A body with a NUL inside: blobs are stored whole, not cut at the first zero byte.
constexpr char BodyWithNul[] = "<p>Dobr\xc3\xbd den</p>\0end";

QVariantMap tst_ScriptInterpreter::saveEmailParams(const QString &entryId, int linkId, qint64 cpcx, qint64 cx, int site)
{
    return {{u"TO"_s, u"jan.novak@alfastavby.cz"_s},
            {u"FROM"_s, u"info@alfastavby.cz"_s},
            {u"SUBJECT"_s, u"Nabídka; 'cena' @1"_s},
            {u"DATE"_s, QDateTime(QDate(2024, 3, 1), QTime(14, 5, 0, 7))},
            {u"HAS_ATTACH"_s, true},
            {u"BODY"_s, QByteArray(BodyWithNul, sizeof BodyWithNul - 1)},
            {u"BODYTYPE"_s, 1},
            {u"SITE"_s, site},
            {u"ENTRYID"_s, entryId},
            {u"DOMNAME"_s, u"NOVAK"_s},
            {u"PRIORITA"_s, 2},
            {u"LINKID"_s, linkId},
            {u"CPCX"_s, cpcx},
            {u"CX"_s, cx}};
}

void tst_ScriptInterpreter::saveEmailStoresOnceAndLinksPerSubject()
{
    TestProfile profile(1, true);
    Db::ScriptInterpreter interpreter(profile.connection());
    const qint64 linksBefore = profile.rowCount(u"LINK"_s);
    const qint64 clBefore = profile.counter(u"LASTCL"_s);

    interpreter.run(Mail::Scripts::SaveEmail, saveEmailParams(u"ID-1"_s, 26, 1, 1));
    QCOMPARE(profile.rowCount(u"EMAIL"_s), 1);
    QCOMPARE(profile.rowCount(u"LINK"_s), linksBefore + 1);
    QCOMPARE(profile.counter(u"LASTCEM"_s), 1);
    QCOMPARE(profile.counter(u"LASTCL"_s), clBefore + 1);

    const Db::RowSet email = profile.connection().query(
        u"SELECT \"CPCEM\", \"CEM\", \"SUBJECT\", \"DATE\", \"HAS_ATTACH\", \"BODY\", \"CREATOR\", \"LASTEDIT\","
        " \"CRDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\", \"UID\" FROM \"EMAIL\""_s);
    QCOMPARE(email.rows().first(),
             (QVariantList{1, 1, u"Nabídka; 'cena' @1"_s, u"2024-03-01T14:05:00.007"_s, 1,
                           QByteArray(BodyWithNul, sizeof BodyWithNul - 1), u"NOVAK"_s, u"NOVAK"_s,
                           u"2024-03-15T09:30:15.250"_s, u"2024-03-15T09:30:15.250"_s, 1, 1, QString()}));
    const Db::RowSet link = profile.connection().query(
        u"SELECT \"ID\", \"CPCX\", \"CX\", \"CPCY\", \"CY\", \"PRIORITA\", \"CL\" FROM \"LINK\" WHERE \"ID\" = 26"_s);
    QCOMPARE(link.rows(), Rows{(QVariantList{26, 1, 1, 1, 1, 2, clBefore + 1})});

    // The same message for the same subject writes nothing and raises nothing.
    interpreter.run(Mail::Scripts::SaveEmail, saveEmailParams(u"ID-1"_s, 26, 1, 1));
    QCOMPARE(profile.rowCount(u"LINK"_s), linksBefore + 1);
    QCOMPARE(profile.counter(u"LASTCEM"_s), 1);
    QCOMPARE(profile.counter(u"LASTCL"_s), clBefore + 1);

    // For a person: only a second link, pointing at the stored e-mail.
    interpreter.run(Mail::Scripts::SaveEmail, saveEmailParams(u"ID-1"_s, 27, 1, 2));
    QCOMPARE(profile.rowCount(u"EMAIL"_s), 1);
    QCOMPARE(profile.rowCount(u"LINK"_s), linksBefore + 2);
    QCOMPARE(profile.counter(u"LASTCEM"_s), 1);
    QCOMPARE(profile.counter(u"LASTCL"_s), clBefore + 2);
    QCOMPARE(profile.connection().query(u"SELECT \"CPCY\", \"CY\" FROM \"LINK\" WHERE \"ID\" = 27"_s).rows(),
             Rows{(QVariantList{1, 1})});
}

void tst_ScriptInterpreter::saveEmailIsAtomic()
{
    for (int failAt = 1; failAt < 1'000; ++failAt) {
        TestProfile profile;
        Db::ScriptInterpreter interpreter(profile.connection());
        profile.connection().failStep(failAt);
        try {
            interpreter.run(Mail::Scripts::SaveEmail, saveEmailParams(u"ID-1"_s, 26, 1, 1));
            QVERIFY(profile.connection().faultPending());  // every step has been failed once
            profile.connection().failStep(0);
            QCOMPARE(profile.rowCount(u"EMAIL"_s), 1);
            QVERIFY(failAt > 5);
            return;
        } catch (const EOrvDatabaseError &) {
            QCOMPARE(profile.rowCount(u"EMAIL"_s), 0);    // nothing half-written ...
            QCOMPARE(profile.rowCount(u"LINK"_s), 0);
            QCOMPARE(profile.counter(u"LASTCEM"_s), 0);   // ... and no counter raised
            QCOMPARE(profile.counter(u"LASTCL"_s), 0);
            QCOMPARE(profile.connection().transactionDepth(), 0);
        }
    }
    QFAIL("the save never succeeded");
}

void tst_ScriptInterpreter::twoSitesGiveEqualCountersAndDistinctPairs()
{
    TestProfile site1(1), site2(2);
    Db::ScriptInterpreter run1(site1.connection()), run2(site2.connection());
    run1.run(Mail::Scripts::SaveEmail, saveEmailParams(u"A"_s, 26, 1, 1, 1));
    run2.run(Mail::Scripts::SaveEmail, saveEmailParams(u"B"_s, 26, 2, 1, 2));
    const Db::RowSet a = run1.run(Mail::Scripts::IsEmailInDB, QStringList{u"A"_s});
    const Db::RowSet b = run2.run(Mail::Scripts::IsEmailInDB, QStringList{u"B"_s});
    QCOMPARE(a.rows(), Rows{(QVariantList{1, 1})});
    QCOMPARE(b.rows(), Rows{(QVariantList{2, 1})});

    // Brought together, the pair tells them apart; the same pair twice is refused.
    const QString copy = u"INSERT INTO \"EMAIL\" (\"CPCEM\", \"CEM\", \"ENTRYID\") VALUES (?, ?, ?)"_s;
    site1.connection().execute(copy, {2, 1, u"B"_s});
    QCOMPARE(run1.run(Mail::Scripts::IsEmailInDB, QStringList{u"B"_s}).rows(), Rows{(QVariantList{2, 1})});
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, site1.connection().execute(copy, {1, 1, u"C"_s}));
}

void tst_ScriptInterpreter::saveDocumentAndAddress()
{
    TestProfile profile;
    Db::ScriptInterpreter interpreter(profile.connection());
    const QVariantMap document{{u"DOCUMENTID"_s, 51}, {u"CPCX"_s, 1}, {u"CX"_s, 1}, {u"DESC"_s, u"faktura.pdf"_s},
                               {u"PATH"_s, u"/home/u/prilohy/faktura.pdf"_s}, {u"MEMO"_s, u"{\\rtf1 x}"_s},
                               {u"SITE"_s, 1}, {u"DOMNAME"_s, u"NOVAK"_s}};
    interpreter.run(Mail::Scripts::SaveDocument, document);
    QVariantMap changed = document;
    changed[u"PATH"_s] = u"/elsewhere/faktura.pdf"_s;
    interpreter.run(Mail::Scripts::SaveDocument, changed);
    QCOMPARE(profile.rowCount(u"DOCUMENT"_s), 1);
    QCOMPARE(profile.counter(u"LASTCT"_s), 1);
    changed[u"DOCUMENTID"_s] = 52;                   // same file name for a person is a new document
    interpreter.run(Mail::Scripts::SaveDocument, changed);
    QCOMPARE(profile.rowCount(u"DOCUMENT"_s), 2);
    QCOMPARE(profile.counter(u"LASTCT"_s), 2);

    interpreter.run(Mail::Scripts::SaveMailAddress, QVariantMap{{u"ID"_s, 62}, {u"CPCX"_s, 1}, {u"CX"_s, 4},
                                                         {u"TELEFON"_s, u"novy@example.cz"_s},
                                                         {u"DOMNAME"_s, u"NOVAK"_s}, {u"SITE"_s, 1}});
    QCOMPARE(profile.connection().query(u"SELECT \"CPCS\", \"CS\", \"SPOJTYP\", \"TYP\", \"VOLACKA\", \"TELEFON\","
                                        " \"CREATOR\" FROM \"CONNECT\""_s).rows(),
             Rows{(QVariantList{1, 1, 1, 1, u"mailto:"_s, u"novy@example.cz"_s, u"NOVAK"_s})});
    QCOMPARE(profile.counter(u"LASTCS"_s), 1);
}

void tst_ScriptInterpreter::findSubjectByUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("rows");
    QTest::newRow("stored as written") << u"info@alfastavby.cz"_s << 1;
    QTest::newRow("different letter case matches") << u"INFO@AlfaStavby.cz"_s << 1;
    QTest::newRow("stored in upper case") << u"obchod@betasoft.cz"_s << 1;
    QTest::newRow("shared by a firm and a person") << u"kancelar@gama-ucto.cz"_s << 2;
    QTest::newRow("trailing blank does not match") << u"info@alfastavby.cz "_s << 0;
    QTest::newRow("several addresses in one field") << u"info@alfastavby.cz; jan.novak@alfastavby.cz"_s << 0;
    QTest::newRow("a web address is no e-mail") << u"www.alfastavby.cz"_s << 1;   // TYP is not tested
    QTest::newRow("a telephone is not internet") << u"+420 543 210 987"_s << 0;
}

void tst_ScriptInterpreter::findSubjectByUrl()
{
    QFETCH(QString, address);
    QFETCH(int, rows);
    TestProfile profile(3, true);
    Db::ScriptInterpreter interpreter(profile.connection());
    QCOMPARE(interpreter.run(Mail::Scripts::FindSubjectByUrl, QStringList{address}).recordCount(), rows);
}

void tst_ScriptInterpreter::findSubjectById_data()
{
    QTest::addColumn<QStringList>("key");
    QTest::addColumn<Rows>("expected");
    QTest::newRow("firm") << QStringList{u"1"_s, u"3"_s, u"1"_s}
                          << Rows{{u"Alfa Stavby s.r.o."_s, u"Husova 12"_s, u"Brno"_s, u"602 00"_s}};
    QTest::newRow("person with a title before only") << QStringList{u"2"_s, u"3"_s, u"1"_s}
                          << Rows{{u"Ing. Jan Novák "_s, u"Husova 12"_s, u"Brno"_s, u"602 00"_s}};
    QTest::newRow("person without titles keeps the blanks") << QStringList{u"2"_s, u"3"_s, u"2"_s}
                          << Rows{{u" Jana Dvořáková "_s, u"Horní náměstí 5"_s, u"Olomouc"_s, u"779 00"_s}};
    QTest::newRow("other site") << QStringList{u"1"_s, u"4"_s, u"1"_s} << Rows{};
    QTest::newRow("unknown kind") << QStringList{u"3"_s, u"3"_s, u"1"_s} << Rows{};
}

void tst_ScriptInterpreter::findSubjectById()
{
    QFETCH(QStringList, key);
    QFETCH(Rows, expected);
    TestProfile profile(3, true);
    Db::ScriptInterpreter interpreter(profile.connection());
    Db::RowSet result = interpreter.run(Mail::Scripts::FindSubjectById, key);
    QCOMPARE(result.rows(), expected);
    if (!expected.isEmpty()) {
        result.first();
        QCOMPARE(result.stringByName(u"subject"_s), expected.first().first().toString());
    }
}

void tst_ScriptInterpreter::linkedSubjectsAndAddresses()
{
    TestProfile profile(3, true);
    Db::ScriptInterpreter interpreter(profile.connection());
    interpreter.run(Mail::Scripts::SaveEmail, saveEmailParams(u"M1"_s, 26, 3, 1, 3));
    interpreter.run(Mail::Scripts::SaveEmail, saveEmailParams(u"M1"_s, 27, 3, 2, 3));

    QCOMPARE(interpreter.run(Mail::Scripts::GetLinkedFirm, QStringList{u"M1"_s}).rows(),
             Rows{(QVariantList{u"Alfa Stavby"_s, 3, 1})});
    QCOMPARE(interpreter.run(Mail::Scripts::GetLinkedPerson, QStringList{u"M1"_s}).rows(),
             Rows{(QVariantList{u"Jana"_s, u"Dvořáková"_s, 3, 2})});
    QCOMPARE(interpreter.run(Mail::Scripts::IsEmailInDB, QStringList{u"m1"_s}).recordCount(), 0); // ENTRYID is exact
    QCOMPARE(interpreter.run(Mail::Scripts::GetLinkedFirm, QStringList{u"other"_s}).recordCount(), 0);

    const Db::RowSet addresses = interpreter.run(Mail::Scripts::FindMailAddressBySubjectId, QStringList{u"1"_s, u"3"_s, u"1"_s});
    QCOMPARE(addresses.recordCount(), 1);
    QCOMPARE(addresses.value(0, u"TELEFON"_s).toString(), u"info@alfastavby.cz"_s);
    QCOMPARE(interpreter.run(Mail::Scripts::FindMailAddressBySubjectId, QStringList{u"2"_s, u"3"_s, u"2"_s}).recordCount(), 1);
}

QTEST_GUILESS_MAIN(tst_ScriptInterpreter)
#include "tst_ScriptInterpreter.moc"
