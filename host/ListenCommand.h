#pragma once

#include "HostCommand.h"

namespace Host {

// "listen": stands in for the host's main window and writes every window message it
// receives, one line "msg wParam lParam" each, until it is stopped.
class ListenCommand : public HostCommand
{
public:
    QString name() const override;
    QString usage() const override;
    int run(const QStringList &arguments, QTextStream &out) override;
};

} // namespace Host
