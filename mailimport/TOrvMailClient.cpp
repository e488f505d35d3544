#include "mailimport/TOrvMailClient.h"

#include "mailimport/TOrvMailDownloader.h"

#include "base/Errors.h"
#include "base/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace Mail {

namespace {

QHash<QString, TOrvMailClient::SettingsFrameFactory> &frameFactories()
{
    static QHash<QString, TOrvMailClient::SettingsFrameFactory> factories;
    return factories;
}

bool fileHasContent(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (file.size() != data.size() || !file.open(QIODevice::ReadOnly))
        return false;
    return file.readAll() == data;
}


} // namespace

TOrvMailClient::TOrvMailClient() = default;
TOrvMailClient::~TOrvMailClient() = default;

void TOrvMailClient::AfterCreate()
{
}

void TOrvMailClient::setSettings(std::unique_ptr<TOrvMailClientSettings> settings)
{
    m_settings = std::move(settings);
}

QString TOrvMailClient::SaveAttachment(const TOrvMail &mail, const QString &fileName,
                                       const QString &directory, QString *errorText)
{
    const auto fail = [&](const QString &reason) {
        if (errorText)
            *errorText = reason;
        return QString();
    };
    if (directory.isEmpty() || !QDir::isAbsolutePath(directory))
        return fail(tr("Není nastaven adresář pro ukládané přílohy."));
    if (!QFileInfo(directory).isDir())
        return fail(tr("Adresář pro ukládané přílohy \"%1\" neexistuje.").arg(QDir::toNativeSeparators(directory)));

    const std::optional<QByteArray> data = AttachmentData(mail, fileName);
    if (!data)
        return fail(tr("Příloha nebyla v e-mailu nalezena."));

    const QString dir = QDir(directory).absolutePath();
    const QString safeName = Orv::safeFileName(fileName);
    // The first name that is free or already holds this very content: a file saved before
    // (a second save, another subject) is shared, a different file of that name is kept.
    const QString path = dir + QLatin1Char('/')
        + Orv::freeFileName(dir, safeName, [&](const QString &existing) { return fileHasContent(existing, *data); });
    if (QFileInfo::exists(path))
        return path;
    try {
        Orv::writeFileAtomically(path, *data);
    } catch (const EOrvError &error) {
        return fail(error.userText());
    }
    return path;
}

QWidget *TOrvMailClient::CreateSettingsFrame(QWidget *owner)
{
    const SettingsFrameFactory factory = frameFactories().value(m_settings ? m_settings->GetSection() : QString());
    return factory ? factory(*this, owner) : nullptr;
}

void TOrvMailClient::registerSettingsFrame(const QString &section, SettingsFrameFactory factory)
{
    frameFactories().insert(section, std::move(factory));
}

} // namespace Mail
