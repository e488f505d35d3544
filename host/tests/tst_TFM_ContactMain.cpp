#include "TFM_ContactMain.h"

#include "hostapi/HostTexts.h"
#include "hostapi/PluginLoader.h"
#include "hostapi/TApplicationInfo.h"
#include "hostapi/TDataProfil.h"
#include "hostapi/TModuleClassRegistry.h"
#include "hostapi/TProfil.h"
#include "hostapi/TProfileManager.h"

#include "platform/ipc/WindowMessages.h"

#include "contactdb/Connection.h"
#include "contactdb/Table.h"

#include "base/IniFile.h"
#include "base/MessageService.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <future>

using namespace Qt::StringLiterals;
using Host::TFM_ContactMain;

// The host shell window on a demo profile (site 7): what the e-mail import program and
// the plug-ins see of it.
class tst_TFM_ContactMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void answersTheMailImport_data();
    void answersTheMailImport();
    void choosingARowRewritesContactInfo_data();
    void choosingARowRewritesContactInfo();
    void profileSwitchFromTheProfileBarIsQueued();
    void runsAPluginFromTheMenu_data();
    void runsAPluginFromTheMenu();
    void startsTheMailImport_data();
    void startsTheMailImport();

private:
    QString profilePath(const QString &name) const { return m_dir->filePath(name); }
    // The key pair of the firm (FIRMA) or person (SNAME) of that name.
    Host::TContactObject subject(int kind, const QString &name) const;
    QTreeWidgetItem *row(const QString &text) const;
    Orv::IniFile contactInfo() const { return Orv::IniFile(m_dir->filePath(u"config/orvanta/ContactInfo.ini"_s)); }
    qsizetype messagesAsked() const { return m_messages.requests().size(); }

    Host::TModuleClassRegistry m_registry;
    std::unique_ptr<Host::PluginLoader> m_plugins;
    Orv::ScriptedMessageService m_messages;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TFM_ContactMain> m_window;
};

void tst_TFM_ContactMain::initTestCase()
{
    // Only the test's copy records; the installed one answers the default button.
    Orv::MessageService::install(std::make_unique<Orv::ScriptedMessageService>(m_messages));
    m_plugins = std::make_unique<Host::PluginLoader>(m_registry);
#ifdef CONTRACT_PLUGIN_DIR
    m_plugins->loadFrom(QStringLiteral(CONTRACT_PLUGIN_DIR));
#endif
}

void tst_TFM_ContactMain::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_dir->filePath(u"config"_s).toUtf8());
    Host::TProfileManager::createProfile(profilePath(u"alfa"_s), u"Alfa"_s, 7, true);
    Host::PM().openProfile(profilePath(u"alfa"_s));
    m_window = std::make_unique<TFM_ContactMain>(m_registry, *m_plugins);
    m_window->show();
}

void tst_TFM_ContactMain::cleanup()
{
    m_window.reset();
    Host::PM().closeProfile();
    qunsetenv("ORV_CONTRACT_LOG");
    m_dir.reset();
}

Host::TContactObject tst_TFM_ContactMain::subject(int kind, const QString &name) const
{
    Db::Connection &db = Host::PM().profil().Data().connection();
    const QString sql = kind == Host::skFirm ? u"SELECT \"CF\" FROM \"FIRM\" WHERE \"FIRMA\" = ?"_s
                                             : u"SELECT \"CO\" FROM \"PERSON\" WHERE \"SNAME\" = ?"_s;
    const QVariant c = db.scalar(sql, {name});
    return {kind, {7, c.isValid() ? c.toInt() : 99'999}};
}

QTreeWidgetItem *tst_TFM_ContactMain::row(const QString &text) const
{
    const QList<QTreeWidgetItem *> items = m_window->LX_Subjects->findItems(text, Qt::MatchExactly);
    return items.isEmpty() ? nullptr : items.first();
}

void tst_TFM_ContactMain::answersTheMailImport_data()
{
    QTest::addColumn<quint32>("msg");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("target");        // FIRMA or SNAME; "Delta"/"Zeman" are stored first
    QTest::addColumn<QString>("expectedCurrent");
    QTest::addColumn<int>("expectedRows");
    QTest::newRow("2046 opens a firm") << 2046u << 1 << u"Gama Účetnictví"_s << u"Gama Účetnictví v.o.s."_s << 6;
    QTest::newRow("2047 opens a person") << 2047u << 2 << u"Svoboda"_s << u"Mgr. Petr Svoboda Ph.D."_s << 6;
    QTest::newRow("2046 of a firm stored since the list was read") << 2046u << 1 << u"Delta"_s << u"Delta k.s."_s << 7;
    QTest::newRow("2047 of a missing person keeps the current row") << 2047u << 2 << u"Nikdo"_s << u"Beta Software a.s."_s << 6;
    QTest::newRow("2124 shows a new person and keeps the current row") << 2124u << 2 << u"Zeman"_s << u"Beta Software a.s."_s << 7;
}

void tst_TFM_ContactMain::answersTheMailImport()
{
    QFETCH(quint32, msg);
    QFETCH(int, kind);
    QFETCH(QString, target);
    QFETCH(QString, expectedCurrent);
    QFETCH(int, expectedRows);
    QVERIFY2(m_window->listenAsHost(), qPrintable(m_window->listenError()));
    m_window->LX_Subjects->setCurrentItem(row(u"Beta Software a.s."_s));

    if (target == u"Delta"_s || target == u"Zeman"_s) {
        // Stored by the e-mail import program through a connection of its own.
        Db::Connection other;
        other.openProfile(profilePath(u"alfa"_s));
        Db::Table table(other, kind == Host::skFirm ? u"FIRM"_s : u"PERSON"_s);
        table.open();
        table.append();
        table.setValue(kind == Host::skFirm ? u"FIRMA"_s : u"SNAME"_s, target);
        table.setValue(kind == Host::skFirm ? u"PFORMA"_s : u"FNAME"_s, kind == Host::skFirm ? u"k.s."_s : u"Karel"_s);
        table.post();
    }
    const Host::TContactObject key = subject(kind, target);
    const Ipc::WindowMessage message{msg, msg == 2124 ? 0 : key.key.cpc, msg == 2124 ? 0 : key.key.c};

    // The sender waits for the reply, so it runs on another thread while this one serves.
    auto sent = std::async(std::launch::async, [message] { return Ipc::sendMessage(u"TFM_ContactMain"_s, message); });
    while (sent.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    QVERIFY(sent.get());

    QCOMPARE(m_window->LX_Subjects->topLevelItemCount(), expectedRows);
    QVERIFY(m_window->LX_Subjects->currentItem());
    QCOMPARE(m_window->LX_Subjects->currentItem()->text(0), expectedCurrent);
    QCOMPARE(contactInfo().readString(u"Main"_s, u"SubjectName"_s), expectedCurrent);
}

void tst_TFM_ContactMain::choosingARowRewritesContactInfo_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");          // FIRMA or SNAME
    QTest::addColumn<QString>("shown");
    QTest::newRow("firm") << 1 << u"Beta Software"_s << u"Beta Software a.s."_s;
    QTest::newRow("person with titles") << 2 << u"Novák"_s << u"Ing. Jan Novák"_s;
    QTest::newRow("person without titles") << 2 << u"Dvořáková"_s << u"Jana Dvořáková"_s;
}

void tst_TFM_ContactMain::choosingARowRewritesContactInfo()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QTreeWidgetItem *item = row(shown);
    QVERIFY(item);
    QTreeWidget *list = m_window->LX_Subjects;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QCOMPARE(list->currentItem(), item);

    const Host::TContactObject key = subject(kind, name);
    const Orv::IniFile ini = contactInfo();
    QCOMPARE(ini.readInteger(u"Main"_s, u"SubjectID"_s), kind);
    QCOMPARE(ini.readInteger(u"Main"_s, u"CPCX"_s), 7);
    QCOMPARE(ini.readInteger(u"Main"_s, u"CX"_s), key.key.c);
    QCOMPARE(ini.readString(u"Main"_s, u"SubjectName"_s), shown);
    QCOMPARE(ini.readInteger(u"Main"_s, u"ProfilID"_s), 7);
    QCOMPARE(ini.readString(u"Main"_s, u"ProfilName"_s), u"Alfa"_s);
    QCOMPARE(ini.readString(u"Main"_s, u"ProfilPath"_s), profilePath(u"alfa"_s));
    QCOMPARE(ini.readString(u"Main"_s, u"DomName"_s), u"SUPERVISOR"_s);
    // The host's own current record follows, for the plug-ins that ask it.
    Host::TDataProfil &data = Host::PM().profil().Data();
    QCOMPARE((kind == Host::skFirm ? data.GetFirm() : data.GetPerson()).simplified(), shown);
}

void tst_TFM_ContactMain::profileSwitchFromTheProfileBarIsQueued()
{
    Host::TProfileManager::createProfile(profilePath(u"druhy"_s), u"Druhý"_s, 8, true);
    m_window->addKnownProfile(profilePath(u"druhy"_s));
    QToolBar *bar = m_window->PL_ProfilBar;
    QPointer<QAction> action;
    for (QAction *candidate : bar->actions()) {
        if (candidate->toolTip() == profilePath(u"druhy"_s))
            action = candidate;
    }
    QVERIFY(action);
    QPointer<QWidget> button = bar->widgetForAction(action);
    QVERIFY(button);

    QTest::mouseClick(button, Qt::LeftButton);
    // Still inside the click's aftermath: the bar and its button must be untouched.
    QVERIFY(button);
    QVERIFY(action);
    QCOMPARE(Host::PM().profil().name(), u"Alfa"_s);

    QTRY_COMPARE(Host::PM().profil().name(), u"Druhý"_s);
    QTRY_VERIFY(!action);                       // the bar was rebuilt for the new profile
    QCOMPARE(m_window->knownProfiles().first(), profilePath(u"druhy"_s));
    QCOMPARE(m_window->LX_Subjects->topLevelItemCount(), 6);
    QCOMPARE(contactInfo().readInteger(u"Main"_s, u"ProfilID"_s), 8);
    QCOMPARE(contactInfo().readString(u"Main"_s, u"ProfilPath"_s), profilePath(u"druhy"_s));
}

void tst_TFM_ContactMain::runsAPluginFromTheMenu_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("chosen");    // rows selected, or the search text as one item
    QTest::addColumn<QStringList>("expectedRecords"); // "kind:FIRMA or SNAME", in list order
    QTest::newRow("selection") << 90 << QStringList{u"Beta Software a.s."_s, u"Mgr. Petr Svoboda Ph.D."_s}
                               << QStringList{u"1:Beta Software"_s, u"2:Svoboda"_s};
    QTest::newRow("search result") << 160 << QStringList{u"Brno"_s} << QStringList{u"1:Alfa Stavby"_s, u"2:Novák"_s};
    QTest::newRow("empty selection") << 90 << QStringList() << QStringList();
    QTest::newRow("category of an empty tree") << 80 << QStringList() << QStringList();
}

void tst_TFM_ContactMain::runsAPluginFromTheMenu()
{
#ifndef CONTRACT_PLUGIN_DIR
    QSKIP("the contract-check plug-in is not built");
#endif
    QFETCH(int, kind);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, expectedRecords);
    const QString logPath = m_dir->filePath(u"contract.log"_s);
    qputenv("ORV_CONTRACT_LOG", logPath.toUtf8());

    if (kind == 160) {
        m_window->ED_Search->setText(chosen.first());
    } else {
        m_window->LX_Subjects->clearSelection(); // the current row starts selected
        for (const QString &text : chosen)
            row(text)->setSelected(true);
    }
    QAction *action = m_window->MI_Plugins->findChild<QAction *>(u"MI_Plugin_TPluginContractCheck_%1"_s.arg(kind));
    QVERIFY(action);
    const qsizetype asked = messagesAsked();
    QSignalSpy refreshed(&Host::ApplicationInfo(), &Host::TApplicationInfo::refreshed);
    action->trigger();

    QFile log(logPath);
    if (expectedRecords.isEmpty()) {
        // Nothing to work on: the host asks for a source and does not start the plug-in.
        QVERIFY(!log.exists());
        QCOMPARE(messagesAsked(), asked + 1);
        QCOMPARE(m_messages.requests().last().text, kind == 80 ? QString(Host::_cPluginSetTreeLink)
                                                               : QString(Host::_cPluginSetSelection));
        return;
    }
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.filter(u"Execute "_s), QStringList{u"Execute %1 0 0 0 0 0 '' '' initialized=1"_s.arg(kind)});
    QStringList records;
    for (const QString &expected : expectedRecords) {
        const int recordKind = expected.section(u':', 0, 0).toInt();
        const Host::TContactObject record = subject(recordKind, expected.section(u':', 1));
        records << u"Record %1 %2 %3"_s.arg(recordKind).arg(record.key.cpc).arg(record.key.c);
    }
    QCOMPARE(lines.filter(u"Record "_s), records);
    QVERIFY(lines.contains(u"EndPlugin 0"_s));
    QCOMPARE(lines.last(), u"Destroy"_s);
    QCOMPARE(messagesAsked(), asked);

    // The plug-in's refresh reloads the list without losing what the user chose.
    QTRY_COMPARE(refreshed.count(), 1);
    QCOMPARE(m_window->LX_Subjects->topLevelItemCount(), 6);
    if (kind == 90)
        QCOMPARE(m_window->LX_Subjects->selectedItems().size(), chosen.size());
}

void tst_TFM_ContactMain::startsTheMailImport_data()
{
    QTest::addColumn<QByteArray>("script");      // empty: no program at all
    QTest::addColumn<bool>("executable");
    QTest::addColumn<bool>("started");
    QTest::newRow("program beside the host") << QByteArray("#!/bin/sh\necho started > \"$ORV_TEST_MARKER\"\n") << true << true;
    QTest::newRow("program missing") << QByteArray() << false << false;
    QTest::newRow("program not executable") << QByteArray("#!/bin/sh\n") << false << false;
}

void tst_TFM_ContactMain::startsTheMailImport()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, executable);
    QFETCH(bool, started);
    const QString program = m_dir->filePath(u"OrvantaMailImport"_s);
    const QString marker = m_dir->filePath(u"marker"_s);
    qputenv("ORV_TEST_MARKER", marker.toUtf8());
    if (!script.isEmpty()) {
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner);
    }
    m_window->setMailImportProgram(program);
    const qsizetype asked = messagesAsked();
    m_window->MI_MailImport->trigger();

    if (started) {
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(messagesAsked(), asked);
    } else {
        QCOMPARE(messagesAsked(), asked + 1);
        QVERIFY(m_messages.requests().last().text.contains(program));
    }
    // The program finds the current subject as it starts.
    QCOMPARE(contactInfo().readString(u"Main"_s, u"SubjectName"_s), u"Alfa Stavby s.r.o."_s);
    qunsetenv("ORV_TEST_MARKER");
}

QTEST_MAIN(tst_TFM_ContactMain)
#include "tst_TFM_ContactMain.moc"
