#pragma once

#include <oruRibbonWindow.h>

#include <QPointer>
#include <QPushButton>

struct DemoOptions;
class QTextEdit;
class QTimer;

namespace oru {
class RibbonCatFontFamilyAction;
class RibbonCatFontSizeAction;
class RibbonCatComboAction;
class RibbonPercAction;
class RibbonProgressAction;
class RibbonProgressWidget;
} // namespace oru

// A Tarnwick editor window that shows the skinned widget style at work:
// font family and size pickers bound to the editor's cursor format, a find
// box, a tool box, a status strip with a zoom slider and a progress
// indicator for a simulated export, and a switch for the widget style.
class StyleDemoWindow : public oru::RibbonWindow
{
    Q_OBJECT

public:
    StyleDemoWindow();
    ~StyleDemoWindow() override;

    // The demo menu: check marks, icons, shortcuts, a sub-menu, separators.
    QMenu* createDemoMenu(QWidget* parent);
    // Starts the simulated export (the progress indicator appears).
    void startExport();
    QTextEdit* editor() const { return m_editor; }
    oru::RibbonPercAction* zoomAction() const { return m_zoom; }
    oru::RibbonProgressAction* progressAction() const { return m_progress; }

private:
    void followCursor();
    void exportStep();
    void finishExport();
    void find(const QString& text);

    QTextEdit* m_editor = nullptr;
    QWidget* m_statusStrip = nullptr;
    oru::RibbonCatFontFamilyAction* m_family = nullptr;
    oru::RibbonCatFontSizeAction* m_size = nullptr;
    oru::RibbonCatComboAction* m_find = nullptr;
    oru::RibbonPercAction* m_zoom = nullptr;
    oru::RibbonProgressAction* m_progress = nullptr;
    QPointer<oru::RibbonProgressWidget> m_progressWidget;
    QTimer* m_exportTimer = nullptr;
    int m_zoomApplied = 100;
};

// True for the scenes this window shows.
bool isStyleScene(const QString& scene);
// Shows the window in the scene's state and takes the shot.
int runStyleScene(const DemoOptions& options);

// A "Widgets" button that opens a StyleDemoWindow (deleted when closed).
QPushButton* createStyleDemoButton(QWidget* parent);
