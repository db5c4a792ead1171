#include "oruRibbonFrame_p.h"

#include "oruRibbonStyle.h"

#include <QPainter>
#include <QWidget>
#include <QWindow>

namespace oru::frame {

namespace {

bool askWindowSystem(QWindow* window, Qt::Edges edges)
{
    return edges ? window->startSystemResize(edges) : window->startSystemMove();
}

SystemMoveResizeHook s_hook = askWindowSystem;

} // namespace

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
