#include "base/IniFile.h"

#include "base/BaseLog_p.h"
#include "base/Cp1250.h"
#include "base/Errors.h"
#include "base/Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace Orv {

namespace {

using Internal::lcBase;

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Orv::IniFile)
};

// The profile API trims blanks and control characters (also a stray CR or Ctrl+Z).
bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

bool isQuotedPair(QStringView text)
{
    return text.size() >= 2 && isQuote(text.front()) && text.front() == text.back();
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<QStringView> sectionNameOf(QStringView line)
{
    line = trimmed(line);
    if (!line.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = line.indexOf(u']');
    return trimmed(line.sliced(1, (close < 0 ? line.size() : close) - 1));
}

struct KeyLine
{
    QStringView key;
    QStringView rawValue; // trimmed, quotes still on
};

std::optional<KeyLine> keyLineOf(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    const QStringView key = trimmed(line.first(equals));
    if (key.isEmpty() || key.startsWith(u';'))
        return std::nullopt;
    return KeyLine{key, trimmed(line.sliced(equals + 1))};
}

QString unquoted(QStringView value)
{
    return (isQuotedPair(value) ? value.sliced(1, value.size() - 2) : value).toString();
}

// A line break in a name or value would start a new line (or section) in the file.
QString singleLine(QString text)
{
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text;
}

// Quotes a value that would otherwise not read back as written: blanks at either end are
// trimmed on reading and one pair of surrounding quotes is removed.
QString encodedValue(const QString &value)
{
    const QString line = singleLine(value);
    if (trimmed(line).size() != line.size() || isQuotedPair(line))
        return u'"' + line + u'"';
    return line;
}

std::optional<qint64> parseDigits(QStringView digits, int base, quint64 limit)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = c.isDigit() ? c.digitValue() : (base == 16 ? QStringView(u"abcdef").indexOf(c.toLower()) + 10 : -1);
        if (c.unicode() > 0x7F || digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<qint64>(value);
}

// Delphi's StrToIntDef after ReadInteger turned "0x" into "$": an optional sign, then decimal
// within the int range or up to eight hex digits taken as 32 bits ("$FFFFFFFF" is -1).
std::optional<int> parseInteger(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.sliced(1);
    if (text.startsWith(u'$') || (text.size() > 2 && text.startsWith(u"0x", Qt::CaseInsensitive))) {
        const auto value = parseDigits(text.sliced(text.startsWith(u'$') ? 1 : 2), 16, 0xFFFFFFFFu);
        if (!value)
            return std::nullopt;
        const auto bits = static_cast<quint32>(*value);
        return static_cast<int>(negative ? 0u - bits : bits);
    }
    const auto value = parseDigits(text, 10, negative ? 2147483648u : 2147483647u);
    if (!value)
        return std::nullopt;
    return static_cast<int>(negative ? -*value : *value);
}

} // namespace

struct IniFile::Private
{
    // The lines of the file without their line breaks; kept as read so that writes touch
    // only the lines they change.
    QStringList lines;
    QString fileName;
    QString lineBreak = QStringLiteral("\n");
    bool utf8Bom = false;
    bool modified = false;
    // A file that exists but could not be read must never be overwritten by a save.
    bool unreadable = false;

    struct Section
    {
        qsizetype header; // line of "[name]"
        qsizetype end;    // first line after the section's body
    };

    void load();
    std::optional<Section> findSection(QStringView name) const;
    std::optional<qsizetype> findKey(const Section &section, QStringView key) const;
    std::optional<QStringView> rawValue(QStringView section, QStringView key) const;
    void setLine(qsizetype index, const QString &line);
    void removeLines(qsizetype from, qsizetype to);
};

void IniFile::Private::load()
{
    QFile file(fileName);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        unreadable = true;
        qCWarning(lcBase).noquote() << "Cannot read" << fileName << ":" << file.errorString();
        return;
    }
    QByteArray data = file.readAll();
    QString text;
    if (data.startsWith("\xFF\xFE")) {
        text = QStringDecoder(QStringDecoder::Utf16LE)(data.sliced(2));
    } else {
        utf8Bom = data.startsWith("\xEF\xBB\xBF");
        if (utf8Bom)
            data.remove(0, 3);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8(data);
        if (utf8.hasError())
            text = decodeCp1250(data);
    }
    if (text.contains(u"\r\n"))
        lineBreak = QStringLiteral("\r\n");
    lines = text.split(u'\n');
    // The break after the last line is not a line of its own.
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
}

std::optional<IniFile::Private::Section> IniFile::Private::findSection(QStringView name) const
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto found = sectionNameOf(lines.at(i));
        if (!found || !sameName(*found, name))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !sectionNameOf(lines.at(end)))
            ++end;
        return Section{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> IniFile::Private::findKey(const Section &section, QStringView key) const
{
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        const auto keyLine = keyLineOf(lines.at(i));
        if (keyLine && sameName(keyLine->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<QStringView> IniFile::Private::rawValue(QStringView section, QStringView key) const
{
    const auto found = findSection(section);
    if (!found)
        return std::nullopt;
    const auto index = findKey(*found, key);
    if (!index)
        return std::nullopt;
    return keyLineOf(lines.at(*index))->rawValue;
}

void IniFile::Private::setLine(qsizetype index, const QString &line)
{
    if (lines.at(index) == line)
        return;
    lines[index] = line;
    modified = true;
}

void IniFile::Private::removeLines(qsizetype from, qsizetype to)
{
    if (from >= to)
        return;
    lines.remove(from, to - from);
    modified = true;
}

IniFile::IniFile(const QString &fileName)
    : d(std::make_unique<Private>())
{
    d->fileName = fileName;
    d->load();
}

IniFile::~IniFile()
{
    if (!d->modified)
        return;
    try {
        save();
    } catch (const EOrvError &error) {
        qCWarning(lcBase).noquote() << "Changes to" << d->fileName << "lost:" << error.detail();
    }
}

QString IniFile::fileName() const
{
    return d->fileName;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const auto raw = d->rawValue(section, key);
    return raw ? unquoted(*raw) : defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    return parseInteger(readString(section, key)).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double IniFile::readFloat(const QString &section, const QString &key, double defaultValue) const
{
    QString text = readString(section, key);
    text.replace(u',', u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) ? value : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString keyName = singleLine(key).trimmed();
    const auto found = d->findSection(section);
    if (!found) {
        d->lines.append(u'[' + singleLine(section).trimmed() + u']');
        d->lines.append(keyName + u'=' + encodedValue(value));
        d->modified = true;
        return;
    }
    if (const auto index = d->findKey(*found, key)) {
        // Keep the spelling of the name already in the file.
        const QString existing = keyLineOf(d->lines.at(*index))->key.toString();
        d->setLine(*index, existing + u'=' + encodedValue(value));
        return;
    }
    qsizetype insertAt = found->end;
    while (insertAt > found->header + 1 && trimmed(d->lines.at(insertAt - 1)).isEmpty())
        --insertAt;
    d->lines.insert(insertAt, keyName + u'=' + encodedValue(value));
    d->modified = true;
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::sectionExists(const QString &section) const
{
    return !keys(section).isEmpty();
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return d->rawValue(section, key).has_value();
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const QString &line : std::as_const(d->lines)) {
        const auto name = sectionNameOf(line);
        if (name && !names.contains(*name, Qt::CaseInsensitive))
            names.append(name->toString());
    }
    return names;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList names;
    const auto found = d->findSection(section);
    if (!found)
        return names;
    for (qsizetype i = found->header + 1; i < found->end; ++i) {
        const auto keyLine = keyLineOf(d->lines.at(i));
        if (keyLine && !names.contains(keyLine->key, Qt::CaseInsensitive))
            names.append(keyLine->key.toString());
    }
    return names;
}

void IniFile::eraseSection(const QString &section)
{
    while (const auto found = d->findSection(section))
        d->removeLines(found->header, found->end);
}

void IniFile::deleteKey(const QString &section, const QString &key)
{
    const auto found = d->findSection(section);
    if (!found)
        return;
    for (qsizetype i = found->end - 1; i > found->header; --i) {
        const auto keyLine = keyLineOf(d->lines.at(i));
        if (keyLine && sameName(keyLine->key, key))
            d->removeLines(i, i + 1);
    }
}

void IniFile::save()
{
    if (!d->modified)
        return;
    if (d->unreadable) {
        throw EOrvIoError(Tr::tr("Soubor \"%1\" nelze zapsat.").arg(d->fileName),
                          QStringLiteral("%1 was not readable; not overwriting it").arg(d->fileName));
    }
    QByteArray data = d->utf8Bom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (const QString &line : std::as_const(d->lines))
        data += (line + d->lineBreak).toUtf8();
    writeFileAtomically(d->fileName, data);
    d->modified = false;
}

bool IniFile::isModified() const
{
    return d->modified;
}

} // namespace Orv
