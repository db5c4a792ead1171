#include "a11ytestutil.h"

#include <oruRibbonAccessible.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonTabBar.h>
#include <oruTestApp.h>

#include <QAccessibleValueInterface>
#include <QMenu>
#include <QSignalSpy>

#include <tuple>

using namespace oru;
using namespace oru::test;

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void accessibleText_data();
    void accessibleText();
    void tree_data();
    void tree();
    void hiddenPagesLeaveTheTree();
    void pressTriggersOnce();
    void galleryAndColourCells();
    void collapsedGroupPopup();
    void tabStrip();
    void quickAccessChevron();
    void stripMembers();
    void comboAndStatusControls();
    void coveredAndMinimized();
};

void TestAccessibility::accessibleText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    for (const auto& [tag, text, expected] :
         {std::tuple("mnemonic", "&Paste", "Paste"), std::tuple("inner", "Cu&t", "Cut"),
          std::tuple("literal", "Date && Time", "Date & Time"),
          std::tuple("trailing", "Oops&", "Oops"), std::tuple("plain", "Zoom", "Zoom")})
        QTest::newRow(tag) << QString::fromLatin1(text) << QString::fromLatin1(expected);
}

void TestAccessibility::accessibleText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(oru::accessibleText(text), expected);
}

void TestAccessibility::tree_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("states"); // c checkable, C checked, d disabled, s selected
    const auto row = [](const char* tag, QAccessible::Role role, const char* name,
                        const char* states = "", const char* description = "") {
        QTest::newRow(tag) << int(role) << QString::fromLatin1(name)
                           << QString::fromLatin1(description) << QString::fromLatin1(states);
    };
    row("home tab", QAccessible::PageTab, "Home", "s");
    row("format tab", QAccessible::PageTab, "Format");
    row("group", QAccessible::Grouping, "Clipboard");
    row("large", QAccessible::PushButton, "Paste", "", "Insert the clipboard's contents");
    row("disabled", QAccessible::PushButton, "Cut", "d");
    row("toggle", QAccessible::CheckBox, "Bold", "cC");
    row("strip member", QAccessible::CheckBox, "Italic", "c");
    row("icon-only member", QAccessible::CheckBox, "Left", "cC");
    row("wide member", QAccessible::ButtonMenu, "Font colour");
    row("combo box", QAccessible::ComboBox, "Font size");
    row("find box", QAccessible::ComboBox, "Find");
    row("status toggle", QAccessible::CheckBox, "Wrap Lines", "c");
    row("status menu", QAccessible::ButtonMenu, "Line wrapping");
    row("zoom", QAccessible::Slider, "Zoom");
    row("progress", QAccessible::ProgressBar, "Exporting");
    row("app button", QAccessible::ButtonMenu, "Application Menu");
    row("close", QAccessible::PushButton, "Close");
}

void TestAccessibility::tree()
{
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, states);
    DemoWindow demo;
    const QList<Node> nodes = walk(QAccessible::queryAccessibleInterface(&demo.window));
    QAccessibleInterface* node = find(nodes, QAccessible::Role(role), name);
    QVERIFY2(node, qPrintable(name));
    QCOMPARE(node->text(QAccessible::Description), description);
    const QAccessible::State s = node->state();
    QCOMPARE(bool(s.checkable), states.contains('c'));
    QCOMPARE(bool(s.checked), states.contains('C'));
    QCOMPARE(bool(s.disabled), states.contains('d'));
    QCOMPARE(bool(s.selected), states.contains('s'));
    QVERIFY(!s.invisible);
    // Where a pointer would find it, and usable unless disabled.
    const QRect window(demo.window.mapToGlobal(QPoint(0, 0)), demo.window.size());
    QVERIFY2(!node->rect().isEmpty() && window.contains(node->rect()),
             qPrintable(name + QStringLiteral(" at ") + QDebug::toString(node->rect())));
    const QStringList used = actions(node) ? actions(node)->actionNames() : QStringList();
    // Groups, the zoom (a value) and progress are not pressed.
    if (!QList<int>{QAccessible::Grouping, QAccessible::Slider, QAccessible::ProgressBar}.contains(
            role))
        QCOMPARE(used.isEmpty(), bool(s.disabled));
    QCOMPARE(used.contains(QAccessibleActionInterface::toggleAction()), bool(s.checkable));
    if (name == QLatin1String("Paste"))
        QCOMPARE(node->text(QAccessible::Accelerator),
                 QKeySequence(Qt::CTRL | Qt::Key_V).toString(QKeySequence::NativeText));
}

void TestAccessibility::hiddenPagesLeaveTheTree()
{
    DemoWindow demo;
    QVERIFY(findIn(demo.window, QAccessible::PushButton, QStringLiteral("Paste")));
    QVERIFY(!findIn(demo.window, QAccessible::List, QStringLiteral("Styles")));

    // Switching tabs through the tab's own action, as a screen reader does.
    QAccessibleInterface* format =
        findIn(demo.window, QAccessible::PageTab, QStringLiteral("Format"));
    QVERIFY(actions(format));
    actions(format)->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(demo.format->isChecked());
    QVERIFY(format->state().selected);
    QVERIFY(!findIn(demo.window, QAccessible::PushButton, QStringLiteral("Paste")));
    QVERIFY(findIn(demo.window, QAccessible::List, QStringLiteral("Styles")));
    QVERIFY(!findIn(demo.window, QAccessible::PageTab, QStringLiteral("Home"))->state().selected);
}

void TestAccessibility::pressTriggersOnce()
{
    DemoWindow demo;
    QSignalSpy pasted(demo.paste, &QAction::triggered);
    QSignalSpy cut(demo.cut, &QAction::triggered);
    QAccessibleInterface* paste =
        findIn(demo.window, QAccessible::PushButton, QStringLiteral("Paste"));
    QCOMPARE(actions(paste)->actionNames().value(0), QAccessibleActionInterface::pressAction());
    actions(paste)->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(pasted.count(), 1);
    QCOMPARE(actions(paste)->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
             QStringList{paste->text(QAccessible::Accelerator)});

    // A disabled button offers nothing and does nothing.
    QAccessibleInterface* cutNode =
        findIn(demo.window, QAccessible::PushButton, QStringLiteral("Cut"));
    QVERIFY(actions(cutNode)->actionNames().isEmpty());
    actions(cutNode)->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(cut.count(), 0);

    // The checkable one toggles once.
    QAccessibleInterface* bold = findIn(demo.window, QAccessible::CheckBox, QStringLiteral("Bold"));
    actions(bold)->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!demo.bold->isChecked());
    QVERIFY(!bold->state().checked);

    // The split button: press runs the default action, showMenu only opens.
    demo.format->setChecked(true);
    QSignalSpy splitRun(demo.splitDefault, &QAction::triggered);
    QAccessibleInterface* split =
        findIn(demo.window, QAccessible::ButtonMenu, QStringLiteral("Paste Special"));
    QVERIFY(split);
    QCOMPARE(actions(split)->actionNames(),
             (QStringList{QAccessibleActionInterface::pressAction(),
                          QAccessibleActionInterface::showMenuAction()}));
    QVERIFY(split->state().hasPopup);
    QVERIFY(!split->state().expanded);
    actions(split)->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(splitRun.count(), 1);
    actions(split)->doAction(QAccessibleActionInterface::showMenuAction());
    QCOMPARE(splitRun.count(), 1);
    QVERIFY(split->state().expanded);
    QWidget* menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    // The menu hangs under its button, its entries named.
    QAccessibleInterface* menuNode = split->child(split->childCount() - 1);
    QCOMPARE(menuNode->object(), menu);
    QCOMPARE(menuNode->parent(), split);
    QCOMPARE(menuNode->role(), QAccessible::PopupMenu);
    QCOMPARE(menuNode->child(1)->text(QAccessible::Name), QStringLiteral("Plain"));
    walk(split);
    menu->close();
    QVERIFY(!split->state().expanded);
}

void TestAccessibility::galleryAndColourCells()
{
    DemoWindow demo;
    demo.format->setChecked(true);
    QAccessibleInterface* gallery =
        findIn(demo.window, QAccessible::List, QStringLiteral("Styles"));
    QVERIFY(gallery);
    QCOMPARE(gallery->childCount(), 3);
    QAccessibleInterface* heading = gallery->child(1);
    QCOMPARE(heading->role(), QAccessible::ListItem);
    QCOMPARE(heading->text(QAccessible::Name), QStringLiteral("Heading"));
    QVERIFY(gallery->rect().contains(heading->rect()));
    QCOMPARE(gallery->childAt(heading->rect().center().x(), heading->rect().center().y()), heading);
    QAction* headingAction = demo.gallery->menuActions().at(1);
    QSignalSpy chosen(headingAction, &QAction::triggered);
    actions(heading)->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(chosen.count(), 1);
    QVERIFY(heading->state().selected);

    // Its popup hangs under it while it shows.
    const int galleryChildren = gallery->childCount();
    actions(gallery)->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(gallery->state().expanded);
    QCOMPARE(gallery->childCount(), galleryChildren + 1);
    QAccessibleInterface* popup = gallery->child(galleryChildren);
    QCOMPARE(popup->role(), QAccessible::List);
    QCOMPARE(popup->text(QAccessible::Name), QStringLiteral("Styles"));
    QCOMPARE(popup->parent(), gallery);
    walk(gallery);

    // The scroll bar and the grip first, then every style.
    const QList<RibbonAction*>& styles = demo.gallery->menuActions();
    const int items = int(styles.size());
    QVERIFY(items > 0);
    QCOMPARE(popup->childCount(), 2 + items);
    QAccessibleInterface* first = popup->child(2);
    QCOMPARE(first->role(), QAccessible::ListItem);
    QCOMPARE(first->text(QAccessible::Name), oru::accessibleText(styles.at(0)->text()));
    QVERIFY(!first->state().offscreen);
    QVERIFY(popup->rect().contains(first->rect()));
    const QPoint centre = first->rect().center();
    QCOMPARE(popup->childAt(centre.x(), centre.y()), first);

    QSignalSpy styleChosen(styles.at(0), &QAction::triggered);
    actions(first)->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(styleChosen.count(), 1);
    QTRY_VERIFY(!gallery->state().expanded);
    QCOMPARE(gallery->childCount(), galleryChildren);

    // The colour button lists its popup while it shows; the cells are named.
    QAccessibleInterface* button =
        findIn(demo.window, QAccessible::ButtonMenu, QStringLiteral("Text colour"));
    QVERIFY(button);
    const int closedChildren = button->childCount();
    actions(button)->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(button->state().expanded);
    QCOMPARE(button->childCount(), closedChildren + 1);
    QAccessibleInterface* cells = findIn(demo.window, QAccessible::Table, QStringLiteral("Colors"));
    QVERIFY(cells);
    QCOMPARE(cells->childCount(), 40);
    QCOMPARE(cells->child(0)->text(QAccessible::Name), QStringLiteral("Black"));
    QCOMPARE(cells->child(2)->text(QAccessible::Name), QStringLiteral("Red"));
    QCOMPARE(cells->child(39)->text(QAccessible::Name), QStringLiteral("White"));
    QSignalSpy colourSet(demo.colour, &RibbonCatColorMenuAction::colorSet);
    actions(cells->child(2))->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(colourSet.count(), 1);
    QCOMPARE(demo.colour->color(), QColor(255, 0, 0));
}

void TestAccessibility::collapsedGroupPopup()
{
    DemoWindow demo;
    demo.window.resize(200, 600);
    QTest::qWait(10);
    RibbonCategoryWrapper* wrapper = nullptr;
    for (auto* candidate : demo.window.findChildren<RibbonCategoryWrapper*>()) {
        if (candidate->isVisible() && candidate->isColapsed())
            wrapper = candidate;
    }
    QVERIFY(wrapper);
    const QString caption = wrapper->categoryAction()->text();
    const QString button = caption + QStringLiteral("Find");
    QAccessibleInterface* group = QAccessible::queryAccessibleInterface(wrapper);
    QCOMPARE(group->role(), QAccessible::ButtonDropDown);
    QCOMPARE(group->text(QAccessible::Name), caption);
    QCOMPARE(group->childCount(), 0);
    QVERIFY(!group->state().expanded);
    QVERIFY(!findIn(demo.window, QAccessible::PushButton, button));

    actions(group)->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(wrapper->popup());
    QVERIFY(group->state().expanded);
    QCOMPARE(group->childCount(), 1);
    QAccessibleInterface* popup = group->child(0);
    QCOMPARE(popup->parent(), group);
    QCOMPARE(popup->text(QAccessible::Name), caption);
    QVERIFY(find(walk(popup), QAccessible::PushButton, button));
    QVERIFY(findIn(demo.window, QAccessible::PushButton, button));

    wrapper->popup()->close();
    QTRY_COMPARE(group->childCount(), 0);
}

void TestAccessibility::tabStrip()
{
    RibbonMenuAction menu(QStringLiteral("Documents"), nullptr);
    menu.setExclusive(true);
    QList<RibbonSimpleAction*> tabs;
    for (const char* text : {"&Report.txt", "Notes.txt", "A very long document name.txt"}) {
        auto* tab = new RibbonSimpleAction(QString::fromLatin1(text), &menu);
        tab->setCheckable(true);
        menu.addAction(tab);
        tabs << tab;
    }
    tabs.first()->setChecked(true);
    RibbonTabBar bar(menu, nullptr);
    // Room for the first two tabs only: the third starts past the right edge.
    const int shown = bar.tabSizes().at(0).width() + bar.tabSizes().at(1).width();
    bar.resize(bar.sizeHint().width() + shown + 1, bar.sizeHint().height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(&bar);
    QCOMPARE(strip->role(), QAccessible::PageTabList);
    walk(strip);
    QCOMPARE(strip->childCount(), 4 + 3);
    const QStringList buttons{"First Tab", "Previous Tab", "Next Tab", "Last Tab"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(strip->child(i)->role(), QAccessible::PushButton);
        QCOMPARE(strip->child(i)->text(QAccessible::Name), buttons.at(i));
    }
    QAccessibleInterface* report = strip->child(4);
    QAccessibleInterface* notes = strip->child(5);
    QAccessibleInterface* longTab = strip->child(6);
    QCOMPARE(report->role(), QAccessible::PageTab);
    QCOMPARE(report->text(QAccessible::Name), QStringLiteral("Report.txt"));
    QVERIFY(report->state().selected && !notes->state().selected);
    QVERIFY(!report->state().offscreen && !notes->state().offscreen);
    QVERIFY(longTab->state().offscreen);
    QVERIFY(longTab->rect().isEmpty());
    // Screen rectangles lead back to the tab under them, left of the cut.
    QCOMPARE(notes->rect().size(), bar.tabSizes().at(1));
    const QPoint centre = notes->rect().center();
    QCOMPARE(strip->childAt(centre.x(), centre.y()), notes);
    const QPoint arrow = bar.mapToGlobal(QPoint(8, 8));
    QCOMPARE(strip->childAt(arrow.x(), arrow.y()), strip->child(0));

    // Pressing a tab selects it; pressing the selected one, or a disabled
    // one, changes nothing.
    QSignalSpy triggered(&menu, &RibbonMenuAction::triggered);
    actions(notes)->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(tabs.at(1)->isChecked());
    QVERIFY(notes->state().selected && !report->state().selected);
    actions(notes)->doAction(QAccessibleActionInterface::pressAction());
    tabs.at(0)->setEnabled(false);
    QVERIFY(report->state().disabled);
    QVERIFY(actions(report)->actionNames().isEmpty());
    actions(report)->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(triggered.size(), 1);
    QVERIFY(!tabs.at(0)->isChecked());

    // Scrolling to the end brings the long tab on screen and moves the first
    // one off.
    actions(strip->child(3))->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(bar.firstVisible() > 0);
    QVERIFY(report->state().offscreen);
    QVERIFY(!longTab->state().offscreen);

    // A removed tab leaves the list; its interface turns invalid.
    delete tabs.takeLast();
    QCOMPARE(strip->childCount(), 4 + 2);
    QVERIFY(!longTab->isValid());
    walk(strip);
}

void TestAccessibility::quickAccessChevron()
{
    // The buttons that do not fit leave the tree; the chevron stands for
    // them, a menu button expanded while its menu shows.
    DemoWindow demo;
    RibbonQuickAccessBar& qab = *demo.window.ribbonMenuBar()->quickAccessBar();
    for (int i = 0; i < 40; ++i)
        qab.addCommand(new RibbonSimpleAction(QStringLiteral("Command %1").arg(i), &demo.window));
    demo.window.resize(700, 400);
    QCoreApplication::processEvents();
    const QList<QAction*> hidden = qab.overflowActions();
    QVERIFY(!hidden.isEmpty());
    QVERIFY(findIn(demo.window, QAccessible::PushButton, QStringLiteral("Command 0")));
    QAccessibleInterface* last =
        findIn(demo.window, QAccessible::PushButton, hidden.constLast()->text());
    QVERIFY(!last || last->state().invisible);

    QAccessibleInterface* chevron =
        findIn(demo.window, QAccessible::ButtonMenu, QStringLiteral("More Commands"));
    QVERIFY(chevron);
    QVERIFY(chevron->state().hasPopup && chevron->state().collapsed);
    actions(chevron)->doAction(QAccessibleActionInterface::pressAction());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(chevron->state().expanded);
    QAccessibleInterface* menuNode = QAccessible::queryAccessibleInterface(menu);
    QCOMPARE(menuNode->role(), QAccessible::PopupMenu);
    QCOMPARE(menuNode->childCount(), int(hidden.size()));
    QCOMPARE(menuNode->child(0)->text(QAccessible::Name), hidden.constFirst()->text());
    QCOMPARE(menuNode->parent(), chevron);
    QCOMPARE(chevron->indexOfChild(menuNode), chevron->childCount() - 1);
    menu->close();
    QVERIFY(chevron->state().collapsed);
}

void TestAccessibility::stripMembers()
{
    DemoWindow demo;
    const QList<Node> nodes = walk(QAccessible::queryAccessibleInterface(&demo.window));
    QAccessibleInterface* style = find(nodes, QAccessible::Grouping, QStringLiteral("Style"));
    QVERIFY(style);
    QCOMPARE(style->childCount(), 2);
    // Side by side, inside the strip, found again at their centres.
    QAccessibleInterface* italic = style->child(0);
    QAccessibleInterface* underline = style->child(1);
    QCOMPARE(underline->text(QAccessible::Name), QStringLiteral("Underline"));
    QCOMPARE(italic->rect().right() + 1, underline->rect().left());
    QVERIFY(style->rect().contains(italic->rect().united(underline->rect())));
    const QPoint centre = underline->rect().center();
    QCOMPARE(style->childAt(centre.x(), centre.y()), underline);

    // Toggled through either action, as a click would.
    actions(italic)->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(demo.italic->isChecked());
    QVERIFY(italic->state().checked);
    actions(italic)->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!demo.italic->isChecked());
    demo.italic->setEnabled(false);
    QVERIFY(italic->state().disabled);
    QVERIFY(actions(italic)->actionNames().isEmpty());
    actions(italic)->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!demo.italic->isChecked());

    // Exclusive: the pressed member takes the check, pressing it again keeps it.
    QAccessibleInterface* align = find(nodes, QAccessible::Grouping, QStringLiteral("Alignment"));
    QAccessibleInterface* right = align->child(1);
    QCOMPARE(right->text(QAccessible::Name), QStringLiteral("Right"));
    for (int i = 0; i < 2; ++i) {
        actions(right)->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(right->state().checked && !align->child(0)->state().checked);
    }

    // The wide strip's colour member: placed on its cell, its picker below it.
    QAccessibleInterface* colours = find(nodes, QAccessible::Grouping, QStringLiteral("Colours"));
    QCOMPARE(colours->childCount(), 1);
    QAccessibleInterface* colour = colours->child(0);
    QCOMPARE(colour->text(QAccessible::Name), QStringLiteral("Font colour"));
    QCOMPARE(colour->parent(), colours);
    QVERIFY(!colour->state().invisible);
    QCOMPARE(colour->rect().size(), QSize(30, 22));
    QCOMPARE(colour->rect().topLeft(), colours->rect().topLeft());
    const int closed = colour->childCount();
    actions(colour)->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(colour->state().expanded);
    QCOMPARE(colour->childCount(), closed + 1);
    QAccessibleInterface* picker = colour->child(closed);
    QCOMPARE(picker->parent(), colour);
    QVERIFY(picker->rect().top() >= colour->rect().bottom());
    walk(colours);
    QApplication::activePopupWidget()->close();
    QVERIFY(!colour->state().expanded);
}

void TestAccessibility::comboAndStatusControls()
{
    DemoWindow demo;
    // Combo boxes: named by what they choose, valued by the entry.
    QAccessibleInterface* size =
        findIn(demo.window, QAccessible::ComboBox, QStringLiteral("Font size"));
    QCOMPARE(size->text(QAccessible::Value), QStringLiteral("9"));
    demo.fontSize->setSelectionText(QStringLiteral("12"));
    QCOMPARE(size->text(QAccessible::Value), QStringLiteral("12"));
    QVERIFY(!size->state().expanded);
    actions(size)->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(size->state().expanded);
    QAccessibleInterface* list = size->child(size->childCount() - 1);
    QCOMPARE(list->parent(), size);
    QCOMPARE(size->indexOfChild(list), size->childCount() - 1);
    actions(size)->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!size->state().expanded);
    QAccessibleInterface* findBox =
        findIn(demo.window, QAccessible::ComboBox, QStringLiteral("Find"));
    QVERIFY(findBox->state().editable);
    demo.find->setSelectionText(QStringLiteral("needle"));
    QCOMPARE(findBox->text(QAccessible::Value), QStringLiteral("needle"));
    // A name the host sets wins over the tool tip.
    qobject_cast<QWidget*>(findBox->object())->setAccessibleName(QStringLiteral("Search"));
    QCOMPARE(findBox->text(QAccessible::Name), QStringLiteral("Search"));

    // The status bar's toggle toggles its action; its view menu opens.
    QAccessibleInterface* wrap =
        findIn(demo.window, QAccessible::CheckBox, QStringLiteral("Wrap Lines"));
    actions(wrap)->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(demo.wrap->isChecked());
    QVERIFY(wrap->state().checked);
    QAccessibleInterface* views =
        findIn(demo.window, QAccessible::ButtonMenu, QStringLiteral("Line wrapping"));
    actions(views)->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(views->state().expanded);
    QApplication::activePopupWidget()->close();
    QTRY_VERIFY(!views->state().expanded);
}

void TestAccessibility::coveredAndMinimized()
{
    // A recent file under the open sub-menu is not on screen.
    DemoWindow demo;
    QAccessibleInterface* app =
        findIn(demo.window, QAccessible::ButtonMenu, QStringLiteral("Application Menu"));
    actions(app)->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(app->state().expanded);
    QAccessibleInterface* recent =
        findIn(demo.window, QAccessible::MenuItem, QStringLiteral("notes.txt"));
    QVERIFY(recent && !recent->state().invisible);
    QAccessibleInterface* saveAs =
        findIn(demo.window, QAccessible::MenuItem, QStringLiteral("Save As"));
    actions(saveAs)->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(saveAs->state().expanded);
    QVERIFY(recent->state().invisible && recent->state().offscreen);
    QApplication::activePopupWidget()->close();
    QTRY_VERIFY(!recent->state().invisible);
    QApplication::activePopupWidget()->close();

    // Minimised: a tab's press selects it and opens its page.
    demo.window.ribbonMenuBar()->setMinimized(true);
    QAccessibleInterface* format =
        findIn(demo.window, QAccessible::PageTab, QStringLiteral("Format"));
    actions(format)->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(demo.format->isChecked());
    QWidget* page = demo.window.ribbonMenuBar()->minimizedPopup();
    QVERIFY(page && page->isVisible());
    QVERIFY(findIn(demo.window, QAccessible::List, QStringLiteral("Styles")));
}

ORU_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
