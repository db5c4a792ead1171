// Customising the quick access bar: the ribbon's context menu, the
// drop-down at the bar's end, and a host that forbids it.
#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>

#include "oruTestApp.h"
#include "oruTestInput.h"
#include "ribbonhost.h"

#include <QContextMenuEvent>
#include <QLayout>
#include <QMenu>

using namespace oru;

namespace {

const QString kAdd = QStringLiteral("Add to Quick Access Toolbar");
const QString kRemove = QStringLiteral("Remove from Quick Access Toolbar");
const QString kBelow = QStringLiteral("Show Quick Access Toolbar below the Ribbon");
const QString kAbove = QStringLiteral("Show Quick Access Toolbar above the Ribbon");
const QString kMinimize = QStringLiteral("Minimize the Ribbon");
const QString kSimplified = QStringLiteral("Simplified Ribbon");

template <typename T> T* widgetOf(QAction* action)
{
    for (QObject* object : action->associatedObjects())
        if (auto* widget = qobject_cast<T*>(object))
            return widget;
    return nullptr;
}

QMenu* rightClick(QWidget* widget)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3),
                            widget->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(widget, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The menu's entries, "-" for a separator, "[x]" before checked ones.
QStringList entries(const QMenu* menu)
{
    QStringList list;
    for (QAction* action : menu->actions())
        list << (action->isSeparator()
                     ? QStringLiteral("-")
                     : (action->isChecked() ? QStringLiteral("[x]") : QString()) + action->text());
    return list;
}

// Picks the entry and lets the menu go.
void choose(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text)
            action->trigger();
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestQatCustomize : public QObject
{
    Q_OBJECT

private slots:
    void contextMenu();
    void dropDown();
    void forbidden();
    void overflow();
    void buttonsLeaveWithTheirActions();
};

void TestQatCustomize::contextMenu()
{
    RibbonHost host;
    QCoreApplication::processEvents();
    RibbonCatSimpleAction* a = host.command("a");
    auto* button = widgetOf<RibbonCatSimpleButton>(a);
    QVERIFY(button);

    QMenu* menu = rightClick(button);
    QVERIFY(menu);
    QCOMPARE(entries(menu), QStringList({kAdd, "-", kBelow, "-", kMinimize, kSimplified}));
    choose(menu, kAdd);
    QCOMPARE(host.commandNames(), QStringList({"a"}));

    // Once on the bar it is offered for removal only, from the ribbon and
    // from its own button on the bar.
    menu = rightClick(button);
    QCOMPARE(entries(menu).first(), kRemove);
    menu->close();
    QCoreApplication::processEvents();
    auto* onBar = widgetOf<RibbonButtonNormal>(a);
    QVERIFY(onBar && onBar->parentWidget() == &host.qab);
    menu = rightClick(onBar);
    QCOMPARE(entries(menu).first(), kRemove);
    choose(menu, kRemove);
    QVERIFY(host.qab.commands().isEmpty());
    QVERIFY(!widgetOf<RibbonButtonNormal>(a));

    // Over a tab or an empty place: only the two options.
    menu = rightClick(host.tabButton(1));
    QCOMPARE(entries(menu), QStringList({kBelow, "-", kMinimize, kSimplified}));
    choose(menu, kBelow);
    QVERIFY(host.bar.isQuickAccessBarBelow());
    QCoreApplication::processEvents();
    host.window.layout()->activate();
    QVERIFY(host.qab.y() > host.bar.panels()->geometry().bottom());
    QVERIFY(host.central.y() > host.bar.mapTo(&host.window, host.qab.geometry().bottomLeft()).y());

    menu = rightClick(button);
    QCOMPARE(entries(menu), QStringList({kAdd, "-", kAbove, "-", kMinimize, kSimplified}));
    choose(menu, kMinimize);
    QVERIFY(host.bar.isMinimized());
    menu = rightClick(host.tabButton(0));
    QCOMPARE(entries(menu).value(entries(menu).size() - 2), "[x]" + kMinimize);
    choose(menu, kAbove);
    QVERIFY(!host.bar.isQuickAccessBarBelow());
    QCoreApplication::processEvents();
    host.window.layout()->activate();
    QCOMPARE(host.qab.y(), 0);

    // A command deleted while its menu shows.
    menu = rightClick(widgetOf<RibbonCatSimpleButton>(host.command("b")));
    delete host.command("b");
    host.commands.removeAll(nullptr);
    choose(menu, kAdd);
    QCOMPARE(host.qab.commands().size(), 0);
}

void TestQatCustomize::dropDown()
{
    RibbonHost host;
    host.qab.addCommand(host.command("a"));
    host.qab.addCommand(host.command("b"));
    host.qab.removeCommand(host.command("b"));
    QCoreApplication::processEvents();
    auto* customize = widgetOf<RibbonButtonNormal>(host.qab.customizeAction());
    QVERIFY(customize);
    QSignalSpy customizeUsed(host.qab.customizeAction(), &QAction::triggered);

    oru::test::mousePress(customize, QPoint(3, 5));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    // Below the button.
    QCOMPARE(menu->y(), customize->mapToGlobal(QPoint(0, customize->height())).y());
    const QString more = host.qab.customizeAction()->text();
    QCOMPARE(entries(menu), QStringList({"[x]a", "b", "-", kBelow, kMinimize, "-", more}));
    QCOMPARE(customizeUsed.size(), 0);
    choose(menu, QStringLiteral("b"));
    QCOMPARE(host.commandNames(), QStringList({"a", "b"}));

    oru::test::mousePress(customize, QPoint(3, 5));
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QCOMPARE(entries(menu).mid(0, 2), QStringList({"[x]a", "[x]b"}));
    choose(menu, QStringLiteral("a"));
    QCOMPARE(host.commandNames(), QStringList({"b"}));

    oru::test::mousePress(customize, QPoint(3, 5));
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    choose(menu, more);
    QCOMPARE(customizeUsed.size(), 1);
}

void TestQatCustomize::forbidden()
{
    RibbonHost host;
    host.qab.setCustomizable(false);
    QCoreApplication::processEvents();
    QMenu* menu = rightClick(widgetOf<RibbonCatSimpleButton>(host.command("a")));
    QCOMPARE(entries(menu), QStringList({kMinimize, kSimplified}));
    menu->close();
    QCoreApplication::processEvents();

    // The customize button is the host's again.
    auto* customize = widgetOf<RibbonButtonNormal>(host.qab.customizeAction());
    QSignalSpy customizeUsed(host.qab.customizeAction(), &QAction::triggered);
    oru::test::mouseClick(customize, QPoint(3, 5));
    QCOMPARE(customizeUsed.size(), 1);
    QVERIFY(!QApplication::activePopupWidget());
    // The host itself still may.
    QVERIFY(host.qab.addCommand(host.command("a")));
}

void TestQatCustomize::overflow()
{
    RibbonHost host;
    RibbonQuickAccessBar& qab = host.qab;
    auto* chevron = widgetOf<RibbonButtonNormal>(qab.overflowAction());
    auto* customize = widgetOf<RibbonButtonNormal>(qab.customizeAction());
    QVERIFY(chevron && customize);
    QList<RibbonSimpleAction*> commands;
    const auto addCommands = [&](int count) {
        for (int i = 0; i < count; ++i) {
            auto* command = new RibbonSimpleAction(QStringLiteral("Command %1").arg(commands.size()),
                                                   &host.window);
            commands.append(command);
            qab.addCommand(command);
        }
        QCoreApplication::processEvents();
    };

    // The first command on a shown, empty bar: while it is placed, showing
    // the chevron relayouts the ribbon, which widens the bar; the chevron
    // must end hidden (it once ended both hidden and visible).
    addCommands(1);
    QVERIFY(!chevron->isVisible());
    QVERIFY(chevron->isHidden());
    QVERIFY(widgetOf<RibbonButtonNormal>(commands.constFirst())->isVisible());
    const int narrowest = host.window.minimumSizeHint().width();
    addCommands(59);
    // Sixty commands do not widen the window: the chevron stands in for
    // those that do not fit.
    QCOMPARE(host.window.minimumSizeHint().width(), narrowest);
    QVERIFY(qab.sizeHint().width() > 60 * 23);

    // Checks the row and sets the number of buttons shown.
    int shown = 0;
    const auto checkRow = [&](const char* where) {
        const QList<RibbonButtonNormal*> buttons = [&] {
            QList<RibbonButtonNormal*> row;
            for (RibbonSimpleAction* command : commands)
                row.append(widgetOf<RibbonButtonNormal>(command));
            return row;
        }();
        shown = 0;
        while (shown < buttons.size() && buttons.at(shown)->isVisible())
            ++shown;
        for (int i = shown; i < buttons.size(); ++i)
            QVERIFY2(buttons.at(i)->isHidden(), where);
        const QList<QAction*> hidden(commands.begin() + shown, commands.end());
        QCOMPARE(qab.overflowActions(), hidden);
        QCOMPARE(chevron->isVisible(), shown < buttons.size());
        for (int i = 0; i < shown; ++i)
            QCOMPARE(buttons.at(i)->geometry(), QRect(10 + 23 * i, 3, 20, 20));
        const int row = shown == buttons.size() ? 23 * shown - 3 : 23 * shown + 13;
        if (chevron->isVisible())
            QCOMPARE(chevron->geometry(), QRect(10 + 23 * shown, 3, 13, 20));
        QCOMPARE(qab.qabGeometry(), QRect(10, 3, row, 20));
        QCOMPARE(customize->x(), 10 + row + 15);
        QVERIFY2(customize->geometry().right() < qab.width(), where);
        // As many as fit: one more would push the customize button out.
        if (chevron->isVisible())
            QVERIFY2(10 + 23 * (shown + 1) + 13 + 15 + 10 + 3 > qab.width(), where);
        // The bar keeps clear of the system buttons.
        for (QWidget* sys : host.bar.findChildren<QWidget*>())
            if (QByteArray(sys->metaObject()->className()) == "oru::RibbonSysButton")
                QVERIFY2(qab.geometry().right() < sys->x(), where);
    };
    const auto rowAt = [&](int width, const char* where) {
        host.window.resize(width, 500);
        QCoreApplication::processEvents();
        checkRow(where);
        return QTest::currentTestFailed() ? -1 : shown;
    };

    const int at900 = rowAt(900, "900");
    QVERIFY(at900 > 0 && at900 < 60);
    QVERIFY(rowAt(1500, "1500") > at900);
    const int narrow = rowAt(narrowest, "narrowest");
    QVERIFY(narrow >= 0 && narrow < at900);

    QCOMPARE(rowAt(900, "900 again"), at900);
    // Below the ribbon the bar has the window's width: more buttons show.
    host.bar.setQuickAccessBarBelow(true);
    QCoreApplication::processEvents();
    QVERIFY(chevron->isVisible());
    QVERIFY(qab.overflowActions().size() < 60 - at900);
    QVERIFY(qab.geometry().right() < host.bar.width());
    QVERIFY(chevron->geometry().right() < customize->x());
    host.bar.setQuickAccessBarBelow(false);
    QCoreApplication::processEvents();
    checkRow("above again");
    QCOMPARE(shown, at900);

    // The chevron's menu: the hidden commands, which it triggers.
    oru::test::mouseClick(chevron, QPoint(6, 10));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions(), qab.overflowActions());
    // Below the chevron; moved left when the screen ends before the menu.
    const QPoint below = chevron->mapToGlobal(QPoint(0, chevron->height()));
    QCOMPARE(menu->y(), below.y());
    QVERIFY(menu->x() == below.x() ||
            menu->geometry().right() == menu->screen()->availableGeometry().right());
    // A command deleted while the menu shows leaves it.
    delete commands.takeAt(at900);
    QCOMPARE(menu->actions().size(), 60 - at900 - 1);
    QCOMPARE(menu->actions().constFirst(), commands.at(at900));
    QSignalSpy triggered(commands.at(at900), &QAction::triggered);
    menu->actions().constFirst()->trigger();
    QCOMPARE(triggered.size(), 1);
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    checkRow("deleted");
    QCOMPARE(shown, at900);

    // Moving a hidden command to the front shows it; the last shown gives way.
    QVERIFY(qab.moveCommand(int(commands.size()) - 1, 0));
    commands.prepend(commands.takeLast());
    QCoreApplication::processEvents();
    checkRow("moved");
    QCOMPARE(shown, at900);
    QCOMPARE(qab.overflowActions().constFirst(), commands.at(at900));

    // Few enough commands: no chevron, the row as wide as its buttons.
    while (commands.size() > 5)
        qab.removeCommand(commands.takeLast());
    QCoreApplication::processEvents();
    checkRow("five");
    QCOMPARE(shown, 5);
    QVERIFY(!chevron->isVisible());
    QCOMPARE(qab.width(), qab.sizeHint().width());
    QCOMPARE(qab.sizeHint().width(), 10 + 5 * 23 - 3 + 15 + 10 + 3);
}

void TestQatCustomize::buttonsLeaveWithTheirActions()
{
    RibbonHost host;
    RibbonQuickAccessBar& qab = host.qab;
    auto* a = new RibbonSimpleAction(QStringLiteral("a"), &host.window);
    auto* b = new RibbonSimpleAction(QStringLiteral("b"), &host.window);
    auto* c = new RibbonSimpleAction(QStringLiteral("c"), &host.window);
    qab.addAction(a);
    qab.addAction(b);
    qab.addAction(b); // two buttons for one action
    qab.addAction(c);
    QCoreApplication::processEvents();
    QCOMPARE(host.qabButtons().size(), 4);
    qab.removeAction(c); // removing keeps the button
    QCOMPARE(host.qabButtons().size(), 4);

    // Deleting the action takes its buttons out of the bar at once.
    delete b;
    QList<RibbonButtonNormal*> row = host.qabButtons();
    QCOMPARE(row.size(), 2);
    QCOMPARE(row.at(0)->actions().value(0), a);
    QCOMPARE(row.at(1)->actions().value(0), c);
    QCoreApplication::processEvents();
    QCOMPARE(qab.qabGeometry(), QRect(10, 3, 43, 20));
    QCOMPARE(row.at(1)->geometry(), QRect(33, 3, 20, 20));

    // An action deleted by its own button's click, and a command removed by
    // its own: the click ends on a button that is already out of the bar.
    QPointer<RibbonButtonNormal> clicked = row.at(1);
    connect(c, &QAction::triggered, c, [c]() { delete c; });
    oru::test::mouseClick(clicked, QPoint(5, 5));
    QCOMPARE(host.qabButtons().size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(clicked.isNull());

    RibbonCatSimpleAction* d = host.command("d");
    qab.addCommand(d);
    QCoreApplication::processEvents();
    clicked = widgetOf<RibbonButtonNormal>(d);
    connect(d, &QAction::triggered, &qab, [&qab, d]() { qab.removeCommand(d); });
    oru::test::mouseClick(clicked, QPoint(5, 5));
    QVERIFY(!qab.hasCommand(d));
    QCOMPARE(host.qabButtons().size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(clicked.isNull());
    QVERIFY(!d->associatedObjects().contains(clicked.data()));

    // Replacing the commands keeps the buttons of plain actions in the row,
    // after the commands.
    qab.setCommands({d});
    QCoreApplication::processEvents();
    row = host.qabButtons();
    QCOMPARE(row.size(), 2);
    QCOMPARE(row.at(0)->actions().value(0), d);
    QCOMPARE(row.at(1)->actions().value(0), a);
    QCOMPARE(qab.qabGeometry(), QRect(10, 3, 43, 20));
    QCOMPARE(row.at(1)->geometry(), QRect(33, 3, 20, 20));

    // Commands that are children of the bar go with it, after its layouts
    // and lists: they must not call back into it (UBSan saw the bar's
    // functions called on what was by then a plain QWidget).
    {
        RibbonMainWindow window;
        RibbonQuickAccessBar* bar = window.ribbonMenuBar()->quickAccessBar();
        auto* own = new RibbonSimpleAction(QStringLiteral("own"), bar);
        bar->addCommand(own);
        bar->addAction(new RibbonSimpleAction(QStringLiteral("plain"), bar));
        window.show();
        QCoreApplication::processEvents();
        QCOMPARE(bar->commands(), QList<RibbonSimpleAction*>({own}));
    }
}

ORU_TEST_MAIN(TestQatCustomize)
#include "tst_qatcustomize.moc"
