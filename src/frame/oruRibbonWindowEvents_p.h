#pragma once

// The interaction state machine of RibbonWindow. Private: it pulls in
// Boost.Statechart, which host programs never see.

#include "oruRibbonWindow.h"

#include <boost/statechart/event.hpp>
#include <boost/statechart/state_machine.hpp>

#include <QRect>

class QMouseEvent;

namespace oru {

/// Turns the raw mouse events of a RibbonWindow into window management:
/// caption drag moves, border and corner drags resize, the caption buttons
/// act on a release over the button they were pressed on, and a caption
/// double-click toggles the machine's own maximized state.
class VAZAVE_EXPORT RibbonWindow::Events
{
public:
    // The grips, in the order in which they are searched.
    static constexpr Qt::Alignment sGripTop = Qt::AlignTop;
    static constexpr Qt::Alignment sGripTopRight = Qt::AlignTop | Qt::AlignRight;
    static constexpr Qt::Alignment sGripRight = Qt::AlignRight;
    static constexpr Qt::Alignment sGripBottomRight = Qt::AlignBottom | Qt::AlignRight;
    static constexpr Qt::Alignment sGripBottom = Qt::AlignBottom;
    static constexpr Qt::Alignment sGripBottomLeft = Qt::AlignBottom | Qt::AlignLeft;
    static constexpr Qt::Alignment sGripLeft = Qt::AlignLeft;
    static constexpr Qt::Alignment sGripTopLeft = Qt::AlignTop | Qt::AlignLeft;

    // The machine's events; each carries the Qt event being handled, which is
    // valid only while the machine processes it.
    template <class Derived> struct MouseEvent : boost::statechart::event<Derived>
    {
        explicit MouseEvent(QMouseEvent* event) : m_event(event) {}
        QMouseEvent* m_event;
    };
    struct EvtMousePress : MouseEvent<EvtMousePress>
    {
        using MouseEvent::MouseEvent;
    };
    struct EvtMouseRelease : MouseEvent<EvtMouseRelease>
    {
        using MouseEvent::MouseEvent;
    };
    struct EvtMouseMove : MouseEvent<EvtMouseMove>
    {
        using MouseEvent::MouseEvent;
    };
    struct EvtMouseDoubleClick : MouseEvent<EvtMouseDoubleClick>
    {
        using MouseEvent::MouseEvent;
    };

    // The states, defined where the reactions are.
    struct Main;
    struct Idle;
    struct MoveWindow;
    struct ResizeWindow;
    struct SysMinimize;
    struct SysMaximizeRestore;
    struct SysClose;

    struct StateMachine : boost::statechart::state_machine<StateMachine, Main>
    {
        explicit StateMachine(Events& events) : m_events(events) {}
        Events& m_events;
    };

    explicit Events(RibbonWindow& window);
    ~Events();
    Events(const Events&) = delete;
    Events& operator=(const Events&) = delete;

    RibbonWindow& window() const { return m_window; }

    /// True while the window is maximized by the machine (a normal geometry
    /// is saved).
    bool isMaximized() const;
    /// Maximizes to the available area of the window's screen, with the
    /// frame outside it, or restores the saved geometry.
    void showMaximizedRestored();
    /// Restores a maximized window to its saved size under the pointer at
    /// @p pointer, for a caption drag that started at @p press.
    void restoreUnderPointer(const QPoint& press, const QPoint& pointer);
    /// The saved geometry; null while the window is not maximized.
    QRect normalGeometry() const { return m_normalGeometry; }

    bool inIdle() const;
    bool inMoveWindow() const;
    bool inResizeWindow() const;
    bool inSysMinimize() const;
    bool inSysMaximizeRestore() const;
    bool inSysClose() const;

    /// The hot zone of @p grip for the window geometry @p rect (global
    /// coordinates); null for rectangles too small to grip and for values
    /// that are not one of the eight grips.
    static QRect gripRect(const QRect& rect, const Qt::Alignment& grip);
    /// The first grip of @p rect whose zone contains @p global; empty when
    /// none does.
    static Qt::Alignment gripAt(const QRect& rect, const QPoint& global);

    /// Runs @p event and everything its reactions post, to completion.
    void process(const boost::statechart::event_base& event);

private:
    RibbonWindow& m_window;
    StateMachine m_machine;
    QRect m_normalGeometry;
    bool m_processing = false;
};

} // namespace oru
