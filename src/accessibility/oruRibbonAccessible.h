#pragma once

#include "oruGlobal.h"

#include <QString>

class QAccessibleInterface;
class QObject;

namespace oru {

/// The accessibility factory of the ribbon's custom-painted widgets: tabs,
/// groups, buttons, galleries, colour cells, zoom and progress, application
/// menu items and the window's system buttons. The library installs it when
/// it is loaded; hosts only call it to chain it from a factory of their own.
VAZAVE_EXPORT QAccessibleInterface* ribbonAccessibleFactory(const QString& className,
                                                            QObject* object);

/// Puts the factory in front of Qt's own; RibbonApplication does it when it
/// is constructed.
VAZAVE_EXPORT void installRibbonAccessibility();

/// The text an assistive technology announces for a label with mnemonics:
/// single '&' removed, "&&" kept as '&'.
VAZAVE_EXPORT QString accessibleText(const QString& text);

} // namespace oru
