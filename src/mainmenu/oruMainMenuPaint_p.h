#pragma once

// Drawing shared by the application menu's widgets.

class QPainter;
class QPixmap;
class QIcon;
class QRect;
class QWidget;

namespace oru::mainmenu {

/// The frame-0 highlight of a plain menu item over (0, 0, w, h): the left
/// 2-pixel edge from the caption pixmap, the rest from the menu pixmap;
/// mirrored (the edge at the right) when @p rtl.
void drawItemHighlight(QPainter& painter, int w, int h, bool rtl);

/// A nine-slice of a 7x7 source with 3-pixel corners (the popup border)
/// over (0, 0, w, h).
void drawPopupBorder(QPainter& painter, const QPixmap& pixmap, int w, int h);

/// The icon of a menu item of size @p w x @p h: a pixmap of at most 32x32, in
/// the Disabled mode unless @p enabled, centred on (21, (h - 1) / 2), or on
/// its mirror (w - 22, (h - 1) / 2) when @p rtl.
void drawItemIcon(QPainter& painter, const QIcon& icon, bool enabled, int h, int w, bool rtl);

/// Paints @p icon the way the application button does, into the button
/// rectangle @p button: at most 0.707 of its width, centred.
void drawMainButtonIcon(QPainter& painter, const QIcon& icon, const QRect& button);

/// The height of the available area of the screen that shows @p anchor (the
/// primary screen when it is on none): the application menu builds only the
/// entries that fit into it, whatever number the host gives.
int screenRoom(const QWidget& anchor);

/// The panel's frame around its columns: margins and the bottom row.
constexpr int kPanelFrameHeight = 22 + 5 + 2 + 2 + 3 + 23;

} // namespace oru::mainmenu
