#pragma once

#include "mailimport/ui/TFR_OrvMailSettingsClient.h"

namespace MailUi {

// The Notes client's page: the password and the names of the inbox and outbox views.
class TFR_OrvMailSettingsLotus : public TFR_OrvMailSettingsClient
{
    Q_OBJECT

public:
    TFR_OrvMailSettingsLotus(Mail::TOrvMailClient &client, FolderPicker picker, QWidget *parent);

    bool LoadSettings() override;
    bool SaveSettings() override;
    bool Validate() override;

    QLineEdit *passwordEdit() const { return m_password; }
    QLineEdit *inboxEdit() const { return m_inbox.edit; }
    QLineEdit *outboxEdit() const { return m_outbox.edit; }

private:
    QLineEdit *m_password;
    FolderRow m_inbox;
    FolderRow m_outbox;
};

} // namespace MailUi
