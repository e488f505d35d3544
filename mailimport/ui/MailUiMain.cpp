#include "mailimport/ui/MailUiMain.h"

#include "mailimport/ui/TFM_MailImportMain.h"

#include "base/WidgetMessageService.h"

#include <QApplication>

namespace MailUi {

int runMainWindow(const FolderLister &folderLister)
{
    Orv::MessageService::install(std::make_unique<Orv::WidgetMessageService>());
    registerSettingsFrames(folderLister);
    TFM_MailImportMain window;
    window.show();
    return QApplication::exec();
}

} // namespace MailUi
