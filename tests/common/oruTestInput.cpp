#include "oruTestInput.h"

#include <oruPointer_p.h>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace oru::test {

namespace {

void send(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
          Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent event(type, local, local, global, button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void mousePress(QWidget* widget, const QPoint& pos, Qt::MouseButton button,
                Qt::KeyboardModifiers modifiers)
{
    send(widget, QEvent::MouseButtonPress, pos, button, button, modifiers);
}

void mouseRelease(QWidget* widget, const QPoint& pos, Qt::MouseButton button,
                  Qt::KeyboardModifiers modifiers)
{
    send(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton, modifiers);
}

void mouseDoubleClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button)
{
    send(widget, QEvent::MouseButtonDblClick, pos, button, button, Qt::NoModifier);
}

void mouseMove(QWidget* widget, const QPoint& pos, Qt::MouseButtons buttons)
{
    send(widget, QEvent::MouseMove, pos, Qt::NoButton, buttons, Qt::NoModifier);
}

void mouseClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button)
{
    mousePress(widget, pos, button);
    mouseRelease(widget, pos, button);
}

void mouseEnter(QWidget* widget, const QPoint& pos)
{
    const QPointF local(pos);
    QEnterEvent event(local, local, QPointF(widget->mapToGlobal(pos)));
    QApplication::sendEvent(widget, &event);
}

void mouseLeave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

namespace {

bool overShownWindow(const QPoint& global)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](const QWidget* w) {
        return w->isVisible() && w->geometry().contains(global);
    });
}

// Moves the pointer and lets the window system's enter, leave and move events
// arrive, so that widgets see the pointer where a user's hand would put it.
// True when the library's view of the pointer agrees within two seconds.
bool movePointer(const QPoint& global)
{
    QCursor::setPos(global);
    const bool inside = overShownWindow(global);
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        QPoint seen;
        const bool known = oru::lastPointerPos(&seen);
        if (inside ? known && seen == global : !known)
            return true;
        if (timer.hasExpired(2000))
            return false;
        QTest::qWait(1);
    }
}

} // namespace

QPoint placeCursor(QWidget* widget, const QPoint& pos)
{
    const QPoint global = widget->mapToGlobal(pos);
    const bool moved = movePointer(global);
    if (!moved || !widget->isVisible()) {
        // A window that is not on screen gets nothing from the window
        // system: it is told what it would have been told.
        widget->window()->winId();
        QWindow* window = widget->window()->windowHandle();
        const QPointF local(global - window->position());
        QEnterEvent enter(local, local, QPointF(global));
        QApplication::sendEvent(window, &enter);
        QMouseEvent move(QEvent::MouseMove, local, local, QPointF(global), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &move);
    }
    return global;
}

void parkCursor()
{
    if (!movePointer(QPoint(-10000, -10000))) {
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(window, &leave);
        }
    }
}

} // namespace oru::test
