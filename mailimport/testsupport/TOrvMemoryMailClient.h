#pragma once

#include "mailimport/TOrvMailClient.h"
#include "mailimport/TOrvMailClientSettings.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace Mail {

// One message of the in-memory client's store. The identifier may be longer than the
// 60 characters a TOrvMail keeps: the client looks messages up by the whole one.
struct MemoryMessage
{
    struct Attachment
    {
        QString fileName;
        QByteArray data;
    };

    TOrvMailDirection direction = TOrvMailDirection::Inbox;
    QString uniqueId;
    QDateTime date;
    QString subject;
    QString from;
    QString to;
    QString body;
    bool isPlain = true;
    QList<Attachment> attachments;
    qint32 messageNumber = 0;
    // Addresses that replace From/To when the detail is loaded (as a client that lists
    // display names does); empty keeps the listed value.
    QString detailFrom;
    QString detailTo;
};

// Settings of the in-memory client: the common folder names in section "memory".
class TOrvMemoryMailSettings : public TOrvMailClientSettings
{
public:
    TOrvMemoryMailSettings() = default;
    TOrvMemoryMailSettings(const TOrvMemoryMailSettings &) = default;
    QString GetSection() const override;
    std::unique_ptr<TOrvMailClientSettings> clone() const override;
};

// A mail client whose store is a list in memory, for tests and headless checks. Implements
// every operation of TOrvMailClient. Make it with TOrvMailClient::Create<TOrvMemoryMailClient>().
// Threads: fill the store before a downloader is created; the downloader works on a copy.
class TOrvMemoryMailClient : public TOrvMailClient
{
public:
    TOrvMemoryMailClient() = default;

    void addMessage(const MemoryMessage &message);
    QList<MemoryMessage> messages() const { return m_messages; }
    void setAvailable(bool available) { m_available = available; }
    void setLoadDetailFails(bool fails) { m_loadDetailFails = fails; }
    int loadDetailCalls() const { return m_loadDetailCalls; }

    void CreateSettings() override;
    QString GetClientName() const override;
    bool IsAvailable() override;
    bool LoadDetail(TOrvMail &mail) override;
    std::unique_ptr<TOrvMailDownloader> CreateDownloader(std::shared_ptr<TOrvMailList> mails) override;
    std::optional<QByteArray> AttachmentData(const TOrvMail &mail, const QString &fileName) override;

    // The store's message behind a listed one: same direction, identifier starting with
    // the listed (cut) identifier. Null when none.
    const MemoryMessage *find(const TOrvMail &mail) const;

private:
    QList<MemoryMessage> m_messages;
    bool m_available = true;
    bool m_loadDetailFails = false;
    int m_loadDetailCalls = 0;
};

} // namespace Mail
