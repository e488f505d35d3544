#pragma once

#include "contactdb/RowSet.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

namespace Db {

class Connection;
namespace Internal { struct Program; }

// Runs the procedural SQL scripts of the mail import on a Connection.
//
// The dialect: "--" comments; statements end with ";" (a closing END IF may omit it);
// DECLARE a[, b …] INTEGER|TIMESTAMP|VARCHAR(n)|BOOLEAN|…; SET a = expression (a literal,
// CURRENT_TIMESTAMP, a variable, a parameter, arithmetic, a scalar subquery);
// IF cond THEN … [ELSEIF cond THEN …]* [ELSE …] END IF, nestable, with [NOT] EXISTS(…)
// and comparisons; SELECT [DISTINCT] TOP n (also in subqueries); double-quoted names;
// "||" concatenation. Declared variables, :NAME parameters, @n positional values and
// CURRENT_TIMESTAMP are all bound as SQL parameters, never pasted into the text:
//  - ':NAME' takes params["NAME"] (names ignore case; a missing one is an error);
//  - '@n' inside a string literal takes positional[n] as text (a literal such as
//    '%@0%' becomes '%' || value || '%'); when no positional values are given at all,
//    literals are left as written;
//  - a bare @n is allowed only when positional[n] is an integer.
// CURRENT_TIMESTAMP is read once per run from Orv::Clock (local time, milliseconds).
//
// Each run is one transaction: an error rolls back everything the script wrote and throws
// EOrvDatabaseError (detail: the script line and the cause — unknown variable,
// unterminated IF, bad @n, missing parameter, or SQLite's own error text).
//
// The result is the rows of the last SELECT executed (also one inside a branch); an
// empty RowSet when the script ran none. Parsed scripts are cached by their text.
//
// Threads: as the Connection it runs on.
class ScriptInterpreter
{
public:
    explicit ScriptInterpreter(Connection &connection);
    ~ScriptInterpreter();
    ScriptInterpreter(const ScriptInterpreter &) = delete;
    ScriptInterpreter &operator=(const ScriptInterpreter &) = delete;

    RowSet run(const QString &script, const QStringList &positional = {},
               const QVariantMap &params = {});
    RowSet run(const QString &script, const QVariantMap &params) { return run(script, {}, params); }

    // Parses a script without running it; throws EOrvDatabaseError on a syntax error.
    static void check(const QString &script);

    void clearCache();

private:
    Connection &m_connection;
    QHash<QString, std::shared_ptr<const Internal::Program>> m_cache;
};

} // namespace Db
