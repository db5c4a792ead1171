// This test process is itself an instance; the others are processes of
// singleton_helper (see there for its protocol).
#include <oruRibbonSingletonApplication.h>
#include <oruRibbonSingletonApplication_p.h>
#include <oruTestApp.h>

#include "singletontest.h"

#include <QSignalSpy>

// Xlib last: its macros clash with Qt headers.
#include <X11/Xlib.h>

using namespace oru;
using namespace singletontest;

namespace {

class SingletonTestApp : public RibbonSingletonApplication
{
public:
    SingletonTestApp(int& argc, char** argv)
        : RibbonSingletonApplication(uniqueId(QStringLiteral("tst singleton")), argc, argv)
    {
        setFont(test::TestApplication::testFont());
    }
};

SingletonTestApp* app()
{
    return static_cast<SingletonTestApp*>(qApp);
}

} // namespace

class TestSingletonX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!test::onX11())
            QSKIP("needs an X server (xcb platform)");
        QVERIFY(!app()->isRunning());
        QVERIFY(app()->initInstance());
        QVERIFY(app()->endInit());
        QVERIFY(app()->isRunning());
    }

    void secondStartHandsItsCommandLineOver()
    {
        // This process is the running instance (its identifier has blanks).
        QSignalSpy spy(app(), &RibbonSingletonApplication::messageReceived);
        QWidget window;
        app()->setActivationWindow(&window);
        QVERIFY(!window.isVisible());
        Instance second(app()->id(), QStringLiteral("run"), {QStringLiteral("one.txt")});
        QVERIFY(second.startToEnd("init false"));
        QVERIFY(spinUntil([&] { return spy.size() >= 1; }));
        QCOMPARE(spy.at(0).at(0).toString(), second.commandLine());
        QVERIFY(window.isVisible()); // messages activate the activation window

        // The second start took the selection for its lifetime and handed it
        // back on exit: the next message reaches this process again, and the
        // first one was not delivered twice. Empty messages travel too.
        Instance sender(app()->id(), QStringLiteral("send"), {QStringLiteral("--text"), QString()});
        QVERIFY(sender.startToEnd("sent true"));
        QVERIFY(spinUntil([&] { return spy.size() >= 2; }));
        QCOMPARE(spy.at(1).at(0).toString(), QString());
        QTest::qWait(200);
        QCOMPARE(spy.size(), 2);
        QVERIFY(app()->isRunning());
        app()->setActivationWindow(nullptr);
    }

    void longMessageArrivesWhole()
    {
        // Some kilobytes, with two-byte characters.
        QSignalSpy spy(app(), &RibbonSingletonApplication::messageReceived);
        QString text;
        for (int i = 0; text.size() < 6000; ++i)
            text += QStringLiteral("päge %1;").arg(i);
        Instance sender(app()->id(), QStringLiteral("send"), {QStringLiteral("--text"), text});
        QVERIFY(sender.startToEnd("sent true"));
        QVERIFY(spinUntil([&] { return spy.size() >= 1; }));
        QCOMPARE(spy.at(0).at(0).toString().size(), text.size());
        QCOMPARE(spy.at(0).at(0).toString(), text);
    }

    void oversizedPropertyIsDropped()
    {
        // A client writes 4 MB into the message property: the owner drops
        // it after one bounded read, and the next start's message arrives.
        QSignalSpy spy(app(), &RibbonSingletonApplication::messageReceived);
        Display* dpy = XOpenDisplay(nullptr);
        QVERIFY(dpy);
        const RibbonSingletonApplication::Priv names;
        const Atom selection = XInternAtom(dpy, names.rendezvousName(app()->id()), True);
        const Atom type = XInternAtom(dpy, "_ORU_RSAPP", True);
        const Window owner = XGetSelectionOwner(dpy, selection);
        QVERIFY(selection && type && owner);
        const QByteArray junk(4 << 20, 'x');
        XChangeProperty(dpy, owner, selection, type, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(junk.constData()), int(junk.size()));
        XCloseDisplay(dpy);
        Instance second(app()->id(), QStringLiteral("run"), {QStringLiteral("after.txt")});
        QVERIFY(second.startToEnd("init false"));
        QVERIFY(spinUntil([&] { return spy.size() >= 1; }));
        QTest::qWait(200);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), second.commandLine());
    }

    void busyOwnerKeepsItsPlace()
    {
        // This instance does not handle events for longer than a start
        // waits for it to take its text: the start leaves the text queued
        // and ends without taking the selection, and nothing overwrites it.
        QSignalSpy spy(app(), &RibbonSingletonApplication::messageReceived);
        Instance second(app()->id(), QStringLiteral("run"), {QStringLiteral("late.txt")});
        second.start();
        QThread::msleep(8000);
        QVERIFY(second.waitForExit());
        QCOMPARE(second.lines(), QStringList{QStringLiteral("init false")});
        QVERIFY(spinUntil([&] { return spy.size() >= 1; }));
        QTest::qWait(200);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), second.commandLine());
        Instance third(app()->id(), QStringLiteral("run"), {QStringLiteral("next.txt")});
        QVERIFY(third.startToEnd("init false"));
        QVERIFY(spinUntil([&] { return spy.size() >= 2; }));
        QCOMPARE(spy.at(1).at(0).toString(), third.commandLine());
    }

    void unusableStartupLockIsReported()
    {
        // Without a runtime folder, and with a temporary "folder" that is a
        // plain file, there is no private place for the lock: the start says
        // so and goes on without it.
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("not-a-directory")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString id = uniqueId(QStringLiteral("nolock"));
        const QStringList noPrivateFolder{QStringLiteral("XDG_RUNTIME_DIR"),
                                          QStringLiteral("TMPDIR=") + file.fileName()};
        Instance owner(id, QStringLiteral("run"), {}, noPrivateFolder);
        QVERIFY(owner.startReady("Unable to create single initalizator.init true"));
        QCOMPARE(probe(id), QStringLiteral("running true"));
        Instance second(id, QStringLiteral("run"), {QStringLiteral("x")}, noPrivateFolder);
        QVERIFY(second.startToEnd("Unable to create single initalizator.init false"));
        QVERIFY(owner.waitForMessages(1));
        QCOMPARE(owner.messages(), QStringList{second.commandLine()});
        QVERIFY(owner.quit());
    }

    void ownerExitLeavesNothingRunning()
    {
        const QString id = uniqueId(QStringLiteral("_lone")); // already starts with "_"
        QCOMPARE(probe(id), QStringLiteral("running false"));
        Instance owner(id, QStringLiteral("run"));
        QVERIFY(owner.startReady("init true"));
        QCOMPARE(probe(id), QStringLiteral("running true"));
        QVERIFY(owner.quit());
        QCOMPARE(probe(id), QStringLiteral("running false"));
        QVERIFY(owner.messages().isEmpty());
    }

    void exitingOwnerHandsSelectionToAnotherListener()
    {
        // Non-ASCII characters end up as "_" in the rendezvous name.
        const QString id = uniqueId(QStringLiteral("tärnwïck"));
        Instance a(id, QStringLiteral("run"), {QStringLiteral("a")});
        QVERIFY(a.startReady("init true"));
        // B and C stay although their message was delivered; each start took
        // the selection, so the newest listener owns it.
        Instance b(id, QStringLiteral("stay"), {QStringLiteral("b")});
        QVERIFY(b.startReady("init false"));
        QVERIFY(a.waitForMessages(1));
        Instance c(id, QStringLiteral("stay"), {QStringLiteral("c")});
        QVERIFY(c.startReady("init false"));
        QVERIFY(b.waitForMessages(1));
        QCOMPARE(b.messages(), QStringList{c.commandLine()});

        // The owner leaves: the selection goes to the newest other listener, B.
        QVERIFY(c.quit());
        QCOMPARE(probe(id), QStringLiteral("running true"));
        Instance d(id, QStringLiteral("run"), {QStringLiteral("d")});
        QVERIFY(d.startToEnd("init false"));
        QVERIFY(b.waitForMessages(2));
        QCOMPARE(b.messages(), (QStringList{c.commandLine(), d.commandLine()}));
        QCOMPARE(a.messages(), QStringList{b.commandLine()});
        QVERIFY(c.messages().isEmpty());
        QVERIFY(b.quit());
        QVERIFY(a.quit());
        QCOMPARE(probe(id), QStringLiteral("running false"));
    }

    void simultaneousStartsKeepOneOwnerAndEveryMessage()
    {
        simultaneousStarts(uniqueId(QStringLiteral("crowd")));
    }
};

int main(int argc, char** argv)
{
    SingletonTestApp app(argc, argv);
    TestSingletonX11 tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_singleton_x11.moc"
