#pragma once

#include "mailimport/TOrvMail.h"
#include "mailimport/TOrvMailContact.h"
#include "mailimport/TOrvMailSaver.h"

#include <QObject>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace Mail {

class TOrvMailAction;
class TOrvMailClient;
class TOrvMailList;

// What the manager reports while idle: the number of listed messages, and why a worker of
// the last run failed, if one did.
struct TOrvMailManagerStatus
{
    enum Kind : quint8 { Idle = 0, Failed = 1 };
    quint8 kind = Idle;
    QString text;
};

// The controller of the mail import program: the available mail clients, the shared
// message list, the database object and the queue of workers (download, automatic import,
// link reloading) that run one after the other.
//
// Design note — the queue:
//   states   idle (no running worker, empty queue) → running (one worker, rest queued)
//   Start    stops everything, queues the workers of the flags and starts the first;
//            emits started() when anything was queued
//   a worker ends (also by an exception) → the next queued one starts; after the last,
//            finished(). A worker that failed is reported by workerFailed() and in Status().
//   Stop     ends the running worker and drops the queued ones, without finished();
//            StopAll emits finished() when something was stopped.
// Invariant: at most one worker runs, and while one runs only it uses the database and the
// message list's messages; the main thread waits for idle before touching them (LoadDetail,
// the save operations and OpenDatabase refuse or stop first).
//
// Ownership: owns the clients, the list (shared with the workers), the contact object and
// the workers. Threads: a main-thread object; the signals come in the main thread.
class TOrvMailManager : public QObject
{
    Q_OBJECT

public:
    enum StartFlag {
        Download = 1,
        Reload = 2,
        AutoImport = 4,
        Everything = Download | Reload | AutoImport,
    };
    Q_DECLARE_FLAGS(StartFlags, StartFlag)

    // Makes one client; may return null or throw when the client cannot be made.
    using ClientFactory = std::function<std::unique_ptr<TOrvMailClient>()>;
    // The settings dialog with the available clients; true when it was confirmed.
    using SettingsDialog = std::function<bool(const QList<TOrvMailClient *> &clients)>;

    // Creates the clients in the order of the factories (Outlook, Lotus Notes, Outlook
    // Express in the program), keeps those that are available and selects MailClientID.
    explicit TOrvMailManager(const QList<ClientFactory> &clientFactories = defaultClientFactories(),
                             QObject *parent = nullptr);
    ~TOrvMailManager() override;

    // The factories registered by main(), else the real clients of mailimport/clients
    // (Outlook, Lotus Notes, Outlook Express) when they are built in, else none.
    static QList<ClientFactory> defaultClientFactories();
    static void setDefaultClientFactories(const QList<ClientFactory> &factories);

    QList<TOrvMailClient *> clients() const;
    TOrvMailClient *currentClient() const { return m_current; }
    // The first client whose settings section is `id` exactly; none → no current client.
    void SelectClient(const QString &id);
    // Opens the profile's database with the attachment directory DataPath.
    bool OpenDatabase(const QString &profilePath);

    // Queues the workers of the flags (download, automatic import, reload, in this order)
    // and starts the first. Without a current client it asks whether to set the program up
    // ("Neplatné nastavení") and starts nothing. True when a worker started.
    bool Start(StartFlags flags);
    bool Stop();
    void StopAll();
    bool IsRunning() const { return m_running != nullptr; }

    // The message's detail (from the client, when missing or forced) and its database
    // state (when missing or forced). False without a current client or while a worker runs.
    bool LoadDetail(TOrvMail &mail, bool force);

    struct Lists
    {
        QList<TOrvMailPtr> inbox;
        QList<TOrvMailPtr> outbox;
    };
    // The messages of each direction in the order of its sort mode (TOrvMailListOrder).
    Lists FillLists(int inboxMode, int outboxMode) const;

    TOrvMailManagerStatus Status() const;
    // Errors of the workers of the last run, in the order they failed.
    QStringList failures() const { return m_failures; }

    // The save commands for the subject now open in the host (ContactInfo.ini read anew).
    // When something was stored the host is told to refresh. Nothing while a worker runs.
    TOrvMailSaver::Result SaveMessage(TOrvMail &mail, const QStringList &tickedAttachments);
    bool SaveAddress(const TOrvMail &mail);

    // Runs the dialog set by setSettingsDialog(); after a confirmation selects the client
    // that MailClientID now names. False without a dialog or when it was cancelled.
    bool RunSettingsDialog();
    void setSettingsDialog(SettingsDialog dialog) { m_settingsDialog = std::move(dialog); }

    std::shared_ptr<TOrvMailList> mails() const { return m_mails; }
    TOrvMailContact &contact() { return m_contact; }

signals:
    void started();
    void finished();
    void statusChanged(const QString &text);
    // A worker ended with an error; `text` says which and why (Czech).
    void workerFailed(const QString &text);

private:
    void enqueue(std::unique_ptr<TOrvMailAction> worker, const QString &description);
    void onWorkerFinished(quint64 serial);
    void startNext();

    struct Queued
    {
        std::unique_ptr<TOrvMailAction> worker;
        QString description;     // what failed, for the status line
        quint64 serial = 0;
    };

    std::shared_ptr<TOrvMailList> m_mails;
    TOrvMailContact m_contact;
    std::vector<std::unique_ptr<TOrvMailClient>> m_clients;
    TOrvMailClient *m_current = nullptr;
    std::deque<Queued> m_queue;
    std::unique_ptr<Queued> m_running;
    quint64 m_nextSerial = 1;
    QStringList m_failures;
    SettingsDialog m_settingsDialog;
};

} // namespace Mail

Q_DECLARE_OPERATORS_FOR_FLAGS(Mail::TOrvMailManager::StartFlags)
