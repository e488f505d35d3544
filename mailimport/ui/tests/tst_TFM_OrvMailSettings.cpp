#include "mailimport/ui/TFM_OrvMailSettings.h"
#include "mailimport/ui/TFR_OrvMailSettingsLotus.h"
#include "mailimport/ui/TFR_OrvMailSettingsOutlook.h"

#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSettingsLotus.h"
#include "mailimport/TOrvMailSettingsOutlook.h"
#include "mailimport/testsupport/TOrvMemoryMailClient.h"

#include "base/MessageService.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace MailUi;
using namespace Mail;
using namespace Qt::StringLiterals;

namespace {

// In-memory clients under the settings of the real ones, so their pages are used.
template<typename Settings>
class SettingsClient : public TOrvMemoryMailClient
{
public:
    explicit SettingsClient(QString name) : m_name(std::move(name)) {}
    void CreateSettings() override
    {
        auto settings = std::make_unique<Settings>();
        TOrvMailCustomSettings::Load(*settings);
        setSettings(std::move(settings));
    }
    QString GetClientName() const override { return m_name; }

private:
    QString m_name;
};

using OutlookClient = SettingsClient<TOrvMailSettingsOutlook>;
using LotusClient = SettingsClient<TOrvMailSettingsLotus>;

} // namespace

class tst_TFM_OrvMailSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void okNeedsDifferentFolders_data();
    void okNeedsDifferentFolders();
    void noClientCannotBeConfirmed();
    void roundTripThroughTheFile();
    void browseAndFilterControls();

private:
    std::shared_ptr<Orv::ScriptedMessageService> m_messages;
    QTemporaryDir m_config;
};

void tst_TFM_OrvMailSettings::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    registerSettingsFrames([](TOrvMailClient &) {
        return QList<FolderEntry>{{u"1"_s, u"Doručená pošta"_s, 3}, {u"2"_s, u"Odeslaná pošta"_s, 5}};
    });
}

void tst_TFM_OrvMailSettings::init()
{
    QFile::remove(TOrvMailCustomSettings::fileName());
    TOrvMailGlobalSettings::instance() = TOrvMailGlobalSettings();
    auto service = std::make_unique<Orv::ScriptedMessageService>();
    m_messages = std::make_shared<Orv::ScriptedMessageService>(*service);
    Orv::MessageService::install(std::move(service));
}

void tst_TFM_OrvMailSettings::okNeedsDifferentFolders_data()
{
    QTest::addColumn<bool>("lotus");
    QTest::addColumn<QString>("inbox");
    QTest::addColumn<QString>("outbox");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("outlook, different") << false << u"Doručená pošta"_s << u"Odeslaná pošta"_s << true;
    QTest::newRow("outlook, same") << false << u"Pošta"_s << u"Pošta"_s << false;
    QTest::newRow("outlook, none chosen") << false << QString() << QString() << false;
    QTest::newRow("notes, case and blanks") << true << u"($Inbox)"_s << u" ($INBOX) "_s << false;
    QTest::newRow("notes, different") << true << u"($Inbox)"_s << u"($Sent)"_s << true;
}

void tst_TFM_OrvMailSettings::okNeedsDifferentFolders()
{
    QFETCH(bool, lotus);
    QFETCH(QString, inbox);
    QFETCH(QString, outbox);
    QFETCH(bool, accepted);

    std::unique_ptr<TOrvMailClient> client = lotus
        ? std::unique_ptr<TOrvMailClient>(TOrvMailClient::Create<LotusClient>(u"IBM Lotus Notes 7"_s))
        : std::unique_ptr<TOrvMailClient>(TOrvMailClient::Create<OutlookClient>(u"Microsoft Outlook"_s));
    client->settings()->InboxName = inbox;
    client->settings()->OutboxName = outbox;
    TOrvMailGlobalSettings::instance().MailClientID = client->settings()->GetSection();

    TFM_OrvMailSettings dialog({client.get()}, TOrvMailGlobalSettings::instance());
    QVERIFY(dialog.clientFrame());
    dialog.show();
    dialog.tryAccept();
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    const QList<Orv::MessageRequest> asked = m_messages->requests();
    QCOMPARE(asked.size(), accepted ? 0 : 1);
    if (!accepted) {
        QCOMPARE(asked.first().caption, u"Upozornění"_s);
        QCOMPARE(asked.first().text, u"Složka doručené pošty musí být odlišná od složky odeslané pošty."_s);
    }
}

void tst_TFM_OrvMailSettings::noClientCannotBeConfirmed()
{
    TFM_OrvMailSettings dialog({}, TOrvMailGlobalSettings::instance());
    dialog.show();
    QCOMPARE(dialog.clientCombo()->count(), 0);
    QVERIFY(!dialog.clientFrame());
    dialog.tryAccept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void tst_TFM_OrvMailSettings::roundTripThroughTheFile()
{
    auto outlook = TOrvMailClient::Create<OutlookClient>(u"Microsoft Outlook"_s);
    auto lotus = TOrvMailClient::Create<LotusClient>(u"IBM Lotus Notes 7"_s);
    TOrvMailGlobalSettings &settings = TOrvMailGlobalSettings::instance();
    settings.MailClientID = u"notes7"_s;
    settings.DataPath = u"/tmp/přílohy/"_s;
    settings.Filter = true;
    settings.FilterValue = 30;
    settings.DownloadAfterStart = false;
    settings.HideMailAfterImport = true;
    settings.AlwaysOnTop = true;
    settings.InboxAutomat = true;
    settings.PromptForImport = false;
    const TOrvMailGlobalSettings before = settings;

    {
        TFM_OrvMailSettings dialog({outlook.get(), lotus.get()}, settings);
        QCOMPARE(dialog.clientCombo()->currentIndex(), 1);
        auto *frame = qobject_cast<TFR_OrvMailSettingsLotus *>(dialog.clientFrame());
        QVERIFY(frame);
        frame->passwordEdit()->setText(u"tajné heslo"_s);
        frame->inboxEdit()->setText(u"($Inbox)"_s);
        frame->outboxEdit()->setText(u"($Sent)"_s);
        dialog.Apply();
    }
    // Nothing changed in the general controls: the file holds what the dialog was given.
    TOrvMailGlobalSettings reread;
    QVERIFY(TOrvMailCustomSettings::Load(reread));
    QCOMPARE(reread, before);
    TOrvMailSettingsLotus notes;
    QVERIFY(TOrvMailCustomSettings::Load(notes));
    QCOMPARE(notes.Password, u"tajné heslo"_s);
    QCOMPARE(notes.InboxName, u"($Inbox)"_s);
    QCOMPARE(notes.OutboxName, u"($Sent)"_s);

    // Switching to Outlook and picking both folders stores the names and identifiers.
    TFM_OrvMailSettings dialog({outlook.get(), lotus.get()}, settings);
    dialog.clientCombo()->setCurrentIndex(0);
    auto *frame = qobject_cast<TFR_OrvMailSettingsOutlook *>(dialog.clientFrame());
    QVERIFY(frame);
    QVERIFY(frame->inboxEdit()->isReadOnly());
    dialog.show();
    QTimer::singleShot(0, [] {
        QWidget *picker = QApplication::activeModalWidget();
        QVERIFY(picker);
        auto *list = picker->findChild<QListWidget *>();
        list->setCurrentRow(1);
        QMetaObject::invokeMethod(picker, "accept");
    });
    frame->outboxButton()->click();
    QTimer::singleShot(0, [] {
        QWidget *picker = QApplication::activeModalWidget();
        picker->findChild<QListWidget *>()->setCurrentRow(0);
        QMetaObject::invokeMethod(picker, "accept");
    });
    frame->inboxButton()->click();
    QCOMPARE(frame->inboxEdit()->text(), u"Doručená pošta"_s);
    QCOMPARE(frame->outboxEdit()->text(), u"Odeslaná pošta"_s);
    dialog.tryAccept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    dialog.Apply();

    TOrvMailSettingsOutlook stored;
    QVERIFY(TOrvMailCustomSettings::Load(stored));
    QCOMPARE(stored.InboxID, u"1"_s);
    QCOMPARE(stored.OutboxID, u"2"_s);
    QCOMPARE(stored.OutboxName, u"Odeslaná pošta"_s);
    QVERIFY(TOrvMailCustomSettings::Load(reread));
    QCOMPARE(reread.MailClientID, u"outlook2k"_s);
}

void tst_TFM_OrvMailSettings::browseAndFilterControls()
{
    TFM_OrvMailSettings dialog({}, TOrvMailGlobalSettings::instance());
    QVERIFY(!dialog.filterValue()->isEnabled());
    dialog.filterCheck()->setChecked(true);
    QVERIFY(dialog.filterValue()->isEnabled());
    QCOMPARE(dialog.filterValue()->maximum(), 7300);

    QString title;
    dialog.setDirectoryBrowser([&](QWidget *, const QString &caption, const QString &) {
        title = caption;
        return u"/home/jan/přílohy"_s;
    });
    dialog.findChild<QToolButton *>(u"SB_Browse"_s)->click();
    QCOMPARE(title, u"Zvolte prosím složku, do které se bodou ukládat přílohy e-mailů"_s);
    QCOMPARE(dialog.dataPathEdit()->text(), u"/home/jan/přílohy/"_s);

    // A cancelled browser keeps the path.
    dialog.setDirectoryBrowser([](QWidget *, const QString &, const QString &) { return QString(); });
    dialog.findChild<QToolButton *>(u"SB_Browse"_s)->click();
    QCOMPARE(dialog.dataPathEdit()->text(), u"/home/jan/přílohy/"_s);
}

QTEST_MAIN(tst_TFM_OrvMailSettings)
#include "tst_TFM_OrvMailSettings.moc"
