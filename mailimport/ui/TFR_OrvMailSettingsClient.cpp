#include "mailimport/ui/TFR_OrvMailSettingsClient.h"

#include "mailimport/ui/TFR_OrvMailSettingsLotus.h"
#include "mailimport/ui/TFR_OrvMailSettingsOutlookExpress.h"

#include "mailimport/TOrvMailClient.h"

#include "base/MessageService.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace MailUi {

FolderPicker listFolderPicker(FolderLister lister)
{
    return [lister = std::move(lister)](Mail::TOrvMailClient &client, QWidget *parent) {
        return TFM_PickFolder::pick(lister ? lister(client) : QList<FolderEntry>(), parent);
    };
}

TFR_OrvMailSettingsClient::TFR_OrvMailSettingsClient(Mail::TOrvMailClient &client, FolderPicker picker,
                                                     QWidget *parent)
    : QWidget(parent)
    , m_client(client)
    , m_picker(std::move(picker))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setColumnStretch(0, 1);
}

bool TFR_OrvMailSettingsClient::LoadSettings()
{
    return false;
}

bool TFR_OrvMailSettingsClient::SaveSettings()
{
    return false;
}

bool TFR_OrvMailSettingsClient::Validate()
{
    return false;
}

Mail::TOrvMailClientSettings *TFR_OrvMailSettingsClient::settings() const
{
    return m_client.settings();
}

bool TFR_OrvMailSettingsClient::foldersDiffer(const QString &inbox, const QString &outbox)
{
    if (inbox.trimmed().toLower() != outbox.trimmed().toLower())
        return true;
    Orv::showMessage(tr("Upozornění"), tr("Složka doručené pošty musí být odlišná od složky odeslané pošty."),
                     Orv::MsgIcon::Warning);
    return false;
}

std::optional<FolderEntry> TFR_OrvMailSettingsClient::runPicker()
{
    return m_picker ? m_picker(m_client, this) : std::nullopt;
}

TFR_OrvMailSettingsClient::FolderRow TFR_OrvMailSettingsClient::addFolderRow(
    int row, const QString &labelName, const QString &caption, const QString &editName, const QString &buttonName)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    auto *label = new QLabel(caption, this);
    label->setObjectName(labelName);
    FolderRow controls;
    controls.edit = new QLineEdit(this);
    controls.edit->setObjectName(editName);
    label->setBuddy(controls.edit);
    controls.button = new QToolButton(this);
    controls.button->setObjectName(buttonName);
    controls.button->setText(QStringLiteral("..."));
    grid->addWidget(label, row * 2, 0, 1, 2);
    grid->addWidget(controls.edit, row * 2 + 1, 0);
    grid->addWidget(controls.button, row * 2 + 1, 1);
    return controls;
}

void TFR_OrvMailSettingsClient::addStretch()
{
    auto *grid = static_cast<QGridLayout *>(layout());
    const int row = grid->rowCount();
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), row, 0);
    grid->setRowStretch(row, 1);
}

void registerSettingsFrames(FolderLister lister)
{
    const FolderPicker picker = listFolderPicker(std::move(lister));
    Mail::TOrvMailClient::registerSettingsFrame(QStringLiteral("outlook2k"),
        [picker](Mail::TOrvMailClient &client, QWidget *owner) -> QWidget * {
            return new TFR_OrvMailSettingsOutlook(client, picker, owner);
        });
    Mail::TOrvMailClient::registerSettingsFrame(QStringLiteral("outlookexpress"),
        [picker](Mail::TOrvMailClient &client, QWidget *owner) -> QWidget * {
            return new TFR_OrvMailSettingsOutlookExpress(client, picker, owner);
        });
    Mail::TOrvMailClient::registerSettingsFrame(QStringLiteral("notes7"),
        [picker](Mail::TOrvMailClient &client, QWidget *owner) -> QWidget * {
            return new TFR_OrvMailSettingsLotus(client, picker, owner);
        });
}

} // namespace MailUi
