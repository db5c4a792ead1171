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

/// Places the mouse cursor over @p pos of @p widget (for widgets that read
/// QCursor::pos() when they paint) and returns the global position.
QPoint placeCursor(QWidget* widget, const QPoint& pos);
/// Moves the mouse cursor far away from every test window.
void parkCursor();

} // namespace oru::test
