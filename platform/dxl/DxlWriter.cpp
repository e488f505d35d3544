#include "platform/dxl/DxlWriter.h"

#include "base/Errors.h"

#include <QFile>
#include <QXmlStreamWriter>

namespace Domino {

namespace {

void writeText(QXmlStreamWriter &xml, const QString &name, const QString &value)
{
    xml.writeStartElement(QStringLiteral("item"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeTextElement(QStringLiteral("text"), value);
    xml.writeEndElement();
}

void writeDate(QXmlStreamWriter &xml, const QString &name, const QDateTime &value)
{
    if (!value.isValid())
        return;
    xml.writeStartElement(QStringLiteral("item"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeStartElement(QStringLiteral("datetime"));
    xml.writeAttribute(QStringLiteral("dst"), QStringLiteral("true"));
    xml.writeCharacters(DxlWriter::dateTimeText(value));
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

DxlWriter::DxlWriter(const QString &path)
    : m_file(std::make_unique<QFile>(path)), m_xml(std::make_unique<QXmlStreamWriter>())
{
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EOrvIoError(QStringLiteral("Soubor „%1“ nelze vytvořit.").arg(path),
                          QStringLiteral("%1: %2").arg(path, m_file->errorString()));
    m_xml->setDevice(m_file.get());
    m_xml->setAutoFormatting(true);
    m_xml->writeStartDocument();
    m_xml->writeStartElement(QStringLiteral("database"));
    m_xml->writeDefaultNamespace(QStringLiteral("http://www.lotus.com/dxl"));
    m_xml->writeAttribute(QStringLiteral("version"), QStringLiteral("8.5"));
}

DxlWriter::~DxlWriter()
{
    if (!m_finished) {
        try {
            finish();
        } catch (const EOrvError &) {
            // A destructor cannot report; callers that care call finish() themselves.
        }
    }
}

void DxlWriter::add(const DxlDocumentSpec &document)
{
    QXmlStreamWriter &xml = *m_xml;
    xml.writeStartElement(QStringLiteral("document"));
    xml.writeAttribute(QStringLiteral("form"), QStringLiteral("Memo"));
    xml.writeStartElement(QStringLiteral("noteinfo"));
    xml.writeAttribute(QStringLiteral("unid"), document.unid);
    xml.writeEndElement();

    writeText(xml, QStringLiteral("Subject"), document.subject);
    writeText(xml, QStringLiteral("From"), document.from);
    writeText(xml, QStringLiteral("INetFrom"), document.inetFrom);
    writeText(xml, QStringLiteral("InetSendTo"), document.inetSendTo);
    xml.writeStartElement(QStringLiteral("item"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("SendTo"));
    xml.writeAttribute(QStringLiteral("names"), QStringLiteral("true"));
    xml.writeStartElement(QStringLiteral("textlist"));
    for (const QString &to : document.sendTo)
        xml.writeTextElement(QStringLiteral("text"), to);
    xml.writeEndElement();
    xml.writeEndElement();
    writeDate(xml, QStringLiteral("PostedDate"), document.postedDate);
    writeDate(xml, QStringLiteral("DeliveredDate"), document.deliveredDate);

    if (document.mime.isEmpty()) {
        xml.writeStartElement(QStringLiteral("item"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Body"));
        xml.writeStartElement(QStringLiteral("richtext"));
        for (const QString &line : document.plainBody.split(QLatin1Char('\n')))
            xml.writeTextElement(QStringLiteral("par"), QString(line).remove(QLatin1Char('\r')));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    for (const DxlDocumentSpec::File &file : document.files) {
        xml.writeStartElement(QStringLiteral("item"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("$FILE"));
        xml.writeStartElement(QStringLiteral("object"));
        xml.writeStartElement(QStringLiteral("file"));
        xml.writeAttribute(QStringLiteral("hosttype"), QStringLiteral("msdos"));
        xml.writeAttribute(QStringLiteral("compression"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("flags"), QStringLiteral("storedindoc"));
        xml.writeAttribute(QStringLiteral("name"), file.name);
        xml.writeTextElement(QStringLiteral("filedata"), QString::fromLatin1(file.data.toBase64()));
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
    }
    if (!document.mime.isEmpty()) {
        xml.writeStartElement(QStringLiteral("mime"));
        // CDATA cannot hold "]]>"; split it across two sections where it occurs.
        QString text = QString::fromUtf8(document.mime);
        text.replace(QLatin1String("]]>"), QLatin1String("]]]]><![CDATA[>"));
        xml.writeCDATA(text);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void DxlWriter::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_xml->writeEndElement();
    m_xml->writeEndDocument();
    if (m_xml->hasError() || !m_file->flush())
        throw EOrvIoError(QStringLiteral("Soubor „%1“ nelze zapsat.").arg(m_file->fileName()),
                          QStringLiteral("%1: %2").arg(m_file->fileName(), m_file->errorString()));
    m_file->close();
}

QString DxlWriter::unidFor(int number)
{
    return QStringLiteral("0DEC0DE0000000000000000%1").arg(number, 9, 16, QLatin1Char('0')).toUpper();
}

QString DxlWriter::dateTimeText(const QDateTime &dateTime)
{
    const int offset = dateTime.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    QString zone = (offset < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                   + QStringLiteral("%1").arg(minutes / 60, 2, 10, QLatin1Char('0'));
    if (minutes % 60)
        zone += QStringLiteral("%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return dateTime.toString(QStringLiteral("yyyyMMdd'T'HHmmss,")) + QStringLiteral("%1").arg(dateTime.time().msec() / 10, 2, 10, QLatin1Char('0')) + zone;
}

} // namespace Domino
