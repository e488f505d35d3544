#include "mailimport/ui/TFR_OrvMailSettingsOutlookExpress.h"

namespace MailUi {

TFR_OrvMailSettingsOutlookExpress::TFR_OrvMailSettingsOutlookExpress(Mail::TOrvMailClient &client,
                                                                     FolderPicker picker, QWidget *parent)
    : TFR_OrvMailSettingsOutlook(client, std::move(picker), parent)
{
    setObjectName(QStringLiteral("FR_OrvMailSettingsOutlookExpress"));
}

} // namespace MailUi
