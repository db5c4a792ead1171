#pragma once

class QTextEdit;

namespace oru {
class RibbonMainWindow;
class RibbonOptionsDialog;
} // namespace oru

// Tarnwick's options dialog for @p window, not yet shown: an Appearance page
// (skin, skinned widget style) and an Editor page (default font size, tab
// width) for @p editor. Ok applies every page, Cancel discards; the dialog
// deletes itself when closed.
oru::RibbonOptionsDialog* createOptionsDialog(oru::RibbonMainWindow& window, QTextEdit* editor);
