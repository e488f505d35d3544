#include "platform/eml/MimeMessage.h"

#include "platform/eml/GMimeSupport.h"

#include "base/Errors.h"
#include "base/Paths.h"

#include <QCoreApplication>

#include <vector>

namespace Eml {

namespace Internal {

struct ParsedMessage
{
    MimeMessagePtr message;
    GMimeObject *html = nullptr;           // observers into the message's tree
    GMimeObject *plain = nullptr;
    std::vector<GMimeObject *> attachments;

    void collect(GMimeObject *object, int depth)
    {
        // Deeper nesting than any mail client writes: treat the rest as opaque.
        if (!object || depth > 64)
            return;
        if (GMIME_IS_MULTIPART(object)) {
            GMimeMultipart *multipart = GMIME_MULTIPART(object);
            const int count = g_mime_multipart_get_count(multipart);
            for (int i = 0; i < count; ++i)
                collect(g_mime_multipart_get_part(multipart, i), depth + 1);
            return;
        }
        if (GMIME_IS_MESSAGE_PART(object)) {
            attachments.push_back(object);
            return;
        }
        if (!GMIME_IS_PART(object))
            return;
        const bool attachment = isAttachmentDisposition(object) || g_mime_part_get_filename(GMIME_PART(object));
        if (!attachment && mediaType(object) == QLatin1String("text")) {
            const QString sub = mediaSubtype(object);
            if (sub == QLatin1String("html") && !html) {
                html = object;
                return;
            }
            if (sub == QLatin1String("plain") && !plain) {
                plain = object;
                return;
            }
        }
        attachments.push_back(object);
    }
};

} // namespace Internal

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Eml::MimeMessage)
};

} // namespace

std::unique_ptr<MimeMessage> MimeMessage::fromData(const QByteArray &data, const QString &origin)
{
    auto parsed = std::make_shared<Internal::ParsedMessage>();
    parsed->message = Internal::parseMessage(data);
    if (!parsed->message)
        throw EOrvIoError(Tr::tr("Zprávu nelze přečíst, není to platná e-mailová zpráva."),
                          QStringLiteral("GMime found no message in %1 (%2 bytes)").arg(origin).arg(data.size()));
    parsed->collect(g_mime_message_get_mime_part(parsed->message.get()), 0);
    auto message = std::unique_ptr<MimeMessage>(new MimeMessage);
    message->m_message = std::move(parsed);
    return message;
}

MimeMessage::~MimeMessage() = default;

std::optional<QString> MimeMessage::GetProp(const QByteArray &name) const
{
    return Internal::headerValue(GMIME_OBJECT(m_message->message.get()), name.constData());
}

std::optional<QString> MimeMessage::GetTextBody(TextType type) const
{
    GMimeObject *part = type == TXT_HTML ? m_message->html : m_message->plain;
    if (!part)
        return std::nullopt;
    return Internal::textContent(GMIME_PART(part));
}

QList<HBODY> MimeMessage::GetAttachments() const
{
    QList<HBODY> handles;
    for (int i = 0; i < int(m_message->attachments.size()); ++i)
        handles << i;
    return handles;
}

std::unique_ptr<MimeBody> MimeMessage::BindToObject(HBODY handle) const
{
    if (handle < 0 || handle >= int(m_message->attachments.size()))
        return nullptr;
    auto body = std::make_unique<MimeBody>();
    body->m_message = m_message;
    body->m_index = handle;
    return body;
}

bool MimeBody::IsType(BodyType type) const
{
    return type == IBT_ATTACHMENT && m_message;
}

std::optional<QString> MimeBody::GetProp(const QByteArray &name) const
{
    return Internal::rawHeaderValue(m_message->attachments.at(size_t(m_index)), name.constData());
}

QString MimeBody::GetDisplayName() const
{
    GMimeObject *object = m_message->attachments.at(size_t(m_index));
    QString name;
    if (GMIME_IS_PART(object)) {
        if (const char *fileName = g_mime_part_get_filename(GMIME_PART(object)))
            name = QString::fromUtf8(fileName);
    } else if (GMIME_IS_MESSAGE_PART(object)) {
        GMimeMessage *inner = g_mime_message_part_get_message(GMIME_MESSAGE_PART(object));
        const char *subject = inner ? g_mime_message_get_subject(inner) : nullptr;
        if (subject && *subject)
            name = QString::fromUtf8(subject) + QStringLiteral(".eml");
        else
            name = QStringLiteral("zprava.eml");
    }
    return Orv::safeFileName(name);
}

QByteArray MimeBody::GetData() const
{
    GMimeObject *object = m_message->attachments.at(size_t(m_index));
    if (GMIME_IS_MESSAGE_PART(object))
        return Internal::messagePartData(GMIME_MESSAGE_PART(object));
    return Internal::decodedContent(GMIME_PART(object));
}

} // namespace Eml
