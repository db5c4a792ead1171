#include "oruRibbonHostCommand_p.h"

#include "oruRibbonCatMenuAction.h"
#include "oruRibbonMenuAction.h"

#include <QMenu>

namespace oru::hostcommand {
namespace {

// The mirror is switched on in the most derived constructor, once the
// command is whole; the copying alias constructors take the first look.
class SimpleCommand : public RibbonCatSimpleAction
{
public:
    SimpleCommand(QAction* host, eSize size, QObject* owner)
        : RibbonCatSimpleAction(QPointer<QAction>(host), size, owner)
    {
        mirrorAlias();
    }
};

class MenuButtonCommand : public RibbonCatMenuAction
{
public:
    MenuButtonCommand(QAction* host, eMenuSize size, QObject* owner)
        : RibbonCatMenuAction(QPointer<QAction>(host), Button, size, Menu, owner)
    {
        mirrorAlias();
    }
};

class MenuCommand : public RibbonMenuAction
{
public:
    MenuCommand(QAction* host, QObject* owner) : RibbonMenuAction(QPointer<QAction>(host), owner)
    {
        mirrorAlias();
    }
};

template <typename Command> Command* goesWithHost(Command* command, QAction* host)
{
    QObject::connect(host, &QObject::destroyed, command, &QObject::deleteLater);
    return command;
}

} // namespace

RibbonAction* forGroup(QAction* host, RibbonCatSimpleAction::eSize size, QObject* owner)
{
    if (!host)
        return nullptr;
    QMenu* menu = host->menu<QMenu*>();
    if (!menu)
        return goesWithHost(new SimpleCommand(host, size, owner), host);
    auto* button = goesWithHost(
        new MenuButtonCommand(host, static_cast<RibbonCatMenuAction::eMenuSize>(size), owner),
        host);
    // A menu's own action (QMenu::menuAction(), which the menu made as its
    // child) only opens it; an action given a menu with setMenu() also does
    // something when its face is clicked.
    if (host->parent() != menu)
        button->setDefaultAction(new SimpleCommand(host, RibbonCatSimpleAction::Small, button));
    return button;
}

RibbonSimpleAction* simple(QAction* host, QObject* owner)
{
    if (!host)
        return nullptr;
    return goesWithHost(new SimpleCommand(host, RibbonCatSimpleAction::Small, owner), host);
}

namespace {

// Menus inside menus are shallow; the limit only guards against a host that
// made a menu its own descendant.
constexpr int maxMenuDepth = 8;

RibbonAction* forMenu(QAction* host, QObject* owner, int depth)
{
    QMenu* menu = host->menu<QMenu*>();
    if (!menu || depth == maxMenuDepth)
        return simple(host, owner);
    auto* sub = goesWithHost(new MenuCommand(host, owner), host);
    for (QAction* entry : menu->actions()) {
        if (!entry->isSeparator() && entry != host)
            sub->addAction(forMenu(entry, sub, depth + 1));
    }
    return sub;
}

} // namespace

RibbonAction* forMenu(QAction* host, QObject* owner)
{
    return host ? forMenu(host, owner, 0) : nullptr;
}

RibbonAction* find(const QList<RibbonAction*>& commands, const QAction* host)
{
    if (!host)
        return nullptr;
    for (RibbonAction* command : commands) {
        if (command && command->mirrorsAlias() && command->alias() == host)
            return command;
    }
    return nullptr;
}

} // namespace oru::hostcommand
