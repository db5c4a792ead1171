#include "oruRibbonAccessibleEvents_p.h"

#include "oruRibbonAccessibleItems_p.h"

#include <QAccessible>

namespace oru {

namespace {

/// The child index of painted item @p item of @p object, -1 for the object
/// itself; -2 when there is no such item.
int childOfItem(QObject* object, int item)
{
    if (item < 0)
        return -1;
    // Painted items follow the widget's own children among its children.
    auto* view = dynamic_cast<ItemViewAccessible*>(QAccessible::queryAccessibleInterface(object));
    if (!view || item >= view->itemCount())
        return -2;
    return view->childIndexOfItem(item);
}

} // namespace

void notifyAccessibleChecked(QObject* object, int item)
{
    if (!object || !QAccessible::isActive())
        return;
    const int child = childOfItem(object, item);
    if (child == -2)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent state(object, changed);
    state.setChild(child);
    QAccessible::updateAccessibility(&state);
}

void notifyAccessibleSelection(QObject* object, int item, bool selected)
{
    if (!object || !QAccessible::isActive())
        return;
    const int child = childOfItem(object, item);
    if (child == -2)
        return;
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
