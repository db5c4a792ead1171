#include "frametestutil.h"

#include <oruPaintRecorder.h>
#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>
#include <oruTestInput.h>

#include <QCursor>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

using namespace oru;
using namespace frametest;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

using Events = RibbonWindow::Events;
using Draw = QPair<QRectF, QRectF>; // target, source
using DrawList = QList<Draw>;
Q_DECLARE_METATYPE(Qt::Alignment)
Q_DECLARE_METATYPE(DrawList)

namespace {

const QRect kStart(100, 100, 400, 300);

RibbonStyle* skin()
{
    return RibbonApplication::theApp()->ribbonStyle();
}

DrawList drawsOf(const PaintRecorder& recorder, const QPixmap& pixmap)
{
    DrawList list;
    for (const PaintOp& op : recorder.pixmapDraws(pixmap))
        list.append({op.target, op.source});
    return list;
}

QRect maximizedGeometry(const QWidget& w)
{
    QScreen* screen = QGuiApplication::screenAt(w.geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen->availableGeometry().adjusted(-7, -7, 7, 7);
}

} // namespace

class TestRibbonWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { oru::test::parkCursor(); }

    void construction();
    void metrics_data();
    void metrics();
    void gripRect_data();
    void gripRect();
    void hoverCursor_data();
    void hoverCursor();
    void cursorLeavesWithTheFrame();
    void captionDrag();
    void nestedEventsAreDropped();
    void resizeGrips_data();
    void resizeGrips();
    void resizeLimits_data();
    void resizeLimits();
    void sysButtons_data();
    void sysButtons();
    void rightButton_data();
    void rightButton();
    void doubleClickMaximizeRestore();
    void frozenWhileMaximized();
    void frameSlices_data();
    void frameSlices();
    void sysButtonLooks_data();
    void sysButtonLooks();
    void titleAndIcon();
    void mask();
    void skinSwitch();
    void closeDeletesWindow();
};

namespace {
QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot shape windows and says so at every resize;
// that says nothing about the window under test.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support setting window masks")))
        return;
    previousHandler(type, context, message);
}
} // namespace

void TestRibbonWindow::initTestCase()
{
    previousHandler = qInstallMessageHandler(quietHandler);
}

void TestRibbonWindow::construction()
{
    RibbonWindow plain;
    QCOMPARE(plain.windowFlags() & (Qt::FramelessWindowHint | Qt::WindowSystemMenuHint),
             Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    QVERIFY(plain.isWindow());
    QVERIFY(plain.hasMouseTracking());
    QCOMPARE(stateOf(plain), QStringLiteral("Idle"));
    QVERIFY(!plain.events().isMaximized());
    QVERIFY(plain.events().normalGeometry().isNull());
    QCOMPARE(plain.contentsMargins(), QMargins(7, 33, 7, 7));

    // The second constructor passes the flags on unchanged.
    QWidget owner;
    RibbonWindow tool(&owner, Qt::Tool | Qt::FramelessWindowHint);
    QCOMPARE(tool.parentWidget(), &owner);
    QCOMPARE(tool.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(!(tool.windowFlags() & Qt::WindowSystemMenuHint));
    QVERIFY(tool.hasMouseTracking());
    QCOMPARE(stateOf(tool), QStringLiteral("Idle"));
}

void TestRibbonWindow::metrics_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("width");
    QTest::newRow("13px font, 400 wide") << 13 << 400;
    QTest::newRow("20px font, 400 wide") << 20 << 400;
    QTest::newRow("8px font, 250 wide") << 8 << 250;
}

void TestRibbonWindow::metrics()
{
    QFETCH(int, pixelSize);
    QFETCH(int, width);
    RibbonWindow w;
    QFont font = oru::test::TestApplication::testFont();
    font.setPixelSize(pixelSize);
    w.setFont(font);
    w.resize(width, 300);

    const int k = qMax(QFontMetrics(font).height(), 16) + 17;
    QCOMPARE(w.captionHeight(), k);
    if (pixelSize <= 13)
        QCOMPARE(w.captionHeight(), 33);
    QCOMPARE(w.captionRect(), QRect(29, 10, width - 96, k - 17));
    QCOMPARE(w.sysMinimizeRect(), QRect(width - 67, 10, 16, 16));
    QCOMPARE(w.sysMaximizeRestoreRect(), QRect(width - 45, 10, 16, 16));
    QCOMPARE(w.sysCloseRect(), QRect(width - 23, 10, 16, 16));
    // The caption and the three buttons never overlap.
    QCOMPARE(w.captionRect().right(), width - 68);
    QVERIFY(w.sysMinimizeRect().right() < w.sysMaximizeRestoreRect().left());
    QVERIFY(w.sysMaximizeRestoreRect().right() < w.sysCloseRect().left());
    QCOMPARE(w.sysCloseRect().right(), width - 8);
}

void TestRibbonWindow::gripRect_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<Qt::Alignment>("grip");
    QTest::addColumn<QRect>("expected");

    const QRect r(100, 100, 200, 150); // L 100, T 100, R 299, B 249
    auto corners = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r, b)); };
    QTest::newRow("top") << r << Events::sGripTop << corners(107, 100, 292, 109);
    QTest::newRow("top-right") << r << Events::sGripTopRight << corners(293, 100, 299, 109);
    QTest::newRow("right") << r << Events::sGripRight << corners(293, 110, 299, 242);
    QTest::newRow("bottom-right") << r << Events::sGripBottomRight << corners(293, 243, 299, 249);
    QTest::newRow("bottom") << r << Events::sGripBottom << corners(107, 243, 292, 249);
    QTest::newRow("bottom-left") << r << Events::sGripBottomLeft << corners(100, 243, 106, 249);
    QTest::newRow("left") << r << Events::sGripLeft << corners(100, 110, 106, 242);
    QTest::newRow("top-left") << r << Events::sGripTopLeft << corners(100, 100, 106, 109);
    QTest::newRow("smallest, top-left")
        << QRect(-5, -5, 14, 17) << Events::sGripTopLeft << corners(-5, -5, 1, 4);
    QTest::newRow("smallest, bottom-right")
        << QRect(-5, -5, 14, 17) << Events::sGripBottomRight << corners(2, 5, 8, 11);

    // Degenerate rectangles and values that are not grips.
    const Qt::Alignment grips[] = {
        Events::sGripTop,    Events::sGripTopRight,   Events::sGripRight, Events::sGripBottomRight,
        Events::sGripBottom, Events::sGripBottomLeft, Events::sGripLeft,  Events::sGripTopLeft};
    const std::pair<const char*, QRect> degenerate[] = {
        {"13 wide", QRect(0, 0, 13, 100)},
        {"16 high", QRect(0, 0, 100, 16)},
        {"empty", QRect(10, 10, 0, 0)},
        {"null", QRect()},
        {"inverted", QRect(QPoint(300, 300), QPoint(100, 100))},
    };
    for (const auto& [name, rect] : degenerate) {
        for (const Qt::Alignment& grip : grips)
            QTest::addRow("%s, grip %d", name, int(grip)) << rect << grip << QRect();
    }
    QTest::newRow("no grip") << r << Qt::Alignment() << QRect();
    QTest::newRow("centre") << r << Qt::Alignment(Qt::AlignCenter) << QRect();
    QTest::newRow("top and bottom")
        << r << Qt::Alignment(Qt::AlignTop | Qt::AlignBottom) << QRect();
    QTest::newRow("top-right-hcenter")
        << r << Qt::Alignment(Qt::AlignTop | Qt::AlignRight | Qt::AlignHCenter) << QRect();
}

void TestRibbonWindow::gripRect()
{
    QFETCH(QRect, rect);
    QFETCH(Qt::Alignment, grip);
    QFETCH(QRect, expected);
    const QRect result = Events::gripRect(rect, grip);
    QCOMPARE(result, expected);
    QCOMPARE(result.isNull(), expected.isNull());
}

void TestRibbonWindow::hoverCursor_data()
{
    QTest::addColumn<QPoint>("local");
    QTest::addColumn<int>("shape");
    // Window 400x300: the top zones are 10 pixels high, the others 7 deep.
    QTest::newRow("top") << QPoint(200, 0) << int(Qt::SizeVerCursor);
    QTest::newRow("top, lowest row") << QPoint(7, 9) << int(Qt::SizeVerCursor);
    QTest::newRow("top-right") << QPoint(393, 9) << int(Qt::SizeBDiagCursor);
    QTest::newRow("right") << QPoint(399, 150) << int(Qt::SizeHorCursor);
    QTest::newRow("right, inner column") << QPoint(393, 10) << int(Qt::SizeHorCursor);
    QTest::newRow("bottom-right") << QPoint(393, 293) << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom") << QPoint(392, 299) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom-left") << QPoint(6, 293) << int(Qt::SizeBDiagCursor);
    QTest::newRow("left") << QPoint(0, 292) << int(Qt::SizeHorCursor);
    QTest::newRow("top-left") << QPoint(6, 0) << int(Qt::SizeFDiagCursor);
    QTest::newRow("caption") << QPoint(100, 20) << int(Qt::ArrowCursor);
    QTest::newRow("just inside the left zone") << QPoint(7, 150) << int(Qt::ArrowCursor);
    QTest::newRow("below the top zone") << QPoint(200, 10) << int(Qt::ArrowCursor);
    QTest::newRow("client area") << QPoint(200, 150) << int(Qt::ArrowCursor);
}

void TestRibbonWindow::hoverCursor()
{
    QFETCH(QPoint, local);
    QFETCH(int, shape);
    RibbonWindow w;
    w.setGeometry(kStart);
    // Start from a shape no row expects, so that every row proves a change.
    w.setCursor(Qt::CrossCursor);
    move(w, at(w, local));
    QCOMPARE(int(w.cursor().shape()), shape);
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));
    QCOMPARE(w.geometry(), kStart);
}

void TestRibbonWindow::cursorLeavesWithTheFrame()
{
    RibbonWindow w;
    auto* layout = new QVBoxLayout(&w);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* child = new QWidget;
    layout->addWidget(child);
    w.setGeometry(kStart);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(child->geometry(), QRect(7, 33, 386, 260));

    // From the left border straight into the child.
    move(w, at(w, QPoint(3, 150)));
    QCOMPARE(w.cursor().shape(), Qt::SizeHorCursor);
    oru::test::mouseEnter(child, QPoint(1, 100));
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(child->cursor().shape(), Qt::ArrowCursor);

    // During a resize the shape stays while the mouse crosses children.
    const QPoint start = at(w, QPoint(3, 150));
    move(w, start);
    press(w, start);
    oru::test::mouseEnter(child, QPoint(1, 100));
    QCOMPARE(w.cursor().shape(), Qt::SizeHorCursor);
    release(w, start);

    // A widget taken out of the window no longer resets it.
    QWidget elsewhere;
    child->setParent(&elsewhere);
    oru::test::mouseEnter(child, QPoint(1, 1));
    QCOMPARE(w.cursor().shape(), Qt::SizeHorCursor);
}

void TestRibbonWindow::captionDrag()
{
    RibbonWindow w;
    w.setGeometry(kStart);
    const QPoint grab = at(w, QPoint(150, 20));
    press(w, grab);
    QCOMPARE(stateOf(w), QStringLiteral("MoveWindow"));
    QCOMPARE(w.geometry(), kStart); // the press alone moves nothing

    const QPoint deltas[] = {{1, 0}, {35, -12}, {-140, 60}, {-200, -150}};
    for (const QPoint& d : deltas) {
        move(w, grab + d, Qt::LeftButton);
        QCOMPARE(w.geometry(), kStart.translated(d));
        QCOMPARE(stateOf(w), QStringLiteral("MoveWindow"));
    }
    // A second press mid-drag re-anchors the drag at its own point.
    const QPoint regrab = grab + QPoint(-200, -150) + QPoint(30, 2);
    press(w, regrab, Qt::RightButton);
    QCOMPARE(stateOf(w), QStringLiteral("MoveWindow"));
    const QRect anchored = w.geometry();
    move(w, regrab + QPoint(10, 10), Qt::LeftButton | Qt::RightButton);
    QCOMPARE(w.geometry(), anchored.translated(10, 10));

    release(w, regrab + QPoint(10, 10));
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));
    const QRect dropped = w.geometry();
    move(w, regrab + QPoint(90, 90));
    QCOMPARE(w.geometry(), dropped);
}

namespace {
// Sends itself a mouse press from inside every move, as a window system may
// deliver events while a reaction moves the window.
class ReentrantWindow : public RibbonWindow
{
public:
    int moves = 0;

protected:
    void moveEvent(QMoveEvent*) override
    {
        ++moves;
        press(*this, geometry().topLeft() + QPoint(300, 200), Qt::RightButton);
    }
};
} // namespace

void TestRibbonWindow::nestedEventsAreDropped()
{
    ReentrantWindow w;
    w.setGeometry(kStart);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint grab = at(w, QPoint(150, 20));
    press(w, grab);
    const int before = w.moves;
    move(w, grab + QPoint(20, 10), Qt::LeftButton);
    move(w, grab + QPoint(40, 30), Qt::LeftButton);
    QVERIFY(w.moves > before);
    // Had the nested presses re-anchored the drag, the second step would be
    // off by the distance to their point.
    QCOMPARE(w.geometry(), kStart.translated(40, 30));
    QCOMPARE(stateOf(w), QStringLiteral("MoveWindow"));
    release(w, grab + QPoint(40, 30));
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));
}

void TestRibbonWindow::resizeGrips_data()
{
    QTest::addColumn<QPoint>("local");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");
    // Window (100, 100, 400x300); each grip moves its own edges only.
    QTest::newRow("top") << QPoint(200, 3) << QPoint(5, -20) << QRect(100, 80, 400, 320);
    QTest::newRow("top-right") << QPoint(396, 3) << QPoint(30, 10) << QRect(100, 110, 430, 290);
    QTest::newRow("right") << QPoint(397, 150) << QPoint(-50, 7) << QRect(100, 100, 350, 300);
    QTest::newRow("bottom-right") << QPoint(397, 297) << QPoint(20, 25)
                                  << QRect(100, 100, 420, 325);
    QTest::newRow("bottom") << QPoint(200, 297) << QPoint(9, -40) << QRect(100, 100, 400, 260);
    QTest::newRow("bottom-left") << QPoint(2, 297) << QPoint(15, 15) << QRect(115, 100, 385, 315);
    QTest::newRow("left") << QPoint(2, 150) << QPoint(-25, 3) << QRect(75, 100, 425, 300);
    QTest::newRow("top-left") << QPoint(2, 2) << QPoint(-10, -10) << QRect(90, 90, 410, 310);
}

void TestRibbonWindow::resizeGrips()
{
    QFETCH(QPoint, local);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    RibbonWindow w;
    w.setGeometry(kStart);
    const QPoint start = at(w, local);
    press(w, start);
    QCOMPARE(stateOf(w), QStringLiteral("ResizeWindow"));
    QCOMPARE(w.geometry(), kStart);

    // The step always starts from the press geometry, so intermediate moves
    // do not accumulate.
    move(w, start + delta * 3, Qt::LeftButton);
    move(w, start + delta, Qt::LeftButton);
    QCOMPARE(w.geometry(), expected);
    release(w, start + delta);
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));
    move(w, start + delta * 2);
    QCOMPARE(w.geometry(), expected);
}

void TestRibbonWindow::resizeLimits_data()
{
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QPoint>("local");
    QTest::addColumn<QList<QPoint>>("deltas");
    QTest::addColumn<QList<QRect>>("expected");

    // Top-left of (100, 100, 400x300) with a 200x100 minimum.
    QTest::newRow("top-left, minimum 200x100")
        << QSize(200, 100) << QPoint(2, 2)
        << QList<QPoint>{{150, 150}, {250, 150}, {150, 250}, {200, 200}, {190, 190}}
        << QList<QRect>{QRect(250, 250, 250, 150), QRect(250, 250, 250, 150),
                        QRect(250, 250, 250, 150), QRect(300, 300, 200, 100),
                        QRect(290, 290, 210, 110)};
    // Without a minimum the floor is 14x17; a jump below it leaves the window
    // at its last size instead of snapping to the floor.
    QTest::newRow("bottom-right, floor")
        << QSize() << QPoint(397, 297)
        << QList<QPoint>{{-300, -200}, {-390, -290}, {-386, -283}, {-387, -283}, {-386, -284}}
        << QList<QRect>{QRect(100, 100, 100, 100), QRect(100, 100, 100, 100),
                        QRect(100, 100, 14, 17), QRect(100, 100, 14, 17), QRect(100, 100, 14, 17)};
    QTest::newRow("left, past the right edge")
        << QSize() << QPoint(2, 150) << QList<QPoint>{{300, 0}, {500, 0}, {386, 0}}
        << QList<QRect>{QRect(400, 100, 100, 300), QRect(400, 100, 100, 300),
                        QRect(486, 100, 14, 300)};
    QTest::newRow("top, minimum height wins over the floor")
        << QSize(0, 40) << QPoint(200, 2) << QList<QPoint>{{0, 260}, {0, 261}, {0, 250}}
        << QList<QRect>{QRect(100, 360, 400, 40), QRect(100, 360, 400, 40),
                        QRect(100, 350, 400, 50)};
}

void TestRibbonWindow::resizeLimits()
{
    QFETCH(QSize, minimum);
    QFETCH(QPoint, local);
    QFETCH(QList<QPoint>, deltas);
    QFETCH(QList<QRect>, expected);
    RibbonWindow w;
    if (minimum.isValid())
        w.setMinimumSize(minimum);
    w.setGeometry(kStart);
    const QPoint start = at(w, local);
    press(w, start);
    QCOMPARE(stateOf(w), QStringLiteral("ResizeWindow"));
    for (int i = 0; i < deltas.size(); ++i) {
        move(w, start + deltas.at(i), Qt::LeftButton);
        QVERIFY2(w.geometry() == expected.at(i), qPrintable(QStringLiteral("step %1: %2,%3 %4x%5")
                                                                .arg(i)
                                                                .arg(w.geometry().x())
                                                                .arg(w.geometry().y())
                                                                .arg(w.width())
                                                                .arg(w.height())));
    }
    release(w, start);
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));
}

void TestRibbonWindow::sysButtons_data()
{
    QTest::addColumn<int>("button"); // 0 minimize, 1 maximize/restore, 2 close
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("leave");
    QTest::addColumn<bool>("comeBack");
    const char* names[] = {"minimize", "maximize", "close"};
    const char* states[] = {"SysMinimize", "SysMaximizeRestore", "SysClose"};
    for (int b = 0; b < 3; ++b) {
        QTest::addRow("%s, release on it", names[b]) << b << states[b] << false << false;
        QTest::addRow("%s, leave, release", names[b]) << b << states[b] << true << false;
        QTest::addRow("%s, leave, come back", names[b]) << b << states[b] << true << true;
    }
}

void TestRibbonWindow::sysButtons()
{
    QFETCH(int, button);
    QFETCH(QString, state);
    QFETCH(bool, leave);
    QFETCH(bool, comeBack);
    CountingWindow w;
    w.setGeometry(kStart);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect rects[] = {w.sysMinimizeRect(), w.sysMaximizeRestoreRect(), w.sysCloseRect()};
    const QPoint on = at(w, rects[button].center());
    const QPoint off = at(w, QPoint(200, 150));

    press(w, on);
    QCOMPARE(stateOf(w), state);
    if (leave) {
        // Moves do nothing in these states, not even the cursor shape.
        w.setCursor(Qt::CrossCursor);
        move(w, at(w, QPoint(0, 150)), Qt::LeftButton);
        QCOMPARE(stateOf(w), state);
        QCOMPARE(w.cursor().shape(), Qt::CrossCursor);
    }
    const QPoint where = leave && !comeBack ? off : on;
    if (comeBack)
        move(w, where, Qt::LeftButton);
    release(w, where);
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));

    const bool acts = !leave || comeBack;
    QCOMPARE(w.isMinimized(), acts && button == 0);
    QCOMPARE(w.events().isMaximized(), acts && button == 1);
    QCOMPARE(w.closeRequests, acts && button == 2 ? 1 : 0);
    QCOMPARE(w.isVisible(), !(acts && button == 2));
    QCOMPARE(w.geometry(), acts && button == 1 ? maximizedGeometry(w) : kStart);
}

void TestRibbonWindow::rightButton_data()
{
    QTest::addColumn<QPoint>("local"); // left press that sets the state up; null: none
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("afterPress");
    QTest::addColumn<QString>("afterPressRelease");
    QTest::addColumn<QString>("afterRelease");
    // Window 400x300: caption at y 10..25, buttons at x 333, 355, 377.
    QTest::newRow("Idle") << QPoint() << "Idle"
                          << "Idle"
                          << "Idle"
                          << "Idle";
    QTest::newRow("MoveWindow") << QPoint(150, 20) << "MoveWindow"
                                << "MoveWindow"
                                << "Idle"
                                << "Idle";
    QTest::newRow("ResizeWindow") << QPoint(2, 150) << "ResizeWindow"
                                  << "Idle"
                                  << "Idle"
                                  << "Idle";
    QTest::newRow("SysMinimize") << QPoint(340, 17) << "SysMinimize"
                                 << "SysMinimize"
                                 << "SysMinimize"
                                 << "SysMinimize";
    QTest::newRow("SysMaximizeRestore") << QPoint(362, 17) << "SysMaximizeRestore"
                                        << "SysMaximizeRestore"
                                        << "SysMaximizeRestore"
                                        << "SysMaximizeRestore";
    QTest::newRow("SysClose") << QPoint(384, 17) << "SysClose"
                              << "SysClose"
                              << "SysClose"
                              << "SysClose";
}

void TestRibbonWindow::rightButton()
{
    QFETCH(QPoint, local);
    QFETCH(QString, state);
    QFETCH(QString, afterPress);
    QFETCH(QString, afterPressRelease);
    QFETCH(QString, afterRelease);
    CountingWindow w;
    w.setGeometry(kStart);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    auto enter = [&] {
        if (!local.isNull())
            press(w, at(w, local));
        QCOMPARE(stateOf(w), state);
    };
    auto reset = [&] {
        // A left release away from every button ends any gesture harmlessly.
        release(w, at(w, QPoint(200, 150)));
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
    };

    // Right press, then right release, at each of the three system buttons
    // and on the caption: the right button never acts.
    const QPoint targets[] = {w.sysMinimizeRect().center(), w.sysMaximizeRestoreRect().center(),
                              w.sysCloseRect().center(), QPoint(150, 20)};
    for (const QPoint& target : targets) {
        enter();
        press(w, at(w, local.isNull() ? target : local), Qt::RightButton);
        QCOMPARE(stateOf(w), afterPress);
        release(w, at(w, target), Qt::RightButton);
        QCOMPARE(stateOf(w), afterPressRelease);
        reset();

        enter();
        release(w, at(w, target), Qt::RightButton);
        QCOMPARE(stateOf(w), afterRelease);
        reset();
    }
    QCOMPARE(w.geometry(), kStart);
    QVERIFY(!w.isMinimized());
    QVERIFY(!w.events().isMaximized());
    QCOMPARE(w.closeRequests, 0);

    // Right double-clicks on the caption do not maximize either.
    doubleClick(w, at(w, QPoint(150, 20)), Qt::RightButton);
    QVERIFY(!w.events().isMaximized());
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));
}

void TestRibbonWindow::doubleClickMaximizeRestore()
{
    CountingWindow w;
    const QRect normal(123, 87, 345, 234);
    w.setGeometry(normal);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect maximized = maximizedGeometry(w);
    QVERIFY(maximized != normal);

    // A double-click outside the caption does nothing.
    doubleClick(w, at(w, QPoint(150, 150)));
    doubleClick(w, at(w, w.sysMinimizeRect().center() + QPoint(0, 30)));
    QCOMPARE(w.geometry(), normal);
    QVERIFY(!w.events().isMaximized());

    doubleClick(w, at(w, QPoint(40, 15)));
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));
    QVERIFY(w.events().isMaximized());
    QCOMPARE(w.geometry(), maximized);
    QCOMPARE(w.events().normalGeometry(), normal);
    QVERIFY(!w.isMaximized()); // the window-manager state is left alone

    doubleClick(w, at(w, w.captionRect().center()));
    QVERIFY(!w.events().isMaximized());
    QVERIFY(w.events().normalGeometry().isNull());
    QCOMPARE(w.geometry(), normal);

    // Maximize with the button, restore with a double-click and back.
    mouseClickAt(w, w.sysMaximizeRestoreRect().center());
    QCOMPARE(w.geometry(), maximized);
    doubleClick(w, at(w, w.captionRect().center()));
    QCOMPARE(w.geometry(), normal);
    doubleClick(w, at(w, w.captionRect().center()));
    QCOMPARE(w.geometry(), maximized);
    mouseClickAt(w, w.sysMaximizeRestoreRect().center());
    QCOMPARE(w.geometry(), normal);
    QVERIFY(!w.events().isMaximized());
    QCOMPARE(w.closeRequests, 0);
}

void TestRibbonWindow::frozenWhileMaximized()
{
    RibbonWindow w;
    w.setGeometry(kStart);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The top grip sets a shape that a maximized window must keep.
    move(w, at(w, QPoint(200, 2)));
    QCOMPARE(w.cursor().shape(), Qt::SizeVerCursor);
    doubleClick(w, at(w, QPoint(150, 20)));
    QVERIFY(w.events().isMaximized());
    const QRect maximized = w.geometry();

    // Hovering any grip leaves the cursor alone.
    const QPoint hovers[] = {{w.width() - 2, w.height() - 2}, {1, 150}, {150, 20}};
    for (const QPoint& p : hovers) {
        move(w, at(w, p));
        QCOMPARE(w.cursor().shape(), Qt::SizeVerCursor);
    }

    // Caption drags and border drags start nothing.
    const QPoint presses[] = {{150, 20}, {2, 150}, {w.width() - 3, w.height() - 3}, {200, 3}};
    for (const QPoint& p : presses) {
        const QPoint global = at(w, p);
        press(w, global);
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
        move(w, global + QPoint(-60, -40), Qt::LeftButton);
        move(w, global + QPoint(80, 50), Qt::LeftButton);
        release(w, global + QPoint(80, 50));
        QCOMPARE(w.geometry(), maximized);
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
    }
    // The buttons still work: minimize keeps the maximized bookkeeping.
    press(w, at(w, w.sysMaximizeRestoreRect().center()));
    QCOMPARE(stateOf(w), QStringLiteral("SysMaximizeRestore"));
    release(w, at(w, w.sysMaximizeRestoreRect().center()));
    QCOMPARE(w.geometry(), kStart);
}

void TestRibbonWindow::frameSlices_data()
{
    QTest::addColumn<bool>("active");
    QTest::newRow("active") << true;
    QTest::newRow("inactive") << false;
}

void TestRibbonWindow::frameSlices()
{
    QFETCH(bool, active);
    RibbonWindow w;
    w.setWindowTitle(QStringLiteral("Frame"));
    w.setGeometry(kStart);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget other;
    if (active) {
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    } else {
        other.setGeometry(600, 600, 50, 50);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!w.isActiveWindow());
    }

    PaintRecorder recorder;
    w.render(&recorder);
    const int a = active ? 0 : 35;
    const DrawList caption{
        {QRectF(0, 0, 7, 33), QRectF(a, 0, 7, 31)},
        {QRectF(7, 0, 393, 33), QRectF(a + 7, 0, 21, 31)},
        {QRectF(393, 0, 7, 33), QRectF(a + 28, 0, 7, 31)},
    };
    const DrawList border{
        {QRectF(0, 33, 7, 260), QRectF(a, 15, 7, 1)},
        {QRectF(393, 33, 7, 260), QRectF(a + 28, 15, 7, 1)},
        {QRectF(0, 293, 7, 7), QRectF(a, 16, 7, 7)},
        {QRectF(7, 293, 386, 7), QRectF(a + 7, 16, 21, 7)},
        {QRectF(393, 293, 7, 7), QRectF(a + 28, 16, 7, 7)},
    };
    QCOMPARE(drawsOf(recorder, skin()->mainBorderCaption()), caption);
    QCOMPARE(drawsOf(recorder, skin()->mainBorder()), border);

    // The caption strip comes first, then the borders, then the rest.
    const QVector<PaintOp> pixmaps = recorder.ops(PaintOp::Pixmap);
    QVERIFY(pixmaps.size() >= 8);
    for (int i = 0; i < 8; ++i) {
        const QPixmap& expected = i < 3 ? skin()->mainBorderCaption() : skin()->mainBorder();
        QCOMPARE(pixmaps.at(i).pixmapKey, expected.cacheKey());
    }

    // The title pen follows activation; the button glyphs do not.
    const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.first().text, QStringLiteral("Frame"));
    QCOMPARE(texts.first().pen.color(),
             active ? skin()->activeTitleTextColor() : skin()->inactiveTitleTextColor());
    QCOMPARE(drawsOf(recorder, skin()->sysBtnCloseSmall()),
             DrawList({{QRectF(w.sysCloseRect()), QRectF(0, 36, 13, 12)}}));
}

void TestRibbonWindow::sysButtonLooks_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<QRect>("back");  // null: no background
    QTest::addColumn<QRect>("glyph"); // source of the glyph
    const char* names[] = {"minimize", "maximize", "close"};
    for (int b = 0; b < 3; ++b) {
        QTest::addRow("%s normal", names[b])
            << b << false << false << QRect() << QRect(0, 36, 13, 12);
        QTest::addRow("%s hovered", names[b])
            << b << false << true << QRect(0, 0, 17, 16) << QRect(0, 12, 13, 12);
        QTest::addRow("%s pressed", names[b])
            << b << true << true << QRect(0, 16, 17, 16) << QRect(0, 0, 13, 12);
        QTest::addRow("%s pressed, mouse away", names[b])
            << b << true << false << QRect() << QRect(0, 36, 13, 12);
    }
}

void TestRibbonWindow::sysButtonLooks()
{
    QFETCH(int, button);
    QFETCH(bool, pressed);
    QFETCH(bool, hovered);
    QFETCH(QRect, back);
    QFETCH(QRect, glyph);
    RibbonWindow w;
    w.setGeometry(kStart);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect rects[] = {w.sysMinimizeRect(), w.sysMaximizeRestoreRect(), w.sysCloseRect()};
    const QPixmap* glyphs[] = {&skin()->sysBtnMinimizeSmall(), &skin()->sysBtnMaximizeSmall(),
                               &skin()->sysBtnCloseSmall()};
    const QRect rect = rects[button];
    if (pressed)
        press(w, at(w, rect.center()));
    QCursor::setPos(hovered ? at(w, rect.topLeft()) : at(w, rect.bottomRight() + QPoint(1, 1)));

    PaintRecorder recorder;
    w.render(&recorder);
    for (int b = 0; b < 3; ++b) {
        // The other buttons keep their normal look.
        const QRect source = b == button ? glyph : QRect(0, 36, 13, 12);
        QCOMPARE(drawsOf(recorder, *glyphs[b]), DrawList({{QRectF(rects[b]), QRectF(source)}}));
    }
    const DrawList backs = drawsOf(recorder, skin()->sysBtnBack());
    QCOMPARE(backs, back.isNull() ? DrawList() : DrawList({{QRectF(rect), QRectF(back)}}));
    QVERIFY(drawsOf(recorder, skin()->sysBtnRestoreSmall()).isEmpty());
    if (back.isValid()) {
        // The background goes under the glyph.
        const QVector<PaintOp> ops = recorder.ops(PaintOp::Pixmap);
        int backIndex = -1;
        int glyphIndex = -1;
        for (int i = 0; i < ops.size(); ++i) {
            if (ops[i].pixmapKey == skin()->sysBtnBack().cacheKey())
                backIndex = i;
            if (ops[i].pixmapKey == glyphs[button]->cacheKey())
                glyphIndex = i;
        }
        QVERIFY(backIndex >= 0 && backIndex < glyphIndex);
    }
}

void TestRibbonWindow::titleAndIcon()
{
    RibbonWindow w;
    w.setGeometry(kStart);
    const QFontMetrics fm(w.font());
    const QString longTitle = QStringLiteral("A title far too long for the caption of a window "
                                             "that is only four hundred pixels wide, really");
    QVERIFY(fm.horizontalAdvance(longTitle) > w.captionRect().width());
    w.setWindowTitle(longTitle);
    {
        PaintRecorder recorder;
        w.render(&recorder);
        const QStringList texts = recorder.texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts.first().endsWith(QChar(0x2026)));
        QVERIFY(longTitle.startsWith(texts.first().chopped(1)));
        QVERIFY(fm.horizontalAdvance(texts.first()) <= w.captionRect().width());
        // Drawn inside the caption rectangle.
        const PaintOp op = recorder.ops(PaintOp::Text).first();
        QVERIFY(op.position.x() >= w.captionRect().left());
        QVERIFY(op.position.y() > w.captionRect().top() &&
                op.position.y() <= w.captionRect().bottom() + 1);
        // Nothing is drawn where no icon is set.
        QCOMPARE(recorder.ops(PaintOp::Pixmap).size(), 8 + 3);
    }

    w.setWindowTitle(QString());
    QPixmap iconPixmap(32, 32);
    iconPixmap.fill(Qt::red);
    w.setWindowIcon(QIcon(iconPixmap));
    {
        PaintRecorder recorder;
        w.render(&recorder);
        QVERIFY(recorder.texts().isEmpty());
        // The icon is centred on (14, (K + 2) / 2) = (14, 17).
        const QVector<PaintOp> pixmaps = recorder.ops(PaintOp::Pixmap);
        QCOMPARE(pixmaps.size(), 8 + 1 + 3);
        QCOMPARE(pixmaps.at(8).target, QRectF(7, 10, 16, 16));
    }
    // The icon really lands there.
    w.setWindowTitle(QStringLiteral("x"));
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    w.render(&image);
    QCOMPARE(QColor(image.pixel(7, 10)), QColor(Qt::red));
    QCOMPARE(QColor(image.pixel(22, 25)), QColor(Qt::red));
    QVERIFY(QColor(image.pixel(23, 17)) != QColor(Qt::red));
}

void TestRibbonWindow::mask()
{
    RibbonWindow w;
    w.setGeometry(50, 50, 100, 60);
    w.show(); // a hidden window gets its resize event only when shown
    // Per row, the first and last pixel inside the outline: stepped corners
    // of 4 pixels.
    auto span = [](int y, int h) -> std::pair<int, int> {
        const int d = qMin(y, h - 1 - y);
        if (d == 0)
            return {4, 95};
        if (d == 1)
            return {2, 97};
        if (d <= 3)
            return {1, 98};
        return {0, 99};
    };
    const QRegion region = w.mask();
    QCOMPARE(region.boundingRect(), QRect(0, 0, 100, 60));
    for (int y = 0; y < 60; ++y) {
        const auto [first, last] = span(y, 60);
        for (int x = 0; x < 100; ++x) {
            const bool inside = x >= first && x <= last;
            if (region.contains(QPoint(x, y)) != inside)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 should be %3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(inside ? "inside" : "outside")));
        }
    }
    // The mask follows every resize.
    w.resize(30, 20);
    QCOMPARE(w.mask().boundingRect(), QRect(0, 0, 30, 20));
    QVERIFY(!w.mask().contains(QPoint(29, 19)));
    QVERIFY(w.mask().contains(QPoint(25, 19)));
    QVERIFY(!w.mask().contains(QPoint(26, 19)));
}

void TestRibbonWindow::skinSwitch()
{
    RibbonApplication* app = RibbonApplication::theApp();
    RibbonWindow w;
    const RibbonApplication::eRibbonStyle order[] = {
        RibbonApplication::Black, RibbonApplication::Silver, RibbonApplication::Blue};
    for (RibbonApplication::eRibbonStyle style : order) {
        app->setRibbonStyle(style);
        const QColor expected = app->ribbonStyle()->mainClientColor();
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(w.palette().brush(group, QPalette::Window), QBrush(expected));
        // Painting uses the new skin's images.
        PaintRecorder recorder;
        w.render(&recorder);
        QCOMPARE(recorder.pixmapDraws(app->ribbonStyle()->mainBorderCaption()).size(), 3);
    }
}

void TestRibbonWindow::closeDeletesWindow()
{
    QPointer<CountingWindow> w = new CountingWindow;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setGeometry(kStart);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QPoint on = at(*w, w->sysCloseRect().center());
    press(*w, on);
    release(*w, on);
    QVERIFY(w);
    QCOMPARE(w->closeRequests, 1);
    QCOMPARE(stateOf(*w), QStringLiteral("Idle"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
}

ORU_TEST_MAIN(TestRibbonWindow)
#include "tst_ribbonwindow.moc"
