// RibbonCategoryAction, RibbonCategory and RibbonCategoryLayout: the model,
// the widget that mirrors it, and the arrangement of the controls.
#include <oruRibbonApplication.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategory.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryLayout.h>
#include <oruRibbonStyle.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"
#include "rowsearchreference.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

namespace {

// A category with fixed-size plain widgets as items, for exact geometry.
struct Bench
{
    RibbonCategoryAction action{QStringLiteral("G"), nullptr};
    RibbonCategory category{nullptr, action};
    QList<QWidget*> widgets;

    RibbonCategoryLayout& layout() { return *category.categoryLayout(); }
    void add(int w, int h)
    {
        auto* widget = new QWidget(&category);
        widget->setFixedSize(w, h);
        widgets << widget;
        layout().addWidget(widget);
    }
    QRect rectOf(int i) const { return widgets.at(i)->geometry(); }
    void place() { layout().setGeometry(QRect(QPoint(0, 0), layout().sizeHint())); }
};

QString rowsText(const QVector<int>& rows)
{
    QStringList parts;
    for (int r : rows)
        parts << QString::number(r);
    return parts.join(QLatin1Char(','));
}

} // namespace

class TestCategory : public QObject
{
    Q_OBJECT

private slots:
    void init() { test::parkCursor(); }
    void categoryActionModel();
    void categoryActionForgetsDestroyedActions();
    void rowSearchMatchesReference_data();
    void rowSearchMatchesReference();
    void rowSearchIsFast();
    void workedExamples();
    void explicitRows();
    void randomRunsLaidOutLikeReference();
    void resizeOnlyMoves();
    void categoryMirrorsItsAction();
    void categorySizeHint();
    void categoryPaintsFramePerHover();
    void categoryActionDestroyedFirst();
};

void TestCategory::categoryActionModel()
{
    RibbonCategoryAction group(QStringLiteral("Clipboard"), nullptr);
    RibbonCatSimpleAction a(QStringLiteral("A"), RibbonCatSimpleAction::Small, nullptr);
    RibbonCatSimpleAction b(QStringLiteral("B"), RibbonCatSimpleAction::Small, nullptr);
    RibbonCatSimpleAction c(QStringLiteral("C"), RibbonCatSimpleAction::Small, nullptr);

    QStringList log;
    connect(&group, &RibbonCategoryAction::actionAdded, this,
            [&](RibbonAction* x) { log << QStringLiteral("added ") + x->text(); });
    connect(&group, &RibbonCategoryAction::actionRemoved, this,
            [&](RibbonAction* x) { log << QStringLiteral("removed ") + x->text(); });
    connect(&group, &QAction::changed, this, [&] { log << QStringLiteral("changed"); });
    QSignalSpy activated(&group, &RibbonAction::activated);

    QCOMPARE(group.actionRow(&a), -1);
    group.addAction(&a);
    group.addAction(nullptr, 2);
    QCOMPARE(log, QStringList({QStringLiteral("added A"), QStringLiteral("changed")}));
    // Rows -1 were stored: the map is not empty any more.
    QCOMPARE(group.actionRow(&a), -1);
    QCOMPARE(group.actionRow(&b), 0);

    log.clear();
    group.addAction(&b, 1);
    group.addAction(&b, 2); // duplicate: nothing, row unchanged
    group.addAction(&c, 0);
    QCOMPARE(log, QStringList({QStringLiteral("added B"), QStringLiteral("changed"),
                               QStringLiteral("added C"), QStringLiteral("changed")}));
    QCOMPARE(group.actions(), QList<RibbonAction*>({&a, &b, &c}));
    QCOMPARE(group.actionRow(&b), 1);

    // Changes and use of a member travel up.
    log.clear();
    b.setText(QStringLiteral("B2"));
    QCOMPARE(log, QStringList{QStringLiteral("changed")});
    c.trigger();
    QCOMPARE(activated.count(), 1);

    log.clear();
    RibbonCatSimpleAction stranger(QStringLiteral("S"), RibbonCatSimpleAction::Small, nullptr);
    group.removeAction(&stranger);
    group.removeAction(nullptr);
    QVERIFY(log.isEmpty());
    group.removeAction(&b);
    QCOMPARE(log, QStringList({QStringLiteral("removed B2"), QStringLiteral("changed")}));
    QCOMPARE(group.actions(), QList<RibbonAction*>({&a, &c}));
    QCOMPARE(group.actionRow(&b), 0); // entry gone
    // Removed actions are disconnected.
    log.clear();
    b.setText(QStringLiteral("B3"));
    b.trigger();
    QVERIFY(log.isEmpty());
    QCOMPARE(activated.count(), 1);

    // Removing the last row entries makes every row -1 again.
    group.removeAction(&a);
    group.removeAction(&c);
    QCOMPARE(group.actionRow(&a), -1);
}

void TestCategory::categoryActionForgetsDestroyedActions()
{
    RibbonCategoryAction group(QStringLiteral("G"), nullptr);
    auto* doomed = new RibbonCatSimpleAction(QStringLiteral("D"), RibbonCatSimpleAction::Large,
                                             nullptr);
    RibbonCatSimpleAction keeper(QStringLiteral("K"), RibbonCatSimpleAction::Large, nullptr);
    group.addAction(doomed, 1);
    group.addAction(&keeper, 0);
    RibbonCategory category(nullptr, group);
    QVERIFY(category.widget(doomed));
    QPointer<QWidget> control = category.widget(doomed);

    delete doomed;
    QCOMPARE(group.actions(), QList<RibbonAction*>{&keeper});
    QVERIFY(control.isNull());
    QCOMPARE(category.categoryLayout()->count(), 1);
    QCOMPARE(category.categoryLayout()->sizeHint().width(), 3 + 42 + 4);
    QCOMPARE(category.sizeHint().width(), 50);
}

void TestCategory::rowSearchMatchesReference_data()
{
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("maxCount");
    QTest::addColumn<int>("lists");
    QTest::newRow("all equal") << 1 << 11 << 40;
    QTest::newRow("many ties") << 3 << 11 << 300;
    QTest::newRow("some ties") << 12 << 11 << 300;
    QTest::newRow("button widths") << 90 << 10 << 300;
    QTest::newRow("wide spread") << 400 << 9 << 300;
}

void TestCategory::rowSearchMatchesReference()
{
    QFETCH(int, maxWidth);
    QFETCH(int, maxCount);
    QFETCH(int, lists);
    QRandomGenerator random(4711u + uint(maxWidth));
    for (int l = 0; l < lists; ++l) {
        const int n = 2 + int(random.bounded(maxCount - 1));
        QVector<int> widths(n);
        for (int& w : widths)
            w = 1 + int(random.bounded(maxWidth));
        const QVector<int> expected = test::referenceRows(widths);
        const QVector<int> actual = RibbonCategoryLayout::arrangeRun(widths);
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("widths %1: got %2, reference %3")
                                 .arg(rowsText(widths), rowsText(actual), rowsText(expected))));
    }
    // Degenerate input.
    QCOMPARE(RibbonCategoryLayout::arrangeRun({}), QVector<int>());
    QCOMPARE(RibbonCategoryLayout::arrangeRun({7}), QVector<int>({0}));
    QCOMPARE(RibbonCategoryLayout::arrangeRun({0, 0, 0}), QVector<int>({0, 0, 0}));
}

void TestCategory::rowSearchIsFast()
{
    // Sixteen small controls in one run: the search must stay far below a
    // millisecond even for the least favourable widths.
    const QVector<QVector<int>> runs = {
        QVector<int>(16, 22),
        {22, 22, 60, 22, 71, 22, 22, 48, 22, 90, 22, 22, 35, 22, 22, 64},
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
        {97, 3, 88, 5, 71, 13, 64, 21, 55, 34, 42, 40, 39, 47, 30, 52},
    };
    for (const QVector<int>& run : runs) {
        QElapsedTimer timer;
        timer.start();
        const int repeats = 20;
        for (int i = 0; i < repeats; ++i)
            RibbonCategoryLayout::arrangeRun(run);
        const qint64 perRunNs = timer.nsecsElapsed() / repeats;
        // Generous against noise and sanitizer builds, still far from the
        // seconds an unpruned search of 3^16 candidates would take.
        QVERIFY2(perRunNs < 20'000'000, qPrintable(QString::number(perRunNs)));
    }
    // The first of these against the reference: n = 12 is still quick there.
    const QVector<int> twelve = {22, 22, 60, 22, 71, 22, 22, 48, 22, 90, 22, 22};
    QCOMPARE(RibbonCategoryLayout::arrangeRun(twelve), test::referenceRows(twelve));
}

void TestCategory::workedExamples()
{
    {
        Bench empty;
        QCOMPARE(empty.layout().sizeHint(), QSize(7, 85));
        QCOMPARE(empty.layout().minimumSize(), QSize(7, 85));
        QCOMPARE(empty.layout().heightForWidth(500), 85);
        QVERIFY(empty.layout().hasHeightForWidth());
        QCOMPARE(empty.layout().expandingDirections(), Qt::Orientations());
        QVERIFY(empty.layout().itemAt(0) == nullptr);
        QVERIFY(empty.layout().takeAt(-1) == nullptr);
        QVERIFY(empty.layout().takeAt(0) == nullptr);
    }
    {
        Bench one;
        one.add(40, 66);
        one.place();
        QCOMPARE(one.rectOf(0), QRect(3, 3, 40, 66));
        QCOMPARE(one.layout().sizeHint(), QSize(47, 85));
    }
    {
        Bench three;
        three.add(30, 22);
        three.add(30, 22);
        three.add(60, 22);
        three.place();
        QCOMPARE(three.rectOf(0), QRect(3, 2, 30, 22));
        QCOMPARE(three.rectOf(1), QRect(35, 2, 30, 22));
        QCOMPARE(three.rectOf(2), QRect(3, 24, 60, 22));
        // Widest row with its gap: 30 + 2 + 30.
        QCOMPARE(three.layout().sizeHint(), QSize(3 + 62 + 4, 85));
    }
    {
        Bench two;
        two.add(50, 22);
        two.add(20, 22);
        two.place();
        QCOMPARE(two.rectOf(0), QRect(3, 2, 50, 22));
        QCOMPARE(two.rectOf(1), QRect(3, 24, 20, 22));
        QCOMPARE(two.layout().sizeHint(), QSize(3 + 50 + 4, 85));
    }
    {
        // Large, lone small, large, a run of three, a short tall item.
        Bench mixed;
        mixed.add(40, 66);
        mixed.add(22, 22);
        mixed.add(44, 66);
        mixed.add(22, 22);
        mixed.add(22, 22);
        mixed.add(22, 22);
        mixed.add(30, 60);
        mixed.place();
        QCOMPARE(mixed.rectOf(0), QRect(3, 3, 40, 66));
        QCOMPARE(mixed.rectOf(1), QRect(46, 2 + (68 - 22) / 2, 22, 22));
        QCOMPARE(mixed.rectOf(2), QRect(71, 3, 44, 66));
        // Three equal ones: one per row, the first three-row candidate.
        QCOMPARE(mixed.rectOf(3), QRect(118, 2, 22, 22));
        QCOMPARE(mixed.rectOf(4), QRect(118, 24, 22, 22));
        QCOMPARE(mixed.rectOf(5), QRect(118, 46, 22, 22));
        QCOMPARE(mixed.rectOf(6), QRect(143, 2 + (68 - 60) / 2, 30, 60));
        QCOMPARE(mixed.layout().sizeHint(), QSize(173 + 4, 85));
    }
}

void TestCategory::explicitRows()
{
    RibbonCategoryAction group(QStringLiteral("Rows"), nullptr);
    RibbonCatSimpleAction a(QStringLiteral("a"), RibbonCatSimpleAction::Small, nullptr);
    RibbonCatSimpleAction b(QStringLiteral("b"), RibbonCatSimpleAction::Small, nullptr);
    RibbonCatSimpleAction c(QStringLiteral("c"), RibbonCatSimpleAction::Small, nullptr);
    group.addAction(&a, 0);
    group.addAction(&b, 2);
    group.addAction(&c, 0);
    RibbonCategory category(nullptr, group);
    for (RibbonAction* x : {static_cast<RibbonAction*>(&a), static_cast<RibbonAction*>(&b),
                            static_cast<RibbonAction*>(&c)})
        category.widget(x)->setFixedSize(30, 22);
    category.categoryLayout()->updateLayout();
    category.resize(category.sizeHint());
    category.categoryLayout()->setGeometry(category.rect());
    // Rows 0 and 2 of three rows 68 / 3 high; row 1 stays empty.
    QCOMPARE(category.widget(&a)->geometry(), QRect(3, 2, 30, 22));
    QCOMPARE(category.widget(&c)->geometry(), QRect(35, 2, 30, 22));
    QCOMPARE(category.widget(&b)->geometry(), QRect(3, 46, 30, 22));
    QCOMPARE(category.categoryLayout()->sizeHint(), QSize(3 + 62 + 4, 85));
    QCOMPARE(category.action(category.widget(&b)), &b);
    QVERIFY(category.action(nullptr) == nullptr);

    // Two explicit rows are each 68 / 2 high; the numbers win even where an
    // automatic split would be narrower (all in one row here).
    RibbonCategoryAction flat(QStringLiteral("Flat"), nullptr);
    RibbonCatSimpleAction d(QStringLiteral("d"), RibbonCatSimpleAction::Small, nullptr);
    RibbonCatSimpleAction e(QStringLiteral("e"), RibbonCatSimpleAction::Small, nullptr);
    RibbonCatSimpleAction f(QStringLiteral("f"), RibbonCatSimpleAction::Small, nullptr);
    flat.addAction(&d, 1);
    flat.addAction(&e, 1);
    flat.addAction(&f, 1);
    RibbonCategory line(nullptr, flat);
    line.categoryLayout()->setGeometry(QRect(0, 0, 200, 85));
    // Small buttons without icon are 4 wide; rows are 34 high, row 1 at 36.
    QCOMPARE(line.widget(&d)->geometry(), QRect(3, 2 + 34 + 6, 4, 22));
    QCOMPARE(line.widget(&e)->geometry(), QRect(9, 42, 4, 22));
    QCOMPARE(line.widget(&f)->geometry(), QRect(15, 42, 4, 22));

    // One control without a row sends the whole category back to automatic.
    RibbonCatSimpleAction g(QStringLiteral("g"), RibbonCatSimpleAction::Small, nullptr);
    flat.addAction(&g);
    line.categoryLayout()->setGeometry(QRect(0, 0, 200, 85));
    // Four equal widths: two over two is the first split of score 8.
    QCOMPARE(test::referenceRows({4, 4, 4, 4}), QVector<int>({0, 0, 1, 1}));
    QCOMPARE(line.widget(&d)->geometry(), QRect(3, 2, 4, 22));
    QCOMPARE(line.widget(&e)->geometry(), QRect(9, 2, 4, 22));
    QCOMPARE(line.widget(&f)->geometry(), QRect(3, 24, 4, 22));
    QCOMPARE(line.widget(&g)->geometry(), QRect(9, 24, 4, 22));
}

void TestCategory::randomRunsLaidOutLikeReference()
{
    QRandomGenerator random(99);
    for (int round = 0; round < 40; ++round) {
        Bench bench;
        struct Item
        {
            int w;
            int h;
        };
        QVector<Item> items;
        const int count = 1 + int(random.bounded(12));
        for (int i = 0; i < count; ++i) {
            const bool tall = random.bounded(4) == 0;
            items.append({10 + int(random.bounded(50)), tall ? 66 : 22});
            bench.add(items.last().w, items.last().h);
        }
        bench.place();
        // Expected rectangles, walking the items as the arrangement does.
        int x = 3;
        int i = 0;
        while (i < count) {
            int end = i + 1;
            if (items[i].h <= 22)
                while (end < count && items[end].h <= 22)
                    ++end;
            if (end - i == 1) {
                QCOMPARE(bench.rectOf(i), QRect(x, 2 + (68 - items[i].h) / 2, items[i].w,
                                                items[i].h));
                x += items[i].w + 3;
                i = end;
                continue;
            }
            QVector<int> widths;
            for (int k = i; k < end; ++k)
                widths << items[k].w;
            const QVector<int> rows = test::referenceRows(widths);
            int rowX[3] = {x, x, x};
            for (int k = i; k < end; ++k) {
                const int r = rows[k - i];
                QCOMPARE(bench.rectOf(k), QRect(rowX[r], 2 + 22 * r, items[k].w, 22));
                rowX[r] += items[k].w + 2;
            }
            x = qMax(rowX[0], qMax(rowX[1], rowX[2])) - 2 + 3;
            i = end;
        }
        QCOMPARE(bench.layout().sizeHint(), QSize(x - 3 + 4, 85));
    }
}

void TestCategory::resizeOnlyMoves()
{
    Bench bench;
    bench.add(30, 22);
    bench.add(30, 22);
    bench.add(60, 22);
    const QSize hint = bench.layout().sizeHint();
    bench.layout().setGeometry(QRect(10, 5, 500, 300));
    QCOMPARE(bench.rectOf(0), QRect(13, 7, 30, 22));
    QCOMPARE(bench.rectOf(2), QRect(13, 29, 60, 22));
    QCOMPARE(bench.layout().sizeHint(), hint);
    bench.layout().setGeometry(QRect(0, 0, 20, 20));
    QCOMPARE(bench.rectOf(1), QRect(35, 2, 30, 22));

    // Taking an item recomputes; the item comes back to the caller.
    QLayoutItem* taken = bench.layout().takeAt(2);
    QVERIFY(taken && taken->widget() == bench.widgets.at(2));
    delete taken;
    QCOMPARE(bench.layout().sizeHint(), QSize(3 + 30 + 4, 85)); // 30 over 30
}

void TestCategory::categoryMirrorsItsAction()
{
    RibbonCategoryAction group(QStringLiteral("Edit"), nullptr);
    RibbonCatSimpleAction paste(QStringLiteral("Paste"), RibbonCatSimpleAction::Large, nullptr);
    RibbonCatSimpleAction cut(QStringLiteral("Cut"), RibbonCatSimpleAction::Medium, nullptr);
    RibbonAction bare(QStringLiteral("bare"), nullptr);
    group.addAction(&paste);
    group.addAction(&bare); // no control for a plain ribbon action
    group.addAction(&cut);

    RibbonCategory category(nullptr, group);
    QCOMPARE(category.sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
    QCOMPARE(category.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(category.hasMouseTracking());
    QVERIFY(category.testAttribute(Qt::WA_Hover));
    QCOMPARE(category.categoryLayout()->count(), 2);
    // Built in the order of the category action's list.
    QCOMPARE(category.categoryLayout()->itemAt(0)->widget(), category.widget(&paste));
    QCOMPARE(category.categoryLayout()->itemAt(1)->widget(), category.widget(&cut));
    QVERIFY(category.widget(&bare) == nullptr);
    QVERIFY(qobject_cast<RibbonCatSimpleButton*>(category.widget(&paste)));
    QCOMPARE(category.widget(&paste)->parent(), &category);

    // A second category for the same action (the popup's) is independent.
    auto* twin = new RibbonCategory(nullptr, group);
    QVERIFY(twin->widget(&paste) != category.widget(&paste));

    RibbonCatSimpleAction copy(QStringLiteral("Copy"), RibbonCatSimpleAction::Medium, nullptr);
    group.addAction(&copy);
    QCOMPARE(category.categoryLayout()->count(), 3);
    QCOMPARE(twin->categoryLayout()->count(), 3);
    QPointer<QWidget> cutWidget = category.widget(&cut);
    group.removeAction(&cut);
    QVERIFY(cutWidget.isNull());
    QCOMPARE(category.categoryLayout()->count(), 2);
    QCOMPARE(category.action(category.categoryLayout()->itemAt(1)->widget()), &copy);
    delete twin; // the actions stay
    QCOMPARE(group.actions().size(), 3);
    copy.trigger();
}

void TestCategory::categorySizeHint()
{
    RibbonCategoryAction empty(QString(), nullptr);
    RibbonCategory none(nullptr, empty);
    QCOMPARE(none.sizeHint(), QSize(50, 85));

    const QString caption = QStringLiteral("A caption far wider than its single control");
    RibbonCategoryAction wide(caption, nullptr);
    RibbonCatSimpleAction one(QStringLiteral("x"), RibbonCatSimpleAction::Small, nullptr);
    wide.addAction(&one);
    RibbonCategory category(nullptr, wide);
    QCOMPARE(category.sizeHint(),
             QSize(category.fontMetrics().horizontalAdvance(caption) + 6, 85));

    RibbonCategoryAction big(QStringLiteral("B"), nullptr);
    RibbonCatSimpleAction l1(QStringLiteral("l"), RibbonCatSimpleAction::Large, nullptr);
    RibbonCatSimpleAction l2(QStringLiteral("m"), RibbonCatSimpleAction::Large, nullptr);
    big.addAction(&l1);
    big.addAction(&l2);
    RibbonCategory columns(nullptr, big);
    QCOMPARE(columns.sizeHint(), QSize(3 + 42 + 3 + 42 + 4, 85));
}

void TestCategory::categoryPaintsFramePerHover()
{
    const RibbonStyle& skin = *RibbonApplication::theApp()->ribbonStyle();
    QWidget host;
    host.resize(400, 200);
    RibbonCategoryAction group(QStringLiteral("Font"), nullptr);
    auto* category = new RibbonCategory(&host, group);
    category->setGeometry(20, 10, 120, 85);
    host.show();

    for (bool hovered : {false, true}) {
        if (hovered)
            test::placeCursor(category, QPoint(60, 40));
        else
            test::placeCursor(category, QPoint(125, 40));
        PaintRecorder recorder;
        category->render(&recorder);
        const QVector<PaintOp> top = recorder.pixmapDraws(skin.categoryTop());
        const QVector<PaintOp> bottom = recorder.pixmapDraws(skin.categoryBottom());
        QCOMPARE(top.size(), 6);
        QCOMPARE(bottom.size(), 6);
        const int h = hovered ? 1 : 0;
        const struct
        {
            const QVector<PaintOp>* ops;
            int first;
            int sourceY;
            int sourceH;
            int y;
            int height;
        } bands[] = {
            {&top, 0, h ? 68 : 0, 3, 0, 3},
            {&top, 3, h ? 71 : 3, 65, 3, 66},
            {&bottom, 0, h ? 17 : 0, 14, 69, 13},
            {&bottom, 3, h ? 31 : 14, 3, 82, 3},
        };
        for (const auto& band : bands) {
            const PaintOp& left = band.ops->at(band.first);
            const PaintOp& middle = band.ops->at(band.first + 1);
            const PaintOp& right = band.ops->at(band.first + 2);
            QCOMPARE(left.source.toRect(), QRect(0, band.sourceY, 3, band.sourceH));
            QCOMPARE(left.target.toRect(), QRect(0, band.y, 3, band.height));
            QCOMPARE(middle.source.toRect(), QRect(3, band.sourceY, 94, band.sourceH));
            QCOMPARE(middle.target.toRect(), QRect(3, band.y, 114, band.height));
            QCOMPARE(right.source.toRect(), QRect(97, band.sourceY, 3, band.sourceH));
            QCOMPARE(right.target.toRect(), QRect(117, band.y, 3, band.height));
        }
        const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.at(0).text, QStringLiteral("Font"));
        QCOMPARE(texts.at(0).pen.color(), skin.categoryCaptionTextColor());
        // Centred in the caption band from (3, 69) to (116, 82).
        const QRect expected = category->fontMetrics().boundingRect(
            QRect(QPoint(3, 69), QPoint(116, 82)), Qt::AlignHCenter | Qt::AlignVCenter,
            QStringLiteral("Font"));
        QVERIFY(qAbs(texts.at(0).position.x() - expected.left()) <= 1.0);
    }
}

void TestCategory::categoryActionDestroyedFirst()
{
    auto* group = new RibbonCategoryAction(QStringLiteral("Gone"), nullptr);
    RibbonCatSimpleAction a(QStringLiteral("a"), RibbonCatSimpleAction::Large, nullptr);
    group->addAction(&a);
    RibbonCategory category(nullptr, *group);
    delete group;
    QVERIFY(category.categoryAction() == nullptr);
    QCOMPARE(category.actionRow(&a), -1);
    QCOMPARE(category.sizeHint().height(), 85);
    PaintRecorder recorder;
    category.render(&recorder);
    // The control still shows; the caption of the dead group does not.
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("a")});
    RibbonCatSimpleAction late(QStringLiteral("late"), RibbonCatSimpleAction::Small, nullptr);
    category.addAction(&late); // still builds and lays out
    QCOMPARE(category.categoryLayout()->count(), 2);
}

ORU_TEST_MAIN(TestCategory)
#include "tst_category.moc"
