#include <oruPaintRecorder.h>
#include <oruPaletteStyle_p.h>
#include <oruRibbonApplication.h>
#include <oruRibbonPalette.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>

#include <QDir>
#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>
#include <QSignalSpy>
#include <QtMath>

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
#define I(name, w, h)                                                                              \
    {                                                                                              \
#name, &RibbonStyle::name, w, h                                                            \
    }
const ImageSize kImages[] = {
    I(mainBorder, 70, 23),
    I(mainBorderCaption, 70, 31),
    I(mainButton, 38, 114),
    I(quickAccessBar, 64, 26),
    I(statusBar, 70, 23),
    I(statusBarExt, 70, 23),
    I(sysBtnBack, 17, 32),
    I(toolBoxTabBack, 9, 113),
    I(sysBtnClose, 17, 80),
    I(sysBtnCloseSmall, 13, 60),
    I(sysBtnMaximize, 17, 80),
    I(sysBtnMaximizeSmall, 13, 60),
    I(sysBtnMinimize, 17, 80),
    I(sysBtnMinimizeSmall, 13, 60),
    I(sysBtnRestore, 17, 80),
    I(sysBtnRestoreSmall, 13, 60),
    I(normalButtonSmall, 22, 110),
    I(menuBarButton, 57, 120),
    I(categories, 80, 92),
    I(categoryTop, 100, 136),
    I(categoryBottom, 100, 34),
    I(categoryWrapperBack, 52, 255),
    I(categoryWrapperIcon, 38, 38),
    I(mainPanelBack, 9, 38),
    I(horizontalMenuButtonCaption, 22, 132),
    I(horizontalMenuButtonMenu, 11, 110),
    I(verticalMenuButtonCaption, 43, 234),
    I(verticalMenuButtonMenu, 43, 135),
    I(mainPanelBorder, 5, 5),
    I(mainPanelSeparator, 2, 55),
    I(mainPanelButton, 54, 69),
    I(paletteBtnTop, 15, 84),
    I(paletteBtnMiddle, 15, 76),
    I(paletteBtnBottom, 15, 80),
    I(paletteItemLarge, 43, 330),
    I(paletteItemSmall, 22, 110),
    I(popupBorder, 7, 7),
    I(popupResizeBarBack, 3, 11),
    I(popupResizeBarIconB, 15, 3),
    I(popupResizeBarIconBR, 9, 8),
    I(popupResizeBarIconTR, 9, 8),
    I(checkableMenuItemBack, 20, 40),
    I(checkableMenuItemCheck, 10, 28),
    I(checkableMenuItemRadio, 10, 28),
    I(tabBarTabs, 21, 32),
    I(sliderPlus, 18, 54),
    I(sliderMinus, 18, 54),
    I(sliderThumb, 11, 45),
    I(btnGroupFirst, 22, 110),
    I(btnGroupMidle, 22, 110),
    I(btnGroupLast, 22, 110),
    I(comboBox, 72, 22),
    I(tooltipBack, 15, 15),
    I(terminateProgressButton, 18, 54),
};
#undef I

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

// The skin of @p name, left selected no longer than the call.
RibbonStyle* skin(const QString& name)
{
    RibbonApplication* app = RibbonApplication::theApp();
    const QString previous = app->ribbonStyleName();
    app->setRibbonStyle(name);
    RibbonStyle* result = app->ribbonStyle();
    app->setRibbonStyle(previous);
    return result;
}

// The built-in skins, then skins painted from palettes: the modern ones and
// two of a host's accents.
const QStringList kSkins = {QStringLiteral("Blue"),        QStringLiteral("Silver"),
                            QStringLiteral("Black"),       QStringLiteral("Modern Light"),
                            QStringLiteral("Modern Dark"), QStringLiteral("Yellow"),
                            QStringLiteral("Navy")};

} // namespace

class TestSkins : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RibbonApplication* app = RibbonApplication::theApp();
        RibbonPalette yellow = RibbonPalette::modernLight();
        yellow.setAccent(QColor(0xFF, 0xD8, 0x00));
        RibbonPalette navy = RibbonPalette::modernDark();
        navy.setAccent(QColor(0x0A, 0x1A, 0x5C));
        QVERIFY(app->registerRibbonStyle(QStringLiteral("Yellow"), yellow));
        QVERIFY(app->registerRibbonStyle(QStringLiteral("Navy"), navy));
    }

    void plainStyleIsEmpty()
    {
        RibbonStyle plain;
        for (ColorGetter getter : kColors)
            QVERIFY(!(plain.*getter)().isValid());
        for (const ImageSize& image : kImages)
            QVERIFY2((plain.*image.getter)().isNull(), image.name);
    }

    void imagesHaveTheirSizes()
    {
        QSet<qint64> keys;
        for (auto which : kSkins) {
            for (const ImageSize& image : kImages) {
                const QPixmap& pixmap = (skin(which)->*image.getter)();
                const QByteArray what = which.toUtf8() + ' ' + image.name;
                QVERIFY2(!pixmap.isNull(), what);
                QCOMPARE(pixmap.size(), QSize(image.width, image.height));
                // Each skin decodes its own images: none is shared or loaded twice.
                QVERIFY2(!keys.contains(pixmap.cacheKey()), what);
                keys.insert(pixmap.cacheKey());
            }
        }
        QCOMPARE(keys.size(), int(kSkins.size()) * 54);
    }

    // Every image has a 1.5x and a 2x twin, loaded once on first use, that
    // shows the same picture: boxed down to 1x it agrees with the 1x image
    // pixel by pixel, so no state frame or slice border has moved.
    void finerImagesMatchTheBase()
    {
        QSet<qint64> keys;
        for (auto which : kSkins) {
            const RibbonStyle* style = skin(which);
            for (const ImageSize& image : kImages) {
                const QPixmap& base = (style->*image.getter)();
                const QByteArray what = which.toUtf8() + ' ' + image.name;
                QVERIFY2(&style->pixmapForRatio(base, 1.0) == &base, what);
                for (qreal ratio : {1.5, 2.0}) {
                    const QPixmap& finer = style->pixmapForRatio(base, ratio);
                    QVERIFY2(&finer != &base, what);
                    QVERIFY2(&style->pixmapForRatio(base, ratio) == &finer, what);
                    QCOMPARE(finer.devicePixelRatio(), ratio);
                    QCOMPARE(finer.size(),
                             QSize(qCeil(image.width * ratio), qCeil(image.height * ratio)));
                    QVERIFY2(!keys.contains(finer.cacheKey()), what);
                    keys.insert(finer.cacheKey());
                }
                // Boxed down: each 1x pixel against the mean of its 2x block.
                const QImage one = base.toImage().convertToFormat(QImage::Format_ARGB32);
                const QImage two = style->pixmapForRatio(base, 2.0).toImage().convertToFormat(
                    QImage::Format_ARGB32);
                int far = 0;
                for (int y = 0; y < one.height(); ++y) {
                    for (int x = 0; x < one.width(); ++x) {
                        const QRgb block[4] = {two.pixel(2 * x, 2 * y), two.pixel(2 * x + 1, 2 * y),
                                               two.pixel(2 * x, 2 * y + 1),
                                               two.pixel(2 * x + 1, 2 * y + 1)};
                        const auto mean = [&](int (*channel)(QRgb)) {
                            int sum = 0;
                            for (QRgb p : block)
                                sum += channel(p);
                            return sum / 4;
                        };
                        const QRgb p = one.pixel(x, y);
                        const int d = qMax(
                            qMax(qAbs(qRed(p) - mean(qRed)), qAbs(qGreen(p) - mean(qGreen))),
                            qMax(qAbs(qBlue(p) - mean(qBlue)), qAbs(qAlpha(p) - mean(qAlpha))));
                        if (d > 48)
                            ++far;
                    }
                }
                // Antialiased rims (orbs, slider buttons, rounded corners of
                // the small border images) are where the densities differ.
                QVERIFY2(far <= qMax(16, one.width() * one.height() / 5),
                         what + " differs in " + QByteArray::number(far) + " pixels");
            }
        }
        // Between the supported ratios the finer image is used, beyond them the finest.
        const RibbonStyle* style = skin(QStringLiteral("Blue"));
        const QPixmap& base = style->mainButton();
        QVERIFY(&style->pixmapForRatio(base, 0.5) == &base);
        QCOMPARE(style->pixmapForRatio(base, 1.25).devicePixelRatio(), 1.5);
        QCOMPARE(style->pixmapForRatio(base, 3.0).devicePixelRatio(), 2.0);
        // Pixmaps that are not skin images, and a skin without images, have no twins.
        const QPixmap foreign(8, 8);
        QVERIFY(&style->pixmapForRatio(foreign, 2.0) == &foreign);
        RibbonStyle plain;
        QVERIFY(&plain.pixmapForRatio(plain.mainButton(), 2.0) == &plain.mainButton());
    }

    // The state pictures stacked in an image must not look alike, or a button
    // would not show that it is hovered or pressed.
    void stateFramesDiffer()
    {
        const struct
        {
            PixmapGetter getter;
            int frameHeight;
            QVector<int> frames;
        } strips[] = {{&RibbonStyle::mainButton, 38, {0, 1, 2}},
                      {&RibbonStyle::sysBtnBack, 16, {0, 1}},
                      {&RibbonStyle::sysBtnClose, 16, {0, 1, 2, 4}},
                      {&RibbonStyle::sysBtnMaximize, 16, {2, 4}},
                      {&RibbonStyle::sysBtnMinimize, 16, {2, 4}},
                      {&RibbonStyle::sysBtnRestore, 16, {2, 4}},
                      {&RibbonStyle::sysBtnCloseSmall, 12, {1, 2}},
                      {&RibbonStyle::checkableMenuItemBack, 20, {0, 1}}};
        for (auto which : kSkins) {
            for (const auto& strip : strips) {
                const QImage image = (skin(which)->*strip.getter)().toImage();
                const auto frame = [&](int f) {
                    return image.copy(0, f * strip.frameHeight, image.width(), strip.frameHeight);
                };
                for (int i = 0; i < strip.frames.size(); ++i) {
                    for (int j = i + 1; j < strip.frames.size(); ++j) {
                        QVERIFY2(frame(strip.frames[i]) != frame(strip.frames[j]),
                                 qPrintable(QStringLiteral("skin %1 strip %2 frames %3/%4")
                                                .arg(which)
                                                .arg(&strip - strips)
                                                .arg(strip.frames[i])
                                                .arg(strip.frames[j])));
                    }
                }
            }
        }
    }

    void colorsMatchTheSkinTables()
    {
        const QRgb tables[3][16] = {
            {0xBFDBFF, 0xFAFAFA, 0x50575F, 0xA0A0A0, 0x2A4F86, 0xA0A0A0, 0x15428B, 0x15428B,
             0x8D8D8D, 0x2A4F86, 0x15428B, 0xB9D0ED, 0xD4E6F8, 0xECF3FB, 0x7496C2, 0xDEE2EC},
            {0xD0D4DD, 0xFAFAFA, 0x4F555C, 0x8A8A8A, 0x2A5A8E, 0x8A8A8A, 0x4C535C, 0x4C535C,
             0xA7A7A7, 0x535459, 0x4C535C, 0xA9B1B8, 0xE8EAEC, 0xF0F1F2, 0x252525, 0xCCCCCC},
            {0x535353, 0xFAFAFA, 0xFFFFFF, 0xE1E1E1, 0xAED1FF, 0xE1E1E1, 0xFFFFFF, 0x000000,
             0x8D8D8D, 0xFFFFFF, 0xFFFFFF, 0xACACAC, 0xDAE2E2, 0xF7F7F7, 0x252525, 0xCCCCCC}};
        for (int t = 0; t < 3; ++t) {
            for (int i = 0; i < 16; ++i) {
                const QColor& color = (skin(kSkins.at(t))->*kColors[i])();
                QVERIFY2(color == QColor(tables[t][i]),
                         qPrintable(QStringLiteral("skin %1 colour %2: %3")
                                        .arg(t)
                                        .arg(i)
                                        .arg(color.name(QColor::HexArgb))));
            }
        }
    }

    // The built-in skins' images are what the library's painter paints from
    // their palettes, within one step of a colour channel: Qt's raster
    // engine rounds antialiased and blended pixels by the processor's vector
    // unit, so a machine other than the one that painted the files may land
    // one step off at any density.
    void builtInSkinsArePainted()
    {
        for (const char* folder : {"blue", "silver", "black"}) {
            QDir dir(QStringLiteral(":/oru/ribbon/%1").arg(QLatin1String(folder)));
            const QStringList files = dir.entryList({QStringLiteral("*.png")}, QDir::Files);
            QCOMPARE(files.size(), 3 * 54);
            for (const QString& file : files) {
                QString name = file;
                qreal ratio = 1.0;
                if (name.endsWith(QLatin1String("@1.5x.png"))) {
                    ratio = 1.5;
                    name.replace(QLatin1String("@1.5x.png"), QLatin1String(".png"));
                } else if (name.endsWith(QLatin1String("@2x.png"))) {
                    ratio = 2.0;
                    name.replace(QLatin1String("@2x.png"), QLatin1String(".png"));
                }
                const QImage painted = paintBuiltInSkinImage(QLatin1String(folder), name, ratio)
                                           .convertToFormat(QImage::Format_ARGB32);
                const QImage committed =
                    QImage(dir.filePath(file)).convertToFormat(QImage::Format_ARGB32);
                const QByteArray what = QByteArray(folder) + '/' + file.toUtf8();
                QCOMPARE(painted.size(), committed.size());
                int worst = 0;
                for (int y = 0; y < painted.height(); ++y)
                    for (int x = 0; x < painted.width(); ++x) {
                        const QRgb a = painted.pixel(x, y), b = committed.pixel(x, y);
                        worst =
                            std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                                      qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))});
                    }
                QVERIFY2(worst <= 1, what + ": " + QByteArray::number(worst));
            }
        }
        QVERIFY(paintBuiltInSkinImage(QStringLiteral("green"), QStringLiteral("MainBorder.png"), 1)
                    .isNull());
        QVERIFY(paintBuiltInSkinImage(QStringLiteral("blue"), QStringLiteral("Nothing.png"), 1)
                    .isNull());
    }

    // Palette files: what a designer writes, and what goes wrong in them.
    void paletteFiles_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error"); // empty: reads
        QTest::newRow("minimal") << QByteArray("{\"base\": \"#f0f0f0\", \"accent\": \"#c43e1c\"}")
                                 << QString();
        QTest::newRow("full") << QByteArray(
                                     "{\"base\": \"#202020\", \"accent\": \"steelblue\", \"text\": "
                                     "\"#eeeeee\", \"highlight\": \"#334455\", \"dark\": true}")
                              << QString();
        QTest::newRow("not json") << QByteArray("{base: }") << QStringLiteral("not JSON");
        QTest::newRow("array") << QByteArray("[1]") << QStringLiteral("not a JSON object");
        QTest::newRow("no accent")
            << QByteArray("{\"base\": \"#fff\"}") << QStringLiteral("\"accent\" is missing");
        QTest::newRow("bad colour") << QByteArray("{\"base\": \"#ff\", \"accent\": \"#000\"}")
                                    << QStringLiteral("\"base\": \"#ff\" is no colour");
        QTest::newRow("number") << QByteArray("{\"base\": 12, \"accent\": \"#000\"}")
                                << QStringLiteral("\"base\" is not a colour name");
        QTest::newRow("typo") << QByteArray("{\"base\": \"#fff\", \"acent\": \"#000\"}")
                              << QStringLiteral("unknown key \"acent\"");
        QTest::newRow("dark as text")
            << QByteArray("{\"base\": \"#fff\", \"accent\": \"#000\", \"dark\": \"yes\"}")
            << QStringLiteral("\"dark\" is not true or false");
    }

    void paletteFiles()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        RibbonApplication* app = RibbonApplication::theApp();
        app->setRibbonStyle(QStringLiteral("Blue"));
        QString message = QStringLiteral("untouched");
        const RibbonPalette palette = RibbonPalette::fromJson(json, &message);
        QCOMPARE(palette.isValid(), error.isEmpty());
        QSignalSpy changed(app, &RibbonApplication::ribbonStyleChanged);
        const QStringList names = app->ribbonStyleNames();
        if (!error.isEmpty()) {
            QVERIFY2(message.contains(error), qPrintable(message));
            // A bad palette changes nothing.
            QVERIFY(!app->registerRibbonStyle(QStringLiteral("From file"), palette));
            QCOMPARE(app->ribbonStyleNames(), names);
            QCOMPARE(changed.size(), 0);
            return;
        }
        QVERIFY(message.isEmpty());
        // Written back, it reads the same.
        QCOMPARE(RibbonPalette::fromJson(palette.toJson()), palette);
        QVERIFY(app->registerRibbonStyle(QStringLiteral("From file"), palette));
        QVERIFY(app->setRibbonStyle(QStringLiteral("From file")));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(app->ribbonStyle()->mainClientColor(), palette.base());
        if (palette.text().isValid())
            QCOMPARE(app->ribbonStyle()->activeTextColor(), palette.text());
        app->setRibbonStyle(QStringLiteral("Blue"));
    }

    // Names: built-in ones cannot be taken, unknown ones select nothing, a
    // skin in use changes its look when registered anew, and following the
    // desktop picks the modern skin of the palette's darkness.
    void namesAndSwitching()
    {
        RibbonApplication* app = RibbonApplication::theApp();
        app->setRibbonStyle(QStringLiteral("Silver"));
        QCOMPARE(app->getRibbonStyle(), RibbonApplication::Silver);
        QSignalSpy changed(app, &RibbonApplication::ribbonStyleChanged);
        QVERIFY(!app->registerRibbonStyle(QStringLiteral("Blue"), RibbonPalette::modernDark()));
        QVERIFY(!app->registerRibbonStyle(QString(), RibbonPalette::modernDark()));
        QVERIFY(!app->setRibbonStyle(QStringLiteral("No such skin")));
        QCOMPARE(app->ribbonStyleName(), QStringLiteral("Silver"));
        QCOMPARE(changed.size(), 0);
        QVERIFY(app->ribbonStyleNames().mid(0, 5) ==
                QStringList({"Blue", "Silver", "Black", "Modern Light", "Modern Dark"}));

        RibbonPalette red = RibbonPalette::modernLight();
        red.setAccent(QColor(0xC4, 0x3E, 0x1C));
        QVERIFY(app->registerRibbonStyle(QStringLiteral("Brand"), red));
        QVERIFY(app->setRibbonStyle(QStringLiteral("Brand")));
        QCOMPARE(app->ribbonStyleName(), QStringLiteral("Brand"));
        QCOMPARE(app->getRibbonStyle(), RibbonApplication::Silver);
        const QImage before = app->ribbonStyle()->mainButton().toImage();
        red.setAccent(QColor(0x10, 0x7C, 0x41));
        QVERIFY(app->registerRibbonStyle(QStringLiteral("Brand"), red));
        QCOMPARE(changed.size(), 2);
        QVERIFY(app->ribbonStyle()->mainButton().toImage() != before);
        QCOMPARE(app->ribbonStyleNames().count(QStringLiteral("Brand")), 1);

        const QPalette desktop = QGuiApplication::palette();
        app->setFollowDesktop(true);
        QCOMPARE(app->ribbonStyleName(), QStringLiteral("Modern Light"));
        QPalette dark = desktop;
        dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
        QApplication::setPalette(dark);
        QCOMPARE(app->ribbonStyleName(), QStringLiteral("Modern Dark"));
        app->setFollowDesktop(false);
        QApplication::setPalette(desktop);
        QCOMPARE(app->ribbonStyleName(), QStringLiteral("Modern Dark"));
        app->setRibbonStyle(RibbonApplication::Blue);
        QCOMPARE(app->ribbonStyleName(), QStringLiteral("Blue"));
    }

    void iconsAreInTheResourceTree()
    {
        QCOMPARE(QPixmap(QStringLiteral(":/oru/ribbon/icons/DefaultAppIcon.png")).size(),
                 QSize(48, 48));
        for (const char* name : {"Exit", "helpwindow/Back", "helpwindow/Forward", "helpwindow/Home",
                                 "helpwindow/Sync"}) {
            QImageReader reader(QStringLiteral(":/oru/ribbon/icons/%1.ico").arg(name));
            QVERIFY2(reader.canRead(), name);
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

    void drawSymbol_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("type");
        QTest::addColumn<QPolygon>("triangle");
        QTest::addColumn<QRect>("bar"); // null when the symbol has no bar
        const auto row = [](const char* name, QRect rect, eSymbolType type, QPolygon triangle,
                            QRect bar = QRect()) {
            QTest::newRow(name) << rect << int(type) << triangle << bar;
        };
        const QRect even(0, 0, 16, 16);
        row("up 16", even, ArrowUp, {{15, 15}, {0, 15}, {7, 0}});
        row("down 16", even, ArrowDown, {{0, 0}, {15, 0}, {7, 15}});
        row("left 16", even, ArrowLeft, {{15, 0}, {15, 15}, {0, 7}});
        row("right 16", even, ArrowRight, {{0, 0}, {15, 7}, {0, 15}});
        row("more 16", even, MoreDown, {{0, 8}, {15, 8}, {7, 15}}, {0, 0, 15, 4});
        row("first 16", even, NavFirst, {{15, 0}, {15, 15}, {8, 7}}, {6, 0, 2, 15});
        row("prev 16", even, NavPrev, {{11, 0}, {11, 15}, {4, 7}});
        row("next 16", even, NavNext, {{4, 0}, {11, 7}, {4, 15}});
        row("last 16", even, NavLast, {{0, 0}, {7, 7}, {0, 15}}, {7, 0, 2, 15});
        // Odd and unequal sides, away from the origin.
        const QRect odd(10, 20, 25, 17);
        row("up odd", odd, ArrowUp, {{34, 36}, {10, 36}, {22, 20}});
        row("down odd", odd, ArrowDown, {{10, 20}, {34, 20}, {22, 36}});
        row("left odd", odd, ArrowLeft, {{34, 20}, {34, 36}, {10, 28}});
        row("right odd", odd, ArrowRight, {{10, 20}, {34, 28}, {10, 36}});
        row("more odd", odd, MoreDown, {{10, 28}, {34, 28}, {22, 36}}, {10, 20, 24, 4});
        row("first odd", odd, NavFirst, {{30, 20}, {30, 36}, {22, 28}}, {20, 20, 2, 16});
        row("prev odd", odd, NavPrev, {{26, 20}, {26, 36}, {19, 28}});
        row("next odd", odd, NavNext, {{19, 20}, {26, 28}, {19, 36}});
        row("last odd", odd, NavLast, {{14, 20}, {22, 28}, {14, 36}}, {22, 20, 2, 16});
        row("more 10x10", QRect(QPoint(8, 6), QPoint(17, 15)), MoreDown,
            {{8, 11}, {17, 11}, {12, 15}}, QRect(QPoint(8, 6), QPoint(16, 7)));
        // Below 8 pixels the navigation bar has no width left.
        row("first 7", QRect(3, 2, 9, 7), NavFirst, {{10, 2}, {10, 8}, {7, 5}}, {7, 2, 0, 6});
    }
    void drawSymbol()
    {
        QFETCH(QRect, rect);
        QFETCH(int, type);
        QFETCH(QPolygon, triangle);
        QFETCH(QRect, bar);
        PaintRecorder recorder;
        QPainter painter(&recorder);
        painter.setPen(Qt::red);
        painter.setBrush(Qt::blue);
        RibbonStyle::drawSymbol(painter, rect, eSymbolType(type));
        painter.end();
        const QVector<PaintOp> polygons = recorder.ops(PaintOp::Polygon);
        const QVector<PaintOp> bars = recorder.ops(PaintOp::Rects);
        QCOMPARE(recorder.ops().size(), polygons.size() + bars.size()); // nothing else
        for (const PaintOp& op : recorder.ops()) {
            QCOMPARE(op.pen.color(), QColor(Qt::red));
            QCOMPARE(op.brush.color(), QColor(Qt::blue));
        }
        QCOMPARE(polygons.size(), 1);
        QCOMPARE(polygons.first().polygon, QPolygonF(triangle));
        QCOMPARE(polygons.first().polygonMode, int(QPaintEngine::OddEvenMode));
        QCOMPARE(bars.size(), bar.isNull() ? 0 : 1);
        if (!bar.isNull())
            QCOMPARE(bars.first().rects, QVector<QRectF>{QRectF(bar)});
    }

    void drawSymbolIgnoresUnknownTypes()
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
};

ORU_TEST_MAIN(TestSkins)
#include "tst_skins.moc"
