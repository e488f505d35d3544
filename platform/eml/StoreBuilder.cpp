#include "platform/eml/StoreBuilder.h"

#include "base/Errors.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QUrl>

namespace Eml {

namespace {

bool isAscii(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() > 126 || (c.unicode() < 32 && c != QLatin1Char('\t')))
            return false;
    return true;
}

QByteArray encodeWord(const QString &text)
{
    if (isAscii(text))
        return text.toUtf8();
    return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?=";
}

QByteArray mailbox(const QString &address, const QString &name)
{
    if (name.isEmpty())
        return address.toUtf8();
    const QByteArray shown = isAscii(name) ? '"' + name.toUtf8().replace('"', "\\\"") + '"' : encodeWord(name);
    return shown + " <" + address.toUtf8() + '>';
}

QByteArray zoneOffset(const QDateTime &dateTime)
{
    const int seconds = dateTime.offsetFromUtc();
    const int minutes = std::abs(seconds) / 60;
    return QByteArray(seconds < 0 ? "-" : "+")
           + QByteArray::number(minutes / 60).rightJustified(2, '0')
           + QByteArray::number(minutes % 60).rightJustified(2, '0');
}

QByteArray dateText(const QDateTime &dateTime)
{
    return QLocale::c().toString(dateTime, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss ")).toLatin1()
           + zoneOffset(dateTime);
}

QByteArray base64Lines(const QByteArray &data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += 76)
        out += encoded.mid(i, 76) + "\r\n";
    return out;
}

QByteArray textPart(const QString &text, const char *subtype)
{
    return QByteArray("Content-Type: text/") + subtype + "; charset=UTF-8\r\n"
           "Content-Transfer-Encoding: base64\r\n\r\n" + base64Lines(text.toUtf8());
}

QByteArray fileNameParameter(const QString &fileName)
{
    if (isAscii(fileName))
        return "filename=\"" + fileName.toUtf8().replace('"', "") + '"';
    return "filename*=UTF-8''" + QUrl::toPercentEncoding(fileName);
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        throw EOrvIoError(QStringLiteral("Testovací zprávu nelze zapsat."),
                          QStringLiteral("%1: %2").arg(path, file.errorString()));
}

} // namespace

MailBuilder &MailBuilder::from(const QString &address, const QString &name)
{
    m_from = {address, name};
    return *this;
}

MailBuilder &MailBuilder::to(const QString &address, const QString &name)
{
    m_to << QString::fromUtf8(mailbox(address, name));
    return *this;
}

MailBuilder &MailBuilder::subject(const QString &subject) { m_subject = subject; return *this; }
MailBuilder &MailBuilder::date(const QDateTime &date) { m_date = date; return *this; }
MailBuilder &MailBuilder::received(const QDateTime &received) { m_received = received; return *this; }
MailBuilder &MailBuilder::messageId(const QString &id) { m_messageId = id; return *this; }
MailBuilder &MailBuilder::plainBody(const QString &text) { m_plain = text; return *this; }
MailBuilder &MailBuilder::htmlBody(const QString &html) { m_html = html; return *this; }
MailBuilder &MailBuilder::rawHeader(const QByteArray &line) { m_rawHeaders << line; return *this; }

MailBuilder &MailBuilder::attach(const QString &fileName, const QByteArray &data, const QByteArray &mimeType)
{
    m_attachments << Attachment{fileName, data, mimeType};
    return *this;
}

QByteArray MailBuilder::build() const
{
    QByteArray out;
    if (m_received.isValid())
        out += "Received: from mail.example.org by mx.orvanta.cz; " + dateText(m_received) + "\r\n";
    if (!m_from.isEmpty())
        out += "From: " + mailbox(m_from.at(0), m_from.at(1)) + "\r\n";
    if (!m_to.isEmpty())
        out += "To: " + m_to.join(QLatin1String(",\r\n ")).toUtf8() + "\r\n";
    out += "Subject: " + encodeWord(m_subject) + "\r\n";
    if (m_date.isValid())
        out += "Date: " + dateText(m_date) + "\r\n";
    if (!m_messageId.isEmpty())
        out += "Message-ID: <" + m_messageId.toUtf8() + ">\r\n";
    for (const QByteArray &line : m_rawHeaders)
        out += line + "\r\n";
    out += "MIME-Version: 1.0\r\n";

    QByteArray body;
    if (!m_html.isNull() && !m_plain.isNull()) {
        const QByteArray boundary = "=_orv_alt";
        body = "Content-Type: multipart/alternative; boundary=\"" + boundary + "\"\r\n\r\n"
               "--" + boundary + "\r\n" + textPart(m_plain, "plain")
               + "--" + boundary + "\r\n" + textPart(m_html, "html")
               + "--" + boundary + "--\r\n";
    } else if (!m_html.isNull()) {
        body = textPart(m_html, "html");
    } else {
        body = textPart(m_plain, "plain");
    }

    if (m_attachments.isEmpty())
        return out + body;

    const QByteArray boundary = "=_orv_mixed";
    out += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    out += "--" + boundary + "\r\n" + body;
    for (const Attachment &a : m_attachments) {
        out += "--" + boundary + "\r\n";
        out += "Content-Type: " + a.mimeType + "\r\n";
        out += "Content-Disposition: attachment; " + fileNameParameter(a.fileName) + "\r\n";
        out += "Content-Transfer-Encoding: base64\r\n\r\n";
        out += base64Lines(a.data);
    }
    out += "--" + boundary + "--\r\n";
    return out;
}

StoreBuilder::StoreBuilder(const QString &root, Layout layout)
    : m_root(root), m_layout(layout)
{
    QDir().mkpath(root);
}

QString StoreBuilder::sentName() const
{
    return m_layout == Layout::Maildir ? QStringLiteral("Sent") : QStringLiteral("Sent Items");
}

QString StoreBuilder::folderPath(const QString &folderName) const
{
    const QDir root(m_root);
    if (m_layout == Layout::WindowsMail) {
        const QString path = root.filePath(folderName);
        QDir().mkpath(path);
        return path;
    }
    const QString path = folderName.compare(inboxName(), Qt::CaseInsensitive) == 0
                             ? m_root
                             : root.filePath(QLatin1Char('.') + folderName);
    for (const char *sub : {"cur", "new", "tmp"})
        QDir().mkpath(QDir(path).filePath(QString::fromLatin1(sub)));
    return path;
}

QString StoreBuilder::addMessage(const QString &folderName, const MailBuilder &mail)
{
    const QString dir = folderPath(folderName);
    const int n = ++m_sequence;
    const QString path = m_layout == Layout::WindowsMail
                             ? QDir(dir).filePath(QStringLiteral("%1.eml").arg(n, 8, 10, QLatin1Char('0')))
                             : QDir(dir).filePath(QStringLiteral("cur/1700000000.M%1P1.orvanta:2,S").arg(n, 8, 10, QLatin1Char('0')));
    writeFile(path, mail.build());
    return path;
}

void StoreBuilder::writeSample(const Sample &sample)
{
    const QStringList addresses = sample.addresses.isEmpty() ? QStringList{QStringLiteral("nekdo@example.org")}
                                                             : sample.addresses;
    const auto make = [&](int i, bool sent) {
        const QString other = addresses.at(i % addresses.size());
        const QDateTime when = sample.start.addSecs(qint64(i) * sample.minutesApart * 60);
        MailBuilder mail;
        if (sent)
            mail.from(sample.ownAddress).to(other);
        else
            mail.from(other, QStringLiteral("Odesílatel %1").arg(i)).to(sample.ownAddress).received(when);
        mail.subject(QStringLiteral("%1 zpráva č. %2").arg(sent ? QStringLiteral("Odeslaná") : QStringLiteral("Přijatá")).arg(i))
            .date(when)
            .messageId(QStringLiteral("%1.%2@orvanta.test").arg(sent ? QStringLiteral("s") : QStringLiteral("i")).arg(i))
            .plainBody(QStringLiteral("Dobrý den,\r\ntoto je zpráva %1.\r\n").arg(i))
            .htmlBody(QStringLiteral("<p>Dobrý den,<br>toto je zpráva <b>%1</b>.</p>").arg(i));
        if (sample.attachmentEvery > 0 && i % sample.attachmentEvery == 0)
            mail.attach(QStringLiteral("příloha-%1.txt").arg(i), QByteArray("obsah ") + QByteArray::number(i),
                        "text/plain");
        return mail;
    };
    folderPath(inboxName());
    folderPath(sentName());
    for (int i = 0; i < sample.inboxCount; ++i)
        addMessage(inboxName(), make(i, false));
    for (int i = 0; i < sample.sentCount; ++i)
        addMessage(sentName(), make(i, true));
}

} // namespace Eml
