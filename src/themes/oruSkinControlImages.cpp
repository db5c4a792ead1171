// State strips of buttons, items and fields. Every state picture comes from
// drawStateFrame(); the functions here only decide the order of the states and
// how a frame is cut so that the library's slicing puts the pieces together.
#include "oruSkinDraw_p.h"
#include "oruSkinImages_p.h"

#include <vector>

namespace oru::skinpaint {

namespace {

using Looks = std::vector<const StateLook*>;

// A vertical strip of whole rounded frames, one per look.
void stateStrip(QPainter& p, const QSize& frame, const Looks& looks, int corners = AllCorners,
                qreal radius = 2.0)
{
    forEachFrame(p, frame, int(looks.size()), [&](int i, const QRect& r) {
        drawStateFrame(p, r, *looks[size_t(i)], corners, radius);
    });
}

// The line between the two parts of a split button: the state's outline,
// softened a little towards the highlight so it reads as an inner divider.
QColor dividerColor(const StateLook& look)
{
    return mix(look.outline, look.highlight, 0.25);
}

// Split buttons are painted as one box and cut into their caption and menu
// parts, so a part drawn next to the other (or stretched over it in the unsplit
// form) continues the same gradient and outline.

// Small split button: a 33x22 box; caption = columns 0-20 plus a divider in
// column 21, menu part = columns 22-32.
constexpr int kHCaptionWidth = 22, kHMenuWidth = 11, kHHeight = 22;

QImage horizontalSplitBox(const StateLook& look)
{
    return stateBox(QSize(kHCaptionWidth + kHMenuWidth, kHHeight), look);
}

// Large split button: a 43x66 box; caption = rows 0-37 plus a divider in row 38,
// menu part = rows 39-65.
constexpr int kVWidth = 43, kVCaptionHeight = 39, kVMenuHeight = 27;

QImage verticalSplitBox(const StateLook& look)
{
    return stateBox(QSize(kVWidth, kVCaptionHeight + kVMenuHeight), look);
}

// Segments of a button group: `first`/`last` say which outer ends are rounded;
// inner ends get a divider on the right and an etched line on the left.
void groupSegment(QPainter& p, const QRect& r, const StateLook& look, bool isNormal, bool first,
                  bool last)
{
    const int corners = (first ? LeftCorners : NoCorners) | (last ? RightCorners : NoCorners);
    const QRect box = r.adjusted(first ? 0 : -3, 0, last ? 0 : 3, 0);
    drawStateFrame(p, box, look, corners);
    if (!last)
        vline(p, r.right(), r.top() + 1, r.bottom() - 1, dividerColor(look));
    if (!first)
        vline(p, r.left(), r.top() + 1, r.bottom() - 1,
              isNormal ? look.highlight : dividerColor(look));
}

void groupStrip(QPainter& p, const SkinPalette& s, bool first, bool last)
{
    // Frames: idle (also disabled), hovered, pressed, checked, checked and hovered.
    const Looks looks = {&s.buttonNormal, &s.hover, &s.pressed, &s.checked, &s.checkedHover};
    forEachFrame(p, QSize(22, 22), 5, [&](int i, const QRect& r) {
        groupSegment(p, r, *looks[size_t(i)], i == 0, first, last);
    });
}

// A button of the palette's scroll column: open on the left (the palette box's
// outline is there) and at the top (the button above ends with an outline).
void paletteScrollStrip(QPainter& p, const SkinPalette& s, int height, bool top, int corners)
{
    // Frames: idle, hovered, pressed, unavailable.
    const Looks looks = {&s.buttonNormal, &s.hover, &s.pressed, &s.buttonUnavailable};
    forEachFrame(p, QSize(15, height), 4, [&](int i, const QRect& r) {
        drawStateFrame(p, r.adjusted(-3, top ? 0 : -3, 0, 0), *looks[size_t(i)], corners);
    });
}

// A horizontal band whose rows are uniform, for images the library stretches
// in both directions.
void uniformBand(QPainter& p, int y0, int y1, int width, const StateLook& look, bool topOutline)
{
    const int fillTop = topOutline ? y0 + 2 : y0 + 1;
    p.fillRect(QRect(0, y0, width, y1 - y0 + 1), glossGradient(look.fill, y0, y1));
    if (topOutline)
        hline(p, 0, width - 1, y0, look.outline);
    hline(p, 0, width - 1, fillTop - 1, look.highlight);
    hline(p, 0, width - 1, y1, look.outline);
}

} // namespace

void paintPaletteItemSmall(QPainter& p, const SkinPalette& s)
{
    // Hovered, pressed, checked, checked and hovered, hovered while disabled.
    stateStrip(p, QSize(22, 22),
               {&s.hover, &s.pressed, &s.checked, &s.checkedHover, &s.disabledHover});
}

void paintPaletteItemLarge(QPainter& p, const SkinPalette& s)
{
    stateStrip(p, QSize(43, 66),
               {&s.hover, &s.pressed, &s.checked, &s.checkedHover, &s.disabledHover});
}

void paintNormalButtonSmall(QPainter& p, const SkinPalette& s)
{
    // Idle (drawn by status-bar toggles and disabled checked buttons), hovered,
    // pressed, checked and hovered, checked.
    stateStrip(p, QSize(22, 22),
               {&s.buttonNormal, &s.hover, &s.pressed, &s.checkedHover, &s.checked});
}

void paintMainPanelButton(QPainter& p, const SkinPalette& s)
{
    // Idle, hovered, checked (options dialog and stacked widget page buttons).
    stateStrip(p, QSize(54, 23), {&s.buttonNormal, &s.hover, &s.checked});
}

void paintBtnGroupFirst(QPainter& p, const SkinPalette& s)
{
    groupStrip(p, s, true, false);
}
void paintBtnGroupMiddle(QPainter& p, const SkinPalette& s)
{
    groupStrip(p, s, false, false);
}
void paintBtnGroupLast(QPainter& p, const SkinPalette& s)
{
    groupStrip(p, s, false, true);
}

// Caption frames of split buttons: hovered, pressed (also "toggled"), menu open,
// toggled and hovered, default action disabled, the other part hovered.
static Looks captionLooks(const SkinPalette& s)
{
    return {&s.hover, &s.pressed, &s.open, &s.checkedHover, &s.disabledHover, &s.lightHover};
}

// Menu-part frames: hovered, pressed, open, checked and hovered (spare), the
// caption hovered.
static Looks menuLooks(const SkinPalette& s)
{
    return {&s.hover, &s.pressed, &s.open, &s.checkedHover, &s.lightHover};
}

void paintHMenuButtonCaption(QPainter& p, const SkinPalette& s)
{
    const Looks looks = captionLooks(s);
    forEachFrame(p, QSize(kHCaptionWidth, kHHeight), int(looks.size()), [&](int i, const QRect& r) {
        const StateLook& look = *looks[size_t(i)];
        blit(p, r.topLeft(), horizontalSplitBox(look), QRect(0, 0, kHCaptionWidth - 1, kHHeight));
        vline(p, r.right(), r.top() + 1, r.bottom() - 1, dividerColor(look));
        pixel(p, r.right(), r.top(), look.outline);
        pixel(p, r.right(), r.bottom(), look.outline);
    });
}

void paintHMenuButtonMenu(QPainter& p, const SkinPalette& s)
{
    const Looks looks = menuLooks(s);
    forEachFrame(p, QSize(kHMenuWidth, kHHeight), int(looks.size()), [&](int i, const QRect& r) {
        blit(p, r.topLeft(), horizontalSplitBox(*looks[size_t(i)]),
             QRect(kHCaptionWidth, 0, kHMenuWidth, kHHeight));
    });
}

void paintVMenuButtonCaption(QPainter& p, const SkinPalette& s)
{
    const Looks looks = captionLooks(s);
    forEachFrame(p, QSize(kVWidth, kVCaptionHeight), int(looks.size()), [&](int i, const QRect& r) {
        const StateLook& look = *looks[size_t(i)];
        blit(p, r.topLeft(), verticalSplitBox(look), QRect(0, 0, kVWidth, kVCaptionHeight - 1));
        hline(p, r.left() + 1, r.right() - 1, r.bottom(), dividerColor(look));
        pixel(p, r.left(), r.bottom(), look.outline);
        pixel(p, r.right(), r.bottom(), look.outline);
    });
}

void paintVMenuButtonMenu(QPainter& p, const SkinPalette& s)
{
    const Looks looks = menuLooks(s);
    forEachFrame(p, QSize(kVWidth, kVMenuHeight), int(looks.size()), [&](int i, const QRect& r) {
        blit(p, r.topLeft(), verticalSplitBox(*looks[size_t(i)]),
             QRect(0, kVCaptionHeight, kVWidth, kVMenuHeight));
    });
}

void paintPaletteButtonTop(QPainter& p, const SkinPalette& s)
{
    paletteScrollStrip(p, s, 21, true, TopRight);
}
void paintPaletteButtonMiddle(QPainter& p, const SkinPalette& s)
{
    paletteScrollStrip(p, s, 19, false, NoCorners);
}
void paintPaletteButtonBottom(QPainter& p, const SkinPalette& s)
{
    paletteScrollStrip(p, s, 20, false, BottomRight);
}

void paintMenuBarButton(QPainter& p, const SkinPalette& s)
{
    // Frames 0 and 1 are not drawn by the tab buttons; they hold a faint and a
    // plain hover tab. Then hovered, selected, selected and hovered. The tab is
    // open at the bottom, where it joins the ribbon page.
    StateLook faint = s.tabHover;
    faint.outline.setAlpha(faint.outline.alpha() / 2);
    faint.highlight.setAlpha(faint.highlight.alpha() / 2);
    for (QColor* c : {&faint.fill.top0, &faint.fill.top1, &faint.fill.bottom0, &faint.fill.bottom1})
        c->setAlpha(c->alpha() / 2);
    const Looks looks = {&faint, &s.tabHover, &s.tabHover, &s.tabSelected, &s.tabSelectedHover};
    forEachFrame(p, QSize(57, 24), 5, [&](int i, const QRect& r) {
        drawStateFrame(p, QRect(r.left() + 1, r.top(), 55, 27), *looks[size_t(i)], TopCorners, 3.0);
    });
}

void paintComboBox(QPainter& p, const SkinPalette& s)
{
    // Columns 0-10: the field (its rows are stretched across the box).
    p.fillRect(QRect(0, 0, 11, 22), s.field);
    hline(p, 0, 10, 0, s.fieldOutline);
    hline(p, 0, 10, 21, s.fieldOutline);
    // Column 11: the left and right border of the field.
    vline(p, 11, 1, 20, s.fieldOutline);
    pixel(p, 11, 0, mix(s.fieldOutline, s.field, 0.4));
    pixel(p, 11, 21, mix(s.fieldOutline, s.field, 0.4));
    // 12-pixel arrow buttons: hovered over the arrow (x 12), list open (24),
    // idle (36, spare), hovered elsewhere in the box (48), disabled (60, spare).
    const Looks arrows = {&s.hover, &s.open, &s.buttonNormal, &s.lightHover, &s.buttonUnavailable};
    for (size_t i = 0; i < arrows.size(); ++i) {
        const QRect r(12 + int(i) * 12, 0, 12, 22);
        p.save();
        p.setClipRect(r);
        drawStateFrame(p, r, *arrows[i], RightCorners);
        p.restore();
    }
}

void paintToolBoxBack(QPainter& p, const SkinPalette& s)
{
    // Rows 0-22 idle, 23-45 hovered, 46-68 pressed, 68-90 selected (row 68 is
    // shared: the pressed tab's bottom line is the selected tab's top line),
    // 91-112 a disabled tab. Every row is uniform because the library stretches
    // the image both ways.
    uniformBand(p, 0, 22, 9, s.buttonNormal, false);
    uniformBand(p, 23, 45, 9, s.hover, false);
    uniformBand(p, 46, 68, 9, s.pressed, false);
    uniformBand(p, 68, 90, 9, s.checked, true);
    uniformBand(p, 91, 112, 9, s.buttonUnavailable, false);
}

} // namespace oru::skinpaint
