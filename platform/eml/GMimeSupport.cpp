#include "platform/eml/GMimeSupport.h"

#include <mutex>

namespace Eml::Internal {

namespace {

struct GFree
{
    void operator()(gpointer p) const { g_free(p); }
};
using GCharPtr = std::unique_ptr<char, GFree>;

struct GDateTimeUnref
{
    void operator()(GDateTime *p) const
    {
        if (p)
            g_date_time_unref(p);
    }
};

QByteArray streamBytes(GMimeStream *stream)
{
    GByteArray *array = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(stream));
    return QByteArray(reinterpret_cast<const char *>(array->data), qsizetype(array->len));
}

} // namespace

void ensureGMime()
{
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

MimeMessagePtr parseMessage(const QByteArray &data)
{
    ensureGMime();
    std::unique_ptr<GMimeStream, GObjectUnref> stream(
        g_mime_stream_mem_new_with_buffer(data.constData(), size_t(data.size())));
    std::unique_ptr<GMimeParser, GObjectUnref> parser(g_mime_parser_new_with_stream(stream.get()));
    return MimeMessagePtr(g_mime_parser_construct_message(parser.get(), nullptr));
}

std::optional<QString> headerValue(GMimeObject *object, const char *name)
{
    const char *value = g_mime_object_get_header(object, name);
    if (!value)
        return std::nullopt;
    return QString::fromUtf8(value).trimmed();
}

std::optional<QString> rawHeaderValue(GMimeObject *object, const char *name)
{
    GMimeHeaderList *headers = g_mime_object_get_header_list(object);
    GMimeHeader *header = headers ? g_mime_header_list_get_header(headers, name) : nullptr;
    if (!header)
        return std::nullopt;
    const char *raw = g_mime_header_get_raw_value(header);
    if (!raw)
        return QString();
    GCharPtr unfolded(g_mime_utils_header_unfold(raw));
    return QString::fromUtf8(unfolded.get()).trimmed();
}

QByteArray decodedContent(GMimePart *part)
{
    GMimeDataWrapper *wrapper = g_mime_part_get_content(part);
    if (!wrapper)
        return {};
    std::unique_ptr<GMimeStream, GObjectUnref> out(g_mime_stream_mem_new());
    if (g_mime_data_wrapper_write_to_stream(wrapper, out.get()) < 0)
        return {};
    return streamBytes(out.get());
}

QString textContent(GMimePart *part)
{
    if (GMIME_IS_TEXT_PART(part)) {
        GCharPtr text(g_mime_text_part_get_text(GMIME_TEXT_PART(part)));
        if (text)
            return QString::fromUtf8(text.get());
    }
    return QString::fromUtf8(decodedContent(part));
}

QByteArray messagePartData(GMimeMessagePart *part)
{
    GMimeMessage *message = g_mime_message_part_get_message(part);
    if (!message)
        return {};
    std::unique_ptr<GMimeStream, GObjectUnref> out(g_mime_stream_mem_new());
    if (g_mime_object_write_to_stream(GMIME_OBJECT(message), nullptr, out.get()) < 0)
        return {};
    return streamBytes(out.get());
}

QDateTime parseRfc822Date(const QByteArray &text)
{
    ensureGMime();
    std::unique_ptr<GDateTime, GDateTimeUnref> date(g_mime_utils_header_decode_date(text.constData()));
    if (!date)
        return {};
    return QDateTime::fromSecsSinceEpoch(g_date_time_to_unix(date.get())).toLocalTime();
}

QString mediaType(GMimeObject *object)
{
    GMimeContentType *type = g_mime_object_get_content_type(object);
    const char *media = type ? g_mime_content_type_get_media_type(type) : nullptr;
    return media ? QString::fromUtf8(media).toLower() : QStringLiteral("text");
}

QString mediaSubtype(GMimeObject *object)
{
    GMimeContentType *type = g_mime_object_get_content_type(object);
    const char *sub = type ? g_mime_content_type_get_media_subtype(type) : nullptr;
    return sub ? QString::fromUtf8(sub).toLower() : QStringLiteral("plain");
}

bool isAttachmentDisposition(GMimeObject *object)
{
    GMimeContentDisposition *disposition = g_mime_object_get_content_disposition(object);
    return disposition && g_mime_content_disposition_is_attachment(disposition);
}

} // namespace Eml::Internal
