#include "base/Version.h"

namespace Orv {

QString fileVersion()
{
    return QStringLiteral(ORV_FILE_VERSION);
}

} // namespace Orv
