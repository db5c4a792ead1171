#include "frametestutil.h"
#include "glyphspy.h"
#include "systemdragspy.h"

#include <oruPaintRecorder.h>
#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>
#include <oruTestInput.h>

#include <QCursor>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

using namespace oru;
using namespace frametest;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

using Events = RibbonWindow::Events;
using DrawList = QList<QPair<QRect, QRect>>; // target, source
Q_DECLARE_METATYPE(Qt::Alignment)

namespace {

const QRect kStart(100, 100, 400, 300);
const int kNormalGlyph = 3; // the glyph images' frame of an idle caption button

RibbonStyle* skin()
{
    return RibbonApplication::theApp()->ribbonStyle();
}

QRect maximizedGeometry(const QWidget& w)
{
    QScreen* screen = QGuiApplication::screenAt(w.geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen->availableGeometry().adjusted(-7, -7, 7, 7);
}

bool showAt(RibbonWindow& w, const QRect& geometry = kStart)
{
    w.setGeometry(geometry);
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot shape windows and says so at every resize.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support setting window masks")))
        previousHandler(type, context, message);
}

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

class TestRibbonWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietHandler); }
    void cleanup() { oru::test::parkCursor(); }

    void construction()
    {
        RibbonWindow plain;
        QCOMPARE(plain.windowFlags() & (Qt::FramelessWindowHint | Qt::WindowSystemMenuHint),
                 Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
        QVERIFY(plain.isWindow() && plain.hasMouseTracking());
        QCOMPARE(stateOf(plain), QStringLiteral("Idle"));
        QVERIFY(!plain.events().isMaximized() && plain.events().normalGeometry().isNull());
        QCOMPARE(plain.contentsMargins(), QMargins(7, 33, 7, 7));
        // The second constructor passes the flags on unchanged.
        QWidget owner;
        RibbonWindow tool(&owner, Qt::Tool | Qt::FramelessWindowHint);
        QCOMPARE(tool.parentWidget(), &owner);
        QCOMPARE(tool.windowFlags() & ~Qt::FramelessWindowHint, Qt::Tool);
        QVERIFY(tool.hasMouseTracking());
        QCOMPARE(stateOf(tool), QStringLiteral("Idle"));
    }

    void metrics()
    {
        // A 13 px font is below the 16 px floor; 20 px is above it.
        for (const auto& [pixelSize, width] : {std::pair{13, 400}, {20, 250}}) {
            RibbonWindow w;
            QFont font = oru::test::TestApplication::testFont();
            font.setPixelSize(pixelSize);
            w.setFont(font);
            w.resize(width, 300);
            const int k = qMax(QFontMetrics(font).height(), 16) + 17;
            QCOMPARE(w.captionHeight(), pixelSize <= 13 ? 33 : k);
            QCOMPARE(w.captionRect(), QRect(29, 10, width - 96, k - 17));
            QCOMPARE(w.sysMinimizeRect(), QRect(width - 67, 10, 16, 16));
            QCOMPARE(w.sysMaximizeRestoreRect(), QRect(width - 45, 10, 16, 16));
            QCOMPARE(w.sysCloseRect(), QRect(width - 23, 10, 16, 16));
        }
    }

    void gripRect_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<Qt::Alignment>("grip");
        QTest::addColumn<QRect>("expected");
        const QRect r(100, 100, 200, 150); // L 100, T 100, R 299, B 249
        const Qt::Alignment grips[] = {Events::sGripTop,    Events::sGripTopRight,
                                       Events::sGripRight,  Events::sGripBottomRight,
                                       Events::sGripBottom, Events::sGripBottomLeft,
                                       Events::sGripLeft,   Events::sGripTopLeft};
        const int corners[8][4] = {{107, 100, 292, 109}, {293, 100, 299, 109}, {293, 110, 299, 242},
                                   {293, 243, 299, 249}, {107, 243, 292, 249}, {100, 243, 106, 249},
                                   {100, 110, 106, 242}, {100, 100, 106, 109}};
        for (int i = 0; i < 8; ++i) {
            const int* c = corners[i];
            QTest::addRow("grip %d", int(grips[i]))
                << r << grips[i] << QRect(QPoint(c[0], c[1]), QPoint(c[2], c[3]));
        }
        QTest::newRow("smallest, top-left")
            << QRect(-5, -5, 14, 17) << grips[7] << QRect(-5, -5, 7, 10);
        QTest::newRow("smallest, bottom-right")
            << QRect(-5, -5, 14, 17) << grips[3] << QRect(2, 5, 7, 7);
        const std::pair<const char*, QRect> degenerate[] = {
            {"13 wide", QRect(0, 0, 13, 100)},
            {"16 high", QRect(0, 0, 100, 16)},
            {"empty", QRect(10, 10, 0, 0)},
            {"null", QRect()},
            {"inverted", QRect(QPoint(300, 300), QPoint(100, 100))}};
        for (const auto& [name, rect] : degenerate) {
            for (const Qt::Alignment& grip : grips)
                QTest::addRow("%s, grip %d", name, int(grip)) << rect << grip << QRect();
        }
        const Qt::Alignment notGrips[] = {{},
                                          Qt::AlignCenter,
                                          Qt::AlignTop | Qt::AlignBottom,
                                          Qt::AlignTop | Qt::AlignRight | Qt::AlignHCenter};
        for (const Qt::Alignment& a : notGrips)
            QTest::addRow("not a grip: %d", int(a)) << r << a << QRect();
    }
    void gripRect()
    {
        QFETCH(QRect, rect);
        QFETCH(Qt::Alignment, grip);
        QFETCH(QRect, expected);
        const QRect result = Events::gripRect(rect, grip);
        QCOMPARE(result, expected);
        QCOMPARE(result.isNull(), expected.isNull());
    }

    void hoverCursor()
    {
        // Window 400x300: the top zones are 10 pixels high, the others 7 deep.
        const std::pair<QPoint, Qt::CursorShape> table[] = {
            {{200, 0}, Qt::SizeVerCursor},   {{7, 9}, Qt::SizeVerCursor},
            {{393, 9}, Qt::SizeBDiagCursor}, {{399, 150}, Qt::SizeHorCursor},
            {{393, 10}, Qt::SizeHorCursor},  {{393, 293}, Qt::SizeFDiagCursor},
            {{392, 299}, Qt::SizeVerCursor}, {{6, 293}, Qt::SizeBDiagCursor},
            {{0, 292}, Qt::SizeHorCursor},   {{6, 0}, Qt::SizeFDiagCursor},
            {{100, 20}, Qt::ArrowCursor},    {{7, 150}, Qt::ArrowCursor},
            {{200, 10}, Qt::ArrowCursor},    {{200, 150}, Qt::ArrowCursor}};
        RibbonWindow w;
        w.setGeometry(kStart);
        for (const auto& [local, shape] : table) {
            w.setCursor(Qt::CrossCursor); // no row expects it: every row proves a change
            move(w, at(w, local));
            QVERIFY2(w.cursor().shape() == shape,
                     qPrintable(QStringLiteral("at %1,%2").arg(local.x()).arg(local.y())));
            QCOMPARE(stateOf(w), QStringLiteral("Idle"));
            QCOMPARE(w.geometry(), kStart);
        }
    }

    void cursorLeavesWithTheFrame()
    {
        RibbonWindow w;
        auto* layout = new QVBoxLayout(&w);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* child = new QWidget;
        layout->addWidget(child);
        QVERIFY(showAt(w));
        QCOMPARE(child->geometry(), QRect(7, 33, 386, 260));

        const QPoint border = at(w, QPoint(3, 150));
        move(w, border);
        QCOMPARE(w.cursor().shape(), Qt::SizeHorCursor);
        oru::test::mouseEnter(child, QPoint(1, 100));
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(child->cursor().shape(), Qt::ArrowCursor);

        // During a resize the shape stays while the mouse crosses children.
        move(w, border);
        press(w, border);
        oru::test::mouseEnter(child, QPoint(1, 100));
        QCOMPARE(w.cursor().shape(), Qt::SizeHorCursor);
        release(w, border);

        // A widget taken out of the window no longer resets it.
        QWidget elsewhere;
        child->setParent(&elsewhere);
        oru::test::mouseEnter(child, QPoint(1, 1));
        QCOMPARE(w.cursor().shape(), Qt::SizeHorCursor);
    }

    void captionDrag()
    {
        RibbonWindow w;
        w.setGeometry(kStart);
        const QPoint grab = at(w, QPoint(150, 20));
        press(w, grab);
        QCOMPARE(stateOf(w), QStringLiteral("MoveWindow"));
        QCOMPARE(w.geometry(), kStart);
        for (const QPoint& d : {QPoint(1, 0), QPoint(35, -12), QPoint(-200, -150)}) {
            move(w, grab + d, Qt::LeftButton);
            QCOMPARE(w.geometry(), kStart.translated(d));
        }
        // A second press mid-drag re-anchors the drag at its own point.
        const QPoint regrab = grab + QPoint(-170, -148);
        press(w, regrab, Qt::RightButton);
        QCOMPARE(stateOf(w), QStringLiteral("MoveWindow"));
        const QRect anchored = w.geometry();
        move(w, regrab + QPoint(10, 10), Qt::LeftButton | Qt::RightButton);
        QCOMPARE(w.geometry(), anchored.translated(10, 10));
        release(w, regrab + QPoint(10, 10));
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
        move(w, regrab + QPoint(90, 90));
        QCOMPARE(w.geometry(), anchored.translated(10, 10));
    }

    void systemDrag_data()
    {
        QTest::addColumn<QPoint>("local"); // the press, on the 400x300 window
        QTest::addColumn<int>("edges");    // none: a move
        QTest::addColumn<bool>("accept");
        const struct
        {
            const char* name;
            QPoint local;
            Qt::Edges edges;
        } grips[] = {{"caption", {40, 15}, {}},
                     {"top", {200, 2}, Qt::TopEdge},
                     {"top-right", {397, 2}, Qt::TopEdge | Qt::RightEdge},
                     {"right", {397, 150}, Qt::RightEdge},
                     {"bottom-right", {397, 297}, Qt::BottomEdge | Qt::RightEdge},
                     {"bottom", {200, 297}, Qt::BottomEdge},
                     {"bottom-left", {2, 297}, Qt::BottomEdge | Qt::LeftEdge},
                     {"left", {2, 150}, Qt::LeftEdge},
                     {"top-left", {2, 2}, Qt::TopEdge | Qt::LeftEdge}};
        for (const auto& grip : grips) {
            for (const bool accept : {true, false}) {
                QTest::addRow("%s, %s", grip.name, accept ? "taken" : "refused")
                    << grip.local << int(grip.edges) << accept;
            }
        }
    }
    void systemDrag()
    {
        QFETCH(QPoint, local);
        QFETCH(int, edges);
        QFETCH(bool, accept);
        RibbonWindow w;
        QVERIFY(showAt(w));
        SystemDragSpy spy(accept);
        const QPoint grab = at(w, local);
        // A press alone asks for nothing: clicks stay the window's own.
        press(w, grab);
        QVERIFY(SystemDragSpy::take().isEmpty());
        // The first move of the drag asks once, with the grip's edges.
        move(w, grab + QPoint(-20, -15), Qt::LeftButton);
        QCOMPARE(SystemDragSpy::take(),
                 SystemDragSpy::Requests({{w.windowHandle(), Qt::Edges(edges)}}));
        // From the pointer of the event that passed the drag distance.
        QCOMPARE(SystemDragSpy::lastAnchor(), QPointF(grab + QPoint(-20, -15)));
        if (accept) {
            // The window system drives the drag; the window keeps still.
            QCOMPARE(stateOf(w), QStringLiteral("Idle"));
            QCOMPARE(w.geometry(), kStart);
            move(w, grab + QPoint(-40, -30), Qt::LeftButton);
            QCOMPARE(w.geometry(), kStart);
        } else {
            // Refused: the window follows the mouse itself.
            QCOMPARE(stateOf(w),
                     edges ? QStringLiteral("ResizeWindow") : QStringLiteral("MoveWindow"));
            QVERIFY(w.geometry() != kStart);
            move(w, grab + QPoint(-40, -30), Qt::LeftButton);
        }
        release(w, grab + QPoint(-40, -30));
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
        QVERIFY(SystemDragSpy::take().isEmpty());
        // A caption double-click still maximizes, without asking.
        doubleClick(w, at(w, w.captionRect().center()));
        QVERIFY(w.events().isMaximized());
        QVERIFY(SystemDragSpy::take().isEmpty());
    }

    void nestedEventsAreDropped()
    {
        ReentrantWindow w;
        QVERIFY(showAt(w));
        const QPoint grab = at(w, QPoint(150, 20));
        press(w, grab);
        const int before = w.moves;
        move(w, grab + QPoint(20, 10), Qt::LeftButton);
        move(w, grab + QPoint(40, 30), Qt::LeftButton);
        QVERIFY(w.moves > before);
        // Nested presses that re-anchored the drag would put this step off.
        QCOMPARE(w.geometry(), kStart.translated(40, 30));
        QCOMPARE(stateOf(w), QStringLiteral("MoveWindow"));
        release(w, grab + QPoint(40, 30));
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
    }

    void resize_data()
    {
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QPoint>("local");
        QTest::addColumn<QList<QPoint>>("deltas");
        QTest::addColumn<QList<QRect>>("expected"); // null: not checked
        // Window (100, 100, 400x300); each grip moves its own edges only, and
        // every step starts from the press geometry.
        const struct
        {
            const char* name;
            QPoint local, delta;
            QRect expected;
        } grips[] = {{"top", {200, 3}, {5, -20}, {100, 80, 400, 320}},
                     {"top-right", {396, 3}, {30, 10}, {100, 110, 430, 290}},
                     {"right", {397, 150}, {-50, 7}, {100, 100, 350, 300}},
                     {"bottom-right", {397, 297}, {20, 25}, {100, 100, 420, 325}},
                     {"bottom", {200, 297}, {9, -40}, {100, 100, 400, 260}},
                     {"bottom-left", {2, 297}, {15, 15}, {115, 100, 385, 315}},
                     {"left", {2, 150}, {-25, 3}, {75, 100, 425, 300}},
                     {"top-left", {2, 2}, {-10, -10}, {90, 90, 410, 310}}};
        for (const auto& g : grips) {
            QTest::newRow(g.name) << QSize() << g.local << QList<QPoint>{g.delta * 3, g.delta}
                                  << QList<QRect>{QRect(), g.expected};
        }
        QTest::newRow("top-left, minimum 200x100")
            << QSize(200, 100) << QPoint(2, 2)
            << QList<QPoint>{{150, 150}, {250, 150}, {150, 250}, {200, 200}, {190, 190}}
            << QList<QRect>{{250, 250, 250, 150},
                            {250, 250, 250, 150},
                            {250, 250, 250, 150},
                            {300, 300, 200, 100},
                            {290, 290, 210, 110}};
        // Without a minimum the floor is 14x17; a jump below it leaves the
        // window at its last size instead of snapping to the floor.
        QTest::newRow("bottom-right, floor")
            << QSize() << QPoint(397, 297)
            << QList<QPoint>{{-300, -200}, {-390, -290}, {-386, -283}, {-387, -283}, {-386, -284}}
            << QList<QRect>{{100, 100, 100, 100},
                            {100, 100, 100, 100},
                            {100, 100, 14, 17},
                            {100, 100, 14, 17},
                            {100, 100, 14, 17}};
        QTest::newRow("left, past the right edge")
            << QSize() << QPoint(2, 150) << QList<QPoint>{{300, 0}, {500, 0}, {386, 0}}
            << QList<QRect>{{400, 100, 100, 300}, {400, 100, 100, 300}, {486, 100, 14, 300}};
        QTest::newRow("top, minimum height wins over the floor")
            << QSize(0, 40) << QPoint(200, 2) << QList<QPoint>{{0, 260}, {0, 261}, {0, 250}}
            << QList<QRect>{{100, 360, 400, 40}, {100, 360, 400, 40}, {100, 350, 400, 50}};
    }
    void resize()
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
        QCOMPARE(w.geometry(), kStart);
        for (int i = 0; i < deltas.size(); ++i) {
            move(w, start + deltas.at(i), Qt::LeftButton);
            if (!expected.at(i).isNull())
                QVERIFY2(w.geometry() == expected.at(i), qPrintable(QString::number(i)));
        }
        release(w, start + deltas.last());
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
        move(w, start + deltas.last() * 2);
        QCOMPARE(w.geometry(), expected.last());
    }

    void sysButtons_data()
    {
        QTest::addColumn<int>("button");  // 0 minimize, 1 maximize/restore, 2 close
        QTest::addColumn<int>("gesture"); // 0 release on it, 1 leave and release, 2 come back
        for (int b = 0; b < 3; ++b) {
            for (int g = 0; g < 3; ++g)
                QTest::addRow("button %d, gesture %d", b, g) << b << g;
        }
    }
    void sysButtons()
    {
        QFETCH(int, button);
        QFETCH(int, gesture);
        const bool leave = gesture > 0;
        const bool comeBack = gesture == 2;
        const QString state = QStringList{"SysMinimize", "SysMaximizeRestore", "SysClose"}[button];
        QPointer<CountingWindow> window = new CountingWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        CountingWindow& w = *window;
        QVERIFY(showAt(w));
        const QRect rects[] = {w.sysMinimizeRect(), w.sysMaximizeRestoreRect(), w.sysCloseRect()};
        const QPoint on = at(w, rects[button].center());
        press(w, on);
        QCOMPARE(stateOf(w), state);
        if (leave) {
            // Moves do nothing in these states, not even the cursor shape.
            w.setCursor(Qt::CrossCursor);
            move(w, at(w, QPoint(0, 150)), Qt::LeftButton);
            QCOMPARE(stateOf(w), state);
            QCOMPARE(w.cursor().shape(), Qt::CrossCursor);
        }
        const QPoint where = leave && !comeBack ? at(w, QPoint(200, 150)) : on;
        if (comeBack)
            move(w, where, Qt::LeftButton);
        release(w, where);
        QVERIFY(window); // a close request deletes the window only later
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
        const bool acts = !leave || comeBack;
        QCOMPARE(w.isMinimized(), acts && button == 0);
        QCOMPARE(w.events().isMaximized(), acts && button == 1);
        QCOMPARE(w.closeRequests, acts && button == 2 ? 1 : 0);
        QCOMPARE(w.isVisible(), !(acts && button == 2));
        QCOMPARE(w.geometry(), acts && button == 1 ? maximizedGeometry(w) : kStart);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window.isNull(), acts && button == 2);
        delete window.data();
    }

    void rightButton_data()
    {
        QTest::addColumn<QPoint>("local");       // left press that sets the state up; null: none
        QTest::addColumn<QStringList>("states"); // entered, after press, press+release, release
        // Window 400x300: caption at y 10..25, buttons at x 333, 355, 377.
        const auto row = [](const char* name, QPoint p, const char* states) {
            QTest::newRow(name) << p << QString::fromLatin1(states).split(' ');
        };
        row("Idle", QPoint(), "Idle Idle Idle Idle");
        row("MoveWindow", {150, 20}, "MoveWindow MoveWindow Idle Idle");
        row("ResizeWindow", {2, 150}, "ResizeWindow Idle Idle Idle");
        row("SysMinimize", {340, 17}, "SysMinimize SysMinimize SysMinimize SysMinimize");
        row("SysMaximizeRestore", {362, 17},
            "SysMaximizeRestore SysMaximizeRestore SysMaximizeRestore SysMaximizeRestore");
        row("SysClose", {384, 17}, "SysClose SysClose SysClose SysClose");
    }
    void rightButton()
    {
        QFETCH(QPoint, local);
        QFETCH(QStringList, states);
        CountingWindow w;
        QVERIFY(showAt(w));
        const auto enter = [&] {
            if (!local.isNull())
                press(w, at(w, local));
            QCOMPARE(stateOf(w), states[0]);
        };
        // A left release away from every button ends any gesture harmlessly.
        const auto reset = [&] {
            release(w, at(w, QPoint(200, 150)));
            QCOMPARE(stateOf(w), QStringLiteral("Idle"));
        };
        const QPoint targets[] = {w.sysMinimizeRect().center(), w.sysMaximizeRestoreRect().center(),
                                  w.sysCloseRect().center(), QPoint(150, 20)};
        for (const QPoint& target : targets) {
            enter();
            press(w, at(w, local.isNull() ? target : local), Qt::RightButton);
            QCOMPARE(stateOf(w), states[1]);
            release(w, at(w, target), Qt::RightButton);
            QCOMPARE(stateOf(w), states[2]);
            reset();
            enter();
            release(w, at(w, target), Qt::RightButton);
            QCOMPARE(stateOf(w), states[3]);
            reset();
        }
        QCOMPARE(w.geometry(), kStart);
        QVERIFY(!w.isMinimized() && !w.events().isMaximized());
        QCOMPARE(w.closeRequests, 0);
        doubleClick(w, at(w, QPoint(150, 20)), Qt::RightButton);
        QVERIFY(!w.events().isMaximized());
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
    }

    void doubleClickMaximizeRestore()
    {
        CountingWindow w;
        const QRect normal(123, 87, 345, 234);
        QVERIFY(showAt(w, normal));
        const QRect maximized = maximizedGeometry(w);
        QVERIFY(maximized != normal);
        // Outside the caption a double-click does nothing.
        doubleClick(w, at(w, QPoint(150, 150)));
        doubleClick(w, at(w, w.sysMinimizeRect().center() + QPoint(0, 30)));
        QCOMPARE(w.geometry(), normal);
        QVERIFY(!w.events().isMaximized());
        doubleClick(w, at(w, QPoint(40, 15)));
        QCOMPARE(stateOf(w), QStringLiteral("Idle"));
        QVERIFY(w.events().isMaximized());
        // The release over the caption left the arrow; a grip shape instead
        // shows that the maximized window keeps whatever it has.
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        w.setCursor(Qt::SizeVerCursor);
        QCOMPARE(w.geometry(), maximized);
        QCOMPARE(w.events().normalGeometry(), normal);
        QVERIFY(!w.isMaximized()); // the window-manager state is left alone
        // The middle button shows the restore glyph while maximized.
        const auto middleGlyphs = [&] {
            return qMakePair(glyphDraws(&w, Glyph::Restore, Size::Small),
                             glyphDraws(&w, Glyph::Maximize, Size::Small));
        };
        const auto middle = [&] { return GlyphDraws{{w.sysMaximizeRestoreRect(), kNormalGlyph}}; };
        QCOMPARE(middleGlyphs(), qMakePair(middle(), GlyphDraws()));
        // Maximized, the borders are frozen: hovers keep the cursor, drags
        // start nothing.
        for (const QPoint& p :
             {QPoint(w.width() - 2, w.height() - 2), QPoint(1, 150), QPoint(200, 3)}) {
            move(w, at(w, p));
            QCOMPARE(w.cursor().shape(), Qt::SizeVerCursor);
            press(w, at(w, p));
            QCOMPARE(stateOf(w), QStringLiteral("Idle"));
            move(w, at(w, p) + QPoint(-60, -40), Qt::LeftButton);
            release(w, at(w, p) + QPoint(-60, -40));
            QCOMPARE(w.geometry(), maximized);
        }
        doubleClick(w, at(w, w.captionRect().center()));
        QVERIFY(!w.events().isMaximized());
        QVERIFY(w.events().normalGeometry().isNull());
        QCOMPARE(w.geometry(), normal);
        QCOMPARE(middleGlyphs(), qMakePair(GlyphDraws(), middle()));

        // Button and double-click share one bookkeeping.
        mouseClickAt(w, w.sysMaximizeRestoreRect().center());
        QCOMPARE(w.geometry(), maximized);
        doubleClick(w, at(w, w.captionRect().center()));
        QCOMPARE(w.geometry(), normal);
        doubleClick(w, at(w, w.captionRect().center()));
        mouseClickAt(w, w.sysMaximizeRestoreRect().center());
        QCOMPARE(w.geometry(), normal);
        QVERIFY(!w.events().isMaximized());
        QCOMPARE(w.closeRequests, 0);

        // Pulled by its caption past the drag distance, a maximized window
        // comes back to its size under the pointer, as far along the caption
        // in proportion, and follows the drag.
        mouseClickAt(w, w.sysMaximizeRestoreRect().center());
        const QPoint grab = at(w, QPoint(w.width() / 4, 15));
        press(w, grab);
        QCOMPARE(stateOf(w), QStringLiteral("MoveWindow"));
        move(w, grab + QPoint(1, 1), Qt::LeftButton);
        QCOMPARE(w.geometry(), maximized);
        const QPoint pulled = grab + QPoint(40, 60);
        move(w, pulled, Qt::LeftButton);
        const QPoint spot(
            int(qint64(grab.x() - maximized.x()) * normal.width() / maximized.width()),
            grab.y() - maximized.y());
        const QRect restored(pulled - spot, normal.size());
        QCOMPARE(w.geometry(), restored);
        QVERIFY(!w.events().isMaximized() && w.events().normalGeometry().isNull());
        move(w, pulled + QPoint(15, -5), Qt::LeftButton);
        release(w, pulled + QPoint(15, -5));
        QCOMPARE(w.geometry(), restored.translated(15, -5));
        QCOMPARE(middleGlyphs(), qMakePair(GlyphDraws(), middle()));
    }

    void frameSlices_data()
    {
        QTest::addColumn<bool>("active");
        QTest::newRow("active") << true;
        QTest::newRow("inactive") << false;
    }
    void frameSlices()
    {
        QFETCH(bool, active); // the inactive frames sit 35 pixels to the right
        RibbonWindow w;
        w.setWindowTitle(QStringLiteral("Frame"));
        QVERIFY(showAt(w));
        QWidget other;
        QWidget* focus = active ? static_cast<QWidget*>(&w) : &other;
        other.setGeometry(600, 600, 50, 50);
        if (!active)
            other.show();
        focus->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(focus));
        QCOMPARE(w.isActiveWindow(), active);

        PaintRecorder recorder;
        w.render(&recorder);
        const int a = active ? 0 : 35;
        QCOMPARE(recorder.pixmapRects(skin()->mainBorderCaption()),
                 DrawList({{{0, 0, 7, 33}, {a, 0, 7, 31}},
                           {{7, 0, 393, 33}, {a + 7, 0, 21, 31}},
                           {{393, 0, 7, 33}, {a + 28, 0, 7, 31}}}));
        QCOMPARE(recorder.pixmapRects(skin()->mainBorder()),
                 DrawList({{{0, 33, 7, 260}, {a, 15, 7, 1}},
                           {{393, 33, 7, 260}, {a + 28, 15, 7, 1}},
                           {{0, 293, 7, 7}, {a, 16, 7, 7}},
                           {{7, 293, 386, 7}, {a + 7, 16, 21, 7}},
                           {{393, 293, 7, 7}, {a + 28, 16, 7, 7}}}));
        // The caption strip comes first, then the borders, then the rest.
        const QVector<PaintOp> pixmaps = recorder.ops(PaintOp::Pixmap);
        QVERIFY(pixmaps.size() >= 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(pixmaps.at(i).pixmapKey,
                     (i < 3 ? skin()->mainBorderCaption() : skin()->mainBorder()).cacheKey());
        }
        // The title pen follows activation; the button glyphs do not.
        const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.first().text, QStringLiteral("Frame"));
        QCOMPARE(texts.first().pen.color(),
                 active ? skin()->activeTitleTextColor() : skin()->inactiveTitleTextColor());
        QCOMPARE(glyphDraws(&w, Glyph::Minimize, Size::Small),
                 GlyphDraws({{w.sysMinimizeRect(), kNormalGlyph}}));
        QCOMPARE(glyphDraws(&w, Glyph::Maximize, Size::Small),
                 GlyphDraws({{w.sysMaximizeRestoreRect(), kNormalGlyph}}));
        QCOMPARE(glyphDraws(&w, Glyph::Close, Size::Small),
                 GlyphDraws({{w.sysCloseRect(), kNormalGlyph}}));
    }

    void sysButtonLooks_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QRect>("back"); // null: no background
        QTest::addColumn<int>("glyph");  // state frame of the glyph
        for (int b = 0; b < 3; ++b) {
            QTest::addRow("%d normal", b) << b << false << false << QRect() << kNormalGlyph;
            QTest::addRow("%d hovered", b) << b << false << true << QRect(0, 0, 17, 16) << 1;
            QTest::addRow("%d pressed", b) << b << true << true << QRect(0, 16, 17, 16) << 0;
            QTest::addRow("%d pressed, mouse away", b)
                << b << true << false << QRect() << kNormalGlyph;
        }
    }
    void sysButtonLooks()
    {
        QFETCH(int, button);
        QFETCH(bool, pressed);
        QFETCH(bool, hovered);
        QFETCH(QRect, back);
        QFETCH(int, glyph);
        RibbonWindow w;
        QVERIFY(showAt(w));
        const QRect rects[] = {w.sysMinimizeRect(), w.sysMaximizeRestoreRect(), w.sysCloseRect()};
        const Glyph glyphs[] = {Glyph::Minimize, Glyph::Maximize, Glyph::Close};
        const QRect rect = rects[button];
        if (pressed)
            press(w, at(w, rect.center()));
        oru::test::placeCursor(&w, hovered ? rect.topLeft() : rect.bottomRight() + QPoint(1, 1));

        const GlyphSpy spy;
        PaintRecorder recorder;
        w.render(&recorder);
        for (int b = 0; b < 3; ++b) {
            QCOMPARE(spy.of(glyphs[b], Size::Small),
                     GlyphDraws({{rects[b], b == button ? glyph : kNormalGlyph}}));
        }
        QCOMPARE(spy.count(), 3);
        QCOMPARE(recorder.pixmapRects(skin()->sysBtnBack()),
                 back.isNull() ? DrawList() : DrawList({{rect, back}}));
        // The background goes under the glyph: no fill in the button before it.
        if (back.isValid()) {
            int backAt = -1;
            int glyphAt = -1;
            const QVector<PaintOp>& ops = recorder.ops();
            for (int i = 0; i < ops.size() && glyphAt < 0; ++i) {
                const PaintOp& op = ops.at(i);
                if (op.kind == PaintOp::Pixmap && op.pixmapKey == skin()->sysBtnBack().cacheKey())
                    backAt = i;
                for (const QRectF& r : op.rects)
                    glyphAt = QRectF(rect).contains(r) ? i : glyphAt;
            }
            QVERIFY(backAt >= 0);
            QVERIFY2(glyphAt > backAt,
                     qPrintable(QStringLiteral("%1 %2").arg(backAt).arg(glyphAt)));
        }
    }

    void titleAndIcon()
    {
        RibbonWindow w;
        w.setGeometry(kStart);
        const QFontMetrics fm(w.font());
        const QString longTitle = QString(60, QLatin1Char('M'));
        QVERIFY(fm.horizontalAdvance(longTitle) > w.captionRect().width());
        w.setWindowTitle(longTitle);
        PaintRecorder recorder;
        w.render(&recorder);
        const QStringList texts = recorder.texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts.first().endsWith(QChar(0x2026)));
        QVERIFY(longTitle.startsWith(texts.first().chopped(1)));
        QVERIFY(fm.horizontalAdvance(texts.first()) <= w.captionRect().width());
        const PaintOp op = recorder.ops(PaintOp::Text).first();
        QVERIFY(op.position.x() >= w.captionRect().left());
        QVERIFY(op.position.y() > w.captionRect().top() &&
                op.position.y() <= w.captionRect().bottom() + 1);
        QCOMPARE(recorder.ops(PaintOp::Pixmap).size(), 8); // no icon set, none drawn

        w.setWindowTitle(QString());
        QPixmap iconPixmap(32, 32);
        iconPixmap.fill(Qt::red);
        w.setWindowIcon(QIcon(iconPixmap));
        PaintRecorder iconRecorder;
        w.render(&iconRecorder);
        QVERIFY(iconRecorder.texts().isEmpty());
        // The icon is centred on (14, (K + 2) / 2) = (14, 17).
        const QVector<PaintOp> pixmaps = iconRecorder.ops(PaintOp::Pixmap);
        QCOMPARE(pixmaps.size(), 8 + 1);
        QCOMPARE(pixmaps.at(8).target, QRectF(7, 10, 16, 16));
    }

    void mask()
    {
        RibbonWindow w;
        QVERIFY(showAt(w, QRect(50, 50, 100, 60))); // resize events come only when shown
        const QRegion region = w.mask();
        QCOMPARE(region.boundingRect(), QRect(0, 0, 100, 60));
        // Stepped corners of 4 pixels: the inset of each row by its distance
        // from the nearest edge row.
        const int inset[] = {4, 2, 1, 1};
        for (int y = 0; y < 60; ++y) {
            const int d = qMin(y, 59 - y);
            const int first = d < 4 ? inset[d] : 0;
            for (int x = 0; x < 100; ++x) {
                const bool inside = x >= first && x <= 99 - first;
                QVERIFY2(region.contains(QPoint(x, y)) == inside,
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
        w.resize(30, 20);
        QCOMPARE(w.mask().boundingRect(), QRect(0, 0, 30, 20));
        QVERIFY(w.mask().contains(QPoint(25, 19)));
        QVERIFY(!w.mask().contains(QPoint(26, 19)));
    }

    void skinSwitch()
    {
        RibbonApplication* app = RibbonApplication::theApp();
        RibbonWindow w;
        for (auto style :
             {RibbonApplication::Black, RibbonApplication::Silver, RibbonApplication::Blue}) {
            app->setRibbonStyle(style);
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                QCOMPARE(w.palette().brush(group, QPalette::Window),
                         QBrush(skin()->mainClientColor()));
            PaintRecorder recorder;
            w.render(&recorder);
            QCOMPARE(recorder.pixmapDraws(skin()->mainBorderCaption()).size(), 3);
        }
    }
};

ORU_TEST_MAIN(TestRibbonWindow)
#include "tst_ribbonwindow.moc"
