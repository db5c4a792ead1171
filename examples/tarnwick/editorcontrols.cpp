#include "editorcontrols.h"

#include "demoicons.h"
#include "editorwindow.h"
#include "themeicon.h"

#include <oruRibbonCatActionGroup.h>
#include <oruRibbonCatColorMenuAction.h>
#include <oruRibbonCatColorMenuButton.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatMenuButton.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace oru;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("EditorControls", text);
}

struct ParagraphStyle
{
    const char* name;
    int heading; // 0: body text
    int pixel;
    bool bold;
    bool italic;
    QColor colour;
    int indent;
};

const ParagraphStyle kStyles[] = {
    {"Normal", 0, 13, false, false, Qt::black, 0},
    {"Heading 1", 1, 22, true, false, QColor(23, 54, 93), 0},
    {"Heading 2", 2, 18, true, false, QColor(54, 95, 145), 0},
    {"Heading 3", 3, 15, true, false, QColor(79, 129, 189), 0},
    {"Title", 0, 26, false, false, QColor(23, 54, 93), 0},
    {"Quote", 0, 13, false, true, QColor(90, 90, 90), 1},
    {"Emphasis", 0, 13, false, true, Qt::black, 0},
    {"Strong", 0, 13, true, false, Qt::black, 0},
    {"Code", 0, 12, false, false, QColor(120, 40, 40), 0},
};

// The font a style sets, at its pixel size.
QFont styleFont(const ParagraphStyle& style)
{
    QFont font(
        QString::fromLatin1(qstrcmp(style.name, "Code") == 0 ? "DejaVu Sans Mono" : "DejaVu Sans"));
    font.setPixelSize(style.pixel);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

void applyStyle(QTextEdit* edit, const ParagraphStyle& style)
{
    QTextCursor cursor = edit->textCursor();
    cursor.beginEditBlock();
    QTextBlockFormat block = cursor.blockFormat();
    block.setHeadingLevel(style.heading);
    block.setIndent(style.indent);
    cursor.setBlockFormat(block);
    QTextCharFormat chars;
    chars.setFontPointSize(style.pixel * 0.75);
    chars.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    chars.setFontItalic(style.italic);
    chars.setForeground(style.colour);
    chars.setFontFamilies({styleFont(style).family()});
    QTextCursor whole = cursor;
    whole.select(QTextCursor::BlockUnderCursor);
    if (cursor.block().length() > 1) {
        whole.setPosition(cursor.block().position());
        whole.setPosition(cursor.block().position() + cursor.block().length() - 1,
                          QTextCursor::KeepAnchor);
        whole.mergeCharFormat(chars);
    }
    cursor.endEditBlock();
    edit->mergeCurrentCharFormat(chars);
}

void mergeChars(QTextEdit* edit, const QTextCharFormat& format)
{
    QTextCursor cursor = edit->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    edit->mergeCurrentCharFormat(format);
}

template <class Widget, class Action> Widget* widgetFor(QWidget& root, Action* action)
{
    for (Widget* w : root.findChildren<Widget*>())
        if (w->actions().contains(action) && w->isVisible())
            return w;
    return nullptr;
}

// Presses at @p pos as a user would, through the group-widget entry point.
void press(IRibbonGroupWidget* widget, QWidget* asWidget, const QPoint& pos)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(pos), QPointF(asWidget->mapToGlobal(pos)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    widget->processEvents(&event);
}

} // namespace

void buildEditorControls(EditorWindow& window)
{
    QTextEdit* edit = window.editor();
    auto* tab = new RibbonCategoriesPanelAction(tr("Format"), &window);
    tab->setObjectName(QStringLiteral("formatTab"));
    const auto group = [&](const QString& caption) {
        auto* category = new RibbonCategoryAction(caption, &window);
        tab->addCategory(category);
        return category;
    };
    // Paste: a split button with a menu of its variants.
    RibbonCategoryAction* clipboard = group(tr("Paste"));
    auto* paste =
        new RibbonCatMenuAction(themeIcon("edit-paste", glyphIcon(QStringLiteral("P"))),
                                tr("Paste"), RibbonCatMenuAction::Button,
                                RibbonCatMenuAction::Large, RibbonCatMenuAction::Menu, &window);
    paste->setObjectName(QStringLiteral("pasteMenu"));
    // The default action's icon is the one the large button shows.
    auto* pasteRich = new RibbonSimpleAction(
        themeIcon("edit-paste", glyphIcon(QStringLiteral("P"))), tr("Paste"), &window);
    auto* pastePlain =
        new RibbonSimpleAction(themeIcon("text-plain", glyphIcon(QStringLiteral("T"))),
                               tr("Paste as plain text"), &window);
    QObject::connect(pasteRich, &QAction::triggered, edit, &QTextEdit::paste);
    QObject::connect(pastePlain, &QAction::triggered, edit,
                     [edit] { edit->insertPlainText(QApplication::clipboard()->text()); });
    paste->addAction(pasteRich, true);
    paste->addAction(pastePlain);
    clipboard->addAction(paste);

    // Character formatting as joined button groups, colours in a wide group.
    RibbonCategoryAction* text = group(tr("Text"));
    auto* styleGroup = new RibbonCatActionGroup(tr("Style"), &window);
    const struct
    {
        TextFormatIcon icon;
        const char* tip;
        void (*apply)(QTextCharFormat&, bool);
    } toggles[] = {
        {TextFormatIcon::Bold, "Bold",
         [](QTextCharFormat& f, bool on) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); }},
        {TextFormatIcon::Italic, "Italic",
         [](QTextCharFormat& f, bool on) { f.setFontItalic(on); }},
        {TextFormatIcon::Underline, "Underline",
         [](QTextCharFormat& f, bool on) { f.setFontUnderline(on); }},
        {TextFormatIcon::Strikethrough, "Strikeout",
         [](QTextCharFormat& f, bool on) { f.setFontStrikeOut(on); }},
    };
    QList<RibbonCatSimpleAction*> toggleActions;
    for (const auto& t : toggles) {
        auto* a = new RibbonCatSimpleAction(textFormatIcon(t.icon), tr(t.tip),
                                            RibbonCatSimpleAction::Small, &window);
        a->setCheckable(true);
        a->setToolTip(tr(t.tip));
        const auto apply = t.apply;
        QObject::connect(a, &QAction::triggered, edit, [edit, apply](bool on) {
            QTextCharFormat f;
            apply(f, on);
            mergeChars(edit, f);
        });
        styleGroup->addAction(a);
        toggleActions.append(a);
    }
    text->addAction(styleGroup);

    auto* alignGroup = new RibbonCatActionGroup(tr("Alignment"), &window);
    alignGroup->setExclusive(true);
    const struct
    {
        const char* theme;
        const char* tip;
        Qt::Alignment align;
    } aligns[] = {{"format-justify-left", "Align left", Qt::AlignLeft},
                  {"format-justify-center", "Centre", Qt::AlignHCenter},
                  {"format-justify-right", "Align right", Qt::AlignRight},
                  {"format-justify-fill", "Justify", Qt::AlignJustify}};
    QList<RibbonCatSimpleAction*> alignActions;
    for (const auto& a : aligns) {
        auto* action = new RibbonCatSimpleAction(themeIcon(a.theme, alignmentIcon(a.align)),
                                                 tr(a.tip), RibbonCatSimpleAction::Small, &window);
        action->setCheckable(true);
        action->setToolTip(tr(a.tip));
        const Qt::Alignment align = a.align;
        QObject::connect(action, &QAction::triggered, edit,
                         [edit, align] { edit->setAlignment(align); });
        alignActions.append(action);
    }
    alignActions[0]->setChecked(true);
    for (RibbonCatSimpleAction* a : alignActions)
        alignGroup->addAction(a);
    text->addAction(alignGroup);

    auto* colourGroup = new RibbonCatActionGroup(tr("Colours"), &window);
    auto* fontColour =
        new RibbonCatColorMenuAction(themeIcon("format-text-color", glyphIcon(QStringLiteral("A"))),
                                     tr("Font colour"), RibbonCatColorMenuAction::Small, &window);
    fontColour->setToolTip(tr("Font colour"));
    fontColour->setHasAutomaticColor(true);
    fontColour->setAutomaticColor(Qt::black);
    fontColour->setColor(QColor(255, 0, 0));
    auto* highlight =
        new RibbonCatColorMenuAction(themeIcon("format-fill-color", glyphIcon(QStringLiteral("H"))),
                                     tr("Highlight"), RibbonCatColorMenuAction::Small, &window);
    highlight->setObjectName(QStringLiteral("highlightColour"));
    highlight->setToolTip(tr("Text highlight colour"));
    highlight->setHasNoneColor(true);
    highlight->setColor(QColor(255, 255, 0));
    const auto colourText = [edit](const QColor& c) {
        QTextCharFormat f;
        f.setForeground(c);
        mergeChars(edit, f);
    };
    // The user's choice in a picker: a colour, the automatic one, or none
    // (an invalid colour).
    QObject::connect(fontColour, &RibbonCatColorMenuAction::colorActivated, edit, colourText);
    QObject::connect(highlight, &RibbonCatColorMenuAction::colorActivated, edit,
                     [edit](const QColor& c) {
                         QTextCharFormat f;
                         f.setBackground(c.isValid() ? c : QColor(Qt::transparent));
                         mergeChars(edit, f);
                     });
    // The members' own clicks apply the current colour again.
    QObject::connect(fontColour, &QAction::triggered, edit,
                     [fontColour, colourText] { colourText(fontColour->color()); });
    colourGroup->addAction(fontColour, true);
    colourGroup->addAction(highlight, true);
    text->addAction(colourGroup);

    auto* largeColour =
        new RibbonCatColorMenuAction(themeIcon("format-text-color", glyphIcon(QStringLiteral("A"))),
                                     tr("Text colour"), RibbonCatColorMenuAction::Large, &window);
    largeColour->setObjectName(QStringLiteral("textColour"));
    largeColour->setHasAutomaticColor(true);
    largeColour->setAutomaticColor(Qt::black);
    QObject::connect(largeColour, &RibbonCatColorMenuAction::colorActivated, edit, colourText);
    text->addAction(largeColour);

    // Keep the toggles in step with the text under the cursor.
    QObject::connect(edit, &QTextEdit::currentCharFormatChanged, styleGroup,
                     [toggleActions](const QTextCharFormat& f) {
                         toggleActions[0]->setChecked(f.fontWeight() >= QFont::Bold);
                         toggleActions[1]->setChecked(f.fontItalic());
                         toggleActions[2]->setChecked(f.fontUnderline());
                         toggleActions[3]->setChecked(f.fontStrikeOut());
                     });
    QObject::connect(edit, &QTextEdit::cursorPositionChanged, alignGroup, [edit, alignActions] {
        const Qt::Alignment a = edit->alignment();
        const int i = (a & Qt::AlignHCenter)   ? 1
                      : (a & Qt::AlignRight)   ? 2
                      : (a & Qt::AlignJustify) ? 3
                                               : 0;
        alignActions[i]->setChecked(true);
    });

    // Paragraph styles as an in-ribbon gallery.
    RibbonCategoryAction* styles = group(tr("Styles"));
    auto* gallery = new RibbonCatMenuAction(tr("Styles"), RibbonCatMenuAction::Palette,
                                            RibbonCatMenuAction::Large,
                                            RibbonCatMenuAction::PalettePopup, &window);
    gallery->setObjectName(QStringLiteral("stylesGallery"));
    gallery->setExclusive(true);
    for (const ParagraphStyle& s : kStyles) {
        auto* a = new RibbonSimpleAction(styleCardIcon(tr(s.name), styleFont(s), s.colour),
                                         tr(s.name), gallery);
        a->setToolTip(tr(s.name));
        a->setCheckable(true);
        const ParagraphStyle* style = &s;
        QObject::connect(a, &QAction::triggered, edit, [edit, style] { applyStyle(edit, *style); });
        gallery->addAction(a);
    }
    styles->addAction(gallery);

    // Symbols: a small gallery that inserts characters.
    RibbonCategoryAction* symbols = group(tr("Symbols"));
    auto* symbolGallery = new RibbonCatMenuAction(tr("Symbols"), RibbonCatMenuAction::Palette,
                                                  RibbonCatMenuAction::Small,
                                                  RibbonCatMenuAction::PalettePopup, &window);
    symbolGallery->setObjectName(QStringLiteral("symbolGallery"));
    const QString chars = QStringLiteral(
        "\u00a9\u00ae\u2122\u20ac\u00a3\u00a5\u00a7\u00b6\u00b1\u00d7\u00f7\u2260\u2264\u2265"
        "\u221e\u2248\u00b0\u00b5\u03b1\u03b2\u03b3\u03b4\u03c0\u03a9\u2190\u2191\u2192\u2193"
        "\u2194\u2022\u2026\u2020\u2021\u00bc\u00bd\u00be\u2713\u2717\u2605\u2665\u266a\u263a");
    for (const QChar c : chars) {
        auto* a = new RibbonSimpleAction(glyphIcon(QString(c)), QString(c), symbolGallery);
        a->setToolTip(tr("Insert %1").arg(c));
        QObject::connect(a, &QAction::triggered, edit,
                         [edit, c] { edit->insertPlainText(QString(c)); });
        symbolGallery->addAction(a);
    }
    symbols->addAction(symbolGallery);

    window.ribbonMenuBar()->addAction(tab);

    // Status bar: a view popup choosing how lines wrap.
    auto* views = new RibbonCatMenuAction(pageViewIcon(), QString(), RibbonCatMenuAction::Button,
                                          RibbonCatMenuAction::Small,
                                          RibbonCatMenuAction::ViewPopup, &window);
    views->setObjectName(QStringLiteral("viewMenu"));
    views->setToolTip(tr("Line wrapping"));
    auto* wrapGroup = new QActionGroup(views);
    const struct
    {
        const char* tip;
        int columns; // 0: window width, -1: none
    } wraps[] = {{"Wrap at the window", 0},
                 {"Wrap at 60 columns", 60},
                 {"Wrap at 80 columns", 80},
                 {"No wrapping", -1},
                 {"Wrap at 40 columns", 40}};
    for (const auto& w : wraps) {
        auto* a = new RibbonSimpleAction(wrapTileIcon(w.columns), tr(w.tip), views);
        a->setToolTip(tr(w.tip));
        a->setCheckable(true);
        a->setChecked(w.columns == 0);
        const int columns = w.columns;
        QObject::connect(a, &QAction::triggered, edit, [edit, columns] {
            if (columns == 0) {
                edit->setLineWrapMode(QTextEdit::WidgetWidth);
            } else if (columns < 0) {
                edit->setLineWrapMode(QTextEdit::NoWrap);
            } else {
                edit->setLineWrapMode(QTextEdit::FixedColumnWidth);
                edit->setLineWrapColumnOrWidth(columns);
            }
        });
        wrapGroup->addAction(a);
    }
    views->addIconActionGroup(wrapGroup);
    auto* zoomIn = new RibbonSimpleAction(themeIcon("zoom-in", glyphIcon(QStringLiteral("+"))),
                                          tr("Larger text"), views);
    auto* zoomOut = new RibbonSimpleAction(themeIcon("zoom-out", glyphIcon(QStringLiteral("-"))),
                                           tr("Smaller text"), views);
    QObject::connect(zoomIn, &QAction::triggered, edit, [edit] { edit->zoomIn(1); });
    QObject::connect(zoomOut, &QAction::triggered, edit, [edit] { edit->zoomOut(1); });
    views->addTopAction(zoomIn);
    views->addBottomAction(zoomOut);
    window.ribbonStatusBar()->addAction(views);
}

bool isControlScene(const QString& scene)
{
    return scene == QLatin1String("menu") || scene == QLatin1String("gallery") ||
           scene == QLatin1String("palettepopup") || scene == QLatin1String("colorpicker") ||
           scene == QLatin1String("viewpopup");
}

bool openControlScene(EditorWindow& window, const QString& scene)
{
    if (scene != QLatin1String("viewpopup")) {
        auto* tab = window.findChild<RibbonCategoriesPanelAction*>(QStringLiteral("formatTab"));
        if (!tab)
            return false;
        tab->setChecked(true);
    }
    QCoreApplication::processEvents();
    const auto menuButton = [&window](const char* name) -> RibbonCatMenuButton* {
        auto* action = window.findChild<RibbonCatMenuAction*>(QLatin1String(name));
        return action ? widgetFor<RibbonCatMenuButton>(window, action) : nullptr;
    };
    if (scene == QLatin1String("gallery"))
        return menuButton("stylesGallery") != nullptr;
    if (scene == QLatin1String("menu")) {
        RibbonCatMenuButton* b = menuButton("pasteMenu");
        if (!b)
            return false;
        press(b, b, QPoint(b->width() / 2, 50));
    } else if (scene == QLatin1String("palettepopup")) {
        RibbonCatMenuButton* b = menuButton("stylesGallery");
        if (!b)
            return false;
        press(b, b, QPoint(b->width() - 5, 50));
    } else if (scene == QLatin1String("viewpopup")) {
        RibbonCatMenuButton* b = menuButton("viewMenu");
        if (!b)
            return false;
        press(b, b, QPoint(5, 5));
    } else if (scene == QLatin1String("colorpicker")) {
        auto* action = window.findChild<RibbonCatColorMenuAction*>(QStringLiteral("textColour"));
        auto* b = action ? widgetFor<RibbonCatColorMenuButton>(window, action) : nullptr;
        if (!b)
            return false;
        press(b, b, QPoint(5, 5));
    }
    QCoreApplication::processEvents();
    return true;
}
