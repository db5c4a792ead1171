// The full set of painter colours of a flat skin, from a few colours.

#include "oruSkinDerive_p.h"

#include "oruContrast_p.h"
#include "oruRibbonPalette.h"

namespace oru::skinpaint {

namespace {

using contrast::mixed;

QColor clear()
{
    return QColor(0, 0, 0, 0);
}

Gloss solid(const QColor& c)
{
    return Gloss{c, c, c, c, 0.5};
}

StateLook plain(const QColor& outline, const QColor& fill)
{
    return StateLook{outline, clear(), solid(fill)};
}

// @p fill, moved towards @p ground until @p text reads on it.
QColor readableFill(QColor fill, const QColor& ground, const QColor& text)
{
    for (int step = 0; step < 10 && contrast::ratio(text, fill) < 4.5; ++step)
        fill = mixed(fill, ground, 0.25);
    return fill;
}

// @p text, or the nearest of black and white when it does not read on all
// of @p grounds.
QColor readableText(const QColor& text, std::initializer_list<QColor> grounds)
{
    return contrast::readableOn(text, grounds);
}

} // namespace

SkinPalette derivePalette(const RibbonPalette& palette, const QString& name)
{
    const bool dark = palette.isDark();
    const QColor base = palette.base();
    const QColor accent = palette.accent();
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    // The page under the groups, and the fields (combo boxes, tips).
    const QColor page = dark ? mixed(base, white, 0.06) : mixed(base, white, 0.6);
    const QColor field = dark ? mixed(base, black, 0.25) : white;
    QColor text = palette.text().isValid()
                      ? palette.text()
                      : (dark ? QColor(0xF0, 0xF0, 0xF0) : QColor(0x26, 0x26, 0x26));
    text = readableText(text, {base, page, field});
    const QColor soft = dark ? mixed(text, base, 0.3) : mixed(text, base, 0.3);
    const QColor faint = mixed(text, base, 0.55); // unavailable texts and glyphs
    const QColor line = mixed(base, text, dark ? 0.28 : 0.2);
    const QColor lightLine = mixed(page, text, dark ? 0.2 : 0.12);

    // The accent's looks of a control: under the pointer, checked, pressed.
    const QColor hover = readableFill(palette.highlight().isValid() ? palette.highlight()
                                                                    : mixed(page, accent, 0.14),
                                      page, text);
    const QColor checkedFill = readableFill(mixed(page, accent, 0.24), page, text);
    const QColor pressedFill = readableFill(mixed(page, accent, 0.34), page, text);
    const QColor accentLine = mixed(page, accent, 0.6);

    SkinPalette s;
    s.name = name;
    s.mainClientColor = base;
    s.mainMenuBgColor = page;
    s.activeTextColor = text;
    s.inactiveTextColor = readableText(soft, {base});
    s.activeTitleTextColor = text;
    s.inactiveTitleTextColor = readableText(soft, {base});
    s.normalCategoryTextColor = text;
    s.highlightedCategoryTextColor = text;
    s.disabledCategoryTextColor = faint;
    s.categoryCaptionTextColor = readableText(soft, {page});
    s.categoryWrapperCaptionTextColor = text;
    s.frameOutlineColor = line;
    s.frameNormalFillColor = field;
    s.frameHighlightedFillColor = hover;
    s.frameSunkenColor = line;
    s.frameRaiseColor = dark ? mixed(base, white, 0.12) : white;

    const auto frame = [&](const QColor& outline) {
        FrameLook f;
        f.outline = outline;
        f.highlight = clear();
        f.caption = solid(base);
        f.border = base;
        f.borderInner = lightLine;
        f.statusLine = lightLine;
        f.statusTop = base;
        f.statusBottom = base;
        f.extTop = base;
        f.extBottom = base;
        f.separatorDark = line;
        f.separatorLight = clear();
        f.qabOutline = clear();
        f.qabTop = base;
        f.qabBottom = base;
        return f;
    };
    s.active = frame(accentLine);
    s.inactive = frame(line);
    s.glyph = GlyphColors{text, faint, clear(), text, text, clear(), faint};

    s.pageOutline = lightLine;
    s.pageHighlight = clear();
    s.pageTop = page;
    s.pageMiddle = page;
    s.pageBottom = page;
    s.group = plain(clear(), page);
    s.groupHover = plain(lightLine, page);
    s.groupBandTop = page;
    s.groupBandBottom = page;
    s.groupBandHoverTop = page;
    s.groupBandHoverBottom = page;
    s.groupBandLine = clear();

    s.wrapperNormal = plain(lightLine, page);
    s.wrapperHover = plain(accentLine, hover);
    s.wrapperOpen = plain(accentLine, pressedFill);

    // The selected tab opens into the page; its accent line marks it.
    s.tabSelected = StateLook{lightLine, accent, solid(page)};
    s.tabHover = plain(clear(), mixed(base, text, 0.08));
    s.tabSelectedHover = StateLook{lightLine, accent, solid(page)};

    s.buttonNormal = plain(lightLine, field);
    s.buttonUnavailable = plain(lightLine, page);

    s.hover = plain(accentLine, hover);
    s.lightHover = plain(mixed(page, accent, 0.35), mixed(page, hover, 0.5));
    s.checked = plain(accentLine, checkedFill);
    s.checkedHover = plain(accent, readableFill(mixed(checkedFill, accent, 0.12), page, text));
    s.pressed = plain(accent, pressedFill);
    s.open = plain(accent, pressedFill);
    s.disabledHover = plain(lightLine, mixed(page, text, 0.05));
    s.closeHover = plain(QColor(0xC4, 0x2B, 0x1C), QColor(0xC4, 0x2B, 0x1C));
    s.closePressed = plain(QColor(0xA0, 0x22, 0x16), QColor(0xA0, 0x22, 0x16));

    // The application button in the accent.
    s.orbRing = mixed(accent, black, 0.25);
    s.orbInner = mixed(accent, white, 0.2);
    s.orbOuter = accent;

    s.panelOutline = line;
    s.panelHighlight = clear();
    s.panelTop = page;
    s.panelMiddle = page;
    s.panelBottomTop = base;
    s.panelBottomBottom = base;
    s.panelBorderOuter = lightLine;
    s.panelBorderInner = page;
    s.separator = lightLine;
    s.separatorLight = clear();

    s.popupOutline = line;
    s.popupHighlight = clear();
    s.popupFill = page;
    s.fieldOutline = line;
    s.field = field;
    s.tooltip = plain(line, field);
    s.glyphDark = text;
    s.glyphLight = clear();
    return s;
}

} // namespace oru::skinpaint
