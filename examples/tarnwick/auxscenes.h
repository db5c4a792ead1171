#pragma once

#include <QString>

class EditorWindow;

// The scenes of the options dialog, the help window and the document tabs.
bool isAuxScene(const QString& scene);
// Brings @p window into @p scene; false when that fails.
bool prepareAuxScene(EditorWindow& window, const QString& scene);
