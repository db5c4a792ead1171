#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>

#include <QSignalSpy>

using namespace oru;

class TestApplicationObject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::Blue); }
    void theAppIsTheRunningApplication();
    void everySetEmitsOnce();
    void skinsAreBuiltOnceAndKept();
    void outOfRangeFallsBackToBlue();
};

void TestApplicationObject::theAppIsTheRunningApplication()
{
    QVERIFY(RibbonApplication::theApp() != nullptr);
    QCOMPARE(static_cast<QCoreApplication*>(RibbonApplication::theApp()), QCoreApplication::instance());
}

void TestApplicationObject::initTestCase()
{
    // Nothing has chosen a skin yet.
    QCOMPARE(RibbonApplication::theApp()->getRibbonStyle(), RibbonApplication::Blue);
}

void TestApplicationObject::everySetEmitsOnce()
{
    RibbonApplication* app = RibbonApplication::theApp();
    QSignalSpy spy(app, &RibbonApplication::ribbonStyleChanged);
    app->setRibbonStyle(RibbonApplication::Black);
    QCOMPARE(spy.count(), 1);
    app->setRibbonStyle(RibbonApplication::Black);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(app->getRibbonStyle(), RibbonApplication::Black);
    app->setRibbonStyle(RibbonApplication::Silver);
    QCOMPARE(spy.count(), 3);

    // The signal comes after the choice is stored: a slot reading the skin
    // sees the new one.
    QColor seen;
    QObject context;
    connect(app, &RibbonApplication::ribbonStyleChanged, &context,
            [&] { seen = RibbonApplication::theApp()->ribbonStyle()->mainClientColor(); });
    app->setRibbonStyle(RibbonApplication::Black);
    QCOMPARE(seen, QColor(83, 83, 83));
}

void TestApplicationObject::skinsAreBuiltOnceAndKept()
{
    RibbonApplication* app = RibbonApplication::theApp();
    app->setRibbonStyle(RibbonApplication::Black);
    RibbonStyle* black = app->ribbonStyle();
    QCOMPARE(app->ribbonStyle(), black);
    app->setRibbonStyle(RibbonApplication::Blue);
    RibbonStyle* blue = app->ribbonStyle();
    app->setRibbonStyle(RibbonApplication::Silver);
    RibbonStyle* silver = app->ribbonStyle();
    app->setRibbonStyle(RibbonApplication::Black);
    QCOMPARE(app->ribbonStyle(), black);

    QVERIFY(blue != black && black != silver && blue != silver);
    QCOMPARE(blue->mainClientColor(), QColor(191, 219, 255));
    QCOMPARE(silver->mainClientColor(), QColor(208, 212, 221));
    QCOMPARE(black->mainClientColor(), QColor(83, 83, 83));
    // The skins belong to nobody: the application does not own them.
    QVERIFY(blue->parent() == nullptr && silver->parent() == nullptr && black->parent() == nullptr);
    QVERIFY(!app->findChildren<RibbonStyle*>().contains(blue));
}

void TestApplicationObject::outOfRangeFallsBackToBlue()
{
    RibbonApplication* app = RibbonApplication::theApp();
    app->setRibbonStyle(RibbonApplication::Blue);
    RibbonStyle* blue = app->ribbonStyle();
    QSignalSpy spy(app, &RibbonApplication::ribbonStyleChanged);
    for (int value : {7, 3, -1}) {
        app->setRibbonStyle(RibbonApplication::eRibbonStyle(value));
        QCOMPARE(int(app->getRibbonStyle()), value);
        QCOMPARE(app->ribbonStyle(), blue);
    }
    QCOMPARE(spy.count(), 3);
}

ORU_TEST_MAIN(TestApplicationObject)
#include "tst_application.moc"
