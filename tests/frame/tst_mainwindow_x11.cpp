// RibbonMainWindow on a real X server: window-state changes keep the
// maximized bookkeeping, the system button glyph and the mask in step.
#include <oruRibbonApplication.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonStyle.h>
#include <oruRibbonSysButton.h>

#include "glyphspy.h"
#include "oruPaintRecorder.h"
#include "oruTestApp.h"

using namespace oru;
using oru::test::PaintRecorder;

class TestMainWindowX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!oru::test::onX11())
            QSKIP("needs an X server");
    }
    void windowStates();
};

void TestMainWindowX11::windowStates()
{
    const RibbonStyle& skin = *RibbonApplication::theApp()->ribbonStyle();
    RibbonMainWindow w;
    w.setGeometry(60, 70, 640, 420);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    RibbonSysButton* maxButton = w.ribbonMenuBar()->findChildren<RibbonSysButton*>().at(1);
    const auto glyphDrawn = [&](frametest::Glyph glyph) {
        return frametest::glyphDraws(maxButton, glyph, frametest::Size::Large).size() == 1;
    };
    QVERIFY(glyphDrawn(frametest::Glyph::Maximize));
    QVERIFY(!w.mask().isEmpty() && !w.mask().contains(QPoint(0, 0)));
    // Xvfb runs without a window manager: nothing maximizes the window, and
    // its state, glyph and drags stay those of a normal window.
    const QRect normal = w.geometry();
    maxButton->click();
    QTest::mouseDClick(w.ribbonMenuBar(), Qt::LeftButton, Qt::NoModifier,
                       w.ribbonMenuBar()->captionGeometry().center());
    QTest::qWait(50);
    QVERIFY(!w.isMaximized());
    QVERIFY(!w.ribbonMenuBar()->isMWMaximized());
    QVERIFY(glyphDrawn(frametest::Glyph::Maximize));
    QCOMPARE(w.geometry(), normal);
    QVERIFY(!w.mask().isEmpty());

    // Full screen: no frame and no mask.
    w.showFullScreen();
    QTRY_VERIFY(w.isFullScreen());
    QTRY_VERIFY(w.mask().isEmpty());
    PaintRecorder recorder;
    w.render(&recorder);
    QVERIFY(recorder.pixmapDraws(skin.mainBorderCaption()).isEmpty());
    QVERIFY(recorder.pixmapDraws(skin.mainBorder()).isEmpty());
    w.showNormal();
    QTRY_VERIFY(!w.isFullScreen());
    QTRY_VERIFY(!w.mask().isEmpty());
    QCOMPARE(oru::test::drawsOf(&w, skin.mainBorderCaption()).size(), 3);
    w.showMinimized(); // brought back by the same slot
    QTRY_VERIFY(w.isMinimized());
    w.showMaximizedRestored();
    QTRY_VERIFY(!w.isMinimized());
    QVERIFY(!w.isMaximized());
}

ORU_TEST_MAIN(TestMainWindowX11)
#include "tst_mainwindow_x11.moc"
