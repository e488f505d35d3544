#pragma once

#include <QString>
#include <QStringList>

namespace MailUi {

// Renders the windows of the mail import to PNG files in `directory` (made when missing):
// main-window.png (a generated store listed, one message stored for a firm and shown with
// its attachments and links), settings-basic.png and settings-client.png (the settings
// dialog's first two pages). Works offscreen (QT_QPA_PLATFORM=offscreen).
//
// Runs in a private program directory: it points XDG_CONFIG_HOME at a temporary directory,
// so call it before anything has read the program's settings. Needs a QApplication.
// Returns the files written; throws EOrvError when a step fails.
QStringList renderScreenshots(const QString &directory);

} // namespace MailUi
