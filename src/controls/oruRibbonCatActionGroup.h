#pragma once

#include "oruRibbonAction.h"

#include <QList>

namespace oru {

/// Several small actions shown as one strip of joined buttons, optionally
/// exclusive (checking one member unchecks the checked one). A wide group
/// gives each member a cell with an arrow part, from which menu and colour
/// members open their popups. Members are not owned.
class VAZAVE_EXPORT RibbonCatActionGroup : public RibbonAction
{
    Q_OBJECT

public:
    RibbonCatActionGroup(const QString& text, QObject* parent);
    explicit RibbonCatActionGroup(QObject* parent);
    ~RibbonCatActionGroup() override;

    const QList<RibbonAction*>& actions() const { return m_actions; }
    bool isExclusive() const { return m_exclusive; }
    bool isWide() const { return m_wide; }
    RibbonAction* checkedAction() { return m_checkedAction; }

    void setExclusive(bool exclusive);
    /// Appends @p action (null or present ones are ignored); the last call
    /// decides whether the group is wide.
    void addAction(RibbonAction* action, bool wide = false);
    void removeAction(RibbonAction* action);

private slots:
    void actionChanged();
    void actionActivated();

private:
    void memberDestroyed(QObject* object);

    QList<RibbonAction*> m_actions;
    RibbonAction* m_checkedAction = nullptr;
    bool m_exclusive = false;
    bool m_wide = false;
};

} // namespace oru
