// Single instance on a Wayland desktop (headless Weston, started by
// tests/common/wayland-session): there is no X server, so the instances, all
// processes of singleton_helper on the wayland platform, meet at the local
// socket while each is a client of the compositor.
#include "singletontest.h"

#include <QApplication>

using namespace singletontest;

class TestSingletonWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("wayland"))
            QSKIP("needs a Wayland compositor (run through tests/common/wayland-session)");
        // The helpers inherit the session; one that fell back to another
        // platform would prove nothing.
        Instance platform(uniqueId(QStringLiteral("wayland platform")), QStringLiteral("platform"));
        QVERIFY(platform.startToEnd("platform wayland"));
    }

    void secondStartHandsItsCommandLineOver()
    {
        const QString id = uniqueId(QStringLiteral("wayland hand over"));
        QCOMPARE(probe(id), QStringLiteral("running false"));
        Instance owner(id, QStringLiteral("run"));
        QVERIFY(owner.startReady("init true"));
        QCOMPARE(probe(id), QStringLiteral("running true"));
        Instance second(id, QStringLiteral("run"), {QStringLiteral("one.txt")});
        QVERIFY(second.startToEnd("init false"));
        Instance third(id, QStringLiteral("run"), {QStringLiteral("two.txt")});
        QVERIFY(third.startToEnd("init false"));
        QVERIFY(owner.waitForMessages(2));
        QTest::qWait(200);
        // Each start delivered once, in the order they started.
        QCOMPARE(owner.messages(), (QStringList{second.commandLine(), third.commandLine()}));

        QVERIFY(owner.quit());
        QCOMPARE(probe(id), QStringLiteral("running false"));
        Instance next(id, QStringLiteral("run"));
        QVERIFY(next.startReady("init true"));
        QVERIFY(next.quit());
    }

    void crashedOwnerIsReplaced()
    {
        singletontest::crashedOwnerIsReplaced(uniqueId(QStringLiteral("wayland crash")));
    }
};

// A widget application: this process is a client of the compositor too.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestSingletonWayland tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_singleton_wayland.moc"
