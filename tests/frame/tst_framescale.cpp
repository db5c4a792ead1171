// The frameless windows at a fractional scale (run with QT_SCALE_FACTOR 1.25
// and 1.5 on an X server): the shape the X server has for the window and the
// resize grips, seen native pixel by native pixel, are the 1x ones of the
// logical pixel each native pixel lies in (floor(native / scale)). No line of
// native pixels is left out along the rounded corners, and the outermost
// native row and column always grip.
#include <oruRibbonMainWindow.h>
#include <oruRibbonWindow.h>
#include <oruRibbonWindowEvents_p.h>
#include <oruTestApp.h>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QRegion>
#include <QScreen>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
// X.h names a constant like Qt's cursor enumeration.
#undef CursorShape

#include <cmath>

using namespace oru;

namespace {

// The 1x outline: stepped corners that leave out 4, 2, 1 and 1 pixels of the
// four rows nearest the top and bottom edges.
bool insideOutline(int x, int y, int w, int h)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return false;
    static const int cut[4] = {4, 2, 1, 1};
    const int row = qMin(y, h - 1 - y);
    const int c = row < 4 ? cut[row] : 0;
    return x >= c && x < w - c;
}

int toLogical(int native, qreal factor)
{
    return int(std::floor(native / factor + 1e-9));
}

// The window's shape as the X server has it, in native pixels.
QRegion serverShape(QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return QRegion();
    XSync(display, False);
    int count = 0;
    int ordering = 0;
    XRectangle* rects =
        XShapeGetRectangles(display, Window(window.winId()), ShapeBounding, &count, &ordering);
    QRegion shape;
    for (int i = 0; i < count; ++i)
        shape += QRect(rects[i].x, rects[i].y, rects[i].width, rects[i].height);
    if (rects)
        XFree(rects);
    return shape;
}

// The cursor a grip shows, as the 1x tables have it.
Qt::CursorShape cursorOf(Qt::Alignment grip)
{
    using E = RibbonWindow::Events;
    if (grip == E::sGripTop || grip == E::sGripBottom)
        return Qt::SizeVerCursor;
    if (grip == E::sGripLeft || grip == E::sGripRight)
        return Qt::SizeHorCursor;
    if (grip == E::sGripTopLeft || grip == E::sGripBottomRight)
        return Qt::SizeFDiagCursor;
    if (grip == E::sGripTopRight || grip == E::sGripBottomLeft)
        return Qt::SizeBDiagCursor;
    return Qt::ArrowCursor;
}

bool isResizeCursor(Qt::CursorShape shape)
{
    return shape == Qt::SizeVerCursor || shape == Qt::SizeHorCursor ||
           shape == Qt::SizeFDiagCursor || shape == Qt::SizeBDiagCursor;
}

// A pointer move over native pixel @p native of @p window, with the
// positions Qt computes from the native ones: local = native / scale, global
// = (native window position + native) / scale.
Qt::CursorShape cursorAt(QWidget& window, const QPoint& native, qreal factor)
{
    const QPointF windowNative = QPointF(window.geometry().topLeft()) * factor;
    const QPointF origin(std::round(windowNative.x()), std::round(windowNative.y()));
    const QPointF local = QPointF(native) / factor;
    const QPointF global = (origin + QPointF(native)) / factor;
    QMouseEvent event(QEvent::MouseMove, local, local, global, Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
    return window.cursor().shape();
}

QString at(const QPoint& p)
{
    return QStringLiteral("native %1,%2").arg(p.x()).arg(p.y());
}

} // namespace

class TestFrameScale : public QObject
{
    Q_OBJECT

private:
    qreal m_factor = 1;

    template <class W> void checkShape(W& window)
    {
        const int w = window.width();
        const int h = window.height();
        const QRegion shape = serverShape(window);
        QVERIFY(!shape.isEmpty());
        const QSize native = window.size() * m_factor;
        QCOMPARE(shape.boundingRect(), QRect(QPoint(0, 0), native));
        QStringList wrong;
        for (int y = 0; y < native.height(); ++y) {
            const int ly = toLogical(y, m_factor);
            for (int x = 0; x < native.width(); ++x) {
                const bool expected = insideOutline(toLogical(x, m_factor), ly, w, h);
                if (shape.contains(QPoint(x, y)) != expected && wrong.size() < 8)
                    wrong << at(QPoint(x, y)) + (expected ? " left out" : " in the shape");
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server");
        m_factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
        if (m_factor <= 0)
            QSKIP("runs with QT_SCALE_FACTOR set");
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), m_factor);
    }

    void shapeAndGrips_data()
    {
        QTest::addColumn<QSize>("size");
        // Even and odd sizes: their native sizes round differently.
        for (const QSize& size :
             {QSize(400, 300), QSize(401, 301), QSize(402, 302), QSize(403, 303)})
            QTest::addRow("%dx%d", size.width(), size.height()) << size;
    }

    // RibbonWindow: the shape, and over every native pixel of a band along
    // the edges the cursor of the grip the logical pixel has at 1x; the
    // outermost native pixels all grip.
    void shapeAndGrips()
    {
        QFETCH(QSize, size);
        RibbonWindow window;
        window.setGeometry(QRect(QPoint(101, 103), size));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), size);
        checkShape(window);

        const QSize native = size * m_factor;
        const int band = int(std::ceil(12 * m_factor));
        QStringList wrong;
        for (int y = 0; y < native.height(); ++y) {
            for (int x = 0; x < native.width(); ++x) {
                const bool edge = x < band || y < band || x >= native.width() - band ||
                                  y >= native.height() - band;
                if (!edge)
                    continue;
                const QPoint p(x, y);
                const QPoint logical(toLogical(x, m_factor), toLogical(y, m_factor));
                const Qt::CursorShape expected = cursorOf(RibbonWindow::Events::gripAt(
                    window.geometry(), window.geometry().topLeft() + logical));
                const Qt::CursorShape shape = cursorAt(window, p, m_factor);
                const bool outermost =
                    x == 0 || y == 0 || x == native.width() - 1 || y == native.height() - 1;
                if ((shape != expected || (outermost && !isResizeCursor(shape))) &&
                    wrong.size() < 8)
                    wrong << at(p) + QStringLiteral(": cursor %1, 1x %2")
                                         .arg(int(shape))
                                         .arg(int(expected));
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    void mainWindow_data() { shapeAndGrips_data(); }

    // RibbonMainWindow: the same shape; its own border zones (6 pixels)
    // show resize cursors up to the last native column and row.
    void mainWindow()
    {
        QFETCH(QSize, size);
        RibbonMainWindow window;
        window.setMinimumSize(QSize(100, 100));
        window.setGeometry(QRect(QPoint(101, 103), size));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), size);
        checkShape(window);

        const QSize native = size * m_factor;
        QStringList wrong;
        const auto check = [&](const QPoint& p) {
            const QPoint logical(toLogical(p.x(), m_factor), toLogical(p.y(), m_factor));
            const bool horizontal = logical.x() <= 5 || logical.x() >= size.width() - 5;
            const bool vertical = logical.y() <= 5 || logical.y() >= size.height() - 5;
            const Qt::CursorShape shape = cursorAt(window, p, m_factor);
            if (!isResizeCursor(shape) ||
                (horizontal && vertical) !=
                    (shape == Qt::SizeFDiagCursor || shape == Qt::SizeBDiagCursor))
                if (wrong.size() < 8)
                    wrong << at(p) + QStringLiteral(": cursor %1").arg(int(shape));
        };
        for (int x = 0; x < native.width(); ++x) {
            check(QPoint(x, 0));
            check(QPoint(x, native.height() - 1));
        }
        for (int y = 0; y < native.height(); ++y) {
            check(QPoint(0, y));
            check(QPoint(native.width() - 1, y));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }
};

int main(int argc, char** argv)
{
    oru::test::TestApplication app(argc, argv);
    TestFrameScale tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_framescale.moc"
