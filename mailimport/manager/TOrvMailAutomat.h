#pragma once

#include "mailimport/TOrvContactInfo.h"
#include "mailimport/TOrvMailContact.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/manager/TOrvMailListWorker.h"

#include "base/MessageService.h"

#include <QAtomicInt>

#include <optional>

namespace Mail {

class TOrvMailClient;

// The automatic import: stores, without the user choosing a subject, every listed message
// that is not stored yet and whose address (From of a received, To of a sent message)
// belongs to exactly one firm or person, and links it to that subject. Received and sent
// messages are switched on separately (InboxAutomat, OutboxAutomat); with PromptForImport
// each message is confirmed first.
//
// Ownership: made and owned by the mail manager; observes the contact object and the
// client. Takes a copy of the global settings when made.
// Threads: Execute() runs in the worker. Questions are asked in the main thread (the
// thread of QCoreApplication) while the worker waits; a stop requested meanwhile ends the
// wait at once and the question, if not yet shown, is never shown.
class TOrvMailAutomat : public TOrvMailListWorker
{
    Q_OBJECT

public:
    TOrvMailAutomat(std::shared_ptr<TOrvMailList> mails, TOrvMailContact *contact, TOrvMailClient *client,
                    const TOrvMailGlobalSettings &settings = TOrvMailGlobalSettings::instance());

    // Messages this run has stored; read it after the worker ended.
    int storedCount() const { return m_stored.loadRelaxed(); }

    // The text of the confirmation box: the subject's name and address (when found), then
    // the message's subject, sender and recipient.
    static QString confirmationText(const TOrvMail &mail, const std::optional<SubjectDetail> &subject);
    static QString confirmationCaption();

protected:
    void Execute() override;
    QString progressPrefix() const override;

private:
    void importOne(TOrvMail &mail, const TOrvContactInfo &context);
    bool wanted(const TOrvMail &mail) const;
    Orv::MsgButton askInMainThread(const QString &text);

    TOrvMailClient *m_client;
    TOrvMailGlobalSettings m_settings;
    QAtomicInt m_stored;
};

} // namespace Mail
