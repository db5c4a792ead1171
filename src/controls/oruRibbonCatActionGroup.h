#pragma once

#include "oruRibbonAction.h"

#include <QList>
#include <QPointer>

namespace oru {

/// Several small actions shown as one strip of joined buttons, optionally
/// exclusive (checking one member unchecks the checked one). A wide group
/// gives each member a cell with an arrow part, from which menu and colour
/// members open their popups. Members are not owned.
class VAZAVE_EXPORT RibbonCatActionGroup : public RibbonAction
{
    Q_OBJECT

public:
    /// An empty, non-exclusive group named @p text, owned by @p parent.
    RibbonCatActionGroup(const QString& text, QObject* parent);
    /// An empty, non-exclusive group without name, owned by @p parent.
    explicit RibbonCatActionGroup(QObject* parent);
    ~RibbonCatActionGroup() override;

    /// The members, left to right.
    const QList<RibbonAction*>& actions() const { return m_actions; }
    /// True when checking one member unchecks the previously checked one.
    bool isExclusive() const { return m_exclusive; }
    /// True when the members get cells with an arrow part (see addAction()).
    bool isWide() const { return m_wide; }
    /// The checked member of an exclusive group; null when none is checked, when the group is not
    /// exclusive, or once that member left the group.
    RibbonAction* checkedAction() { return m_checkedAction.data(); }

    /// Makes the group exclusive or not; turning it off forgets checkedAction(). Emits changed().
    void setExclusive(bool exclusive);
    /// Appends @p action (null or present ones are ignored); the last call
    /// decides whether the group is wide.
    void addAction(RibbonAction* action, bool wide = false);
    /// Takes @p action out of the group (not deleted) and refreshes the strips; unknown ones are
    /// ignored. A destroyed member leaves by itself.
    void removeAction(RibbonAction* action);

private slots:
    void actionChanged();
    void actionActivated();

private:
    void memberDestroyed(QObject* object);

    QList<RibbonAction*> m_actions;
    // Guarded: a member that stopped being checkable is not forgotten when it
    // leaves, and its owner may destroy it afterwards.
    QPointer<RibbonAction> m_checkedAction;
    bool m_exclusive = false;
    bool m_wide = false;
};

} // namespace oru
