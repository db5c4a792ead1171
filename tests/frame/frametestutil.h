#pragma once

#include <oruRibbonWindow.h>
#include <oruRibbonWindowEvents_p.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QString>

namespace frametest {

using oru::RibbonWindow;

/// A RibbonWindow that counts the close requests it gets.
class CountingWindow : public RibbonWindow
{
public:
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeRequests;
        RibbonWindow::closeEvent(event);
    }
};

/// The name of the machine's current state. Exactly one state is current at
/// any time; anything else is reported as an error string.
inline QString stateOf(const RibbonWindow& window)
{
    const RibbonWindow::Events& e = window.events();
    QStringList states;
    if (e.inIdle())
        states << QStringLiteral("Idle");
    if (e.inMoveWindow())
        states << QStringLiteral("MoveWindow");
    if (e.inResizeWindow())
        states << QStringLiteral("ResizeWindow");
    if (e.inSysMinimize())
        states << QStringLiteral("SysMinimize");
    if (e.inSysMaximizeRestore())
        states << QStringLiteral("SysMaximizeRestore");
    if (e.inSysClose())
        states << QStringLiteral("SysClose");
    return states.size() == 1 ? states.first()
                              : QStringLiteral("bad: ") + states.join(QLatin1Char(','));
}

// Mouse events at a global screen position, as the window system delivers
// them while the window moves under the mouse: the local position follows
// the window's current place.
inline void send(RibbonWindow& window, QEvent::Type type, const QPoint& global,
                 Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(global - window.geometry().topLeft());
    QMouseEvent event(type, local, local, QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

inline void press(RibbonWindow& w, const QPoint& global, Qt::MouseButton button = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonPress, global, button, button);
}

inline void release(RibbonWindow& w, const QPoint& global, Qt::MouseButton button = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonRelease, global, button, Qt::NoButton);
}

inline void move(RibbonWindow& w, const QPoint& global, Qt::MouseButtons buttons = Qt::NoButton)
{
    send(w, QEvent::MouseMove, global, Qt::NoButton, buttons);
}

inline void doubleClick(RibbonWindow& w, const QPoint& global,
                        Qt::MouseButton button = Qt::LeftButton)
{
    // The sequence Qt delivers: press, release, double-click, release.
    press(w, global, button);
    release(w, global, button);
    send(w, QEvent::MouseButtonDblClick, global, button, button);
    release(w, global, button);
}

/// Global position of a point given in window coordinates.
inline QPoint at(const RibbonWindow& w, const QPoint& local)
{
    return w.geometry().topLeft() + local;
}

/// Left press and release at a point in window coordinates.
inline void mouseClickAt(RibbonWindow& w, const QPoint& local)
{
    const QPoint global = at(w, local);
    press(w, global);
    release(w, global);
}

} // namespace frametest
