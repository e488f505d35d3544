#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

// The Outlook object model over a personal-folders file (.pst) read with libpff: the few
// objects and members the Outlook mail client uses, with Outlook's names. The classes form
// one small cluster (each object keeps the open file alive), so they share this header.
//
// Identifiers: EntryID is the libpff item identifier of a folder or message as eight
// upper-case hex digits ("00200024"); it is stored in the file, so it stays the same
// across openings. Times are local time.
//
// Errors: opening or reading a damaged file throws EOrvIoError (Czech user text, libpff's
// message as detail). Look-ups of identifiers that do not exist return nullptr.
//
// Threading: libpff handles are not thread-safe. Open one NameSpace per thread and use the
// objects it gives only in that thread (as the client keeps one Outlook session per thread).
namespace Pst {

namespace Internal {
struct Store;
struct ItemHandle;
}

class Items;
class MailItem;
class Attachments;
class Recipients;

// Outlook's OlItemType values that DefaultItemType gives.
enum OlItemType { olMailItem = 0, olAppointmentItem = 1, olContactItem = 2, olTaskItem = 3,
                  olJournalItem = 4, olNoteItem = 5 };

class MAPIFolder
{
public:
    ~MAPIFolder();
    MAPIFolder(const MAPIFolder &) = delete;
    MAPIFolder &operator=(const MAPIFolder &) = delete;

    QString EntryID() const;
    QString Name() const;
    // From the folder's container class: IPF.Appointment 1, IPF.Contact 2, IPF.Task 3,
    // IPF.Journal 4, IPF.StickyNote 5, anything else (IPF.Note, none) 0.
    int DefaultItemType() const;
    int ItemCount() const;                                // messages directly in the folder
    std::vector<std::unique_ptr<MAPIFolder>> Folders() const;
    std::unique_ptr<Pst::Items> Items() const;

private:
    friend class NameSpace;
    MAPIFolder(std::shared_ptr<Internal::Store> store, std::unique_ptr<Internal::ItemHandle> item);
    std::shared_ptr<Internal::Store> m_store;
    std::unique_ptr<Internal::ItemHandle> m_item;
};

// The messages of one folder, walked with a filter as Outlook's Items.Find/FindNext do.
class Items
{
public:
    ~Items();
    Items(const Items &) = delete;
    Items &operator=(const Items &) = delete;

    int Count() const;
    // Filter: "[Property] op 'value'" or with the value in double quotes; op is one of
    // = <> < <= > >=; properties ReceivedTime, SentOn, CreationTime (dates as d/m/yyyy with
    // an optional time h:mm[:ss] and am/pm, day first) and Subject (text, exact).
    // An empty filter matches every message. Messages without the property never match.
    // Throws EOrvUserError for a filter it cannot read. Returns nullptr when nothing matches.
    std::unique_ptr<MailItem> Find(const QString &filter);
    std::unique_ptr<MailItem> FindNext();

private:
    friend class MAPIFolder;
    Items(std::shared_ptr<Internal::Store> store, std::unique_ptr<Internal::ItemHandle> folder);
    struct Private;
    std::unique_ptr<Private> d;
};

class Attachment
{
public:
    // The attachment's file name made safe (Orv::safeFileName): long name, else short name,
    // else display name, else "priloha".
    QString FileName() const { return m_fileName; }
    QString DisplayName() const { return m_displayName; }
    qint64 Size() const { return m_size; }
    // Writes the data to `path` (temporary file + rename). Throws EOrvIoError when the
    // attachment has no data of its own (an attached message or a link) or cannot be
    // read or written.
    void SaveAsFile(const QString &path) const;

private:
    friend class MailItem;
    std::shared_ptr<Internal::Store> m_store;
    quint32 m_messageId = 0;
    int m_index = 0;
    QString m_fileName;
    QString m_displayName;
    qint64 m_size = 0;
};

class Attachments
{
public:
    int Count() const { return int(m_list.size()); }
    const Attachment &Item(int index) const;           // 1-based, as in Outlook

private:
    friend class MailItem;
    QList<Attachment> m_list;
};

class Recipient
{
public:
    QString Name;
    // The SMTP address when the store has one, else the stored address (for Exchange
    // recipients possibly an X.500 address).
    QString Address;
    int Type = 1;                                       // 0 originator, 1 To, 2 Cc, 3 Bcc
};

class Recipients
{
public:
    int Count() const { return int(m_list.size()); }
    const Recipient &Item(int index) const;            // 1-based

private:
    friend class MailItem;
    QList<Recipient> m_list;
};

class MailItem
{
public:
    ~MailItem();
    MailItem(const MailItem &) = delete;
    MailItem &operator=(const MailItem &) = delete;

    QString EntryID() const;
    QDateTime ReceivedTime() const;                     // invalid when the store has none
    QDateTime SentOn() const;
    QString Subject() const;
    QString SenderName() const;
    QString To() const;                                 // display names, "; "-separated
    QString Body() const;                               // plain text
    // The HTML body; a message with only a plain body gets it escaped, lines kept with <br>.
    QString HTMLBody() const;
    Pst::Attachments Attachments() const;
    Pst::Recipients Recipients() const;
    // A reply draft: not stored, its only recipient is the sender (reply address).
    std::unique_ptr<MailItem> Reply() const;

private:
    friend class NameSpace;
    friend class Items;
    MailItem(std::shared_ptr<Internal::Store> store, std::unique_ptr<Internal::ItemHandle> item);
    MailItem() = default;
    std::shared_ptr<Internal::Store> m_store;
    std::unique_ptr<Internal::ItemHandle> m_item;
    // Only for a reply draft.
    Pst::Recipients m_replyRecipients;
    QString m_replySubject;
};

class NameSpace
{
public:
    // Opens the store; throws EOrvIoError when the file is missing or not a readable .pst.
    static std::unique_ptr<NameSpace> open(const QString &pstFile);
    ~NameSpace();

    QString fileName() const;
    std::unique_ptr<MAPIFolder> GetRootFolder() const;
    // The store identifier is accepted for Outlook's signature and ignored (one store).
    // Throws EOrvIoError when no folder has this identifier.
    std::unique_ptr<MAPIFolder> GetFolderFromID(const QString &entryID, const QString &storeID = {}) const;
    // nullptr when no message has this identifier.
    std::unique_ptr<MailItem> GetItemFromID(const QString &entryID, const QString &storeID = {}) const;

private:
    NameSpace() = default;
    std::shared_ptr<Internal::Store> m_store;
};

} // namespace Pst
