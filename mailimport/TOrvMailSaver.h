#pragma once

#include "mailimport/TOrvContactInfo.h"
#include "mailimport/TOrvMail.h"

#include <QCoreApplication>
#include <QStringList>

namespace Mail {

class TOrvMailClient;
class TOrvMailContact;

// The save commands of the main window and the headless run: a message with its ticked
// attachments, or a message's address, stored for the subject now open in the host.
// Questions and warnings go through Orv::MessageService.
//
// Ownership: observes the contact object and the client, which outlive it. A short-lived
// helper: make one per command with the ContactInfo.ini just read.
// Threads: the thread that holds the database (normally the main thread, no worker running).
class TOrvMailSaver
{
    Q_DECLARE_TR_FUNCTIONS(Mail::TOrvMailSaver)

public:
    struct Result
    {
        bool saved = false;              // the message script ran for a subject
        QStringList documents;           // paths of the attachments stored as documents
        QStringList failedAttachments;   // attachments not written (no document stored)
    };

    TOrvMailSaver(TOrvMailContact &contact, TOrvMailClient *client, const TOrvContactInfo &context);

    // Stores the message and links it to the current subject, then writes each ticked
    // attachment into the attachment directory and stores it as the subject's document,
    // then reloads the message's detail and database state. Attachments that could not be
    // written get no document and are named in one warning; without a usable attachment
    // directory none is written and the warning says why. Throws EOrvDatabaseError when a
    // save script fails (that script has stored nothing).
    Result saveMessage(TOrvMail &mail, const QStringList &tickedAttachments);

    // Offers to store the message's address (trimmed, lower case) as an e-mail connection
    // of the current subject, or warns that the subject has it already. True when stored.
    bool saveAddress(const TOrvMail &mail);

private:
    TOrvMailContact &m_contact;
    TOrvMailClient *m_client;
    TOrvContactInfo m_context;
};

} // namespace Mail
