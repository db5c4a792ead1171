#include "oruRibbonMenuAction.h"

#include "oruRibbonHostCommand_p.h"

namespace oru {

RibbonMenuAction::RibbonMenuAction(QPointer<QAction> alias, const QIcon& icon, const QString& text,
                                   QObject* parent)
    : RibbonAction(alias, icon, text, parent)
{
    clearFields();
}

RibbonMenuAction::RibbonMenuAction(QPointer<QAction> alias, QObject* parent)
    : RibbonAction(alias, parent)
{
    clearFields();
}

RibbonMenuAction::RibbonMenuAction(const QIcon& icon, const QString& text, QObject* parent)
    : RibbonAction(icon, text, parent)
{
    clearFields();
}

RibbonMenuAction::RibbonMenuAction(const QString& text, QObject* parent)
    : RibbonAction(text, parent)
{
    clearFields();
}

RibbonMenuAction::RibbonMenuAction(QObject* parent) : RibbonAction(parent)
{
    clearFields();
}

RibbonMenuAction::~RibbonMenuAction()
{
    // Children may outlive the menu; they must not call back into it.
    for (QObject* child : std::as_const(m_menuObjects))
        disconnect(child, nullptr, this, nullptr);
}

void RibbonMenuAction::clearFields()
{
    m_defaultAction = nullptr;
    m_menuActions.clear();
    m_menuObjects.clear();
    m_checkedAction = nullptr;
    m_exclusive = false;
    m_toBeToggled = false;
}

void RibbonMenuAction::setDefaultAction(RibbonAction* action)
{
    m_defaultAction = action;
}

void RibbonMenuAction::addAction(RibbonAction* action, bool isDefault)
{
    if (!action || m_menuActions.contains(action))
        return;
    m_menuActions.append(action);
    m_menuObjects.append(action);
    if (isDefault)
        m_defaultAction = action;
    connect(action, &QAction::changed, this, qOverload<>(&RibbonMenuAction::actionChanged));
    connect(action, &RibbonAction::activated, this, &RibbonMenuAction::actionActivated);
    connect(action, &QAction::triggered, this, &RibbonMenuAction::actionTriggered);
    connect(action, &QObject::destroyed, this, &RibbonMenuAction::childDestroyed);
    actionChanged(action);
}

void RibbonMenuAction::disconnectChild(RibbonAction* action)
{
    disconnect(action, &QAction::changed, this, qOverload<>(&RibbonMenuAction::actionChanged));
    disconnect(action, &RibbonAction::activated, this, &RibbonMenuAction::actionActivated);
    disconnect(action, &QAction::triggered, this, &RibbonMenuAction::actionTriggered);
    disconnect(action, &QObject::destroyed, this, &RibbonMenuAction::childDestroyed);
}

void RibbonMenuAction::removeAction(RibbonAction* action)
{
    const int index = m_menuActions.indexOf(action);
    if (index < 0)
        return;
    if (m_defaultAction == action)
        m_defaultAction = nullptr;
    if (m_checkedAction == action)
        m_checkedAction = nullptr;
    disconnectChild(action);
    m_menuActions.removeAt(index);
    m_menuObjects.removeAt(index);
    sendActionChangedEvt();
    emit changed();
}

RibbonAction* RibbonMenuAction::addCommand(QAction* action)
{
    if (auto* ribbon = qobject_cast<RibbonAction*>(action)) {
        addAction(ribbon);
        return m_menuActions.contains(ribbon) ? ribbon : nullptr;
    }
    if (!action)
        return nullptr;
    if (RibbonAction* shown = hostcommand::find(m_menuActions, action))
        return shown;
    RibbonAction* command = hostcommand::forMenu(action, this);
    addAction(command);
    return command;
}

void RibbonMenuAction::removeCommand(QAction* action)
{
    if (auto* ribbon = qobject_cast<RibbonAction*>(action)) {
        removeAction(ribbon);
    } else if (RibbonAction* command = hostcommand::find(m_menuActions, action)) {
        removeAction(command);
        // Later: the host may remove its action from inside the entry's click.
        command->deleteLater();
    }
}

void RibbonMenuAction::childDestroyed(QObject* child)
{
    // The guarded default and checked pointers cleared themselves already.
    const int index = m_menuObjects.indexOf(child);
    if (index < 0)
        return;
    m_menuActions.removeAt(index);
    m_menuObjects.removeAt(index);
    sendActionChangedEvt();
    emit changed();
}

void RibbonMenuAction::setExclusive(bool exclusive)
{
    m_exclusive = exclusive;
    if (!exclusive)
        m_checkedAction = nullptr;
    emit changed();
}

void RibbonMenuAction::setToBeToggled(bool toBeToggled)
{
    m_toBeToggled = toBeToggled;
}

bool RibbonMenuAction::toBeToggled() const
{
    if (!m_toBeToggled) {
        const RibbonAction* def = m_defaultAction.data();
        return def && def->isCheckable() && def->isChecked();
    }
    for (const RibbonAction* child : m_menuActions) {
        if (child->isChecked())
            return true;
    }
    return false;
}

void RibbonMenuAction::actionChanged(RibbonAction* action)
{
    if (m_exclusive && action && action->isCheckable()) {
        RibbonAction* previous = m_checkedAction.data();
        // Cleared before unchecking: the unchecked child's own change comes
        // back here and must not find itself recorded.
        m_checkedAction = nullptr;
        if (previous && previous != action && previous->isChecked())
            previous->setChecked(false);
        if (action->isChecked())
            m_checkedAction = action;
    }
    sendActionChangedEvt();
    emit changed();
}

void RibbonMenuAction::actionChanged()
{
    actionChanged(qobject_cast<RibbonAction*>(sender()));
}

void RibbonMenuAction::actionActivated()
{
    emit activated();
}

void RibbonMenuAction::actionTriggered()
{
    emit triggered(qobject_cast<RibbonAction*>(sender()));
}

} // namespace oru
