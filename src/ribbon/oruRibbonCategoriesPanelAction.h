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
    /// A checkable tab action with @p icon and caption @p text, owned by @p parent.
    RibbonCategoriesPanelAction(const QIcon& icon, const QString& text, QObject* parent);
    /// A checkable tab action with caption @p text, owned by @p parent.
    RibbonCategoriesPanelAction(const QString& text, QObject* parent);
    /// A checkable tab action without caption, owned by @p parent.
    explicit RibbonCategoriesPanelAction(QObject* parent);
    /// Its tab button and page leave the ribbon bar; the categories are not deleted.
    ~RibbonCategoriesPanelAction() override;

    /// The categories of the page, left to right.
    const QList<RibbonCategoryAction*>& categories() const { return m_categories; }

    /// Appends @p category (null and duplicates are ignored). A category
    /// that is destroyed leaves the page by itself.
    void addCategory(RibbonCategoryAction* category);
    /// Takes @p category off the page (not deleted); unknown or null ones are ignored.
    void removeCategory(RibbonCategoryAction* category);

signals:
    /// Emitted by addCategory() after changed(), once @p category is in categories(); every page
    /// built for the tab adds a group for it.
    void categoryAdded(oru::RibbonCategoryAction* category);
    /// Emitted by removeCategory() after changed(), once @p category left categories(). Not emitted
    /// when a category is destroyed: its widgets then leave the pages by themselves.
    void categoryRemoved(oru::RibbonCategoryAction* category);

private slots:
    void categoryChanged();

private:
    void categoryDestroyed(RibbonCategoryAction* category);

    QList<RibbonCategoryAction*> m_categories;
};

} // namespace oru
