// Right to left: the same host laid out in both directions, every rectangle
// of the second the mirror of the first within the window.

#include "ribbonhost.h"

#include <oruPaintRecorder.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatMenuButton.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategory.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonPercWidget.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonStyle.h>
#include <oruRibbonWindow.h>
#include <oruTestApp.h>
#include <oruTestInput.h>

using namespace oru;

namespace {

// The rectangles of the window's visible widgets of one class, in the
// window's coordinates, in creation order.
QList<QRect> rectsOf(const QWidget& window, const char* className)
{
    QList<QRect> rects;
    const auto widgets = window.findChildren<QWidget*>();
    for (const QWidget* widget : widgets)
        if (widget->inherits(className) && widget->isVisibleTo(&window))
            rects.append(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()));
    return rects;
}

QRect mirrored(const QRect& r, int width)
{
    return QRect(width - r.x() - r.width(), r.y(), r.width(), r.height());
}

// A host whose first tab has a group of a large button and three small ones
// (Paste, then Cut, Copy, Format Painter), a second group, and a status bar.
struct MirrorHost : RibbonHost
{
    RibbonPercAction zoom{10, 500, 100, nullptr};
    MirrorHost() : RibbonHost({QStringLiteral("P"), QStringLiteral("x")})
    {
        auto* group = new RibbonCategoryAction(QStringLiteral("Clipboard"), &window);
        for (const char* name : {"Cut", "Copy", "Format Painter"}) {
            auto* action = new RibbonCatSimpleAction(QString::fromLatin1(name),
                                                     RibbonCatSimpleAction::Medium, &window);
            action->setObjectName(QString::fromLatin1(name));
            QPixmap icon(16, 16);
            icon.fill(Qt::red);
            action->setIcon(QIcon(icon));
            group->addAction(action);
            commands.append(action);
        }
        tabs.at(0)->addCategory(group);
        window.ribbonStatusBar()->addAction(&zoom);
    }
    void setDirection(Qt::LayoutDirection direction)
    {
        qApp->setLayoutDirection(direction);
        QTRY_COMPARE(window.layoutDirection(), direction);
        // Layout requests are posted; let every pass run.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
};

} // namespace

class TestRtl : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qApp->setLayoutDirection(Qt::LeftToRight); }

    void mirroredGeometry_data();
    void mirroredGeometry();
    void controlOrder();
    void captionRun();
    void mirroredPaint_data();
    void mirroredPaint();
    void windowCaption();
    void gallery();
    void zoomSlider_data();
    void zoomSlider();
};

void TestRtl::mirroredGeometry_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<int>("windowWidth");
    QTest::newRow("groups") << QByteArray("oru::RibbonCategoryWrapper") << 900;
    QTest::newRow("group frames") << QByteArray("oru::RibbonCategory") << 900;
    QTest::newRow("controls") << QByteArray("oru::RibbonCatSimpleButton") << 900;
    QTest::newRow("collapsed groups") << QByteArray("oru::RibbonCategoryWrapper") << 150;
    QTest::newRow("tabs") << QByteArray("oru::RibbonMenuBarButton") << 900;
    QTest::newRow("status bar") << QByteArray("oru::RibbonStatusBar") << 900;
    QTest::newRow("status bar widgets") << QByteArray("oru::RibbonPercWidget") << 900;
}

void TestRtl::mirroredGeometry()
{
    QFETCH(QByteArray, className);
    QFETCH(int, windowWidth);
    MirrorHost host;
    host.window.resize(windowWidth, 500);
    QCoreApplication::processEvents();
    const QList<QRect> ltr = rectsOf(host.window, className.constData());
    QVERIFY(!ltr.isEmpty());
    host.setDirection(Qt::RightToLeft);
    const QList<QRect> rtl = rectsOf(host.window, className.constData());
    QCOMPARE(rtl.size(), ltr.size());
    for (int i = 0; i < ltr.size(); ++i)
        QCOMPARE(rtl.at(i), mirrored(ltr.at(i), host.window.width()));
    // And back at run time.
    host.setDirection(Qt::LeftToRight);
    QCOMPARE(rectsOf(host.window, className.constData()), ltr);
}

// What the user reads: Paste, then Cut above Copy, run from the right; the
// small buttons' icons and texts stand at their right ends.
void TestRtl::controlOrder()
{
    MirrorHost host;
    host.setDirection(Qt::RightToLeft);
    QWidget* paste = nullptr;
    for (QObject* object : host.command(QStringLiteral("P"))->associatedObjects())
        if (auto* button = qobject_cast<RibbonCatSimpleButton*>(object))
            paste = button;
    QWidget* cut = nullptr;
    for (QObject* object : host.command(QStringLiteral("Cut"))->associatedObjects())
        if (auto* button = qobject_cast<RibbonCatSimpleButton*>(object))
            cut = button;
    QVERIFY(paste && cut);
    QVERIFY(paste->mapTo(&host.window, QPoint(0, 0)).x() >
            cut->mapTo(&host.window, QPoint(0, 0)).x() + cut->width());

    test::PaintRecorder recorder(cut->size());
    cut->render(&recorder);
    const auto texts = recorder.ops(test::PaintOp::Text);
    const auto icons = recorder.ops(test::PaintOp::Pixmap);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(icons.size(), 1);
    // The icon mirrored into the 22 pixels at the right, the text right-aligned
    // before it.
    QCOMPARE(icons.first().target.toRect(), QRect(cut->width() - 19, 3, 16, 16));
    const int advance = cut->fontMetrics().horizontalAdvance(QStringLiteral("Cut"));
    QCOMPARE(qRound(texts.first().position.x()) + advance, cut->width() - 22);
}

// The caption reads in the window's order as one paragraph: right to left the
// document title stands at the right, the product name (with its trailing
// mark) whole at its left.
void TestRtl::captionRun()
{
    MirrorHost host;
    const QString product = RibbonApplication::currentProductName() + QChar(0x2122);
    RibbonApplication::theApp()->setProductName(product);
    host.window.setTitle(QStringLiteral("notes.txt"));
    host.setDirection(Qt::RightToLeft);
    test::PaintRecorder recorder(host.bar.size());
    host.bar.render(&recorder);
    QVector<test::PaintOp> texts = recorder.ops(test::PaintOp::Text);
    std::sort(texts.begin(), texts.end(), [](const test::PaintOp& a, const test::PaintOp& b) {
        return a.position.x() < b.position.x();
    });
    QString shown;
    for (const test::PaintOp& op : texts)
        if (op.position.y() < host.window.captionHeight())
            shown += op.text;
    shown.remove(QRegularExpression(QStringLiteral("[\\x{2066}-\\x{2069}]")));
    QCOMPARE(shown, product + QStringLiteral(" - notes.txt"));
}

void TestRtl::mirroredPaint_data()
{
    QTest::addColumn<QString>("piece");
    QTest::newRow("quick access bar") << QStringLiteral("qab");
    QTest::newRow("frame corners") << QStringLiteral("border");
    QTest::newRow("caption corners") << QStringLiteral("caption");
}

// Skin images with a direction, drawn mirrored: each draw's target is the
// mirror of its left-to-right target, from the same source.
void TestRtl::mirroredPaint()
{
    QFETCH(QString, piece);
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const QPixmap& pixmap = piece == QLatin1String("qab")      ? skin->quickAccessBar()
                            : piece == QLatin1String("border") ? skin->mainBorder()
                                                               : skin->mainBorderCaption();
    MirrorHost host;
    host.qab.addCommand(host.commands.first());
    host.window.resize(700, 400);
    QCoreApplication::processEvents();
    QWidget* widget = piece == QLatin1String("qab") ? static_cast<QWidget*>(&host.bar)
                                                     : static_cast<QWidget*>(&host.window);
    const QVector<test::PaintOp> ltr = test::drawsOf(widget, pixmap);
    host.setDirection(Qt::RightToLeft);
    const QVector<test::PaintOp> rtl = test::drawsOf(widget, pixmap);
    QVERIFY(ltr.size() >= 3);
    QCOMPARE(rtl.size(), ltr.size());
    for (int i = 0; i < ltr.size(); ++i) {
        QCOMPARE(rtl.at(i).source, ltr.at(i).source);
        QCOMPARE(rtl.at(i).target.toRect(), mirrored(ltr.at(i).target.toRect(), widget->width()));
    }
}

// A plain window's caption: its buttons at the left, the title's room and
// the icon mirrored, and each follows a change of direction at run time.
void TestRtl::windowCaption()
{
    RibbonWindow window;
    window.resize(400, 300);
    const auto rects = [&window] {
        return QList<QRect>{window.captionRect(), window.sysMinimizeRect(),
                            window.sysMaximizeRestoreRect(), window.sysCloseRect()};
    };
    const QList<QRect> ltr = rects();
    window.setLayoutDirection(Qt::RightToLeft);
    const QList<QRect> rtl = rects();
    for (int i = 0; i < ltr.size(); ++i)
        QCOMPARE(rtl.at(i), mirrored(ltr.at(i), window.width()));
    window.setLayoutDirection(Qt::LeftToRight);
    QCOMPARE(rects(), ltr);
}

// The in-ribbon gallery: its scroll column at the left, tiles from the right,
// and clicks taken at the mirrored places.
void TestRtl::gallery()
{
    RibbonCatMenuAction action(QStringLiteral("Styles"), RibbonCatMenuAction::Palette,
                               RibbonCatMenuAction::Large, RibbonCatMenuAction::PalettePopup,
                               nullptr);
    QPixmap tile(48, 48);
    tile.fill(Qt::green);
    QList<RibbonSimpleAction*> items;
    for (int i = 0; i < 10; ++i) {
        items.append(new RibbonSimpleAction(QString::number(i), &action));
        items.last()->setIcon(QIcon(tile));
        action.addAction(items.last());
    }
    RibbonCatMenuButton button(action, nullptr);
    button.resize(button.sizeHint());
    const auto pieces = [&button] {
        test::PaintRecorder recorder(button.size());
        button.render(&recorder);
        QList<QRect> rects;
        for (const test::PaintOp& op : recorder.ops(test::PaintOp::Pixmap))
            rects.append(op.target.toRect());
        return rects;
    };
    const QList<QRect> ltr = pieces();
    button.setLayoutDirection(Qt::RightToLeft);
    const QList<QRect> rtl = pieces();
    QVERIFY(ltr.size() >= 7); // three scroll buttons, the tiles' icons
    QCOMPARE(rtl.size(), ltr.size());
    for (int i = 0; i < ltr.size(); ++i)
        QCOMPARE(rtl.at(i), mirrored(ltr.at(i), button.width()));
    QSignalSpy second(items.at(1), &QAction::triggered);
    test::mouseClick(&button, QPoint(button.width() - 1 - 80, 20));
    QCOMPARE(second.count(), 1);
}

void TestRtl::zoomSlider_data()
{
    QTest::addColumn<int>("ltrX"); // where a left-to-right click lands
    QTest::addColumn<int>("expected");
    QTest::newRow("plus") << 180 << 110;
    QTest::newRow("minus") << 70 << 90;
}

// The zoom slider runs from the right: its pieces are painted mirrored, and a
// click on the mirrored place of plus or minus does what it does left to right.
void TestRtl::zoomSlider()
{
    QFETCH(int, ltrX);
    QFETCH(int, expected);
    RibbonPercAction action(10, 500, 100, nullptr);
    RibbonPercWidget slider(action, nullptr);
    slider.resize(slider.sizeHint());
    const auto pieces = [&slider] {
        test::PaintRecorder recorder(slider.size());
        slider.render(&recorder);
        return recorder.ops(test::PaintOp::Pixmap);
    };
    const auto ltr = pieces();
    slider.setLayoutDirection(Qt::RightToLeft);
    const auto rtl = pieces();
    QCOMPARE(ltr.size(), 3);
    QCOMPARE(rtl.size(), ltr.size());
    for (int i = 0; i < ltr.size(); ++i) {
        QCOMPARE(rtl.at(i).source, ltr.at(i).source);
        QCOMPARE(rtl.at(i).target.toRect(), mirrored(ltr.at(i).target.toRect(), slider.width()));
    }
    test::mouseClick(&slider, QPoint(slider.width() - 1 - ltrX, 9));
    QCOMPARE(action.percentage(), expected);
}

ORU_TEST_MAIN(TestRtl)
#include "tst_rtl.moc"
