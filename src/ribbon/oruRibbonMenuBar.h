#pragma once

#include "oruRibbonAction.h"

#include <QPointer>
#include <QSpacerItem>
#include <QWidget>

class QGridLayout;

namespace oru {

class RibbonButtonMain;
class RibbonMenuAction;

/// The top band of the ribbon main window. The page stack of the ribbon
/// (RibbonCategoryPanels) belongs to it, and so do the two action containers
/// the application menu is built from.
class VAZAVE_EXPORT RibbonMenuBar : public QWidget
{
    Q_OBJECT

public:
    explicit RibbonMenuBar(QWidget* parent = nullptr);
    ~RibbonMenuBar() override;

    /// The entries of the application menu's left column.
    RibbonMenuAction& mainMenuActions() const { return *m_mainMenuActionsContainer; }
    /// The entries of the application menu's recent-files column.
    RibbonMenuAction& recentFilesActions() const { return *m_recentFilesActionsContainer; }

    RibbonAction* exitAction() const { return m_exitAction.data(); }
    RibbonAction* optionsAction() const { return m_optionsAction.data(); }
    /// Only store the action; the application menu shows it in its bottom row.
    void setExitAction(RibbonAction* action);
    void setOptionsAction(RibbonAction* action);

    void setMainButtonShortcut(const QKeySequence& shortcut);
    void setAppIcon(const QIcon& icon);

    /// The caption area, in the bar's coordinates; the application menu
    /// hangs from its bottom edge.
    QRect captionGeometry() const;
    int captionHeight() const;

private:
    QGridLayout* m_gridLayout = nullptr;
    RibbonButtonMain* m_mainButton = nullptr;
    QSpacerItem m_captionSpacer;
    RibbonMenuAction* m_mainMenuActionsContainer = nullptr;
    RibbonMenuAction* m_recentFilesActionsContainer = nullptr;
    QPointer<RibbonAction> m_exitAction;
    QPointer<RibbonAction> m_optionsAction;
};

} // namespace oru
