#include "editorwindow.h"
#include "editorcontrols.h"

#include "framedemo.h"
#include "options.h"
#include "tarnwickapp.h"

#include <oruRibbonApplication.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>

#include <QActionGroup>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QTextTable>

#include <cstdio>

using namespace oru;

namespace {

using Size = RibbonCatSimpleAction;

// A rounded square in @p colour with a white letter, drawn at the sizes the
// ribbon asks for.
QIcon letterIcon(const QColor& colour, const QString& letter)
{
    QIcon icon;
    for (int side : {12, 16, 32}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(colour.darker(140));
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), side / 6.0, side / 6.0);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(side * 2 / 3);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, letter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor kClipboard(0xc0, 0x8a, 0x2a);
const QColor kHistory(0x4a, 0x7a, 0x3a);
const QColor kFont(0x33, 0x44, 0x77);
const QColor kParagraph(0x3a, 0x6e, 0xa5);
const QColor kInsert(0x2e, 0x8b, 0x57);
const QColor kView(0x7a, 0x4a, 0x9a);

const char* const kSampleText =
    "<h2>Tarnwick</h2><p>A small editor whose whole user interface is the ribbon. Select some "
    "text and press <b>Bold</b>, <i>Italic</i> or <u>Underline</u> on the Home tab, align "
    "paragraphs, or insert the date from the Insert tab.</p><p>The View tab switches the skin "
    "between blue, silver and black. Narrow the window: the groups collapse into buttons, the "
    "one that saves least first.</p>";

} // namespace

EditorWindow::EditorWindow()
{
    m_editor = new QTextEdit(this);
    m_editor->setFrameShape(QFrame::NoFrame);
    setCentralWidget(m_editor);
    setMinimumSize(320, 260);

    buildHome();
    buildInsert();
    buildView();
    buildQuickAccessAndStatus();
    buildApplicationMenu();
    buildEditorControls(*this);

    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &EditorWindow::formatChanged);
    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &EditorWindow::cursorMoved);
    connect(m_editor, &QTextEdit::undoAvailable, m_undo, &RibbonAction::enableAction);
    connect(m_editor, &QTextEdit::redoAvailable, m_redo, &RibbonAction::enableAction);
    connect(m_editor, &QTextEdit::copyAvailable, m_cut, &RibbonAction::enableAction);
    connect(m_editor, &QTextEdit::copyAvailable, m_copy, &RibbonAction::enableAction);
    connect(m_editor->document(), &QTextDocument::modificationChanged, this, [this](bool) {
        setWindowModified(m_editor->document()->isModified());
    });

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
                                                const QString& text, int size, bool checkable)
{
    auto* action = new RibbonCatSimpleAction(icon, text, Size::eSize(size), this);
    action->setCheckable(checkable);
    action->setToolTip(text);
    group->addAction(action);
    return action;
}

void EditorWindow::buildHome()
{
    m_home = addTab(tr("Home"));
    QTextEdit* edit = m_editor;

    RibbonCategoryAction* clipboard = addGroup(m_home, tr("Clipboard"));
    connect(addCommand(clipboard, letterIcon(kClipboard, QStringLiteral("P")), tr("Paste"),
                       Size::Large),
            &QAction::triggered, edit, &QTextEdit::paste);
    m_cut = addCommand(clipboard, letterIcon(kClipboard.darker(130), QStringLiteral("X")),
                       tr("Cut"), Size::Medium);
    connect(m_cut, &QAction::triggered, edit, &QTextEdit::cut);
    m_copy = addCommand(clipboard, letterIcon(kClipboard.darker(130), QStringLiteral("C")),
                        tr("Copy"), Size::Medium);
    connect(m_copy, &QAction::triggered, edit, &QTextEdit::copy);
    connect(addCommand(clipboard, letterIcon(kClipboard.darker(130), QStringLiteral("A")),
                       tr("Select All"), Size::Medium),
            &QAction::triggered, edit, &QTextEdit::selectAll);
    m_cut->enableAction(false);
    m_copy->enableAction(false);

    RibbonCategoryAction* history = addGroup(m_home, tr("History"));
    m_undo = addCommand(history, letterIcon(kHistory, QStringLiteral("<")), tr("Undo"),
                        Size::Medium);
    connect(m_undo, &QAction::triggered, edit, &QTextEdit::undo);
    m_redo = addCommand(history, letterIcon(kHistory, QStringLiteral(">")), tr("Redo"),
                        Size::Medium);
    connect(m_redo, &QAction::triggered, edit, &QTextEdit::redo);
    m_undo->enableAction(false);
    m_redo->enableAction(false);

    RibbonCategoryAction* font = addGroup(m_home, tr("Font"));
    m_bold = addCommand(font, letterIcon(kFont, QStringLiteral("B")), tr("Bold"), Size::Small,
                        true);
    m_italic = addCommand(font, letterIcon(kFont, QStringLiteral("I")), tr("Italic"),
                          Size::Small, true);
    m_underline = addCommand(font, letterIcon(kFont, QStringLiteral("U")), tr("Underline"),
                             Size::Small, true);
    m_strike = addCommand(font, letterIcon(kFont, QStringLiteral("S")), tr("Strikeout"),
                          Size::Small, true);
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
    connect(addCommand(font, letterIcon(kFont.lighter(130), QStringLiteral("A")), tr("Grow Font"),
                       Size::Medium),
            &QAction::triggered, this, [scaleFont] { scaleFont(2); });
    connect(addCommand(font, letterIcon(kFont.lighter(130), QStringLiteral("a")),
                       tr("Shrink Font"), Size::Medium),
            &QAction::triggered, this, [scaleFont] { scaleFont(-2); });

    RibbonCategoryAction* paragraph = addGroup(m_home, tr("Paragraph"));
    const QString marks[] = {QStringLiteral("L"), QStringLiteral("C"), QStringLiteral("R"),
                             QStringLiteral("J")};
    const QString names[] = {tr("Align Left"), tr("Center"), tr("Align Right"), tr("Justify")};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                        Qt::AlignJustify};
    auto* alignGroup = new QActionGroup(this);
    for (int i = 0; i < 4; ++i) {
        m_align[i] =
            addCommand(paragraph, letterIcon(kParagraph, marks[i]), names[i], Size::Small, true);
        alignGroup->addAction(m_align[i]);
        const Qt::Alignment alignment = alignments[i];
        connect(m_align[i], &QAction::triggered, this,
                [this, alignment] { m_editor->setAlignment(alignment); });
    }
    connect(addCommand(paragraph, letterIcon(kParagraph, QStringLiteral("•")), tr("Bullets"),
                       Size::Small),
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
    connect(addCommand(paragraph, letterIcon(kParagraph, QStringLiteral("1")), tr("Numbering"),
                       Size::Small),
            &QAction::triggered, this,
            [this] { m_editor->textCursor().createList(QTextListFormat::ListDecimal); });

    RibbonCategoryAction* editing = addGroup(m_home, tr("Editing"));
    connect(addCommand(editing, letterIcon(QColor(0x55, 0x55, 0x55), QStringLiteral("F")),
                       tr("Find"), Size::Large),
            &QAction::triggered, this, [this] {
                bool ok = false;
                const QString text = QInputDialog::getText(this, tr("Find"), tr("Find what:"),
                                                           QLineEdit::Normal, QString(), &ok);
                if (ok && !text.isEmpty() && !m_editor->find(text)) {
                    m_editor->moveCursor(QTextCursor::Start);
                    m_editor->find(text);
                }
            });

    m_home->setChecked(true);
    ribbonMenuBar()->addAction(m_home);
}

void EditorWindow::buildInsert()
{
    RibbonCategoriesPanelAction* tab = addTab(tr("Insert"));
    RibbonCategoryAction* text = addGroup(tab, tr("Text"));
    connect(addCommand(text, letterIcon(kInsert, QStringLiteral("D")), tr("Date && Time"),
                       Size::Large),
            &QAction::triggered, this, [this] {
                m_editor->insertPlainText(
                    QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat));
            });
    connect(addCommand(text, letterIcon(kInsert, QStringLiteral("©")), tr("Symbol"),
                       Size::Medium),
            &QAction::triggered, this, [this] { m_editor->insertPlainText(QStringLiteral("©")); });
    connect(addCommand(text, letterIcon(kInsert, QStringLiteral("—")), tr("Horizontal Line"),
                       Size::Medium),
            &QAction::triggered, this, [this] { m_editor->insertHtml(QStringLiteral("<hr/>")); });

    RibbonCategoryAction* tables = addGroup(tab, tr("Tables"));
    connect(addCommand(tables, letterIcon(kInsert.darker(120), QStringLiteral("T")), tr("Table"),
                       Size::Large),
            &QAction::triggered, this, [this] {
                QTextTableFormat format;
                format.setCellPadding(3);
                format.setBorder(1);
                m_editor->textCursor().insertTable(3, 3, format);
            });
    ribbonMenuBar()->addAction(tab);
}

void EditorWindow::buildView()
{
    RibbonCategoriesPanelAction* tab = addTab(tr("View"));
    RibbonCategoryAction* skins = addGroup(tab, tr("Skin"));
    const QString names[] = {tr("Blue"), tr("Silver"), tr("Black")};
    const QColor colours[] = {QColor(0x3a, 0x6e, 0xa5), QColor(0x9a, 0xa0, 0xa8),
                              QColor(0x30, 0x30, 0x30)};
    auto* skinGroup = new QActionGroup(this);
    RibbonApplication* app = RibbonApplication::theApp();
    for (int i = 0; i < 3; ++i) {
        m_skins[i] = addCommand(skins, letterIcon(colours[i], names[i].left(1)), names[i],
                                Size::Large, true);
        skinGroup->addAction(m_skins[i]);
        m_skins[i]->setChecked(app->getRibbonStyle() == i);
        connect(m_skins[i], &QAction::triggered, app,
                [app, i] { app->setRibbonStyle(RibbonApplication::eRibbonStyle(i)); });
    }

    RibbonCategoryAction* zoom = addGroup(tab, tr("Zoom"));
    connect(addCommand(zoom, letterIcon(kView, QStringLiteral("+")), tr("Zoom In"), Size::Medium),
            &QAction::triggered, m_editor, [this] { m_editor->zoomIn(2); });
    connect(addCommand(zoom, letterIcon(kView, QStringLiteral("-")), tr("Zoom Out"),
                       Size::Medium),
            &QAction::triggered, m_editor, [this] { m_editor->zoomOut(2); });
    ribbonMenuBar()->addAction(tab);
}

void EditorWindow::buildQuickAccessAndStatus()
{
    RibbonQuickAccessBar* qab = ribbonMenuBar()->quickAccessBar();
    auto* save = new RibbonSimpleAction(letterIcon(QColor(0x3a, 0x6e, 0xa5), QStringLiteral("S")),
                                        tr("Save"), this);
    connect(save, &QAction::triggered, this, &EditorWindow::saveDocument);
    qab->addAction(save);
    auto* undo = new RibbonSimpleAction(QPointer<RibbonAction>(m_undo), this);
    undo->setIcon(m_undo->icon());
    undo->setText(m_undo->text());
    qab->addAction(undo);
    auto* redo = new RibbonSimpleAction(QPointer<RibbonAction>(m_redo), this);
    redo->setIcon(m_redo->icon());
    redo->setText(m_redo->text());
    qab->addAction(redo);

    m_help = new RibbonSimpleAction(letterIcon(QColor(0x2a, 0x6a, 0xc0), QStringLiteral("?")),
                                    tr("Help"), this);
    connect(m_help, &QAction::triggered, this, [this] {
        QMessageBox::about(this, tr("About Tarnwick"),
                           tr("Tarnwick, a small rich-text editor with a ribbon."));
    });
    ribbonMenuBar()->setHelpAction(m_help);

    // Status-bar toggles: word wrap and read-only.
    RibbonStatusBar* status = ribbonStatusBar();
    auto* wrap = new RibbonSimpleAction(letterIcon(QColor(0x4a, 0x7a, 0x3a), QStringLiteral("W")),
                                        tr("Wrap Lines"), this);
    wrap->setCheckable(true);
    wrap->setChecked(true);
    wrap->setToolTip(tr("Wrap long lines at the window edge"));
    connect(wrap, &QAction::toggled, m_editor, [this](bool on) {
        m_editor->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    });
    status->addAction(wrap);
    auto* readOnly = new RibbonSimpleAction(
        letterIcon(QColor(0x90, 0x30, 0x30), QStringLiteral("R")), tr("Read Only"), this);
    readOnly->setCheckable(true);
    readOnly->setToolTip(tr("Protect the document from changes"));
    connect(readOnly, &QAction::toggled, m_editor, &QTextEdit::setReadOnly);
    status->addAction(readOnly);
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
    m_bold->setChecked(format.fontWeight() >= QFont::Bold);
    m_italic->setChecked(format.fontItalic());
    m_underline->setChecked(format.fontUnderline());
    m_strike->setChecked(format.fontStrikeOut());
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

void EditorWindow::newDocument()
{
    m_editor->clear();
    m_path.clear();
    m_editor->document()->setModified(false);
    setTitle(tr("Untitled"));
}

void EditorWindow::openDocument()
{
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
    setTitle(QFileInfo(path).fileName());
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
    setTitle(QFileInfo(path).fileName());
    rememberRecentFile(m_path);
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

bool isEditorScene(const QString& scene)
{
    return scene.isEmpty() || scene == QLatin1String("main") ||
           scene == QLatin1String("collapsed") || scene == QLatin1String("collapsedpopup") ||
           scene == QLatin1String("window") || scene == QLatin1String("appmenu") ||
           scene == QLatin1String("submenu") || isControlScene(scene);
}

int runEditor(const DemoOptions& options)
{
    auto* app = static_cast<TarnwickApp*>(RibbonApplication::theApp());
    EditorWindow window;
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
    } else if (isControlScene(scene) && !openControlScene(window, scene)) {
        return 1;
    }
    return takeShot(&window, options.shotFile);
}
