#include "contactdb/Connection.h"

#include "contactdb/Connection_p.h"
#include "contactdb/Schema.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace Db {

Q_LOGGING_CATEGORY(lcDb, "orvanta.db")

namespace {

constexpr int BusyTimeoutMs = 5000;
// Prepared statements kept per connection; scripts use a few dozen distinct texts.
constexpr int StatementCacheLimit = 256;

QString sqlExcerpt(const QString &sql)
{
    QString text = sql.simplified();
    return text.size() > 160 ? text.left(157) + u"..."_s : text;
}

bool isPlainIdentifier(const QString &name)
{
    static const QRegularExpression re(u"^[A-Za-z_][A-Za-z0-9_]*$"_s);
    return re.match(name).hasMatch();
}

} // namespace

void throwDatabaseError(const QString &detail)
{
    qCWarning(lcDb).noquote() << detail;
    throw EOrvDatabaseError(QCoreApplication::translate("Db::Connection",
                                                        "Při práci s databází kontaktů došlo k chybě."),
                            detail);
}

// --- Private ---------------------------------------------------------------------------

void Connection::Private::fail(const QString &context)
{
    const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : u"database not open"_s;
    throwDatabaseError(context.isEmpty() ? message : message + u" — "_s + context);
}

sqlite3_stmt *Connection::Private::prepareCached(const QString &sql)
{
    if (!db)
        throwDatabaseError(u"database not open"_s);
    auto it = cache.find(sql);
    if (it != cache.end())
        return it->second.get();
    if (cache.size() >= StatementCacheLimit)
        cache.clear();
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt *raw = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v3(db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &raw, &tail) != SQLITE_OK)
        fail(u"in: "_s + sqlExcerpt(sql));
    StatementPtr statement(raw);
    if (!statement)                          // only a comment or blanks
        throwDatabaseError(u"empty statement: "_s + sqlExcerpt(sql));
    if (tail && QByteArray(tail).trimmed().size() > 0 && QByteArray(tail).trimmed() != ";")
        throwDatabaseError(u"more than one statement in: "_s + sqlExcerpt(sql));
    return cache.emplace(sql, std::move(statement)).first->second.get();
}

void Connection::Private::bind(sqlite3_stmt *statement, int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(statement, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(statement, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Long:
            rc = sqlite3_bind_int64(statement, index, value.toLongLong());
            break;
        case QMetaType::ULongLong:
        case QMetaType::ULong:
            if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
                throwDatabaseError(u"integer value out of range: "_s + value.toString());
            rc = sqlite3_bind_int64(statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(statement, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(statement, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDateTime: {
            const QByteArray text = Connection::dateTimeText(value.toDateTime()).toUtf8();
            rc = sqlite3_bind_text64(statement, index, text.constData(), sqlite3_uint64(text.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        case QMetaType::QDate: {
            const QByteArray text = value.toDate().toString(u"yyyy-MM-dd"_s).toUtf8();
            rc = sqlite3_bind_text64(statement, index, text.constData(), sqlite3_uint64(text.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        default: {
            if (!value.canConvert<QString>())
                throwDatabaseError(u"cannot store a value of type "_s + QString::fromUtf8(value.typeName()));
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(statement, index, text.constData(), sqlite3_uint64(text.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(u"binding value %1"_s.arg(index));
}

void Connection::Private::bindAll(sqlite3_stmt *statement, const QVariantList &values)
{
    const int expected = sqlite3_bind_parameter_count(statement);
    if (expected != values.size())
        throwDatabaseError(u"statement expects %1 values, %2 given: %3"_s.arg(expected).arg(values.size())
                               .arg(sqlExcerpt(QString::fromUtf8(sqlite3_sql(statement)))));
    for (int i = 0; i < values.size(); ++i)
        bind(statement, i + 1, values.at(i));
}

bool Connection::Private::step(sqlite3_stmt *statement)
{
    if (failAt > 0 && --failAt == 0)
        throwDatabaseError(u"injected fault at: "_s + sqlExcerpt(QString::fromUtf8(sqlite3_sql(statement))));
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(u"in: "_s + sqlExcerpt(QString::fromUtf8(sqlite3_sql(statement))));
}

QVariant Connection::Private::column(sqlite3_stmt *statement, int index) const
{
    switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(statement, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, index));
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, index));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(statement, index)));
    }
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(statement, index));
        return QVariant(QByteArray(data, sqlite3_column_bytes(statement, index)));
    }
    default:
        return QVariant();
    }
}

RowSet Connection::Private::readAll(sqlite3_stmt *statement)
{
    const int count = sqlite3_column_count(statement);
    QStringList columns;
    columns.reserve(count);
    for (int i = 0; i < count; ++i)
        columns << QString::fromUtf8(sqlite3_column_name(statement, i));
    QList<QVariantList> rows;
    while (step(statement)) {
        QVariantList row;
        row.reserve(count);
        for (int i = 0; i < count; ++i)
            row << column(statement, i);
        rows << std::move(row);
    }
    return RowSet(std::move(columns), std::move(rows));
}

void Connection::Private::runToEnd(sqlite3_stmt *statement)
{
    while (step(statement)) {
    }
}

void Connection::Private::exec(const QString &sql)
{
    sqlite3_stmt *statement = prepareCached(sql);
    StatementReset reset(statement);
    runToEnd(statement);
}

void Connection::Private::loadProfile()
{
    sqlite3_stmt *statement = prepareCached(u"SELECT \"SITE\", \"PROFILNAME\" FROM \"SITESET\" LIMIT 1"_s);
    StatementReset reset(statement);
    if (step(statement)) {
        site = int(sqlite3_column_int64(statement, 0));
        profileName = column(statement, 1).toString();
    }
}

// --- Connection ------------------------------------------------------------------------

Connection::Connection() : d(std::make_unique<Private>()) {}

Connection::~Connection()
{
    close();
}

QString Connection::databaseFileName()
{
    return u"contacts.sqlite"_s;
}

QString Connection::profileDatabasePath(const QString &profileDir)
{
    return QDir(profileDir).filePath(databaseFileName());
}

void Connection::open(const QString &filePath)
{
    close();
    if (filePath.isEmpty())
        throwDatabaseError(u"no database path given"_s);
    const QByteArray path = filePath == u":memory:"_s ? QByteArray(":memory:") : QFile::encodeName(filePath);
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throwDatabaseError(message + u" — opening "_s + filePath);
    }
    d->db = db;
    d->path = filePath;
    try {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, BusyTimeoutMs);
        if (filePath != u":memory:"_s)
            d->exec(u"PRAGMA journal_mode = WAL"_s);
        d->exec(u"PRAGMA synchronous = NORMAL"_s);
        d->exec(u"PRAGMA foreign_keys = ON"_s);
        Schema::upgrade(*this);
        d->loadProfile();
    } catch (...) {
        close();
        throw;
    }
}

void Connection::close()
{
    if (!d->db)
        return;
    d->cache.clear();
    if (d->depth > 0)
        sqlite3_exec(d->db, "ROLLBACK", nullptr, nullptr, nullptr);
    d->depth = 0;
    sqlite3_close_v2(d->db);
    d->db = nullptr;
    d->path.clear();
    d->site = 0;
    d->profileName.clear();
}

bool Connection::isOpen() const
{
    return d->db != nullptr;
}

QString Connection::filePath() const
{
    return d->path;
}

int Connection::schemaVersion() const
{
    return int(const_cast<Connection *>(this)->scalar(u"PRAGMA user_version"_s).toLongLong());
}

void Connection::execute(const QString &sql, const QVariantList &values)
{
    sqlite3_stmt *statement = d->prepareCached(sql);
    StatementReset reset(statement);
    d->bindAll(statement, values);
    d->runToEnd(statement);
}

RowSet Connection::query(const QString &sql, const QVariantList &values)
{
    sqlite3_stmt *statement = d->prepareCached(sql);
    StatementReset reset(statement);
    d->bindAll(statement, values);
    return d->readAll(statement);
}

QVariant Connection::scalar(const QString &sql, const QVariantList &values)
{
    sqlite3_stmt *statement = d->prepareCached(sql);
    StatementReset reset(statement);
    d->bindAll(statement, values);
    return d->step(statement) ? d->column(statement, 0) : QVariant();
}

void Connection::executeMulti(const QString &sql)
{
    if (!d->db)
        throwDatabaseError(u"database not open"_s);
    char *error = nullptr;
    if (sqlite3_exec(d->db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        sqlite3_free(error);
        throwDatabaseError(message + u" — in: "_s + sqlExcerpt(sql));
    }
}

qint64 Connection::lastInsertRowId() const
{
    return d->db ? sqlite3_last_insert_rowid(d->db) : 0;
}

int Connection::changes() const
{
    return d->db ? sqlite3_changes(d->db) : 0;
}

bool Connection::tableExists(const QString &name)
{
    return scalar(u"SELECT count(*) FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ? COLLATE NOCASE"_s,
                  {name}).toLongLong() > 0;
}

// Transactions: depth 0 is autocommit. The outermost begin() is BEGIN [IMMEDIATE], each
// inner one a savepoint named after its depth. commit() lowers the depth only when the
// COMMIT/RELEASE succeeded, so a failed commit is still rolled back by the caller's
// Transaction. rollback() never throws: it runs on unwinding paths.
void Connection::begin(TransactionMode mode)
{
    if (d->depth == 0)
        d->exec(mode == TransactionMode::Immediate ? u"BEGIN IMMEDIATE"_s : u"BEGIN"_s);
    else
        d->exec(u"SAVEPOINT orv_sp%1"_s.arg(d->depth));
    ++d->depth;
}

void Connection::commit()
{
    if (d->depth <= 0)
        throwDatabaseError(u"commit without a transaction"_s);
    if (d->depth == 1)
        d->exec(u"COMMIT"_s);
    else
        d->exec(u"RELEASE orv_sp%1"_s.arg(d->depth - 1));
    --d->depth;
}

void Connection::rollback()
{
    if (d->depth <= 0 || !d->db)
        return;
    --d->depth;
    if (d->depth == 0) {
        if (!sqlite3_get_autocommit(d->db))
            sqlite3_exec(d->db, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
        const QByteArray name = "orv_sp" + QByteArray::number(d->depth);
        sqlite3_exec(d->db, ("ROLLBACK TO " + name + "; RELEASE " + name).constData(), nullptr, nullptr, nullptr);
    }
}

int Connection::transactionDepth() const
{
    return d->depth;
}

int Connection::site() const
{
    return d->site;
}

QString Connection::profileName() const
{
    return d->profileName;
}

void Connection::setProfile(const QString &name, int site)
{
    Transaction transaction(*this);
    execute(u"UPDATE \"SITESET\" SET \"SITE\" = ?, \"PROFILNAME\" = ?"_s, {site, name});
    transaction.commit();
    d->site = site;
    d->profileName = name;
}

QString Connection::domainName() const
{
    return d->domainName;
}

void Connection::setDomainName(const QString &domainName)
{
    d->domainName = domainName;
}

qint64 Connection::nextCounter(const QString &counterColumn)
{
    // Column names cannot be bound; only plain names reach the SQL text.
    if (!isPlainIdentifier(counterColumn))
        throwDatabaseError(u"invalid counter name: "_s + counterColumn);
    const QString quoted = u'"' + counterColumn + u'"';
    execute(u"UPDATE \"SITESET\" SET %1 = %1 + 1"_s.arg(quoted));
    if (changes() != 1)
        throwDatabaseError(u"SITESET has no row"_s);
    return scalar(u"SELECT %1 FROM \"SITESET\" LIMIT 1"_s.arg(quoted)).toLongLong();
}

QString Connection::dateTimeText(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return QString();
    return dateTime.toLocalTime().toString(u"yyyy-MM-dd'T'HH:mm:ss.zzz"_s);
}

QDateTime Connection::dateTimeFromText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    QString text = value.toString().trimmed();
    if (text.size() >= 11 && text.at(10) == u' ')
        text[10] = u'T';
    QDateTime result = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!result.isValid())
        return QDateTime();
    return result;
}

#ifdef ORV_DB_FAULT_HOOK
void Connection::failStep(int n)
{
    d->failAt = n > 0 ? n : 0;
}

bool Connection::faultPending() const
{
    return d->failAt > 0;
}
#endif

// --- Transaction -----------------------------------------------------------------------

Transaction::Transaction(Connection &connection, Connection::TransactionMode mode)
    : m_connection(connection)
{
    m_connection.begin(mode);
}

Transaction::~Transaction()
{
    if (m_open)
        m_connection.rollback();
}

void Transaction::commit()
{
    m_connection.commit();
    m_open = false;
}

} // namespace Db
