// bench_script: what the script interpreter costs over running the same statements through
// the SQLite C API, for a short look-up script and for the mail import's save script.
// Usage: bench_script [rows=10000] [lookups=20000] [saves=2000] [rounds=5]

#include "mailimport/MailScripts.h"

#include "contactdb/Connection.h"
#include "contactdb/ScriptInterpreter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Mail::Scripts::IsEmailInDB;
using Mail::Scripts::SaveEmail;

QString entryId(int i)
{
    return u"00000000AB12CD34EF56%1"_s.arg(i, 10, 10, QChar(u'0'));
}

const QByteArray Body = QByteArray("<html><body><p>Dobr\xc3\xbd den, pos\xc3\xadl\xc3\xa1m nab\xc3\xad" "dku.</p></body></html>").repeated(20);

QVariantMap saveParams(int i)
{
    return {{u"TO"_s, u"jan.novak@alfastavby.cz"_s}, {u"FROM"_s, u"info@alfastavby.cz"_s},
            {u"SUBJECT"_s, u"Nabídka %1"_s.arg(i)}, {u"DATE"_s, QDateTime(QDate(2024, 3, 1), QTime(14, 5))},
            {u"HAS_ATTACH"_s, false}, {u"BODY"_s, Body}, {u"BODYTYPE"_s, 1}, {u"SITE"_s, 1},
            {u"ENTRYID"_s, u"NEW-"_s + entryId(i)}, {u"DOMNAME"_s, u"NOVAK"_s}, {u"PRIORITA"_s, 2},
            {u"LINKID"_s, 26}, {u"CPCX"_s, 1}, {u"CX"_s, 1}};
}

void fill(Db::Connection &connection, int rows)
{
    Db::Transaction transaction(connection);
    for (int i = 0; i < rows; ++i) {
        connection.execute(u"INSERT INTO \"EMAIL\" (\"CPCEM\", \"CEM\", \"SUBJECT\", \"ENTRYID\", \"BODY\")"
                           " VALUES (1, ?, ?, ?, ?)"_s,
                           {i + 1, u"Zpráva %1"_s.arg(i), entryId(i), Body});
    }
    connection.execute(u"UPDATE \"SITESET\" SET \"LASTCEM\" = ?"_s, {rows});
    transaction.commit();
}

// The baseline: prepared once, bound, stepped, reset — the least any caller could do.
class Direct
{
public:
    explicit Direct(const QString &path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
        sqlite3_busy_timeout(m_db, 5000);
        exec("PRAGMA synchronous = NORMAL");
        m_lookup = prepare("SELECT \"CPCEM\", \"CEM\" FROM \"EMAIL\" WHERE \"ENTRYID\" = ?");
        m_begin = prepare("BEGIN IMMEDIATE");
        m_commit = prepare("COMMIT");
        m_exists = prepare("SELECT EXISTS (SELECT * FROM \"EMAIL\" WHERE \"ENTRYID\" = ?)");
        m_raise = prepare("UPDATE \"SITESET\" SET \"LASTCEM\" = \"LASTCEM\" + 1, \"LASTCL\" = \"LASTCL\" + 1");
        m_lastCem = prepare("SELECT \"LASTCEM\" FROM \"SITESET\" LIMIT 1");
        m_lastCl = prepare("SELECT \"LASTCL\" FROM \"SITESET\" LIMIT 1");
        m_insertEmail = prepare(
            "INSERT INTO \"EMAIL\" (\"CPCEM\", \"CEM\", \"TO\", \"FROM\", \"SUBJECT\", \"DATE\", \"HAS_ATTACH\", \"BODY\","
            " \"BODYTYPE\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\", \"UID\","
            " \"ENTRYID\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, '', ?)");
        m_insertLink = prepare(
            "INSERT INTO \"LINK\" (\"ID\", \"CPCL\", \"CL\", \"CPCX\", \"CX\", \"CPCY\", \"CY\", \"PRIORITA\", \"SECTION\","
            " \"FUNCTION\", \"CREATOR\", \"LASTEDIT\", \"CRDATE\", \"EDDATE\", \"SYNDATE\", \"SITE\", \"COUNTER\")"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, '', '', ?, ?, ?, ?, ?, ?, 1)");
    }
    ~Direct()
    {
        for (sqlite3_stmt *s : m_all)
            sqlite3_finalize(s);
        sqlite3_close_v2(m_db);
    }

    int lookup(const QByteArray &id)
    {
        sqlite3_bind_text(m_lookup, 1, id.constData(), int(id.size()), SQLITE_STATIC);
        int found = 0;
        while (sqlite3_step(m_lookup) == SQLITE_ROW)
            found += int(sqlite3_column_int64(m_lookup, 0) + sqlite3_column_int64(m_lookup, 1) > 0);
        sqlite3_reset(m_lookup);
        return found;
    }

    void save(int i)
    {
        const QByteArray id = (u"NEW-"_s + entryId(i)).toUtf8();
        const QByteArray now = QDateTime::currentDateTime().toString(u"yyyy-MM-dd'T'HH:mm:ss.zzz"_s).toUtf8();
        const QByteArray subject = u"Nabídka %1"_s.arg(i).toUtf8();
        run(m_begin);
        sqlite3_bind_text(m_exists, 1, id.constData(), int(id.size()), SQLITE_STATIC);
        sqlite3_step(m_exists);
        const bool exists = sqlite3_column_int(m_exists, 0);
        sqlite3_reset(m_exists);
        if (!exists) {
            run(m_raise);
            const qint64 cem = single(m_lastCem), cl = single(m_lastCl);
            int k = 1;
            auto text = [&](sqlite3_stmt *s, const QByteArray &v) { sqlite3_bind_text(s, k++, v.constData(), int(v.size()), SQLITE_STATIC); };
            sqlite3_bind_int(m_insertEmail, k++, 1);
            sqlite3_bind_int64(m_insertEmail, k++, cem);
            text(m_insertEmail, "jan.novak@alfastavby.cz");
            text(m_insertEmail, "info@alfastavby.cz");
            text(m_insertEmail, subject);
            text(m_insertEmail, "2024-03-01T14:05:00.000");
            sqlite3_bind_int(m_insertEmail, k++, 0);
            sqlite3_bind_blob(m_insertEmail, k++, Body.constData(), int(Body.size()), SQLITE_STATIC);
            sqlite3_bind_int(m_insertEmail, k++, 1);
            text(m_insertEmail, "NOVAK");
            text(m_insertEmail, "NOVAK");
            text(m_insertEmail, now);
            text(m_insertEmail, now);
            text(m_insertEmail, now);
            sqlite3_bind_int(m_insertEmail, k++, 1);
            text(m_insertEmail, id);
            run(m_insertEmail);
            k = 1;
            for (qint64 v : {qint64(26), qint64(1), cl, qint64(1), qint64(1), qint64(1), cem, qint64(2)})
                sqlite3_bind_int64(m_insertLink, k++, v);
            text(m_insertLink, "NOVAK");
            text(m_insertLink, "NOVAK");
            text(m_insertLink, now);
            text(m_insertLink, now);
            text(m_insertLink, now);
            sqlite3_bind_int(m_insertLink, k++, 1);
            run(m_insertLink);
        }
        run(m_commit);
    }

private:
    sqlite3_stmt *prepare(const char *sql)
    {
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "prepare failed: %s\n", sqlite3_errmsg(m_db));
            std::exit(1);
        }
        m_all.push_back(s);
        return s;
    }
    void exec(const char *sql) { sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }
    void run(sqlite3_stmt *s)
    {
        if (sqlite3_step(s) != SQLITE_DONE) {
            std::fprintf(stderr, "step failed: %s\n", sqlite3_errmsg(m_db));
            std::exit(1);
        }
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
    }
    qint64 single(sqlite3_stmt *s)
    {
        sqlite3_step(s);
        const qint64 v = sqlite3_column_int64(s, 0);
        sqlite3_reset(s);
        return v;
    }

    sqlite3 *m_db = nullptr;
    std::vector<sqlite3_stmt *> m_all;
    sqlite3_stmt *m_lookup, *m_begin, *m_commit, *m_exists, *m_raise, *m_lastCem, *m_lastCl, *m_insertEmail, *m_insertLink;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Microseconds per operation of `body` run `count` times.
double timeIt(int count, const std::function<void(int)> &body)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i)
        body(i);
    return double(timer.nsecsElapsed()) / 1000.0 / count;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rows = args.value(1, u"10000"_s).toInt();
    const int lookups = args.value(2, u"20000"_s).toInt();
    const int saves = args.value(3, u"2000"_s).toInt();
    const int rounds = args.value(4, u"5"_s).toInt();

    QTemporaryDir dirScript, dirDirect;
    Db::Connection connection;
    connection.openProfile(dirScript.path());
    connection.setProfile(u"bench"_s, 1);
    fill(connection, rows);
    {
        Db::Connection other;
        other.openProfile(dirDirect.path());
        other.setProfile(u"bench"_s, 1);
        fill(other, rows);
    }
    Direct direct(Db::Connection::profileDatabasePath(dirDirect.path()));
    Db::ScriptInterpreter interpreter(connection);

    std::vector<double> lookupScript, lookupDirect, saveScript, saveDirect;
    int hits = 0;
    for (int round = 0; round < rounds; ++round) {
        lookupScript.push_back(timeIt(lookups, [&](int i) {
            hits += interpreter.run(IsEmailInDB, QStringList{entryId((i * 7919) % rows)}).recordCount();
        }));
        lookupDirect.push_back(timeIt(lookups, [&](int i) {
            hits += direct.lookup(entryId((i * 7919) % rows).toUtf8());
        }));
        const int base = round * saves;
        saveScript.push_back(timeIt(saves, [&](int i) { interpreter.run(SaveEmail, saveParams(base + i)); }));
        saveDirect.push_back(timeIt(saves, [&](int i) { direct.save(base + i); }));
    }
    if (hits != 2 * rounds * lookups) {
        std::fprintf(stderr, "look-ups found %d rows, expected %d\n", hits, 2 * rounds * lookups);
        return 1;
    }
    const double ls = median(lookupScript), ld = median(lookupDirect);
    const double ss = median(saveScript), sd = median(saveDirect);
    std::printf("EMAIL rows: %d, look-ups per round: %d, saves per round: %d, rounds: %d (medians)\n",
                rows, lookups, saves, rounds);
    std::printf("%-34s %10s %10s %8s\n", "", "script", "C API", "ratio");
    std::printf("%-34s %8.2f us %7.2f us %7.2fx\n", "look-up by ENTRYID (IsEmailInDB)", ls, ld, ls / ld);
    std::printf("%-34s %8.2f us %7.2f us %7.2fx\n", "SaveEmail (new e-mail + link)", ss, sd, ss / sd);
    return 0;
}
