#include "mailimport/clients/MailStoreClient.h"

#include "mailimport/clients/MailClientsSupport_p.h"

#include "base/Errors.h"
#include "base/IniFile.h"
#include "base/Paths.h"

#include <QDir>

namespace Mail {

QString MailStoreClient::storesFileName()
{
    return Orv::programFile(QStringLiteral("mailstores.ini"));
}

QString MailStoreClient::storeLocation() const
{
    const Orv::IniFile ini(storesFileName());
    const QString store = ini.readString(settings()->GetSection(), QStringLiteral("Store")).trimmed();
    if (store.isEmpty())
        return {};
    return QDir::cleanPath(QDir(Orv::programDirectory()).absoluteFilePath(store));
}

QString MailStoreClient::requireStoreLocation() const
{
    return checkedStore(storeLocation(), GetClientName(), settings()->GetSection());
}

QString MailStoreClient::checkedStore(const QString &store, const QString &clientName, const QString &section)
{
    if (store.isEmpty()) {
        throw EOrvUserError(tr("Pro poštovního klienta %1 není v souboru mailstores.ini nastaveno úložiště pošty.")
                                .arg(clientName),
                            QStringLiteral("no Store in [%1] of %2").arg(section, storesFileName()));
    }
    return store;
}

QString MailStoreClient::SaveAttachment(const TOrvMail &mail, const QString &fileName,
                                        const QString &directory, QString *errorText)
{
    try {
        return TOrvMailClient::SaveAttachment(mail, fileName, directory, errorText);
    } catch (const EOrvError &error) {
        qCWarning(Internal::lcClients).noquote()
            << "attachment" << fileName << "of" << mail.UniqueId() << "not saved:" << error.what() << error.detail();
        if (errorText)
            *errorText = error.userText();
        return {};
    }
}

QList<MailFolder> listMailFolders(TOrvMailClient &client)
{
    auto *storeClient = dynamic_cast<MailStoreClient *>(&client);
    return storeClient ? storeClient->ListFolders() : QList<MailFolder>();
}

} // namespace Mail
