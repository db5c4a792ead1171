#include "oruRibbonCategoriesPanelAction.h"

#include "oruRibbonCategoryAction.h"

namespace oru {

RibbonCategoriesPanelAction::RibbonCategoriesPanelAction(const QIcon& icon, const QString& text,
                                                         QObject* parent)
    : RibbonAction(icon, text, parent)
{
    setCheckable(true);
}

RibbonCategoriesPanelAction::RibbonCategoriesPanelAction(const QString& text, QObject* parent)
    : RibbonAction(text, parent)
{
    setCheckable(true);
}

RibbonCategoriesPanelAction::RibbonCategoriesPanelAction(QObject* parent)
    : RibbonAction(parent)
{
    setCheckable(true);
}

RibbonCategoriesPanelAction::~RibbonCategoriesPanelAction() = default;

void RibbonCategoriesPanelAction::addCategory(RibbonCategoryAction* category)
{
    if (!category || m_categories.lastIndexOf(category) >= 0)
        return;
    m_categories.append(category);
    connect(category, &QAction::changed, this, &RibbonCategoriesPanelAction::categoryChanged);
    connect(category, &QObject::destroyed, this,
            [this, category]() { categoryDestroyed(category); });
    emit changed();
    emit categoryAdded(category);
}

void RibbonCategoriesPanelAction::removeCategory(RibbonCategoryAction* category)
{
    if (!category || !m_categories.contains(category))
        return;
    disconnect(category, nullptr, this, nullptr);
    m_categories.removeAll(category);
    emit changed();
    emit categoryRemoved(category);
}

void RibbonCategoriesPanelAction::categoryChanged()
{
    emit changed();
}

void RibbonCategoriesPanelAction::categoryDestroyed(RibbonCategoryAction* category)
{
    // Its pages were told by Qt already; only forget the address.
    if (m_categories.removeAll(category) > 0)
        emit changed();
}

} // namespace oru
