#pragma once

#include "oruRibbonAction.h"
#include "oruRibbonCatSimpleAction.h"

#include <QList>
#include <QMap>

namespace oru {

/// The model of one captioned group on a ribbon page: its caption is the
/// action's text, and it holds the group's actions in order, each with the
/// row the layout should put its control in (-1: automatic placement).
class VAZAVE_EXPORT RibbonCategoryAction : public RibbonAction
{
    Q_OBJECT

public:
    /// A group with caption @p text and @p icon (shown when the group is collapsed), owned by @p
    /// parent.
    RibbonCategoryAction(const QIcon& icon, const QString& text, QObject* parent);
    /// A group with caption @p text, owned by @p parent.
    RibbonCategoryAction(const QString& text, QObject* parent);
    /// A group without caption, owned by @p parent.
    explicit RibbonCategoryAction(QObject* parent);
    /// Leaves every page and popup first, deleting the group widgets built for it (and so their
    /// controls); the member actions are not deleted.
    ~RibbonCategoryAction() override;

    /// The member actions in the order they were added.
    const QList<RibbonAction*>& actions() const { return m_actions; }

    /// -1 while no action has a row entry at all; 0 for an action without an
    /// entry; otherwise the row given to addAction.
    int actionRow(RibbonAction* action) const;

    /// Appends @p action (null and duplicates are ignored). The action is not
    /// owned; when it is destroyed it leaves the group by itself.
    void addAction(RibbonAction* action, int row = -1);
    /// Takes @p action out of the group (not deleted); unknown or null ones are ignored.
    void removeAction(RibbonAction* action);
    /// Shows the host's own @p action in the group, as a button of @p size
    /// in @p row (see addAction()); an action with a QAction::menu() gets a
    /// drop-down button, or a split button when it is not its menu's own
    /// QMenu::menuAction() but an action given the menu with setMenu(). The
    /// button follows the action live (text, icon, tips,
    /// shortcut in the screen tip, enabled, visible, checkable, checked) and
    /// uses it with QAction::trigger(), so a checkable action toggles and
    /// its QActionGroup applies; the host's action is never written to.
    ///
    /// Returns the group's member that shows @p action (a key tip may be set
    /// on it); it belongs to the group and goes when @p action is destroyed
    /// or removed with removeCommand(). A RibbonAction is added as it is.
    /// Null, and an action shown in the group already, add nothing; the
    /// member already showing it is returned.
    RibbonAction* addCommand(QAction* action,
                             RibbonCatSimpleAction::eSize size = RibbonCatSimpleAction::Large,
                             int row = -1);
    /// Takes the host's @p action out of the group, deleting the member that
    /// showed it; a RibbonAction is removed as with removeAction().
    void removeCommand(QAction* action);

signals:
    /// Emitted by addAction() once @p action is a member, before changed(); every group widget of
    /// the category builds a control for it.
    void actionAdded(oru::RibbonAction* action);
    /// Emitted by removeAction() once @p action left the group, before changed(). Not emitted when
    /// a member is destroyed: Qt removes its controls by itself.
    void actionRemoved(oru::RibbonAction* action);

private slots:
    void actionChanged();
    void actionActivated();

private:
    void actionDestroyed(RibbonAction* action);

    QList<RibbonAction*> m_actions;
    QMap<RibbonAction*, int> m_rows;
};

} // namespace oru
