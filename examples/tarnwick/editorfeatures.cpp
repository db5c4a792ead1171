#include "editorfeatures.h"

#include "editorwindow.h"
#include "themeicon.h"

#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonContextualTabGroup.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonMenuBarButton.h>
#include <oruRibbonOptionsDialog.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextTable>
#include <QVBoxLayout>

using namespace oru;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("EditorFeatures", text);
}

const QColor kTableTools(0xe0, 0x8a, 0x1e);
const QLatin1String kStateKey("ribbon/state");

QIcon tableIcon(const QString& text)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(kTableTools.darker(160));
    painter.setBrush(kTableTools.lighter(160));
    painter.drawRect(2, 4, 27, 23);
    painter.drawLine(2, 12, 29, 12);
    painter.drawLine(2, 20, 29, 20);
    painter.drawLine(11, 4, 11, 27);
    painter.drawLine(20, 4, 20, 27);
    QFont font;
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

// Table Tools: Design and Layout, shown while the cursor is in a table.
void buildTableTools(EditorWindow& window)
{
    QTextEdit* edit = window.editor();
    auto* group = new RibbonContextualTabGroup(tr("Table Tools"), kTableTools, &window);
    const auto tab = [&](const QString& text) {
        auto* page = new RibbonCategoriesPanelAction(text, &window);
        group->addTab(page);
        return page;
    };
    const auto category = [&](RibbonCategoriesPanelAction* page, const QString& caption) {
        auto* c = new RibbonCategoryAction(caption, &window);
        page->addCategory(c);
        return c;
    };
    const auto command = [&](RibbonCategoryAction* c, const QString& mark, const QString& text,
                             const QString& description, auto work) {
        auto* action =
            new RibbonCatSimpleAction(tableIcon(mark), text, RibbonCatSimpleAction::Large, &window);
        action->setWhatsThis(description);
        c->addAction(action);
        QObject::connect(action, &QAction::triggered, edit, [edit, work] {
            if (QTextTable* table = edit->textCursor().currentTable())
                work(table, table->cellAt(edit->textCursor()));
        });
        return action;
    };

    RibbonCategoriesPanelAction* design = tab(tr("Design"));
    RibbonCategoryAction* borders = category(design, tr("Borders"));
    command(borders, QStringLiteral("▢"), tr("Borders"),
            tr("Draws a line around every cell of the table, or takes the lines away."),
            [](QTextTable* table, const QTextTableCell&) {
                QTextTableFormat format = table->format();
                format.setBorder(format.border() > 0 ? 0 : 1);
                table->setFormat(format);
            });
    command(borders, QStringLiteral("↔"), tr("Cell Padding"),
            tr("Gives the text in the cells more room, up to eight pixels, then starts again."),
            [](QTextTable* table, const QTextTableCell&) {
                QTextTableFormat format = table->format();
                format.setCellPadding(format.cellPadding() >= 8 ? 2 : format.cellPadding() + 2);
                table->setFormat(format);
            });

    RibbonCategoriesPanelAction* layout = tab(tr("Layout"));
    RibbonCategoryAction* rows = category(layout, tr("Rows & Columns"));
    command(
        rows, QStringLiteral("↑"), tr("Insert Above"), tr("Adds a row above the cursor."),
        [](QTextTable* table, const QTextTableCell& cell) { table->insertRows(cell.row(), 1); });
    command(rows, QStringLiteral("↓"), tr("Insert Below"), tr("Adds a row below the cursor."),
            [](QTextTable* table, const QTextTableCell& cell) {
                table->insertRows(cell.row() + 1, 1);
            });
    command(rows, QStringLiteral("→"), tr("Insert Right"), tr("Adds a column right of the cursor."),
            [](QTextTable* table, const QTextTableCell& cell) {
                table->insertColumns(cell.column() + 1, 1);
            });
    RibbonCategoryAction* remove = category(layout, tr("Delete"));
    command(
        remove, QStringLiteral("−"), tr("Delete Row"), tr("Removes the cursor's row."),
        [](QTextTable* table, const QTextTableCell& cell) { table->removeRows(cell.row(), 1); });
    command(remove, QStringLiteral("|"), tr("Delete Column"), tr("Removes the cursor's column."),
            [](QTextTable* table, const QTextTableCell& cell) {
                table->removeColumns(cell.column(), 1);
            });

    window.ribbonMenuBar()->addContextualTabGroup(group);
    QObject::connect(edit, &QTextEdit::cursorPositionChanged, group, [edit, group] {
        group->setVisible(edit->textCursor().currentTable() != nullptr);
    });
}

// The quick access bar's options page.
class QuickAccessPage : public RibbonOptionsPage
{
public:
    QuickAccessPage(RibbonOptionsDialog& dialog, RibbonMenuBar& bar)
        : RibbonOptionsPage(dialog), m_bar(&bar)
    {
        setWindowTitle(tr("Quick Access"));
        auto* grid = new QGridLayout(this);
        grid->addWidget(new QLabel(tr("Commands:"), this), 0, 0);
        grid->addWidget(new QLabel(tr("On the Quick Access Toolbar:"), this), 0, 2);
        m_all = new QListWidget(this);
        m_chosen = new QListWidget(this);
        grid->addWidget(m_all, 1, 0);
        grid->addWidget(m_chosen, 1, 2);
        auto* buttons = new QVBoxLayout;
        const auto button = [&](const QString& text, auto slot) {
            auto* b = new QPushButton(text, this);
            connect(b, &QPushButton::clicked, this, slot);
            buttons->addWidget(b);
        };
        button(tr("Add >>"), [this] { add(); });
        button(tr("<< Remove"), [this] { remove(); });
        button(tr("Up"), [this] { move(-1); });
        button(tr("Down"), [this] { move(1); });
        buttons->addStretch();
        grid->addLayout(buttons, 1, 1);

        for (RibbonSimpleAction* command : bar.availableCommands())
            if (!command->iconText().isEmpty())
                item(m_all, command);
        for (RibbonSimpleAction* command : bar.quickAccessBar()->commands())
            item(m_chosen, command);
    }

protected:
    void accept() override
    {
        if (!m_bar)
            return;
        QList<RibbonSimpleAction*> commands;
        for (int i = 0; i < m_chosen->count(); ++i)
            if (RibbonSimpleAction* command = actionOf(m_chosen->item(i)))
                commands.append(command);
        m_bar->quickAccessBar()->setCommands(commands);
    }
    void reject() override {}

private:
    void item(QListWidget* list, RibbonSimpleAction* command)
    {
        auto* entry = new QListWidgetItem(command->icon(), command->iconText(), list);
        entry->setData(Qt::UserRole, QVariant::fromValue(QPointer<QObject>(command)));
    }
    static RibbonSimpleAction* actionOf(QListWidgetItem* entry)
    {
        return entry ? qobject_cast<RibbonSimpleAction*>(
                           entry->data(Qt::UserRole).value<QPointer<QObject>>().data())
                     : nullptr;
    }
    void add()
    {
        RibbonSimpleAction* command = actionOf(m_all->currentItem());
        if (!command)
            return;
        for (int i = 0; i < m_chosen->count(); ++i)
            if (actionOf(m_chosen->item(i)) == command)
                return;
        item(m_chosen, command);
        m_chosen->setCurrentRow(m_chosen->count() - 1);
    }
    void remove() { delete m_chosen->currentItem(); }
    void move(int step)
    {
        const int row = m_chosen->currentRow();
        const int to = row + step;
        if (row < 0 || to < 0 || to >= m_chosen->count())
            return;
        m_chosen->insertItem(to, m_chosen->takeItem(row));
        m_chosen->setCurrentRow(to);
    }

    QPointer<RibbonMenuBar> m_bar;
    QListWidget* m_all = nullptr;
    QListWidget* m_chosen = nullptr;
};

template <typename T> T* widgetFor(QAction* action)
{
    for (QObject* object : action->associatedObjects())
        if (auto* widget = qobject_cast<T*>(object))
            return widget;
    return nullptr;
}

void press(QWidget* widget, const QPoint& pos)
{
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent down(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
}

} // namespace

void attachRibbonFeatures(EditorWindow& window, bool persistent)
{
    RibbonMenuBar* bar = window.ribbonMenuBar();
    buildTableTools(window);
    // The saved state names the commands: a name for every command by its
    // place in the ribbon, which is the same in every run of this program.
    int index = 0;
    for (RibbonSimpleAction* command : bar->availableCommands()) {
        ++index;
        if (command->objectName().isEmpty())
            command->setObjectName(QStringLiteral("command%1").arg(index));
    }
    // Key tips: the letters every ribbon user knows for the common commands
    // and tabs; the ribbon picks letters of its own for the rest.
    const QMap<QString, QString> tips = {{EditorWindow::tr("Home"), QStringLiteral("H")},
                                         {EditorWindow::tr("Insert"), QStringLiteral("N")},
                                         {EditorWindow::tr("View"), QStringLiteral("W")},
                                         {EditorWindow::tr("Paste"), QStringLiteral("V")},
                                         {EditorWindow::tr("Cut"), QStringLiteral("X")},
                                         {EditorWindow::tr("Copy"), QStringLiteral("C")},
                                         {EditorWindow::tr("Bold"), QStringLiteral("1")},
                                         {EditorWindow::tr("Italic"), QStringLiteral("2")},
                                         {EditorWindow::tr("Underline"), QStringLiteral("3")}};
    const auto plain = [](QString text) { return text.remove(QLatin1Char('&')); };
    // The chevron at the page's right end switches to the one-row ribbon.
    bar->setSimplifiedToggleVisible(true);
    for (QAction* tab : bar->categoryGroup()->actions())
        if (auto* page = qobject_cast<RibbonAction*>(tab))
            page->setKeyTip(tips.value(plain(tab->text())));
    for (RibbonSimpleAction* command : bar->availableCommands())
        if (command->keyTip().isEmpty())
            command->setKeyTip(tips.value(plain(command->text())));

    RibbonQuickAccessBar* qab = bar->quickAccessBar();
    QObject::connect(qab->customizeAction(), &RibbonAction::activated, &window,
                     &EditorWindow::showOptions);
    if (!persistent)
        return;
    QSettings settings;
    bar->restoreState(settings.value(kStateKey).toByteArray());
    const auto save = [bar] { QSettings().setValue(kStateKey, bar->saveState()); };
    QObject::connect(qab, &RibbonQuickAccessBar::commandsChanged, bar, save);
    QObject::connect(bar, &RibbonMenuBar::minimizedChanged, bar, save);
    QObject::connect(bar, &RibbonMenuBar::quickAccessBarBelowChanged, bar, save);
    QObject::connect(bar->categoryGroup(), &QActionGroup::triggered, bar, save);
}

RibbonOptionsPage* createQuickAccessPage(RibbonOptionsDialog& dialog, RibbonMenuBar& bar)
{
    return new QuickAccessPage(dialog, bar);
}

bool isFeatureScene(const QString& scene)
{
    return scene == QLatin1String("minimised") || scene == QLatin1String("minimisedpopup") ||
           scene == QLatin1String("contextual") || scene == QLatin1String("qatmenu") ||
           scene == QLatin1String("screentip") || scene == QLatin1String("qatoptions") ||
           scene == QLatin1String("keytips") || scene == QLatin1String("keytipspage") ||
           scene == QLatin1String("keytipsmenu") || scene == QLatin1String("qatoverflow") ||
           scene == QLatin1String("simplified") || scene == QLatin1String("simplifiedoverflow") ||
           isSkinScene(scene);
}

bool isSkinScene(const QString& scene)
{
    return scene == QLatin1String("modernlight") || scene == QLatin1String("moderndark") ||
           scene == QLatin1String("customaccent");
}

bool openFeatureScene(EditorWindow& window, const QString& scene)
{
    RibbonMenuBar* bar = window.ribbonMenuBar();
    if (scene == QLatin1String("minimised") || scene == QLatin1String("minimisedpopup")) {
        bar->setMinimized(true);
        QCoreApplication::processEvents();
        if (scene == QLatin1String("minimisedpopup")) {
            QAction* home = bar->categoryGroup()->actions().value(0);
            RibbonMenuBarButton* button = home ? widgetFor<RibbonMenuBarButton>(home) : nullptr;
            if (!button)
                return false;
            press(button, QPoint(5, 5));
            return bar->minimizedPopup() != nullptr;
        }
        return true;
    }
    if (scene == QLatin1String("contextual")) {
        // A small table at the top of the document, the cursor in it.
        QTextCursor cursor(window.editor()->document());
        QTextTableFormat format;
        format.setCellPadding(3);
        format.setBorder(1);
        QTextTable* table = cursor.insertTable(2, 3, format);
        const QStringList cells = {tr("Tide"),
                                   tr("High"),
                                   tr("Low"),
                                   tr("Monday"),
                                   QStringLiteral("06:12"),
                                   QStringLiteral("12:31")};
        for (int i = 0; i < cells.size(); ++i)
            table->cellAt(i / 3, i % 3).firstCursorPosition().insertText(cells.at(i));
        window.editor()->setTextCursor(table->cellAt(1, 1).firstCursorPosition());
        window.editor()->setFocus();
        for (RibbonContextualTabGroup* group : bar->contextualTabGroups())
            if (group->isVisible() && !group->tabs().isEmpty())
                group->tabs().constLast()->trigger();
        return true;
    }
    if (scene == QLatin1String("qatmenu")) {
        RibbonQuickAccessBar* qab = bar->quickAccessBar();
        auto* button = widgetFor<RibbonButtonNormal>(qab->customizeAction());
        if (!button)
            return false;
        press(button, QPoint(3, 5));
        return true;
    }
    if (scene == QLatin1String("qatoverflow")) {
        // More commands than a narrow window has room for; the chevron's
        // menu holds the rest.
        RibbonQuickAccessBar* qab = bar->quickAccessBar();
        const QList<RibbonSimpleAction*> commands = bar->availableCommands();
        for (RibbonSimpleAction* command : commands.mid(0, 30))
            qab->addCommand(command);
        window.resize(720, window.height());
        QCoreApplication::processEvents();
        auto* chevron = widgetFor<RibbonButtonNormal>(qab->overflowAction());
        if (!chevron || !chevron->isVisible())
            return false;
        chevron->click();
        return true;
    }
    if (scene == QLatin1String("simplified") || scene == QLatin1String("simplifiedoverflow")) {
        // The one-row ribbon; narrower, with the commands that do not fit in
        // the "…" menu at the row's end.
        bar->setSimplified(true);
        if (scene == QLatin1String("simplified"))
            return true;
        window.resize(620, window.height());
        QCoreApplication::processEvents();
        for (auto* more : bar->findChildren<QAbstractButton*>()) {
            if (more->isVisible() && more->inherits("oru::RibbonSimplifiedOverflowButton")) {
                more->click();
                return true;
            }
        }
        return false;
    }
    if (isSkinScene(scene)) {
        // The skin chooser on the View tab, in the skin main() selected.
        const QList<QAction*> tabs = bar->categoryGroup()->actions();
        if (tabs.size() < 3)
            return false;
        tabs.at(2)->trigger();
        return true;
    }
    if (scene == QLatin1String("qatoptions")) {
        // The options dialog on its Quick Access page.
        window.showOptions();
        auto* dialog = window.findChild<RibbonOptionsDialog*>();
        if (!dialog)
            return false;
        for (auto* button : dialog->findChildren<RibbonOptionsButton*>()) {
            if (button->text() == tr("Quick Access")) {
                button->click();
                return true;
            }
        }
        return false;
    }
    if (scene == QLatin1String("keytips") || scene == QLatin1String("keytipspage") ||
        scene == QLatin1String("keytipsmenu")) {
        // As the user does it: Alt pressed and released, then H for Home.
        const auto key = [&window](QEvent::Type type, int code, Qt::KeyboardModifiers modifiers,
                                   const QString& text = QString()) {
            QKeyEvent event(type, code, modifiers, text);
            QApplication::sendEvent(&window, &event);
        };
        key(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        key(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        if (scene == QLatin1String("keytipspage")) {
            key(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"));
            key(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"));
        } else if (scene == QLatin1String("keytipsmenu")) {
            // F opens the application menu with its badges.
            key(QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, QStringLiteral("f"));
            key(QEvent::KeyRelease, Qt::Key_F, Qt::NoModifier, QStringLiteral("f"));
        }
        return bar->keyTipsVisible();
    }
    if (scene == QLatin1String("screentip")) {
        for (RibbonSimpleAction* command : bar->availableCommands()) {
            if (command->objectName() != QLatin1String("bold"))
                continue;
            auto* button = widgetFor<RibbonCatSimpleButton>(command);
            if (!button)
                return false;
            const QPoint at(button->width() / 2, button->height() / 2);
            QHelpEvent help(QEvent::ToolTip, at, button->mapToGlobal(at));
            QApplication::sendEvent(button, &help);
            return true;
        }
        return false;
    }
    return false;
}
