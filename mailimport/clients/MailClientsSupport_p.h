#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <functional>

class EOrvError;

// Helpers shared by the mail clients of this folder; not part of their interface.
namespace Mail::Internal {

// The clients' diagnostic log: what the mail import writes about each listed message.
Q_DECLARE_LOGGING_CATEGORY(lcClients)

// TOrvMail's attachment list: every name in double quotes (inner quotes doubled), joined
// with ",".
QString quotedCommaText(const QStringList &names);

// The stores write attachments only to files: let `write` save into a private temporary
// file and return its content. Throws EOrvIoError when nothing readable was written.
QByteArray readThroughTemporaryFile(const std::function<void(const QString &path)> &write);

// What went wrong while a downloader walked its folders. A damaged folder or message is
// logged and skipped so that the rest is still listed; at the end the first problem is
// reported as the downloader's error, so the user learns that the list is incomplete.
class DownloadProblems
{
    Q_DECLARE_TR_FUNCTIONS(Mail::Internal::DownloadProblems)

public:
    void add(const EOrvError &error, const QString &where);
    int count() const { return m_count; }
    // Throws EOrvUserError naming the first problem and the count, when there was any.
    void throwIfAny() const;

private:
    int m_count = 0;
    QString m_firstText;
    QString m_firstDetail;
};

} // namespace Mail::Internal
