#include "platform/dxl/NotesDocument.h"

#include "platform/dxl/DxlReader.h"

#include "base/DelphiDateTime.h"
#include "base/Paths.h"

#include <QRegularExpression>

namespace Domino {

namespace {

// The plain text a MIME body shows when Notes converts it to rich text: the plain part,
// else the HTML part without its tags.
QString convertedText(const QByteArray &mime)
{
    auto root = NotesMIMEEntity::fromMime(mime);
    QString plain;
    QString html;
    std::vector<std::unique_ptr<NotesMIMEEntity>> pending;
    if (root)
        pending.push_back(std::move(root));
    while (!pending.empty()) {
        std::unique_ptr<NotesMIMEEntity> entity = std::move(pending.back());
        pending.pop_back();
        if (auto sibling = entity->GetNextSibling())
            pending.push_back(std::move(sibling));
        if (auto child = entity->GetFirstChildEntity())
            pending.push_back(std::move(child));
        entity->DecodeContent();
        if (entity->ContentType() == QLatin1String("text")) {
            if (entity->ContentSubType() == QLatin1String("plain") && plain.isNull())
                plain = entity->ContentAsText();
            else if (entity->ContentSubType() == QLatin1String("html") && html.isNull())
                html = entity->ContentAsText();
        }
    }
    if (!plain.isNull())
        return plain;
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    return html.remove(tags).trimmed();
}

} // namespace

QString NotesItem::Text() const
{
    if (m_type == MIME_PART && !m_mime.isEmpty())
        return convertedText(m_mime);
    if (m_type == DATETIMES) {
        QStringList texts;
        for (const QDateTime &date : m_dates)
            texts << (date.isValid() ? Orv::dateTimeToStr(date) : QString());
        return texts.join(QLatin1Char(';'));
    }
    return m_values.join(QLatin1Char(';'));
}

QDateTime NotesItem::DateTimeValue() const
{
    return m_dates.isEmpty() ? QDateTime() : m_dates.first();
}

std::unique_ptr<NotesMIMEEntity> NotesItem::GetMIMEEntity() const
{
    if (m_type != MIME_PART || m_mime.isEmpty() || m_convertMime)
        return nullptr;
    return NotesMIMEEntity::fromMime(m_mime);
}

void NotesEmbeddedObject::ExtractFile(const QString &path) const
{
    Orv::writeFileAtomically(path, m_data);
}

NotesDocument::NotesDocument(Internal::DxlDocument document, bool convertMime)
    : m_unid(document.unid)
{
    for (Internal::DxlItem &source : document.items) {
        NotesItem item;
        item.m_name = source.name;
        item.m_type = source.type;
        item.m_values = source.values;
        item.m_dates = source.dates;
        item.m_convertMime = convertMime;
        if (source.type == Internal::TypeAttachment && !source.fileName.isEmpty()) {
            NotesEmbeddedObject object;
            object.m_source = source.fileName;
            object.m_name = Orv::safeFileName(source.fileName);
            object.m_data = std::move(source.data);
            item.m_values = {object.m_name};
            m_attachments.push_back(std::move(object));
        }
        m_items.push_back(std::move(item));
    }
    if (!document.mime.isEmpty()) {
        // The <mime> body stands for the MIME items Notes keeps under "Body".
        auto body = std::find_if(m_items.begin(), m_items.end(), [](const NotesItem &i) {
            return i.m_name.compare(QLatin1String("Body"), Qt::CaseInsensitive) == 0;
        });
        if (body == m_items.end()) {
            NotesItem item;
            item.m_name = QStringLiteral("Body");
            m_items.push_back(std::move(item));
            body = std::prev(m_items.end());
        }
        body->m_type = convertMime ? RICHTEXT : MIME_PART;
        body->m_mime = std::move(document.mime);
        body->m_convertMime = convertMime;
        if (convertMime)
            body->m_values = {convertedText(body->m_mime)};
    }
}

NotesDocument::~NotesDocument() = default;

const NotesItem *NotesDocument::GetFirstItem(const QString &name) const
{
    for (const NotesItem &item : m_items)
        if (item.m_name.compare(name, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

QList<const NotesItem *> NotesDocument::Items() const
{
    QList<const NotesItem *> items;
    for (const NotesItem &item : m_items)
        items << &item;
    return items;
}

std::unique_ptr<NotesEmbeddedObject> NotesDocument::GetAttachment(const QString &fileName) const
{
    for (const NotesEmbeddedObject &object : m_attachments)
        if (object.m_name.compare(fileName, Qt::CaseInsensitive) == 0
            || object.m_source.compare(fileName, Qt::CaseInsensitive) == 0)
            return std::make_unique<NotesEmbeddedObject>(object);
    return nullptr;
}

} // namespace Domino
