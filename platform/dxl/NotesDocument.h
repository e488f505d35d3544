#pragma once

#include "platform/dxl/NotesMIMEEntity.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// A Notes document read from DXL with its items and attachments (NotesDocument,
// NotesItem, NotesEmbeddedObject with their names). A document is a snapshot in memory;
// its items live as long as the document.
namespace Domino {

namespace Internal {
struct DxlDocument;
}

// NotesItem.Type values used by the mail client.
enum ItemType { RICHTEXT = 1, MIME_PART = 25, NUMBERS = 768, DATETIMES = 1024, NAMES = 1074,
                ATTACHMENT = 1084, TEXT = 1280 };

class NotesItem
{
public:
    QString Name() const { return m_name; }
    int Type() const { return m_type; }
    QStringList Values() const { return m_values; }
    // The values joined with ";"; dates in the system's date-time format (Orv::dateTimeToStr).
    QString Text() const;
    QDateTime DateTimeValue() const;                       // first date value, else invalid
    // The MIME body of a MIME item; nullptr for other items and when the session converts
    // MIME to rich text (NotesSession::ConvertMime).
    std::unique_ptr<NotesMIMEEntity> GetMIMEEntity() const;

private:
    friend class NotesDocument;
    QString m_name;
    int m_type = TEXT;
    QStringList m_values;
    QList<QDateTime> m_dates;
    QByteArray m_mime;
    bool m_convertMime = false;
};

class NotesEmbeddedObject
{
public:
    // The attachment's name made safe with Orv::safeFileName.
    QString Name() const { return m_name; }
    QString Source() const { return m_source; }            // the name as stored
    qint64 FileSize() const { return m_data.size(); }
    // Writes the file (temporary file + rename); throws EOrvIoError on failure.
    void ExtractFile(const QString &path) const;

private:
    friend class NotesDocument;
    QString m_name;
    QString m_source;
    QByteArray m_data;
};

class NotesDocument
{
public:
    NotesDocument(Internal::DxlDocument document, bool convertMime);
    ~NotesDocument();
    NotesDocument(const NotesDocument &) = delete;
    NotesDocument &operator=(const NotesDocument &) = delete;

    QString UniversalID() const { return m_unid; }
    // Names compare ignoring case, as in Notes; nullptr when the document has no such item.
    const NotesItem *GetFirstItem(const QString &name) const;
    QList<const NotesItem *> Items() const;
    // By the stored or the safe name, ignoring case; nullptr when none.
    std::unique_ptr<NotesEmbeddedObject> GetAttachment(const QString &fileName) const;

private:
    QString m_unid;
    std::vector<NotesItem> m_items;
    std::vector<NotesEmbeddedObject> m_attachments;
};

} // namespace Domino
