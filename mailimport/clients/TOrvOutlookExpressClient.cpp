#include "mailimport/clients/TOrvOutlookExpressClient.h"

#include "mailimport/clients/MailClientsSupport_p.h"
#include "mailimport/TOrvMailDownloader.h"
#include "mailimport/TOrvMailSettingsOutlookExpress.h"

#include "platform/eml/ExtractAddresses.h"
#include "platform/eml/StoreNamespace.h"

#include "base/Errors.h"

namespace Mail {

using Internal::lcClients;

namespace {

// Header values longer than this are cut to the addresses that fit.
constexpr int AddressLimit = 250;

const QString ClientName = QStringLiteral("Microsoft Windows Mail");

void logLine(const QString &line)
{
    qCInfo(lcClients).noquote() << line;
}

// The folder a listed message came from: InboxID or OutboxID as a 32-bit number.
std::optional<quint32> folderIdOf(const TOrvMailSettingsOutlook &settings, TOrvMailDirection direction)
{
    const QString text = direction == TOrvMailDirection::Inbox ? settings.InboxID : settings.OutboxID;
    bool ok = false;
    const quint32 id = text.trimmed().toUInt(&ok);
    return ok ? std::optional<quint32>(id) : std::nullopt;
}

class TOrvOutlookExpressDownloader : public TOrvMailDownloader
{
    Q_DECLARE_TR_FUNCTIONS(Mail::TOrvOutlookExpressDownloader)

public:
    TOrvOutlookExpressDownloader(std::shared_ptr<TOrvMailList> mails, const TOrvMailClientSettings &settings,
                                 QString store)
        : TOrvMailDownloader(std::move(mails), settings)
        , m_store(std::move(store))
    {
    }

protected:
    void Execute() override
    {
        const Eml::StoreNamespace store(MailStoreClient::checkedStore(m_store, ClientName, settings().GetSection()));
        const auto &express = static_cast<const TOrvMailSettingsOutlook &>(settings());
        Internal::DownloadProblems problems;
        readFolder(store, express.InboxID, TOrvMailDirection::Inbox, problems);
        readFolder(store, express.OutboxID, TOrvMailDirection::Outbox, problems);
        problems.throwIfAny();
    }

private:
    void readFolder(const Eml::StoreNamespace &store, const QString &idText, TOrvMailDirection direction,
                    Internal::DownloadProblems &problems)
    {
        bool ok = false;
        const quint32 id = idText.trimmed().toUInt(&ok);
        if (!ok || Terminated())
            return;
        const std::unique_ptr<Eml::StoreFolder> folder = store.OpenFolder(id);
        if (!folder) {
            // Not quiet: an inbox that vanished would otherwise look like an empty one.
            problems.add(EOrvUserError(tr("Složka pošty %1 v úložišti „%2“ neexistuje.").arg(idText, store.root())),
                         QStringLiteral("folder %1").arg(idText));
            return;
        }
        Eml::MessageProps props;
        for (bool more = folder->GetFirstMessage(props); more && !Terminated(); more = folder->GetNextMessage(props)) {
            const QDateTime date = props.received.isValid() ? props.received : QDateTime(QDate(1900, 1, 1), QTime(0, 0));
            if (PassesFilter(date))
                addMessage(*folder, props, date, direction);
            msleep(1);
        }
        folder->GetMessageClose();
    }

    // A message that cannot be opened is listed with the values of the folder's walk.
    void addMessage(const Eml::StoreFolder &folder, const Eml::MessageProps &props, const QDateTime &date,
                    TOrvMailDirection direction)
    {
        QString key = TOrvOutlookExpressClient::FallbackKey(props.received, props.displayFrom);
        QString from = props.displayFrom;
        QString to = props.displayTo;
        bool hasAttach = false;
        try {
            if (const std::unique_ptr<Eml::MimeMessage> message = folder.OpenMessage(props.messageId)) {
                const QString messageId = message->GetProp("Message-ID").value_or(QString()).trimmed();
                hasAttach = !message->GetAttachments().isEmpty();
                if (const std::optional<QString> value = message->GetProp("To"))
                    to = Eml::ExtractAddresses(AddressLimit, *value, logLine);
                if (const std::optional<QString> value = message->GetProp("From"))
                    from = Eml::ExtractAddresses(AddressLimit, *value, logLine);
                key = messageId.isEmpty() ? TOrvOutlookExpressClient::FallbackKey(props.received, from) : messageId;
            }
        } catch (const EOrvError &error) {
            qCWarning(lcClients) << "message" << props.filePath << "listed unopened:" << error.what() << error.detail();
        }
        AddMail(direction, key, date, props.subject, from, to, hasAttach, qint32(props.messageId));
    }

    QString m_store;
};

} // namespace

void TOrvOutlookExpressClient::CreateSettings()
{
    auto settings = std::make_unique<TOrvMailSettingsOutlookExpress>();
    TOrvMailCustomSettings::Load(*settings);
    setSettings(std::move(settings));
}

QString TOrvOutlookExpressClient::GetClientName() const
{
    return ClientName;
}

bool TOrvOutlookExpressClient::IsAvailable()
{
    const QString store = storeLocation();
    if (store.isEmpty())
        return false;
    try {
        const Eml::StoreNamespace ns(store);
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcClients) << "Windows Mail store not available:" << error.what() << error.detail();
        return false;
    }
}

namespace {

// The message behind a listed one, or null when its folder or number is gone.
std::unique_ptr<Eml::MimeMessage> openMessage(const QString &storePath, const TOrvMailSettingsOutlook &settings,
                                              const TOrvMail &mail)
{
    const std::optional<quint32> folderId = folderIdOf(settings, mail.Direction());
    if (!folderId)
        return nullptr;
    const Eml::StoreNamespace store(storePath);
    const std::unique_ptr<Eml::StoreFolder> folder = store.OpenFolder(*folderId);
    if (!folder)
        return nullptr;
    return folder->OpenMessage(quint32(mail.MessageNumber()));
}

} // namespace

bool TOrvOutlookExpressClient::LoadDetail(TOrvMail &mail)
{
    try {
        const auto message = openMessage(requireStoreLocation(),
                                         static_cast<const TOrvMailSettingsOutlook &>(*settings()), mail);
        if (!message)
            return false;
        QString body;
        bool isPlain = false;
        if (const std::optional<QString> html = message->GetTextBody(Eml::TXT_HTML)) {
            body = *html;
        } else if (const std::optional<QString> plain = message->GetTextBody(Eml::TXT_PLAIN)) {
            body = *plain;
            isPlain = true;
        }
        // A body ends at its first zero character, as the store's text streams do.
        if (const qsizetype zero = body.indexOf(QChar(0)); zero >= 0)
            body.truncate(zero);
        // The decoded display names, the very names AttachmentData looks for.
        QStringList names;
        for (const Eml::HBODY handle : message->GetAttachments()) {
            const std::unique_ptr<Eml::MimeBody> part = message->BindToObject(handle);
            if (part && part->IsType(Eml::IBT_ATTACHMENT))
                names << part->GetDisplayName();
        }
        mail.SetDetail(Internal::quotedCommaText(names), body, isPlain);
        return true;
    } catch (const EOrvError &error) {
        qCWarning(lcClients) << "detail of" << mail.UniqueId() << "not loaded:" << error.what() << error.detail();
        return false;
    }
}

std::optional<QByteArray> TOrvOutlookExpressClient::AttachmentData(const TOrvMail &mail, const QString &fileName)
{
    const auto message = openMessage(requireStoreLocation(),
                                     static_cast<const TOrvMailSettingsOutlook &>(*settings()), mail);
    if (!message)
        return std::nullopt;
    const QString wanted = fileName.trimmed().toLower();
    for (const Eml::HBODY handle : message->GetAttachments()) {
        const std::unique_ptr<Eml::MimeBody> part = message->BindToObject(handle);
        if (part && part->IsType(Eml::IBT_ATTACHMENT) && part->GetDisplayName().trimmed().toLower() == wanted)
            return part->GetData();
    }
    return std::nullopt;
}

std::unique_ptr<TOrvMailDownloader> TOrvOutlookExpressClient::CreateDownloader(std::shared_ptr<TOrvMailList> mails)
{
    return std::make_unique<TOrvOutlookExpressDownloader>(std::move(mails), *settings(), storeLocation());
}

QList<MailFolder> TOrvOutlookExpressClient::ListFolders()
{
    const Eml::StoreNamespace store(requireStoreLocation());
    QList<MailFolder> result;
    for (const Eml::FolderProps &props : store.SubFolders()) {
        MailFolder folder;
        folder.id = QString::number(props.folderId);
        folder.name = props.name;
        folder.displayText = tr("$B1%1$B0 [%2 zpráv]").arg(props.name, QString::number(props.messageCount));
        folder.messageCount = props.messageCount;
        result << folder;
    }
    return result;
}

QString TOrvOutlookExpressClient::FallbackKey(const QDateTime &received, const QString &sender)
{
    // Windows file time: 100 ns steps since 1601-01-01 UTC.
    constexpr quint64 EpochDifference = 116444736000000000ULL;
    const quint64 fileTime = received.isValid() && received.toMSecsSinceEpoch() >= -11644473600000LL
        ? quint64(received.toMSecsSinceEpoch() * 10000 + qint64(EpochDifference))
        : 0;
    return QStringLiteral("{%1.%2.%3}").arg(quint32(fileTime & 0xFFFFFFFFu)).arg(quint32(fileTime >> 32)).arg(sender);
}

} // namespace Mail
