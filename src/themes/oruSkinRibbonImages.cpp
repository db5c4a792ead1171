// The ribbon page, its groups, collapsed group buttons, the application menu
// panel and the stand-alone tab bar.
#include "oruSkinDraw_p.h"
#include "oruSkinImages_p.h"

namespace oru::skinpaint {

namespace {

// A look that only strokes highlight and outline, to re-draw the edges of a
// frame after something was painted over its fill.
StateLook edgesOnly(const StateLook& look)
{
    StateLook out = look;
    const QColor none(0, 0, 0, 0);
    out.fill = Gloss{none, none, none, none, look.fill.split};
    return out;
}

// A whole 100x85 group: body, caption band and the rounded frame. The library
// draws it from two images: CategoryTop takes rows 0-67, CategoryBottom rows
// 68-84 (the caption band rows 68-81 and the bottom edge rows 82-84).
constexpr int kGroupWidth = 100, kGroupHeight = 85, kGroupTopRows = 68;

QImage groupImage(const SkinPalette& s, bool hovered)
{
    const StateLook& look = hovered ? s.groupHover : s.group;
    const QColor bandTop = hovered ? s.groupBandHoverTop : s.groupBandTop;
    const QColor bandBottom = hovered ? s.groupBandHoverBottom : s.groupBandBottom;

    QImage image = blankImage(QSize(kGroupWidth, kGroupHeight));
    QPainter p(&image);
    const QRect r(0, 0, kGroupWidth, kGroupHeight);
    drawStateFrame(p, r, look, AllCorners, 3.0);

    // The caption band fills the inside of the frame from row 68 down.
    QPainterPath inside = roundedPath(QRectF(r).adjusted(1, 1, -1, -1), 2.0, AllCorners);
    QPainterPath band;
    band.addRect(QRectF(0, kGroupTopRows, kGroupWidth, kGroupHeight - kGroupTopRows));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(bandTop, bandBottom, kGroupTopRows, kGroupHeight - 2));
    p.drawPath(inside.intersected(band));
    p.setRenderHint(QPainter::Antialiasing, false);
    hline(p, 2, kGroupWidth - 3, kGroupTopRows, s.groupBandLine);
    drawStateFrame(p, r, edgesOnly(look), AllCorners, 3.0);
    return image;
}

// Tab of the stand-alone tab bar, in a 21x16 frame: a 4-pixel left end, the
// stretched column 4 and a 16-pixel right end that reaches 11 pixels into the
// next tab (tabs are painted right to left, so each tab's right end lies over
// its neighbour's left end). The left slant leans from column 1 to column 3;
// the right one from column 14 at the top to column 7 at the bottom, so it
// stays clear of the next tab's text (which starts at the right end's column
// 18) and of the tab's own text (which ends before column 2).
// Left of the left slant a normal tab holds the notch between two tabs, in the
// strip's own darker tone; its column 0 is the strip's background (sheet edge
// on top, notch tone, bottom edge). The selected tab, drawn over its
// neighbours, leaves that part transparent, and so does every tab right of its
// right slant.
void sheetTab(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom,
              const QColor& notch, const QColor& outline, const QColor& highlight, bool selected)
{
    const int x0 = r.left(), y0 = r.top();
    for (int row = 0; row < 16; ++row) {
        const int y = y0 + row;
        const int left = 1 + row / 6;
        const int right = 14 - row / 2;
        const bool edge = row == 0 || row == 15;
        if (!selected)
            hline(p, x0, x0 + left - 1, y, edge ? outline : notch);
        if (row == 0 && !selected) {
            hline(p, x0 + left, x0 + 20, y, outline); // the edge of the sheet above
            continue;
        }
        hline(p, x0 + left, x0 + right, y, mix(top, bottom, row / 15.0));
        if (row == 15) {
            hline(p, x0 + left, x0 + right, y, outline);
            continue;
        }
        pixel(p, x0 + left, y, outline);
        pixel(p, x0 + right, y, outline);
        // A light line inside the left slant; column 4 is stretched and must
        // hold nothing but the fill.
        if (left + 1 < 4 && row > 0)
            pixel(p, x0 + left + 1, y, highlight);
    }
}

} // namespace

void paintCategories(QPainter& p, const SkinPalette& s)
{
    // The page behind the groups; the library keeps 5 columns at each end and
    // stretches the middle.
    const QRect r(0, 0, 80, 92);
    StateLook page{s.pageOutline, s.pageHighlight,
                   Gloss{s.pageTop, s.pageMiddle, s.pageMiddle, s.pageBottom, 0.7}};
    drawStateFrame(p, r, page, AllCorners, 3.0);
}

void paintCategoryTop(QPainter& p, const SkinPalette& s)
{
    for (int state = 0; state < 2; ++state)
        blit(p, QPoint(0, state * kGroupTopRows), groupImage(s, state == 1),
             QRect(0, 0, kGroupWidth, kGroupTopRows));
}

void paintCategoryBottom(QPainter& p, const SkinPalette& s)
{
    const int rows = kGroupHeight - kGroupTopRows;
    for (int state = 0; state < 2; ++state)
        blit(p, QPoint(0, state * rows), groupImage(s, state == 1),
             QRect(0, kGroupTopRows, kGroupWidth, rows));
}

void paintCategoryWrapperBack(QPainter& p, const SkinPalette& s)
{
    // Collapsed group button: idle, hovered, popup open.
    const StateLook* looks[3] = {&s.wrapperNormal, &s.wrapperHover, &s.wrapperOpen};
    forEachFrame(p, QSize(52, 85), 3,
                 [&](int i, const QRect& r) { drawStateFrame(p, r, *looks[i], AllCorners, 3.0); });
}

void paintCategoryWrapperIcon(QPainter& p, const SkinPalette& s)
{
    // The frame the group's icon sits in. The library centres a group icon on
    // this image's point (19, 15), so the box is centred there too.
    const QRect frame(4, 0, 30, 30);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawPath(roundedPath(QRectF(frame).translated(0, 1), 3.0, AllCorners));
    drawStateFrame(p, frame, s.buttonNormal, AllCorners, 3.0);
    // A faint inner bevel where the icon goes.
    const QRectF well = QRectF(frame).adjusted(6.5, 6.5, -6.5, -6.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(s.buttonNormal.outline, 110), 1.0));
    p.drawPath(roundedPath(well, 1.5, AllCorners));
    p.setPen(QPen(withAlpha(Qt::white, 160), 1.0));
    p.drawLine(QPointF(well.left() + 1, well.bottom() + 1),
               QPointF(well.right() + 1, well.bottom() + 1));
}

void paintMainPanelBack(QPainter& p, const SkinPalette& s)
{
    // Nine pieces: 4-pixel sides, a 10-row top, one stretched row (10) and a
    // 27-row bottom band that holds the options and exit buttons.
    const QRect r(0, 0, 9, 38);
    StateLook panel{
        s.panelOutline, s.panelHighlight,
        Gloss{s.panelTop, s.panelMiddle, s.panelBottomTop, s.panelBottomBottom, 10.5 / 38.0}};
    drawStateFrame(p, r, panel, AllCorners, 3.0);
    // Row 10 must be one flat colour: it is stretched over the whole middle.
    p.fillRect(QRect(2, 10, 5, 1), s.panelMiddle);
    hline(p, 2, 6, 11, mix(s.panelMiddle, s.panelOutline, 0.25));
}

void paintMainPanelBorder(QPainter& p, const SkinPalette& s)
{
    StateLook border{
        s.panelBorderOuter, s.panelBorderInner,
        Gloss{s.mainMenuBgColor, s.mainMenuBgColor, s.mainMenuBgColor, s.mainMenuBgColor, 0.5}};
    drawStateFrame(p, QRect(0, 0, 5, 5), border, AllCorners, 2.0);
}

void paintMainPanelSeparator(QPainter& p, const SkinPalette& s)
{
    // Rows 0-1 are stretched into the separator between the menu's columns
    // (pixel (0, 0) also stands for the recent-files background); the rest is
    // the same line fading out at both ends.
    hline(p, 0, 0, 0, s.separator);
    hline(p, 0, 0, 1, s.separator);
    vline(p, 1, 0, 1, s.separatorLight);
    for (int y = 2; y < 55; ++y) {
        const qreal t = qMin(y - 2, 54 - y) / 10.0;
        const int alpha = int(255 * qMin(1.0, t));
        pixel(p, 0, y, withAlpha(s.separator, alpha));
        pixel(p, 1, y, withAlpha(s.separatorLight, alpha));
    }
}

void paintTabBarTabs(QPainter& p, const SkinPalette& s)
{
    // Normal tab (its column 0 is also the strip's background), then the
    // selected tab, which joins the sheet above without a line. The strip is
    // a shade darker than its tabs, and their outline darker than the page's,
    // so each tab reads as a shape of its own.
    const QColor notch = mix(s.frameNormalFillColor, s.pageOutline, 0.55);
    const QColor outline = mix(s.pageOutline, s.frameSunkenColor, 0.5);
    sheetTab(p, QRect(0, 0, 21, 16), s.frameNormalFillColor,
             mix(s.frameNormalFillColor, s.pageOutline, 0.25), notch, outline,
             withAlpha(Qt::white, 110), false);
    sheetTab(p, QRect(0, 16, 21, 16), s.field, s.frameHighlightedFillColor, notch, outline,
             withAlpha(Qt::white, 0), true);
}

} // namespace oru::skinpaint
