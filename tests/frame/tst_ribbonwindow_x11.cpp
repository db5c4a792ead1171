#include "frametestutil.h"

#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>

#include <QScreen>

using namespace oru;
using namespace frametest;

namespace {

const QColor kBackdrop(255, 0, 0);

// A plain red window under the test window, so that every screen pixel the
// test window does not cover shows red.
class Backdrop : public QWidget
{
public:
    Backdrop() : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, kBackdrop);
        setPalette(pal);
        setAutoFillBackground(true);
        setGeometry(0, 0, 900, 700);
    }
};

QImage grabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

bool isBackdrop(const QImage& image, const QPoint& p)
{
    return QColor(image.pixel(p)) == kBackdrop;
}

} // namespace

// On a real X server: the shape of the window, and that moving and
// maximizing move the real window. Xvfb runs without a window manager, so
// windows appear exactly where they are placed and stack in mapping order.
class TestRibbonWindowX11 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shapedCorners();
    void dragMovesTheRealWindow();
    void maximizeCoversTheScreen();

private:
    std::unique_ptr<Backdrop> m_backdrop;
};

void TestRibbonWindowX11::init()
{
    if (!oru::test::onX11())
        QSKIP("needs an X server (xcb platform)");
    m_backdrop = std::make_unique<Backdrop>();
    m_backdrop->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_backdrop.get()));
}

void TestRibbonWindowX11::shapedCorners()
{
    RibbonWindow w;
    w.setGeometry(100, 100, 200, 120);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint o(100, 100);
    // Corner pixels cut by the mask show the backdrop; the frame covers the
    // rest of the outline.
    const QPoint cut[] = {{0, 0},   {3, 0},     {1, 1},     {0, 3},    {199, 0},
                          {196, 0}, {198, 1},   {199, 3},   {0, 119},  {0, 116},
                          {3, 119}, {199, 119}, {196, 119}, {198, 118}};
    const QPoint kept[] = {{4, 0},   {2, 1},     {1, 2},   {0, 4},   {195, 0},   {197, 1},
                           {198, 2}, {199, 4},   {0, 115}, {4, 119}, {195, 119}, {199, 115},
                           {100, 0}, {100, 119}, {0, 60},  {199, 60}};
    QTRY_VERIFY(!isBackdrop(grabScreen(), o + QPoint(100, 60)));
    const QImage screen = grabScreen();
    for (const QPoint& p : cut)
        QVERIFY2(isBackdrop(screen, o + p),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint& p : kept)
        QVERIFY2(!isBackdrop(screen, o + p),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
}

void TestRibbonWindowX11::dragMovesTheRealWindow()
{
    RibbonWindow w;
    w.setGeometry(100, 100, 200, 120);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint grab = at(w, QPoint(60, 18));
    press(w, grab);
    move(w, grab + QPoint(150, 80), Qt::LeftButton);
    move(w, grab + QPoint(250, 200), Qt::LeftButton);
    release(w, grab + QPoint(250, 200));
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));
    QCOMPARE(w.geometry(), QRect(350, 300, 200, 120));
    // The X window follows: the old place shows the backdrop, the new one
    // the window.
    QTRY_VERIFY(isBackdrop(grabScreen(), QPoint(200, 160)));
    QTRY_VERIFY(!isBackdrop(grabScreen(), QPoint(450, 360)));
    QTRY_COMPARE(w.windowHandle()->geometry(), QRect(350, 300, 200, 120));
}

void TestRibbonWindowX11::maximizeCoversTheScreen()
{
    RibbonWindow w;
    w.setGeometry(100, 100, 200, 120);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect available = w.screen()->availableGeometry();
    doubleClick(w, at(w, QPoint(60, 18)));
    QVERIFY(w.events().isMaximized());
    QCOMPARE(w.geometry(), available.adjusted(-7, -7, 7, 7));
    QTRY_COMPARE(w.windowHandle()->geometry(), available.adjusted(-7, -7, 7, 7));
    // The whole backdrop is covered, up to the screen's corners.
    for (const QPoint& p : {QPoint(0, 0), QPoint(899, 0), QPoint(0, 699), QPoint(450, 350)})
        QTRY_VERIFY2(!isBackdrop(grabScreen(), p),
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));

    // Restoring brings the backdrop back around the window.
    doubleClick(w, at(w, QPoint(60, 18)));
    QCOMPARE(w.geometry(), QRect(100, 100, 200, 120));
    QTRY_VERIFY(isBackdrop(grabScreen(), QPoint(50, 50)));
    QVERIFY(!isBackdrop(grabScreen(), QPoint(200, 160)));
}

ORU_TEST_MAIN(TestRibbonWindowX11)
#include "tst_ribbonwindow_x11.moc"
