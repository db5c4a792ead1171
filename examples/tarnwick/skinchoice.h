#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <QStringList>

// Tarnwick's skin chooser: the built-in skins, the modern light and dark
// skins, a skin of the user's accent colour ("Custom") and following the
// desktop's darkness. The View tab, the options dialog and the skin sheet
// offer the same choices through these functions.

// The skins offered to the user: every skin the application knows.
QStringList skinNames();
// The label the user reads for the skin @p name (translated).
QString skinLabel(const QString& name);
// A small picture of a window in the skin @p name: its frame, the
// application button in its accent colour and a white document.
QIcon skinIcon(const QString& name);
// Selects the skin @p name as the user's own choice: following the desktop
// stops.
void chooseSkin(const QString& name);
// Makes the skin "Custom" from the modern light palette and @p accent (or
// Tarnwick's red when @p accent is invalid), without selecting it.
void registerCustomSkin(const QColor& accent);
// Remakes the skin "Custom" with @p accent and selects it; an invalid colour
// changes nothing.
void chooseAccent(const QColor& accent);
// The accent colour of the skin "Custom".
QColor customAccent();
