#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace Host {

// Opens the help file `helpFile` at `topic`. Help is local HTML: a ".chm" name stands for
// the ".html" file of the same base name; a relative name is looked up in the profile
// manager's help directory. A missing file is reported to the user, not thrown.
ORV_HOSTAPI_EXPORT void CallHelpExternal(QWidget *window, const QString &formName, const QString &topic,
                                         const QString &helpFile);

// What opens the URL (QDesktopServices by default); tests install a recorder.
// Passing an empty function restores the default.
using HelpOpener = std::function<bool(const QUrl &url)>;
ORV_HOSTAPI_EXPORT void setHelpOpener(HelpOpener opener);

// The URL CallHelpExternal opens for these arguments (invalid when the file is missing).
ORV_HOSTAPI_EXPORT QUrl helpUrl(const QString &topic, const QString &helpFile);

} // namespace Host
