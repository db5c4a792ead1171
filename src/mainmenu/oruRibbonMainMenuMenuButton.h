#pragma once

#include "oruRibbonMenuContainer.h"
#include "oruRibbonMenuItem.h"

#include <QFont>
#include <QPointer>
#include <QTimer>

#include <memory>

class QScrollArea;
class QVBoxLayout;

namespace oru {

class RibbonMainMenuButton;
class RibbonMenuAction;
class RibbonPanelMain;
class RibbonMainMenuMenuButton;

/// The sub-menu popup of a RibbonMainMenuMenuButton: the simple children of the item's menu action,
/// each with its bold title and description, under the item's tool tip.
class VAZAVE_EXPORT RibbonMainPopupMenu : public RibbonManuContainer
{
    Q_OBJECT

public:
    /// The hidden popup (a Qt::Popup window) of @p owner, which owns it; shown by
    /// RibbonMainMenuMenuButton::showPopup().
    explicit RibbonMainPopupMenu(RibbonMainMenuMenuButton& owner);
    ~RibbonMainPopupMenu() override;

    /// Fixes the content width to the popup's, less room for the
    /// vertical scroll bar when the content is too high.
    void setSize(const QSize& size);
    /// The items of the popup, top to bottom; children of the popup's scrolled content.
    const QList<RibbonMainMenuButton*>& items() const { return m_items; }

signals:
    /// Emitted whenever the popup hides, after it stopped being s_CurrentMainPopup.
    void hidden();
    /// Emitted when a press outside the popup and outside the owner's arrow part closed it: the
    /// whole application menu is to close (the owner passes it on).
    void closePopup();

public slots:
    /// Gives the keyboard highlight to the item under the mouse; connected to the items'
    /// mouseMoved().
    void onMouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    RibbonMainMenuMenuButton& m_owner;
    QVBoxLayout* m_layout = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    QWidget* m_content = nullptr;
    QList<RibbonMainMenuButton*> m_items; // children of m_content
    QFont m_titleFont;
};

/// A sub-menu item of the application menu, drawn as a split button: the
/// caption part runs the menu's default action, the menu part (the right 24
/// pixels, with an arrow) opens the sub-menu popup over the recent-files
/// column. Hovering opens the popup as soon as the event loop is idle.
class VAZAVE_EXPORT RibbonMainMenuMenuButton : public RibbonMainMenuItem
{
    Q_OBJECT

public:
    /// The sub-menu popup (moc knows no nested classes; declared above).
    using RibbonMainPopupMenu = oru::RibbonMainPopupMenu;

    /// The item of @p action in the application menu @p panel. An item of the left column (@p
    /// inMainPanel true) owns its hidden sub-menu popup. Made without parent.
    RibbonMainMenuMenuButton(RibbonMenuAction& action, RibbonPanelMain& panel, bool inMainPanel);
    ~RibbonMainMenuMenuButton() override;

    /// The sub-menu popup shown at the moment; null when none is.
    static RibbonMainPopupMenu* s_CurrentMainPopup;

    /// The menu action; null once it was destroyed or taken off the item.
    RibbonMenuAction* action() const;
    /// The application menu the item belongs to.
    RibbonPanelMain& panel() const { return m_panel; }
    /// True for an item of the left column.
    bool inMainPanel() const { return m_inMainPanel; }

    /// The item's sub-menu popup (owned by the item); null for an item inside a popup.
    RibbonMainPopupMenu* popupMenu() const { return m_popup.get(); }
    /// The popup's current size; (-1, -1) without popup.
    QSize popupSize() const;
    /// The caption part, which runs the default action; in item coordinates.
    QRect captionRect() const
    {
        return isRightToLeft() ? QRect(24, 0, width() - 24, height())
                               : QRect(0, 0, width() - 24, height());
    }
    /// The menu part with the arrow, which opens the popup; in item coordinates.
    QRect menuRect() const { return QRect(isRightToLeft() ? 0 : width() - 24, 0, 24, height()); }

    QSize sizeHint() const override;

signals:
    /// Passed on from the popup's closePopup(); the application menu closes on it.
    void closePopup();

public slots:
    /// Shows the sub-menu popup over the recent-files column, with the column's size, and gives it
    /// the focus. Does nothing while it is visible or without popup.
    void showPopup();
    /// Repaints the item; connected to the popup's hidden().
    void popupClosed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    QAction* enabledDefaultAction() const;

    QPointer<QAction> m_action;
    RibbonPanelMain& m_panel;
    const bool m_inMainPanel;
    QTimer m_hoverTimer;
    // Declared after the timer: the popup is a child widget, destroyed
    // before the item's QObject part; the unique_ptr destroys it earlier,
    // while the item is still whole.
    std::unique_ptr<RibbonMainPopupMenu> m_popup;
};

} // namespace oru
