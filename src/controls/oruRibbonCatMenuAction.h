#pragma once

#include "oruRibbonMenuAction.h"

#include <QList>
#include <QPointer>

#include <QActionGroup>
class QMenu;

namespace oru {

class RibbonSimpleAction;
class RibbonViewPopup;

/// A menu action for ribbon panels: a (split) menu button or an in-ribbon
/// palette, opening a menu, a palette popup or a view popup. Presentation,
/// size and popup kind are fixed at construction.
class VAZAVE_EXPORT RibbonCatMenuAction : public RibbonMenuAction
{
    Q_OBJECT

public:
    enum eMenuType : int
    {
        Button = 0,
        Palette = 1
    };
    enum eMenuSize : int
    {
        Large = 0,
        Medium = 1,
        Small = 2
    };
    enum ePopupType : int
    {
        Menu = 0,
        PalettePopup = 1,
        ViewPopup = 2
    };

    RibbonCatMenuAction(QPointer<QAction> alias, const QIcon& icon, const QString& text,
                        eMenuType menuType, eMenuSize menuSize, ePopupType popupType,
                        QObject* parent);
    RibbonCatMenuAction(QPointer<QAction> alias, eMenuType menuType, eMenuSize menuSize,
                        ePopupType popupType, QObject* parent);
    RibbonCatMenuAction(const QIcon& icon, const QString& text, eMenuType menuType,
                        eMenuSize menuSize, ePopupType popupType, QObject* parent);
    RibbonCatMenuAction(const QString& text, eMenuType menuType, eMenuSize menuSize,
                        ePopupType popupType, QObject* parent);
    RibbonCatMenuAction(eMenuType menuType, eMenuSize menuSize, ePopupType popupType,
                        QObject* parent);
    ~RibbonCatMenuAction() override;

    eMenuType menuType() const { return m_menuType; }
    eMenuSize menuSize() const { return m_menuSize; }
    ePopupType popupType() const { return m_popupType; }

    /// Extra entries above and below the tiles of a view popup (not owned;
    /// null ones are ignored, destroyed ones leave the lists).
    void addTopAction(RibbonSimpleAction* action);
    void addBottomAction(RibbonSimpleAction* action);
    QList<RibbonSimpleAction*> topActions() const;
    QList<RibbonSimpleAction*> bottomActions() const;

    /// Replaces the group whose actions become the tiles of a view popup; the
    /// previous group stays a child of this action.
    void addIconActionGroup(QActionGroup* group);
    QActionGroup* iconActionGroup() const { return m_iconActionGroup; }

    /// Fills @p menu with the children: simple actions as entries, menu
    /// actions as sub-menus (recursively); other children are skipped.
    void fillMenu(QMenu& menu);
    /// A new parentless view popup built from the top, bottom and icon group
    /// actions; the caller owns it.
    RibbonViewPopup* fillMenu();

private:
    void init(eMenuType menuType, eMenuSize menuSize, ePopupType popupType);
    static void fillMenu(QMenu& menu, QPointer<RibbonMenuAction> action);

    eMenuType m_menuType = Button;
    eMenuSize m_menuSize = Large;
    ePopupType m_popupType = Menu;
    // Guarded: the host may destroy an entry while this action lives on.
    QList<QPointer<RibbonSimpleAction>> m_topActions;
    QList<QPointer<RibbonSimpleAction>> m_bottomActions;
    QPointer<QActionGroup> m_iconActionGroup;
};

} // namespace oru
