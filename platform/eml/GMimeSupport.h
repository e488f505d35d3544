#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// GLib's headers use "signals" as a name, which Qt defines as a keyword macro.
#pragma push_macro("signals")
#undef signals
#include <gmime/gmime.h>
#pragma pop_macro("signals")

#include <memory>
#include <optional>

// The one adapter of GMime for the mail stores (Windows Mail/Maildir and the Notes MIME
// bodies): initialisation, ownership of GMime objects and the conversions to Qt types.
// GMime objects are not shared between threads; each message is parsed by the thread
// that uses it.
namespace Eml::Internal {

struct GObjectUnref
{
    void operator()(gpointer p) const
    {
        if (p)
            g_object_unref(p);
    }
};
using MimeMessagePtr = std::unique_ptr<GMimeMessage, GObjectUnref>;

// Safe to call from any thread, any number of times.
void ensureGMime();

// Parses one RFC 822 message; nullptr when GMime finds no message in the bytes.
MimeMessagePtr parseMessage(const QByteArray &data);

// A header of the object, unfolded and with RFC 2047 words decoded; nullopt when absent.
std::optional<QString> headerValue(GMimeObject *object, const char *name);
// The raw header text as it is in the message (unfolded, encoded words kept).
std::optional<QString> rawHeaderValue(GMimeObject *object, const char *name);

// The content of a leaf part with its transfer encoding removed.
QByteArray decodedContent(GMimePart *part);
// A text part's content converted from its charset to Unicode.
QString textContent(GMimePart *part);
// The serialised message of a message/rfc822 part.
QByteArray messagePartData(GMimeMessagePart *part);

// RFC 822/5322 date text to local time; invalid when it cannot be read.
QDateTime parseRfc822Date(const QByteArray &text);

// "text" and "plain" of the object's Content-Type, lower case ("text/plain" by default).
QString mediaType(GMimeObject *object);
QString mediaSubtype(GMimeObject *object);
bool isAttachmentDisposition(GMimeObject *object);

} // namespace Eml::Internal
