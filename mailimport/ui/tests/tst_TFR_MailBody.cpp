#include "mailimport/ui/TFR_MailBody.h"
#include "mailimport/ui/TOrvCheckListBox.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

using namespace MailUi;
using namespace Qt::StringLiterals;

class tst_TFR_MailBody : public QObject
{
    Q_OBJECT

private slots:
    void showsBodyByKind();
    void neverLoadsWhatABodyNames_data();
    void neverLoadsWhatABodyNames();
    void linkDoubleClickNamesTheSubject();
    void tickedAttachmentsInListOrder();
};

void tst_TFR_MailBody::showsBodyByKind()
{
    TFR_MailBody view;
    const QString typed = u"<b>ne tučně</b>\r\n  odsazeno & <script>x()</script>"_s;
    view.Show(typed, true, {}, {});
    QVERIFY(view.isPlain());
    QCOMPARE(view.bodyView()->toPlainText(), QString(typed).replace(u"\r\n"_s, u"\n"_s));

    view.Show(u"<p><b>tučně</b></p><script>alert(1)</script>"_s, false, {}, {});
    QVERIFY(!view.isPlain());
    QCOMPARE(view.bodyView()->toPlainText().trimmed(), u"tučně"_s);

    // Back to plain text: nothing of the HTML page is left.
    view.Show(u"prostý"_s, true, {}, {});
    QCOMPARE(view.bodyView()->toPlainText(), u"prostý"_s);
}

void tst_TFR_MailBody::neverLoadsWhatABodyNames_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("remote image") << u"http://sledovani.example/pixel.gif"_s;
    QTest::newRow("secure remote") << u"https://sledovani.example/a.css"_s;
    QTest::newRow("local file") << u"file:///etc/passwd"_s;
    QTest::newRow("relative") << u"../../etc/passwd"_s;
}

void tst_TFR_MailBody::neverLoadsWhatABodyNames()
{
    QFETCH(QString, url);
    TFR_MailBody view;
    view.Show(u"<p>a<img src=\"%1\"></p>"_s.arg(url), false, {}, {});
    for (const int type : {int(QTextDocument::ImageResource), int(QTextDocument::StyleSheetResource),
                           int(QTextDocument::HtmlResource)}) {
        const QVariant loaded = view.bodyView()->loadResource(type, QUrl(url));
        QVERIFY(!loaded.canConvert<QByteArray>() || loaded.toByteArray().isEmpty());
        if (type == QTextDocument::ImageResource)
            QCOMPARE(loaded.value<QImage>().size(), QSize(1, 1));
    }
}

void tst_TFR_MailBody::linkDoubleClickNamesTheSubject()
{
    TFR_MailBody view;
    const QString firms = u"\"$IC$R11,5,7$R0Alfa s.r.o.\",\"$IC$R11,x,7$R0Vadná\""_s;
    const QString persons = u"\"$IB$R12,9,11$R0Karel Málek\""_s;
    view.Show({}, true, firms + u"\r\n"_s + persons, {});
    QCOMPARE(view.linkList()->count(), 3);

    QSignalSpy spy(&view, &TFR_MailBody::subjectActivated);
    for (int row = 0; row < 3; ++row) {
        view.linkList()->setCurrentRow(row);
        emit view.linkList()->itemDoubleClicked(view.linkList()->item(row));
    }
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0), (QList<QVariant>{1, 5, 7}));
    QCOMPARE(spy.at(1), (QList<QVariant>{2, 9, 11}));
}

void tst_TFR_MailBody::tickedAttachmentsInListOrder()
{
    TFR_MailBody view;
    view.Show({}, true, {}, u"\"faktura.pdf\",\"cena $100.txt\",\"foto 1.jpg\""_s);
    TOrvCheckListBox *list = view.attachmentList();
    QCOMPARE(list->count(), 3);
    QCOMPARE(view.TickedAttachments(), QString());
    list->item(2)->setCheckState(Qt::Checked);
    list->item(1)->setCheckState(Qt::Checked);
    QCOMPARE(view.TickedAttachments(), u"\"cena $100.txt\",\"foto 1.jpg\""_s);
    QCOMPARE(view.tickedAttachmentNames(), (QStringList{u"cena $100.txt"_s, u"foto 1.jpg"_s}));

    // Space on the current item ticks it, as in any check list.
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(view.tickedAttachmentNames().value(0), u"faktura.pdf"_s);
}

QTEST_MAIN(tst_TFR_MailBody)
#include "tst_TFR_MailBody.moc"
