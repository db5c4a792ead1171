#pragma once

#include <QString>

struct DemoOptions;

// True for the scenes of the application-menu window (appmenu, submenu).
bool isAppMenuScene(const QString& scene);
// Shows a window with a ribbon bar, opens its application menu in the
// scene's state and takes the shot.
int runAppMenuScene(const DemoOptions& options);
