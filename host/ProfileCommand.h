#pragma once

#include "HostCommand.h"

namespace Db { class Connection; }

namespace Host {

// "profile create DIR [--name NAME] [--site N] [--demo]" and "profile show DIR".
class ProfileCommand : public HostCommand
{
public:
    QString name() const override;
    QString usage() const override;
    int run(const QStringList &arguments, QTextStream &out) override;

private:
    int create(const QStringList &arguments, QTextStream &out);
    int show(const QStringList &arguments, QTextStream &out);
    static void printSummary(Db::Connection &connection, QTextStream &out);
};

} // namespace Host
