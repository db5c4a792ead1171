#include "editoractions.h"

#include <QMessageBox>
#include <QTextCursor>
#include <QTextEdit>

namespace {

QAction* make(QWidget& owner, const char* icon, const QString& text, const QKeySequence& key,
              const QString& statusTip)
{
    auto* action = new QAction(QIcon::fromTheme(QString::fromLatin1(icon)), text, &owner);
    action->setShortcut(key);
    action->setStatusTip(statusTip);
    // Named: the ribbon saves its quick access bar by these names.
    action->setObjectName(QString::fromLatin1(icon));
    return action;
}

} // namespace

EditorActions::EditorActions(QTextEdit& editor, QWidget& owner)
    : QObject(&owner), m_editor(editor), m_owner(owner)
{
    fileNew =
        make(owner, "document-new", tr("&New"), QKeySequence::New, tr("Starts a new document"));
    fileSave =
        make(owner, "document-save", tr("&Save"), QKeySequence::Save, tr("Saves the document"));
    fileExit =
        make(owner, "application-exit", tr("E&xit"), QKeySequence::Quit, tr("Ends the program"));
    undo = make(owner, "edit-undo", tr("&Undo"), QKeySequence::Undo, tr("Undoes the last change"));
    redo = make(owner, "edit-redo", tr("&Redo"), QKeySequence::Redo, tr("Redoes the change"));
    cut = make(owner, "edit-cut", tr("Cu&t"), QKeySequence::Cut, tr("Moves the selection out"));
    copy = make(owner, "edit-copy", tr("&Copy"), QKeySequence::Copy, tr("Copies the selection"));
    paste =
        make(owner, "edit-paste", tr("&Paste"), QKeySequence::Paste, tr("Inserts the clipboard"));
    bold = make(owner, "format-text-bold", tr("&Bold"), QKeySequence::Bold, tr("Bold text"));
    italic =
        make(owner, "format-text-italic", tr("&Italic"), QKeySequence::Italic, tr("Italic text"));
    underline = make(owner, "format-text-underline", tr("&Underline"), QKeySequence::Underline,
                     tr("Underlined text"));
    for (QAction* a : {bold, italic, underline})
        a->setCheckable(true);
    about = make(owner, "help-about", tr("&About"), {}, tr("Tells what this program is"));

    alignment = new QActionGroup(this);
    alignLeft = make(owner, "format-justify-left", tr("Align &Left"), {}, tr("Aligns left"));
    alignCenter = make(owner, "format-justify-center", tr("C&enter"), {}, tr("Centres lines"));
    alignRight = make(owner, "format-justify-right", tr("Align &Right"), {}, tr("Aligns right"));
    alignJustify = make(owner, "format-justify-fill", tr("&Justify"), {}, tr("Justifies lines"));
    for (QAction* a : {alignLeft, alignCenter, alignRight, alignJustify}) {
        a->setCheckable(true);
        alignment->addAction(a);
    }
    alignLeft->setChecked(true);

    connect(fileNew, &QAction::triggered, this, [this] {
        if (maySaveAndClose())
            m_editor.clear();
    });
    connect(fileSave, &QAction::triggered, this, [this] {
        m_editor.document()->setModified(false);
        emit message(tr("Saved"), 2000);
    });
    connect(fileExit, &QAction::triggered, &owner, &QWidget::close);
    connect(undo, &QAction::triggered, &editor, &QTextEdit::undo);
    connect(redo, &QAction::triggered, &editor, &QTextEdit::redo);
    connect(cut, &QAction::triggered, &editor, &QTextEdit::cut);
    connect(copy, &QAction::triggered, &editor, &QTextEdit::copy);
    connect(paste, &QAction::triggered, &editor, &QTextEdit::paste);
    connect(&editor, &QTextEdit::undoAvailable, undo, &QAction::setEnabled);
    connect(&editor, &QTextEdit::redoAvailable, redo, &QAction::setEnabled);
    connect(&editor, &QTextEdit::copyAvailable, cut, &QAction::setEnabled);
    connect(&editor, &QTextEdit::copyAvailable, copy, &QAction::setEnabled);
    undo->setEnabled(false);
    redo->setEnabled(false);
    cut->setEnabled(false);
    copy->setEnabled(false);

    connect(bold, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(f);
    });
    connect(italic, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        mergeFormat(f);
    });
    connect(underline, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        mergeFormat(f);
    });
    connect(alignment, &QActionGroup::triggered, this, [this](QAction* a) {
        const Qt::Alignment align = a == alignCenter    ? Qt::AlignHCenter
                                    : a == alignRight   ? Qt::AlignRight
                                    : a == alignJustify ? Qt::AlignJustify
                                                        : Qt::AlignLeft;
        m_editor.setAlignment(align | Qt::AlignAbsolute);
    });
    connect(about, &QAction::triggered, this, [this] {
        QMessageBox::about(&m_owner, tr("About"), tr("A small editor, on menus or on a ribbon."));
    });
    connect(&editor, &QTextEdit::currentCharFormatChanged, this, &EditorActions::showCursorFormat);
    connect(&editor, &QTextEdit::cursorPositionChanged, this, &EditorActions::showCursorFormat);
}

void EditorActions::setFontFamily(const QString& family)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    mergeFormat(f);
}

void EditorActions::setFontSize(int pointSize)
{
    if (pointSize <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(pointSize);
    mergeFormat(f);
}

bool EditorActions::maySaveAndClose()
{
    if (!m_editor.document()->isModified())
        return true;
    const auto answer = QMessageBox::warning(
        &m_owner, tr("Unsaved changes"), tr("The document was changed. Save it?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        fileSave->trigger();
    return answer != QMessageBox::Cancel;
}

void EditorActions::mergeFormat(const QTextCharFormat& format)
{
    QTextCursor cursor = m_editor.textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    m_editor.mergeCurrentCharFormat(format);
    m_editor.setFocus();
}

void EditorActions::showCursorFormat()
{
    // The actions show what is under the cursor; their widgets, wherever
    // they are, follow by themselves.
    const QTextCharFormat f = m_editor.currentCharFormat();
    bold->setChecked(f.fontWeight() >= QFont::Bold);
    italic->setChecked(f.fontItalic());
    underline->setChecked(f.fontUnderline());
    const Qt::Alignment align = m_editor.alignment();
    if (align & Qt::AlignHCenter)
        alignCenter->setChecked(true);
    else if (align & Qt::AlignRight)
        alignRight->setChecked(true);
    else if (align & Qt::AlignJustify)
        alignJustify->setChecked(true);
    else
        alignLeft->setChecked(true);
    const QFont font = f.font();
    emit fontChanged(font.family(), qRound(font.pointSizeF()));
}
