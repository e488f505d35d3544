#pragma once

#include "mailimport/ui/TFR_OrvMailSettingsClient.h"

namespace MailUi {

// The Outlook client's page: the inbox and outbox folders, chosen with the picker only
// (the edits are read-only); the identifiers of the chosen folders are saved with them.
class TFR_OrvMailSettingsOutlook : public TFR_OrvMailSettingsClient
{
    Q_OBJECT

public:
    TFR_OrvMailSettingsOutlook(Mail::TOrvMailClient &client, FolderPicker picker, QWidget *parent);

    bool LoadSettings() override;
    bool SaveSettings() override;
    bool Validate() override;

    QLineEdit *inboxEdit() const { return m_inbox.edit; }
    QLineEdit *outboxEdit() const { return m_outbox.edit; }
    QToolButton *inboxButton() const { return m_inbox.button; }
    QToolButton *outboxButton() const { return m_outbox.button; }

private:
    void pick(FolderRow &row, QString &id);

    FolderRow m_inbox;
    FolderRow m_outbox;
    QString m_inboxId;
    QString m_outboxId;
};

} // namespace MailUi
