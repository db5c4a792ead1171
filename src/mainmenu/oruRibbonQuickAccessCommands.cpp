// The quick access bar's own list of commands and its customisation
// drop-down.

#include "oruRibbonQuickAccessBar.h"

#include "oruRibbonButtonNormal.h"
#include "oruRibbonHostCommand_p.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonSimpleAction.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>

namespace oru {

bool RibbonQuickAccessBar::addCommand(RibbonSimpleAction* action)
{
    return insertCommand(int(m_commands.size()), action);
}

bool RibbonQuickAccessBar::insertCommand(int index, RibbonSimpleAction* action)
{
    if (!action || m_commands.contains(action))
        return false;
    index = qBound(0, index, int(m_commands.size()));
    RibbonButtonNormal* button = newButton(action, index);
    m_commands.insert(index, action);
    m_commandActions.insert(action, action);
    m_commandButtons.insert(action, button);
    connect(action, &QObject::destroyed, this, &RibbonQuickAccessBar::commandDestroyed,
            Qt::UniqueConnection);
    rememberOffered(action);
    m_menuBar.update();
    emit commandsChanged();
    return true;
}

bool RibbonQuickAccessBar::addCommand(QAction* action)
{
    if (auto* simple = qobject_cast<RibbonSimpleAction*>(action))
        return addCommand(simple);
    if (!action || qobject_cast<RibbonAction*>(action) || hostCommand(action))
        return false;
    RibbonSimpleAction* command = hostcommand::simple(action, this);
    command->setObjectName(action->objectName());
    return addCommand(command);
}

RibbonSimpleAction* RibbonQuickAccessBar::hostCommand(const QAction* host) const
{
    for (RibbonSimpleAction* command : std::as_const(m_commandActions)) {
        if (command && command->mirrorsAlias() && command->alias() == host)
            return command;
    }
    return nullptr;
}

bool RibbonQuickAccessBar::removeCommand(QAction* action)
{
    if (RibbonSimpleAction* command = action ? hostCommand(action) : nullptr) {
        removeCommand(command);
        // Later: the host may remove its action from inside the button's click.
        command->deleteLater();
        return true;
    }
    if (!action || !m_commands.contains(action))
        return false;
    m_commands.removeAll(action);
    m_commandActions.remove(action);
    dropButton(m_commandButtons.take(action).data());
    disconnect(action, &QObject::destroyed, this, &RibbonQuickAccessBar::commandDestroyed);
    emit commandsChanged();
    return true;
}

bool RibbonQuickAccessBar::moveCommand(int from, int to)
{
    const int n = int(m_commands.size());
    if (from < 0 || from >= n || to < 0 || to >= n)
        return false;
    if (from == to)
        return true;
    QObject* command = m_commands.takeAt(from);
    m_commands.insert(to, command);
    RibbonButtonNormal* button = m_commandButtons.value(command);
    m_buttonsLayout->removeWidget(button);
    m_buttonsLayout->insertWidget(to, button);
    updateOverflow();
    emit commandsChanged();
    return true;
}

bool RibbonQuickAccessBar::hasCommand(const QAction* action) const
{
    return action && (m_commands.contains(const_cast<QAction*>(action)) || hostCommand(action));
}

QList<RibbonSimpleAction*> RibbonQuickAccessBar::commands() const
{
    QList<RibbonSimpleAction*> list;
    list.reserve(m_commands.size());
    for (QObject* command : m_commands)
        list.append(m_commandActions.value(command));
    return list;
}

void RibbonQuickAccessBar::setCommands(const QList<RibbonSimpleAction*>& actions)
{
    if (commands() == actions)
        return;
    QSignalBlocker blocker(this);
    while (!m_commands.isEmpty())
        removeCommand(m_commandActions.value(m_commands.constLast()));
    for (RibbonSimpleAction* action : actions)
        addCommand(action);
    blocker.unblock();
    emit commandsChanged();
}

void RibbonQuickAccessBar::commandDestroyed(QObject* object)
{
    // The button leaves with its action (newButton); only the lists remain
    // to clean.
    if (!m_commands.removeAll(object))
        return;
    m_commandActions.remove(object);
    m_commandButtons.remove(object);
    emit commandsChanged();
}

void RibbonQuickAccessBar::rememberOffered(RibbonSimpleAction* action)
{
    m_offered.removeAll(nullptr);
    for (const QPointer<RibbonSimpleAction>& offered : std::as_const(m_offered))
        if (offered == action)
            return;
    m_offered.append(action);
}

void RibbonQuickAccessBar::setCustomizable(bool customizable)
{
    m_customizable = customizable;
}

QMenu* RibbonQuickAccessBar::createCustomizeMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (m_customizable) {
        m_offered.removeAll(nullptr);
        for (const QPointer<RibbonSimpleAction>& offered : std::as_const(m_offered)) {
            RibbonSimpleAction* command = offered.data();
            // Text only, so that the check mark shows.
            QAction* item = menu->addAction(command->iconText());
            item->setCheckable(true);
            item->setChecked(hasCommand(command));
            connect(item, &QAction::toggled, this, [this, offered](bool on) {
                if (!offered)
                    return;
                if (on)
                    addCommand(offered.data());
                else
                    removeCommand(offered.data());
            });
        }
        if (!m_offered.isEmpty())
            menu->addSeparator();
        const bool below = m_menuBar.isQuickAccessBarBelow();
        QAction* place = menu->addAction(
            below ? QCoreApplication::translate("RibbonQuickAccessBar",
                                                "Show Quick Access Toolbar above the Ribbon")
                  : QCoreApplication::translate("RibbonQuickAccessBar",
                                                "Show Quick Access Toolbar below the Ribbon"));
        RibbonMenuBar* bar = &m_menuBar;
        connect(place, &QAction::triggered, bar,
                [bar, below]() { bar->setQuickAccessBarBelow(!below); });
    }
    QAction* minimize =
        menu->addAction(QCoreApplication::translate("RibbonQuickAccessBar", "Minimize the Ribbon"));
    minimize->setCheckable(true);
    minimize->setChecked(m_menuBar.isMinimized());
    RibbonMenuBar* bar = &m_menuBar;
    connect(minimize, &QAction::toggled, bar, &RibbonMenuBar::setMinimized);
    if (m_customizable) {
        menu->addSeparator();
        menu->addAction(m_customizeAction);
    }
    return menu;
}

void RibbonQuickAccessBar::showCustomizeMenu()
{
    QMenu* menu = createCustomizeMenu(this);
    const QWidget* button = m_customizeButton.data();
    menu->popup(button ? button->mapToGlobal(QPoint(0, button->height())) : mapToGlobal(QPoint()));
}

bool RibbonQuickAccessBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_customizeButton && m_customizable &&
        event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        showCustomizeMenu();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace oru
