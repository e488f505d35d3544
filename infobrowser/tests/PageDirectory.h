#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary page directory built in code: files with their contents, ini files included.
class PageDirectory
{
public:
    PageDirectory();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path() + u'/'; } // with a trailing "/"
    QString filePath(const QString &relative) const { return path() + relative; }
    PageDirectory &file(const QString &relative, const QByteArray &content);
    PageDirectory &dir(const QString &relative);
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};
