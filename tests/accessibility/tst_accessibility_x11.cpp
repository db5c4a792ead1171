#include "a11ytestutil.h"

#include <oruTestApp.h>

#include <QAccessibleValueInterface>

using namespace oru;
using namespace oru::test;

namespace {

/// Everything an update handler saw, since the handler is a plain function.
QList<std::pair<QAccessible::Event, QVariant>> g_events;
QList<QObject*> g_eventObjects;

void recordEvent(QAccessibleEvent* event)
{
    QVariant value;
    if (event->type() == QAccessible::ValueChanged)
        value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    g_events.append({event->type(), value});
    g_eventObjects.append(event->object());
}

} // namespace

/// Runs inside a D-Bus session with the accessibility bus up (the AT-SPI
/// bridge is then active, so Qt delivers accessibility events at all).
class TestAccessibilityEvents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void valueEvents();
};

void TestAccessibilityEvents::initTestCase()
{
    if (!onX11())
        QSKIP("needs the xcb platform");
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 5000);
}

void TestAccessibilityEvents::valueEvents()
{
    DemoWindow demo;
    QAccessible::installUpdateHandler(recordEvent);
    g_events.clear();
    g_eventObjects.clear();

    QAccessibleInterface* zoom = findIn(demo.window, QAccessible::Slider, QStringLiteral("Zoom"));
    QAccessibleValueInterface* value = zoom->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->minimumValue().toInt(), 10);
    QCOMPARE(value->maximumValue().toInt(), 500);
    value->setCurrentValue(150);
    QCOMPARE(demo.zoom->percentage(), 150);
    QCOMPARE(value->currentValue().toInt(), 150);
    value->setCurrentValue(9000); // clamped, not refused
    QCOMPARE(demo.zoom->percentage(), 500);

    demo.progress->setProgressValue(40);
    QAccessibleInterface* progress =
        findIn(demo.window, QAccessible::ProgressBar, QStringLiteral("Exporting"));
    QCOMPARE(progress->valueInterface()->currentValue().toInt(), 40);
    QCOMPARE(progress->childCount(), 0);

    QAccessible::installUpdateHandler(nullptr);
    QList<std::pair<QObject*, QVariant>> values;
    for (int i = 0; i < g_events.size(); ++i) {
        // Only the ribbon's widgets: the progress widget's inner bar reports
        // its own value as well.
        QObject* object = g_eventObjects.at(i);
        if (g_events.at(i).first == QAccessible::ValueChanged &&
            (object == zoom->object() || object == progress->object()))
            values.append({g_eventObjects.at(i), g_events.at(i).second});
    }
    QCOMPARE(values.size(), 3);
    QCOMPARE(values.at(0).first, zoom->object());
    QCOMPARE(values.at(0).second.toInt(), 150);
    QCOMPARE(values.at(1).second.toInt(), 500);
    QCOMPARE(values.at(2).first, progress->object());
    QCOMPARE(values.at(2).second.toInt(), 40);
}

ORU_TEST_MAIN(TestAccessibilityEvents)
#include "tst_accessibility_x11.moc"
