#pragma once

#include "base/MessageService.h"

namespace Orv {

// The message service main() installs: a QMessageBox with Czech buttons. Asked from another
// thread it waits for the GUI thread to show the box, so the GUI thread must never wait for
// that worker meanwhile.
class WidgetMessageService : public MessageService
{
public:
    MsgButton ask(const MessageRequest &request) override;
};

} // namespace Orv
