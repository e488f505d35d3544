#include "mailimport/ui/ListMarkup.h"
#include "mailimport/ui/TFR_MailBody.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace MailUi;
using namespace Qt::StringLiterals;

class tst_ListMarkup : public QObject
{
    Q_OBJECT

private slots:
    void readsItemTexts_data();
    void readsItemTexts();
    void escapedTextReadsBackAsTyped();
    void iconsOutsideTheStripDrawNothing();
    void linesPastTheBottomAreLeftOut();
};

void tst_ListMarkup::readsItemTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("subject");   // "kind,cpc,c" as read back, or empty for none

    QTest::newRow("firm entry") << u"$IC$R11,5,7$R0Alfa s.r.o."_s << u"Alfa s.r.o."_s
                                << QStringList{u"IC"_s, u"R1"_s, u"R0"_s} << u"1,5,7"_s;
    QTest::newRow("person entry") << u"$IB$R12,7,123$R0Karel Málek"_s << u"Karel Málek"_s
                                  << QStringList{u"IB"_s, u"R1"_s, u"R0"_s} << u"2,7,123"_s;
    QTest::newRow("hidden part not a number") << u"$IC$R11,x,7$R0Alfa"_s << u"Alfa"_s
                                              << QStringList{u"IC"_s, u"R1"_s, u"R0"_s} << QString();
    QTest::newRow("hidden part too short") << u"$IC$R11,5$R0Alfa"_s << u"Alfa"_s
                                           << QStringList{u"IC"_s, u"R1"_s, u"R0"_s} << QString();
    QTest::newRow("no hidden part") << u"Alfa"_s << u"Alfa"_s << QStringList() << QString();
    QTest::newRow("hidden part never closed") << u"$R11,5,7"_s << QString() << QStringList{u"R1"_s} << QString();
    QTest::newRow("message line") << u"$IA$TA$ID$TB$FA1.2.2026 $FB<a@b.cz>$FA$B1 Ahoj$B0"_s
                                  << u"1.2.2026 <a@b.cz> Ahoj"_s
                                  << QStringList{u"IA"_s, u"TA"_s, u"ID"_s, u"TB"_s, u"FA"_s, u"FB"_s,
                                                 u"FA"_s, u"B1"_s, u"B0"_s}
                                  << QString();
    QTest::newRow("price in a subject") << u"Cena $100"_s << u"Cena $100"_s << QStringList() << QString();
    QTest::newRow("notes view name") << u"($Inbox)"_s << u"($Inbox)"_s << QStringList() << QString();
    QTest::newRow("upper-case view name") << u"($INBOX)"_s << u"($INBOX)"_s << QStringList() << QString();
    QTest::newRow("lower-case code is text") << u"$b1tučně"_s << u"$b1tučně"_s << QStringList() << QString();
    QTest::newRow("dollar at the end") << u"USD$"_s << u"USD$"_s << QStringList() << QString();
    QTest::newRow("doubled dollar") << u"$$B1"_s << u"$B1"_s << QStringList() << QString();
    QTest::newRow("folder with count") << u"$B1Doručená pošta$B0 [12 zpráv]"_s << u"Doručená pošta [12 zpráv]"_s
                                       << QStringList{u"B1"_s, u"B0"_s} << QString();
}

void tst_ListMarkup::readsItemTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, visible);
    QFETCH(QStringList, commands);
    QFETCH(QString, subject);

    QCOMPARE(ListMarkup::visibleText(text), visible);
    QStringList found;
    for (const ListMarkup::Token &token : ListMarkup::parse(text)) {
        if (token.kind == ListMarkup::Token::Kind::Command)
            found << token.text;
    }
    QCOMPARE(found, commands);
    const std::optional<Mail::SubjectKey> key = TFR_MailBody::subjectOfEntry(text);
    QCOMPARE(key ? u"%1,%2,%3"_s.arg(key->kind).arg(key->cpcx).arg(key->cx) : QString(), subject);
}

void tst_ListMarkup::escapedTextReadsBackAsTyped()
{
    for (const QString &typed : {u"Cena $100"_s, u"$B1$R1tajné$R0"_s, u"$$"_s, u"$"_s, u"$IA"_s}) {
        const QString line = u"$B1"_s + ListMarkup::escape(typed) + u"$B0"_s;
        QCOMPARE(ListMarkup::visibleText(line), typed);
        QCOMPARE(ListMarkup::hiddenPart(line), QString());
    }
}

namespace {

QImage render(const QString &text, const ListMarkup::Style &style, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(style.font);
    painter.setPen(Qt::black);
    ListMarkup::draw(painter, QRect(QPoint(0, 0), size), text, style);
    return image;
}

// The leftmost column holding a non-white pixel, or -1.
int firstInkColumn(const QImage &image, int top = 0, int bottom = -1)
{
    if (bottom < 0)
        bottom = image.height() - 1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = top; y <= bottom; ++y)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return x;
    return -1;
}

} // namespace

void tst_ListMarkup::iconsOutsideTheStripDrawNothing()
{
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    ListMarkup::Style style;
    style.icons = {icon};

    const QImage withIcon = render(u"$IA"_s, style, {100, 18});
    QCOMPARE(withIcon.pixel(2, 1), qRgb(255, 0, 0));
    // $IB is past the strip: nothing drawn and the text starts where it would without it.
    const QImage missing = render(u"$IBxx"_s, style, {100, 18});
    const QImage plain = render(u"xx"_s, style, {100, 18});
    QCOMPARE(missing, plain);
    // Hidden icons are not drawn either.
    QCOMPARE(render(u"$R1$IA$R0xx"_s, style, {100, 18}), plain);
}

void tst_ListMarkup::linesPastTheBottomAreLeftOut()
{
    ListMarkup::Style style;
    const int lineHeight = QFontMetrics(style.font).boundingRect(u"qweŘty"_s).height() + 2;
    const QSize size(200, lineHeight * 2 + lineHeight / 2);
    const QImage image = render(u"$TAprvní\r\n$TAdruhý\r\n$TAtřetí"_s, style, size);
    QVERIFY(firstInkColumn(image, 0, lineHeight - 1) >= style.tabA);
    QVERIFY(firstInkColumn(image, lineHeight, 2 * lineHeight - 1) >= style.tabA);
    QCOMPARE(firstInkColumn(image, 2 * lineHeight, size.height() - 1), -1);
}

QTEST_MAIN(tst_ListMarkup)
#include "tst_ListMarkup.moc"
