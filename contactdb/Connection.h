#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <memory>

namespace Db {

class RowSet;

// One open SQLite database of a profile (normally <ProfilPath>/contacts.sqlite). Opening
// creates the schema or upgrades it (Db::Schema), turns on WAL, a busy time-out and
// foreign keys. This is the only class that calls sqlite3_*.
//
// Values are always bound, never pasted into SQL: QByteArray → blob, QDateTime → local
// ISO text "yyyy-MM-ddTHH:mm:ss.zzz", QDate → "yyyy-MM-dd", bool → 0/1, integers → int64,
// QString → UTF-8 text, a null or invalid QVariant → NULL. Read values come back as
// qlonglong, double, QString, QByteArray or a null QVariant; timestamps stay text
// (Connection::dateTimeFromText() turns them back).
//
// Threads: a connection is used by one thread at a time. The mail import hands it between
// its main thread and one worker: the side that gives it up must not touch it until the
// other side reports back through a queued signal (that signal is the hand-over and also
// orders the memory). SQLite itself runs in serialized mode, so a slip cannot corrupt the
// file, but the statement cache and the transaction depth are not locked.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    static QString databaseFileName();                        // "contacts.sqlite"
    static QString profileDatabasePath(const QString &profileDir);

    // Opens (creating the file when missing) and brings the schema to the current
    // version. ":memory:" gives a private in-memory database. Throws EOrvDatabaseError.
    void open(const QString &filePath);
    void openProfile(const QString &profileDir) { open(profileDatabasePath(profileDir)); }
    void close();
    bool isOpen() const;
    QString filePath() const;
    int schemaVersion() const;                                // PRAGMA user_version

    // One statement; `values` bind to its "?" placeholders in order.
    void execute(const QString &sql, const QVariantList &values = {});
    RowSet query(const QString &sql, const QVariantList &values = {});
    QVariant scalar(const QString &sql, const QVariantList &values = {}); // first column of the first row
    void executeMulti(const QString &sql);                    // several statements, no values (schema)
    qint64 lastInsertRowId() const;
    int changes() const;                                      // rows changed by the last statement
    bool tableExists(const QString &name);                    // tables and views

    // Transactions nest: the outermost level is BEGIN/COMMIT, inner levels are savepoints.
    // Prefer Db::Transaction, which rolls back when it goes out of scope uncommitted.
    enum class TransactionMode { Deferred, Immediate };
    void begin(TransactionMode mode = TransactionMode::Immediate);
    void commit();
    void rollback();                                          // never throws
    int transactionDepth() const;

    // Profile identity kept in the single SITESET row.
    int site() const;                                         // this installation's site number
    QString profileName() const;
    void setProfile(const QString &name, int site);

    // The user whose domain name goes into CREATOR/LASTEDIT of records posted through
    // the table-cursor layer (the scripts bind their own :DOMNAME).
    QString domainName() const;
    void setDomainName(const QString &domainName);

    // Raises the SITESET counter `counterColumn` (e.g. "LASTCEM") by one and returns the
    // new value. Call it inside the transaction that inserts the row, so that a failed
    // insert takes the raise back with it.
    qint64 nextCounter(const QString &counterColumn);

    static QString dateTimeText(const QDateTime &dateTime);   // storage form of a timestamp
    static QDateTime dateTimeFromText(const QVariant &value); // invalid QDateTime when not a timestamp

#ifdef ORV_DB_FAULT_HOOK
    // Test hook: the n-th statement step from now (1 = the next one) fails once with an
    // EOrvDatabaseError, as a full disk or an I/O error would. Rollbacks never fail.
    // failStep(0) disarms; faultPending() is true while the armed failure has not happened.
    void failStep(int n);
    bool faultPending() const;
#endif

    class Private;
    Private *d_func() const { return d.get(); }                // for Db:: internals only

private:
    std::unique_ptr<Private> d;
};

// Commits on commit(), rolls back when destroyed uncommitted (also during unwinding).
class Transaction
{
public:
    explicit Transaction(Connection &connection,
                         Connection::TransactionMode mode = Connection::TransactionMode::Immediate);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Connection &m_connection;
    bool m_open = true;
};

} // namespace Db
