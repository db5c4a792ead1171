#pragma once

#include "oruGlobal.h"

#include <QMap>
#include <QStackedWidget>

namespace oru {

class RibbonMenuBar;
class RibbonCategoryPanel;
class RibbonCategoriesPanelAction;

/// The page stack below the tab row: one page per tab action added to it,
/// showing the page of the checked tab.
class VAZAVE_EXPORT RibbonCategoryPanels : public QStackedWidget
{
    Q_OBJECT

public:
    /// Made without parent; the bar takes it into its layout.
    explicit RibbonCategoryPanels(RibbonMenuBar& bar);
    ~RibbonCategoryPanels() override;

    /// The ribbon bar the stack belongs to.
    RibbonMenuBar& menuBar() const { return m_menuBar; }
    /// The page of @p action, or null.
    RibbonCategoryPanel* page(RibbonCategoriesPanelAction* action) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    RibbonMenuBar& m_menuBar;
    // Keyed by the QAction face: an action in its destructor is found by
    // address alone.
    QMap<QAction*, RibbonCategoryPanel*> m_pages;
};

} // namespace oru
