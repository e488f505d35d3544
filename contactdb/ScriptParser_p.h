#pragma once

// The parsed form of a script, shared by the interpreter, its tests and the fuzz target.

#include <QList>
#include <QString>
#include <QVariant>

#include <vector>

namespace Db::Internal {

enum class TokenKind { Word, QuotedName, String, Number, NamedParam, Positional, Symbol };

struct Token
{
    TokenKind kind;
    QString text;   // Word/Symbol/Number as written; String and QuotedName unescaped;
                    // NamedParam without ':'; Positional the digits after '@'
    int line;
};

// Throws EOrvDatabaseError for an unterminated literal or a character the dialect has no use
// for (SQLite's own placeholders "?", "$x", "@x" among them, so nothing binds by accident).
QList<Token> tokenize(const QString &script);

// What fills one "?" of a translated statement.
struct Binding
{
    enum class Kind {
        Variable,      // index = variable slot
        Named,         // name = parameter name
        PositionalText,// index = n of '@n' inside a string literal
        PositionalBare,// index = n of a bare @n; must be an integer
        Now,           // CURRENT_TIMESTAMP of the run
    };
    Kind kind;
    int index = 0;
    QString name;
};

struct SqlText
{
    QString text;                // SQLite SQL with "?" placeholders
    QList<Binding> bindings;     // one per placeholder, in order
};

enum class VariableType { Integer, Timestamp, Text, Float, Boolean, Other };

struct Variable
{
    QString name;
    VariableType type;
};

struct Statement;
using Block = std::vector<Statement>;

struct Branch
{
    SqlText condition;           // "SELECT (cond)"
    Block body;
    int line = 0;
};

struct Statement
{
    enum class Kind { Sql, Declare, Set, If };
    Kind kind = Kind::Sql;
    int line = 0;
    SqlText sql;                 // Sql: the statement; Set: "SELECT (expr)" unless simple
    bool simple = false;         // Set: value is a single literal or binding
    QVariant literal;            // Set with a literal
    std::vector<Binding> source; // Set with a single binding (0 or 1 entry)
    QList<int> variables;        // Declare: slots; Set: the target slot (one)
    std::vector<Branch> branches;
    Block elseBlock;
    bool hasElse = false;
};

struct Program
{
    Block body;
    std::vector<Variable> variables;
    bool writes = false;         // some statement is not a SELECT
    int statementCount = 0;
};

// Parses and translates a script. `replaceInLiterals`: '@n' inside string literals becomes a
// bound value (only when the caller gives positional values).
Program parse(const QString &script, bool replaceInLiterals);

} // namespace Db::Internal
