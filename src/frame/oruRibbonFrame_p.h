#pragma once

#include "oruGlobal.h"

#include <QList>
#include <QPolygon>
#include <QRect>

class QPainter;
class QRegion;
class QWidget;
class QWindow;

namespace oru {

class RibbonStyle;

// Drawing shared by the two framed top-level windows (RibbonWindow and
// RibbonMainWindow): they wear the same skinned border and the same rounded
// outline.
namespace frame {

/// Column of the frame images that holds the inactive look (the active look
/// starts at column 0).
constexpr int kInactiveColumn = 35;

/// The 29 points of the window outline, cutting stepped corners of 4 pixels.
QPolygon roundedOutline(int w, int h);

/// The eight pieces of the frame: the caption strip of height @p k over the
/// whole width, the side borders below it and the bottom border with its
/// corners. @p a is 0 for the active look and kInactiveColumn otherwise.
void drawFramePieces(QPainter& painter, const RibbonStyle& skin, int w, int h, int k, int a);

/// Sets @p mask (logical pixels) as the mask of @p window. At a fractional
/// scale on X11 the window's shape is also set in native pixels, each native
/// pixel in it when the logical pixel that holds it is: Qt scales the bands
/// of a region one by one and rounds, which leaves rows and columns of
/// native pixels uncovered (a see-through line along the rounded corners).
/// The native shape follows the window when it is created again or moves to
/// a screen of another scale.
VAZAVE_EXPORT void setWindowMask(QWidget& window, const QRegion& mask);

/// The native rectangles of the shape setWindowMask() gives a window of
/// @p nativeSize pixels at scale @p factor: native pixel n belongs to logical
/// pixel floor(n / factor).
VAZAVE_EXPORT QList<QRect> nativeMaskRects(const QRegion& mask, qreal factor,
                                           const QSize& nativeSize);

/// Asks the window system to move the top-level window of @p widget (no
/// @p edges) or to resize it by @p edges, driven by the pointer as a window
/// manager's own move does (edge snapping, tiling; on Wayland the only way a
/// window moves). True when the window system took the drag over; false when
/// it cannot (no native window, offscreen, a window manager without the
/// protocol), and the caller then moves or resizes the window itself.
VAZAVE_EXPORT bool startSystemMoveResize(QWidget* widget, Qt::Edges edges);

/// What startSystemMoveResize() calls: by default QWindow::startSystemMove()
/// or QWindow::startSystemResize(). Replaceable so that the moment and the
/// edges of a request can be observed; returns the previous hook.
using SystemMoveResizeHook = bool (*)(QWindow* window, Qt::Edges edges);
VAZAVE_EXPORT SystemMoveResizeHook setSystemMoveResizeHook(SystemMoveResizeHook hook);

} // namespace frame
} // namespace oru
