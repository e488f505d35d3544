#include "platform/dxl/DxlReader.h"
#include "platform/dxl/DxlWriter.h"
#include "platform/dxl/NotesSession.h"
#include "platform/eml/StoreBuilder.h"

#include "base/DelphiDateTime.h"
#include "base/Errors.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_DxlStore : public QObject
{
    Q_OBJECT

private slots:
    void readsBackWhatWasWritten();
    void mimeBodies_data();
    void mimeBodies();
    void parsesDateTimes_data();
    void parsesDateTimes();
    void invalidXmlGivesCleanError_data();
    void invalidXmlGivesCleanError();
    void missingStoreIsReported();
};

namespace {

const QDateTime start(QDate(2024, 3, 4), QTime(9, 15));

Domino::DxlDocumentSpec sampleDocument(int i)
{
    Domino::DxlDocumentSpec doc;
    doc.unid = Domino::DxlWriter::unidFor(i);
    doc.deliveredDate = start.addSecs(i * 3600);
    doc.postedDate = start.addSecs(i * 3600 - 60);
    doc.subject = u"Předmět %1"_s.arg(i);
    doc.from = u"CN=Jan Novák/O=Alfa <jan@alfa.cz>"_s;
    doc.inetFrom = i % 2 ? u"jan@alfa.cz"_s : QString();
    doc.sendTo = {u"eva@beta.cz"_s, u"petr@gama.cz"_s};
    doc.plainBody = u"Řádek 1\nŘádek 2"_s;
    if (i % 3 == 0)
        doc.files << Domino::DxlDocumentSpec::File{u"Smlouva %1.pdf"_s.arg(i), QByteArray(1000 + i, char('A' + i % 26))};
    return doc;
}

} // namespace

void tst_DxlStore::readsBackWhatWasWritten()
{
    QTemporaryDir dir;
    {
        Domino::DxlWriter inbox(dir.filePath(u"($Inbox).dxl"_s));
        for (int i = 0; i < 25; ++i)
            inbox.add(sampleDocument(i));
        inbox.finish();
        Domino::DxlWriter sent(dir.filePath(u"($Sent).dxl"_s));
        for (int i = 100; i < 105; ++i)
            sent.add(sampleDocument(i));
    }

    Domino::NotesSession session(dir.path());
    session.Initialize(u"tajné heslo"_s);
    auto db = session.OpenMailDatabase();
    QCOMPARE(db->Views(), (QStringList{u"($Inbox)"_s, u"($Sent)"_s}));
    QVERIFY(!db->GetView(u"Inbox"_s));
    auto view = db->GetView(u"($inbox)"_s); // view names ignore case
    QVERIFY(view);
    QCOMPARE(view->Name(), u"($Inbox)"_s);

    int count = 0;
    int withFiles = 0;
    for (auto doc = view->GetFirstDocument(); doc; doc = view->GetNextDocument(*doc), ++count) {
        const Domino::DxlDocumentSpec expected = sampleDocument(count);
        QCOMPARE(doc->UniversalID(), expected.unid);
        QCOMPARE(doc->GetFirstItem(u"subject"_s)->Text(), expected.subject);
        const Domino::NotesItem *delivered = doc->GetFirstItem(u"DeliveredDate"_s);
        QCOMPARE(delivered->Type(), int(Domino::DATETIMES));
        QCOMPARE(delivered->DateTimeValue(), expected.deliveredDate);
        QCOMPARE(delivered->Text(), Orv::dateTimeToStr(expected.deliveredDate));
        QCOMPARE(doc->GetFirstItem(u"INetFrom"_s)->Text(), expected.inetFrom);
        QCOMPARE(doc->GetFirstItem(u"From"_s)->Text(), expected.from);
        QCOMPARE(doc->GetFirstItem(u"SendTo"_s)->Values(), expected.sendTo);
        QCOMPARE(doc->GetFirstItem(u"SendTo"_s)->Text(), u"eva@beta.cz;petr@gama.cz"_s);
        const Domino::NotesItem *body = doc->GetFirstItem(u"Body"_s);
        QCOMPARE(body->Type(), int(Domino::RICHTEXT));
        QCOMPARE(body->Text(), u"Řádek 1\nŘádek 2"_s);
        QVERIFY(!body->GetMIMEEntity());

        QStringList attachmentNames;
        for (const Domino::NotesItem *item : doc->Items())
            if (item->Type() == Domino::ATTACHMENT)
                attachmentNames << item->Values().first();
        QCOMPARE(attachmentNames.size(), expected.files.size());
        if (!attachmentNames.isEmpty()) {
            ++withFiles;
            auto object = doc->GetAttachment(attachmentNames.first());
            QVERIFY(object);
            const QString target = dir.filePath(u"out.bin"_s);
            object->ExtractFile(target);
            QFile out(target);
            QVERIFY(out.open(QIODevice::ReadOnly));
            QCOMPARE(out.readAll(), expected.files.first().data);
        }
    }
    QCOMPARE(count, 25);
    QCOMPARE(withFiles, 9); // 0, 3, … 24

    auto found = db->GetDocumentByUNID(Domino::DxlWriter::unidFor(102).toLower());
    QVERIFY(found);
    QCOMPARE(found->GetFirstItem(u"Subject"_s)->Text(), u"Předmět 102"_s);
    QVERIFY(!db->GetDocumentByUNID(Domino::DxlWriter::unidFor(999)));
}

void tst_DxlStore::mimeBodies_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("tree"); // type/subtype of the root and its children
    QTest::newRow("alternative") << u"Dobrý den"_s << u"<p>Dobrý <b>den</b></p>"_s
                                 << QStringList{u"multipart/alternative"_s, u"text/plain"_s, u"text/html"_s};
    QTest::newRow("plain only") << u"Jen text"_s << QString() << QStringList{u"text/plain"_s};
    QTest::newRow("html only") << QString() << u"<i>ahoj</i>"_s << QStringList{u"text/html"_s};
}

void tst_DxlStore::mimeBodies()
{
    QFETCH(QString, plain);
    QFETCH(QString, html);
    QFETCH(QStringList, tree);
    QTemporaryDir dir;
    Eml::MailBuilder mail;
    mail.from(u"a@b.cz"_s).subject(u"s"_s);
    if (!plain.isNull())
        mail.plainBody(plain);
    if (!html.isNull())
        mail.htmlBody(html);
    Domino::DxlDocumentSpec doc = sampleDocument(1);
    doc.mime = mail.build();
    {
        Domino::DxlWriter writer(dir.filePath(u"Mail.dxl"_s));
        writer.add(doc);
    }

    Domino::NotesSession session(dir.filePath(u"Mail.dxl"_s)); // a single export file
    session.setConvertMime(false);
    auto view = session.OpenMailDatabase()->GetView(u"Mail"_s);
    QVERIFY(view);
    auto document = view->GetFirstDocument();
    auto root = document->GetFirstItem(u"Body"_s)->GetMIMEEntity();
    QVERIFY(root);
    QStringList seen{root->ContentType() + u'/' + root->ContentSubType()};
    for (auto child = root->GetFirstChildEntity(); child; child = child->GetNextSibling()) {
        seen << child->ContentType() + u'/' + child->ContentSubType();
        child->DecodeContent();
        QCOMPARE(child->ContentAsText(), child->ContentSubType() == u"html"_s ? html : plain);
    }
    QCOMPARE(seen, tree);
    root.reset(); // children must not depend on the root object
    if (tree.size() == 1) {
        auto single = document->GetFirstItem(u"Body"_s)->GetMIMEEntity();
        QVERIFY(single->ContentAsText() != (plain.isNull() ? html : plain)); // still encoded
        single->DecodeContent();
        QCOMPARE(single->ContentAsText(), plain.isNull() ? html : plain);
    }

    // With conversion on, the body is rich text without a MIME entity.
    session.setConvertMime(true);
    auto converted = view->GetFirstDocument();
    QVERIFY(!converted->GetFirstItem(u"Body"_s)->GetMIMEEntity());
    QVERIFY(!converted->GetFirstItem(u"Body"_s)->Text().isEmpty());
}

void tst_DxlStore::parsesDateTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");
    QTest::newRow("hour zone") << u"20010522T103636,81-04"_s
                               << QDateTime(QDate(2001, 5, 22), QTime(14, 36, 36, 810), Qt::UTC).toLocalTime();
    QTest::newRow("hour and minute zone") << u"20200101T000000,00+0530"_s
                                          << QDateTime(QDate(2019, 12, 31), QTime(18, 30), Qt::UTC).toLocalTime();
    QTest::newRow("utc") << u"20200101T120000Z"_s << QDateTime(QDate(2020, 1, 1), QTime(12, 0), Qt::UTC).toLocalTime();
    QTest::newRow("no zone is local") << u"20200101T120000,00"_s << QDateTime(QDate(2020, 1, 1), QTime(12, 0));
    QTest::newRow("date only") << u"20200229"_s << QDateTime(QDate(2020, 2, 29), QTime(0, 0));
    QTest::newRow("impossible date") << u"20210229T120000"_s << QDateTime();
    QTest::newRow("not a date") << u"včera"_s << QDateTime();
    QTest::newRow("empty") << QString() << QDateTime();
}

void tst_DxlStore::parsesDateTimes()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    QCOMPARE(Domino::Internal::parseDxlDateTime(text), expected);
}

void tst_DxlStore::invalidXmlGivesCleanError_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("documentsBeforeError");
    const QByteArray good = "<document><noteinfo unid='A1'/><item name='Subject'><text>x</text></item></document>";
    QTest::newRow("cut off inside a document") << QByteArray("<database>" + good + "<document><item name='S'><te") << 1;
    QTest::newRow("mismatched tags") << QByteArray("<database><document><item></document></database>") << 0;
    QTest::newRow("not xml") << QByteArray("\x00\xff garbage <<>>", 14) << 0;
    QTest::newRow("undefined entity") << QByteArray("<database><document><item name='a'><text>&boom;</text></item></document></database>") << 0;
}

void tst_DxlStore::invalidXmlGivesCleanError()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, documentsBeforeError);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"($Inbox).dxl"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(xml);
    file.close();

    Domino::NotesSession session(dir.path());
    auto view = session.OpenMailDatabase()->GetView(u"($Inbox)"_s);
    int read = 0;
    try {
        for (auto doc = view->GetFirstDocument(); doc; doc = view->GetNextDocument(*doc))
            ++read;
        QFAIL("no error reported");
    } catch (const EOrvIoError &e) {
        QVERIFY(e.userText().contains(u"DXL"_s));
        QVERIFY(e.detail().contains(u"($Inbox).dxl:"_s));
    }
    QCOMPARE(read, documentsBeforeError);
}

void tst_DxlStore::missingStoreIsReported()
{
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(EOrvIoError, Domino::NotesSession(dir.filePath(u"none"_s)).OpenMailDatabase());
    QVERIFY_THROWS_EXCEPTION(EOrvIoError, Domino::NotesSession(dir.path()).OpenMailDatabase()); // no export in it
}

QTEST_GUILESS_MAIN(tst_DxlStore)
#include "tst_DxlStore.moc"
