#include "mailimport/manager/TOrvMailAutomat.h"

#include "mailimport/TOrvMailClient.h"

#include "mailimport/manager/TransactionBatch.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>


namespace Mail {

namespace {

// One question handed from the worker to the main thread. Shared, so that whichever side
// gives up first leaves the other a valid object.
struct PendingQuestion
{
    QMutex mutex;
    QWaitCondition answered;
    bool done = false;
    bool cancelled = false;
    Orv::MsgButton answer = Orv::MsgButton::No;
};

// How often a waiting worker looks whether it was told to stop.
constexpr unsigned long StopPollMs = 50;

// Without questions the saves of this many messages share one transaction.
constexpr int SavesPerTransaction = 200;

} // namespace

TOrvMailAutomat::TOrvMailAutomat(std::shared_ptr<TOrvMailList> mails, TOrvMailContact *contact,
                                 TOrvMailClient *client, const TOrvMailGlobalSettings &settings)
    : TOrvMailListWorker(std::move(mails), contact)
    , m_client(client)
    , m_settings(settings)
{
}

QString TOrvMailAutomat::progressPrefix() const
{
    return QCoreApplication::translate("Mail::TOrvMailAutomat", "Probíhá automatizovaný import (");
}

QString TOrvMailAutomat::confirmationCaption()
{
    return QCoreApplication::translate("Mail::TOrvMailAutomat", "Importovat e-mail do ORVANTA Velmora ?");
}

QString TOrvMailAutomat::confirmationText(const TOrvMail &mail, const std::optional<SubjectDetail> &subject)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("Mail::TOrvMailAutomat", text); };
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    if (subject) {
        text += tr("Subjekt v Velmora: ") + subject->name + crlf;
        if (!subject->street.isEmpty())
            text += tr("Ulice: ") + subject->street + crlf;
        if (!subject->town.isEmpty())
            text += tr("Místo: ") + subject->town + crlf;
        if (!subject->postcode.isEmpty())
            text += tr("Psč: ") + subject->postcode + crlf;
        text += crlf;
    }
    text += tr("Importovaný e-mail: ") + mail.Subject() + crlf + tr("Odesílatel: ") + mail.From() + crlf
            + tr("Příjemce: ") + mail.To();
    return text;
}

void TOrvMailAutomat::Execute()
{
    if (!mails() || !contact() || !m_client || !contact()->Opened())
        return;
    if (!m_settings.InboxAutomat && !m_settings.OutboxAutomat)
        return;
    // Site and user are read once: the host may switch subjects while this runs, but the
    // records of one run belong to one profile and user.
    const TOrvContactInfo context = TOrvContactInfo::read();
    // While a question waits for the user no transaction may stay open: it would lock the
    // host out of its own database.
    TransactionBatch batch(m_settings.PromptForImport ? nullptr : contact()->dataSource().connection(),
                           Db::Connection::TransactionMode::Immediate, SavesPerTransaction);
    int storedBeforeBatch = m_stored.loadRelaxed();
    try {
        TOrvMailPtr mail = First();
        while (!Terminated() && mail) {
            if (batch.begin())
                storedBeforeBatch = m_stored.loadRelaxed();
            importOne(*mail, context);
            batch.end();
            mail = Next();
        }
        batch.commit();
    } catch (...) {
        // The open batch rolls back whole (counters stay equal to the rows); its messages
        // are offered again by the next run.
        m_stored.storeRelaxed(storedBeforeBatch);
        throw;
    }
}

bool TOrvMailAutomat::wanted(const TOrvMail &mail) const
{
    return mail.Direction() == TOrvMailDirection::Outbox ? m_settings.OutboxAutomat : m_settings.InboxAutomat;
}

void TOrvMailAutomat::importOne(TOrvMail &mail, const TOrvContactInfo &context)
{
    if (!wanted(mail))
        return;
    if (!(mail.Loaded() & TOrvMail::LoadedLinks))
        contact()->LoadDatabaseState(mail);
    if (mail.InDatabase())
        return;
    // A client may replace display names by addresses only with the detail.
    m_client->LoadDetail(mail);
    const std::optional<SubjectKey> subject = contact()->FindSubjectByAddress(mail);
    if (!subject)
        return;
    if (m_settings.PromptForImport) {
        const QString text = confirmationText(mail, contact()->FindSubjectById(*subject));
        if (askInMainThread(text) != Orv::MsgButton::Yes)
            return;
    }
    if (contact()->SaveEmail(context.ProfilID, context.DomName, mail, *subject))
        m_stored.fetchAndAddRelaxed(1);
}

Orv::MsgButton TOrvMailAutomat::askInMainThread(const QString &text)
{
    const auto ask = [text] {
        return Orv::showMessage(confirmationCaption(), text, Orv::MsgIcon::Information, Orv::MsgButtons::YesNo);
    };
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || app->thread() == QThread::currentThread())
        return ask();

    auto pending = std::make_shared<PendingQuestion>();
    // The application object is the context: the question survives this worker's end and
    // then finds itself cancelled.
    QMetaObject::invokeMethod(app, [pending, ask] {
        {
            QMutexLocker lock(&pending->mutex);
            if (pending->cancelled)
                return;
        }
        const Orv::MsgButton answer = ask();
        QMutexLocker lock(&pending->mutex);
        pending->answer = answer;
        pending->done = true;
        pending->answered.wakeAll();
    }, Qt::QueuedConnection);

    QMutexLocker lock(&pending->mutex);
    while (!pending->done) {
        // A stop comes from the main thread, which then waits for this worker: never wait
        // for the main thread's answer past a stop, or both would wait for ever.
        if (Terminated()) {
            pending->cancelled = true;
            return Orv::MsgButton::Cancel;
        }
        pending->answered.wait(&pending->mutex, StopPollMs);
    }
    return pending->answer;
}

} // namespace Mail
