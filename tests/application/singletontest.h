#pragma once

// Shared by the single-instance suites: one process of singleton_helper is one
// instance (see there for its protocol); the suite drives and watches them.
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace singletontest {

constexpr int kWaitMs = 60000; // bounds every wait; a sanitizer build is slow

// A unique identifier per test run, so that runs and tests never meet.
inline QString uniqueId(const QString& stem)
{
    static int serial = 0;
    return QStringLiteral("%1 %2 %3")
        .arg(stem)
        .arg(QCoreApplication::applicationPid())
        .arg(++serial);
}

// Runs the event loop until @p done or the deadline: this process must keep
// handling events while it waits, since it may be the running instance.
inline bool spinUntil(const std::function<bool()>& done, int timeoutMs = kWaitMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

// The private runtime folder that the instances of a test run share.
inline QString runtimeDir()
{
    static QTemporaryDir runtime;
    return runtime.path();
}

// One helper process and the lines it printed.
class Instance
{
public:
    // @p environment changes the helper's environment: "NAME=value" sets,
    // "NAME" removes.
    Instance(const QString& id, const QString& mode, const QStringList& extra = {},
             const QStringList& environment = {})
    {
        m_arguments << QStringLiteral("--id") << id << QStringLiteral("--mode") << mode << extra;
        m_process.setProgram(QStringLiteral(SINGLETON_HELPER));
        m_process.setArguments(m_arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment changed = QProcessEnvironment::systemEnvironment();
        changed.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        for (const QString& change : environment) {
            const qsizetype equals = change.indexOf(QLatin1Char('='));
            if (equals < 0)
                changed.remove(change);
            else
                changed.insert(change.left(equals), change.mid(equals + 1));
        }
        m_process.setProcessEnvironment(changed);
    }
    ~Instance()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // The message this instance's start hands to a running one.
    QString commandLine() const
    {
        return (QStringList(m_process.program()) + m_arguments).join(QLatin1Char(';'));
    }
    QStringList lines()
    {
        m_buffer += m_process.readAllStandardOutput();
        QStringList result = QString::fromUtf8(m_buffer).split('\n');
        result.removeLast(); // the unfinished rest
        return result;
    }
    QStringList messages()
    {
        QStringList result;
        for (const QString& line : lines()) {
            if (line.startsWith(QLatin1String("message ")))
                result << line.mid(8);
        }
        return result;
    }
    bool waitForMessages(int count)
    {
        return spinUntil([&] { return messages().size() >= count; });
    }
    bool waitForExit()
    {
        return spinUntil([&] { return m_process.state() == QProcess::NotRunning; });
    }
    bool exitedCleanly() const
    {
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }
    void start() { m_process.start(); }
    void write(const QByteArray& line) { m_process.write(line); }
    qint64 pid() const { return m_process.processId(); }
    // Ends the process at once, as a crash would (SIGKILL).
    bool kill()
    {
        m_process.kill();
        return m_process.waitForFinished(kWaitMs);
    }
    // Starts an instance that stays; true once it is ready after this first line.
    bool startReady(const char* firstLine)
    {
        start();
        return spinUntil([&] { return lines().contains(QLatin1String("ready")); }) &&
               lines().constFirst() == QLatin1String(firstLine);
    }
    // Starts an instance that ends at once; true if it ended cleanly after
    // printing exactly this line.
    bool startToEnd(const char* line)
    {
        start();
        return waitForExit() && exitedCleanly() && lines() == QStringList{QLatin1String(line)};
    }
    bool quit()
    {
        m_process.write("quit\n");
        return waitForExit() && exitedCleanly();
    }

private:
    QProcess m_process;
    QStringList m_arguments;
    QByteArray m_buffer;
};

// What a probe process says about isRunning() for @p id.
inline QString probe(const QString& id)
{
    Instance probe(id, QStringLiteral("probe"));
    probe.start();
    if (!probe.waitForExit() || probe.lines().isEmpty())
        return QStringLiteral("no answer");
    return probe.lines().constLast();
}

// Ten instances of @p id start at once: exactly one owns, the others end
// cleanly, and the owner gets each other start's command line once; the
// scenario every kind of channel must pass (QVERIFY inside fails the caller).
inline void simultaneousStarts(const QString& id)
{
    constexpr int count = 10;
    std::vector<std::unique_ptr<Instance>> instances;
    for (int i = 0; i < count; ++i)
        instances.push_back(std::make_unique<Instance>(id, QStringLiteral("run"),
                                                       QStringList{QStringLiteral("f%1").arg(i)}));
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
    QCOMPARE(expected.size(), count - 1);
    QVERIFY2(owner->waitForMessages(count - 1), qPrintable(owner->lines().join('|')));
    QTest::qWait(200);
    QStringList received = owner->messages();
    received.sort();
    expected.sort();
    QCOMPARE(received, expected);
    QCOMPARE(probe(id), QStringLiteral("running true"));
    QVERIFY(owner->quit());
    QCOMPARE(probe(id), QStringLiteral("running false"));
}

} // namespace singletontest
