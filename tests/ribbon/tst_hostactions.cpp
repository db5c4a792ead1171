// A host ported from QMainWindow: its own QActions on the ribbon, mnemonics,
// its product name, user-only signals and status bar messages.

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatActionGroup.h>
#include <oruRibbonCatActionGroupWidget.h>
#include <oruRibbonCatColorMenuAction.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatFontFamilyAction.h>
#include <oruRibbonCatFontSizeAction.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatMenuButton.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategory.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonMenuBarButton.h>
#include <oruRibbonOptionsDialog.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonStatusBarWidget.h>

#include <QAccessible>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

using namespace oru;
using namespace oru::test;

namespace {

// A window with one tab and one group, shown, into which tests put the
// host's actions.
struct Host
{
    RibbonMainWindow window;
    RibbonCategoriesPanelAction tab{QStringLiteral("&Home"), &window};
    RibbonCategoryAction group{QStringLiteral("Clip&board"), &window};
    QLabel central;

    Host()
    {
        tab.addCategory(&group);
        tab.setChecked(true);
        window.ribbonMenuBar()->addAction(&tab);
        window.setCentralWidget(&central);
        window.setGeometry(50, 50, 900, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    ~Host() { window.setCentralWidget(nullptr); }

    template <typename W> W* shown(const QAction* command) const
    {
        for (W* w : window.findChildren<W*>())
            if (w->actions().value(0) == command)
                return w;
        return nullptr;
    }
};

} // namespace

class TestHostActions : public QObject
{
    Q_OBJECT

private slots:
    void mirrorsTheHostAction_data();
    void mirrorsTheHostAction();
    void usesTheHostAction();
    void hostMenus();
    void hostActionGoes();
    void mnemonicsAreNotPainted();
    void settersAreNoUserChoice();
    void productNameAndModifiedTitle();
    void statusMessagesAndTips();
    void fontSizeInAGroup();
};

using Change = std::function<void(QAction&)>;
Q_DECLARE_METATYPE(Change)

void TestHostActions::mirrorsTheHostAction_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<Change>("check"); // compares the mirror with the host
    const Change same = [](QAction&) {};
    QTest::newRow("text") << Change([](QAction& a) { a.setText(QStringLiteral("Cu&t")); }) << same;
    QTest::newRow("icon") << Change([](QAction& a) {
        QPixmap p(16, 16);
        p.fill(Qt::red);
        a.setIcon(QIcon(p));
    }) << same;
    QTest::newRow("tool tip") << Change([](QAction& a) { a.setToolTip(QStringLiteral("Tip")); })
                              << same;
    QTest::newRow("status tip") << Change([](QAction& a) {
        a.setStatusTip(QStringLiteral("Cuts it"));
    }) << same;
    QTest::newRow("disabled") << Change([](QAction& a) { a.setEnabled(false); }) << same;
    QTest::newRow("hidden") << Change([](QAction& a) { a.setVisible(false); }) << same;
    QTest::newRow("checked") << Change([](QAction& a) {
        a.setCheckable(true);
        a.setChecked(true);
    }) << same;
    QTest::newRow("unchecked again") << Change([](QAction& a) {
        a.setCheckable(true);
        a.setChecked(true);
        a.setChecked(false);
    }) << same;
    QTest::newRow("not checkable") << Change([](QAction& a) {
        a.setCheckable(true);
        a.setChecked(true);
        a.setCheckable(false);
    }) << same;
}

void TestHostActions::mirrorsTheHostAction()
{
    QFETCH(Change, change);
    Host host;
    QAction action(QStringLiteral("&Paste"), &host.window);
    RibbonAction* inGroup = host.group.addCommand(&action);
    QVERIFY(inGroup);
    QCOMPARE(host.group.addCommand(&action), inGroup); // once only
    QVERIFY(host.window.ribbonMenuBar()->quickAccessBar()->addCommand(&action));
    QVERIFY(!host.window.ribbonMenuBar()->quickAccessBar()->addCommand(&action));
    host.window.ribbonStatusBar()->addAction(&action);
    RibbonAction* inMenu = host.window.ribbonMenuBar()->mainMenuActions().addCommand(&action);

    change(action);
    QCoreApplication::processEvents();

    auto* button = host.shown<RibbonCatSimpleButton>(inGroup);
    QVERIFY(button);
    RibbonSimpleAction* inBar = host.window.ribbonMenuBar()->quickAccessBar()->commands().value(0);
    QWidget* toggle = host.window.ribbonStatusBar()->widgetFor(&action);
    QVERIFY(inBar && toggle);
    const QString shownText = QString(action.text()).remove(QLatin1Char('&'));
    for (RibbonAction* mirror : {inGroup, static_cast<RibbonAction*>(inBar), inMenu}) {
        QCOMPARE(mirror->alias(), &action);
        QCOMPARE(mirror->text(), action.text());
        QCOMPARE(mirror->icon().cacheKey(), action.icon().cacheKey());
        QCOMPARE(mirror->toolTip(), action.toolTip());
        QCOMPARE(mirror->statusTip(), action.statusTip());
        QCOMPARE(mirror->isEnabled(), action.isEnabled());
        QCOMPARE(mirror->isVisible(), action.isVisible());
        QCOMPARE(mirror->isCheckable(), action.isCheckable());
        QCOMPARE(mirror->isChecked(), action.isChecked());
        QVERIFY(mirror->shortcut().isEmpty()); // the host's action keeps the key
    }
    // What the user sees follows too.
    QCOMPARE(button->text(), shownText);
    QCOMPARE(button->isEnabled(), action.isEnabled());
    QCOMPARE(button->isChecked(), action.isChecked());
    QCOMPARE(button->statusTip(), action.statusTip());
    QCOMPARE(button->isHidden(), !action.isVisible());
    QCOMPARE(toggle->isHidden(), !action.isVisible());
    QCOMPARE(toggle->statusTip(), action.statusTip());
}

void TestHostActions::usesTheHostAction()
{
    Host host;
    // An exclusive group of the host: alignment.
    QActionGroup align(&host.window);
    QList<QAction*> actions;
    QList<RibbonAction*> commands;
    for (const char* name : {"&Left", "&Center", "&Right"}) {
        auto* a = new QAction(QString::fromLatin1(name), &align);
        a->setCheckable(true);
        actions << a;
        commands << host.group.addCommand(a, RibbonCatSimpleAction::Small);
    }
    actions.at(0)->setChecked(true);
    QSignalSpy toggled(actions.at(2), &QAction::toggled);
    QSignalSpy triggered(actions.at(2), &QAction::triggered);
    QSignalSpy groupActivated(&host.group, &RibbonAction::activated);
    auto* right = host.shown<RibbonCatSimpleButton>(commands.at(2));
    QVERIFY(right);
    mouseClick(right, QPoint(5, 5));
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(triggered.at(0).at(0).toBool(), true);
    QCOMPARE(groupActivated.count(), 1); // a collapsed group's popup closes on it
    QCOMPARE(align.checkedAction(), actions.at(2));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(commands.at(i)->isChecked(), i == 2);
        QCOMPARE(host.shown<RibbonCatSimpleButton>(commands.at(i))->isChecked(), i == 2);
    }
    // The checked member of an exclusive group stays checked when clicked.
    mouseClick(right, QPoint(5, 5));
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(triggered.count(), 2);
    QVERIFY(actions.at(2)->isChecked() && commands.at(2)->isChecked() && right->isChecked());

    // The same in a strip of the library's own exclusive group.
    auto* strip = new RibbonCatActionGroup(&host.window);
    strip->setExclusive(true);
    QList<RibbonCatSimpleAction*> cells;
    for (int i = 0; i < 2; ++i) {
        cells << new RibbonCatSimpleAction(QString::number(i), RibbonCatSimpleAction::Small,
                                           &host.window);
        cells.constLast()->setCheckable(true);
        strip->addAction(cells.constLast());
    }
    cells.at(1)->setChecked(true);
    host.group.addAction(strip);
    QCoreApplication::processEvents();
    auto* stripWidget = host.shown<RibbonCatActionGroupWidget>(strip);
    QVERIFY(stripWidget);
    QSignalSpy cellUsed(cells.at(1), &QAction::triggered);
    mouseClick(stripWidget, stripWidget->cellRect(1).center());
    QCOMPARE(cellUsed.count(), 1);
    QVERIFY(cells.at(1)->isChecked() && !cells.at(0)->isChecked());

    // The exit button's shortcut works as every command's does.
    auto* exit = new RibbonSimpleAction(QStringLiteral("E&xit"), &host.window);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    host.window.ribbonMenuBar()->setExitAction(exit);
    QSignalSpy exited(exit, &QAction::triggered);
    QApplication::setActiveWindow(&host.window);
    QTRY_VERIFY(host.window.isActiveWindow());
    QTRY_VERIFY(host.window.actions().contains(exit));
    QTest::keyClick(&host.window, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(exited.count(), 1);

    // A plain checkable action toggles on every click, through every mirror.
    QAction bold(QStringLiteral("&Bold"), &host.window);
    bold.setCheckable(true);
    QSignalSpy boldToggled(&bold, &QAction::toggled);
    RibbonSimpleAction* status = nullptr;
    host.window.ribbonStatusBar()->addAction(&bold);
    for (QObject* child : host.window.ribbonStatusBar()->children())
        if (auto* c = qobject_cast<RibbonSimpleAction*>(child); c && c->alias() == &bold)
            status = c;
    QVERIFY(status);
    auto* statusWidget = host.window.ribbonStatusBar()->widgetFor(&bold);
    mouseClick(statusWidget, QPoint(3, 3));
    QVERIFY(bold.isChecked() && status->isChecked());
    QVERIFY(host.window.ribbonMenuBar()->quickAccessBar()->addCommand(&bold));
    host.window.ribbonMenuBar()->quickAccessBar()->commands().constLast()->trigger();
    QVERIFY(!bold.isChecked() && !status->isChecked());
    QCOMPARE(boldToggled.count(), 2);

    // The host removes its action from inside the click: nothing is left.
    QAction once(QStringLiteral("Once"), &host.window);
    RibbonAction* onceCommand = host.group.addCommand(&once);
    QPointer<RibbonAction> guard(onceCommand);
    connect(&once, &QAction::triggered, &host.window,
            [&host, &once] { host.group.removeCommand(&once); });
    mouseClick(host.shown<RibbonCatSimpleButton>(onceCommand), QPoint(5, 5));
    QVERIFY(!host.group.actions().contains(onceCommand));
    QTRY_VERIFY(!guard);

    // Null and ribbon actions.
    QVERIFY(!host.group.addCommand(nullptr));
    host.group.removeCommand(nullptr);
    RibbonCatSimpleAction own(QStringLiteral("Own"), RibbonCatSimpleAction::Large, nullptr);
    QCOMPARE(host.group.addCommand(&own), &own);
    QVERIFY(!own.mirrorsAlias());
    host.group.removeCommand(&own);
    QVERIFY(!host.group.actions().contains(&own));
}

void TestHostActions::hostMenus()
{
    Host host;
    // A menu's own action only drops down; an action given a menu is split.
    QMenu menu(QStringLiteral("&Styles"));
    QAction* heading = menu.addAction(QStringLiteral("Heading"));
    auto* dropDown = qobject_cast<RibbonCatMenuAction*>(host.group.addCommand(menu.menuAction()));
    QMenu pasteMenu;
    pasteMenu.addAction(QStringLiteral("Unformatted"));
    QAction paste(QStringLiteral("&Paste"), &host.window);
    paste.setMenu(&pasteMenu);
    auto* split = qobject_cast<RibbonCatMenuAction*>(host.group.addCommand(&paste));
    QVERIFY(dropDown && split);
    QVERIFY(!dropDown->defaultAction());
    QVERIFY(split->defaultAction());
    QCOMPARE(split->defaultAction()->alias(), &paste);
    QSignalSpy pasted(&paste, &QAction::triggered);
    split->defaultAction()->trigger();
    QCOMPARE(pasted.count(), 1);
    // The drop-down holds the host's own entries, as they are now.
    QAction* later = menu.addAction(QStringLiteral("Later"));
    QMenu shown;
    dropDown->fillMenu(shown);
    QCOMPARE(shown.actions(), (QList<QAction*>{heading, later}));

    // In the application menu an action with a menu is a sub-menu.
    RibbonAction* sub = host.window.ribbonMenuBar()->mainMenuActions().addCommand(&paste);
    auto* subMenu = qobject_cast<RibbonMenuAction*>(sub);
    QVERIFY(subMenu);
    QCOMPARE(subMenu->menuActions().size(), 1);
    QCOMPARE(subMenu->menuActions().at(0)->alias(), pasteMenu.actions().at(0));
}

void TestHostActions::hostActionGoes()
{
    Host host;
    auto* action = new QAction(QStringLiteral("Gone"), &host.window);
    RibbonMenuBar& bar = *host.window.ribbonMenuBar();
    QPointer<RibbonAction> inGroup = host.group.addCommand(action);
    QVERIFY(bar.quickAccessBar()->addCommand(action));
    QPointer<RibbonSimpleAction> inBar = bar.quickAccessBar()->commands().value(0);
    host.window.ribbonStatusBar()->addAction(action);
    QPointer<RibbonAction> inMenu = bar.mainMenuActions().addCommand(action);
    QVERIFY(host.shown<RibbonCatSimpleButton>(inGroup.data()));
    // Deleted from inside its own click.
    connect(action, &QAction::triggered, action, &QObject::deleteLater);
    mouseClick(host.shown<RibbonCatSimpleButton>(inGroup.data()), QPoint(5, 5));
    QTRY_VERIFY(!inGroup && !inBar && !inMenu);
    QVERIFY(host.group.actions().isEmpty());
    QVERIFY(bar.quickAccessBar()->commands().isEmpty());
    QVERIFY(bar.mainMenuActions().menuActions().isEmpty());
    QVERIFY(host.window.findChildren<RibbonCatSimpleButton*>().isEmpty());
    QVERIFY(host.window.ribbonStatusBar()->findChildren<RibbonStatusBarWidget*>().isEmpty());
}

void TestHostActions::mnemonicsAreNotPainted()
{
    Host host;
    QAction paste(QStringLiteral("&Paste"), &host.window);
    QAction date(QStringLiteral("Date && Time"), &host.window);
    host.group.addCommand(&paste);
    host.group.addCommand(&date, RibbonCatSimpleAction::Medium);
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    host.window.render(&recorder);
    const QStringList texts = recorder.texts();
    for (const QString& expected : {QStringLiteral("Paste"), QStringLiteral("Date & Time"),
                                    QStringLiteral("Home"), QStringLiteral("Clipboard")})
        QVERIFY2(texts.contains(expected), qPrintable(texts.join(QLatin1Char('|'))));
    for (const QString& text : texts)
        QVERIFY2(!text.contains(QLatin1String("&P")) && !text.contains(QLatin1String("&&")) &&
                     !text.contains(QLatin1String("&b")) && !text.contains(QLatin1String("&H")),
                 qPrintable(text));
}

void TestHostActions::settersAreNoUserChoice()
{
    // Every setter, and the signal that only the user's choice may emit.
    RibbonCatFontFamilyAction family(QFont(QStringLiteral("DejaVu Sans")), nullptr);
    RibbonCatComboAction combo(nullptr);
    combo.addItem(QStringLiteral("one"));
    combo.addItem(QStringLiteral("two"));
    RibbonCatColorMenuAction color(QIcon(), QStringLiteral("Colour"),
                                   RibbonCatColorMenuAction::Small, nullptr);
    RibbonPercAction zoom(10, 500, 100, nullptr);
    RibbonCatFontSizeAction size(9, nullptr);
    QSignalSpy familyUser(&family, &RibbonCatFontFamilyAction::fontFamilyActivated);
    QSignalSpy comboUser(&combo, &RibbonCatComboAction::selectionTextActivated);
    QSignalSpy colorUser(&color, &RibbonCatColorMenuAction::colorActivated);
    QSignalSpy zoomUser(&zoom, &RibbonPercAction::percentageActivated);
    QSignalSpy sizeUser(&size, &RibbonCatFontSizeAction::fontSizeActivated);
    QSignalSpy familyChanged(&family, &RibbonCatFontFamilyAction::fontFamilyChanged);

    Host host;
    for (RibbonAction* a : std::initializer_list<RibbonAction*>{&family, &combo, &color, &size})
        host.group.addAction(a);
    host.window.ribbonStatusBar()->addAction(&zoom);
    QCoreApplication::processEvents();
    family.setFontFamily(QFont(QStringLiteral("DejaVu Serif")));
    combo.setSelectionText(QStringLiteral("two"));
    color.setColor(Qt::red);
    zoom.setPercentage(150);
    size.updateFontSize(14);
    QCOMPARE(familyChanged.count(), 1);
    QCOMPARE(familyUser.count() + comboUser.count() + colorUser.count() + zoomUser.count() +
                 sizeUser.count(),
             0);

    // The user's choices in the widgets do emit them, after the value is stored.
    auto* comboBox = host.shown<QComboBox>(&combo);
    QVERIFY(comboBox);
    QCOMPARE(comboBox->currentText(), QStringLiteral("two"));
    combo.setSelectionText(QStringLiteral("one")); // the first entry shows too
    QCOMPARE(comboBox->currentText(), QStringLiteral("one"));
    comboBox->textActivated(QStringLiteral("two"));
    QCOMPARE(comboUser.count(), 1);
    QCOMPARE(combo.selectionText(), QStringLiteral("two"));
    auto* sizeBox = host.shown<QComboBox>(nullptr);
    QVERIFY(sizeBox);
    QCOMPARE(sizeBox->currentText(), QStringLiteral("14"));
    sizeBox->setCurrentIndex(sizeBox->findText(QStringLiteral("18")));
    sizeBox->activated(sizeBox->currentIndex());
    QCOMPARE(sizeUser.count(), 1);
    QCOMPARE(sizeUser.at(0).at(0).toInt(), 18);
    QCOMPARE(size.fontSize(), 18);
}

void TestHostActions::productNameAndModifiedTitle()
{
    Host host;
    RibbonApplication& app = *RibbonApplication::theApp();
    const QString fixed = QStringLiteral("Tarnwick") + QChar(0x2122);
    QCOMPARE(app.productName(), fixed);
    QSignalSpy renamed(&app, &RibbonApplication::productNameChanged);
    host.window.setTitle(QStringLiteral("notes.txt[*]"));
    RibbonOptionsDialog dialog(host.window);
    app.setProductName(QStringLiteral("Quill"));
    app.setProductName(QStringLiteral("Quill"));
    QCOMPARE(renamed.count(), 1);
    QCOMPARE(host.window.windowHandle()->title(), QStringLiteral("Quill - notes.txt"));
    QVERIFY(dialog.windowTitle().startsWith(QStringLiteral("Quill ")));

    const auto caption = [&host] {
        PaintRecorder recorder;
        host.window.ribbonMenuBar()->render(&recorder);
        return recorder.texts().join(QLatin1Char('|'));
    };
    QVERIFY2(caption().contains(QStringLiteral("notes.txt - |Quill")), qPrintable(caption()));
    host.window.setWindowModified(true);
    QCOMPARE(host.window.windowHandle()->title(), QStringLiteral("Quill - notes.txt*"));
    // A screen reader finds a window of that name.
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&host.window);
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Quill - notes.txt*"));
    QCOMPARE(host.window.shownTitle(), QStringLiteral("notes.txt*"));
    QVERIFY2(caption().contains(QStringLiteral("notes.txt* - |Quill")), qPrintable(caption()));
    host.window.setTitle(QStringLiteral("a[*][*]b[*]"));
    QCOMPARE(host.window.shownTitle(), QStringLiteral("a[*]b*"));
    app.setProductName(fixed);
}

void TestHostActions::statusMessagesAndTips()
{
    Host host;
    RibbonStatusBar& status = *host.window.ribbonStatusBar();
    QSignalSpy changed(&status, &RibbonStatusBar::messageChanged);
    status.showMessage(QStringLiteral("Saved"), 50);
    status.showMessage(QStringLiteral("Saved"), 50);
    QCOMPARE(status.currentMessage(), QStringLiteral("Saved"));
    QCOMPARE(changed.count(), 1);
    PaintRecorder recorder;
    status.render(&recorder);
    QVERIFY(recorder.texts().contains(QStringLiteral("Saved")));
    QTRY_COMPARE(status.currentMessage(), QString()); // the timeout
    QCOMPARE(changed.count(), 2);
    status.showMessage(QStringLiteral("Kept"));
    QTest::qWait(80);
    QCOMPARE(status.currentMessage(), QStringLiteral("Kept"));
    status.clearMessage();
    status.clearMessage();
    QCOMPARE(changed.count(), 4);

    // The status tip of the control under the pointer, and none after it.
    QAction cut(QStringLiteral("Cu&t"), &host.window);
    cut.setStatusTip(QStringLiteral("Cuts the selection"));
    RibbonAction* command = host.group.addCommand(&cut);
    QCoreApplication::processEvents();
    auto* button = host.shown<RibbonCatSimpleButton>(command);
    mouseEnter(button, QPoint(5, 5));
    QCOMPARE(status.currentMessage(), cut.statusTip());
    mouseLeave(button);
    QCOMPARE(status.currentMessage(), QString());
}

void TestHostActions::fontSizeInAGroup()
{
    Host host;
    RibbonCatFontSizeAction size(11, nullptr);
    host.group.addAction(&size);
    QCoreApplication::processEvents();
    auto* category = host.window.findChild<RibbonCategory*>();
    QVERIFY(category);
    auto* box = qobject_cast<QComboBox*>(category->widget(&size));
    QVERIFY(box);
    QCOMPARE(box->height(), 22);
    QVERIFY(box->isVisible());
    QCOMPARE(box->currentText(), QStringLiteral("11"));
    QVERIFY(category->rect().contains(box->geometry()));
    host.group.removeAction(&size);
    QVERIFY(!category->widget(&size));
}

ORU_TEST_MAIN(TestHostActions)
#include "tst_hostactions.moc"
