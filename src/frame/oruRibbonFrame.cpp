#include "oruRibbonFrame_p.h"

#include "oruRibbonStyle.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace oru::frame {

namespace {

xcb_connection_t* xcbConnection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

// The 32-bit values of @p property on @p window (empty when it has none or
// the window is gone; errors come back here, not to Qt's handler).
std::vector<uint32_t> property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                 xcb_atom_t type)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, window, property, type, 0, 4096);
    xcb_generic_error_t* error = nullptr;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, &error);
    free(error);
    std::vector<uint32_t> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

xcb_window_t rootOf(xcb_connection_t* c, const QWindow* window)
{
    const xcb_query_tree_cookie_t cookie = xcb_query_tree(c, xcb_window_t(window->winId()));
    xcb_query_tree_reply_t* reply = xcb_query_tree_reply(c, cookie, nullptr);
    const xcb_window_t root = reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
    free(reply);
    return root;
}

// True when a window manager runs on the root of @p window and announces
// @p feature. A window manager that has gone leaves its list on the root, so
// its check window must still name itself.
bool windowManagerSupports(xcb_connection_t* c, const QWindow* window, const char* feature)
{
    const xcb_window_t root = rootOf(c, window);
    if (root == XCB_WINDOW_NONE)
        return false;
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<uint32_t> wm = property32(c, root, check, XCB_ATOM_WINDOW);
    if (wm.empty() || property32(c, wm.front(), check, XCB_ATOM_WINDOW) != wm)
        return false;
    const std::vector<uint32_t> supported =
        property32(c, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    const xcb_atom_t wanted = atom(c, feature);
    return std::find(supported.begin(), supported.end(), wanted) != supported.end();
}

// _NET_WM_MOVERESIZE from @p anchor, in native pixels, where Qt's own request
// would take the position of the last pointer event, which the frame has
// already followed.
bool askWindowManager(QWindow* window, Qt::Edges edges, const QPointF& anchor)
{
    xcb_connection_t* c = xcbConnection();
    if (!c || !windowManagerSupports(c, window, "_NET_WM_MOVERESIZE"))
        return false;
    // Qt keeps the screen's corner unscaled and scales the rest.
    const QScreen* screen = window->screen();
    const QPointF origin = screen ? QPointF(screen->geometry().topLeft()) : QPointF();
    const QPoint native = (origin + (anchor - origin) * window->devicePixelRatio()).toPoint();
    // The directions of the protocol: top-left 0, then clockwise; 8 moves.
    uint32_t direction = 8;
    if (edges == (Qt::TopEdge | Qt::LeftEdge))
        direction = 0;
    else if (edges == Qt::TopEdge)
        direction = 1;
    else if (edges == (Qt::TopEdge | Qt::RightEdge))
        direction = 2;
    else if (edges == Qt::RightEdge)
        direction = 3;
    else if (edges == (Qt::BottomEdge | Qt::RightEdge))
        direction = 4;
    else if (edges == Qt::BottomEdge)
        direction = 5;
    else if (edges == (Qt::BottomEdge | Qt::LeftEdge))
        direction = 6;
    else if (edges == Qt::LeftEdge)
        direction = 7;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = atom(c, "_NET_WM_MOVERESIZE");
    message.data.data32[0] = uint32_t(native.x());
    message.data.data32[1] = uint32_t(native.y());
    message.data.data32[2] = direction;
    message.data.data32[3] = 1; // the left button drives it
    message.data.data32[4] = 1; // asked by a normal application
    // The window manager grabs the pointer, which our press holds.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_send_event(c, 0, rootOf(c, window),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    // Qt's own request follows for Qt's bookkeeping: the release goes to the
    // window manager, and Qt learns that the button is up only from a drag
    // it knows of. The window manager, already dragging, ignores the request.
    if (edges)
        window->startSystemResize(edges);
    else
        window->startSystemMove();
    return true;
}

bool askWindowSystem(QWindow* window, Qt::Edges edges, const QPointF& anchor)
{
    if (anchoredSystemDrags())
        return askWindowManager(window, edges, anchor);
    return edges ? window->startSystemResize(edges) : window->startSystemMove();
}

SystemMoveResizeHook s_hook = askWindowSystem;

// The first native pixel of logical pixel @p logical.
int nativeEdge(int logical, qreal factor)
{
    // The products of the scales in use are exact; the margin keeps others
    // from rounding up past a whole pixel.
    return int(std::ceil(logical * factor - 1e-6));
}

bool isWholeFactor(qreal factor)
{
    return std::abs(factor - std::round(factor)) < 1e-6;
}

void applyNativeMask(QWidget& window)
{
    if (!window.isWindow() || !window.testAttribute(Qt::WA_WState_Created))
        return;
    QWindow* handle = window.windowHandle();
    const QRegion mask = window.mask();
    if (!handle || mask.isEmpty())
        return;
    // Whole scales keep the bands of Qt's own scaled region adjacent.
    const qreal factor = handle->devicePixelRatio();
    if (isWholeFactor(factor))
        return;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return;
    // The native size as Qt makes it: the logical size scaled and rounded.
    const QSize nativeSize = window.size() * factor;
    std::vector<XRectangle> rects;
    for (const QRect& r : nativeMaskRects(mask, factor, nativeSize))
        rects.push_back(XRectangle{short(r.x()), short(r.y()),
                                   static_cast<unsigned short>(r.width()),
                                   static_cast<unsigned short>(r.height())});
    XShapeCombineRectangles(display, Window(handle->winId()), ShapeBounding, 0, 0, rects.data(),
                            int(rects.size()), ShapeSet, Unsorted);
    XFlush(display);
}

// Sets the native shape again when Qt has set its own: on creation of the
// native window (shown) and on a move to a screen of another scale.
class NativeMaskKeeper : public QObject
{
public:
    explicit NativeMaskKeeper(QWidget& window) : QObject(&window), m_window(window)
    {
        // Found again by name: the class has no meta-object of its own, so a
        // typed findChild would take any child for it.
        setObjectName(QLatin1String(kName));
        window.installEventFilter(this);
    }

    static constexpr const char* kName = "oru_nativeMaskKeeper";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window) {
            switch (event->type()) {
            case QEvent::Show:
            case QEvent::WinIdChange:
            case QEvent::ScreenChangeInternal:
                applyNativeMask(m_window);
                break;
            default:
                break;
            }
        }
        return false;
    }

private:
    QWidget& m_window;
};

// Gives the window the arrow cursor again when the pointer goes from its
// border into one of its children: a child without a cursor of its own shows
// the window's, and a press there does not resize.
class ChildCursorReset : public QObject
{
public:
    explicit ChildCursorReset(QWidget& window) : QObject(&window), m_window(window)
    {
        window.installEventFilter(this);
        for (QObject* child : window.children())
            watch(child);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window) {
            if (event->type() == QEvent::ChildAdded)
                watch(static_cast<QChildEvent*>(event)->child());
        } else if (event->type() == QEvent::Enter && watched->parent() == &m_window &&
                   QGuiApplication::mouseButtons() == Qt::NoButton &&
                   m_window.testAttribute(Qt::WA_SetCursor) &&
                   m_window.cursor().shape() != Qt::ArrowCursor) {
            // (While a button is down a border drag may be running; its
            // shape stays.)
            m_window.setCursor(Qt::ArrowCursor);
        }
        return false;
    }

private:
    void watch(QObject* child)
    {
        if (child && child != this && child->isWidgetType())
            child->installEventFilter(this);
    }

    QWidget& m_window;
};

} // namespace

QList<QRect> nativeMaskRects(const QRegion& mask, qreal factor, const QSize& nativeSize)
{
    const QRect bounds(QPoint(0, 0), nativeSize);
    QList<QRect> rects;
    // Band edges map by one function, so bands that touch in logical
    // pixels touch in native ones.
    for (const QRect& r : mask) {
        const QRect native(QPoint(nativeEdge(r.left(), factor), nativeEdge(r.top(), factor)),
                           QPoint(nativeEdge(r.left() + r.width(), factor) - 1,
                                  nativeEdge(r.top() + r.height(), factor) - 1));
        const QRect clipped = native.intersected(bounds);
        if (!clipped.isEmpty())
            rects.append(clipped);
    }
    return rects;
}

void setWindowMask(QWidget& window, const QRegion& mask)
{
    window.setMask(mask);
    if (!window.isWindow() || isWholeFactor(window.devicePixelRatio()))
        return;
    if (!window.findChild<QObject*>(QLatin1String(NativeMaskKeeper::kName),
                                    Qt::FindDirectChildrenOnly))
        new NativeMaskKeeper(window);
    applyNativeMask(window);
}

bool startSystemMoveResize(QWidget* widget, Qt::Edges edges, const QPointF& anchor)
{
    QWidget* top = widget ? widget->window() : nullptr;
    QWindow* window = top ? top->windowHandle() : nullptr;
    return window && s_hook(window, edges, anchor);
}

bool offerSystemDrag(QWidget& window, Qt::Edges edges, const QPoint& press,
                     const QMouseEvent* event, bool afterStep, bool& offered)
{
    if (offered || afterStep != anchoredSystemDrags() ||
        (event->globalPosition().toPoint() - press).manhattanLength() <
            QApplication::startDragDistance())
        return false;
    offered = true;
    return startSystemMoveResize(&window, edges, event->globalPosition());
}

void resetCursorInChildren(QWidget& window)
{
    new ChildCursorReset(window);
}

bool anchoredSystemDrags()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool windowSystemSupportsState(const QWidget* widget, const char* state)
{
    const QWidget* top = widget ? widget->window() : nullptr;
    const QWindow* window = top ? top->windowHandle() : nullptr;
    xcb_connection_t* c = xcbConnection();
    if (!window || !c || QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    return windowManagerSupports(c, window, state);
}

QRect restoredUnderPointer(const QRect& maximized, const QSize& normalSize, const QPoint& press,
                           const QPoint& pointer)
{
    if (maximized.width() <= 0)
        return QRect(pointer, normalSize);
    const qint64 along = qint64(press.x() - maximized.x()) * normalSize.width();
    const QPoint spot(int(along / maximized.width()), press.y() - maximized.y());
    return QRect(pointer - spot, normalSize);
}

SystemMoveResizeHook setSystemMoveResizeHook(SystemMoveResizeHook hook)
{
    const SystemMoveResizeHook previous = s_hook;
    s_hook = hook ? hook : askWindowSystem;
    return previous;
}

QPolygon roundedOutline(int w, int h)
{
    QPolygon polygon;
    polygon << QPoint(4, 0) << QPoint(w - 4, 0) << QPoint(w - 4, 1) << QPoint(w - 2, 1)
            << QPoint(w - 2, 2) << QPoint(w - 1, 2) << QPoint(w - 1, 4) << QPoint(w, 4)
            << QPoint(w, h - 4) << QPoint(w - 1, h - 4) << QPoint(w - 1, h - 2)
            << QPoint(w - 2, h - 2) << QPoint(w - 2, h - 1) << QPoint(w - 4, h - 1)
            << QPoint(w - 4, h) << QPoint(4, h) << QPoint(4, h - 1) << QPoint(2, h - 1)
            << QPoint(2, h - 2) << QPoint(1, h - 2) << QPoint(1, h - 4) << QPoint(0, h - 4)
            << QPoint(0, 4) << QPoint(1, 4) << QPoint(1, 2) << QPoint(2, 2) << QPoint(2, 1)
            << QPoint(4, 1) << QPoint(4, 0);
    return polygon;
}

void drawFramePieces(QPainter& painter, const RibbonStyle& skin, int w, int h, int k, int a)
{
    const QPixmap& caption = skin.mainBorderCaption();
    const QPixmap& border = skin.mainBorder();
    skin.drawPixmap(painter, QRect(0, 0, 7, k), caption, QRect(a, 0, 7, 31));
    // The middle runs to the right edge; the right corner covers its end.
    skin.drawPixmap(painter, QRect(7, 0, w - 7, k), caption, QRect(a + 7, 0, 21, 31));
    skin.drawPixmap(painter, QRect(w - 7, 0, 7, k), caption, QRect(a + 28, 0, 7, 31));
    skin.drawPixmap(painter, QRect(0, k, 7, h - 7 - k), border, QRect(a, 15, 7, 1));
    skin.drawPixmap(painter, QRect(w - 7, k, 7, h - 7 - k), border, QRect(a + 28, 15, 7, 1));
    skin.drawPixmap(painter, QRect(0, h - 7, 7, 7), border, QRect(a, 16, 7, 7));
    skin.drawPixmap(painter, QRect(7, h - 7, w - 14, 7), border, QRect(a + 7, 16, 21, 7));
    skin.drawPixmap(painter, QRect(w - 7, h - 7, 7, 7), border, QRect(a + 28, 16, 7, 7));
}

} // namespace oru::frame
