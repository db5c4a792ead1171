#pragma once

#include "oruGlobal.h"

class QEvent;

namespace oru {

/// A control that can live inside a button-group widget, which hands it
/// events (mouse presses) that arrive at the group on its behalf.
class IRibbonGroupWidget
{
public:
    /// Handles @p event as if it had arrived at the control itself. The button-group widget passes
    /// the mouse presses on a member's cell this way; the menu and colour buttons open their popup
    /// on a press and ignore every other event (and null).
    virtual void processEvents(QEvent* event) = 0;

protected:
    // Never deleted through the interface: the controls are QWidgets owned by
    // their containers.
    ~IRibbonGroupWidget() = default;
};

} // namespace oru
