#pragma once

#include "hostapi/HostApiGlobal.h"

class QWidget;

namespace Host {

// A form's window position in the registry stand-in, keyed by the form's object name
// (its class name when it has none). Loading returns false, leaving the form as it is,
// when nothing is stored; saving never throws (a position is not worth an error box).
ORV_HOSTAPI_EXPORT bool loadFormPosition(QWidget *form);
ORV_HOSTAPI_EXPORT void saveFormPosition(const QWidget *form);

} // namespace Host
