#pragma once

#include "mailimport/TOrvMail.h"
#include "mailimport/TOrvMailAction.h"
#include "mailimport/TOrvMailClientSettings.h"
#include "mailimport/TOrvMailGlobalSettings.h"

#include <memory>

namespace Mail {

class TOrvMailList;

// Base of the client downloaders: a worker that reads the client's inbox (direction 0)
// and then its outbox (direction 1) and adds every message to the shared list.
// A client's Execute() calls PassesFilter() for each message when it cannot filter in the
// client itself, then AddMail(), sleeps 1 ms and stops as soon as Terminated() is set.
//
// Ownership: created by TOrvMailClient::CreateDownloader, owned by the mail manager. It
// holds its own copies of the client's and the global settings, and shares the list.
// Threads: AddMail and PassesFilter run in the worker thread.
class TOrvMailDownloader : public TOrvMailAction
{
    Q_OBJECT

public:
    TOrvMailDownloader(std::shared_ptr<TOrvMailList> mails, const TOrvMailClientSettings &settings,
                       const TOrvMailGlobalSettings &global = TOrvMailGlobalSettings::instance());
    ~TOrvMailDownloader() override;

    // Appends a new message; every 10th message reports the count as the status.
    void AddMail(TOrvMailDirection direction, const QString &uniqueId, const QDateTime &date,
                 const QString &subject, const QString &from, const QString &to, bool hasAttach,
                 qint32 messageNumber);
    // True with the filter off, else when the message is at most FilterValue whole days old.
    bool PassesFilter(const QDateTime &date) const;

    const TOrvMailClientSettings &settings() const { return *m_settings; }
    const TOrvMailGlobalSettings &globalSettings() const { return m_global; }
    TOrvMailList &mails() const { return *m_mails; }

private:
    std::shared_ptr<TOrvMailList> m_mails;
    std::unique_ptr<TOrvMailClientSettings> m_settings;
    TOrvMailGlobalSettings m_global;
};

} // namespace Mail
