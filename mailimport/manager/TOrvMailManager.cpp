#include "mailimport/manager/TOrvMailManager.h"

#include "mailimport/TOrvContactInfo.h"
#include "mailimport/TOrvMailClient.h"
#include "mailimport/TOrvMailDownloader.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailList.h"
#include "mailimport/manager/MailHostMessages.h"
#include "mailimport/manager/TOrvMailAutomat.h"
#include "mailimport/manager/TOrvMailContactReloader.h"
#include "mailimport/manager/TOrvMailListOrder.h"

#include "base/MessageService.h"

#include "mailimport/clients/MailClients.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace Mail {

Q_LOGGING_CATEGORY(lcManager, "orvanta.mail.manager")

namespace {

QList<TOrvMailManager::ClientFactory> &registeredFactories()
{
    static QList<TOrvMailManager::ClientFactory> factories;
    return factories;
}

} // namespace

TOrvMailManager::TOrvMailManager(const QList<ClientFactory> &clientFactories, QObject *parent)
    : QObject(parent)
    , m_mails(std::make_shared<TOrvMailList>())
{
    for (const ClientFactory &factory : clientFactories) {
        try {
            std::unique_ptr<TOrvMailClient> client = factory ? factory() : nullptr;
            if (client && client->IsAvailable())
                m_clients.push_back(std::move(client));
        } catch (const std::exception &error) {
            // A client that cannot even be made is as good as not installed.
            qCWarning(lcManager) << "mail client not created:" << error.what();
        }
    }
    SelectClient(TOrvMailGlobalSettings::instance().MailClientID);
}

TOrvMailManager::~TOrvMailManager()
{
    Stop();
}

QList<TOrvMailManager::ClientFactory> TOrvMailManager::defaultClientFactories()
{
    if (!registeredFactories().isEmpty())
        return registeredFactories();
    return mailClientFactories();
}

void TOrvMailManager::setDefaultClientFactories(const QList<ClientFactory> &factories)
{
    registeredFactories() = factories;
}

QList<TOrvMailClient *> TOrvMailManager::clients() const
{
    QList<TOrvMailClient *> result;
    for (const auto &client : m_clients)
        result << client.get();
    return result;
}

void TOrvMailManager::SelectClient(const QString &id)
{
    m_current = nullptr;
    for (const auto &client : m_clients) {
        if (client->settings()->GetSection() == id) {
            m_current = client.get();
            return;
        }
    }
}

bool TOrvMailManager::OpenDatabase(const QString &profilePath)
{
    // The workers hold the database; never swap it under them.
    StopAll();
    return m_contact.Open(profilePath, TOrvMailGlobalSettings::instance().DataPath);
}

bool TOrvMailManager::Start(StartFlags flags)
{
    Stop();
    if (!m_current) {
        const Orv::MsgButton answer =
            Orv::showMessage(tr("Neplatné nastavení"),
                             tr("Import e-mailů dosud nebyl nastaven.\r\nPřejete si program nastavit nyní ?"),
                             Orv::MsgIcon::Warning, Orv::MsgButtons::YesNo);
        if (answer == Orv::MsgButton::Yes)
            RunSettingsDialog();
        return false;
    }
    m_failures.clear();
    if (flags & Download)
        enqueue(m_current->CreateDownloader(m_mails), tr("Načítání e-mailů selhalo: "));
    if (flags & AutoImport)
        enqueue(std::make_unique<TOrvMailAutomat>(m_mails, &m_contact, m_current),
                tr("Automatizovaný import selhal: "));
    if (flags & Reload)
        enqueue(std::make_unique<TOrvMailContactReloader>(m_mails, &m_contact), tr("Načítání vazeb selhalo: "));
    if (m_queue.empty())
        return false;
    emit started();
    if (flags & Download)
        m_mails->clear();
    startNext();
    return true;
}

void TOrvMailManager::enqueue(std::unique_ptr<TOrvMailAction> worker, const QString &description)
{
    if (!worker)
        return;
    const quint64 serial = m_nextSerial++;
    connect(worker.get(), &TOrvMailAction::statusChanged, this, &TOrvMailManager::statusChanged);
    // `finished` comes from the worker's thread and is queued to this object. A stopped
    // worker may have queued it already: the serial tells a stale one apart.
    connect(worker.get(), &QThread::finished, this, [this, serial] { onWorkerFinished(serial); });
    m_queue.push_back(Queued{std::move(worker), description, serial});
}

void TOrvMailManager::startNext()
{
    if (m_queue.empty()) {
        m_running.reset();
        emit finished();
        return;
    }
    m_running = std::make_unique<Queued>(std::move(m_queue.front()));
    m_queue.pop_front();
    m_running->worker->start();
}

void TOrvMailManager::onWorkerFinished(quint64 serial)
{
    if (!m_running || m_running->serial != serial)
        return;
    const std::unique_ptr<Queued> done = std::move(m_running);
    done->worker->wait();
    const QString error = done->worker->errorText();
    if (!error.isEmpty()) {
        const QString text = done->description + error;
        m_failures << text;
        emit statusChanged(text);
        emit workerFailed(text);
    }
    // The host shows stored e-mails only after a refresh; one per run is enough.
    if (const auto *automat = qobject_cast<const TOrvMailAutomat *>(done->worker.get());
        automat && automat->storedCount() > 0) {
        MailHostMessages::sendRefresh();
    }
    startNext();
}

bool TOrvMailManager::Stop()
{
    bool stopped = false;
    const auto end = [&](Queued &queued) {
        disconnect(queued.worker.get(), nullptr, this, nullptr);
        queued.worker->requestInterruption();
        queued.worker->wait();
        queued.worker.reset();
        stopped = true;
    };
    if (m_running) {
        end(*m_running);
        m_running.reset();
    }
    while (!m_queue.empty()) {
        end(m_queue.back());
        m_queue.pop_back();
    }
    return stopped;
}

void TOrvMailManager::StopAll()
{
    if (Stop())
        emit finished();
}

bool TOrvMailManager::LoadDetail(TOrvMail &mail, bool force)
{
    if (!m_current || IsRunning())
        return false;
    if (!(mail.Loaded() & TOrvMail::LoadedDetail) || force)
        m_current->LoadDetail(mail);
    if (!force && (mail.Loaded() & TOrvMail::LoadedLinks))
        return true;
    m_contact.LoadDatabaseState(mail);
    return true;
}

TOrvMailManager::Lists TOrvMailManager::FillLists(int inboxMode, int outboxMode) const
{
    Lists lists;
    for (const TOrvMailPtr &mail : m_mails->snapshot()) {
        if (mail->Direction() == TOrvMailDirection::Outbox)
            TOrvMailListOrder::insert(lists.outbox, mail, outboxMode);
        else
            TOrvMailListOrder::insert(lists.inbox, mail, inboxMode);
    }
    return lists;
}

TOrvMailManagerStatus TOrvMailManager::Status() const
{
    TOrvMailManagerStatus status;
    status.text = tr("Celkový počet načtených e-mailů: ") + QString::number(m_mails->count());
    if (!m_failures.isEmpty()) {
        status.kind = TOrvMailManagerStatus::Failed;
        status.text += QStringLiteral(" (") + m_failures.join(QStringLiteral("; ")) + u')';
    }
    return status;
}

TOrvMailSaver::Result TOrvMailManager::SaveMessage(TOrvMail &mail, const QStringList &tickedAttachments)
{
    if (IsRunning())
        return {};
    TOrvMailSaver saver(m_contact, m_current, TOrvContactInfo::read());
    TOrvMailSaver::Result result = saver.saveMessage(mail, tickedAttachments);
    if (result.saved)
        MailHostMessages::sendRefresh();
    return result;
}

bool TOrvMailManager::SaveAddress(const TOrvMail &mail)
{
    if (IsRunning())
        return false;
    TOrvMailSaver saver(m_contact, m_current, TOrvContactInfo::read());
    const bool saved = saver.saveAddress(mail);
    if (saved)
        MailHostMessages::sendRefresh();
    return saved;
}

bool TOrvMailManager::RunSettingsDialog()
{
    if (!m_settingsDialog || !m_settingsDialog(clients()))
        return false;
    const QString current = m_current ? m_current->settings()->GetSection() : QString();
    const QString chosen = TOrvMailGlobalSettings::instance().MailClientID;
    if (current != chosen)
        SelectClient(chosen);
    return true;
}

} // namespace Mail
