#pragma once

#include <QDateTime>
#include <QFlags>
#include <QString>

#include <memory>

namespace Mail {

enum class TOrvMailDirection : quint8 { Inbox = 0, Outbox = 1 };

// One listed message of a mail client: its header (set by a downloader), its detail (body
// and attachment names, loaded on demand) and its state in the contact database.
//
// Identity: one object per listed message, shared through TOrvMailList by std::shared_ptr;
// the list and every reader that copied a reference keep it alive.
// Threads: not locked. The mail manager runs one worker at a time and the lists are empty
// while one runs, so a message is written by one thread at a time.
class TOrvMail
{
public:
    enum LoadedPart : quint8 {
        LoadedHeader = 1,
        LoadedDetail = 2,
        LoadedLinks = 4,
        LoadedAll = LoadedHeader | LoadedDetail | LoadedLinks,
    };
    Q_DECLARE_FLAGS(LoadedParts, LoadedPart)

    // The database keeps this many characters of a client's message identifier.
    static constexpr int UniqueIdLength = 60;

    TOrvMail() = default;
    // Create: all fields cleared, then SetHeader with the same values.
    TOrvMail(TOrvMailDirection direction, const QString &uniqueId, const QDateTime &date,
             const QString &subject, const QString &from, const QString &to, bool hasAttach);

    void SetHeader(TOrvMailDirection direction, const QString &uniqueId, const QDateTime &date,
                   const QString &subject, const QString &from, const QString &to, bool hasAttach);
    // attachments: comma text of the file names, each in double quotes.
    void SetDetail(const QString &attachments, const QString &body, bool isPlain);
    // linkedFirms/linkedPersons: comma text of list-markup entries (TOrvMailContact).
    void SetLinks(bool inDatabase, const QString &linkedFirms, const QString &linkedPersons);

    LoadedParts Loaded() const { return m_loaded; }
    QDateTime Date() const { return m_date; }
    TOrvMailDirection Direction() const { return m_direction; }
    bool HasAttach() const { return m_hasAttach; }
    // At most UniqueIdLength characters: the key of the stored copy.
    QString UniqueId() const { return m_uniqueId; }
    QString To() const { return m_to; }
    QString From() const { return m_from; }
    QString Subject() const { return m_subject; }
    qint32 MessageNumber() const { return m_messageNumber; }
    QString Attachments() const { return m_attachments; }
    QStringList attachmentList() const;                 // Attachments split
    QString Body() const { return m_body; }
    bool IsPlain() const { return m_isPlain; }
    QString LinkedFirms() const { return m_linkedFirms; }
    QString LinkedPersons() const { return m_linkedPersons; }
    bool InDatabase() const { return m_inDatabase; }

    // The address that identifies the other side: To of a sent message, From of a received one.
    QString address() const { return m_direction == TOrvMailDirection::Outbox ? m_to : m_from; }

    void SetMessageNumber(qint32 number) { m_messageNumber = number; }
    // A client that resolves display names to addresses when loading the detail.
    void SetFrom(const QString &from) { m_from = from; }
    void SetTo(const QString &to) { m_to = to; }

private:
    LoadedParts m_loaded;
    QDateTime m_date;
    TOrvMailDirection m_direction = TOrvMailDirection::Inbox;
    bool m_hasAttach = false;
    QString m_uniqueId;
    QString m_to;
    QString m_from;
    QString m_subject;
    qint32 m_messageNumber = 0;
    QString m_attachments;
    QString m_body;
    bool m_isPlain = false;
    QString m_linkedFirms;
    QString m_linkedPersons;
    bool m_inDatabase = false;
};

using TOrvMailPtr = std::shared_ptr<TOrvMail>;

} // namespace Mail

Q_DECLARE_OPERATORS_FOR_FLAGS(Mail::TOrvMail::LoadedParts)
