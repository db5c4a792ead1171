#pragma once

#include "oruRibbonCategoryAction.h"

#include <QMap>
#include <QPointer>
#include <QWidget>

namespace oru {

class RibbonCategoryLayout;

/// One captioned group of controls on a ribbon page: builds a control for
/// every action of its category action, lays them out and paints the group
/// frame with the caption along the bottom. It mirrors the category action
/// and never owns the actions.
class VAZAVE_EXPORT RibbonCategory : public QWidget
{
    Q_OBJECT

public:
    /// Builds a control for every action of @p action, and follows the action's later additions and
    /// removals. The controls are children of the group and deleted with it; the group is a child
    /// of @p parent.
    RibbonCategory(QWidget* parent, RibbonCategoryAction& action);
    ~RibbonCategory() override;

    /// The category action; null once it was destroyed.
    RibbonCategoryAction* categoryAction() const { return m_categoryAction.data(); }
    /// The layout that arranges the controls; owned by the group.
    RibbonCategoryLayout* categoryLayout() const { return m_layout; }

    /// The action whose control is @p widget, or null.
    RibbonAction* action(QWidget* widget) const;
    /// The control built for @p action, or null.
    QWidget* widget(RibbonAction* action) const;
    /// The row the category action gives @p action (see RibbonCategoryAction).
    int actionRow(RibbonAction* action) const;

    QSize sizeHint() const override;

    /// Whether the controls are built. A group on a page that was never shown
    /// waits with its controls until the page is first shown (see
    /// RibbonCategoryPanel::ensureBuilt()); every other group builds them
    /// as its actions come.
    bool isBuilt() const { return !m_deferred; }
    /// Builds the controls of every action the group holds, once.
    void ensureBuilt();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private slots:
    void addRibbonAction(oru::RibbonAction* action);
    void removeRibbonAction(oru::RibbonAction* action);

private:
    QPointer<RibbonCategoryAction> m_categoryAction;
    RibbonCategoryLayout* m_layout = nullptr;
    // Keyed by the QAction face so that an action in its destructor can be
    // found without a cast.
    QMap<QAction*, QPointer<QWidget>> m_widgets;
    QString m_caption; // the caption last measured and painted
    bool m_deferred = false; // controls wait for ensureBuilt()
};

} // namespace oru
