#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <oruRibbonMenuAction.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStyle.h>
#include <oruRibbonTabBar.h>

#include <QContextMenuEvent>
#include <QMimeData>

#include <memory>

using namespace oru;

namespace {

// An exclusive menu action with one checkable child per text, the first
// checked.
struct Tabs
{
    explicit Tabs(const QStringList& texts)
    {
        menu.setExclusive(true);
        for (const QString& text : texts) {
            auto* action = new RibbonSimpleAction(text, &menu);
            action->setCheckable(true);
            children << action;
            menu.addAction(action);
        }
        if (!children.isEmpty())
            children.first()->setChecked(true);
    }
    RibbonMenuAction menu{QStringLiteral("tabs"), nullptr};
    QList<RibbonSimpleAction*> children;
};

QList<int> boldWidths(const QWidget& bar, const QStringList& texts)
{
    QFont bold = bar.font();
    bold.setWeight(QFont::Bold);
    const QFontMetrics metrics(bold);
    QList<int> widths;
    for (const QString& text : texts)
        widths << metrics.horizontalAdvance(text) + 20;
    return widths;
}

void nav(RibbonTabBar& bar, const char* slot)
{
    QVERIFY(QMetaObject::invokeMethod(&bar, slot));
}

QStringList numbered(int n)
{
    QStringList texts;
    for (int i = 0; i < n; ++i)
        texts << QStringLiteral("Document %1").arg(i * 7);
    return texts;
}

const QStringList five = {QStringLiteral("File"), QStringLiteral("Edit"),
                          QStringLiteral("Document number two"), QStringLiteral("x"),
                          QStringLiteral("Long caption here")};

} // namespace

class TestTabBar : public QObject
{
    Q_OBJECT

private slots:
    void rightToLeft();
    void navigation_data();
    void navigation();
    void hitTesting();
    void activation();
    void dragHover();
    void painting();
    void paintingScrolled();
    void stripLook_data();
    void stripLook();
    void menuActionAddedAgain();
};

void TestTabBar::navigation_data()
{
    // room = sum of the widths of the last `lastK` tabs + delta; `last` is the
    // first index navLast() and the end of navNext() steps settle on.
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("lastK");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("last");
    QTest::newRow("none") << QStringList() << 0 << 100 << 0;
    QTest::newRow("one tab, no room") << QStringList{QStringLiteral("Only")} << 0 << 0 << 0;
    QTest::newRow("5, no room") << five << 0 << 0 << 4;
    QTest::newRow("5, room = last") << five << 1 << 0 << 4;
    QTest::newRow("5, room = last + 1") << five << 1 << 1 << 4;
    QTest::newRow("5, room = last two - 1") << five << 2 << -1 << 4;
    QTest::newRow("5, room = last two + 1") << five << 2 << 1 << 3;
    QTest::newRow("5, room = last four") << five << 4 << 0 << 2;
    QTest::newRow("5, room = last four + 1") << five << 4 << 1 << 0;
    QTest::newRow("5, all fit") << five << 5 << 0 << 0;
    QTest::newRow("12, room = last three") << numbered(12) << 3 << 0 << 10;
    QTest::newRow("12, room = last three + 1") << numbered(12) << 3 << 1 << 9;
    QTest::newRow("12, room = last eleven + 1") << numbered(12) << 11 << 1 << 0;
}

void TestTabBar::navigation()
{
    QFETCH(QStringList, texts);
    QFETCH(int, lastK);
    QFETCH(int, delta);
    QFETCH(int, last);
    Tabs tabs(texts);
    RibbonTabBar bar(tabs.menu, nullptr);
    QCOMPARE(bar.sizeHint(), QSize(74, 16));
    QCOMPARE(bar.height(), 16);

    const QList<int> widths = boldWidths(bar, texts);
    QList<QSize> sizes;
    for (int w : widths)
        sizes << QSize(w, 16);
    QCOMPARE(bar.tabSizes(), sizes);
    QCOMPARE(bar.tabWidth(), widths.isEmpty() ? 112 : widths.last());

    int room = delta;
    for (int k = 0; k < lastK; ++k)
        room += widths[widths.size() - 1 - k];
    bar.resize(74 + room, 16);

    nav(bar, "navLast");
    QCOMPARE(bar.firstVisible(), last);
    nav(bar, "navFirst");
    QCOMPARE(bar.firstVisible(), 0);
    for (int step = 1; step <= texts.size() + 1; ++step) {
        nav(bar, "navNext");
        QCOMPARE(bar.firstVisible(), qMin(step, last));
    }
    for (int step = 1; step <= last + 1; ++step) {
        nav(bar, "navPrev");
        QCOMPARE(bar.firstVisible(), qMax(0, last - step));
    }
    bar.ensureVisible();
    QCOMPARE(bar.firstVisible(), qMin(1, last));
}

void TestTabBar::hitTesting()
{
    auto tabs = std::make_unique<Tabs>(five);
    RibbonTabBar bar(tabs->menu, nullptr);
    const QList<int> w = boldWidths(bar, five);
    // Tabs 0 and 1 fit, tab 2 is cut off 10 pixels into it.
    bar.resize(74 + w[0] + w[1] + 10, 16);
    const int x2 = 74 + w[0] + w[1];

    QCOMPARE(bar.actionByPoint(QPoint(73, 5)), nullptr);
    QCOMPARE(bar.tabRect(QPoint(73, 5)), QRect());
    QCOMPARE(bar.actionByPoint(QPoint(73 + w[0], 15)), tabs->children[0]);
    QCOMPARE(bar.actionByPoint(QPoint(74 + w[0], 0)), tabs->children[1]);
    QCOMPARE(bar.actionByPoint(QPoint(x2 + 5, 5)), tabs->children[2]);
    QCOMPARE(bar.tabRect(QPoint(x2 + 5, 5)), QRect(x2, 0, w[2], 16));
    // The walk ends at the cut-off tab: nothing right of it is hit.
    QCOMPARE(bar.actionByPoint(QPoint(x2 + w[2] + 1, 5)), nullptr);

    nav(bar, "navNext");
    QCOMPARE(bar.actionByPoint(QPoint(74, 5)), tabs->children[1]);
    QCOMPARE(bar.tabRect(QPoint(74, 5)), QRect(74, 0, w[1], 16));

    tabs->menu.removeAction(tabs->children[1]);
    QCOMPARE(bar.actionByPoint(QPoint(74, 5)), tabs->children[2]);
    nav(bar, "navLast");
    QCOMPARE(bar.firstVisible(), 3);
    delete tabs->children[4];
    QCOMPARE(bar.firstVisible(), 2);
    for (RibbonSimpleAction* child : {tabs->children[0], tabs->children[2], tabs->children[3]})
        tabs->menu.removeAction(child);
    QCOMPARE(bar.firstVisible(), 0);
    QCOMPARE(bar.actionByPoint(QPoint(80, 5)), nullptr);

    // The menu action may go first.
    tabs.reset();
    QCOMPARE(bar.actionByPoint(QPoint(80, 5)), nullptr);
    nav(bar, "navLast");
    bar.repaint();
}

void TestTabBar::activation()
{
    Tabs tabs(five);
    RibbonTabBar bar(tabs.menu, nullptr);
    bar.resize(800, 16);
    const QList<int> w = boldWidths(bar, five);
    QSignalSpy first(tabs.children[0], &QAction::triggered);
    QSignalSpy second(tabs.children[1], &QAction::triggered);
    QSignalSpy third(tabs.children[2], &QAction::triggered);

    oru::test::mousePress(&bar, QPoint(80, 5));
    QCOMPARE(first.count(), 0);
    QCOMPARE(tabs.menu.checkedAction(), tabs.children[0]);
    oru::test::mousePress(&bar, QPoint(74 + w[0] + 2, 5));
    QCOMPARE(second.count(), 1);
    QCOMPARE(tabs.menu.checkedAction(), tabs.children[1]);
    QVERIFY(!tabs.children[0]->isChecked());
    oru::test::mouseDoubleClick(&bar, QPoint(74 + w[0] + w[1] + 2, 5));
    QCOMPARE(third.count(), 0);

    const QPoint onThird(74 + w[0] + w[1] + 2, 5);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, onThird, bar.mapToGlobal(onThird));
    QCoreApplication::sendEvent(&bar, &menu);
    QCOMPARE(third.count(), 1);
    QCOMPARE(tabs.menu.checkedAction(), tabs.children[2]);
}

void TestTabBar::dragHover()
{
    Tabs tabs(five);
    RibbonTabBar bar(tabs.menu, nullptr);
    bar.resize(800, 16);
    const QList<int> w = boldWidths(bar, five);
    auto* timer = bar.findChild<QTimer*>();
    QVERIFY(timer);
    QSignalSpy second(tabs.children[1], &QAction::triggered);
    QSignalSpy third(tabs.children[2], &QAction::triggered);
    QMimeData mime;
    mime.setText(QStringLiteral("dragged"));

    const QPoint onSecond(74 + w[0] + 2, 5);
    QDragEnterEvent enter(onSecond, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(timer->interval(), 400);

    // Moving within the tab keeps the running timer; moving onto another
    // tab starts it again for that tab.
    QTest::qSleep(200); // no event processing: the timer cannot fire meanwhile
    QDragMoveEvent within(onSecond + QPoint(3, 0), Qt::CopyAction, &mime, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &within);
    QVERIFY(timer->remainingTime() < 300);
    const QPoint onThird(74 + w[0] + w[1] + 2, 5);
    QDragMoveEvent onto(onThird, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &onto);
    QVERIFY(timer->remainingTime() > 300);

    QTRY_COMPARE_WITH_TIMEOUT(third.count(), 1, 2000);
    QCOMPARE(second.count(), 0);
    QVERIFY(!timer->isActive());
    QCOMPARE(tabs.menu.checkedAction(), tabs.children[2]);

    // Leaving the bar does not stop a running timer: the tab last hovered
    // still opens 400 ms after the pointer reached it.
    QDragEnterEvent again(onSecond, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &again);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&bar, &leave);
    QVERIFY(leave.isAccepted());
    QVERIFY(timer->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(second.count(), 1, 2000);
    QCOMPARE(tabs.menu.checkedAction(), tabs.children[1]);
    QVERIFY(!timer->isActive());
}

void TestTabBar::painting()
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const QPixmap& tabsPixmap = skin->tabBarTabs();
    Tabs tabs({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    tabs.children[1]->setChecked(true);
    RibbonTabBar bar(tabs.menu, nullptr);
    const QList<int> w = boldWidths(bar, {QStringLiteral("One"), QStringLiteral("Two")});
    bar.resize(74 + w[0] + w[1] + 10, 16);
    oru::test::PaintRecorder recorder;
    bar.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const auto draws = recorder.pixmapRects(tabsPixmap);
    // The strip's band, three normal tabs right to left, the selected one on top.
    QCOMPARE(draws.size(), 1 + 3 * 3 + 3);
    QCOMPARE(draws[0], qMakePair(QRect(0, 0, bar.width(), 16), QRect(0, 0, 1, 16)));
    const int x1 = 74 + w[0];
    const int x2 = x1 + w[1];
    QCOMPARE(draws[1], qMakePair(QRect(x2, 0, 4, 16), QRect(0, 0, 4, 16)));
    QCOMPARE(draws[8], qMakePair(QRect(78, 0, w[0] - 9, 16), QRect(4, 0, 1, 16)));
    QCOMPARE(draws[9], qMakePair(QRect(74 + w[0] - 5, 0, 16, 16), QRect(5, 0, 16, 16)));
    QCOMPARE(draws[10], qMakePair(QRect(x1, 0, 4, 16), QRect(0, 16, 4, 16)));
    QCOMPARE(draws[12], qMakePair(QRect(x2 - 5, 0, 16, 16), QRect(5, 16, 16, 16)));
    const auto texts = recorder.ops(oru::test::PaintOp::Text);
    QCOMPARE(recorder.texts(), (QStringList{QStringLiteral("Three"), QStringLiteral("Two"),
                                            QStringLiteral("One"), QStringLiteral("Two")}));
    QVERIFY(!texts[2].font.bold());
    QVERIFY(texts[3].font.bold());
    QCOMPARE(texts[3].pen.color(), skin->highlightedCategoryTextColor());
}

// Scrolled past the first tabs: only the tabs from the first visible one on
// are drawn, from x = 74, and the selected tab only while it is among them.
void TestTabBar::paintingScrolled()
{
    const QPixmap& tabsPixmap = RibbonApplication::theApp()->ribbonStyle()->tabBarTabs();
    Tabs tabs(five);
    RibbonTabBar bar(tabs.menu, nullptr);
    const QList<int> w = boldWidths(bar, five);
    bar.resize(74 + w[2] + w[3] + 4, 16); // tabs 2 and 3, and a cut-off tab 4
    nav(bar, "navNext");
    nav(bar, "navNext");
    QCOMPARE(bar.firstVisible(), 2);
    oru::test::PaintRecorder recorder;
    bar.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    // The selected first tab is scrolled away: background and three tabs.
    auto draws = recorder.pixmapRects(tabsPixmap);
    QCOMPARE(draws.size(), 1 + 3 * 3);
    const int x3 = 74 + w[2];
    const int x4 = x3 + w[3];
    QCOMPARE(draws[1], qMakePair(QRect(x4, 0, 4, 16), QRect(0, 0, 4, 16)));
    QCOMPARE(draws[4], qMakePair(QRect(x3, 0, 4, 16), QRect(0, 0, 4, 16)));
    QCOMPARE(draws[7], qMakePair(QRect(74, 0, 4, 16), QRect(0, 0, 4, 16)));
    QCOMPARE(draws[8], qMakePair(QRect(78, 0, w[2] - 9, 16), QRect(4, 0, 1, 16)));
    QCOMPARE(recorder.texts(), (QStringList{five[4], five[3], five[2]}));

    // Selecting the visible tab 3 draws it on top at its scrolled place.
    tabs.children[3]->setChecked(true);
    recorder.clear();
    bar.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    draws = recorder.pixmapRects(tabsPixmap);
    QCOMPARE(draws.size(), 1 + 3 * 3 + 3);
    QCOMPARE(draws[10], qMakePair(QRect(x3, 0, 4, 16), QRect(0, 16, 4, 16)));
    QCOMPARE(draws[12], qMakePair(QRect(x4 - 5, 0, 16, 16), QRect(5, 16, 16, 16)));
    QCOMPARE(recorder.texts().last(), five[3]);
    QCOMPARE(bar.actionByPoint(QPoint(75, 5)), tabs.children[2]);
}

// What the strip looks like: every pixel its own (no parent showing between
// or after the tabs), the selected tab, the other tabs and the band each a
// tone of their own, and every text clear of the slants and of the bottom
// edge, a large font made to fit.
void TestTabBar::stripLook_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("pixelSize");
    for (const auto& [name, style] : {std::pair("blue", RibbonApplication::Blue),
                                      std::pair("silver", RibbonApplication::Silver),
                                      std::pair("black", RibbonApplication::Black)})
        for (const qreal ratio : {1.0, 2.0})
            QTest::addRow("%s %gx", name, ratio) << int(style) << ratio << 13;
    QTest::newRow("large font") << int(RibbonApplication::Blue) << 1.0 << 24;
}

void TestTabBar::stripLook()
{
    QFETCH(int, style);
    QFETCH(qreal, ratio);
    QFETCH(int, pixelSize);
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::eRibbonStyle(style));
    const QStringList texts = {QStringLiteral("Shopping"), QStringLiteral("Typography"),
                               QStringLiteral("jpg"), QStringLiteral("Wide")};
    Tabs tabs(texts);
    tabs.children[1]->setChecked(true);
    RibbonTabBar bar(tabs.menu, nullptr);
    QFont font = bar.font();
    font.setPixelSize(pixelSize);
    bar.setFont(font);
    bar.updateTabSizes();
    int room = 74 + 60; // and the band after the last tab
    for (const QSize& size : bar.tabSizes())
        room += size.width();
    bar.resize(room, 16);

    oru::test::PaintRecorder recorder(bar.size());
    bar.render(&recorder);
    const auto textOps = recorder.ops(oru::test::PaintOp::Text);
    QCOMPARE(textOps.size(), texts.size() + 1);
    for (const oru::test::PaintOp& op : textOps) {
        const QRect tab = bar.tabRect(int(texts.indexOf(op.text)));
        const QRectF ink = oru::test::inkBox(op);
        // The slant on the left comes to column 4 at the top, the tab's own
        // right slant to 3 columns before its end; the bottom edge is row 15.
        QVERIFY2(ink.left() >= tab.left() + 7 && ink.right() <= tab.right() - 3 && ink.top() >= 1 &&
                     ink.bottom() <= 14,
                 qPrintable(QStringLiteral("%1: ink %2,%3 - %4,%5 in tab %6 - %7")
                                .arg(op.text)
                                .arg(ink.left())
                                .arg(ink.top())
                                .arg(ink.right())
                                .arg(ink.bottom())
                                .arg(tab.left())
                                .arg(tab.right())));
    }

    const QColor unpainted(255, 0, 255);
    QImage image(bar.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(unpainted);
    bar.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(QColor(image.pixel(x, y)) != unpainted,
                     qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    // Row 8, just inside the left end of a tab (before its text), and the band.
    const auto at = [&](int x) { return QColor(image.pixel(int(x * ratio), int(8 * ratio))); };
    const QColor selected = at(bar.tabRect(1).left() + 5);
    const QColor normal = at(bar.tabRect(2).left() + 5);
    const QColor band = at(room - 20);
    QVERIFY(selected != normal && normal != band && band != selected);
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::Blue);
}

// Adding the menu action to the bar again (Qt removes it, then adds it) and
// removing it keep the tabs: a removal only measures the tabs again.
void TestTabBar::menuActionAddedAgain()
{
    Tabs tabs(five);
    RibbonTabBar bar(tabs.menu, nullptr);
    bar.resize(800, 16);
    const QList<int> w = boldWidths(bar, five);
    bar.addAction(&tabs.menu);
    QCOMPARE(bar.tabSizes().size(), 5);
    QCOMPARE(bar.actionByPoint(QPoint(74 + w[0] + 2, 5)), tabs.children[1]);
    oru::test::PaintRecorder recorder;
    bar.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    QCOMPARE(recorder.texts().size(), 6);
    // Changes of the menu action still arrive after the second add.
    tabs.children[4]->setText(QStringLiteral("Z"));
    tabs.menu.sendActionChangedEvt();
    QCOMPARE(bar.tabSizes().last().width(), boldWidths(bar, {QStringLiteral("Z")}).first());
    bar.removeAction(&tabs.menu);
    QCOMPARE(bar.tabSizes().size(), 5);
    // Destroying the menu action empties the bar without reading it.
    auto* menu = new RibbonMenuAction(QStringLiteral("m"), nullptr);
    menu->addAction(new RibbonSimpleAction(QStringLiteral("a"), menu));
    RibbonTabBar other(*menu, nullptr);
    other.resize(300, 16);
    QCOMPARE(other.tabSizes().size(), 1);
    delete menu;
    QCOMPARE(other.tabSizes().size(), 0);
    recorder.clear();
    other.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    QCOMPARE(recorder.texts().size(), 0);
}

// Right to left the strip is the mirror of the left-to-right one, switched at
// run time: tabs, arrows and every skin piece and arrow symbol mirrored
// within the bar, and a click on a mirrored tab selects that tab.
void TestTabBar::rightToLeft()
{
    Tabs tabs(numbered(4));
    RibbonTabBar bar(tabs.menu, nullptr);
    bar.resize(300, 16);
    const auto mirrored = [&bar](const QRectF& r) {
        return QRectF(bar.width() - r.x() - r.width(), r.y(), r.width(), r.height());
    };
    struct Seen
    {
        QList<QRect> tabs;
        QList<QRect> arrows;
        QVector<oru::test::PaintOp> ops;
    };
    const auto look = [&] {
        Seen seen;
        for (int i = 0; i < 4; ++i)
            seen.tabs << bar.tabRect(i);
        for (QWidget* arrow : bar.findChildren<QWidget*>())
            seen.arrows << arrow->geometry();
        oru::test::PaintRecorder recorder(bar.size());
        bar.render(&recorder);
        for (const oru::test::PaintOp& op : recorder.ops())
            if (op.kind == oru::test::PaintOp::Pixmap || op.kind == oru::test::PaintOp::Polygon)
                seen.ops << op;
        return seen;
    };
    const Seen ltr = look();
    bar.setLayoutDirection(Qt::RightToLeft);
    const Seen rtl = look();
    QCOMPARE(rtl.arrows.size(), 4);
    for (int i = 0; i < 4; ++i) {
        // A tab beyond the bar's edge has no rectangle in either direction.
        QCOMPARE(QRectF(rtl.tabs.at(i)),
                 ltr.tabs.at(i).isEmpty() ? QRectF() : mirrored(ltr.tabs.at(i)));
        QCOMPARE(QRectF(rtl.arrows.at(i)), mirrored(ltr.arrows.at(i)));
    }
    QCOMPARE(rtl.ops.size(), ltr.ops.size());
    for (int i = 0; i < ltr.ops.size(); ++i) {
        const oru::test::PaintOp& a = ltr.ops.at(i);
        const oru::test::PaintOp& b = rtl.ops.at(i);
        QCOMPARE(b.source, a.source);
        QCOMPARE(
            a.kind == oru::test::PaintOp::Pixmap ? b.target : b.polygon.boundingRect(),
            mirrored(a.kind == oru::test::PaintOp::Pixmap ? a.target : a.polygon.boundingRect()));
    }
    oru::test::mousePress(&bar, rtl.tabs.at(2).center());
    QVERIFY(tabs.children.at(2)->isChecked());
    bar.setLayoutDirection(Qt::LeftToRight);
    QCOMPARE(bar.tabRect(2), ltr.tabs.at(2));
}

ORU_TEST_MAIN(TestTabBar)
#include "tst_tabbar.moc"
