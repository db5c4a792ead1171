#include "oruSkinWindowPalette_p.h"

#include "oruContrast_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonStyle.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace oru::skinwindow {

namespace {

using contrast::mixed;

qreal worstRatio(const QColor& text, std::initializer_list<QColor> grounds)
{
    qreal least = 21;
    for (const QColor& ground : grounds)
        least = std::min(least, contrast::ratio(text, ground));
    return least;
}

} // namespace

bool isDark(const RibbonStyle& skin)
{
    const QColor& text = skin.highlightedCategoryTextColor();
    const QColor& fill = skin.frameNormalFillColor();
    if (!text.isValid() || !fill.isValid())
        return false;
    return contrast::luminance(text) > contrast::luminance(fill);
}

QColor legible(const QColor& color, std::initializer_list<QColor> grounds)
{
    const QColor target = contrast::readableOn(color, grounds);
    if (target == color)
        return color;
    // The least step towards black or white that reads keeps most of the hue.
    for (int step = 1; step < 8; ++step) {
        const QColor candidate = mixed(color, target, step / 8.0);
        if (worstRatio(candidate, grounds) >= 4.5)
            return candidate;
    }
    return target;
}

QPalette skinWindowPalette(const RibbonStyle& skin, const QPalette& base)
{
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    // Dialog surfaces in the colour of the application menu's columns;
    // fields, lists and buttons a shade lighter, so that they stand out on
    // the surface and on the skin's darker panes (options pages) alike: the
    // outlines a widget style draws a shade darker than the surface do not.
    const QColor window = skin.mainMenuBgColor();
    const QColor pane = skin.frameNormalFillColor();
    const QColor field = mixed(window, skin.highlightedCategoryTextColor(), 0.08);
    const QColor button = mixed(window, skin.highlightedCategoryTextColor(), 0.12);
    const QColor alternate = mixed(field, window, 0.5);
    const QColor text = contrast::readableOn(skin.highlightedCategoryTextColor(),
                                             {window, pane, field, button, alternate});
    const QColor selection = skin.frameHighlightedFillColor();
    const QColor selectedText = contrast::readableOn(text, {selection});
    const QColor line = skin.frameOutlineColor();
    const QColor shadow = mixed(window, black, 0.6);
    // Placeholders and disabled texts recede, but stay legible.
    const QColor placeholder = legible(mixed(text, field, 0.4), {field});
    const QColor disabled = skin.disabledCategoryTextColor();

    QPalette palette = base;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        const auto set = [&](QPalette::ColorRole role, const QColor& color) {
            palette.setColor(group, role, color);
        };
        set(QPalette::Window, window);
        set(QPalette::WindowText, off ? disabled : text);
        set(QPalette::Base, off ? window : field);
        set(QPalette::AlternateBase, off ? window : alternate);
        set(QPalette::Text, off ? disabled : text);
        set(QPalette::Button, button);
        set(QPalette::ButtonText, off ? disabled : text);
        set(QPalette::BrightText, white);
        set(QPalette::PlaceholderText, off ? disabled : placeholder);
        set(QPalette::Highlight, off ? mixed(window, text, 0.15) : selection);
        set(QPalette::HighlightedText, off ? disabled : selectedText);
        set(QPalette::ToolTipBase, pane);
        set(QPalette::ToolTipText, contrast::readableOn(text, {pane}));
        set(QPalette::Light, mixed(window, white, 0.18));
        set(QPalette::Midlight, mixed(window, white, 0.09));
        set(QPalette::Mid, line);
        set(QPalette::Dark, mixed(window, black, 0.35));
        set(QPalette::Shadow, shadow);
        // The host's link colours, lightened or darkened until they read.
        set(QPalette::Link, legible(base.color(group, QPalette::Link), {field, window}));
        set(QPalette::LinkVisited,
            legible(base.color(group, QPalette::LinkVisited), {field, window}));
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        set(QPalette::Accent, selection);
#endif
    }
    return palette;
}

bool currentIsDark()
{
    RibbonApplication* app = RibbonApplication::theApp();
    const RibbonStyle* skin = app ? app->ribbonStyle() : nullptr;
    return skin && isDark(*skin);
}

void follow(QWidget& window, const std::function<void(bool dark)>& changed)
{
    // What a light skin gives back: the window's own palette, or none (the
    // inherited one).
    const bool own = window.testAttribute(Qt::WA_SetPalette);
    const QPalette kept = window.palette();
    QWidget* target = &window;
    const auto apply = [target, own, kept, changed] {
        RibbonApplication* app = RibbonApplication::theApp();
        const RibbonStyle* skin = app ? app->ribbonStyle() : nullptr;
        const bool dark = skin && isDark(*skin);
        if (dark)
            target->setPalette(
                skinWindowPalette(*skin, own ? kept : QApplication::palette(target)));
        else if (own)
            target->setPalette(kept);
        else if (target->testAttribute(Qt::WA_SetPalette))
            target->setPalette(QPalette());
        if (changed)
            changed(dark);
    };
    apply();
    if (RibbonApplication* app = RibbonApplication::theApp())
        QObject::connect(app, &RibbonApplication::ribbonStyleChanged, target, apply);
}

} // namespace oru::skinwindow
