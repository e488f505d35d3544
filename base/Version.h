#pragma once

#include <QString>

namespace Orv {

// The version every module compiles in (the Windows version resource's "FileVersion").
QString fileVersion(); // "1.0.0.0"

} // namespace Orv
