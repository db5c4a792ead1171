#include "editorwindow.h"

#include "auxscenes.h"
#include "demoicons.h"
#include "editorcontrols.h"
#include "editorfeatures.h"
#include "editorhelp.h"
#include "editortabs.h"
#include "framedemo.h"
#include "options.h"
#include "skinchoice.h"
#include "tarnwickapp.h"
#include "themeicon.h"

#include <oruRibbonApplication.h>
#include <oruRibbonCatColorMenuAction.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatComboComboBox.h>
#include <oruRibbonCatFontFamilyAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonProgressAction.h>
#include <oruRibbonQStyle.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QTextTable>
#include <QTimer>
#include <QToolTip>

#include <cstdio>

using namespace oru;

namespace {

using Size = RibbonCatSimpleAction;

// The sizes offered by the Font group's size box.
const char* const kFontSizes[] = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                  "20", "24", "28", "32", "36", "40", "48", "72"};

const char* const kSampleText =
    "<h2>Tarnwick</h2><p>A small editor whose whole user interface is the ribbon. Select some "
    "text and press <b>Bold</b>, <i>Italic</i> or <u>Underline</u> on the Home tab, align "
    "paragraphs, or insert the date from the Insert tab.</p><p>The View tab switches the skin: "
    "blue, silver, black, modern light or dark, or a colour of your own. Narrow the window: the "
    "groups collapse into buttons, the one that saves least first.</p>";

} // namespace

EditorWindow::EditorWindow()
{
    m_editor = new QTextEdit(this);
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setAccessibleName(tr("Document"));
    // The application font may be set in pixels: zoom and the size box
    // work in points.
    m_baseFontSize = QFontInfo(m_editor->font()).pointSizeF();
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu* menu = createContextMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_editor->viewport()->mapToGlobal(pos));
    });
    setCentralWidget(m_editor);
    setMinimumSize(320, 260);

    buildHome();
    buildInsert();
    buildView();
    buildQuickAccessAndStatus();
    buildApplicationMenu();
    attachDocumentTabs(*this);
    buildEditorControls(*this);

    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &EditorWindow::formatChanged);
    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &EditorWindow::cursorMoved);
    connect(m_editor, &QTextEdit::undoAvailable, m_undo, &RibbonAction::enableAction);
    connect(m_editor, &QTextEdit::redoAvailable, m_redo, &RibbonAction::enableAction);
    connect(m_editor, &QTextEdit::copyAvailable, m_cut, &RibbonAction::enableAction);
    connect(m_editor, &QTextEdit::copyAvailable, m_copy, &RibbonAction::enableAction);
    connect(m_editor->document(), &QTextDocument::modificationChanged, this,
            [this](bool) { setWindowModified(m_editor->document()->isModified()); });

    // The file commands of the application menu, by keyboard too.
    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    shortcut(QKeySequence::New, &EditorWindow::newDocument);
    shortcut(QKeySequence::Open, &EditorWindow::openDocument);
    shortcut(QKeySequence::Save, &EditorWindow::saveDocument);
    shortcut(QKeySequence::SaveAs, &EditorWindow::saveDocumentAs);
    newDocument();
    m_editor->setHtml(QString::fromLatin1(kSampleText));
    m_editor->document()->setModified(false);
    showFontAtCursor(m_editor->currentCharFormat());
}

EditorWindow::~EditorWindow() = default;

RibbonCategoriesPanelAction* EditorWindow::addTab(const QString& text)
{
    return new RibbonCategoriesPanelAction(text, this);
}

RibbonCategoryAction* EditorWindow::addGroup(RibbonCategoriesPanelAction* tab,
                                             const QString& caption)
{
    auto* group = new RibbonCategoryAction(caption, this);
    tab->addCategory(group);
    return group;
}

RibbonCatSimpleAction* EditorWindow::addCommand(RibbonCategoryAction* group, const QIcon& icon,
                                                const QString& text, int size, bool checkable,
                                                int row)
{
    auto* action = new RibbonCatSimpleAction(icon, text, Size::eSize(size), this);
    action->setCheckable(checkable);
    action->setToolTip(text);
    group->addAction(action, row);
    return action;
}

void EditorWindow::buildHome()
{
    m_home = addTab(tr("Home"));
    QTextEdit* edit = m_editor;

    RibbonCategoryAction* clipboard = addGroup(m_home, tr("Clipboard"));
    connect(addCommand(clipboard, themeIcon("edit-paste", glyphIcon(QStringLiteral("P"))),
                       tr("Paste"), Size::Large),
            &QAction::triggered, edit, &QTextEdit::paste);
    m_cut = addCommand(clipboard, themeIcon("edit-cut", glyphIcon(QStringLiteral("X"))), tr("Cut"),
                       Size::Medium);
    connect(m_cut, &QAction::triggered, edit, &QTextEdit::cut);
    m_copy = addCommand(clipboard, themeIcon("edit-copy", glyphIcon(QStringLiteral("C"))),
                        tr("Copy"), Size::Medium);
    connect(m_copy, &QAction::triggered, edit, &QTextEdit::copy);
    connect(addCommand(clipboard, themeIcon("edit-select-all", glyphIcon(QStringLiteral("A"))),
                       tr("Select All"), Size::Medium),
            &QAction::triggered, edit, &QTextEdit::selectAll);
    m_cut->enableAction(false);
    m_copy->enableAction(false);

    RibbonCategoryAction* history = addGroup(m_home, tr("History"));
    m_undo = addCommand(history, themeIcon("edit-undo", glyphIcon(QStringLiteral("<"))), tr("Undo"),
                        Size::Medium);
    connect(m_undo, &QAction::triggered, edit, &QTextEdit::undo);
    m_redo = addCommand(history, themeIcon("edit-redo", glyphIcon(QStringLiteral(">"))), tr("Redo"),
                        Size::Medium);
    connect(m_redo, &QAction::triggered, edit, &QTextEdit::redo);
    m_undo->enableAction(false);
    m_redo->enableAction(false);

    // Explicit rows: family, size, grow and shrink on top, the styles below.
    RibbonCategoryAction* font = addGroup(m_home, tr("Font"));
    m_fontFamily = new RibbonCatFontFamilyAction(m_editor->font(), this);
    m_fontFamily->setToolTip(tr("Font"));
    font->addAction(m_fontFamily, 0);
    m_fontSize = new RibbonCatComboAction(this);
    m_fontSize->setToolTip(tr("Font Size"));
    for (const char* size : kFontSizes)
        m_fontSize->addItem(QString::fromLatin1(size));
    font->addAction(m_fontSize, 0);
    // Only the user's choices edit the text; showing the cursor's font sets
    // the same actions without being taken for a choice.
    connect(m_fontFamily, &RibbonCatFontFamilyAction::fontFamilyActivated, this,
            [this](const QFont& family) {
                QTextCharFormat f;
                f.setFontFamilies(family.families());
                mergeFormat(f);
                m_editor->setFocus();
            });
    connect(m_fontSize, &RibbonCatComboAction::selectionTextActivated, this, [this] {
        bool ok = false;
        const int size = m_fontSize->selectionText().toInt(&ok);
        if (!ok || size <= 0)
            return;
        QTextCharFormat f;
        f.setFontPointSize(size);
        mergeFormat(f);
        m_editor->setFocus();
    });
    m_bold =
        addCommand(font, textFormatIcon(TextFormatIcon::Bold), tr("Bold"), Size::Small, true, 1);
    m_italic = addCommand(font, textFormatIcon(TextFormatIcon::Italic), tr("Italic"), Size::Small,
                          true, 1);
    m_underline = addCommand(font, textFormatIcon(TextFormatIcon::Underline), tr("Underline"),
                             Size::Small, true, 1);
    m_strike = addCommand(font, textFormatIcon(TextFormatIcon::Strikethrough), tr("Strikeout"),
                          Size::Small, true, 1);
    // Names for the saved quick access bar; descriptions and shortcuts for
    // the screen tips. The window holds the shortcuts, so they work on
    // every tab.
    const struct
    {
        RibbonCatSimpleAction* action;
        const char* name;
        QKeySequence keys;
        QString description;
    } described[] = {
        {m_bold, "bold", QKeySequence::Bold,
         tr("Makes the selected text bold, or the text you type next.")},
        {m_italic, "italic", QKeySequence::Italic, tr("Slants the selected text.")},
        {m_underline, "underline", QKeySequence::Underline,
         tr("Draws a line under the selected text.")},
        {m_strike, "strikeout", QKeySequence(),
         tr("Draws a line through the middle of the selected text.")},
    };
    for (const auto& d : described) {
        d.action->setObjectName(QLatin1String(d.name));
        d.action->setWhatsThis(d.description);
        if (!d.keys.isEmpty()) {
            d.action->setShortcut(d.keys);
            addAction(d.action);
        }
    }
    connect(m_bold, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(f);
    });
    connect(m_italic, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        mergeFormat(f);
    });
    connect(m_underline, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        mergeFormat(f);
    });
    connect(m_strike, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontStrikeOut(on);
        mergeFormat(f);
    });
    const auto scaleFont = [this](int step) {
        const qreal size = m_editor->currentCharFormat().fontPointSize() > 0
                               ? m_editor->currentCharFormat().fontPointSize()
                               : m_editor->font().pointSizeF();
        QTextCharFormat f;
        f.setFontPointSize(qMax<qreal>(6, size + step));
        mergeFormat(f);
    };
    connect(addCommand(font, themeIcon("format-font-size-more", glyphIcon(QStringLiteral("A"))),
                       tr("Grow Font"), Size::Small, false, 0),
            &QAction::triggered, this, [scaleFont] { scaleFont(2); });
    connect(addCommand(font, themeIcon("format-font-size-less", glyphIcon(QStringLiteral("a"))),
                       tr("Shrink Font"), Size::Small, false, 0),
            &QAction::triggered, this, [scaleFont] { scaleFont(-2); });

    RibbonCategoryAction* paragraph = addGroup(m_home, tr("Paragraph"));
    const QString names[] = {tr("Align Left"), tr("Center"), tr("Align Right"), tr("Justify")};
    const char* const themes[] = {"format-justify-left", "format-justify-center",
                                  "format-justify-right", "format-justify-fill"};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                        Qt::AlignJustify};
    auto* alignGroup = new QActionGroup(this);
    for (int i = 0; i < 4; ++i) {
        m_align[i] = addCommand(paragraph, themeIcon(themes[i], alignmentIcon(alignments[i])),
                                names[i], Size::Small, true);
        alignGroup->addAction(m_align[i]);
        const Qt::Alignment alignment = alignments[i];
        connect(m_align[i], &QAction::triggered, this,
                [this, alignment] { m_editor->setAlignment(alignment); });
    }
    connect(addCommand(paragraph, themeIcon("format-list-unordered", listIcon(false)),
                       tr("Bullets"), Size::Small),
            &QAction::triggered, this, [this] {
                QTextCursor cursor = m_editor->textCursor();
                if (QTextList* list = cursor.currentList()) {
                    list->remove(cursor.block());
                    QTextBlockFormat plain;
                    plain.setIndent(0);
                    cursor.mergeBlockFormat(plain);
                } else {
                    cursor.createList(QTextListFormat::ListDisc);
                }
            });
    connect(addCommand(paragraph, themeIcon("format-list-ordered", listIcon(true)), tr("Numbering"),
                       Size::Small),
            &QAction::triggered, this,
            [this] { m_editor->textCursor().createList(QTextListFormat::ListDecimal); });

    RibbonCategoryAction* editing = addGroup(m_home, tr("Editing"));
    connect(addCommand(editing, themeIcon("edit-find", glyphIcon(QStringLiteral("F"))), tr("Find"),
                       Size::Large),
            &QAction::triggered, this, [this] {
                // Into the find box of the tab row, ready for typing.
                auto* box = ribbonMenuBar()->findChild<RibbonCatComboComboBox*>();
                if (box) {
                    box->setFocus(Qt::ShortcutFocusReason);
                    if (box->lineEdit())
                        box->lineEdit()->selectAll();
                }
            });

    m_home->setChecked(true);
    ribbonMenuBar()->addAction(m_home);
}

void EditorWindow::buildInsert()
{
    RibbonCategoriesPanelAction* tab = addTab(tr("Insert"));
    RibbonCategoryAction* text = addGroup(tab, tr("Text"));
    connect(addCommand(text, themeIcon("x-office-calendar", glyphIcon(QStringLiteral("D"))),
                       tr("Date && Time"), Size::Large),
            &QAction::triggered, this, [this] {
                m_editor->insertPlainText(
                    QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat));
            });
    connect(addCommand(text, themeIcon("draw-text", glyphIcon(QStringLiteral("©"))), tr("Symbol"),
                       Size::Medium),
            &QAction::triggered, this, [this] { m_editor->insertPlainText(QStringLiteral("©")); });
    connect(addCommand(text, themeIcon("insert-horizontal-rule", glyphIcon(QStringLiteral("—"))),
                       tr("Horizontal Line"), Size::Medium),
            &QAction::triggered, this, [this] { m_editor->insertHtml(QStringLiteral("<hr/>")); });

    RibbonCategoryAction* tables = addGroup(tab, tr("Tables"));
    connect(addCommand(tables, themeIcon("insert-table", glyphIcon(QStringLiteral("T"))),
                       tr("Table"), Size::Large),
            &QAction::triggered, this, [this] {
                QTextTableFormat format;
                format.setCellPadding(3);
                format.setBorder(1);
                m_editor->textCursor().insertTable(3, 3, format);
            });

    RibbonCategoryAction* exporting = addGroup(tab, tr("Export"));
    RibbonCatSimpleAction* exportCommand =
        addCommand(exporting, themeIcon("document-export", glyphIcon(QStringLiteral("E"))),
                   tr("Export"), Size::Large);
    exportCommand->setToolTip(tr("Export the document (simulated, with progress)"));
    connect(exportCommand, &QAction::triggered, this, &EditorWindow::startExport);
    ribbonMenuBar()->addAction(tab);
}

void EditorWindow::buildView()
{
    RibbonCategoriesPanelAction* tab = addTab(tr("View"));
    RibbonCategoryAction* skins = addGroup(tab, tr("Skin"));
    auto* skinGroup = new QActionGroup(this);
    RibbonApplication* app = RibbonApplication::theApp();
    // One toggle per skin the application knows; the accent button remakes
    // the skin "Custom" in the colour the user picks.
    const QStringList names = skinNames();
    auto syncSkins = [this, app] {
        for (RibbonCatSimpleAction* skin : std::as_const(m_skins)) {
            const QString name = skin->data().toString();
            skin->setChecked(name == app->ribbonStyleName());
            if (name == QLatin1String("Custom"))
                skin->setIcon(skinIcon(name));
        }
        m_followDesktop->setChecked(app->followsDesktop());
    };
    for (const QString& name : names) {
        RibbonCatSimpleAction* skin =
            addCommand(skins, skinIcon(name), skinLabel(name), Size::Large, true);
        skin->setData(name);
        skin->setObjectName(QStringLiteral("skin ") + name);
        skinGroup->addAction(skin);
        connect(skin, &QAction::triggered, app, [name] { chooseSkin(name); });
        m_skins.append(skin);
    }
    m_accent = new RibbonCatColorMenuAction(skinIcon(QStringLiteral("Custom")), tr("Accent"),
                                            RibbonCatColorMenuAction::Medium, this);
    m_accent->setObjectName(QStringLiteral("accentColour"));
    m_accent->setToolTip(tr("A skin in the modern style with a colour of your own"));
    m_accent->setColor(customAccent());
    connect(m_accent, &RibbonCatColorMenuAction::colorActivated, app,
            [](const QColor& colour) { chooseAccent(colour); });
    skins->addAction(m_accent);
    m_followDesktop = addCommand(
        skins, themeIcon("preferences-desktop-color", skinIcon(QStringLiteral("Modern Dark"))),
        tr("Follow Desktop"), Size::Medium, true);
    m_followDesktop->setToolTip(tr("Modern Light or Modern Dark, as the desktop's colours are"));
    connect(m_followDesktop, &QAction::triggered, app, [app, syncSkins](bool on) {
        app->setFollowDesktop(on);
        syncSkins();
    });
    // The options dialog and the skin sheet switch the skin too.
    connect(app, &RibbonApplication::ribbonStyleChanged, this, syncSkins);
    syncSkins();

    RibbonCategoryAction* zoom = addGroup(tab, tr("Zoom"));
    connect(addCommand(zoom, themeIcon("zoom-in", glyphIcon(QStringLiteral("+"))), tr("Zoom In"),
                       Size::Medium),
            &QAction::triggered, m_editor,
            [this] { m_zoom->setPercentage(m_zoom->percentage() + 10); });
    connect(addCommand(zoom, themeIcon("zoom-out", glyphIcon(QStringLiteral("-"))), tr("Zoom Out"),
                       Size::Medium),
            &QAction::triggered, m_editor,
            [this] { m_zoom->setPercentage(m_zoom->percentage() - 10); });
    connect(addCommand(zoom, themeIcon("zoom-original", glyphIcon(QStringLiteral("1"))),
                       tr("100 %"), Size::Medium),
            &QAction::triggered, m_editor, [this] { m_zoom->setPercentage(100); });

    RibbonCategoryAction* widgets = addGroup(tab, tr("Widgets"));
    RibbonCatSimpleAction* skinned =
        addCommand(widgets, themeIcon("preferences-desktop-theme", glyphIcon(QStringLiteral("W"))),
                   tr("Skinned Widgets"), Size::Large, true);
    skinned->setToolTip(tr("Draw menus, tool tips and combo boxes with the skin"));
    skinned->setChecked(currentStyle() == RibbonSkinnedStyle);
    connect(skinned, &QAction::toggled, this, [](bool on) {
        if (on)
            RibbonApplication::theApp()->setApplicationStyle(RibbonApplication::SkinnedStyle);
        else
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    });
    ribbonMenuBar()->addAction(tab);
}

void EditorWindow::buildQuickAccessAndStatus()
{
    RibbonQuickAccessBar* qab = ribbonMenuBar()->quickAccessBar();
    auto* save = new RibbonSimpleAction(themeIcon("document-save", glyphIcon(QStringLiteral("S"))),
                                        tr("Save"), this);
    connect(save, &QAction::triggered, this, &EditorWindow::saveDocument);
    save->setObjectName(QStringLiteral("quickSave"));
    qab->addCommand(save);
    auto* undo = new RibbonSimpleAction(QPointer<RibbonAction>(m_undo), this);
    undo->setIcon(m_undo->icon());
    undo->setText(m_undo->text());
    undo->setObjectName(QStringLiteral("quickUndo"));
    qab->addCommand(undo);
    auto* redo = new RibbonSimpleAction(QPointer<RibbonAction>(m_redo), this);
    redo->setIcon(m_redo->icon());
    redo->setText(m_redo->text());
    redo->setObjectName(QStringLiteral("quickRedo"));
    qab->addCommand(redo);

    m_help = new RibbonSimpleAction(themeIcon("help-contents", glyphIcon(QStringLiteral("?"))),
                                    tr("Help"), this);
    connect(m_help, &QAction::triggered, this, [this] { showTarnwickHelp(this); });
    // The find box stands in the tab row, left of the help button.
    m_find = new RibbonCatComboAction(this);
    m_find->setWidth(150);
    m_find->setSearchable(true);
    // A mask of optional characters: the box takes words, not the numbers
    // an editable box is limited to otherwise.
    m_find->setComboInputMask(QString(30, QLatin1Char('x')));
    m_find->setToolTip(tr("Find in the document (Return finds the next)"));
    connect(m_find, &RibbonCatComboAction::selectionTextChanged, this, [this] {
        // Return in the box changes the selection first and then reports
        // the key; search once per Return.
        findText(m_find->selectionText());
        m_foundOnChange = true;
        QTimer::singleShot(0, this, [this] { m_foundOnChange = false; });
    });
    connect(m_find, &RibbonCatComboAction::keyPressed, this, [this](int key) {
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return;
        if (!m_foundOnChange)
            findText(m_find->selectionText());
        m_foundOnChange = false;
    });
    ribbonMenuBar()->setFindComboAction(m_find);
    ribbonMenuBar()->setHelpAction(m_help);

    // Status-bar toggles: word wrap and read-only, drawn so that each shows
    // one picture at every size.
    RibbonStatusBar* status = ribbonStatusBar();
    auto* wrap = new RibbonSimpleAction(wrapLinesIcon(), tr("Wrap Lines"), this);
    wrap->setCheckable(true);
    wrap->setChecked(true);
    wrap->setToolTip(tr("Wrap long lines at the window edge"));
    connect(wrap, &QAction::toggled, m_editor, [this](bool on) {
        m_editor->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    });
    status->addAction(wrap);
    auto* readOnly = new RibbonSimpleAction(padlockIcon(), tr("Read Only"), this);
    readOnly->setCheckable(true);
    readOnly->setToolTip(tr("Protect the document from changes"));
    connect(readOnly, &QAction::toggled, m_editor, &QTextEdit::setReadOnly);
    status->addAction(readOnly);

    // The zoom slider scales the editor's base font, which relative sizes
    // (headings) follow.
    m_zoom = new RibbonPercAction(10, 500, 100, this);
    m_zoom->setToolTip(tr("Zoom"));
    connect(m_zoom, &RibbonPercAction::percentageChanged, this, [this](int perc) {
        QFont font = m_editor->font();
        font.setPointSizeF(qMax<qreal>(1, m_baseFontSize * perc / 100));
        m_editor->setFont(font);
    });
    status->addAction(m_zoom);

    // The export's progress indicator joins the status bar only while an
    // export runs; its terminate button triggers the action.
    m_export = new RibbonProgressAction(0, 100, 0, tr("Exporting"), this);
    m_exportTimer = new QTimer(this);
    m_exportTimer->setInterval(60);
    connect(m_exportTimer, &QTimer::timeout, this, &EditorWindow::exportStep);
    connect(m_export, &QAction::triggered, this, &EditorWindow::finishExport);
}

void EditorWindow::startExport()
{
    if (m_exportTimer->isActive())
        return;
    m_export->setProgress(0, 100);
    ribbonStatusBar()->addAction(m_export);
    m_exportTimer->start();
}

void EditorWindow::exportStep()
{
    const int next = m_export->value() + 2;
    m_export->setProgress(next, 100);
    if (next >= 100)
        finishExport();
}

void EditorWindow::finishExport()
{
    m_exportTimer->stop();
    // Taking the action out deletes the indicator, which releases its grab.
    ribbonStatusBar()->removeAction(m_export);
}

void EditorWindow::findText(const QString& typed)
{
    // The box's input mask may pad the text with blanks.
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return;
    if (!m_editor->find(text)) {
        m_editor->moveCursor(QTextCursor::Start);
        m_editor->find(text);
    }
}

QMenu* EditorWindow::createContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    QAction* cut = menu->addAction(m_cut->icon(), tr("Cu&t"), m_editor, &QTextEdit::cut);
    cut->setShortcut(QKeySequence::Cut);
    cut->setEnabled(m_editor->textCursor().hasSelection());
    QAction* copy = menu->addAction(m_copy->icon(), tr("&Copy"), m_editor, &QTextEdit::copy);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(cut->isEnabled());
    QAction* paste = menu->addAction(tr("&Paste"), m_editor, &QTextEdit::paste);
    paste->setShortcut(QKeySequence::Paste);
    menu->setDefaultAction(paste);
    menu->addSeparator();
    const auto toggle = [menu](const QString& text, bool on, auto slot) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(on);
        QObject::connect(action, &QAction::toggled, menu, slot);
    };
    toggle(tr("&Bold"), m_bold->isChecked(), [this](bool) { m_bold->trigger(); });
    toggle(tr("&Italic"), m_italic->isChecked(), [this](bool) { m_italic->trigger(); });
    toggle(tr("&Wrap Lines"), m_editor->lineWrapMode() != QTextEdit::NoWrap, [this](bool on) {
        m_editor->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    });
    menu->addSeparator();
    QMenu* zoom = menu->addMenu(tr("&Zoom"));
    for (int perc : {50, 100, 150, 200}) {
        QAction* step = zoom->addAction(tr("%1 %").arg(perc));
        step->setCheckable(true);
        step->setChecked(m_zoom->percentage() == perc);
        connect(step, &QAction::triggered, m_zoom, [this, perc] { m_zoom->setPercentage(perc); });
    }
    QAction* exporting = menu->addAction(tr("&Export"), this, &EditorWindow::startExport);
    exporting->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+E")));
    return menu;
}

void EditorWindow::mergeFormat(const QTextCharFormat& format)
{
    QTextCursor cursor = m_editor->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    m_editor->mergeCurrentCharFormat(format);
}

void EditorWindow::formatChanged(const QTextCharFormat& format)
{
    showFontAtCursor(format);
    m_bold->setChecked(format.fontWeight() >= QFont::Bold);
    m_italic->setChecked(format.fontItalic());
    m_underline->setChecked(format.fontUnderline());
    m_strike->setChecked(format.fontStrikeOut());
}

void EditorWindow::showFontAtCursor(const QTextCharFormat& format)
{
    const QStringList families = format.fontFamilies().toStringList();
    m_fontFamily->setFontFamily(
        QFont(families.isEmpty() ? m_editor->font().family() : families.first()));
    const qreal size = format.fontPointSize() > 0 ? format.fontPointSize() : m_baseFontSize;
    m_fontSize->setSelectionText(QString::number(qRound(size)));
}

void EditorWindow::cursorMoved()
{
    const Qt::Alignment alignment = m_editor->alignment();
    int index = 0;
    if (alignment & Qt::AlignHCenter)
        index = 1;
    else if (alignment & Qt::AlignRight)
        index = 2;
    else if (alignment & Qt::AlignJustify)
        index = 3;
    m_align[index]->setChecked(true);
}

bool EditorWindow::maySave()
{
    if (!m_editor->document()->isModified())
        return true;
    const auto answer = QMessageBox::warning(
        this, tr("Unsaved changes"),
        tr("%1 was changed. Save the changes?").arg(shownTitle().remove(QLatin1Char('*'))),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return saveDocument();
    return answer == QMessageBox::Discard;
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    event->setAccepted(maySave());
}

void EditorWindow::newDocument()
{
    if (!maySave())
        return;
    m_editor->clear();
    m_path.clear();
    m_editor->document()->setModified(false);
    // "[*]": the caption shows "*" while the document is modified.
    setTitle(tr("Untitled") + QStringLiteral("[*]"));
}

void EditorWindow::openDocument()
{
    if (!maySave())
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open"), QString(), tr("Documents (*.html *.htm *.txt);;All files (*)"));
    if (!path.isEmpty())
        openFile(path);
}

bool EditorWindow::openFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, tr("Open"),
                             tr("Cannot read %1:\n%2").arg(path, file.errorString()));
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    if (Qt::mightBeRichText(text))
        m_editor->setHtml(text);
    else
        m_editor->setPlainText(text);
    m_path = QFileInfo(path).absoluteFilePath();
    m_editor->document()->setModified(false);
    setTitle(QFileInfo(path).fileName() + QStringLiteral("[*]"));
    rememberRecentFile(m_path);
    return true;
}

void EditorWindow::openFiles(const QStringList& files)
{
    // One document at a time: the last readable one stays open.
    for (const QString& file : files)
        openFile(file);
    raise();
    activateWindow();
}

bool EditorWindow::saveDocument()
{
    return m_path.isEmpty() ? saveDocumentAs() : writeTo(m_path);
}

bool EditorWindow::saveDocumentAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save As"), m_path,
                                                      tr("HTML (*.html);;Text (*.txt)"));
    return !path.isEmpty() && writeTo(path);
}

bool EditorWindow::writeTo(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QMessageBox::warning(this, tr("Save"),
                             tr("Cannot write %1:\n%2").arg(path, file.errorString()));
        return false;
    }
    const bool plain = path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
    file.write((plain ? m_editor->toPlainText() : m_editor->toHtml()).toUtf8());
    m_path = QFileInfo(path).absoluteFilePath();
    m_editor->document()->setModified(false);
    setTitle(QFileInfo(path).fileName() + QStringLiteral("[*]"));
    rememberRecentFile(m_path);
    ribbonStatusBar()->showMessage(tr("Saved %1").arg(QFileInfo(path).fileName()), 3000);
    return true;
}

bool EditorWindow::openCollapsedPopup()
{
    RibbonCategoryPanel* page = ribbonMenuBar()->panels()->page(m_home);
    if (!page)
        return false;
    for (RibbonCategoryWrapper* wrapper : page->pageLayout()->wrappers()) {
        if (wrapper->isColapsed()) {
            wrapper->setMyChecked(true);
            return true;
        }
    }
    return false;
}

static void useArabicDemoTexts(EditorWindow& window)
{
    // The demo's own texts are English; the Arabic scene shows the commonest.
    static const std::pair<const char*, const char*> texts[] = {
        {"Home", "الرئيسية"},
        {"Insert", "إدراج"},
        {"View", "عرض"},
        {"Format", "تنسيق"},
        {"Clipboard", "الحافظة"},
        {"Paste", "لصق"},
        {"Cut", "قص"},
        {"Copy", "نسخ"},
        {"Select All", "تحديد الكل"},
        {"History", "السجل"},
        {"Undo", "تراجع"},
        {"Redo", "إعادة"},
        {"Font", "الخط"},
        {"Paragraph", "فقرة"},
        {"Editing", "تحرير"},
        {"Find", "بحث"},
        {"New", "جديد"},
        {"Open...", "فتح..."},
        {"Save", "حفظ"},
        {"Save As", "حفظ باسم"},
        {"Print...", "طباعة..."},
        {"Close", "إغلاق"},
        {"Bold", "غامق"},
        {"Italic", "مائل"},
        {"Underline", "تسطير"},
        {"Exit Tarnwick", "إنهاء Tarnwick"},
        {"Tarnwick Options", "خيارات Tarnwick"},
    };
    for (QAction* action : window.findChildren<QAction*>()) {
        const QString plain = QString(action->text()).remove(QLatin1Char('&'));
        for (const auto& [english, arabic] : texts)
            if (plain == QLatin1String(english))
                action->setText(QString::fromUtf8(arabic));
    }
    window.editor()->setHtml(QString::fromUtf8(
        "<h2>تارنويك</h2><p>محرر صغير واجهته كلها شريط. حدد نصًا واضغط <b>غامق</b> أو "
        "<u>تسطير</u>؛ المسار \u2066/home/ada/notes.txt\u2069 يبقى كما هو.</p>"));
    window.editor()->document()->setModified(false);
    window.setTitle(QString::fromUtf8("ملاحظات") + QStringLiteral("[*]"));
}

bool isEditorScene(const QString& scene)
{
    return scene.isEmpty() || scene == QLatin1String("main") ||
           scene == QLatin1String("collapsed") || scene == QLatin1String("collapsedpopup") ||
           scene == QLatin1String("window") || scene == QLatin1String("appmenu") ||
           scene == QLatin1String("submenu") || scene == QLatin1String("fonts") ||
           scene == QLatin1String("statusbar") || scene == QLatin1String("menustyle") ||
           scene == QLatin1String("rtl") || isAuxScene(scene) || isControlScene(scene) ||
           isFeatureScene(scene);
}

int runEditor(const DemoOptions& options)
{
    auto* app = static_cast<TarnwickApp*>(RibbonApplication::theApp());
    // Menus, tool tips and the ribbon's combo boxes in the skin's look; the
    // View tab switches it off.
    app->setApplicationStyle(RibbonApplication::SkinnedStyle);
    // The Arabic scene: the library's Arabic texts, which also turn the
    // application right to left, and Arabic texts of the demo's own.
    const bool arabic = options.shotScene == QLatin1String("rtl");
    if (arabic)
        app->loadTranslations(QLocale(QLocale::Arabic));
    EditorWindow window;
    if (arabic)
        useArabicDemoTexts(window);
    // Screenshots start from the built-in state and leave the settings alone.
    attachRibbonFeatures(window, !options.wantsShot());
    const QString& scene = options.shotScene;
    const bool narrow =
        scene == QLatin1String("collapsed") || scene == QLatin1String("collapsedpopup");
    QSize size = options.size;
    if (size.isEmpty())
        size = narrow ? QSize(400, 440) : QSize(1100, 720);
    window.setGeometry(QRect(QPoint(20, 20), size));
    window.show();
    app->setActivationWindow(&window);
    window.openFiles(options.files);
    QObject::connect(app, &TarnwickApp::openRequested, &window, &EditorWindow::openFiles);
    app->endInit();
    if (!options.wantsShot())
        return app->exec();

    QCoreApplication::processEvents();
    if (scene == QLatin1String("main")) {
        // Some formatted text selected, so that the font buttons show checked.
        QTextCursor cursor(window.editor()->document());
        cursor.movePosition(QTextCursor::NextBlock);
        cursor.movePosition(QTextCursor::NextWord, QTextCursor::MoveAnchor, 12);
        cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor, 1);
        window.editor()->setTextCursor(cursor);
        window.editor()->setFocus();
    } else if (scene == QLatin1String("collapsedpopup") && !window.openCollapsedPopup()) {
        std::fprintf(stderr, "tarnwick: no group collapsed at this size\n");
        return 1;
    } else if (scene == QLatin1String("appmenu") || scene == QLatin1String("submenu")) {
        window.openApplicationMenu(scene == QLatin1String("submenu"));
    } else if (scene == QLatin1String("window")) {
        return takeShot(openFrameDemo(&window), options.shotFile);
    } else if (scene == QLatin1String("fonts")) {
        // A word of the first paragraph set larger and selected, the font
        // list open.
        QTextCursor cursor(window.editor()->document());
        cursor.movePosition(QTextCursor::NextBlock);
        cursor.movePosition(QTextCursor::NextWord, QTextCursor::MoveAnchor, 2);
        cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor, 2);
        QTextCharFormat large;
        large.setFontPointSize(16);
        cursor.mergeCharFormat(large);
        window.editor()->setTextCursor(cursor);
        window.editor()->setFocus();
        if (auto* box = window.findChild<QFontComboBox*>())
            QTimer::singleShot(150, box, [box] { box->showPopup(); });
    } else if (scene == QLatin1String("statusbar")) {
        window.zoomAction()->setPercentage(150);
        window.startExport();
        window.exportProgress()->setProgress(58, 100);
        window.ribbonStatusBar()->showMessage(EditorWindow::tr("Saved notes.txt"));
    } else if (scene == QLatin1String("menustyle")) {
        QMenu* menu = window.createContextMenu(&window);
        menu->popup(window.editor()->mapToGlobal(QPoint(160, 60)));
        // The sub-menu opened as by the keyboard, and a tool tip beside it.
        QTimer::singleShot(150, menu, [menu] {
            for (QAction* action : menu->actions()) {
                if (action->menu()) {
                    menu->setActiveAction(action);
                    action->menu()->popup(
                        menu->mapToGlobal(menu->actionGeometry(action).topRight()));
                }
            }
        });
        QTimer::singleShot(250, &window, [&window] {
            QToolTip::showText(window.editor()->mapToGlobal(QPoint(560, 300)),
                               QObject::tr("Tool tips are skinned too"), &window);
        });
    } else if (isAuxScene(scene) && !prepareAuxScene(window, scene)) {
        return 1;
    } else if (isControlScene(scene) && !openControlScene(window, scene)) {
        return 1;
    } else if (isFeatureScene(scene) && !openFeatureScene(window, scene)) {
        std::fprintf(stderr, "tarnwick: cannot show scene '%s'\n", qPrintable(scene));
        return 1;
    }
    return takeShot(&window, options.shotFile);
}
