#include "ArgumentReader.h"

#include "HostCommand.h"

#include <QCoreApplication>

namespace Host {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Host::ArgumentReader", text);
}

} // namespace

ArgumentReader::ArgumentReader(QStringList arguments)
    : m_arguments(std::move(arguments))
{
}

bool ArgumentReader::takeFlag(const QString &option)
{
    return m_arguments.removeAll(option) > 0;
}

QString ArgumentReader::takeValue(const QString &option, const QString &defaultValue)
{
    const QStringList values = takeValues(option, 1);
    return values.isEmpty() ? defaultValue : values.first();
}

QStringList ArgumentReader::takeValues(const QString &option, int count)
{
    const qsizetype at = m_arguments.indexOf(option);
    if (at < 0)
        return {};
    if (at + count >= m_arguments.size())
        throw UsageError(tr("Volba %1 potřebuje hodnot: %2.").arg(option).arg(count));
    const QStringList values = m_arguments.mid(at + 1, count);
    m_arguments.remove(at, count + 1);
    return values;
}

int ArgumentReader::takeInteger(const QString &option, int defaultValue)
{
    const QString text = takeValue(option);
    if (text.isEmpty())
        return defaultValue;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw UsageError(tr("Volba %1 potřebuje celé číslo: %2").arg(option, text));
    return value;
}

QStringList ArgumentReader::rest() const
{
    for (const QString &argument : m_arguments) {
        if (argument.startsWith(u"--"))
            throw UsageError(tr("Neznámá volba: %1").arg(argument));
    }
    return m_arguments;
}

} // namespace Host
