#include "oruRibbonWindowEvents_p.h"

#include "oruRibbonFrame_p.h"

#include <boost/mpl/list.hpp>
#include <boost/statechart/custom_reaction.hpp>
#include <boost/statechart/simple_state.hpp>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include <cmath>

namespace sc = boost::statechart;

namespace oru {

namespace {

QPoint localPos(const QMouseEvent* event)
{
    return event->position().toPoint();
}

QPoint globalPos(const QMouseEvent* event)
{
    return event->globalPosition().toPoint();
}

// The window pixel under the pointer, in global logical coordinates, for
// finding the grip. At a fractional scale Qt hands out positions between
// logical pixels (the native pixel's corner divided by the scale); rounding
// them would put the last native column or row of the window one logical
// pixel outside it, where no grip is. The pixel that holds the position is
// always inside.
QPoint gripPos(const RibbonWindow& window, const QMouseEvent* event)
{
    const QPointF local = event->position();
    return window.geometry().topLeft() +
           QPoint(int(std::floor(local.x())), int(std::floor(local.y())));
}

bool isLeft(const QMouseEvent* event)
{
    return event->button() == Qt::LeftButton;
}

Qt::CursorShape cursorForGrip(Qt::Alignment grip)
{
    if (grip == RibbonWindow::Events::sGripTop || grip == RibbonWindow::Events::sGripBottom)
        return Qt::SizeVerCursor;
    if (grip == RibbonWindow::Events::sGripTopRight ||
        grip == RibbonWindow::Events::sGripBottomLeft)
        return Qt::SizeBDiagCursor;
    if (grip == RibbonWindow::Events::sGripRight || grip == RibbonWindow::Events::sGripLeft)
        return Qt::SizeHorCursor;
    if (grip == RibbonWindow::Events::sGripBottomRight ||
        grip == RibbonWindow::Events::sGripTopLeft)
        return Qt::SizeFDiagCursor;
    return Qt::ArrowCursor;
}

// The cursor of what a press at the event's position would do: the shape of
// its grip, or the arrow. While maximized the cursor keeps its shape.
void updateCursor(RibbonWindow::Events& events, const QMouseEvent* event)
{
    if (events.isMaximized())
        return;
    RibbonWindow& window = events.window();
    const Qt::CursorShape shape =
        cursorForGrip(RibbonWindow::Events::gripAt(window.geometry(), gripPos(window, event)));
    if (!window.testAttribute(Qt::WA_SetCursor) || window.cursor().shape() != shape)
        window.setCursor(shape);
}

} // namespace

// Every inner state reaches the window through the machine.
template <class State> RibbonWindow::Events& eventsOf(State& state)
{
    return state.outermost_context().m_events;
}

struct RibbonWindow::Events::Main : sc::simple_state<Main, StateMachine, Idle>
{
};

struct RibbonWindow::Events::Idle : sc::simple_state<Idle, Main>
{
    using reactions =
        boost::mpl::list<sc::custom_reaction<EvtMouseMove>, sc::custom_reaction<EvtMousePress>,
                         sc::custom_reaction<EvtMouseDoubleClick>,
                         sc::custom_reaction<EvtMouseRelease>>;

    sc::result react(const EvtMouseMove& evt)
    {
        updateCursor(eventsOf(*this), evt.m_event);
        return discard_event();
    }

    sc::result react(const EvtMousePress& evt)
    {
        if (!isLeft(evt.m_event))
            return discard_event();
        Events& events = eventsOf(*this);
        const RibbonWindow& window = events.window();
        const QPoint pos = localPos(evt.m_event);
        if (window.captionRect().contains(pos)) {
            // MoveWindow takes its starting point from the same press; a
            // maximized window is restored there once pulled.
            post_event(evt);
            return transit<MoveWindow>();
        }
        if (window.sysMinimizeRect().contains(pos))
            return transit<SysMinimize>();
        if (window.sysMaximizeRestoreRect().contains(pos))
            return transit<SysMaximizeRestore>();
        if (window.sysCloseRect().contains(pos))
            return transit<SysClose>();
        if (events.isMaximized())
            return discard_event();
        if (gripAt(window.geometry(), gripPos(window, evt.m_event))) {
            post_event(evt);
            return transit<ResizeWindow>();
        }
        return discard_event();
    }

    sc::result react(const EvtMouseDoubleClick& evt)
    {
        Events& events = eventsOf(*this);
        if (isLeft(evt.m_event) && events.window().captionRect().contains(localPos(evt.m_event)))
            events.showMaximizedRestored();
        return discard_event();
    }

    sc::result react(const EvtMouseRelease&) { return discard_event(); }
};

struct RibbonWindow::Events::MoveWindow : sc::simple_state<MoveWindow, Main>
{
    using reactions =
        boost::mpl::list<sc::custom_reaction<EvtMousePress>, sc::custom_reaction<EvtMouseMove>,
                         sc::custom_reaction<EvtMouseRelease>>;

    sc::result react(const EvtMousePress& evt)
    {
        m_press = globalPos(evt.m_event);
        m_offset = m_press - eventsOf(*this).window().geometry().topLeft();
        return discard_event();
    }

    sc::result react(const EvtMouseMove& evt)
    {
        Events& events = eventsOf(*this);
        RibbonWindow& window = events.window();
        if (events.isMaximized()) {
            // Pulled past the drag distance, the window comes back to its
            // size under the pointer and the drag goes on from there.
            const QPoint global = globalPos(evt.m_event);
            if ((global - m_press).manhattanLength() < QApplication::startDragDistance())
                return discard_event();
            events.restoreUnderPointer(m_press, global);
            m_press = global;
            m_offset = global - window.geometry().topLeft();
            return discard_event();
        }
        // Once the pointer has gone past the drag distance (so that clicks and
        // double-clicks stay ours) the drag is offered to the window system;
        // once it took over, the pointer is its own until the button goes up.
        if (frame::offerSystemDrag(window, Qt::Edges(), m_press, evt.m_event, false, m_offered))
            return transit<Idle>();
        window.move(globalPos(evt.m_event) - m_offset);
        if (frame::offerSystemDrag(window, Qt::Edges(), m_press, evt.m_event, true, m_offered))
            return transit<Idle>();
        return discard_event();
    }

    sc::result react(const EvtMouseRelease& evt)
    {
        updateCursor(eventsOf(*this), evt.m_event);
        return transit<Idle>();
    }

    QPoint m_offset{0, 0};
    QPoint m_press{0, 0};
    bool m_offered = false;
};

struct RibbonWindow::Events::ResizeWindow : sc::simple_state<ResizeWindow, Main>
{
    using reactions =
        boost::mpl::list<sc::custom_reaction<EvtMousePress>, sc::custom_reaction<EvtMouseMove>,
                         sc::custom_reaction<EvtMouseRelease>>;

    sc::result react(const EvtMousePress& evt)
    {
        if (!isLeft(evt.m_event))
            return transit<Idle>();
        const RibbonWindow& window = eventsOf(*this).window();
        m_startGeometry = window.geometry();
        m_startPosition = globalPos(evt.m_event);
        if (const Qt::Alignment grip = gripAt(m_startGeometry, gripPos(window, evt.m_event)))
            m_grip = grip;
        return discard_event();
    }

    sc::result react(const EvtMouseMove& evt)
    {
        RibbonWindow& window = eventsOf(*this).window();
        if (frame::offerSystemDrag(window, edgesOf(m_grip), m_startPosition, evt.m_event, false,
                                   m_offered))
            return transit<Idle>();
        const QPoint global = globalPos(evt.m_event);
        const int dx = global.x() - m_startPosition.x();
        const int dy = global.y() - m_startPosition.y();
        QRect r = m_startGeometry;
        if (m_grip & Qt::AlignLeft)
            r.setLeft(r.left() + dx);
        else if (m_grip & Qt::AlignRight)
            r.setRight(r.right() + dx);
        if (m_grip & Qt::AlignTop)
            r.setTop(r.top() + dy);
        else if (m_grip & Qt::AlignBottom)
            r.setBottom(r.bottom() + dy);
        const int minWidth = qMax(window.minimumSize().width(), 14);
        const int minHeight = qMax(window.minimumSize().height(), 17);
        // Below the minimum the window keeps its last size instead of snapping
        // to the minimum, so the far edge never jumps.
        const bool fits = r.isValid() && r.width() >= minWidth && r.height() >= minHeight;
        if (fits)
            window.setGeometry(r);
        // As for moves, from where the window now stands; a step the window
        // did not take leaves the window system an anchor it does not match.
        if (fits && frame::offerSystemDrag(window, edgesOf(m_grip), m_startPosition, evt.m_event,
                                           true, m_offered))
            return transit<Idle>();
        return discard_event();
    }

    sc::result react(const EvtMouseRelease& evt)
    {
        updateCursor(eventsOf(*this), evt.m_event);
        return transit<Idle>();
    }

    static Qt::Edges edgesOf(Qt::Alignment grip)
    {
        Qt::Edges edges;
        if (grip & Qt::AlignLeft)
            edges |= Qt::LeftEdge;
        if (grip & Qt::AlignRight)
            edges |= Qt::RightEdge;
        if (grip & Qt::AlignTop)
            edges |= Qt::TopEdge;
        if (grip & Qt::AlignBottom)
            edges |= Qt::BottomEdge;
        return edges;
    }

    Qt::Alignment m_grip;
    bool m_offered = false;
    QRect m_startGeometry;
    QPoint m_startPosition{0, 0};
};

// The three caption buttons act on a left release over the button pressed.
template <class Derived, QRect (RibbonWindow::*buttonRect)() const>
struct SysButtonState : sc::simple_state<Derived, RibbonWindow::Events::Main>
{
    using reactions = sc::custom_reaction<RibbonWindow::Events::EvtMouseRelease>;

    sc::result react(const RibbonWindow::Events::EvtMouseRelease& evt)
    {
        if (!isLeft(evt.m_event))
            return this->discard_event();
        RibbonWindow::Events& events = eventsOf(*this);
        const bool over = (events.window().*buttonRect)().contains(localPos(evt.m_event));
        // Leave the state before acting: closing may delete the window.
        RibbonWindow::Events* target = &events;
        const sc::result result = this->template transit<RibbonWindow::Events::Idle>();
        if (over)
            Derived::act(*target);
        return result;
    }
};

struct RibbonWindow::Events::SysMinimize
    : SysButtonState<SysMinimize, &RibbonWindow::sysMinimizeRect>
{
    static void act(Events& events) { events.window().showMinimized(); }
};

struct RibbonWindow::Events::SysMaximizeRestore
    : SysButtonState<SysMaximizeRestore, &RibbonWindow::sysMaximizeRestoreRect>
{
    static void act(Events& events) { events.showMaximizedRestored(); }
};

struct RibbonWindow::Events::SysClose : SysButtonState<SysClose, &RibbonWindow::sysCloseRect>
{
    static void act(Events& events) { events.window().close(); }
};

RibbonWindow::Events::Events(RibbonWindow& window) : m_window(window), m_machine(*this)
{
    m_machine.initiate();
}

RibbonWindow::Events::~Events() = default;

bool RibbonWindow::Events::isMaximized() const
{
    return m_normalGeometry.isValid();
}

void RibbonWindow::Events::showMaximizedRestored()
{
    // A Wayland client can neither place itself nor learn the compositor's
    // working area (Qt reports the whole output), so there the compositor
    // maximizes the window and gives the size back on restore.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        const Qt::WindowStates state = m_window.windowState();
        if (isMaximized()) {
            m_normalGeometry = QRect();
            m_window.setWindowState(state & ~Qt::WindowMaximized);
        } else {
            m_normalGeometry = m_window.geometry();
            m_window.setWindowState(state | Qt::WindowMaximized);
        }
        return;
    }
    if (isMaximized()) {
        m_window.setGeometry(m_normalGeometry);
        m_normalGeometry = QRect();
        return;
    }
    QScreen* screen = QGuiApplication::screenAt(m_window.geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_normalGeometry = m_window.geometry();
    // The 7-pixel frame lies outside the screen's working area.
    m_window.setGeometry(screen->availableGeometry().adjusted(-7, -7, 7, 7));
}

void RibbonWindow::Events::restoreUnderPointer(const QPoint& press, const QPoint& pointer)
{
    if (!isMaximized())
        return;
    // The compositor maximized it and gives the size back; the drag carries on
    // with the compositor's own move.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        showMaximizedRestored();
        return;
    }
    const QRect restored =
        frame::restoredUnderPointer(m_window.geometry(), m_normalGeometry.size(), press, pointer);
    m_normalGeometry = QRect();
    m_window.setGeometry(restored);
}

bool RibbonWindow::Events::inIdle() const
{
    return m_machine.state_cast<const Idle*>() != nullptr;
}

bool RibbonWindow::Events::inMoveWindow() const
{
    return m_machine.state_cast<const MoveWindow*>() != nullptr;
}

bool RibbonWindow::Events::inResizeWindow() const
{
    return m_machine.state_cast<const ResizeWindow*>() != nullptr;
}

bool RibbonWindow::Events::inSysMinimize() const
{
    return m_machine.state_cast<const SysMinimize*>() != nullptr;
}

bool RibbonWindow::Events::inSysMaximizeRestore() const
{
    return m_machine.state_cast<const SysMaximizeRestore*>() != nullptr;
}

bool RibbonWindow::Events::inSysClose() const
{
    return m_machine.state_cast<const SysClose*>() != nullptr;
}

QRect RibbonWindow::Events::gripRect(const QRect& rect, const Qt::Alignment& grip)
{
    if (!rect.isValid() || rect.isEmpty() || rect.width() < 14 || rect.height() < 17)
        return QRect();
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right();
    const int b = rect.bottom();
    if (grip == sGripTop)
        return QRect(QPoint(l + 7, t), QPoint(r - 7, t + 9));
    if (grip == sGripTopRight)
        return QRect(QPoint(r - 6, t), QPoint(r, t + 9));
    if (grip == sGripRight)
        return QRect(QPoint(r - 6, t + 10), QPoint(r, b - 7));
    if (grip == sGripBottomRight)
        return QRect(QPoint(r - 6, b - 6), QPoint(r, b));
    if (grip == sGripBottom)
        return QRect(QPoint(l + 7, b - 6), QPoint(r - 7, b));
    if (grip == sGripBottomLeft)
        return QRect(QPoint(l, b - 6), QPoint(l + 6, b));
    if (grip == sGripLeft)
        return QRect(QPoint(l, t + 10), QPoint(l + 6, b - 7));
    if (grip == sGripTopLeft)
        return QRect(QPoint(l, t), QPoint(l + 6, t + 9));
    return QRect();
}

Qt::Alignment RibbonWindow::Events::gripAt(const QRect& rect, const QPoint& global)
{
    static constexpr Qt::Alignment order[] = {sGripTop,         sGripTopRight, sGripRight,
                                              sGripBottomRight, sGripBottom,   sGripBottomLeft,
                                              sGripLeft,        sGripTopLeft};
    for (const Qt::Alignment& grip : order) {
        if (gripRect(rect, grip).contains(global))
            return grip;
    }
    return Qt::Alignment();
}

void RibbonWindow::Events::process(const sc::event_base& event)
{
    // A reaction (moving, closing) may make Qt deliver another mouse event
    // synchronously. The machine must not be entered twice, and the Qt event
    // would be gone before a queued copy ran, so such an event is dropped.
    if (m_processing)
        return;
    struct Reset
    {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_processing};
    m_processing = true;
    m_machine.process_event(event);
}

} // namespace oru
