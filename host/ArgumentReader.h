#pragma once

#include <QStringList>

namespace Host {

// Takes options out of a subcommand's arguments: "--name VALUE", "--flag", "--subject A B C".
// What is left are the positional arguments. Missing values throw UsageError.
class ArgumentReader
{
public:
    explicit ArgumentReader(QStringList arguments);

    bool takeFlag(const QString &option);
    QString takeValue(const QString &option, const QString &defaultValue = {});
    QStringList takeValues(const QString &option, int count); // empty when the option is absent
    int takeInteger(const QString &option, int defaultValue);
    // Throws UsageError for any "--option" left over; returns the positional arguments.
    QStringList rest() const;

private:
    QStringList m_arguments;
};

} // namespace Host
