#include "mailimport/clients/TOrvLotusClient.h"

#include "mailimport/clients/MailClientsSupport_p.h"
#include "mailimport/TOrvMailDownloader.h"
#include "mailimport/TOrvMailSettingsLotus.h"

#include "platform/dxl/NotesSession.h"
#include "platform/eml/ExtractAddresses.h"

#include "base/Errors.h"

namespace Mail {

using Internal::lcClients;

namespace {

const QString ClientName = QStringLiteral("IBM Lotus Notes 7");

// Subjects and header values longer than this are cut.
constexpr int TextLimit = 250;
// A damaged MIME body must not recurse without end.
constexpr int MaxMimeDepth = 32;

void logLine(const QString &line)
{
    qCInfo(lcClients).noquote() << line;
}

// Turns the session's MIME conversion off for one operation and back to what it was on
// every way out, exceptions included.
class ConvertMimeGuard
{
public:
    explicit ConvertMimeGuard(Domino::NotesSession &session)
        : m_session(session)
        , m_saved(session.ConvertMime())
    {
        m_session.setConvertMime(false);
    }
    ~ConvertMimeGuard() { m_session.setConvertMime(m_saved); }
    ConvertMimeGuard(const ConvertMimeGuard &) = delete;
    ConvertMimeGuard &operator=(const ConvertMimeGuard &) = delete;

private:
    Domino::NotesSession &m_session;
    bool m_saved;
};

// The view by its name, or by the name the picker showed without parentheses, so that a
// folder chosen as "$Inbox" still finds "($Inbox)".
std::unique_ptr<Domino::NotesView> openView(const Domino::NotesDatabase &database, const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    if (auto view = database.GetView(name))
        return view;
    if (!name.startsWith(u'('))
        return database.GetView(u'(' + name + u')');
    return nullptr;
}

QString itemText(const Domino::NotesDocument &document, const QString &name)
{
    const Domino::NotesItem *item = document.GetFirstItem(name);
    return item ? item->Text() : QString();
}

// The system's date-time format ("d.M.yyyy H:mm:ss", the time left out at midnight).
QDateTime readSystemDateTime(const QString &text)
{
    const QString first = text.section(u';', 0, 0).trimmed();
    for (const QString &format : {QStringLiteral("d.M.yyyy H:mm:ss"), QStringLiteral("d.M.yyyy H:mm"),
                                  QStringLiteral("d.M.yyyy")}) {
        const QDateTime value = QDateTime::fromString(first, format);
        if (value.isValid())
            return value;
    }
    return {};
}

// Depth-first over the entity and its next siblings: an HTML (any non-plain) text part
// ends the search; a plain one is kept and the search goes on, so HTML wins over plain.
bool searchMimeTree(std::unique_ptr<Domino::NotesMIMEEntity> entity, QString &body, bool &isPlain, int depth)
{
    for (; entity; entity = entity->GetNextSibling()) {
        const QString type = entity->ContentType();
        if (type == u"text") {
            entity->DecodeContent();
            body = entity->ContentAsText();
            isPlain = entity->ContentSubType() == u"plain";
            if (!isPlain)
                return true;
        } else if (type == u"multipart" && depth < MaxMimeDepth) {
            if (searchMimeTree(entity->GetFirstChildEntity(), body, isPlain, depth + 1))
                return true;
        }
    }
    return false;
}

bool hasAttachmentItem(const Domino::NotesDocument &document)
{
    const QList<const Domino::NotesItem *> items = document.Items();
    return std::any_of(items.begin(), items.end(),
                       [](const Domino::NotesItem *item) { return item->Type() == Domino::ATTACHMENT; });
}

class TOrvLotusDownloader : public TOrvMailDownloader
{
    Q_DECLARE_TR_FUNCTIONS(Mail::TOrvLotusDownloader)

public:
    TOrvLotusDownloader(std::shared_ptr<TOrvMailList> mails, const TOrvMailClientSettings &settings, QString store)
        : TOrvMailDownloader(std::move(mails), settings)
        , m_store(std::move(store))
    {
    }

protected:
    void Execute() override
    {
        const auto &lotus = static_cast<const TOrvMailSettingsLotus &>(settings());
        Domino::NotesSession session(MailStoreClient::checkedStore(m_store, ClientName, lotus.GetSection()));
        session.Initialize(lotus.Password);
        const ConvertMimeGuard guard(session);
        const std::unique_ptr<Domino::NotesDatabase> database = session.OpenMailDatabase();
        Internal::DownloadProblems problems;
        readView(*database, lotus.InboxName, TOrvMailDirection::Inbox, problems);
        if (!Terminated())
            readView(*database, lotus.OutboxName, TOrvMailDirection::Outbox, problems);
        problems.throwIfAny();
    }

private:
    // An error (invalid XML, a date that cannot be read) ends the walk of this view; the
    // messages listed before it stay and the next view is still read.
    void readView(const Domino::NotesDatabase &database, const QString &name, TOrvMailDirection direction,
                  Internal::DownloadProblems &problems)
    {
        if (name.isEmpty())
            return;
        const std::unique_ptr<Domino::NotesView> view = openView(database, name);
        if (!view) {
            problems.add(EOrvUserError(tr("Složka „%1“ v poštovní databázi Lotus Notes neexistuje.").arg(name)),
                         QStringLiteral("view %1").arg(name));
            return;
        }
        try {
            for (auto document = view->GetFirstDocument(); document && !Terminated();
                 document = view->GetNextDocument(*document)) {
                addDocument(*document, direction);
                msleep(1);
            }
        } catch (const EOrvError &error) {
            problems.add(error, QStringLiteral("view %1").arg(name));
        }
    }

    void addDocument(const Domino::NotesDocument &document, TOrvMailDirection direction)
    {
        const Domino::NotesItem *dateItem = document.GetFirstItem(QStringLiteral("DeliveredDate"));
        if (!dateItem || dateItem->Text().isEmpty())
            dateItem = document.GetFirstItem(QStringLiteral("PostedDate"));
        const QString dateText = dateItem ? dateItem->Text() : QString();
        if (dateText.isEmpty())
            return;
        QDateTime date = dateItem->DateTimeValue();
        if (!date.isValid())
            date = readSystemDateTime(dateText);
        if (!date.isValid()) {
            throw EOrvUserError(tr("Datum „%1“ e-mailu %2 nelze přečíst.").arg(dateText, document.UniversalID()),
                                QStringLiteral("unreadable date of %1").arg(document.UniversalID()));
        }
        if (!PassesFilter(date))
            return;

        const QString subject = itemText(document, QStringLiteral("Subject")).left(TextLimit);
        const QString inetFrom = itemText(document, QStringLiteral("INetFrom"));
        const QString from = !inetFrom.isEmpty()
            ? inetFrom
            : Eml::ExtractAddresses(TextLimit, itemText(document, QStringLiteral("From")), logLine);
        const QString inetSendTo = itemText(document, QStringLiteral("InetSendTo"));
        const QString to = !inetSendTo.isEmpty()
            ? inetSendTo
            : Eml::ExtractAddresses(TextLimit, itemText(document, QStringLiteral("SendTo")), logLine);

        logLine(QStringLiteral("* Subject: ") + subject);
        logLine(QStringLiteral("  InetFrom: ") + inetFrom);
        logLine(QStringLiteral("  From: ") + from);
        logLine(QStringLiteral("  InetSendTo: ") + inetSendTo);
        logLine(QStringLiteral("  SendTo: ") + to);
        logLine(QString());

        AddMail(direction, document.UniversalID(), date, subject, from, to, hasAttachmentItem(document), 0);
    }

    QString m_store;
};

} // namespace

TOrvLotusClient::TOrvLotusClient() = default;
TOrvLotusClient::~TOrvLotusClient() = default;

void TOrvLotusClient::CreateSettings()
{
    auto settings = std::make_unique<TOrvMailSettingsLotus>();
    TOrvMailCustomSettings::Load(*settings);
    setSettings(std::move(settings));
}

QString TOrvLotusClient::GetClientName() const
{
    return ClientName;
}

Domino::NotesSession &TOrvLotusClient::session()
{
    const QString store = requireStoreLocation();
    if (!m_session || m_sessionStore != store) {
        m_session = std::make_unique<Domino::NotesSession>(store);
        m_session->Initialize(static_cast<const TOrvMailSettingsLotus &>(*settings()).Password);
        m_sessionStore = store;
    }
    return *m_session;
}

bool TOrvLotusClient::sessionConvertsMime() const
{
    return !m_session || m_session->ConvertMime();
}

bool TOrvLotusClient::IsAvailable()
{
    if (storeLocation().isEmpty())
        return false;
    try {
        Domino::NotesSession &notes = session();
        const ConvertMimeGuard guard(notes);
        notes.OpenMailDatabase();
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcClients) << "Notes store not available:" << error.what() << error.detail();
        return false;
    }
}

namespace {

// The document behind a listed message, looked for when the message's view exists.
std::unique_ptr<Domino::NotesDocument> openDocument(const Domino::NotesDatabase &database,
                                                    const TOrvMailSettingsLotus &settings, const TOrvMail &mail)
{
    const QString viewName = mail.Direction() == TOrvMailDirection::Outbox ? settings.OutboxName : settings.InboxName;
    if (!openView(database, viewName))
        return nullptr;
    return database.GetDocumentByUNID(mail.UniqueId());
}

} // namespace

bool TOrvLotusClient::LoadDetail(TOrvMail &mail)
{
    try {
        Domino::NotesSession &notes = session();
        const ConvertMimeGuard guard(notes);
        const auto database = notes.OpenMailDatabase();
        const auto document = openDocument(*database, static_cast<const TOrvMailSettingsLotus &>(*settings()), mail);
        if (!document)
            return false;
        const Domino::NotesItem *bodyItem = document->GetFirstItem(QStringLiteral("Body"));
        if (!bodyItem)
            return false;
        QString body;
        bool isPlain = true;
        if (auto entity = bodyItem->GetMIMEEntity())
            searchMimeTree(std::move(entity), body, isPlain, 0);
        else
            body = bodyItem->Text();

        QStringList names;
        for (const Domino::NotesItem *item : document->Items()) {
            if (item->Type() != Domino::ATTACHMENT || item->Values().isEmpty())
                continue;
            if (const auto attachment = document->GetAttachment(item->Values().first()))
                names << attachment->Name();
        }
        mail.SetDetail(Internal::quotedCommaText(names), body, isPlain);
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcClients) << "detail of" << mail.UniqueId() << "not loaded:" << error.what() << error.detail();
        return false;
    }
}

std::optional<QByteArray> TOrvLotusClient::AttachmentData(const TOrvMail &mail, const QString &fileName)
{
    Domino::NotesSession &notes = session();
    const ConvertMimeGuard guard(notes);
    const auto database = notes.OpenMailDatabase();
    const auto document = openDocument(*database, static_cast<const TOrvMailSettingsLotus &>(*settings()), mail);
    if (!document)
        return std::nullopt;
    const auto attachment = document->GetAttachment(fileName);
    if (!attachment)
        return std::nullopt;
    return Internal::readThroughTemporaryFile([&](const QString &path) { attachment->ExtractFile(path); });
}

std::unique_ptr<TOrvMailDownloader> TOrvLotusClient::CreateDownloader(std::shared_ptr<TOrvMailList> mails)
{
    return std::make_unique<TOrvLotusDownloader>(std::move(mails), *settings(), storeLocation());
}

QList<MailFolder> TOrvLotusClient::ListFolders()
{
    Domino::NotesSession &notes = session();
    const ConvertMimeGuard guard(notes);
    const auto database = notes.OpenMailDatabase();
    QList<MailFolder> result;
    for (const QString &name : database->Views()) {
        MailFolder folder;
        folder.id = name;
        folder.name = PickerName(name);
        folder.displayText = folder.name;
        if (auto view = database->GetView(name)) {
            try {
                for (auto document = view->GetFirstDocument(); document; document = view->GetNextDocument(*document))
                    ++folder.messageCount;
            } catch (const EOrvError &error) {
                // The picker still offers the view; its count stops where the export breaks.
                qCWarning(lcClients) << "view" << name << "counted in part:" << error.what() << error.detail();
            }
        }
        result << folder;
    }
    return result;
}

QString TOrvLotusClient::PickerName(const QString &viewName)
{
    if (viewName.size() > 2 && viewName.startsWith(u'(') && viewName.endsWith(u')'))
        return viewName.mid(1, viewName.size() - 2);
    return viewName;
}

} // namespace Mail
