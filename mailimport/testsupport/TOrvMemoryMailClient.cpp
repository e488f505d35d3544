#include "mailimport/testsupport/TOrvMemoryMailClient.h"

#include "mailimport/TOrvMailDownloader.h"


namespace Mail {

namespace {

// Lists the inbox, then the outbox, as every client's downloader does.
class TOrvMemoryMailDownloader : public TOrvMailDownloader
{
public:
    TOrvMemoryMailDownloader(std::shared_ptr<TOrvMailList> mails, const TOrvMailClientSettings &settings,
                             QList<MemoryMessage> messages)
        : TOrvMailDownloader(std::move(mails), settings)
        , m_messages(std::move(messages))
    {
    }

protected:
    void Execute() override
    {
        for (const TOrvMailDirection direction : {TOrvMailDirection::Inbox, TOrvMailDirection::Outbox}) {
            for (const MemoryMessage &message : std::as_const(m_messages)) {
                if (Terminated())
                    return;
                if (message.direction != direction || !PassesFilter(message.date))
                    continue;
                AddMail(direction, message.uniqueId, message.date, message.subject, message.from,
                        message.to, !message.attachments.isEmpty(), message.messageNumber);
                msleep(1);
            }
        }
    }

private:
    QList<MemoryMessage> m_messages;
};

} // namespace

QString TOrvMemoryMailSettings::GetSection() const
{
    return QStringLiteral("memory");
}

std::unique_ptr<TOrvMailClientSettings> TOrvMemoryMailSettings::clone() const
{
    return std::make_unique<TOrvMemoryMailSettings>(*this);
}

void TOrvMemoryMailClient::addMessage(const MemoryMessage &message)
{
    m_messages.append(message);
}

void TOrvMemoryMailClient::CreateSettings()
{
    auto settings = std::make_unique<TOrvMemoryMailSettings>();
    TOrvMailCustomSettings::Load(*settings);
    setSettings(std::move(settings));
}

QString TOrvMemoryMailClient::GetClientName() const
{
    return QStringLiteral("Testovací poštovní klient");
}

bool TOrvMemoryMailClient::IsAvailable()
{
    return m_available;
}

const MemoryMessage *TOrvMemoryMailClient::find(const TOrvMail &mail) const
{
    for (const MemoryMessage &message : m_messages) {
        if (message.direction == mail.Direction()
            && message.uniqueId.left(TOrvMail::UniqueIdLength) == mail.UniqueId())
            return &message;
    }
    return nullptr;
}

bool TOrvMemoryMailClient::LoadDetail(TOrvMail &mail)
{
    ++m_loadDetailCalls;
    const MemoryMessage *message = find(mail);
    if (m_loadDetailFails || !message)
        return false;
    QStringList names;
    for (const auto &attachment : message->attachments)
        names << u'"' + QString(attachment.fileName).replace(u'"', QLatin1String("\"\"")) + u'"';
    if (!message->detailFrom.isEmpty())
        mail.SetFrom(message->detailFrom);
    if (!message->detailTo.isEmpty())
        mail.SetTo(message->detailTo);
    mail.SetDetail(names.join(u','), message->body, message->isPlain);
    return true;
}

std::unique_ptr<TOrvMailDownloader> TOrvMemoryMailClient::CreateDownloader(std::shared_ptr<TOrvMailList> mails)
{
    return std::make_unique<TOrvMemoryMailDownloader>(std::move(mails), *settings(), m_messages);
}

std::optional<QByteArray> TOrvMemoryMailClient::AttachmentData(const TOrvMail &mail, const QString &fileName)
{
    const MemoryMessage *message = find(mail);
    if (!message)
        return std::nullopt;
    for (const auto &attachment : message->attachments) {
        if (attachment.fileName == fileName)
            return attachment.data;
    }
    return std::nullopt;
}

} // namespace Mail
