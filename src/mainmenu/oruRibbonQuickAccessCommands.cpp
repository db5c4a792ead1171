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

#include <utility>

namespace oru {

namespace {

// No row of buttons wider than 16 384 pixels is laid out (Qt's raster
// engine and the X server's pixmaps end about there), and such a row holds
// 712 buttons of 20 pixels 3 apart: commands after the first 713 have no
// button. A restored state of ten thousand commands so builds a few hundred
// widgets, not ten thousand.
constexpr int kButtonCap = 16384 / 23 + 1;

} // namespace

int RibbonQuickAccessBar::buttonedCount() const
{
    return qMin(int(m_commands.size()), kButtonCap);
}

// The button of the command at @p index, which has none, at its place in the
// row: the command buttons come first in the row, in the commands' order.
void RibbonQuickAccessBar::giveButton(int index)
{
    QObject* command = m_commands.at(index);
    m_commandButtons.insert(command, newButton(m_commandActions.value(command), index));
    m_buttonsChanged = true;
}

void RibbonQuickAccessBar::takeButton(QObject* command)
{
    if (RibbonButtonNormal* button = m_commandButtons.take(command).data()) {
        dropButton(button);
        m_buttonsChanged = true;
    }
}

// After a command left the first kButtonCap, the one that moved up into
// the last place gets its button.
void RibbonQuickAccessBar::fillButtons()
{
    if (m_commands.size() >= kButtonCap &&
        !m_commandButtons.contains(m_commands.at(kButtonCap - 1)))
        giveButton(kButtonCap - 1);
}

// The row placed once after a change of the commands (the buttons made and
// dropped meanwhile place nothing: see m_settingCommands), also when no
// button changed (a command without one), and the change announced.
void RibbonQuickAccessBar::commandsMoved()
{
    updateGeometry();
    // A change among the commands without a button, with no button made or
    // dropped, leaves the row as it is: the chevron showed before and shows
    // after. Adding thousands of commands one by one so does not place a
    // row of hundreds of buttons each time.
    const bool sameRow =
        !std::exchange(m_buttonsChanged, false) && m_commands.size() > buttonedCount();
    if (!sameRow) {
        updateOverflow();
        m_menuBar.update();
    }
    emit commandsChanged();
}

// A command that mirrors a host action never changes which one: the mirror
// is switched on in its constructor.
void RibbonQuickAccessBar::indexCommand(RibbonSimpleAction* command)
{
    if (command->mirrorsAlias() && command->alias()) {
        m_byAlias.insert(command->alias(), command);
        m_aliasOf.insert(command, command->alias());
    }
}

void RibbonQuickAccessBar::unindexCommand(QObject* command)
{
    if (const auto it = m_aliasOf.constFind(command); it != m_aliasOf.cend()) {
        m_byAlias.remove(it.value(), command);
        m_aliasOf.erase(it);
    }
}

bool RibbonQuickAccessBar::addCommand(RibbonSimpleAction* action)
{
    return insertCommand(int(m_commands.size()), action);
}

bool RibbonQuickAccessBar::insertCommand(int index, RibbonSimpleAction* action)
{
    if (!action || m_commandActions.contains(action))
        return false;
    index = qBound(0, index, int(m_commands.size()));
    const bool placing = std::exchange(m_settingCommands, true);
    m_commands.insert(index, action);
    m_commandActions.insert(action, action);
    indexCommand(action);
    if (index < kButtonCap) {
        // The command pushed past the last button gives its own up.
        if (m_commands.size() > kButtonCap)
            takeButton(m_commands.at(kButtonCap));
        giveButton(index);
    }
    connect(action, &QObject::destroyed, this, &RibbonQuickAccessBar::commandDestroyed,
            Qt::UniqueConnection);
    rememberOffered(action);
    m_settingCommands = placing;
    commandsMoved();
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
    // An entry whose host was deleted may meet a new action at its address.
    for (auto it = m_byAlias.constFind(host); it != m_byAlias.cend() && it.key() == host; ++it) {
        RibbonSimpleAction* command = m_commandActions.value(it.value());
        if (command && command->alias() == host)
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
    m_commands.removeOne(action);
    const bool placing = std::exchange(m_settingCommands, true);
    m_commandActions.remove(action);
    unindexCommand(action);
    takeButton(action);
    fillButtons();
    disconnect(action, &QObject::destroyed, this, &RibbonQuickAccessBar::commandDestroyed);
    m_settingCommands = placing;
    commandsMoved();
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
    const bool placing = std::exchange(m_settingCommands, true);
    m_commands.insert(to, command);
    if (from < kButtonCap && to < kButtonCap) {
        RibbonButtonNormal* button = m_commandButtons.value(command);
        m_buttonsLayout->removeWidget(button);
        m_buttonsLayout->insertWidget(to, button);
    } else if (to < kButtonCap) {
        // From beyond the buttons into them: the command pushed out of them
        // gives its button up.
        takeButton(m_commands.at(kButtonCap));
        giveButton(to);
    } else if (from < kButtonCap) {
        takeButton(command);
        fillButtons();
    }
    m_settingCommands = placing;
    commandsMoved();
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
    // The command buttons, first in the row, are taken out from their end:
    // taken out one by one from the front, every removal would move the rest
    // of the row. Buttons of plain actions and the chevron stay.
    for (int i = buttonedCount() - 1; i >= 0; --i)
        delete m_buttonsLayout->takeAt(i);
    // Commands that stay keep their connection.
    QSet<QObject*> staying;
    staying.reserve(actions.size());
    for (RibbonSimpleAction* action : actions)
        if (m_commandActions.contains(action))
            staying.insert(action);
    // The old buttons go to a holder in the same window, deleted later with
    // it (a button may be inside its own click): moving them out of the
    // window one by one would walk the window's whole focus chain each time.
    auto* doomed = new QWidget(this);
    doomed->hide();
    for (QObject* command : std::as_const(m_commands)) {
        if (!staying.contains(command))
            disconnect(command, &QObject::destroyed, this, &RibbonQuickAccessBar::commandDestroyed);
        if (RibbonButtonNormal* button = m_commandButtons.value(command).data())
            button->setParent(doomed);
    }
    doomed->deleteLater();
    m_commands.clear();
    m_commandActions.clear();
    m_commandButtons.clear();
    m_byAlias.clear();
    m_aliasOf.clear();
    for (RibbonSimpleAction* action : actions) {
        if (!action || m_commandActions.contains(action))
            continue;
        m_commands.append(action);
        m_commandActions.insert(action, action);
        indexCommand(action);
        if (m_commands.size() <= kButtonCap)
            giveButton(int(m_commands.size()) - 1);
        if (!staying.contains(action))
            connect(action, &QObject::destroyed, this, &RibbonQuickAccessBar::commandDestroyed);
        rememberOffered(action);
    }
    m_settingCommands = false;
    commandsMoved();
}

void RibbonQuickAccessBar::commandDestroyed(QObject* object)
{
    // The button leaves with its action (newButton), but that may not have
    // happened yet: a button given later is connected later. It leaves the
    // row first, so that the button that fillButtons() adds goes to its
    // place.
    if (!m_commands.removeOne(object))
        return;
    const bool placing = std::exchange(m_settingCommands, true);
    m_commandActions.remove(object);
    unindexCommand(object);
    takeButton(object);
    fillButtons();
    m_settingCommands = placing;
    commandsMoved();
}

void RibbonQuickAccessBar::rememberOffered(RibbonSimpleAction* action)
{
    // Looked up, not searched for: thousands of commands are added one by
    // one. An entry whose action was deleted is stale, its address may be
    // a new action's.
    QPointer<RibbonSimpleAction>& known = m_offeredIndex[action];
    if (known)
        return;
    known = action;
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
        m_offeredIndex.removeIf([](const auto& entry) { return entry.value().isNull(); });
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
        m_outerLayout->setContentsMargins(isRightToLeft() ? QMargins(3, 3, 10, 3)
                                                          : QMargins(10, 3, 3, 3));
    if (watched == m_customizeButton && m_customizable &&
        event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        showCustomizeMenu();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace oru
