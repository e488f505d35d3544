#include "HostCommand.h"

#include "ProfileCommand.h"

namespace Host {

const std::vector<std::unique_ptr<HostCommand>> &HostCommand::all()
{
    static const std::vector<std::unique_ptr<HostCommand>> commands = [] {
        std::vector<std::unique_ptr<HostCommand>> list;
        list.push_back(std::make_unique<ProfileCommand>());
        return list;
    }();
    return commands;
}

} // namespace Host
