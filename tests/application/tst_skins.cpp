#include <oruPaintRecorder.h>
#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>

#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

using PixmapGetter = const QPixmap& (RibbonStyle::*)() const;
using ColorGetter = const QColor& (RibbonStyle::*)() const;
Q_DECLARE_METATYPE(PixmapGetter)

namespace {

struct ImageSize
{
    const char* name;
    PixmapGetter getter;
    int width;
    int height;
};

// Every skin image with the size the painting code slices it by.
const ImageSize kImages[] = {
    {"mainBorder", &RibbonStyle::mainBorder, 70, 23},
    {"mainBorderCaption", &RibbonStyle::mainBorderCaption, 70, 31},
    {"mainButton", &RibbonStyle::mainButton, 38, 114},
    {"quickAccessBar", &RibbonStyle::quickAccessBar, 64, 26},
    {"statusBar", &RibbonStyle::statusBar, 70, 23},
    {"statusBarExt", &RibbonStyle::statusBarExt, 70, 23},
    {"sysBtnBack", &RibbonStyle::sysBtnBack, 17, 32},
    {"toolBoxTabBack", &RibbonStyle::toolBoxTabBack, 9, 113},
    {"sysBtnClose", &RibbonStyle::sysBtnClose, 17, 80},
    {"sysBtnCloseSmall", &RibbonStyle::sysBtnCloseSmall, 13, 60},
    {"sysBtnMaximize", &RibbonStyle::sysBtnMaximize, 17, 80},
    {"sysBtnMaximizeSmall", &RibbonStyle::sysBtnMaximizeSmall, 13, 60},
    {"sysBtnMinimize", &RibbonStyle::sysBtnMinimize, 17, 80},
    {"sysBtnMinimizeSmall", &RibbonStyle::sysBtnMinimizeSmall, 13, 60},
    {"sysBtnRestore", &RibbonStyle::sysBtnRestore, 17, 80},
    {"sysBtnRestoreSmall", &RibbonStyle::sysBtnRestoreSmall, 13, 60},
    {"normalButtonSmall", &RibbonStyle::normalButtonSmall, 22, 110},
    {"menuBarButton", &RibbonStyle::menuBarButton, 57, 120},
    {"categories", &RibbonStyle::categories, 80, 92},
    {"categoryTop", &RibbonStyle::categoryTop, 100, 136},
    {"categoryBottom", &RibbonStyle::categoryBottom, 100, 34},
    {"categoryWrapperBack", &RibbonStyle::categoryWrapperBack, 52, 255},
    {"categoryWrapperIcon", &RibbonStyle::categoryWrapperIcon, 38, 38},
    {"mainPanelBack", &RibbonStyle::mainPanelBack, 9, 38},
    {"horizontalMenuButtonCaption", &RibbonStyle::horizontalMenuButtonCaption, 22, 132},
    {"horizontalMenuButtonMenu", &RibbonStyle::horizontalMenuButtonMenu, 11, 110},
    {"verticalMenuButtonCaption", &RibbonStyle::verticalMenuButtonCaption, 43, 234},
    {"verticalMenuButtonMenu", &RibbonStyle::verticalMenuButtonMenu, 43, 135},
    {"mainPanelBorder", &RibbonStyle::mainPanelBorder, 5, 5},
    {"mainPanelSeparator", &RibbonStyle::mainPanelSeparator, 2, 55},
    {"mainPanelButton", &RibbonStyle::mainPanelButton, 54, 69},
    {"paletteBtnTop", &RibbonStyle::paletteBtnTop, 15, 84},
    {"paletteBtnMiddle", &RibbonStyle::paletteBtnMiddle, 15, 76},
    {"paletteBtnBottom", &RibbonStyle::paletteBtnBottom, 15, 80},
    {"paletteItemLarge", &RibbonStyle::paletteItemLarge, 43, 330},
    {"paletteItemSmall", &RibbonStyle::paletteItemSmall, 22, 110},
    {"popupBorder", &RibbonStyle::popupBorder, 7, 7},
    {"popupResizeBarBack", &RibbonStyle::popupResizeBarBack, 3, 11},
    {"popupResizeBarIconB", &RibbonStyle::popupResizeBarIconB, 15, 3},
    {"popupResizeBarIconBR", &RibbonStyle::popupResizeBarIconBR, 9, 8},
    {"popupResizeBarIconTR", &RibbonStyle::popupResizeBarIconTR, 9, 8},
    {"checkableMenuItemBack", &RibbonStyle::checkableMenuItemBack, 20, 40},
    {"checkableMenuItemCheck", &RibbonStyle::checkableMenuItemCheck, 10, 28},
    {"checkableMenuItemRadio", &RibbonStyle::checkableMenuItemRadio, 10, 28},
    {"tabBarTabs", &RibbonStyle::tabBarTabs, 21, 32},
    {"sliderPlus", &RibbonStyle::sliderPlus, 18, 54},
    {"sliderMinus", &RibbonStyle::sliderMinus, 18, 54},
    {"sliderThumb", &RibbonStyle::sliderThumb, 11, 45},
    {"btnGroupFirst", &RibbonStyle::btnGroupFirst, 22, 110},
    {"btnGroupMidle", &RibbonStyle::btnGroupMidle, 22, 110},
    {"btnGroupLast", &RibbonStyle::btnGroupLast, 22, 110},
    {"comboBox", &RibbonStyle::comboBox, 72, 22},
    {"tooltipBack", &RibbonStyle::tooltipBack, 15, 15},
    {"terminateProgressButton", &RibbonStyle::terminateProgressButton, 18, 54},
};

const ColorGetter kColors[16] = {
    &RibbonStyle::mainClientColor,
    &RibbonStyle::mainMenuBgColor,
    &RibbonStyle::activeTextColor,
    &RibbonStyle::inactiveTextColor,
    &RibbonStyle::activeTitleTextColor,
    &RibbonStyle::inactiveTitleTextColor,
    &RibbonStyle::normalCategoryTextColor,
    &RibbonStyle::highlightedCategoryTextColor,
    &RibbonStyle::disabledCategoryTextColor,
    &RibbonStyle::categoryCaptionTextColor,
    &RibbonStyle::categoryWrapperCaptionTextColor,
    &RibbonStyle::frameOutlineColor,
    &RibbonStyle::frameNormalFillColor,
    &RibbonStyle::frameHighlightedFillColor,
    &RibbonStyle::frameSunkenColor,
    &RibbonStyle::frameRaiseColor,
};

RibbonStyle* skin(RibbonApplication::eRibbonStyle which)
{
    RibbonApplication* app = RibbonApplication::theApp();
    const RibbonApplication::eRibbonStyle previous = app->getRibbonStyle();
    app->setRibbonStyle(which);
    RibbonStyle* result = app->ribbonStyle();
    app->setRibbonStyle(previous);
    return result;
}

QVector<PaintOp> record(const QRect& rect, eSymbolType type)
{
    static PaintRecorder recorder;
    recorder.clear();
    QPainter painter(&recorder);
    painter.setPen(Qt::red);
    painter.setBrush(Qt::blue);
    RibbonStyle::drawSymbol(painter, rect, type);
    painter.end();
    return recorder.ops();
}

} // namespace

class TestSkins : public QObject
{
    Q_OBJECT

private slots:
    void plainStyleIsEmpty();
    void imagesHaveTheirSizes();
    void stateFramesDiffer();
    void colorsMatchTheSkinTables_data();
    void colorsMatchTheSkinTables();
    void iconsAreInTheResourceTree();
    void drawSymbol_data();
    void drawSymbol();
    void drawSymbolIgnoresUnknownTypes();
};

void TestSkins::plainStyleIsEmpty()
{
    RibbonStyle plain;
    for (ColorGetter getter : kColors)
        QVERIFY(!(plain.*getter)().isValid());
    for (const ImageSize& image : kImages)
        QVERIFY2((plain.*image.getter)().isNull(), image.name);
}

void TestSkins::imagesHaveTheirSizes()
{
    QSet<qint64> keys;
    for (auto which : {RibbonApplication::Blue, RibbonApplication::Silver, RibbonApplication::Black}) {
        const RibbonStyle* style = skin(which);
        for (const ImageSize& image : kImages) {
            const QPixmap& pixmap = (style->*image.getter)();
            const QByteArray what = QByteArray::number(which) + ' ' + image.name;
            QVERIFY2(!pixmap.isNull(), what);
            QCOMPARE(pixmap.size(), QSize(image.width, image.height));
            // Each skin decodes its own images: no image is shared or loaded twice.
            QVERIFY2(!keys.contains(pixmap.cacheKey()), what);
            keys.insert(pixmap.cacheKey());
        }
    }
    QCOMPARE(keys.size(), 3 * 54);
}

// The state pictures stacked in an image must not look alike, or a button
// would not show that it is hovered or pressed.
void TestSkins::stateFramesDiffer()
{
    struct Strip
    {
        const char* name;
        PixmapGetter getter;
        int frameHeight;
        QVector<int> frames;
    };
    const Strip strips[] = {
        {"mainButton", &RibbonStyle::mainButton, 38, {0, 1, 2}},
        {"sysBtnBack", &RibbonStyle::sysBtnBack, 16, {0, 1}},
        {"sysBtnClose", &RibbonStyle::sysBtnClose, 16, {0, 1, 2, 4}},
        {"sysBtnMaximize", &RibbonStyle::sysBtnMaximize, 16, {2, 4}},
        {"sysBtnMinimize", &RibbonStyle::sysBtnMinimize, 16, {2, 4}},
        {"sysBtnRestore", &RibbonStyle::sysBtnRestore, 16, {2, 4}},
        {"sysBtnCloseSmall", &RibbonStyle::sysBtnCloseSmall, 12, {1, 2}},
        {"checkableMenuItemBack", &RibbonStyle::checkableMenuItemBack, 20, {0, 1}},
    };
    for (auto which : {RibbonApplication::Blue, RibbonApplication::Silver, RibbonApplication::Black}) {
        const RibbonStyle* style = skin(which);
        for (const Strip& strip : strips) {
            const QImage image = (style->*strip.getter)().toImage();
            for (int i = 0; i < strip.frames.size(); ++i) {
                for (int j = i + 1; j < strip.frames.size(); ++j) {
                    const int w = image.width();
                    const QImage a = image.copy(0, strip.frames[i] * strip.frameHeight, w,
                                                strip.frameHeight);
                    const QImage b = image.copy(0, strip.frames[j] * strip.frameHeight, w,
                                                strip.frameHeight);
                    QVERIFY2(a != b, qPrintable(QStringLiteral("skin %1 %2 frames %3/%4")
                                                    .arg(which)
                                                    .arg(QLatin1String(strip.name))
                                                    .arg(strip.frames[i])
                                                    .arg(strip.frames[j])));
                }
            }
        }
    }
}

void TestSkins::colorsMatchTheSkinTables_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QList<QColor>>("expected");
    auto rgb = [](std::initializer_list<QRgb> values) {
        QList<QColor> list;
        for (QRgb value : values)
            list.append(QColor(qRed(value), qGreen(value), qBlue(value)));
        return list;
    };
    QTest::newRow("blue") << int(RibbonApplication::Blue)
                          << rgb({0xBFDBFF, 0xFAFAFA, 0x697079, 0xA0A0A0, 0x3E6AAA, 0xA0A0A0,
                                  0x15428B, 0x15428B, 0x8D8D8D, 0x3E6AAA, 0x15428B, 0xB9D0ED,
                                  0xD4E6F8, 0xECF3FB, 0x7496C2, 0xDEE2EC});
    QTest::newRow("silver") << int(RibbonApplication::Silver)
                            << rgb({0xD0D4DD, 0xFAFAFA, 0x5C626A, 0x8A8A8A, 0x356EAA, 0x8A8A8A,
                                    0x4C535C, 0x4C535C, 0xA7A7A7, 0x535459, 0x4C535C, 0xA9B1B8,
                                    0xE8EAEC, 0xF0F1F2, 0x252525, 0xCCCCCC});
    QTest::newRow("black") << int(RibbonApplication::Black)
                           << rgb({0x535353, 0xFAFAFA, 0xFFFFFF, 0xE1E1E1, 0xAED1FF, 0xE1E1E1,
                                   0xFFFFFF, 0x000000, 0x8D8D8D, 0xFFFFFF, 0xFFFFFF, 0xACACAC,
                                   0xDAE2E2, 0xF7F7F7, 0x252525, 0xCCCCCC});
}

void TestSkins::colorsMatchTheSkinTables()
{
    QFETCH(int, which);
    QFETCH(QList<QColor>, expected);
    const RibbonStyle* style = skin(RibbonApplication::eRibbonStyle(which));
    for (int i = 0; i < 16; ++i) {
        const QColor& color = (style->*kColors[i])();
        QVERIFY(color.isValid());
        QCOMPARE(color.alpha(), 255);
        QCOMPARE(color, expected.at(i));
    }
}

void TestSkins::iconsAreInTheResourceTree()
{
    QCOMPARE(QPixmap(QStringLiteral(":/oru/ribbon/icons/DefaultAppIcon.png")).size(), QSize(48, 48));
    const QStringList icons = {
        QStringLiteral(":/oru/ribbon/icons/Exit.ico"),
        QStringLiteral(":/oru/ribbon/icons/helpwindow/Back.ico"),
        QStringLiteral(":/oru/ribbon/icons/helpwindow/Forward.ico"),
        QStringLiteral(":/oru/ribbon/icons/helpwindow/Home.ico"),
        QStringLiteral(":/oru/ribbon/icons/helpwindow/Sync.ico"),
    };
    for (const QString& path : icons) {
        QImageReader reader(path);
        QVERIFY2(reader.canRead(), qPrintable(path));
        QCOMPARE(reader.imageCount(), 6);
        QList<int> sides;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QCOMPARE(image.width(), image.height());
            QVERIFY(image.hasAlphaChannel());
            sides.append(image.width());
        }
        std::sort(sides.begin(), sides.end());
        QCOMPARE(sides, (QList<int>{16, 24, 32, 48, 64, 128}));
    }
}

void TestSkins::drawSymbol_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("type");
    QTest::addColumn<QPolygon>("triangle");
    QTest::addColumn<QRect>("bar"); // null when the symbol has no bar

    const QRect even(0, 0, 16, 16);
    QTest::newRow("up 16") << even << int(ArrowUp) << QPolygon({{15, 15}, {0, 15}, {7, 0}}) << QRect();
    QTest::newRow("down 16") << even << int(ArrowDown) << QPolygon({{0, 0}, {15, 0}, {7, 15}}) << QRect();
    QTest::newRow("left 16") << even << int(ArrowLeft) << QPolygon({{15, 0}, {15, 15}, {0, 7}}) << QRect();
    QTest::newRow("right 16") << even << int(ArrowRight) << QPolygon({{0, 0}, {15, 7}, {0, 15}}) << QRect();
    QTest::newRow("more 16") << even << int(MoreDown) << QPolygon({{0, 8}, {15, 8}, {7, 15}})
                             << QRect(0, 0, 15, 4);
    QTest::newRow("first 16") << even << int(NavFirst) << QPolygon({{15, 0}, {15, 15}, {8, 7}})
                              << QRect(6, 0, 2, 15);
    QTest::newRow("prev 16") << even << int(NavPrev) << QPolygon({{11, 0}, {11, 15}, {4, 7}}) << QRect();
    QTest::newRow("next 16") << even << int(NavNext) << QPolygon({{4, 0}, {11, 7}, {4, 15}}) << QRect();
    QTest::newRow("last 16") << even << int(NavLast) << QPolygon({{0, 0}, {7, 7}, {0, 15}})
                             << QRect(7, 0, 2, 15);

    // Odd and unequal sides, away from the origin.
    const QRect odd(10, 20, 25, 17);
    QTest::newRow("up odd") << odd << int(ArrowUp) << QPolygon({{34, 36}, {10, 36}, {22, 20}}) << QRect();
    QTest::newRow("down odd") << odd << int(ArrowDown) << QPolygon({{10, 20}, {34, 20}, {22, 36}}) << QRect();
    QTest::newRow("left odd") << odd << int(ArrowLeft) << QPolygon({{34, 20}, {34, 36}, {10, 28}}) << QRect();
    QTest::newRow("right odd") << odd << int(ArrowRight) << QPolygon({{10, 20}, {34, 28}, {10, 36}}) << QRect();
    QTest::newRow("more odd") << odd << int(MoreDown) << QPolygon({{10, 28}, {34, 28}, {22, 36}})
                              << QRect(10, 20, 24, 4);
    QTest::newRow("first odd") << odd << int(NavFirst) << QPolygon({{30, 20}, {30, 36}, {22, 28}})
                               << QRect(20, 20, 2, 16);
    QTest::newRow("prev odd") << odd << int(NavPrev) << QPolygon({{26, 20}, {26, 36}, {19, 28}}) << QRect();
    QTest::newRow("next odd") << odd << int(NavNext) << QPolygon({{19, 20}, {26, 28}, {19, 36}}) << QRect();
    QTest::newRow("last odd") << odd << int(NavLast) << QPolygon({{14, 20}, {22, 28}, {14, 36}})
                              << QRect(22, 20, 2, 16);

    QTest::newRow("more 10x10") << QRect(QPoint(8, 6), QPoint(17, 15)) << int(MoreDown)
                                << QPolygon({{8, 11}, {17, 11}, {12, 15}}) << QRect(QPoint(8, 6), QPoint(16, 7));
    // Below 8 pixels the navigation bar has no width left.
    QTest::newRow("first 7") << QRect(3, 2, 9, 7) << int(NavFirst)
                             << QPolygon({{10, 2}, {10, 8}, {7, 5}}) << QRect(7, 2, 0, 6);
}

void TestSkins::drawSymbol()
{
    QFETCH(QRect, rect);
    QFETCH(int, type);
    QFETCH(QPolygon, triangle);
    QFETCH(QRect, bar);

    const QVector<PaintOp> ops = record(rect, eSymbolType(type));
    QVector<PaintOp> polygons;
    QVector<PaintOp> bars;
    for (const PaintOp& op : ops) {
        if (op.kind == PaintOp::Polygon)
            polygons.append(op);
        else if (op.kind == PaintOp::Rects)
            bars.append(op);
        else
            QFAIL("drawSymbol draws only triangles and bars");
        QCOMPARE(op.pen.color(), QColor(Qt::red));
        QCOMPARE(op.brush.color(), QColor(Qt::blue));
    }
    QCOMPARE(polygons.size(), 1);
    QCOMPARE(polygons.first().polygon, QPolygonF(triangle));
    QCOMPARE(polygons.first().polygonMode, int(QPaintEngine::OddEvenMode));
    if (bar.isNull()) {
        QVERIFY(bars.isEmpty());
    } else {
        QCOMPARE(bars.size(), 1);
        QCOMPARE(bars.first().rects, QVector<QRectF>{QRectF(bar)});
    }
}

void TestSkins::drawSymbolIgnoresUnknownTypes()
{
    for (int type : {0, 10, 11, -1, 1000}) {
        PaintRecorder recorder;
        QPainter painter(&recorder);
        painter.setPen(Qt::green);
        painter.setBrush(Qt::yellow);
        painter.setTransform(QTransform::fromTranslate(3, 4));
        RibbonStyle::drawSymbol(painter, QRect(0, 0, 16, 16), eSymbolType(type));
        QCOMPARE(painter.pen().color(), QColor(Qt::green));
        QCOMPARE(painter.brush().color(), QColor(Qt::yellow));
        QCOMPARE(painter.transform(), QTransform::fromTranslate(3, 4));
        painter.end();
        QVERIFY2(recorder.ops().isEmpty(), qPrintable(QString::number(type)));
    }
}

ORU_TEST_MAIN(TestSkins)
#include "tst_skins.moc"
