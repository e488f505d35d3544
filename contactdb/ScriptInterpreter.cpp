#include "contactdb/ScriptInterpreter.h"

#include "contactdb/Connection.h"
#include "contactdb/Connection_p.h"
#include "contactdb/ScriptParser_p.h"

#include "base/Clock.h"
#include "base/Errors.h"

#include <QCoreApplication>

#include <optional>

using namespace Qt::StringLiterals;

namespace Db {

using namespace Internal;

namespace {

// Parsed scripts kept per interpreter; the mail import carries nine.
constexpr int ProgramCacheLimit = 64;

[[noreturn]] void runError(int line, const QString &what)
{
    throw EOrvDatabaseError(QCoreApplication::translate("Db::ScriptInterpreter",
                                                        "SQL skript se nepodařilo provést (řádek %1).").arg(line),
                            u"script line %1: %2"_s.arg(line).arg(what));
}

bool isTrue(const QVariant &value)
{
    if (value.isNull())
        return false;
    if (value.typeId() == QMetaType::Double)
        return value.toDouble() != 0.0;
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double number = value.toString().trimmed().toDouble(&ok);
        return ok && number != 0.0;
    }
    return value.toLongLong() != 0;
}

// One run of a program: variable values, inputs and the result so far.
class Run
{
public:
    Run(Connection &connection, const Program &program, const QStringList &positional, const QVariantMap &params)
        : m_d(*connection.d_func()), m_program(program), m_positional(positional), m_params(params),
          m_values(program.variables.size())
    {
    }

    void block(const Block &statements)
    {
        for (const Statement &statement : statements)
            execute(statement);
    }

    RowSet takeResult() { return std::move(m_result); }

private:
    void execute(const Statement &statement)
    {
        switch (statement.kind) {
        case Statement::Kind::Declare:
            for (int slot : statement.variables)
                m_values[slot] = QVariant();
            break;
        case Statement::Kind::Set: {
            const int slot = statement.variables.first();
            QVariant value;
            if (!statement.simple)
                value = scalar(statement.sql, statement.line);
            else if (!statement.source.empty())
                value = bindingValue(statement.source.front(), statement.line);
            else
                value = statement.literal;
            m_values[slot] = coerce(value, m_program.variables[slot], statement.line);
            break;
        }
        case Statement::Kind::If:
            for (const Branch &branch : statement.branches) {
                if (isTrue(scalar(branch.condition, branch.line))) {
                    block(branch.body);
                    return;
                }
            }
            if (statement.hasElse)
                block(statement.elseBlock);
            break;
        case Statement::Kind::Sql: {
            sqlite3_stmt *prepared = prepare(statement.sql, statement.line);
            StatementReset reset(prepared);
            bind(prepared, statement.sql, statement.line);
            try {
                if (sqlite3_column_count(prepared) > 0)
                    m_result = m_d.readAll(prepared);
                else
                    m_d.runToEnd(prepared);
            } catch (const EOrvDatabaseError &error) {
                runError(statement.line, error.detail());
            }
            break;
        }
        }
    }

    sqlite3_stmt *prepare(const SqlText &sql, int line)
    {
        try {
            return m_d.prepareCached(sql.text);
        } catch (const EOrvDatabaseError &error) {
            runError(line, error.detail());
        }
    }

    QVariant scalar(const SqlText &sql, int line)
    {
        sqlite3_stmt *prepared = nullptr;
        try {
            prepared = m_d.prepareCached(sql.text);
        } catch (const EOrvDatabaseError &error) {
            // A bare name in SET or IF that is no variable reaches SQLite as a column.
            if (error.detail().startsWith(u"no such column: "_s))
                runError(line, u"unknown variable "_s + error.detail().mid(16).section(u' ', 0, 0));
            runError(line, error.detail());
        }
        StatementReset reset(prepared);
        bind(prepared, sql, line);
        try {
            return m_d.step(prepared) ? m_d.column(prepared, 0) : QVariant();
        } catch (const EOrvDatabaseError &error) {
            runError(line, error.detail());
        }
    }

    void bind(sqlite3_stmt *prepared, const SqlText &sql, int line)
    {
        for (int i = 0; i < sql.bindings.size(); ++i)
            m_d.bind(prepared, i + 1, bindingValue(sql.bindings.at(i), line));
    }

    QVariant bindingValue(const Binding &binding, int line)
    {
        switch (binding.kind) {
        case Binding::Kind::Variable:
            return m_values[binding.index];
        case Binding::Kind::Named: {
            auto it = m_params.constFind(binding.name);
            if (it == m_params.constEnd()) {
                // Parameter names ignore case, as in the dialect's own engine.
                for (it = m_params.constBegin(); it != m_params.constEnd(); ++it) {
                    if (it.key().compare(binding.name, Qt::CaseInsensitive) == 0)
                        break;
                }
                if (it == m_params.constEnd())
                    runError(line, u"missing parameter :%1"_s.arg(binding.name));
            }
            return it.value();
        }
        case Binding::Kind::PositionalText:
            return positional(binding.index, line);
        case Binding::Kind::PositionalBare: {
            const QString text = positional(binding.index, line).trimmed();
            bool ok = false;
            const qlonglong value = text.toLongLong(&ok);
            if (!ok)
                runError(line, u"bad @%1: \"%2\" is not an integer (write '@%1' for text)"_s
                                   .arg(binding.index).arg(text));
            return value;
        }
        case Binding::Kind::Now:
            if (m_now.isEmpty())
                m_now = Connection::dateTimeText(Orv::Clock::now());
            return m_now;
        }
        return QVariant();
    }

    QString positional(int index, int line) const
    {
        if (index < 0 || index >= m_positional.size())
            runError(line, u"bad @%1: %2 positional values given"_s.arg(index).arg(m_positional.size()));
        return m_positional.at(index);
    }

    static QVariant coerce(const QVariant &value, const Variable &variable, int line)
    {
        if (value.isNull())
            return QVariant();
        switch (variable.type) {
        case VariableType::Integer: {
            bool ok = false;
            qlonglong integer = 0;
            if (value.typeId() == QMetaType::Double)
                integer = qRound64(value.toDouble()), ok = true;
            else
                integer = value.toString().trimmed().toLongLong(&ok);
            if (value.typeId() == QMetaType::Bool)
                integer = value.toBool() ? 1 : 0, ok = true;
            if (!ok)
                runError(line, u"\"%1\" is not an integer for variable %2"_s.arg(value.toString(), variable.name));
            return integer;
        }
        case VariableType::Timestamp:
            if (value.typeId() == QMetaType::QDateTime)
                return Connection::dateTimeText(value.toDateTime());
            return value.toString();
        case VariableType::Text:
            return value.toString();
        case VariableType::Float:
            return value.toDouble();
        case VariableType::Boolean:
            return isTrue(value) ? 1 : 0;
        case VariableType::Other:
            break;
        }
        return value;
    }

    Connection::Private &m_d;
    const Program &m_program;
    const QStringList &m_positional;
    const QVariantMap &m_params;
    std::vector<QVariant> m_values;
    QString m_now;
    RowSet m_result;
};

} // namespace

ScriptInterpreter::ScriptInterpreter(Connection &connection) : m_connection(connection) {}

ScriptInterpreter::~ScriptInterpreter() = default;

RowSet ScriptInterpreter::run(const QString &script, const QStringList &positional, const QVariantMap &params)
{
    if (!m_connection.isOpen())
        throwDatabaseError(u"script run on a closed database"_s);
    // '@n' inside literals is replaced only when values are given, so the parse differs.
    const bool replaceInLiterals = !positional.isEmpty();
    const QString key = replaceInLiterals ? script + QChar(u'\x01') : script;
    std::shared_ptr<const Program> program = m_cache.value(key);
    if (!program) {
        program = std::make_shared<const Program>(parse(script, replaceInLiterals));
        if (m_cache.size() >= ProgramCacheLimit)
            m_cache.clear();
        m_cache.insert(key, program);
    }

    Run run(m_connection, *program, positional, params);
    // A lone SELECT is atomic by itself; anything more runs in one transaction.
    if (!program->writes && program->statementCount <= 1) {
        run.block(program->body);
        return run.takeResult();
    }
    Transaction transaction(m_connection, program->writes ? Connection::TransactionMode::Immediate
                                                          : Connection::TransactionMode::Deferred);
    run.block(program->body);
    transaction.commit();
    return run.takeResult();
}

void ScriptInterpreter::check(const QString &script)
{
    parse(script, true);
}

void ScriptInterpreter::clearCache()
{
    m_cache.clear();
}

} // namespace Db
