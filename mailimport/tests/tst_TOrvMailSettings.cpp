#include "mailimport/TOrvContactInfo.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSettingsLotus.h"
#include "mailimport/TOrvMailSettingsOutlookExpress.h"
#include "mailimport/TOrvMailSettingsPosition.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Mail;
using namespace Qt::StringLiterals;

class tst_TOrvMailSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void globalDefaultsWithoutFile();
    void globalLoad_data();
    void globalLoad();
    void globalSaveClampsAndRoundTrips();
    void clientSectionsKeepTheirOwnKeys();
    void positionValidity_data();
    void positionValidity();
    void passwordRoundTrip_data();
    void passwordRoundTrip();
    void passwordIsNotStoredPlain();
    void contactInfo();

private:
    void writeSettings(const QByteArray &content);
    std::unique_ptr<QTemporaryDir> m_config;
};

void tst_TOrvMailSettings::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
}

void tst_TOrvMailSettings::writeSettings(const QByteArray &content)
{
    QFile file(TOrvMailCustomSettings::fileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void tst_TOrvMailSettings::globalDefaultsWithoutFile()
{
    TOrvMailGlobalSettings settings;
    QVERIFY(!TOrvMailCustomSettings::Load(settings));
    QCOMPARE(settings, TOrvMailGlobalSettings());
    QVERIFY(settings.DataPath.isEmpty());
    QCOMPARE(settings.InboxSortMode, 1);
    QVERIFY(settings.DownloadAfterStart);
    QVERIFY(settings.PromptForImport);
    QVERIFY(!settings.Filter);
}

void tst_TOrvMailSettings::globalLoad_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("filterValue");
    QTest::addColumn<QString>("dataPath");
    QTest::newRow("above the range") << "[Global]\nFilterValue=9000\n"_ba << 7300 << QString();
    QTest::newRow("negative") << "[Global]\nFilterValue=-5\n"_ba << 0 << QString();
    QTest::newRow("not a number") << "[Global]\nFilterValue=abc\n"_ba << 0 << QString();
    QTest::newRow("in range, directory gets its delimiter")
        << "[Global]\nFilterValue=30\nDataPath=/home/jana/prilohy\n"_ba << 30 << u"/home/jana/prilohy/"_s;
    // No stored directory and a lone delimiter both mean "none": never "/" or the cwd.
    QTest::newRow("lone backslash") << "[Global]\nDataPath=\\\n"_ba << 0 << QString();
    QTest::newRow("lone slash") << "[global]\ndatapath=/\n"_ba << 0 << QString();
    QTest::newRow("windows delimiters") << "[Global]\nDataPath=\\srv\\prilohy\\\n"_ba << 0 << u"/srv/prilohy/"_s;
}

void tst_TOrvMailSettings::globalLoad()
{
    QFETCH(QByteArray, content);
    QFETCH(int, filterValue);
    QFETCH(QString, dataPath);
    writeSettings(content);
    TOrvMailGlobalSettings settings;
    QVERIFY(TOrvMailCustomSettings::Load(settings));
    QCOMPARE(settings.FilterValue, filterValue);
    QCOMPARE(settings.DataPath, dataPath);
}

void tst_TOrvMailSettings::globalSaveClampsAndRoundTrips()
{
    TOrvMailGlobalSettings settings;
    settings.MailClientID = u"notes7"_s;
    settings.DataPath = u"/tmp/přílohy"_s;
    settings.Filter = true;
    settings.FilterValue = 100000;
    settings.InboxSortMode = 9;       // kept: the lists treat unknown modes as 1
    settings.AlwaysOnTop = true;
    settings.PromptForImport = false;
    QVERIFY(TOrvMailCustomSettings::Save(settings));

    QFile file(TOrvMailCustomSettings::fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("FilterValue=7300"));
    QVERIFY(text.contains("Filter=1"));
    QVERIFY(text.contains("PromptForImport=0"));

    TOrvMailGlobalSettings loaded;
    QVERIFY(TOrvMailCustomSettings::Load(loaded));
    settings.FilterValue = 7300;
    settings.DataPath = u"/tmp/přílohy/"_s;
    QCOMPARE(loaded, settings);
}

void tst_TOrvMailSettings::clientSectionsKeepTheirOwnKeys()
{
    TOrvMailSettingsOutlookExpress express;
    express.InboxName = u"Doručená pošta"_s;
    express.InboxID = u"inbox-1"_s;
    QVERIFY(TOrvMailCustomSettings::Save(express));
    TOrvMailSettingsLotus lotus;
    lotus.OutboxName = u"Odeslaná"_s;
    QVERIFY(TOrvMailCustomSettings::Save(lotus));

    TOrvMailSettingsOutlook outlook;
    QVERIFY(TOrvMailCustomSettings::Load(outlook));
    QVERIFY(outlook.InboxName.isEmpty());        // "outlook2k" was never written
    TOrvMailSettingsOutlookExpress expressLoaded;
    QVERIFY(TOrvMailCustomSettings::Load(expressLoaded));
    QCOMPARE(expressLoaded.GetSection(), u"outlookexpress"_s);
    QCOMPARE(expressLoaded.InboxName, u"Doručená pošta"_s);
    QCOMPARE(expressLoaded.InboxID, u"inbox-1"_s);
    TOrvMailSettingsLotus lotusLoaded;
    QVERIFY(TOrvMailCustomSettings::Load(lotusLoaded));
    QCOMPARE(lotusLoaded.OutboxName, u"Odeslaná"_s);
}

void tst_TOrvMailSettings::positionValidity_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<bool>("valid");
    // Two monitors side by side: 0..1919 and 1920..3199.
    QTest::newRow("on the first monitor") << QRect(100, 100, 776, 529) << true;
    QTest::newRow("left edge off screen, right corner on") << QRect(-300, 10, 776, 529) << true;
    QTest::newRow("wholly left of the screens") << QRect(-2000, 10, 776, 529) << false;
    QTest::newRow("on the second monitor") << QRect(2500, 50, 600, 450) << true;
    QTest::newRow("below every monitor") << QRect(100, 1300, 600, 450) << false;
    QTest::newRow("never saved") << QRect(0, 0, 0, 0) << false;
    QTest::newRow("negative height") << QRect(10, 10, 600, -1) << false;
}

void tst_TOrvMailSettings::positionValidity()
{
    QFETCH(QRect, window);
    QFETCH(bool, valid);
    TOrvMailSettingsPosition position;
    position.Left = window.x();
    position.Top = window.y();
    position.Width = window.width();
    position.Height = window.height();
    const QList<QRect> monitors = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    QCOMPARE(position.isValid(monitors), valid);
}

void tst_TOrvMailSettings::passwordRoundTrip_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("empty") << QString();
    QTest::newRow("ascii") << u"Heslo123!"_s;
    QTest::newRow("czech") << u"žluťoučký kůň"_s;
    QTest::newRow("key byte itself") << QString(QChar(TOrvMailSettingsLotus::ScrambleKey));
    QTest::newRow("equals and quotes") << u"a=\"b\";c"_s;
}

void tst_TOrvMailSettings::passwordRoundTrip()
{
    QFETCH(QString, password);
    const QString scrambled = TOrvMailSettingsLotus::scramblePassword(password);
    QCOMPARE(scrambled, scrambled.toUpper());
    QCOMPARE(TOrvMailSettingsLotus::unscramblePassword(scrambled), password);

    TOrvMailSettingsLotus settings;
    settings.Password = password;
    QVERIFY(TOrvMailCustomSettings::Save(settings));
    TOrvMailSettingsLotus loaded;
    QVERIFY(TOrvMailCustomSettings::Load(loaded));
    QCOMPARE(loaded.Password, password);
}

void tst_TOrvMailSettings::passwordIsNotStoredPlain()
{
    TOrvMailSettingsLotus settings;
    settings.Password = u"tajne"_s;
    QVERIFY(TOrvMailCustomSettings::Save(settings));
    QFile file(TOrvMailCustomSettings::fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(!text.contains("tajne"));
    QVERIFY(text.contains("Password=" + TOrvMailSettingsLotus::scramblePassword(u"tajne"_s).toLatin1()));
    // A damaged value reads up to the damage and never fails.
    const QString damaged = TOrvMailSettingsLotus::scramblePassword(u"ab"_s) + u"Z"_s;
    QCOMPARE(TOrvMailSettingsLotus::unscramblePassword(damaged), u"ab"_s);
    QCOMPARE(TOrvMailSettingsLotus::unscramblePassword(u"G1"_s + damaged), QString());
}

void tst_TOrvMailSettings::contactInfo()
{
    const TOrvContactInfo missing = TOrvContactInfo::read();
    QCOMPARE(missing, TOrvContactInfo());
    QCOMPARE(missing.SubjectID, -1);
    QCOMPARE(missing.ProfilID, -1);
    QVERIFY(!missing.hasSubject());

    QFile file(TOrvContactInfo::fileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Main]\nSubjectID=2\nCPCX=7\nCX=15\nSubjectName=Ing. Jana Nováková\n"
               "ProfilID=7\nProfilPath=/home/jana/profil\nDomName=FIRMA\\jana\n");
    file.close();
    const TOrvContactInfo info = TOrvContactInfo::read();
    QVERIFY(info.hasSubject());
    QCOMPARE(info.CX, 15);
    QCOMPARE(info.SubjectName, u"Ing. Jana Nováková"_s);
    QCOMPARE(info.ProfilPath, u"/home/jana/profil"_s);
    QCOMPARE(info.DomName, u"FIRMA\\jana"_s);
    QVERIFY(info.UserName.isEmpty());
    QCOMPARE(info.ProfilName, QString());
}

QTEST_GUILESS_MAIN(tst_TOrvMailSettings)
#include "tst_TOrvMailSettings.moc"
