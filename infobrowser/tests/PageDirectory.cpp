#include "PageDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PageDirectory::PageDirectory() = default;

PageDirectory &PageDirectory::file(const QString &relative, const QByteArray &content)
{
    const QString full = filePath(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return *this;
}

PageDirectory &PageDirectory::dir(const QString &relative)
{
    QDir().mkpath(filePath(relative));
    return *this;
}

QByteArray PageDirectory::read(const QString &relative) const
{
    QFile file(filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool PageDirectory::exists(const QString &relative) const
{
    return QFileInfo::exists(filePath(relative));
}
