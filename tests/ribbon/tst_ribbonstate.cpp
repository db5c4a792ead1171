// The quick access bar's command list and the ribbon bar's saved state.
#include <oruRibbonButtonNormal.h>

#include "oruTestApp.h"
#include "ribbonhost.h"

#include <QDataStream>
#include <QLayout>

using namespace oru;

class TestRibbonState : public QObject
{
    Q_OBJECT

private slots:
    void commands();
    void deletedCommand();
    void roundTrip();
    void fewerActions();
    void badBlobs_data();
    void badBlobs();
};

void TestRibbonState::commands()
{
    RibbonHost host;
    QSignalSpy changed(&host.qab, &RibbonQuickAccessBar::commandsChanged);
    const auto buttons = [&host]() { return host.qabButtons().size(); };

    QVERIFY(host.qab.addCommand(host.command("a")));
    QVERIFY(host.qab.addCommand(host.command("b")));
    QVERIFY(!host.qab.addCommand(host.command("a")));
    QVERIFY(!host.qab.addCommand(static_cast<QAction*>(nullptr)));
    QCOMPARE(host.commandNames(), QStringList({"a", "b"}));
    QCOMPARE(buttons(), 2);
    QCOMPARE(changed.size(), 2);

    QVERIFY(host.qab.insertCommand(0, host.command("c")));
    QVERIFY(host.qab.insertCommand(99, host.command("d")));
    QCOMPARE(host.commandNames(), QStringList({"c", "a", "b", "d"}));
    QVERIFY(host.qab.moveCommand(0, 3));
    QVERIFY(!host.qab.moveCommand(0, 4));
    QCOMPARE(host.commandNames(), QStringList({"a", "b", "d", "c"}));

    // The buttons follow the list's order.
    QCoreApplication::processEvents();
    QStringList order;
    for (RibbonButtonNormal* button : host.qabButtons())
        order << button->text();
    QCOMPARE(order, QStringList({"a", "b", "d", "c"}));

    QVERIFY(host.qab.removeCommand(host.command("b")));
    QVERIFY(!host.qab.removeCommand(host.command("b")));
    QVERIFY(!host.qab.hasCommand(host.command("b")));
    QVERIFY(host.qab.hasCommand(host.command("a")));
    QCOMPARE(buttons(), 3);

    changed.clear();
    host.qab.setCommands({host.command("f"), nullptr, host.command("f"), host.command("e")});
    QCOMPARE(host.commandNames(), QStringList({"f", "e"}));
    QCOMPARE(buttons(), 2);
    QCOMPARE(changed.size(), 1);
}

void TestRibbonState::deletedCommand()
{
    RibbonHost host;
    auto* extra = new RibbonSimpleAction(QStringLiteral("x"), &host.window);
    host.qab.addCommand(host.command("a"));
    host.qab.addCommand(extra);
    QSignalSpy changed(&host.qab, &RibbonQuickAccessBar::commandsChanged);
    delete extra;
    QCOMPARE(changed.size(), 1);
    QCOMPARE(host.commandNames(), QStringList({"a"}));
    QCOMPARE(host.qabButtons().size(), 1);
}

void TestRibbonState::roundTrip()
{
    QByteArray state;
    {
        RibbonHost host;
        host.qab.addCommand(host.command("e"));
        host.qab.addCommand(host.command("a"));
        host.tabs.at(2)->setChecked(true);
        host.bar.setQuickAccessBarBelow(true);
        host.bar.setMinimized(true);
        state = host.bar.saveState(3);
    }
    RibbonHost host;
    QSignalSpy minimized(&host.bar, &RibbonMenuBar::minimizedChanged);
    QVERIFY(!host.bar.restoreState(state, 4)); // another version
    QVERIFY(!host.bar.isMinimized());
    QVERIFY(host.bar.restoreState(state, 3));
    QCOMPARE(host.commandNames(), QStringList({"e", "a"}));
    QCOMPARE(host.selectedTab(), 2);
    QVERIFY(host.bar.isQuickAccessBarBelow());
    QVERIFY(host.bar.isMinimized());
    QCOMPARE(minimized.size(), 1);
    // Saving again gives the same blob.
    QCOMPARE(host.bar.saveState(3), state);
}

void TestRibbonState::fewerActions()
{
    QByteArray state;
    {
        RibbonHost host;
        for (const char* name : {"f", "b", "d", "a"})
            host.qab.addCommand(host.command(name));
        host.tabs.at(2)->setChecked(true);
        state = host.bar.saveState();
    }
    // Commands b and d, and the third tab, are gone in this version.
    RibbonHost host({QStringLiteral("ac"), QStringLiteral("ef")});
    host.qab.addCommand(host.command("c"));
    QVERIFY(host.bar.restoreState(state));
    QCOMPARE(host.commandNames(), QStringList({"f", "a"}));
    QCOMPARE(host.selectedTab(), 0);
}

void TestRibbonState::badBlobs_data()
{
    QTest::addColumn<QByteArray>("blob");
    RibbonHost host;
    host.qab.addCommand(host.command("a"));
    const QByteArray good = host.bar.saveState();

    QByteArray foreign;
    {
        QDataStream out(&foreign, QIODevice::WriteOnly);
        out << quint32(0x12345678) << quint16(1) << qint32(0) << QStringList{"a"};
    }
    QByteArray future = good;
    future[5] = char(9); // the format number after the magic
    QByteArray longer = good;
    longer.append('x');

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << good.left(good.size() - 3);
    QTest::newRow("header only") << good.left(10);
    QTest::newRow("longer") << longer;
    QTest::newRow("foreign") << foreign;
    QTest::newRow("future format") << future;
    QTest::newRow("garbage") << QByteArray(64, char(0xff));
    // A command count of four billion after a good header; reserving for it
    // alone would take about a hundred gigabytes.
    QTest::newRow("huge count") << good.left(10) + QByteArray("\xff\xff\xff\xf0", 4);
}

void TestRibbonState::badBlobs()
{
    QFETCH(QByteArray, blob);
    RibbonHost host;
    host.qab.addCommand(host.command("b"));
    host.tabs.at(1)->setChecked(true);
    const QByteArray before = host.bar.saveState();
    QSignalSpy changed(&host.qab, &RibbonQuickAccessBar::commandsChanged);
    QVERIFY(!host.bar.restoreState(blob));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(host.bar.saveState(), before);
}

ORU_TEST_MAIN(TestRibbonState)
#include "tst_ribbonstate.moc"
