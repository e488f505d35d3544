#include "contactdb/ScriptParser_p.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QSet>

using namespace Qt::StringLiterals;

namespace Db::Internal {

namespace {

[[noreturn]] void syntaxError(int line, const QString &what)
{
    throw EOrvDatabaseError(QCoreApplication::translate("Db::ScriptInterpreter",
                                                        "Chybný SQL skript (řádek %1).").arg(line),
                            u"script line %1: %2"_s.arg(line).arg(what));
}

bool isWordStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// --- Lexer ---------------------------------------------------------------------------------

class Lexer
{
public:
    explicit Lexer(const QString &text) : m_text(text) {}

    QList<Token> run()
    {
        QList<Token> tokens;
        while (skipBlankAndComments())
            tokens << next();
        return tokens;
    }

private:
    QChar at(qsizetype i) const { return i < m_text.size() ? m_text.at(i) : QChar(); }

    bool skipBlankAndComments()
    {
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos);
            if (c == u'\n') {
                ++m_line;
                ++m_pos;
            } else if (c.isSpace()) {
                ++m_pos;
            } else if (c == u'-' && at(m_pos + 1) == u'-') {
                while (m_pos < m_text.size() && m_text.at(m_pos) != u'\n')
                    ++m_pos;
            } else if (c == u'/' && at(m_pos + 1) == u'*') {
                const int startLine = m_line;
                m_pos += 2;
                while (m_pos < m_text.size() && !(m_text.at(m_pos) == u'*' && at(m_pos + 1) == u'/')) {
                    if (m_text.at(m_pos) == u'\n')
                        ++m_line;
                    ++m_pos;
                }
                if (m_pos >= m_text.size())
                    syntaxError(startLine, u"unterminated comment"_s);
                m_pos += 2;
            } else {
                return true;
            }
        }
        return false;
    }

    QString quoted(QChar quote, const char *what)
    {
        const int startLine = m_line;
        QString value;
        ++m_pos;
        for (;;) {
            if (m_pos >= m_text.size())
                syntaxError(startLine, u"unterminated %1"_s.arg(QLatin1StringView(what)));
            const QChar c = m_text.at(m_pos++);
            if (c == quote) {
                if (at(m_pos) != quote)
                    return value;
                ++m_pos;                 // doubled quote stands for one
            } else if (c == u'\n') {
                ++m_line;
            }
            value += c;
        }
    }

    Token next()
    {
        const int line = m_line;
        const qsizetype start = m_pos;
        const QChar c = m_text.at(m_pos);
        if (c == u'\'')
            return {TokenKind::String, quoted(c, "string literal"), line};
        if (c == u'"')
            return {TokenKind::QuotedName, quoted(c, "quoted name"), line};
        if (isWordStart(c)) {
            while (m_pos < m_text.size() && isWordChar(m_text.at(m_pos)))
                ++m_pos;
            return {TokenKind::Word, m_text.mid(start, m_pos - start), line};
        }
        if (c.isDigit() || (c == u'.' && at(m_pos + 1).isDigit())) {
            while (at(m_pos).isDigit())
                ++m_pos;
            if (at(m_pos) == u'.') {
                ++m_pos;
                while (at(m_pos).isDigit())
                    ++m_pos;
            }
            if ((at(m_pos) == u'e' || at(m_pos) == u'E')
                && (at(m_pos + 1).isDigit() || ((at(m_pos + 1) == u'+' || at(m_pos + 1) == u'-') && at(m_pos + 2).isDigit()))) {
                m_pos += 2;
                while (at(m_pos).isDigit())
                    ++m_pos;
            }
            if (isWordChar(at(m_pos)))
                syntaxError(line, u"malformed number"_s);
            return {TokenKind::Number, m_text.mid(start, m_pos - start), line};
        }
        if (c == u':' && isWordStart(at(m_pos + 1))) {
            ++m_pos;
            while (m_pos < m_text.size() && isWordChar(m_text.at(m_pos)))
                ++m_pos;
            return {TokenKind::NamedParam, m_text.mid(start + 1, m_pos - start - 1), line};
        }
        if (c == u'@' && at(m_pos + 1).isDigit()) {
            ++m_pos;
            while (at(m_pos).isDigit())
                ++m_pos;
            if (isWordChar(at(m_pos)))
                syntaxError(line, u"malformed positional value \"%1\""_s.arg(m_text.mid(start, m_pos - start + 1)));
            return {TokenKind::Positional, m_text.mid(start + 1, m_pos - start - 1), line};
        }
        static const QStringList twoChar = {u"||"_s, u"<="_s, u">="_s, u"<>"_s, u"!="_s, u"=="_s};
        const QString pair = m_text.mid(m_pos, 2);
        if (twoChar.contains(pair)) {
            m_pos += 2;
            return {TokenKind::Symbol, pair, line};
        }
        static const QString singles = u"(),;=<>+-*/%.&|~"_s;
        if (singles.contains(c)) {
            ++m_pos;
            return {TokenKind::Symbol, QString(c), line};
        }
        syntaxError(line, u"unexpected character \"%1\""_s.arg(c));
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

// --- Parser --------------------------------------------------------------------------------

bool isWord(const Token &token, QLatin1StringView word)
{
    return token.kind == TokenKind::Word && token.text.compare(word, Qt::CaseInsensitive) == 0;
}

bool isSymbol(const Token &token, QLatin1StringView symbol)
{
    return token.kind == TokenKind::Symbol && token.text == symbol;
}

QString quoteLiteral(const QString &text)
{
    QString copy = text;
    return u'\'' + copy.replace(u'\'', u"''"_s) + u'\'';
}

QString quoteName(const QString &text)
{
    QString copy = text;
    return u'"' + copy.replace(u'"', u"\"\""_s) + u'"';
}

class Parser
{
public:
    Parser(QList<Token> tokens, bool replaceInLiterals)
        : m_tokens(std::move(tokens)), m_replaceInLiterals(replaceInLiterals) {}

    Program run()
    {
        m_program.body = block({});
        return std::move(m_program);
    }

private:
    enum Terminator { None = 0, AtElse = 1 };

    bool atEnd() const { return m_pos >= m_tokens.size(); }
    const Token &peek(int ahead = 0) const { return m_tokens.at(m_pos + ahead); }
    bool has(int ahead) const { return m_pos + ahead < m_tokens.size(); }
    int lineHere() const { return atEnd() ? (m_tokens.isEmpty() ? 1 : m_tokens.last().line) : peek().line; }

    // A statement inside IF may end at ELSE/ELSEIF/END IF when its ";" is missing.
    bool isBranchEnd(const Token &token) const
    {
        return m_ifDepth > 0
               && (isWord(token, "ELSE"_L1) || isWord(token, "ELSEIF"_L1)
                   || (isWord(token, "END"_L1) && has(1) && isWord(peek(1), "IF"_L1)));
    }

    Block block(int ifLine)
    {
        Block statements;
        for (;;) {
            if (atEnd()) {
                if (ifLine > 0)
                    syntaxError(ifLine, u"unterminated IF (no END IF)"_s);
                return statements;
            }
            const Token &token = peek();
            if (isSymbol(token, ";"_L1)) {
                ++m_pos;
                continue;
            }
            if (isWord(token, "ELSE"_L1) || isWord(token, "ELSEIF"_L1) || isWord(token, "END"_L1)) {
                if (ifLine > 0)
                    return statements;
                syntaxError(token.line, u"%1 without IF"_s.arg(token.text.toUpper()));
            }
            ++m_program.statementCount;
            if (isWord(token, "DECLARE"_L1))
                statements.push_back(declare());
            else if (isWord(token, "SET"_L1))
                statements.push_back(set());
            else if (isWord(token, "IF"_L1))
                statements.push_back(ifStatement());
            else
                statements.push_back(sqlStatement());
        }
    }

    void endStatement()
    {
        if (atEnd() || isBranchEnd(peek()))
            return;
        if (!isSymbol(peek(), ";"_L1))
            syntaxError(peek().line, u"\";\" expected before \"%1\""_s.arg(peek().text));
        ++m_pos;
    }

    static VariableType typeOf(const QString &word)
    {
        const QString upper = word.toUpper();
        if (upper == u"INTEGER"_s || upper == u"INT"_s || upper == u"SMALLINT"_s || upper == u"BIGINT"_s
            || upper == u"AUTOINC"_s)
            return VariableType::Integer;
        if (upper == u"TIMESTAMP"_s || upper == u"DATETIME"_s || upper == u"DATE"_s || upper == u"TIME"_s)
            return VariableType::Timestamp;
        if (upper == u"VARCHAR"_s || upper == u"CHAR"_s || upper == u"NVARCHAR"_s || upper == u"NCHAR"_s
            || upper == u"TEXT"_s || upper == u"STRING"_s)
            return VariableType::Text;
        if (upper == u"FLOAT"_s || upper == u"DOUBLE"_s || upper == u"REAL"_s || upper == u"NUMERIC"_s
            || upper == u"DECIMAL"_s || upper == u"MONEY"_s)
            return VariableType::Float;
        if (upper == u"BOOLEAN"_s || upper == u"BOOL"_s)
            return VariableType::Boolean;
        return VariableType::Other;
    }

    // DECLARE a INTEGER; DECLARE a, b INTEGER; DECLARE a INTEGER, b TIMESTAMP
    Statement declare()
    {
        Statement statement;
        statement.kind = Statement::Kind::Declare;
        statement.line = peek().line;
        ++m_pos;
        QStringList pending;
        for (;;) {
            if (atEnd() || peek().kind != TokenKind::Word)
                syntaxError(lineHere(), u"variable name expected after DECLARE"_s);
            pending << peek().text;
            ++m_pos;
            if (!atEnd() && isSymbol(peek(), ","_L1)) {
                ++m_pos;
                continue;
            }
            if (atEnd() || peek().kind != TokenKind::Word)
                syntaxError(lineHere(), u"type expected for variable %1"_s.arg(pending.last()));
            const VariableType type = typeOf(peek().text);
            ++m_pos;
            if (!atEnd() && isSymbol(peek(), "("_L1)) {          // VARCHAR(60), NUMERIC(10, 2)
                while (!atEnd() && !isSymbol(peek(), ")"_L1))
                    ++m_pos;
                if (atEnd())
                    syntaxError(statement.line, u"unterminated type in DECLARE"_s);
                ++m_pos;
            }
            for (const QString &name : std::as_const(pending)) {
                if (variableSlot(name) >= 0)
                    syntaxError(statement.line, u"variable %1 declared twice"_s.arg(name));
                statement.variables << int(m_program.variables.size());
                m_program.variables.push_back({name, type});
            }
            pending.clear();
            if (!atEnd() && isSymbol(peek(), ","_L1)) {
                ++m_pos;
                continue;
            }
            break;
        }
        endStatement();
        return statement;
    }

    int variableSlot(const QString &name) const
    {
        for (size_t i = 0; i < m_program.variables.size(); ++i) {
            if (m_program.variables[i].name.compare(name, Qt::CaseInsensitive) == 0)
                return int(i);
        }
        return -1;
    }

    // Tokens of one expression or statement: up to ";" at depth 0, the end, or (inside IF)
    // a branch keyword; `stopWord` also ends it at depth 0 (THEN of a condition).
    QList<Token> collect(QLatin1StringView stopWord = {})
    {
        QList<Token> tokens;
        int depth = 0;
        int caseDepth = 0;
        while (!atEnd()) {
            const Token &token = peek();
            if (depth == 0 && caseDepth == 0) {
                if (isSymbol(token, ";"_L1) || isBranchEnd(token))
                    break;
                if (!stopWord.isEmpty() && isWord(token, stopWord))
                    break;
            }
            if (isSymbol(token, "("_L1))
                ++depth;
            else if (isSymbol(token, ")"_L1) && --depth < 0)
                syntaxError(token.line, u"unbalanced \")\""_s);
            else if (isWord(token, "CASE"_L1))
                ++caseDepth;
            else if (isWord(token, "END"_L1) && caseDepth > 0)
                --caseDepth;
            tokens << token;
            ++m_pos;
        }
        if (depth > 0)
            syntaxError(tokens.isEmpty() ? lineHere() : tokens.first().line, u"unbalanced \"(\""_s);
        return tokens;
    }

    Statement set()
    {
        Statement statement;
        statement.kind = Statement::Kind::Set;
        statement.line = peek().line;
        ++m_pos;
        if (atEnd() || peek().kind != TokenKind::Word)
            syntaxError(statement.line, u"variable name expected after SET"_s);
        const int slot = variableSlot(peek().text);
        if (slot < 0)
            syntaxError(statement.line, u"unknown variable %1"_s.arg(peek().text));
        statement.variables << slot;
        ++m_pos;
        if (atEnd() || !isSymbol(peek(), "="_L1))
            syntaxError(statement.line, u"\"=\" expected after SET %1"_s.arg(m_program.variables[slot].name));
        ++m_pos;
        QList<Token> expression = collect();
        if (expression.isEmpty())
            syntaxError(statement.line, u"value expected after SET %1 ="_s.arg(m_program.variables[slot].name));
        endStatement();

        if (expression.size() == 1 && simpleValue(expression.first(), statement))
            return statement;
        const bool bareSelect = isWord(expression.first(), "SELECT"_L1);
        statement.sql = translate(expression, bareSelect ? u"SELECT (("_s : u"SELECT ("_s, bareSelect ? u"))"_s : u")"_s);
        return statement;
    }

    // A value that needs no SQL: a literal, a variable, a parameter, CURRENT_TIMESTAMP.
    bool simpleValue(const Token &token, Statement &statement)
    {
        switch (token.kind) {
        case TokenKind::Number: {
            bool ok = false;
            const qlonglong integer = token.text.toLongLong(&ok);
            statement.literal = ok ? QVariant(integer) : QVariant(token.text.toDouble());
            break;
        }
        case TokenKind::String:
            if (m_replaceInLiterals && token.text.contains(u'@'))
                return false;
            statement.literal = token.text;
            break;
        case TokenKind::NamedParam:
            statement.source.push_back({Binding::Kind::Named, 0, token.text});
            break;
        case TokenKind::Positional:
            statement.source.push_back({Binding::Kind::PositionalBare, token.text.toInt(), {}});
            break;
        case TokenKind::Word:
            if (isWord(token, "CURRENT_TIMESTAMP"_L1)) {
                statement.source.push_back({Binding::Kind::Now, 0, {}});
            } else if (isWord(token, "NULL"_L1)) {
                statement.literal = QVariant();
            } else {
                const int slot = variableSlot(token.text);
                if (slot < 0)
                    syntaxError(token.line, u"unknown variable %1"_s.arg(token.text));
                statement.source.push_back({Binding::Kind::Variable, slot, {}});
            }
            break;
        default:
            return false;
        }
        statement.simple = true;
        return true;
    }

    Statement ifStatement()
    {
        Statement statement;
        statement.kind = Statement::Kind::If;
        statement.line = peek().line;
        ++m_pos;
        ++m_ifDepth;
        statement.branches.push_back(branch(statement.line));
        for (;;) {
            if (atEnd())
                syntaxError(statement.line, u"unterminated IF (no END IF)"_s);
            if (isWord(peek(), "ELSEIF"_L1)) {
                if (statement.hasElse)
                    syntaxError(peek().line, u"ELSEIF after ELSE"_s);
                const int line = peek().line;
                ++m_pos;
                statement.branches.push_back(branch(line));
            } else if (isWord(peek(), "ELSE"_L1)) {
                if (statement.hasElse)
                    syntaxError(peek().line, u"second ELSE in one IF"_s);
                ++m_pos;
                statement.hasElse = true;
                statement.elseBlock = block(statement.line);
            } else if (isWord(peek(), "END"_L1)) {
                ++m_pos;
                if (atEnd() || !isWord(peek(), "IF"_L1))
                    syntaxError(lineHere(), u"END IF expected"_s);
                ++m_pos;
                break;
            } else {
                syntaxError(peek().line, u"unexpected \"%1\" in IF"_s.arg(peek().text));
            }
        }
        --m_ifDepth;
        endStatement();
        return statement;
    }

    Branch branch(int line)
    {
        Branch result;
        result.line = line;
        const QList<Token> condition = collect("THEN"_L1);
        if (atEnd() || !isWord(peek(), "THEN"_L1))
            syntaxError(line, u"THEN expected"_s);
        if (condition.isEmpty())
            syntaxError(line, u"condition expected after IF"_s);
        ++m_pos;
        result.condition = translate(condition, u"SELECT ("_s, u")"_s);
        result.body = block(line);
        return result;
    }

    Statement sqlStatement()
    {
        Statement statement;
        statement.kind = Statement::Kind::Sql;
        statement.line = peek().line;
        const Token first = peek();
        static const QStringList forbidden = {u"BEGIN"_s, u"COMMIT"_s, u"ROLLBACK"_s, u"SAVEPOINT"_s,
                                              u"RELEASE"_s, u"ATTACH"_s, u"DETACH"_s, u"PRAGMA"_s,
                                              u"VACUUM"_s, u"START"_s};
        if (first.kind == TokenKind::Word && forbidden.contains(first.text.toUpper()))
            syntaxError(first.line, u"%1 is not allowed in a script: each script is one transaction"_s
                                        .arg(first.text.toUpper()));
        if (!isWord(first, "SELECT"_L1))
            m_program.writes = true;
        const QList<Token> tokens = collect();
        endStatement();
        statement.sql = translate(tokens, {}, {});
        return statement;
    }

    // Turns dialect tokens into SQLite text: TOP n → LIMIT n at the end of its SELECT,
    // variables, parameters, positional values and CURRENT_TIMESTAMP → "?".
    SqlText translate(const QList<Token> &tokens, const QString &prefix, const QString &suffix)
    {
        SqlText out;
        QString &sql = out.text;
        sql = prefix;
        struct PendingLimit { int depth; QString limit; };
        QList<PendingLimit> limits;
        int depth = 0;
        auto append = [&sql](const QString &piece, bool glue = false) {
            if (!glue && !sql.isEmpty() && !sql.endsWith(u'(') && !sql.endsWith(u'.'))
                sql += u' ';
            sql += piece;
        };
        auto closeLimits = [&](int atDepth) {
            while (!limits.isEmpty() && limits.last().depth == atDepth)
                append(u"LIMIT "_s + limits.takeLast().limit);
        };
        for (int i = 0; i < tokens.size(); ++i) {
            const Token &token = tokens.at(i);
            const Token *previous = i > 0 ? &tokens.at(i - 1) : nullptr;
            const Token *following = i + 1 < tokens.size() ? &tokens.at(i + 1) : nullptr;
            switch (token.kind) {
            case TokenKind::Word: {
                if (isWord(token, "SELECT"_L1)) {
                    append(token.text);
                    int j = i + 1;
                    if (j < tokens.size() && (isWord(tokens.at(j), "DISTINCT"_L1) || isWord(tokens.at(j), "ALL"_L1)))
                        append(tokens.at(j++).text);
                    if (j < tokens.size() && isWord(tokens.at(j), "TOP"_L1)) {
                        if (j + 1 >= tokens.size())
                            syntaxError(token.line, u"number expected after TOP"_s);
                        const Token &count = tokens.at(j + 1);
                        if (count.kind != TokenKind::Number)
                            syntaxError(count.line, u"number expected after TOP"_s);
                        const QString limit = count.text;
                        limits.append({depth, limit});
                        j += 2;
                    }
                    i = j - 1;
                    break;
                }
                const bool qualified = (previous && isSymbol(*previous, "."_L1))
                                       || (following && isSymbol(*following, "."_L1));
                const bool called = following && isSymbol(*following, "("_L1);
                const bool alias = previous && isWord(*previous, "AS"_L1);
                if (isWord(token, "CURRENT_TIMESTAMP"_L1) && !qualified) {
                    append(u"?"_s);
                    out.bindings.append({Binding::Kind::Now, 0, {}});
                    break;
                }
                if (!qualified && !called && !alias) {
                    const int slot = variableSlot(token.text);
                    if (slot >= 0) {
                        append(u"?"_s);
                        out.bindings.append({Binding::Kind::Variable, slot, {}});
                        break;
                    }
                }
                append(token.text, previous && isSymbol(*previous, "."_L1));
                break;
            }
            case TokenKind::QuotedName:
                append(quoteName(token.text), previous && isSymbol(*previous, "."_L1));
                break;
            case TokenKind::String:
                appendLiteral(token, out, append);
                break;
            case TokenKind::Number:
                append(token.text);
                break;
            case TokenKind::NamedParam:
                append(u"?"_s);
                out.bindings.append({Binding::Kind::Named, 0, token.text});
                break;
            case TokenKind::Positional:
                append(u"?"_s);
                out.bindings.append({Binding::Kind::PositionalBare, token.text.toInt(), {}});
                break;
            case TokenKind::Symbol:
                if (token.text == u"("_s) {
                    append(token.text);
                    ++depth;
                } else if (token.text == u")"_s) {
                    closeLimits(depth);
                    --depth;
                    append(token.text, true);
                } else if (token.text == u"."_s || token.text == u","_s) {
                    append(token.text, true);
                } else {
                    append(token.text);
                }
                break;
            }
        }
        closeLimits(0);
        sql += suffix;
        return out;
    }

    template<typename Append>
    void appendLiteral(const Token &token, SqlText &out, Append &append)
    {
        if (!m_replaceInLiterals || !token.text.contains(u'@')) {
            append(quoteLiteral(token.text));
            return;
        }
        // '@n' parts become bound text; the rest stays literal: '%@0%' → ('%' || ? || '%').
        QStringList pieces;
        QString plain;
        const QString &text = token.text;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == u'@' && i + 1 < text.size() && text.at(i + 1).isDigit()) {
                qsizetype end = i + 1;
                while (end < text.size() && text.at(end).isDigit())
                    ++end;
                if (!plain.isEmpty())
                    pieces << quoteLiteral(std::exchange(plain, QString()));
                pieces << u"?"_s;
                bool ok = false;
                const int index = text.mid(i + 1, end - i - 1).toInt(&ok);
                if (!ok)
                    syntaxError(token.line, u"bad positional value \"%1\""_s.arg(text.mid(i, end - i)));
                out.bindings.append({Binding::Kind::PositionalText, index, {}});
                i = end - 1;
            } else {
                plain += text.at(i);
            }
        }
        if (!plain.isEmpty())
            pieces << quoteLiteral(plain);
        if (pieces.size() == 1)
            append(pieces.first());
        else
            append(u"("_s + pieces.join(u" || "_s) + u")"_s);
    }

    QList<Token> m_tokens;
    bool m_replaceInLiterals;
    qsizetype m_pos = 0;
    int m_ifDepth = 0;
    Program m_program;
};

} // namespace

QList<Token> tokenize(const QString &script)
{
    return Lexer(script).run();
}

Program parse(const QString &script, bool replaceInLiterals)
{
    return Parser(tokenize(script), replaceInLiterals).run();
}

} // namespace Db::Internal
