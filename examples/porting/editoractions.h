#pragma once

// The commands of a small rich-text editor, as a QMainWindow program has
// them: plain QActions wired to a QTextEdit. Both front ends of this example
// (menus and tool bars, and the ribbon) show these same actions; neither
// copies state between actions.

#include <QAction>
#include <QActionGroup>
#include <QObject>

class QTextCharFormat;
class QTextEdit;
class QWidget;

class EditorActions : public QObject
{
    Q_OBJECT

public:
    /// The actions of @p editor, children of @p owner (the main window).
    EditorActions(QTextEdit& editor, QWidget& owner);

    QAction* fileNew;
    QAction* fileSave;
    QAction* fileExit;
    QAction* undo;
    QAction* redo;
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* bold;
    QAction* italic;
    QAction* underline;
    QActionGroup* alignment;
    QAction* alignLeft;
    QAction* alignCenter;
    QAction* alignRight;
    QAction* alignJustify;
    QAction* about;

    /// Asks whether to save a modified document; false: stay open.
    bool maySaveAndClose();

signals:
    /// A message for the status bar (QStatusBar::showMessage() semantics).
    void message(const QString& text, int timeout);
    /// The font family or size under the cursor changed.
    void fontChanged(const QString& family, int pointSize);

public slots:
    void setFontFamily(const QString& family);
    void setFontSize(int pointSize);

private:
    void mergeFormat(const QTextCharFormat& format);
    void showCursorFormat();

    QTextEdit& m_editor;
    QWidget& m_owner;
};
