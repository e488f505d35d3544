#pragma once

#include <QtGlobal>

#if defined(ORV_HOSTAPI_LIBRARY)
#define ORV_HOSTAPI_EXPORT Q_DECL_EXPORT
#else
#define ORV_HOSTAPI_EXPORT Q_DECL_IMPORT
#endif
