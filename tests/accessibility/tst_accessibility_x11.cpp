#include "a11ytestutil.h"

#include <oruTestApp.h>
#include <oruTestInput.h>

#include <QAccessibleValueInterface>
#include <oruRibbonMenuAction.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonTabBar.h>

using namespace oru;
using namespace oru::test;

namespace {

/// Everything an update handler saw, since the handler is a plain function.
QList<std::pair<QAccessible::Event, QVariant>> g_events;
QList<QObject*> g_eventObjects;

/// Selection and "selected" state changes: object, child index, and for a
/// state change whether it was about the selected state.
struct SelectionEvent
{
    QAccessible::Event type;
    QObject* object;
    int child;
    bool operator==(const SelectionEvent& other) const
    {
        return type == other.type && object == other.object && child == other.child;
    }
};
QList<SelectionEvent> g_selection;

void recordEvent(QAccessibleEvent* event)
{
    QVariant value;
    if (event->type() == QAccessible::ValueChanged)
        value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    g_events.append({event->type(), value});
    g_eventObjects.append(event->object());
    const bool selectedChanged =
        event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().selected;
    if (selectedChanged || event->type() == QAccessible::Selection)
        g_selection.append({event->type(), event->object(), event->child()});
}

} // namespace

/// Runs inside a D-Bus session with the accessibility bus up (the AT-SPI
/// bridge is then active, so Qt delivers accessibility events at all).
class TestAccessibilityEvents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void valueEvents();
    void tabSwitchEvents();
    void keyTipFocusEvents();
    void toggleEventsCarryTheNewState();
};

void TestAccessibilityEvents::initTestCase()
{
    if (!onX11())
        QSKIP("needs the xcb platform");
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 5000);
}

void TestAccessibilityEvents::valueEvents()
{
    DemoWindow demo;
    QAccessible::installUpdateHandler(recordEvent);
    g_events.clear();
    g_eventObjects.clear();

    QAccessibleInterface* zoom = findIn(demo.window, QAccessible::Slider, QStringLiteral("Zoom"));
    QAccessibleValueInterface* value = zoom->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->minimumValue().toInt(), 10);
    QCOMPARE(value->maximumValue().toInt(), 500);
    value->setCurrentValue(150);
    QCOMPARE(demo.zoom->percentage(), 150);
    QCOMPARE(value->currentValue().toInt(), 150);
    value->setCurrentValue(9000); // clamped, not refused
    QCOMPARE(demo.zoom->percentage(), 500);

    demo.progress->setProgressValue(40);
    QAccessibleInterface* progress =
        findIn(demo.window, QAccessible::ProgressBar, QStringLiteral("Exporting"));
    QCOMPARE(progress->valueInterface()->currentValue().toInt(), 40);
    QCOMPARE(progress->childCount(), 0);

    QAccessible::installUpdateHandler(nullptr);
    QList<std::pair<QObject*, QVariant>> values;
    for (int i = 0; i < g_events.size(); ++i) {
        // Only the ribbon's widgets: the progress widget's inner bar reports
        // its own value as well.
        QObject* object = g_eventObjects.at(i);
        if (g_events.at(i).first == QAccessible::ValueChanged &&
            (object == zoom->object() || object == progress->object()))
            values.append({g_eventObjects.at(i), g_events.at(i).second});
    }
    QCOMPARE(values.size(), 3);
    QCOMPARE(values.at(0).first, zoom->object());
    QCOMPARE(values.at(0).second.toInt(), 150);
    QCOMPARE(values.at(1).second.toInt(), 500);
    QCOMPARE(values.at(2).first, progress->object());
    QCOMPARE(values.at(2).second.toInt(), 40);
}

void TestAccessibilityEvents::tabSwitchEvents()
{
    // The ribbon's tab buttons: the old tab loses "selected", the new one
    // gains it and is announced as the selection, once per switch.
    DemoWindow demo;
    QAccessibleInterface* home = findIn(demo.window, QAccessible::PageTab, QStringLiteral("Home"));
    QAccessibleInterface* format =
        findIn(demo.window, QAccessible::PageTab, QStringLiteral("Format"));
    QVERIFY(home && format);
    QAccessible::installUpdateHandler(recordEvent);
    g_selection.clear();
    actions(format)->doAction(QAccessibleActionInterface::pressAction());
    actions(format)->doAction(QAccessibleActionInterface::pressAction()); // already selected
    QAccessible::installUpdateHandler(nullptr);
    QObject* homeButton = home->object();
    QObject* formatButton = format->object();
    const QList<SelectionEvent> expected{{QAccessible::StateChanged, homeButton, -1},
                                         {QAccessible::StateChanged, formatButton, -1},
                                         {QAccessible::Selection, formatButton, -1}};
    // The order of the two state changes is the exclusive group's business;
    // the selection follows the new tab's state change.
    QCOMPARE(g_selection.size(), 3);
    for (const SelectionEvent& event : expected)
        QVERIFY(g_selection.contains(event));
    QVERIFY(g_selection.indexOf(expected.at(2)) > g_selection.indexOf(expected.at(1)));

    // A tab strip's painted tabs are reported by child index.
    RibbonMenuAction menu(QStringLiteral("Documents"), nullptr);
    menu.setExclusive(true);
    QList<RibbonSimpleAction*> tabs;
    for (const char* text : {"One", "Two", "Three"}) {
        auto* tab = new RibbonSimpleAction(QString::fromLatin1(text), &menu);
        tab->setCheckable(true);
        menu.addAction(tab);
        tabs << tab;
    }
    tabs.at(0)->setChecked(true);
    RibbonTabBar bar(menu, nullptr);
    bar.resize(600, bar.height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QAccessible::installUpdateHandler(recordEvent);
    g_selection.clear();
    tabs.at(2)->setChecked(true);
    tabs.at(1)->setText(QStringLiteral("Second")); // unchecks Three, selects nothing
    QAccessible::installUpdateHandler(nullptr);
    // Four buttons come first among the strip's children.
    const QList<SelectionEvent> strip{{QAccessible::StateChanged, &bar, 4},
                                      {QAccessible::StateChanged, &bar, 6},
                                      {QAccessible::Selection, &bar, 6},
                                      {QAccessible::StateChanged, &bar, 6}};
    QCOMPARE(g_selection, strip);
}

void TestAccessibilityEvents::keyTipFocusEvents()
{
    // Moving among the key tips with Tab tells the screen reader which
    // control the focus frame stands on, in the badges' order.
    DemoWindow demo;
    RibbonMenuBar* bar = demo.window.ribbonMenuBar();
    demo.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&demo.window));
    bar->showKeyTips();
    QVERIFY(bar->keyTipsVisible());
    QTest::keyClick(&demo.window, Qt::Key_H);
    QVERIFY(demo.home->isChecked());

    QList<QObject*> focused;
    static QList<QObject*>* sink = nullptr;
    sink = &focused;
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::Focus && sink)
            sink->append(event->object());
    });
    QTest::keyClick(&demo.window, Qt::Key_Tab);
    QTest::keyClick(&demo.window, Qt::Key_Tab);
    QAccessible::installUpdateHandler(nullptr);
    sink = nullptr;
    bar->hideKeyTips();

    QCOMPARE(focused.size(), 2);
    const auto nameOf = [](QObject* object) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face ? face->text(QAccessible::Name) : QString();
    };
    QCOMPARE(nameOf(focused.at(0)), QStringLiteral("Paste"));
    QCOMPARE(nameOf(focused.at(1)), QStringLiteral("Cut"));
}

void TestAccessibilityEvents::toggleEventsCarryTheNewState()
{
    // A screen reader reads the state when the event arrives: it must be the
    // new one, however the toggle was used: a button, a strip's painted
    // cell, the status bar's toggle.
    DemoWindow demo;
    demo.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&demo.window));
    const QList<Node> nodes = walk(QAccessible::queryAccessibleInterface(&demo.window));
    QAccessibleInterface* bold = find(nodes, QAccessible::CheckBox, QStringLiteral("Bold"));
    QAccessibleInterface* italic = find(nodes, QAccessible::CheckBox, QStringLiteral("Italic"));
    QAccessibleInterface* wrap = find(nodes, QAccessible::CheckBox, QStringLiteral("Wrap Lines"));
    QVERIFY(bold && italic && wrap);
    static QList<std::pair<QString, bool>> announced;
    announced.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() != QAccessible::StateChanged ||
            !static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked)
            return;
        QAccessibleInterface* face = event->accessibleInterface();
        announced.append({face->text(QAccessible::Name), bool(face->state().checked)});
    });
    const auto click = [](QAccessibleInterface* face) {
        auto* widget =
            qobject_cast<QWidget*>(face->object() ? face->object() : face->parent()->object());
        mouseClick(widget, widget->mapFromGlobal(face->rect().center()));
    };
    const QString press = QAccessibleActionInterface::pressAction();
    click(bold);                      // checked -> unchecked
    actions(bold)->doAction(press);   // -> checked
    demo.bold->setChecked(false);     // the host, as with its shortcut
    click(italic);                    // -> checked
    actions(italic)->doAction(press); // -> unchecked
    demo.italic->setChecked(true);    // the host
    click(wrap);                      // -> checked
    actions(wrap)->doAction(QAccessibleActionInterface::toggleAction()); // -> unchecked
    QAccessible::installUpdateHandler(nullptr);
    const QString b = QStringLiteral("Bold"), i = QStringLiteral("Italic"),
                  w = QStringLiteral("Wrap Lines");
    QCOMPARE(announced, (QList<std::pair<QString, bool>>{{b, false},
                                                         {b, true},
                                                         {b, false},
                                                         {i, true},
                                                         {i, false},
                                                         {i, true},
                                                         {w, true},
                                                         {w, false}}));
}

ORU_TEST_MAIN(TestAccessibilityEvents)

#include "tst_accessibility_x11.moc"
