// Single instance without an X server (offscreen platform): the instances,
// all processes of singleton_helper, meet at a per-user local socket.
#include "singletontest.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <algorithm>
#include <memory>
#include <vector>

using namespace singletontest;

class TestSingletonLocal : public QObject
{
    Q_OBJECT

private slots:
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
    }

    void simultaneousStartsKeepOneOwnerAndEveryMessage()
    {
        const QString id = uniqueId(QStringLiteral("local crowd"));
        constexpr int count = 10;
        std::vector<std::unique_ptr<Instance>> instances;
        for (int i = 0; i < count; ++i) {
            instances.push_back(std::make_unique<Instance>(
                id, QStringLiteral("run"), QStringList{QStringLiteral("f%1").arg(i)}));
        }
        for (auto& instance : instances)
            instance->start();
        QVERIFY(spinUntil([&] {
            return std::all_of(instances.begin(), instances.end(),
                               [](auto& instance) { return !instance->lines().isEmpty(); });
        }));
        Instance* owner = nullptr;
        QStringList expected;
        for (auto& instance : instances) {
            const QString first = instance->lines().constFirst();
            if (first == QLatin1String("init true")) {
                QVERIFY2(!owner, "two instances think they are the first");
                owner = instance.get();
            } else {
                QCOMPARE(first, QStringLiteral("init false"));
                QVERIFY(instance->waitForExit() && instance->exitedCleanly());
                expected << instance->commandLine();
            }
        }
        QVERIFY(owner);
        QVERIFY2(owner->waitForMessages(count - 1), qPrintable(owner->lines().join('|')));
        QTest::qWait(200);
        QStringList received = owner->messages();
        received.sort();
        expected.sort();
        QCOMPARE(received, expected);
        QVERIFY(owner->quit());
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
        QStringList names;
        for (const QFileInfo& info : QDir(QDir::tempPath()).entryInfoList(QDir::System))
            names << info.fileName();
        const auto it = std::find_if(names.begin(), names.end(), [&](const QString& name) {
            return name.startsWith(QLatin1String("oru-singleton")) &&
                   name.contains(QString(id).replace(QLatin1Char(' '), QLatin1Char('_')));
        });
        QVERIFY(it != names.end());
        {
            QLocalSocket half;
            half.connectToServer(*it);
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
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestSingletonLocal tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_singleton_local.moc"
