#include "base/CommaText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_CommaText : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void writesAndReadsBack_data();
    void writesAndReadsBack();
};

void tst_CommaText::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("blanks only") << u"   "_s << QStringList();
    QTest::newRow("commas") << u"a,b,c"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("blank splits") << u"Novák, s.r.o."_s << QStringList{u"Novák"_s, u"s.r.o."_s};
    QTest::newRow("control chars split") << u"a\tb\nc"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("quoted keeps blank and comma") << u"\"Novák, s.r.o.\",x"_s << QStringList{u"Novák, s.r.o."_s, u"x"_s};
    QTest::newRow("doubled quotes") << u"\"say \"\"hi\"\"\""_s << QStringList{u"say \"hi\""_s};
    QTest::newRow("empty quoted") << u"\"\""_s << QStringList{QString()};
    QTest::newRow("empty between commas") << u"a,,b"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("leading comma") << u",a"_s << QStringList{QString(), u"a"_s};
    QTest::newRow("trailing comma") << u"a,"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("comma then blank at end") << u"a, "_s << QStringList{u"a"_s};
    QTest::newRow("unterminated quote") << u"\"open, end"_s << QStringList{u"open, end"_s};
    QTest::newRow("text right after quote") << u"\"a\"b"_s << QStringList{u"a"_s, u"b"_s};
}

void tst_CommaText::reads()
{
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QCOMPARE(Orv::fromCommaText(text), items);
}

void tst_CommaText::writesAndReadsBack_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("plain") << QStringList{u"a"_s, u"Příliš"_s} << u"a,Příliš"_s;
    QTest::newRow("blank") << QStringList{u"a b"_s} << u"\"a b\""_s;
    QTest::newRow("comma") << QStringList{u"a,b"_s} << u"\"a,b\""_s;
    QTest::newRow("quote") << QStringList{u"say \"hi\""_s} << u"\"say \"\"hi\"\"\""_s;
    QTest::newRow("control char") << QStringList{u"a\tb"_s} << u"\"a\tb\""_s;
    QTest::newRow("single empty") << QStringList{QString()} << u"\"\""_s;
    QTest::newRow("empty inside") << QStringList{u"a"_s, QString(), u"b"_s} << u"a,\"\",b"_s;
    QTest::newRow("empty last") << QStringList{u"a"_s, QString()} << u"a,\"\""_s;
}

void tst_CommaText::writesAndReadsBack()
{
    QFETCH(QStringList, items);
    QFETCH(QString, text);
    QCOMPARE(Orv::toCommaText(items), text);
    QCOMPARE(Orv::fromCommaText(text), items);
}

QTEST_GUILESS_MAIN(tst_CommaText)
#include "tst_CommaText.moc"
