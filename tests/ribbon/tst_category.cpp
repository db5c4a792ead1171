#include <oruRibbonApplication.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatComboComboBox.h>
#include <oruRibbonCatFontFamilyAction.h>
#include <oruRibbonCatFontFamilyComboBox.h>
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

    Bench(std::initializer_list<QSize> sizes = {})
    {
        for (const QSize& size : sizes)
            add(size.width(), size.height());
    }
    RibbonCategoryLayout& layout() { return *category.categoryLayout(); }
    void add(int w, int h)
    {
        auto* widget = new QWidget(&category);
        widget->setFixedSize(w, h);
        widgets << widget;
        layout().addWidget(widget);
    }
    QList<QRect> rects() const
    {
        QList<QRect> list;
        for (QWidget* w : widgets)
            list << w->geometry();
        return list;
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

    void categoryActionModel()
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
        const auto take = [&] { return std::exchange(log, {}).join('|'); };
        QSignalSpy activated(&group, &RibbonAction::activated);

        QCOMPARE(group.actionRow(&a), -1);
        group.addAction(&a);
        group.addAction(nullptr, 2);
        QCOMPARE(take(), QStringLiteral("added A|changed"));
        // Rows -1 were stored: the map is not empty any more.
        QCOMPARE(group.actionRow(&a), -1);
        QCOMPARE(group.actionRow(&b), 0);
        group.addAction(&b, 1);
        group.addAction(&b, 2); // duplicate: nothing, row unchanged
        group.addAction(&c, 0);
        QCOMPARE(take(), QStringLiteral("added B|changed|added C|changed"));
        QCOMPARE(group.actions(), QList<RibbonAction*>({&a, &b, &c}));
        QCOMPARE(group.actionRow(&b), 1);
        // Changes and use of a member travel up.
        b.setText(QStringLiteral("B2"));
        QCOMPARE(take(), QStringLiteral("changed"));
        c.trigger();
        QCOMPARE(activated.count(), 1);

        RibbonCatSimpleAction stranger(QStringLiteral("S"), RibbonCatSimpleAction::Small, nullptr);
        group.removeAction(&stranger);
        group.removeAction(nullptr);
        QCOMPARE(take(), QString());
        group.removeAction(&b);
        QCOMPARE(take(), QStringLiteral("removed B2|changed"));
        QCOMPARE(group.actions(), QList<RibbonAction*>({&a, &c}));
        QCOMPARE(group.actionRow(&b), 0); // entry gone
        b.setText(QStringLiteral("B3"));  // removed actions are disconnected
        b.trigger();
        QCOMPARE(take(), QString());
        QCOMPARE(activated.count(), 1);
        // Removing the last row entries makes every row -1 again.
        group.removeAction(&a);
        group.removeAction(&c);
        QCOMPARE(group.actionRow(&a), -1);
    }

    void categoryActionForgetsDestroyedActions()
    {
        RibbonCategoryAction group(QStringLiteral("G"), nullptr);
        auto* doomed =
            new RibbonCatSimpleAction(QStringLiteral("D"), RibbonCatSimpleAction::Large, nullptr);
        RibbonCatSimpleAction keeper(QStringLiteral("K"), RibbonCatSimpleAction::Large, nullptr);
        group.addAction(doomed, 1);
        group.addAction(&keeper, 0);
        RibbonCategory category(nullptr, group);
        QPointer<QWidget> control = category.widget(doomed);
        QVERIFY(control);
        delete doomed;
        QCOMPARE(group.actions(), QList<RibbonAction*>{&keeper});
        QVERIFY(control.isNull());
        QCOMPARE(category.categoryLayout()->count(), 1);
        QCOMPARE(category.categoryLayout()->sizeHint().width(), 3 + 42 + 4);
        QCOMPARE(category.sizeHint().width(), 50);
    }

    void rowSearchMatchesReference_data()
    {
        QTest::addColumn<int>("maxWidth");
        QTest::addColumn<int>("maxCount");
        QTest::addColumn<int>("lists");
        QTest::newRow("all equal") << 1 << 11 << 40;
        QTest::newRow("many ties") << 3 << 11 << 300;
        QTest::newRow("some ties") << 12 << 11 << 300;
        QTest::newRow("button widths") << 90 << 10 << 300;
        QTest::newRow("wide spread") << 400 << 9 << 300;
        // The longest runs searched to the end, against the plain search.
        QTest::newRow("sixteen") << 90 << 16 << 2;
    }
    void rowSearchMatchesReference()
    {
        QFETCH(int, maxWidth);
        QFETCH(int, maxCount);
        QFETCH(int, lists);
        QRandomGenerator random(4711u + uint(maxWidth));
        for (int l = 0; l < lists; ++l) {
            QVector<int> widths(maxCount == 16 ? 16 - l : 2 + int(random.bounded(maxCount - 1)));
            for (int& w : widths)
                w = 1 + int(random.bounded(maxWidth));
            const QVector<int> expected = test::referenceRows(widths);
            const QVector<int> actual = RibbonCategoryLayout::arrangeRun(widths);
            QVERIFY2(actual == expected,
                     qPrintable(QStringLiteral("widths %1: got %2, reference %3")
                                    .arg(rowsText(widths), rowsText(actual), rowsText(expected))));
        }
        QCOMPARE(RibbonCategoryLayout::arrangeRun({}), QVector<int>());
        QCOMPARE(RibbonCategoryLayout::arrangeRun({7}), QVector<int>({0}));
        QCOMPARE(RibbonCategoryLayout::arrangeRun({0, 0, 0}), QVector<int>({0, 0, 0}));
    }

    void rowSearchIsFast_data()
    {
        QTest::addColumn<QVector<int>>("run");
        QTest::addColumn<qint64>("boundNs");
        // Generous against noise and sanitizers, still far from the seconds
        // an unpruned search of 3^16 candidates would take.
        QTest::newRow("16 equal") << QVector<int>(16, 22) << qint64(20'000'000);
        QTest::newRow("16 mixed") << QVector<int>{22, 22, 60, 22, 71, 22, 22, 48,
                                                  22, 90, 22, 22, 35, 22, 22, 64}
                                  << qint64(20'000'000);
        QTest::newRow("16 rising")
            << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}
            << qint64(20'000'000);
        QTest::newRow("16 spread")
            << QVector<int>{97, 3, 88, 5, 71, 13, 64, 21, 55, 34, 42, 40, 39, 47, 30, 52}
            << qint64(20'000'000);
        // Medium buttons of text widths: a pruned search without a cap took
        // tens of milliseconds for 40 and seconds for 60.
        QRandomGenerator random(29);
        for (int n : {28, 40, 60, 200}) {
            QVector<int> run(n);
            for (int& w : run)
                w = 40 + int(random.bounded(60));
            QTest::addRow("%d medium", n) << run << qint64(n == 200 ? 5'000'000 : 20'000'000);
        }
    }
    void rowSearchIsFast()
    {
        QFETCH(QVector<int>, run);
        QFETCH(qint64, boundNs);
        QElapsedTimer timer;
        timer.start();
        QVector<int> rows;
        for (int i = 0; i < 20; ++i)
            rows = RibbonCategoryLayout::arrangeRun(run);
        QVERIFY2(timer.nsecsElapsed() / 20 < boundNs,
                 qPrintable(QString::number(timer.nsecsElapsed() / 20)));
        // A split into at most three rows, numbered as the search numbers
        // them, and never wider than a greedy split's bound: a third above
        // the even share of three rows, or the widest control.
        QCOMPARE(rows.size(), run.size());
        int width[3] = {0, 0, 0};
        int seen = 0;
        int widest = 0;
        int total = 0;
        for (int i = 0; i < run.size(); ++i) {
            QVERIFY(rows[i] >= 0 && rows[i] <= seen && rows[i] < 3);
            seen = qMax(seen, rows[i] + 1);
            width[rows[i]] += run[i];
            widest = qMax(widest, run[i]);
            total += run[i];
        }
        QVERIFY(qMax(width[0], qMax(width[1], width[2])) <= qMax(widest, (total + 2) / 3) * 4 / 3);
    }

    void workedExamples()
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

        const struct
        {
            Bench* bench;
            QList<QRect> rects;
            int width; // of the size hint
        } examples[] = {
            {new Bench{{40, 66}}, {{3, 3, 40, 66}}, 47},
            // Widest row with its gap: 30 + 2 + 30.
            {new Bench{{30, 22}, {30, 22}, {60, 22}},
             {{3, 2, 30, 22}, {35, 2, 30, 22}, {3, 24, 60, 22}},
             3 + 62 + 4},
            {new Bench{{50, 22}, {20, 22}}, {{3, 2, 50, 22}, {3, 24, 20, 22}}, 3 + 50 + 4},
            // Large, lone small, large, three equal ones (one per row, the
            // first three-row candidate), a short tall item.
            {new Bench{{40, 66}, {22, 22}, {44, 66}, {22, 22}, {22, 22}, {22, 22}, {30, 60}},
             {{3, 3, 40, 66},
              {46, 2 + (68 - 22) / 2, 22, 22},
              {71, 3, 44, 66},
              {118, 2, 22, 22},
              {118, 24, 22, 22},
              {118, 46, 22, 22},
              {143, 2 + (68 - 60) / 2, 30, 60}},
             173 + 4}};
        for (const auto& example : examples) {
            std::unique_ptr<Bench> bench(example.bench);
            bench->place();
            QCOMPARE(bench->rects(), example.rects);
            QCOMPARE(bench->layout().sizeHint(), QSize(example.width, 85));
        }
    }

    void explicitRows()
    {
        RibbonCategoryAction group(QStringLiteral("Rows"), nullptr);
        RibbonCatSimpleAction a(QStringLiteral("a"), RibbonCatSimpleAction::Small, nullptr);
        RibbonCatSimpleAction b(QStringLiteral("b"), RibbonCatSimpleAction::Small, nullptr);
        RibbonCatSimpleAction c(QStringLiteral("c"), RibbonCatSimpleAction::Small, nullptr);
        group.addAction(&a, 0);
        group.addAction(&b, 2);
        group.addAction(&c, 0);
        RibbonCategory category(nullptr, group);
        for (RibbonAction* x : std::initializer_list<RibbonAction*>{&a, &b, &c})
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

        // Two explicit rows are each 68 / 2 high; the numbers win even where
        // an automatic split would be narrower. Small buttons without icon
        // are 4 wide.
        RibbonCategoryAction flat(QStringLiteral("Flat"), nullptr);
        RibbonCatSimpleAction d(QStringLiteral("d"), RibbonCatSimpleAction::Small, nullptr);
        RibbonCatSimpleAction e(QStringLiteral("e"), RibbonCatSimpleAction::Small, nullptr);
        RibbonCatSimpleAction f(QStringLiteral("f"), RibbonCatSimpleAction::Small, nullptr);
        RibbonCatSimpleAction g(QStringLiteral("g"), RibbonCatSimpleAction::Small, nullptr);
        for (RibbonCatSimpleAction* x : {&d, &e, &f})
            flat.addAction(x, 1);
        RibbonCategory line(nullptr, flat);
        const auto rects = [&](std::initializer_list<RibbonAction*> list) {
            line.categoryLayout()->setGeometry(QRect(0, 0, 200, 85));
            QList<QRect> result;
            for (RibbonAction* x : list)
                result << line.widget(x)->geometry();
            return result;
        };
        QCOMPARE(rects({&d, &e, &f}),
                 QList<QRect>({{3, 42, 4, 22}, {9, 42, 4, 22}, {15, 42, 4, 22}}));
        // One control without a row sends the whole category back to
        // automatic: four equal widths split two over two.
        flat.addAction(&g);
        QCOMPARE(test::referenceRows({4, 4, 4, 4}), QVector<int>({0, 0, 1, 1}));
        QCOMPARE(rects({&d, &e, &f, &g}),
                 QList<QRect>({{3, 2, 4, 22}, {9, 2, 4, 22}, {3, 24, 4, 22}, {9, 24, 4, 22}}));
    }

    void randomRunsLaidOutLikeReference()
    {
        QRandomGenerator random(99);
        for (int round = 0; round < 40; ++round) {
            Bench bench;
            const int count = 1 + int(random.bounded(12));
            for (int i = 0; i < count; ++i)
                bench.add(10 + int(random.bounded(50)), random.bounded(4) == 0 ? 66 : 22);
            bench.place();
            const auto w = [&](int i) { return bench.widgets.at(i)->width(); };
            const auto h = [&](int i) { return bench.widgets.at(i)->height(); };
            // Expected rectangles, walking the items as the arrangement does.
            int x = 3;
            for (int i = 0, end = 1; i < count; i = end, end = i + 1) {
                while (h(i) <= 22 && end < count && h(end) <= 22)
                    ++end;
                if (end - i == 1) {
                    QCOMPARE(bench.rectOf(i), QRect(x, 2 + (68 - h(i)) / 2, w(i), h(i)));
                    x += w(i) + 3;
                    continue;
                }
                QVector<int> widths;
                for (int k = i; k < end; ++k)
                    widths << w(k);
                const QVector<int> rows = test::referenceRows(widths);
                int rowX[3] = {x, x, x};
                for (int k = i; k < end; ++k) {
                    const int r = rows[k - i];
                    QCOMPARE(bench.rectOf(k), QRect(rowX[r], 2 + 22 * r, w(k), 22));
                    rowX[r] += w(k) + 2;
                }
                x = qMax(rowX[0], qMax(rowX[1], rowX[2])) - 2 + 3;
            }
            QCOMPARE(bench.layout().sizeHint(), QSize(x - 3 + 4, 85));
        }
    }

    void resizeOnlyMoves()
    {
        Bench bench{{30, 22}, {30, 22}, {60, 22}};
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

    void categoryMirrorsItsAction()
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
        QVERIFY(category.hasMouseTracking() && category.testAttribute(Qt::WA_Hover));
        RibbonCategoryLayout* layout = category.categoryLayout();
        QCOMPARE(layout->count(), 2);
        // Built in the order of the category action's list.
        QCOMPARE(layout->itemAt(0)->widget(), category.widget(&paste));
        QCOMPARE(layout->itemAt(1)->widget(), category.widget(&cut));
        QVERIFY(category.widget(&bare) == nullptr);
        QVERIFY(qobject_cast<RibbonCatSimpleButton*>(category.widget(&paste)));
        QCOMPARE(category.widget(&paste)->parent(), &category);

        // A second category for the same action (the popup's) is independent.
        auto* twin = new RibbonCategory(nullptr, group);
        QVERIFY(twin->widget(&paste) != category.widget(&paste));
        RibbonCatSimpleAction copy(QStringLiteral("Copy"), RibbonCatSimpleAction::Medium, nullptr);
        group.addAction(&copy);
        QCOMPARE(layout->count(), 3);
        QCOMPARE(twin->categoryLayout()->count(), 3);
        QPointer<QWidget> cutWidget = category.widget(&cut);
        group.removeAction(&cut);
        QVERIFY(cutWidget.isNull());
        QCOMPARE(layout->count(), 2);
        QCOMPARE(category.action(layout->itemAt(1)->widget()), &copy);
        delete twin; // the actions stay
        QCOMPARE(group.actions().size(), 3);
        copy.trigger();
    }

    void comboControls()
    {
        RibbonCategoryAction group(QStringLiteral("Font"), nullptr);
        auto family = std::make_unique<RibbonCatFontFamilyAction>(QFont(), nullptr);
        RibbonCatComboAction size(nullptr);
        group.addAction(family.get());
        group.addAction(&size);
        RibbonCategory category(nullptr, group);
        // The font family action is matched before the plain combo action.
        auto* familyBox = qobject_cast<RibbonCatFontFamilyComboBox*>(category.widget(family.get()));
        auto* sizeBox = qobject_cast<RibbonCatComboComboBox*>(category.widget(&size));
        QVERIFY(familyBox && sizeBox);
        QCOMPARE(category.categoryLayout()->count(), 2);
        // Two small controls: the narrower arrangement stacks them.
        category.categoryLayout()->setGeometry(QRect(0, 0, 200, 85));
        QCOMPARE(familyBox->geometry(), QRect(3, 2, 140, 22));
        QCOMPARE(sizeBox->geometry(), QRect(3, 24, 48, 22));

        QPointer<QWidget> gone = familyBox;
        family.reset();
        QVERIFY(gone.isNull());
        QCOMPARE(category.categoryLayout()->count(), 1);
        category.categoryLayout()->setGeometry(QRect(0, 0, 200, 85));
        QCOMPARE(sizeBox->geometry(), QRect(3, 25, 48, 22)); // alone: centred
    }

    void categorySizeHint()
    {
        RibbonCategoryAction empty(QString(), nullptr);
        QCOMPARE(RibbonCategory(nullptr, empty).sizeHint(), QSize(50, 85));
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
        QCOMPARE(RibbonCategory(nullptr, big).sizeHint(), QSize(3 + 42 + 3 + 42 + 4, 85));
    }

    void categoryPaintsFramePerHover()
    {
        const RibbonStyle& skin = *RibbonApplication::theApp()->ribbonStyle();
        QWidget host;
        host.resize(400, 200);
        RibbonCategoryAction group(QStringLiteral("Font"), nullptr);
        auto* category = new RibbonCategory(&host, group);
        category->setGeometry(20, 10, 120, 85);
        host.show();
        for (bool hovered : {false, true}) {
            test::placeCursor(category, QPoint(hovered ? 60 : 125, 40));
            PaintRecorder recorder;
            category->render(&recorder);
            // Per band: source y and height in the skin, target y and height;
            // each as left edge, stretched middle, right edge.
            const auto band = [](int sy, int sh, int y, int h) {
                return QList<QPair<QRect, QRect>>{{{0, y, 3, h}, {0, sy, 3, sh}},
                                                  {{3, y, 114, h}, {3, sy, 94, sh}},
                                                  {{117, y, 3, h}, {97, sy, 3, sh}}};
            };
            QCOMPARE(recorder.pixmapRects(skin.categoryTop()),
                     band(hovered ? 68 : 0, 3, 0, 3) + band(hovered ? 71 : 3, 65, 3, 66));
            QCOMPARE(recorder.pixmapRects(skin.categoryBottom()),
                     band(hovered ? 17 : 0, 14, 69, 13) + band(hovered ? 31 : 14, 3, 82, 3));
            const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
            QCOMPARE(texts.size(), 1);
            QCOMPARE(texts.at(0).text, QStringLiteral("Font"));
            QCOMPARE(texts.at(0).pen.color(), skin.categoryCaptionTextColor());
            // Centred in the caption band from (3, 69) to (116, 82).
            const QRect expected = category->fontMetrics().boundingRect(
                QRect(QPoint(3, 69), QPoint(116, 82)), Qt::AlignCenter, QStringLiteral("Font"));
            QVERIFY(qAbs(texts.at(0).position.x() - expected.left()) <= 1.0);
        }
    }

    void categoryActionDestroyedFirst()
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
};

ORU_TEST_MAIN(TestCategory)
#include "tst_category.moc"
