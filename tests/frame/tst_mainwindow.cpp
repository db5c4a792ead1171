// RibbonMainWindow and RibbonSysButton: frame painting, border drag with
// minimum sizes, cursors, the central widget, title and placement.
#include <oruContrast_p.h>
#include <oruRibbonApplication.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPalette.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonStyle.h>
#include <oruRibbonSysButton.h>

#include "glyphspy.h"
#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"
#include "systemdragspy.h"

#include <QPainter>
#include <QScopeGuard>

#include <QLabel>
#include <QLayout>
#include <QMouseEvent>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;
using oru::test::skin;

namespace {

// Mouse events at a global position with the local one derived from the
// window's current place, as the window system sends them during a drag.
void send(QWidget& w, QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons)
{
    const QPointF local(global - w.geometry().topLeft());
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, local, QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

QVector<QRect> targets(const PaintRecorder& recorder, const QPixmap& pixmap)
{
    QVector<QRect> rects;
    for (const PaintOp& op : recorder.pixmapDraws(pixmap))
        rects << op.target.toRect();
    return rects;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { oru::test::parkCursor(); }
    void construction();
    void sysButtonLooks_data();
    void sysButtonLooks();
    void closeGlyphSmooth_data();
    void closeGlyphSmooth();
    void glyphsAtRatios_data();
    void glyphsAtRatios();
    void framePainting();
    void fullScreenFrame();
    void borderDrag_data();
    void borderDrag();
    void systemDrag();
    void cursorByZone_data();
    void cursorByZone();
    void centralWidget();
    void placement();
};

void TestMainWindow::construction()
{
    RibbonMainWindow w;
    const Qt::WindowFlags flags =
        Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    QCOMPARE(w.windowFlags() & flags, flags);
    QVERIFY(w.hasMouseTracking());
    QCOMPARE(w.layout()->contentsMargins(), QMargins(7, 7, 7, 7));
    QCOMPARE(w.ribbonMenuBar()->parentWidget(), &w);
    QCOMPARE(w.ribbonStatusBar()->parentWidget(), &w);
    QCOMPARE(w.ribbonStatusBar()->height(), 20);
    QCOMPARE(w.palette().color(QPalette::Inactive, QPalette::Window), skin().mainClientColor());

    // The title: the product name, then the document title.
    const QString product = QStringLiteral("Tarnwick") + QChar(0x2122);
    w.setTitle(QStringLiteral("Letter.txt"));
    QCOMPARE(w.windowTitle(), product + QStringLiteral(" - Letter.txt"));
    QCOMPARE(w.title(), QStringLiteral("Letter.txt"));
    w.setTitle(QString());
    QCOMPARE(w.windowTitle(), product);
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::Black);
    QCOMPARE(w.palette().color(QPalette::Active, QPalette::Window), skin().mainClientColor());
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::Blue);

    RibbonMainWindow::WindowStateEvent event; // private: swallowed
    QVERIFY(QApplication::sendEvent(&w, &event));
}

void TestMainWindow::sysButtonLooks_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<int>("backY"); // -1: no background
    QTest::addColumn<int>("frame"); // -1: idle, by activation
    QTest::addColumn<bool>("active");

    QTest::newRow("min idle") << 0 << false << false << false << -1 << -1 << true;
    QTest::newRow("min idle, inactive") << 0 << false << false << false << -1 << -1 << false;
    QTest::newRow("restore idle, inactive") << 1 << false << false << true << -1 << -1 << false;
    QTest::newRow("close hovered, inactive") << 2 << true << false << false << 0 << 1 << false;
    QTest::newRow("min hovered") << 0 << true << false << false << 0 << 1 << true;
    QTest::newRow("min pressed") << 0 << true << true << false << 16 << 0 << true;
    QTest::newRow("pressed, mouse gone") << 2 << false << true << false << 16 << 0 << true;
    QTest::newRow("max idle") << 1 << false << false << false << -1 << -1 << true;
    QTest::newRow("restore idle") << 1 << false << false << true << -1 << -1 << true;
    QTest::newRow("restore hovered") << 1 << true << false << true << 0 << 1 << true;
    QTest::newRow("close hovered") << 2 << true << false << false << 0 << 1 << true;
}

void TestMainWindow::sysButtonLooks()
{
    QFETCH(int, type);
    QFETCH(bool, maximized);
    QFETCH(int, backY);
    QFETCH(int, frame);
    QFETCH(bool, active);
    RibbonMainWindow w;
    w.resize(800, 400);
    maximized ? w.showMaximized() : w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget other;
    other.setGeometry(900, 600, 50, 50);
    if (!active)
        other.show();
    QWidget* focus = active ? static_cast<QWidget*>(&w) : &other;
    focus->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(focus));
    RibbonSysButton* button = w.ribbonMenuBar()->findChildren<RibbonSysButton*>().at(type);
    QCOMPARE(button->size(), QSize(20, 20));
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QFETCH(bool, hovered);
    QFETCH(bool, pressed);
    button->setAttribute(Qt::WA_UnderMouse, hovered);
    button->setDown(pressed);

    const frametest::Glyph glyphs[] = {frametest::Glyph::Minimize,
                                       maximized ? frametest::Glyph::Restore
                                                 : frametest::Glyph::Maximize,
                                       frametest::Glyph::Close};
    if (frame < 0)
        frame = active ? 2 : 4; // idle glyphs follow activation
    const frametest::GlyphSpy spy;
    PaintRecorder recorder;
    button->render(&recorder);
    using Rects = QList<QPair<QRect, QRect>>;
    const QRect box(0, 0, 20, 20);
    QCOMPARE(recorder.pixmapRects(skin().sysBtnBack()),
             (backY < 0 ? Rects() : Rects{{box, QRect(0, backY, 17, 16)}}));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.of(glyphs[type], frametest::Size::Large), (frametest::GlyphDraws{{box, frame}}));
}

// The close cross keeps its crisp pixel look at 1x; finer densities paint
// it antialiased: down its upper left arm the stroke's left edge moves by
// about the same fraction of a pixel from row to row, where a pixel glyph
// blown up moves in steps.
void TestMainWindow::closeGlyphSmooth_data()
{
    oru::test::addSkinRatioRows({1.0, 1.5, 2.0});
}

void TestMainWindow::closeGlyphSmooth()
{
    QFETCH(int, style);
    QFETCH(qreal, ratio);
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::eRibbonStyle(style));
    RibbonMainWindow w;
    w.resize(600, 300);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    RibbonSysButton* close = w.ribbonMenuBar()->findChildren<RibbonSysButton*>().at(2);
    const QColor back(255, 0, 255); // in no skin's glyph
    QImage image(close->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(back);
    close->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::Blue);

    const auto distance = [&back](QRgb c) {
        return std::abs(qRed(c) - back.red()) + std::abs(qGreen(c) - back.green()) +
               std::abs(qBlue(c) - back.blue());
    };
    QSet<QRgb> tones;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != back.rgb()) {
                tones.insert(image.pixel(x, y));
                top = top < 0 ? y : top;
                bottom = y;
            }
    QVERIFY(top >= 0);
    if (ratio == 1.0) {
        // Glyph, emboss and nothing in between.
        QVERIFY2(tones.size() <= 2, qPrintable(QString::number(tones.size())));
        return;
    }
    // The glyph's colour where the strokes cross.
    const int full = distance(image.pixel(image.width() / 2, (top + bottom) / 2));
    QList<qreal> edges;
    // From the second row: the first holds only the stroke ends' faint edge.
    for (int y = top + 2; y < top + (bottom - top) / 3 + 1; ++y) {
        qreal edge = 0;
        for (int x = 0; x < image.width() / 2; ++x) {
            const qreal ink = qMin(1.0, distance(image.pixel(x, y)) / qreal(full));
            if (ink > 0.9)
                break;
            edge += 1 - ink;
        }
        edges << edge;
    }
    QVERIFY(edges.size() >= 4);
    const qreal mean = (edges.last() - edges.first()) / (edges.size() - 1);
    for (int i = 1; i < edges.size(); ++i)
        QVERIFY2(qAbs(edges.at(i) - edges.at(i - 1) - mean) <= 0.5,
                 qPrintable(QStringLiteral("row %1: edge %2 after %3, mean step %4")
                                .arg(top + 2 + i)
                                .arg(edges.at(i))
                                .arg(edges.at(i - 1))
                                .arg(mean)));
}

// Every glyph, idle and hovered, in the main window's 20x20 buttons and in
// RibbonWindow's 16x16 ones, drawn at 1x, 1.5x and 2x over what lies behind
// it: the ink's box is the 1x box times the ratio (within a device pixel),
// minimize's bar has whole rows of ink, and the ink stands out from the
// background beside it by 3:1 at least.
void TestMainWindow::glyphsAtRatios_data()
{
    QTest::addColumn<QString>("skinName");
    QTest::addColumn<int>("glyph");
    const QStringList skins = {"Blue", "Silver", "Black", "Modern Light", "Modern Dark", "Amber"};
    const char* glyphs[] = {"minimize", "maximize", "restore", "close"};
    for (const QString& name : skins)
        for (int g = 0; g < 4; ++g)
            QTest::addRow("%s %s", qPrintable(name), glyphs[g]) << name << g;
}

void TestMainWindow::glyphsAtRatios()
{
    using oru::sysglyph::Glyph;
    using oru::sysglyph::Size;
    QFETCH(QString, skinName);
    QFETCH(int, glyph);
    RibbonApplication* app = RibbonApplication::theApp();
    if (skinName == QLatin1String("Amber")) {
        RibbonPalette palette = RibbonPalette::modernLight();
        palette.setAccent(QColor(0xff, 0xb0, 0x00));
        QVERIFY(app->registerRibbonStyle(skinName, palette));
    }
    QVERIFY(app->setRibbonStyle(skinName));
    const auto restoreSkin = qScopeGuard([app] { app->setRibbonStyle(RibbonApplication::Blue); });

    for (const Size size : {Size::Large, Size::Small}) {
        const bool large = size == Size::Large;
        const QRect target(0, 0, large ? 20 : 16, large ? 20 : 16);
        // Idle in an active window, hovered.
        for (const int frame : {large ? 2 : 3, 1}) {
            const QString where =
                QStringLiteral("%1 frame %2").arg(large ? "large" : "small").arg(frame);
            QRect inkAt1x;
            for (const qreal ratio : {1.0, 1.5, 2.0}) {
                QImage back(target.size() * ratio, QImage::Format_ARGB32_Premultiplied);
                back.setDevicePixelRatio(ratio);
                {
                    // The caption band behind the button, the hover look over it.
                    QPainter p(&back);
                    skin().drawPixmap(p, target, skin().mainBorderCaption(),
                                      QRect(17, large ? 5 : 9, 1, target.height()));
                    if (frame == 1)
                        skin().drawPixmap(p, target, skin().sysBtnBack(), QRect(0, 0, 17, 16));
                }
                QImage image = back;
                {
                    QPainter p(&image);
                    oru::sysglyph::draw(p, skin(), Glyph(glyph), size, frame, target);
                }
                const QString at = where + QStringLiteral(" at %1x").arg(ratio);
                QRect ink;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if (image.pixel(x, y) != back.pixel(x, y))
                            ink |= QRect(x, y, 1, 1);
                QVERIFY2(!ink.isEmpty(), qPrintable(at));
                if (ratio == 1.0)
                    inkAt1x = ink;
                const auto near = [ratio](int device, int logical) {
                    return std::abs(device - logical * ratio) <= 1.0;
                };
                QVERIFY2(near(ink.left(), inkAt1x.left()) && near(ink.top(), inkAt1x.top()) &&
                             near(ink.right() + 1, inkAt1x.right() + 1) &&
                             near(ink.bottom() + 1, inkAt1x.bottom() + 1),
                         qPrintable(at + QStringLiteral(": ink %1,%2 %3x%4, at 1x %5,%6 %7x%8")
                                             .arg(ink.x())
                                             .arg(ink.y())
                                             .arg(ink.width())
                                             .arg(ink.height())
                                             .arg(inkAt1x.x())
                                             .arg(inkAt1x.y())
                                             .arg(inkAt1x.width())
                                             .arg(inkAt1x.height())));

                // Down the bar's first column (where no emboss lies beside
                // it): background, whole rows of one ink, background.
                const bool box =
                    qAlpha(image.pixel(image.width() / 2, 0)) > 0 &&
                    image.pixel(image.width() / 2, 0) != back.pixel(image.width() / 2, 0);
                if (Glyph(glyph) == Glyph::Minimize && !box) {
                    const int x = ink.left();
                    QRgb inkColor = 0;
                    int inkRows = 0;
                    int blended = 0;
                    for (int y = 0; y < image.height(); ++y) {
                        const QRgb c = image.pixel(x, y);
                        if (c == back.pixel(x, y))
                            continue;
                        if (inkRows == 0 || c == inkColor) {
                            inkColor = c;
                            ++inkRows;
                        } else {
                            ++blended;
                        }
                    }
                    QVERIFY2(
                        inkRows >= int(ratio) && blended <= (ratio == int(ratio) ? 0 : 1),
                        qPrintable(
                            at +
                            QStringLiteral(": %1 ink rows, %2 blended").arg(inkRows).arg(blended)));
                }

                // The strongest ink pixel against the background a few
                // pixels in from the button's left edge, on the same row.
                const int refX = int(2.5 * ratio);
                qreal best = 0;
                for (int y = ink.top(); y <= ink.bottom(); ++y)
                    for (int x = int(3 * ratio); x < image.width() - int(3 * ratio); ++x)
                        best = qMax(best, contrast::ratio(image.pixelColor(x, y),
                                                          image.pixelColor(refX, y)));
                QVERIFY2(best >= 3.0, qPrintable(at + QStringLiteral(": contrast %1").arg(best)));
            }
        }
    }
}

void TestMainWindow::framePainting()
{
    RibbonMainWindow w;
    w.resize(800, 500);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    RibbonSimpleAction toggle(QStringLiteral("t"), nullptr);
    QSignalSpy changed(w.ribbonStatusBar(), &RibbonStatusBar::statusBarChanged);
    w.ribbonStatusBar()->addAction(&toggle);
    QCOMPARE(changed.count(), 1);
    QCoreApplication::processEvents();

    const int a = w.isActiveWindow() ? 0 : 35;
    const int k = w.captionHeight();
    QCOMPARE(k, 33);
    PaintRecorder recorder;
    w.render(&recorder);
    QCOMPARE(targets(recorder, skin().mainBorderCaption()),
             QVector<QRect>({QRect(0, 0, 7, k), QRect(7, 0, 793, k), QRect(793, 0, 7, k)}));
    const auto border = recorder.pixmapRects(skin().mainBorder());
    QCOMPARE(border.size(), 5);
    QCOMPARE(border.at(0), qMakePair(QRect(0, k, 7, 500 - 7 - k), QRect(a, 15, 7, 1)));
    QCOMPARE(border.at(3).first, QRect(7, 493, 786, 7));

    // Around the status bar: its left edge and corner, the middle up to the
    // extensions, the separator, the extension area and the right end.
    const QRect sb = w.ribbonStatusBar()->geometry();
    QCOMPARE(sb, QRect(7, 500 - 7 - 20, 786, 20));
    const int e = w.ribbonStatusBar()->extensionsWidth();
    QVERIFY(e > 10);
    const int y = sb.top();
    QCOMPARE(targets(recorder, skin().statusBar()),
             QVector<QRect>({QRect(0, y, 7, 20), QRect(0, y + 20, 7, 7), QRect(7, y, 786 - e, 20),
                             QRect(7, y + 20, 786 - e, 7)}));
    const auto ext = recorder.pixmapRects(skin().statusBarExt());
    QCOMPARE(ext.size(), 6);
    QCOMPARE(ext.at(0).first, QRect(800 - 7 - e, y, 3, 20));
    QCOMPARE(ext.at(2), qMakePair(QRect(800 - 4 - e, y, e - 3, 20), QRect(a + 3, 0, 25, 16)));
    QCOMPARE(ext.at(5).first, QRect(793, y + 20, 7, 7));
    // The mask: the rounded outline.
    QVERIFY(!w.mask().contains(QPoint(0, 0)) && !w.mask().contains(QPoint(799, 499)));
    QVERIFY(w.mask().contains(QPoint(4, 0)));

    // Removing the action announces once; an action without a widget is
    // announced when added, not when removed.
    w.ribbonStatusBar()->removeAction(&toggle);
    QCOMPARE(changed.count(), 2);
    RibbonAction plain(QStringLiteral("p"), nullptr);
    w.ribbonStatusBar()->addAction(&plain);
    QCOMPARE(changed.count(), 3);
    w.ribbonStatusBar()->removeAction(&plain);
    QCOMPARE(changed.count(), 3);
}

// Full screen: no frame around the window and no mask; the status bar keeps
// its left edge and gets the popup area with its separator.
void TestMainWindow::fullScreenFrame()
{
    RibbonMainWindow w;
    w.resize(800, 500);
    w.showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.isFullScreen());
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    w.render(&recorder);
    QVERIFY(recorder.pixmapDraws(skin().mainBorderCaption()).isEmpty());
    QVERIFY(recorder.pixmapDraws(skin().mainBorder()).isEmpty());
    QVERIFY(w.mask().isEmpty());
    const QRect sb = w.ribbonStatusBar()->geometry();
    const int p = w.ribbonStatusBar()->popupLayoutWidth();
    QVERIFY(p > 0);
    const auto ext = recorder.pixmapRects(skin().statusBarExt());
    const auto separator = qMakePair(QRect(p, sb.top(), 3, sb.height()), QRect(0, 0, 3, 16));
    const auto popupArea = qMakePair(QRect(0, sb.top(), p, sb.height()), QRect(16, 0, 7, 16));
    QVERIFY(ext.contains(separator) && ext.contains(popupArea));
    QVERIFY(ext.indexOf(separator) < ext.indexOf(popupArea));
    QCOMPARE(recorder.pixmapRects(skin().statusBar()).value(0).first,
             QRect(0, sb.top(), 7, sb.height()));

    // Back to normal: the frame and the mask return, the popup area goes.
    w.showNormal();
    QTRY_VERIFY(!w.isFullScreen());
    QCoreApplication::processEvents();
    recorder.clear();
    w.render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin().mainBorderCaption()).size(), 3);
    QCOMPARE(recorder.pixmapDraws(skin().mainBorder()).size(), 5);
    QVERIFY(!w.mask().isEmpty());
    const QRect normalBar = w.ribbonStatusBar()->geometry();
    QVERIFY(!recorder.pixmapRects(skin().statusBarExt())
                 .contains(qMakePair(QRect(0, normalBar.top(), p, normalBar.height()),
                                     QRect(16, 0, 7, 16))));
}

// Dragging the outer border: each edge and corner, with the minimum size
// 500x300 stopping the shrink.
void TestMainWindow::borderDrag_data()
{
    QTest::addColumn<QPoint>("press"); // window coordinates of 800x600
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("left in") << QPoint(2, 300) << QPoint(100, 0) << QRect(200, 100, 700, 600);
    QTest::newRow("left past min") << QPoint(2, 300) << QPoint(700, 0) << QRect(400, 100, 500, 600);
    QTest::newRow("left out") << QPoint(5, 300) << QPoint(-50, 9) << QRect(50, 100, 850, 600);
    QTest::newRow("right") << QPoint(797, 300) << QPoint(40, 30) << QRect(100, 100, 840, 600);
    QTest::newRow("right past min")
        << QPoint(795, 300) << QPoint(-600, 0) << QRect(100, 100, 500, 600);
    QTest::newRow("top") << QPoint(400, 0) << QPoint(0, -60) << QRect(100, 40, 800, 660);
    QTest::newRow("top past min") << QPoint(400, 5) << QPoint(0, 500) << QRect(100, 400, 800, 300);
    QTest::newRow("bottom") << QPoint(400, 599) << QPoint(0, 25) << QRect(100, 100, 800, 625);
    QTest::newRow("top-left") << QPoint(3, 3) << QPoint(50, 40) << QRect(150, 140, 750, 560);
    QTest::newRow("bottom-right") << QPoint(798, 598) << QPoint(-500, -500)
                                  << QRect(100, 100, 500, 300);
    QTest::newRow("inside") << QPoint(6, 300) << QPoint(100, 100) << QRect(100, 100, 800, 600);
}

void TestMainWindow::borderDrag()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    RibbonMainWindow w;
    w.setMinimumSize(500, 300);
    w.setGeometry(100, 100, 800, 600);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.geometry(), QRect(100, 100, 800, 600));
    const QPoint global = w.geometry().topLeft() + press;
    send(w, QEvent::MouseButtonPress, global, Qt::LeftButton);
    send(w, QEvent::MouseMove, global + delta / 2, Qt::LeftButton);
    send(w, QEvent::MouseMove, global + delta, Qt::LeftButton);
    QCOMPARE(w.geometry(), expected);
    send(w, QEvent::MouseButtonRelease, global + delta, Qt::NoButton);
    send(w, QEvent::MouseMove, global + delta * 2, Qt::NoButton); // released
    QCOMPARE(w.geometry(), expected);

    // Maximized: no border drag, the arrow cursor.
    w.showMaximized();
    QVERIFY(w.isMaximized());
    const QRect maximized = w.geometry();
    const QPoint corner = maximized.topLeft() + QPoint(3, 3);
    send(w, QEvent::MouseButtonPress, corner, Qt::LeftButton);
    send(w, QEvent::MouseMove, corner + QPoint(80, 80), Qt::LeftButton);
    QCOMPARE(w.geometry(), maximized);
    send(w, QEvent::MouseButtonRelease, corner, Qt::NoButton);
    send(w, QEvent::MouseMove, corner, Qt::NoButton);
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
}

// Border drags and the caption drag of the menu bar ask the window system
// first, at their first move; refused, the window follows the mouse itself.
void TestMainWindow::systemDrag()
{
    RibbonMainWindow w;
    w.setGeometry(100, 100, 800, 500);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    using Requests = frametest::SystemDragSpy::Requests;
    for (const bool accept : {true, false}) {
        frametest::SystemDragSpy spy(accept);
        const QRect start = w.geometry();
        const QPoint corner = w.mapToGlobal(QPoint(797, 2)); // top-right
        send(w, QEvent::MouseButtonPress, corner, Qt::LeftButton);
        QVERIFY(spy.take().isEmpty());
        send(w, QEvent::MouseMove, corner + QPoint(20, -10), Qt::LeftButton);
        send(w, QEvent::MouseMove, corner + QPoint(30, -20), Qt::LeftButton);
        QCOMPARE(spy.take(), Requests({{w.windowHandle(), Qt::TopEdge | Qt::RightEdge}}));
        QCOMPARE(spy.lastAnchor(), QPointF(corner + QPoint(20, -10)));
        QCOMPARE(w.geometry() == start, accept);
        send(w, QEvent::MouseButtonRelease, corner, Qt::NoButton);
        w.setGeometry(start);

        RibbonMenuBar* bar = w.ribbonMenuBar();
        const QPoint caption = bar->mapToGlobal(bar->captionGeometry().center());
        const auto sendBar = [&](QEvent::Type type, const QPoint& global, Qt::MouseButtons b) {
            const QPointF local = bar->mapFromGlobal(QPointF(global));
            QMouseEvent event(type, local, local, QPointF(global),
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, b,
                              Qt::NoModifier);
            QApplication::sendEvent(bar, &event);
        };
        sendBar(QEvent::MouseButtonPress, caption, Qt::LeftButton);
        QVERIFY(spy.take().isEmpty());
        sendBar(QEvent::MouseMove, caption + QPoint(15, 5), Qt::LeftButton);
        sendBar(QEvent::MouseMove, caption + QPoint(25, 10), Qt::LeftButton);
        QCOMPARE(spy.take(), Requests({{w.windowHandle(), Qt::Edges()}}));
        QCOMPARE(spy.lastAnchor(), QPointF(caption + QPoint(15, 5)));
        QCOMPARE(w.pos(), accept ? start.topLeft() : start.topLeft() + QPoint(25, 10));
        sendBar(QEvent::MouseButtonRelease, caption, Qt::NoButton);
        w.setGeometry(start);
    }
}

void TestMainWindow::cursorByZone_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("shape");
    QTest::newRow("top-left") << QPoint(2, 2) << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-right") << QPoint(397, 297) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right") << QPoint(396, 4) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-left") << QPoint(5, 295) << int(Qt::SizeBDiagCursor);
    QTest::newRow("top") << QPoint(200, 0) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom") << QPoint(200, 299) << int(Qt::SizeVerCursor);
    QTest::newRow("left") << QPoint(0, 150) << int(Qt::SizeHorCursor);
    QTest::newRow("right") << QPoint(395, 150) << int(Qt::SizeHorCursor);
    QTest::newRow("inside") << QPoint(6, 150) << int(Qt::ArrowCursor);
}

void TestMainWindow::cursorByZone()
{
    QFETCH(QPoint, pos);
    QFETCH(int, shape);
    RibbonMainWindow w;
    w.setMinimumSize(100, 100);
    w.setGeometry(50, 50, 400, 300);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    send(w, QEvent::MouseMove, w.geometry().topLeft() + pos, Qt::NoButton);
    QCOMPARE(int(w.cursor().shape()), shape);
}

void TestMainWindow::centralWidget()
{
    RibbonMainWindow w;
    w.resize(600, 400);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* label = new QLabel(QStringLiteral("text"));
    w.setCentralWidget(label);
    QCOMPARE(w.centralWidget(), label);
    QCOMPARE(label->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCoreApplication::processEvents();
    // Between the ribbon bar and the status bar.
    QCOMPARE(label->y(), w.ribbonMenuBar()->geometry().bottom() + 1);
    QCOMPARE(label->geometry().bottom() + 1, w.ribbonStatusBar()->y());

    auto* other = new QLabel(QStringLiteral("other"));
    w.setCentralWidget(other);
    QCOMPARE(w.centralWidget(), other);
    QCoreApplication::processEvents(); // the layout shows new widgets later
    w.setCentralWidget(nullptr);
    QCOMPARE(w.centralWidget(), nullptr);
    // The earlier widgets stay children, visible, outside the layout.
    QCOMPARE(label->parentWidget(), &w);
    QVERIFY(label->isVisible() && other->isVisible());
    QCOMPARE(w.layout()->indexOf(label), -1);
    // Deleting a central widget in place leaves an empty central area.
    w.setCentralWidget(label);
    delete label;
    QCOMPARE(w.centralWidget(), nullptr);
    w.setCentralWidget(other);
    QCOMPARE(w.centralWidget(), other);
}

void TestMainWindow::placement()
{
    RibbonMainWindow w;
    w.setGeometry(30, 40, 700, 500);
    QCOMPARE(w.restoreGeom(), w.normalGeometry());
    w.setRestoreGeom(QPoint(10, 20), QSize(640, 480));
    QCOMPARE(w.geometry(), QRect(10, 20, 640, 480));
    w.move(200, 200);
    QCOMPARE(w.restoreGeom(), QRect(10, 20, 640, 480));

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.showMaximizedRestored();
    QVERIFY(w.isMaximized());
    QVERIFY(w.ribbonMenuBar()->isMWMaximized());
    w.showMaximizedRestored(false);
    QVERIFY(!w.isMaximized());
    w.changeWindowState(Qt::WindowMinimized);
    QVERIFY(w.isMinimized());
    w.showMaximizedRestored();
    QVERIFY(!w.isMinimized() && !w.isMaximized());
}

ORU_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
