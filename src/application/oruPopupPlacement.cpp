#include "oruPopupPlacement_p.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace oru {

QRect availableGeometryAt(const QPoint& point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint keepPopupOnScreen(const QPoint& topLeft, const QSize& size, const QRect& anchor)
{
    // The screen of the anchor when there is one: a popup opened from the
    // bottom edge of one monitor must not jump to the next.
    const QRect avail = availableGeometryAt(anchor.isValid() ? anchor.center() : topLeft);
    if (!avail.isValid() || size.isEmpty())
        return topLeft;
    QPoint p = topLeft;
    const int w = size.width(), h = size.height();
    if (p.y() + h - 1 > avail.bottom() && anchor.isValid() && p.y() >= anchor.center().y()) {
        const int above = anchor.top() - h;
        // Above the anchor when it fits there, or when there is more room.
        if (above >= avail.top() || anchor.top() - avail.top() > avail.bottom() - anchor.bottom())
            p.setY(above);
    }
    p.setX(std::max(std::min(p.x(), avail.right() - w + 1), avail.left()));
    p.setY(std::max(std::min(p.y(), avail.bottom() - h + 1), avail.top()));
    return p;
}

} // namespace oru
