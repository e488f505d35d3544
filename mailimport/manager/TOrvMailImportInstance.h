#pragma once

#include "platform/ipc/SingleInstance.h"

namespace Mail {

// The mail import program runs once per user. The first copy owns the lock
// "OrvantaMailImport" for its lifetime; a later copy posts "bring to front" (1367) to the
// first copy's main window and must end without showing a window.
//
// Ownership: main() keeps the object alive as long as the program runs. Main thread.
class TOrvMailImportInstance
{
public:
    TOrvMailImportInstance();
    // True for the first copy. Otherwise posts 1367 to "TFM_MailImportMain" (when that
    // window listens) and answers false.
    bool tryStart();

private:
    Ipc::SingleInstance m_lock;
};

} // namespace Mail
