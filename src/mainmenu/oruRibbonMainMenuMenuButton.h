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
    explicit RibbonMainPopupMenu(RibbonMainMenuMenuButton& owner);
    ~RibbonMainPopupMenu() override;

    /// Fixes the content width to the popup's, less room for the
    /// vertical scroll bar when the content is too high.
    void setSize(const QSize& size);
    const QList<RibbonMainMenuButton*>& items() const { return m_items; }

signals:
    void hidden();
    void closePopup();

public slots:
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

    RibbonMainMenuMenuButton(RibbonMenuAction& action, RibbonPanelMain& panel, bool inMainPanel);
    ~RibbonMainMenuMenuButton() override;

    /// The sub-menu popup shown at the moment; null when none is.
    static RibbonMainPopupMenu* s_CurrentMainPopup;

    /// The menu action; null once it was destroyed or taken off the item.
    RibbonMenuAction* action() const;
    RibbonPanelMain& panel() const { return m_panel; }
    bool inMainPanel() const { return m_inMainPanel; }

    RibbonMainPopupMenu* popupMenu() const { return m_popup.get(); }
    QSize popupSize() const;
    QRect captionRect() const { return QRect(0, 0, width() - 24, height()); }
    QRect menuRect() const { return QRect(width() - 24, 0, 24, height()); }

    QSize sizeHint() const override;

signals:
    void closePopup();

public slots:
    void showPopup();
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
