#include <oruPaintRecorder.h>
#include <oruRibbonApplication.h>
#include <oruRibbonChildWindow.h>
#include <oruRibbonSmallSysBtnClose.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>
#include <oruTestInput.h>

#include <QVBoxLayout>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

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
    void construction();
    void closeButton_data();
    void closeButton();
    void hintIsReadAtShow();
    void painting();
    void longTitleIsCut();
    void buttonLooks_data();
    void buttonLooks();
    void resizeMovesButtonAndMask();
    void skinSwitch();
};

void TestChildWindow::construction()
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

void TestChildWindow::closeButton_data()
{
    QTest::addColumn<bool>("hint");
    QTest::newRow("with close hint") << true;
    QTest::newRow("without close hint") << false;
}

void TestChildWindow::closeButton()
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

void TestChildWindow::hintIsReadAtShow()
{
    Host h(false);
    RibbonSmallSysBtnClose* button = closeButtonOf(*h.child);
    QSignalSpy closed(h.child, &RibbonChildWindow::closed);

    // The hint is read when the button is shown: adding it to a visible pane
    // changes nothing until the pane is shown again.
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

void TestChildWindow::painting()
{
    Host h(true);
    PaintRecorder recorder;
    h.child->render(&recorder);

    const QVector<PaintOp> rects = recorder.ops(PaintOp::Rects);
    QVector<QPair<QRectF, QColor>> fills;
    for (const PaintOp& op : rects) {
        for (const QRectF& r : op.rects)
            fills.append({r, op.brush.color()});
    }
    // The last two fills are the box and the title band (a background fill by
    // render() may come before them).
    QVERIFY(fills.size() >= 2);
    QCOMPARE(fills.at(fills.size() - 2),
             qMakePair(QRectF(0, 0, 200, 120), skin()->frameNormalFillColor()));
    QCOMPARE(fills.last(), qMakePair(QRectF(1, 1, 198, 17), skin()->frameOutlineColor()));

    const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.first().text, QStringLiteral("Properties"));
    QCOMPARE(texts.first().pen.color(), skin()->normalCategoryTextColor());
    QCOMPARE(texts.first().position.x(), 5.0);

    // The button in its normal look: no background, glyph frame 2 centred.
    const QVector<PaintOp> glyph = recorder.pixmapDraws(skin()->sysBtnCloseSmall());
    QCOMPARE(glyph.size(), 1);
    QCOMPARE(glyph.first().target, QRectF(200 - 18 + 2, 1 + 2, 13, 12));
    QCOMPARE(glyph.first().source, QRectF(0, 24, 13, 12));
    QVERIFY(recorder.pixmapDraws(skin()->sysBtnBack()).isEmpty());

    // Without the hint the button paints nothing at all.
    Host bare(false);
    PaintRecorder bareRecorder;
    bare.child->render(&bareRecorder);
    QVERIFY(bareRecorder.ops(PaintOp::Pixmap).isEmpty());
    QCOMPARE(bareRecorder.texts(), QStringList{QStringLiteral("Properties")});
}

void TestChildWindow::longTitleIsCut()
{
    // Without the close hint the button paints nothing over the band.
    Host h(false, QSize(120, 60));
    h.child->setWindowTitle(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
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

void TestChildWindow::buttonLooks_data()
{
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QRect>("back");
    QTest::addColumn<QRect>("glyph");
    QTest::newRow("normal") << false << false << QRect() << QRect(0, 24, 13, 12);
    QTest::newRow("hovered") << true << false << QRect(0, 0, 17, 16) << QRect(0, 12, 13, 12);
    QTest::newRow("pressed") << true << true << QRect(0, 16, 17, 16) << QRect(0, 0, 13, 12);
    QTest::newRow("pressed, not hovered")
        << false << true << QRect(0, 16, 17, 16) << QRect(0, 0, 13, 12);
}

void TestChildWindow::buttonLooks()
{
    QFETCH(bool, hovered);
    QFETCH(bool, pressed);
    QFETCH(QRect, back);
    QFETCH(QRect, glyph);
    Host h(true);
    RibbonSmallSysBtnClose* button = closeButtonOf(*h.child);
    button->setAttribute(Qt::WA_UnderMouse, hovered);
    button->setDown(pressed);
    PaintRecorder recorder;
    button->render(&recorder);
    const QVector<PaintOp> backs = recorder.pixmapDraws(skin()->sysBtnBack());
    QCOMPARE(backs.size(), back.isNull() ? 0 : 1);
    if (!back.isNull()) {
        QCOMPARE(backs.first().target, QRectF(0, 0, 17, 16));
        QCOMPARE(backs.first().source, QRectF(back));
    }
    const QVector<PaintOp> glyphs = recorder.pixmapDraws(skin()->sysBtnCloseSmall());
    QCOMPARE(glyphs.size(), 1);
    QCOMPARE(glyphs.first().target, QRectF(2, 2, 13, 12));
    QCOMPARE(glyphs.first().source, QRectF(glyph));
}

void TestChildWindow::resizeMovesButtonAndMask()
{
    Host h(true, QSize(150, 90));
    RibbonSmallSysBtnClose* button = closeButtonOf(*h.child);
    QCOMPARE(button->geometry(), QRect(132, 1, 17, 16));
    h.child->resize(61, 40);
    QCOMPARE(button->geometry(), QRect(43, 1, 17, 16));

    const QRegion mask = h.child->mask();
    QCOMPARE(mask.boundingRect(), QRect(0, 0, 61, 40));
    // One pixel off each corner, nothing else.
    const QPoint corners[] = {{0, 0}, {60, 0}, {0, 39}, {60, 39}};
    for (const QPoint& p : corners)
        QVERIFY2(!mask.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    const QPoint inside[] = {{1, 0},  {59, 0},  {0, 1},  {60, 1},
                             {0, 38}, {60, 38}, {1, 39}, {59, 39}};
    for (const QPoint& p : inside)
        QVERIFY2(mask.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    QCOMPARE(QRegion(QRect(0, 0, 61, 40)).subtracted(mask).rectCount(), 4);
}

void TestChildWindow::skinSwitch()
{
    RibbonApplication* app = RibbonApplication::theApp();
    Host h(true);
    for (auto style :
         {RibbonApplication::Silver, RibbonApplication::Black, RibbonApplication::Blue}) {
        app->setRibbonStyle(style);
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(h.child->palette().brush(group, QPalette::Window),
                     QBrush(skin()->frameNormalFillColor()));
        PaintRecorder recorder;
        h.child->render(&recorder);
        const QVector<PaintOp> rects = recorder.ops(PaintOp::Rects);
        QVERIFY(rects.size() >= 2);
        QCOMPARE(rects.last().brush.color(), skin()->frameOutlineColor());
        QCOMPARE(recorder.pixmapDraws(skin()->sysBtnCloseSmall()).size(), 1);
    }
}

ORU_TEST_MAIN(TestChildWindow)
#include "tst_childwindow.moc"
