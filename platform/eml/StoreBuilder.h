#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Writers of test data: MailBuilder makes one RFC 822 message, StoreBuilder lays messages
// out as a Windows Mail tree or a Maildir. Output depends only on the input (fixed
// boundaries, no clock, no random numbers), so tests and benchmarks can compare runs.
namespace Eml {

class MailBuilder
{
public:
    MailBuilder &from(const QString &address, const QString &name = {});
    MailBuilder &to(const QString &address, const QString &name = {});          // appends
    MailBuilder &subject(const QString &subject);
    MailBuilder &date(const QDateTime &date);
    MailBuilder &received(const QDateTime &received);                            // a Received: header
    MailBuilder &messageId(const QString &id);                                   // without <>; empty: none
    MailBuilder &plainBody(const QString &text);
    MailBuilder &htmlBody(const QString &html);
    MailBuilder &attach(const QString &fileName, const QByteArray &data,
                        const QByteArray &mimeType = "application/octet-stream");
    // Extra header lines written as given ("X-Test: 1").
    MailBuilder &rawHeader(const QByteArray &line);

    QByteArray build() const;

private:
    struct Attachment
    {
        QString fileName;
        QByteArray data;
        QByteArray mimeType;
    };
    QStringList m_from;
    QStringList m_to;
    QString m_subject;
    QDateTime m_date;
    QDateTime m_received;
    QString m_messageId;
    QString m_plain;
    QString m_html;
    QList<Attachment> m_attachments;
    QList<QByteArray> m_rawHeaders;
};

class StoreBuilder
{
public:
    enum class Layout { WindowsMail, Maildir };

    // Creates `root` when needed.
    StoreBuilder(const QString &root, Layout layout);

    static QString inboxName() { return QStringLiteral("Inbox"); }
    // "Sent Items" as Windows Mail names it; in a Maildir the folder ".Sent".
    QString sentName() const;

    // The directory of the folder, created with cur/new/tmp for Maildir. In a Maildir the
    // inbox is the root itself.
    QString folderPath(const QString &folderName) const;
    // Writes the message as the folder's next file; returns the file's path.
    QString addMessage(const QString &folderName, const MailBuilder &mail);

    struct Sample
    {
        int inboxCount = 10;
        int sentCount = 10;
        QString ownAddress = QStringLiteral("ja@orvanta.cz");
        QStringList addresses{QStringLiteral("jan.novak@alfa.cz"), QStringLiteral("eva.svobodova@beta.cz")};
        int attachmentEvery = 5;                 // every n-th message has an attachment; 0: none
        QDateTime start = QDateTime(QDate(2024, 1, 1), QTime(8, 0));
        int minutesApart = 37;
    };
    // Inbox messages from the addresses in turn to ownAddress, sent messages the other way.
    void writeSample(const Sample &sample);

private:
    QString m_root;
    Layout m_layout;
    int m_sequence = 0;
};

} // namespace Eml
