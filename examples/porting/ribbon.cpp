// The same editor on the ribbon: the same EditorActions, described as tabs,
// groups, the application menu, the quick access bar and the status bar.

#include "editoractions.h"

#include <oruRibbonApplication.h>
#include <oruRibbonCatFontFamilyAction.h>
#include <oruRibbonCatFontSizeAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>

#include <QCloseEvent>
#include <QTextEdit>
#include <QTimer>

namespace {

using oru::RibbonCatSimpleAction;

class Application : public oru::RibbonApplication
{
public:
    using RibbonApplication::RibbonApplication;
    bool initInstance() override { return true; }
};

class MainWindow : public oru::RibbonMainWindow
{
public:
    MainWindow()
    {
        setCentralWidget(&m_editor);
        setTitle(tr("Untitled[*]"));
        connect(m_editor.document(), &QTextDocument::modificationChanged, this,
                &QWidget::setWindowModified);
        oru::RibbonMenuBar& ribbon = *ribbonMenuBar();

        // Menus become the application menu ...
        oru::RibbonMenuAction& appMenu = ribbon.mainMenuActions();
        appMenu.addCommand(m_actions.fileNew);
        appMenu.addCommand(m_actions.fileSave);
        appMenu.addCommand(m_actions.about);
        ribbon.setExitAction(
            new oru::RibbonSimpleAction(QPointer<QAction>(m_actions.fileExit), this));

        // ... tool bars become groups on tabs ...
        auto* home = new oru::RibbonCategoriesPanelAction(tr("&Home"), this);
        auto* clipboard = new oru::RibbonCategoryAction(tr("Clipboard"), this);
        clipboard->addCommand(m_actions.paste);
        clipboard->addCommand(m_actions.cut, RibbonCatSimpleAction::Medium, 0);
        clipboard->addCommand(m_actions.copy, RibbonCatSimpleAction::Medium, 1);
        auto* history = new oru::RibbonCategoryAction(tr("Undo"), this);
        history->addCommand(m_actions.undo, RibbonCatSimpleAction::Medium);
        history->addCommand(m_actions.redo, RibbonCatSimpleAction::Medium);
        auto* font = new oru::RibbonCategoryAction(tr("Font"), this);
        auto* family = new oru::RibbonCatFontFamilyAction(m_editor.font(), this);
        auto* size = new oru::RibbonCatFontSizeAction(m_editor.font().pointSize(), this);
        font->addAction(family, 0);
        font->addAction(size, 0);
        for (QAction* a : {m_actions.bold, m_actions.italic, m_actions.underline})
            font->addCommand(a, RibbonCatSimpleAction::Small, 1);
        auto* paragraph = new oru::RibbonCategoryAction(tr("Paragraph"), this);
        for (QAction* a : m_actions.alignment->actions())
            paragraph->addCommand(a, RibbonCatSimpleAction::Small);
        for (oru::RibbonCategoryAction* group : {clipboard, history, font, paragraph})
            home->addCategory(group);
        home->setChecked(true);
        ribbon.addAction(home);

        // ... a tool bar of favourites becomes the quick access bar ...
        for (QAction* a : {m_actions.fileSave, m_actions.undo, m_actions.redo})
            ribbon.quickAccessBar()->addCommand(a);

        // ... and the status bar takes messages as QStatusBar does.
        connect(&m_actions, &EditorActions::message, ribbonStatusBar(),
                &oru::RibbonStatusBar::showMessage);

        // The boxes show the cursor's font; only the user's choice edits.
        connect(family, &oru::RibbonCatFontFamilyAction::fontFamilyActivated, &m_actions,
                [this](const QFont& f) { m_actions.setFontFamily(f.family()); });
        connect(size, &oru::RibbonCatFontSizeAction::fontSizeActivated, &m_actions,
                &EditorActions::setFontSize);
        connect(&m_actions, &EditorActions::fontChanged, this,
                [family, size](const QString& f, int points) {
                    family->setFontFamily(QFont(f));
                    size->updateFontSize(points);
                });
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->setAccepted(m_actions.maySaveAndClose());
    }

private:
    QTextEdit m_editor;
    EditorActions m_actions{m_editor, *this};
};

} // namespace

int main(int argc, char** argv)
{
    Application app(argc, argv);
    app.setProductName(QStringLiteral("Quill"));
    MainWindow window;
    window.resize(900, 600);
    window.show();
    // --smoke: build, show and end (the example's test).
    if (app.arguments().contains(QStringLiteral("--smoke")))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
