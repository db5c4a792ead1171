#pragma once

// What the ribbon bar does beyond its basic band: minimising with the page
// popup, the quick access bar's place, contextual tab groups with their
// coloured bands, the customisation context menu and the screen tips.

#include "oruRibbonContextualTabGroup.h"
#include "oruRibbonScreenTip.h"

#include <QButtonGroup>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QAction;
class QMenu;
class QShortcut;
class QTimer;

namespace oru {

class RibbonContextualTabGroup;
class RibbonMenuBar;
class RibbonMenuBarButton;
class RibbonMenuBarExtras;
class RibbonScreenTip;

/// The selected tab's page while the ribbon is minimised: the page stack
/// itself moves into this popup and back when it closes.
class RibbonPagePopup : public QWidget
{
    Q_OBJECT

public:
    RibbonPagePopup(RibbonMenuBarExtras& extras, RibbonMenuBar& bar);
    ~RibbonPagePopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    /// The first click of a double-click on a tab opened this popup, which
    /// then takes the second: on a tab, the double-click restores the ribbon.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    RibbonMenuBarExtras& m_extras;
};

/// The coloured title of a visible contextual group, above its tabs.
class RibbonContextualBand : public QWidget
{
    Q_OBJECT

public:
    RibbonContextualBand(RibbonContextualTabGroup& group, QWidget* parent);
    /// Height of the title part; below it the band tints the tab row.
    void setTitleHeight(int height);
    RibbonContextualTabGroup* group() const { return m_group.data(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<RibbonContextualTabGroup> m_group;
    int m_titleHeight = 0;
};

class RibbonMenuBarExtras : public QObject
{
    Q_OBJECT

public:
    explicit RibbonMenuBarExtras(RibbonMenuBar& bar);
    ~RibbonMenuBarExtras() override;

    void tabAdded(QAction* tab);
    void tabRemoved(QAction* tab);

    bool isMinimized() const { return m_minimized; }
    void setMinimized(bool minimized);
    QWidget* popup() const;
    void openPopup();
    /// The page stack back into the bar (hidden while minimised).
    void restorePanels();
    void popupClosed();

    bool isQuickAccessBarBelow() const { return m_below; }
    void setQuickAccessBarBelow(bool below);

    void addGroup(RibbonContextualTabGroup* group);
    void removeGroup(RibbonContextualTabGroup* group);
    QList<RibbonContextualTabGroup*> groups() const;

    /// The action of the control at @p widget (walking up to the control),
    /// or null for containers and empty places.
    QAction* controlAction(QWidget* widget) const;
    /// The ribbon's right-click menu for the control at @p widget.
    QMenu* createContextMenu(QWidget* widget, QWidget* parent);
    void showContextMenu(QWidget* widget, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitTabRow(int barWidth);
    void repaintTabs();
    void tabToggled(QAction* tab, bool checked);
    void applyGroup(RibbonContextualTabGroup* group);
    void updateBands();
    bool isHiddenContextual(const QAction* tab) const;
    RibbonContextualTabGroup* groupOf(const QAction* tab) const;
    bool ownsWidget(const QWidget* widget) const;
    bool handleTip(QWidget* widget, QEvent* event);

    RibbonMenuBar& m_bar;
    bool m_minimized = false;
    bool m_below = false;
    bool m_applying = false;
    QPointer<RibbonPagePopup> m_popup;
    // The tab whose popup the current click closed: the same click must not
    // open it again.
    QPointer<QAction> m_closedBy;
    QShortcut* m_toggleShortcut = nullptr;
    QTimer* m_bandTimer = nullptr;
    QList<QPointer<RibbonContextualTabGroup>> m_groups;
    QMap<QObject*, QPointer<RibbonContextualBand>> m_bands;
    // Tabs in the order they were selected, the latest last.
    QList<QPointer<QAction>> m_history;
    QPointer<RibbonScreenTip> m_tip;
    // The tab buttons, not exclusive (the tab actions' group is). A checkable
    // button outside a group looks for its checked sibling among all of its
    // parent's descendants whenever it is unchecked: the bar holds every
    // page, so without the group a tab switch walked thousands of widgets.
    QButtonGroup m_tabButtons;
};

} // namespace oru
