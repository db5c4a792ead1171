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
    RibbonMenuAction(QPointer<QAction> alias, const QIcon& icon, const QString& text,
                     QObject* parent);
    RibbonMenuAction(QPointer<QAction> alias, QObject* parent);
    RibbonMenuAction(const QIcon& icon, const QString& text, QObject* parent);
    RibbonMenuAction(const QString& text, QObject* parent);
    explicit RibbonMenuAction(QObject* parent);
    ~RibbonMenuAction() override;

    /// The children, in order of addition, each at most once.
    const QList<RibbonAction*>& menuActions() const { return m_menuActions; }

    RibbonAction* defaultAction() { return m_defaultAction.data(); }
    const RibbonAction* defaultAction() const { return m_defaultAction.data(); }
    void setDefaultAction(RibbonAction* action);

    /// Appends @p action unless it is null or already a child (then
    /// @p isDefault is ignored too).
    void addAction(RibbonAction* action, bool isDefault = false);
    void removeAction(RibbonAction* action);

    bool isExclusive() const { return m_exclusive; }
    void setExclusive(bool exclusive);
    RibbonAction* checkedAction() { return m_checkedAction.data(); }
    const RibbonAction* checkedAction() const { return m_checkedAction.data(); }

    /// Without the flag: whether the default action is checkable and checked.
    /// With it: whether any child is checked.
    void setToBeToggled(bool toBeToggled);
    bool toBeToggled() const;

signals:
    void triggered(oru::RibbonAction* action);

protected:
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
