#include "oruRibbonCategoryAction.h"

#include "oruRibbonHostCommand_p.h"

#include <QPointer>
#include <QWidget>

namespace oru {

RibbonCategoryAction::RibbonCategoryAction(const QIcon& icon, const QString& text, QObject* parent)
    : RibbonAction(icon, text, parent)
{
}

RibbonCategoryAction::RibbonCategoryAction(const QString& text, QObject* parent)
    : RibbonAction(text, parent)
{
}

RibbonCategoryAction::RibbonCategoryAction(QObject* parent) : RibbonAction(parent) {}

RibbonCategoryAction::~RibbonCategoryAction()
{
    // Leave every page and popup while this object is still whole: dropping
    // the category deletes its controls, and each deletion re-runs the
    // layout, which asks this action for its rows. From ~QAction on, that
    // would read freed members.
    removeFromWidgets();
}

int RibbonCategoryAction::actionRow(RibbonAction* action) const
{
    if (m_rows.isEmpty())
        return -1;
    return m_rows.value(action, 0);
}

void RibbonCategoryAction::addAction(RibbonAction* action, int row)
{
    if (!action || m_actions.lastIndexOf(action) >= 0)
        return;
    m_actions.append(action);
    m_rows.insert(action, row);
    connect(action, &QAction::changed, this, &RibbonCategoryAction::actionChanged);
    connect(action, &RibbonAction::activated, this, &RibbonCategoryAction::actionActivated);
    // The pointer value is kept by the lambda so that no cast of the dying
    // object is needed to recognise it.
    connect(action, &QObject::destroyed, this, [this, action]() { actionDestroyed(action); });
    emit actionAdded(action);
    emit changed();
}

void RibbonCategoryAction::removeAction(RibbonAction* action)
{
    if (!action || !m_actions.contains(action))
        return;
    disconnect(action, nullptr, this, nullptr);
    m_actions.removeAll(action);
    m_rows.remove(action);
    emit actionRemoved(action);
    emit changed();
}

RibbonAction* RibbonCategoryAction::addCommand(QAction* action, RibbonCatSimpleAction::eSize size,
                                               int row)
{
    if (!action)
        return nullptr;
    if (auto* ribbon = qobject_cast<RibbonAction*>(action)) {
        addAction(ribbon, row);
        return m_actions.contains(ribbon) ? ribbon : nullptr;
    }
    if (RibbonAction* shown = hostcommand::find(m_actions, action))
        return shown;
    RibbonAction* command = hostcommand::forGroup(action, size, this);
    addAction(command, row);
    return command;
}

void RibbonCategoryAction::removeCommand(QAction* action)
{
    if (auto* ribbon = qobject_cast<RibbonAction*>(action)) {
        removeAction(ribbon);
    } else if (RibbonAction* command = hostcommand::find(m_actions, action)) {
        removeAction(command);
        // Later: the host may remove its action from inside the command's click.
        command->deleteLater();
    }
}

void RibbonCategoryAction::actionChanged()
{
    emit changed();
}

void RibbonCategoryAction::actionActivated()
{
    emit activated();
}

void RibbonCategoryAction::actionDestroyed(RibbonAction* action)
{
    // The action is already gone (Qt told its widgets); only forget it.
    if (m_actions.removeAll(action) > 0) {
        m_rows.remove(action);
        emit changed();
    }
}

} // namespace oru
