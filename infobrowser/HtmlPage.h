#pragma once

#include <QByteArray>
#include <QString>

namespace InfoBrowser {

// Decodes an information page. Page sets written on Windows are often Windows-1250 without
// a charset declaration: a declared charset wins, else valid UTF-8 is UTF-8, else cp1250.
QString decodeHtml(const QByteArray &data);

// The caption of a page in the tree: the text after "<title>" on the first line that has
// the tag (tags in any case), cut at "</title>"; a title spread over several lines keeps
// its first line. Empty when the file has no title or cannot be read.
QString pageTitle(const QString &filePath);
QString titleFromText(const QString &text);

} // namespace InfoBrowser
