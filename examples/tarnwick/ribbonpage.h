#pragma once

#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

struct DemoOptions;

namespace oru {
class RibbonMainWindow;
class RibbonCategoryPanels;
class RibbonCategoriesPanelAction;
class RibbonCategoryAction;
class RibbonAction;
} // namespace oru

// A window with one ribbon page (clipboard, font, paragraph, insert and
// editing groups of large, medium and small buttons) above a text area. The
// groups collapse into buttons as the window narrows.
class RibbonPageWindow : public QWidget
{
    Q_OBJECT

public:
    RibbonPageWindow();
    ~RibbonPageWindow() override;

    // Opens the popup of the first collapsed group; false when none is.
    bool openCollapsedPopup();

private:
    oru::RibbonCategoryAction* group(const QString& caption);

    // Actions belong to the window (Qt parent); widgets only show them.
    std::unique_ptr<oru::RibbonMainWindow> m_owner;
    oru::RibbonCategoryPanels* m_stack = nullptr;
    oru::RibbonCategoriesPanelAction* m_home = nullptr;
};

// True for the scenes this window shows.
bool isRibbonPageScene(const QString& scene);
// Shows the window in the scene's state and takes the shot.
int runRibbonPageScene(const DemoOptions& options);
