#include "visual/VisualMath.h"

#include <QTest>

using namespace Visual;

class tst_VisualMath : public QObject
{
    Q_OBJECT
private slots:
    void dayColumns_data();
    void dayColumns();
    void dayColumnAt_data();
    void dayColumnAt();
    void gradientBands_data();
    void gradientBands();
    void rightAlignedButtons_data();
    void rightAlignedButtons();
    void buttonPanelPositions_data();
    void buttonPanelPositions();
    void progressSteps_data();
    void progressSteps();
};

void tst_VisualMath::dayColumns_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("days");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("week in 100 px") << 100 << 7 << QList<int>{15, 15, 14, 14, 14, 14, 14};
    QTest::newRow("even split") << 70 << 7 << QList<int>{10, 10, 10, 10, 10, 10, 10};
    QTest::newRow("one day") << 37 << 1 << QList<int>{37};
    QTest::newRow("narrower than days") << 3 << 5 << QList<int>{1, 1, 1, 0, 0};
    QTest::newRow("no days: no columns, no division") << 100 << 0 << QList<int>{};
    QTest::newRow("negative count") << 100 << -3 << QList<int>{};
}

void tst_VisualMath::dayColumns()
{
    QFETCH(int, width);
    QFETCH(int, days);
    QFETCH(QList<int>, expected);
    QCOMPARE(dayColumnWidths(width, days), expected);
}

void tst_VisualMath::dayColumnAt_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("column");
    QTest::newRow("left edge") << 0 << 0;
    QTest::newRow("last pixel of first") << 14 << 0;
    QTest::newRow("first pixel of second") << 15 << 1;
    QTest::newRow("third starts at 30") << 30 << 2;
    QTest::newRow("beyond the last") << 500 << 6;
    QTest::newRow("left of the strip") << -5 << 0;
}

void tst_VisualMath::dayColumnAt()
{
    QFETCH(int, x);
    QFETCH(int, column);
    QCOMPARE(Visual::dayColumnAt(dayColumnWidths(100, 7), x), column);
}

void tst_VisualMath::gradientBands_data()
{
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("bands");
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::addColumn<int>("count");
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("last");
    QTest::newRow("black to blue, 16 bands") << 160 << 16 << QColor(0, 0, 0) << QColor(0, 0, 255) << 16
                                             << QColor(0, 0, 0) << QColor(0, 0, 239);
    QTest::newRow("rule of 8 bands, rounded") << 100 << 8 << QColor(0, 128, 128) << QColor(212, 208, 200) << 8
                                              << QColor(0, 128, 128) << QColor(186, 198, 191);
    QTest::newRow("more bands than pixels") << 4 << 16 << QColor(0, 0, 0) << QColor(255, 255, 255) << 4
                                            << QColor(16, 16, 16) << QColor(207, 207, 207);
}

void tst_VisualMath::gradientBands()
{
    QFETCH(int, extent);
    QFETCH(int, bands);
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    QFETCH(int, count);
    QFETCH(QColor, first);
    QFETCH(QColor, last);
    const QList<GradientBand> result = Visual::gradientBands(extent, bands, from, to);
    QCOMPARE(result.size(), count);
    QCOMPARE(result.first().color, first);
    QCOMPARE(result.last().color, last);
    // Bands tile the extent without gaps or overlaps.
    QCOMPARE(result.first().start, 0);
    QCOMPARE(result.last().end, extent);
    for (int i = 1; i < result.size(); ++i)
        QCOMPARE(result[i].start, result[i - 1].end);
}

void tst_VisualMath::rightAlignedButtons_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<int>>("lefts");
    // Help at W − w − 8, Cancel at W − 2w − 16, OK at W − 3w − 24.
    QTest::newRow("three buttons of 75") << 400 << QList<int>{75, 75, 75} << QList<int>{317, 234, 151};
    QTest::newRow("four wizard buttons") << 420 << QList<int>{75, 75, 75, 75} << QList<int>{337, 254, 171, 88};
    QTest::newRow("a wider button does not overlap") << 400 << QList<int>{75, 120, 75} << QList<int>{317, 189, 106};
}

void tst_VisualMath::rightAlignedButtons()
{
    QFETCH(int, width);
    QFETCH(QList<int>, widths);
    QFETCH(QList<int>, lefts);
    QCOMPARE(rightAlignedLefts(width, widths), lefts);
}

void tst_VisualMath::buttonPanelPositions_data()
{
    QTest::addColumn<QList<bool>>("visible");
    QTest::addColumn<QList<int>>("lefts");
    // add, delete, edit | sort, set, properties | switch
    QTest::newRow("editable") << QList<bool>{true, true, true, true, true, true, false}
                              << QList<int>{0, 20, 40, 65, 85, 105, -1};
    QTest::newRow("not editable, with switch") << QList<bool>{false, false, false, true, true, true, true}
                                               << QList<int>{-1, -1, -1, 0, 20, 40, 65};
    QTest::newRow("editable, with switch") << QList<bool>{true, true, true, true, true, true, true}
                                           << QList<int>{0, 20, 40, 65, 85, 105, 130};
}

void tst_VisualMath::buttonPanelPositions()
{
    QFETCH(QList<bool>, visible);
    QFETCH(QList<int>, lefts);
    QCOMPARE(groupedButtonLefts({0, 0, 0, 1, 1, 1, 2}, visible), lefts);
}

void tst_VisualMath::progressSteps_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("max 100: every position") << 37 << 100 << true;
    QTest::newRow("max 1000: tenth step") << 20 << 1000 << true;
    QTest::newRow("max 1000: between steps") << 21 << 1000 << false;
    QTest::newRow("max 1005: the end still shows") << 1005 << 1005 << true;
    QTest::newRow("max 1005: near the end") << 1003 << 1005 << false;
}

void tst_VisualMath::progressSteps()
{
    QFETCH(int, position);
    QFETCH(int, maximum);
    QFETCH(bool, accepted);
    QCOMPARE(progressPositionAccepted(position, maximum), accepted);
}

QTEST_GUILESS_MAIN(tst_VisualMath)
#include "tst_VisualMath.moc"
