#include "base/Crc.h"

#include <QTest>

class tst_Crc : public QObject
{
    Q_OBJECT

private slots:
    void makeCrc_data();
    void makeCrc();
};

void tst_Crc::makeCrc_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("crc");
    QTest::newRow("check value") << QByteArray("123456789") << 0x29B1;
    QTest::newRow("empty is the initial value") << QByteArray() << 0xFFFF;
    QTest::newRow("one byte") << QByteArray("A") << 0xB915;
    QTest::newRow("zero byte") << QByteArray(1, '\0') << 0xE1F0;
    QTest::newRow("utf-8 name") << QStringLiteral("Novák").toUtf8() << 0x714F;
}

void tst_Crc::makeCrc()
{
    QFETCH(QByteArray, data);
    QFETCH(int, crc);
    QCOMPARE(Orv::MakeCRC(data), crc);
}

QTEST_GUILESS_MAIN(tst_Crc)
#include "tst_Crc.moc"
