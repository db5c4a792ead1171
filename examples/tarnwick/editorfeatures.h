#pragma once

#include <QString>

class EditorWindow;

namespace oru {
class RibbonMenuBar;
class RibbonOptionsDialog;
class RibbonOptionsPage;
} // namespace oru

// The ribbon features Tarnwick's users expect: the Table Tools tabs while
// the cursor stands in a table, named commands for the quick access bar, and
// with @p persistent the ribbon's state (quick access commands, its place,
// minimised, the selected tab) kept in the settings from one run to the
// next.
void attachRibbonFeatures(EditorWindow& window, bool persistent);

// The options page of the quick access bar: every command of the ribbon,
// the bar's commands, Add, Remove, Up and Down. Ok applies it.
oru::RibbonOptionsPage* createQuickAccessPage(oru::RibbonOptionsDialog& dialog,
                                              oru::RibbonMenuBar& bar);

// The scenes of these features: minimised, minimisedpopup, contextual,
// qatmenu, screentip, and qatoptions (the options dialog on its Quick
// Access page).
bool isFeatureScene(const QString& scene);
// The skin scenes modernlight, moderndark and customaccent: the View tab's
// skin chooser in the skin of the scene's name (main() selects it).
bool isSkinScene(const QString& scene);
bool openFeatureScene(EditorWindow& window, const QString& scene);
