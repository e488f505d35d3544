#include "TestProfile.h"

#include "hostapi/HelpService.h"
#include "hostapi/TApplicationInfo.h"
#include "hostapi/TUserInfo.h"

#include "base/Errors.h"
#include "base/MessageService.h"

#include <QFile>
#include <QSignalSpy>
#include <QTimer>

using namespace Qt::StringLiterals;
using Host::TAccessArea;

class tst_HostServices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refreshBusDeliversAfterTheHandler();
    void profileSwitchFromHandlerIsQueued();
    void profileSwitchWaitsForPluginRun();
    void failedSwitchKeepsTheOpenProfile();
    void userRights_data();
    void userRights();
    void supervisorOfNewProfile();
    void currentRecordDisplayText();
    void helpOpensLocalHtml();

private:
    Orv::ScriptedMessageService *m_messages = nullptr;
};

void tst_HostServices::init()
{
    auto messages = std::make_unique<Orv::ScriptedMessageService>(Orv::MsgButton::Ok);
    m_messages = messages.get();
    Orv::MessageService::install(std::move(messages));
}

void tst_HostServices::refreshBusDeliversAfterTheHandler()
{
    QSignalSpy refreshed(&Host::ApplicationInfo(), &Host::TApplicationInfo::refreshed);
    Host::ApplicationInfo().Refresh(210, 0, 0);
    Host::ApplicationInfo().Refresh(2124, 1, 2);
    QCOMPARE(refreshed.count(), 0);
    QTRY_COMPARE(refreshed.count(), 2);
    QCOMPARE(refreshed.at(0), (QList<QVariant>{210, 0, 0}));
    QCOMPARE(refreshed.at(1), (QList<QVariant>{2124, 1, 2}));
}

void tst_HostServices::profileSwitchFromHandlerIsQueued()
{
    TestProfile first;
    TestProfile second; // now open
    Host::TProfil *before = Host::PM().currentProfile();
    QSignalSpy changed(&Host::PM(), &Host::TProfileManager::AfterChangeProfil);

    // A button's handler asks for the switch and goes on using the profile it stands on.
    bool stillOnOldProfile = false;
    QTimer::singleShot(0, [&] {
        Host::PM().requestOpenProfile(first.path());
        stillOnOldProfile = Host::PM().currentProfile() == before;
    });
    QTRY_COMPARE(changed.count(), 1);
    QVERIFY(stillOnOldProfile);
    QCOMPARE(Host::PM().profil().profilPath(), first.path());
}

void tst_HostServices::profileSwitchWaitsForPluginRun()
{
    TestProfile first;
    TestProfile second;
    QSignalSpy changed(&Host::PM(), &Host::TProfileManager::AfterChangeProfil);
    Host::PM().beginPluginRun();
    Host::PM().requestOpenProfile(first.path());
    QTest::qWait(20);
    QCOMPARE(changed.count(), 0);
    Host::PM().endPluginRun();
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(Host::PM().profil().profilPath(), first.path());
}

void tst_HostServices::failedSwitchKeepsTheOpenProfile()
{
    TestProfile profile;
    QSignalSpy failed(&Host::PM(), &Host::TProfileManager::openFailed);
    Host::PM().requestOpenProfile(profile.path() + u"/does-not-exist"_s);
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(Host::PM().profil().profilPath(), profile.path());
    QCOMPARE(m_messages->requests().size(), 1);
    QVERIFY(m_messages->requests().first().text.contains(u"neexistuje"_s));
}

void tst_HostServices::userRights_data()
{
    QTest::addColumn<TAccessArea>("area");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("canRead");
    QTest::addColumn<bool>("canEdit");
    QTest::addColumn<bool>("canDelete");
    QTest::newRow("firms, no access") << TAccessArea::Firm << 0 << 0 << false << false << false;
    QTest::newRow("firms, read only") << TAccessArea::Firm << 1 << 1 << true << false << false;
    QTest::newRow("links, edit and add") << TAccessArea::Common << 2 << 2 << true << true << false;
    QTest::newRow("tree, full") << TAccessArea::Tree << 3 << 3 << true << true << true;
    QTest::newRow("persons, above range") << TAccessArea::Person << 7 << 3 << true << true << true;
    QTest::newRow("persons, below range") << TAccessArea::Person << -1 << 0 << false << false << false;
    QTest::newRow("diary, level 1 is full") << TAccessArea::Diar << 1 << 1 << true << true << true;
    QTest::newRow("notes, 3 clamps to 1") << TAccessArea::Note << 3 << 1 << true << true << true;
}

void tst_HostServices::userRights()
{
    QFETCH(TAccessArea, area);
    QFETCH(int, level);
    QFETCH(int, stored);
    QFETCH(bool, canRead);
    QFETCH(bool, canEdit);
    QFETCH(bool, canDelete);
    Host::TUserInfo user;
    user.accessTotal = true;
    user.setLevel(area, level);
    QCOMPARE(user.level(area), stored);
    QCOMPARE(user.canRead(area), canRead);
    QCOMPARE(user.canEdit(area), canEdit);
    QCOMPARE(user.canDelete(area), canDelete);
    user.accessTotal = false; // no access to the profile overrides every level
    QCOMPARE(user.level(area), 0);
}

void tst_HostServices::supervisorOfNewProfile()
{
    TestProfile profile;
    const Host::TUserInfo user = profile.profile().GetUserInProfil();
    QCOMPARE(user.domName, u"SUPERVISOR"_s);
    QVERIFY(user.supervisor);
    QVERIFY(user.canDelete(TAccessArea::Firm));
    QVERIFY(user.canDelete(TAccessArea::Diar));
    QCOMPARE(profile.profile().site(), 7);
    QVERIFY(Host::FirmInProfil() && Host::PersonInProfil() && Host::NoteInProfil());
    QVERIFY_THROWS_EXCEPTION(EOrvUserError,
                             Host::TUserInfo::load(profile.profile().Data().connection(), u"NOBODY"_s));
}

void tst_HostServices::currentRecordDisplayText()
{
    TestProfile profile;
    Host::TDataProfil &data = profile.profile().Data();
    Db::Connection &db = data.connection();
    db.execute(u"INSERT INTO PERSON (CPCO, CO, FTITUL, FNAME, SNAME, STITUL) VALUES (7, 900, '', 'Jana', 'Malá', 'Ph.D.')"_s);
    db.execute(u"INSERT INTO FIRM (CPCF, CF, FIRMA, PFORMA) VALUES (7, 900, 'Alfa', 's.r.o.')"_s);

    QVERIFY(data.setCurrentRecord({Host::skPerson, {7, 900}}));
    QVERIFY(data.setCurrentRecord({Host::skFirm, {7, 900}}));
    QCOMPARE(data.GetPerson(), u" Jana Malá Ph.D."_s); // an empty title keeps its blank
    QCOMPARE(data.GetFirm(), u"Alfa s.r.o."_s);
    QVERIFY(!data.setCurrentRecord({Host::skFirm, {7, 901}}));
    QCOMPARE(data.GetFirm(), u"Alfa s.r.o."_s);
}

void tst_HostServices::helpOpensLocalHtml()
{
    QTemporaryDir helpDir;
    QFile page(helpDir.filePath(u"Helvora.html"_s));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    Host::PM().setHelpDirectory(helpDir.path());
    QList<QUrl> opened;
    Host::setHelpOpener([&](const QUrl &url) {
        opened.append(url);
        return true;
    });

    Host::CallHelpExternal(nullptr, u"FM_User"_s, u"TS_Identification"_s, u"Helvora.chm"_s);
    Host::CallHelpExternal(nullptr, u"FM_User"_s, u"TS_Identification"_s, u"Missing.chm"_s);

    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().toLocalFile(), page.fileName());
    QCOMPARE(opened.first().fragment(), u"TS_Identification"_s);
    QCOMPARE(m_messages->requests().size(), 1);
    QVERIFY(m_messages->requests().first().text.contains(u"Missing.html"_s));
    Host::setHelpOpener({});
}

QTEST_GUILESS_MAIN(tst_HostServices)
#include "tst_HostServices.moc"
