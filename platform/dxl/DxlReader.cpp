#include "platform/dxl/DxlReader.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

namespace Domino::Internal {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Domino::Dxl)
};

QByteArray fromBase64(const QString &text)
{
    return QByteArray::fromBase64(text.toLatin1());
}

} // namespace

QDateTime parseDxlDateTime(const QString &text)
{
    static const QRegularExpression re(QString::fromLatin1(
        R"re(^\s*(\d{8})?(?:T(\d{2})(\d{2})(\d{2})(?:,(\d{1,2}))?)?\s*(Z|[+-]\d{2}(?::?\d{2})?)?\s*$)re"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty()))
        return {};
    QDate date = QDate::fromString(m.captured(1), QStringLiteral("yyyyMMdd"));
    if (m.captured(1).isEmpty())
        date = QDate(1899, 12, 30); // a time alone, as Notes keeps it
    const int centis = m.captured(5).isEmpty() ? 0 : m.captured(5).leftJustified(2, QLatin1Char('0')).toInt();
    const QTime time = m.captured(2).isEmpty()
                           ? QTime(0, 0)
                           : QTime(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(), centis * 10);
    if (!date.isValid() || !time.isValid())
        return {};
    const QString zone = m.captured(6);
    if (zone.isEmpty())
        return QDateTime(date, time);
    int offset = 0;
    if (zone != QLatin1String("Z")) {
        const QString digits = QString(zone).remove(QLatin1Char(':'));
        offset = digits.mid(1, 2).toInt() * 3600 + (digits.size() > 3 ? digits.mid(3, 2).toInt() * 60 : 0);
        if (zone.startsWith(QLatin1Char('-')))
            offset = -offset;
    }
    return QDateTime(date, time, Qt::OffsetFromUTC, offset).toLocalTime();
}

DxlReader::DxlReader(const QString &fileName)
    : m_file(std::make_unique<QFile>(fileName)), m_origin(fileName)
{
    if (!m_file->open(QIODevice::ReadOnly))
        throw EOrvIoError(Tr::tr("Soubor „%1“ nelze otevřít.").arg(QFileInfo(fileName).fileName()),
                          QStringLiteral("%1: %2").arg(fileName, m_file->errorString()));
    m_xml.setDevice(m_file.get());
}

DxlReader::DxlReader(QIODevice *device, const QString &origin)
    : m_origin(origin)
{
    m_xml.setDevice(device);
}

DxlReader::~DxlReader() = default;

void DxlReader::fail() const
{
    throw EOrvIoError(Tr::tr("Soubor „%1“ není platný export DXL.").arg(QFileInfo(m_origin).fileName()),
                      QStringLiteral("%1:%2:%3: %4")
                          .arg(m_origin)
                          .arg(m_xml.lineNumber())
                          .arg(m_xml.columnNumber())
                          .arg(m_xml.errorString()));
}

std::optional<DxlDocument> DxlReader::next()
{
    while (!m_xml.atEnd()) {
        m_xml.readNext();
        if (m_xml.isStartElement() && m_xml.name() == QLatin1String("document"))
            return readDocument();
    }
    if (m_xml.hasError())
        fail();
    return std::nullopt;
}

DxlDocument DxlReader::readDocument()
{
    DxlDocument document;
    while (m_xml.readNextStartElement()) {
        const auto name = m_xml.name();
        if (name == QLatin1String("noteinfo")) {
            document.unid = m_xml.attributes().value(QLatin1String("unid")).toString().toUpper();
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("item")) {
            document.items << readItem();
        } else if (name == QLatin1String("mime")) {
            document.mime = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).toUtf8();
        } else {
            m_xml.skipCurrentElement();
        }
    }
    if (m_xml.hasError())
        fail();
    return document;
}

DxlItem DxlReader::readItem()
{
    DxlItem item;
    item.name = m_xml.attributes().value(QLatin1String("name")).toString();
    const bool names = m_xml.attributes().value(QLatin1String("names")) == QLatin1String("true");
    item.type = names ? TypeNames : TypeText;

    // The value elements, also inside their list elements.
    int depth = 1;
    while (depth > 0 && !m_xml.atEnd()) {
        m_xml.readNext();
        if (m_xml.isEndElement()) {
            --depth;
            continue;
        }
        if (!m_xml.isStartElement())
            continue;
        const QString element = m_xml.name().toString();
        if (element == QLatin1String("text")) {
            item.values << m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (element == QLatin1String("datetime")) {
            item.type = TypeDateTimes;
            const QString text = m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
            item.values << text;
            item.dates << parseDxlDateTime(text);
        } else if (element == QLatin1String("number")) {
            item.type = TypeNumbers;
            item.values << m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (element == QLatin1String("richtext")) {
            item.type = TypeRichText;
            ++depth;
        } else if (element == QLatin1String("par")) {
            item.values << m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (element == QLatin1String("file")) {
            item.type = TypeAttachment;
            item.fileName = m_xml.attributes().value(QLatin1String("name")).toString();
            item.values << item.fileName;
            ++depth;
        } else if (element == QLatin1String("filedata")) {
            item.data = fromBase64(m_xml.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (element == QLatin1String("rawitemdata")) {
            item.type = m_xml.attributes().value(QLatin1String("type")).toInt();
            item.data = fromBase64(m_xml.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (element == QLatin1String("textlist") || element == QLatin1String("datetimelist")
                   || element == QLatin1String("numberlist") || element == QLatin1String("object")) {
            ++depth;
        } else {
            m_xml.skipCurrentElement();
        }
    }
    if (m_xml.hasError())
        fail();
    if (item.type == TypeRichText)
        item.values = {item.values.join(QLatin1Char('\n'))};
    return item;
}

} // namespace Domino::Internal
