// Caption buttons: the shared hover/pressed background and the four glyphs in a
// large (17x16 frames) and a small (13x12 frames) size.
//
// Large glyph frames: pressed, hovered, idle in an active window, a spare frame
// (painted as the disabled look), idle in an inactive window.
// Small glyph frames: pressed, hovered, idle on a child window's title band,
// idle on a window caption, a spare frame (disabled look).
#include "oruSkinDraw_p.h"
#include "oruSkinImages_p.h"

namespace oru::skinpaint {

namespace {

enum class Glyph
{
    Close,
    Maximize,
    Minimize,
    Restore
};

void outlineBox(QPainter& p, const QRect& r, int topThickness, const QColor& c)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), topThickness), c);
    vline(p, r.left(), r.top(), r.bottom(), c);
    vline(p, r.right(), r.top(), r.bottom(), c);
    hline(p, r.left(), r.right(), r.bottom(), c);
}

void clearRect(QPainter& p, const QRect& r)
{
    const QPainter::CompositionMode old = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(r, Qt::transparent);
    p.setCompositionMode(old);
}

// The close cross at a finer density: its two strokes as antialiased
// parallelograms over the same area the 1x pixel rows cover, so the
// diagonals stay smooth instead of growing into stairs.
void drawVectorCross(QPainter& p, const QPoint& o, int n, const QColor& c)
{
    const qreal x = o.x(), y = o.y();
    QPainterPath cross;
    cross.addPolygon(QPolygonF(
        {QPointF(x, y), QPointF(x + 2, y), QPointF(x + n + 1, y + n), QPointF(x + n - 1, y + n)}));
    cross.closeSubpath();
    cross.addPolygon(QPolygonF(
        {QPointF(x + n - 1, y), QPointF(x + n + 1, y), QPointF(x + 2, y + n), QPointF(x, y + n)}));
    cross.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(cross.simplified());
    p.restore();
}

// Draws one glyph in a single colour with its top-left corner at `o`. Large
// glyphs fit 9x9 pixels, small ones 7x6.
void drawGlyphShape(QPainter& p, Glyph g, const QPoint& o, bool large, const QColor& c)
{
    const int n = large ? 8 : 6; // diagonal length of the close cross
    switch (g) {
    case Glyph::Close:
        if (paintScale() != 1.0) {
            drawVectorCross(p, o, n, c);
            break;
        }
        // Two-pixel-thick diagonals.
        for (int i = 0; i < n; ++i) {
            box(p, QRect(o.x() + i, o.y() + i, 2, 1), c);
            box(p, QRect(o.x() + n - 1 - i, o.y() + i, 2, 1), c);
        }
        break;
    case Glyph::Maximize:
        outlineBox(p, large ? QRect(o.x(), o.y(), 9, 8) : QRect(o.x(), o.y(), 7, 6), 2, c);
        break;
    case Glyph::Minimize:
        box(p, large ? QRect(o.x(), o.y() + 6, 9, 2) : QRect(o.x(), o.y() + 4, 7, 2), c);
        break;
    case Glyph::Restore: {
        const QRect back =
            large ? QRect(o.x() + 2, o.y() - 1, 7, 6) : QRect(o.x() + 2, o.y() - 1, 5, 5);
        const QRect front = large ? QRect(o.x(), o.y() + 3, 7, 6) : QRect(o.x(), o.y() + 2, 5, 5);
        outlineBox(p, back, 2, c);
        clearRect(p, front);
        outlineBox(p, front, 2, c);
        break;
    }
    }
}

// A glyph with a one-pixel emboss under it, the crisp pixel look of the caption buttons.
void drawGlyph(QPainter& p, Glyph g, const QRect& frame, bool large, const QColor& c,
               const QColor& shadow)
{
    const QPoint o = large ? frame.topLeft() + QPoint(4, 4) : frame.topLeft() + QPoint(3, 3);
    // The emboss goes on a layer of its own so the glyph's own shape erasing
    // (restore) cannot cut into it.
    QImage layer = blankImage(frame.size() + QSize(1, 1));
    {
        QPainter lp(&layer);
        drawGlyphShape(lp, g, o - frame.topLeft() + QPoint(1, 1), large, shadow);
        QImage top = blankImage(frame.size() + QSize(1, 1));
        {
            QPainter tp(&top);
            drawGlyphShape(tp, g, o - frame.topLeft(), large, c);
        }
        lp.drawImage(0, 0, top);
    }
    p.drawImage(QPointF(frame.topLeft()), layer,
                QRectF(QPointF(0, 0), QSizeF(frame.size()) * layer.devicePixelRatio()));
}

void paintLargeGlyphStrip(QPainter& p, const SkinPalette& s, Glyph g)
{
    const GlyphColors& c = s.glyph;
    forEachFrame(p, QSize(17, 16), 5, [&](int i, const QRect& r) {
        const bool close = g == Glyph::Close;
        switch (i) {
        case 0: // pressed
            if (close) {
                drawStateFrame(p, r, s.closePressed);
                drawGlyph(p, g, r, true, Qt::white, QColor(80, 10, 0, 150));
            } else {
                drawGlyph(p, g, r, true, c.hot, c.hotShadow);
            }
            break;
        case 1: // hovered
            if (close) {
                drawStateFrame(p, r, s.closeHover);
                drawGlyph(p, g, r, true, Qt::white, QColor(110, 20, 0, 150));
            } else {
                drawGlyph(p, g, r, true, c.hot, c.hotShadow);
            }
            break;
        case 2:
            drawGlyph(p, g, r, true, c.caption, c.captionShadow);
            break;
        case 3:
            drawGlyph(p, g, r, true, c.disabled, withAlpha(c.captionShadow, 70));
            break;
        default:
            drawGlyph(p, g, r, true, c.captionInactive, withAlpha(c.captionShadow, 90));
            break;
        }
    });
}

void paintSmallGlyphStrip(QPainter& p, const SkinPalette& s, Glyph g)
{
    const GlyphColors& c = s.glyph;
    forEachFrame(p, QSize(13, 12), 5, [&](int i, const QRect& r) {
        switch (i) {
        case 0:
        case 1:
            drawGlyph(p, g, r, false, c.hot, c.hotShadow);
            break;
        case 2:
            drawGlyph(p, g, r, false, c.band, withAlpha(Qt::white, 90));
            break;
        case 3:
            drawGlyph(p, g, r, false, c.caption, c.captionShadow);
            break;
        default:
            drawGlyph(p, g, r, false, c.disabled, withAlpha(c.captionShadow, 70));
            break;
        }
    });
}

} // namespace

void paintSysBtnBack(QPainter& p, const SkinPalette& s)
{
    forEachFrame(p, QSize(17, 16), 2, [&](int i, const QRect& r) {
        drawStateFrame(p, r, i == 0 ? s.hover : s.pressed);
    });
}

void paintSysBtnClose(QPainter& p, const SkinPalette& s)
{
    paintLargeGlyphStrip(p, s, Glyph::Close);
}
void paintSysBtnMaximize(QPainter& p, const SkinPalette& s)
{
    paintLargeGlyphStrip(p, s, Glyph::Maximize);
}
void paintSysBtnMinimize(QPainter& p, const SkinPalette& s)
{
    paintLargeGlyphStrip(p, s, Glyph::Minimize);
}
void paintSysBtnRestore(QPainter& p, const SkinPalette& s)
{
    paintLargeGlyphStrip(p, s, Glyph::Restore);
}

void paintSysBtnCloseSmall(QPainter& p, const SkinPalette& s)
{
    paintSmallGlyphStrip(p, s, Glyph::Close);
}
void paintSysBtnMaximizeSmall(QPainter& p, const SkinPalette& s)
{
    paintSmallGlyphStrip(p, s, Glyph::Maximize);
}
void paintSysBtnMinimizeSmall(QPainter& p, const SkinPalette& s)
{
    paintSmallGlyphStrip(p, s, Glyph::Minimize);
}
void paintSysBtnRestoreSmall(QPainter& p, const SkinPalette& s)
{
    paintSmallGlyphStrip(p, s, Glyph::Restore);
}

} // namespace oru::skinpaint
