#include "infobrowser/TDataInfoUpdate.h"

#include "infobrowser/DataInfoSettings.h"
#include "infobrowser/UpdateRules.h"

#include "base/Clock.h"
#include "base/DelphiDateTime.h"
#include "base/IniFile.h"
#include "base/MessageService.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTemporaryFile>

Q_LOGGING_CATEGORY(lcUpdate, "orvanta.infobrowser.update")

namespace InfoBrowser {

namespace {

bool isInside(const QString &path, const QString &directory)
{
    const QString canonicalPath = QFileInfo(path).canonicalFilePath();
    const QString canonicalDirectory = QFileInfo(directory).canonicalFilePath();
    return !canonicalPath.isEmpty() && !canonicalDirectory.isEmpty()
           && (canonicalPath == canonicalDirectory || canonicalPath.startsWith(canonicalDirectory + u'/'));
}

} // namespace

TDataInfoUpdate::TDataInfoUpdate(QObject *parent)
    : QObject(parent)
{
    m_manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

TDataInfoUpdate::~TDataInfoUpdate() = default;

void TDataInfoUpdate::setPageDirectory(const QString &directory)
{
    m_pageDirectory = directory.endsWith(u'/') ? directory : directory + u'/';
}

void TDataInfoUpdate::setUpdateUrl(const QString &url)
{
    m_updateUrl = url;
}

void TDataInfoUpdate::setProgressText(const QString &text)
{
    m_progressText = text;
    emit progress(0, 0, m_progressText);
}

void TDataInfoUpdate::abort()
{
    m_abortRequested = true;
    if (m_reply)
        m_reply->abort();
}

std::optional<QString> TDataInfoUpdate::fetch(const QUrl &url, QIODevice *sink)
{
    QNetworkRequest request(url);
    // Always the server's copy: a stale cached list would hide new items.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setTransferTimeout(m_transferTimeout);

    QNetworkReply *reply = m_manager.get(request);
    m_reply = reply;
    bool writeFailed = false;
    QEventLoop loop;
    connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        if (sink->write(reply->readAll()) < 0) {
            writeFailed = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        emit progress(std::max<qint64>(total, 0), received, m_progressText);
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (m_abortRequested)
        reply->abort();
    if (!reply->isFinished())
        loop.exec();
    if (!writeFailed && reply->bytesAvailable() > 0 && sink->write(reply->readAll()) < 0)
        writeFailed = true;

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    std::optional<QString> error;
    if (writeFailed)
        error = sink->errorString();
    else if (status >= 400)
        error = QString::number(status);
    else if (reply->error() != QNetworkReply::NoError)
        error = QString::number(int(reply->error())) + QStringLiteral(" (") + reply->errorString() + u')';
    if (error)
        qCWarning(lcUpdate) << "download of" << url.toString() << "failed:" << *error;
    reply->deleteLater();
    m_reply = nullptr;
    return error;
}

QString TDataInfoUpdate::itemDirectory(const TDataInfoUpdateItem &item) const
{
    return item.directory.isEmpty() ? m_pageDirectory : m_pageDirectory + item.directory + u'/';
}

bool TDataInfoUpdate::isUpToDate(const TDataInfoUpdateItem &item) const
{
    if (!QFileInfo(itemDirectory(item)).isDir())
        return false;
    for (const TDataInfoUpdateFile &file : item.files) {
        const std::optional<std::uint32_t> age = fileAge(file.localPath);
        if (!age || (file.timeStamp && *age < *file.timeStamp))
            return false;
    }
    return true;
}

bool TDataInfoUpdate::loadList()
{
    m_items.clear();
    m_abortRequested = false;
    setProgressText(tr("Stahuji seznam dostupných položek."));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    m_busy = true;
    const std::optional<QString> error = fetch(QUrl::fromUserInput(m_updateUrl), &buffer);
    m_busy = false;
    if (error) {
        if (!m_abortRequested) {
            Orv::showMessage(QLatin1String(ApplicationTitle), tr("Chyba při stahování informací o změnách."),
                             Orv::MsgIcon::Warning);
        }
        return false;
    }

    // The list is read through the ini rules from a temporary file, removed afterwards.
    QTemporaryFile listFile(QDir::tempPath() + QStringLiteral("/orvanta-update-XXXXXX.ini"));
    if (!listFile.open() || listFile.write(buffer.data()) != buffer.size() || !listFile.flush()) {
        Orv::showMessage(QLatin1String(ApplicationTitle), tr("Chyba při stahování informací o změnách."),
                         Orv::MsgIcon::Warning);
        return false;
    }
    listFile.close();

    const Orv::IniFile ini(listFile.fileName());
    const QUrl base = QUrl::fromUserInput(m_updateUrl);
    QStringList rejected;
    for (const QString &section : ini.sections()) {
        TDataInfoUpdateItem item;
        item.title = ini.readString(section, QStringLiteral("Title"));
        item.description = ini.readString(section, QStringLiteral("Description"));
        item.date = ini.readString(section, QStringLiteral("Date"), Orv::dateToStr(Orv::Clock::now().date()));
        item.hidden = ini.readBool(section, QStringLiteral("Hide"), false);
        item.always = item.hidden || ini.readBool(section, QStringLiteral("Always"), false);
        const QString name = item.title.isEmpty() ? section : item.title;

        const QString dir = ini.readString(section, QStringLiteral("Dir"));
        const std::optional<QString> directory = relativeItemDirectory(dir);
        if (!directory) {
            rejected << tr("%1: adresář „%2“ leží mimo adresář se zdroji").arg(name, dir);
            continue;
        }
        item.directory = *directory;

        QString problem;
        for (int number = 0; ini.valueExists(section, QStringLiteral("File%1").arg(number)); ++number) {
            TDataInfoUpdateFile file;
            const QString address = ini.readString(section, QStringLiteral("File%1").arg(number));
            const QUrl url = base.resolved(QUrl(address));
            const QString fileName = fileNameFromUrl(address);
            if (!isSafeFileName(fileName)) {
                problem = tr("%1: adresa „%2“ nedává platný název souboru").arg(name, address);
                break;
            }
            if (url.scheme() != u"http" && url.scheme() != u"https") {
                problem = tr("%1: adresa „%2“ není adresou protokolu HTTP").arg(name, address);
                break;
            }
            file.url = url.toString();
            file.timeStamp = parseTimeStamp(ini.readString(section, QStringLiteral("Time%1").arg(number)));
            file.localPath = itemDirectory(item) + fileName;
            item.files << file;
        }
        if (!problem.isEmpty()) {
            rejected << problem;
            continue;
        }
        item.selected = !isUpToDate(item);
        m_items << item;
    }
    if (!rejected.isEmpty()) {
        Orv::showMessage(QLatin1String(ApplicationTitle),
                         tr("Tyto položky seznamu byly vynechány, protože by zapisovaly mimo adresář se zdroji "
                            "nebo nemají platnou adresu:\n") + rejected.join(u'\n'),
                         Orv::MsgIcon::Warning);
    }
    return true;
}

std::optional<QString> TDataInfoUpdate::prepareDirectory(const QString &directory) const
{
    // The name was checked when the list was read; this catches a symbolic link inside the
    // page directory that leads out of it, before anything is created through it.
    QString existing = QDir::cleanPath(directory);
    while (!QFileInfo::exists(existing) && existing != QFileInfo(existing).path())
        existing = QFileInfo(existing).path();
    if (!QDir().mkpath(m_pageDirectory) || !isInside(existing, m_pageDirectory))
        return tr("adresář leží mimo adresář se zdroji");
    if (!QDir().mkpath(directory))
        return tr("nelze vytvořit adresář");
    if (!isInside(directory, m_pageDirectory))
        return tr("adresář leží mimo adresář se zdroji");
    return std::nullopt;
}

std::optional<QString> TDataInfoUpdate::downloadFile(const TDataInfoUpdateFile &file, const QString &directory)
{
    if (std::optional<QString> error = prepareDirectory(directory))
        return error;

    // The page is replaced only by a complete download: QSaveFile renames on commit.
    QSaveFile target(file.localPath);
    if (!target.open(QIODevice::WriteOnly))
        return target.errorString();
    if (std::optional<QString> error = fetch(QUrl(file.url), &target))
        return error;
    if (!target.commit())
        return target.errorString();
    return std::nullopt;
}

TDataInfoUpdate::Result TDataInfoUpdate::download()
{
    m_busy = true;
    m_abortRequested = false;
    bool failed = false;
    const auto finish = [this](Result result) {
        m_busy = false;
        return result;
    };

    for (const TDataInfoUpdateItem &item : std::as_const(m_items)) {
        if (!item.selected && !item.hidden)
            continue;
        const QString directory = itemDirectory(item);
        prepareDirectory(directory); // a failure is reported with the first file that needs it
        for (const TDataInfoUpdateFile &file : item.files) {
            setProgressText(file.localPath);
            const std::optional<std::uint32_t> age = fileAge(file.localPath);
            if (file.timeStamp && age && *age >= *file.timeStamp)
                continue;
            for (;;) {
                const std::optional<QString> error = downloadFile(file, directory);
                if (m_abortRequested)
                    return finish(Result::Aborted);
                if (!error)
                    break;
                failed = true;
                emit attentionNeeded();
                const Orv::MsgButton answer = Orv::showMessage(
                    QLatin1String(ApplicationTitle),
                    tr("Chyba při stahování souboru ") + file.localPath + u'-' + *error, Orv::MsgIcon::Warning,
                    Orv::MsgButtons::AbortRetryIgnore, Orv::MsgButton::Retry);
                if (answer == Orv::MsgButton::Abort || m_abortRequested)
                    return finish(Result::Aborted);
                if (answer != Orv::MsgButton::Retry)
                    break;
            }
        }
    }
    m_busy = false;
    emit updated();
    return failed ? Result::Failed : Result::Succeeded;
}

} // namespace InfoBrowser
