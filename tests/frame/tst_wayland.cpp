// The frameless windows as clients of a real Wayland compositor (a headless
// Weston that tests/common/wayland-session starts). A Wayland client can
// neither place its window nor learn where it is, so nothing here reads a
// global position: the checks are what the compositor answers, the exposure,
// the surface size, the window states it grants, the move and resize
// requests, and the input shape.
#include "frametestutil.h"
#include "glyphspy.h"
#include "systemdragspy.h"

#include <oruPaintRecorder.h>
#include <oruRibbonApplication.h>
#include <oruRibbonButtonMain.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonStyle.h>
#include <oruRibbonSysButton.h>
#include <oruTestApp.h>

#include <QInputDevice>
#include <QScreen>
#include <QWindow>

#include <memory>
#include <tuple>
#include <vector>

using namespace oru;
using namespace frametest;
using oru::test::PaintRecorder;
using oru::test::skin;

namespace {

const QSize kNormal(400, 300);

// Forwards every move/resize request to the window system (QWindow's own
// startSystemMove/startSystemResize) and records it with the answer.
class RealRequests
{
public:
    using Call = std::tuple<QWindow*, Qt::Edges, bool>;

    RealRequests()
    {
        s_calls.clear();
        s_system = m_previous = frame::setSystemMoveResizeHook(&forward);
    }
    ~RealRequests() { frame::setSystemMoveResizeHook(m_previous); }
    RealRequests(const RealRequests&) = delete;
    RealRequests& operator=(const RealRequests&) = delete;

    static QList<Call> take() { return std::exchange(s_calls, QList<Call>()); }

private:
    static bool forward(QWindow* window, Qt::Edges edges, const QPointF& anchor)
    {
        const bool taken = s_system(window, edges, anchor);
        s_calls.append({window, edges, taken});
        return taken;
    }

    static inline QList<Call> s_calls;
    static inline frame::SystemMoveResizeHook s_system = nullptr;
    frame::SystemMoveResizeHook m_previous = nullptr;
};

// Warnings about masks or shapes, which the wayland platform would print if
// it could not give a window its input shape.
QStringList s_maskWarnings;
QtMessageHandler s_previousHandler = nullptr;
void collectingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("mask"), Qt::CaseInsensitive))
        s_maskWarnings << message;
    // Tests must not move the pointer here; the platform says so each time.
    if (!message.contains(QLatin1String("Setting cursor position is not possible")))
        s_previousHandler(type, context, message);
}

// The mouse events of a drag on a main window or its menu bar, with global
// positions taken from the widget's own idea of where it is.
void sendTo(QWidget* target, QEvent::Type type, const QPoint& local, Qt::MouseButtons buttons)
{
    const QPointF global = target->mapToGlobal(QPointF(local));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(local), global, button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

struct Grip
{
    const char* name;
    QPoint local; // on a 400x300 window
    Qt::Edges edges;
};

const Grip kGrips[] = {{"caption", {150, 18}, {}},
                       {"top", {200, 2}, Qt::TopEdge},
                       {"top-right", {397, 2}, Qt::TopEdge | Qt::RightEdge},
                       {"right", {397, 150}, Qt::RightEdge},
                       {"bottom-right", {397, 297}, Qt::BottomEdge | Qt::RightEdge},
                       {"bottom", {200, 297}, Qt::BottomEdge},
                       {"bottom-left", {2, 297}, Qt::BottomEdge | Qt::LeftEdge},
                       {"left", {2, 150}, Qt::LeftEdge},
                       {"top-left", {2, 2}, Qt::TopEdge | Qt::LeftEdge}};

// Whether the compositor gave this client a pointer (a seat with one).
bool hasPointer()
{
    for (const QInputDevice* device : QInputDevice::devices()) {
        if (device->type() == QInputDevice::DeviceType::Mouse)
            return true;
    }
    return false;
}

bool showNormalSized(QWidget& w)
{
    w.resize(kNormal);
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

// The stepped outline of the frameless windows: 4, 2, 1 and 1 pixels cut off
// the ends of the rows nearest each corner.
bool hasSteppedOutline(const QRegion& region, const QSize& size)
{
    if (region.boundingRect() != QRect(QPoint(), size))
        return false;
    const int w = size.width();
    const int h = size.height();
    const int inset[] = {4, 2, 1, 1};
    for (int y : {0, 1, 2, 3, 4, h / 2, h - 5, h - 4, h - 3, h - 2, h - 1}) {
        const int d = qMin(y, h - 1 - y);
        const int first = d < 4 ? inset[d] : 0;
        if (first > 0 &&
            (region.contains(QPoint(first - 1, y)) || region.contains(QPoint(w - first, y))))
            return false;
        if (!region.contains(QPoint(first, y)) || !region.contains(QPoint(w - 1 - first, y)))
            return false;
    }
    return true;
}

} // namespace

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void showAndExpose();
    void systemRequests_data();
    void systemRequests();
    void mainWindowStates();
    void ribbonWindowMaximize();
    void masks();
    void popups_data();
    void popups();

private:
    QMap<QString, bool> m_answers; // what the compositor did with each real request
};

void TestWayland::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        QSKIP("needs a Wayland compositor (run through tests/common/wayland-session)");
    s_previousHandler = qInstallMessageHandler(collectingHandler);
}

void TestWayland::cleanupTestCase()
{
    QStringList taken, refused;
    for (auto it = m_answers.cbegin(); it != m_answers.cend(); ++it)
        (it.value() ? taken : refused) << it.key();
    qInfo("system move/resize taken by the compositor: %s",
          qPrintable(taken.join(QLatin1String("; "))));
    qInfo("system move/resize refused by the compositor: %s",
          qPrintable(refused.join(QLatin1String("; "))));
    if (s_previousHandler)
        qInstallMessageHandler(s_previousHandler);
}

void TestWayland::showAndExpose()
{
    RibbonMainWindow main;
    RibbonWindow plain;
    for (QWidget* w : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&plain)}) {
        QVERIFY(showNormalSized(*w));
        QWindow* window = w->windowHandle();
        QVERIFY(window && window->handle());
        QVERIFY(window->isExposed());
        // The surface has the widget's size and no decorations of Qt's own
        // around it: the frame the library paints is the only one.
        QCOMPARE(window->size(), kNormal);
        QCOMPARE(window->frameMargins(), QMargins());
    }
    // A window with a frame gets Qt's client-side decorations on Weston,
    // which serves none of its own: the check above can tell them apart.
    QWidget framed;
    QVERIFY(showNormalSized(framed));
    QVERIFY(framed.windowHandle()->frameMargins() != QMargins());

    PaintRecorder recorder;
    plain.render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin().mainBorder()).size(), 5);
    // Without a seat no window gets the keyboard focus, so none is active,
    // and the frame takes the inactive pieces.
    if (!hasPointer())
        QVERIFY(!plain.isActiveWindow() && !main.isActiveWindow());
    const int a = plain.isActiveWindow() ? 0 : 35;
    using DrawList = QList<QPair<QRect, QRect>>;
    QCOMPARE(recorder.pixmapRects(skin().mainBorderCaption()),
             DrawList({{{0, 0, 7, 33}, {a, 0, 7, 31}},
                       {{7, 0, 393, 33}, {a + 7, 0, 21, 31}},
                       {{393, 0, 7, 33}, {a + 28, 0, 7, 31}}}));
}

void TestWayland::systemRequests_data()
{
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<QPoint>("local");
    QTest::addColumn<int>("edges");
    for (const bool mainWindow : {false, true}) {
        for (const Grip& grip : kGrips) {
            QTest::addRow("%s, %s", mainWindow ? "main window" : "ribbon window", grip.name)
                << mainWindow << grip.local << int(grip.edges);
        }
    }
}

// Each grip and the caption ask the window system once, at the first move of
// the drag, with their edges; then the same drag with the real request.
void TestWayland::systemRequests()
{
    QFETCH(bool, mainWindow);
    QFETCH(QPoint, local);
    QFETCH(int, edges);
    std::unique_ptr<QWidget> owner;
    QWidget* target = nullptr; // the widget the mouse is on
    if (mainWindow) {
        auto* w = new RibbonMainWindow;
        owner.reset(w);
        QVERIFY(showNormalSized(*w));
        if (edges) {
            target = w;
        } else {
            target = w->ribbonMenuBar();
            local = w->ribbonMenuBar()->captionGeometry().center();
        }
    } else {
        owner = std::make_unique<RibbonWindow>();
        QVERIFY(showNormalSized(*owner));
        target = owner.get();
    }
    QWidget& w = *owner;
    const auto drag = [&] {
        sendTo(target, QEvent::MouseButtonPress, local, Qt::LeftButton);
        sendTo(target, QEvent::MouseMove, local + QPoint(-20, -15), Qt::LeftButton);
    };
    const auto stillAfterDrag = [&] {
        sendTo(target, QEvent::MouseMove, local + QPoint(-40, -30), Qt::LeftButton);
        const bool still = w.size() == kNormal;
        sendTo(target, QEvent::MouseButtonRelease, local + QPoint(-40, -30), Qt::NoButton);
        return still;
    };
    const auto idle = [&] {
        return mainWindow || stateOf(static_cast<RibbonWindow&>(w)) == QLatin1String("Idle");
    };

    {
        // Taken: the window system drives the drag, the window keeps still.
        SystemDragSpy spy(true);
        const QPoint before = w.pos();
        drag();
        QCOMPARE(SystemDragSpy::take(),
                 SystemDragSpy::Requests({{w.windowHandle(), Qt::Edges(edges)}}));
        QVERIFY(idle());
        QVERIFY(stillAfterDrag());
        QCOMPARE(w.pos(), before);
        QVERIFY(SystemDragSpy::take().isEmpty());
    }
    QCOMPARE(w.windowHandle()->size(), kNormal);

    RealRequests real;
    const QPoint start = w.pos();
    drag();
    const QList<RealRequests::Call> calls = RealRequests::take();
    QCOMPARE(calls.size(), 1);
    const auto [window, askedEdges, taken] = calls.first();
    QCOMPARE(window, w.windowHandle());
    QCOMPARE(askedEdges, Qt::Edges(edges));
    m_answers.insert(QString::fromLatin1(QTest::currentDataTag()), taken);
    // The wayland platform ties a move or resize to the last input event
    // the compositor sent; without a seat (headless Weston has none) there is
    // none, and every request is refused.
    if (!hasPointer())
        QVERIFY(!taken);
    if (taken) {
        QVERIFY(idle());
        QVERIFY(stillAfterDrag());
    } else {
        if (!mainWindow) {
            QCOMPARE(stateOf(static_cast<RibbonWindow&>(w)),
                     edges ? QStringLiteral("ResizeWindow") : QStringLiteral("MoveWindow"));
        }
        if (edges) {
            // The window resizes itself, and the surface follows.
            QVERIFY(!stillAfterDrag());
            QVERIFY(w.size() != kNormal);
            QTRY_COMPARE(w.windowHandle()->size(), w.size());
        } else {
            // The window moves itself: only Qt's record of its place shows
            // it, a client cannot place its surface.
            sendTo(target, QEvent::MouseMove, local + QPoint(-40, -30), Qt::LeftButton);
            QCOMPARE(w.pos(), start + QPoint(-40, -30));
            QVERIFY(stillAfterDrag());
        }
    }
    QVERIFY(RealRequests::take().isEmpty());
    // Asked directly, the window system answers the same.
    QWindow* handle = w.windowHandle();
    QCOMPARE(edges ? handle->startSystemResize(Qt::Edges(edges)) : handle->startSystemMove(),
             taken);
    QVERIFY(RealRequests::take().isEmpty());
}

// The main window asks the compositor to maximize, restore and fill the
// screen; the state and the size come back from it, and the frame, the
// system button glyph and the input shape follow.
void TestWayland::mainWindowStates()
{
    RibbonMainWindow w;
    QVERIFY(showNormalSized(w));
    RibbonSysButton* maxButton = w.ribbonMenuBar()->findChildren<RibbonSysButton*>().at(1);
    const auto glyphDrawn = [&](frametest::Glyph glyph) {
        return frametest::glyphDraws(maxButton, glyph, frametest::Size::Large).size() == 1;
    };
    const auto captionPieces = [&] {
        PaintRecorder recorder;
        w.render(&recorder);
        QList<QRect> rects;
        for (const auto& [target, source] : recorder.pixmapRects(skin().mainBorderCaption()))
            rects << target;
        return rects;
    };
    const auto captionFor = [&](int width) {
        const int k = w.captionHeight();
        return QList<QRect>{{0, 0, 7, k}, {7, 0, width - 7, k}, {width - 7, 0, 7, k}};
    };
    QVERIFY(glyphDrawn(frametest::Glyph::Maximize));
    QCOMPARE(captionPieces(), captionFor(kNormal.width()));

    maxButton->click();
    QTRY_VERIFY(w.isMaximized());
    const QSize screen = w.windowHandle()->screen()->size();
    QTRY_VERIFY(w.size() != kNormal);
    // The compositor's size: the output's width, its height less the
    // shell's panel.
    QCOMPARE(w.width(), screen.width());
    QVERIFY(w.height() <= screen.height() && w.height() > kNormal.height());
    QCOMPARE(w.windowHandle()->size(), w.size());
    QVERIFY(w.ribbonMenuBar()->isMWMaximized());
    QVERIFY(glyphDrawn(frametest::Glyph::Restore));
    QVERIFY(!glyphDrawn(frametest::Glyph::Maximize));
    QCOMPARE(captionPieces(), captionFor(w.width()));
    QVERIFY(hasSteppedOutline(w.mask(), w.size()));

    // Restored by a double-click on the caption: the compositor hands the
    // choice of size back, and the window takes its normal one again.
    RibbonMenuBar* bar = w.ribbonMenuBar();
    sendTo(bar, QEvent::MouseButtonDblClick, bar->captionGeometry().center(), Qt::LeftButton);
    sendTo(bar, QEvent::MouseButtonRelease, bar->captionGeometry().center(), Qt::NoButton);
    QTRY_VERIFY(!w.isMaximized());
    QTRY_COMPARE(w.size(), kNormal);
    QTRY_COMPARE(w.windowHandle()->size(), kNormal);
    QVERIFY(!bar->isMWMaximized());
    QVERIFY(glyphDrawn(frametest::Glyph::Maximize));
    QCOMPARE(captionPieces(), captionFor(kNormal.width()));
    QVERIFY(hasSteppedOutline(w.mask(), kNormal));

    // Full screen: the whole output, no frame, no mask.
    w.showFullScreen();
    QTRY_VERIFY(w.isFullScreen());
    QTRY_COMPARE(w.size(), screen);
    QVERIFY(captionPieces().isEmpty());
    QVERIFY(w.mask().isEmpty());
    w.showNormal();
    QTRY_VERIFY(!w.isFullScreen());
    QTRY_COMPARE(w.size(), kNormal);
    QCOMPARE(captionPieces(), captionFor(kNormal.width()));
    QVERIFY(hasSteppedOutline(w.mask(), kNormal));
}

// A RibbonWindow cannot place itself on Wayland and Qt does not know the
// compositor's working area there, so it asks the compositor to maximize it
// and to restore it: the surface takes the compositor's sizes, the glyph and
// the frame follow.
void TestWayland::ribbonWindowMaximize()
{
    RibbonWindow w;
    QVERIFY(showNormalSized(w));
    const auto middleGlyph = [&] {
        const bool restore =
            !frametest::glyphDraws(&w, frametest::Glyph::Restore, frametest::Size::Small).isEmpty();
        const bool maximize =
            !frametest::glyphDraws(&w, frametest::Glyph::Maximize, frametest::Size::Small)
                 .isEmpty();
        return restore == maximize ? QStringLiteral("bad")
               : restore           ? QStringLiteral("restore")
                                   : QStringLiteral("maximize");
    };
    QCOMPARE(middleGlyph(), QStringLiteral("maximize"));
    const QSize screen = w.windowHandle()->screen()->size();

    mouseClickAt(w, w.sysMaximizeRestoreRect().center());
    QVERIFY(w.events().isMaximized());
    QTRY_VERIFY(w.windowState() & Qt::WindowMaximized);
    QTRY_VERIFY(w.size() != kNormal);
    // Within the output, where the self-made maximize (the available area
    // plus the border) would stand out of it on every side.
    QCOMPARE(w.width(), screen.width());
    QVERIFY(w.height() <= screen.height() && w.height() > kNormal.height());
    QTRY_COMPARE(w.windowHandle()->size(), w.size());
    QCOMPARE(middleGlyph(), QStringLiteral("restore"));
    QVERIFY(hasSteppedOutline(w.mask(), w.size()));

    mouseClickAt(w, w.sysMaximizeRestoreRect().center());
    QVERIFY(!w.events().isMaximized());
    QTRY_VERIFY(!(w.windowState() & Qt::WindowMaximized));
    QTRY_COMPARE(w.size(), kNormal);
    QTRY_COMPARE(w.windowHandle()->size(), kNormal);
    QCOMPARE(middleGlyph(), QStringLiteral("maximize"));
    QVERIFY(hasSteppedOutline(w.mask(), kNormal));
    QCOMPARE(stateOf(w), QStringLiteral("Idle"));
}

// The rounded outline reaches the platform window as its mask (on Wayland
// the input region), and follows every resize.
void TestWayland::masks()
{
    s_maskWarnings.clear();
    RibbonMainWindow main;
    RibbonWindow plain;
    for (QWidget* w : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&plain)}) {
        QVERIFY(showNormalSized(*w));
        QVERIFY(hasSteppedOutline(w->mask(), kNormal));
        QCOMPARE(w->windowHandle()->mask(), w->mask());
        w->resize(520, 260);
        QTRY_COMPARE(w->windowHandle()->size(), QSize(520, 260));
        QVERIFY(hasSteppedOutline(w->mask(), QSize(520, 260)));
        QCOMPARE(w->windowHandle()->mask(), w->mask());
    }
    QCOMPARE(s_maskWarnings, QStringList());
}

// The application menu opens as a popup of the window (an xdg popup, which
// the compositor maps beside its parent), below its button, and Esc closes it.
void TestWayland::popups_data()
{
    QTest::addColumn<bool>("collapsed");
    QTest::newRow("application menu") << false;
    QTest::newRow("collapsed group") << true;
}

// The application menu and a collapsed group's page open as popups of the
// window, placed at their buttons by the window's own coordinates, and Esc
// closes them.
void TestWayland::popups()
{
    QFETCH(bool, collapsed);
    RibbonMainWindow w;
    RibbonCategoriesPanelAction home(QStringLiteral("Home"), nullptr);
    RibbonCategoryAction group(QStringLiteral("Wide"), nullptr);
    std::vector<std::unique_ptr<RibbonCatSimpleAction>> commands;
    for (int i = 0; i < 8; ++i) {
        commands.push_back(std::make_unique<RibbonCatSimpleAction>(
            QStringLiteral("Command %1").arg(i), RibbonCatSimpleAction::Large, nullptr));
        group.addAction(commands.back().get());
    }
    home.addCategory(&group);
    w.ribbonMenuBar()->addAction(&home);
    home.setChecked(true);
    QVERIFY(showNormalSized(w));

    QWidget* button = w.ribbonMenuBar()->mainButton();
    if (collapsed) {
        RibbonCategoryWrapper* wrapper = w.ribbonMenuBar()->panels()->page(&home)->wrapper(&group);
        QTRY_VERIFY(wrapper->isColapsed());
        button = wrapper;
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    QPointer<QWidget> popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QVERIFY(popup->windowHandle());
    QCOMPARE(popup->windowHandle()->transientParent(), w.windowHandle());
    QTRY_VERIFY(popup->windowHandle()->isExposed());
    // Placed by the window's own coordinates: at the button (a group's page
    // opens just below the ribbon page, 3 px below the button), not at the
    // output's corner.
    const QPoint offset = popup->geometry().topLeft() - w.geometry().topLeft();
    const QRect buttonRect(button->mapTo(&w, QPoint()), button->size());
    QVERIFY2(offset.x() >= buttonRect.left() - 7 && offset.x() <= buttonRect.right() &&
                 offset.y() > buttonRect.top() && offset.y() <= buttonRect.bottom() + 3,
             qPrintable(QStringLiteral("popup at %1,%2 of the window, button %3,%4 %5x%6")
                            .arg(offset.x())
                            .arg(offset.y())
                            .arg(buttonRect.x())
                            .arg(buttonRect.y())
                            .arg(buttonRect.width())
                            .arg(buttonRect.height())));
    QTest::keyClick(popup, Qt::Key_Escape);
    QTRY_VERIFY(!popup || !popup->isVisible());
    QVERIFY(!QApplication::activePopupWidget());
}

ORU_TEST_MAIN(TestWayland)
#include "tst_wayland.moc"
