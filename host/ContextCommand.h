#pragma once

#include "HostCommand.h"

namespace Host {

// "context": writes ContactInfo.ini as the host does when the user opens a profile and
// chooses a firm or person, so the e-mail import program follows it.
class ContextCommand : public HostCommand
{
public:
    QString name() const override;
    QString usage() const override;
    int run(const QStringList &arguments, QTextStream &out) override;
};

} // namespace Host
