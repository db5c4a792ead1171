// RibbonStatusBar and RibbonStatusBarWidget: areas, ordering of the status
// widgets, statusBarChanged(), triggering and painting of a toggle.
#include <oruRibbonApplication.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonPercWidget.h>
#include <oruRibbonProgressAction.h>
#include <oruRibbonProgressWidget.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonStatusBarWidget.h>
#include <oruRibbonStyle.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QLabel>
#include <QLayout>

#include <functional>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

class TestStatusBar : public QObject
{
    Q_OBJECT

private slots:
    void init() { oru::test::parkCursor(); }
    void areasAndOrder();
    void toggle_data();
    void toggle();
    void viewButtonIcon();
    void loginIcons();
};

void TestStatusBar::areasAndOrder()
{
    RibbonMainWindow window;
    window.resize(700, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    RibbonStatusBar* bar = window.ribbonStatusBar();
    QCOMPARE(&bar->mainWindow(), &window);
    QCOMPARE(bar->sizePolicy().horizontalPolicy(), QSizePolicy::MinimumExpanding);
    QSignalSpy changed(bar, &RibbonStatusBar::statusBarChanged);

    // Zoom first, progress last: the zoom control must still end up
    // rightmost, later toggles left of earlier ones and the progress
    // indicator left of them all, everything in the right-hand area.
    auto zoom = std::make_unique<RibbonPercAction>(10, 500, 100, nullptr);
    auto first = std::make_unique<RibbonSimpleAction>(QStringLiteral("first"), nullptr);
    RibbonSimpleAction second(QStringLiteral("second"), nullptr);
    RibbonAction other(QStringLiteral("other"), nullptr);
    auto progress = std::make_unique<RibbonProgressAction>(QStringLiteral("busy"), nullptr);
    for (QAction* action :
         std::initializer_list<QAction*>{zoom.get(), first.get(), &second, &other, progress.get()})
        bar->addAction(action);
    QCOMPARE(changed.count(), 5); // also for the action without a widget
    QVERIFY(!bar->widgetFor(&other));
    auto* zoomWidget = qobject_cast<RibbonPercWidget*>(bar->widgetFor(zoom.get()));
    auto* progressWidget = qobject_cast<RibbonProgressWidget*>(bar->widgetFor(progress.get()));
    QWidget* w1 = bar->widgetFor(first.get());
    QWidget* w2 = bar->widgetFor(&second);
    QVERIFY(zoomWidget && progressWidget && w1 && w2);
    for (QWidget* widget :
         {static_cast<QWidget*>(zoomWidget), static_cast<QWidget*>(progressWidget), w1, w2})
        QCOMPARE(widget->parentWidget(), bar);
    QCoreApplication::processEvents();
    QVERIFY(progressWidget->geometry().right() < w2->x());
    QVERIFY(w2->geometry().right() < w1->x());
    QVERIFY(w1->geometry().right() < zoomWidget->x());
    QVERIFY(zoomWidget->geometry().right() < bar->width());
    QVERIFY(progressWidget->x() >= bar->width() - bar->extensionsWidth());
    QCOMPARE(bar->popupLayoutWidth(), 10 + 5 + bar->loginLayoutWidth());

    bar->removeAction(&other); // never had a widget: no announcement
    QCOMPARE(changed.count(), 5);
    // Removing or deleting an action takes its widget out and announces it.
    int announced = 5;
    const auto goesWith = [&](QWidget* widget, const std::function<void()>& takeOut) {
        QPointer<QWidget> gone = widget;
        takeOut();
        return gone.isNull() && changed.count() == ++announced;
    };
    QVERIFY(goesWith(w2, [&] { bar->removeAction(&second); }));
    QVERIFY(goesWith(w1, [&] { first.reset(); }));
    QVERIFY(goesWith(progressWidget, [&] { progress.reset(); }));
    QVERIFY(goesWith(zoomWidget, [&] { bar->removeAction(zoom.get()); }));
    QVERIFY(bar->findChildren<RibbonStatusBarWidget*>().isEmpty());
    QVERIFY(bar->findChildren<RibbonPercWidget*>().isEmpty());
}

void TestStatusBar::toggle_data()
{
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<int>("rowAfterClick");
    QTest::addColumn<int>("triggered");
    QTest::newRow("checkable") << true << false << 44 << 1;
    QTest::newRow("plain") << false << false << 0 << 1;
    QTest::newRow("plain hovered") << false << true << 22 << 1;
}

void TestStatusBar::toggle()
{
    QFETCH(bool, checkable);
    QFETCH(bool, hovered);
    QFETCH(int, rowAfterClick);
    QFETCH(int, triggered);
    const RibbonStyle& skin = *RibbonApplication::theApp()->ribbonStyle();
    RibbonMainWindow window;
    window.resize(500, 200);
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::blue);
    RibbonSimpleAction action(QIcon(pixmap), QStringLiteral("Ruler"), nullptr);
    action.setToolTip(QStringLiteral("Show the ruler"));
    action.setCheckable(checkable);
    window.ribbonStatusBar()->addAction(&action);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* widget =
        qobject_cast<RibbonStatusBarWidget*>(window.ribbonStatusBar()->widgetFor(&action));
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), QStringLiteral("Show the ruler"));
    QCOMPARE(widget->sizeHint(), QSize(20, 20));
    QCOMPARE(widget->maximumSize(), QSize(22, 22));
    QCOMPARE(widget->size(), QSize(20, 20));

    QSignalSpy spy(&action, &QAction::triggered);
    oru::test::mousePress(widget, QPoint(5, 5));
    QVERIFY(widget->isDown());
    // The release triggers wherever it happens.
    oru::test::mouseRelease(widget, QPoint(200, 200));
    QCOMPARE(spy.count(), triggered);
    QCOMPARE(widget->isDown(), checkable);
    QCOMPARE(action.isChecked(), checkable);

    if (hovered)
        oru::test::placeCursor(widget, QPoint(5, 5));
    PaintRecorder recorder;
    widget->render(&recorder);
    // The box (nine pieces of the state's frame) fills the widget and holds
    // the 16-pixel icon with 2 pixels to spare on every side.
    const auto back = recorder.pixmapDraws(skin.normalButtonSmall());
    QCOMPARE(back.size(), 9);
    QRectF box;
    for (const PaintOp& op : back) {
        box |= op.target;
        QVERIFY(QRect(0, rowAfterClick, 22, 22).contains(op.source.toRect()));
    }
    QCOMPARE(box.toRect(), QRect(0, 0, 20, 20));
    const auto pixmaps = recorder.ops(PaintOp::Pixmap);
    QCOMPARE(pixmaps.last().target.toRect(), QRect(2, 2, 16, 16));
}

// The view button gets the bar's whole height and shows all of its icon.
void TestStatusBar::viewButtonIcon()
{
    RibbonMainWindow window;
    window.resize(500, 200);
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::blue);
    RibbonCatMenuAction views(QIcon(pixmap), QString(), RibbonCatMenuAction::Button,
                              RibbonCatMenuAction::Small, RibbonCatMenuAction::ViewPopup, nullptr);
    window.ribbonStatusBar()->addAction(&views);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* button = window.ribbonStatusBar()->widgetFor(&views);
    QVERIFY(button);
    QCOMPARE(button->height(), window.ribbonStatusBar()->height());
    PaintRecorder recorder;
    button->render(&recorder);
    QRect icon;
    for (const PaintOp& op : recorder.ops(PaintOp::Pixmap))
        if (op.target.size() == QSizeF(16, 16))
            icon = op.target.toRect();
    QCOMPARE(icon.size(), QSize(16, 16));
    QVERIFY2(
        button->rect().adjusted(0, 1, 0, -1).contains(icon),
        qPrintable(QStringLiteral("icon at y %1 in %2 rows").arg(icon.y()).arg(button->height())));
}

void TestStatusBar::loginIcons()
{
    RibbonMainWindow window;
    RibbonStatusBar* bar = window.ribbonStatusBar();
    auto* label = new QLabel(QStringLiteral("user"));
    bar->addLoginStatusIcon(label);
    QCOMPARE(label->parentWidget(), bar);
    QPointer<QLabel> guard = label;
    bar->removeLoginStatusIcon(nullptr);
    QVERIFY(guard);
    bar->removeLoginStatusIcon(label);
    QVERIFY(guard.isNull());
}

ORU_TEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
