#include "base/BaseLog_p.h"

namespace Orv::Internal {

Q_LOGGING_CATEGORY(lcBase, "orvanta.base")

} // namespace Orv::Internal
