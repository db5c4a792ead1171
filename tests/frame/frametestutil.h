#pragma once

#include <oruRibbonWindow.h>
#include <oruRibbonWindowEvents_p.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QString>

namespace frametest {

using oru::RibbonWindow;

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

/// The current state's name; "bad: ..." unless exactly one state is current.
inline QString stateOf(const RibbonWindow& window)
{
    const RibbonWindow::Events& e = window.events();
    const std::pair<bool, const char*> all[] = {
        {e.inIdle(), "Idle"},   {e.inMoveWindow(), "MoveWindow"},
        {e.inResizeWindow(), "ResizeWindow"}, {e.inSysMinimize(), "SysMinimize"},
        {e.inSysMaximizeRestore(), "SysMaximizeRestore"}, {e.inSysClose(), "SysClose"}};
    QStringList states;
    for (const auto& [on, name] : all) {
        if (on)
            states << QLatin1String(name);
    }
    return states.size() == 1 ? states.first() : QStringLiteral("bad: ") + states.join(',');
}

// Mouse events at a global position; the local position follows the window's
// current place, as when the window moves under the mouse.
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

// The sequence Qt delivers: press, release, double-click, release.
inline void doubleClick(RibbonWindow& w, const QPoint& global,
                        Qt::MouseButton button = Qt::LeftButton)
{
    press(w, global, button);
    release(w, global, button);
    send(w, QEvent::MouseButtonDblClick, global, button, button);
    release(w, global, button);
}

inline QPoint at(const RibbonWindow& w, const QPoint& local)
{
    return w.geometry().topLeft() + local;
}

inline void mouseClickAt(RibbonWindow& w, const QPoint& local)
{
    press(w, at(w, local));
    release(w, at(w, local));
}

} // namespace frametest
