#include "base/Paths.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace Orv {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Orv::Paths)
};

// Longest name most Linux file systems accept, in UTF-8 bytes.
constexpr qsizetype MaxNameBytes = 255;

bool isForbidden(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"<>:\"/\\|?*").contains(c);
}

// Splits "faktura.pdf" into "faktura" and ".pdf"; a leading dot alone is no extension.
std::pair<QString, QString> splitExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0)
        return {name, QString()};
    return {name.left(dot), name.mid(dot)};
}

QString trimmedName(QString name)
{
    name = name.trimmed();
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    return name;
}

// Cuts `base` (never `tail`) until base + tail fits the file system.
QString fitted(QString base, const QString &tail)
{
    while (!base.isEmpty() && (base + tail).toUtf8().size() > MaxNameBytes) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    return base;
}

// Cuts the base name (never the extension) until the name fits the file system.
QString shortened(const QString &name)
{
    if (name.toUtf8().size() <= MaxNameBytes)
        return name;
    auto [base, extension] = splitExtension(name);
    if (extension.toUtf8().size() > MaxNameBytes / 2) {
        base = name;
        extension.clear();
    }
    return trimmedName(fitted(base, extension)) + extension;
}

// "faktura (2).pdf", kept within the length a file name may have.
QString numberedName(const QString &base, int number, const QString &extension)
{
    const QString tail = QStringLiteral(" (%1)").arg(number) + extension;
    return fitted(base, tail) + tail;
}

} // namespace

QString programDirectory()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty() || QDir::isRelativePath(configHome))
        configHome = QDir::homePath() + QStringLiteral("/.config");
    const QString directory = configHome + QStringLiteral("/orvanta");
    QDir().mkpath(directory);
    return directory;
}

QString programFile(const QString &fileName)
{
    return programDirectory() + u'/' + fileName;
}

QString safeFileName(const QString &name, const QString &fallback)
{
    QString base = name;
    base.replace(u'\\', u'/');
    base = base.mid(base.lastIndexOf(u'/') + 1);
    base.removeIf(isForbidden);
    base = trimmedName(base);
    // A name of dots only ("..") would still point out of the directory.
    if (base.count(u'.') == base.size())
        return fallback;
    base = shortened(base);
    return base.isEmpty() ? fallback : base;
}

QString freeFileName(const QString &directory, const QString &fileName,
                     const std::function<bool(const QString &path)> &reusable)
{
    const QDir dir(directory);
    const auto [base, extension] = splitExtension(fileName);
    for (int number = 1;; ++number) {
        const QString candidate = number == 1 ? fileName : numberedName(base, number, extension);
        const QFileInfo info(dir.filePath(candidate));
        if (!info.exists() && !info.isSymLink())
            return candidate;
        if (reusable && info.isFile() && !info.isSymLink() && reusable(info.filePath()))
            return candidate;
    }
}

void writeFileAtomically(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        throw EOrvIoError(Tr::tr("Soubor \"%1\" nelze zapsat.").arg(QDir::toNativeSeparators(path)),
                          QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
}

} // namespace Orv
