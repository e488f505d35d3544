#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QString>

namespace Host {

// A value of a module's version information. Known key: "FileVersion". A plug-in's version
// comes from its metadata (read without loading it), the running program's and this
// library's from the version compiled in. Empty when unknown.
ORV_HOSTAPI_EXPORT QString GetVersionInfo(const QString &moduleFileName, const QString &key);

// The file of the module (program, library or plug-in) that holds `address`, e.g. a
// function of the caller's own module.
ORV_HOSTAPI_EXPORT QString moduleFileName(const void *address);

} // namespace Host
