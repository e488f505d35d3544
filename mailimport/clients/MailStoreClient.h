#pragma once

#include "mailimport/TOrvMailClient.h"

#include <QList>
#include <QString>

namespace Mail {

// One folder of a client's store as the folder picker and the headless folder listing show
// it. `id` is what the client's settings keep (InboxID/OutboxID, or the view name of
// Notes); `name` is the folder's own name, `displayText` the picker's item text.
struct MailFolder
{
    QString id;
    QString name;
    QString displayText;
    int messageCount = 0;
    // Outlook folders of calendar, contact … items cannot be chosen as mail folders.
    bool isMailFolder = true;
    QList<MailFolder> children;

    bool operator==(const MailFolder &other) const = default;
};

// Base of the clients that read a mail store on disk. Where each client's store lives is
// the key "Store" of the client's section ("outlook2k", "outlookexpress", "notes7") of
// mailstores.ini in the program directory; a relative path counts from that directory.
//
// Threads: as TOrvMailClient; ListFolders runs in the calling thread.
class MailStoreClient : public TOrvMailClient
{
    Q_DECLARE_TR_FUNCTIONS(Mail::MailStoreClient)

public:
    static QString storesFileName();            // <program directory>/mailstores.ini

    // The configured store's absolute path, empty when mailstores.ini names none.
    QString storeLocation() const;
    // The store's folders for the folder picker. Throws EOrvError with a Czech text when
    // the store is not configured or cannot be read.
    virtual QList<MailFolder> ListFolders() = 0;

    // As TOrvMailClient::SaveAttachment; a store that cannot be read gives its Czech error
    // text in *errorText instead of an exception.
    QString SaveAttachment(const TOrvMail &mail, const QString &fileName, const QString &directory,
                           QString *errorText = nullptr) override;
    // These clients' AttachmentData gives nothing when the message or the attachment is not
    // found and throws EOrvError when the store cannot be read.

    // `store` when it is not empty, else throws the error of requireStoreLocation() (for
    // downloaders: they get the location when they are made and fail only when they run).
    static QString checkedStore(const QString &store, const QString &clientName, const QString &section);

protected:
    MailStoreClient() = default;
    // storeLocation(), or throws EOrvUserError when none is configured.
    QString requireStoreLocation() const;
};

// The folders of `client` when it reads a store (see MailStoreClient::ListFolders), else
// an empty list.
QList<MailFolder> listMailFolders(TOrvMailClient &client);

} // namespace Mail
