#include <oruRibbonButtonMain.h>
#include <oruRibbonCatColorMenuAction.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryLayout.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruTestApp.h>

#include "roundtripcounter.h"
#include "rowsearchreference.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <memory>

using namespace oru;

namespace {

struct Figures
{
    double median = 0;
    double p95 = 0;
};

Figures figures(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    Figures f;
    if (samples.isEmpty())
        return f;
    f.median = samples.at(samples.size() / 2);
    f.p95 = samples.at(qMin(int(samples.size()) - 1, int(samples.size() * 95 / 100)));
    return f;
}

double msSince(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// Heap memory in use, in MB: what the objects alive hold, whether or not
// the heap reused memory freed by an earlier figure (the resident size of
// the process does not show that).
double heapMb()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1e6;
}

// Round trips to the X server per sample since the counter was reset.
double tripsPer(int samples)
{
    return samples > 0 ? double(test::roundTrips) / samples : 0;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The full window of the figures: 4 tabs of 8 groups of 10 mixed controls
// (or as many as asked), a few application menu entries; the first tab is
// selected.
struct FullWindow
{
    QObject host;
    std::unique_ptr<RibbonMainWindow> window;
    QList<RibbonCategoriesPanelAction*> tabs;

    // Without a window: the host's actions alone, whose memory the window's
    // figure holds too.
    explicit FullWindow(int tabCount = 4, int groupCount = 8, bool withWindow = true)
        : window(withWindow ? std::make_unique<RibbonMainWindow>() : nullptr)
    {
        for (int t = 0; t < tabCount; ++t) {
            auto* tab = new RibbonCategoriesPanelAction(QStringLiteral("Tab %1").arg(t), &host);
            tab->setCheckable(true);
            tab->setChecked(t == 0);
            for (int g = 0; g < groupCount; ++g) {
                auto* group = new RibbonCategoryAction(QStringLiteral("Group %1").arg(g), &host);
                for (int c = 0; c < 10; ++c)
                    group->addAction(control(c));
                tab->addCategory(group);
            }
            tabs << tab;
            if (window)
                window->ribbonMenuBar()->addAction(tab);
        }
        if (!window)
            return;
        RibbonMenuAction& menu = window->ribbonMenuBar()->mainMenuActions();
        for (int i = 0; i < 5; ++i)
            menu.addAction(new RibbonSimpleAction(QStringLiteral("Command %1").arg(i), &host));
        auto* sub = new RibbonMenuAction(QStringLiteral("Save as"), &host);
        for (int i = 0; i < 4; ++i)
            sub->addAction(new RibbonSimpleAction(QStringLiteral("Format %1").arg(i), &host));
        menu.addAction(sub);
    }

    RibbonAction* control(int index)
    {
        switch (index) {
        case 0:
        case 1:
            return new RibbonCatSimpleAction(QStringLiteral("Large %1").arg(index),
                                             RibbonCatSimpleAction::Large, &host);
        case 2:
        case 3:
        case 4:
            return new RibbonCatSimpleAction(QStringLiteral("Medium %1").arg(index),
                                             RibbonCatSimpleAction::Medium, &host);
        case 5:
        case 6:
            return new RibbonCatSimpleAction(QStringLiteral("Small"), RibbonCatSimpleAction::Small,
                                             &host);
        case 7: {
            auto* menu = new RibbonCatMenuAction(
                QStringLiteral("Menu"), RibbonCatMenuAction::Button, RibbonCatMenuAction::Medium,
                RibbonCatMenuAction::Menu, &host);
            for (int i = 0; i < 4; ++i)
                menu->addAction(new RibbonSimpleAction(QStringLiteral("Entry %1").arg(i), &host),
                                i == 0);
            return menu;
        }
        case 8:
            return new RibbonCatColorMenuAction(QIcon(), QStringLiteral("Colour"),
                                                RibbonCatColorMenuAction::Small, &host);
        default: {
            auto* combo = new RibbonCatComboAction(&host);
            combo->addItem(QStringLiteral("One"));
            combo->addItem(QStringLiteral("Two"));
            combo->setWidth(80);
            return combo;
        }
        }
    }

    void show(int width)
    {
        window->resize(width, 700);
        window->show();
        window->repaint();
        settle();
    }

    RibbonCategoryPanel* page() const { return window->ribbonMenuBar()->panels()->page(tabs[0]); }
};

// The ribbon of the figures and one ten times its size, as data rows.
void sizes()
{
    QTest::addColumn<int>("tabCount");
    QTest::addColumn<int>("groupCount");
    QTest::newRow("4x8x10") << 4 << 8;
    QTest::newRow("20x16x10") << 20 << 16;
}

} // namespace

// Figures for bench/README.md. Each function times the library against a
// reference in the same run where one exists, so that the ratio holds on a
// loaded machine; medians and 95th percentiles over many samples.
class BenchWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previous(type, context, message);
            });
    }

    // The row search of a run of 16 small controls against the plain
    // exhaustive search: the same answer, and how much faster.
    void rowSearchAgainstExhaustive()
    {
        const QVector<int> widths = {22, 22, 61, 22, 74, 22, 22, 48,
                                     22, 90, 22, 22, 35, 22, 22, 64};
        QCOMPARE(RibbonCategoryLayout::arrangeRun(widths), oru::test::referenceRows(widths));
        QVector<double> fast;
        QVector<double> plain;
        QVector<int> sink;
        // Interleaved, so that both see the same load.
        for (int sample = 0; sample < 3; ++sample) {
            QElapsedTimer clock;
            clock.start();
            for (int i = 0; i < 20; ++i)
                sink = RibbonCategoryLayout::arrangeRun(widths);
            fast << msSince(clock) / 20;
            clock.restart();
            sink = oru::test::referenceRows(widths);
            plain << msSince(clock);
        }
        const Figures f = figures(fast);
        const Figures p = figures(plain);
        qInfo("row search of 16: library %.4f ms, exhaustive %.3f ms (medians), ratio 1:%.0f",
              f.median, p.median, p.median / qMax(f.median, 1e-6));
        QVERIFY(f.median < p.median);
    }

    // The row search alone, measured by QtTest. QBENCHMARK runs its whole
    // function again until the figure settles, so the slow exhaustive search
    // above must not share a function with it.
    void rowSearch()
    {
        const QVector<int> widths = {22, 22, 61, 22, 74, 22, 22, 48,
                                     22, 90, 22, 22, 35, 22, 22, 64};
        QVector<int> sink;
        QBENCHMARK
        {
            sink = RibbonCategoryLayout::arrangeRun(widths);
        }
        QVERIFY(!sink.isEmpty());
    }

    // One step of a window drag 1920 -> 600 -> 1920, 8 pixels a step,
    // including the repaint of the window.
    void resizeStep_data() { sizes(); }
    void resizeStep()
    {
        QFETCH(int, tabCount);
        QFETCH(int, groupCount);
        FullWindow full(tabCount, groupCount);
        full.show(1920);
        const auto collapsedCount = [&full] {
            int collapsed = 0;
            for (RibbonCategoryWrapper* wrapper : full.page()->pageLayout()->wrappers())
                collapsed += wrapper->isColapsed() ? 1 : 0;
            return collapsed;
        };
        const int collapsedAtStart = collapsedCount();
        QVector<double> samples;
        const auto stepTo = [&](int width) {
            QElapsedTimer clock;
            clock.start();
            full.window->resize(width, 700);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            full.window->repaint();
            samples << msSince(clock);
        };
        test::roundTrips = 0;
        for (int w = 1920; w >= 600; w -= 8)
            stepTo(w);
        for (int w = 600; w <= 1920; w += 8)
            stepTo(w);
        const Figures f = figures(samples);
        qInfo("resize step with repaint, %dx%dx10: median %.3f ms, 95th percentile %.3f ms over %d "
              "steps, %.2f round trips a step",
              tabCount, groupCount, f.median, f.p95, int(samples.size()),
              tripsPer(int(samples.size())));
        // Back at the first width, the same groups are collapsed again.
        QCOMPARE(collapsedCount(), collapsedAtStart);
    }

    // Building the full ribbon, showing it and its first paint; the ribbon
    // of the figures and one ten times its size.
    void buildAndFirstPaint_data() { sizes(); }
    void buildAndFirstPaint()
    {
        QFETCH(int, tabCount);
        QFETCH(int, groupCount);
        QVector<double> samples;
        double memory = 0;
        double actionsMemory = 0;
        int objects = 0;
        test::roundTrips = 0;
        for (int sample = 0; sample < 7; ++sample) {
            const double before = heapMb();
            QElapsedTimer clock;
            clock.start();
            {
                FullWindow full(tabCount, groupCount);
                full.show(1600);
                samples << msSince(clock);
                // The second build: the first loads the skin images.
                if (sample == 1) {
                    memory = heapMb() - before;
                    objects = int(full.window->findChildren<QObject*>().size() +
                                  full.host.findChildren<QObject*>().size());
                }
            }
            settle();
            if (sample == 1) {
                const double start = heapMb();
                const FullWindow actionsOnly(tabCount, groupCount, false);
                actionsMemory = heapMb() - start;
            }
        }
        const Figures f = figures(samples);
        qInfo("build %dx%dx10 ribbon and first paint: median %.2f ms, 95th percentile %.2f ms, "
              "%.1f round trips, %.1f MB of heap and %d objects (window and actions; the actions "
              "alone %.1f MB)",
              tabCount, groupCount, f.median, f.p95, tripsPer(int(samples.size())), memory,
              objects, actionsMemory);
    }

    // Switching tabs in turn, each switch with the repaint of the window.
    void tabSwitch_data() { sizes(); }
    void tabSwitch()
    {
        QFETCH(int, tabCount);
        QFETCH(int, groupCount);
        FullWindow full(tabCount, groupCount);
        full.show(1600);
        // Every page once first: a page builds its controls at its first
        // show, which buildAndFirstPaint counts; this figure is the switch.
        QVector<double> firstVisits;
        for (int tab = 1; tab <= full.tabs.size(); ++tab) {
            QElapsedTimer clock;
            clock.start();
            full.tabs.at(tab % full.tabs.size())->setChecked(true);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            full.window->repaint();
            firstVisits << msSince(clock);
        }
        const Figures first = figures(firstVisits);
        qInfo("first visit of each tab, %dx%dx10: median %.3f ms, 95th percentile %.3f ms", tabCount,
              groupCount, first.median, first.p95);
        QVector<double> samples;
        test::roundTrips = 0;
        for (int sample = 0; sample < 80; ++sample) {
            QElapsedTimer clock;
            clock.start();
            full.tabs.at((sample + 1) % full.tabs.size())->setChecked(true);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            full.window->repaint();
            samples << msSince(clock);
        }
        const Figures f = figures(samples);
        qInfo("tab switch with repaint, %dx%dx10: median %.3f ms, 95th percentile %.3f ms, %.2f "
              "round trips a switch",
              tabCount, groupCount, f.median, f.p95, tripsPer(int(samples.size())));
    }

    // Painting the whole shown window into an image of device pixel ratio 1
    // and 2, alternately in one run: the first paint at each ratio (at 2 it
    // loads the 2x skin images) and the median of the repaints after it.
    void paintAtRatios()
    {
        FullWindow full;
        full.show(1600);
        const QSize size = full.window->size();
        QVector<double> samples[2];
        double first[2] = {0, 0};
        // The images stand for the backing stores a window paints into: made
        // before the clock starts, and written once so that no first-touch
        // page faults are counted as painting.
        QImage images[2];
        for (int r = 0; r < 2; ++r) {
            images[r] = QImage(size * (r + 1), QImage::Format_ARGB32_Premultiplied);
            images[r].setDevicePixelRatio(r + 1);
        }
        for (int sample = 0; sample < 21; ++sample) {
            for (int r = 0; r < 2; ++r) {
                QImage& image = images[r];
                image.fill(Qt::transparent);
                QElapsedTimer clock;
                clock.start();
                full.window->render(&image);
                const double ms = msSince(clock);
                if (sample == 0)
                    first[r] = ms;
                else
                    samples[r] << ms;
            }
        }
        const Figures one = figures(samples[0]);
        const Figures two = figures(samples[1]);
        qInfo("paint of the %dx%d window: first at 1x %.2f ms, at 2x %.2f ms; then median 1x "
              "%.2f ms (95th %.2f), 2x %.2f ms (95th %.2f); 2x/1x %.2f",
              size.width(), size.height(), first[0], first[1], one.median, one.p95, two.median,
              two.p95, two.median / one.median);
    }

    void openPopup_data()
    {
        QTest::addColumn<bool>("applicationMenu");
        QTest::newRow("application menu") << true;
        QTest::newRow("collapsed group") << false;
    }

    // From the click to the popup painted.
    void openPopup()
    {
        QFETCH(bool, applicationMenu);
        FullWindow full;
        full.show(applicationMenu ? 1600 : 700);
        RibbonCategoryWrapper* collapsed = nullptr;
        for (RibbonCategoryWrapper* wrapper : full.page()->pageLayout()->wrappers())
            if (wrapper->isColapsed())
                collapsed = wrapper;
        QVERIFY(applicationMenu || collapsed);
        QVector<double> samples;
        test::roundTrips = 0;
        for (int sample = 0; sample < 40; ++sample) {
            QElapsedTimer clock;
            clock.start();
            QWidget* popup = nullptr;
            if (applicationMenu) {
                full.window->ribbonMenuBar()->mainButton()->click();
                popup = full.window->ribbonMenuBar()->mainButton()->findChild<RibbonPanelMain*>();
            } else {
                collapsed->setMyChecked(true);
                popup = collapsed->popup();
            }
            QVERIFY(popup && popup->isVisible());
            popup->repaint();
            samples << msSince(clock);
            while (QWidget* open = QApplication::activePopupWidget())
                open->close();
            settle();
        }
        const Figures f = figures(samples);
        qInfo("open %s: median %.3f ms, 95th percentile %.3f ms, %.2f round trips an opening "
              "(with closing)",
              applicationMenu ? "application menu" : "collapsed group", f.median, f.p95,
              tripsPer(int(samples.size())));
    }

    // Sizes a host can reach: 10 000 quick access commands set, restored
    // and added one by one, and the application menu opened with 10 000
    // recent files and 10 000 items.
    void hostSized()
    {
        FullWindow full;
        full.show(1600);
        RibbonMenuBar& bar = *full.window->ribbonMenuBar();
        RibbonQuickAccessBar& qab = *bar.quickAccessBar();
        QList<RibbonSimpleAction*> commands;
        QList<QAction*> hostActions;
        for (int i = 0; i < 10000; ++i) {
            commands << new RibbonSimpleAction(QStringLiteral("C%1").arg(i), &full.host);
            commands.last()->setObjectName(QStringLiteral("c%1").arg(i));
            hostActions << new QAction(QStringLiteral("H%1").arg(i), &full.host);
        }
        QVector<double> set;
        QVector<double> restore;
        QVector<double> added;
        QVector<double> hostAdded;
        QVector<double> menu;
        for (int sample = 0; sample < 5; ++sample) {
            QElapsedTimer clock;
            clock.start();
            qab.setCommands(commands);
            set << msSince(clock);
            // Restored over the same commands in the opposite order: every
            // button goes and comes anew.
            const QByteArray state = bar.saveState();
            qab.setCommands(QList<RibbonSimpleAction*>(commands.crbegin(), commands.crend()));
            settle();
            clock.restart();
            QVERIFY(bar.restoreState(state));
            restore << msSince(clock);
            QCOMPARE(qab.commands(), commands);
            qab.setCommands({});
            settle();
            clock.restart();
            for (RibbonSimpleAction* command : std::as_const(commands))
                qab.addCommand(command);
            added << msSince(clock);
            qab.setCommands({});
            settle();
            clock.restart();
            for (QAction* action : std::as_const(hostActions))
                qab.addCommand(action);
            hostAdded << msSince(clock);
            for (QAction* action : std::as_const(hostActions))
                qab.removeCommand(action);
            settle();
        }
        QCOMPARE(qab.commands().size(), 0);
        RibbonMenuAction& items = bar.mainMenuActions();
        for (int i = 0; i < 10000; ++i) {
            bar.recentFilesActions().addAction(new RibbonSimpleAction(
                QStringLiteral("/home/user/document %1.txt").arg(i), &full.host));
            items.addAction(new RibbonSimpleAction(QStringLiteral("Item %1").arg(i), &full.host));
        }
        for (int sample = 0; sample < 9; ++sample) {
            QElapsedTimer clock;
            clock.start();
            bar.mainButton()->click();
            auto* panel = bar.mainButton()->findChild<RibbonPanelMain*>();
            QVERIFY(panel && panel->isVisible());
            panel->repaint();
            menu << msSince(clock);
            while (QWidget* open = QApplication::activePopupWidget())
                open->close();
            settle();
        }
        const auto line = [](const char* what, const QVector<double>& samples) {
            const Figures f = figures(samples);
            qInfo("%s: median %.2f ms, slowest %.2f ms", what, f.median,
                  *std::max_element(samples.begin(), samples.end()));
        };
        line("quick access bar, setCommands of 10 000", set);
        line("quick access bar, restoreState of 10 000", restore);
        line("quick access bar, addCommand of 10 000 one by one", added);
        line("quick access bar, addCommand(QAction*) of 10 000 host actions", hostAdded);
        line("application menu with 10 000 recent files and 10 000 items, open and paint", menu);
    }
};

int main(int argc, char** argv)
{
    // A 1x and a 2x screen, as on a desk with a laptop and a 4K monitor: the
    // application prepares the skin images of both.
    // Under X (QT_QPA_PLATFORM=xcb, e.g. in xvfb-run) the server's one
    // screen is used.
    QTemporaryDir dir;
    if (qgetenv("QT_QPA_PLATFORM") != "xcb" &&
        !oru::test::useOffscreenScreens(dir.filePath(QStringLiteral("screens.json")), {1.0, 2.0}))
        return 1;
    oru::test::TestApplication app(argc, argv);
    BenchWindow bench;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_window.moc"
