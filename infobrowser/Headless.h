#pragma once

#include <QString>

class QTextStream;

namespace InfoBrowser {

// The entry points that run without a screen. Each returns the process exit code:
// 0 done, 1 failed. Messages go through the installed message service.

// Prints the page tree of the settings' page directory, one node a line.
int printTree(const QString &settingsFile, QTextStream &out);

// Downloads the update list, prints its items (checked, title, date, directory) and, with
// `download`, fetches the checked ones with progress lines on `progress`.
int runUpdate(const QString &settingsFile, bool download, QTextStream &out, QTextStream &progress);

} // namespace InfoBrowser
