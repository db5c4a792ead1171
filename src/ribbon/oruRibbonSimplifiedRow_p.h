#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace oru {

class RibbonAction;
class RibbonCategoriesPanelAction;
class RibbonCategoryAction;

/// The "…" button at the end of a simplified row: opens the menu of the
/// commands that did not fit.
class VAZAVE_EXPORT RibbonSimplifiedOverflowButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit RibbonSimplifiedOverflowButton(QWidget* parent);
    QSize sizeHint() const override;
    /// The open menu, or null.
    QMenu* menu() const { return m_menu.data(); }
    /// Opens the menu below the button (aboutToShowMenu() fills it); it is deleted when it closes.
    void openMenu();

signals:
    /// Asks for the menu's entries, just before it opens.
    void aboutToShowMenu(QMenu* menu);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPointer<QMenu> m_menu;
};

/// The chevron at the right end of the page area that switches between the
/// classic and the simplified ribbon: pointing up (make the ribbon smaller)
/// in the classic ribbon, down in the simplified one.
class VAZAVE_EXPORT RibbonSimplifiedToggle : public QAbstractButton
{
    Q_OBJECT

public:
    explicit RibbonSimplifiedToggle(QWidget* parent);
    QSize sizeHint() const override;
    /// Points down and says so in its tool tip while @p simplified.
    void setSimplifiedLook(bool simplified);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_simplified = false;
};

/// A tab's commands in the simplified ribbon: every group's controls in one
/// row of the small button height, groups parted by thin separators, large and
/// medium buttons shown with icon and text beside it. When the row is too
/// narrow, captions are dropped and then controls move into the "…" menu at
/// the row's end, in the same order: low QAction::priority() first and, among
/// equal priorities, later controls of later groups first. A control whose
/// action has QAction::LowPriority shows its icon only (when it has one), as in
/// Qt's tool bars.
class VAZAVE_EXPORT RibbonSimplifiedRow : public QWidget
{
    Q_OBJECT

public:
    /// The row of @p tab's commands, a child of @p parent; follows the tab's groups and their
    /// actions as they are added and removed.
    RibbonSimplifiedRow(RibbonCategoriesPanelAction& tab, QWidget* parent);
    ~RibbonSimplifiedRow() override;

    /// The control built for @p action, or null.
    QWidget* control(RibbonAction* action) const;
    /// The actions whose controls did not fit, in page order.
    QList<RibbonAction*> overflowActions() const;
    /// The "…" button (hidden while everything fits).
    RibbonSimplifiedOverflowButton* overflowButton() const { return m_overflow; }
    /// The group that @p action belongs to on this row, or null.
    RibbonCategoryAction* groupOf(RibbonAction* action) const;
    /// Whether @p action's control shows its caption now.
    bool showsText(RibbonAction* action) const;
    /// The x ranges of the separators between groups, in the row's coordinates.
    const QList<QRect>& separators() const { return m_separators; }

    /// Every control in one row with its caption, 22 pixels high.
    QSize sizeHint() const override;
    /// The "…" button alone.
    QSize minimumSizeHint() const override;

    /// The height of the controls' row.
    static constexpr int RowHeight = 22;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    struct Item
    {
        QPointer<RibbonAction> action;
        // The same object seen as a QAction: found by address while it is
        // being destroyed.
        QAction* face = nullptr;
        QPointer<QWidget> control;
        int group = 0;
        int full = 0;     // width with the caption
        int compact = 0;  // width without it (the same when it cannot be dropped)
        int priority = 0; // QAction::priority()
        bool droppable = false;
        bool textShown = true;
        bool overflowed = false;
    };

    void rebuild();
    void measure(Item& item);
    int rowWidth() const;
    void relayout();
    void fillOverflowMenu(QMenu* menu);
    static void setTextShown(const Item& item, bool shown);

    QPointer<RibbonCategoriesPanelAction> m_tab;
    std::vector<Item> m_items;
    QList<QRect> m_separators;
    RibbonSimplifiedOverflowButton* m_overflow = nullptr;
    // Parent of the row's connections to groups and actions, replaced on
    // every rebuild so that the old ones go with it.
    QObject* m_links = nullptr;
    bool m_rebuilding = false;
};

} // namespace oru
