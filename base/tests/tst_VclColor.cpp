#include "base/VclColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_VclColor : public QObject
{
    Q_OBJECT

private slots:
    void plainColors_data();
    void plainColors();
    void noColor();
    void systemColorsFollowPalette_data();
    void systemColorsFollowPalette();
    void names_data();
    void names();
};

void tst_VclColor::plainColors_data()
{
    QTest::addColumn<TColor>("tColor");
    QTest::addColumn<QColor>("color");
    QTest::newRow("clRed") << clRed << QColor(255, 0, 0);
    QTest::newRow("clBlue") << clBlue << QColor(0, 0, 255);
    QTest::newRow("clMoneyGreen") << clMoneyGreen << QColor(0xC0, 0xDC, 0xC0);
    QTest::newRow("bgr order") << TColor(0x00123456) << QColor(0x56, 0x34, 0x12);
    QTest::newRow("clBlack") << clBlack << QColor(0, 0, 0);
}

void tst_VclColor::plainColors()
{
    QFETCH(TColor, tColor);
    QFETCH(QColor, color);
    QCOMPARE(Orv::colorFromTColor(tColor), color);
    QCOMPARE(Orv::tColorFromColor(color), tColor);
}

void tst_VclColor::noColor()
{
    QVERIFY(!Orv::colorFromTColor(clNone).isValid());
    QVERIFY(!Orv::colorFromTColor(clDefault).isValid());
    QCOMPARE(Orv::tColorFromColor(QColor()), clNone);
}

void tst_VclColor::systemColorsFollowPalette_data()
{
    QTest::addColumn<TColor>("tColor");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::newRow("clBtnFace") << clBtnFace << QPalette::Button;
    QTest::newRow("clWindow") << clWindow << QPalette::Base;
    QTest::newRow("clWindowText") << clWindowText << QPalette::Text;
    QTest::newRow("clHighlight") << clHighlight << QPalette::Highlight;
    QTest::newRow("clInfoBk") << clInfoBk << QPalette::ToolTipBase;
}

void tst_VclColor::systemColorsFollowPalette()
{
    QFETCH(TColor, tColor);
    QFETCH(QPalette::ColorRole, role);
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Active, role, QColor(1, 2, 3));
    QGuiApplication::setPalette(palette);
    QCOMPARE(Orv::colorFromTColor(tColor), QColor(1, 2, 3));
}

void tst_VclColor::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::addColumn<TColor>("tColor");
    QTest::newRow("exact") << u"clRed"_s << true << clRed;
    QTest::newRow("any case") << u"CLBTNFACE"_s << true << clBtnFace;
    QTest::newRow("clNone") << u"clNone"_s << true << clNone;
    QTest::newRow("unknown") << u"clPink"_s << false << TColor(0);
    QTest::newRow("empty") << QString() << false << TColor(0);
}

void tst_VclColor::names()
{
    QFETCH(QString, name);
    QFETCH(bool, known);
    QFETCH(TColor, tColor);
    TColor result = 0;
    QCOMPARE(Orv::tColorFromName(name, &result), known);
    QCOMPARE(result, tColor);
}

QTEST_MAIN(tst_VclColor)
#include "tst_VclColor.moc"
