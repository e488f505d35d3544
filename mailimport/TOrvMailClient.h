#pragma once

#include "mailimport/TOrvMail.h"
#include "mailimport/TOrvMailClientSettings.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace Mail {

class TOrvMailDownloader;
class TOrvMailList;

// One supported mail client (Outlook over .pst, Outlook Express over .eml/Maildir, Notes
// over DXL, an in-memory one in tests): lists its messages through a downloader, loads a
// message's detail and hands out its attachments.
//
// Make one with TOrvMailClient::Create<Client>(…), which runs AfterCreate and then
// CreateSettings, as a virtual constructor would. The client owns its settings object.
// Threads: LoadDetail, AttachmentData and SaveAttachment may run in a worker (automatic
// import) or in the main thread, one at a time; a client needs no lock for that.
class TOrvMailClient
{
    Q_DECLARE_TR_FUNCTIONS(Mail::TOrvMailClient)

public:
    virtual ~TOrvMailClient();
    TOrvMailClient(const TOrvMailClient &) = delete;
    TOrvMailClient &operator=(const TOrvMailClient &) = delete;

    template<typename Client, typename... Args>
    static std::unique_ptr<Client> Create(Args &&...args)
    {
        auto client = std::make_unique<Client>(std::forward<Args>(args)...);
        client->AfterCreate();
        client->CreateSettings();
        Q_ASSERT(client->settings());
        return client;
    }

    // Hook after construction; empty by default.
    virtual void AfterCreate();
    // Creates the client's settings object (setSettings) and loads it from the settings file.
    virtual void CreateSettings() = 0;
    // The name shown in the settings dialog's list of clients.
    virtual QString GetClientName() const = 0;
    // The client's store is configured and opens (mailstores.ini on Linux).
    virtual bool IsAvailable() = 0;
    // Fills Attachments, Body and IsPlain through SetDetail (a client may also replace From
    // and To by plain addresses); true on success.
    virtual bool LoadDetail(TOrvMail &mail) = 0;
    // Writes the attachment named `fileName` (one of mail.attachmentList()) into
    // `directory` and returns the path really written, or an empty string with the reason
    // in *errorText. The file name is reduced to a safe base name; a different file of that
    // name is never overwritten (a free name is taken instead) and a file with the same
    // content is reused. Clients normally only implement AttachmentData().
    virtual QString SaveAttachment(const TOrvMail &mail, const QString &fileName,
                                   const QString &directory, QString *errorText = nullptr);
    // A new downloader, not started, bound to copies of the client's settings.
    virtual std::unique_ptr<TOrvMailDownloader> CreateDownloader(std::shared_ptr<TOrvMailList> mails) = 0;
    // The client's page of the settings dialog. This library has no widgets: the default
    // asks the factory that the GUI registered for the settings' section (null without one).
    virtual QWidget *CreateSettingsFrame(QWidget *owner);

    // The content of one attachment of the message, or nothing when it has none of that name.
    virtual std::optional<QByteArray> AttachmentData(const TOrvMail &mail, const QString &fileName) = 0;

    TOrvMailClientSettings *settings() const { return m_settings.get(); }

    using SettingsFrameFactory = std::function<QWidget *(TOrvMailClient &client, QWidget *owner)>;
    // Main thread only, before any dialog runs.
    static void registerSettingsFrame(const QString &section, SettingsFrameFactory factory);

protected:
    TOrvMailClient();
    void setSettings(std::unique_ptr<TOrvMailClientSettings> settings);

private:
    std::unique_ptr<TOrvMailClientSettings> m_settings;
};

} // namespace Mail
