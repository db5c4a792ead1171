#pragma once

#include <QString>

class EditorWindow;

// The "Format" tab of the editor (paste split button, button groups, colour
// pickers, the styles and symbols galleries) and the status bar's view popup.
void buildEditorControls(EditorWindow& window);

// The scenes that show these controls open: "menu", "gallery",
// "palettepopup", "colorpicker", "viewpopup".
bool isControlScene(const QString& scene);
// Brings the window into @p scene; false when it cannot.
bool openControlScene(EditorWindow& window, const QString& scene);
