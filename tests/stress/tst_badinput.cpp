#include <oruRibbonButtonMain.h>
#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatActionGroup.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategory.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryLayout.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonHelpWindow.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonMenuBarButton.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonProgressAction.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonStringAction.h>

#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <functional>

using namespace oru;

namespace {

// A shown main window with one selected tab holding one group.
struct Ribbon
{
    QObject host;
    RibbonMainWindow window;
    RibbonMenuBar& bar = *window.ribbonMenuBar();
    RibbonCategoriesPanelAction* tab =
        new RibbonCategoriesPanelAction(QStringLiteral("Home"), &host);
    RibbonCategoryAction* group = new RibbonCategoryAction(QStringLiteral("Group"), &host);

    Ribbon()
    {
        tab->setCheckable(true);
        tab->setChecked(true);
        tab->addCategory(group);
        bar.addAction(tab);
        window.resize(1200, 500);
        window.show();
        settle();
    }

    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    RibbonCategoryPanel* page(RibbonCategoriesPanelAction* t = nullptr) const
    {
        return bar.panels()->page(t ? t : tab);
    }
    RibbonCategory* category(RibbonCategoryAction* c = nullptr) const
    {
        RibbonCategoryWrapper* w = page()->wrapper(c ? c : group);
        return w ? w->category() : nullptr;
    }
    int controlWidgets(RibbonCategoryAction* c = nullptr) const
    {
        return int(category(c)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());
    }
    bool paints()
    {
        QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
        window.render(&image);
        return !image.isNull();
    }
};

// Switches the skin from inside the paint of the widget it watches.
class SkinSwitcher : public QObject
{
public:
    int switches = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++switches;
            RibbonApplication* app = RibbonApplication::theApp();
            app->setRibbonStyle(RibbonApplication::eRibbonStyle((app->getRibbonStyle() + 1) % 3));
        }
        return false;
    }
};

using Case = std::function<void(Ribbon&)>;

} // namespace

Q_DECLARE_METATYPE(Case)

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void badInput_data()
    {
        QTest::addColumn<Case>("run");

        QTest::newRow("null actions") << Case([](Ribbon& r) {
            r.group->addAction(nullptr);
            r.tab->addCategory(nullptr);
            r.bar.mainMenuActions().addAction(nullptr);
            auto* set = new RibbonCatActionGroup(QStringLiteral("Set"), &r.host);
            set->addAction(nullptr);
            r.bar.setHelpAction(nullptr);
            r.bar.setExitAction(nullptr);
            Ribbon::settle();
            QVERIFY(r.group->actions().isEmpty());
            QCOMPARE(r.tab->categories().size(), 1);
            QVERIFY(r.bar.mainMenuActions().menuActions().isEmpty());
            QVERIFY(set->actions().isEmpty());
            QCOMPARE(r.bar.helpAction(), nullptr);
            QVERIFY(r.paints());
        });

        QTest::newRow("foreign action types") << Case([](Ribbon& r) {
            // Actions a container does not handle get no widget.
            r.group->addAction(new RibbonPercAction(10, 400, 100, &r.host));
            r.group->addAction(new RibbonCategoryAction(QStringLiteral("Nested"), &r.host));
            r.group->addAction(new RibbonCategoriesPanelAction(QStringLiteral("Tab"), &r.host));
            r.window.ribbonStatusBar()->addAction(
                new RibbonStringAction(QStringLiteral("Text only"), &r.host));
            auto* combo = new RibbonCatComboAction(&r.host);
            r.bar.quickAccessBar()->addAction(combo);
            Ribbon::settle();
            QCOMPARE(r.group->actions().size(), 3);
            QCOMPARE(r.controlWidgets(), 0);
            QCOMPARE(
                r.window.ribbonStatusBar()->widgetFor(r.window.ribbonStatusBar()->actions().last()),
                nullptr);
            for (auto* button : r.bar.quickAccessBar()->findChildren<RibbonButtonNormal*>())
                QVERIFY(!button->actions().contains(combo));
            QVERIFY(r.paints());
        });

        QTest::newRow("action added twice") << Case([](Ribbon& r) {
            auto* button = new RibbonCatSimpleAction(QStringLiteral("Twice"),
                                                     RibbonCatSimpleAction::Large, &r.host);
            r.group->addAction(button);
            r.group->addAction(button);
            r.bar.addAction(r.tab);
            Ribbon::settle();
            QCOMPARE(r.group->actions().size(), 1);
            QCOMPARE(r.controlWidgets(), 1);
            QCOMPARE(r.bar.panels()->count(), 1);
            QCOMPARE(r.bar.findChildren<RibbonMenuBarButton*>().size(), 1);
            QVERIFY(r.tab->isChecked());
            QCOMPARE(r.bar.panels()->currentWidget(), r.page());
        });

        QTest::newRow("action in two containers") << Case([](Ribbon& r) {
            auto* other = new RibbonCategoryAction(QStringLiteral("Other"), &r.host);
            r.tab->addCategory(other);
            auto* button = new RibbonCatSimpleAction(QStringLiteral("Shared"),
                                                     RibbonCatSimpleAction::Medium, &r.host);
            r.group->addAction(button);
            other->addAction(button);
            Ribbon::settle();
            QCOMPARE(r.controlWidgets(r.group), 1);
            QCOMPARE(r.controlWidgets(other), 1);
            QVERIFY(r.category(r.group)->widget(button) != r.category(other)->widget(button));
            delete button;
            Ribbon::settle();
            QVERIFY(r.group->actions().isEmpty());
            QVERIFY(other->actions().isEmpty());
            QCOMPARE(r.controlWidgets(r.group), 0);
            QCOMPARE(r.controlWidgets(other), 0);
            QVERIFY(r.paints());
        });

        QTest::newRow("out-of-range enumeration values") << Case([](Ribbon& r) {
            RibbonApplication* app = RibbonApplication::theApp();
            const RibbonStyle* blue = app->ribbonStyle();
            for (int value : {3, 7, -1}) {
                app->setRibbonStyle(RibbonApplication::eRibbonStyle(value));
                QCOMPARE(app->ribbonStyle(), blue);
                QVERIFY(r.paints());
            }
            app->setRibbonStyle(RibbonApplication::Blue);
            QStyle* style = QApplication::style();
            app->setApplicationStyle(RibbonApplication::eAppStyle(42));
            QCOMPARE(QApplication::style(), style);
            auto* odd = new RibbonCatSimpleAction(QStringLiteral("Odd"),
                                                  RibbonCatSimpleAction::eSize(9), &r.host);
            r.group->addAction(odd);
            Ribbon::settle();
            QCOMPARE(r.controlWidgets(), 1);
            QVERIFY(r.paints());
        });

        QTest::newRow("zero and negative sizes") << Case([](Ribbon& r) {
            for (int i = 0; i < 4; ++i)
                r.group->addAction(new RibbonCatSimpleAction(
                    QStringLiteral("Button %1").arg(i), RibbonCatSimpleAction::Large, &r.host));
            auto* combo = new RibbonCatComboAction(&r.host);
            combo->setWidth(-20);
            r.group->addAction(combo);
            for (const QSize& size : {QSize(0, 0), QSize(-5, -5), QSize(1, 1)}) {
                r.window.resize(size);
                Ribbon::settle();
                QVERIFY(r.paints());
            }
            QVERIFY(r.category()->widget(combo)->width() >= 0);
            QCOMPARE(RibbonCategoryLayout::arrangeRun({0, 0, -3, 22}).size(), 4);
            QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&image);
            RibbonStyle::drawSymbol(painter, QRect(), ArrowUp);
            RibbonStyle::drawSymbol(painter, QRect(4, 4, -9, -9), ArrowDown);
            r.window.resize(1200, 500);
            Ribbon::settle();
            QVERIFY(!r.page()->pageLayout()->wrappers().constFirst()->isColapsed());
        });

        QTest::newRow("empty help collection path") << Case([](Ribbon&) {
            RibbonHelpWindow help{QString()};
            help.show();
            help.showHelp(QStringLiteral("anything"));
            help.showHelp(QUrl());
            Ribbon::settle();
            QVERIFY(help.isVisible());
        });

        QTest::newRow("skin switch inside a paint") << Case([](Ribbon& r) {
            r.group->addAction(new RibbonCatSimpleAction(QStringLiteral("Button"),
                                                         RibbonCatSimpleAction::Large, &r.host));
            Ribbon::settle();
            SkinSwitcher switcher;
            r.category()->installEventFilter(&switcher);
            r.page()->installEventFilter(&switcher);
            QVERIFY(r.paints());
            QVERIFY(r.paints());
            QVERIFY(switcher.switches >= 2);
            r.category()->removeEventFilter(&switcher);
            r.page()->removeEventFilter(&switcher);
            RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::Blue);
            Ribbon::settle();
            QVERIFY(r.paints());
        });
    }

    void badInput()
    {
        QFETCH(Case, run);
        Ribbon ribbon;
        run(ribbon);
    }

    // Sizes a host can reach: each is dealt with in about a second at most,
    // and the window stays paintable and within what a screen can show.
    void hostSizedData_data()
    {
        QTest::addColumn<Case>("run");
        QTest::newRow("group of 40 controls") << Case([](Ribbon& r) {
            for (int i = 0; i < 40; ++i)
                r.group->addAction(
                    new RibbonCatSimpleAction(QStringLiteral("Command %1").arg(i, 0, 10 + i % 20),
                                              RibbonCatSimpleAction::Medium, &r.host));
            Ribbon::settle();
            QCOMPARE(r.controlWidgets(), 40);
        });
        QTest::newRow("10 000 quick access commands") << Case([](Ribbon& r) {
            QList<RibbonSimpleAction*> commands;
            for (int i = 0; i < 10000; ++i) {
                commands << new RibbonSimpleAction(QStringLiteral("C%1").arg(i), &r.host);
                commands.last()->setObjectName(QStringLiteral("c%1").arg(i));
            }
            RibbonQuickAccessBar& qab = *r.bar.quickAccessBar();
            qab.setCommands(commands);
            const QByteArray state = r.bar.saveState();
            QList<RibbonSimpleAction*> reversed(commands.crbegin(), commands.crend());
            qab.setCommands(reversed);
            QVERIFY(r.bar.restoreState(state));
            QCOMPARE(qab.commands(), commands);
            // The row shows the first commands that fit, the chevron's menu
            // holds all the others in their order; the bar builds buttons
            // for what a row can show, not for every command.
            const auto checkRow = [&qab](const char* where) {
                Ribbon::settle();
                const QList<RibbonSimpleAction*> now = qab.commands();
                QList<QWidget*> shown;
                const auto buttons =
                    qab.findChildren<RibbonButtonNormal*>(Qt::FindDirectChildrenOnly);
                QVERIFY2(buttons.size() < 1000, where);
                for (RibbonButtonNormal* button : buttons)
                    if (button->isVisible() && button->actions().value(0) != qab.customizeAction())
                        shown << button;
                std::sort(shown.begin(), shown.end(),
                          [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
                QVERIFY2(shown.size() > 2, where);
                QCOMPARE(shown.takeLast()->actions().value(0), qab.overflowAction());
                for (int i = 0; i < shown.size(); ++i)
                    QCOMPARE(shown.at(i)->actions().value(0), now.at(i));
                QCOMPARE(qab.overflowActions(),
                         QList<QAction*>(now.begin() + shown.size(), now.end()));
            };
            checkRow("restored");
            // Commands that move into the row or out of it, and commands
            // that leave: the row stays the commands' first ones.
            QVERIFY(qab.moveCommand(9999, 0));
            checkRow("last to first");
            QVERIFY(qab.moveCommand(0, 9999));
            checkRow("first to last");
            QVERIFY(qab.removeCommand(commands.at(1)));
            checkRow("removed");
            delete commands.at(0);
            checkRow("deleted");
            QVERIFY(qab.insertCommand(0, commands.at(1)));
            checkRow("inserted");
            QCOMPARE(qab.commands().size(), 9999);
        });
        QTest::newRow("10 000 recent files and items") << Case([](Ribbon& r) {
            for (int i = 0; i < 10000; ++i) {
                r.bar.recentFilesActions().addAction(new RibbonSimpleAction(
                    QStringLiteral("/home/user/document %1.txt").arg(i), &r.host));
                r.bar.mainMenuActions().addAction(
                    new RibbonSimpleAction(QStringLiteral("Item %1").arg(i), &r.host));
            }
            oru::test::mousePress(r.bar.mainButton(), QPoint(10, 10));
            QCoreApplication::sendPostedEvents();
            auto* panel = r.bar.mainButton()->findChild<RibbonPanelMain*>();
            QVERIFY(panel && panel->isVisible());
            QVERIFY(panel->height() <= panel->screen()->availableGeometry().height());
            panel->close();
        });
        QTest::newRow("restore geometry of 32767 pixels") << Case([](Ribbon& r) {
            r.window.setRestoreGeom(QPoint(-40000, 30000), QSize(32767, 32767));
            const QRect available = r.window.screen()->availableGeometry();
            QVERIFY(available.contains(r.window.restoreGeom()));
            QVERIFY(available.contains(r.window.geometry()));
        });
        QTest::newRow("status bar action, no events run") << Case([](Ribbon& r) {
            // Adding or removing a status bar action runs no events: a
            // posted call still waits for the event loop afterwards.
            bool ran = false;
            QMetaObject::invokeMethod(
                &r.host, [&ran] { ran = true; }, Qt::QueuedConnection);
            auto* toggle = new RibbonSimpleAction(QStringLiteral("Toggle"), &r.host);
            r.window.ribbonStatusBar()->addAction(toggle);
            r.window.ribbonStatusBar()->removeAction(toggle);
            QVERIFY(!ran);
            Ribbon::settle();
            QVERIFY(ran);
        });
        QTest::newRow("100 000-character caption") << Case([](Ribbon& r) {
            r.tab->setText(QString(100000, QLatin1Char('W')));
            Ribbon::settle();
            const QRect available = r.window.screen()->availableGeometry();
            QVERIFY(r.window.minimumSizeHint().width() <= available.width());
            QVERIFY(r.bar.sizeHint().width() <= available.width());
            // The same for a progress text in the status bar.
            auto* progress = new RibbonProgressAction(QStringLiteral("Work"), &r.host);
            r.window.ribbonStatusBar()->addAction(progress);
            progress->setProgressText(QString(100000, QLatin1Char('W')));
            Ribbon::settle();
            QVERIFY(r.window.minimumSizeHint().width() <= available.width());
        });
    }
    void hostSizedData()
    {
        QFETCH(Case, run);
        Ribbon ribbon;
        QElapsedTimer timer;
        timer.start();
        run(ribbon);
        QVERIFY(ribbon.paints());
        // Unloaded, each case takes 0.3-0.9 s here; the bound leaves room
        // for a loaded machine and stays far below the seconds to minutes
        // the same cases took with quadratic and exponential code.
#if defined(__SANITIZE_ADDRESS__)
        const qint64 bound = 30000;
#else
        const qint64 bound = 3000;
#endif
        QVERIFY2(timer.elapsed() < bound, qPrintable(QString::number(timer.elapsed())));
    }
};

ORU_TEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
