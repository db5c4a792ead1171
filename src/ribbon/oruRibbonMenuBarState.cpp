// The ribbon bar's saved state and the commands a user may put on the quick
// access bar.

#include "oruRibbonMenuBar.h"

#include "oruRibbonCatActionGroup.h"
#include "oruRibbonCategoriesPanelAction.h"
#include "oruRibbonCategoryAction.h"
#include "oruRibbonContextualTabGroup.h"
#include "oruRibbonMenuAction.h"
#include "oruRibbonMenuBarExtras_p.h"
#include "oruRibbonQuickAccessBar.h"
#include "oruRibbonSimpleAction.h"

#include <QActionGroup>
#include <QDataStream>
#include <QHash>
#include <QIODevice>
#include <QSet>

namespace oru {

namespace {

// "oruR", then the layout of what follows.
constexpr quint32 kMagic = 0x6f727552;
// Format 2 adds the simplified flag at the end; format 1 is still read.
constexpr quint16 kFormat = 2;

void collect(RibbonAction* action, QList<RibbonSimpleAction*>& list, QSet<QObject*>& seen)
{
    if (!action || seen.contains(action))
        return;
    seen.insert(action);
    if (auto* simple = qobject_cast<RibbonSimpleAction*>(action))
        list.append(simple);
    if (auto* group = qobject_cast<RibbonCatActionGroup*>(action)) {
        for (RibbonAction* member : group->actions())
            collect(member, list, seen);
    } else if (auto* menu = qobject_cast<RibbonMenuAction*>(action)) {
        for (RibbonAction* entry : menu->menuActions())
            collect(entry, list, seen);
    }
}

// Reads a QStringList as QDataStream writes it. The stream's own operator
// reserves room for as many strings as the count claims, so four damaged
// bytes could ask for a hundred gigabytes; every string takes at least its
// four-byte length, which bounds an honest count by the bytes left.
bool readNames(QDataStream& in, qint64 size, QStringList& names)
{
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || qint64(count) > (size - in.device()->pos()) / 4)
        return false;
    names.reserve(qsizetype(count));
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString name;
        in >> name;
        names.append(name);
    }
    return in.status() == QDataStream::Ok;
}

} // namespace

QList<RibbonSimpleAction*> RibbonMenuBar::availableCommands() const
{
    QList<RibbonSimpleAction*> list;
    QSet<QObject*> seen;
    for (QAction* tab : m_tabs) {
        auto* page = qobject_cast<RibbonCategoriesPanelAction*>(tab);
        if (!page)
            continue;
        for (RibbonCategoryAction* category : page->categories())
            for (RibbonAction* action : category->actions())
                collect(action, list, seen);
    }
    for (RibbonAction* entry : m_mainMenuActionsContainer->menuActions())
        collect(entry, list, seen);
    for (RibbonSimpleAction* command : m_quickAccessBar->commands())
        collect(command, list, seen);
    return list;
}

QByteArray RibbonMenuBar::saveState(int version) const
{
    QStringList names;
    for (RibbonSimpleAction* command : m_quickAccessBar->commands())
        if (command && !command->objectName().isEmpty())
            names.append(command->objectName());
    QAction* selected = m_categoryGroup->checkedAction();

    QByteArray state;
    QDataStream out(&state, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kMagic << kFormat << qint32(version) << names << isQuickAccessBarBelow() << isMinimized()
        << (selected ? selected->objectName() : QString()) << qint32(m_tabs.indexOf(selected))
        << isSimplified();
    return state;
}

bool RibbonMenuBar::restoreState(const QByteArray& state, int version)
{
    QDataStream in(state);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint16 format = 0;
    qint32 savedVersion = 0;
    in >> magic >> format >> savedVersion;
    if (in.status() != QDataStream::Ok || magic != kMagic || format < 1 || format > kFormat ||
        savedVersion != version)
        return false;
    QStringList names;
    bool below = false;
    bool minimized = false;
    QString tabName;
    qint32 tabIndex = -1;
    if (!readNames(in, state.size(), names))
        return false;
    bool simplified = false;
    in >> below >> minimized >> tabName >> tabIndex;
    if (format >= 2)
        in >> simplified;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return false;

    // All read: only now change anything.
    // The first available command of each name; a state of any size is
    // matched in one pass over each list.
    const QList<RibbonSimpleAction*> available = availableCommands();
    QHash<QString, RibbonSimpleAction*> byName;
    byName.reserve(available.size());
    for (RibbonSimpleAction* action : available)
        if (!action->objectName().isEmpty() && !byName.contains(action->objectName()))
            byName.insert(action->objectName(), action);
    QList<RibbonSimpleAction*> commands;
    QSet<RibbonSimpleAction*> taken;
    for (const QString& name : std::as_const(names)) {
        RibbonSimpleAction* action = byName.value(name);
        if (action && !taken.contains(action)) {
            taken.insert(action);
            commands.append(action);
        }
    }
    m_quickAccessBar->setCommands(commands);

    QAction* tab = nullptr;
    if (!tabName.isEmpty()) {
        for (QAction* candidate : std::as_const(m_tabs))
            if (candidate->objectName() == tabName) {
                tab = candidate;
                break;
            }
    } else if (tabIndex >= 0 && tabIndex < m_tabs.size()) {
        tab = m_tabs.at(tabIndex);
    }
    if (tab && tab->isVisible() && tab->isEnabled())
        tab->setChecked(true);

    setQuickAccessBarBelow(below);
    setSimplified(simplified);
    setMinimized(minimized);
    return true;
}

} // namespace oru
