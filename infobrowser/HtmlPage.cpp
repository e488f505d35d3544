#include "infobrowser/HtmlPage.h"

#include "base/Cp1250.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace InfoBrowser {

namespace {

// The charset of a <meta> declaration near the start of the page, lower case.
QByteArray declaredCharset(const QByteArray &data)
{
    static const QRegularExpression charset(QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?([A-Za-z0-9_\-]+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(data.left(2048));
    const QRegularExpressionMatch match = charset.match(head);
    return match.hasMatch() ? match.captured(1).toLower().toLatin1() : QByteArray();
}

QString decodeEntities(const QString &text)
{
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z]+);"));
    QString result;
    qsizetype last = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        QString replacement;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const uint code = name.startsWith(u"#x", Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                           : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF) {
                const char32_t ch = code;
                replacement = QString::fromUcs4(&ch, 1);
            }
        } else if (name == u"amp") {
            replacement = QStringLiteral("&");
        } else if (name == u"lt") {
            replacement = QStringLiteral("<");
        } else if (name == u"gt") {
            replacement = QStringLiteral(">");
        } else if (name == u"quot") {
            replacement = QStringLiteral("\"");
        } else if (name == u"apos") {
            replacement = QStringLiteral("'");
        } else if (name == u"nbsp") {
            replacement = QStringLiteral(" ");
        }
        if (replacement.isEmpty())
            continue;
        result += text.mid(last, match.capturedStart() - last) + replacement;
        last = match.capturedEnd();
    }
    return result + text.mid(last);
}

} // namespace

QString decodeHtml(const QByteArray &data)
{
    const QByteArray charset = declaredCharset(data);
    if (charset == "windows-1250" || charset == "cp1250" || charset == "x-cp1250")
        return Orv::decodeCp1250(data);
    if (!charset.isEmpty() && charset != "utf-8" && charset != "utf8") {
        QStringDecoder declared(charset.constData());
        if (declared.isValid())
            return declared(data);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(data);
    if (!utf8.hasError())
        return text;
    return Orv::decodeCp1250(data);
}

QString titleFromText(const QString &text)
{
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString &line : lines) {
        const qsizetype open = line.indexOf(u"<title>", 0, Qt::CaseInsensitive);
        if (open < 0)
            continue;
        QString title = line.mid(open + 7);
        const qsizetype close = title.indexOf(u"</title>", 0, Qt::CaseInsensitive);
        if (close >= 0)
            title.truncate(close);
        return decodeEntities(title).trimmed();
    }
    return {};
}

QString pageTitle(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return titleFromText(decodeHtml(file.readAll()));
}

} // namespace InfoBrowser
