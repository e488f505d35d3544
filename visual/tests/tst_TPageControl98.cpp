#include "visual/TCheckBox95.h"
#include "visual/TPageControl98.h"
#include "visual/TTabSheet98.h"

#include "base/Errors.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

class tst_TPageControl98 : public QObject
{
    Q_OBJECT
private slots:
    void hidingTabMovesSelection_data();
    void hidingTabMovesSelection();
    void hidingLastVisibleTabKeepsValidState();
    void pageWithHiddenTabCanBeShown();
    void userChangeCanBeRefused_data();
    void userChangeCanBeRefused();
    void selectNextPageSkipsHiddenTabsAndWraps();
    void flatBordersWithoutTabs_data();
    void flatBordersWithoutTabs();
    void buttonStyleNeedsTabsOnTop();
    void deletingPagesAndControl();

private:
    std::unique_ptr<TPageControl98> makeControl(int pages);
};

std::unique_ptr<TPageControl98> tst_TPageControl98::makeControl(int pages)
{
    auto control = std::make_unique<TPageControl98>();
    control->resize(300, 200);
    for (int i = 0; i < pages; ++i)
        new TTabSheet98(control.get(), QStringLiteral("Stránka %1").arg(i));
    control->setActivePageIndex(0);
    control->show();
    return control;
}

void tst_TPageControl98::hidingTabMovesSelection_data()
{
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("hidden");
    QTest::addColumn<int>("expectedPage");
    QTest::addColumn<int>("expectedTab");
    QTest::newRow("active last page: the new last") << 3 << 3 << 2 << 2;
    QTest::newRow("active middle page: the one taking its place") << 1 << 1 << 2 << 1;
    QTest::newRow("active first page") << 0 << 0 << 1 << 0;
    QTest::newRow("inactive page: selection follows its tab") << 2 << 0 << 2 << 1;
}

void tst_TPageControl98::hidingTabMovesSelection()
{
    QFETCH(int, active);
    QFETCH(int, hidden);
    QFETCH(int, expectedPage);
    QFETCH(int, expectedTab);
    auto control = makeControl(4);
    control->setActivePageIndex(active);
    control->GetPage(hidden)->SetTabVisible(false);
    QCOMPARE(control->activePageIndex(), expectedPage);
    QCOMPARE(control->tabIndex(), expectedTab);
    QCOMPARE(control->tabs().size(), 3);
    QCOMPARE(control->GetPage(hidden)->tabIndex(), -1);
    QVERIFY(control->activePage()->isVisible());
}

void tst_TPageControl98::hidingLastVisibleTabKeepsValidState()
{
    auto control = makeControl(2);
    control->GetPage(1)->SetTabVisible(false);
    control->GetPage(0)->SetTabVisible(false);
    QVERIFY(control->tabs().isEmpty());
    QCOMPARE(control->tabIndex(), -1);
    QCOMPARE(control->activePageIndex(), 0);
    QVERIFY(control->GetPage(0)->isVisible());
    // A click where the tabs were selects nothing and does not crash.
    QTest::mouseClick(control.get(), Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(control->activePageIndex(), 0);

    control->GetPage(1)->SetTabVisible(true);
    QCOMPARE(control->tabs().size(), 1);
    QCOMPARE(control->GetPage(1)->tabIndex(), 0);
    QCOMPARE(control->tabIndex(), -1); // the active page still has no tab
}

void tst_TPageControl98::pageWithHiddenTabCanBeShown()
{
    auto control = makeControl(3);
    TTabSheet98 *hidden = control->GetPage(1);
    hidden->SetTabVisible(false);
    QSignalSpy shown(hidden, &TTabSheet98::shown);
    control->SetActivePage(hidden);
    QCOMPARE(control->activePage(), hidden);
    QVERIFY(hidden->isVisible());
    QVERIFY(!control->GetPage(0)->isVisible());
    QCOMPARE(control->tabIndex(), -1);
    QCOMPARE(shown.count(), 1);
}

void tst_TPageControl98::userChangeCanBeRefused_data()
{
    QTest::addColumn<bool>("allow");
    QTest::newRow("allowed") << true;
    QTest::newRow("refused") << false;
}

void tst_TPageControl98::userChangeCanBeRefused()
{
    QFETCH(bool, allow);
    auto control = makeControl(3);
    connect(control.get(), &TCustomTabControl98::changing, this, [allow](bool *allowChange) { *allowChange = allow; });
    QSignalSpy changed(control.get(), &TCustomTabControl98::changed);
    QTest::mouseClick(control.get(), Qt::LeftButton, {}, control->tabRect(2).center());
    QCOMPARE(control->activePageIndex(), allow ? 2 : 0);
    QCOMPARE(control->tabIndex(), allow ? 2 : 0);
    QCOMPARE(changed.count(), allow ? 1 : 0);
    QCOMPARE(control->GetPage(2)->isVisible(), allow);
}

void tst_TPageControl98::selectNextPageSkipsHiddenTabsAndWraps()
{
    auto control = makeControl(4);
    control->GetPage(1)->SetTabVisible(false);
    control->SelectNextPage(true);
    QCOMPARE(control->activePageIndex(), 2);
    control->SelectNextPage(true);
    QCOMPARE(control->activePageIndex(), 3);
    control->SelectNextPage(true);
    QCOMPARE(control->activePageIndex(), 0);
    control->SelectNextPage(false);
    QCOMPARE(control->activePageIndex(), 3);
}

void tst_TPageControl98::flatBordersWithoutTabs_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QRect>("display");
    QTest::newRow("tabs: the frame inset") << int(TCustomTabControl98::TTabStyle::tsTabs) << QRect(4, 4, 292, 192);
    QTest::newRow("buttons: 4-pixel borders, 6 on top") << int(TCustomTabControl98::TTabStyle::tsButtons)
                                                       << QRect(4, 6, 292, 190);
}

void tst_TPageControl98::flatBordersWithoutTabs()
{
    QFETCH(int, style);
    QFETCH(QRect, display);
    auto control = makeControl(1);
    control->SetStyle(TCustomTabControl98::TTabStyle(style));
    control->GetPage(0)->SetTabVisible(false);
    QCOMPARE(control->displayRect(), display);
    QCOMPARE(control->GetPage(0)->geometry(), display);
}

void tst_TPageControl98::buttonStyleNeedsTabsOnTop()
{
    auto control = makeControl(2);
    control->setTabPosition(TCustomTabControl98::TTabPosition::tpBottom);
    QVERIFY_THROWS_EXCEPTION(EOrvSystemError, control->SetStyle(TCustomTabControl98::TTabStyle::tsButtons));
    QCOMPARE(control->tabStyle(), TCustomTabControl98::TTabStyle::tsTabs);
}

void tst_TPageControl98::deletingPagesAndControl()
{
    auto control = makeControl(3);
    control->setActivePageIndex(1);
    delete control->GetPage(1);
    QCOMPARE(control->GetPageCount(), 2);
    QCOMPARE(control->tabs().size(), 2);
    QVERIFY(control->activePage());
    QCOMPARE(control->tabIndex(), control->activePage()->tabIndex());

    // Moving a page to another control moves its tab.
    TPageControl98 other;
    TTabSheet98 *moved = control->GetPage(0);
    moved->setPageControl(&other);
    QCOMPARE(control->GetPageCount(), 1);
    QCOMPARE(other.GetPageCount(), 1);
    QCOMPARE(moved->parentWidget(), &other);
    control.reset(); // pages go with their control
}

QTEST_MAIN(tst_TPageControl98)
#include "tst_TPageControl98.moc"
