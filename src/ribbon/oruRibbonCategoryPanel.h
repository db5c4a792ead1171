#pragma once

#include "oruRibbonCategoriesPanelAction.h"

#include <QHBoxLayout>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QWidget>

namespace oru {

class RibbonCategoryPanels;
class RibbonCategoriesPanelAction;
class RibbonCategoryAction;
class RibbonCategoryWrapper;
class RibbonCategoryPanel;
class RibbonSimplifiedRow;

/// The layout of a ribbon page: places the category wrappers from left to
/// right and, when the page is too narrow for all of them at full size,
/// collapses categories into buttons, smallest gain first (rightmost first
/// among equal gains); with room again it expands them, smallest gain first.
class VAZAVE_EXPORT RibbonCategoryPanelLayout : public QHBoxLayout
{
public:
    /// The layout of @p page, installed on it.
    explicit RibbonCategoryPanelLayout(RibbonCategoryPanel& page);
    ~RibbonCategoryPanelLayout() override;

    /// Horizontal: a page takes all the width it gets.
    Qt::Orientations expandingDirections() const override;
    /// Collapses or expands categories until they fit into @p rect, then places them.
    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override;
    /// The width of all categories collapsed, with 2-pixel gaps; 85 high.
    QSize minimumSize() const override;
    /// False: a page is 85 pixels high.
    bool hasHeightForWidth() const override;

    /// Appends @p wrapper at the right end (null and present ones are ignored). Not owned: the page
    /// deletes its wrappers.
    void addCategory(RibbonCategoryWrapper* wrapper);
    /// Takes @p wrapper out of the arrangement (not deleted).
    void removeCategory(RibbonCategoryWrapper* wrapper);
    /// The wrappers, left to right.
    const QList<RibbonCategoryWrapper*>& wrappers() const { return m_wrapperList; }

private:
    RibbonCategoryPanel& m_page;
    QList<RibbonCategoryWrapper*> m_wrapperList;
};

/// One ribbon page: a category wrapper for every category of its tab action.
class VAZAVE_EXPORT RibbonCategoryPanel : public QWidget
{
    Q_OBJECT

public:
    /// The page of tab @p action, made by @p stack (which owns it): a wrapper for each category,
    /// following later additions and removals.
    RibbonCategoryPanel(RibbonCategoryPanels& stack, RibbonCategoriesPanelAction& action);
    ~RibbonCategoryPanel() override;

    /// The page stack the page belongs to.
    RibbonCategoryPanels& stack() const { return m_stack; }
    /// The tab action; null once it was destroyed.
    RibbonCategoriesPanelAction* pageAction() const { return m_pageAction.data(); }
    /// The collapsing layout of the page; owned by the page.
    RibbonCategoryPanelLayout* pageLayout() const { return m_pageLayout; }
    /// The wrapper of @p category, or null.
    RibbonCategoryWrapper* wrapper(RibbonCategoryAction* category) const;

    /// Whether the page shows its commands in one row (the simplified ribbon) instead of its
    /// groups.
    bool isSimplified() const { return m_row != nullptr; }
    /// Switches between the groups and the one row. The row is built when switched on and
    /// deleted when switched off; the groups stay, hidden, meanwhile.
    void setSimplified(bool simplified);
    /// The one row while the page is simplified, else null.
    RibbonSimplifiedRow* simplifiedRow() const { return m_row; }

    /// Whether the groups' controls are built. A page builds them when it is
    /// first shown: the pages of tabs that are never selected cost only their
    /// groups' frames.
    bool isBuilt() const { return m_built; }
    /// Builds the controls of every group now, once; groups added later build
    /// theirs as they come.
    void ensureBuilt();

    /// Builds the page before it first shows, so that its first layout
    /// already places the controls.
    void setVisible(bool visible) override;

protected:
    void actionEvent(QActionEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void addCategory(oru::RibbonCategoryAction* category);
    void removeCategory(oru::RibbonCategoryAction* category);

private:
    RibbonCategoryPanels& m_stack;
    QPointer<RibbonCategoriesPanelAction> m_pageAction;
    RibbonCategoryPanelLayout* m_pageLayout = nullptr;
    QMap<QAction*, RibbonCategoryWrapper*> m_wrappers;
    RibbonSimplifiedRow* m_row = nullptr;
    bool m_built = false;
};

} // namespace oru
