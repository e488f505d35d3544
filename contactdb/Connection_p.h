#pragma once

// Internals of Db::Connection shared with the interpreter and the cursor layer of this
// folder. Nothing outside contactdb/ includes this file.

#include "contactdb/Connection.h"
#include "contactdb/RowSet.h"

#include <QHash>
#include <QLoggingCategory>
#include <QString>
#include <QVariant>

#include <sqlite3.h>

#include <memory>
#include <unordered_map>

namespace Db {

Q_DECLARE_LOGGING_CATEGORY(lcDb)

struct StatementFinalize
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalize>;

[[noreturn]] void throwDatabaseError(const QString &detail);

class Connection::Private
{
public:
    sqlite3 *db = nullptr;
    QString path;
    int depth = 0;
    int site = 0;
    QString profileName;
    QString domainName;
    int failAt = 0;                              // fault hook: steps left until the failure; 0 = off
    std::unordered_map<QString, StatementPtr> cache;

    // A prepared statement for `sql`, kept for reuse; reset and unbound.
    sqlite3_stmt *prepareCached(const QString &sql);
    // Binds `value` to the 1-based placeholder `index` in the storage forms of the schema.
    void bind(sqlite3_stmt *statement, int index, const QVariant &value);
    void bindAll(sqlite3_stmt *statement, const QVariantList &values);
    // Steps once: true when a row is ready, false when done. Throws with SQLite's message;
    // the fault hook fails here.
    bool step(sqlite3_stmt *statement);
    QVariant column(sqlite3_stmt *statement, int index) const;
    RowSet readAll(sqlite3_stmt *statement);     // steps to the end
    void runToEnd(sqlite3_stmt *statement);
    void exec(const QString &sql);               // unprepared, no values, counted by the hook
    [[noreturn]] void fail(const QString &context);
    void loadProfile();
};

// Resets a statement when leaving a scope, so a cached one is ready for its next use even
// after an exception.
class StatementReset
{
public:
    explicit StatementReset(sqlite3_stmt *statement) : m_statement(statement) {}
    ~StatementReset() { sqlite3_reset(m_statement); sqlite3_clear_bindings(m_statement); }
    StatementReset(const StatementReset &) = delete;
    StatementReset &operator=(const StatementReset &) = delete;

private:
    sqlite3_stmt *m_statement;
};

} // namespace Db
