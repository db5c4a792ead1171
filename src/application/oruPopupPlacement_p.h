#pragma once

#include "oruGlobal.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace oru {

/// The available geometry of the screen that shows @p point, of the primary
/// screen when no screen does; an empty rectangle without screens.
VAZAVE_EXPORT QRect availableGeometryAt(const QPoint& point);

/// Where a popup of @p size placed at @p topLeft (global) goes instead so
/// that it stays on the screen that shows @p topLeft: a popup that runs past
/// the bottom and opened below @p anchor (the global rectangle of what opened
/// it; may be empty) flips above the anchor when there is room there; what
/// still sticks out is shifted inside, keeping its top-left corner visible
/// when it is larger than the screen. A popup that fits is left where it is.
VAZAVE_EXPORT QPoint keepPopupOnScreen(const QPoint& topLeft, const QSize& size,
                                       const QRect& anchor = QRect());

} // namespace oru
