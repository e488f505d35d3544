#include "PageDirectory.h"
#include "TestHttpServer.h"

#include "infobrowser/DataInfoSettings.h"
#include "infobrowser/InfoBrowserView.h"
#include "infobrowser/TDataInfo.h"
#include "infobrowser/TDataInfoUpdate.h"
#include "infobrowser/TFM_DataInfoItems.h"
#include "infobrowser/TFM_DataInfoUpdate.h"
#include "infobrowser/TFM_OrvantaPlus.h"

#include "base/IniFile.h"
#include "base/MessageService.h"
#include "base/Paths.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using namespace InfoBrowser;

class tst_InfoBrowserForms : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void mainWindowShowsTreeAndPages();
    void closingWritesTheSettings();
    void itemsDialogHidesAndShowsFolders();
    void updateDialogListsItems();

private:
    QString settingsFor(const PageDirectory &pages);
    Orv::ScriptedMessageService *m_messages = nullptr;
};

void tst_InfoBrowserForms::init()
{
    auto service = std::make_unique<Orv::ScriptedMessageService>(Orv::MsgButton::None);
    m_messages = service.get();
    Orv::MessageService::install(std::move(service));
}

QString tst_InfoBrowserForms::settingsFor(const PageDirectory &pages)
{
    const QString file = Orv::programFile(u"OrvantaPlus-test.ini"_s);
    QFile::remove(file);
    Orv::IniFile ini(file);
    ini.writeString(u"OrvantaPlus"_s, u"Directory"_s, pages.path());
    ini.save();
    return file;
}

void tst_InfoBrowserForms::mainWindowShowsTreeAndPages()
{
    PageDirectory pages;
    pages.file(u"a/p.htm"_s, "<html><head><title>Stránka</title></head><body>\xE8\x61j</body></html>");
    TFM_OrvantaPlus window(settingsFor(pages));
    window.show();
    QTreeWidget *tree = window.dataInfo()->treeWidget();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    auto *browser = qobject_cast<QTextBrowser *>(window.dataInfo()->view()->widget());
    QVERIFY(browser);
    QVERIFY(browser->toPlainText().contains(u"ORVANTA Plus"_s)); // the first page

    // Enter opens the page; its cp1250 text is decoded.
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(browser->toPlainText().trimmed(), u"čaj"_s);
    QVERIFY(!window.grab().isNull());

    window.dataInfo()->setOnline(true);
    QVERIFY(tree->isHidden());
    QVERIFY(!window.findChild<QAction *>(u"MI_RefreshTree"_s)->isEnabled());
    window.dataInfo()->setOnline(false);
    QVERIFY(!tree->isHidden());
    QCOMPARE(tree->topLevelItemCount(), 1);
}

void tst_InfoBrowserForms::closingWritesTheSettings()
{
    PageDirectory pages;
    const QString file = settingsFor(pages);
    {
        TFM_OrvantaPlus window(file);
        window.show();
        window.dataInfo()->setDblClickOpen(true);
        window.resize(700, 500);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }
    const DataInfoSettings settings = DataInfoSettings::load(file);
    QVERIFY(settings.dblClickOpen);
    QCOMPARE(settings.width, 700);
    QCOMPARE(settings.directory, pages.path());
    QVERIFY(settings.treeWidth > 0);
}

void tst_InfoBrowserForms::itemsDialogHidesAndShowsFolders()
{
    PageDirectory pages;
    pages.file(u"a/p.htm"_s, "x").file(u"b/p.htm"_s, "x").dir(u"empty"_s);
    TDataInfo info;
    DataInfoSettings settings;
    settings.directory = pages.path();
    info.applySettings(settings);
    QCOMPARE(info.treeWidget()->topLevelItemCount(), 2);

    auto runDialog = [&](int row, Qt::CheckState state) {
        TFM_DataInfoItems dialog;
        dialog.setForm(info.tree().folders());
        dialog.list()->item(row)->setCheckState(state);
        dialog.accept();
        info.buildTree();
        return dialog.list()->count();
    };
    QCOMPARE(runDialog(0, Qt::Unchecked), 3); // the empty folder is listed too
    QCOMPARE(info.treeWidget()->topLevelItemCount(), 1);
    QVERIFY(pages.read(u"a/orvantaplus.ini"_s).contains("Hide=1"));
    QVERIFY(!pages.exists(u"b/orvantaplus.ini"_s)); // unchanged folders are not written

    runDialog(0, Qt::Checked);
    QCOMPARE(info.treeWidget()->topLevelItemCount(), 2);
    QVERIFY(!pages.read(u"a/orvantaplus.ini"_s).contains("Hide"));
}

void tst_InfoBrowserForms::updateDialogListsItems()
{
    TestHttpServer server;
    QVERIFY(server.start());
    server.setBody(u"/list.ini"_s, "[a]\nTitle=První\nDescription=Popis\nDate=1.1.2020\nFile0=http://127.0.0.1:9/a.htm\n"
                                   "[b]\nTitle=Vždy\nAlways=1\nFile0=http://127.0.0.1:9/b.htm\n"
                                   "[c]\nHide=1\nFile0=http://127.0.0.1:9/c.htm\n");
    PageDirectory pages;
    TDataInfoUpdate update;
    update.setPageDirectory(pages.path());
    update.setUpdateUrl(server.url(u"/list.ini"_s));
    TFM_DataInfoUpdate dialog(&update);
    dialog.show();
    auto *ok = dialog.findChild<QPushButton *>(u"BT_OK"_s);
    QVERIFY(!ok->isEnabled());
    QTRY_VERIFY(ok->isEnabled());
    QCOMPARE(dialog.list()->count(), 2);
    QCOMPARE(dialog.list()->item(0)->checkState(), Qt::Checked);
    QVERIFY(dialog.list()->item(0)->flags() & Qt::ItemIsEnabled);
    QCOMPARE(dialog.list()->item(1)->checkState(), Qt::Checked);
    QVERIFY(!(dialog.list()->item(1)->flags() & Qt::ItemIsEnabled));
    const QImage image = dialog.grab().toImage();
    QVERIFY(!image.isNull());
    if (qEnvironmentVariableIsSet("ORV_SAVE_SCREENSHOTS"))
        image.save(qEnvironmentVariable("ORV_SAVE_SCREENSHOTS") + u"/update.png"_s);

    // With nothing checked the dialog says so and stays open.
    dialog.list()->item(0)->setCheckState(Qt::Unchecked);
    dialog.list()->item(1)->setCheckState(Qt::Unchecked);
    ok->click();
    QCOMPARE(m_messages->requests().size(), 1);
    QCOMPARE(m_messages->requests().first().text, u"Není označena žádná položka pro aktualizaci."_s);
    QVERIFY(dialog.isVisible());
}

QTEST_MAIN(tst_InfoBrowserForms)
#include "tst_InfoBrowserForms.moc"
