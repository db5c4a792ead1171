#include <oruRibbonApplication.h>
#include <oruRibbonCatActionGroup.h>
#include <oruRibbonCatColorMenuAction.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatFontSizeAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategory.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryLayout.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonStyle.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"
#include "ribbonhost.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>

#include <algorithm>
#include <memory>
#include <vector>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

namespace {

const RibbonStyle& skin()
{
    return *RibbonApplication::theApp()->ribbonStyle();
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A page stack with one tab whose categories have chosen full widths. Every
// category holds one large button stretched to make the category as wide as
// asked; short captions make every collapsed button 50 wide.
struct Page
{
    QWidget window;
    RibbonMainWindow owner;
    RibbonMenuBar& bar = *owner.ribbonMenuBar();
    RibbonCategoryPanels* stack = nullptr;
    RibbonCategoriesPanelAction tab{QStringLiteral("Home"), nullptr};
    std::vector<std::unique_ptr<RibbonCategoryAction>> categories;
    std::vector<std::unique_ptr<RibbonCatSimpleAction>> actions;
    RibbonCategoryPanel* page = nullptr;

    Page()
    {
        stack = new RibbonCategoryPanels(bar);
        stack->setParent(&window);
        tab.setChecked(true);
        stack->addAction(&tab);
        page = stack->page(&tab);
    }

    RibbonCategoryAction* add(int fullWidth, const QString& caption = QStringLiteral("G"))
    {
        categories.push_back(std::make_unique<RibbonCategoryAction>(caption, nullptr));
        actions.push_back(std::make_unique<RibbonCatSimpleAction>(
            QStringLiteral("b"), RibbonCatSimpleAction::Large, nullptr));
        RibbonCategoryAction* category = categories.back().get();
        category->addAction(actions.back().get());
        tab.addCategory(category);
        RibbonCategory* widget = page->wrapper(category)->category();
        widget->widget(actions.back().get())->setFixedSize(fullWidth - 7, 66);
        widget->categoryLayout()->updateLayout();
        // As after adding a control: the layout asks for a new pass.
        widget->categoryLayout()->invalidate();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        return category;
    }
    RibbonCategoryWrapper* wrapper(int i) const
    {
        return page->wrapper(categories.at(size_t(i)).get());
    }
    void layoutAt(int width) { page->pageLayout()->setGeometry(QRect(0, 0, width, 85)); }
    QString states() const
    {
        QString s;
        for (size_t i = 0; i < categories.size(); ++i)
            s += wrapper(int(i))->isColapsed() ? QLatin1Char('C') : QLatin1Char('E');
        return s;
    }
};

// The first control of @p group that is hidden, not at its own size, outside
// the group or over another control; empty when all are well placed.
QString misplacedControl(const RibbonCategory& group)
{
    QList<QRect> placed;
    for (RibbonAction* action : group.categoryAction()->actions()) {
        const QWidget* control = group.widget(action);
        const QRect r = control ? control->geometry() : QRect();
        const auto overlaps = [&](const QRect& other) { return other.intersects(r); };
        if (!control || !control->isVisible() || r.size() != control->sizeHint() ||
            !group.rect().contains(r) || std::any_of(placed.cbegin(), placed.cend(), overlaps))
            return QStringLiteral("%1 at %2,%3 %4x%5 in %6x%7")
                .arg(action->text())
                .arg(r.x())
                .arg(r.y())
                .arg(r.width())
                .arg(r.height())
                .arg(group.width())
                .arg(group.height());
        placed << r;
    }
    return QString();
}

using Slices = QList<QPair<QRect, QRect>>; // target, source

} // namespace

class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void init() { test::parkCursor(); }

    void tabActionModel()
    {
        RibbonCategoriesPanelAction tab(QStringLiteral("Insert"), nullptr);
        QVERIFY(tab.isCheckable());
        QVERIFY(RibbonCategoriesPanelAction(nullptr).isCheckable());
        QVERIFY(RibbonCategoriesPanelAction(QIcon(), QStringLiteral("x"), nullptr).isCheckable());
        QStringList log;
        connect(&tab, &QAction::changed, this, [&] { log << QStringLiteral("changed"); });
        connect(&tab, &RibbonCategoriesPanelAction::categoryAdded, this,
                [&](RibbonCategoryAction* c) { log << QStringLiteral("added ") + c->text(); });
        connect(&tab, &RibbonCategoriesPanelAction::categoryRemoved, this,
                [&](RibbonCategoryAction* c) { log << QStringLiteral("removed ") + c->text(); });
        const auto take = [&] { return std::exchange(log, {}).join('|'); };

        RibbonCategoryAction a(QStringLiteral("A"), nullptr);
        auto* b = new RibbonCategoryAction(QStringLiteral("B"), nullptr);
        tab.addCategory(&a);
        tab.addCategory(&a);
        tab.addCategory(nullptr);
        tab.addCategory(b);
        QCOMPARE(take(), QStringLiteral("changed|added A|changed|added B"));
        a.setText(QStringLiteral("A2")); // a category change repaints the page
        QCOMPARE(take(), QStringLiteral("changed"));
        RibbonCategoryAction stranger(QStringLiteral("S"), nullptr);
        tab.removeCategory(&stranger);
        QCOMPARE(take(), QString());
        delete b; // leaves by itself
        QCOMPARE(tab.categories(), QList<RibbonCategoryAction*>{&a});
        take();
        tab.removeCategory(&a);
        QCOMPARE(take(), QStringLiteral("changed|removed A2"));
        a.setText(QStringLiteral("A3"));
        QCOMPARE(take(), QString());
    }

    void stackFollowsTabs()
    {
        RibbonMainWindow owner;
        RibbonMenuBar& bar = *owner.ribbonMenuBar();
        RibbonCategoryPanels stack(bar);
        QVERIFY(stack.parent() == nullptr);
        QCOMPARE(&stack.menuBar(), &bar);
        QCOMPARE(stack.height(), 92);
        QCOMPARE(stack.minimumHeight(), 92);
        QCOMPARE(stack.maximumHeight(), 92);
        QCOMPARE(stack.contentsMargins(), QMargins(4, 3, 4, 4));
        QCOMPARE(stack.sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
        stack.resize(300, 92);
        PaintRecorder recorder;
        stack.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        QCOMPARE(recorder.pixmapRects(skin().categories()),
                 Slices({{{0, 0, 5, 92}, {0, 0, 5, 92}},
                         {{5, 0, 290, 92}, {5, 0, 70, 92}},
                         {{295, 0, 5, 92}, {75, 0, 5, 92}}}));

        RibbonCategoriesPanelAction home(QStringLiteral("Home"), nullptr);
        RibbonCategoriesPanelAction insert(QStringLiteral("Insert"), nullptr);
        auto* view = new RibbonCategoriesPanelAction(QStringLiteral("View"), nullptr);
        RibbonAction other(QStringLiteral("other"), nullptr);
        stack.addAction(&home);
        stack.addAction(&other); // no page
        QCOMPARE(stack.count(), 1);
        insert.setChecked(true);
        stack.addAction(&insert);
        QCOMPARE(stack.currentWidget(), stack.page(&insert));
        stack.addAction(view);
        QCOMPARE(stack.count(), 3);
        QCOMPARE(stack.currentWidget(), stack.page(&insert));
        QCOMPARE(stack.page(&home)->parent(), &stack);
        QCOMPARE(&stack.page(&home)->stack(), &stack);

        home.setChecked(true); // no exclusive group here: the latest check wins
        QCOMPARE(stack.currentWidget(), stack.page(&home));
        QPointer<RibbonCategoryPanel> viewPage = stack.page(view);
        view->setChecked(true);
        QCOMPARE(stack.currentWidget(), viewPage.data());
        delete view;
        QVERIFY(viewPage.isNull());
        QCOMPARE(stack.count(), 2);
        QPointer<RibbonCategoryPanel> homePage = stack.page(&home);
        stack.removeAction(&home);
        QVERIFY(homePage.isNull());
        QCOMPARE(stack.count(), 1);
    }

    // However a page comes to show (its tab selected, the shown tab deleted
    // or taken away, the ribbon switched to one row), its controls paint:
    // pages out of sight keep their updates off, which the page shown must
    // not inherit.
    void shownPagePaints()
    {
        RibbonHost host(
            {QStringLiteral("ab"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")});
        struct PaintCounter : QObject
        {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                paints += event->type() == QEvent::Paint ? 1 : 0;
                return false;
            }
        };
        const auto shownPagePaints = [&host](const char* where) {
            QCoreApplication::processEvents();
            QWidget* page = host.bar.panels()->currentWidget();
            QVERIFY2(page && page->isVisible(), where);
            QList<QAbstractButton*> buttons;
            for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
                if (button->isVisible() && !qobject_cast<RibbonCategoryWrapper*>(button))
                    buttons << button;
            QVERIFY2(!buttons.isEmpty(), where);
            for (QAbstractButton* button : buttons) {
                PaintCounter counter;
                button->installEventFilter(&counter);
                button->repaint();
                button->removeEventFilter(&counter);
                QVERIFY2(counter.paints == 1, where);
            }
        };
        shownPagePaints("first");
        host.tabs.at(1)->setChecked(true);
        shownPagePaints("second tab");
        host.tabs.at(0)->setChecked(true);
        shownPagePaints("first tab again");
        delete host.tabs.takeAt(0);
        shownPagePaints("shown tab deleted");
        host.tabs.at(1)->setChecked(true);
        host.bar.removeAction(host.tabs.at(1));
        shownPagePaints("shown tab removed");
        host.bar.setSimplified(true);
        shownPagePaints("one row");
        host.tabs.at(2)->setChecked(true);
        shownPagePaints("one row, other tab");
        host.bar.setSimplified(false);
        shownPagePaints("groups again");
    }

    void pageMirrorsTabAction()
    {
        Page p;
        QCOMPARE(p.page->pageLayout()->sizeHint(), QSize(0, 85)); // empty page
        p.layoutAt(300);                                          // places nothing, no crash
        QCOMPARE(p.page->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(p.page->pageLayout()->expandingDirections(), Qt::Horizontal);
        QVERIFY(!p.page->pageLayout()->hasHeightForWidth());
        QCOMPARE(p.page->pageLayout()->spacing(), 2);
        p.add(150);
        QCOMPARE(p.page->pageLayout()->sizeHint(), QSize(50, 85));
        p.add(90);
        p.add(90);
        QCOMPARE(p.page->pageLayout()->sizeHint(), QSize(50 * 3 + 4, 85));
        QCOMPARE(p.wrapper(0)->sizeHint(), QSize(150, 85));
        QCOMPARE(p.wrapper(0)->minimumSizeHint(), QSize(50, 85));
        QCOMPARE(p.page->pageLayout()->wrappers().size(), 3);

        // A page built for a tab that already has categories wraps them in order.
        RibbonCategoriesPanelAction second(QStringLiteral("Second"), nullptr);
        second.addCategory(p.categories.at(2).get());
        second.addCategory(p.categories.at(0).get());
        p.stack->addAction(&second);
        RibbonCategoryPanel* page2 = p.stack->page(&second);
        const auto wrappers = page2->pageLayout()->wrappers();
        QCOMPARE(wrappers.size(), 2);
        QCOMPARE(wrappers.at(0)->categoryAction(), p.categories.at(2).get());
        QCOMPARE(wrappers.at(1)->categoryAction(), p.categories.at(0).get());
        QCOMPARE(&wrappers.at(1)->page(), page2);
    }

    void collapseOrder_data()
    {
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QList<int>>("pageWidths"); // laid out in turn
        QTest::addColumn<QStringList>("expected");  // states after each pass
        const QList<int> big{150, 90, 90};
        // Gains 100, 40, 40: the rightmost 40 goes first, then the middle one.
        QTest::newRow("ties rightmost first")
            << big << QList<int>{284, 284, 284} << QStringList{"ECC", "ECC", "ECC"};
        QTest::newRow("one step") << big << QList<int>{294, 294} << QStringList{"EEC", "EEC"};
        // The groups and the two gaps of 2 between them.
        QTest::newRow("exact fit") << big << QList<int>{334, 334} << QStringList{"EEE", "EEE"};
        QTest::newRow("one pixel short")
            << big << QList<int>{333, 333} << QStringList{"EEC", "EEC"};
        // Widening to the same width expands the smallest gains first.
        QTest::newRow("shrink then widen")
            << big << QList<int>{254, 153, 254, 334} << QStringList{"ECC", "CCC", "CEE", "EEE"};
        // Gains 40, 100, 10: 10 first, then 40 overshoots the need by 30, so
        // the next pass has room for the 10 again.
        QTest::newRow("smallest gain first") << QList<int>{90, 150, 60} << QList<int>{283, 283, 283}
                                             << QStringList{"CEC", "CEE", "CEE"};
        QTest::newRow("tie on the left")
            << QList<int>{90, 90, 150} << QList<int>{303, 303} << QStringList{"ECE", "ECE"};
        // A single category comes back when the page is as wide as it.
        QTest::newRow("one category")
            << QList<int>{120} << QList<int>{120, 99, 119, 120} << QStringList{"E", "C", "C", "E"};
    }
    void collapseOrder()
    {
        QFETCH(QList<int>, widths);
        QFETCH(QList<int>, pageWidths);
        QFETCH(QStringList, expected);
        Page p;
        for (int w : widths)
            p.add(w);
        for (int i = 0; i < pageWidths.size(); ++i) {
            p.layoutAt(pageWidths.at(i));
            QVERIFY2(p.states() == expected.at(i), qPrintable(QString::number(i) + p.states()));
        }
    }

    // Dragging the page narrower and wider one pixel at a time: no group
    // ever reaches past the page's right edge (unless even all collapsed do
    // not fit, when the page is as wide as its size hint asks), and at a
    // width that holds every group at full size none is collapsed.
    void noGroupClipped_data()
    {
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("eight groups")
            << QList<int>{150, 90, 90, 210, 75, 130, 60, 180, 240, 95} << QStringList();
        QTest::newRow("long captions")
            << QList<int>{150, 90, 300, 120}
            << QStringList{"Clipboard", "Paragraph settings", "Font", "Editing and finding"};
    }
    void noGroupClipped()
    {
        QFETCH(QList<int>, widths);
        QFETCH(QStringList, captions);
        Page p;
        for (int i = 0; i < widths.size(); ++i)
            p.add(widths.at(i), captions.value(i, QStringLiteral("G")));
        int full = 2 * int(widths.size() - 1);
        for (size_t i = 0; i < p.categories.size(); ++i)
            full += p.wrapper(int(i))->sizeHint().width();
        const int least = p.page->pageLayout()->sizeHint().width();
        QList<int> sweep;
        for (int w = 2500; w >= 300; --w)
            sweep << w;
        for (int w = 300; w <= 2500; ++w)
            sweep << w;
        for (int w : sweep) {
            p.layoutAt(w);
            for (size_t i = 0; i < p.categories.size(); ++i) {
                const QRect g = p.wrapper(int(i))->geometry();
                QVERIFY2(g.left() >= 0 && g.right() < qMax(w, least),
                         qPrintable(QStringLiteral("width %1, group %2 ends at %3")
                                        .arg(w)
                                        .arg(i)
                                        .arg(g.right())));
            }
            if (w >= full)
                QVERIFY2(!p.states().contains(QLatin1Char('C')), qPrintable(QString::number(w)));
        }
    }

    void placement()
    {
        Page p;
        p.add(150);
        p.add(90);
        p.add(90);
        p.page->pageLayout()->setGeometry(QRect(40, 3, 284, 85)); // offset not added
        QCOMPARE(p.wrapper(0)->geometry(), QRect(0, 0, 150, 85));
        QCOMPARE(p.wrapper(1)->geometry(), QRect(152, 0, 50, 85));
        QCOMPARE(p.wrapper(2)->geometry(), QRect(204, 0, 50, 85));
        QVERIFY(p.wrapper(0)->category()->isVisibleTo(p.wrapper(0)));
        QVERIFY(!p.wrapper(1)->category()->isVisibleTo(p.wrapper(1)));
        QCOMPARE(p.wrapper(0)->category()->geometry(), QRect(0, 0, 150, 85));

        // Through the real widgets: a shown window relays the page on resize.
        p.window.resize(1000, 200);
        p.stack->setGeometry(0, 0, 284 + 8, 92);
        p.window.show();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(p.page->geometry(), QRect(4, 3, 284, 85));
        QCOMPARE(p.states(), QStringLiteral("ECC"));
        p.stack->setGeometry(0, 0, 334 + 8, 92);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(p.states(), QStringLiteral("EEE"));
        QCOMPARE(p.wrapper(2)->geometry(), QRect(244, 0, 90, 85));
    }

    void collapsedSize_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("short") << QStringLiteral("Font") << 13;
        QTest::newRow("empty") << QString() << 13;
        QTest::newRow("two words 12px") << QStringLiteral("Paragraph Settings") << 12;
        QTest::newRow("three words 12px") << QStringLiteral("Insert Page Breaks") << 12;
        QTest::newRow("narrow words 12px") << QStringLiteral("ab cd ef gh") << 12;
        QTest::newRow("two words 13px") << QStringLiteral("Paragraph Settings") << 13;
        QTest::newRow("three words 13px") << QStringLiteral("Format Painter Tool") << 13;
    }
    void collapsedSize()
    {
        QFETCH(QString, caption);
        QFETCH(int, pixelSize);
        Page p;
        p.add(100, caption);
        RibbonCategoryWrapper* wrapper = p.wrapper(0);
        QFont font = wrapper->font();
        font.setPixelSize(pixelSize);
        wrapper->setFont(font);
        const QFontMetrics fm = wrapper->fontMetrics();
        const int tw = fm.horizontalAdvance(caption);
        const QSize size = wrapper->colapsedSize();
        QCOMPARE(size.height(), 85);
        QCOMPARE(wrapper->minimumSizeHint(), size);
        if (tw <= 30) {
            QCOMPARE(size.width(), 50);
            // The kept size follows a new caption.
            p.categories.front()->setText(QStringLiteral("A much longer caption than before"));
            QVERIFY(wrapper->colapsedSize().width() > 50);
            return;
        }
        // The narrowest width at which the caption takes two lines at most.
        const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
        const int twoLines =
            fm.boundingRect(QRect(0, 0, 1000, 0), flags, QStringLiteral("X\nX")).height();
        int narrowest = 1;
        while (fm.boundingRect(QRect(0, 0, narrowest, 0), flags, caption).height() > twoLines)
            ++narrowest;
        const int best = fm.boundingRect(QRect(0, 0, narrowest, 0), flags, caption).width();
        const int expected = best > 37 ? best + 12 : 50;
        QVERIFY2(qAbs(size.width() - expected) <= 1,
                 qPrintable(QStringLiteral("%1 vs %2").arg(size.width()).arg(expected)));
        if (caption.contains(QLatin1Char(' ')))
            QVERIFY(size.width() < tw + 12); // it wrapped
    }

    void wrapperPaint()
    {
        Page p;
        QPixmap iconPixmap(24, 24);
        iconPixmap.fill(Qt::red);
        RibbonCategoryAction* category = p.add(120, QStringLiteral("Tools"));
        category->setIcon(QIcon(iconPixmap));
        RibbonCategoryWrapper* wrapper = p.wrapper(0);
        const QPixmap& back = skin().categoryWrapperBack();
        PaintRecorder expanded;
        wrapper->render(&expanded, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        QVERIFY(expanded.pixmapDraws(back).isEmpty());

        // Shown (hidden widgets do not paint), on a page 60 wide.
        p.window.resize(200, 100);
        p.stack->setGeometry(0, 0, 68, 92);
        p.window.show();
        QCoreApplication::sendPostedEvents();
        QVERIFY(wrapper->isColapsed());
        QCOMPARE(wrapper->width(), 50);
        // hover, checked (pressed while its popup is open) -> row of the skin
        for (const auto& [hover, checked, row] : {std::tuple{false, false, 0},
                                                  {true, false, 85},
                                                  {false, true, 170},
                                                  {true, true, 170}}) {
            wrapper->setAttribute(Qt::WA_UnderMouse, hover);
            if (checked) {
                wrapper->setMyChecked(true);
                QVERIFY(wrapper->popup());
            }
            PaintRecorder recorder;
            wrapper->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            QCOMPARE(recorder.pixmapRects(back), Slices({{{0, 0, 3, 85}, {0, row, 3, 85}},
                                                         {{3, 0, 44, 85}, {3, row, 46, 85}},
                                                         {{47, 0, 3, 85}, {49, row, 3, 85}}}));
            QCOMPARE(recorder.pixmapRects(skin().categoryWrapperIcon()),
                     Slices({{{25 - 19, 6, 38, 38}, {0, 0, 38, 38}}}));
            // The 24 x 24 icon centred on (25, 21).
            const QVector<PaintOp> pixmaps = recorder.ops(PaintOp::Pixmap);
            QVERIFY(std::any_of(pixmaps.begin(), pixmaps.end(), [](const PaintOp& op) {
                return op.target.toRect() == QRect(25 - 12, 21 - 12, 24, 24);
            }));
            QCOMPARE(recorder.texts(), QStringList{QStringLiteral("Tools")});
            QCOMPARE(recorder.ops(PaintOp::Text).at(0).pen.color(),
                     skin().categoryWrapperCaptionTextColor());
            if (checked) {
                wrapper->popup()->close();
                flushDeletes();
                QVERIFY(!wrapper->popup());
                QVERIFY(!wrapper->isMyChecked());
            }
        }

        // A group without an icon of its own shows its first large control's
        // icon, else any control's, never an empty frame.
        const auto iconTargets = [&] {
            PaintRecorder recorder;
            wrapper->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            QList<QRect> targets;
            for (const PaintOp& op : recorder.ops(PaintOp::Pixmap))
                if (op.pixmapKey != back.cacheKey() &&
                    op.pixmapKey != skin().categoryWrapperIcon().cacheKey())
                    targets << op.target.toRect();
            return targets;
        };
        category->setIcon(QIcon());
        QCOMPARE(iconTargets(), QList<QRect>());
        QPixmap smallPixmap(16, 16), largePixmap(32, 32);
        smallPixmap.fill(Qt::blue);
        largePixmap.fill(Qt::green);
        RibbonCatSimpleAction small(QIcon(smallPixmap), QStringLiteral("s"),
                                    RibbonCatSimpleAction::Small, nullptr);
        category->addAction(&small);
        QCOMPARE(iconTargets(), QList<QRect>({QRect(25 - 8, 21 - 8, 16, 16)}));
        p.actions.front()->setIcon(QIcon(largePixmap));
        QCOMPARE(iconTargets(), QList<QRect>({QRect(25 - 16, 21 - 16, 32, 32)}));
        category->removeAction(&small);
    }

    void popupOpensAndClosesOnActivation()
    {
        Page p;
        RibbonCategoryAction* category = p.add(120, QStringLiteral("Clip"));
        RibbonCatSimpleAction* button = p.actions.back().get();
        RibbonCategoryWrapper* wrapper = p.wrapper(0);
        test::mousePress(wrapper, QPoint(5, 5)); // expanded: ignored
        QVERIFY(!wrapper->popup() && !wrapper->isMyChecked());

        p.layoutAt(60);
        test::mousePress(wrapper, QPoint(5, 5), Qt::RightButton);
        QVERIFY(!wrapper->popup());
        test::mousePress(wrapper, QPoint(5, 5));
        QPointer<RibbonCategoryWrapperPopup> popup = wrapper->popup();
        QVERIFY(popup);
        QVERIFY(wrapper->isMyChecked());
        QVERIFY(popup->isVisible());
        QVERIFY(popup->windowFlags() & Qt::Popup);
        QCOMPARE(popup->popupCategory()->categoryAction(), category);
        test::mousePress(wrapper, QPoint(5, 5)); // a second press does nothing
        QCOMPARE(wrapper->popup(), popup.data());
        // Expanding the wrapper leaves the popup open.
        p.layoutAt(500);
        QVERIFY(!wrapper->isColapsed());
        QVERIFY(popup->isVisible());
        p.layoutAt(60);

        // Using a control of the group closes the popup; it is deleted later.
        auto* control =
            qobject_cast<RibbonCatSimpleButton*>(popup->popupCategory()->widget(button));
        QVERIFY(control);
        QSignalSpy activated(category, &RibbonAction::activated);
        test::mouseClick(control, QPoint(3, 3));
        QCOMPARE(activated.count(), 1);
        QVERIFY(!popup->isVisible());
        QVERIFY(!wrapper->isMyChecked());
        flushDeletes();
        QVERIFY(popup.isNull());
        QVERIFY(!wrapper->popup());
        test::mousePress(wrapper, QPoint(5, 5)); // and it opens again
        QVERIFY(wrapper->popup());
        wrapper->popup()->close();
        flushDeletes();
    }

    void popupPlacement_data()
    {
        QTest::addColumn<QPoint>("windowPos");
        QTest::addColumn<bool>("above");
        QTest::addColumn<bool>("shifted");
        QTest::newRow("room everywhere") << QPoint(10, 10) << false << false;
        QTest::newRow("bottom edge") << QPoint(10, 10000) << true << false;
        QTest::newRow("right edge") << QPoint(10000, 10) << false << true;
        QTest::newRow("both") << QPoint(10000, 10000) << true << true;
    }
    void popupPlacement()
    {
        QFETCH(QPoint, windowPos);
        QFETCH(bool, above);
        QFETCH(bool, shifted);
        const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
        Page p;
        p.add(200, QStringLiteral("Wide"));
        p.add(90, QStringLiteral("Narrow"));
        p.window.resize(400, 100);
        p.stack->setGeometry(0, 0, 400, 92);
        // Clamp the window so that the page sits near the asked edge.
        p.window.move(qMin(windowPos.x(), avail.right() - 300),
                      qMin(windowPos.y(), avail.bottom() - 120));
        p.window.show();
        QCoreApplication::sendPostedEvents();
        p.layoutAt(120); // both collapse
        RibbonCategoryWrapper* wrapper = p.wrapper(1);
        QVERIFY(wrapper->isColapsed());
        wrapper->setMyChecked(true);
        RibbonCategoryWrapperPopup* popup = wrapper->popup();
        QVERIFY(popup);
        popup->resize(200 + (shifted ? 100 : 0), 85); // resize runs the placement
        const int w = popup->width();
        const int h = popup->height();
        const QPoint anchor =
            wrapper->mapToGlobal(QPoint(0, p.page->geometry().bottom() - wrapper->y()));
        QPoint expected = anchor;
        if (anchor.y() + h - 1 > avail.bottom())
            expected.setY(anchor.y() - h - 91);
        if (anchor.x() + w - 1 > avail.right())
            expected.setX(avail.right() - w + 1);
        QCOMPARE(popup->pos(), expected);
        QCOMPARE(expected.y() != anchor.y(), above);
        QCOMPARE(expected.x() != anchor.x(), shifted);
        // One pixel off each corner.
        const QRegion mask = popup->mask();
        for (const QPoint& out :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            QVERIFY(!mask.contains(out));
        for (const QPoint& in :
             {QPoint(1, 0), QPoint(0, 1), QPoint(w / 2, h / 2), QPoint(w - 3, h - 3)})
            QVERIFY(mask.contains(in));
        popup->close();
        flushDeletes();
    }

    void removalWhileWidgetsExist()
    {
        Page p;
        RibbonCategoryAction* first = p.add(150, QStringLiteral("One"));
        p.add(90, QStringLiteral("Two"));
        p.layoutAt(60);
        RibbonCategoryWrapper* wrapper = p.wrapper(0);
        wrapper->setMyChecked(true);
        QPointer<RibbonCategoryWrapperPopup> popup = wrapper->popup();
        QVERIFY(popup);

        // Controls added and removed reach the page category and the popup.
        RibbonCatSimpleAction extra(QStringLiteral("x"), RibbonCatSimpleAction::Small, nullptr);
        first->addAction(&extra);
        QVERIFY(popup->popupCategory()->widget(&extra));
        QVERIFY(wrapper->category()->widget(&extra));
        first->removeAction(&extra);
        QVERIFY(!popup->popupCategory()->widget(&extra));
        first->addAction(&extra);

        // Removing the category with its popup open deletes wrapper and popup.
        QPointer<RibbonCategoryWrapper> guard = wrapper;
        p.tab.removeCategory(first);
        QVERIFY(guard.isNull());
        QVERIFY(popup.isNull());
        QCOMPARE(p.page->pageLayout()->wrappers().size(), 1);
        first->addAction(nullptr); // the category action lives on, unharmed

        // A category destroyed while shown, and a control destroyed.
        p.tab.addCategory(first);
        QVERIFY(p.page->wrapper(first));
        p.actions.front().reset();
        QCOMPARE(first->actions(), QList<RibbonAction*>{&extra});
        QPointer<RibbonCategoryWrapper> second = p.wrapper(1);
        p.categories.at(1).reset();
        QVERIFY(second.isNull());
        QCOMPARE(p.page->pageLayout()->wrappers().size(), 1);
        p.layoutAt(300);

        // The tab action destroyed first takes its page with it.
        QPointer<RibbonCategoryPanel> page = p.page;
        auto* tab = new RibbonCategoriesPanelAction(QStringLiteral("T"), nullptr);
        tab->addCategory(first);
        p.stack->addAction(tab);
        QPointer<RibbonCategoryPanel> tabPage = p.stack->page(tab);
        QVERIFY(tabPage);
        tabPage->wrapper(first)->setMyChecked(true);
        delete tab;
        QVERIFY(tabPage.isNull());
        flushDeletes();
        QVERIFY(page);
    }

    // A category with several controls destroyed while its page is shown,
    // with and without its collapsed popup open: the page drops the wrapper
    // while the category action is still whole.
    void multiControlCategoryDestroyed_data()
    {
        QTest::addColumn<bool>("popupOpen");
        QTest::newRow("on the page") << false;
        QTest::newRow("popup open") << true;
    }
    void multiControlCategoryDestroyed()
    {
        QFETCH(bool, popupOpen);
        Page p;
        p.add(90, QStringLiteral("Keep"));
        RibbonCategoryAction* doomed = p.add(150, QStringLiteral("Doomed"));
        RibbonCatSimpleAction small1(QStringLiteral("s1"), RibbonCatSimpleAction::Small, nullptr);
        RibbonCatSimpleAction small2(QStringLiteral("s2"), RibbonCatSimpleAction::Small, nullptr);
        doomed->addAction(&small1, 0);
        doomed->addAction(&small2, 1);
        p.window.resize(400, 100);
        p.stack->setGeometry(0, 0, 400, 92);
        p.window.show();
        QCoreApplication::sendPostedEvents();
        QPointer<RibbonCategoryWrapper> wrapper = p.wrapper(1);
        QPointer<RibbonCategoryWrapperPopup> popup;
        if (popupOpen) {
            p.layoutAt(60);
            wrapper->setMyChecked(true);
            popup = wrapper->popup();
            QVERIFY(popup && popup->popupCategory()->widget(&small2));
        }
        p.categories.at(1).reset();
        QVERIFY(wrapper.isNull());
        QVERIFY(popup.isNull());
        QCOMPARE(p.page->pageLayout()->wrappers().size(), 1);
        flushDeletes();
        QCOMPARE(small1.associatedObjects().size(), 0);
    }

    // A button group destroyed while its strip is on a shown page: the strip
    // leaves the group while the group is whole (re-laying the category asks
    // the strip for its size, which reads the group's members), and the
    // members stay usable.
    void buttonGroupDestroyedWhileShown()
    {
        Page p;
        RibbonCategoryAction* category = p.add(120, QStringLiteral("Format"));
        RibbonCatSimpleAction bold(QStringLiteral("B"), RibbonCatSimpleAction::Small, nullptr);
        RibbonCatSimpleAction italic(QStringLiteral("I"), RibbonCatSimpleAction::Small, nullptr);
        auto group = std::make_unique<RibbonCatActionGroup>(nullptr);
        group->addAction(&bold);
        group->addAction(&italic);
        category->addAction(group.get());
        p.window.resize(400, 100);
        p.stack->setGeometry(0, 0, 400, 92);
        p.window.show();
        QCoreApplication::sendPostedEvents();
        RibbonCategory* widget = p.wrapper(0)->category();
        QPointer<QWidget> strip = widget->widget(group.get());
        QVERIFY(strip);
        group.reset();
        flushDeletes();
        QVERIFY(strip.isNull());
        QCOMPARE(category->actions().size(), 1);
        // The members are plain actions again and still trigger.
        QSignalSpy triggered(&bold, &QAction::triggered);
        bold.trigger();
        QCOMPARE(triggered.count(), 1);
    }

    // Controls and groups added while the ribbon is on screen, to a page shown
    // later, or to a group whose collapsed popup is open are laid out at once:
    // every control inside its group, none overlapping another, every group
    // inside its page.
    void addedWhileShown_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("visible page") << QStringLiteral("visible");
        QTest::newRow("page shown later") << QStringLiteral("later");
        QTest::newRow("group added to a visible page") << QStringLiteral("group");
        QTest::newRow("collapsed group's popup") << QStringLiteral("popup");
    }
    void addedWhileShown()
    {
        QFETCH(QString, where);
        RibbonMainWindow window;
        RibbonMenuBar& bar = *window.ribbonMenuBar();
        window.resize(where == QLatin1String("popup") ? 300 : 1200, 400);
        RibbonCategoriesPanelAction home(QStringLiteral("Home"), nullptr);
        RibbonCategoriesPanelAction other(QStringLiteral("Other"), nullptr);
        RibbonCategoryAction first(QStringLiteral("First"), nullptr);
        RibbonCategoryAction second(QStringLiteral("Second group"), nullptr);
        RibbonCatSimpleAction seed(QStringLiteral("Seed"), RibbonCatSimpleAction::Large, nullptr);
        first.addAction(&seed);
        home.addCategory(&first);
        if (where == QLatin1String("popup")) {
            // Wider than the window: it collapses.
            for (int i = 0; i < 6; ++i)
                first.addAction(new RibbonCatSimpleAction(QStringLiteral("Wide large %1").arg(i),
                                                          RibbonCatSimpleAction::Large, &first));
        }
        home.setChecked(true);
        bar.addAction(&home);
        bar.addAction(&other);
        if (where == QLatin1String("later"))
            other.trigger();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RibbonCategoryPanel* page = bar.panels()->page(&home);
        RibbonCategoryWrapper* wrapper = page->wrapper(&first);
        RibbonCategory* target = wrapper->category();
        if (where == QLatin1String("popup")) {
            QVERIFY(wrapper->isColapsed());
            wrapper->setMyChecked(true);
            QVERIFY(wrapper->popup());
            target = wrapper->popup()->popupCategory();
            QTest::qWait(0);
        }

        std::vector<std::unique_ptr<RibbonCatSimpleAction>> added;
        const auto addControl = [&](RibbonCategoryAction& category, const QString& text,
                                    RibbonCatSimpleAction::eSize size) {
            added.push_back(std::make_unique<RibbonCatSimpleAction>(text, size, nullptr));
            category.addAction(added.back().get());
        };
        if (where == QLatin1String("group")) {
            addControl(second, QStringLiteral("Before"), RibbonCatSimpleAction::Large);
            home.addCategory(&second);
            addControl(second, QStringLiteral("After one"), RibbonCatSimpleAction::Small);
            addControl(second, QStringLiteral("After two"), RibbonCatSimpleAction::Small);
        } else {
            addControl(first, QStringLiteral("Big"), RibbonCatSimpleAction::Large);
            addControl(first, QStringLiteral("Small one"), RibbonCatSimpleAction::Small);
            addControl(first, QStringLiteral("Small two"), RibbonCatSimpleAction::Medium);
            addControl(first, QStringLiteral("Small three"), RibbonCatSimpleAction::Small);
        }
        QTest::qWait(0);
        if (where == QLatin1String("later")) {
            home.trigger();
            QTest::qWait(0);
        }
        if (where == QLatin1String("group"))
            target = page->wrapper(&second)->category();
        QVERIFY(target->isVisible());

        QTRY_COMPARE(misplacedControl(*target), QString());
        // Retitled controls grow: the group is arranged again.
        for (const auto& action : added)
            action->setText(action->text() + QStringLiteral(" with a longer caption"));
        QTRY_COMPARE(misplacedControl(*target), QString());
        QRect previous;
        for (RibbonCategoryWrapper* w : page->pageLayout()->wrappers()) {
            QVERIFY(w->isVisible());
            QVERIFY(!w->geometry().isEmpty() && w->geometry().left() > previous.right());
            QVERIFY(page->rect().contains(w->geometry()));
            previous = w->geometry();
        }
        if (wrapper->popup()) {
            wrapper->popup()->close();
            flushDeletes();
        }
    }

    // A page is built when it first shows. What shows then (every widget,
    // its place, its state) is what a page built as its actions came shows,
    // at a wide and at a narrow window, after changes made while it waited.
    void lazyPageMatchesEager_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("wide") << 1600;
        QTest::newRow("narrow, groups collapse") << 520;
    }
    void lazyPageMatchesEager()
    {
        QFETCH(int, width);
        const auto shownPage = [width](bool eager, QStringList& look) {
            RibbonMainWindow window;
            QObject owner;
            RibbonMenuBar& bar = *window.ribbonMenuBar();
            auto* home = new RibbonCategoriesPanelAction(QStringLiteral("Home"), &owner);
            auto* later = new RibbonCategoriesPanelAction(QStringLiteral("Later"), &owner);
            home->setChecked(true);
            bar.addAction(home);
            bar.addAction(later);
            RibbonCategoryPanel* page = bar.panels()->page(later);
            QVERIFY(!page->isBuilt());
            if (eager) // builds every control as its action comes
                page->ensureBuilt();
            QList<RibbonCategoryAction*> groups;
            for (int g = 0; g < 3; ++g) {
                auto* group = new RibbonCategoryAction(QStringLiteral("Group %1").arg(g), &owner);
                later->addCategory(group);
                groups << group;
                for (int c = 0; c < 8; ++c) {
                    const QString text = QStringLiteral("C%1.%2").arg(g).arg(c);
                    RibbonAction* control = nullptr;
                    switch (c) {
                    case 3:
                        control = new RibbonCatColorMenuAction(
                            QIcon(), text, RibbonCatColorMenuAction::Small, &owner);
                        break;
                    case 4: {
                        auto* combo = new RibbonCatComboAction(&owner);
                        combo->addItem(QStringLiteral("One"));
                        combo->addItem(QStringLiteral("Two"));
                        if (g > 0)
                            combo->setSelectionText(QStringLiteral("Two"));
                        control = combo;
                        break;
                    }
                    case 5:
                        control = new RibbonCatFontSizeAction(12, &owner);
                        break;
                    default:
                        control = new RibbonCatSimpleAction(
                            text, RibbonCatSimpleAction::eSize(c % 3), &owner);
                    }
                    group->addAction(control);
                }
            }
            // Changes while the page waits: a control goes, one comes, a
            // caption grows.
            groups[0]->removeAction(groups[0]->actions().first());
            groups[1]->addAction(new RibbonCatSimpleAction(
                QStringLiteral("Late"), RibbonCatSimpleAction::Large, &owner));
            groups[2]->actions().last()->setText(QStringLiteral("A much longer caption"));
            QVERIFY(eager || page->findChildren<RibbonCatSimpleButton*>().isEmpty());

            QLabel central;
            window.setCentralWidget(&central);
            window.setGeometry(50, 50, width, 500);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            later->trigger();
            QVERIFY(page->isBuilt() && page->isVisible());
            // What the host finds at the moment the page shows, before any
            // event runs; where it shows (a collapsed group's hidden widgets
            // keep whatever size an earlier pass gave them).
            for (const QWidget* widget : page->findChildren<QWidget*>()) {
                const auto* button = qobject_cast<const QAbstractButton*>(widget);
                const auto* combo = qobject_cast<const QComboBox*>(widget);
                const QRect shown = widget->isVisible()
                                        ? QRect(widget->mapTo(page, QPoint()), widget->size())
                                        : QRect();
                look << QStringLiteral("%1 '%2' %3,%4 %5x%6")
                            .arg(QString::fromLatin1(widget->metaObject()->className()),
                                 button ? button->text() : combo ? combo->currentText() : QString())
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(shown.width())
                            .arg(shown.height());
            }
            for (const auto* combo : owner.findChildren<RibbonCatComboAction*>())
                look << combo->selectionText();
            window.setCentralWidget(nullptr);
        };
        QStringList lazy;
        QStringList eager;
        shownPage(false, lazy);
        shownPage(true, eager);
        QVERIFY(lazy.size() > 30);
        QCOMPARE(lazy, eager);
    }

    // The keyboard focus on a page being left goes to the widget that last
    // had it on the new page, else to the new page's first control that
    // takes focus, else to the page; focus outside the ribbon stays.
    void focusFollowsTabSwitch()
    {
        RibbonMainWindow window;
        QObject owner;
        QLineEdit central;
        window.setCentralWidget(&central);
        RibbonMenuBar& bar = *window.ribbonMenuBar();
        QList<RibbonCategoriesPanelAction*> tabs;
        QList<QList<RibbonCatComboAction*>> combos;
        for (const char* name : {"One", "Two", "Buttons"}) {
            auto* tab = new RibbonCategoriesPanelAction(QString::fromLatin1(name), &owner);
            auto* group = new RibbonCategoryAction(QStringLiteral("Group"), &owner);
            tab->addCategory(group);
            group->addAction(new RibbonCatSimpleAction(QStringLiteral("Button"),
                                                       RibbonCatSimpleAction::Large, &owner));
            combos << QList<RibbonCatComboAction*>();
            for (int c = 0; tabs.size() < 2 && c < 2; ++c) {
                auto* combo = new RibbonCatComboAction(&owner);
                combo->setEditable(true);
                combo->addItem(QStringLiteral("Item"));
                group->addAction(combo);
                combos.last() << combo;
            }
            bar.addAction(tab);
            tabs << tab;
        }
        tabs[0]->setChecked(true);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto widgetOf = [&](int tab, int combo) {
            return bar.panels()->page(tabs[tab])->findChildren<QComboBox*>().value(combo);
        };
        const auto focusIn = [](QWidget* w) {
            QWidget* focus = QApplication::focusWidget();
            return w && focus && (focus == w || w->isAncestorOf(focus));
        };
        widgetOf(0, 1)->setFocus();
        QVERIFY(focusIn(widgetOf(0, 1)));
        tabs[1]->trigger();
        QVERIFY(focusIn(widgetOf(1, 0)));
        tabs[2]->trigger();
        QCOMPARE(QApplication::focusWidget(), bar.panels()->page(tabs[2]));
        tabs[0]->trigger(); // remembered
        QVERIFY(focusIn(widgetOf(0, 1)));
        central.setFocus();
        tabs[1]->trigger();
        QCOMPARE(QApplication::focusWidget(), &central);
        window.setCentralWidget(nullptr);
    }

    // Renaming a group or changing the font lays the page out again: the
    // group takes the size that a group built with that caption and font
    // has, expanded and collapsed.
    void captionAndFontRelayPage_data()
    {
        QTest::addColumn<bool>("collapsed");
        QTest::addColumn<bool>("font");
        QTest::newRow("renamed, expanded") << false << false;
        QTest::newRow("renamed, collapsed") << true << false;
        QTest::newRow("new font, expanded") << false << true;
        QTest::newRow("new font, collapsed") << true << true;
    }
    void captionAndFontRelayPage()
    {
        QFETCH(bool, collapsed);
        QFETCH(bool, font);
        const QString longCaption = QStringLiteral("Clipboard and other long caption");
        RibbonMainWindow window;
        RibbonMenuBar& bar = *window.ribbonMenuBar();
        window.resize(collapsed ? 200 : 1400, 400); // 200: the window's least width
        RibbonCategoriesPanelAction home(QStringLiteral("Home"), nullptr);
        std::vector<std::unique_ptr<RibbonCategoryAction>> groups;
        std::vector<std::unique_ptr<RibbonCatSimpleAction>> buttons;
        const auto addGroup = [&](const QString& caption) {
            groups.push_back(std::make_unique<RibbonCategoryAction>(caption, nullptr));
            for (int i = 0; i < 4; ++i) {
                buttons.push_back(std::make_unique<RibbonCatSimpleAction>(
                    QStringLiteral("b"), RibbonCatSimpleAction::Large, nullptr));
                groups.back()->addAction(buttons.back().get());
            }
            home.addCategory(groups.back().get());
            return groups.back().get();
        };
        RibbonCategoryAction* changed = addGroup(font ? longCaption : QStringLiteral("G"));
        addGroup(QStringLiteral("Other"));
        RibbonCategoryAction* twin = font ? nullptr : addGroup(longCaption);
        home.setChecked(true);
        bar.addAction(&home);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RibbonCategoryPanel* page = bar.panels()->page(&home);
        RibbonCategoryWrapper* wrapper = page->wrapper(changed);
        QCOMPARE(wrapper->isColapsed(), collapsed);
        const QSize before = wrapper->size();

        if (font) {
            QFont bigger = page->font();
            bigger.setPixelSize(20);
            page->setFont(bigger);
            twin = addGroup(longCaption);
        } else {
            changed->setText(longCaption);
        }
        RibbonCategoryWrapper* reference = page->wrapper(twin);
        QTRY_COMPARE(wrapper->size(),
                     collapsed ? reference->minimumSizeHint() : reference->sizeHint());
        QVERIFY(wrapper->width() > before.width());
        QCOMPARE(wrapper->isColapsed(), collapsed);
        if (!collapsed)
            QCOMPARE(wrapper->category()->size(), reference->sizeHint());
        // The groups still follow one another with their gap.
        const QList<RibbonCategoryWrapper*>& wrappers = page->pageLayout()->wrappers();
        for (int i = 1; i < wrappers.size(); ++i)
            QCOMPARE(wrappers.at(i)->x(), wrappers.at(i - 1)->geometry().right() + 3);
    }
};

ORU_TEST_MAIN(TestPages)
#include "tst_pages.moc"
