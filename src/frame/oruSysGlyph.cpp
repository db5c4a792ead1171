#include "oruSysGlyph_p.h"

#include "oruRibbonStyle.h"

#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>

#include <array>
#include <cmath>
#include <utility>

namespace oru::sysglyph {

namespace {

constexpr int kFrames = 5; // every glyph image holds five state frames

// What one state frame of a glyph image paints, read off its 1x pixels.
struct FrameLook
{
    QColor ink;
    QColor shadow; // invalid when the frame has no emboss
    bool box = false;
    QColor boxOutline;
    QColor boxHighlight;
    QGradientStops boxFill;
};

using ImageLook = std::array<FrameLook, kFrames>;

QColor colorAt(const QImage& image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

// The glyph is painted with its emboss one pixel down and right, so the top
// row of what differs from the frame's background is ink alone and the bottom
// row is emboss alone (when there is one).
FrameLook sampleFrame(const QImage& image, const QRect& frame)
{
    FrameLook look;
    const int cx = frame.left() + frame.width() / 2;
    look.box = qAlpha(image.pixel(cx, frame.top())) > 127;
    if (look.box) {
        look.boxOutline = colorAt(image, cx, frame.top());
        look.boxHighlight = colorAt(image, cx, frame.top() + 1);
        const int rows = frame.height() - 4;
        for (int i = 0; i < rows; ++i)
            look.boxFill.append({(i + 2 + 0.5) / frame.height(),
                                 colorAt(image, frame.left() + 2, frame.top() + 2 + i)});
    }
    const auto background = [&](int y) {
        return look.box ? image.pixel(frame.left() + 2, y) : QRgb(0);
    };
    QPoint first(-1, -1);
    QPoint last(-1, -1);
    QHash<QRgb, int> counts;
    for (int y = frame.top() + 2; y <= frame.bottom() - 2; ++y) {
        for (int x = frame.left() + 3; x <= frame.right() - 2; ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) == 0 || c == background(y))
                continue;
            if (first.x() < 0)
                first = QPoint(x, y);
            last = QPoint(x, y);
            ++counts[c];
        }
    }
    if (first.x() < 0)
        return look;
    const QRgb ink = image.pixel(first);
    look.ink = QColor::fromRgba(ink);
    if (image.pixel(last) == ink)
        return look; // no emboss
    // The emboss's own colour is its most common one: where the image laid
    // two of its strokes over each other the pixel is denser.
    QRgb shadow = image.pixel(last);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.key() != ink && it.value() > counts.value(shadow))
            shadow = it.key();
    }
    look.shadow = QColor::fromRgba(shadow);
    return look;
}

const FrameLook& frameLook(const QPixmap& pixmap, const QSize& frameSize, int frame)
{
    // Keyed by the image's cache key: a skin's images live as long as the
    // skin, and a new skin brings images with new keys.
    static QHash<qint64, ImageLook> cache;
    auto found = cache.find(pixmap.cacheKey());
    if (found == cache.end()) {
        ImageLook looks;
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int i = 0; i < kFrames; ++i) {
            const QRect r(QPoint(0, i * frameSize.height()), frameSize);
            if (image.rect().contains(r))
                looks[size_t(i)] = sampleFrame(image, r);
        }
        found = cache.insert(pixmap.cacheKey(), looks);
    }
    return (*found)[size_t(qBound(0, frame, kFrames - 1))];
}

const QPixmap& imageOf(const RibbonStyle& skin, Glyph glyph, Size size)
{
    const bool large = size == Size::Large;
    switch (glyph) {
    case Glyph::Minimize:
        return large ? skin.sysBtnMinimize() : skin.sysBtnMinimizeSmall();
    case Glyph::Maximize:
        return large ? skin.sysBtnMaximize() : skin.sysBtnMaximizeSmall();
    case Glyph::Restore:
        return large ? skin.sysBtnRestore() : skin.sysBtnRestoreSmall();
    case Glyph::Close:
        break;
    }
    return large ? skin.sysBtnClose() : skin.sysBtnCloseSmall();
}

// Places a glyph drawn in the pixels of an image frame into the target in
// device pixels. A frame edge goes where stretching the frame into the
// target at 1x puts it (each target pixel shows the frame pixel under its
// centre), then it is scaled by the device pixel ratio and rounded, lengths
// on their own: strokes of one width in the frame keep one width on screen
// and every edge lies between device pixels.
class Grid
{
public:
    Grid(const QSize& frame, const QRect& target, const QRect& device)
        : m_frame(frame), m_target(target.size()), m_device(device),
          m_scale(qreal(device.height()) / target.height())
    {
    }

    qreal scale() const { return m_scale; }

    // A frame edge (0 .. frame width) in the target's logical pixels.
    int logicalX(int e) const { return stretched(e, m_frame.width(), m_target.width()); }
    int logicalY(int e) const { return stretched(e, m_frame.height(), m_target.height()); }

    int x(int e) const { return m_device.left() + int(std::lround(logicalX(e) * m_scale)); }
    int y(int e) const { return m_device.top() + int(std::lround(logicalY(e) * m_scale)); }
    int width(int x0, int x1) const { return length(logicalX(x1) - logicalX(x0)); }
    int height(int y0, int y1) const { return length(logicalY(y1) - logicalY(y0)); }

    QRect rect(const QRect& r) const
    {
        return QRect(x(r.left()), y(r.top()), width(r.left(), r.left() + r.width()),
                     height(r.top(), r.top() + r.height()));
    }

    QPointF point(int fx, int fy) const { return QPointF(x(fx), y(fy)); }

private:
    // The first target pixel whose centre falls past frame edge `e`; a
    // centre right on an edge shows the pixel before it, as the raster
    // engine's scaled blits do.
    static int stretched(int e, int from, int to)
    {
        return int(std::floor(qreal(e) * to / from - 0.5)) + 1;
    }
    int length(int logical) const
    {
        return logical <= 0 ? 0 : std::max(1, int(std::lround(logical * m_scale)));
    }

    QSize m_frame;
    QSize m_target;
    QRect m_device;
    qreal m_scale;
};

// An outline box as the skin images draw it: a top band of two frame pixels,
// the other sides one pixel.
QRegion outlineBox(const Grid& g, const QRect& r)
{
    const QRect outer = g.rect(r);
    const int top = g.height(r.top(), r.top() + 2);
    const int left = g.width(r.left(), r.left() + 1);
    const int right = g.width(r.right(), r.right() + 1);
    const int bottom = g.height(r.bottom(), r.bottom() + 1);
    return QRegion(outer).subtracted(QRegion(outer.adjusted(left, top, -right, -bottom)));
}

// The glyph's ink with its top-left corner at frame pixel `o`.
QRegion shapeRegion(const Grid& g, Glyph glyph, bool large, const QPoint& o)
{
    switch (glyph) {
    case Glyph::Minimize:
        return QRegion(
            g.rect(large ? QRect(o.x(), o.y() + 6, 9, 2) : QRect(o.x(), o.y() + 4, 7, 2)));
    case Glyph::Maximize:
        return outlineBox(g, large ? QRect(o.x(), o.y(), 9, 8) : QRect(o.x(), o.y(), 7, 6));
    case Glyph::Restore: {
        const QRect back =
            large ? QRect(o.x() + 2, o.y() - 1, 7, 6) : QRect(o.x() + 2, o.y() - 1, 5, 5);
        const QRect front = large ? QRect(o.x(), o.y() + 3, 7, 6) : QRect(o.x(), o.y() + 2, 5, 5);
        return outlineBox(g, back).subtracted(QRegion(g.rect(front))).united(outlineBox(g, front));
    }
    case Glyph::Close: {
        // Two-pixel-thick diagonals, one frame row at a time.
        const int n = large ? 8 : 6;
        QRegion region;
        for (int i = 0; i < n; ++i) {
            region += g.rect(QRect(o.x() + i, o.y() + i, 2, 1));
            region += g.rect(QRect(o.x() + n - 1 - i, o.y() + i, 2, 1));
        }
        return region;
    }
    }
    return {};
}

// The close cross finer than 1x: its two strokes as antialiased
// parallelograms over the area the 1x rows cover, so the diagonals run
// smooth instead of in stairs.
QPainterPath crossPath(const Grid& g, bool large, const QPoint& o)
{
    const int n = large ? 8 : 6;
    const int x = o.x(), y = o.y();
    QPainterPath path;
    path.addPolygon(QPolygonF(
        {g.point(x, y), g.point(x + 2, y), g.point(x + n + 1, y + n), g.point(x + n - 1, y + n)}));
    path.closeSubpath();
    path.addPolygon(QPolygonF(
        {g.point(x + n - 1, y), g.point(x + n + 1, y), g.point(x + 2, y + n), g.point(x, y + n)}));
    path.closeSubpath();
    return path.simplified();
}

void fillShape(QPainter& p, const Grid& g, Glyph glyph, bool large, const QPoint& o,
               const QColor& color)
{
    if (glyph == Glyph::Close && g.scale() != 1.0) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.fillPath(crossPath(g, large, o), color);
        p.setRenderHint(QPainter::Antialiasing, false);
        return;
    }
    for (const QRect& r : shapeRegion(g, glyph, large, o))
        p.fillRect(r, color);
}

// The close button's own box (hover and pressed): glossy fill, a highlight
// ring inside and an outline, every ring one device-pixel-snapped line wide.
void drawBox(QPainter& p, const QRect& device, qreal scale, const FrameLook& look)
{
    const qreal t = std::max<qreal>(1.0, std::round(scale));
    const qreal radius = 2.0 * scale;
    const QRectF outer(device);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient fill(outer.topLeft(), outer.bottomLeft());
    fill.setStops(look.boxFill);
    QPainterPath inside;
    inside.addRoundedRect(outer.adjusted(t, t, -t, -t), std::max(0.0, radius - t),
                          std::max(0.0, radius - t));
    p.fillPath(inside, fill);
    if (look.boxHighlight.alpha() > 0) {
        p.setPen(QPen(look.boxHighlight, t));
        const qreal h = 1.5 * t;
        p.drawRoundedRect(outer.adjusted(h, h, -h, -h), std::max(0.0, radius - h),
                          std::max(0.0, radius - h));
    }
    p.setPen(QPen(look.boxOutline, t));
    const qreal e = 0.5 * t;
    p.drawRoundedRect(outer.adjusted(e, e, -e, -e), radius - e, radius - e);
    p.setPen(Qt::NoPen);
    p.setRenderHint(QPainter::Antialiasing, false);
}

DrawHook g_drawHook = nullptr;

} // namespace

DrawHook setDrawHook(DrawHook hook)
{
    return std::exchange(g_drawHook, hook);
}

void draw(QPainter& painter, const RibbonStyle& skin, Glyph glyph, Size size, int frame,
          const QRect& target)
{
    if (g_drawHook)
        g_drawHook(glyph, size, frame, target);
    const bool large = size == Size::Large;
    const QSize frameSize = large ? QSize(17, 16) : QSize(13, 12);
    const QPixmap& image = imageOf(skin, glyph, size);
    if (image.isNull() || target.isEmpty())
        return;
    const FrameLook& look = frameLook(image, frameSize, frame);

    // Painted in device pixels: the world transform is set so that it and
    // what the device adds (its pixel ratio, a redirection) make the identity.
    const QTransform world = painter.worldTransform();
    const QTransform device = painter.deviceTransform();
    const QRectF mapped = device.mapRect(QRectF(target));
    const QRect onDevice(
        QPoint(int(std::lround(mapped.left())), int(std::lround(mapped.top()))),
        QPoint(int(std::lround(mapped.right())) - 1, int(std::lround(mapped.bottom())) - 1));
    if (onDevice.isEmpty())
        return;
    painter.save();
    painter.setWorldTransform(device.inverted() * world);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);

    const Grid grid(frameSize, target, onDevice);
    if (look.box)
        drawBox(painter, onDevice, grid.scale(), look);
    if (look.ink.isValid()) {
        const QPoint origin = large ? QPoint(4, 4) : QPoint(3, 3);
        if (look.shadow.isValid())
            fillShape(painter, grid, glyph, large, origin + QPoint(1, 1), look.shadow);
        fillShape(painter, grid, glyph, large, origin, look.ink);
    }
    painter.restore();
}

} // namespace oru::sysglyph
