#include "oruRibbonAccessibleEvents_p.h"

#include "oruRibbonAccessibleItems_p.h"

#include <QAccessible>

namespace oru {

void notifyAccessibleSelection(QObject* object, int item, bool selected)
{
    if (!object || !QAccessible::isActive())
        return;
    // Painted items follow the widget's own children among its children.
    int child = -1;
    if (item >= 0) {
        auto* view =
            dynamic_cast<ItemViewAccessible*>(QAccessible::queryAccessibleInterface(object));
        if (!view || item >= view->itemCount())
            return;
        child = view->childIndexOfItem(item);
    }
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent state(object, changed);
    state.setChild(child);
    QAccessible::updateAccessibility(&state);
    if (!selected)
        return;
    QAccessibleEvent selection(object, QAccessible::Selection);
    selection.setChild(child);
    QAccessible::updateAccessibility(&selection);
}

} // namespace oru
