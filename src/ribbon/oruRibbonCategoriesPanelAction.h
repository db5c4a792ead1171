#pragma once

#include "oruRibbonAction.h"

#include <QList>

namespace oru {

class RibbonCategoryAction;

/// A ribbon tab: a checkable action whose text is the tab caption and which
/// holds the categories of its page in order (not owned).
class VAZAVE_EXPORT RibbonCategoriesPanelAction : public RibbonAction
{
    Q_OBJECT

public:
    RibbonCategoriesPanelAction(const QIcon& icon, const QString& text, QObject* parent);
    RibbonCategoriesPanelAction(const QString& text, QObject* parent);
    explicit RibbonCategoriesPanelAction(QObject* parent);
    ~RibbonCategoriesPanelAction() override;

    const QList<RibbonCategoryAction*>& categories() const { return m_categories; }

    /// Appends @p category (null and duplicates are ignored). A category
    /// that is destroyed leaves the page by itself.
    void addCategory(RibbonCategoryAction* category);
    void removeCategory(RibbonCategoryAction* category);

signals:
    void categoryAdded(oru::RibbonCategoryAction* category);
    void categoryRemoved(oru::RibbonCategoryAction* category);

private slots:
    void categoryChanged();

private:
    void categoryDestroyed(RibbonCategoryAction* category);

    QList<RibbonCategoryAction*> m_categories;
};

} // namespace oru
