#pragma once

// Size and look shared by the page buttons of the options dialog and of the
// stacked page widget.

#include <QSize>

class QAbstractButton;

namespace oru::windows {

/// Text width + 10, at least 120 wide; 25 high.
QSize pageButtonSizeHint(const QAbstractButton& button);

/// The application menu's button frame (checked or hovered rows only) and the
/// left-aligned caption.
void paintPageButton(QAbstractButton& button);

} // namespace oru::windows
