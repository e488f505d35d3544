#pragma once

#include <QLoggingCategory>

namespace Orv::Internal {

Q_DECLARE_LOGGING_CATEGORY(lcBase)

} // namespace Orv::Internal
