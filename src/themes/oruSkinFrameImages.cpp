// Window frame pieces: caption strip, borders, status bar surround, quick access
// bar and the application button. The frame images hold the active look in
// columns 0-34 and the inactive look in columns 35-69; the library keeps 7-pixel
// ends and stretches the 21 columns between them.
#include "oruSkinDraw_p.h"
#include "oruSkinImages_p.h"

namespace oru::skinpaint {

namespace {

constexpr int kHalf = 35; // width of one activation half
constexpr int kEdge = 7;  // unscaled end of a half

const FrameLook& frameLook(const SkinPalette& s, int half)
{
    return half == 0 ? s.active : s.inactive;
}

void clearPixel(QPainter& p, int x, int y)
{
    const QPainter::CompositionMode old = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(QRect(x, y, 1, 1), Qt::transparent);
    p.setCompositionMode(old);
}

// One of the window's four stepped corners, matching the window mask that cuts
// 4 pixels on the outer row, 2 on the next and 1 on the two after. (cx, cy) is
// the outermost corner pixel; (dx, dy) point into the window. Straight edges
// start 4 pixels away from the corner and are drawn by the caller.
void steppedCorner(QPainter& p, int cx, int cy, int dx, int dy, const FrameLook& f)
{
    const auto at = [&](int u, int v) { return QPoint(cx + u * dx, cy + v * dy); };
    for (const QPoint& q :
         {at(0, 0), at(1, 0), at(2, 0), at(3, 0), at(0, 1), at(1, 1), at(0, 2), at(0, 3)})
        clearPixel(p, q.x(), q.y());
    for (const QPoint& q : {at(2, 1), at(3, 1), at(1, 2), at(1, 3)})
        pixel(p, q.x(), q.y(), f.outline);
    for (const QPoint& q : {at(2, 2), at(3, 2), at(2, 3)})
        pixel(p, q.x(), q.y(), f.highlight);
}

// Outline and highlight of a vertical outer edge; `dx` points inwards.
void sideEdge(QPainter& p, int x, int y0, int y1, int dx, const FrameLook& f)
{
    vline(p, x, y0, y1, f.outline);
    vline(p, x + dx, y0, y1, f.highlight);
}

// Outline and highlight of a horizontal outer edge; `dy` points inwards.
void flatEdge(QPainter& p, int x0, int x1, int y, int dy, const FrameLook& f)
{
    hline(p, x0, x1, y, f.outline);
    hline(p, x0, x1, y + dy, f.highlight);
}

// The 7 rows of frame below the client area (or below the status bar), between
// columns x0 and x1 of one half, filled with a gradient; corners are rounded
// where the piece reaches the window's outer corner.
void bottomBand(QPainter& p, int x0, int x1, int y0, const QColor& top, const QColor& bottom,
                bool leftCorner, bool rightCorner, const FrameLook& f)
{
    const int y1 = y0 + 6;
    p.fillRect(QRect(x0, y0, x1 - x0 + 1, 7), verticalGradient(top, bottom, y0, y1));
    const int fx0 = leftCorner ? x0 + 4 : x0;
    const int fx1 = rightCorner ? x1 - 4 : x1;
    flatEdge(p, fx0, fx1, y1, -1, f);
    if (leftCorner) {
        sideEdge(p, x0, y0, y1 - 4, 1, f);
        steppedCorner(p, x0, y1, 1, -1, f);
    }
    if (rightCorner) {
        sideEdge(p, x1, y0, y1 - 4, -1, f);
        steppedCorner(p, x1, y1, -1, -1, f);
    }
}

void paintCaptionHalf(QPainter& p, int x0, int height, const FrameLook& f)
{
    const int x1 = x0 + kHalf - 1;
    p.fillRect(QRect(x0, 0, kHalf, height), glossGradient(f.caption, 0, height - 1));
    flatEdge(p, x0 + 4, x1 - 4, 0, 1, f);
    sideEdge(p, x0, 4, height - 1, 1, f);
    sideEdge(p, x1, 4, height - 1, -1, f);
    steppedCorner(p, x0, 0, 1, 1, f);
    steppedCorner(p, x1, 0, -1, 1, f);
}

// A vertical strip of the side border: outline, highlight, body and the inner
// line that meets the client area. `leftSide` mirrors it for the right border.
void sideBorder(QPainter& p, int x0, int y0, int y1, bool leftSide, const FrameLook& f)
{
    const int dir = leftSide ? 1 : -1;
    sideEdge(p, x0, y0, y1, dir, f);
    for (int i = 2; i <= 5; ++i)
        vline(p, x0 + dir * i, y0, y1, f.border);
    vline(p, x0 + dir * 6, y0, y1, f.borderInner);
}

} // namespace

void paintMainBorderCaption(QPainter& p, const SkinPalette& s)
{
    for (int half = 0; half < 2; ++half)
        paintCaptionHalf(p, half * kHalf, 31, frameLook(s, half));
}

void paintMainBorder(QPainter& p, const SkinPalette& s)
{
    for (int half = 0; half < 2; ++half) {
        const FrameLook& f = frameLook(s, half);
        const int x0 = half * kHalf, x1 = x0 + kHalf - 1;

        // Rows 0-14 are not used by the windows; they hold a short top edge so
        // that the image reads as a complete frame.
        p.fillRect(QRect(x0, 0, kHalf, 15), s.mainClientColor);
        p.fillRect(QRect(x0, 0, kHalf, kEdge), f.border);
        flatEdge(p, x0 + 4, x1 - 4, 0, 1, f);
        hline(p, x0 + kEdge - 1, x1 - kEdge + 1, kEdge - 1, f.borderInner);
        sideBorder(p, x0, 4, 14, true, f);
        sideBorder(p, x1, 4, 14, false, f);
        steppedCorner(p, x0, 0, 1, 1, f);
        steppedCorner(p, x1, 0, -1, 1, f);

        // Row 15: the side borders (stretched down the window's sides).
        p.fillRect(QRect(x0, 15, kHalf, 1), s.mainClientColor);
        sideBorder(p, x0, 15, 15, true, f);
        sideBorder(p, x1, 15, 15, false, f);

        // Rows 16-22: the bottom border with its two corners.
        bottomBand(p, x0, x1, 16, f.border, f.border, true, true, f);
        hline(p, x0 + kEdge - 1, x1 - kEdge + 1, 16, f.borderInner);
    }
}

void paintStatusBar(QPainter& p, const SkinPalette& s)
{
    for (int half = 0; half < 2; ++half) {
        const FrameLook& f = frameLook(s, half);
        const int x0 = half * kHalf, x1 = x0 + kHalf - 1;
        // Rows 0-15 stretch over the status bar's height, the frame beside it included.
        p.fillRect(QRect(x0, 0, kHalf, 16), verticalGradient(f.statusTop, f.statusBottom, 0, 15));
        hline(p, x0, x1, 0, f.statusLine);
        sideEdge(p, x0, 0, 15, 1, f);
        sideEdge(p, x1, 0, 15, -1, f);
        bottomBand(p, x0, x1, 16, f.statusBottom, mix(f.statusBottom, f.outline, 0.18), true, true,
                   f);
    }
}

void paintStatusBarExt(QPainter& p, const SkinPalette& s)
{
    for (int half = 0; half < 2; ++half) {
        const FrameLook& f = frameLook(s, half);
        const int x0 = half * kHalf, x1 = x0 + kHalf - 1;
        // Columns 0-2: separator between the status bar and its extension area.
        p.fillRect(QRect(x0, 0, 3, 16), verticalGradient(f.statusTop, f.statusBottom, 0, 15));
        vline(p, x0 + 1, 1, 15, f.separatorDark);
        vline(p, x0 + 2, 1, 15, f.separatorLight);
        // Columns 3-34: the extension area, a shade darker, and the right end.
        p.fillRect(QRect(x0 + 3, 0, kHalf - 3, 16), verticalGradient(f.extTop, f.extBottom, 0, 15));
        hline(p, x0, x1, 0, f.statusLine);
        sideEdge(p, x1, 0, 15, -1, f);
        // Rows 16-22: the border under both, with the bottom-right corner.
        bottomBand(p, x0, x0 + 2, 16, f.statusBottom, mix(f.statusBottom, f.outline, 0.18), false,
                   false, f);
        bottomBand(p, x0 + 3, x1, 16, f.extBottom, mix(f.extBottom, f.outline, 0.18), false, true,
                   f);
    }
}

void paintQuickAccessBar(QPainter& p, const SkinPalette& s)
{
    // Only columns 0-31 are used (15-pixel left cap, 5 stretched, 12-pixel right
    // cap); columns 32-63 hold the same bar in the inactive colours.
    for (int half = 0; half < 2; ++half) {
        const FrameLook& f = frameLook(s, half);
        const qreal x0 = half * 32;
        const QRectF bar(x0 + 2.5, 2.5, 27, 21);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(f.qabTop, f.qabBottom, 3, 23));
        p.drawPath(roundedPath(bar, 10.5, AllCorners));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(Qt::white, half == 0 ? 150 : 110), 1.0));
        p.drawPath(roundedPath(bar.adjusted(1, 1, -1, -1), 9.5, AllCorners));
        p.setPen(QPen(f.qabOutline, 1.0));
        p.drawPath(roundedPath(bar, 10.5, AllCorners));
        p.restore();
    }
}

void paintButtonMain(QPainter& p, const SkinPalette& s)
{
    struct OrbLook
    {
        QColor ring, inner, outer, glow;
    };
    const OrbLook looks[3] = {
        {s.orbRing, s.orbInner, s.orbOuter, withAlpha(s.orbInner, 150)},
        {mix(s.orbRing, QColor("#9A6A20"), 0.6), QColor("#FFF4C8"), QColor("#F0A53A"),
         QColor(255, 236, 150, 220)},
        {mix(s.orbRing, QColor("#7E4A12"), 0.6), QColor("#FDD9A0"), QColor("#DE7614"),
         QColor(255, 200, 110, 200)},
    };
    forEachFrame(p, QSize(38, 38), 3, [&](int i, const QRect& r) {
        const OrbLook& o = looks[i];
        const QPointF c(r.left() + 19.0, r.top() + 19.0);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);

        // Soft shadow, then the dark ring.
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawEllipse(c + QPointF(0, 0.6), 18.8, 18.8);
        p.setBrush(o.ring);
        p.drawEllipse(c, 18.0, 18.0);

        // Body: light from below, darker towards the rim.
        QRadialGradient body(c + QPointF(0, 9), 22);
        body.setColorAt(0.0, o.inner);
        body.setColorAt(0.55, mix(o.inner, o.outer, 0.55));
        body.setColorAt(1.0, o.outer);
        p.setBrush(body);
        p.drawEllipse(c, 16.6, 16.6);

        // Glow in the lower half and the glassy shine in the upper half.
        QRadialGradient glow(c + QPointF(0, 13), 13);
        glow.setColorAt(0.0, o.glow);
        glow.setColorAt(1.0, withAlpha(o.glow, 0));
        p.setBrush(glow);
        p.drawEllipse(c, 16.6, 16.6);

        QLinearGradient shine(0, r.top() + 3, 0, r.top() + 19);
        shine.setColorAt(0.0, QColor(255, 255, 255, 225));
        shine.setColorAt(1.0, QColor(255, 255, 255, 40));
        p.setBrush(shine);
        p.drawEllipse(QRectF(c.x() - 13.0, r.top() + 3.0, 26.0, 16.0));

        // Thin light rim inside the ring.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
        p.drawEllipse(c, 16.2, 16.2);
    });
}

} // namespace oru::skinpaint
