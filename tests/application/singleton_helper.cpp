// A stand-in host program for the single-instance tests: one process of it is
// one instance. It reports on standard output, one line per event:
//   init true|false     what initInstance() returned
//   ready               endInit() was called (not in mode hold), the event loop runs
//   message TEXT        messageReceived(TEXT)
//   running true|false  --mode probe: isRunning()
//   sent true|false     --mode send: sendMessage(--text)
//   platform NAME       --mode platform: the Qt platform it runs on
// and quits when it reads "quit" on standard input; "busy MS" there blocks its
// event loop for MS milliseconds, as a modal dialog or a long load would.
//
// Modes: run (default; ends at once when initInstance() returns false),
// stay (keeps running either way), hold (runs without calling endInit(), so it
// keeps the start-up lock), probe, send, platform. "--fds N" lowers the
// process's descriptor limit to N first.

#include <oruRibbonSingletonApplication.h>

#include <QSocketNotifier>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class HelperApp : public oru::RibbonSingletonApplication
{
public:
    using RibbonSingletonApplication::RibbonSingletonApplication;
};

void report(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

int main(int argc, char** argv)
{
    QString id;
    QString mode = QStringLiteral("run");
    QString text;
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--id"))
            id = QString::fromUtf8(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--mode"))
            mode = QString::fromUtf8(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--text"))
            text = QString::fromUtf8(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--fds")) {
            rlimit limit{};
            ::getrlimit(RLIMIT_NOFILE, &limit);
            limit.rlim_cur = rlim_t(std::atoi(argv[i + 1]));
            ::setrlimit(RLIMIT_NOFILE, &limit);
        }
    }

    HelperApp app(id, argc, argv);
    if (mode == QLatin1String("platform")) {
        report(QStringLiteral("platform ") + QGuiApplication::platformName());
        return 0;
    }
    if (mode == QLatin1String("probe")) {
        report(QStringLiteral("running ") + boolText(app.isRunning()));
        return 0;
    }
    if (mode == QLatin1String("send")) {
        report(QStringLiteral("sent ") + boolText(app.sendMessage(text)));
        return 0;
    }

    const bool first = app.initInstance();
    report(QStringLiteral("init ") + boolText(first));
    if (!first && mode != QLatin1String("stay"))
        return 0;

    QObject::connect(&app, &HelperApp::messageReceived,
                     [](const QString& message) { report(QStringLiteral("message ") + message); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            // The test is gone: do not linger as a stray instance.
            input.setEnabled(false);
            app.quit();
            return;
        }
        pending.append(buffer, qsizetype(got));
        qsizetype end = 0;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            if (line == "quit")
                app.quit();
            else if (line.startsWith("busy "))
                QThread::msleep(line.mid(5).toULong());
        }
    });

    if (mode != QLatin1String("hold"))
        app.endInit();
    report(QStringLiteral("ready"));
    return app.exec();
}
