#include "platform/eml/ExtractAddresses.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_ExtractAddresses : public QObject
{
    Q_OBJECT

private slots:
    void extracts_data();
    void extracts();
    void logsStartAndEnd_data();
    void logsStartAndEnd();
};

void tst_ExtractAddresses::extracts_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two named addresses") << 250 << u"Jan Novák <jan@alfa.cz>, \"Eva, B.\" <eva@beta.cz>"_s
                                         << u"jan@alfa.cz;eva@beta.cz"_s;
    QTest::newRow("no brackets taken whole") << 250 << u"jan@alfa.cz, eva@beta.cz"_s << u"jan@alfa.cz, eva@beta.cz"_s;
    QTest::newRow("no brackets kept whole even past the limit") << 5 << u"jan@alfa.cz"_s << u"jan@alfa.cz"_s;
    QTest::newRow("empty") << 250 << QString() << QString();
    QTest::newRow("unclosed bracket keeps what it read") << 250 << u"Jan <jan@alfa"_s << u"jan@alfa"_s;
    QTest::newRow("empty brackets add nothing") << 250 << u"<> <a@b.cz>"_s << u"a@b.cz"_s;

    // Three addresses of 100 characters: the third would pass 250 and is dropped with its ";".
    const QString a = QString(96, u'a') + u"@a.cz"_s.left(4);
    const QString b = QString(96, u'b') + u"@b.c"_s;
    const QString c = QString(96, u'c') + u"@c.c"_s;
    QTest::newRow("third address passes 250") << 250 << u"<%1>, <%2>, <%3>"_s.arg(a, b, c) << a + u';' + b;
    QTest::newRow("exactly at the limit is kept") << 201 << u"<%1>,<%2>"_s.arg(a, b) << a + u';' + b;
    QTest::newRow("one over the limit is cut") << 200 << u"<%1>,<%2>"_s.arg(a, b) << a;
    QTest::newRow("first address alone too long") << 10 << u"<%1>"_s.arg(a) << QString();
}

void tst_ExtractAddresses::extracts()
{
    QFETCH(int, limit);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Eml::ExtractAddresses(limit, text), expected);
}

void tst_ExtractAddresses::logsStartAndEnd_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("whole scan") << 250 << u"A <a@b.cz>"_s << QStringList{u"  EA Start: A <a@b.cz>"_s, u"  EA End: a@b.cz"_s};
    QTest::newRow("no end line after a cut") << 3 << u"<a@b.cz>"_s << QStringList{u"  EA Start: <a@b.cz>"_s};
}

void tst_ExtractAddresses::logsStartAndEnd()
{
    QFETCH(int, limit);
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QStringList logged;
    Eml::ExtractAddresses(limit, text, [&logged](const QString &line) { logged << line; });
    QCOMPARE(logged, lines);
}

QTEST_GUILESS_MAIN(tst_ExtractAddresses)
#include "tst_ExtractAddresses.moc"
