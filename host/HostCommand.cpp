#include "HostCommand.h"

#include "ContextCommand.h"
#include "ListenCommand.h"
#include "ProfileCommand.h"

namespace Host {

const std::vector<std::unique_ptr<HostCommand>> &HostCommand::all()
{
    static const std::vector<std::unique_ptr<HostCommand>> commands = [] {
        std::vector<std::unique_ptr<HostCommand>> list;
        list.push_back(std::make_unique<ProfileCommand>());
        list.push_back(std::make_unique<ContextCommand>());
        list.push_back(std::make_unique<ListenCommand>());
        return list;
    }();
    return commands;
}

} // namespace Host
