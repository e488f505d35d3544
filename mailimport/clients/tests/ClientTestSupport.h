#pragma once

#include "mailimport/clients/MailStoreClient.h"
#include "mailimport/TOrvMailDownloader.h"
#include "mailimport/TOrvMailList.h"

#include "base/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

// Helpers shared by the client tests: the program directory, mailstores.ini and a run of
// a client's downloader.
namespace Mail::Test {

// Points the program directory at a fresh temporary directory for the test's life.
class ConfigHome
{
public:
    ConfigHome() { qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8()); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

inline void setStore(const QString &section, const QString &store)
{
    Orv::IniFile ini(MailStoreClient::storesFileName());
    ini.writeString(section, QStringLiteral("Store"), store);
    ini.save();
}

struct Download
{
    QList<TOrvMailPtr> inbox;
    QList<TOrvMailPtr> outbox;
    QString error;

    TOrvMailPtr inboxWithSubject(const QString &subject) const
    {
        for (const TOrvMailPtr &mail : inbox)
            if (mail->Subject() == subject)
                return mail;
        return nullptr;
    }
};

// Runs the client's downloader to its end in its own thread, as the mail manager does.
inline Download download(TOrvMailClient &client)
{
    auto list = std::make_shared<TOrvMailList>();
    const std::unique_ptr<TOrvMailDownloader> downloader = client.CreateDownloader(list);
    downloader->start();
    downloader->wait();
    Download result;
    result.error = downloader->errorText();
    for (const TOrvMailPtr &mail : list->snapshot())
        (mail->Direction() == TOrvMailDirection::Inbox ? result.inbox : result.outbox) << mail;
    return result;
}

inline QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace Mail::Test
