#pragma once

#include "oruRibbonAction.h"

#include <QFont>
#include <QFontMetrics>
#include <QMap>
#include <QPointer>
#include <QSpacerItem>
#include <QWidget>

#include <memory>

class QActionGroup;
class QGridLayout;
class QHBoxLayout;

namespace oru {

class RibbonButtonMain;
class RibbonCategoryPanels;
class RibbonContextualTabGroup;
class RibbonKeyTips;
class RibbonMenuBarExtras;
class RibbonSimpleAction;
class RibbonMainWindow;
class RibbonMenuAction;
class RibbonMenuBarButton;
class RibbonQuickAccessBar;
class RibbonSysButton;

/// The whole top band of the main window: application button, quick access
/// bar, caption, system buttons, the row of tabs with a few extra controls at
/// its right end, and the page of the selected tab.
///
/// Fill it with addAction(): every RibbonCategoriesPanelAction becomes a tab
/// (a button in the tab row and a page in the page stack), exactly one tab
/// being checked at a time; the help action becomes a small button at the
/// right end of the tab row. Dragging the caption moves the main window,
/// double-clicking it maximizes or restores the window.
class VAZAVE_EXPORT RibbonMenuBar : public QWidget
{
    Q_OBJECT

public:
    /// The ribbon bar of @p mainWindow, which creates it and owns it. It builds the application
    /// button, the quick access bar, the system buttons, the page stack and the two entry
    /// containers of the application menu, all owned by the bar.
    explicit RibbonMenuBar(RibbonMainWindow& mainWindow);
    ~RibbonMenuBar() override;

    /// The main window the bar belongs to.
    RibbonMainWindow& ribbonMainWindow() const { return m_mainWindow; }
    /// The quick access bar in the caption; owned by the bar. Add actions to it.
    RibbonQuickAccessBar* quickAccessBar() const { return m_quickAccessBar; }
    /// The application button in the top-left corner.
    RibbonButtonMain* mainButton() const { return m_mainButton; }
    /// The entries of the application menu's left column.
    RibbonMenuAction& mainMenuActions() const { return *m_mainMenuActionsContainer; }
    /// The entries of the application menu's recent-files column.
    RibbonMenuAction& recentFilesActions() const { return *m_recentFilesActionsContainer; }
    /// The page stack below the tab row.
    RibbonCategoryPanels* panels() const { return m_panels; }
    /// The exclusive group of all tab actions.
    QActionGroup* categoryGroup() const { return m_categoryGroup; }

    /// The action of the application menu's exit button, or null.
    RibbonAction* exitAction() const;
    /// The action of the help button in the tab row, or null.
    RibbonAction* helpAction() const;
    /// The action of the application menu's options button, or null.
    RibbonAction* optionsAction() const;
    /// The combo action of the search box in the tab row, or null.
    RibbonAction* findComboAction() const;
    /// The menu action of the search button in the tab row, or null.
    RibbonAction* findAction() const;

    /// Only stored; the application menu reads them.
    void setExitAction(RibbonAction* action);
    /// Only stored, like setExitAction(); not owned, and forgotten when destroyed.
    void setOptionsAction(RibbonAction* action);
    /// Stored and added to the bar, which builds its widget in the tab row;
    /// a different earlier action is removed first.
    void setHelpAction(RibbonAction* action);
    /// As setHelpAction(): a RibbonCatComboAction becomes a combo box in the tab row.
    void setFindComboAction(RibbonAction* action);
    /// As setHelpAction(): a RibbonCatMenuAction becomes a menu button in the tab row.
    void setFindAction(RibbonAction* action);

    /// The key sequence that opens the application menu.
    void setMainButtonShortcut(const QKeySequence& shortcut);
    /// The icon on the application button.
    void setAppIcon(const QIcon& icon);

    /// The caption area (between the quick access bar and the system
    /// buttons), in bar coordinates.
    QRect captionGeometry() const;
    /// Height of the caption area, captionGeometry().height().
    int captionHeight() const;
    /// True while the main window is maximized.
    bool isMWMaximized() const;

    /// Bounding rectangle of the product name as painted last.
    QRect productTextRect() const { return m_productTextRect; }

    /// A minimised ribbon shows only its tab row; clicking a tab then shows
    /// the tab's page as a popup over the document. Double-clicking a tab
    /// and Ctrl+F1 toggle it.
    bool isMinimized() const;
    /// The page shown as a popup while the ribbon is minimised, or null.
    QWidget* minimizedPopup() const;
    /// Whether the quick access bar stands below the ribbon instead of in
    /// the caption row.
    bool isQuickAccessBarBelow() const;

    /// Whether the ribbon is simplified: each tab's commands in one row of
    /// small buttons with icon and text, about a third of the height of the
    /// classic ribbon's groups. Captions give way and then commands move into
    /// a "…" menu at the row's end when the row does not fit: commands of
    /// QAction::LowPriority first, then later commands before earlier ones
    /// (set QAction::HighPriority on what should stay longest). The same
    /// actions serve both modes; false at first.
    bool isSimplified() const;
    /// Whether the button that switches between the classic and the
    /// simplified ribbon shows at the right end of the page area; false at
    /// first (the page then keeps all of its width for the groups).
    bool isSimplifiedToggleVisible() const;
    /// Shows or hides that button; the groups make room for it.
    void setSimplifiedToggleVisible(bool visible);

    /// Every simple action of the ribbon's pages, the application menu and
    /// the quick access bar, in that order: what the user may put on the
    /// quick access bar.
    QList<RibbonSimpleAction*> availableCommands() const;

    /// The ribbon's state for the host to keep between runs: the quick
    /// access commands (by the actions' object names), the bar's place,
    /// the minimised flag, the selected tab and the simplified flag, tagged
    /// with @p version.
    QByteArray saveState(int version = 0) const;
    /// Takes back a state of saveState() with the same @p version. Names
    /// of actions that no longer exist are skipped; a blob that is not
    /// such a state changes nothing and gives false.
    bool restoreState(const QByteArray& state, int version = 0);

    /// Adds the tabs of @p group to the bar (after the tabs already there)
    /// and draws the group's coloured title above them while it is visible.
    void addContextualTabGroup(RibbonContextualTabGroup* group);
    /// Forgets @p group: its title band goes and its tabs stay on the bar
    /// as ordinary tabs. The group itself is not deleted.
    void removeContextualTabGroup(RibbonContextualTabGroup* group);
    /// The contextual tab groups in the order they were added.
    QList<RibbonContextualTabGroup*> contextualTabGroups() const;

    /// Whether the key tips show: letter badges on the ribbon's controls
    /// that pressing and releasing Alt, or F10, brings up. Typing a tab's
    /// letters selects it and shows its page's badges; a control's letters
    /// use it (a collapsed group opens and shows the badges inside); Esc
    /// goes back one level, Alt, F10 or a click ends them. The arrow keys
    /// and Tab move among the controls of the level, Enter or Space uses
    /// the one moved to. See RibbonAction::setKeyTip() for the letters.
    bool keyTipsVisible() const;
    /// The letters of the application button's key tip; "F" at first.
    QString mainButtonKeyTip() const;
    /// Sets the application button's key tip (letters and digits, up to
    /// three; empty gives the button letters of its own).
    void setMainButtonKeyTip(const QString& keyTip);

public slots:
    /// Minimises the ribbon to its tab row, or brings its pages back.
    void setMinimized(bool minimized);
    /// Puts the quick access bar below the ribbon, or back into the
    /// caption row.
    void setQuickAccessBarBelow(bool below);
    /// Switches to the simplified ribbon, or back to the classic one.
    void setSimplified(bool simplified);
    /// Shows the first level of key tips (as Alt does) while the bar is visible.
    void showKeyTips();
    /// Ends the key tips.
    void hideKeyTips();

signals:
    /// The ribbon was minimised or brought back.
    void minimizedChanged(bool minimized);
    /// The quick access bar moved below the ribbon or back.
    void quickAccessBarBelowChanged(bool below);
    /// The key tips came up or went away.
    void keyTipsVisibleChanged(bool visible);
    /// The ribbon switched to the simplified or back to the classic mode.
    void simplifiedChanged(bool simplified);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The caption of a right-to-left window: title and product as one
    // bidirectional paragraph, each kept whole in its own direction.
    void paintCaptionRightToLeft(QPainter& painter, const QColor& titleColor,
                                 const QColor& productColor);
    void setSpecialAction(QPointer<RibbonAction>& field, RibbonAction* action);
    void relayShortcuts();
    void addTab(QAction* tab);
    void removeTab(QAction* tab);
    void addExtraWidget(QAction* action, QWidget* widget);
    void updateSysButtons();
    friend class RibbonMenuBarExtras;
    friend class RibbonKeyTips;
    friend class RibbonCategoryPanels;

    RibbonMainWindow& m_mainWindow;
    QGridLayout* m_gridLayout = nullptr;
    RibbonButtonMain* m_mainButton = nullptr;
    RibbonQuickAccessBar* m_quickAccessBar = nullptr;
    QSpacerItem m_captionSpacer;
    QHBoxLayout* m_sysButtonsLayout = nullptr;
    RibbonSysButton* m_sysButtons[3] = {nullptr, nullptr, nullptr};
    bool m_dragging = false;
    bool m_systemMoveOffered = false; // this drag was offered to the window system
    QPoint m_pressGlobalPos;
    QPoint m_pressWindowPos;
    QHBoxLayout* m_tabRowLayout = nullptr;
    QHBoxLayout* m_tabsLayout = nullptr;
    QActionGroup* m_categoryGroup = nullptr;
    QSpacerItem m_tabRowSpacer;
    RibbonCategoryPanels* m_panels = nullptr;
    RibbonMenuAction* m_mainMenuActionsContainer = nullptr;
    RibbonMenuAction* m_recentFilesActionsContainer = nullptr;
    QPointer<RibbonAction> m_exitAction;
    QPointer<RibbonAction> m_helpAction;
    QPointer<RibbonAction> m_optionsAction;
    QPointer<RibbonAction> m_findComboAction;
    QPointer<RibbonAction> m_findAction;
    QRect m_productTextRect;

    // Tabs in the order they were added, with their buttons; keyed by the
    // QAction face so that an action in its destructor is still found.
    QList<QAction*> m_tabs;
    QMap<QAction*, QPointer<RibbonMenuBarButton>> m_tabButtons;
    // Widgets of the help, combo and menu actions in the tab row.
    QMap<QAction*, QPointer<QWidget>> m_extraWidgets;
    // The caption font (10 points) and its metrics, kept per bar.
    QFont m_captionFont;
    QFontMetrics m_captionMetrics;
    // Minimising, the quick access bar's place, contextual tabs, the
    // context menu and screen tips.
    std::unique_ptr<RibbonMenuBarExtras> m_extras;
    // A child object: Alt, F10 and the letters typed while badges show.
    RibbonKeyTips* m_keyTips = nullptr;
};

} // namespace oru
