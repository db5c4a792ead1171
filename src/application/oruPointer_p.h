#pragma once

#include "oruGlobal.h"

#include <QPoint>

class QWidget;

namespace oru {

// Where the pointer is, as far as the window system told this process: the
// global position of the last mouse or enter event one of its windows
// received, forgotten when the pointer leaves that window or the window goes
// away.
// Paint code reads it instead of QCursor::pos(), which on X11 waits for the
// server on every call.
//
// Tracking starts with the first RibbonApplication (or the first call here)
// and lives as a child of the application object.

/// The pointer's last known global position; false when it is over none of
/// the process's windows.
VAZAVE_EXPORT bool lastPointerPos(QPoint* global);

/// The pointer's last known position in @p widget's coordinates; a point far
/// outside every widget when it is over none of the process's windows.
VAZAVE_EXPORT QPoint pointerPos(const QWidget& widget);

/// Starts tracking (done by RibbonApplication's constructor).
VAZAVE_EXPORT void trackPointer();

} // namespace oru
