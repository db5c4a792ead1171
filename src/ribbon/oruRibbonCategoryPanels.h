#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>
#include <QMap>
#include <QStackedWidget>

class QPainter;

namespace oru {

class RibbonMenuBar;
class RibbonSimplifiedToggle;
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

    /// Whether every page shows its commands in one row (see RibbonMenuBar::setSimplified()).
    bool isSimplified() const { return m_simplified; }
    /// Switches every page, present and later, and the stack's height: 92 pixels with groups,
    /// SimplifiedHeight with one row.
    void setSimplified(bool simplified);

    /// Whether the classic/simplified switch shows at the right end of the page area.
    bool isSimplifiedToggleVisible() const;
    /// Shows or hides the switch; the pages' right margin makes room for it.
    void setSimplifiedToggleVisible(bool visible);
    /// The switch (created when first shown), or null.
    QAbstractButton* simplifiedToggle() const;

    /// The stack's height in the simplified ribbon: the row of 22-pixel controls with room above
    /// and below.
    static constexpr int SimplifiedHeight = 35;
    /// The room the switch takes at the right end of the pages, when it shows.
    static constexpr int ToggleRoom = 20;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    RibbonMenuBar& m_menuBar;
    // Keyed by the QAction face: an action in its destructor is found by
    // address alone.
    QMap<QAction*, RibbonCategoryPanel*> m_pages;
    bool m_simplified = false;
    RibbonSimplifiedToggle* m_toggle = nullptr;

    void placeToggle();
    // The selected tab's frame carried over the page's top edge under it.
    void paintTabJoin(QPainter& painter) const;
};

} // namespace oru
