#pragma once

#include "mailimport/ui/TFR_OrvMailSettingsClient.h"

namespace MailUi {

// The window side of OrvantaMailImport for main(): registers the client pages of the
// settings dialog (their folder pickers list folders through `folderLister`), installs the
// message-box service, shows TFM_MailImportMain and runs the event loop until it closes;
// then "!Log.txt" is written when anything was logged. Needs a QApplication; the mail
// clients must be registered with TOrvMailManager::setDefaultClientFactories() before.
// Returns the exit code of the event loop.
int runMainWindow(const FolderLister &folderLister = {});

} // namespace MailUi
