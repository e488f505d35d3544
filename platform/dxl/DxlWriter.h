#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QFile;
class QXmlStreamWriter;

// Writes Notes DXL exports for tests and benchmarks: one view per file, documents with the
// mail items, a plain rich-text body or a MIME body (<mime>), and $FILE attachments.
// The output depends only on the input.
namespace Domino {

struct DxlDocumentSpec
{
    QString unid;                  // 32 hex digits; DxlWriter::unidFor() makes one
    QDateTime deliveredDate;       // not written when invalid
    QDateTime postedDate;
    QString subject;
    QString inetFrom;
    QString from;
    QString inetSendTo;
    QStringList sendTo;
    QString plainBody;             // a rich-text Body when mime is empty
    QByteArray mime;               // a whole MIME message (Eml::MailBuilder::build())
    struct File
    {
        QString name;
        QByteArray data;
    };
    QList<File> files;
};

class DxlWriter
{
public:
    // Starts the export file; throws EOrvIoError when it cannot be created.
    explicit DxlWriter(const QString &path);
    ~DxlWriter();                  // finishes the file when finish() was not called

    void add(const DxlDocumentSpec &document);
    void finish();                 // throws EOrvIoError when the file cannot be written

    static QString unidFor(int number);
    // "20240105T081500,00+01"
    static QString dateTimeText(const QDateTime &dateTime);

private:
    std::unique_ptr<QFile> m_file;
    std::unique_ptr<QXmlStreamWriter> m_xml;
    bool m_finished = false;
};

} // namespace Domino
