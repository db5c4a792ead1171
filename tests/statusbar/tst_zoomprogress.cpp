#include <oruPaintRecorder.h>
#include <oruRibbonApplication.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonPercWidget.h>
#include <oruRibbonProgressAction.h>
#include <oruRibbonProgressWidget.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>
#include <oruTestInput.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

namespace {

const RibbonStyle* skin()
{
    return RibbonApplication::theApp()->ribbonStyle();
}

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

QRectF thumbTarget(const PaintRecorder& recorder)
{
    const QVector<PaintOp> draws = recorder.pixmapDraws(skin()->sliderThumb());
    return draws.isEmpty() ? QRectF() : draws.first().target;
}

} // namespace

class TestZoomProgress : public QObject
{
    Q_OBJECT

private slots:
    void init() { oru::test::parkCursor(); }
    void setPercentageRules();
    void thumbPosition_data();
    void thumbPosition();
    void dragValues_data();
    void dragValues();
    void clickSteps();
    void autoRepeat();
    void autoRepeatTiming();
    void paintFrames();
    void disabledAction();
    void progressSignals();
    void progressWidgetFollows();
    void terminateButton();
    void grabWhileShown();
    void grabRoutesInput();
};

void TestZoomProgress::setPercentageRules()
{
    RibbonPercAction action(10, 500, 600, nullptr);
    QCOMPARE(action.percentage(), 600); // the start value is not clamped
    QSignalSpy spy(&action, &RibbonPercAction::percentageChanged);
    QSignalSpy changed(&action, &QAction::changed);

    action.setPercentage(700);
    QCOMPARE(action.percentage(), 500);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 500);

    // Past the bound it already sits on: announced again, unchanged.
    action.setPercentage(600);
    QCOMPARE(action.percentage(), 500);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 500);
    QCOMPARE(changed.count(), 2);

    // The same value: nothing.
    action.setPercentage(500);
    QCOMPARE(spy.count(), 2);

    action.setPercentage(-5);
    QCOMPARE(action.percentage(), 10);
    QCOMPARE(spy.at(2).at(0).toInt(), 10);
    action.setPercentage(150);
    QCOMPARE(spy.at(3).at(0).toInt(), 150);
    QCOMPARE(spy.count(), 4);

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

void TestZoomProgress::thumbPosition_data()
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

void TestZoomProgress::thumbPosition()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, percentage);
    QFETCH(int, x);
    RibbonPercAction action(minimum, maximum, percentage, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    QCOMPARE(widget.thumbCenter(percentage), x);
    PaintRecorder recorder;
    widget.render(&recorder);
    QCOMPARE(thumbTarget(recorder), QRectF(x - 5, 2, 11, 15));
}

void TestZoomProgress::dragValues_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("value");
    QTest::newRow("snap 121") << 121 << 100;
    QTest::newRow("snap 123") << 123 << 100;
    QTest::newRow("snap 128") << 128 << 100;
    QTest::newRow("snap 129") << 129 << 100;
    QTest::newRow("130") << 130 << 150;
    QTest::newRow("120") << 120 << 89; // 10 + trunc(90*35/40 + .5) = 10 + 79
    QTest::newRow("100") << 100 << 44;
    QTest::newRow("85 minimum") << 85 << 10;
    QTest::newRow("before the track") << 40 << 10;
    QTest::newRow("165 maximum") << 165 << 500;
    QTest::newRow("past the track") << 189 << 500;
}

void TestZoomProgress::dragValues()
{
    QFETCH(int, x);
    QFETCH(int, value);
    RibbonPercAction action(10, 500, 300, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    QSignalSpy spy(&action, &RibbonPercAction::percentageChanged);

    // A move without a press does nothing.
    oru::test::mouseMove(&widget, QPoint(x, 9));
    QCOMPARE(action.percentage(), 300);

    const int thumb = widget.thumbCenter(300); // 125 + 200*40/400 = 145
    QCOMPARE(thumb, 145);
    oru::test::mousePress(&widget, QPoint(thumb, 9));
    QCOMPARE(action.percentage(), 300); // a press changes nothing
    oru::test::mouseMove(&widget, QPoint(x, 9), Qt::LeftButton);
    QCOMPARE(action.percentage(), value);
    QCOMPARE(widget.percentage(), value);
    QCOMPARE(spy.count(), 1);
    // The same spot again: no second announcement.
    oru::test::mouseMove(&widget, QPoint(x, 9), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    oru::test::mouseRelease(&widget, QPoint(x, 9));
    QCOMPARE(action.percentage(), value);
    // Dragging is over.
    oru::test::mouseMove(&widget, QPoint(x == 130 ? 100 : 130, 9));
    QCOMPARE(action.percentage(), value);
}

void TestZoomProgress::clickSteps()
{
    RibbonPercAction action(10, 500, 15, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    QSignalSpy spy(&action, &RibbonPercAction::percentageChanged);
    const QPoint minus(69, 9), plus(179, 9);

    oru::test::mouseClick(&widget, minus);
    QCOMPARE(action.percentage(), 10);
    QCOMPARE(spy.count(), 1);
    // At the minimum: no change event from the widget.
    oru::test::mouseClick(&widget, minus);
    QCOMPARE(action.percentage(), 10);
    QCOMPARE(spy.count(), 1);

    oru::test::mouseClick(&widget, plus);
    QCOMPARE(action.percentage(), 20);
    // The plus rectangle is (171, 1, 18, 18): its edges count, beyond not.
    oru::test::mouseClick(&widget, QPoint(171, 1));
    QCOMPARE(action.percentage(), 30);
    oru::test::mouseClick(&widget, QPoint(170, 9));
    QCOMPARE(action.percentage(), 30);
    oru::test::mouseClick(&widget, QPoint(60, 9)); // left of minus (61, 1, 18, 18)
    QCOMPARE(action.percentage(), 30);

    // A press on minus released elsewhere applies no step.
    oru::test::mousePress(&widget, minus);
    oru::test::mouseRelease(&widget, QPoint(30, 9));
    QCOMPARE(action.percentage(), 30);
    QVERIFY(!repeatTimer(widget)->isActive());
    // A press on plus released over minus: no step either.
    oru::test::mousePress(&widget, plus);
    oru::test::mouseRelease(&widget, minus);
    QCOMPARE(action.percentage(), 30);
}

void TestZoomProgress::autoRepeat()
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
    fire(timer);
    fire(timer);
    fire(timer);
    QCOMPARE(action.percentage(), 140);
    fire(timer);
    fire(timer); // at the maximum: no step, no announcement
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

void TestZoomProgress::autoRepeatTiming()
{
    // The same with the real clock: nothing before 200 ms, then a step
    // every 50 ms.
    RibbonPercAction action(10, 10000, 100, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    QElapsedTimer clock;
    QList<qint64> stepTimes;
    connect(&action, &RibbonPercAction::percentageChanged, &widget,
            [&] { stepTimes << clock.elapsed(); });
    clock.start();
    oru::test::mousePress(&widget, QPoint(179, 9));
    QTest::qWait(150);
    QCOMPARE(action.percentage(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(stepTimes.size() >= 4, 3000);
    oru::test::mouseRelease(&widget, QPoint(179, 9));
    QVERIFY2(stepTimes.at(0) >= 195, qPrintable(QString::number(stepTimes.at(0))));
    for (int i = 1; i < 4; ++i) {
        const qint64 gap = stepTimes.at(i) - stepTimes.at(i - 1);
        QVERIFY2(gap >= 45, qPrintable(QString::number(gap)));
    }
    const int steps = stepTimes.size();
    QCOMPARE(action.percentage(), 100 + 10 * steps);
}

void TestZoomProgress::paintFrames()
{
    RibbonPercAction action(10, 500, 100, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    widget.show();

    PaintRecorder recorder;
    widget.render(&recorder);
    const QVector<PaintOp> minus = recorder.pixmapDraws(skin()->sliderMinus());
    const QVector<PaintOp> plus = recorder.pixmapDraws(skin()->sliderPlus());
    QCOMPARE(minus.size(), 1);
    QCOMPARE(minus.at(0).target, QRectF(61, 1, 18, 18));
    QCOMPARE(minus.at(0).source, QRectF(0, 0, 18, 18));
    QCOMPARE(plus.at(0).target, QRectF(171, 1, 18, 18));
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("100 %")});
    QCOMPARE(recorder.ops(PaintOp::Text).at(0).pen.color(), skin()->normalCategoryTextColor());

    // Track lines and ticks, sunken then raised.
    QVector<QPair<QLineF, QColor>> lines;
    for (const PaintOp& op : recorder.ops(PaintOp::Lines))
        for (const QLineF& line : op.lines)
            lines.append({line, op.pen.color()});
    const QVector<QPair<QLineF, QColor>> expected = {
        {QLineF(80, 9, 170, 9), skin()->frameSunkenColor()},
        {QLineF(125, 6, 125, 13), skin()->frameSunkenColor()},
        {QLineF(80, 10, 170, 10), skin()->frameRaiseColor()},
        {QLineF(126, 7, 126, 14), skin()->frameRaiseColor()},
    };
    QCOMPARE(lines, expected);

    // Hover over the minus area (which is 1 pixel wider than its button).
    oru::test::placeCursor(&widget, QPoint(60, 0));
    recorder.clear();
    widget.render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin()->sliderMinus()).at(0).source, QRectF(0, 18, 18, 18));
    QCOMPARE(recorder.pixmapDraws(skin()->sliderPlus()).at(0).source, QRectF(0, 0, 18, 18));

    // Pressed plus shows frame 2 even with the cursor elsewhere; the thumb
    // hovers over its whole column.
    oru::test::mousePress(&widget, QPoint(179, 9));
    oru::test::placeCursor(&widget, QPoint(125, 19));
    recorder.clear();
    widget.render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin()->sliderPlus()).at(0).source, QRectF(0, 36, 18, 18));
    QCOMPARE(recorder.pixmapDraws(skin()->sliderThumb()).at(0).source, QRectF(0, 15, 11, 15));
    oru::test::mouseRelease(&widget, QPoint(0, 0));

    // Dragging the thumb: frame 2.
    oru::test::mousePress(&widget, QPoint(125, 9));
    recorder.clear();
    widget.render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin()->sliderThumb()).at(0).source, QRectF(0, 30, 11, 15));
    oru::test::mouseRelease(&widget, QPoint(125, 9));
}

void TestZoomProgress::disabledAction()
{
    RibbonPercAction action(10, 500, 100, nullptr);
    RibbonPercWidget widget(action, nullptr);
    widget.resize(190, 20);
    widget.show();
    action.setEnabled(false);
    QVERIFY(!widget.isEnabled());
    oru::test::placeCursor(&widget, QPoint(69, 9));
    PaintRecorder recorder;
    widget.render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin()->sliderMinus()).at(0).source, QRectF(0, 0, 18, 18));
    action.setEnabled(true);
    QVERIFY(widget.isEnabled());

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

void TestZoomProgress::progressSignals()
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
    QCOMPARE(order, QStringList({"range", "value 5"}));
    QCOMPARE(action.maximum(), 10);
    action.setProgress(6, 10);
    QCOMPARE(order, QStringList({"range", "value 5", "value 6"}));
    action.setProgressValue(6); // always announced
    action.setRange(0, 10);
    action.setProgressText(QStringLiteral("Saving"));
    action.setProgressText(QStringLiteral("Saving"));
    QCOMPARE(order.mid(3), QStringList({"value 6", "range", "text Saving", "text Saving"}));

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

void TestZoomProgress::progressWidgetFollows()
{
    RibbonProgressAction action(0, 50, 20, QStringLiteral("Loading"), nullptr);
    action.enableGrab(false);
    RibbonProgressWidget widget(action, nullptr);
    QCOMPARE(widget.sizeHint(), QSize(160, 10));
    QCOMPARE(widget.label()->text(), QStringLiteral("Loading"));
    QVERIFY(!widget.progressBar()->isTextVisible());
    QCOMPARE(widget.progressBar()->maximum(), 50);
    QCOMPARE(widget.progressBar()->value(), 0); // starts at 0, whatever the action holds
    QCOMPARE(widget.layout()->contentsMargins(), QMargins(3, 3, 20, 3));

    action.setProgress(30, 60);
    QCOMPARE(widget.progressBar()->maximum(), 60);
    QCOMPARE(widget.progressBar()->value(), 30);
    action.setProgressText(QStringLiteral("Almost"));
    QCOMPARE(widget.label()->text(), QStringLiteral("Almost"));
    action.setEnabled(false);
    QVERIFY(!widget.isEnabled());
}

void TestZoomProgress::terminateButton()
{
    RibbonProgressAction action(QStringLiteral("Work"), nullptr);
    action.enableGrab(false);
    RibbonProgressWidget widget(action, nullptr);
    widget.resize(160, 24);
    QSignalSpy triggered(&action, &QAction::triggered);
    const QPoint button(150, 10); // hit rectangle (142, 3, 18, 18)

    PaintRecorder recorder;
    widget.render(&recorder);
    QVector<PaintOp> draws = recorder.pixmapDraws(skin()->terminateProgressButton());
    QCOMPARE(draws.size(), 1);
    QCOMPARE(draws.at(0).target, QRectF(142, 0, 18, 18));
    QCOMPARE(draws.at(0).source, QRectF(0, 0, 18, 18));

    oru::test::placeCursor(&widget, button);
    recorder.clear();
    widget.render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin()->terminateProgressButton()).at(0).source,
             QRectF(0, 18, 18, 18));

    oru::test::mousePress(&widget, button);
    recorder.clear();
    widget.render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin()->terminateProgressButton()).at(0).source,
             QRectF(0, 36, 18, 18));
    oru::test::mouseRelease(&widget, button);
    QCOMPARE(triggered.count(), 1);

    // Released outside: nothing. The top rows above y 3 are outside too.
    oru::test::mousePress(&widget, button);
    oru::test::mouseRelease(&widget, QPoint(100, 10));
    oru::test::mousePress(&widget, button);
    oru::test::mouseRelease(&widget, QPoint(150, 1));
    QCOMPARE(triggered.count(), 1);
    // Pressed elsewhere, released on the button: nothing.
    oru::test::mousePress(&widget, QPoint(20, 10));
    oru::test::mouseRelease(&widget, button);
    QCOMPARE(triggered.count(), 1);
    // Dragged off and back while held: still one trigger.
    oru::test::mousePress(&widget, button);
    oru::test::mouseMove(&widget, QPoint(50, 10), Qt::LeftButton);
    oru::test::mouseMove(&widget, button, Qt::LeftButton);
    oru::test::mouseRelease(&widget, button);
    QCOMPARE(triggered.count(), 2);
}

void TestZoomProgress::grabWhileShown()
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

void TestZoomProgress::grabRoutesInput()
{
    // Window-system clicks on another widget do not arrive while the
    // indicator grabs, and do again once it is hidden.
    QWidget window;
    window.resize(300, 100);
    auto* button = new QPushButton(QStringLiteral("Other"), &window);
    button->setGeometry(10, 10, 100, 30);
    RibbonProgressAction action(QStringLiteral("Work"), nullptr);
    auto* widget = new RibbonProgressWidget(action, &window);
    widget->setGeometry(120, 60, 160, 24);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicked(button, &QPushButton::clicked);

    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
    QCOMPARE(clicked.count(), 0);
    widget->hide();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
    QCOMPARE(clicked.count(), 1);
}

ORU_TEST_MAIN(TestZoomProgress)
#include "tst_zoomprogress.moc"
