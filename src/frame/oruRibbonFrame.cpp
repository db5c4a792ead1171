#include "oruRibbonFrame_p.h"

#include "oruRibbonStyle.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <cmath>
#include <vector>

namespace oru::frame {

namespace {

bool askWindowSystem(QWindow* window, Qt::Edges edges)
{
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

bool startSystemMoveResize(QWidget* widget, Qt::Edges edges)
{
    QWidget* top = widget ? widget->window() : nullptr;
    QWindow* window = top ? top->windowHandle() : nullptr;
    return window && s_hook(window, edges);
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
