#pragma once

#include "mailimport/TOrvFieldData.h"

#include "contactdb/RowSet.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace Db {
class Connection;
class ScriptInterpreter;
} // namespace Db

namespace Mail {

// The mail import's only database connection: the profile's contact database and the
// interpreter that runs the import's scripts on it.
//
// Ownership: owned by TOrvMailContact. Threads: one thread at a time. The mail manager
// hands it to its one worker and back; the main thread must not use it while a worker runs.
class TOrvDataSource
{
public:
    TOrvDataSource();
    ~TOrvDataSource();
    TOrvDataSource(const TOrvDataSource &) = delete;
    TOrvDataSource &operator=(const TOrvDataSource &) = delete;

    // Closes any previous database, then opens <profilePath>/contacts.sqlite. Fails (false,
    // closed) for an empty path, a profile without a database, or any database error.
    bool Open(const QString &profilePath);
    void Close();
    bool Connected() const;

    // A positional script: `values` bind to '@0', '@1' … in order (never pasted into the
    // text). Nothing when not connected; throws EOrvDatabaseError on a query error.
    std::optional<Db::RowSet> RunScript(const QString &script, const QStringList &values = {});
    // A script with named parameters, as one transaction. False when not connected;
    // throws EOrvDatabaseError when the script fails (and then nothing of it is stored).
    bool ExecuteScript(const QString &script, const TOrvFieldDataList &params);

    // The open connection, or null (tests and the table-cursor layer).
    Db::Connection *connection() const;

private:
    std::unique_ptr<Db::Connection> m_connection;
    std::unique_ptr<Db::ScriptInterpreter> m_interpreter;
};

} // namespace Mail
