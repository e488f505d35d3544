#include "visual/Look.h"
#include "visual/TextLayout.h"

#include <QFontMetrics>
#include <QTest>

using namespace Visual;

class tst_TextLayout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void accelerators_data();
    void accelerators();
    void ellipses_data();
    void ellipses();
    void wordBreak();
    void cutLinesEndInEllipsis();
    void verticalCentring_data();
    void verticalCentring();
    void tabsExpand();
    void emptyTextMeasuresAsBlank();

private:
    QFont m_font;
};

void tst_TextLayout::initTestCase()
{
    m_font = Visual::vclFont(QStringLiteral("Arial"), 8);
}

void tst_TextLayout::accelerators_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("position");
    QTest::newRow("marked letter") << u"&Nápověda"_qs << u"Nápověda"_qs << 0;
    QTest::newRow("inside") << u"Ne&xt"_qs << u"Next"_qs << 2;
    QTest::newRow("double ampersand") << u"A && B"_qs << u"A & B"_qs << -1;
    QTest::newRow("first mark wins") << u"&a&b"_qs << u"ab"_qs << 0;
    QTest::newRow("trailing lone ampersand") << u"Konec&"_qs << u"Konec"_qs << -1;
    QTest::newRow("none") << u"Storno"_qs << u"Storno"_qs << -1;
}

void tst_TextLayout::accelerators()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QFETCH(int, position);
    int found = -2;
    QCOMPARE(stripAccelerator(text, &found), plain);
    QCOMPARE(found, position);
}

void tst_TextLayout::ellipses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("path");
    QTest::addColumn<QString>("mustStart");
    QTest::addColumn<QString>("mustEnd");
    QTest::newRow("end") << u"Dlouhý popis, který se nevejde"_qs << false << u"Dlouh"_qs << u"..."_qs;
    QTest::newRow("path keeps the file") << u"C:\\Dokumenty\\Smlouvy\\2024\\dopis.txt"_qs << true << u"C:"_qs
                                         << u"...\\dopis.txt"_qs;
    QTest::newRow("path with slashes") << u"/home/uzivatel/dokumenty/smlouvy/dopis.txt"_qs << true << u"/ho"_qs
                                       << u".../dopis.txt"_qs;
    QTest::newRow("path without separator ends") << u"Jedinýdlouhýnázevbezlomítek"_qs << true << u"Jedin"_qs
                                                 << u"..."_qs;
}

void tst_TextLayout::ellipses()
{
    QFETCH(QString, text);
    QFETCH(bool, path);
    QFETCH(QString, mustStart);
    QFETCH(QString, mustEnd);
    const QFontMetrics metrics(m_font);
    const int width = 120;
    const QString elided = path ? elidePath(metrics, text, width) : elideEnd(metrics, text, width);
    QVERIFY2(elided.startsWith(mustStart), qPrintable(elided));
    QVERIFY2(elided.endsWith(mustEnd), qPrintable(elided));
    QVERIFY(metrics.horizontalAdvance(elided) <= width);
    // It is the longest that fits: one more character of the original would not.
    QVERIFY(elided.size() < text.size());
    QCOMPARE(elideEnd(metrics, u"Krátký"_qs, width), u"Krátký"_qs);
}

void tst_TextLayout::wordBreak()
{
    const QFontMetrics metrics(m_font);
    const QString text = u"Zalomený text na více řádcích\r\nnový odstavec"_qs;
    const int width = metrics.horizontalAdvance(u"Zalomený text"_qs) + 2;
    const TextLayout layout = layoutText(metrics, QRect(0, 0, width, 500), text, TextFlag::WordBreak);
    QStringList lines;
    for (const TextLine &line : layout.lines) {
        lines.append(line.text);
        QVERIFY(line.rect.width() <= width);
    }
    QCOMPARE(lines, (QStringList{u"Zalomený text"_qs, u"na více"_qs, u"řádcích"_qs, u"nový odstavec"_qs}));
    QCOMPARE(layout.lines[1].rect.top(), metrics.height());
}

void tst_TextLayout::cutLinesEndInEllipsis()
{
    const QFontMetrics metrics(m_font);
    const QRect twoLines(0, 0, metrics.horizontalAdvance(u"jedna dva"_qs) + 2, 2 * metrics.height());
    const TextLayout layout = layoutText(metrics, twoLines, u"jedna dva tři čtyři pět šest"_qs,
                                         TextFlag::WordBreak | TextFlag::EndEllipsis);
    QCOMPARE(layout.lines.size(), 2);
    QVERIFY(layout.lines.last().text.endsWith(u"..."_qs));
}

void tst_TextLayout::verticalCentring_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("expectedTop");
    const int lineHeight = QFontMetrics(Visual::vclFont(QStringLiteral("Arial"), 8)).height();
    QTest::newRow("top") << int(TextFlag::None) << 0;
    QTest::newRow("centre") << int(TextFlag::VCenter) << (40 - lineHeight) / 2;
    QTest::newRow("bottom") << int(TextFlag::Bottom) << 40 - lineHeight;
}

void tst_TextLayout::verticalCentring()
{
    QFETCH(int, flag);
    QFETCH(int, expectedTop);
    const QFontMetrics metrics(m_font);
    const TextLayout layout = layoutText(metrics, QRect(0, 0, 200, 40), u"&Uložit"_qs,
                                         TextFlag::SingleLine | TextFlag(flag));
    QCOMPARE(layout.lines.size(), 1);
    QCOMPARE(layout.lines[0].rect.top(), expectedTop);
    QCOMPARE(layout.lines[0].text, u"Uložit"_qs);
    QCOMPARE(layout.lines[0].accelerator, 0);
}

void tst_TextLayout::tabsExpand()
{
    const QFontMetrics metrics(m_font);
    const int stop = 8 * metrics.averageCharWidth();
    QCOMPARE(lineWidth(metrics, u"a\tb"_qs, true), stop + metrics.horizontalAdvance(u'b'));
    QCOMPARE(lineWidth(metrics, u"\t\tb"_qs, true), 2 * stop + metrics.horizontalAdvance(u'b'));
}

void tst_TextLayout::emptyTextMeasuresAsBlank()
{
    const QFontMetrics metrics(m_font);
    const QSize blank = textSize(metrics, u" "_qs, TextFlag::None);
    QCOMPARE(textSize(metrics, QString(), TextFlag::None), blank);
    QCOMPARE(textSize(metrics, u"&"_qs, TextFlag::None), blank);
    QVERIFY(blank.height() > 0);
}

QTEST_MAIN(tst_TextLayout)
#include "tst_TextLayout.moc"
