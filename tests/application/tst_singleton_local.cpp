// Single instance without an X server: the instances, all processes of
// singleton_helper, meet at a per-user local socket. The suite runs on the
// offscreen platform and again on a Wayland desktop (headless Weston, started
// by tests/common/wayland-session), where every instance, this process
// included, is a client of the compositor.
#include "singletontest.h"

#include <oruRibbonSingletonApplication_p.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace oru;
using namespace singletontest;

class TestSingletonLocal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The helpers inherit the session; one that fell back to another
        // platform would prove nothing.
        Instance platform(uniqueId(QStringLiteral("local platform")), QStringLiteral("platform"));
        QVERIFY(platform.startToEnd(
            QByteArray("platform " + QGuiApplication::platformName().toUtf8()).constData()));
    }

    void secondStartHandsItsCommandLineOver()
    {
        const QString id = uniqueId(QStringLiteral("local hand over"));
        QCOMPARE(probe(id), QStringLiteral("running false"));
        Instance owner(id, QStringLiteral("run"));
        QVERIFY(owner.startReady("init true"));
        QCOMPARE(probe(id), QStringLiteral("running true"));
        Instance second(id, QStringLiteral("run"), {QStringLiteral("one.txt")});
        QVERIFY(second.startToEnd("init false"));
        QVERIFY(owner.waitForMessages(1));
        QCOMPARE(owner.messages(), QStringList{second.commandLine()});

        // Empty and long messages travel whole, each once.
        QString text;
        for (int i = 0; text.size() < 70000; ++i)
            text += QStringLiteral("päge %1;").arg(i);
        Instance empty(id, QStringLiteral("send"), {QStringLiteral("--text"), QString()});
        QVERIFY(empty.startToEnd("sent true"));
        Instance large(id, QStringLiteral("send"), {QStringLiteral("--text"), text});
        QVERIFY(large.startToEnd("sent true"));
        QVERIFY(owner.waitForMessages(3));
        QTest::qWait(200);
        QCOMPARE(owner.messages(), (QStringList{second.commandLine(), QString(), text}));

        QVERIFY(owner.quit());
        QCOMPARE(probe(id), QStringLiteral("running false"));
        Instance sender(id, QStringLiteral("send"),
                        {QStringLiteral("--text"), QStringLiteral("x")});
        QVERIFY(sender.startToEnd("sent false"));
        // The next start owns in its place.
        Instance next(id, QStringLiteral("run"));
        QVERIFY(next.startReady("init true"));
        QVERIFY(next.quit());
    }

    void simultaneousStartsKeepOneOwnerAndEveryMessage()
    {
        simultaneousStarts(uniqueId(QStringLiteral("local crowd")));
    }

    void crashedOwnerIsReplaced()
    {
        const QString id = uniqueId(QStringLiteral("local crash"));
        Instance owner(id, QStringLiteral("run"));
        QVERIFY(owner.startReady("init true"));
        QVERIFY(owner.kill()); // leaves its socket file behind
        Instance next(id, QStringLiteral("run"));
        QVERIFY(next.startReady("init true"));
        Instance second(id, QStringLiteral("run"), {QStringLiteral("b")});
        QVERIFY(second.startToEnd("init false"));
        QVERIFY(next.waitForMessages(1));
        QCOMPARE(next.messages(), QStringList{second.commandLine()});
        QVERIFY(next.quit());
    }

    void strayConnectionsAreIgnored()
    {
        // A peer that connects and leaves, or sends half a message, delivers
        // nothing and does not stop the owner.
        const QString id = uniqueId(QStringLiteral("local stray"));
        Instance owner(id, QStringLiteral("run"));
        QVERIFY(owner.startReady("init true"));
        {
            QLocalSocket half;
            half.connectToServer(socketOf(id));
            QVERIFY(half.waitForConnected(kWaitMs));
            half.write(QByteArray("\x00\x00\x01\x00", 4) + "abc");
            QVERIFY(half.waitForBytesWritten(kWaitMs));
        }
        Instance second(id, QStringLiteral("run"), {QStringLiteral("c")});
        QVERIFY(second.startToEnd("init false"));
        QVERIFY(owner.waitForMessages(1));
        QTest::qWait(200);
        QCOMPARE(owner.messages(), QStringList{second.commandLine()});
        QVERIFY(owner.quit());
    }

    void startupLockIsPerProgram()
    {
        // A program between initInstance() and endInit() holds its start-up
        // lock; another program starts without waiting for it.
        Instance holder(uniqueId(QStringLiteral("local holder")), QStringLiteral("hold"));
        QVERIFY(holder.startReady("init true"));
        QElapsedTimer clock;
        clock.start();
        Instance other(uniqueId(QStringLiteral("local other")), QStringLiteral("run"));
        QVERIFY(other.startReady("init true"));
        QCOMPARE_LT(clock.elapsed(), 3000);
        QVERIFY(other.quit());
        QVERIFY(holder.quit());
    }

    void busyOwnerKeepsItsPlace()
    {
        // The owner's event loop stalls for longer than a start waits for
        // its answer: the start queues its command line and ends, and the
        // owner, back in its loop, gets it; nobody takes its place.
        const QString id = uniqueId(QStringLiteral("local busy"));
        Instance owner(id, QStringLiteral("run"));
        QVERIFY(owner.startReady("init true"));
        owner.write("busy 7000\n");
        QTest::qWait(300);
        Instance second(id, QStringLiteral("run"), {QStringLiteral("late.txt")});
        QVERIFY(second.startToEnd("init false"));
        QVERIFY(owner.waitForMessages(1));
        QCOMPARE(owner.messages(), QStringList{second.commandLine()});
        QCOMPARE(probe(id), QStringLiteral("running true"));
        Instance third(id, QStringLiteral("run"), {QStringLiteral("next.txt")});
        QVERIFY(third.startToEnd("init false"));
        QVERIFY(owner.waitForMessages(2));
        QVERIFY(owner.quit());
    }

    void abuseLeavesOwnerResponsive_data()
    {
        QTest::addColumn<int>("attack");
        QTest::newRow("idle connection") << int(Idle);
        QTest::newRow("length of 4 GB") << int(HugeLength);
        QTest::newRow("invalid UTF-8") << int(BadUtf8);
        QTest::newRow("ten thousand messages") << int(Flood);
        QTest::newRow("a thousand connections") << int(Crowd);
    }

    void abuseLeavesOwnerResponsive()
    {
        QFETCH(int, attack);
        const QString id = uniqueId(QStringLiteral("local abuse"));
        // A descriptor limit as on many desktops, below the crowd below.
        Instance owner(id, QStringLiteral("run"), {QStringLiteral("--fds"), QStringLiteral("256")});
        QVERIFY(owner.startReady("init true"));
        const QString name = socketOf(id);
        std::vector<std::unique_ptr<QLocalSocket>> peers;
        const auto connectPeer = [&] {
            peers.push_back(std::make_unique<QLocalSocket>());
            peers.back()->connectToServer(name);
            return peers.back()->waitForConnected(kWaitMs);
        };
        const auto closedByOwner = [&](int withinMs) {
            return spinUntil(
                [&] { return peers.front()->state() == QLocalSocket::UnconnectedState; }, withinMs);
        };
        QStringList expected;
        switch (attack) {
        case Idle:
            QVERIFY(connectPeer());
            QVERIFY(closedByOwner(15000));
            break;
        case HugeLength:
            QVERIFY(connectPeer());
            peers.front()->write(QByteArray("\xff\xff\xff\xf0", 4) + QByteArray(1 << 20, 'x'));
            QVERIFY(closedByOwner(3000));
            break;
        case BadUtf8:
            QVERIFY(connectPeer());
            peers.front()->write(QByteArray("\x00\x00\x00\x03\xff\xfe"
                                            "a",
                                            7));
            QVERIFY(spinUntil([&] { return peers.front()->bytesAvailable() == 1; }));
            expected << QStringLiteral("\ufffd\ufffda");
            break;
        case Flood: {
            QVERIFY(connectPeer());
            QByteArray frames;
            for (int i = 0; i < 10000; ++i)
                frames += QByteArray("\x00\x00\x00\x01", 4) + char('0' + i % 10);
            peers.front()->write(frames);
            QVERIFY(spinUntil([&] { return peers.front()->bytesAvailable() == 10000; }));
            QVERIFY(owner.waitForMessages(10000));
            for (int i = 0; i < 10000; ++i)
                expected << QString(QChar('0' + i % 10));
            break;
        }
        case Crowd:
            for (int i = 0; i < 1000; ++i)
                QVERIFY(connectPeer());
            QTest::qWait(500);
            break;
        }
        // The legitimate start still reaches the owner, and finds it there.
        Instance second(id, QStringLiteral("run"), {QStringLiteral("real.txt")});
        QVERIFY(second.startToEnd("init false"));
        expected << second.commandLine();
        QVERIFY(owner.waitForMessages(int(expected.size())));
        QCOMPARE(owner.messages(), expected);
        QCOMPARE(probe(id), QStringLiteral("running true"));
        QVERIFY(owner.quit());
    }

    void otherUsersCannotReachTheChannel_data()
    {
        QTest::addColumn<bool>("runtimeFolder");
        QTest::addColumn<QString>("secondStart");
        // With a runtime folder, an impostor at the old shared name in the
        // temporary folder is never asked.
        QTest::newRow("runtime folder") << true << QStringLiteral("init false");
        // Without one, the impostor made the fallback folder first: the
        // starts refuse it (no lock, no rendezvous) rather than talk to it.
        QTest::newRow("squatted fallback")
            << false << QStringLiteral("Unable to create single initalizator.init true");
    }

    void otherUsersCannotReachTheChannel()
    {
        QFETCH(bool, runtimeFolder);
        QFETCH(QString, secondStart);
        if (::geteuid() != 0)
            QSKIP("needs root to run the impostor as another user");
        const QString id = uniqueId(QStringLiteral("local impostor"));
        QTemporaryDir shared; // a temporary folder every user may write to
        QVERIFY(::chmod(QFile::encodeName(shared.path()).constData(), 01777) == 0);
        const RibbonSingletonApplication::Priv names;
        const QString fallback = shared.path() + QStringLiteral("/oru-runtime-0");
        // The impostor listens at the name older versions used and at the
        // fallback socket, in a folder it made for everybody, with a lock
        // file beside it; it answers every message as an instance would.
        QProcess impostor;
        impostor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        impostor.start(QStringLiteral("setpriv"),
                       {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                        QStringLiteral("--clear-groups"), QStringLiteral("/usr/bin/python3"),
                        QStringLiteral("-c"), QString::fromLatin1(kImpostor), fallback,
                        shared.path() + QStringLiteral("/oru-singleton") +
                            QString::fromLatin1(names.rendezvousName(id)),
                        fallback + QLatin1Char('/') + names.fileStem(id)});
        QVERIFY(spinUntil([&] { return impostor.canReadLine(); }));
        QCOMPARE(impostor.readLine(), QByteArray("listening\n"));

        QStringList environment{QStringLiteral("TMPDIR=") + shared.path()};
        if (!runtimeFolder)
            environment << QStringLiteral("XDG_RUNTIME_DIR");
        const QString unusable = QStringLiteral("Unable to create single initalizator.");
        Instance owner(id, QStringLiteral("run"), {}, environment);
        owner.start();
        QVERIFY(spinUntil([&] { return owner.lines().contains(QLatin1String("ready")); }));
        QCOMPARE(owner.lines().constFirst(), runtimeFolder
                                                 ? QStringLiteral("init true")
                                                 : unusable + QStringLiteral("init true"));
        Instance second(id, QStringLiteral("run"), {QStringLiteral("secret.txt")}, environment);
        second.start();
        QVERIFY(spinUntil([&] { return !second.lines().isEmpty(); }));
        QCOMPARE(second.lines().constFirst(), secondStart);
        if (runtimeFolder) {
            QVERIFY(owner.waitForMessages(1));
            QCOMPARE(owner.messages(), QStringList{second.commandLine()});
        }
        QTest::qWait(300);
        QCOMPARE(impostor.readAll(), QByteArray()); // it heard nothing
        impostor.kill();
        impostor.waitForFinished();
        if (!runtimeFolder)
            second.write("quit\n");
        QVERIFY(owner.quit());
    }

private:
    enum Attack
    {
        Idle,
        HugeLength,
        BadUtf8,
        Flood,
        Crowd,
    };

    // The socket of the instances of @p id in the test run's runtime folder.
    static QString socketOf(const QString& id)
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir()));
        return RibbonSingletonApplication::Priv().socketName(id);
    }

    // Makes the folder (argv[1]) open to all, puts a lock file beside the
    // last socket and listens at the sockets that follow; prints
    // "listening", then "heard" for every message anyone sends.
    static constexpr const char* kImpostor = R"(
import os, select, socket, sys
os.makedirs(sys.argv[1], exist_ok=True)
os.chmod(sys.argv[1], 0o777)
open(sys.argv[-1] + ".lock", "w").close()
os.chmod(sys.argv[-1] + ".lock", 0o666)
servers = []
for path in sys.argv[2:]:
    s = socket.socket(socket.AF_UNIX)
    s.bind(path)
    os.chmod(path, 0o777)
    s.listen(64)
    servers.append(s)
print("listening", flush=True)
peers = []
while True:
    ready, _, _ = select.select(servers + peers, [], [])
    for r in ready:
        if r in servers:
            peers.append(r.accept()[0])
        elif r.recv(65536):
            r.send(b"\x06")
            print("heard", flush=True)
        else:
            peers.remove(r)
)";
};

// A widget application: on Wayland this process is a client of the
// compositor too.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The crowd of connections needs more descriptors than a default limit.
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
    TestSingletonLocal tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_singleton_local.moc"
