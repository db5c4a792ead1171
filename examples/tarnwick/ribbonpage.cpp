#include "ribbonpage.h"

#include "options.h"

#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMainWindow.h>

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace oru;

namespace {

// Simple drawn icons, so the demo needs no icon theme.
QIcon drawnIcon(const QColor& colour, const QString& letter)
{
    QIcon icon;
    for (int side : {16, 32}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), side / 6.0, side / 6.0);
        QLinearGradient fill(0, 0, 0, side);
        fill.setColorAt(0, colour.lighter(150));
        fill.setColorAt(1, colour);
        painter.fillPath(path, fill);
        painter.setPen(colour.darker(160));
        painter.drawPath(path);
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

} // namespace

RibbonPageWindow::RibbonPageWindow()
{
    setWindowTitle(QStringLiteral("Tarnwick"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The page stack's bar lives in a main window that is never shown; only
    // the page is shown here.
    m_owner = std::make_unique<RibbonMainWindow>();
    m_stack = new RibbonCategoryPanels(*m_owner->ribbonMenuBar());
    layout->addWidget(m_stack);
    auto* text = new QTextEdit(this);
    text->setPlainText(tr("Narrow the window: the groups collapse into buttons, the one that "
                          "saves least first. Press a collapsed group to open it."));
    layout->addWidget(text, 1);

    m_home = new RibbonCategoriesPanelAction(tr("Home"), this);
    m_home->setChecked(true);

    using Size = RibbonCatSimpleAction;
    const auto add = [this](RibbonCategoryAction* g, const QIcon& icon, const QString& text,
                            Size::eSize size, bool checkable = false) {
        auto* action = new RibbonCatSimpleAction(icon, text, size, this);
        action->setCheckable(checkable);
        action->setToolTip(text);
        g->addAction(action);
        return action;
    };

    RibbonCategoryAction* clipboard = group(tr("Clipboard"));
    add(clipboard, drawnIcon(QColor(0xc0, 0x8a, 0x2a), QStringLiteral("P")), tr("Paste"),
        Size::Large);
    add(clipboard, drawnIcon(QColor(0x90, 0x30, 0x30), QStringLiteral("X")), tr("Cut"),
        Size::Medium);
    add(clipboard, drawnIcon(QColor(0x30, 0x60, 0x90), QStringLiteral("C")), tr("Copy"),
        Size::Medium);
    add(clipboard, drawnIcon(QColor(0xb0, 0x90, 0x20), QStringLiteral("F")), tr("Format Painter"),
        Size::Medium);

    RibbonCategoryAction* font = group(tr("Font"));
    const char* letters[] = {"B", "I", "U", "S", "x", "X", "A", "H"};
    const QColor colours[] = {QColor(0x33, 0x33, 0x33), QColor(0x44, 0x44, 0x66),
                              QColor(0x22, 0x55, 0x88), QColor(0x88, 0x22, 0x22),
                              QColor(0x55, 0x77, 0x33), QColor(0x33, 0x77, 0x55),
                              QColor(0xaa, 0x33, 0x33), QColor(0xcc, 0xaa, 0x00)};
    for (int i = 0; i < 8; ++i)
        add(font, drawnIcon(colours[i], QString::fromLatin1(letters[i])),
            QString::fromLatin1(letters[i]), Size::Small, i < 4);
    add(font, drawnIcon(QColor(0x50, 0x50, 0x90), QStringLiteral("a")), tr("Grow Font"),
        Size::Medium);
    add(font, drawnIcon(QColor(0x50, 0x50, 0x90), QStringLiteral("a")), tr("Shrink Font"),
        Size::Medium);

    RibbonCategoryAction* paragraph = group(tr("Paragraph"));
    const char* marks[] = {"L", "C", "R", "J", "1", "2", "<", ">", "P"};
    for (int i = 0; i < 9; ++i)
        add(paragraph, drawnIcon(QColor(0x3a, 0x6e, 0xa5), QString::fromLatin1(marks[i])),
            QString::fromLatin1(marks[i]), Size::Small, i < 4);
    add(paragraph, drawnIcon(QColor(0x3a, 0x6e, 0xa5), QStringLiteral("S")), tr("Line Spacing"),
        Size::Medium);

    RibbonCategoryAction* insert = group(tr("Insert"));
    add(insert, drawnIcon(QColor(0x2e, 0x8b, 0x57), QStringLiteral("P")), tr("Picture"),
        Size::Large);
    add(insert, drawnIcon(QColor(0x6a, 0x5a, 0xcd), QStringLiteral("T")), tr("Table"),
        Size::Large);
    add(insert, drawnIcon(QColor(0xd2, 0x69, 0x1e), QStringLiteral("C")), tr("Chart"),
        Size::Large);
    add(insert, drawnIcon(QColor(0x46, 0x82, 0xb4), QStringLiteral("L")), tr("Link"),
        Size::Medium);
    add(insert, drawnIcon(QColor(0x46, 0x82, 0xb4), QStringLiteral("B")), tr("Bookmark"),
        Size::Medium);

    RibbonCategoryAction* editing = group(tr("Editing"));
    add(editing, drawnIcon(QColor(0x55, 0x55, 0x55), QStringLiteral("F")), tr("Find"),
        Size::Medium);
    add(editing, drawnIcon(QColor(0x55, 0x55, 0x55), QStringLiteral("R")), tr("Replace"),
        Size::Medium);
    add(editing, drawnIcon(QColor(0x55, 0x55, 0x55), QStringLiteral("A")), tr("Select All"),
        Size::Medium);

    m_stack->addAction(m_home);
}

RibbonPageWindow::~RibbonPageWindow()
{
    // The page stack refers to the bar of m_owner, which goes first.
    delete m_stack;
}

RibbonCategoryAction* RibbonPageWindow::group(const QString& caption)
{
    auto* category = new RibbonCategoryAction(caption, this);
    m_home->addCategory(category);
    return category;
}

bool RibbonPageWindow::openCollapsedPopup()
{
    RibbonCategoryPanel* page = m_stack->page(m_home);
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

bool isRibbonPageScene(const QString& scene)
{
    // The collapsed scenes moved to the editor window.
    return scene == QLatin1String("page");
}

int runRibbonPageScene(const DemoOptions& options)
{
    RibbonPageWindow window;
    const bool full = options.shotScene == QLatin1String("page");
    window.resize(options.size.isEmpty() ? QSize(full ? 1100 : 560, 420) : options.size);
    window.move(20, 20);
    window.show();
    QCoreApplication::processEvents();
    if (options.shotScene == QLatin1String("collapsedpopup") && !window.openCollapsedPopup())
        return 1;
    return takeShot(&window, options.shotFile);
}
