// RibbonMenuAction: the child list, default and checked actions, the
// exclusive and to-be-toggled modes, and the order of its signals.
#include <oruRibbonMenuAction.h>
#include <oruRibbonSimpleAction.h>

#include "oruTestApp.h"

using namespace oru;

class TestMenuAction : public QObject
{
    Q_OBJECT

private slots:
    void addAndRemove();
    void exclusive();
    void toBeToggled_data();
    void toBeToggled();
    void signalsOfUse();
    void childDestroyed();
};

void TestMenuAction::addAndRemove()
{
    RibbonMenuAction menu(QStringLiteral("Menu"), nullptr);
    RibbonSimpleAction a(QStringLiteral("a"), nullptr);
    RibbonSimpleAction b(QStringLiteral("b"), nullptr);
    QSignalSpy changed(&menu, &QAction::changed);

    menu.addAction(nullptr);
    menu.addAction(&a, true);
    menu.addAction(&b);
    menu.addAction(&a, false); // already there: neither appended nor re-flagged
    menu.addAction(&b, true);  // already there: the default stays a
    QCOMPARE(menu.menuActions(), (QList<RibbonAction*>{&a, &b}));
    QCOMPARE(menu.defaultAction(), &a);
    QCOMPARE(changed.count(), 2);

    menu.removeAction(&b);
    menu.removeAction(&b); // not in the list any more: nothing happens
    QCOMPARE(changed.count(), 3);
    QCOMPARE(menu.defaultAction(), &a);
    menu.removeAction(&a);
    QVERIFY(menu.menuActions().isEmpty());
    QCOMPARE(menu.defaultAction(), nullptr);
    QSignalSpy activated(&menu, &RibbonAction::activated);
    a.trigger(); // a removed child no longer reaches the menu
    QCOMPARE(activated.count(), 0);
}

void TestMenuAction::exclusive()
{
    RibbonMenuAction menu(nullptr);
    RibbonSimpleAction a(nullptr), b(nullptr), plain(nullptr);
    a.setCheckable(true);
    b.setCheckable(true);
    menu.addAction(&a);
    menu.addAction(&b);
    menu.addAction(&plain);

    // Not exclusive: both may be checked, nothing is recorded.
    a.setChecked(true);
    b.setChecked(true);
    QVERIFY(a.isChecked() && b.isChecked() && !menu.checkedAction());

    // Only the recorded child is unchecked: b, checked before the menu became
    // exclusive, stays checked until b itself changes.
    menu.setExclusive(true);
    a.setChecked(false);
    a.setChecked(true);
    QCOMPARE(menu.checkedAction(), &a);
    QVERIFY(b.isChecked());
    b.setChecked(false); // a change of b, so the recorded a is unchecked
    QVERIFY(!a.isChecked());
    QCOMPARE(menu.checkedAction(), nullptr);
    a.setChecked(true);
    b.setChecked(true);
    QCOMPARE(menu.checkedAction(), &b);
    QVERIFY(!a.isChecked());

    // Any change of a checkable child (not only a check) unchecks the other.
    a.setChecked(true);
    b.setChecked(true);
    QVERIFY(!a.isChecked());
    a.setText(QStringLiteral("renamed"));
    QVERIFY(!b.isChecked());
    QCOMPARE(menu.checkedAction(), nullptr);

    // A non-checkable child leaves the record alone.
    b.setChecked(true);
    plain.setText(QStringLiteral("x"));
    QCOMPARE(menu.checkedAction(), &b);

    // Removing the checked child clears it; so does leaving exclusive mode.
    menu.removeAction(&b);
    QCOMPARE(menu.checkedAction(), nullptr);
    a.setChecked(true);
    QCOMPARE(menu.checkedAction(), &a);
    menu.setExclusive(false);
    QCOMPARE(menu.checkedAction(), nullptr);
    QVERIFY(a.isChecked());
}

void TestMenuAction::toBeToggled_data()
{
    QTest::addColumn<bool>("flag");
    QTest::addColumn<bool>("hasDefault");
    QTest::addColumn<bool>("defaultCheckable");
    QTest::addColumn<bool>("defaultChecked");
    QTest::addColumn<bool>("otherChecked");
    QTest::addColumn<bool>("expected");
    QTest::newRow("no default") << false << false << false << false << true << false;
    QTest::newRow("default not checkable") << false << true << false << false << true << false;
    QTest::newRow("default unchecked") << false << true << true << false << true << false;
    QTest::newRow("default checked") << false << true << true << true << false << true;
    QTest::newRow("flag, none checked") << true << true << true << false << false << false;
    QTest::newRow("flag, other checked") << true << false << false << false << true << true;
    QTest::newRow("flag, default checked") << true << true << true << true << false << true;
}

void TestMenuAction::toBeToggled()
{
    QFETCH(bool, defaultCheckable);
    QFETCH(bool, defaultChecked);
    QFETCH(bool, otherChecked);
    QFETCH(bool, hasDefault);
    QFETCH(bool, flag);
    RibbonMenuAction menu(nullptr);
    RibbonSimpleAction def(nullptr), other(nullptr);
    def.setCheckable(defaultCheckable);
    def.setChecked(defaultChecked);
    other.setCheckable(true);
    other.setChecked(otherChecked);
    menu.addAction(&def, hasDefault);
    menu.addAction(&other);
    menu.setToBeToggled(flag);
    QTEST(menu.toBeToggled(), "expected");
}

void TestMenuAction::signalsOfUse()
{
    RibbonMenuAction menu(nullptr);
    RibbonSimpleAction a(nullptr), b(nullptr);
    QStringList order;
    connect(&a, &QAction::triggered, this, [&] { order << "a.triggered"; });
    connect(&a, &RibbonAction::activated, this, [&] { order << "a.activated"; });
    connect(&menu, &RibbonMenuAction::triggered, this,
            [&](RibbonAction* which) { order << (which == &a ? "menu.triggered(a)" : "other"); });
    connect(&menu, &RibbonAction::activated, this, [&] { order << "menu.activated"; });
    menu.addAction(&a);
    menu.addAction(&b);

    a.trigger();
    // The simple action's own triggered() -> activated() connection comes
    // first, so the menu's activated() precedes every triggered() listener.
    QCOMPARE(order,
             (QStringList{"a.activated", "menu.activated", "a.triggered", "menu.triggered(a)"}));

    QSignalSpy triggered(&menu, &RibbonMenuAction::triggered);
    b.trigger();
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(triggered.at(0).at(0).value<RibbonAction*>(), &b);
}

void TestMenuAction::childDestroyed()
{
    RibbonMenuAction menu(nullptr);
    auto* a = new RibbonSimpleAction(nullptr);
    auto* b = new RibbonSimpleAction(nullptr);
    a->setCheckable(true);
    menu.setExclusive(true);
    menu.addAction(a, true);
    menu.addAction(b);
    a->setChecked(true);
    QSignalSpy changed(&menu, &QAction::changed);
    delete a;
    QCOMPARE(menu.menuActions(), (QList<RibbonAction*>{b}));
    QCOMPARE(menu.defaultAction(), nullptr);
    QCOMPARE(menu.checkedAction(), nullptr);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!menu.toBeToggled());

    // A child that outlives its menu is left unharmed.
    {
        RibbonMenuAction shortLived(nullptr);
        shortLived.addAction(b);
    }
    b->trigger();
    delete b;
}

ORU_TEST_MAIN(TestMenuAction)
#include "tst_menuaction.moc"
