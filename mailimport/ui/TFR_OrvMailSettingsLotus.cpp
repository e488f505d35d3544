#include "mailimport/ui/TFR_OrvMailSettingsLotus.h"

#include "mailimport/TOrvMailClient.h"
#include "mailimport/TOrvMailSettingsLotus.h"

#include "base/Errors.h"
#include "base/Guarded.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace MailUi {

TFR_OrvMailSettingsLotus::TFR_OrvMailSettingsLotus(Mail::TOrvMailClient &client, FolderPicker picker,
                                                   QWidget *parent)
    : TFR_OrvMailSettingsClient(client, std::move(picker), parent)
{
    setObjectName(QStringLiteral("FR_OrvMailSettingsLotus"));
    resize(420, 95);
    auto *grid = static_cast<QGridLayout *>(layout());
    auto *label = new QLabel(tr("Heslo do Lotus Notes"), this);
    label->setObjectName(QStringLiteral("LB_Pass"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("ED_Pass"));
    m_password->setEchoMode(QLineEdit::Password);
    label->setBuddy(m_password);
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(m_password, 1, 0);
    m_inbox = addFolderRow(1, QStringLiteral("LB_Inbox"), tr("Název složky doručené pošty"),
                           QStringLiteral("ED_Inbox"), QStringLiteral("SB_PickFolderInbox"));
    m_outbox = addFolderRow(2, QStringLiteral("LB_Outbox"), tr("Název složky odeslané pošty"),
                            QStringLiteral("ED_Outbox"), QStringLiteral("SB_PickFolderOutbox"));
    addStretch();

    // The inbox picker fails quietly (the name can still be typed); the outbox picker
    // tells why it could not list the views.
    connect(m_inbox.button, &QToolButton::clicked, this, [this] {
        try {
            if (const std::optional<FolderEntry> view = runPicker())
                m_inbox.edit->setText(view->name);
        } catch (const std::exception &) {
        }
    });
    connect(m_outbox.button, &QToolButton::clicked, this, [this] {
        Orv::guarded([this] {
            if (const std::optional<FolderEntry> view = runPicker())
                m_outbox.edit->setText(view->name);
        });
    });
}

bool TFR_OrvMailSettingsLotus::LoadSettings()
{
    const auto *lotus = dynamic_cast<const Mail::TOrvMailSettingsLotus *>(settings());
    if (!lotus)
        return false;
    m_password->setText(lotus->Password);
    m_inbox.edit->setText(lotus->InboxName);
    m_outbox.edit->setText(lotus->OutboxName);
    return true;
}

bool TFR_OrvMailSettingsLotus::SaveSettings()
{
    auto *lotus = dynamic_cast<Mail::TOrvMailSettingsLotus *>(settings());
    if (!lotus)
        return false;
    lotus->Password = m_password->text();
    lotus->InboxName = m_inbox.edit->text();
    lotus->OutboxName = m_outbox.edit->text();
    return true;
}

bool TFR_OrvMailSettingsLotus::Validate()
{
    return foldersDiffer(m_inbox.edit->text(), m_outbox.edit->text());
}

} // namespace MailUi
