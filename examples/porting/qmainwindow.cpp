// The editor as a QMainWindow program: menus, tool bars and a status bar.

#include "editoractions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

namespace {

class MainWindow : public QMainWindow
{
public:
    MainWindow()
    {
        setCentralWidget(&m_editor);
        setWindowTitle(tr("Untitled[*] - Quill"));
        connect(m_editor.document(), &QTextDocument::modificationChanged, this,
                &QWidget::setWindowModified);

        QMenu* file = menuBar()->addMenu(tr("&File"));
        file->addActions({m_actions.fileNew, m_actions.fileSave});
        file->addSeparator();
        file->addAction(m_actions.fileExit);
        QMenu* edit = menuBar()->addMenu(tr("&Edit"));
        edit->addActions({m_actions.undo, m_actions.redo});
        edit->addSeparator();
        edit->addActions({m_actions.cut, m_actions.copy, m_actions.paste});
        QMenu* format = menuBar()->addMenu(tr("F&ormat"));
        format->addActions({m_actions.bold, m_actions.italic, m_actions.underline});
        format->addSeparator();
        format->addActions(m_actions.alignment->actions());
        menuBar()->addMenu(tr("&Help"))->addAction(m_actions.about);

        addToolBar(tr("File"))->addActions({m_actions.fileNew, m_actions.fileSave});
        addToolBar(tr("Edit"))
            ->addActions(
                {m_actions.undo, m_actions.redo, m_actions.cut, m_actions.copy, m_actions.paste});
        QToolBar* formatBar = addToolBar(tr("Format"));
        auto* family = new QFontComboBox(formatBar);
        auto* size = new QComboBox(formatBar);
        for (int s : {8, 9, 10, 11, 12, 14, 16, 18, 24, 36})
            size->addItem(QString::number(s));
        formatBar->addWidget(family);
        formatBar->addWidget(size);
        formatBar->addActions({m_actions.bold, m_actions.italic, m_actions.underline});
        formatBar->addActions(m_actions.alignment->actions());

        // The boxes show the cursor's font; only the user's choice edits.
        connect(family, &QFontComboBox::textActivated, &m_actions, &EditorActions::setFontFamily);
        connect(size, &QComboBox::textActivated, &m_actions,
                [this](const QString& s) { m_actions.setFontSize(s.toInt()); });
        connect(&m_actions, &EditorActions::fontChanged, this,
                [family, size](const QString& f, int points) {
                    family->setCurrentFont(QFont(f));
                    size->setCurrentText(QString::number(points));
                });
        connect(&m_actions, &EditorActions::message, statusBar(), &QStatusBar::showMessage);
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
    QApplication app(argc, argv);
    MainWindow window;
    window.resize(900, 600);
    window.show();
    // --smoke: build, show and end (the example's test).
    if (app.arguments().contains(QStringLiteral("--smoke")))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
