#pragma once

#include "mailimport/ui/TFR_OrvMailSettingsOutlook.h"

namespace MailUi {

// The Outlook Express client's page: the Outlook page unchanged, for its own settings.
class TFR_OrvMailSettingsOutlookExpress : public TFR_OrvMailSettingsOutlook
{
    Q_OBJECT

public:
    TFR_OrvMailSettingsOutlookExpress(Mail::TOrvMailClient &client, FolderPicker picker, QWidget *parent);
};

} // namespace MailUi
