#include <oruPaintRecorder.h>
#include <oruRibbonApplication.h>
#include <oruRibbonChildWindow.h>
#include <oruRibbonSmallSysBtnClose.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>
#include <oruTestInput.h>

#include <QVBoxLayout>

#include "glyphspy.h"

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;
using Rects = QList<QPair<QRect, QRect>>; // target, source

namespace {

RibbonStyle* skin()
{
    return RibbonApplication::theApp()->ribbonStyle();
}

RibbonSmallSysBtnClose* closeButtonOf(const QWidget& window)
{
    const auto buttons = window.findChildren<RibbonSmallSysBtnClose*>();
    return buttons.size() == 1 ? buttons.first() : nullptr;
}

// A shown child window inside a host widget.
struct Host
{
    explicit Host(bool closeHint, const QSize& size = QSize(200, 120))
    {
        host.resize(400, 300);
        child = new RibbonChildWindow(&host);
        // Qt gives every widget the close hint unless it is taken away.
        if (!closeHint)
            child->setWindowFlags(child->windowFlags() & ~Qt::WindowCloseButtonHint);
        child->setGeometry(QRect(QPoint(20, 30), size));
        child->setWindowTitle(QStringLiteral("Properties"));
        host.show();
        child->show();
    }
    QWidget host;
    RibbonChildWindow* child = nullptr;
};

} // namespace

class TestChildWindow : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        QWidget parent;
        RibbonChildWindow w(&parent);
        QVERIFY(!w.isWindow());
        QCOMPARE(w.parentWidget(), &parent);
        QCOMPARE(w.contentsMargins(), QMargins(1, 18, 1, 1));
        QVERIFY(w.windowFlags().testFlag(Qt::WindowCloseButtonHint)); // Qt's default
        RibbonSmallSysBtnClose* button = closeButtonOf(w);
        QVERIFY(button);
        QCOMPARE(button->size(), QSize(17, 16));
        QCOMPARE(button->minimumSize(), QSize(17, 16));
        QCOMPARE(button->maximumSize(), QSize(17, 16));
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);

        // A layout on the pane stays below the title band.
        auto* layout = new QVBoxLayout(&w);
        auto* content = new QWidget;
        layout->addWidget(content);
        layout->setContentsMargins(0, 0, 0, 0);
        w.resize(100, 80);
        layout->activate();
        QCOMPARE(content->geometry(), QRect(1, 18, 98, 61));

        // A parentless button neither crashes nor shows anything.
        RibbonSmallSysBtnClose orphan(nullptr);
        PaintRecorder recorder;
        orphan.render(&recorder);
        QVERIFY(recorder.ops(PaintOp::Pixmap).isEmpty());
    }

    void closeButton_data()
    {
        QTest::addColumn<bool>("hint");
        QTest::newRow("with close hint") << true;
        QTest::newRow("without close hint") << false;
    }
    void closeButton()
    {
        QFETCH(bool, hint);
        Host h(hint);
        RibbonSmallSysBtnClose* button = closeButtonOf(*h.child);
        QVERIFY(button);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QSignalSpy closed(h.child, &RibbonChildWindow::closed);
        QVERIFY(h.child->isVisible());
        oru::test::mouseClick(button, QPoint(8, 8));
        QCOMPARE(clicked.size(), hint ? 1 : 0);
        QCOMPARE(closed.size(), hint ? 1 : 0);
        QCOMPARE(h.child->isVisible(), !hint);
        QVERIFY(!h.child->isWindow());
        // Closing through the slot always announces itself, once.
        h.child->show();
        closed.clear();
        h.child->close();
        QCOMPARE(closed.size(), 1);
        QVERIFY(!h.child->isVisible());
    }

    void hintIsReadAtShow()
    {
        Host h(false);
        RibbonSmallSysBtnClose* button = closeButtonOf(*h.child);
        QSignalSpy closed(h.child, &RibbonChildWindow::closed);
        // Adding the hint to a visible pane changes nothing until it is shown again.
        h.child->setWindowFlags(h.child->windowFlags() | Qt::WindowCloseButtonHint);
        QVERIFY(h.child->isVisible());
        oru::test::mouseClick(button, QPoint(8, 8));
        QCOMPARE(closed.size(), 0);
        h.child->hide();
        h.child->show();
        QVERIFY(button->isVisible());
        oru::test::mouseClick(button, QPoint(8, 8));
        QCOMPARE(closed.size(), 1);
        QVERIFY(!h.child->isVisible());
        h.child->setWindowFlags(h.child->windowFlags() & ~Qt::WindowCloseButtonHint);
        h.child->show();
        oru::test::mouseClick(button, QPoint(8, 8));
        QCOMPARE(closed.size(), 1);
        QVERIFY(h.child->isVisible());
    }

    void painting()
    {
        for (bool hint : {true, false}) {
            Host h(hint);
            // The window alone; its close button's glyph is checked below.
            PaintRecorder recorder;
            h.child->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            QVector<QPair<QRectF, QColor>> fills;
            for (const PaintOp& op : recorder.ops(PaintOp::Rects)) {
                for (const QRectF& r : op.rects)
                    fills.append({r, op.brush.color()});
            }
            // The last two fills are the box and the title band (a background
            // fill by render() may come before them).
            QVERIFY(fills.size() >= 2);
            QCOMPARE(fills.mid(fills.size() - 2),
                     (QVector<QPair<QRectF, QColor>>{
                         {QRectF(0, 0, 200, 120), skin()->frameNormalFillColor()},
                         {QRectF(1, 1, 198, 17), skin()->frameOutlineColor()}}));
            const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
            QCOMPARE(texts.size(), 1);
            QCOMPARE(texts.first().text, QStringLiteral("Properties"));
            QCOMPARE(texts.first().pen.color(), skin()->normalCategoryTextColor());
            QCOMPARE(texts.first().position.x(), 5.0);
            // With the hint the button shows in its normal look: no
            // background, glyph frame 2 centred. Without it, nothing at all.
            QCOMPARE(recorder.ops(PaintOp::Pixmap).size(), 0);
            QCOMPARE(
                frametest::glyphDraws(h.child, frametest::Glyph::Close, frametest::Size::Small),
                (hint ? frametest::GlyphDraws{{{2, 2, 13, 12}, 2}} : frametest::GlyphDraws()));
        }
    }

    void longTitleIsCut()
    {
        Host h(false, QSize(120, 60)); // no button over the band
        h.child->setWindowTitle(QString(32, QLatin1Char('W')));
        QImage image(h.child->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        h.child->render(&image);
        const QRgb band = skin()->frameOutlineColor().rgb();
        // Text pixels reach almost to x W - 14 = 106 and stop there.
        bool textNearCut = false;
        for (int y = 2; y < 17; ++y) {
            for (int x = 100; x <= 106; ++x)
                textNearCut = textNearCut || image.pixel(x, y) != band;
            for (int x = 107; x <= 118; ++x)
                QCOMPARE(image.pixel(x, y), band);
        }
        QVERIFY(textNearCut);
    }

    void buttonLooks_data()
    {
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<Rects>("back"); // sysBtnBack draws
        QTest::addColumn<int>("frame");  // the glyph's state frame
        const Rects pressedBack{{{0, 0, 17, 16}, {0, 16, 17, 16}}};
        QTest::newRow("normal") << false << false << Rects() << 2;
        QTest::newRow("hovered") << true << false << Rects{{{0, 0, 17, 16}, {0, 0, 17, 16}}} << 1;
        QTest::newRow("pressed") << true << true << pressedBack << 0;
        QTest::newRow("pressed, not hovered") << false << true << pressedBack << 0;
    }
    void buttonLooks()
    {
        QFETCH(bool, hovered);
        QFETCH(bool, pressed);
        QFETCH(Rects, back);
        QFETCH(int, frame);
        Host h(true);
        RibbonSmallSysBtnClose* button = closeButtonOf(*h.child);
        button->setAttribute(Qt::WA_UnderMouse, hovered);
        button->setDown(pressed);
        const frametest::GlyphSpy spy;
        PaintRecorder recorder;
        button->render(&recorder);
        QCOMPARE(recorder.pixmapRects(skin()->sysBtnBack()), back);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.of(frametest::Glyph::Close, frametest::Size::Small),
                 (frametest::GlyphDraws{{{2, 2, 13, 12}, frame}}));
    }

    void resizeMovesButtonAndMask()
    {
        Host h(true, QSize(150, 90));
        RibbonSmallSysBtnClose* button = closeButtonOf(*h.child);
        QCOMPARE(button->geometry(), QRect(132, 1, 17, 16));
        h.child->resize(61, 40);
        QCOMPARE(button->geometry(), QRect(43, 1, 17, 16));
        // One pixel off each corner, nothing else.
        const QRegion mask = h.child->mask();
        QCOMPARE(mask.boundingRect(), QRect(0, 0, 61, 40));
        for (const QPoint& p : {QPoint(0, 0), QPoint(60, 0), QPoint(0, 39), QPoint(60, 39)})
            QVERIFY2(!mask.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        int missing = 0; // ... and nothing else
        for (const QRect& r : QRegion(QRect(0, 0, 61, 40)).subtracted(mask))
            missing += r.width() * r.height();
        QCOMPARE(missing, 4);
    }

    void skinSwitch()
    {
        RibbonApplication* app = RibbonApplication::theApp();
        Host h(true);
        for (auto style :
             {RibbonApplication::Silver, RibbonApplication::Black, RibbonApplication::Blue}) {
            app->setRibbonStyle(style);
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                QCOMPARE(h.child->palette().brush(group, QPalette::Window),
                         QBrush(skin()->frameNormalFillColor()));
            }
            PaintRecorder recorder;
            h.child->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            const QVector<PaintOp> rects = recorder.ops(PaintOp::Rects);
            QVERIFY(rects.size() >= 2);
            QCOMPARE(rects.last().brush.color(), skin()->frameOutlineColor());
            QCOMPARE(frametest::glyphDraws(h.child, frametest::Glyph::Close, frametest::Size::Small)
                         .size(),
                     1);
        }
    }
};

ORU_TEST_MAIN(TestChildWindow)
#include "tst_childwindow.moc"
