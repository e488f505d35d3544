// Parses arbitrary bytes as an ini file, reads every value back, then checks that a value
// written into the result survives a save and a fresh read.
#include "base/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace {

QString scratchFile()
{
    static const QString path =
        QDir::tempPath() + QStringLiteral("/fuzz_IniFile_%1.ini").arg(QCoreApplication::applicationPid());
    return path;
}

void writeBytes(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = scratchFile();
    writeBytes(path, bytes);

    // The last bytes also serve as a value to write, so the writer sees odd text too.
    const QString value = QString::fromUtf8(bytes.right(32));
    {
        Orv::IniFile ini(path);
        for (const QString &section : ini.sections()) {
            ini.sectionExists(section);
            for (const QString &key : ini.keys(section)) {
                ini.readString(section, key);
                ini.readInteger(section, key);
                ini.readBool(section, key);
                ini.readFloat(section, key);
            }
        }
        ini.writeString(QStringLiteral("Fuzz"), QStringLiteral("Value"), value);
        ini.save();
    }
    const Orv::IniFile reread(path);
    QString expected = value;
    expected.replace(u'\r', u' ').replace(u'\n', u' ');
    if (reread.readString(QStringLiteral("fuzz"), QStringLiteral("value")) != expected)
        std::abort();
    return 0;
}
