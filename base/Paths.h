#pragma once

#include <QString>

#include <functional>

namespace Orv {

// The program directory: what Windows kept "beside the program" (ContactInfo.ini,
// OrvantaMailImport.ini, !Log.txt, registry.ini, mailstores.ini …) lives in
// $XDG_CONFIG_HOME/orvanta (default ~/.config/orvanta). Created on first use.
QString programDirectory();
QString programFile(const QString &fileName); // programDirectory() + "/" + fileName

// Reduces a name from mail or a download to a safe base name: no directory parts, no "..",
// no control characters or characters Windows forbids, no blanks or dots at the end, at most
// 255 UTF-8 bytes (the extension kept), not empty (`fallback` then).
QString safeFileName(const QString &name, const QString &fallback = QStringLiteral("priloha"));
// A name in `directory` that does not exist yet: "faktura.pdf", "faktura (2).pdf", …
// An existing file for which `reusable(path)` answers true is taken instead (a file that
// already holds the same content). A symbolic link never counts as free.
QString freeFileName(const QString &directory, const QString &fileName,
                     const std::function<bool(const QString &path)> &reusable = {});

// Writes `data` to `path` atomically (temporary file in the same directory + rename);
// throws EOrvIoError with a Czech text on failure.
void writeFileAtomically(const QString &path, const QByteArray &data);

} // namespace Orv
