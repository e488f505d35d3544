#pragma once

#include "mailimport/clients/MailStoreClient.h"

#include <memory>

namespace Domino { class NotesSession; }

namespace Mail {

// The Lotus Notes client over a Notes mail database exported as DXL (section "notes7"):
// folders are views addressed by name (InboxName, OutboxName), messages by the document's
// universal identifier. The session is made at first use with the password of the settings
// and kept. Every operation turns the session's MIME conversion off, so that MIME bodies
// are read as MIME, and turns it back on whichever way it ends.
//
// Threads: the downloader opens its own session; the client's own session serves the
// calling thread (the mail manager never runs two at once).
class TOrvLotusClient : public MailStoreClient
{
public:
    TOrvLotusClient();
    ~TOrvLotusClient() override;

    void CreateSettings() override;
    QString GetClientName() const override;
    bool IsAvailable() override;
    // The body is the first HTML part of a MIME body (else its last plain part) or the
    // rich-text body as text; the attachments are the document's files.
    bool LoadDetail(TOrvMail &mail) override;
    std::unique_ptr<TOrvMailDownloader> CreateDownloader(std::shared_ptr<TOrvMailList> mails) override;
    // A file of the document by name, ignoring case.
    std::optional<QByteArray> AttachmentData(const TOrvMail &mail, const QString &fileName) override;
    // Every view of the database: `id` the view's name, `name` and `displayText` as the
    // picker offers it (PickerName).
    QList<MailFolder> ListFolders() override;

    // "($Inbox)" is offered as "$Inbox"; "()" and names without both parentheses stay.
    static QString PickerName(const QString &viewName);
    // The session's MIME-conversion switch as the operations leave it (Notes' default: on).
    bool sessionConvertsMime() const;

private:
    Domino::NotesSession &session();

    std::unique_ptr<Domino::NotesSession> m_session;
    QString m_sessionStore;
};

} // namespace Mail
