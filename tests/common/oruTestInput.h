#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace oru::test {

// Mouse events delivered straight to a widget, with positions in the widget's
// coordinates and the global position derived from them. Unlike QTest's
// helpers these never depend on window-system state, so they also work for
// widgets that are not shown.
void mousePress(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void mouseRelease(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void mouseDoubleClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
/// A move with the given buttons held (none by default).
void mouseMove(QWidget* widget, const QPoint& pos, Qt::MouseButtons buttons = Qt::NoButton);
/// Press, then release at the same point.
void mouseClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
/// Enter and leave events, as the window system sends them on hover.
void mouseEnter(QWidget* widget, const QPoint& pos);
void mouseLeave(QWidget* widget);

/// Places the mouse cursor over @p pos of @p widget, waits until the window
/// system's enter and move events have been delivered (a widget that is not
/// shown is sent them directly) and returns the global position.
QPoint placeCursor(QWidget* widget, const QPoint& pos);
/// Moves the mouse cursor far away from every test window and waits until
/// the windows have seen it leave.
void parkCursor();

} // namespace oru::test
