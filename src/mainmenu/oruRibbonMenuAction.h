#pragma once

#include "oruRibbonAction.h"

#include <QList>
#include <QPointer>

namespace oru {

/// An action that holds an ordered list of child actions: the content of the
/// application menu, of the recent-files column, of a sub-menu and of the
/// ribbon's menu buttons.
///
/// One child may be the default action (run by the caption part of a split
/// item). In an exclusive menu the checkable children behave as a radio
/// group. Any use of a child is re-emitted as activated(), and its trigger as
/// triggered(child). A child destroyed while in the list leaves it.
class VAZAVE_EXPORT RibbonMenuAction : public RibbonAction
{
    Q_OBJECT

public:
    /// Stands for @p alias with icon and text of its own (see RibbonAction); owned by @p parent.
    RibbonMenuAction(QPointer<QAction> alias, const QIcon& icon, const QString& text,
                     QObject* parent);
    /// Stands for @p alias, copying its text and icon; owned by @p parent.
    RibbonMenuAction(QPointer<QAction> alias, QObject* parent);
    /// An empty menu with @p icon and @p text; owned by @p parent.
    RibbonMenuAction(const QIcon& icon, const QString& text, QObject* parent);
    /// An empty menu with @p text; owned by @p parent.
    RibbonMenuAction(const QString& text, QObject* parent);
    /// An empty menu without text; owned by @p parent.
    explicit RibbonMenuAction(QObject* parent);
    ~RibbonMenuAction() override;

    /// The children, in order of addition, each at most once.
    const QList<RibbonAction*>& menuActions() const { return m_menuActions; }

    /// The default action, or null (also once it was destroyed or removed).
    RibbonAction* defaultAction() { return m_defaultAction.data(); }
    /// The default action, or null.
    const RibbonAction* defaultAction() const { return m_defaultAction.data(); }
    /// Makes @p action the default action (null: none). It is not added as a child; pass isDefault
    /// to addAction() for that.
    void setDefaultAction(RibbonAction* action);

    /// Appends @p action unless it is null or already a child (then
    /// @p isDefault is ignored too).
    void addAction(RibbonAction* action, bool isDefault = false);
    /// Takes @p action out of the children (not deleted), forgetting it as default or checked
    /// action; refreshes the widgets and emits changed(). Unknown ones are ignored.
    void removeAction(RibbonAction* action);

    /// Appends the host's own @p action: its entry follows the action live
    /// and uses it with QAction::trigger() (see
    /// RibbonCategoryAction::addCommand()); an action with a QAction::menu()
    /// becomes a sub-menu of its menu's actions. Returns the child that shows
    /// @p action; it belongs to this menu and goes when @p action is
    /// destroyed or removed. A RibbonAction is added as it is; null adds
    /// nothing, and an action shown already returns the child showing it.
    RibbonAction* addCommand(QAction* action);
    /// Takes the host's @p action out, deleting the child that showed it; a
    /// RibbonAction is removed as with removeAction().
    void removeCommand(QAction* action);

    /// True when the checkable children act as a radio group.
    bool isExclusive() const { return m_exclusive; }
    /// Makes the children a radio group or not; turning it off forgets checkedAction(). Emits
    /// changed().
    void setExclusive(bool exclusive);
    /// The checked child of an exclusive menu, or null.
    RibbonAction* checkedAction() { return m_checkedAction.data(); }
    /// The checked child of an exclusive menu, or null.
    const RibbonAction* checkedAction() const { return m_checkedAction.data(); }

    /// Without the flag: whether the default action is checkable and checked.
    /// With it: whether any child is checked.
    void setToBeToggled(bool toBeToggled);
    /// See setToBeToggled(); the menu buttons draw themselves checked while it is true.
    bool toBeToggled() const;

signals:
    /// Emitted when the child @p action was triggered, right after the child's own triggered().
    /// (The inherited QAction::triggered(bool) is the menu's own.)
    void triggered(oru::RibbonAction* action);

protected:
    /// Handles a change of the child @p action: in an exclusive menu a newly checked child unchecks
    /// the previous one and becomes checkedAction(). Then the widgets are refreshed and changed()
    /// is emitted.
    void actionChanged(RibbonAction* action);

private slots:
    void actionChanged();
    void actionActivated();
    void actionTriggered();

private:
    void clearFields();
    void childDestroyed(QObject* child);
    void disconnectChild(RibbonAction* action);

    QPointer<RibbonAction> m_defaultAction;
    QList<RibbonAction*> m_menuActions;
    // The children as QObjects, parallel to m_menuActions: a child being
    // destroyed is only a QObject any more and is found by this identity.
    QList<QObject*> m_menuObjects;
    QPointer<RibbonAction> m_checkedAction;
    bool m_exclusive = false;
    bool m_toBeToggled = false;
};

} // namespace oru
