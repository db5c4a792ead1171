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

/// The layout of a ribbon page: places the category wrappers from left to
/// right and, when the page is too narrow for all of them at full size,
/// collapses categories into buttons, smallest gain first (rightmost first
/// among equal gains); with room again it expands them, smallest gain first.
class VAZAVE_EXPORT RibbonCategoryPanelLayout : public QHBoxLayout
{
public:
    explicit RibbonCategoryPanelLayout(RibbonCategoryPanel& page);
    ~RibbonCategoryPanelLayout() override;

    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override;

    void addCategory(RibbonCategoryWrapper* wrapper);
    void removeCategory(RibbonCategoryWrapper* wrapper);
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
    RibbonCategoryPanel(RibbonCategoryPanels& stack, RibbonCategoriesPanelAction& action);
    ~RibbonCategoryPanel() override;

    RibbonCategoryPanels& stack() const { return m_stack; }
    /// The tab action; null once it was destroyed.
    RibbonCategoriesPanelAction* pageAction() const { return m_pageAction.data(); }
    RibbonCategoryPanelLayout* pageLayout() const { return m_pageLayout; }
    /// The wrapper of @p category, or null.
    RibbonCategoryWrapper* wrapper(RibbonCategoryAction* category) const;

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
};

} // namespace oru
