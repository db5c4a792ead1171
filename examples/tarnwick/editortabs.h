#pragma once

namespace oru {
class RibbonMainWindow;
class RibbonTabBar;
} // namespace oru

// Puts a strip of document tabs above the window's central widget: one tab
// per entry of the application menu's recent documents, named by file name,
// the document named in the window's title selected. Activating a tab opens
// its document. Call after the central widget is set.
oru::RibbonTabBar* attachDocumentTabs(oru::RibbonMainWindow& window);
