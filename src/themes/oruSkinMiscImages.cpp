// Popups, grips, menu check marks, the zoom slider, the tool tip and the
// progress indicator's cancel button.
#include "oruSkinDraw_p.h"
#include "oruSkinImages_p.h"

namespace oru::skinpaint {

namespace {

// A flat look of one colour, for borders whose middle must be uniform.
StateLook solid(const QColor& outline, const QColor& highlight, const QColor& fill)
{
    return StateLook{outline, highlight, Gloss{fill, fill, fill, fill, 0.5}};
}

// A round glossy button inside the square `r`.
void roundButton(QPainter& p, const QRect& r, const StateLook& look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF outer = QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(glossGradient(look.fill, r.top() + 2, r.bottom() - 2));
    p.drawEllipse(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.highlight, 1.0));
    p.drawEllipse(outer.adjusted(1, 1, -1, -1));
    p.setPen(QPen(look.outline, 1.0));
    p.drawEllipse(outer);
    p.restore();
}

// A small embossed bead of a grip: three dark pixels and a light one.
void gripBead(QPainter& p, int x, int y, const SkinPalette& s)
{
    pixel(p, x, y, s.glyphDark);
    pixel(p, x + 1, y, s.glyphDark);
    pixel(p, x, y + 1, s.glyphDark);
    pixel(p, x + 1, y + 1, mix(s.glyphDark, Qt::white, 0.55));
}

// Two-pixel-thick diagonal cross of `n` rows with its top-left corner at (x, y).
void cross(QPainter& p, int x, int y, int n, const QColor& c)
{
    for (int i = 0; i < n; ++i) {
        box(p, QRect(x + i, y + i, 2, 1), c);
        box(p, QRect(x + n - 1 - i, y + i, 2, 1), c);
    }
}

// Plus or minus sign of the zoom slider buttons, with a light emboss.
void sign(QPainter& p, const QRect& r, bool plus, const QColor& c, const QColor& emboss)
{
    for (int pass = 0; pass < 2; ++pass) {
        const QColor& col = pass == 0 ? emboss : c;
        const int d = pass == 0 ? 1 : 0;
        box(p, QRect(r.left() + 5 + d, r.top() + 8 + d, 8, 2), col);
        if (plus)
            box(p, QRect(r.left() + 8 + d, r.top() + 5 + d, 2, 8), col);
    }
}

void sliderButtonStrip(QPainter& p, const SkinPalette& s, bool plus)
{
    // Idle, hovered, pressed.
    const StateLook* looks[3] = {&s.buttonNormal, &s.hover, &s.pressed};
    forEachFrame(p, QSize(18, 18), 3, [&](int i, const QRect& r) {
        roundButton(p, r, *looks[i]);
        sign(p, r, plus, i == 0 ? s.glyphDark : s.glyph.hot, s.glyphLight);
    });
}

// Check mark in a 10x14 frame, two pixels thick.
void checkMark(QPainter& p, const QRect& r, const QColor& c)
{
    const QPoint stroke[] = {{1, 6}, {2, 7}, {3, 8}, {4, 7}, {5, 6}, {6, 5}, {7, 4}, {8, 3}};
    for (const QPoint& q : stroke)
        box(p, QRect(r.left() + q.x(), r.top() + q.y(), 1, 2), c);
}

} // namespace

void paintPopupBorder(QPainter& p, const SkinPalette& s)
{
    // 3-pixel corners and edges; the centre pixel fills the popup (it shows as
    // the title band of sub-menus and the background of palette popups).
    drawStateFrame(p, QRect(0, 0, 7, 7), solid(s.popupOutline, s.popupHighlight, s.popupFill),
                   AllCorners, 3.0);
}

void paintPopupResizeBarBack(QPainter& p, const SkinPalette& s)
{
    // Stretched sideways between the popup's border columns: uniform columns,
    // a separator line on top and a soft gradient below it.
    p.fillRect(QRect(0, 0, 3, 11),
               verticalGradient(mix(s.popupFill, Qt::white, 0.6), s.popupFill, 1, 10));
    hline(p, 0, 2, 0, mix(s.popupOutline, s.popupFill, 0.35));
    hline(p, 0, 2, 1, withAlpha(Qt::white, 180));
}

void paintPopupResizeBarIconB(QPainter& p, const SkinPalette& s)
{
    for (int x = 1; x < 15; x += 3)
        gripBead(p, x, 0, s);
}

void paintPopupResizeBarIconBR(QPainter& p, const SkinPalette& s)
{
    // Triangle of beads in the bottom-right corner.
    for (int row = 0; row < 3; ++row)
        for (int col = 2 - row; col < 3; ++col)
            gripBead(p, 1 + col * 3, row * 3, s);
}

void paintPopupResizeBarIconTR(QPainter& p, const SkinPalette& s)
{
    // The same triangle in the top-right corner.
    for (int row = 0; row < 3; ++row)
        for (int col = row; col < 3; ++col)
            gripBead(p, 1 + col * 3, row * 3, s);
}

void paintCheckableMenuItemBack(QPainter& p, const SkinPalette& s)
{
    // Enabled and disabled box behind a checked menu item's mark or icon: the
    // checked look with a warmer outline, and a grey one.
    StateLook enabled = s.checked;
    enabled.outline = QColor("#E3A24A");
    StateLook disabled = s.disabledHover;
    disabled.outline = QColor("#BDBDBD");
    forEachFrame(p, QSize(20, 20), 2,
                 [&](int i, const QRect& r) { drawStateFrame(p, r, i == 0 ? enabled : disabled); });
}

void paintCheckableMenuItemCheck(QPainter& p, const SkinPalette& s)
{
    // Enabled and disabled check mark, 10x14 each.
    checkMark(p, QRect(0, 0, 10, 14), s.highlightedCategoryTextColor);
    checkMark(p, QRect(0, 14, 10, 14), s.disabledCategoryTextColor);
}

void paintCheckableMenuItemRadio(QPainter& p, const SkinPalette& s)
{
    // Enabled and disabled radio dot, 10x14 each.
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor colours[2] = {s.highlightedCategoryTextColor, s.disabledCategoryTextColor};
    for (int i = 0; i < 2; ++i) {
        const QPointF c(5.0, 14.0 * i + 7.0);
        QRadialGradient g(c - QPointF(1, 1), 4);
        g.setColorAt(0.0, mix(colours[i], Qt::white, 0.55));
        g.setColorAt(1.0, colours[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, 3.0, 3.0);
    }
}

void paintSliderPlus(QPainter& p, const SkinPalette& s)
{
    sliderButtonStrip(p, s, true);
}
void paintSliderMinus(QPainter& p, const SkinPalette& s)
{
    sliderButtonStrip(p, s, false);
}

void paintSliderThumb(QPainter& p, const SkinPalette& s)
{
    // Idle, hovered, dragged: a small glossy handle with a grip in its middle.
    const StateLook* looks[3] = {&s.buttonNormal, &s.hover, &s.pressed};
    forEachFrame(p, QSize(11, 15), 3, [&](int i, const QRect& r) {
        drawStateFrame(p, r.adjusted(1, 0, -1, 0), *looks[i], AllCorners, 2.0);
        const QColor line = mix(looks[i]->outline, s.glyphDark, 0.4);
        for (int y = 5; y <= 9; y += 2) {
            hline(p, r.left() + 3, r.left() + 7, r.top() + y, line);
            hline(p, r.left() + 3, r.left() + 7, r.top() + y + 1, withAlpha(Qt::white, 150));
        }
    });
}

void paintTooltipBack(QPainter& p, const SkinPalette& s)
{
    drawStateFrame(p, QRect(0, 0, 15, 15), s.tooltip, AllCorners, 2.0);
}

void paintTerminateButton(QPainter& p, const SkinPalette& s)
{
    // Idle, hovered, pressed: a round button with a cross, red when active.
    forEachFrame(p, QSize(18, 18), 3, [&](int i, const QRect& r) {
        if (i == 0) {
            roundButton(p, r, s.buttonNormal);
            cross(p, r.left() + 5, r.top() + 6, 7, QColor(255, 255, 255, 160));
            cross(p, r.left() + 5, r.top() + 5, 7, QColor("#B23A2A"));
        } else {
            roundButton(p, r, i == 1 ? s.closeHover : s.closePressed);
            cross(p, r.left() + 5, r.top() + 6, 7, QColor(90, 10, 0, 140));
            cross(p, r.left() + 5, r.top() + 5, 7, Qt::white);
        }
    });
}

} // namespace oru::skinpaint
