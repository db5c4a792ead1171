#pragma once

#include "oruRibbonCatSimpleAction.h"

#include <QList>

class QAction;

namespace oru {

class RibbonAction;
class RibbonMenuAction;
class RibbonSimpleAction;

/// The ribbon commands that show a host's plain QAction.
///
/// Such a command mirrors its host action (RibbonAction::mirrorAlias()): it
/// takes every change of the host action and hands every use back to it
/// through QAction::trigger(). It belongs to the container that made it,
/// and goes when the host action is destroyed (later, since the host may
/// delete its action from inside the command's own click).
namespace hostcommand {

/// The control of @p host in a group: a button of @p size, or, when the
/// action has a menu, a menu button; a split button when the action does
/// something of its own (it is not its menu's own menuAction(), a child of
/// the menu, but an action given the menu with setMenu()).
RibbonAction* forGroup(QAction* host, RibbonCatSimpleAction::eSize size, QObject* owner);
/// A button command for the quick access bar, the status bar or a menu.
RibbonSimpleAction* simple(QAction* host, QObject* owner);
/// An entry of a menu container: a command, or for an action with a menu a
/// sub-menu of commands for the menu's actions (separators are skipped).
RibbonAction* forMenu(QAction* host, QObject* owner);
/// The command of @p commands that shows @p host, or null.
RibbonAction* find(const QList<RibbonAction*>& commands, const QAction* host);

} // namespace hostcommand
} // namespace oru
