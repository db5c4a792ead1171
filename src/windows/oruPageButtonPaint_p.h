#pragma once

// Size, look and retirement shared by the page buttons of the options dialog
// and of the stacked page widget.

#include <QColor>
#include <QSize>

class QAbstractButton;
class QButtonGroup;
class QLayout;
class QRect;
class QWidget;

namespace oru::windows {

/// Text width + 10, at least 120 wide; 25 high.
QSize pageButtonSizeHint(const QAbstractButton& button);

/// The application menu's button frame (checked or hovered rows only) and the
/// left-aligned caption; an unframed caption reads on @p column, the colour
/// of the box behind the buttons.
void paintPageButton(QAbstractButton& button, const QColor& column = QColor(Qt::white));

/// The boxes behind the button column and the page stack, both given in
/// @p widget's coordinates: filled with @p fill, outlined with @p line.
void paintPageFrames(QWidget& widget, const QRect& column, const QRect& stack,
                     const QColor& fill = QColor(Qt::white), const QColor& line = QColor(Qt::gray));

/// Takes the button of a page that went away out of @p group and @p layout and
/// deletes it later: the removal may run inside a signal of the button itself.
void retirePageButton(QAbstractButton& button, QButtonGroup& group, QLayout& layout);

/// Checks the button (key of @p pages) whose page is @p current, if any.
template <typename Pages> void checkButtonOfPage(const Pages& pages, const QWidget* current)
{
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        if (current && it.value() == current) {
            it.key()->setChecked(true);
            return;
        }
    }
}

} // namespace oru::windows
