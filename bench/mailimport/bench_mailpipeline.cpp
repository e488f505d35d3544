// bench_mailpipeline: the mail import's pipeline as the headless run drives it (download,
// automatic import without questions, link reloading) over a generated Maildir and a
// profile of as many subjects as messages, half of the messages matching exactly one
// subject. Beside it, in the same run: the SQLite floors (the stored rows inserted one
// autocommit statement each; indexed look-ups by ENTRYID) and, when installed,
// `notmuch new` on the same Maildir.
// Usage: bench_mailpipeline [COUNT ...]   (default 10000 20000)

#include "mailimport/TOrvMailClient.h"
#include "mailimport/TOrvMailDownloader.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailList.h"
#include "mailimport/manager/TOrvMailManager.h"

#include "platform/eml/ExtractAddresses.h"
#include "platform/eml/MimeMessage.h"
#include "platform/eml/StoreBuilder.h"

#include "base/MessageService.h"
#include "base/Paths.h"

#include "contactdb/Connection.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>

using namespace Mail;
using namespace Qt::StringLiterals;

namespace {

constexpr int Site = 3;

struct Message
{
    TOrvMailDirection direction = TOrvMailDirection::Inbox;
    QString uniqueId, subject, from, to, body;
    QDateTime date;
    bool isPlain = true;
    QList<std::pair<QString, QByteArray>> attachments;
};

class BenchSettings : public TOrvMailClientSettings
{
public:
    QString GetSection() const override { return u"bench"_s; }
    std::unique_ptr<TOrvMailClientSettings> clone() const override { return std::make_unique<BenchSettings>(*this); }
};

// Lists messages read from the store beforehand; no pause between messages, so the figures
// are those of the pipeline and not of a client's pacing.
class BenchDownloader : public TOrvMailDownloader
{
public:
    BenchDownloader(std::shared_ptr<TOrvMailList> mails, const TOrvMailClientSettings &settings,
                    const QList<Message> *messages)
        : TOrvMailDownloader(std::move(mails), settings), m_messages(messages) {}

protected:
    void Execute() override
    {
        for (const auto direction : {TOrvMailDirection::Inbox, TOrvMailDirection::Outbox}) {
            for (const Message &m : *m_messages) {
                if (Terminated())
                    return;
                if (m.direction == direction && PassesFilter(m.date))
                    AddMail(direction, m.uniqueId, m.date, m.subject, m.from, m.to, !m.attachments.isEmpty(), 0);
            }
        }
    }

private:
    const QList<Message> *m_messages;
};

class BenchClient : public TOrvMailClient
{
public:
    explicit BenchClient(const QList<Message> *messages) : m_messages(messages)
    {
        for (int i = 0; i < messages->size(); ++i)
            m_index.insert(messages->at(i).uniqueId.left(TOrvMail::UniqueIdLength), i);
    }
    void CreateSettings() override { setSettings(std::make_unique<BenchSettings>()); }
    QString GetClientName() const override { return u"Bench"_s; }
    bool IsAvailable() override { return true; }
    bool LoadDetail(TOrvMail &mail) override
    {
        const Message *m = find(mail);
        if (!m)
            return false;
        QStringList names;
        for (const auto &a : m->attachments)
            names << u'"' + a.first + u'"';
        mail.SetDetail(names.join(u','), m->body, m->isPlain);
        return true;
    }
    std::unique_ptr<TOrvMailDownloader> CreateDownloader(std::shared_ptr<TOrvMailList> mails) override
    {
        return std::make_unique<BenchDownloader>(std::move(mails), *settings(), m_messages);
    }
    std::optional<QByteArray> AttachmentData(const TOrvMail &mail, const QString &fileName) override
    {
        if (const Message *m = find(mail)) {
            for (const auto &a : m->attachments) {
                if (a.first == fileName)
                    return a.second;
            }
        }
        return std::nullopt;
    }

private:
    const Message *find(const TOrvMail &mail) const
    {
        const int i = m_index.value(mail.UniqueId(), -1);
        return i < 0 ? nullptr : &m_messages->at(i);
    }
    const QList<Message> *m_messages;
    QHash<QString, int> m_index;
};

QString subjectAddress(int i)
{
    return u"kontakt%1@firma%2.cz"_s.arg(i).arg(i % 97);
}

// count messages, 70 % received and 30 % sent; even-numbered ones address subject i / 2,
// odd ones an address no subject has; every tenth has an attachment.
void writeStore(const QString &root, int count)
{
    Eml::StoreBuilder store(root, Eml::StoreBuilder::Layout::Maildir);
    const QDateTime start(QDate(2024, 1, 1), QTime(8, 0));
    for (int i = 0; i < count; ++i) {
        const bool sent = i % 10 >= 7;
        const QString other = i % 2 == 0 ? subjectAddress(i / 2) : u"neznamy%1@jinde.cz"_s.arg(i);
        Eml::MailBuilder mail;
        if (sent)
            mail.from(u"ja@orvanta.cz"_s).to(other);
        else
            mail.from(other, u"Odesílatel %1"_s.arg(i)).to(u"ja@orvanta.cz"_s);
        mail.subject(u"Zpráva č. %1"_s.arg(i)).date(start.addSecs(qint64(i) * 60)).messageId(u"m%1@bench.test"_s.arg(i))
            .plainBody(u"Dobrý den,\r\ntoto je zpráva %1.\r\n"_s.arg(i));
        if (i % 10 == 3)
            mail.attach(u"faktura-%1.pdf"_s.arg(i), QByteArray(2048, 'x'));
        store.addMessage(sent ? store.sentName() : Eml::StoreBuilder::inboxName(), mail);
    }
}

QList<Message> readStore(const QString &root)
{
    QList<Message> messages;
    const QList<std::pair<QString, TOrvMailDirection>> folders{{root, TOrvMailDirection::Inbox},
                                                               {QDir(root).filePath(u".Sent"_s), TOrvMailDirection::Outbox}};
    for (const auto &[folder, direction] : folders) {
        for (const QString &sub : {u"cur"_s, u"new"_s}) {
            const QDir dir(QDir(folder).filePath(sub));
            for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
                QFile file(dir.filePath(name));
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                const auto mime = Eml::MimeMessage::fromData(file.readAll(), file.fileName());
                const auto header = [&](const char *h) { return mime->GetProp(h).value_or(QString()); };
                Message m;
                m.direction = direction;
                m.uniqueId = header("Message-ID").remove(u'<').remove(u'>');
                m.date = QDateTime::fromString(header("Date"), Qt::RFC2822Date);
                m.subject = header("Subject");
                m.from = Eml::ExtractAddresses(255, header("From"));
                m.to = Eml::ExtractAddresses(255, header("To"));
                m.body = mime->GetTextBody(Eml::TXT_PLAIN).value_or(QString());
                for (const Eml::HBODY handle : mime->GetAttachments()) {
                    const auto body = mime->BindToObject(handle);
                    m.attachments << std::pair{body->GetDisplayName(), body->GetData()};
                }
                messages << m;
            }
        }
    }
    return messages;
}

void makeProfile(const QString &dir, int subjects)
{
    Db::Connection db;
    db.openProfile(dir);
    db.setProfile(u"Bench"_s, Site);
    db.begin();
    for (int i = 0; i < subjects; ++i) {
        const bool firm = i % 2 == 0;
        if (firm)
            db.execute(u"INSERT INTO \"FIRM\" (\"CPCF\", \"CF\", \"FIRMA\", \"ULICE\", \"MISTO\") VALUES (?, ?, ?, ?, ?)"_s,
                       {Site, i + 1, u"Firma %1"_s.arg(i), u"Ulice %1"_s.arg(i), u"Brno"_s});
        else
            db.execute(u"INSERT INTO \"PERSON\" (\"CPCO\", \"CO\", \"FNAME\", \"SNAME\") VALUES (?, ?, ?, ?)"_s,
                       {Site, i + 1, u"Jan"_s, u"Novák %1"_s.arg(i)});
        db.execute(u"INSERT INTO \"CONNECT\" (\"ID\", \"CPCS\", \"CS\", \"CPCX\", \"CX\", \"SPOJTYP\", \"TYP\", "
                   "\"VOLACKA\", \"TELEFON\") VALUES (?, ?, ?, ?, ?, 1, 1, 'mailto:', ?)"_s,
                   {firm ? 61 : 62, Site, i + 1, Site, i + 1, subjectAddress(i)});
    }
    db.commit();
}

void writeIni(const QString &name, const QString &text)
{
    QFile file(Orv::programFile(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

double runPhase(TOrvMailManager &manager, TOrvMailManager::StartFlags flags)
{
    QEventLoop loop;
    QObject::connect(&manager, &TOrvMailManager::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    if (manager.Start(flags))
        loop.exec();
    return timer.nsecsElapsed() / 1e9;
}

struct Sqlite
{
    sqlite3 *db = nullptr;
    explicit Sqlite(const QString &path)
    {
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA busy_timeout = 5000;",
                     nullptr, nullptr, nullptr);
    }
    ~Sqlite() { sqlite3_close(db); }
    sqlite3_stmt *prepare(const char *sql)
    {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        return statement;
    }
};

void bindText(sqlite3_stmt *s, int i, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(s, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// The rows the import stores (an EMAIL and a LINK row per message), one autocommit
// statement each, into an empty profile of the same schema.
double autocommitFloor(const QString &dir, const QList<Message> &stored)
{
    { Db::Connection db; db.openProfile(dir); db.setProfile(u"Floor"_s, Site); }
    Sqlite sql(Db::Connection::profileDatabasePath(dir));
    sqlite3_stmt *email = sql.prepare(
        "INSERT INTO \"EMAIL\" (\"CPCEM\", \"CEM\", \"TO\", \"FROM\", \"SUBJECT\", \"DATE\", \"HAS_ATTACH\", \"BODY\", "
        "\"BODYTYPE\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\", \"UID\", "
        "\"ENTRYID\") VALUES (?1, ?2, ?3, ?4, ?5, ?6, 0, ?7, 0, 'b', 'b', ?6, ?6, ?6, ?1, 1, '', ?8)");
    sqlite3_stmt *link = sql.prepare(
        "INSERT INTO \"LINK\" (\"ID\", \"CPCL\", \"CL\", \"CPCX\", \"CX\", \"CPCY\", \"CY\", \"PRIORITA\", \"SECTION\", "
        "\"FUNCTION\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\") "
        "VALUES (26, ?1, ?2, ?1, ?2, ?1, ?2, 2, '', '', 'b', 'b', ?3, ?3, ?3, ?1, 1)");
    if (!email || !link) {
        std::fprintf(stderr, "floor statements do not prepare: %s\n", sqlite3_errmsg(sql.db));
        return 0;
    }
    QElapsedTimer timer;
    timer.start();
    int n = 0;
    for (const Message &m : stored) {
        ++n;
        const QString date = Db::Connection::dateTimeText(m.date);
        sqlite3_bind_int(email, 1, Site);
        sqlite3_bind_int(email, 2, n);
        bindText(email, 3, m.to);
        bindText(email, 4, m.from);
        bindText(email, 5, m.subject);
        bindText(email, 6, date);
        const QByteArray body = m.body.toUtf8();
        sqlite3_bind_blob(email, 7, body.constData(), int(body.size()), SQLITE_TRANSIENT);
        bindText(email, 8, m.uniqueId.left(TOrvMail::UniqueIdLength));
        sqlite3_step(email);
        sqlite3_reset(email);
        sqlite3_bind_int(link, 1, Site);
        sqlite3_bind_int(link, 2, n);
        bindText(link, 3, date);
        sqlite3_step(link);
        sqlite3_reset(link);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    sqlite3_finalize(email);
    sqlite3_finalize(link);
    return seconds;
}

// One indexed look-up by ENTRYID per listed message, on the profile the pipeline filled.
double lookupFloor(const QString &dir, const QList<Message> &messages)
{
    Sqlite sql(Db::Connection::profileDatabasePath(dir));
    sqlite3_stmt *find = sql.prepare("SELECT \"CPCEM\", \"CEM\" FROM \"EMAIL\" WHERE \"ENTRYID\" = ?1");
    QElapsedTimer timer;
    timer.start();
    int found = 0;
    for (const Message &m : messages) {
        bindText(find, 1, m.uniqueId.left(TOrvMail::UniqueIdLength));
        while (sqlite3_step(find) == SQLITE_ROW)
            ++found;
        sqlite3_reset(find);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    sqlite3_finalize(find);
    return found > 0 ? seconds : 0;
}

double notmuchNew(const QString &maildir, const QString &work)
{
    const QString notmuch = QStandardPaths::findExecutable(u"notmuch"_s);
    if (notmuch.isEmpty())
        return -1;
    const QString config = QDir(work).filePath(u"notmuch-config"_s);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    file.write(u"[database]\npath=%1\n[user]\nname=Bench\nprimary_email=ja@orvanta.cz\n[new]\ntags=new\n"_s.arg(maildir).toUtf8());
    file.close();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(notmuch, {u"--config="_s + config, u"new"_s, u"--quiet"_s});
    if (!process.waitForFinished(600000) || process.exitCode() != 0) {
        std::fprintf(stderr, "notmuch new failed: %s\n", process.readAll().constData());
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

struct Figures
{
    int count = 0;
    int stored = 0;
    double read = 0, download = 0, automat = 0, reload = 0, insertFloor = 0, lookup = 0, notmuch = -1;
    double pipeline() const { return download + automat + reload; }
};

double rate(int n, double seconds)
{
    return seconds > 0 ? n / seconds : 0;
}

Figures measure(int count)
{
    Figures f;
    f.count = count;
    QTemporaryDir work;
    // BENCH_KEEP=1 keeps the store and the profiles for a look afterwards.
    if (qEnvironmentVariableIsSet("BENCH_KEEP")) {
        work.setAutoRemove(false);
        std::fprintf(stderr, "[%d] working in %s\n", count, qPrintable(work.path()));
    }
    const QString maildir = work.filePath(u"Maildir"_s);
    const QString profile = work.filePath(u"profil"_s);
    const QString floorProfile = work.filePath(u"floor"_s);
    QDir().mkpath(profile);
    QDir().mkpath(floorProfile);

    std::fprintf(stderr, "[%d] generating store and profile ...\n", count);
    writeStore(maildir, count);
    makeProfile(profile, count);
    writeIni(u"ContactInfo.ini"_s, u"[Main]\r\nProfilID=%1\r\nProfilPath=%2\r\nDomName=BENCH\\b\r\n"_s.arg(Site).arg(profile));

    QElapsedTimer timer;
    timer.start();
    const QList<Message> messages = readStore(maildir);
    f.read = timer.nsecsElapsed() / 1e9;

    TOrvMailGlobalSettings settings;
    settings.MailClientID = u"bench"_s;
    settings.InboxAutomat = true;
    settings.OutboxAutomat = true;
    settings.PromptForImport = false;
    TOrvMailGlobalSettings::instance() = settings;

    TOrvMailManager manager({[&messages] { return TOrvMailClient::Create<BenchClient>(&messages); }});
    manager.OpenDatabase(profile);
    std::fprintf(stderr, "[%d] pipeline ...\n", count);
    f.download = runPhase(manager, TOrvMailManager::Download);
    f.automat = runPhase(manager, TOrvMailManager::AutoImport);
    f.reload = runPhase(manager, TOrvMailManager::Reload);
    for (const TOrvMailPtr &mail : manager.mails()->snapshot())
        f.stored += mail->InDatabase() ? 1 : 0;
    if (!manager.failures().isEmpty())
        std::fprintf(stderr, "worker failed: %s\n", qPrintable(manager.failures().join(u"; "_s)));

    std::fprintf(stderr, "[%d] floors ...\n", count);
    QList<Message> matching;
    for (int i = 0; i < messages.size(); ++i) {
        const Message &m = messages.at(i);
        if ((m.direction == TOrvMailDirection::Inbox ? m.from : m.to).startsWith(u"kontakt"_s))
            matching << m;
    }
    f.insertFloor = autocommitFloor(floorProfile, matching);
    f.lookup = lookupFloor(profile, messages);
    f.notmuch = notmuchNew(maildir, work.path());
    return f;
}

void print(const Figures &f)
{
    const double storeRate = rate(f.stored, f.automat);
    const double insertRate = rate(f.stored, f.insertFloor);
    const double reloadRate = rate(f.count, f.reload);
    const double lookupRate = rate(f.count, f.lookup);
    std::printf("\n%d messages, %d subjects, %d stored by the automatic import\n", f.count, f.count, f.stored);
    std::printf("  read store (GMime)       %8.3f s  %9.0f msg/s\n", f.read, rate(f.count, f.read));
    std::printf("  download (list)          %8.3f s  %9.0f msg/s\n", f.download, rate(f.count, f.download));
    std::printf("  automatic import         %8.3f s  %9.0f listed/s  %9.0f stored/s\n", f.automat,
                rate(f.count, f.automat), storeRate);
    std::printf("  reload links             %8.3f s  %9.0f msg/s\n", f.reload, reloadRate);
    std::printf("  floor: autocommit insert %8.3f s  %9.0f msg/s (EMAIL + LINK row)\n", f.insertFloor, insertRate);
    std::printf("  floor: ENTRYID look-up   %8.3f s  %9.0f look-ups/s\n", f.lookup, lookupRate);
    std::printf("  storing / insert floor   %8.1f %%   (goal >= 50 %%)\n", insertRate > 0 ? 100 * storeRate / insertRate : 0);
    std::printf("  reload / look-up floor   %8.1f %%   (goal >= 30 %%)\n", lookupRate > 0 ? 100 * reloadRate / lookupRate : 0);
    if (f.notmuch >= 0) {
        std::printf("  notmuch new              %8.3f s  %9.0f msg/s\n", f.notmuch, rate(f.count, f.notmuch));
        std::printf("  read store / notmuch new %8.2f x\n", f.read > 0 ? f.notmuch / f.read : 0);
        std::printf("  pipeline / notmuch new   %8.2f x   (time of notmuch new / time of download+import+reload)\n",
                    f.pipeline() > 0 ? f.notmuch / f.pipeline() : 0);
    } else {
        std::printf("  notmuch                  not installed\n");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> counts;
    for (const QString &arg : app.arguments().mid(1)) {
        bool ok = false;
        const int n = arg.toInt(&ok);
        if (!ok || n < 10) {
            std::fprintf(stderr, "usage: bench_mailpipeline [COUNT ...]  (COUNT >= 10; default 10000 20000)\n");
            return 2;
        }
        counts << n;
    }
    if (counts.isEmpty())
        counts = {10000, 20000};

    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    Orv::MessageService::install(std::make_unique<Orv::ScriptedMessageService>(Orv::MsgButton::No));

    QList<Figures> all;
    for (const int n : counts) {
        all << measure(n);
        print(all.last());
    }
    if (all.size() >= 2) {
        const Figures &a = all.first();
        const Figures &b = all.last();
        std::printf("\ngrowth %d -> %d messages: pipeline time x %.2f (goal <= %.1f for double), "
                    "store x %.2f, reload x %.2f\n",
                    a.count, b.count, b.pipeline() / a.pipeline(), 2.2 * b.count / (2.0 * a.count),
                    b.automat / a.automat, b.reload / a.reload);
    }
    return 0;
}
