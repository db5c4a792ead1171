#pragma once

#include "oruRibbonMenuContainer.h"

#include <QList>
#include <QPointer>

class QAbstractButton;
class QHBoxLayout;
class QVBoxLayout;

namespace oru {

class RibbonButtonMain;
class RibbonRecentFiles;

/// The application menu: a popup hanging from the ribbon bar's caption with
/// the menu items on the left, the recent files on the right and the options
/// and exit buttons below. It paints a copy of the pressed application
/// button in its corner. A new panel is built each time the menu opens; it
/// deletes itself when it closes and emits closed().
class VAZAVE_EXPORT RibbonPanelMain : public RibbonManuContainer
{
    Q_OBJECT

public:
    /// Builds the application menu from the ribbon bar of @p button (its main-menu and recent-files
    /// entries, options and exit actions) and shows it at once below the caption.
    explicit RibbonPanelMain(RibbonButtonMain& button);
    ~RibbonPanelMain() override;

    /// The application button that opened the menu.
    RibbonButtonMain& mainButton() const { return m_mainButton; }
    /// The recent-files column; a child of the menu.
    RibbonRecentFiles* recentFiles() const { return m_recentFiles; }
    /// The items and bottom-row buttons whose hover look is tracked.
    const QList<QAbstractButton*>& trackedButtons() const { return m_trackedButtons; }
    /// True when the screen had no room below the caption, so the menu was moved up to stay on the
    /// screen (the button copy is then not painted).
    bool placedAbove() const { return m_placedAbove; }
    /// Geometry of the items column and of the two columns, in the panel.
    QRect itemsGeometry() const;
    /// Geometry of the two columns together, in the panel.
    QRect columnsGeometry() const;

    /// Adds an item for every simple or menu action of the ribbon bar's main-menu entries; the
    /// constructor calls it. Using any of them closes the menu.
    void fillMainMenu();

signals:
    /// Emitted once when the menu closes, after any open sub-menu popup was hidden and the menu's
    /// deletion was scheduled. The application button unchecks itself on it.
    void closed();

private slots:
    void onMouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addBottomButton(QAction* action);
    void track(QAbstractButton* button);
    QRect buttonGlobalRect() const;

    RibbonButtonMain& m_mainButton;
    RibbonRecentFiles* m_recentFiles = nullptr; // child
    QVBoxLayout* m_mainLayout = nullptr;
    QHBoxLayout* m_columnsLayout = nullptr;
    QVBoxLayout* m_itemsLayout = nullptr;
    QHBoxLayout* m_bottomLayout = nullptr;
    QPointer<QAbstractButton> m_hoveredButton;
    QList<QAbstractButton*> m_trackedButtons; // children
    bool m_placedAbove = false;
    bool m_closed = false;
};

} // namespace oru
