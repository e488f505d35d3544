#pragma once

#include "mailimport/clients/MailStoreClient.h"

#include <QDateTime>

#include <memory>

namespace Pst { class NameSpace; }

namespace Mail {

class TOrvMailGlobalSettings;

// The Outlook client over a personal-folders file (.pst, section "outlook2k"). Folders and
// messages are addressed by their entry identifiers (InboxID, OutboxID, UniqueId). The list
// shows the sender's and recipients' display names; LoadDetail replaces them by addresses.
//
// Threads: the store is opened once per thread and reopened when another thread calls (as
// each thread had its own Outlook session); the downloader opens its own.
class TOrvOutlookClient : public MailStoreClient
{
public:
    TOrvOutlookClient();
    ~TOrvOutlookClient() override;

    void CreateSettings() override;
    QString GetClientName() const override;
    bool IsAvailable() override;
    bool LoadDetail(TOrvMail &mail) override;
    std::unique_ptr<TOrvMailDownloader> CreateDownloader(std::shared_ptr<TOrvMailList> mails) override;
    // Exact, case-sensitive match of the attachment's file name.
    std::optional<QByteArray> AttachmentData(const TOrvMail &mail, const QString &fileName) override;
    // The folder tree under the store's root; `id` is the folder's EntryID.
    QList<MailFolder> ListFolders() override;

    // The restriction the downloader gives Items.Find: received since the filter's first
    // day (now minus FilterValue days), or since 1 January 1980 with the filter off.
    static QString FindFilter(const TOrvMailGlobalSettings &global, const QDateTime &now);

private:
    Pst::NameSpace &nameSpace();

    struct Session;
    std::unique_ptr<Session> m_session;
};

} // namespace Mail
