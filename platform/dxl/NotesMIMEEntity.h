#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// A MIME entity of a Notes document's body (NotesMIMEEntity with its names), built from
// the document's MIME text with GMime. An entity keeps its whole tree alive; it is a
// read-only snapshot usable from any one thread.
namespace Domino {

namespace Internal {
struct MimeNode;
}

class NotesMIMEEntity
{
public:
    // The root entity of a MIME text; nullptr when GMime finds no message in it.
    static std::unique_ptr<NotesMIMEEntity> fromMime(const QByteArray &mime);
    ~NotesMIMEEntity();

    QString ContentType() const;       // "text", "multipart" … (lower case)
    QString ContentSubType() const;    // "plain", "html", "alternative" …
    QString Headers() const;           // the entity's header lines
    // Until DecodeContent, ContentAsText gives the content as stored (transfer-encoded);
    // after it, the decoded text converted from its charset.
    void DecodeContent();
    QString ContentAsText() const;
    QByteArray DecodedData() const;    // the decoded bytes (attachments in the MIME body)
    std::unique_ptr<NotesMIMEEntity> GetFirstChildEntity() const;   // nullptr when none
    std::unique_ptr<NotesMIMEEntity> GetNextSibling() const;        // nullptr when none

private:
    NotesMIMEEntity(std::shared_ptr<Internal::MimeNode> root, std::shared_ptr<Internal::MimeNode> node);
    std::shared_ptr<Internal::MimeNode> m_root; // keeps the parents of m_node alive
    std::shared_ptr<Internal::MimeNode> m_node;
    bool m_decoded = false;
};

} // namespace Domino
