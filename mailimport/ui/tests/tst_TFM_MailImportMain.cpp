#include "mailimport/ui/TFM_MailImportMain.h"
#include "mailimport/ui/MailLists.h"
#include "mailimport/ui/TFR_MailBody.h"
#include "mailimport/ui/TOrvCheckListBox.h"
#include "mailimport/ui/TOrvListBox.h"

#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSettingsPosition.h"
#include "mailimport/testsupport/TOrvMemoryMailClient.h"
#include "mailimport/testsupport/TestProfile.h"

#include "base/IniFile.h"
#include "base/MessageService.h"
#include "base/Paths.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace MailUi;
using namespace Mail;
using namespace Qt::StringLiterals;

class tst_TFM_MailImportMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void saveEnabledOnlyForAFirmOrPerson_data();
    void saveEnabledOnlyForAFirmOrPerson();
    void withoutContactInfoNothingStarts();
    void hideAfterImportHidesOnlySavedMail();
    void positionRestoredOnceAndUnknownSortMode();

private:
    std::unique_ptr<TFM_MailImportMain> listedWindow(int subjectKind);
    void writeContactInfo(int subjectKind);

    QTemporaryDir m_config;
    std::unique_ptr<Test::TestProfile> m_profile;
    SubjectKey m_firm;
    SubjectKey m_person;
};

namespace {

std::unique_ptr<TOrvMailClient> memoryClient()
{
    auto client = TOrvMailClient::Create<TOrvMemoryMailClient>();
    const QDateTime now = QDateTime::currentDateTime();
    int number = 0;
    for (const auto &[direction, subject] : {std::pair{TOrvMailDirection::Inbox, u"Nabídka"_s},
                                             std::pair{TOrvMailDirection::Inbox, u"Faktura"_s},
                                             std::pair{TOrvMailDirection::Outbox, u"Objednávka"_s}}) {
        MemoryMessage message;
        message.direction = direction;
        message.uniqueId = u"<id-%1@x.cz>"_s.arg(++number);
        message.date = now.addDays(-number);
        message.subject = subject;
        message.from = u"obchod@alfa.cz"_s;
        message.to = u"ja@velmora.cz"_s;
        message.body = subject;
        message.attachments = {{u"a.pdf"_s, "PDF"}};
        client->addMessage(message);
    }
    return client;
}

} // namespace

void tst_TFM_MailImportMain::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    Orv::MessageService::install(std::make_unique<Orv::ScriptedMessageService>(Orv::MsgButton::No));
}

void tst_TFM_MailImportMain::init()
{
    QFile::remove(Orv::programFile(u"ContactInfo.ini"_s));
    QFile::remove(TOrvMailCustomSettings::fileName());
    m_profile = std::make_unique<Test::TestProfile>();
    m_firm = m_profile->addFirm(u"Alfa"_s);
    m_person = m_profile->addPerson(u"Karel"_s, u"Málek"_s);
    TOrvMailGlobalSettings &settings = TOrvMailGlobalSettings::instance();
    settings = TOrvMailGlobalSettings();
    settings.MailClientID = u"memory"_s;
    settings.DataPath = m_config.path() + u"/prilohy/"_s;
    QDir().mkpath(settings.DataPath);
}

void tst_TFM_MailImportMain::writeContactInfo(int subjectKind)
{
    const SubjectKey subject = subjectKind == 2 ? m_person : m_firm;
    Orv::IniFile ini(Orv::programFile(u"ContactInfo.ini"_s));
    ini.writeInteger(u"Main"_s, u"SubjectID"_s, subjectKind);
    ini.writeInteger(u"Main"_s, u"CPCX"_s, subject.cpcx);
    ini.writeInteger(u"Main"_s, u"CX"_s, subject.cx);
    ini.writeString(u"Main"_s, u"SubjectName"_s, u"Alfa"_s);
    ini.writeInteger(u"Main"_s, u"ProfilID"_s, Test::TestProfile::Site);
    ini.writeString(u"Main"_s, u"ProfilPath"_s, m_profile->path());
    ini.writeString(u"Main"_s, u"DomName"_s, u"jan"_s);
    ini.save();
}

// A window whose first tick found the profile and listed the store.
std::unique_ptr<TFM_MailImportMain> tst_TFM_MailImportMain::listedWindow(int subjectKind)
{
    writeContactInfo(subjectKind);
    auto window = std::make_unique<TFM_MailImportMain>(
        std::make_unique<TOrvMailManager>(QList<TOrvMailManager::ClientFactory>{memoryClient}));
    window->show();
    window->TimerTick();
    [&] { QTRY_VERIFY(!window->manager().IsRunning()); }();
    return window;
}

void tst_TFM_MailImportMain::saveEnabledOnlyForAFirmOrPerson_data()
{
    QTest::addColumn<int>("subjectKind");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("selectRow");     // on that page; -1 none
    QTest::addColumn<bool>("enabled");

    QTest::newRow("firm, received selected") << 1 << 0 << 1 << true;
    QTest::newRow("person, sent selected") << 2 << 1 << 0 << true;
    QTest::newRow("diary event") << 3 << 0 << 0 << false;
    QTest::newRow("note") << 4 << 0 << 0 << false;
    QTest::newRow("nothing open") << -1 << 0 << 0 << false;
    QTest::newRow("firm, nothing selected") << 1 << 0 << -1 << false;
}

void tst_TFM_MailImportMain::saveEnabledOnlyForAFirmOrPerson()
{
    QFETCH(int, subjectKind);
    QFETCH(int, page);
    QFETCH(int, selectRow);
    QFETCH(bool, enabled);

    const auto window = listedWindow(subjectKind);
    QCOMPARE(window->inboxList()->count(), 2);
    QCOMPARE(window->outboxList()->count(), 1);
    window->pages()->setCurrentIndex(page);
    if (selectRow >= 0)
        window->activeList()->setCurrentRow(selectRow);
    window->TimerTick();
    QCOMPARE(window->saveButton()->isEnabled(), enabled);
    QCOMPARE(window->saveAction()->isEnabled(), enabled);
    if (enabled)
        QCOMPARE(window->saveButton()->toolTip(), u"Uložit vybranný e-mail k subjektu: Alfa"_s);
}

void tst_TFM_MailImportMain::withoutContactInfoNothingStarts()
{
    TFM_MailImportMain window(std::make_unique<TOrvMailManager>(QList<TOrvMailManager::ClientFactory>{memoryClient}));
    window.show();
    window.TimerTick();
    QVERIFY(!window.manager().IsRunning());
    QCOMPARE(window.inboxList()->count(), 0);
    QVERIFY(!window.saveButton()->isEnabled());
}

void tst_TFM_MailImportMain::hideAfterImportHidesOnlySavedMail()
{
    TOrvMailGlobalSettings::instance().HideMailAfterImport = true;
    const auto window = listedWindow(1);
    TOrvListBox *inbox = window->inboxList();
    inbox->setCurrentRow(0);
    const TOrvMailPtr second = MailLists::mailAt(*inbox, 1);
    window->mailBody()->attachmentList()->item(0)->setCheckState(Qt::Checked);
    window->SaveToContact();
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), 1);
    QCOMPARE(m_profile->rowCount(u"DOCUMENT"_s), 1);
    QCOMPARE(inbox->count(), 1);
    QCOMPARE(MailLists::selectedMail(*inbox), second);

    // With a diary event open in the host nothing is stored, so nothing may vanish.
    writeContactInfo(3);
    window->SaveToContact();
    QCOMPARE(m_profile->rowCount(u"EMAIL"_s), 1);
    QCOMPARE(inbox->count(), 1);
    QVERIFY(!window->saveButton()->isEnabled());
}

void tst_TFM_MailImportMain::positionRestoredOnceAndUnknownSortMode()
{
    TOrvMailSettingsPosition position;
    position.Left = 20;
    position.Top = 10;
    position.Width = 700;
    position.Height = 480;
    QVERIFY(TOrvMailCustomSettings::Save(position));
    TOrvMailGlobalSettings::instance().InboxSortMode = 9;

    TFM_MailImportMain window(std::make_unique<TOrvMailManager>(QList<TOrvMailManager::ClientFactory>{}));
    QCOMPARE(window.inboxSortCombo()->currentIndex(), 1);
    QCOMPARE(TOrvMailGlobalSettings::instance().InboxSortMode, 1);
    window.show();
    QCOMPARE(window.size(), QSize(700, 480));
    // Closing a dialog shows the window again; the user's size must stay.
    window.resize(640, 460);
    window.hide();
    window.show();
    QCOMPARE(window.size(), QSize(640, 460));
}

QTEST_MAIN(tst_TFM_MailImportMain)
#include "tst_TFM_MailImportMain.moc"
