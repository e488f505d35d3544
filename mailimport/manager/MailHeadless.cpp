#include "mailimport/manager/MailHeadless.h"

#include "mailimport/TOrvContactInfo.h"
#include "mailimport/TOrvMailClient.h"
#include "mailimport/TOrvMailCustomSettings.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailList.h"
#include "mailimport/manager/TOrvMailListOrder.h"

#include "base/CommaText.h"
#include "base/Errors.h"
#include "base/MessageService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTextStream>

#include "mailimport/clients/MailStoreClient.h"

namespace Mail {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Mail::MailHeadless", text);
}

struct UsageError
{
    QString text;
};

struct Options
{
    bool help = false;
    bool folders = false;
    bool yes = false;
    TOrvMailManager::StartFlags flags = TOrvMailManager::Everything;
    bool save = false;
    QString saveId;
    QString attach = QStringLiteral("all");
};

Options parse(const QStringList &args)
{
    Options options;
    bool startGiven = false;
    bool attachGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw UsageError{tr("Volba %1 potřebuje hodnotu.").arg(arg)};
            return args.at(++i);
        };
        if (arg == u"--headless") {
            continue;
        } else if (arg == u"--help" || arg == u"-h") {
            options.help = true;
        } else if (arg == u"--yes") {
            options.yes = true;
        } else if (arg == u"--folders") {
            options.folders = true;
        } else if (arg == u"--start") {
            bool ok = false;
            const int flags = value().toInt(&ok);
            if (!ok || flags < 1 || flags > TOrvMailManager::Everything)
                throw UsageError{tr("--start potřebuje součet příznaků 1 (načíst), 4 (automatický import) "
                                    "a 2 (načíst vazby), tedy číslo 1 až 7.")};
            options.flags = TOrvMailManager::StartFlags(flags);
            startGiven = true;
        } else if (arg == u"--save") {
            options.save = true;
            options.saveId = value();
            if (options.saveId.isEmpty())
                throw UsageError{tr("--save potřebuje identifikátor e-mailu.")};
        } else if (arg == u"--attach") {
            options.attach = value();
            attachGiven = true;
        } else {
            throw UsageError{tr("Neznámý argument: %1").arg(arg)};
        }
    }
    if (int(options.folders) + int(options.save) + int(startGiven) > 1)
        throw UsageError{tr("Volby --folders, --save a --start nelze kombinovat.")};
    if (attachGiven && !options.save)
        throw UsageError{tr("Volba --attach patří k volbě --save.")};
    return options;
}

QTextStream &errStream()
{
    static QTextStream stream(stderr);
    return stream;
}

void status(const QString &text)
{
    errStream() << text << Qt::endl;
}

void printOut(const QStringList &fields)
{
    static QTextStream stream(stdout);
    stream << fields.join(u'\t') << Qt::endl;
}

// A field of a tab-separated line: no tabs or line breaks inside.
QString field(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

// "$IC$R11,7,3$R0Alfa s.r.o." entries → "Alfa s.r.o. [7,3]; …"
QString linkedNames(const QString &commaText)
{
    QStringList names;
    for (const QString &entry : Orv::fromCommaText(commaText)) {
        const qsizetype hidden = entry.indexOf(QLatin1String("$R1"));
        const qsizetype shown = entry.indexOf(QLatin1String("$R0"));
        if (hidden < 0 || shown < hidden) {
            names << entry;
            continue;
        }
        const QStringList key = entry.mid(hidden + 3, shown - hidden - 3).split(u',');
        const QString name = entry.mid(shown + 3);
        names << (key.size() == 3 ? QStringLiteral("%1 [%2,%3]").arg(name, key.at(1), key.at(2)) : name);
    }
    return names.join(QLatin1String("; "));
}

QStringList messageFields(const TOrvMail &mail)
{
    return {QString::number(int(mail.Direction())),
            mail.Date().toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")),
            field(mail.UniqueId()),
            field(mail.From()),
            field(mail.To()),
            field(mail.Subject()),
            mail.HasAttach() ? QStringLiteral("1") : QStringLiteral("0"),
            mail.InDatabase() ? QStringLiteral("1") : QStringLiteral("0"),
            field(linkedNames(mail.LinkedFirms())),
            field(linkedNames(mail.LinkedPersons()))};
}

QString answerText(Orv::MsgButton button)
{
    switch (button) {
    case Orv::MsgButton::Yes: return tr("Ano");
    case Orv::MsgButton::No: return tr("Ne");
    case Orv::MsgButton::Ok: return tr("OK");
    case Orv::MsgButton::Cancel: return tr("Storno");
    default: return QString::number(int(button));
    }
}

void installAnswers(bool yes)
{
    auto service = std::make_unique<Orv::ScriptedMessageService>(yes ? Orv::MsgButton::Yes : Orv::MsgButton::No);
    service->setEcho([](const Orv::MessageRequest &request, Orv::MsgButton answer) {
        QString text = request.text;
        text.replace(QLatin1String("\r\n"), QLatin1String(" | "));
        status(tr("Dotaz „%1“: %2 → %3").arg(request.caption, text, answerText(answer)));
    });
    Orv::MessageService::install(std::move(service));
}

// The status text without its numbers: a new phase when it changes.
QString phaseOf(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\d+")));
}

// Runs the manager's queue to its end, printing its status lines: the first of each phase,
// then at most five a second, so a run over many thousands of messages stays readable.
void runQueue(TOrvMailManager &manager, TOrvMailManager::StartFlags flags)
{
    QEventLoop loop;
    QElapsedTimer sincePrinted;
    QString pending;
    QString phase;
    QObject::connect(&manager, &TOrvMailManager::statusChanged, &loop, [&](const QString &text) {
        pending = text;
        if (phaseOf(text) != phase || !sincePrinted.isValid() || sincePrinted.elapsed() >= 200) {
            phase = phaseOf(text);
            status(text);
            pending.clear();
            sincePrinted.restart();
        }
    });
    QObject::connect(&manager, &TOrvMailManager::workerFailed, &loop, [&](const QString &text) {
        status(tr("Chyba: ") + text);
    });
    QObject::connect(&manager, &TOrvMailManager::finished, &loop, &QEventLoop::quit);
    if (!manager.Start(flags))
        return;
    loop.exec();
    if (!pending.isEmpty())
        status(pending);
}

void printLists(const TOrvMailManager &manager)
{
    const TOrvMailGlobalSettings &global = TOrvMailGlobalSettings::instance();
    const TOrvMailManager::Lists lists = manager.FillLists(global.InboxSortMode, global.OutboxSortMode);
    for (const QList<TOrvMailPtr> *list : {&lists.inbox, &lists.outbox}) {
        for (const TOrvMailPtr &mail : *list)
            printOut(messageFields(*mail));
    }
}

int listFolders(TOrvMailManager &manager, const HeadlessEnvironment &environment)
{
    if (!environment.listFolders) {
        status(tr("Chyba: poštovní klient „%1“ neumí vypsat své složky.")
                   .arg(manager.currentClient()->GetClientName()));
        return 1;
    }
    for (const MailFolderInfo &folder : environment.listFolders(*manager.currentClient()))
        printOut({field(folder.id), field(folder.name), QString::number(folder.count)});
    return 0;
}

int saveOne(TOrvMailManager &manager, const Options &options, const TOrvContactInfo &context)
{
    if (!context.hasSubject()) {
        status(tr("Chyba: v ContactInfo.ini není otevřena žádná firma ani osoba, k níž by se e-mail uložil."));
        return 1;
    }
    if (!manager.contact().Opened()) {
        status(tr("Chyba: databázi profilu se nepodařilo otevřít."));
        return 1;
    }
    runQueue(manager, TOrvMailManager::Download);
    if (!manager.failures().isEmpty())
        return 1;

    const QString wanted = options.saveId.left(TOrvMail::UniqueIdLength);
    TOrvMailPtr mail;
    for (const TOrvMailPtr &candidate : manager.mails()->snapshot()) {
        if (candidate->UniqueId() == wanted) {
            mail = candidate;
            break;
        }
    }
    if (!mail) {
        status(tr("Chyba: e-mail s identifikátorem „%1“ nebyl nalezen.").arg(options.saveId));
        return 1;
    }
    manager.LoadDetail(*mail, false);

    const QStringList attachments = mail->attachmentList();
    QStringList ticked;
    if (options.attach == u"all") {
        ticked = attachments;
    } else if (options.attach != u"none") {
        ticked = Orv::fromCommaText(options.attach);
        for (const QString &name : std::as_const(ticked)) {
            if (!attachments.contains(name)) {
                status(tr("Chyba: e-mail nemá přílohu „%1“ (má: %2).")
                           .arg(name, attachments.join(QLatin1String(", "))));
                return 1;
            }
        }
    }

    const TOrvMailSaver::Result result = manager.SaveMessage(*mail, ticked);
    if (!result.saved) {
        status(tr("Chyba: e-mail se nepodařilo uložit."));
        return 1;
    }
    status(tr("E-mail uložen k subjektu: %1").arg(context.SubjectName));
    for (const QString &path : result.documents)
        status(tr("Příloha uložena jako dokument: %1").arg(path));
    printOut(messageFields(*mail));
    return result.failedAttachments.isEmpty() ? 0 : 1;
}

} // namespace

std::function<QList<MailFolderInfo>(TOrvMailClient &)> HeadlessEnvironment::defaultFolderLister()
{
    return [](TOrvMailClient &client) {
        // Depth first, as the picker shows them; only mail folders can be chosen.
        QList<MailFolderInfo> result;
        std::function<void(const QList<MailFolder> &)> walk = [&](const QList<MailFolder> &folders) {
            for (const MailFolder &folder : folders) {
                if (folder.isMailFolder)
                    result << MailFolderInfo{folder.id, folder.name, folder.messageCount};
                walk(folder.children);
            }
        };
        walk(listMailFolders(client));
        return result;
    };
}

QString headlessUsage()
{
    return QStringLiteral(
        "Usage: OrvantaMailImport --headless [--start FLAGS] [--yes]\n"
        "       OrvantaMailImport --headless --folders\n"
        "       OrvantaMailImport --headless --save UNIQUEID [--attach all|none|NAME,...]\n"
        "\n"
        "Runs the mail import without a window, on the mail client chosen in\n"
        "OrvantaMailImport.ini (MailClientID) and the host's profile and subject in\n"
        "ContactInfo.ini, both in $XDG_CONFIG_HOME/orvanta.\n"
        "\n"
        "  --start FLAGS   sum of 1 (download the lists), 4 (automatic import) and\n"
        "                  2 (reload database links); default 7. Prints one line per\n"
        "                  listed message, inbox first, in the configured sort order:\n"
        "                  direction (0 inbox, 1 sent), date, unique id, from, to,\n"
        "                  subject, has attachment (0/1), in database (0/1),\n"
        "                  linked firms, linked persons (\"name [CPC,C]; ...\"),\n"
        "                  separated by tabs.\n"
        "  --yes           answer Yes to every question (default: No)\n"
        "  --folders       list the client's folders: identifier, name, message count\n"
        "  --save UNIQUEID download, then store that message for the host's current firm\n"
        "                  or person, with the attachments chosen by --attach\n"
        "                  (default all; names separated by commas)\n"
        "  --help          this text\n"
        "\n"
        "Status and progress go to standard error. Exit code: 0 success, 1 failure,\n"
        "2 bad arguments.\n");
}

int runHeadless(const QStringList &args)
{
    return runHeadless(args, HeadlessEnvironment());
}

int runHeadless(const QStringList &args, const HeadlessEnvironment &environment)
{
    std::unique_ptr<QCoreApplication> ownApplication;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "OrvantaMailImport";
        static char *argv[] = {name, nullptr};
        ownApplication = std::make_unique<QCoreApplication>(argc, argv);
    }

    Options options;
    try {
        options = parse(args);
    } catch (const UsageError &error) {
        errStream() << "OrvantaMailImport: " << error.text << "\n\n" << headlessUsage() << Qt::flush;
        return 2;
    }
    if (options.help) {
        QTextStream(stdout) << headlessUsage();
        return 0;
    }

    try {
        installAnswers(options.yes);
        // A headless run starts from the files as they are now.
        TOrvMailGlobalSettings &global = TOrvMailGlobalSettings::instance();
        global = TOrvMailGlobalSettings();
        TOrvMailCustomSettings::Load(global);
        const TOrvContactInfo context = TOrvContactInfo::read();

        TOrvMailManager manager(environment.clientFactories);
        if (!manager.currentClient()) {
            QStringList available;
            for (TOrvMailClient *client : manager.clients())
                available << client->settings()->GetSection();
            status(tr("Chyba: import e-mailů dosud nebyl nastaven: MailClientID = „%1“, dostupní klienti: %2.")
                       .arg(global.MailClientID,
                            available.isEmpty() ? tr("žádný") : available.join(QLatin1String(", "))));
            return 1;
        }
        if (options.folders)
            return listFolders(manager, environment);

        if (context.ProfilPath.isEmpty())
            status(tr("Upozornění: ContactInfo.ini neuvádí profil; e-maily se jen vypíší."));
        else if (!manager.OpenDatabase(context.ProfilPath))
            status(tr("Upozornění: databázi profilu „%1“ se nepodařilo otevřít; e-maily se jen vypíší.")
                       .arg(context.ProfilPath));

        if (options.save)
            return saveOne(manager, options, context);

        runQueue(manager, options.flags);
        printLists(manager);
        status(manager.Status().text);
        return manager.failures().isEmpty() ? 0 : 1;
    } catch (const EOrvError &error) {
        const QString detail = error.detail().isEmpty() ? QString() : QStringLiteral(" (%1)").arg(error.detail());
        status(tr("Chyba: ") + error.userText() + detail);
        return 1;
    } catch (const std::exception &error) {
        status(tr("Chyba: ") + QString::fromLocal8Bit(error.what()));
        return 1;
    }
}

} // namespace Mail
