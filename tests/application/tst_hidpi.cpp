// Painting at device pixel ratios 1, 1.5 and 2: every skin draw takes its
// pixels from the image of the matching density, with the 1x source
// rectangles scaled to it; windows that move to a screen of another ratio
// switch images and keep their geometry.
#include <oruPaintRecorder.h>
#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonColorPickerPopup.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonQStyle.h>
#include <oruRibbonScreenTip.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>
#include <oruTestApp.h>

#include <QFile>
#include <QImage>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;
using oru::test::skin;

using PixmapGetter = const QPixmap& (RibbonStyle::*)() const;

namespace {

const PixmapGetter kImages[] = {&RibbonStyle::mainBorder,
                                &RibbonStyle::mainBorderCaption,
                                &RibbonStyle::mainButton,
                                &RibbonStyle::quickAccessBar,
                                &RibbonStyle::statusBar,
                                &RibbonStyle::statusBarExt,
                                &RibbonStyle::sysBtnBack,
                                &RibbonStyle::toolBoxTabBack,
                                &RibbonStyle::sysBtnClose,
                                &RibbonStyle::sysBtnCloseSmall,
                                &RibbonStyle::sysBtnMaximize,
                                &RibbonStyle::sysBtnMaximizeSmall,
                                &RibbonStyle::sysBtnMinimize,
                                &RibbonStyle::sysBtnMinimizeSmall,
                                &RibbonStyle::sysBtnRestore,
                                &RibbonStyle::sysBtnRestoreSmall,
                                &RibbonStyle::normalButtonSmall,
                                &RibbonStyle::menuBarButton,
                                &RibbonStyle::categories,
                                &RibbonStyle::categoryTop,
                                &RibbonStyle::categoryBottom,
                                &RibbonStyle::categoryWrapperBack,
                                &RibbonStyle::categoryWrapperIcon,
                                &RibbonStyle::mainPanelBack,
                                &RibbonStyle::horizontalMenuButtonCaption,
                                &RibbonStyle::horizontalMenuButtonMenu,
                                &RibbonStyle::verticalMenuButtonCaption,
                                &RibbonStyle::verticalMenuButtonMenu,
                                &RibbonStyle::mainPanelBorder,
                                &RibbonStyle::mainPanelSeparator,
                                &RibbonStyle::mainPanelButton,
                                &RibbonStyle::paletteBtnTop,
                                &RibbonStyle::paletteBtnMiddle,
                                &RibbonStyle::paletteBtnBottom,
                                &RibbonStyle::paletteItemLarge,
                                &RibbonStyle::paletteItemSmall,
                                &RibbonStyle::popupBorder,
                                &RibbonStyle::popupResizeBarBack,
                                &RibbonStyle::popupResizeBarIconB,
                                &RibbonStyle::popupResizeBarIconBR,
                                &RibbonStyle::popupResizeBarIconTR,
                                &RibbonStyle::checkableMenuItemBack,
                                &RibbonStyle::checkableMenuItemCheck,
                                &RibbonStyle::checkableMenuItemRadio,
                                &RibbonStyle::tabBarTabs,
                                &RibbonStyle::sliderPlus,
                                &RibbonStyle::sliderMinus,
                                &RibbonStyle::sliderThumb,
                                &RibbonStyle::btnGroupFirst,
                                &RibbonStyle::btnGroupMidle,
                                &RibbonStyle::btnGroupLast,
                                &RibbonStyle::comboBox,
                                &RibbonStyle::tooltipBack,
                                &RibbonStyle::terminateProgressButton};

QScreen* screenWithRatio(qreal ratio)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (qFuzzyCompare(screen->devicePixelRatio(), ratio))
            return screen;
    return nullptr;
}

QRectF scaled(const QRectF& r, qreal ratio)
{
    return QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
}

bool sameRect(const QRectF& a, const QRectF& b)
{
    return qAbs(a.x() - b.x()) < 1e-6 && qAbs(a.y() - b.y()) < 1e-6 &&
           qAbs(a.width() - b.width()) < 1e-6 && qAbs(a.height() - b.height()) < 1e-6;
}

QString describe(const QRectF& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A main window with a page of buttons and a status bar.
struct Window
{
    RibbonMainWindow window;

    Window()
    {
        auto* home = new RibbonCategoriesPanelAction(QStringLiteral("Home"), &window);
        auto* group = new RibbonCategoryAction(QStringLiteral("Clipboard"), &window);
        home->addCategory(group);
        // An icon with a 32 and a 64 pixel picture.
        QIcon icon;
        for (int side : {32, 64}) {
            QPixmap picture(side, side);
            picture.fill(side == 32 ? Qt::red : Qt::blue);
            icon.addPixmap(picture);
        }
        group->addAction(new RibbonCatSimpleAction(icon, QStringLiteral("Paste"),
                                                   RibbonCatSimpleAction::Large, &window),
                         0);
        auto* bold = new RibbonCatSimpleAction(QIcon(), QStringLiteral("Bold"),
                                               RibbonCatSimpleAction::Small, &window);
        bold->setCheckable(true);
        bold->setChecked(true);
        group->addAction(bold, 1);
        home->setChecked(true);
        window.ribbonMenuBar()->addAction(home);
        auto* zoom = new RibbonPercAction(10, 500, 100, &window);
        window.ribbonStatusBar()->addAction(zoom);
        window.resize(800, 400);
    }
};

// The skin draws of a whole widget tree rendered at a ratio.
QVector<PaintOp> skinDraws(QWidget* widget, qreal ratio)
{
    QSet<qint64> keys;
    for (PixmapGetter getter : kImages) {
        keys.insert((skin().*getter)().cacheKey());
        keys.insert(skin().pixmapForRatio((skin().*getter)(), ratio).cacheKey());
    }
    PaintRecorder recorder(widget->size() * ratio + QSize(1, 1), ratio);
    widget->render(&recorder);
    QVector<PaintOp> draws;
    for (const PaintOp& op : recorder.ops(PaintOp::Pixmap))
        if (keys.contains(op.pixmapKey))
            draws.append(op);
    return draws;
}

// The skin draws of @p widget at @p ratio against its draws at 1x: one for
// one, each from the ratio's image, source and target scaled by the ratio.
// Returns an empty string when they agree.
QString compareSkinDraws(QWidget* widget, qreal ratio)
{
    QHash<qint64, const QPixmap*> byKey;
    for (PixmapGetter getter : kImages)
        byKey.insert((skin().*getter)().cacheKey(), &(skin().*getter)());
    const QVector<PaintOp> base = skinDraws(widget, 1.0);
    const QVector<PaintOp> fine = skinDraws(widget, ratio);
    if (base.isEmpty())
        return QStringLiteral("no skin draws at 1x");
    if (fine.size() != base.size())
        return QStringLiteral("%1 draws vs %2 at 1x").arg(fine.size()).arg(base.size());
    for (int i = 0; i < base.size(); ++i) {
        const PaintOp& one = base[i];
        const PaintOp& op = fine[i];
        if (!byKey.contains(one.pixmapKey))
            return QStringLiteral("draw %1 at 1x is not from a 1x image").arg(i);
        const QPixmap& expected = skin().pixmapForRatio(*byKey[one.pixmapKey], ratio);
        if (expected.devicePixelRatio() != ratio)
            return QStringLiteral("the image of draw %1 is not of the ratio").arg(i);
        if (op.pixmapKey != expected.cacheKey())
            return QStringLiteral("draw %1 is not from the image of the ratio").arg(i);
        if (!sameRect(op.source, scaled(one.source, ratio)) ||
            !sameRect(op.target, scaled(one.target, ratio)))
            return QStringLiteral("draw %1: %2 -> %3 vs 1x %4 -> %5")
                .arg(i)
                .arg(describe(op.source), describe(op.target), describe(one.source),
                     describe(one.target));
    }
    return QString();
}

// The device-pixel sizes of the icon pictures a render draws (every pixmap
// draw that is not a skin image).
QList<QSize> iconSources(const PaintRecorder& recorder)
{
    QSet<qint64> keys;
    for (PixmapGetter getter : kImages)
        for (qreal ratio : {1.0, 1.5, 2.0})
            keys.insert(skin().pixmapForRatio((skin().*getter)(), ratio).cacheKey());
    QList<QSize> sizes;
    for (const PaintOp& op : recorder.ops(PaintOp::Pixmap))
        if (!keys.contains(op.pixmapKey))
            sizes.append(op.source.size().toSize());
    return sizes;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(screenWithRatio(1.0));
        QVERIFY(screenWithRatio(1.5));
        QVERIFY(screenWithRatio(2.0));
    }

    void drawsUseTheImageOfTheRatio_data() { test::addSkinRatioRows({1.5, 2.0}); }

    // The same draws as at 1x, one for one, each from the finer image with
    // source and target rectangles scaled by the ratio.
    void drawsUseTheImageOfTheRatio()
    {
        QFETCH(int, style);
        QFETCH(qreal, ratio);
        RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::eRibbonStyle(style));
        Window w;
        QVERIFY(skinDraws(&w.window, 1.0).size() > 40);
        const QString wrong = compareSkinDraws(&w.window, ratio);
        RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::Blue);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    void widgetsDrawAtTheRatio_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<qreal>("ratio");
        for (const char* widget : {"screen tip", "collapsed group", "colour picker", "menu"})
            for (qreal ratio : {1.0, 1.5, 2.0})
                QTest::addRow("%s at %g", widget, ratio) << QString::fromLatin1(widget) << ratio;
    }

    // Widgets outside the main window's first paint: their skin draws come
    // from the ratio's images with scaled rectangles, and every icon picture
    // they draw has the icon's logical size times the ratio (a picture of
    // the screen's density scaled by the painter would be blurred).
    void widgetsDrawAtTheRatio()
    {
        QFETCH(QString, widget);
        QFETCH(qreal, ratio);
        // An icon with pictures for every density, in distinct colours.
        QIcon icon;
        for (int side : {16, 24, 32, 48, 64}) {
            QPixmap picture(side, side);
            picture.fill(QColor::fromHsv(side * 4, 200, 200));
            icon.addPixmap(picture);
        }
        std::unique_ptr<QWidget> owner;
        std::unique_ptr<Window> mainWindow;
        QWidget* painted = nullptr;
        QList<QSize> icons; // the logical sizes of the pictures drawn
        RibbonSimpleAction action(icon, QStringLiteral("Paste"), nullptr);
        action.setToolTip(QStringLiteral("Paste"));
        action.setStatusTip(QStringLiteral("Inserts what the clipboard holds."));
        std::unique_ptr<QStyle> style;
        if (widget == QLatin1String("screen tip")) {
            auto* tip = new RibbonScreenTip;
            owner.reset(tip);
            tip->showAt(&action, QPoint(100, 100));
            QVERIFY(tip->hasContents());
            painted = tip;
        } else if (widget == QLatin1String("collapsed group")) {
            // A page stack of its own, narrower than its one group.
            auto* host = new QWidget;
            owner.reset(host);
            mainWindow = std::make_unique<Window>();
            auto* stack = new RibbonCategoryPanels(*mainWindow->window.ribbonMenuBar());
            stack->setParent(host);
            auto* tab = new RibbonCategoriesPanelAction(QStringLiteral("Tab"), host);
            tab->setChecked(true);
            stack->addAction(tab);
            auto* group = new RibbonCategoryAction(QStringLiteral("Tools"), host);
            group->setIcon(icon);
            group->addAction(
                new RibbonCatSimpleAction(QStringLiteral("b"), RibbonCatSimpleAction::Large, host),
                0);
            tab->addCategory(group);
            host->resize(200, 100);
            stack->setGeometry(0, 0, 40, 92);
            host->show();
            QCoreApplication::sendPostedEvents();
            for (RibbonCategoryWrapper* wrapper : host->findChildren<RibbonCategoryWrapper*>())
                if (wrapper->isColapsed())
                    painted = wrapper;
            QVERIFY(painted);
            icons << QSize(32, 32);
        } else if (widget == QLatin1String("colour picker")) {
            auto* picker = new RibbonColorPickerPopup(nullptr);
            owner.reset(picker);
            picker->setAutomaticColorEnabled(true);
            picker->setAutomaticColor(Qt::red);
            picker->adjustSize();
            painted = picker;
            icons << QSize(16, 16);
        } else {
            style.reset(createStyle(RibbonSkinnedStyle));
            auto* menu = new QMenu;
            owner.reset(menu);
            menu->setStyle(style.get());
            QAction* item = menu->addAction(icon, QStringLiteral("Bold"));
            item->setCheckable(true);
            item->setChecked(true);
            menu->addAction(QStringLiteral("Italic"));
            menu->adjustSize();
            painted = menu;
            icons << QSize(16, 16);
        }
        if (widget != QLatin1String("colour picker")) {
            const QString wrong = compareSkinDraws(painted, ratio);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        }
        PaintRecorder recorder(painted->size() * ratio + QSize(1, 1), ratio);
        painted->render(&recorder);
        const QList<QSize> drawn = iconSources(recorder);
        for (const QSize& size : std::as_const(icons))
            QVERIFY2(
                drawn.contains(size * ratio),
                qPrintable(QStringLiteral("no %1 px picture").arg(qRound(size.width() * ratio))));
        if (ratio > 1)
            for (const QSize& size : std::as_const(icons))
                QVERIFY(!drawn.contains(size));
    }

    // A checked button's frame rendered at ratio 2 repeats the rows of the 2x
    // image exactly: unscaled corners pixel for pixel, the stretched edge
    // with the colour of the image's middle column. An upscaled 1x image
    // would put doubled or interpolated pixels there.
    void renderedFrameIsSharp()
    {
        RibbonButtonNormal button(nullptr);
        button.setCheckable(true);
        button.setChecked(true);
        button.resize(30, 22);
        QImage image(button.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2.0);
        image.fill(Qt::transparent);
        button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        image = image.convertToFormat(QImage::Format_ARGB32);

        // The frame the state selects, from where its 1x draw starts.
        const int top = 2 * int(oru::test::sourceOf(&button, skin().normalButtonSmall()).y());
        QVERIFY(top > 0);
        const QImage two = skin()
                               .pixmapForRatio(skin().normalButtonSmall(), 2.0)
                               .toImage()
                               .convertToFormat(QImage::Format_ARGB32);
        const QImage one =
            skin().normalButtonSmall().toImage().convertToFormat(QImage::Format_ARGB32);
        const int W = image.width(), H = image.height();
        bool differsFromDoubled = false;
        for (int y : {0, 1, 2, 3, H - 4, H - 3, H - 2, H - 1}) {
            const int sy = top + (y < 4 ? y : 44 - (H - y));
            for (int x = 0; x < W; ++x) {
                const int sx = x < 4 ? x : x >= W - 4 ? 44 - (W - x) : 21;
                QVERIFY2(image.pixel(x, y) == two.pixel(sx, sy),
                         qPrintable(QStringLiteral("pixel %1,%2: %3 vs %4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(image.pixel(x, y), 8, 16)
                                        .arg(two.pixel(sx, sy), 8, 16)));
                if (two.pixel(sx, sy) != one.pixel(sx / 2, sy / 2))
                    differsFromDoubled = true;
            }
        }
        // The check means something only where the densities differ.
        QVERIFY(differsFromDoubled);
    }

    // A window moved to a screen of another ratio repaints with that
    // screen's skin images and icon pictures and keeps its logical geometry;
    // moving back restores the 1x ones.
    void movingBetweenScreensSwitchesImages()
    {
        Window w;
        QScreen* one = screenWithRatio(1.0);
        QScreen* two = screenWithRatio(2.0);
        w.window.setScreen(one);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QSize size = w.window.size();
        const QRect pageGeometry = w.window.ribbonMenuBar()->geometry();
        const QPixmap& back = skin().categories();
        const QPixmap& fine = skin().pixmapForRatio(back, 2.0);

        PaintCounter counter;
        w.window.installEventFilter(&counter);
        for (QScreen* screen : {two, one}) {
            const qreal ratio = screen->devicePixelRatio();
            counter.count = 0;
            w.window.setScreen(screen);
            QTRY_VERIFY(counter.count > 0);
            QCOMPARE(w.window.devicePixelRatio(), ratio);
            QCOMPARE(w.window.size(), size);
            QCOMPARE(w.window.ribbonMenuBar()->geometry(), pageGeometry);
            PaintRecorder recorder(size * ratio, w.window.devicePixelRatio());
            w.window.render(&recorder);
            QCOMPARE(recorder.pixmapDraws(fine).isEmpty(), ratio == 1.0);
            QCOMPARE(recorder.pixmapDraws(back).isEmpty(), ratio != 1.0);
            // The host's icon comes at the screen's density too.
            // (The application button's default icon is the other picture drawn.)
            const QList<QSize> icons = iconSources(recorder);
            QVERIFY(icons.contains(QSize(32, 32) * ratio));
            QVERIFY(!icons.contains(QSize(32, 32) * (3 - ratio)));
            const QPixmap shot = w.window.grab();
            QCOMPARE(shot.devicePixelRatio(), ratio);
        }
    }
};

int main(int argc, char** argv)
{
    // Three offscreen screens side by side with ratios 1, 1.5 and 2.
    QTemporaryDir dir;
    if (!oru::test::useOffscreenScreens(dir.filePath(QStringLiteral("screens.json")),
                                        {1.0, 1.5, 2.0}))
        return 1;
    oru::test::TestApplication app(argc, argv);
    TestHiDpi tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_hidpi.moc"
