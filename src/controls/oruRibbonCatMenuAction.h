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
    /// How the action shows in a ribbon group.
    enum eMenuType : int
    {
        /// A menu button; split when the action has a default action, which the caption part
        /// triggers while the arrow part opens the popup.
        Button = 0,
        /// An in-ribbon palette of the children's icons with scroll buttons at its right edge.
        Palette = 1
    };
    /// The button size.
    enum eMenuSize : int
    {
        /// 66 high: 32x32 icon above the text.
        Large = 0,
        /// 22 high: 16x16 icon with the text beside it.
        Medium = 1,
        /// 22 high: 16x16 icon only.
        Small = 2
    };
    /// What opens from the button's arrow (or the palette's bottom button).
    enum ePopupType : int
    {
        /// A QMenu of the children (see fillMenu(QMenu&)).
        Menu = 0,
        /// A RibbonCatMenuPalettePopup gallery of the children.
        PalettePopup = 1,
        /// A RibbonViewPopup with the icon group's actions as tiles (see fillMenu()).
        ViewPopup = 2
    };

    /// Stands for @p alias with icon and text of its own; owned by @p parent.
    RibbonCatMenuAction(QPointer<QAction> alias, const QIcon& icon, const QString& text,
                        eMenuType menuType, eMenuSize menuSize, ePopupType popupType,
                        QObject* parent);
    /// Stands for @p alias, copying its text and icon; owned by @p parent.
    RibbonCatMenuAction(QPointer<QAction> alias, eMenuType menuType, eMenuSize menuSize,
                        ePopupType popupType, QObject* parent);
    /// A menu with @p icon and @p text, without alias; owned by @p parent.
    RibbonCatMenuAction(const QIcon& icon, const QString& text, eMenuType menuType,
                        eMenuSize menuSize, ePopupType popupType, QObject* parent);
    /// A menu with @p text, without alias; owned by @p parent.
    RibbonCatMenuAction(const QString& text, eMenuType menuType, eMenuSize menuSize,
                        ePopupType popupType, QObject* parent);
    /// A menu without text or alias; owned by @p parent.
    RibbonCatMenuAction(eMenuType menuType, eMenuSize menuSize, ePopupType popupType,
                        QObject* parent);
    ~RibbonCatMenuAction() override;

    /// The presentation given to the constructor.
    eMenuType menuType() const { return m_menuType; }
    /// The size given to the constructor.
    eMenuSize menuSize() const { return m_menuSize; }
    /// The popup kind given to the constructor.
    ePopupType popupType() const { return m_popupType; }

    /// Extra entries above and below the tiles of a view popup (not owned;
    /// null ones are ignored, destroyed ones leave the lists).
    void addTopAction(RibbonSimpleAction* action);
    /// See addTopAction().
    void addBottomAction(RibbonSimpleAction* action);
    /// The living entries above the tiles, in order.
    QList<RibbonSimpleAction*> topActions() const;
    /// The living entries below the tiles, in order.
    QList<RibbonSimpleAction*> bottomActions() const;

    /// Replaces the group whose actions become the tiles of a view popup; the
    /// previous group stays a child of this action.
    void addIconActionGroup(QActionGroup* group);
    /// The group given to addIconActionGroup(), or null (also once it was destroyed).
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
