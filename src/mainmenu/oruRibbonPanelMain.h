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
    explicit RibbonPanelMain(RibbonButtonMain& button);
    ~RibbonPanelMain() override;

    RibbonButtonMain& mainButton() const { return m_mainButton; }
    RibbonRecentFiles* recentFiles() const { return m_recentFiles; }
    /// The items and bottom-row buttons whose hover look is tracked.
    const QList<QAbstractButton*>& trackedButtons() const { return m_trackedButtons; }
    bool placedAbove() const { return m_placedAbove; }
    /// Geometry of the items column and of the two columns, in the panel.
    QRect itemsGeometry() const;
    QRect columnsGeometry() const;

    void fillMainMenu();

signals:
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
