#include "platform/dxl/NotesSession.h"

#include "platform/dxl/DxlReader.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Domino {

namespace Internal {

struct SessionState
{
    QString store;
    QString password;       // kept only to be handed on; never logged
    bool initialized = false;
    bool convertMime = true;
};

} // namespace Internal

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Domino::Session)
};

QFileInfoList viewFiles(const QString &store)
{
    const QFileInfo info(store);
    if (info.isFile())
        return {info};
    return QDir(store).entryInfoList({QStringLiteral("*.dxl"), QStringLiteral("*.xml")},
                                     QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
}

QString viewName(const QFileInfo &file)
{
    return file.completeBaseName();
}

} // namespace

// --- NotesSession ---

NotesSession::NotesSession(const QString &mailStore)
    : m_state(std::make_shared<Internal::SessionState>())
{
    m_state->store = mailStore;
}

NotesSession::~NotesSession() = default;

void NotesSession::Initialize(const QString &password)
{
    m_state->password = password;
    m_state->initialized = true;
}

bool NotesSession::isInitialized() const { return m_state->initialized; }
bool NotesSession::ConvertMime() const { return m_state->convertMime; }
void NotesSession::setConvertMime(bool convert) { m_state->convertMime = convert; }

std::unique_ptr<NotesDatabase> NotesSession::OpenMailDatabase() const
{
    if (!QFileInfo::exists(m_state->store) || viewFiles(m_state->store).isEmpty())
        throw EOrvIoError(Tr::tr("Poštovní databázi Lotus Notes „%1“ nelze otevřít.").arg(m_state->store),
                          QStringLiteral("%1: no DXL export found").arg(m_state->store));
    return std::unique_ptr<NotesDatabase>(new NotesDatabase(m_state));
}

// --- NotesDatabase ---

NotesDatabase::NotesDatabase(std::shared_ptr<Internal::SessionState> session)
    : m_session(std::move(session))
{
}

NotesDatabase::~NotesDatabase() = default;

QString NotesDatabase::FilePath() const
{
    return m_session->store;
}

QStringList NotesDatabase::Views() const
{
    QStringList names;
    for (const QFileInfo &file : viewFiles(m_session->store))
        names << viewName(file);
    return names;
}

QString NotesDatabase::viewFile(const QString &name) const
{
    for (const QFileInfo &file : viewFiles(m_session->store))
        if (viewName(file).compare(name, Qt::CaseInsensitive) == 0)
            return file.filePath();
    return {};
}

std::unique_ptr<NotesView> NotesDatabase::GetView(const QString &name) const
{
    const QString file = viewFile(name);
    if (file.isEmpty())
        return nullptr;
    return std::unique_ptr<NotesView>(new NotesView(m_session, viewName(QFileInfo(file)), file));
}

std::unique_ptr<NotesDocument> NotesDatabase::GetDocumentByUNID(const QString &unid) const
{
    const QString wanted = unid.trimmed().toUpper();
    if (wanted.isEmpty())
        return nullptr;
    for (const QFileInfo &file : viewFiles(m_session->store)) {
        Internal::DxlReader reader(file.filePath());
        while (std::optional<Internal::DxlDocument> document = reader.next())
            if (document->unid == wanted)
                return std::make_unique<NotesDocument>(std::move(*document), m_session->convertMime);
    }
    return nullptr;
}

// --- NotesView ---

struct NotesView::Private
{
    std::shared_ptr<Internal::SessionState> session;
    QString file;
    std::unique_ptr<Internal::DxlReader> reader;
    QString lastUnid;
};

NotesView::NotesView(std::shared_ptr<Internal::SessionState> session, QString name, QString file)
    : d(std::make_unique<Private>()), m_name(std::move(name))
{
    d->session = std::move(session);
    d->file = std::move(file);
}

NotesView::~NotesView() = default;

std::unique_ptr<NotesDocument> NotesView::GetFirstDocument()
{
    d->reader = std::make_unique<Internal::DxlReader>(d->file);
    d->lastUnid.clear();
    return GetNextDocument(NotesDocument(Internal::DxlDocument(), false));
}

std::unique_ptr<NotesDocument> NotesView::GetNextDocument(const NotesDocument &previous)
{
    if (!d->reader)
        return nullptr;
    // The walk is a stream: "the next after `previous`" is the next one read, as long as
    // the caller follows the walk (checked, not relied on silently).
    Q_ASSERT(previous.UniversalID() == d->lastUnid);
    std::optional<Internal::DxlDocument> document = d->reader->next();
    if (!document) {
        d->reader.reset();
        return nullptr;
    }
    d->lastUnid = document->unid;
    return std::make_unique<NotesDocument>(std::move(*document), d->session->convertMime);
}

} // namespace Domino
