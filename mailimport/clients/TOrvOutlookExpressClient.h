#pragma once

#include "mailimport/clients/MailStoreClient.h"

#include <QDateTime>

namespace Mail {

// The Windows Mail / Outlook Express client over a tree of .eml folders or a Maildir
// (section "outlookexpress"). Folders are addressed by their stable 32-bit identifiers
// (InboxID, OutboxID in decimal), messages by their number within the folder
// (MessageNumber); UniqueId is the Message-ID, else FallbackKey().
//
// Threads: every operation opens the store for itself, so any thread may call.
class TOrvOutlookExpressClient : public MailStoreClient
{
    Q_DECLARE_TR_FUNCTIONS(Mail::TOrvOutlookExpressClient)

public:
    TOrvOutlookExpressClient() = default;

    void CreateSettings() override;
    QString GetClientName() const override;
    bool IsAvailable() override;
    bool LoadDetail(TOrvMail &mail) override;
    std::unique_ptr<TOrvMailDownloader> CreateDownloader(std::shared_ptr<TOrvMailList> mails) override;
    // The attachment whose display name equals `fileName`, ignoring case and blanks at the ends.
    std::optional<QByteArray> AttachmentData(const TOrvMail &mail, const QString &fileName) override;
    // The folders directly under the store's root; `id` is the identifier in decimal.
    QList<MailFolder> ListFolders() override;

    // The key of a message without Message-ID: "{low.high.sender}", low and high being the
    // halves of the received time as a Windows file time (0 when there is none).
    static QString FallbackKey(const QDateTime &received, const QString &sender);
};

} // namespace Mail
