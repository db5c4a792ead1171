#pragma once

// Size and look shared by the page buttons of the options dialog and of the
// stacked page widget.

#include <QSize>

class QAbstractButton;
class QRect;
class QWidget;

namespace oru::windows {

/// Text width + 10, at least 120 wide; 25 high.
QSize pageButtonSizeHint(const QAbstractButton& button);

/// The application menu's button frame (checked or hovered rows only) and the
/// left-aligned caption.
void paintPageButton(QAbstractButton& button);

/// The white, grey-outlined boxes behind the button column and the page
/// stack, both given in @p widget's coordinates.
void paintPageFrames(QWidget& widget, const QRect& column, const QRect& stack);

} // namespace oru::windows
