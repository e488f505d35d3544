#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <memory>
#include <optional>

class QIODevice;

// Streaming reader of a Notes DXL export: one <document> at a time, so exports of any size
// are read with little memory. What is read (the rest is skipped):
//   <document><noteinfo unid='…'/>                   the universal identifier
//   <item name='…' [names='true']>                     one item, holding one of
//     <text>, <textlist><text>…                        text (type 1280, names 1074)
//     <datetime>, <datetimelist><datetime>…            "20240105T081500,00+01" (type 1024)
//     <number>, <numberlist><number>…                  type 768
//     <richtext><par>…</par>…                          type 1, text of the paragraphs
//     <object><file name='…'><filedata>base64          a file attachment ($FILE, type 1084)
//     <rawitemdata type='N'>base64                     the raw item of type N, kept as bytes
//   <mime>MIME text</mime>                             the document's MIME body (DXL exported
//                                                      with the MIME option "DXL")
// An invalid XML text throws EOrvIoError with the line and column in the detail.
namespace Domino::Internal {

constexpr int TypeRichText = 1;
constexpr int TypeMimePart = 25;
constexpr int TypeNumbers = 768;
constexpr int TypeDateTimes = 1024;
constexpr int TypeNames = 1074;
constexpr int TypeAttachment = 1084;
constexpr int TypeText = 1280;

struct DxlItem
{
    QString name;
    int type = TypeText;
    QStringList values;
    QList<QDateTime> dates;
    QString fileName;        // $FILE: the attachment's original name
    QByteArray data;         // $FILE: the file's bytes; rawitemdata: the raw item
};

struct DxlDocument
{
    QString unid;
    QList<DxlItem> items;
    QByteArray mime;         // empty when the document has no <mime> body
};

// "yyyyMMddThhmmss,cc" with an optional zone "+hh", "-hhmm" or "Z"; date or time alone
// also; without a zone the time is local. Invalid QDateTime when it cannot be read.
QDateTime parseDxlDateTime(const QString &text);

class DxlReader
{
public:
    // Throws EOrvIoError when the file cannot be opened.
    explicit DxlReader(const QString &fileName);
    // Reads from `device` (kept open by the caller, used for fuzzing and tests).
    DxlReader(QIODevice *device, const QString &origin);
    ~DxlReader();

    // The next document; nullopt at the end of the export. Throws EOrvIoError on bad XML.
    std::optional<DxlDocument> next();

private:
    DxlDocument readDocument();
    DxlItem readItem();
    [[noreturn]] void fail() const;

    std::unique_ptr<QIODevice> m_file;
    QXmlStreamReader m_xml;
    QString m_origin;
};

} // namespace Domino::Internal
