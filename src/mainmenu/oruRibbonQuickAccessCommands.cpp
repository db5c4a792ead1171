// The quick access bar's own list of commands and its customisation
// drop-down.

#include "oruRibbonQuickAccessBar.h"

#include "oruMirror_p.h"
#include "oruRibbonButtonNormal.h"
#include "oruRibbonHostCommand_p.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonSimpleAction.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QSet>

namespace oru {

bool RibbonQuickAccessBar::addCommand(RibbonSimpleAction* action)
{
    return insertCommand(int(m_commands.size()), action);
}

bool RibbonQuickAccessBar::insertCommand(int index, RibbonSimpleAction* action)
{
    if (!action || m_commandActions.contains(action))
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
    if (!action)
        return false;
    if (!m_commandActions.contains(action)) {
        // A host action given to addCommand(QAction*) takes its command along.
        RibbonSimpleAction* command = hostCommand(action);
        if (!command)
            return false;
        removeCommand(command);
        // Later: the host may remove its action from inside the button's click.
        command->deleteLater();
        return true;
    }
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
    return action &&
           (m_commandActions.contains(const_cast<QAction*>(action)) || hostCommand(action));
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
    // One pass over the old and the new list, and the row placed once: a
    // restored state may hold thousands of commands.
    m_settingCommands = true;
    // The row is emptied from its end first (all but the chevron, which is
    // last): taken out one by one from the front, every removal would search
    // the whole row again.
    for (int i = m_buttonsLayout->count() - 1; i >= 0; --i)
        if (m_buttonsLayout->itemAt(i)->widget() != m_overflowButton)
            delete m_buttonsLayout->takeAt(i);
    // The old buttons go to a holder in the same window, deleted later with
    // it (a button may be inside its own click): moving them out of the
    // window one by one would walk the window's whole focus chain each time.
    auto* doomed = new QWidget(this);
    doomed->hide();
    for (QObject* command : std::as_const(m_commands)) {
        disconnect(command, &QObject::destroyed, this, &RibbonQuickAccessBar::commandDestroyed);
        if (RibbonButtonNormal* button = m_commandButtons.value(command).data())
            button->setParent(doomed);
    }
    doomed->deleteLater();
    m_commands.clear();
    m_commandActions.clear();
    m_commandButtons.clear();
    QSet<QObject*> offered;
    for (const QPointer<RibbonSimpleAction>& action : std::as_const(m_offered))
        offered.insert(action.data());
    for (RibbonSimpleAction* action : actions) {
        if (!action || m_commandActions.contains(action))
            continue;
        m_commandButtons.insert(action, newButton(action, -1));
        m_commands.append(action);
        m_commandActions.insert(action, action);
        connect(action, &QObject::destroyed, this, &RibbonQuickAccessBar::commandDestroyed,
                Qt::UniqueConnection);
        if (!offered.contains(action)) {
            offered.insert(action);
            m_offered.append(action);
        }
    }
    m_settingCommands = false;
    updateGeometry();
    updateOverflow();
    m_menuBar.update();
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
    mirror::follow(*menu, this);
    menu->popup(button ? mirror::below(*button, menu->sizeHint().width()) : mapToGlobal(QPoint()));
}

bool RibbonQuickAccessBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::LayoutDirectionChange)
        m_outerLayout->setContentsMargins(
            isRightToLeft() ? QMargins(3, 3, 10, 3) : QMargins(10, 3, 3, 3));
    if (watched == m_customizeButton && m_customizable &&
        event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        showCustomizeMenu();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace oru
