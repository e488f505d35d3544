#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// The MIME message model of the Windows Mail store (IMimeMessage / IMimeBody with their
// names), parsed with GMime. A MimeMessage owns its parsed tree; a MimeBody keeps the
// message alive. Not thread-safe: use a message in the thread that opened it.
namespace Eml {

namespace Internal {
struct ParsedMessage;
}

using HBODY = int; // handle of an attachment body within its message

enum TextType { TXT_PLAIN = 1, TXT_HTML = 2 };
enum BodyType { IBT_ATTACHMENT = 1 };

class MimeBody
{
public:
    bool IsType(BodyType type) const;
    // A header of the body part as written (encoded words kept), e.g.
    // "attachment; filename=\"a.pdf\"" for "Content-Disposition"; nullopt when absent.
    std::optional<QString> GetProp(const QByteArray &name) const;
    // The attachment's file name (RFC 2231 and encoded words decoded) made safe with
    // Orv::safeFileName; "priloha" when the part has none.
    QString GetDisplayName() const;
    QByteArray GetData() const; // transfer encoding removed

private:
    friend class MimeMessage;
    std::shared_ptr<Internal::ParsedMessage> m_message;
    int m_index = -1;
};

class MimeMessage
{
public:
    // Parses the bytes; throws EOrvIoError when they hold no MIME message.
    static std::unique_ptr<MimeMessage> fromData(const QByteArray &data, const QString &origin = {});
    ~MimeMessage();

    // A header's value, unfolded, encoded words decoded; nullopt when the header is absent.
    std::optional<QString> GetProp(const QByteArray &name) const;
    // The first HTML or plain text part that is not an attachment, decoded to Unicode;
    // nullopt when there is none (so multipart/alternative gives its HTML part for TXT_HTML).
    std::optional<QString> GetTextBody(TextType type) const;
    // Attachments: parts marked as attachments, parts with a file name, non-text parts and
    // attached messages, in message order; text parts used as the body are not included.
    QList<HBODY> GetAttachments() const;
    // nullptr for a handle this message did not give.
    std::unique_ptr<MimeBody> BindToObject(HBODY handle) const;

private:
    MimeMessage() = default;
    std::shared_ptr<Internal::ParsedMessage> m_message;
};

} // namespace Eml
