#include "visual/Look.h"
#include "visual/PaintHelpers.h"
#include "visual/TBackgroundPicture.h"
#include "visual/TButton95.h"
#include "visual/TCheckBox95.h"
#include "visual/TDayPanel.h"
#include "visual/TFloatEdit.h"
#include "visual/TGradPanel.h"
#include "visual/TGradientTitleBar.h"
#include "visual/TProgressPanel.h"
#include "visual/TRadioButton95.h"
#include "visual/TWizard.h"

#include "base/Clock.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

using State = TCustomCheckBox95::TCheckBoxState;

class tst_Controls : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void checkBoxClick_data();
    void checkBoxClick();
    void checkBoxCodeChangesRaiseNothing();
    void classicCheckBoxTick_data();
    void classicCheckBoxTick();
    void radioButtonFocusChecksOwnGroupOnly();
    void gradientEnds_data();
    void gradientEnds();
    void titleBarLayout_data();
    void titleBarLayout();
    void wizardButtonsAndCaptions();
    void wizardBusyRestoresAfterThrow();
    void progressPanelPositions_data();
    void progressPanelPositions();
    void progressPanelAutoHide();
    void backgroundSetRule();
    void dayPanelColumnsAndDates();
    void dayPanelTexts_data();
    void dayPanelTexts();
    void floatEdit_data();
    void floatEdit();
};

void tst_Controls::init()
{
    Visual::setThemesInUse(true);
    Visual::Background().clear();
}

void tst_Controls::checkBoxClick_data()
{
    QTest::addColumn<State>("before");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<State>("after");
    QTest::addColumn<int>("raised");
    QTest::newRow("unchecked → checked") << State::cbUnchecked << true << State::cbChecked << 1;
    QTest::newRow("checked → unchecked") << State::cbChecked << true << State::cbUnchecked << 1;
    QTest::newRow("grayed stays grayed") << State::cbGrayed << true << State::cbGrayed << 1;
    QTest::newRow("disabled: nothing") << State::cbUnchecked << false << State::cbUnchecked << 0;
}

void tst_Controls::checkBoxClick()
{
    QFETCH(State, before);
    QFETCH(bool, enabled);
    QFETCH(State, after);
    QFETCH(int, raised);
    // By mouse, by space (on release) and by the caption's accelerator.
    for (int way = 0; way < 3; ++way) {
        QWidget window;
        auto *box = new TCheckBox95(QStringLiteral("&Volba"), &window);
        box->setState(before);
        box->setEnabled(enabled);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy clicked(box, &TCustomCheckBox95::clicked);
        if (way == 0) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 10));
        } else if (way == 1) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        } else {
            QTest::keyClick(&window, Qt::Key_V, Qt::AltModifier);
        }
        QCOMPARE(box->state(), after);
        QCOMPARE(clicked.count(), raised);
    }
}

void tst_Controls::checkBoxCodeChangesRaiseNothing()
{
    TCheckBox95 box;
    QSignalSpy clicked(&box, &TCustomCheckBox95::clicked);
    box.SetChecked(true);
    QVERIFY(box.GetChecked());
    box.SetCheckedWithoutChange(false);
    QVERIFY(!box.GetChecked());
    QCOMPARE(clicked.count(), 0);
    // The signal is connected again afterwards.
    box.click();
    QCOMPARE(clicked.count(), 1);
}

void tst_Controls::classicCheckBoxTick_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<TColor>("tickPixel");
    QTest::newRow("unchecked: window colour") << false << true << clWindow;
    QTest::newRow("checked: window text") << true << true << clWindowText;
    QTest::newRow("checked, disabled: grey tick on button face") << true << false << clGrayText;
}

void tst_Controls::classicCheckBoxTick()
{
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    QFETCH(TColor, tickPixel);
    Visual::setThemesInUse(false);
    TCheckBox95 box(QStringLiteral("Volba"));
    box.resize(98, 20);
    box.SetChecked(checked);
    box.setEnabled(enabled);
    const QImage image = box.grab().toImage();
    const int top = box.height() / 2 - 5;
    QCOMPARE(image.pixelColor(1, top), QColor(Qt::black));           // the frame's corner
    QCOMPARE(image.pixelColor(12, top + 10), QColor(Qt::black));     // and the opposite one
    QCOMPARE(image.pixelColor(4, top + 5), Visual::vcl(tickPixel));  // on the tick's short stroke
    QCOMPARE(image.pixelColor(8, top + 3), Visual::vcl(checked ? tickPixel : clWindow)); // long stroke
}

void tst_Controls::radioButtonFocusChecksOwnGroupOnly()
{
    QWidget window;
    auto *a = new TRadioButton95(QStringLiteral("A"), &window);
    auto *b = new TRadioButton95(QStringLiteral("B"), &window);
    auto *other = new TRadioButton95(QStringLiteral("C"), &window);
    other->setGroupIndex(1);
    a->SetChecked(true);
    other->SetChecked(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicked(b, &TCustomCheckBox95::clicked);
    b->setFocus(Qt::TabFocusReason);
    QVERIFY(b->GetChecked());
    QVERIFY(!a->GetChecked());
    QVERIFY(other->GetChecked());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(b->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(a->focusPolicy(), Qt::ClickFocus); // only the checked one is a tab stop
}

void tst_Controls::gradientEnds_data()
{
    QTest::addColumn<TColor>("from");
    QTest::addColumn<TColor>("to");
    QTest::addColumn<bool>("dual");
    QTest::addColumn<QColor>("left");
    QTest::addColumn<QColor>("middle");
    QTest::addColumn<QColor>("right");
    QTest::newRow("black to blue") << clBlack << clBlue << false << QColor(0, 0, 0) << QColor(0, 0, 128)
                                   << QColor(0, 0, 239);
    QTest::newRow("dual: both edges from the first colour")
        << clBlack << clBlue << true << QColor(0, 0, 0) << QColor(0, 0, 239) << QColor(0, 0, 0);
    QTest::newRow("equal colours: solid") << clTeal << clTeal << false << QColor(0, 128, 128) << QColor(0, 128, 128)
                                          << QColor(0, 128, 128);
}

void tst_Controls::gradientEnds()
{
    QFETCH(TColor, from);
    QFETCH(TColor, to);
    QFETCH(bool, dual);
    QFETCH(QColor, left);
    QFETCH(QColor, middle);
    QFETCH(QColor, right);
    TGradPanel panel;
    panel.resize(160, 10);
    panel.setGrad1Color(from);
    panel.setGrad2Color(to);
    panel.setDualColors(dual);
    panel.setGradColors(5); // below 8: ignored
    QCOMPARE(panel.gradColors(), 16);
    const QImage image = panel.grab().toImage();
    QCOMPARE(image.pixelColor(0, 5), left);
    QCOMPARE(image.pixelColor(dual ? 79 : 80, 5), middle);
    QCOMPARE(image.pixelColor(159, 5), right);
}

void tst_Controls::titleBarLayout_data()
{
    QTest::addColumn<bool>("noBevel");
    QTest::addColumn<int>("stripHeight");
    QTest::newRow("with bevel") << false << 42;
    QTest::newRow("without bevel") << true << 40;
}

void tst_Controls::titleBarLayout()
{
    QFETCH(bool, noBevel);
    QFETCH(int, stripHeight);
    QWidget form;
    auto *bar = new TGradientTitleBar(&form);
    bar->setNoBevel(noBevel);
    bar->resize(400, 300);
    form.show();
    QCOMPARE(bar->helpButton()->x(), 400 - 75 - 8);
    QCOMPARE(bar->cancelButton()->x(), 400 - 2 * 75 - 16);
    QCOMPARE(bar->okButton()->x(), 400 - 3 * 75 - 24);
    QCOMPARE(bar->okButton()->mapTo(bar, QPoint()).y(), 300 - stripHeight + (stripHeight - 40) + 8);
    QCOMPARE(bar->contentsRect(), QRect(0, 40, 400, 300 - 40 - stripHeight));
    bar->resize(500, 300); // recomputed on resize
    QCOMPARE(bar->helpButton()->x(), 500 - 75 - 8);

    bar->SetString(0, QStringLiteral("Vlastnosti"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Vlastnosti"));
    bar->SetButCaption(2, QStringLiteral("&Uložit"));
    QCOMPARE(bar->okButton()->text(), QStringLiteral("&Uložit"));
    QSignalSpy ok(bar, &TGradientTitleBar::okClicked);
    bar->okButton()->click();
    QCOMPARE(ok.count(), 1);
}

void tst_Controls::wizardButtonsAndCaptions()
{
    TWizard wizard;
    wizard.resize(420, 300);
    wizard.show();
    QVERIFY(!wizard.prevButton()->isEnabled());
    QVERIFY(wizard.nextButton()->isDefault());
    QCOMPARE(wizard.offSetX(), 1);
    const QList<TButton95 *> order{wizard.helpButton(), wizard.cancelButton(), wizard.nextButton(), wizard.prevButton()};
    for (int i = 0; i < order.size(); ++i) {
        QCOMPARE(order[i]->x(), 420 - (i + 1) * (75 + 8));
        wizard.SetButCaption(i, QString::number(i));
        QCOMPARE(order[i]->text(), QString::number(i));
    }
}

void tst_Controls::wizardBusyRestoresAfterThrow()
{
    TWizard wizard;
    wizard.prevButton()->setEnabled(true);
    bool insideDisabled = false;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, wizard.runBusy([&] {
        insideDisabled = !wizard.prevButton()->isEnabled() && !wizard.nextButton()->isEnabled()
                         && QApplication::overrideCursor() != nullptr;
        throw std::runtime_error("import failed");
    }));
    QVERIFY(insideDisabled);
    QVERIFY(wizard.prevButton()->isEnabled());
    QVERIFY(wizard.nextButton()->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void tst_Controls::progressPanelPositions_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("max 100: every position") << 100 << QList<int>{1, 2, 3} << QList<int>{1, 2, 3};
    QTest::newRow("max 1000: tenths") << 1000 << QList<int>{9, 10, 11, 20} << QList<int>{0, 10, 10, 20};
    QTest::newRow("max 1005: reaches the end") << 1005 << QList<int>{1000, 1003, 1005} << QList<int>{1000, 1000, 1005};
}

void tst_Controls::progressPanelPositions()
{
    QFETCH(int, maximum);
    QFETCH(QList<int>, positions);
    QFETCH(QList<int>, shown);
    TProgressPanel panel;
    panel.resize(400, 20);
    for (int i = 0; i < positions.size(); ++i) {
        panel.SetPosition(7, 0, true, QStringLiteral("Firmy"), positions[i], maximum);
        QCOMPARE(panel.bar(7)->value(), shown[i]);
    }
    QCOMPARE(panel.barCount(), 1);
    QCOMPARE(panel.label(7)->text(), QStringLiteral("Firmy %1/%2").arg(shown.last()).arg(maximum));
}

void tst_Controls::progressPanelAutoHide()
{
    QWidget window;
    auto *panel = new TProgressPanel(&window);
    panel->setAutoHide(true);
    panel->hide();
    window.show();
    panel->Start();
    panel->Start();
    QVERIFY(panel->isVisible());
    panel->SetPosition(1, 0, false, QStringLiteral("A"), 1, 10);
    panel->SetPosition(2, 0, false, QStringLiteral("B"), 1, 10);
    panel->Done();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->barCount(), 2);
    panel->Done();
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->barCount(), 0);
    panel->Done(); // one too many is harmless
    QVERIFY(!panel->isVisible());
}

void tst_Controls::backgroundSetRule()
{
    TBackgroundPicture &background = Visual::Background();
    QVERIFY(!background.isSet());
    QPixmap tile(8, 8);
    tile.fill(QColor(10, 200, 30));
    background.assign(tile);
    QVERIFY(background.isSet());
    QVERIFY(!background.loadFromFile(QStringLiteral("/nonexistent/picture.bmp")));
    QVERIFY(background.isSet());

    // A panel tiles it.
    TCheckBox95 box;
    box.resize(98, 20);
    QCOMPARE(box.grab().toImage().pixelColor(90, 1), QColor(10, 200, 30));

    background.clear();
    QVERIFY(!background.isSet());
    QCOMPARE(box.grab().toImage().pixelColor(90, 1), Visual::vcl(clBtnFace));
}

void tst_Controls::dayPanelColumnsAndDates()
{
    TDayPanel panel;
    panel.resize(100, 16);
    panel.setFirstDate(QDate(2024, 3, 4));
    panel.setDays(7);
    QCOMPARE(panel.columnWidths(), (QList<int>{15, 15, 14, 14, 14, 14, 14}));
    QSignalSpy clicked(&panel, &TDayPanel::daySingleClick);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(16, 8));
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(99, 8));
    panel.setSpreadWidth(50); // the columns end at 50: a click right of them is the last day
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(80, 8));
    QCOMPARE(clicked.count(), 3);
    QCOMPARE(clicked[0][0].toDate(), QDate(2024, 3, 5));
    QCOMPARE(clicked[1][0].toDate(), QDate(2024, 3, 10));
    QCOMPARE(clicked[2][0].toDate(), QDate(2024, 3, 10));

    panel.setDays(0);
    QCOMPARE(panel.columnCount(), TDayPanel::WeekdayLetters);
    QCOMPARE(panel.columnWidths().size(), 38);
    panel.grab(); // paints without dividing by the day count
}

void tst_Controls::dayPanelTexts_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("twoLined");
    QTest::addColumn<QStringList>("text");
    QTest::newRow("letters") << 0 << false << QStringList{u"p"_qs};
    QTest::newRow("week, one line") << 7 << false << QStringList{u"po 4.3"_qs};
    QTest::newRow("week, two lines") << 7 << true << QStringList{u"4.3"_qs, u"pondělí"_qs};
    QTest::newRow("month") << 31 << false << QStringList{u"4"_qs};
    QTest::newRow("month, two lines") << 31 << true << QStringList{u"4"_qs, u"po"_qs};
    QTest::newRow("one day with events") << 1 << false << QStringList{u"Svátek: Kazimír (aktivit: 3)"_qs};
}

void tst_Controls::dayPanelTexts()
{
    QFETCH(int, days);
    QFETCH(bool, twoLined);
    QFETCH(QStringList, text);
    TDayPanel panel;
    panel.setFirstDate(QDate(2024, 3, 4));
    panel.setDays(days);
    panel.SetTwoLined(twoLined);
    QStringList texts(366);
    texts[QDate(2000, 3, 4).dayOfYear() - 1] = u"Kazimír"_qs;
    panel.setDayTexts(texts, u"Svátek: "_qs);
    panel.SetEventCount(3);
    if (days == 0 && twoLined)
        return;
    QCOMPARE(panel.columnText(0), text);
}

void tst_Controls::floatEdit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("number") << u"12,5"_qs << 12.5 << u"12.5"_qs;
    QTest::newRow("not a number: last value") << u"abc"_qs << 7.0 << u"7"_qs;
    QTest::newRow("above the maximum") << u"2500"_qs << 2000.0 << u"2000"_qs;
    QTest::newRow("below the minimum") << u"-3"_qs << 0.0 << u"0"_qs;
    QTest::newRow("two decimals shown") << u"1.239"_qs << 1.239 << u"1.24"_qs;
}

void tst_Controls::floatEdit()
{
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, shown);
    TFloatEdit edit;
    edit.setFloatValue(7);
    edit.setText(typed);
    edit.commitText();
    QCOMPARE(edit.floatValue(), value);
    QCOMPARE(edit.text(), shown);
}

QTEST_MAIN(tst_Controls)
#include "tst_Controls.moc"
