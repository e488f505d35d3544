#include "platform/eml/StoreNamespace.h"

#include "platform/eml/GMimeSupport.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <unordered_set>

Q_LOGGING_CATEGORY(lcEml, "orvanta.platform.eml")

namespace Eml {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Eml::Store)
};

constexpr int MaxFolderDepth = 8;
constexpr qint64 MaxHeaderBytes = 256 * 1024;

bool isMaildir(const QDir &dir)
{
    return dir.exists(QStringLiteral("cur")) || dir.exists(QStringLiteral("new"));
}

bool isMaildirPart(const QString &name)
{
    return name == QLatin1String("cur") || name == QLatin1String("new") || name == QLatin1String("tmp");
}

QString folderName(const QString &dirName)
{
    // Maildir++ keeps subfolders as ".Sent"; show them without the dot.
    return dirName.startsWith(QLatin1Char('.')) ? dirName.mid(1) : dirName;
}

// Directories under `dir` that are folders of the store.
QFileInfoList childFolders(const QDir &dir)
{
    const bool maildir = isMaildir(dir);
    QFileInfoList result;
    const QFileInfoList dirs =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &info : dirs) {
        const QString name = info.fileName();
        if (maildir && isMaildirPart(name))
            continue;
        // Hidden directories are folders only as Maildir++ subfolders.
        if (name.startsWith(QLatin1Char('.')) && !isMaildir(QDir(info.filePath())))
            continue;
        result << info;
    }
    return result;
}

QStringList messageFiles(const QDir &dir)
{
    QStringList files;
    const QDir::Filters filter = QDir::Files | QDir::NoSymLinks;
    if (isMaildir(dir)) {
        for (const char *sub : {"cur", "new"}) {
            const QDir part(dir.filePath(QString::fromLatin1(sub)));
            for (const QFileInfo &info : part.entryInfoList(filter, QDir::Name))
                files << info.filePath();
        }
    } else {
        for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*.eml")}, filter | QDir::CaseSensitive, QDir::Name))
            files << info.filePath();
        for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*.EML"), QStringLiteral("*.Eml")}, filter, QDir::Name))
            if (!files.contains(info.filePath()))
                files << info.filePath();
    }
    return files;
}

// The part of a file name that names the message for good: Maildir adds ":2,FLAGS".
QString messageKey(const QString &path, bool maildir)
{
    QString name = QFileInfo(path).fileName();
    if (maildir) {
        const qsizetype colon = name.indexOf(QLatin1Char(':'));
        if (colon > 0)
            name.truncate(colon);
    }
    return name;
}

QString joinAddresses(InternetAddressList *list)
{
    QStringList parts;
    const int count = list ? internet_address_list_length(list) : 0;
    for (int i = 0; i < count; ++i) {
        InternetAddress *address = internet_address_list_get_address(list, i);
        const char *name = internet_address_get_name(address);
        if (name && *name) {
            parts << QString::fromUtf8(name);
        } else if (INTERNET_ADDRESS_IS_MAILBOX(address)) {
            parts << QString::fromUtf8(internet_address_mailbox_get_addr(INTERNET_ADDRESS_MAILBOX(address)));
        }
    }
    return parts.join(QLatin1String("; "));
}

QByteArray readHead(QFile &file)
{
    QByteArray head;
    while (!file.atEnd() && head.size() < MaxHeaderBytes) {
        const QByteArray line = file.readLine(MaxHeaderBytes);
        if (line.isEmpty())
            break;
        head += line;
        if (line == "\n" || line == "\r\n")
            break;
    }
    return head;
}

QDateTime receivedTime(GMimeMessage *message, const QFileInfo &file)
{
    GMimeObject *object = GMIME_OBJECT(message);
    if (const std::optional<QString> received = Internal::rawHeaderValue(object, "Received")) {
        const qsizetype semicolon = received->lastIndexOf(QLatin1Char(';'));
        if (semicolon >= 0) {
            const QDateTime when = Internal::parseRfc822Date(received->mid(semicolon + 1).trimmed().toUtf8());
            if (when.isValid())
                return when;
        }
    }
    if (const std::optional<QString> date = Internal::rawHeaderValue(object, "Date")) {
        const QDateTime when = Internal::parseRfc822Date(date->toUtf8());
        if (when.isValid())
            return when;
    }
    return file.lastModified();
}

QString relativeOf(const QDir &root, const QString &path)
{
    QString relative = root.relativeFilePath(path);
    return relative == QLatin1String(".") ? QString() : relative;
}

} // namespace

quint32 stableId(const QString &text)
{
    quint32 hash = 2166136261u;
    for (const char c : text.toLower().toUtf8()) {
        hash ^= quint8(c);
        hash *= 16777619u;
    }
    return hash;
}

// --- StoreFolder ---

StoreFolder::~StoreFolder() = default;

bool StoreFolder::GetFirstMessage(MessageProps &props)
{
    m_cursor = 0;
    return GetNextMessage(props);
}

bool StoreFolder::GetNextMessage(MessageProps &props)
{
    while (m_cursor < m_entries.size()) {
        const Entry &entry = m_entries[m_cursor++];
        QFile file(entry.path);
        if (!file.open(QIODevice::ReadOnly)) {
            qCWarning(lcEml).noquote() << "skipped" << entry.path << file.errorString();
            continue;
        }
        const Internal::MimeMessagePtr message = Internal::parseMessage(readHead(file));
        const QFileInfo info(entry.path);
        props = MessageProps();
        props.messageId = entry.number;
        props.filePath = entry.path;
        if (!message) {
            // Not a MIME message at all: still listed, so the user sees that it exists.
            props.received = info.lastModified();
            continue;
        }
        props.received = receivedTime(message.get(), info);
        const char *subject = g_mime_message_get_subject(message.get());
        props.subject = subject ? QString::fromUtf8(subject) : QString();
        props.displayTo = joinAddresses(g_mime_message_get_to(message.get()));
        props.displayFrom = joinAddresses(g_mime_message_get_from(message.get()));
        return true;
    }
    return false;
}

void StoreFolder::GetMessageClose()
{
    m_cursor = m_entries.size();
}

std::unique_ptr<MimeMessage> StoreFolder::OpenMessage(quint32 messageId) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [messageId](const Entry &e) { return e.number == messageId; });
    if (it == m_entries.end())
        return nullptr;
    QFile file(it->path);
    if (!file.open(QIODevice::ReadOnly))
        throw EOrvIoError(Tr::tr("Zprávu „%1“ nelze otevřít.").arg(QFileInfo(it->path).fileName()),
                          QStringLiteral("%1: %2").arg(it->path, file.errorString()));
    return MimeMessage::fromData(file.readAll(), it->path);
}

// --- StoreNamespace ---

StoreNamespace::StoreNamespace(const QString &root)
    : m_root(QDir(root).absolutePath())
{
    const QFileInfo info(m_root);
    if (!info.isDir() || !info.isReadable())
        throw EOrvIoError(Tr::tr("Složka pošty „%1“ neexistuje nebo ji nelze číst.").arg(root),
                          QStringLiteral("%1: not a readable directory").arg(root));
}

StoreNamespace::~StoreNamespace() = default;

QList<FolderProps> StoreNamespace::SubFolders() const
{
    const QDir root(m_root);
    QList<FolderProps> folders;
    const auto add = [&](const QString &path, const QString &name) {
        FolderProps props;
        props.relativePath = relativeOf(root, path);
        props.folderId = stableId(props.relativePath);
        props.name = name;
        props.messageCount = int(messageFiles(QDir(path)).size());
        folders << props;
    };
    if (isMaildir(root))
        add(m_root, QStringLiteral("Inbox"));
    for (const QFileInfo &info : childFolders(root))
        add(info.filePath(), folderName(info.fileName()));
    std::stable_sort(folders.begin(), folders.end(), [](const FolderProps &a, const FolderProps &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return folders;
}

std::unique_ptr<StoreFolder> StoreNamespace::OpenFolder(quint32 folderId) const
{
    const QDir root(m_root);
    QString found;
    QString foundName;
    // Breadth first over the tree, bounded so that a symlink loop or a huge tree cannot hang.
    QList<std::pair<QString, int>> pending{{m_root, 0}};
    while (!pending.isEmpty() && found.isNull()) {
        const auto [path, depth] = pending.takeFirst();
        const QString relative = relativeOf(root, path);
        if (stableId(relative) == folderId && (depth > 0 || isMaildir(root))) {
            found = path;
            foundName = depth == 0 ? QStringLiteral("Inbox") : folderName(QFileInfo(path).fileName());
            break;
        }
        if (depth < MaxFolderDepth)
            for (const QFileInfo &info : childFolders(QDir(path)))
                pending.append({info.filePath(), depth + 1});
    }
    if (found.isNull())
        return nullptr;

    auto folder = std::unique_ptr<StoreFolder>(new StoreFolder);
    folder->m_props.relativePath = relativeOf(root, found);
    folder->m_props.folderId = folderId;
    folder->m_props.name = foundName;

    const QDir dir(found);
    const bool maildir = isMaildir(dir);
    QStringList files = messageFiles(dir);
    std::sort(files.begin(), files.end(), [maildir](const QString &a, const QString &b) {
        return messageKey(a, maildir) < messageKey(b, maildir);
    });
    std::unordered_set<quint32> used;
    folder->m_entries.reserve(size_t(files.size()));
    for (const QString &file : files) {
        quint32 number = stableId(messageKey(file, maildir));
        while (number == 0 || used.count(number))
            ++number;
        used.insert(number);
        folder->m_entries.push_back({number, file});
    }
    folder->m_props.messageCount = int(files.size());
    return folder;
}

} // namespace Eml
