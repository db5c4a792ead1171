// Customising the quick access bar: the ribbon's context menu, the
// drop-down at the bar's end, and a host that forbids it.
#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategoryPanels.h>
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
    QCOMPARE(entries(menu), QStringList({kAdd, "-", kBelow, "-", kMinimize}));
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
    QCOMPARE(entries(menu), QStringList({kBelow, "-", kMinimize}));
    choose(menu, kBelow);
    QVERIFY(host.bar.isQuickAccessBarBelow());
    QCoreApplication::processEvents();
    host.window.layout()->activate();
    QVERIFY(host.qab.y() > host.bar.panels()->geometry().bottom());
    QVERIFY(host.central.y() > host.bar.mapTo(&host.window, host.qab.geometry().bottomLeft()).y());

    menu = rightClick(button);
    QCOMPARE(entries(menu), QStringList({kAdd, "-", kAbove, "-", kMinimize}));
    choose(menu, kMinimize);
    QVERIFY(host.bar.isMinimized());
    menu = rightClick(host.tabButton(0));
    QCOMPARE(entries(menu).last(), "[x]" + kMinimize);
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
    QCOMPARE(entries(menu), QStringList({kMinimize}));
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

ORU_TEST_MAIN(TestQatCustomize)
#include "tst_qatcustomize.moc"
