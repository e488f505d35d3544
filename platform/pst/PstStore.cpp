#include "platform/pst/PstStore.h"

#include "platform/pst/PstFilter.h"

#include "base/Errors.h"
#include "base/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringDecoder>

#include <libpff.h>

#include <cstdio>

Q_LOGGING_CATEGORY(lcPst, "orvanta.platform.pst")

namespace Pst {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Pst::Store)
};

// MAPI property tags that libpff has no convenience call for.
constexpr uint32_t PropSubject = 0x0037;
constexpr uint32_t PropSentRepresentingName = 0x0042;
constexpr uint32_t PropSentRepresentingEmail = 0x0065;
constexpr uint32_t PropRecipientType = 0x0C15;
constexpr uint32_t PropSenderName = 0x0C1A;
constexpr uint32_t PropSenderEmail = 0x0C1F;
constexpr uint32_t PropDisplayTo = 0x0E04;
constexpr uint32_t PropDisplayName = 0x3001;
constexpr uint32_t PropEmailAddress = 0x3003;
constexpr uint32_t PropContainerClass = 0x3613;
constexpr uint32_t PropAttachFilename = 0x3704;
constexpr uint32_t PropAttachLongFilename = 0x3707;
constexpr uint32_t PropSmtpAddress = 0x39FE;
constexpr uint32_t PropInternetCodepage = 0x3FDE;
constexpr uint32_t PropSenderSmtp = 0x5D01;
constexpr uint32_t PropSentRepresentingSmtp = 0x5D02;

struct PffErrorFree { void operator()(libpff_error_t *e) const { libpff_error_free(&e); } };
using PffErrorPtr = std::unique_ptr<libpff_error_t, PffErrorFree>;
struct PffItemFree { void operator()(libpff_item_t *i) const { libpff_item_free(&i, nullptr); } };
using PffItemPtr = std::unique_ptr<libpff_item_t, PffItemFree>;
struct PffRecordSetFree { void operator()(libpff_record_set_t *s) const { libpff_record_set_free(&s, nullptr); } };
using PffRecordSetPtr = std::unique_ptr<libpff_record_set_t, PffRecordSetFree>;
struct PffRecordEntryFree { void operator()(libpff_record_entry_t *e) const { libpff_record_entry_free(&e, nullptr); } };
using PffRecordEntryPtr = std::unique_ptr<libpff_record_entry_t, PffRecordEntryFree>;

// Collects libpff's error chain and frees it; every failing call goes through here.
class PffError
{
public:
    libpff_error_t **operator&() { return &m_error; }
    ~PffError() { if (m_error) libpff_error_free(&m_error); }
    QString text()
    {
        if (!m_error)
            return QStringLiteral("unknown libpff error");
        char buffer[2048] = {};
        libpff_error_sprint(m_error, buffer, sizeof buffer);
        libpff_error_free(&m_error);
        return QString::fromUtf8(buffer).simplified();
    }

private:
    libpff_error_t *m_error = nullptr;
};

QString msgCannotRead(const QString &fileName)
{
    return Tr::tr("Poštovní soubor „%1“ nelze přečíst, je poškozený nebo to není soubor .pst.")
        .arg(QFileInfo(fileName).fileName());
}

QString idText(quint32 id)
{
    return QStringLiteral("%1").arg(id, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<quint32> idFromText(const QString &text)
{
    bool ok = false;
    const QString t = text.trimmed();
    const quint32 id = t.toUInt(&ok, 16);
    if (!ok || t.isEmpty() || t.size() > 8)
        return std::nullopt;
    return id;
}

QDateTime fromFiletime(uint64_t filetime)
{
    if (filetime == 0)
        return {};
    constexpr qint64 EpochDifferenceMs = 11644473600000LL; // 1601-01-01 to 1970-01-01
    const qint64 ms = qint64(filetime / 10000) - EpochDifferenceMs;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toLocalTime();
}

// Subjects in .pst files may start with U+0001 and a length character that mark the
// prefix ("RE: "); Outlook shows the text without them.
QString cleanSubject(QString subject)
{
    if (subject.size() >= 2 && subject.at(0) == QChar(0x01))
        subject.remove(0, 2);
    return subject;
}

} // namespace

namespace Internal {

struct PffFileFree
{
    void operator()(libpff_file_t *file) const
    {
        libpff_file_close(file, nullptr);
        libpff_file_free(&file, nullptr);
    }
};

struct Store
{
    std::unique_ptr<libpff_file_t, PffFileFree> file;
    QString fileName;

    [[noreturn]] void fail(PffError &error, const QString &what) const
    {
        const QString detail = QStringLiteral("%1: %2: %3").arg(fileName, what, error.text());
        qCWarning(lcPst).noquote() << detail;
        throw EOrvIoError(msgCannotRead(fileName), detail);
    }

    PffItemPtr itemById(quint32 id) const
    {
        libpff_item_t *item = nullptr;
        PffError error;
        const int rc = libpff_file_get_item_by_identifier(file.get(), id, &item, &error);
        if (rc == -1)
            fail(error, QStringLiteral("item %1").arg(idText(id)));
        return PffItemPtr(rc == 1 ? item : nullptr);
    }
};

struct ItemHandle
{
    PffItemPtr item;
    quint32 id = 0;

    static std::unique_ptr<ItemHandle> adopt(const Store &store, libpff_item_t *raw)
    {
        auto handle = std::make_unique<ItemHandle>();
        handle->item.reset(raw);
        PffError error;
        if (libpff_item_get_identifier(raw, &handle->id, &error) != 1)
            store.fail(error, QStringLiteral("item identifier"));
        return handle;
    }
};

} // namespace Internal

namespace {

using Internal::ItemHandle;
using Internal::Store;

// The entry of that property type in one record set of the item. The set is kept with the
// entry: libpff's entry points into it. `entry` is null when the property is absent.
struct RecordEntry
{
    PffRecordSetPtr set;
    PffRecordEntryPtr entry; // destroyed before its set
};

RecordEntry recordEntry(libpff_item_t *item, int set, uint32_t type)
{
    RecordEntry found;
    libpff_record_set_t *rawSet = nullptr;
    if (libpff_item_get_record_set_by_index(item, set, &rawSet, nullptr) != 1)
        return found;
    found.set.reset(rawSet);
    libpff_record_entry_t *rawEntry = nullptr;
    if (libpff_record_set_get_entry_by_type(found.set.get(), type, 0, &rawEntry,
                                            LIBPFF_ENTRY_VALUE_FLAG_MATCH_ANY_VALUE_TYPE, nullptr) == 1)
        found.entry.reset(rawEntry);
    return found;
}

// A string property read through the item's record set (folders, attachments, recipients).
std::optional<QString> recordString(libpff_item_t *item, int set, uint32_t type)
{
    const RecordEntry found = recordEntry(item, set, type);
    libpff_record_entry_t *entry = found.entry.get();
    size_t size = 0;
    if (!entry || libpff_record_entry_get_data_as_utf8_string_size(entry, &size, nullptr) != 1 || size == 0)
        return std::nullopt;
    QByteArray buffer(qsizetype(size), '\0');
    if (libpff_record_entry_get_data_as_utf8_string(entry, reinterpret_cast<uint8_t *>(buffer.data()),
                                                    size, nullptr) != 1)
        return std::nullopt;
    return QString::fromUtf8(buffer.constData());
}

std::optional<qint32> recordInt32(libpff_item_t *item, int set, uint32_t type)
{
    const RecordEntry found = recordEntry(item, set, type);
    uint32_t value = 0;
    if (!found.entry || libpff_record_entry_get_data_as_32bit_integer(found.entry.get(), &value, nullptr) != 1)
        return std::nullopt;
    return qint32(value);
}

// A message string property; libpff converts with the message's code page. A damaged
// property reads as missing (logged), so that one bad field does not hide the message.
std::optional<QString> messageString(libpff_item_t *message, uint32_t type)
{
    size_t size = 0;
    PffError error;
    const int rc = libpff_message_get_entry_value_utf8_string_size(message, type, &size, &error);
    if (rc == -1)
        qCWarning(lcPst).noquote() << "property" << Qt::hex << type << error.text();
    if (rc != 1 || size == 0)
        return std::nullopt;
    QByteArray buffer(qsizetype(size), '\0');
    if (libpff_message_get_entry_value_utf8_string(message, type, reinterpret_cast<uint8_t *>(buffer.data()), size,
                                                   &error) != 1) {
        qCWarning(lcPst).noquote() << "property" << Qt::hex << type << error.text();
        return std::nullopt;
    }
    return QString::fromUtf8(buffer.constData());
}

QString firstOf(libpff_item_t *message, std::initializer_list<uint32_t> types)
{
    for (uint32_t type : types) {
        const std::optional<QString> value = messageString(message, type);
        if (value && !value->trimmed().isEmpty())
            return *value;
    }
    return {};
}

QDateTime messageTime(libpff_item_t *message, int (*get)(libpff_item_t *, uint64_t *, libpff_error_t **))
{
    uint64_t filetime = 0;
    PffError error;
    const int rc = get(message, &filetime, &error);
    if (rc == -1)
        qCWarning(lcPst).noquote() << "message time:" << error.text();
    return rc == 1 ? fromFiletime(filetime) : QDateTime();
}

QString decodeHtml(const QByteArray &bytes, std::optional<qint32> codepage)
{
    if (codepage && *codepage != 65001 && *codepage != 20127) {
        const QByteArray name = *codepage == 28591 ? QByteArrayLiteral("ISO-8859-1")
                                : *codepage == 28592 ? QByteArrayLiteral("ISO-8859-2")
                                : *codepage == 932   ? QByteArrayLiteral("Shift_JIS")
                                : *codepage == 50220 ? QByteArrayLiteral("ISO-2022-JP")
                                : *codepage == 51932 ? QByteArrayLiteral("EUC-JP")
                                                     : "windows-" + QByteArray::number(*codepage);
        QStringDecoder decoder(name.constData());
        if (decoder.isValid()) {
            const QString text = decoder.decode(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QByteArray readBody(libpff_item_t *message, int (*sizeOf)(libpff_item_t *, size_t *, libpff_error_t **),
                    int (*read)(libpff_item_t *, uint8_t *, size_t, libpff_error_t **))
{
    size_t size = 0;
    PffError error;
    if (sizeOf(message, &size, &error) != 1 || size == 0)
        return {};
    QByteArray buffer(qsizetype(size), '\0');
    if (read(message, reinterpret_cast<uint8_t *>(buffer.data()), size, &error) != 1) {
        qCWarning(lcPst).noquote() << "message body:" << error.text();
        return {};
    }
    // The sizes include the terminating zero.
    const qsizetype end = buffer.indexOf('\0');
    if (end >= 0)
        buffer.truncate(end);
    return buffer;
}

QString plainToHtml(const QString &plain)
{
    QString escaped = plain.toHtmlEscaped();
    escaped.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    escaped.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    escaped.replace(QLatin1Char('\n'), QLatin1String("<br>\n"));
    return QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                          "</head><body>%1</body></html>")
        .arg(escaped);
}

PffItemPtr attachmentOf(const Store &store, libpff_item_t *message, int index)
{
    libpff_item_t *raw = nullptr;
    PffError error;
    if (libpff_message_get_attachment(message, index, &raw, &error) != 1)
        store.fail(error, QStringLiteral("attachment %1").arg(index));
    return PffItemPtr(raw);
}

} // namespace

// --- NameSpace ---

std::unique_ptr<NameSpace> NameSpace::open(const QString &pstFile)
{
    auto store = std::make_shared<Store>();
    store->fileName = pstFile;
    if (!QFileInfo(pstFile).isFile())
        throw EOrvIoError(Tr::tr("Poštovní soubor „%1“ neexistuje.").arg(pstFile),
                          QStringLiteral("%1: no such file").arg(pstFile));
    libpff_file_t *raw = nullptr;
    PffError error;
    if (libpff_file_initialize(&raw, &error) != 1)
        store->fail(error, QStringLiteral("initialize"));
    const QByteArray path = QFile::encodeName(pstFile);
    if (libpff_file_open(raw, path.constData(), LIBPFF_OPEN_READ, &error) != 1) {
        libpff_file_free(&raw, nullptr);
        store->fail(error, QStringLiteral("open"));
    }
    store->file.reset(raw);

    auto ns = std::unique_ptr<NameSpace>(new NameSpace);
    ns->m_store = std::move(store);
    ns->GetRootFolder(); // a store without a readable root is not usable at all
    return ns;
}

NameSpace::~NameSpace() = default;

QString NameSpace::fileName() const
{
    return m_store->fileName;
}

std::unique_ptr<MAPIFolder> NameSpace::GetRootFolder() const
{
    libpff_item_t *raw = nullptr;
    PffError error;
    if (libpff_file_get_root_folder(m_store->file.get(), &raw, &error) != 1)
        m_store->fail(error, QStringLiteral("root folder"));
    return std::unique_ptr<MAPIFolder>(new MAPIFolder(m_store, ItemHandle::adopt(*m_store, raw)));
}

std::unique_ptr<MAPIFolder> NameSpace::GetFolderFromID(const QString &entryID, const QString &) const
{
    const std::optional<quint32> id = idFromText(entryID);
    PffItemPtr item = id ? m_store->itemById(*id) : nullptr;
    uint8_t type = 0;
    if (!item || libpff_item_get_type(item.get(), &type, nullptr) != 1 || type != LIBPFF_ITEM_TYPE_FOLDER)
        throw EOrvIoError(Tr::tr("Složka pošty nebyla nalezena."),
                          QStringLiteral("%1: no folder with entry id '%2'").arg(m_store->fileName, entryID));
    return std::unique_ptr<MAPIFolder>(new MAPIFolder(m_store, ItemHandle::adopt(*m_store, item.release())));
}

std::unique_ptr<MailItem> NameSpace::GetItemFromID(const QString &entryID, const QString &) const
{
    const std::optional<quint32> id = idFromText(entryID);
    if (!id)
        return nullptr;
    PffItemPtr item = m_store->itemById(*id);
    uint8_t type = 0;
    if (!item || libpff_item_get_type(item.get(), &type, nullptr) != 1 || type == LIBPFF_ITEM_TYPE_FOLDER
        || type == LIBPFF_ITEM_TYPE_UNDEFINED)
        return nullptr;
    return std::unique_ptr<MailItem>(new MailItem(m_store, ItemHandle::adopt(*m_store, item.release())));
}

// --- MAPIFolder ---

MAPIFolder::MAPIFolder(std::shared_ptr<Store> store, std::unique_ptr<ItemHandle> item)
    : m_store(std::move(store)), m_item(std::move(item))
{
}

MAPIFolder::~MAPIFolder() = default;

QString MAPIFolder::EntryID() const
{
    return idText(m_item->id);
}

QString MAPIFolder::Name() const
{
    size_t size = 0;
    if (libpff_folder_get_utf8_name_size(m_item->item.get(), &size, nullptr) != 1 || size == 0)
        return {};
    QByteArray buffer(qsizetype(size), '\0');
    if (libpff_folder_get_utf8_name(m_item->item.get(), reinterpret_cast<uint8_t *>(buffer.data()), size, nullptr)
        != 1)
        return {};
    return QString::fromUtf8(buffer.constData());
}

int MAPIFolder::DefaultItemType() const
{
    const QString cls = recordString(m_item->item.get(), 0, PropContainerClass).value_or(QString());
    const auto is = [&cls](const char *prefix) { return cls.startsWith(QLatin1String(prefix), Qt::CaseInsensitive); };
    if (is("IPF.Appointment"))
        return olAppointmentItem;
    if (is("IPF.Contact"))
        return olContactItem;
    if (is("IPF.Task"))
        return olTaskItem;
    if (is("IPF.Journal"))
        return olJournalItem;
    if (is("IPF.StickyNote"))
        return olNoteItem;
    return olMailItem;
}

int MAPIFolder::ItemCount() const
{
    int count = 0;
    PffError error;
    if (libpff_folder_get_number_of_sub_messages(m_item->item.get(), &count, &error) != 1)
        m_store->fail(error, QStringLiteral("messages of folder %1").arg(EntryID()));
    return count;
}

std::vector<std::unique_ptr<MAPIFolder>> MAPIFolder::Folders() const
{
    int count = 0;
    PffError error;
    if (libpff_folder_get_number_of_sub_folders(m_item->item.get(), &count, &error) != 1)
        m_store->fail(error, QStringLiteral("sub folders of %1").arg(EntryID()));
    std::vector<std::unique_ptr<MAPIFolder>> folders;
    for (int i = 0; i < count; ++i) {
        libpff_item_t *raw = nullptr;
        if (libpff_folder_get_sub_folder(m_item->item.get(), i, &raw, &error) != 1)
            m_store->fail(error, QStringLiteral("sub folder %1 of %2").arg(i).arg(EntryID()));
        folders.push_back(std::unique_ptr<MAPIFolder>(new MAPIFolder(m_store, ItemHandle::adopt(*m_store, raw))));
    }
    return folders;
}

std::unique_ptr<Items> MAPIFolder::Items() const
{
    PffItemPtr reopened = m_store->itemById(m_item->id);
    if (!reopened)
        throw EOrvIoError(msgCannotRead(m_store->fileName),
                          QStringLiteral("folder %1 vanished").arg(EntryID()));
    auto handle = ItemHandle::adopt(*m_store, reopened.release());
    return std::unique_ptr<Pst::Items>(new Pst::Items(m_store, std::move(handle)));
}

// --- Items ---

struct Items::Private
{
    std::shared_ptr<Store> store;
    std::unique_ptr<ItemHandle> folder;
    Internal::ItemFilter filter;
    int count = 0;
    int next = 0;
};

Items::Items(std::shared_ptr<Store> store, std::unique_ptr<ItemHandle> folder)
    : d(std::make_unique<Private>())
{
    d->store = std::move(store);
    d->folder = std::move(folder);
    PffError error;
    if (libpff_folder_get_number_of_sub_messages(d->folder->item.get(), &d->count, &error) != 1)
        d->store->fail(error, QStringLiteral("messages of folder %1").arg(idText(d->folder->id)));
}

Items::~Items() = default;

int Items::Count() const
{
    return d->count;
}

std::unique_ptr<MailItem> Items::Find(const QString &filter)
{
    d->filter = Internal::ItemFilter::parse(filter);
    d->next = 0;
    return FindNext();
}

std::unique_ptr<MailItem> Items::FindNext()
{
    using Property = Internal::ItemFilter::Property;
    while (d->next < d->count) {
        const int index = d->next++;
        libpff_item_t *raw = nullptr;
        PffError error;
        if (libpff_folder_get_sub_message(d->folder->item.get(), index, &raw, &error) != 1) {
            // One unreadable message must not hide the rest of the folder.
            qCWarning(lcPst).noquote() << d->store->fileName << "message" << index << "skipped:" << error.text();
            continue;
        }
        std::unique_ptr<MailItem> item(new MailItem(d->store, ItemHandle::adopt(*d->store, raw)));
        bool matches = true;
        switch (d->filter.property()) {
        case Property::None: break;
        case Property::ReceivedTime: matches = d->filter.matchesDate(item->ReceivedTime()); break;
        case Property::SentOn: matches = d->filter.matchesDate(item->SentOn()); break;
        case Property::CreationTime:
            matches = d->filter.matchesDate(messageTime(item->m_item->item.get(), libpff_message_get_creation_time));
            break;
        case Property::Subject:
            matches = d->filter.matchesText(item->Subject());
            break;
        }
        if (matches)
            return item;
    }
    return nullptr;
}

// --- Attachments, Recipients ---

void Attachment::SaveAsFile(const QString &path) const
{
    PffItemPtr message = m_store->itemById(m_messageId);
    if (!message)
        throw EOrvIoError(msgCannotRead(m_store->fileName),
                          QStringLiteral("message %1 vanished").arg(idText(m_messageId)));
    PffItemPtr attachment = attachmentOf(*m_store, message.get(), m_index);
    int type = 0;
    PffError error;
    if (libpff_attachment_get_type(attachment.get(), &type, &error) != 1)
        m_store->fail(error, QStringLiteral("attachment type"));
    if (type != LIBPFF_ATTACHMENT_TYPE_DATA)
        throw EOrvIoError(Tr::tr("Příloha „%1“ není soubor a nelze ji uložit.").arg(m_fileName),
                          QStringLiteral("attachment %1 of %2 has type '%3'")
                              .arg(m_index).arg(idText(m_messageId)).arg(QChar(type)));
    size64_t size = 0;
    if (libpff_attachment_get_data_size(attachment.get(), &size, &error) == -1)
        m_store->fail(error, QStringLiteral("attachment size"));
    if (size > size64_t(std::numeric_limits<int>::max()))
        throw EOrvIoError(Tr::tr("Příloha „%1“ je příliš velká.").arg(m_fileName),
                          QStringLiteral("attachment of %1 bytes").arg(size));
    QByteArray data(qsizetype(size), '\0');
    if (size > 0) {
        if (libpff_attachment_data_seek_offset(attachment.get(), 0, SEEK_SET, &error) == -1)
            m_store->fail(error, QStringLiteral("attachment seek"));
        qsizetype done = 0;
        while (done < data.size()) {
            const ssize_t n = libpff_attachment_data_read_buffer(
                attachment.get(), reinterpret_cast<uint8_t *>(data.data()) + done, size_t(data.size() - done), &error);
            if (n < 0)
                m_store->fail(error, QStringLiteral("attachment data"));
            if (n == 0)
                break;
            done += n;
        }
        if (done != data.size())
            throw EOrvIoError(msgCannotRead(m_store->fileName),
                              QStringLiteral("attachment data ends after %1 of %2 bytes").arg(done).arg(data.size()));
    }
    Orv::writeFileAtomically(path, data);
}

const Attachment &Attachments::Item(int index) const
{
    Q_ASSERT(index >= 1 && index <= m_list.size());
    return m_list.at(index - 1);
}

const Recipient &Recipients::Item(int index) const
{
    Q_ASSERT(index >= 1 && index <= m_list.size());
    return m_list.at(index - 1);
}

// --- MailItem ---

MailItem::MailItem(std::shared_ptr<Store> store, std::unique_ptr<ItemHandle> item)
    : m_store(std::move(store)), m_item(std::move(item))
{
}

MailItem::~MailItem() = default;

QString MailItem::EntryID() const
{
    return m_item ? idText(m_item->id) : QString();
}

QDateTime MailItem::ReceivedTime() const
{
    return m_item ? messageTime(m_item->item.get(), libpff_message_get_delivery_time) : QDateTime();
}

QDateTime MailItem::SentOn() const
{
    return m_item ? messageTime(m_item->item.get(), libpff_message_get_client_submit_time) : QDateTime();
}

QString MailItem::Subject() const
{
    if (!m_item)
        return m_replySubject;
    return cleanSubject(messageString(m_item->item.get(), PropSubject).value_or(QString()));
}

QString MailItem::SenderName() const
{
    // Stores written by some clients leave PR_SENDER_NAME empty; Outlook then shows the
    // "sent representing" name.
    return m_item ? firstOf(m_item->item.get(), {PropSenderName, PropSentRepresentingName}) : QString();
}

QString MailItem::To() const
{
    if (!m_item) {
        QStringList names;
        for (const Recipient &r : m_replyRecipients.m_list)
            names << (r.Name.isEmpty() ? r.Address : r.Name);
        return names.join(QLatin1String("; "));
    }
    return messageString(m_item->item.get(), PropDisplayTo).value_or(QString());
}

QString MailItem::Body() const
{
    if (!m_item)
        return {};
    return QString::fromUtf8(
        readBody(m_item->item.get(), libpff_message_get_plain_text_body_size, libpff_message_get_plain_text_body));
}

QString MailItem::HTMLBody() const
{
    if (!m_item)
        return {};
    const QByteArray html =
        readBody(m_item->item.get(), libpff_message_get_html_body_size, libpff_message_get_html_body);
    if (!html.trimmed().isEmpty())
        return decodeHtml(html, recordInt32(m_item->item.get(), 0, PropInternetCodepage));
    const QString plain = Body();
    return plain.isEmpty() ? QString() : plainToHtml(plain);
}

Pst::Attachments MailItem::Attachments() const
{
    Pst::Attachments result;
    if (!m_item)
        return result;
    int count = 0;
    PffError error;
    if (libpff_message_get_number_of_attachments(m_item->item.get(), &count, &error) != 1)
        m_store->fail(error, QStringLiteral("attachments of %1").arg(EntryID()));
    for (int i = 0; i < count; ++i) {
        PffItemPtr raw = attachmentOf(*m_store, m_item->item.get(), i);
        Attachment attachment;
        attachment.m_store = m_store;
        attachment.m_messageId = m_item->id;
        attachment.m_index = i;
        attachment.m_displayName = recordString(raw.get(), 0, PropDisplayName).value_or(QString());
        QString name = recordString(raw.get(), 0, PropAttachLongFilename).value_or(QString());
        if (name.trimmed().isEmpty())
            name = recordString(raw.get(), 0, PropAttachFilename).value_or(QString());
        if (name.trimmed().isEmpty())
            name = attachment.m_displayName;
        attachment.m_fileName = Orv::safeFileName(name);
        if (attachment.m_displayName.isEmpty())
            attachment.m_displayName = attachment.m_fileName;
        size64_t size = 0;
        if (libpff_attachment_get_data_size(raw.get(), &size, nullptr) == 1)
            attachment.m_size = qint64(size);
        result.m_list << attachment;
    }
    return result;
}

Pst::Recipients MailItem::Recipients() const
{
    if (!m_item)
        return m_replyRecipients;
    Pst::Recipients result;
    libpff_item_t *raw = nullptr;
    PffError error;
    const int rc = libpff_message_get_recipients(m_item->item.get(), &raw, &error);
    if (rc == -1)
        m_store->fail(error, QStringLiteral("recipients of %1").arg(EntryID()));
    if (rc == 0)
        return result;
    PffItemPtr recipients(raw);
    int sets = 0;
    if (libpff_item_get_number_of_record_sets(recipients.get(), &sets, &error) != 1)
        m_store->fail(error, QStringLiteral("recipients of %1").arg(EntryID()));
    for (int i = 0; i < sets; ++i) {
        Recipient r;
        r.Name = recordString(recipients.get(), i, PropDisplayName).value_or(QString());
        r.Address = recordString(recipients.get(), i, PropSmtpAddress).value_or(QString());
        if (r.Address.trimmed().isEmpty())
            r.Address = recordString(recipients.get(), i, PropEmailAddress).value_or(QString());
        r.Type = recordInt32(recipients.get(), i, PropRecipientType).value_or(1);
        result.m_list << r;
    }
    return result;
}

std::unique_ptr<MailItem> MailItem::Reply() const
{
    std::unique_ptr<MailItem> reply(new MailItem);
    if (!m_item)
        return reply;
    libpff_item_t *message = m_item->item.get();
    Recipient sender;
    sender.Name = firstOf(message, {PropSentRepresentingName, PropSenderName});
    sender.Address = firstOf(message, {PropSentRepresentingSmtp, PropSentRepresentingEmail, PropSenderSmtp,
                                       PropSenderEmail});
    if (!sender.Address.isEmpty() || !sender.Name.isEmpty())
        reply->m_replyRecipients.m_list << sender;
    reply->m_replySubject = QStringLiteral("RE: ") + Subject();
    return reply;
}

} // namespace Pst
