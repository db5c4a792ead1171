#pragma once

#include "oruRibbonMenuItem.h"

#include <QPointer>

namespace oru {

class RibbonPanelMain;
class RibbonSimpleAction;

/// A plain item of the application menu: icon and text in the main panel's
/// left column, or icon, bold title and a two-line description (the tool
/// tip) inside a sub-menu. A click triggers the action.
class VAZAVE_EXPORT RibbonMainMenuButton : public RibbonMainMenuItem
{
    Q_OBJECT

public:
    /// The item of @p action in the application menu @p panel: in its left column when @p
    /// inMainPanel is true, else in a sub-menu popup. Made without parent; the layout it is put
    /// into gives it one.
    RibbonMainMenuButton(RibbonSimpleAction& action, RibbonPanelMain& panel, bool inMainPanel);
    ~RibbonMainMenuButton() override;

    /// The action shown; null once it was destroyed or taken off the item.
    QAction* action() const { return m_action.data(); }
    /// The application menu the item belongs to.
    RibbonPanelMain& panel() const { return m_panel; }
    /// True for an item of the left column, false for one inside a sub-menu popup.
    bool inMainPanel() const { return m_inMainPanel; }

    QSize sizeHint() const override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    // Held by its QAction face: while being destroyed the action is no
    // RibbonSimpleAction any more but must still be recognised.
    QPointer<QAction> m_action;
    RibbonPanelMain& m_panel;
    const bool m_inMainPanel;
    // Follow font(); kept for paint and size hint.
    QFont m_boldFont;
    int m_boldLineHeight = 0;
    int m_twoLineHeight = 0; ///< two description lines as the layout stacks them
};

} // namespace oru
