#include "oruRibbonCatActionGroup.h"

namespace oru {

RibbonCatActionGroup::RibbonCatActionGroup(const QString& text, QObject* parent)
    : RibbonAction(text, parent)
{
}

RibbonCatActionGroup::RibbonCatActionGroup(QObject* parent) : RibbonAction(parent) {}

RibbonCatActionGroup::~RibbonCatActionGroup()
{
    // The strip lays itself out again when the group leaves it and asks the
    // group for its members: it must leave while the group is whole.
    removeFromWidgets();
}

void RibbonCatActionGroup::setExclusive(bool exclusive)
{
    m_exclusive = exclusive;
    if (!exclusive)
        m_checkedAction = nullptr;
    emit changed();
}

void RibbonCatActionGroup::addAction(RibbonAction* action, bool wide)
{
    if (!action || m_actions.contains(action))
        return;
    m_actions.append(action);
    if (m_exclusive && action->isCheckable() && action->isChecked()) {
        RibbonAction* old = m_checkedAction.data();
        m_checkedAction = action;
        if (old)
            old->setChecked(false);
    }
    connect(action, &QAction::changed, this, &RibbonCatActionGroup::actionChanged);
    connect(action, &RibbonAction::activated, this, &RibbonCatActionGroup::actionActivated);
    // A member destroyed by its owner leaves the group.
    connect(action, &QObject::destroyed, this, &RibbonCatActionGroup::memberDestroyed);
    sendActionChangedEvt();
    m_wide = wide;
    emit changed();
}

void RibbonCatActionGroup::removeAction(RibbonAction* action)
{
    if (!action || !m_actions.contains(action))
        return;
    if (m_exclusive && action->isCheckable() && action == m_checkedAction)
        m_checkedAction = nullptr;
    disconnect(action, nullptr, this, nullptr);
    m_actions.removeOne(action);
    sendActionChangedEvt();
    emit changed();
}

void RibbonCatActionGroup::memberDestroyed(QObject* object)
{
    for (int i = 0; i < m_actions.size(); ++i) {
        if (static_cast<QObject*>(m_actions[i]) == object) {
            if (static_cast<QObject*>(m_checkedAction.data()) == object)
                m_checkedAction = nullptr;
            m_actions.removeAt(i);
            sendActionChangedEvt();
            emit changed();
            return;
        }
    }
}

void RibbonCatActionGroup::actionChanged()
{
    auto* s = qobject_cast<RibbonAction*>(sender());
    if (s && s->isCheckable() && s->isChecked() && m_exclusive && s != m_checkedAction) {
        RibbonAction* old = m_checkedAction.data();
        m_checkedAction = s;
        if (old && old->isChecked())
            old->setChecked(false);
    }
    sendActionChangedEvt();
    emit changed();
}

void RibbonCatActionGroup::actionActivated()
{
    emit activated();
}

} // namespace oru
