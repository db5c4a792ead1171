#include "oruRibbonAccessibleItems_p.h"

#include <QWidget>

namespace oru {

ItemViewAccessible::ItemViewAccessible(QWidget* widget, QAccessible::Role role,
                                       QAccessible::Role itemRole, bool widgetChildren)
    : QAccessibleWidget(widget, role), m_itemRole(itemRole), m_widgetChildren(widgetChildren)
{
}

int ItemViewAccessible::leadingCount() const
{
    return m_widgetChildren ? QAccessibleWidget::childCount() : 0;
}

ItemViewAccessible::~ItemViewAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessible::State ItemViewAccessible::itemState(int) const
{
    return {};
}

QStringList ItemViewAccessible::itemActionNames(int) const
{
    return {pressAction()};
}

void ItemViewAccessible::doItemAction(int index, const QString& actionName)
{
    if (actionName == pressAction())
        pressItem(index);
}

int ItemViewAccessible::childCount() const
{
    if (!isValid())
        return 0;
    return leadingCount() + itemCount() + (openPopup() ? 1 : 0);
}

QAccessibleInterface* ItemViewAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const int leading = leadingCount();
    if (index < leading)
        return QAccessibleWidget::child(index);
    index -= leading;
    if (index == itemCount())
        return QAccessible::queryAccessibleInterface(openPopup());
    if (const QAccessible::Id id = m_items.value(index))
        return QAccessible::accessibleInterface(id);
    auto* item = new ItemAccessible(*this, index);
    m_items.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int ItemViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    const int leading = leadingCount();
    if (child->object()) {
        if (openPopup() && child->object() == openPopup())
            return leading + itemCount();
        return m_widgetChildren ? QAccessibleWidget::indexOfChild(child) : -1;
    }
    if (child->parent() != this)
        return -1;
    const int index = static_cast<const ItemAccessible*>(child)->index();
    return index < itemCount() ? leading + index : -1;
}

QAccessibleInterface* ItemViewAccessible::childAt(int x, int y) const
{
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    if (QWidget* popup = openPopup()) {
        if (popup->geometry().contains(QPoint(x, y)))
            return QAccessible::queryAccessibleInterface(popup);
    }
    if (m_widgetChildren) {
        if (QAccessibleInterface* own = QAccessibleWidget::childAt(x, y))
            return own;
    }
    for (int i = 0; i < itemCount(); ++i) {
        if (itemRect(i).contains(local))
            return child(childIndexOfItem(i));
    }
    return nullptr;
}

ItemAccessible::ItemAccessible(const ItemViewAccessible& view, int index)
    : m_view(view), m_index(index)
{
}

bool ItemAccessible::isValid() const
{
    return m_view.isValid() && m_index < m_view.itemCount();
}

QAccessibleInterface* ItemAccessible::parent() const
{
    return const_cast<ItemViewAccessible*>(&m_view);
}

QString ItemAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    if (t == QAccessible::Name)
        return m_view.itemName(m_index);
    if (t == QAccessible::Description)
        return m_view.itemDescription(m_index);
    return {};
}

QRect ItemAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_view.itemRect(m_index);
    return QRect(m_view.viewWidget()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State ItemAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state = m_view.itemState(m_index);
    const QAccessible::State view = m_view.state();
    state.disabled = state.disabled || view.disabled;
    state.invisible = view.invisible;
    return state;
}

void* ItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList ItemAccessible::actionNames() const
{
    if (!isValid() || state().disabled)
        return {};
    return m_view.itemActionNames(m_index);
}

void ItemAccessible::doAction(const QString& actionName)
{
    if (actionNames().contains(actionName))
        const_cast<ItemViewAccessible&>(m_view).doItemAction(m_index, actionName);
}

} // namespace oru
