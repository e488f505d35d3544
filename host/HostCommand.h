#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <vector>

namespace Host {

// One subcommand of velmora-host ("profile", later "context", "listen" …). main() picks the
// command by its first argument and hands it the rest. run() returns the exit code; it may
// throw EOrvError, which main() prints as a clear error.
class HostCommand
{
public:
    virtual ~HostCommand() = default;
    virtual QString name() const = 0;
    virtual QString usage() const = 0;           // lines for --help
    virtual int run(const QStringList &arguments, QTextStream &out) = 0;

    static const std::vector<std::unique_ptr<HostCommand>> &all();
};

// A usage error: main() prints it with the usage and exits with code 2.
class UsageError
{
public:
    explicit UsageError(QString text) : m_text(std::move(text)) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

} // namespace Host
