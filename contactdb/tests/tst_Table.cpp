#include "contactdb/Connection.h"
#include "contactdb/TInMemoryTable.h"
#include "contactdb/TableFunctions.h"

#include "TestProfile.h"

#include "base/Clock.h"
#include "base/Errors.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Db;

class tst_Table : public QObject
{
    Q_OBJECT

private slots:
    void init() { Orv::Clock::setOverride([] { return QDateTime(QDate(2024, 5, 1), QTime(8, 0)); }); }
    void cleanup() { Orv::Clock::setOverride({}); }

    void newRecordsGetKeysPerSiteAndAudit();
    void editKeepsKeyAndUpdatesAudit();
    void failedPostRaisesNoCounter();
    void postWithCancel();
    void indexesFindAndRange_data();
    void indexesFindAndRange();
    void findNearestAndNavigation();
    void locateAndSecondCursor();
    void deleteAndEditingRules();
    void inMemoryTable();
};

namespace {

void appendFirm(Table &firms, const QString &name, const QString &town)
{
    QVERIFY(ST_Append(firms));
    SetFieldString(firms, u"FIRMA"_s, name, false);
    SetFieldString(firms, u"MISTO"_s, town, false);
    QVERIFY(ST_Post(firms));
}

void appendLink(Table &links, int id, int cpcx, int cx, int cpcy, int cy)
{
    ST_Append(links);
    SetFieldInteger(links, u"ID"_s, id, false);
    SetFieldInteger(links, u"CPCX"_s, cpcx, false);
    SetFieldInteger(links, u"CX"_s, cx, false);
    SetFieldInteger(links, u"CPCY"_s, cpcy, false);
    SetFieldInteger(links, u"CY"_s, cy, false);
    ST_Post(links);
}

} // namespace

void tst_Table::newRecordsGetKeysPerSiteAndAudit()
{
    TestProfile site1(1), site2(2);
    Table firms1(site1.connection(), u"FIRM"_s), firms2(site2.connection(), u"FIRM"_s);
    QVERIFY(ST_Open(firms1));
    QVERIFY(ST_Open(firms2));
    appendFirm(firms1, u"Alfa"_s, u"Brno"_s);
    appendFirm(firms1, u"Beta"_s, u"Praha"_s);
    appendFirm(firms2, u"Gama"_s, u"Olomouc"_s);

    QCOMPARE(ST_FieldByName(firms1, u"CPCF"_s).asInteger(), 1);
    QCOMPARE(ST_FieldByName(firms1, u"CF"_s).asInteger(), 2);       // positioned on the posted record
    QCOMPARE(ST_FieldByName(firms2, u"CPCF"_s).asInteger(), 2);
    QCOMPARE(ST_FieldByName(firms2, u"CF"_s).asInteger(), 1);
    QCOMPARE(site1.counter(u"LASTCF"_s), 2);
    QCOMPARE(site2.counter(u"LASTCF"_s), 1);
    QCOMPARE(site1.counter(u"LASTCO"_s), 0);

    const auto audit = site1.connection().query(
        u"SELECT \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\" FROM \"FIRM\""
        " WHERE \"CF\" = 1"_s);
    const QString now = u"2024-05-01T08:00:00.000"_s;
    QCOMPARE(audit.rows().first(), (QVariantList{u"tester"_s, u"tester"_s, now, now, now, 1, 1}));
    QCOMPARE(ST_FieldByName(firms1, u"CRDATE"_s).asDateTime(), QDateTime(QDate(2024, 5, 1), QTime(8, 0)));
}

void tst_Table::editKeepsKeyAndUpdatesAudit()
{
    TestProfile profile;
    Table firms(profile.connection(), u"FIRM"_s);
    ST_Open(firms);
    appendFirm(firms, u"Alfa"_s, u"Brno"_s);
    Orv::Clock::setOverride([] { return QDateTime(QDate(2024, 6, 2), QTime(9, 0)); });
    profile.connection().setDomainName(u"editor"_s);
    SetFieldString(firms, u"FIRMA"_s, u"Alfa Nová"_s, true);
    QVERIFY(ST_Post(firms));
    const auto row = profile.connection().query(
        u"SELECT \"CPCF\", \"CF\", \"FIRMA\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\" FROM \"FIRM\""_s);
    QCOMPARE(row.rows().first(), (QVariantList{1, 1, u"Alfa Nová"_s, u"tester"_s, u"editor"_s,
                                               u"2024-05-01T08:00:00.000"_s, u"2024-06-02T09:00:00.000"_s}));
    QCOMPARE(profile.counter(u"LASTCF"_s), 1);
}

void tst_Table::failedPostRaisesNoCounter()
{
    for (int failAt = 1; failAt < 100; ++failAt) {
        TestProfile profile;
        Table connect(profile.connection(), u"CONNECT"_s);
        ST_Open(connect);
        ST_Append(connect);
        SetFieldInteger(connect, u"ID"_s, 61, false);
        SetFieldInteger(connect, u"CPCX"_s, 1, false);
        SetFieldInteger(connect, u"CX"_s, 1, false);
        SetFieldString(connect, u"TELEFON"_s, u"a@b.cz"_s, false);
        profile.connection().failStep(failAt);
        try {
            connect.post();
            QVERIFY(profile.connection().faultPending());  // every step has been failed once
            profile.connection().failStep(0);
            QVERIFY(failAt > 2);
            QCOMPARE(profile.counter(u"LASTCS"_s), 1);
            return;
        } catch (const EOrvDatabaseError &) {
            profile.connection().failStep(0);
            QCOMPARE(profile.counter(u"LASTCS"_s), 0);
            QCOMPARE(profile.rowCount(u"CONNECT"_s), 0);
            // The buffer is as the caller left it: a retry allocates the first key afresh.
            QCOMPARE(connect.state(), Table::State::Insert);
            QVERIFY(connect.value(u"CS"_s).isNull());
            connect.post();
            QCOMPARE(connect.value(u"CS"_s).toInt(), 1);
        }
    }
    QFAIL("the post never succeeded");
}

void tst_Table::postWithCancel()
{
    TestProfile profile;
    Table firms(profile.connection(), u"FIRM"_s);
    ST_Open(firms);
    ST_Append(firms);
    SetFieldInteger(firms, u"CPCF"_s, 1, false);
    SetFieldInteger(firms, u"CF"_s, 5, false);           // a given key is kept
    QVERIFY(ST_Post(firms));
    QCOMPARE(profile.counter(u"LASTCF"_s), 0);
    ST_Append(firms);
    SetFieldInteger(firms, u"CPCF"_s, 1, false);
    SetFieldInteger(firms, u"CF"_s, 5, false);           // the same key again
    QVERIFY(!ST_PostWithCancel(firms, false));
    QCOMPARE(firms.state(), Table::State::Browse);
    QCOMPARE(profile.rowCount(u"FIRM"_s), 1);
    ST_Append(firms);
    SetFieldInteger(firms, u"CPCF"_s, 1, false);
    SetFieldInteger(firms, u"CF"_s, 5, false);
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, ST_Post(firms));
    QCOMPARE(firms.state(), Table::State::Insert);       // a plain post keeps the change for a retry
    ST_Cancel(firms);
}

void tst_Table::indexesFindAndRange_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<QVariantList>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("cl");
    QTest::newRow("all five values find the link") << u"iSUBJEKT_CX"_s << QVariantList{26, 1, 7, 1, 2} << true << 2;
    QTest::newRow("leading values find the first") << u"iSUBJEKT_CX"_s << QVariantList{26, 1, 7} << true << 1;
    QTest::newRow("no such link") << u"iSUBJEKT_CX"_s << QVariantList{26, 1, 7, 1, 9} << false << 0;
    QTest::newRow("to side") << u"iSUBJEKT_CY"_s << QVariantList{27, 1, 2} << true << 3;
    QTest::newRow("primary index") << QString() << QVariantList{1, 3} << true << 3;
    QTest::newRow("index names ignore case") << u"isubjekt_cx"_s << QVariantList{27} << true << 3;
}

void tst_Table::indexesFindAndRange()
{
    QFETCH(QString, index);
    QFETCH(QVariantList, key);
    QFETCH(bool, found);
    QFETCH(int, cl);
    TestProfile profile;
    Table links(profile.connection(), u"LINK"_s);
    ST_Open(links);
    appendLink(links, 26, 1, 7, 1, 1);
    appendLink(links, 26, 1, 7, 1, 2);
    appendLink(links, 27, 1, 8, 1, 2);
    QVERIFY(ST_IndexName(links, index));
    ST_First(links);
    QCOMPARE(ST_Findkey(links, key), found);
    if (found)
        QCOMPARE(ST_FieldByName(links, u"CL"_s).asInteger(), cl);
    else
        QCOMPARE(ST_FieldByName(links, u"CL"_s).asInteger(), 1);   // a failed search does not move
}

void tst_Table::findNearestAndNavigation()
{
    TestProfile profile;
    Table firms(profile.connection(), u"FIRM"_s);
    ST_Open(firms);
    for (const auto &[name, town] : {std::pair{u"Delta"_s, u"Zlín"_s}, {u"Alfa"_s, u"Brno"_s},
                                     {u"Alfa"_s, u"Aš"_s}, {u"Gama"_s, u"Jihlava"_s}})
        appendFirm(firms, name, town);
    QVERIFY(!ST_IndexName(firms, u"iNOPE"_s));
    QVERIFY(ST_IndexName(firms, u"iFIRMA_MISTO"_s));
    QCOMPARE(firms.indexFields(), (QStringList{u"FIRMA"_s, u"MISTO"_s}));

    QStringList order;
    for (ST_First(firms); !ST_Eof(firms); ST_Next(firms))
        order << firms.value(u"FIRMA"_s).toString() + u'/' + firms.value(u"MISTO"_s).toString();
    QCOMPARE(order, (QStringList{u"Alfa/Aš"_s, u"Alfa/Brno"_s, u"Delta/Zlín"_s, u"Gama/Jihlava"_s}));

    QVERIFY(ST_FindNearest(firms, {u"B"_s}));
    QCOMPARE(firms.value(u"FIRMA"_s).toString(), u"Delta"_s);
    ST_Prior(firms);
    QCOMPARE(firms.value(u"MISTO"_s).toString(), u"Brno"_s);
    QVERIFY(!ST_FindNearest(firms, {u"Zeta"_s}));
    QVERIFY(ST_Eof(firms));

    ST_SetRange(firms, {u"Alfa"_s}, {u"Alfa"_s});
    QCOMPARE(ST_RecordCount(firms), 2);
    QVERIFY(!ST_Findkey(firms, {u"Gama"_s}));             // outside the range
    ST_SetRange(firms, {u"Alfa"_s, u"B"_s}, {u"Delta"_s});
    QCOMPARE(ST_RecordCount(firms), 2);
    QCOMPARE(firms.value(u"MISTO"_s).toString(), u"Brno"_s);
    ST_SetRange(firms, {u"X"_s}, {u"Y"_s});
    QVERIFY(ST_IsEmpty(firms));
    QVERIFY(ST_Eof(firms));
    QVERIFY(firms.value(u"FIRMA"_s).isNull());
    ST_CancelRange(firms);
    QCOMPARE(ST_RecordCount(firms), 4);
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, ST_Findkey(firms, {1, 2, 3}));   // more values than columns
}

void tst_Table::locateAndSecondCursor()
{
    TestProfile profile(3, true);
    Table connect(profile.connection(), u"CONNECT"_s);
    ST_Open(connect);
    QVERIFY(ST_IndexName(connect, u"iTEL"_s));
    QVERIFY(ST_Findkey(connect, {u"OBCHOD@betasoft.cz"_s}));             // the index compares ignoring case
    QVERIFY(ST_Locate(connect, u"ID;SPOJTYP;TELEFON"_s, {62, 1, u"kancelar@gama-ucto.cz"_s}));
    QCOMPARE(connect.value(u"CX"_s).toInt(), 2);

    {
        Table second(profile.connection(), u"CONNECT"_s);
        ST_Open(second);
        QVERIFY(ST_GotoCurrent(second, connect));
        QCOMPARE(second.currentRowId(), connect.currentRowId());
        ST_Next(second);                                  // moving the second leaves the first
        QCOMPARE(connect.value(u"CX"_s).toInt(), 2);
        Table firms(profile.connection(), u"FIRM"_s);
        ST_Open(firms);
        QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, ST_GotoCurrent(firms, connect));
    }
    QVERIFY(!ST_Locate(connect, u"TELEFON"_s, {u"nikdo@nikde.cz"_s}));
}

void tst_Table::deleteAndEditingRules()
{
    TestProfile profile;
    Table firms(profile.connection(), u"FIRM"_s);
    ST_Open(firms);
    QVERIFY(!ST_Edit(firms));                            // nothing to edit
    appendFirm(firms, u"Alfa"_s, u"Brno"_s);
    appendFirm(firms, u"Beta"_s, u"Praha"_s);
    QVERIFY(ST_Edit(firms));
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, ST_Next(firms));   // nothing is posted implicitly
    ST_Cancel(firms);
    ST_First(firms);
    QVERIFY(ST_Delete(firms));
    QCOMPARE(ST_RecordCount(firms), 1);
    QCOMPARE(firms.value(u"FIRMA"_s).toString(), u"Beta"_s);
    QCOMPARE(profile.counter(u"LASTCF"_s), 2);           // deleting gives no key back
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, ST_FieldByName(firms, u"NOPE"_s));
    Table view(profile.connection(), u"FIRMVIEW"_s);
    QVERIFY_THROWS_EXCEPTION(EOrvDatabaseError, view.open());
}

void tst_Table::inMemoryTable()
{
    TInMemoryTable list(u"NAME TEXT, CPCX INTEGER, CX INTEGER"_s);
    list.addIndex(u"iNAME"_s, {u"NAME"_s});
    ST_Open(list);
    for (const auto &[name, cx] : {std::pair{u"Cyril"_s, 3}, {u"Adam"_s, 1}, {u"Bára"_s, 2}}) {
        ST_Append(list);
        SetFieldString(list, u"NAME"_s, name, false);
        SetFieldInteger(list, u"CX"_s, cx, false);
        ST_Post(list);
    }
    QVERIFY(ST_IndexName(list, u"iNAME"_s));
    ST_First(list);
    QCOMPARE(list.value(u"NAME"_s).toString(), u"Adam"_s);
    QVERIFY(ST_Findkey(list, {u"Cyril"_s}));
    QCOMPARE(list.value(u"CX"_s).toInt(), 3);
    list.clear();
    QVERIFY(ST_IsEmpty(list));
}

QTEST_GUILESS_MAIN(tst_Table)
#include "tst_Table.moc"
