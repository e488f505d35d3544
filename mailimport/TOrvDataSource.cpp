#include "mailimport/TOrvDataSource.h"

#include "base/Errors.h"
#include "contactdb/Connection.h"
#include "contactdb/ScriptInterpreter.h"

#include <QFileInfo>
#include <QLoggingCategory>

namespace Mail {

Q_LOGGING_CATEGORY(lcDataSource, "orvanta.mail.db")

TOrvDataSource::TOrvDataSource() = default;

TOrvDataSource::~TOrvDataSource()
{
    Close();
}

bool TOrvDataSource::Open(const QString &profilePath)
{
    Close();
    if (profilePath.isEmpty())
        return false;
    // The host creates the profile's database; a path without one is a wrong path, and
    // opening it would leave an empty database behind.
    const QString file = Db::Connection::profileDatabasePath(profilePath);
    if (!QFileInfo(file).isFile()) {
        qCWarning(lcDataSource) << "no contact database at" << file;
        return false;
    }
    try {
        auto connection = std::make_unique<Db::Connection>();
        connection->open(file);
        m_interpreter = std::make_unique<Db::ScriptInterpreter>(*connection);
        m_connection = std::move(connection);
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcDataSource) << "cannot open" << file << error.detail();
    } catch (const std::exception &error) {
        qCWarning(lcDataSource) << "cannot open" << file << error.what();
    }
    Close();
    return false;
}

void TOrvDataSource::Close()
{
    m_interpreter.reset();
    m_connection.reset();
}

bool TOrvDataSource::Connected() const
{
    return m_connection && m_connection->isOpen();
}

std::optional<Db::RowSet> TOrvDataSource::RunScript(const QString &script, const QStringList &values)
{
    if (!Connected())
        return std::nullopt;
    return m_interpreter->run(script, values);
}

bool TOrvDataSource::ExecuteScript(const QString &script, const TOrvFieldDataList &params)
{
    if (!Connected())
        return false;
    QVariantMap values;
    for (const auto &param : params)
        param->AssignToParam(&values);
    m_interpreter->run(script, values);
    return true;
}

Db::Connection *TOrvDataSource::connection() const
{
    return m_connection.get();
}

} // namespace Mail
