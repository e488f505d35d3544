#include "platform/dxl/NotesMIMEEntity.h"

#include "platform/eml/GMimeSupport.h"

#include <vector>

namespace Domino {

namespace Internal {

struct MimeNode
{
    QString type;
    QString subtype;
    QString headers;
    QByteArray encoded;
    QString decodedText;
    QByteArray decodedData;
    std::vector<std::shared_ptr<MimeNode>> children;
    MimeNode *parent = nullptr;        // the parent owns this node
    size_t index = 0;
};

namespace {

struct GFree
{
    void operator()(gpointer p) const { g_free(p); }
};

QByteArray rawContent(GMimePart *part)
{
    GMimeDataWrapper *wrapper = g_mime_part_get_content(part);
    GMimeStream *stream = wrapper ? g_mime_data_wrapper_get_stream(wrapper) : nullptr;
    if (!stream)
        return {};
    std::unique_ptr<GMimeStream, Eml::Internal::GObjectUnref> out(g_mime_stream_mem_new());
    g_mime_stream_reset(stream);
    g_mime_stream_write_to_stream(stream, out.get());
    g_mime_stream_reset(stream);
    GByteArray *array = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out.get()));
    return QByteArray(reinterpret_cast<const char *>(array->data), qsizetype(array->len));
}

std::shared_ptr<MimeNode> build(GMimeObject *object, int depth)
{
    auto node = std::make_shared<MimeNode>();
    node->type = Eml::Internal::mediaType(object);
    node->subtype = Eml::Internal::mediaSubtype(object);
    std::unique_ptr<char, GFree> headers(g_mime_object_get_headers(object, nullptr));
    node->headers = headers ? QString::fromUtf8(headers.get()) : QString();
    if (GMIME_IS_MULTIPART(object) && depth < 64) {
        GMimeMultipart *multipart = GMIME_MULTIPART(object);
        const int count = g_mime_multipart_get_count(multipart);
        for (int i = 0; i < count; ++i) {
            auto child = build(g_mime_multipart_get_part(multipart, i), depth + 1);
            child->parent = node.get();
            child->index = node->children.size();
            node->children.push_back(std::move(child));
        }
    } else if (GMIME_IS_PART(object)) {
        GMimePart *part = GMIME_PART(object);
        node->encoded = rawContent(part);
        node->decodedData = Eml::Internal::decodedContent(part);
        node->decodedText = node->type == QLatin1String("text") ? Eml::Internal::textContent(part)
                                                                 : QString::fromLatin1(node->decodedData);
    } else if (GMIME_IS_MESSAGE_PART(object)) {
        node->decodedData = Eml::Internal::messagePartData(GMIME_MESSAGE_PART(object));
        node->encoded = node->decodedData;
        node->decodedText = QString::fromUtf8(node->decodedData);
    }
    return node;
}

} // namespace
} // namespace Internal

NotesMIMEEntity::NotesMIMEEntity(std::shared_ptr<Internal::MimeNode> root, std::shared_ptr<Internal::MimeNode> node)
    : m_root(std::move(root)), m_node(std::move(node))
{
}

NotesMIMEEntity::~NotesMIMEEntity() = default;

std::unique_ptr<NotesMIMEEntity> NotesMIMEEntity::fromMime(const QByteArray &mime)
{
    const Eml::Internal::MimeMessagePtr message = Eml::Internal::parseMessage(mime);
    GMimeObject *root = message ? g_mime_message_get_mime_part(message.get()) : nullptr;
    if (!root)
        return nullptr;
    auto node = Internal::build(root, 0);
    return std::unique_ptr<NotesMIMEEntity>(new NotesMIMEEntity(node, node));
}

QString NotesMIMEEntity::ContentType() const { return m_node->type; }
QString NotesMIMEEntity::ContentSubType() const { return m_node->subtype; }
QString NotesMIMEEntity::Headers() const { return m_node->headers; }
void NotesMIMEEntity::DecodeContent() { m_decoded = true; }
QByteArray NotesMIMEEntity::DecodedData() const { return m_node->decodedData; }

QString NotesMIMEEntity::ContentAsText() const
{
    return m_decoded ? m_node->decodedText : QString::fromLatin1(m_node->encoded);
}

std::unique_ptr<NotesMIMEEntity> NotesMIMEEntity::GetFirstChildEntity() const
{
    if (m_node->children.empty())
        return nullptr;
    return std::unique_ptr<NotesMIMEEntity>(new NotesMIMEEntity(m_root, m_node->children.front()));
}

std::unique_ptr<NotesMIMEEntity> NotesMIMEEntity::GetNextSibling() const
{
    const Internal::MimeNode *parent = m_node->parent;
    if (!parent || m_node->index + 1 >= parent->children.size())
        return nullptr;
    return std::unique_ptr<NotesMIMEEntity>(new NotesMIMEEntity(m_root, parent->children[m_node->index + 1]));
}

} // namespace Domino
