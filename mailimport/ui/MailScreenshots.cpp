#include "mailimport/ui/MailScreenshots.h"

#include "mailimport/ui/TFM_MailImportMain.h"
#include "mailimport/ui/TFM_OrvMailSettings.h"
#include "mailimport/ui/TFR_MailBody.h"
#include "mailimport/ui/TOrvCheckListBox.h"
#include "mailimport/ui/TOrvListBox.h"
#include "mailimport/ui/MailLists.h"

#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSettingsOutlook.h"
#include "mailimport/manager/TOrvMailManager.h"
#include "mailimport/testsupport/TOrvMemoryMailClient.h"
#include "mailimport/testsupport/TestProfile.h"

#include "base/Errors.h"
#include "base/IniFile.h"
#include "base/MessageService.h"
#include "base/Paths.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace MailUi {

namespace {

// The in-memory store under the Outlook client's settings, so the dialog shows its page.
class DemoClient : public Mail::TOrvMemoryMailClient
{
public:
    void CreateSettings() override
    {
        auto settings = std::make_unique<Mail::TOrvMailSettingsOutlook>();
        settings->InboxName = QStringLiteral("Doručená pošta");
        settings->OutboxName = QStringLiteral("Odeslaná pošta");
        settings->InboxID = QStringLiteral("inbox");
        settings->OutboxID = QStringLiteral("sent");
        setSettings(std::move(settings));
    }
    QString GetClientName() const override { return QStringLiteral("Microsoft Outlook"); }
};

constexpr char16_t OfferId[] = u"<nabidka-2026-12@alfa-stavby.cz>";

std::unique_ptr<Mail::TOrvMailClient> demoClient()
{
    auto client = Mail::TOrvMailClient::Create<DemoClient>();
    const QDateTime now = QDateTime::currentDateTime();
    int number = 0;
    const auto add = [&](Mail::TOrvMailDirection direction, const QString &id, int daysAgo, const QString &subject,
                         const QString &from, const QString &to, const QString &body, bool isPlain,
                         const QStringList &attachments = {}) {
        Mail::MemoryMessage message;
        message.direction = direction;
        message.uniqueId = id;
        message.date = now.addDays(-daysAgo).addSecs(-3600 * (number % 5));
        message.subject = subject;
        message.from = from;
        message.to = to;
        message.body = body;
        message.isPlain = isPlain;
        message.messageNumber = ++number;
        for (const QString &name : attachments)
            message.attachments.append({name, QByteArray("%PDF-1.4 ukázka ") + name.toUtf8()});
        client->addMessage(message);
    };
    const auto in = Mail::TOrvMailDirection::Inbox;
    const auto out = Mail::TOrvMailDirection::Outbox;
    const QString me = QStringLiteral("jan.dvorak@velmora.cz");
    add(in, QString::fromUtf16(OfferId), 1, QStringLiteral("Nabídka na rekonstrukci kanceláří"),
        QStringLiteral("obchod@alfa-stavby.cz"), me,
        QStringLiteral("<html><body style=\"font-family:sans-serif\"><p>Dobrý den, pane Dvořáku,</p>"
                       "<p>v příloze posíláme <b>nabídku</b> na rekonstrukci kanceláří ve 2. patře "
                       "a rozpočet podle vašich požadavků.</p>"
                       "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">"
                       "<tr><th>Položka</th><th>Cena bez DPH</th></tr>"
                       "<tr><td>Bourací práce</td><td>48 500 Kč</td></tr>"
                       "<tr><td>Elektroinstalace</td><td>112 000 Kč</td></tr>"
                       "<tr><td>Podlahy</td><td>86 300 Kč</td></tr></table>"
                       "<p><img src=\"http://sledovani.example/pixel.gif\" alt=\"\">S pozdravem<br>"
                       "Karel Málek<br><i>Alfa Stavby s.r.o.</i></p></body></html>"),
        false, {QStringLiteral("nabidka-2026-12.pdf"), QStringLiteral("rozpocet.xlsx")});
    add(in, QStringLiteral("<schuzka-1@example.cz>"), 2, QStringLiteral("Schůzka ve čtvrtek"),
        QStringLiteral("jana.novakova@example.cz"), me,
        QStringLiteral("Ahoj Jane,\r\n\r\nve čtvrtek v 10:00 u nás?\r\n\r\nJana"), true);
    add(in, QStringLiteral("<cena-100@dodavatel.cz>"), 3, QStringLiteral("Cena $100 za kus – potvrzení"),
        QStringLiteral("info@dodavatel.cz"), me, QStringLiteral("Potvrzujeme cenu $100 za kus."), true);
    add(in, QStringLiteral("<faktura-118@alfa-stavby.cz>"), 5, QStringLiteral("Faktura 2026/118"),
        QStringLiteral("fakturace@alfa-stavby.cz"), me, QStringLiteral("Zasíláme fakturu."), true,
        {QStringLiteral("faktura-2026-118.pdf")});
    add(in, QStringLiteral("<noviny-12@stavebni-noviny.cz>"), 8, QStringLiteral("Novinky z oboru (prosinec)"),
        QStringLiteral("newsletter@stavebni-noviny.cz"), me, QStringLiteral("<p>Novinky</p>"), false);
    add(in, QStringLiteral("<harmonogram-3@example.cz>"), 12, QStringLiteral("Re: Harmonogram prací"),
        QStringLiteral("petr.svoboda@example.cz"), me, QStringLiteral("Souhlasím s harmonogramem."), true);
    add(out, QStringLiteral("<objednavka-77@velmora.cz>"), 1, QStringLiteral("Objednávka materiálu"), me,
        QStringLiteral("obchod@alfa-stavby.cz"), QStringLiteral("Objednáváme materiál."), true);
    add(out, QStringLiteral("<smlouva-5@velmora.cz>"), 4, QStringLiteral("Podklady ke smlouvě"), me,
        QStringLiteral("jana.novakova@example.cz"), QStringLiteral("Posílám podklady."), true,
        {QStringLiteral("smlouva.docx")});
    return client;
}

void writeContactInfo(const QString &profilePath, const Mail::SubjectKey &subject, const QString &name)
{
    Orv::IniFile ini(Orv::programFile(QStringLiteral("ContactInfo.ini")));
    const QString main = QStringLiteral("Main");
    ini.writeInteger(main, QStringLiteral("SubjectID"), subject.kind);
    ini.writeInteger(main, QStringLiteral("CPCX"), subject.cpcx);
    ini.writeInteger(main, QStringLiteral("CX"), subject.cx);
    ini.writeString(main, QStringLiteral("SubjectName"), name);
    ini.writeInteger(main, QStringLiteral("ProfilID"), Mail::Test::TestProfile::Site);
    ini.writeString(main, QStringLiteral("ProfilName"), QStringLiteral("Ukázka"));
    ini.writeString(main, QStringLiteral("ProfilPath"), profilePath);
    ini.writeString(main, QStringLiteral("UserName"), QStringLiteral("Jan Dvořák"));
    ini.writeString(main, QStringLiteral("DomName"), QStringLiteral("jdvorak"));
    ini.save();
}

void waitForIdle(Mail::TOrvMailManager &manager)
{
    if (!manager.IsRunning())
        return;
    QEventLoop loop;
    QObject::connect(&manager, &Mail::TOrvMailManager::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    if (manager.IsRunning())
        throw EOrvSystemError(QStringLiteral("Načítání e-mailů neskončilo."), QStringLiteral("manager still running"));
}

void selectMail(TOrvListBox &list, const QString &uniqueId)
{
    for (int row = 0; row < list.count(); ++row) {
        if (MailLists::mailAt(list, row)->UniqueId() == uniqueId) {
            list.setCurrentRow(row);
            return;
        }
    }
    throw EOrvSystemError(QStringLiteral("Ukázkový e-mail chybí."), uniqueId);
}

void tickAll(TFR_MailBody &body)
{
    for (int row = 0; row < body.attachmentList()->count(); ++row)
        body.attachmentList()->item(row)->setCheckState(Qt::Checked);
}

QString save(QWidget &widget, const QString &directory, const QString &name)
{
    QApplication::processEvents();
    const QString path = QDir(directory).filePath(name);
    if (!widget.grab().save(path))
        throw EOrvIoError(QStringLiteral("Obrázek %1 nelze uložit.").arg(path), path);
    return path;
}

} // namespace

QStringList renderScreenshots(const QString &directory)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (!QDir().mkpath(directory))
        throw EOrvIoError(QStringLiteral("Adresář %1 nelze vytvořit.").arg(directory), directory);
    Orv::MessageService::install(std::make_unique<Orv::ScriptedMessageService>(Orv::MsgButton::No));

    Mail::Test::TestProfile profile;
    const Mail::SubjectKey firm = profile.addFirm(QStringLiteral("Alfa Stavby"), QStringLiteral("s.r.o."),
                                                  QStringLiteral("Dlouhá 12"), QStringLiteral("Brno"),
                                                  QStringLiteral("602 00"));
    const Mail::SubjectKey person = profile.addPerson(QStringLiteral("Karel"), QStringLiteral("Málek"));
    profile.addAddress(firm, QStringLiteral("obchod@alfa-stavby.cz"));
    writeContactInfo(profile.path(), firm, QStringLiteral("Alfa Stavby s.r.o."));

    Mail::TOrvMailGlobalSettings &settings = Mail::TOrvMailGlobalSettings::instance();
    settings.MailClientID = QStringLiteral("outlook2k");
    settings.DataPath = config.path() + QStringLiteral("/prilohy/");
    QDir().mkpath(settings.DataPath);

    auto manager = std::make_unique<Mail::TOrvMailManager>(QList<Mail::TOrvMailManager::ClientFactory>{demoClient});
    Mail::TOrvMailManager *controller = manager.get();
    TFM_MailImportMain window(std::move(manager));
    window.show();
    window.TimerTick();
    waitForIdle(*controller);

    const QString offer = QString::fromUtf16(OfferId);
    selectMail(*window.inboxList(), offer);
    tickAll(*window.mailBody());
    window.SaveToContact();
    writeContactInfo(profile.path(), person, QStringLiteral("Karel Málek"));
    window.SaveToContact();
    writeContactInfo(profile.path(), firm, QStringLiteral("Alfa Stavby s.r.o."));
    window.TimerTick();
    window.mailBody()->attachmentList()->item(0)->setCheckState(Qt::Checked);

    QStringList written;
    written << save(window, directory, QStringLiteral("main-window.png"));

    TFM_OrvMailSettings dialog(controller->clients(), settings, &window);
    dialog.show();
    written << save(dialog, directory, QStringLiteral("settings-basic.png"));
    dialog.pages()->setCurrentIndex(1);
    written << save(dialog, directory, QStringLiteral("settings-client.png"));
    dialog.close();
    return written;
}

} // namespace MailUi
