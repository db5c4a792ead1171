#pragma once

namespace oru {

class RibbonMenuBarButton;

namespace tablook {

// The height of one state frame of the MenuBarButton image.
constexpr int FrameHeight = 24;
// The rows at the page's top (its outline and highlight) that a selected tab
// takes over, so that tab and page read as one sheet.
constexpr int JoinRows = 2;

// True when the tab shows as the selected one: its action is checked and its
// page is on view. A minimised ribbon shows no page until one pops up, so
// none of its tabs looks selected until then.
bool looksSelected(const RibbonMenuBarButton& button);

// The first row of the MenuBarButton frame the tab paints (48 hovered, 72
// selected, 96 selected and hovered), or -1 when it paints none. The page
// continues the last row of a selected frame over its own top edge.
int frameRow(const RibbonMenuBarButton& button);

} // namespace tablook
} // namespace oru
