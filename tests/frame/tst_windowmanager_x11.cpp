// The frames driven by real pointer events (XTest) on an X server, once with
// no window manager and once under openbox, which the suite starts itself:
// moves and resizes keep the pointer on the spot it grabbed, to the pixel,
// and the cursor matches what a press would do.
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonWindow.h>
#include <oruRibbonWindowEvents_p.h>

#include "oruTestApp.h"

#include <QProcess>
#include <QStandardPaths>

#include <sys/prctl.h>

#include <csignal>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#undef CursorShape // an Xlib macro, a Qt enumeration

using namespace oru;

namespace {

// The cursor over a global point as Qt has it: that of the widget there.
Qt::CursorShape cursorAt(const QPoint& global)
{
    QWidget* w = QApplication::widgetAt(global);
    return w ? w->cursor().shape() : Qt::BlankCursor;
}

// The name the server knows a themed cursor of Qt's by.
QByteArray nameOf(Qt::CursorShape shape)
{
    switch (shape) {
    case Qt::SizeHorCursor:
        return "size_hor";
    case Qt::SizeVerCursor:
        return "size_ver";
    case Qt::SizeFDiagCursor:
        return "size_fdiag";
    case Qt::SizeBDiagCursor:
        return "size_bdiag";
    default:
        return "left_ptr";
    }
}

// The test's own connection to the X server: the hand of the user.
class Pointer
{
public:
    Pointer() : m_display(XOpenDisplay(nullptr)) {}
    ~Pointer()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    Pointer(const Pointer&) = delete;
    Pointer& operator=(const Pointer&) = delete;

    bool isValid() const { return m_display; }

    void moveTo(const QPoint& p)
    {
        XTestFakeMotionEvent(m_display, -1, p.x(), p.y(), CurrentTime);
        settle();
    }
    void button(bool down)
    {
        XTestFakeButtonEvent(m_display, 1, down, CurrentTime);
        settle();
    }
    void doubleClick()
    {
        for (int i = 0; i < 2; ++i) {
            XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
            XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        }
        settle();
    }

    // The name of the cursor the server shows; empty for an unnamed one.
    QByteArray cursorName() const
    {
        XFixesCursorImage* image = XFixesGetCursorImage(m_display);
        const QByteArray name = image && image->name ? QByteArray(image->name) : QByteArray();
        if (image)
            XFree(image);
        return name;
    }

    // True when the server shows @p shape (checked by name when the cursor
    // came from a theme, which names it) and Qt has it at @p global.
    bool shows(const QPoint& global, Qt::CursorShape shape) const
    {
        const QByteArray name = cursorName();
        return cursorAt(global) == shape && (name.isEmpty() || name == nameOf(shape));
    }

    // Where the X server has the window: what the user sees.
    QRect geometry(const QWidget& w) const
    {
        Window root = 0;
        Window child = 0;
        int x = 0;
        int y = 0;
        unsigned width = 0;
        unsigned height = 0;
        unsigned border = 0;
        unsigned depth = 0;
        const Window id = Window(w.winId());
        XGetGeometry(m_display, id, &root, &x, &y, &width, &height, &border, &depth);
        XTranslateCoordinates(m_display, id, root, 0, 0, &x, &y, &child);
        return QRect(x, y, int(width), int(height));
    }

    // A window manager runs when the window its root names names itself.
    bool windowManagerRuns() const
    {
        const Atom check = XInternAtom(m_display, "_NET_SUPPORTING_WM_CHECK", False);
        const Window wm = windowProperty(DefaultRootWindow(m_display), check);
        return wm && windowProperty(wm, check) == wm;
    }

private:
    void settle()
    {
        XSync(m_display, False);
        QTest::qWait(40);
    }

    Window windowProperty(Window window, Atom property) const
    {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        Window result = 0;
        // A window manager that has gone leaves its check window's id behind.
        const auto handler = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        if (XGetWindowProperty(m_display, window, property, 0, 1, False, XA_WINDOW, &type, &format,
                               &count, &after, &data) == Success &&
            data && count == 1 && format == 32)
            result = *reinterpret_cast<Window*>(data);
        XSync(m_display, False);
        XSetErrorHandler(handler);
        if (data)
            XFree(data);
        return result;
    }

    Display* m_display;
};

// A border drag moves the edges it names by the pointer's travel; a caption
// drag (no edges) moves the whole window.
QRect dragged(QRect r, Qt::Edges edges, const QPoint& d)
{
    if (!edges)
        return r.translated(d);
    if (edges & Qt::LeftEdge)
        r.setLeft(r.left() + d.x());
    if (edges & Qt::RightEdge)
        r.setRight(r.right() + d.x());
    if (edges & Qt::TopEdge)
        r.setTop(r.top() + d.y());
    if (edges & Qt::BottomEdge)
        r.setBottom(r.bottom() + d.y());
    return r;
}

// What a press at local @p p of the main window does, as a cursor.
Qt::CursorShape shapeOf(Qt::Edges edges)
{
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
        return Qt::SizeBDiagCursor;
    if (edges & (Qt::TopEdge | Qt::BottomEdge))
        return Qt::SizeVerCursor;
    if (edges & (Qt::LeftEdge | Qt::RightEdge))
        return Qt::SizeHorCursor;
    return Qt::ArrowCursor;
}

const QRect kStart(200, 150, 800, 500);

} // namespace

class TestWindowManagerX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void drag_data();
    void drag();
    void maximize_data();
    void maximize();
    void ribbonWindowFromMaximized_data() { maximize_data(); }
    void ribbonWindowFromMaximized();

private:
    // Starts or stops openbox as the row asks; false when it cannot start.
    bool useWindowManager(bool wanted);
    bool show(QWidget& w);

    Pointer m_pointer;
    QProcess m_openbox;
};

void TestWindowManagerX11::initTestCase()
{
    if (!oru::test::onX11())
        QSKIP("needs an X server (xcb platform)");
    QVERIFY(m_pointer.isValid());
    QVERIFY2(!m_pointer.windowManagerRuns(), "the X server already has a window manager");
}

void TestWindowManagerX11::cleanupTestCase()
{
    useWindowManager(false);
}

bool TestWindowManagerX11::useWindowManager(bool wanted)
{
    const bool running = m_openbox.state() == QProcess::Running;
    if (running == wanted)
        return true;
    if (!wanted) {
        m_openbox.terminate();
        m_openbox.waitForFinished(5000);
        return !m_pointer.windowManagerRuns();
    }
    const QString program = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (program.isEmpty())
        return false;
    m_openbox.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Should the suite die, the window manager goes with it instead of
    // managing the windows of the suites after it on the same X server.
    m_openbox.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_openbox.start(program, {QStringLiteral("--sm-disable")});
    if (!m_openbox.waitForStarted(5000))
        return false;
    QDeadlineTimer deadline(10000);
    while (!m_pointer.windowManagerRuns() && !deadline.hasExpired() &&
           m_openbox.state() == QProcess::Running)
        QTest::qWait(50);
    // It names itself before it manages windows.
    QTest::qWait(500);
    return m_pointer.windowManagerRuns();
}

bool TestWindowManagerX11::show(QWidget& w)
{
    w.setGeometry(kStart);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    // A window manager may place it first; the frame then asks again.
    w.move(kStart.topLeft());
    const bool placed = QTest::qWaitFor([&] { return m_pointer.geometry(w) == kStart; }, 3000);
    if (!placed)
        qWarning() << "placed at" << m_pointer.geometry(w) << "Qt has" << w.geometry();
    QTest::qWait(100);
    return placed;
}

void TestWindowManagerX11::drag_data()
{
    QTest::addColumn<bool>("wm");
    QTest::addColumn<int>("window");  // 0 main window, 1 RibbonWindow
    QTest::addColumn<QPoint>("grab"); // local; negative counts from the right or bottom
    QTest::addColumn<int>("edges");

    const struct
    {
        const char* name;
        QPoint grab;
        Qt::Edges edges;
    } mainRows[] = {
        {"caption", QPoint(), Qt::Edges()},
        {"left", QPoint(2, 250), Qt::LeftEdge},
        {"right", QPoint(-3, 250), Qt::RightEdge},
        {"top", QPoint(400, 2), Qt::TopEdge},
        {"bottom", QPoint(400, -3), Qt::BottomEdge},
        {"top-left", QPoint(2, 2), Qt::TopEdge | Qt::LeftEdge},
        {"top-right", QPoint(-3, 2), Qt::TopEdge | Qt::RightEdge},
        {"bottom-left", QPoint(2, -3), Qt::BottomEdge | Qt::LeftEdge},
        {"bottom-right", QPoint(-3, -3), Qt::BottomEdge | Qt::RightEdge},
    };
    for (const bool wm : {false, true}) {
        const char* prefix = wm ? "openbox" : "bare";
        for (const auto& row : mainRows)
            QTest::addRow("%s main %s", prefix, row.name) << wm << 0 << row.grab << int(row.edges);
        QTest::addRow("%s ribbonwindow caption", prefix)
            << wm << 1 << QPoint(100, 18) << int(Qt::Edges());
        QTest::addRow("%s ribbonwindow bottom-right", prefix)
            << wm << 1 << QPoint(-3, -3) << int(Qt::BottomEdge | Qt::RightEdge);
    }
}

// Press, a first motion of 50 pixels (the step a late hand-over to the
// window manager loses), more motions, release: the window ends where the
// pointer says, and the cursor is that of the border still under it.
void TestWindowManagerX11::drag()
{
    QFETCH(bool, wm);
    QFETCH(int, window);
    QFETCH(QPoint, grab);
    QFETCH(int, edges);
    if (!useWindowManager(wm))
        QSKIP("openbox cannot start");

    std::unique_ptr<QWidget> w;
    if (window == 0)
        w = std::make_unique<RibbonMainWindow>();
    else
        w = std::make_unique<RibbonWindow>();
    QVERIFY(show(*w));
    if (grab.isNull()) {
        RibbonMenuBar* bar = static_cast<RibbonMainWindow&>(*w).ribbonMenuBar();
        grab = bar->mapTo(w.get(), bar->captionGeometry().center());
    }
    if (grab.x() < 0)
        grab.rx() += kStart.width();
    if (grab.y() < 0)
        grab.ry() += kStart.height();
    const QPoint start = kStart.topLeft() + grab;

    m_pointer.moveTo(start - QPoint(1, 1));
    m_pointer.moveTo(start);
    const Qt::CursorShape shape = shapeOf(Qt::Edges(edges));
    QTRY_VERIFY2(m_pointer.shows(start, shape), m_pointer.cursorName());
    m_pointer.button(true);
    const QPoint travel(90, 60);
    for (const QPoint& step : {QPoint(50, 30), QPoint(70, 45), travel})
        m_pointer.moveTo(start + step);
    m_pointer.button(false);

    const QRect expected = dragged(kStart, Qt::Edges(edges), travel);
    QTRY_COMPARE_WITH_TIMEOUT(m_pointer.geometry(*w), expected, 3000);
    const QRect actual = m_pointer.geometry(*w);
    const QPoint offset = edges ? actual.bottomRight() - expected.bottomRight() + actual.topLeft() -
                                      expected.topLeft()
                                : actual.topLeft() - expected.topLeft();
    qInfo("pointer-to-window offset after the drag: %d, %d px", offset.x(), offset.y());
    QTRY_COMPARE(w->geometry(), expected);
    // The pointer still holds the grabbed spot: the same cursor.
    QTRY_VERIFY2(m_pointer.shows(start + travel, shape), m_pointer.cursorName());
}

void TestWindowManagerX11::maximize_data()
{
    QTest::addColumn<bool>("wm");
    QTest::newRow("bare") << false;
    QTest::newRow("openbox") << true;
}

// A caption double-click maximizes where a window manager does it and changes
// nothing where none does; pulled by its caption, a maximized window comes
// back to its size under the pointer, at the spot of the caption it was
// grabbed by, and follows it.
void TestWindowManagerX11::maximize()
{
    QFETCH(bool, wm);
    if (!useWindowManager(wm))
        QSKIP("openbox cannot start");
    {
        // Maximized before it was first shown: the state follows what the
        // window system then does.
        RibbonMainWindow early;
        early.setGeometry(kStart);
        early.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&early, 20000));
        QTRY_COMPARE(early.ribbonMenuBar()->isMWMaximized(), wm);
        QTest::qWait(100);
        QCOMPARE(early.isMaximized(), wm);
        QCOMPARE(m_pointer.geometry(early) == kStart, !wm);
    }
    RibbonMainWindow w;
    QVERIFY(show(w));
    RibbonMenuBar* bar = w.ribbonMenuBar();
    const QPoint caption = bar->mapToGlobal(bar->captionGeometry().center());

    // Leaving a border into the status bar: the status bar shows the arrow.
    const QPoint border = w.mapToGlobal(QPoint(2, w.ribbonStatusBar()->geometry().center().y()));
    m_pointer.moveTo(border);
    QTRY_VERIFY2(m_pointer.shows(border, Qt::SizeHorCursor), m_pointer.cursorName());
    m_pointer.moveTo(border + QPoint(20, 0));
    QCOMPARE(QApplication::widgetAt(border + QPoint(20, 0)), w.ribbonStatusBar());
    QTRY_VERIFY2(m_pointer.shows(border + QPoint(20, 0), Qt::ArrowCursor), m_pointer.cursorName());

    m_pointer.moveTo(caption);
    m_pointer.doubleClick();
    if (!wm) {
        QTest::qWait(300);
        QVERIFY(!bar->isMWMaximized());
        QCOMPARE(m_pointer.geometry(w), kStart);
        return;
    }
    const QRect screen = w.screen()->geometry();
    QTRY_COMPARE_WITH_TIMEOUT(m_pointer.geometry(w), screen, 3000);
    QTRY_VERIFY(bar->isMWMaximized());

    // Grabbed somewhere along the caption...
    const QRect maximized = w.geometry();
    const QRect captionArea = bar->captionGeometry();
    const QPoint grab = bar->mapToGlobal(
        QPoint(captionArea.left() + captionArea.width() / 4, captionArea.center().y()));
    m_pointer.moveTo(grab);
    m_pointer.button(true);
    const QPoint travel(60, 200);
    for (const QPoint& step : {QPoint(30, 100), QPoint(45, 150), travel})
        m_pointer.moveTo(grab + step);
    m_pointer.button(false);
    // ...it is as far along the restored window, in proportion.
    const QPoint spot(int(qint64(grab.x() - maximized.x()) * kStart.width() / maximized.width()),
                      grab.y() - maximized.y());
    const QRect expected(grab + travel - spot, kStart.size());
    QTRY_COMPARE_WITH_TIMEOUT(m_pointer.geometry(w), expected, 3000);
    const QPoint offset = m_pointer.geometry(w).topLeft() - expected.topLeft();
    qInfo("pointer-to-window offset after the drag from maximized: %d, %d px", offset.x(),
          offset.y());
    QVERIFY(!bar->isMWMaximized());

    // Maximized and restored by double-clicks, back where it was.
    const QPoint again = bar->mapToGlobal(bar->captionGeometry().center());
    m_pointer.moveTo(again);
    m_pointer.doubleClick();
    QTRY_COMPARE_WITH_TIMEOUT(m_pointer.geometry(w), screen, 3000);
    QTest::qWait(QApplication::doubleClickInterval());
    m_pointer.moveTo(bar->mapToGlobal(bar->captionGeometry().center()));
    m_pointer.doubleClick();
    QTRY_COMPARE_WITH_TIMEOUT(m_pointer.geometry(w), expected, 3000);
    QTRY_VERIFY(!bar->isMWMaximized());
}

// A RibbonWindow maximizes itself, with or without a window manager; pulled
// by its caption it comes back to its size under the pointer and follows it.
void TestWindowManagerX11::ribbonWindowFromMaximized()
{
    QFETCH(bool, wm);
    if (!useWindowManager(wm))
        QSKIP("openbox cannot start");
    RibbonWindow w;
    QVERIFY(show(w));
    m_pointer.moveTo(w.mapToGlobal(w.captionRect().center()));
    m_pointer.doubleClick();
    QTRY_VERIFY(w.events().isMaximized());
    QTRY_COMPARE_WITH_TIMEOUT(m_pointer.geometry(w), w.geometry(), 3000);
    const QRect maximized = w.geometry();
    QVERIFY(maximized.width() > kStart.width());

    const QPoint grab = w.mapToGlobal(QPoint(w.width() / 4, w.captionRect().center().y()));
    m_pointer.moveTo(grab);
    m_pointer.button(true);
    const QPoint travel(60, 200);
    for (const QPoint& step : {QPoint(30, 100), QPoint(45, 150), travel})
        m_pointer.moveTo(grab + step);
    m_pointer.button(false);
    const QPoint spot(int(qint64(grab.x() - maximized.x()) * kStart.width() / maximized.width()),
                      grab.y() - maximized.y());
    const QRect expected(grab + travel - spot, kStart.size());
    QTRY_COMPARE_WITH_TIMEOUT(m_pointer.geometry(w), expected, 3000);
    QVERIFY(!w.events().isMaximized());
}

ORU_TEST_MAIN(TestWindowManagerX11)
#include "tst_windowmanager_x11.moc"
