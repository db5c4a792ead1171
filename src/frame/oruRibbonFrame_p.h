#pragma once

#include "oruGlobal.h"

#include <QList>
#include <QPointF>
#include <QPolygon>
#include <QRect>

class QMouseEvent;
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
/// window moves). @p anchor is the pointer's global position for which the
/// window stands where the drag wants it: where the window system takes it
/// (anchoredSystemDrags()), it moves or resizes the window by the pointer's
/// travel from there, so a caller that has put the window in place for its
/// current event loses no step of the drag. True when the window system took
/// the drag over; false when it cannot (no native window, offscreen, a window
/// manager without the protocol), and the caller then moves or resizes the
/// window itself.
VAZAVE_EXPORT bool startSystemMoveResize(QWidget* widget, Qt::Edges edges, const QPointF& anchor);

/// True where the window system starts its drag from the anchor it is handed
/// (X11): the frame then first puts the window where the pointer's event wants
/// it. Elsewhere (Wayland) the compositor starts from its own pointer and a
/// client cannot place itself, so the window is left as it is.
VAZAVE_EXPORT bool anchoredSystemDrags();

/// Offers a drag that started at the global position @p press to the window
/// system, once (@p offered), when the pointer has gone the drag distance from
/// there, so that clicks and double-clicks stay the window's own; true when
/// the window system took it. Where it starts from the anchor it is handed
/// (anchoredSystemDrags()) the drag is offered after the window took the
/// event's step (@p afterStep), so that no step is lost; elsewhere before, and
/// the window keeps still.
VAZAVE_EXPORT bool offerSystemDrag(QWidget& window, Qt::Edges edges, const QPoint& press,
                                   const QMouseEvent* event, bool afterStep, bool& offered);

/// Makes @p window show the arrow cursor again whenever the pointer enters
/// one of its children, which would otherwise show the window's resize cursor
/// where a press does not resize. Call once, from the window's constructor.
VAZAVE_EXPORT void resetCursorInChildren(QWidget& window);

/// What startSystemMoveResize() calls: by default a _NET_WM_MOVERESIZE request
/// from the anchor on X11, QWindow::startSystemMove() or
/// QWindow::startSystemResize() elsewhere. Replaceable so that the moment, the
/// edges and the anchor of a request can be observed; returns the previous
/// hook.
using SystemMoveResizeHook = bool (*)(QWindow* window, Qt::Edges edges, const QPointF& anchor);
VAZAVE_EXPORT SystemMoveResizeHook setSystemMoveResizeHook(SystemMoveResizeHook hook);

/// Where a window maximized at @p maximized stands once restored to
/// @p normalSize under the pointer at @p pointer, when its caption was grabbed
/// at @p press: the grabbed spot keeps its place along the caption in
/// proportion and its distance from the top, as the desktops' own title bars
/// do.
VAZAVE_EXPORT QRect restoredUnderPointer(const QRect& maximized, const QSize& normalSize,
                                         const QPoint& press, const QPoint& pointer);

/// True unless the window of @p widget is on X11 and no running window
/// manager supports the _NET_WM_STATE @p state (for example
/// "_NET_WM_STATE_MAXIMIZED_VERT"): without one a request for that state
/// changes nothing on the screen.
VAZAVE_EXPORT bool windowSystemSupportsState(const QWidget* widget, const char* state);

} // namespace frame
} // namespace oru
