#include "oruRibbonContextualTabGroup.h"

#include "oruRibbonCategoriesPanelAction.h"

namespace oru {

RibbonContextualTabGroup::RibbonContextualTabGroup(const QString& title, const QColor& color,
                                                   QObject* parent)
    : QObject(parent), m_title(title), m_color(color)
{
}

RibbonContextualTabGroup::~RibbonContextualTabGroup() = default;

void RibbonContextualTabGroup::setTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit changed();
}

void RibbonContextualTabGroup::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit changed();
}

void RibbonContextualTabGroup::addTab(RibbonCategoriesPanelAction* tab)
{
    if (!tab || m_tabs.contains(tab))
        return;
    m_tabs.append(tab);
    connect(tab, &QObject::destroyed, this, &RibbonContextualTabGroup::tabDestroyed);
    emit changed();
}

void RibbonContextualTabGroup::removeTab(RibbonCategoriesPanelAction* tab)
{
    if (!tab || !m_tabs.removeAll(tab))
        return;
    disconnect(tab, &QObject::destroyed, this, &RibbonContextualTabGroup::tabDestroyed);
    emit changed();
}

void RibbonContextualTabGroup::tabDestroyed(QObject* tab)
{
    if (m_tabs.removeAll(tab))
        emit changed();
}

QList<RibbonCategoriesPanelAction*> RibbonContextualTabGroup::tabs() const
{
    QList<RibbonCategoriesPanelAction*> list;
    for (QObject* tab : m_tabs)
        if (auto* action = qobject_cast<RibbonCategoriesPanelAction*>(tab))
            list.append(action);
    return list;
}

bool RibbonContextualTabGroup::contains(const QAction* tab) const
{
    return tab && m_tabs.contains(const_cast<QAction*>(tab));
}

void RibbonContextualTabGroup::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit visibleChanged(visible);
}

} // namespace oru
