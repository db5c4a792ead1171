#pragma once

#include "oruGlobal.h"

class QWidget;

namespace oru {

class RibbonAction;

/// The control that shows @p action in a ribbon group: a button, menu button, palette, button
/// strip, combo box or font size box by the action's class (the most specific class wins); null
/// for actions no group shows, and for null. The control is a child of @p parent.
VAZAVE_EXPORT QWidget* createGroupControl(RibbonAction* action, QWidget* parent);

} // namespace oru
