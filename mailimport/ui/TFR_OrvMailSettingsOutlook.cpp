#include "mailimport/ui/TFR_OrvMailSettingsOutlook.h"

#include "mailimport/TOrvMailClient.h"
#include "mailimport/TOrvMailSettingsOutlook.h"

#include "base/Guarded.h"

#include <QLineEdit>
#include <QToolButton>

namespace MailUi {

TFR_OrvMailSettingsOutlook::TFR_OrvMailSettingsOutlook(Mail::TOrvMailClient &client, FolderPicker picker,
                                                       QWidget *parent)
    : TFR_OrvMailSettingsClient(client, std::move(picker), parent)
{
    setObjectName(QStringLiteral("FR_OrvMailSettingsOutlook"));
    resize(420, 143);
    m_inbox = addFolderRow(0, QStringLiteral("LB_Inbox"), tr("Název složky doručené pošty"),
                           QStringLiteral("ED_Inbox"), QStringLiteral("SB_SelectInbox"));
    m_outbox = addFolderRow(1, QStringLiteral("LB_Outbox"), tr("Název složky odeslané pošty"),
                            QStringLiteral("ED_Outbox"), QStringLiteral("SB_SelectOutbox"));
    addStretch();
    for (QLineEdit *edit : {m_inbox.edit, m_outbox.edit}) {
        edit->setReadOnly(true);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        edit->setPalette(palette);
    }
    connect(m_inbox.button, &QToolButton::clicked, this, [this] { pick(m_inbox, m_inboxId); });
    connect(m_outbox.button, &QToolButton::clicked, this, [this] { pick(m_outbox, m_outboxId); });
}

void TFR_OrvMailSettingsOutlook::pick(FolderRow &row, QString &id)
{
    Orv::guarded([&] {
        if (const std::optional<FolderEntry> folder = runPicker()) {
            row.edit->setText(folder->name);
            id = folder->id;
        }
    });
}

bool TFR_OrvMailSettingsOutlook::LoadSettings()
{
    const auto *outlook = dynamic_cast<const Mail::TOrvMailSettingsOutlook *>(settings());
    if (!outlook)
        return false;
    m_inbox.edit->setText(outlook->InboxName);
    m_outbox.edit->setText(outlook->OutboxName);
    m_inboxId = outlook->InboxID;
    m_outboxId = outlook->OutboxID;
    return true;
}

bool TFR_OrvMailSettingsOutlook::SaveSettings()
{
    auto *outlook = dynamic_cast<Mail::TOrvMailSettingsOutlook *>(settings());
    if (!outlook)
        return false;
    outlook->InboxName = m_inbox.edit->text();
    outlook->OutboxName = m_outbox.edit->text();
    outlook->InboxID = m_inboxId;
    outlook->OutboxID = m_outboxId;
    return true;
}

bool TFR_OrvMailSettingsOutlook::Validate()
{
    return foldersDiffer(m_inbox.edit->text(), m_outbox.edit->text());
}

} // namespace MailUi
