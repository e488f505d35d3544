#include "hostapi/TContactRegistry.h"
#include "hostapi/TFM_OrvDialog.h"

#include "visual/TGradientTitleBar.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class NoEscapeDialog : public Host::TFM_OrvDialog
{
protected:
    bool EnabledEscape() override { return false; }
};

} // namespace

class tst_TFM_OrvDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void positionIsSavedAndRestored_data();
    void positionIsSavedAndRestored();
    void escapeClosesOnlyWhenEnabled();

private:
    QTemporaryDir m_config;
};

void tst_TFM_OrvDialog::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
}

void tst_TFM_OrvDialog::positionIsSavedAndRestored_data()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::addColumn<QRect>("placed");
    QTest::addColumn<bool>("keepsPlace");
    QTest::newRow("on screen") << QRect(100, 120, 400, 300) << true;
    QTest::newRow("beyond the right edge") << QRect(screen.right() + 500, 50, 300, 200) << false;
    QTest::newRow("above the top left corner") << QRect(-400, -300, 300, 200) << false;
    QTest::newRow("larger than the screen") << QRect(-40, -40, screen.width() + 100, 250) << false;
}

void tst_TFM_OrvDialog::positionIsSavedAndRestored()
{
    QFETCH(QRect, placed);
    QFETCH(bool, keepsPlace);
    {
        Host::TFM_OrvDialog dialog;
        dialog.setObjectName(u"FM_Position"_s);
        dialog.show();
        dialog.setGeometry(placed);
        emit dialog.GB_Main->okClicked();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    Host::TContactRegistry registry;
    QCOMPARE(registry.lookup(Host::TContactRegistry::positionKey(u"FM_Position"_s), u"Width"_s),
             Host::TContactRegistry::Lookup::Found);

    Host::TFM_OrvDialog again;
    again.setObjectName(u"FM_Position"_s);
    again.show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(again.frameGeometry()), qPrintable(QDebug::toString(again.frameGeometry())));
    if (keepsPlace)
        QCOMPARE(again.geometry(), placed);
    else
        QCOMPARE(again.height(), placed.height());
}

void tst_TFM_OrvDialog::escapeClosesOnlyWhenEnabled()
{
    Host::TFM_OrvDialog closing;
    closing.show();
    QTest::keyClick(&closing, Qt::Key_Escape);
    QVERIFY(!closing.isVisible());

    NoEscapeDialog staying;
    staying.show();
    QTest::keyClick(&staying, Qt::Key_Escape);
    QVERIFY(staying.isVisible());
}

QTEST_MAIN(tst_TFM_OrvDialog)
#include "tst_TFM_OrvDialog.moc"
