#pragma once

#include "mailimport/ui/TFM_PickFolder.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLineEdit;
class QToolButton;

namespace Mail {
class TOrvMailClient;
class TOrvMailClientSettings;
}

namespace MailUi {

// Offers the client's folders and returns the one chosen (nothing when cancelled). May
// throw EOrvError when the client's store cannot be read.
using FolderPicker = std::function<std::optional<FolderEntry>(Mail::TOrvMailClient &client, QWidget *parent)>;
// The folders of a client's store (what the picker lists).
using FolderLister = std::function<QList<FolderEntry>(Mail::TOrvMailClient &client)>;

// A picker that lists the client's folders in TFM_PickFolder.
FolderPicker listFolderPicker(FolderLister lister);

// The client's page of the settings dialog: edits the client's settings object.
// Owned by the dialog's page; the client (and so its settings) outlives it.
class TFR_OrvMailSettingsClient : public QWidget
{
    Q_OBJECT

public:
    TFR_OrvMailSettingsClient(Mail::TOrvMailClient &client, FolderPicker picker, QWidget *parent);

    // Controls ← settings; false unless the settings are of this frame's kind.
    virtual bool LoadSettings();
    // Settings ← controls; the same test.
    virtual bool SaveSettings();
    // May the dialog close with these values? Warns the user when not.
    virtual bool Validate();

    Mail::TOrvMailClient &client() const { return m_client; }
    Mail::TOrvMailClientSettings *settings() const;

protected:
    // The two folder names must differ (trimmed, ignoring case); warns when they do not.
    static bool foldersDiffer(const QString &inbox, const QString &outbox);
    // Asks the client's picker; nothing when cancelled. Errors reach the caller.
    std::optional<FolderEntry> runPicker();

    // Three controls of a folder row, created by addFolderRow().
    struct FolderRow
    {
        QLineEdit *edit = nullptr;
        QToolButton *button = nullptr;
    };
    // A caption above an edit with a "..." button; `row` counts such pairs from the top.
    FolderRow addFolderRow(int row, const QString &labelName, const QString &caption,
                           const QString &editName, const QString &buttonName);
    // Keeps the rows at the top of the page.
    void addStretch();

private:
    Mail::TOrvMailClient &m_client;
    FolderPicker m_picker;
};

// Registers the three client frames with TOrvMailClient::CreateSettingsFrame (Outlook,
// Outlook Express, Notes), each with a picker over `lister`. Call once at start.
void registerSettingsFrames(FolderLister lister);

} // namespace MailUi
