#pragma once

#include "platform/eml/MimeMessage.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

// The Windows Mail / Outlook Express store model (IStoreNamespace / IStoreFolder with their
// names) over a directory tree on disk. Two layouts are read:
//   - Windows Mail: one directory per folder ("Inbox", "Sent Items" …), one .eml file per
//     message directly in it;
//   - Maildir: a directory with cur/ new/ tmp/ is a folder (messages in cur/ and new/);
//     the store root may itself be one (then named "Inbox"), Maildir++ subfolders ".Sent"
//     are named without the dot.
// Folder identifiers are FNV-1a (32 bit) of the folder's path relative to the root, in
// lower case with "/" separators ("" for the root); they stay the same across runs and
// machines as long as the folder is not renamed.
// Message numbers are FNV-1a of the message's file name in lower case (for Maildir the
// unique part before ":", so that flag changes and new/ → cur/ keep the number), unique in
// the folder (a collision takes the next free number in file-name order); never 0.
// The received time is the date of the topmost "Received:" header (the last hop's receipt),
// else the "Date:" header, else the file's modification time.
// Objects are used in one thread; open a StoreNamespace per thread.
namespace Eml {

struct FolderProps
{
    quint32 folderId = 0;
    QString name;
    int messageCount = 0;
    QString relativePath;                       // "/"-separated, "" for the root
};

struct MessageProps
{
    quint32 messageId = 0;
    QDateTime received;                         // local time
    QString subject;
    QString displayTo;                          // display names (else addresses), "; "-joined
    QString displayFrom;
    QString filePath;
};

// FNV-1a, 32 bit, over the UTF-8 bytes of `text` lower-cased.
quint32 stableId(const QString &text);

class StoreFolder
{
public:
    ~StoreFolder();
    StoreFolder(const StoreFolder &) = delete;
    StoreFolder &operator=(const StoreFolder &) = delete;

    const FolderProps &props() const { return m_props; }

    // The message walk; a message file that cannot be read is skipped (logged).
    bool GetFirstMessage(MessageProps &props);
    bool GetNextMessage(MessageProps &props);
    void GetMessageClose();

    // nullptr when the folder has no such message; throws EOrvIoError when the file
    // cannot be read or holds no MIME message.
    std::unique_ptr<MimeMessage> OpenMessage(quint32 messageId) const;

private:
    friend class StoreNamespace;
    StoreFolder() = default;
    struct Entry
    {
        quint32 number;
        QString path;
    };
    FolderProps m_props;
    std::vector<Entry> m_entries;
    size_t m_cursor = 0;
};

class StoreNamespace
{
public:
    // Throws EOrvIoError when `root` is not a readable directory.
    explicit StoreNamespace(const QString &root);
    ~StoreNamespace();

    QString root() const { return m_root; }
    // The folders directly under the root (and the root itself when it is a Maildir),
    // sorted by name: the walk of GetFirstSubFolder/GetNextSubFolder.
    QList<FolderProps> SubFolders() const;
    // Any folder of the tree by identifier; nullptr when none has it.
    std::unique_ptr<StoreFolder> OpenFolder(quint32 folderId) const;

private:
    QString m_root;
};

} // namespace Eml
