// Colours of the three skins, as the painter sees them.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

namespace oru::skinpaint {

// The classic glossy fill: an upper "shine" gradient (top0 -> top1) that meets a
// lower "body" gradient (bottom0 -> bottom1) with a hard step at `split`
// (0..1 of the height).
struct Gloss
{
    QColor top0, top1, bottom0, bottom1;
    qreal split = 0.42;
};

// One visual state of a framed control: outline, the 1-pixel highlight just
// inside it, and the fill.
struct StateLook
{
    QColor outline;
    QColor highlight;
    Gloss fill;
};

// The window frame in one activation state (the frame images hold an active
// and an inactive half).
struct FrameLook
{
    QColor outline;     // outermost line, follows the window mask
    QColor highlight;   // light line just inside it
    Gloss caption;      // caption strip
    QColor border;      // body of the 7-pixel side and bottom borders
    QColor borderInner; // line where the border meets the client area
    QColor statusLine;  // top line of the status bar
    QColor statusTop, statusBottom;
    QColor extTop, extBottom; // extension area at the right of the status bar
    QColor separatorDark, separatorLight;
    QColor qabOutline, qabTop, qabBottom; // quick access bar
};

// Glyph colours for the caption buttons.
struct GlyphColors
{
    QColor caption;         // idle glyph on the active caption
    QColor captionInactive; // idle glyph on the inactive caption
    QColor captionShadow;   // 1-pixel emboss under idle glyphs
    QColor band;            // idle small glyph on a child window's title band
    QColor hot;             // glyph over a hovered/pressed background
    QColor hotShadow;
    QColor disabled;
};

struct SkinPalette
{
    QString name;

    // The skin's colour table (the library's RibbonStyle colours).
    QColor mainClientColor;
    QColor mainMenuBgColor;
    QColor activeTextColor;
    QColor inactiveTextColor;
    QColor activeTitleTextColor;
    QColor inactiveTitleTextColor;
    QColor normalCategoryTextColor;
    QColor highlightedCategoryTextColor;
    QColor disabledCategoryTextColor;
    QColor categoryCaptionTextColor;
    QColor categoryWrapperCaptionTextColor;
    QColor frameOutlineColor;
    QColor frameNormalFillColor;
    QColor frameHighlightedFillColor;
    QColor frameSunkenColor;
    QColor frameRaiseColor;

    FrameLook active, inactive;
    GlyphColors glyph;

    // Ribbon page (the band below the tabs) and its groups.
    QColor pageOutline, pageHighlight;
    QColor pageTop, pageMiddle, pageBottom;
    StateLook group, groupHover;          // body of a group
    QColor groupBandTop, groupBandBottom; // caption band of a group
    QColor groupBandHoverTop, groupBandHoverBottom;
    QColor groupBandLine; // line above the caption band

    // Collapsed group button.
    StateLook wrapperNormal, wrapperHover, wrapperOpen;

    // Tabs of the ribbon bar.
    StateLook tabSelected, tabHover, tabSelectedHover;

    // Idle and unavailable looks of buttons that always show a frame.
    StateLook buttonNormal, buttonUnavailable;

    // The warm control states, shared by every skin.
    StateLook hover, pressed, checked, checkedHover, lightHover, disabledHover;
    StateLook open; // a button whose menu is open
    StateLook closeHover, closePressed;

    // Application button ("orb").
    QColor orbRing, orbInner, orbOuter;

    // Application menu panel.
    QColor panelOutline, panelHighlight, panelTop, panelMiddle, panelBottomTop, panelBottomBottom;
    QColor panelBorderOuter, panelBorderInner;
    QColor separator, separatorLight;

    // Popups, fields and tool tips.
    QColor popupOutline, popupHighlight, popupFill;
    QColor fieldOutline, field;
    StateLook tooltip;
    QColor glyphDark;  // dark pixel glyphs inside controls (grips, plus/minus)
    QColor glyphLight; // their light emboss
};

SkinPalette bluePalette();
SkinPalette silverPalette();
SkinPalette blackPalette();

// All three, in the order blue, silver, black.
std::vector<SkinPalette> allPalettes();

// Looks up a palette by its folder name; returns false for an unknown name.
bool paletteByName(const QString& name, SkinPalette& out);

} // namespace oru::skinpaint
