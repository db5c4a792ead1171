#pragma once

#include <oruRibbonMainWindow.h>

#include <QList>
#include <QString>

class QMenu;
class QTextEdit;
class QTextCharFormat;
class QTimer;

namespace oru {
class RibbonAction;
class RibbonCatColorMenuAction;
class RibbonCatComboAction;
class RibbonCatFontFamilyAction;
class RibbonPercAction;
class RibbonProgressAction;
class RibbonCatSimpleAction;
class RibbonCategoriesPanelAction;
class RibbonCategoryAction;
class RibbonSimpleAction;
} // namespace oru

struct DemoOptions;

// Tarnwick's editor: a rich-text area under a ribbon whose commands work on
// it, a quick access bar, status-bar toggles and skin switching.
class EditorWindow : public oru::RibbonMainWindow
{
    Q_OBJECT

public:
    EditorWindow();
    ~EditorWindow() override;

    QTextEdit* editor() const { return m_editor; }
    // Loads a text or HTML file; false (and a message) when it cannot be read.
    bool openFile(const QString& path);
    // Opens every file of a hand-over from a later start.
    void openFiles(const QStringList& files);
    // Opens the popup of the first collapsed group; false when none is.
    bool openCollapsedPopup();
    // Opens the application menu, and with @p subMenu its "Save As" sub-menu.
    void openApplicationMenu(bool subMenu);
    // The editor's context menu: clipboard, checkable view options and a
    // zoom sub-menu. The caller owns it.
    QMenu* createContextMenu(QWidget* parent);
    oru::RibbonCatFontFamilyAction* fontFamilyAction() const { return m_fontFamily; }
    oru::RibbonPercAction* zoomAction() const { return m_zoom; }
    oru::RibbonProgressAction* exportProgress() const { return m_export; }

public slots:
    void newDocument();
    void openDocument();
    bool saveDocument();
    bool saveDocumentAs();
    void printDocument();
    void showOptions();
    // Starts the simulated export: the progress indicator counts up in the
    // status bar until it is done or terminated.
    void startExport();

protected:
    // A modified document is saved, dropped or kept open, as the user says.
    void closeEvent(QCloseEvent* event) override;

private:
    // Asks whether to save a modified document; false: keep it open.
    bool maySave();
    oru::RibbonCategoriesPanelAction* addTab(const QString& text);
    oru::RibbonCategoryAction* addGroup(oru::RibbonCategoriesPanelAction* tab,
                                        const QString& caption);
    oru::RibbonCatSimpleAction* addCommand(oru::RibbonCategoryAction* group, const QIcon& icon,
                                           const QString& text, int size, bool checkable = false,
                                           int row = -1);
    void buildHome();
    void buildInsert();
    void buildView();
    void buildQuickAccessAndStatus();
    void buildApplicationMenu();
    void rememberRecentFile(const QString& path);
    void rebuildRecentFiles();
    void formatChanged(const QTextCharFormat& format);
    void cursorMoved();
    void mergeFormat(const QTextCharFormat& format);
    void showFontAtCursor(const QTextCharFormat& format);
    void findText(const QString& text);
    void exportStep();
    void finishExport();
    bool writeTo(const QString& path);

    QTextEdit* m_editor = nullptr;
    QString m_path;
    oru::RibbonCategoriesPanelAction* m_home = nullptr;
    oru::RibbonCatSimpleAction* m_bold = nullptr;
    oru::RibbonCatSimpleAction* m_italic = nullptr;
    oru::RibbonCatSimpleAction* m_underline = nullptr;
    oru::RibbonCatSimpleAction* m_strike = nullptr;
    oru::RibbonCatSimpleAction* m_align[4] = {};
    oru::RibbonCatSimpleAction* m_undo = nullptr;
    oru::RibbonCatSimpleAction* m_redo = nullptr;
    oru::RibbonCatSimpleAction* m_cut = nullptr;
    oru::RibbonCatSimpleAction* m_copy = nullptr;
    QList<oru::RibbonCatSimpleAction*> m_skins;
    oru::RibbonCatColorMenuAction* m_accent = nullptr;
    oru::RibbonCatSimpleAction* m_followDesktop = nullptr;
    oru::RibbonSimpleAction* m_help = nullptr;
    oru::RibbonCatFontFamilyAction* m_fontFamily = nullptr;
    oru::RibbonCatComboAction* m_fontSize = nullptr;
    oru::RibbonCatComboAction* m_find = nullptr;
    oru::RibbonPercAction* m_zoom = nullptr;
    oru::RibbonProgressAction* m_export = nullptr;
    QTimer* m_exportTimer = nullptr;
    qreal m_baseFontSize = 0;
    bool m_foundOnChange = false; // Return already searched via the selection
    QStringList m_recentFiles;
    QList<oru::RibbonSimpleAction*> m_recentActions;
};

// True for the scenes the editor shows.
bool isEditorScene(const QString& scene);
// Builds the editor for @p options, brings it into the scene and takes the
// shot; without a scene it runs the program.
int runEditor(const DemoOptions& options);
