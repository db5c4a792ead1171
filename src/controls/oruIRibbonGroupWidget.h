#pragma once

#include "oruGlobal.h"

class QEvent;

namespace oru {

/// A control that can live inside a button-group widget, which hands it
/// events (mouse presses) that arrive at the group on its behalf.
class IRibbonGroupWidget
{
public:
    virtual void processEvents(QEvent* event) = 0;

protected:
    // Never deleted through the interface: the controls are QWidgets owned by
    // their containers.
    ~IRibbonGroupWidget() = default;
};

} // namespace oru
