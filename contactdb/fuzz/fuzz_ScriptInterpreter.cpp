// libFuzzer target for the script interpreter's lexer, parser and binder. Input: the script,
// then optionally a NUL byte and positional values one per line. Every input must end in
// rows or an EOrvDatabaseError, never a crash, a hang or a leak.

#include "contactdb/Connection.h"
#include "contactdb/ScriptInterpreter.h"

#include "base/Errors.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

struct Fixture
{
    Db::Connection connection;
    std::unique_ptr<Db::ScriptInterpreter> interpreter;
    int runs = 0;

    void reset()
    {
        interpreter.reset();
        connection.open(QStringLiteral(":memory:"));
        interpreter = std::make_unique<Db::ScriptInterpreter>(connection);
        runs = 0;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Fixture fixture;
    // Scripts may drop tables; start afresh now and then so later inputs see the schema.
    if (!fixture.interpreter || ++fixture.runs > 200)
        fixture.reset();

    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    const QString script = QString::fromUtf8(split < 0 ? input : input.left(split));
    const QStringList values = split < 0 ? QStringList()
                                         : QString::fromUtf8(input.mid(split + 1)).split(u'\n');
    try {
        Db::ScriptInterpreter::check(script);
    } catch (const EOrvDatabaseError &) {
        return 0;
    }
    // Recursive queries can run for ever; the parser has been exercised either way.
    if (script.contains(QStringLiteral("RECURSIVE"), Qt::CaseInsensitive) || script.size() > 4000)
        return 0;
    try {
        fixture.interpreter->run(script, values, {{QStringLiteral("A"), QByteArray("\0x", 2)},
                                                  {QStringLiteral("B"), 42}});
    } catch (const EOrvDatabaseError &) {
    }
    if (fixture.connection.transactionDepth() != 0)
        __builtin_trap();                        // a failed script must never leave a transaction open
    return 0;
}
