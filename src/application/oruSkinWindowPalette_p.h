#pragma once

// The widget palette of the library's own auxiliary windows (options dialog,
// help window, colour picker, view popup) in a dark skin.
//
// A light skin leaves these windows in the application's palette, as they
// always looked. A dark skin gives them a whole palette made from its colours
// instead, so that Qt's own widgets inside them (tab bars, tree views, line
// edits, a host's options page) are dark as well and every text reads.

#include <QColor>
#include <QPalette>

#include <functional>
#include <initializer_list>

class QWidget;

namespace oru {

class RibbonStyle;

namespace skinwindow {

/// True when @p skin paints light text on dark surfaces: its control text is
/// lighter than the fill of its panes and fields. The classic Black skin has
/// a dark frame around light panes and black control text; it is light here.
bool isDark(const RibbonStyle& skin);

/// A complete palette (all roles, the Active, Inactive and Disabled groups)
/// from the colours of @p skin, with every text colour readable (4.5:1) on
/// the background it is drawn on. Roles the skin has nothing for are taken
/// from @p base.
QPalette skinWindowPalette(const RibbonStyle& skin, const QPalette& base);

/// @p color, moved towards black or white (whichever reads better on
/// @p grounds) until it reads on each of @p grounds at 4.5:1; a page's own
/// link and heading colours keep their hue this way.
QColor legible(const QColor& color, std::initializer_list<QColor> grounds);

/// Lets @p window follow the current skin from now on: in a dark skin it gets
/// skinWindowPalette(), in a light one the palette it had when this was
/// called (its own, or the inherited one). @p changed runs after every switch
/// (and once now) with the skin's darkness, for colours of the window's own.
/// The connection ends with the window.
void follow(QWidget& window, const std::function<void(bool dark)>& changed = {});

/// The current skin's darkness (false without a RibbonApplication).
bool currentIsDark();

} // namespace skinwindow
} // namespace oru
