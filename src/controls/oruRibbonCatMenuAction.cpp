#include "oruRibbonCatMenuAction.h"

#include "oruRibbonSimpleAction.h"
#include "oruRibbonViewPopup.h"

#include <QActionGroup>
#include <QMenu>

namespace oru {

RibbonCatMenuAction::RibbonCatMenuAction(QPointer<QAction> alias, const QIcon& icon,
                                         const QString& text, eMenuType menuType,
                                         eMenuSize menuSize, ePopupType popupType, QObject* parent)
    : RibbonMenuAction(alias, icon, text, parent)
{
    init(menuType, menuSize, popupType);
}

RibbonCatMenuAction::RibbonCatMenuAction(QPointer<QAction> alias, eMenuType menuType,
                                         eMenuSize menuSize, ePopupType popupType, QObject* parent)
    : RibbonMenuAction(alias, parent)
{
    init(menuType, menuSize, popupType);
}

RibbonCatMenuAction::RibbonCatMenuAction(const QIcon& icon, const QString& text, eMenuType menuType,
                                         eMenuSize menuSize, ePopupType popupType, QObject* parent)
    : RibbonMenuAction(icon, text, parent)
{
    init(menuType, menuSize, popupType);
}

RibbonCatMenuAction::RibbonCatMenuAction(const QString& text, eMenuType menuType,
                                         eMenuSize menuSize, ePopupType popupType, QObject* parent)
    : RibbonMenuAction(text, parent)
{
    init(menuType, menuSize, popupType);
}

RibbonCatMenuAction::RibbonCatMenuAction(eMenuType menuType, eMenuSize menuSize,
                                         ePopupType popupType, QObject* parent)
    : RibbonMenuAction(parent)
{
    init(menuType, menuSize, popupType);
}

RibbonCatMenuAction::~RibbonCatMenuAction() = default;

void RibbonCatMenuAction::init(eMenuType menuType, eMenuSize menuSize, ePopupType popupType)
{
    m_menuType = menuType;
    m_menuSize = menuSize;
    m_popupType = popupType;
    m_iconActionGroup = new QActionGroup(this);
}

namespace {

QList<RibbonSimpleAction*> live(const QList<QPointer<RibbonSimpleAction>>& list)
{
    QList<RibbonSimpleAction*> result;
    for (const QPointer<RibbonSimpleAction>& action : list)
        if (action)
            result.append(action.data());
    return result;
}

} // namespace

void RibbonCatMenuAction::addTopAction(RibbonSimpleAction* action)
{
    if (action)
        m_topActions.append(action);
}

void RibbonCatMenuAction::addBottomAction(RibbonSimpleAction* action)
{
    if (action)
        m_bottomActions.append(action);
}

QList<RibbonSimpleAction*> RibbonCatMenuAction::topActions() const
{
    return live(m_topActions);
}

QList<RibbonSimpleAction*> RibbonCatMenuAction::bottomActions() const
{
    return live(m_bottomActions);
}

void RibbonCatMenuAction::addIconActionGroup(QActionGroup* group)
{
    m_iconActionGroup = group;
}

void RibbonCatMenuAction::fillMenu(QMenu& menu)
{
    // A host's action with a menu drops down the host's own entries, live.
    if (QAction* host = mirrorsAlias() ? alias() : nullptr) {
        if (QMenu* hostMenu = host->menu<QMenu*>()) {
            menu.addActions(hostMenu->actions());
            return;
        }
    }
    fillMenu(menu, QPointer<RibbonMenuAction>(this));
}

void RibbonCatMenuAction::fillMenu(QMenu& menu, QPointer<RibbonMenuAction> action)
{
    if (!action)
        return;
    for (RibbonAction* child : action->menuActions()) {
        if (qobject_cast<RibbonSimpleAction*>(child)) {
            menu.addAction(child);
        } else if (auto* sub = qobject_cast<RibbonMenuAction*>(child)) {
            QMenu* subMenu = menu.addMenu(sub->icon(), sub->text());
            fillMenu(*subMenu, QPointer<RibbonMenuAction>(sub));
        }
    }
}

RibbonViewPopup* RibbonCatMenuAction::fillMenu()
{
    return new RibbonViewPopup(topActions(), bottomActions(), m_iconActionGroup.data(), this);
}

} // namespace oru
