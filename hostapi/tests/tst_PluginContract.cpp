#include "TestProfile.h"

#include "hostapi/PluginLoader.h"
#include "hostapi/PluginRunner.h"
#include "hostapi/TApplicationInfo.h"
#include "hostapi/TExternalContactModul.h"
#include "hostapi/TModuleClassRegistry.h"
#include "hostapi/TTreeServer.h"
#include "hostapi/VersionInfo.h"

#include "base/MessageService.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using Host::PluginInfo;

class tst_PluginContract : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void runsModuleInCallingOrder_data();
    void runsModuleInCallingOrder();
    void failingPluginLeavesHostRunning_data();
    void failingPluginLeavesHostRunning();
    void unknownClassIsReportedNotThrown();
    void versionComesFromMetadata();

private:
    QStringList logLines() const;

    QTemporaryDir m_dir;
    Orv::ScriptedMessageService *m_messages = nullptr;
};

void tst_PluginContract::init()
{
    auto messages = std::make_unique<Orv::ScriptedMessageService>(Orv::MsgButton::No);
    m_messages = messages.get();
    Orv::MessageService::install(std::move(messages));
    QFile::remove(m_dir.filePath(u"contract.log"_s));
    qputenv("ORV_CONTRACT_LOG", m_dir.filePath(u"contract.log"_s).toUtf8());
}

QStringList tst_PluginContract::logLines() const
{
    QFile file(m_dir.filePath(u"contract.log"_s));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void tst_PluginContract::runsModuleInCallingOrder_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("tree folder") << int(Host::dsTreeLink);
    QTest::newRow("selection") << int(Host::dsSelection);
    QTest::newRow("search result") << int(Host::dsFilter);
}

void tst_PluginContract::runsModuleInCallingOrder()
{
    QFETCH(int, kind);
    TestProfile profile;
    const Host::TContactObjectList records = profile.subjects(3);
    QCOMPARE(records.size(), 3);
    Host::TProfil &profil = profile.profile();
    // Only the chosen source holds records, so a run on another one would show.
    switch (kind) {
    case Host::dsTreeLink: {
        Db::Connection &db = profil.Data().connection();
        db.execute(u"INSERT INTO TREEFOLDER (CPCOB, COB, NAZEV) VALUES (7, 1, 'Zákazníci')"_s);
        for (int i = 0; i < records.size(); ++i)
            db.execute(u"INSERT INTO TREEMEMBER (ID, CPCX, CX, CPCOB, COB, SORTSTRING) VALUES (?, ?, ?, 7, 1, ?)"_s,
                       {80 + records[i].kind, records[i].key.cpc, records[i].key.c, QString::number(i)});
        profil.treeServer().ReloadTable();
        profil.treeServer().setCurrentFolder({7, 1});
        break;
    }
    case Host::dsSelection:
        profil.selectionServer().setRecords(u"Výběr"_s, records);
        break;
    case Host::dsFilter:
        profil.searchResultServer().setRecords(u"Hledání"_s, records);
        break;
    }

    Host::TModuleClassRegistry registry;
    Host::PluginLoader loader(registry);
    loader.loadFrom(QFileInfo(QStringLiteral(CONTRACT_PLUGIN_FILE)).absolutePath());
    const PluginInfo *info = loader.pluginForClass(u"tpluginContractCheck"_s);
    QVERIFY(info);
    QCOMPARE(info->id, u"ContractCheck"_s);
    QCOMPARE(info->caption, u"Kontrola rozhraní modulů"_s);

    QSignalSpy refreshed(&Host::ApplicationInfo(), &Host::TApplicationInfo::refreshed);
    QVERIFY(Host::PluginRunner(registry).run(u"TPluginContractCheck"_s, kind));

    QStringList expected = {u"Construct owner=1"_s, u"Create"_s, u"Init profile=1"_s,
                            u"Execute %1 0 0 0 0 0 '' '' initialized=1"_s.arg(kind), u"BeforeRun 3"_s};
    for (const Host::TContactObject &record : records)
        expected.append(u"Record %1 %2 %3"_s.arg(record.kind).arg(record.key.cpc).arg(record.key.c));
    expected << u"EndPlugin 0"_s << u"Close"_s << u"Destroy"_s;
    QCOMPARE(logLines(), expected);

    // The host hears of the change only after the plug-in's handlers have returned.
    QCOMPARE(refreshed.count(), 0);
    QTRY_COMPARE(refreshed.count(), 1);
    QCOMPARE(refreshed.first(), (QList<QVariant>{210, 0, 0}));
    QVERIFY(m_messages->requests().isEmpty());
}

void tst_PluginContract::failingPluginLeavesHostRunning_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("errorPart");
    const QString broken = QStringLiteral(BROKEN_PLUGIN_DIR);
    QTest::newRow("unresolved symbol") << broken + u"/libBrokenPlugin_unresolved.so"_s << u"nelze načíst"_s;
    QTest::newRow("registers another class") << broken + u"/libBrokenPlugin_wrong_class.so"_s << u"nezaregistroval třídu TPluginBroken"_s;
    QTest::newRow("throws while registering") << broken + u"/libBrokenPlugin_throws.so"_s << u"Registrace selhala."_s;
    QTest::newRow("not a plug-in") << QString() << u"není zásuvný modul"_s;
}

void tst_PluginContract::failingPluginLeavesHostRunning()
{
    QFETCH(QString, file);
    QFETCH(QString, errorPart);
    QTemporaryDir folder;
    const QString target = folder.filePath(u"libplugin.so"_s);
    if (file.isEmpty()) {
        QFile junk(target);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("\x7f" "ELF but nothing more");
    } else {
        QVERIFY(QFile::copy(file, target));
    }

    Host::TModuleClassRegistry registry;
    Host::PluginLoader loader(registry);
    const QList<PluginInfo> found = loader.loadFrom(folder.path());
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().state, PluginInfo::State::Failed);
    QVERIFY2(found.first().errorText.contains(errorPart), qPrintable(found.first().errorText));
    QVERIFY(registry.classNames().isEmpty());

    // The same host goes on loading and running plug-ins.
    loader.loadFrom(QFileInfo(QStringLiteral(CONTRACT_PLUGIN_FILE)).absolutePath());
    QVERIFY(registry.contains(u"TPluginContractCheck"_s));
    QCOMPARE(loader.plugins().size(), 2);
}

void tst_PluginContract::unknownClassIsReportedNotThrown()
{
    Host::TModuleClassRegistry registry;
    QVERIFY(!Host::PluginRunner(registry).run(u"TPluginNobodyRegistered"_s, Host::dsSelection));
    QCOMPARE(m_messages->requests().size(), 1);
    QVERIFY(m_messages->requests().first().text.contains(u"TPluginNobodyRegistered"_s));
    QVERIFY(!Host::PM().isPluginRunning());
}

void tst_PluginContract::versionComesFromMetadata()
{
    QCOMPARE(Host::GetVersionInfo(QStringLiteral(CONTRACT_PLUGIN_FILE), u"FileVersion"_s), u"1.2.3.4"_s);
    QCOMPARE(Host::GetVersionInfo(QStringLiteral(CONTRACT_PLUGIN_FILE), u"ProductName"_s), QString());
    QVERIFY(!Host::GetVersionInfo(QCoreApplication::applicationFilePath(), u"FileVersion"_s).isEmpty());
}

QTEST_MAIN(tst_PluginContract)
#include "tst_PluginContract.moc"
