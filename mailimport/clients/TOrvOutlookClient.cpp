#include "mailimport/clients/TOrvOutlookClient.h"

#include "mailimport/clients/MailClientsSupport_p.h"
#include "mailimport/TOrvMailDownloader.h"
#include "mailimport/TOrvMailGlobalSettings.h"
#include "mailimport/TOrvMailSettingsOutlook.h"

#include "platform/pst/PstStore.h"

#include "base/Clock.h"
#include "base/Errors.h"

#include <QThread>

namespace Mail {

using Internal::lcClients;

namespace {

// A damaged store must not lead the folder listing round a loop for ever.
constexpr int MaxFolderDepth = 64;

QString joinedAddresses(const Pst::Recipients &recipients)
{
    QStringList addresses;
    for (int i = 1; i <= recipients.Count(); ++i)
        addresses << recipients.Item(i).Address;
    return addresses.join(u';');
}

QList<MailFolder> folderTree(const Pst::MAPIFolder &parent, int depth)
{
    QList<MailFolder> result;
    if (depth > MaxFolderDepth)
        return result;
    for (const auto &folder : parent.Folders()) {
        MailFolder entry;
        entry.id = folder->EntryID();
        entry.name = folder->Name();
        entry.displayText = entry.name;
        entry.messageCount = folder->ItemCount();
        entry.isMailFolder = folder->DefaultItemType() == Pst::olMailItem;
        entry.children = folderTree(*folder, depth + 1);
        result << entry;
    }
    return result;
}

class TOrvOutlookDownloader : public TOrvMailDownloader
{
public:
    TOrvOutlookDownloader(std::shared_ptr<TOrvMailList> mails, const TOrvMailClientSettings &settings,
                          QString store)
        : TOrvMailDownloader(std::move(mails), settings)
        , m_store(std::move(store))
    {
    }

protected:
    void Execute() override
    {
        // Opened here: libpff handles belong to the thread that uses them.
        const std::unique_ptr<Pst::NameSpace> ns = Pst::NameSpace::open(
            MailStoreClient::checkedStore(m_store, QStringLiteral("Microsoft Outlook"), settings().GetSection()));
        const auto &outlook = static_cast<const TOrvMailSettingsOutlook &>(settings());
        const QString filter = TOrvOutlookClient::FindFilter(globalSettings(), Orv::Clock::now());
        Internal::DownloadProblems problems;
        readFolder(*ns, outlook.InboxID, TOrvMailDirection::Inbox, filter, problems);
        if (!Terminated())
            readFolder(*ns, outlook.OutboxID, TOrvMailDirection::Outbox, filter, problems);
        problems.throwIfAny();
    }

private:
    // A folder that cannot be opened ends the download; a message that cannot be read is
    // skipped (the walk goes on) and reported at the end.
    void readFolder(const Pst::NameSpace &ns, const QString &folderId, TOrvMailDirection direction,
                    const QString &filter, Internal::DownloadProblems &problems)
    {
        const std::unique_ptr<Pst::MAPIFolder> folder = ns.GetFolderFromID(folderId);
        const std::unique_ptr<Pst::Items> items = folder->Items();
        for (auto item = items->Find(filter); item && !Terminated(); item = items->FindNext()) {
            try {
                const QDateTime received = item->ReceivedTime();
                const QString entryId = item->EntryID();
                const QString subject = item->Subject();
                const bool hasAttach = item->Attachments().Count() > 0;
                const QString senderName = item->SenderName();
                const QString to = item->To();
                AddMail(direction, entryId, received, subject, senderName, to, hasAttach, 0);
            } catch (const EOrvError &error) {
                problems.add(error, QStringLiteral("message %1 of folder %2").arg(item->EntryID(), folderId));
            }
            msleep(1);
        }
    }

    QString m_store;
};

} // namespace

struct TOrvOutlookClient::Session
{
    QThread *thread = nullptr;
    QString store;
    std::unique_ptr<Pst::NameSpace> nameSpace;
};

TOrvOutlookClient::TOrvOutlookClient()
    : m_session(std::make_unique<Session>())
{
}

TOrvOutlookClient::~TOrvOutlookClient() = default;

void TOrvOutlookClient::CreateSettings()
{
    auto settings = std::make_unique<TOrvMailSettingsOutlook>();
    TOrvMailCustomSettings::Load(*settings);
    setSettings(std::move(settings));
}

QString TOrvOutlookClient::GetClientName() const
{
    return QStringLiteral("Microsoft Outlook");
}

Pst::NameSpace &TOrvOutlookClient::nameSpace()
{
    const QString store = requireStoreLocation();
    if (!m_session->nameSpace || m_session->thread != QThread::currentThread() || m_session->store != store) {
        m_session->nameSpace.reset();
        m_session->nameSpace = Pst::NameSpace::open(store);
        m_session->thread = QThread::currentThread();
        m_session->store = store;
    }
    return *m_session->nameSpace;
}

bool TOrvOutlookClient::IsAvailable()
{
    if (storeLocation().isEmpty())
        return false;
    try {
        nameSpace();
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcClients) << "Outlook store not available:" << error.what() << error.detail();
        return false;
    }
}

bool TOrvOutlookClient::LoadDetail(TOrvMail &mail)
{
    try {
        const std::unique_ptr<Pst::MailItem> item = nameSpace().GetItemFromID(mail.UniqueId());
        if (!item)
            return false;
        QStringList names;
        const Pst::Attachments attachments = item->Attachments();
        for (int i = 1; i <= attachments.Count(); ++i)
            names << attachments.Item(i).FileName();
        const QString body = item->HTMLBody();
        const QString to = joinedAddresses(item->Recipients());
        const QString from = joinedAddresses(item->Reply()->Recipients());
        mail.SetDetail(Internal::quotedCommaText(names), body, false);
        mail.SetTo(to);
        mail.SetFrom(from);
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcClients) << "detail of" << mail.UniqueId() << "not loaded:" << error.what() << error.detail();
        return false;
    }
}

std::optional<QByteArray> TOrvOutlookClient::AttachmentData(const TOrvMail &mail, const QString &fileName)
{
    const std::unique_ptr<Pst::MailItem> item = nameSpace().GetItemFromID(mail.UniqueId());
    if (!item)
        return std::nullopt;
    const Pst::Attachments attachments = item->Attachments();
    for (int i = 1; i <= attachments.Count(); ++i) {
        const Pst::Attachment &attachment = attachments.Item(i);
        if (attachment.FileName() == fileName)
            return Internal::readThroughTemporaryFile([&](const QString &path) { attachment.SaveAsFile(path); });
    }
    return std::nullopt;
}

std::unique_ptr<TOrvMailDownloader> TOrvOutlookClient::CreateDownloader(std::shared_ptr<TOrvMailList> mails)
{
    return std::make_unique<TOrvOutlookDownloader>(std::move(mails), *settings(), storeLocation());
}

QList<MailFolder> TOrvOutlookClient::ListFolders()
{
    return folderTree(*nameSpace().GetRootFolder(), 0);
}

QString TOrvOutlookClient::FindFilter(const TOrvMailGlobalSettings &global, const QDateTime &now)
{
    const QDate since = global.Filter ? now.date().addDays(-global.FilterValue) : QDate(1980, 1, 1);
    return QStringLiteral("[ReceivedTime] >= \"%1/%2/%3 0:00am\"")
        .arg(since.day())
        .arg(since.month())
        .arg(since.year());
}

} // namespace Mail
