// RibbonStatusBar and its widgets: areas and ordering of the status widgets,
// statusBarChanged(), the toggles, the zoom slider (RibbonPercAction and
// RibbonPercWidget) and the progress indicator (RibbonProgressAction and
// RibbonProgressWidget).
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
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;
using oru::test::skin;
using oru::test::solidIcon;
using oru::test::sourceOf;

namespace {

/// The widget's repeat timer, fired by hand so that steps do not depend on
/// the machine's speed.
QTimer* repeatTimer(RibbonPercWidget& widget)
{
    return widget.findChild<QTimer*>();
}

void fire(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

} // namespace

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
    void setPercentageRules();
    void thumbPosition_data();
    void thumbPosition();
    void dragValues_data();
    void dragValues();
    void clickSteps();
    void autoRepeat();
    void paintFrames();
    void disabledAction();
    void disabledBeforeAdding();
    void progressSignals();
    void progressWidgetFollows();
    void terminateButton();
    void grabWhileShown();
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

    // Zoom between the toggles, progress last: the zoom control must still
    // end up rightmost, later toggles left of earlier ones and the progress
    // indicator left of them all, everything in the right-hand area.
    auto zoom = std::make_unique<RibbonPercAction>(10, 500, 100, nullptr);
    auto first = std::make_unique<RibbonSimpleAction>(QStringLiteral("first"), nullptr);
    RibbonSimpleAction second(QStringLiteral("second"), nullptr);
    RibbonAction other(QStringLiteral("other"), nullptr);
    auto progress = std::make_unique<RibbonProgressAction>(QStringLiteral("busy"), nullptr);
    for (QAction* action :
         std::initializer_list<QAction*>{first.get(), zoom.get(), &second, &other, progress.get()})
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
    RibbonMainWindow window;
    window.resize(500, 200);
    RibbonSimpleAction action(solidIcon(), QStringLiteral("Ruler"), nullptr);
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
    const auto back = recorder.pixmapDraws(skin().normalButtonSmall());
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
    RibbonCatMenuAction views(solidIcon(), QString(), RibbonCatMenuAction::Button,
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

void TestStatusBar::setPercentageRules()
{
    RibbonPercAction action(10, 500, 600, nullptr);
    QCOMPARE(action.percentage(), 600); // the start value is not clamped
    QSignalSpy spy(&action, &RibbonPercAction::percentageChanged);
    QSignalSpy changed(&action, &QAction::changed);

    action.setPercentage(700);
    QCOMPARE(action.percentage(), 500);
    // Past the bound it already sits on: announced again; the same value: not.
    action.setPercentage(600);
    QCOMPARE(action.percentage(), 500);
    QCOMPARE(changed.count(), 2);
    action.setPercentage(500);
    action.setPercentage(-5);
    QCOMPARE(action.percentage(), 10);
    action.setPercentage(150);
    QList<int> announced;
    for (const QList<QVariant>& args : spy)
        announced << args.at(0).toInt();
    QCOMPARE(announced, (QList<int>{500, 500, 10, 150}));

    // The widget learns the clamped value through the action-changed event,
    // but not from a re-announcement that changes nothing.
    RibbonPercWidget widget(action, nullptr);
    QCOMPARE(widget.percentage(), 150);
    QCOMPARE(widget.text(), QStringLiteral("150 %"));
    action.setPercentage(1000);
    QCOMPARE(widget.percentage(), 500);
    QCOMPARE(widget.text(), QStringLiteral("500 %"));
    QCOMPARE(widget.sizeHint(), QSize(190, 20));
}

void TestStatusBar::thumbPosition_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<int>("x");
    QTest::newRow("minimum") << 10 << 500 << 10 << 85;
    QTest::newRow("100") << 10 << 500 << 100 << 125;
    QTest::newRow("maximum") << 10 << 500 << 500 << 165;
    QTest::newRow("55") << 10 << 500 << 55 << 105;
    QTest::newRow("99 truncates") << 10 << 500 << 99 << 124;   // 85 + 39.55
    QTest::newRow("110 truncates") << 10 << 500 << 110 << 126; // 125 + 1
    QTest::newRow("120, max 200") << 50 << 200 << 120 << 133;
}

void TestStatusBar::thumbPosition()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, percentage);
    QFETCH(int, x);
    RibbonPercAction action(minimum, maximum, percentage, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    QCOMPARE(widget.thumbCenter(percentage), x);
    QCOMPARE(oru::test::drawsOf(&widget, skin().sliderThumb()).value(0).target,
             QRectF(x - 5, 2, 11, 15));
}

void TestStatusBar::dragValues_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("value");
    QTest::newRow("snap 121") << 121 << 100;
    QTest::newRow("snap 129") << 129 << 100;
    QTest::newRow("130") << 130 << 150;
    QTest::newRow("120") << 120 << 89; // 10 + trunc(90*35/40 + .5) = 10 + 79
    QTest::newRow("100") << 100 << 44;
    QTest::newRow("85 minimum") << 85 << 10;
    QTest::newRow("before the track") << 40 << 10;
    QTest::newRow("165 maximum") << 165 << 500;
    QTest::newRow("past the track") << 189 << 500;
}

void TestStatusBar::dragValues()
{
    QFETCH(int, x);
    QFETCH(int, value);
    RibbonPercAction action(10, 500, 300, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    QSignalSpy spy(&action, &RibbonPercAction::percentageChanged);
    oru::test::mouseMove(&widget, QPoint(x, 9)); // without a press: nothing
    QCOMPARE(widget.thumbCenter(300), 145);      // 125 + 200*40/400
    oru::test::mousePress(&widget, QPoint(145, 9));
    QCOMPARE(action.percentage(), 300); // neither the move nor a press changes it
    // Moved twice to the same spot: announced once.
    for (int i = 0; i < 2; ++i)
        oru::test::mouseMove(&widget, QPoint(x, 9), Qt::LeftButton);
    QCOMPARE(widget.percentage(), value);
    QCOMPARE(spy.count(), 1);
    oru::test::mouseRelease(&widget, QPoint(x, 9));
    oru::test::mouseMove(&widget, QPoint(x == 130 ? 100 : 130, 9)); // dragging is over
    QCOMPARE(action.percentage(), value);
}

void TestStatusBar::clickSteps()
{
    RibbonPercAction action(10, 500, 15, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    QSignalSpy spy(&action, &RibbonPercAction::percentageChanged);
    const QPoint minus(69, 9), plus(179, 9);

    oru::test::mouseClick(&widget, minus);
    oru::test::mouseClick(&widget, minus); // at the minimum: no second announcement
    QCOMPARE(action.percentage(), 10);
    QCOMPARE(spy.count(), 1);

    oru::test::mouseClick(&widget, plus);
    QCOMPARE(action.percentage(), 20);
    // Plus is (171, 1, 18, 18): its corner counts; left of it and left of
    // minus (61, 1, 18, 18) do not.
    oru::test::mouseClick(&widget, QPoint(171, 1));
    QCOMPARE(action.percentage(), 30);
    oru::test::mouseClick(&widget, QPoint(170, 9));
    oru::test::mouseClick(&widget, QPoint(60, 9));
    // Released elsewhere, or over the other button: no step.
    oru::test::mousePress(&widget, minus);
    oru::test::mouseRelease(&widget, QPoint(30, 9));
    QVERIFY(!repeatTimer(widget)->isActive());
    oru::test::mousePress(&widget, plus);
    oru::test::mouseRelease(&widget, minus);
    QCOMPARE(action.percentage(), 30);
}

void TestStatusBar::autoRepeat()
{
    RibbonPercAction action(10, 150, 100, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    QTimer* timer = repeatTimer(widget);
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    QSignalSpy spy(&action, &RibbonPercAction::percentageChanged);

    oru::test::mousePress(&widget, QPoint(179, 9));
    QVERIFY(timer->isActive());
    QVERIFY(!timer->isSingleShot());
    QCOMPARE(timer->interval(), 200);
    QCOMPARE(action.percentage(), 100);

    fire(timer);
    QCOMPARE(timer->interval(), 50);
    QCOMPARE(action.percentage(), 110);
    for (int i = 0; i < 5; ++i) // the last one at the maximum: no step, no announcement
        fire(timer);
    QCOMPARE(action.percentage(), 150);
    QCOMPARE(spy.count(), 5);
    QCOMPARE(timer->interval(), 50);

    // The release over the button adds a step, here clamped to the maximum.
    oru::test::mouseRelease(&widget, QPoint(179, 9));
    QCOMPARE(action.percentage(), 150);
    QVERIFY(!timer->isActive());
    QCOMPARE(spy.count(), 5);

    // Minus, held and released over it, from 150: two repeats and one more.
    oru::test::mousePress(&widget, QPoint(69, 9));
    QCOMPARE(timer->interval(), 200); // restarted with the first delay
    fire(timer);
    fire(timer);
    oru::test::mouseRelease(&widget, QPoint(69, 9));
    QCOMPARE(action.percentage(), 120);

    // Hidden while held: the repeat stops.
    widget.show();
    oru::test::mousePress(&widget, QPoint(69, 9));
    QVERIFY(timer->isActive());
    widget.hide();
    QVERIFY(!timer->isActive());
    fire(timer);
    QCOMPARE(action.percentage(), 120);
}

void TestStatusBar::paintFrames()
{
    RibbonPercAction action(10, 500, 100, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    widget.show();

    PaintRecorder recorder;
    widget.render(&recorder);
    const QVector<PaintOp> minus = recorder.pixmapDraws(skin().sliderMinus());
    const QVector<PaintOp> plus = recorder.pixmapDraws(skin().sliderPlus());
    QCOMPARE(minus.size(), 1);
    QCOMPARE(minus.at(0).target, QRectF(61, 1, 18, 18));
    QCOMPARE(minus.at(0).source, QRectF(0, 0, 18, 18));
    QCOMPARE(plus.at(0).target, QRectF(171, 1, 18, 18));
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("100 %")});
    QCOMPARE(recorder.ops(PaintOp::Text).at(0).pen.color(), skin().normalCategoryTextColor());

    // Track lines and ticks, sunken then raised.
    QVector<QPair<QLineF, QColor>> lines;
    for (const PaintOp& op : recorder.ops(PaintOp::Lines))
        for (const QLineF& line : op.lines)
            lines.append({line, op.pen.color()});
    const QVector<QPair<QLineF, QColor>> expected = {
        {QLineF(80, 9, 170, 9), skin().frameSunkenColor()},
        {QLineF(125, 6, 125, 13), skin().frameSunkenColor()},
        {QLineF(80, 10, 170, 10), skin().frameRaiseColor()},
        {QLineF(126, 7, 126, 14), skin().frameRaiseColor()},
    };
    QCOMPARE(lines, expected);

    // Hover over the minus area (which is 1 pixel wider than its button).
    oru::test::placeCursor(&widget, QPoint(60, 0));
    QCOMPARE(sourceOf(&widget, skin().sliderMinus()), QRectF(0, 18, 18, 18));
    QCOMPARE(sourceOf(&widget, skin().sliderPlus()), QRectF(0, 0, 18, 18));
    // Pressed plus shows frame 2 with the cursor elsewhere; the thumb
    // hovers over its whole column.
    oru::test::mousePress(&widget, QPoint(179, 9));
    oru::test::placeCursor(&widget, QPoint(125, 19));
    QCOMPARE(sourceOf(&widget, skin().sliderPlus()), QRectF(0, 36, 18, 18));
    QCOMPARE(sourceOf(&widget, skin().sliderThumb()), QRectF(0, 15, 11, 15));
    oru::test::mouseRelease(&widget, QPoint(0, 0));
    oru::test::mousePress(&widget, QPoint(125, 9)); // dragging the thumb: frame 2
    QCOMPARE(sourceOf(&widget, skin().sliderThumb()), QRectF(0, 30, 11, 15));
    oru::test::mouseRelease(&widget, QPoint(125, 9));
}

void TestStatusBar::disabledAction()
{
    RibbonPercAction action(10, 500, 100, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    widget.show();
    action.setEnabled(false);
    QVERIFY(!widget.isEnabled());
    oru::test::placeCursor(&widget, QPoint(69, 9));
    QCOMPARE(sourceOf(&widget, skin().sliderMinus()), QRectF(0, 0, 18, 18));

    // The action goes away while a button is held: no crash, no more steps.
    auto* doomed = new RibbonPercAction(10, 500, 100, nullptr);
    RibbonPercWidget orphan(*doomed, nullptr);
    orphan.resize(190, 20);
    oru::test::mousePress(&orphan, QPoint(179, 9));
    delete doomed;
    QVERIFY(!repeatTimer(orphan)->isActive());
    fire(repeatTimer(orphan));
    oru::test::mouseRelease(&orphan, QPoint(179, 9));
    QCOMPARE(orphan.action(), static_cast<RibbonPercAction*>(nullptr));
}

void TestStatusBar::disabledBeforeAdding()
{
    // Actions disabled before the status bar builds their widgets: the zoom
    // buttons step nothing and the terminate button does not press.
    RibbonMainWindow window;
    RibbonStatusBar& bar = *window.ribbonStatusBar();
    RibbonPercAction zoom(10, 500, 100, nullptr);
    RibbonProgressAction progress(QStringLiteral("Export"), nullptr);
    progress.enableGrab(false);
    zoom.setEnabled(false);
    progress.setEnabled(false);
    bar.addAction(&zoom);
    bar.addAction(&progress);
    QWidget* zoomWidget = bar.widgetFor(&zoom);
    QWidget* progressWidget = bar.widgetFor(&progress);
    QVERIFY(zoomWidget && progressWidget);
    QVERIFY(!zoomWidget->isEnabled() && !progressWidget->isEnabled());
    zoomWidget->resize(190, 20);
    oru::test::mouseClick(zoomWidget, QPoint(179, 9));
    QCOMPARE(zoom.percentage(), 100);
    progressWidget->resize(160, 20);
    oru::test::mousePress(progressWidget, QPoint(155, 9));
    QCOMPARE(sourceOf(progressWidget, skin().terminateProgressButton()), QRectF(0, 0, 18, 18));
    bar.removeAction(&zoom);
    bar.removeAction(&progress);
}

void TestStatusBar::progressSignals()
{
    RibbonProgressAction action(QStringLiteral("Export"), nullptr);
    QCOMPARE(action.minimum(), 0);
    QCOMPARE(action.maximum(), 1);
    QCOMPARE(action.value(), 0);
    QVERIFY(action.isGrabEnabled());

    QStringList order;
    connect(&action, &RibbonProgressAction::progressRangeChanged, &action,
            [&] { order << QStringLiteral("range"); });
    connect(&action, &RibbonProgressAction::progressValueChanged, &action,
            [&](int v) { order << QStringLiteral("value %1").arg(v); });
    connect(&action, &RibbonProgressAction::progressTextChanged, &action,
            [&](const QString& t) { order << QStringLiteral("text ") + t; });

    action.setProgress(5, 10);
    QCOMPARE(action.maximum(), 10);
    action.setProgress(6, 10);  // the same range: not announced again
    action.setProgressValue(6); // always announced, as are range and text
    action.setRange(0, 10);
    action.setProgressText(QStringLiteral("Saving"));
    action.setProgressText(QStringLiteral("Saving"));
    QCOMPARE(order, QStringList({"range", "value 5", "value 6", "value 6", "range", "text Saving",
                                 "text Saving"}));

    // A range not starting at 0 is reset by setProgress.
    RibbonProgressAction ranged(5, 10, 7, QStringLiteral("x"), nullptr);
    QSignalSpy range(&ranged, &RibbonProgressAction::progressRangeChanged);
    ranged.setProgress(3, 10);
    QCOMPARE(range.count(), 1);
    QCOMPARE(ranged.minimum(), 0);
    QCOMPARE(ranged.value(), 3);

    action.enableGrab(false);
    QVERIFY(!action.isGrabEnabled());
}

void TestStatusBar::progressWidgetFollows()
{
    RibbonProgressAction action(0, 50, 20, QStringLiteral("Loading"), nullptr);
    action.enableGrab(false);
    RibbonProgressWidget widget(action, nullptr);
    QCOMPARE(widget.sizeHint(), QSize(160, 10));
    QCOMPARE(widget.label()->text(), QStringLiteral("Loading"));
    QVERIFY(!widget.progressBar()->isTextVisible());
    QCOMPARE(widget.progressBar()->maximum(), 50);
    QCOMPARE(widget.progressBar()->value(), 0); // starts at 0, whatever the action holds
    // Inside the status bar's 17-pixel row, with room for the label's whole
    // line between the margins, and room for the terminate button.
    const QMargins margins = widget.layout()->contentsMargins();
    QCOMPARE(margins.left(), 3);
    QCOMPARE(margins.right(), 20);
    QVERIFY(widget.minimumHeight() <= 17);
    QVERIFY(widget.minimumHeight() - margins.top() - margins.bottom() >=
            widget.label()->fontMetrics().height());

    action.setProgress(30, 60);
    QCOMPARE(widget.progressBar()->maximum(), 60);
    QCOMPARE(widget.progressBar()->value(), 30);
    action.setProgressText(QStringLiteral("Almost"));
    QCOMPARE(widget.label()->text(), QStringLiteral("Almost"));
    action.setEnabled(false);
    QVERIFY(!widget.isEnabled());
}

void TestStatusBar::terminateButton()
{
    RibbonProgressAction action(QStringLiteral("Work"), nullptr);
    action.enableGrab(false);
    RibbonProgressWidget widget(action, nullptr);
    widget.resize(160, 24);
    QSignalSpy triggered(&action, &QAction::triggered);
    const QPoint button(150, 10); // hit rectangle (142, 3, 18, 18)

    const QPixmap& pixmap = skin().terminateProgressButton();
    const auto draws = oru::test::drawsOf(&widget, pixmap);
    QCOMPARE(draws.size(), 1);
    QCOMPARE(draws.at(0).target, QRectF(142, 0, 18, 18));
    QCOMPARE(draws.at(0).source, QRectF(0, 0, 18, 18));
    oru::test::placeCursor(&widget, button);
    QCOMPARE(sourceOf(&widget, pixmap), QRectF(0, 18, 18, 18));
    oru::test::mousePress(&widget, button);
    QCOMPARE(sourceOf(&widget, pixmap), QRectF(0, 36, 18, 18));
    oru::test::mouseRelease(&widget, button);
    QCOMPARE(triggered.count(), 1);
    // Released outside (the rows above y 3 too), or pressed outside: nothing.
    for (const auto& [press, release] :
         {std::pair{button, QPoint(100, 10)}, {button, QPoint(150, 1)}, {QPoint(20, 10), button}}) {
        oru::test::mousePress(&widget, press);
        oru::test::mouseRelease(&widget, release);
    }
    QCOMPARE(triggered.count(), 1);
    // Dragged off and back while held: still one trigger.
    oru::test::mousePress(&widget, button);
    oru::test::mouseMove(&widget, QPoint(50, 10), Qt::LeftButton);
    oru::test::mouseMove(&widget, button, Qt::LeftButton);
    oru::test::mouseRelease(&widget, button);
    QCOMPARE(triggered.count(), 2);
}

void TestStatusBar::grabWhileShown()
{
    QWidget window;
    window.resize(300, 100);
    RibbonProgressAction action(QStringLiteral("Work"), nullptr);
    auto* widget = new RibbonProgressWidget(action, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QWidget::mouseGrabber(), widget);
    QCOMPARE(QWidget::keyboardGrabber(), widget);

    widget->hide();
    QCOMPARE(QWidget::mouseGrabber(), static_cast<QWidget*>(nullptr));
    QCOMPARE(QWidget::keyboardGrabber(), static_cast<QWidget*>(nullptr));
    widget->show();
    QCOMPARE(QWidget::mouseGrabber(), widget);

    // Removed while shown.
    delete widget;
    QCOMPARE(QWidget::mouseGrabber(), static_cast<QWidget*>(nullptr));
    QCOMPARE(QWidget::keyboardGrabber(), static_cast<QWidget*>(nullptr));

    // Grab switched off: shown without grabbing.
    action.enableGrab(false);
    auto* quiet = new RibbonProgressWidget(action, &window);
    quiet->show();
    QCOMPARE(QWidget::mouseGrabber(), static_cast<QWidget*>(nullptr));
    delete quiet;
}

ORU_TEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
