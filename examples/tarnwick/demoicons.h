#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

// Tarnwick's drawn icons. Each is painted with QPainter at the size and
// device pixel ratio it is asked for, so it stays sharp at 1x, 1.5x and 2x,
// and every size shows the same picture. Icons that stand on the ribbon or
// the status bar take their ink from the skin in use, the colour the skin
// gives the text of its buttons, and so read on light and dark skins alike;
// they follow a skin switch at their next paint. Cards (style and view
// tiles) carry their own paper and ink.

// The ink of icons on the skin's buttons: the skin's button text colour.
QColor demoIconInk();

// The character formats of the Font group.
enum class TextFormatIcon
{
    Bold,
    Italic,
    Underline,
    Strikethrough
};
QIcon textFormatIcon(TextFormatIcon format);

// Paragraph alignment: bars set left, centred, right or to both edges
// (Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify).
QIcon alignmentIcon(Qt::Alignment alignment);

// Lists: dots or numbers before lines.
QIcon listIcon(bool numbered);

// The read-only toggle: a padlock.
QIcon padlockIcon();

// The line-wrap toggle: lines with a return arrow.
QIcon wrapLinesIcon();

// The status bar's view menu: a page of text on its own paper, so that it
// reads on a dark status bar as on a light one.
QIcon pageViewIcon();

// A command without a picture of its own: @p text (a letter or a sign)
// drawn in the skin's ink.
QIcon glyphIcon(const QString& text);

// A paragraph style in the styles gallery: "AaBb" in @p font and @p colour
// on a paper card, @p name underneath.
QIcon styleCardIcon(const QString& name, const QFont& font, const QColor& colour);

// A line-wrap choice of the status bar's view popup: a page whose lines end
// at @p columns (40, 60, 80), at the page's edge (0) or run past it (-1).
QIcon wrapTileIcon(int columns);
