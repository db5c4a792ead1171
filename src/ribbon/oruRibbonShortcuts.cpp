#include "oruRibbonCatActionGroup.h"
#include "oruRibbonCategoriesPanelAction.h"
#include "oruRibbonCategoryAction.h"
#include "oruRibbonMainWindow.h"
#include "oruRibbonMenuAction.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonShortcuts_p.h"

#include <QEvent>
#include <QSet>
#include <QTimer>

namespace oru {

namespace {

// Menus inside menus are rare and shallow; the limit only guards against a
// host that made a menu its own descendant.
constexpr int maxDepth = 8;

} // namespace

RibbonShortcutRelay::RibbonShortcutRelay(RibbonMenuBar& bar) : QObject(&bar), m_bar(bar)
{
    bar.installEventFilter(this);
    bar.ribbonMainWindow().installEventFilter(this);
}

RibbonShortcutRelay::~RibbonShortcutRelay() = default;

bool RibbonShortcutRelay::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
        if (watched == &m_bar)
            scheduleSync();
        break;
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (watched != &m_bar)
            sync();
        break;
    default:
        break;
    }
    return false;
}

void RibbonShortcutRelay::scheduleSync()
{
    if (m_syncPending)
        return;
    m_syncPending = true;
    QTimer::singleShot(0, this, [this] { sync(); });
}

void RibbonShortcutRelay::collect(RibbonAction* action, QList<QAction*>& out, QSet<QAction*>& seen,
                                  int depth)
{
    if (!action || depth > maxDepth)
        return;
    // Every command is relayed, with or without a shortcut today: the host
    // may set one at any time, and a QAction tells nobody but its widgets.
    // A command that stands for a host action relays that action too, which
    // is where hosts put their keys.
    // Looked up in a set: a big ribbon has thousands of commands, and the
    // relay runs at every activation of the window.
    if (!seen.contains(action)) {
        seen.insert(action);
        out.append(action);
    }
    if (QAction* alias = action->alias(); alias && !seen.contains(alias)) {
        seen.insert(alias);
        out.append(alias);
    }
    if (auto* group = qobject_cast<RibbonCatActionGroup*>(action)) {
        for (RibbonAction* member : group->actions())
            collect(member, out, seen, depth + 1);
    } else if (auto* menu = qobject_cast<RibbonMenuAction*>(action)) {
        for (RibbonAction* child : menu->menuActions())
            collect(child, out, seen, depth + 1);
    }
}

void RibbonShortcutRelay::sync()
{
    m_syncPending = false;
    QList<QAction*> wanted;
    QSet<QAction*> seen;
    for (QAction* tabAction : m_bar.actions()) {
        auto* tab = qobject_cast<RibbonCategoriesPanelAction*>(tabAction);
        if (!tab)
            continue;
        connect(tab, &RibbonCategoriesPanelAction::categoryAdded, this,
                &RibbonShortcutRelay::scheduleSync, Qt::UniqueConnection);
        connect(tab, &RibbonCategoriesPanelAction::categoryRemoved, this,
                &RibbonShortcutRelay::scheduleSync, Qt::UniqueConnection);
        for (RibbonCategoryAction* category : tab->categories()) {
            if (!category)
                continue;
            connect(category, &RibbonCategoryAction::actionAdded, this,
                    &RibbonShortcutRelay::scheduleSync, Qt::UniqueConnection);
            connect(category, &RibbonCategoryAction::actionRemoved, this,
                    &RibbonShortcutRelay::scheduleSync, Qt::UniqueConnection);
            for (RibbonAction* action : category->actions())
                collect(action, wanted, seen, 0);
        }
    }
    collect(&m_bar.mainMenuActions(), wanted, seen, 0);
    // The application menu's own buttons answer their keys like every other
    // command (help and find sit on the bar itself).
    for (RibbonAction* special : {m_bar.exitAction(), m_bar.optionsAction()})
        collect(special, wanted, seen, 0);

    RibbonMainWindow& window = m_bar.ribbonMainWindow();
    QList<QPointer<QAction>> kept;
    for (const QPointer<QAction>& action : std::as_const(m_relayed)) {
        if (!action)
            continue;
        if (seen.contains(action.data()))
            kept.append(action);
        else
            window.removeAction(action.data());
    }
    const QList<QAction*> ownList = window.actions();
    const QSet<QAction*> own(ownList.cbegin(), ownList.cend());
    for (QAction* action : std::as_const(wanted)) {
        if (own.contains(action))
            continue; // already on the window: relayed by us or put there by the host
        window.addAction(action);
        kept.append(action);
    }
    m_relayed = kept;
}

} // namespace oru
