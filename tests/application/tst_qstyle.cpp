#include <oruContrast_p.h>
#include <oruPaintRecorder.h>
#include <oruRibbonApplication.h>
#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatComboComboBox.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonQStyle.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStyle.h>
#include <oruTestApp.h>
#include <oruTestInput.h>

#include <QActionGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;
using oru::test::skin;

namespace {

struct Piece
{
    QRect target;
    QRect source;
};

/// The nine pieces, in painting order, of @p source drawn over @p target with
/// 2-pixel borders, written out by hand from the corner/edge/centre rules.
QVector<Piece> ninePieces(const QRect& target, const QRect& source)
{
    const int L = target.left(), T = target.top(), R = target.right(), B = target.bottom();
    const int W = target.width(), H = target.height();
    const int sx = source.x(), sy = source.y(), sw = source.width(), sh = source.height();
    return {
        {QRect(L, T, 2, 2), QRect(sx, sy, 2, 2)},
        {QRect(R - 1, T, 2, 2), QRect(sx + sw - 2, sy, 2, 2)},
        {QRect(L, B - 1, 2, 2), QRect(sx, sy + sh - 2, 2, 2)},
        {QRect(R - 1, B - 1, 2, 2), QRect(sx + sw - 2, sy + sh - 2, 2, 2)},
        {QRect(L + 2, T, W - 4, 2), QRect(sx + 2, sy, sw - 4, 2)},
        {QRect(L + 2, B - 1, W - 4, 2), QRect(sx + 2, sy + sh - 2, sw - 4, 2)},
        {QRect(L, T + 2, 2, H - 4), QRect(sx, sy + 2, 2, sh - 4)},
        {QRect(R - 1, T + 2, 2, H - 4), QRect(sx + sw - 2, sy + 2, 2, sh - 4)},
        {QRect(L + 2, T + 2, W - 4, H - 4), QRect(sx + 2, sy + 2, sw - 4, sh - 4)},
    };
}

void comparePieces(const QVector<PaintOp>& draws, const QVector<Piece>& expected)
{
    QCOMPARE(draws.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(draws.at(i).target, QRectF(expected.at(i).target));
        QCOMPARE(draws.at(i).source, QRectF(expected.at(i).source));
    }
}

QIcon solidIcon(int w, int h)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

/// A menu item option of @p menu; the tests change what they need.
QStyleOptionMenuItem menuOption(const QMenu& menu, const QRect& rect, int maxIconWidth,
                                QStyleOptionMenuItem::MenuItemType type)
{
    QStyleOptionMenuItem option;
    option.initFrom(&menu);
    option.rect = rect;
    option.state = QStyle::State_Enabled;
    option.menuItemType = type;
    option.maxIconWidth = maxIconWidth;
    return option;
}

/// Records, into a cleared @p recorder, what @p draw paints.
template <class Draw> void record(PaintRecorder& recorder, Draw draw)
{
    recorder.clear();
    QPainter painter(&recorder);
    draw(&painter);
}

bool drawnAt(const PaintRecorder& recorder, const QRectF& target)
{
    for (const PaintOp& op : recorder.ops(PaintOp::Pixmap))
        if (op.target == target)
            return true;
    return false;
}

} // namespace

class TestRibbonQStyle : public QObject
{
    Q_OBJECT

private slots:
    void init() { oru::test::parkCursor(); }
    void cleanupTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
    void styleSwitch();
    void tooltipNineSlice_data();
    void tooltipNineSlice();
    void toolBoxTabRows_data();
    void toolBoxTabRows();
    void menuItemGeometry();
    void menuItemIconOnly();
    void menuItemSeparators();
    void menuItemInRealMenu();
    void menuItemSizes();
    void menuFrameAndMarks_data();
    void menuFrameAndMarks();
    void comboArrowColumns_data();
    void comboArrowColumns();
    void comboFieldFollowsSkin();
    void scrollBarsInSkin();
    void progressChunk();
    void otherWidgetsLookLikeFusion();
    void disabledIconsFade_data();
    void disabledIconsFade();

private:
    void drawItem(PaintRecorder& recorder, const QStyleOptionMenuItem& option, QWidget* widget)
    {
        record(recorder,
               [&](QPainter* p) { m_style.drawControl(QStyle::CE_MenuItem, &option, p, widget); });
    }
    RibbonQStyle m_style;
};

void TestRibbonQStyle::styleSwitch()
{
    RibbonApplication* app = RibbonApplication::theApp();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QCOMPARE(currentStyle(), OtherStyle);

    QPointer<QStyle> before = QApplication::style();
    app->setApplicationStyle(RibbonApplication::SystemStyle);
    app->setApplicationStyle(RibbonApplication::UnchangedStyle);
    QCOMPARE(QApplication::style(), before.data());
    QCOMPARE(currentStyle(), OtherStyle);

    app->setApplicationStyle(RibbonApplication::SkinnedStyle);
    QCOMPARE(currentStyle(), RibbonSkinnedStyle);
    QVERIFY(qobject_cast<RibbonQStyle*>(QApplication::style()));
    QVERIFY(before.isNull()); // the application deleted the style it replaced

    // Every call installs a new object, also for the second skinned value.
    QPointer<QStyle> first = QApplication::style();
    app->setApplicationStyle(RibbonApplication::SkinnedStyleAlternate);
    QVERIFY(first.isNull());
    QCOMPARE(currentStyle(), RibbonSkinnedStyle);

    for (int kind : {-1, 0, 1, 3, 4, 99})
        QCOMPARE(createStyle(static_cast<Style>(kind)), static_cast<QStyle*>(nullptr));
    std::unique_ptr<QStyle> created(createStyle(RibbonSkinnedStyle));
    QVERIFY(qobject_cast<RibbonQStyle*>(created.get()));
    QVERIFY(created.get() != QApplication::style());
}

void TestRibbonQStyle::tooltipNineSlice_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::newRow("100x30") << QRect(0, 0, 100, 30);
    QTest::newRow("offset") << QRect(7, 5, 41, 17);
    QTest::newRow("smallest") << QRect(0, 0, 5, 5);
}

void TestRibbonQStyle::tooltipNineSlice()
{
    QFETCH(QRect, rect);
    PaintRecorder recorder;
    QStyleOption option;
    option.rect = rect;
    record(recorder,
           [&](QPainter* p) { m_style.drawPrimitive(QStyle::PE_PanelTipLabel, &option, p); });
    comparePieces(recorder.pixmapDraws(skin().tooltipBack()),
                  ninePieces(rect, QRect(0, 0, 15, 15)));
    QCOMPARE(recorder.ops(PaintOp::Pixmap).size(), 9);
}

void TestRibbonQStyle::toolBoxTabRows_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("sourceY");
    const int sel = QStyle::State_Selected, sunk = QStyle::State_Sunken,
              over = QStyle::State_MouseOver;
    QTest::newRow("normal") << 0 << 0;
    QTest::newRow("hover") << over << 23;
    QTest::newRow("pressed") << sunk << 46;
    QTest::newRow("pressed+hover") << (sunk | over) << 46;
    QTest::newRow("selected") << sel << 68;
    QTest::newRow("selected+hover") << (sel | over) << 68;
    QTest::newRow("selected+pressed+hover") << (sel | sunk | over) << 68;
}

void TestRibbonQStyle::toolBoxTabRows()
{
    QFETCH(int, state);
    QFETCH(int, sourceY);
    PaintRecorder recorder;
    QPainter painter(&recorder);
    painter.setPen(Qt::blue);
    QStyleOptionToolBox option;
    option.rect = QRect(4, 30, 150, 25);
    option.state = QStyle::State_Enabled | QStyle::State(state);
    option.text = QStringLiteral("&Page");
    const QPen penBefore = painter.pen();
    m_style.drawControl(QStyle::CE_ToolBoxTab, &option, &painter);
    // Painted inside save/restore.
    QCOMPARE(painter.pen(), penBefore);
    painter.end();

    QCOMPARE(recorder.pixmapRects(skin().toolBoxTabBack()),
             (QList<QPair<QRect, QRect>>{{QRect(4, 30, 150, 25), QRect(0, sourceY, 9, 23)}}));
    const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.at(0).text, QStringLiteral("&Page")); // shown as written
    QCOMPARE(texts.at(0).position.x(), 10.0);
    QCOMPARE(texts.at(0).pen.color(), QColor(Qt::blue));
}

void TestRibbonQStyle::menuItemGeometry()
{
    QMenu menu;
    QStyleOptionMenuItem option =
        menuOption(menu, QRect(0, 24, 200, 24), 16, QStyleOptionMenuItem::Normal);
    option.checkType = QStyleOptionMenuItem::NonExclusive;
    option.checked = true;
    option.reservedShortcutWidth = 40;
    option.text = QStringLiteral("Open\tCtrl+O\tx");
    option.icon = solidIcon(16, 16);
    PaintRecorder recorder;
    drawItem(recorder, option, &menu);

    // Check column: 16 is raised to 20, plus 6 in a menu → K = 25.
    const int K = 25;
    comparePieces(recorder.pixmapDraws(skin().checkableMenuItemBack()),
                  ninePieces(QRect(QPoint(1, 24), QPoint(K - 3, 46)), QRect(0, 0, 20, 20)));

    // Fills of the check column and of the rest, and the column's edge line.
    const QColor window = option.palette.color(QPalette::Window);
    QVector<QRectF> fills;
    for (const PaintOp& op : recorder.ops(PaintOp::Rects))
        fills += op.rects;
    QVERIFY(fills.contains(QRectF(0, 24, 26, 24)));
    QVERIFY(fills.contains(QRectF(26, 24, 174, 24)));
    bool edge = false;
    for (const PaintOp& op : recorder.ops(PaintOp::Lines))
        edge = edge ||
               (op.lines.contains(QLineF(K, 47, K, 24)) && op.pen.color() == window.darker(120));
    QVERIFY(edge);

    // The shortcut (all after the first tab) first, then the label.
    const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts.at(0).text.startsWith(QStringLiteral("Ctrl+O")));
    QVERIFY(texts.at(0).text.endsWith(QLatin1Char('x')));
    QCOMPARE(texts.at(0).position.x(), 199.0 - 40 - 5);
    QCOMPARE(texts.at(1).text, QStringLiteral("Open"));
    QCOMPARE(texts.at(1).position.x(), 26.0 + 3);
    QCOMPARE(texts.at(1).pen.color(), skin().highlightedCategoryTextColor());

    // The 16x16 icon is centred in the column less 3 pixels right and 1 below:
    // rectangle (0,24)-(22,46), centre (11,35) → top-left (4,28).
    QVERIFY(drawnAt(recorder, QRectF(4, 28, 16, 16)));

    // A disabled sub-menu item: no check box when unchecked, disabled text
    // colour and the arrow d = (24-4)/3 = 6 at (191, 24+12-3, 4, 6).
    option.state = QStyle::State_None;
    option.checked = false;
    option.menuItemType = QStyleOptionMenuItem::SubMenu;
    option.text = QStringLiteral("More");
    drawItem(recorder, option, &menu);
    QVERIFY(recorder.pixmapDraws(skin().checkableMenuItemBack()).isEmpty());
    QCOMPARE(recorder.ops(PaintOp::Text).at(0).pen.color(), skin().disabledCategoryTextColor());
    const QVector<PaintOp> polygons = recorder.ops(PaintOp::Polygon);
    QCOMPARE(polygons.size(), 1);
    QCOMPARE(polygons.at(0).polygon,
             QPolygonF({QPointF(191, 33), QPointF(194, 35), QPointF(191, 38)}));
    QCOMPARE(polygons.at(0).brush.color(), skin().disabledCategoryTextColor());

    // Selected and enabled: the first frame of paletteItemSmall over the item.
    option.state = QStyle::State_Enabled | QStyle::State_Selected;
    option.menuItemType = QStyleOptionMenuItem::DefaultItem;
    drawItem(recorder, option, &menu);
    comparePieces(recorder.pixmapDraws(skin().paletteItemSmall()),
                  ninePieces(option.rect, QRect(0, 0, 22, 22)));
    QCOMPARE(recorder.ops(PaintOp::Text).at(0).font.weight(), QFont::Bold);

    // Right to left the item is the mirror within its rectangle: the icon at
    // the right, the label flush against its mirrored room, the arrow at the
    // left pointing left.
    option.direction = Qt::RightToLeft;
    option.state = QStyle::State_Enabled;
    option.menuItemType = QStyleOptionMenuItem::SubMenu;
    drawItem(recorder, option, &menu);
    QVERIFY(drawnAt(recorder, QRectF(200 - 4 - 16, 28, 16, 16)));
    const PaintOp label = recorder.ops(PaintOp::Text).at(0);
    QCOMPARE(label.text, QStringLiteral("More"));
    QCOMPARE(qRound(label.position.x() +
                    QFontMetricsF(label.font).horizontalAdvance(QStringLiteral("More"))),
             200 - 29);
    QCOMPARE(recorder.ops(PaintOp::Polygon).at(0).polygon,
             QPolygonF({QPointF(9, 33), QPointF(6, 35), QPointF(9, 38)}));
}

void TestRibbonQStyle::menuItemIconOnly()
{
    QMenu menu;
    QStyleOptionMenuItem option =
        menuOption(menu, QRect(0, 0, 120, 40), 24, QStyleOptionMenuItem::Normal);
    option.checkType = QStyleOptionMenuItem::NonExclusive;
    option.checked = true;
    option.icon = solidIcon(32, 30);
    PaintRecorder recorder;
    drawItem(recorder, option, &menu);
    const int K = 24 + 6 - 1;
    comparePieces(recorder.pixmapDraws(skin().checkableMenuItemBack()),
                  ninePieces(QRect(QPoint(K, 0), QPoint(119, 38)), QRect(0, 0, 20, 20)));
    // The icon at its own size, left edge K + 2, centred vertically.
    QVERIFY(drawnAt(recorder, QRectF(K + 2, 5, 32, 30)));
    QVERIFY(recorder.ops(PaintOp::Text).isEmpty());

    // The same item in a ribbon combo list: no check box, narrower column.
    RibbonCatComboAction action(nullptr);
    RibbonCatComboComboBox combo(action, nullptr);
    option.maxIconWidth = 10;
    option.text = QStringLiteral("Entry");
    drawItem(recorder, option, &combo);
    QVERIFY(recorder.pixmapDraws(skin().checkableMenuItemBack()).isEmpty());
    QCOMPARE(recorder.ops(PaintOp::Text).at(0).position.x(), 23.0 + 3);
    const QVector<PaintOp> rects = recorder.ops(PaintOp::Rects);
    QVERIFY(!rects.isEmpty());
    QCOMPARE(rects.at(0).rects.at(0), QRectF(0, 0, 120, 40));
    QCOMPARE(rects.at(0).brush.color(), option.palette.color(QPalette::Window).lighter(150));
}

void TestRibbonQStyle::menuItemSeparators()
{
    QMenu menu;
    QStyleOptionMenuItem option =
        menuOption(menu, QRect(0, 10, 100, 9), 16, QStyleOptionMenuItem::Separator);
    PaintRecorder recorder;
    const auto lines = [&] {
        QVector<QLineF> lines;
        for (const PaintOp& op : recorder.ops(PaintOp::Lines)) {
            if (op.pen.color() != option.palette.color(QPalette::Window).darker(120))
                return QVector<QLineF>();
            lines += op.lines;
        }
        return lines;
    };
    drawItem(recorder, option, &menu);
    QCOMPARE(lines(), QVector<QLineF>({QLineF(25, 18, 25, 10), QLineF(25, 14, 99, 14)}));
    QVERIFY(recorder.ops(PaintOp::Text).isEmpty());
    // With a title: lines above and below it.
    option.text = QStringLiteral("Group");
    option.rect = QRect(0, 10, 100, 20);
    drawItem(recorder, option, &menu);
    QCOMPARE(lines(), QVector<QLineF>({QLineF(25, 10, 99, 10), QLineF(25, 29, 99, 29)}));
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("Group")});
    // In a ribbon combo list the item is filled light and the line starts at
    // the check column's edge (16 raised to 20, plus 3 in a list: K = 22).
    RibbonCatComboAction action(nullptr);
    RibbonCatComboComboBox combo(action, nullptr);
    option.text.clear();
    option.rect = QRect(0, 10, 100, 9);
    drawItem(recorder, option, &combo);
    QCOMPARE(lines(), QVector<QLineF>({QLineF(22, 14, 99, 14)}));
    const QVector<PaintOp> fills = recorder.ops(PaintOp::Rects);
    QCOMPARE(fills.size(), 1);
    QCOMPARE(fills.at(0).rects, QVector<QRectF>({QRectF(0, 10, 100, 9)}));
    QCOMPARE(fills.at(0).brush.color(), option.palette.color(QPalette::Window).lighter(150));
}

void TestRibbonQStyle::menuItemInRealMenu()
{
    // A real menu passes its own option: the shortcut sits at the right,
    // separated at the tab, and everything goes through the skin.
    QApplication::setStyle(createStyle(RibbonSkinnedStyle));
    QMenu menu;
    QAction* open = menu.addAction(QStringLiteral("Open"));
    open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    menu.addSeparator();
    menu.addAction(QStringLiteral("Quit"));
    menu.resize(menu.sizeHint());
    PaintRecorder recorder;
    menu.render(&recorder);
    QCOMPARE(recorder.texts(), QStringList({"Ctrl+O", "Open", "Quit"}));
    for (const PaintOp& op : recorder.ops(PaintOp::Text))
        QCOMPARE(op.pen.color(), skin().highlightedCategoryTextColor());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void TestRibbonQStyle::menuItemSizes()
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QMenu menu;
    QListWidget other;
    QStyleOptionMenuItem option = menuOption(menu, QRect(), 16, QStyleOptionMenuItem::Normal);
    option.icon = solidIcon(48, 48);
    const auto size = [&](QStyle* style, const QStyleOptionMenuItem& o, QWidget* w = nullptr) {
        return style->sizeFromContents(QStyle::CT_MenuItem, &o, QSize(20, 10), w ? w : &menu);
    };
    // Icon only: at least max(maxIconWidth, 20) + icon + 4 wide, icon + 4 high.
    const QSize base = size(fusion.get(), option);
    QCOMPARE(size(&m_style, option),
             QSize(std::max(72, base.width()), std::max(52, base.height())));
    option.maxIconWidth = 100;
    QCOMPARE(size(&m_style, option).width(), std::max(152, size(fusion.get(), option).width()));
    // Not in a menu, or with text: the base size.
    QCOMPARE(size(&m_style, option, &other), size(fusion.get(), option, &other));
    option.text = QStringLiteral("Label");
    QCOMPARE(size(&m_style, option), size(fusion.get(), option));
    // A titled separator is measured like a normal item with its text.
    option.icon = QIcon();
    option.menuItemType = QStyleOptionMenuItem::Separator;
    QStyleOptionMenuItem normal(option);
    normal.menuItemType = QStyleOptionMenuItem::Normal;
    QCOMPARE(size(&m_style, option), size(fusion.get(), normal));
    QVERIFY(size(fusion.get(), option) != size(fusion.get(), normal));
}

void TestRibbonQStyle::menuFrameAndMarks_data()
{
    QTest::addColumn<int>("skinChoice");
    QTest::addColumn<bool>("exclusive");
    for (const auto& [name, choice] : {std::pair("blue", RibbonApplication::Blue),
                                       std::pair("silver", RibbonApplication::Silver),
                                       std::pair("black", RibbonApplication::Black)}) {
        QTest::addRow("%s check", name) << int(choice) << false;
        QTest::addRow("%s radio", name) << int(choice) << true;
    }
}

void TestRibbonQStyle::menuFrameAndMarks()
{
    // A menu on a white document needs a frame of its own, and a checked item
    // without icon needs a mark inside its box, in every skin.
    QFETCH(int, skinChoice);
    QFETCH(bool, exclusive);
    RibbonApplication* app = RibbonApplication::theApp();
    app->setRibbonStyle(RibbonApplication::eRibbonStyle(skinChoice));
    QApplication::setStyle(createStyle(RibbonSkinnedStyle));
    QMenu menu;
    QActionGroup group(&menu);
    group.setExclusive(exclusive);
    QAction* plain = menu.addAction(QStringLiteral("Plain"));
    QAction* marked = menu.addAction(QStringLiteral("Marked"));
    QAction* withIcon = menu.addAction(solidIcon(16, 16), QStringLiteral("With icon"));
    for (QAction* action : {plain, marked, withIcon}) {
        action->setCheckable(true);
        group.addAction(action);
    }
    marked->setChecked(true);
    if (!exclusive)
        withIcon->setChecked(true);
    menu.resize(menu.sizeHint());
    const int w = menu.width(), h = menu.height();

    PaintRecorder recorder(QSize(w, h));
    menu.render(&recorder);
    const auto border = recorder.pixmapRects(skin().popupBorder());
    QCOMPARE(border.size(), 8);
    QCOMPARE(border.first(), qMakePair(QRect(0, 0, 3, 3), QRect(0, 0, 3, 3)));
    QCOMPARE(border.last(), qMakePair(QRect(w - 3, h - 3, 3, 3), QRect(4, 4, 3, 3)));
    // One mark, in the row of the checked item without icon, inside its box.
    const QPixmap& markPixmap =
        exclusive ? skin().checkableMenuItemRadio() : skin().checkableMenuItemCheck();
    const auto marks = recorder.pixmapRects(markPixmap);
    QCOMPARE(marks.size(), 1);
    const QRect row = menu.actionGeometry(marked);
    QCOMPARE(marks.first().second, QRect(0, 0, 10, 14));
    QVERIFY2(row.contains(marks.first().first), qPrintable(QDebug::toString(marks.first())));
    QVERIFY(marks.first().first.left() < row.left() + 20);
    QVERIFY(recorder
                .pixmapRects(exclusive ? skin().checkableMenuItemCheck()
                                       : skin().checkableMenuItemRadio())
                .isEmpty());

    // Pixels: the outline is clearly darker than a white document, and the
    // mark is darker than the box it sits in.
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    menu.render(&image);
    const auto luma = [&](int x, int y) { return qGray(image.pixel(x, y)); };
    for (const QPoint& p :
         {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)})
        QVERIFY2(luma(p.x(), p.y()) < 215, qPrintable(QDebug::toString(p)));
    const QRect mark = marks.first().first;
    int darkest = 255;
    for (int y = mark.top(); y <= mark.bottom(); ++y)
        for (int x = mark.left(); x <= mark.right(); ++x)
            darkest = std::min(darkest, luma(x, y));
    QVERIFY2(darkest < luma(mark.left() - 1, mark.top()) - 80,
             qPrintable(QString::number(darkest)));
    app->setRibbonStyle(RibbonApplication::Blue);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

// What a user reads in a ribbon combo box: the field in the skin's field
// colour (dark in a dark skin, white in the built-in ones) and the typed text
// readable on it, through skin switches in both directions.
void TestRibbonQStyle::comboFieldFollowsSkin()
{
    RibbonApplication* app = RibbonApplication::theApp();
    app->setApplicationStyle(RibbonApplication::SkinnedStyle);
    RibbonCatComboAction action(nullptr);
    action.setWidth(120);
    action.setEditable(true);
    action.setComboInputMask(QString(10, QLatin1Char('x')));
    RibbonCatComboComboBox combo(action, nullptr);
    combo.setEditText(QStringLiteral("Wide"));
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    for (const char* name : {"Modern Dark", "Blue", "Black", "Modern Dark", "Modern Light"}) {
        QVERIFY(app->setRibbonStyle(QLatin1String(name)));
        const QColor field = skin().comboBox().toImage().pixelColor(5, 10);
        QImage image(combo.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        combo.render(&image);
        const QRect edit = combo.lineEdit()->geometry();
        // Right of the text and left of the arrow: only the field.
        QCOMPARE(image.pixelColor(edit.right() - 4, edit.center().y()), field);
        qreal best = 1;
        for (int y = edit.top(); y <= edit.bottom(); ++y)
            for (int x = edit.left(); x < edit.left() + 40; ++x)
                best = std::max(best, contrast::ratio(image.pixelColor(x, y), field));
        QVERIFY2(best >= 4.5,
                 qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name)).arg(best)));
    }
    app->setRibbonStyle(RibbonApplication::Blue);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

// Scroll bars as the user sees them: the slider in the skin's frame fill,
// lit under the pointer, arrows in the skin's text colour, and a track that
// differs from skin to skin.
void TestRibbonQStyle::scrollBarsInSkin()
{
    RibbonApplication* app = RibbonApplication::theApp();
    app->setApplicationStyle(RibbonApplication::SkinnedStyle);
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 100);
    bar.setPageStep(50);
    bar.resize(16, 200);
    QSet<QRgb> tracks;
    for (const char* name : {"Blue", "Silver", "Black", "Modern Light", "Modern Dark"}) {
        QVERIFY(app->setRibbonStyle(QLatin1String(name)));
        const RibbonStyle& ribbon = skin();
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.rect = bar.rect();
        option.orientation = Qt::Vertical;
        option.minimum = 0;
        option.maximum = 100;
        option.pageStep = 50;
        option.sliderPosition = option.sliderValue = 0;
        option.subControls = QStyle::SC_All;
        const QRect slider = QApplication::style()->subControlRect(
            QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
        const QRect down = QApplication::style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                                 QStyle::SC_ScrollBarAddLine, &bar);
        const auto render = [&](QStyle::State extra) {
            QImage image(bar.size(), QImage::Format_RGB32);
            image.fill(Qt::magenta);
            QPainter painter(&image);
            QStyleOptionSlider state(option);
            state.state |= extra;
            state.activeSubControls = extra ? QStyle::SC_ScrollBarSlider : QStyle::SC_None;
            QApplication::style()->drawComplexControl(QStyle::CC_ScrollBar, &state, &painter, &bar);
            return image;
        };
        const QImage rest = render(QStyle::State_None);
        const QImage hover = render(QStyle::State_MouseOver);
        QCOMPARE(rest.pixelColor(slider.center()), ribbon.frameNormalFillColor());
        QCOMPARE(hover.pixelColor(slider.center()), ribbon.frameHighlightedFillColor());
        const QRgb track = rest.pixel(8, slider.bottom() + 20);
        QVERIFY(track != qRgb(255, 0, 255));
        tracks.insert(track);
        bool arrow = false;
        for (int y = down.top(); y <= down.bottom(); ++y)
            for (int x = down.left(); x <= down.right(); ++x)
                arrow = arrow || rest.pixelColor(x, y) == ribbon.normalCategoryTextColor();
        QVERIFY2(arrow, name);
    }
    QCOMPARE(tracks.size(), 5);
    app->setRibbonStyle(RibbonApplication::Blue);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void TestRibbonQStyle::comboArrowColumns_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("cursorX"); // -1: cursor away
    QTest::addColumn<int>("column");  // -1: none

    QTest::newRow("idle") << true << false << -1 << -1;
    QTest::newRow("over arrow") << true << false << 80 << 12;
    QTest::newRow("over field") << true << false << 10 << 48;
    QTest::newRow("open") << true << true << -1 << 24;
    QTest::newRow("open, over field") << true << true << 10 << 24;
    QTest::newRow("disabled, over arrow") << false << false << 80 << -1;
    QTest::newRow("disabled, open") << false << true << -1 << -1;
}

void TestRibbonQStyle::comboArrowColumns()
{
    QFETCH(bool, enabled);
    QFETCH(bool, open);
    QFETCH(int, cursorX);
    QFETCH(int, column);

    RibbonCatComboAction action(nullptr);
    action.setWidth(90);
    RibbonCatComboComboBox combo(action, nullptr);

    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.rect = combo.rect();
    option.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
    if (open)
        option.state |= QStyle::State_On;
    option.subControls = QStyle::SC_All;

    if (cursorX >= 0)
        oru::test::placeCursor(&combo, QPoint(cursorX, 11));
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QRect arrow =
        fusion->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &combo);
    QVERIFY(arrow.contains(QPoint(80, 11)) && !arrow.contains(QPoint(10, 11)));
    PaintRecorder recorder;
    record(recorder, [&](QPainter* p) {
        m_style.drawComplexControl(QStyle::CC_ComboBox, &option, p, &combo);
    });
    const QVector<PaintOp> draws = recorder.pixmapDraws(skin().comboBox());
    QVERIFY(draws.size() >= 5);
    const QVector<Piece> field = {
        {QRect(0, 0, 89, 1), QRect(0, 0, 11, 1)},   {QRect(0, 1, 89, 20), QRect(0, 1, 11, 20)},
        {QRect(0, 21, 89, 1), QRect(0, 21, 11, 1)}, {QRect(0, 0, 1, 22), QRect(11, 0, 1, 22)},
        {QRect(89, 0, 1, 22), QRect(11, 0, 1, 22)},
    };
    comparePieces(draws.mid(0, 5), field);
    if (column < 0) {
        QCOMPARE(draws.size(), 5);
    } else {
        const int A = arrow.left();
        const int AH = arrow.height();
        comparePieces(draws.mid(5),
                      ninePieces(QRect(A, 0, 89 - A + 1, AH), QRect(column, 0, 12, 22)));
        QCOMPARE(draws.at(6).target.topLeft(), QPointF(88, 0));
        QCOMPARE(draws.at(8).target.topLeft(), QPointF(88, AH - 2));
    }

    // The arrow: a 5x3 down triangle centred on the arrow sub-control.
    const QVector<PaintOp> polygons = recorder.ops(PaintOp::Polygon);
    QCOMPARE(polygons.size(), 1);
    const QPoint c = arrow.center();
    QCOMPARE(polygons.at(0).polygon,
             QPolygonF({QPointF(c.x() - 2, c.y() - 1), QPointF(c.x() + 2, c.y() - 1),
                        QPointF(c.x(), c.y() + 1)}));
    QCOMPARE(polygons.at(0).brush.color(),
             enabled ? skin().highlightedCategoryTextColor() : skin().disabledCategoryTextColor());
}

void TestRibbonQStyle::progressChunk()
{
    QProgressBar bar;
    QStyleOptionProgressBar option;
    option.initFrom(&bar);
    option.rect = QRect(0, 0, 120, 20);
    option.minimum = 0;
    option.maximum = 200;
    option.progress = 50;
    option.state |= QStyle::State_Horizontal;

    PaintRecorder recorder;
    const auto draw = [&](QPainter* p) {
        m_style.drawControl(QStyle::CE_ProgressBarContents, &option, p, &bar);
    };
    record(recorder, draw);
    // A quarter of the bar, outlined in dark grey over the blue gradient.
    bool chunk = false;
    for (const PaintOp& op : recorder.ops(PaintOp::Rects)) {
        if (op.rects.contains(QRectF(0, 0, 29, 19)) && op.pen.color() == QColor(Qt::darkGray) &&
            op.brush.gradient()) {
            const QGradientStops stops = op.brush.gradient()->stops();
            chunk = stops.first().second == QColor(45, 107, 135) &&
                    stops.last().second == QColor(Qt::white);
        }
    }
    QVERIFY(chunk);

    // On screen the two halves meet in a hard step: the upper half darkens
    // towards (50, 125, 158), the lower starts at (65, 152, 191). Rows 8 and
    // 10 sit at 0.447 and 0.553 of the gradient.
    option.progress = 200;
    QImage image(120, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        draw(&painter);
    }
    const auto near = [](QRgb got, int r, int g, int b) {
        return std::abs(qRed(got) - r) <= 4 && std::abs(qGreen(got) - g) <= 4 &&
               std::abs(qBlue(got) - b) <= 4;
    };
    QVERIFY2(near(image.pixel(20, 8), 48, 119, 151), qPrintable(QColor(image.pixel(20, 8)).name()));
    QVERIFY2(near(image.pixel(20, 10), 85, 163, 198),
             qPrintable(QColor(image.pixel(20, 10)).name()));

    // Nothing done: no chunk at all.
    option.progress = 0;
    record(recorder, draw);
    QVERIFY(recorder.ops().isEmpty());
}

void TestRibbonQStyle::otherWidgetsLookLikeFusion()
{
    // Widgets the style does not handle must be pixel for pixel Fusion's.
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const auto compare = [&](QWidget& widget) {
        widget.resize(widget.sizeHint().expandedTo(QSize(120, 60)));
        widget.setStyle(fusion.get());
        const QImage reference = widget.grab().toImage();
        widget.setStyle(&m_style);
        const QImage ours = widget.grab().toImage();
        widget.setStyle(nullptr);
        QCOMPARE(ours, reference);
    };
    QComboBox plain;
    plain.addItems({QStringLiteral("one"), QStringLiteral("two")});
    compare(plain);
    QListWidget list;
    list.addItems({QStringLiteral("alpha"), QStringLiteral("beta")});
    compare(list);
    QPushButton button(QStringLiteral("Push"));
    compare(button);
}

void TestRibbonQStyle::disabledIconsFade_data()
{
    oru::test::addSkinRatioRows({1.0, 2.0});
}

// On the quick access bar, an unavailable command's icon stands out less
// from the bar than the same icon of an available one, on light and dark
// skins alike (a mid-grey icon on the black skin's dark bar is the hard
// case: lightened towards a light palette, it outshone available icons).
void TestRibbonQStyle::disabledIconsFade()
{
    QFETCH(int, style);
    QFETCH(qreal, ratio);
    QApplication::setStyle(new RibbonQStyle);
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::eRibbonStyle(style));
    QPixmap picture(16, 16);
    picture.fill(QColor(150, 150, 150));
    {
        QPainter p(&picture);
        p.fillRect(QRect(3, 3, 10, 4), QColor(90, 90, 90));
    }
    RibbonMainWindow window;
    window.resize(600, 300);
    RibbonQuickAccessBar* qab = window.ribbonMenuBar()->quickAccessBar();
    RibbonSimpleAction available(QIcon(picture), QStringLiteral("Save"), nullptr);
    RibbonSimpleAction unavailable(QIcon(picture), QStringLiteral("Undo"), nullptr);
    unavailable.setEnabled(false);
    qab->addAction(&available);
    qab->addAction(&unavailable);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QImage image(qab->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    // The bar as the ribbon paints it, in the bar's own coordinates.
    window.ribbonMenuBar()->render(&image, QPoint(), QRegion(qab->geometry()),
                                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    const auto contrast = [&](const QAction* action) {
        for (RibbonButtonNormal* button : qab->findChildren<RibbonButtonNormal*>()) {
            if (button->actions().value(0) != action)
                continue;
            const QRect icon = button->geometry().adjusted(2, 2, -2, -2);
            qreal sum = 0;
            int n = 0;
            for (int y = int(icon.top() * ratio); y < int((icon.bottom() + 1) * ratio); ++y) {
                // The bar itself, in the gap left of the button, on the same row.
                const int back = qGray(image.pixel(int((icon.left() - 3) * ratio), y));
                for (int x = int(icon.left() * ratio); x < int((icon.right() + 1) * ratio); ++x) {
                    sum += qAbs(qGray(image.pixel(x, y)) - back);
                    ++n;
                }
            }
            return n ? sum / n : -1.0;
        }
        return -1.0;
    };
    const qreal on = contrast(&available);
    const qreal off = contrast(&unavailable);
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::Blue);
    QVERIFY(on > 0 && off >= 0);
    QVERIFY2(off < on * 0.75,
             qPrintable(QStringLiteral("available %1, unavailable %2").arg(on).arg(off)));
}

ORU_TEST_MAIN(TestRibbonQStyle)
#include "tst_qstyle.moc"
