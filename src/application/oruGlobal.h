#pragma once

#include <QtGlobal>

#if defined(VAZAVE_BUILD_LIBRARY)
#define VAZAVE_EXPORT Q_DECL_EXPORT
#else
#define VAZAVE_EXPORT Q_DECL_IMPORT
#endif
