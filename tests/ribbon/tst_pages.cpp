// Ribbon pages: the tab action, the page stack, the page with its adaptive
// collapse, and the collapsed wrapper with its popup.
#include <oruRibbonApplication.h>
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

#include <QScreen>

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

} // namespace

class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void init() { test::parkCursor(); }
    void tabActionModel();
    void stackFollowsTabs();
    void stackPaints();
    void pageMirrorsTabAction();
    void collapseOrder_data();
    void collapseOrder();
    void shrinkThenWiden();
    void placement();
    void collapsedSize_data();
    void collapsedSize();
    void wrapperPaint();
    void popupOpensAndClosesOnActivation();
    void popupPlacement_data();
    void popupPlacement();
    void removalWhileWidgetsExist();
};

void TestPages::tabActionModel()
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

    RibbonCategoryAction a(QStringLiteral("A"), nullptr);
    auto* b = new RibbonCategoryAction(QStringLiteral("B"), nullptr);
    tab.addCategory(&a);
    tab.addCategory(&a);
    tab.addCategory(nullptr);
    tab.addCategory(b);
    QCOMPARE(log, QStringList({QStringLiteral("changed"), QStringLiteral("added A"),
                               QStringLiteral("changed"), QStringLiteral("added B")}));
    log.clear();
    a.setText(QStringLiteral("A2")); // a category change repaints the page
    QCOMPARE(log, QStringList{QStringLiteral("changed")});

    log.clear();
    RibbonCategoryAction stranger(QStringLiteral("S"), nullptr);
    tab.removeCategory(&stranger);
    QVERIFY(log.isEmpty());
    delete b; // leaves by itself
    QCOMPARE(tab.categories(), QList<RibbonCategoryAction*>{&a});
    log.clear();
    tab.removeCategory(&a);
    QCOMPARE(log, QStringList({QStringLiteral("changed"), QStringLiteral("removed A2")}));
    log.clear();
    a.setText(QStringLiteral("A3"));
    QVERIFY(log.isEmpty());
}

void TestPages::stackFollowsTabs()
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

void TestPages::stackPaints()
{
    RibbonMainWindow owner;
    RibbonMenuBar& bar = *owner.ribbonMenuBar();
    RibbonCategoryPanels stack(bar);
    stack.resize(300, 92);
    PaintRecorder recorder;
    stack.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const QVector<PaintOp> draws = recorder.pixmapDraws(skin().categories());
    QCOMPARE(draws.size(), 3);
    QCOMPARE(draws.at(0).source.toRect(), QRect(0, 0, 5, 92));
    QCOMPARE(draws.at(0).target.toRect(), QRect(0, 0, 5, 92));
    QCOMPARE(draws.at(1).source.toRect(), QRect(5, 0, 70, 92));
    QCOMPARE(draws.at(1).target.toRect(), QRect(5, 0, 290, 92));
    QCOMPARE(draws.at(2).source.toRect(), QRect(75, 0, 5, 92));
    QCOMPARE(draws.at(2).target.toRect(), QRect(295, 0, 5, 92));
}

void TestPages::pageMirrorsTabAction()
{
    Page p;
    QCOMPARE(p.page->pageLayout()->sizeHint(), QSize(0, 85)); // empty page
    p.layoutAt(300); // places nothing, no crash
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
    QCOMPARE(page2->pageLayout()->wrappers().size(), 2);
    QCOMPARE(page2->pageLayout()->wrappers().at(0)->categoryAction(), p.categories.at(2).get());
    QCOMPARE(page2->pageLayout()->wrappers().at(1)->categoryAction(), p.categories.at(0).get());
    QCOMPARE(&page2->pageLayout()->wrappers().at(1)->page(), page2);
}

void TestPages::collapseOrder_data()
{
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("again"); // a second pass at the same width

    // Gains 100, 40, 40: the rightmost 40 goes first, then the middle one.
    QTest::newRow("ties rightmost first") << QList<int>{150, 90, 90} << 331 - 50 << "ECC"
                                          << "ECC";
    QTest::newRow("one step") << QList<int>{150, 90, 90} << 331 - 40 << "EEC" << "EEC";
    QTest::newRow("exact fit") << QList<int>{150, 90, 90} << 331 << "EEE" << "EEE";
    QTest::newRow("one pixel short") << QList<int>{150, 90, 90} << 330 << "EEC" << "EEC";
    QTest::newRow("all") << QList<int>{150, 90, 90} << 100 << "CCC" << "CCC";
    // Gains 40, 100, 10: 10 first, then 40 overshoots the need by 30, so
    // the next pass has room for the 10 again.
    QTest::newRow("smallest gain first") << QList<int>{90, 150, 60} << 280 << "CEC" << "CEE";
    QTest::newRow("tie on the left") << QList<int>{90, 90, 150} << 300 << "ECE" << "ECE";
    QTest::newRow("one category fits") << QList<int>{120} << 121 << "E" << "E";
    QTest::newRow("one category short") << QList<int>{120} << 120 << "C" << "C";
}

void TestPages::collapseOrder()
{
    QFETCH(QList<int>, widths);
    QFETCH(int, pageWidth);
    QFETCH(QString, expected);
    QFETCH(QString, again);
    Page p;
    for (int w : widths)
        p.add(w);
    p.layoutAt(pageWidth);
    QCOMPARE(p.states(), expected);
    p.layoutAt(pageWidth);
    QCOMPARE(p.states(), again);
    p.layoutAt(pageWidth);
    QCOMPARE(p.states(), again);
}

void TestPages::shrinkThenWiden()
{
    Page p;
    p.add(150);
    p.add(90);
    p.add(90);
    p.layoutAt(251); // avail 250: two 40s go
    QCOMPARE(p.states(), QStringLiteral("ECC"));
    p.layoutAt(150);
    QCOMPARE(p.states(), QStringLiteral("CCC"));
    // Widening to the same width expands the smallest gains first.
    p.layoutAt(251);
    QCOMPARE(p.states(), QStringLiteral("CEE"));
    p.layoutAt(331);
    QCOMPARE(p.states(), QStringLiteral("EEE"));
    // A single category that does not fit collapses and comes back when
    // width - 1 reaches its full width.
    Page single;
    single.add(120);
    single.layoutAt(100);
    QCOMPARE(single.states(), QStringLiteral("C"));
    single.layoutAt(120);
    QCOMPARE(single.states(), QStringLiteral("C"));
    single.layoutAt(121);
    QCOMPARE(single.states(), QStringLiteral("E"));
}

void TestPages::placement()
{
    Page p;
    p.add(150);
    p.add(90);
    p.add(90);
    p.page->pageLayout()->setGeometry(QRect(40, 3, 281, 85)); // offset not added
    QCOMPARE(p.wrapper(0)->geometry(), QRect(0, 0, 150, 85));
    QCOMPARE(p.wrapper(1)->geometry(), QRect(152, 0, 50, 85));
    QCOMPARE(p.wrapper(2)->geometry(), QRect(204, 0, 50, 85));
    QVERIFY(p.wrapper(0)->category()->isVisibleTo(p.wrapper(0)));
    QVERIFY(!p.wrapper(1)->category()->isVisibleTo(p.wrapper(1)));
    QCOMPARE(p.wrapper(0)->category()->geometry(), QRect(0, 0, 150, 85));

    // Through the real widgets: a shown window relays the page on resize.
    p.window.resize(1000, 200);
    p.stack->setGeometry(0, 0, 281 + 8, 92);
    p.window.show();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(p.page->geometry(), QRect(4, 3, 281, 85));
    QCOMPARE(p.states(), QStringLiteral("ECC"));
    p.stack->setGeometry(0, 0, 331 + 8, 92);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(p.states(), QStringLiteral("EEE"));
    QCOMPARE(p.wrapper(2)->geometry(), QRect(244, 0, 90, 85));
}

void TestPages::collapsedSize_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("short") << QStringLiteral("Font") << 13;
    QTest::newRow("empty") << QString() << 13;
    QTest::newRow("two words 12px") << QStringLiteral("Paragraph Settings") << 12;
    QTest::newRow("three words 12px") << QStringLiteral("Insert Page Breaks") << 12;
    QTest::newRow("narrow words 12px") << QStringLiteral("ab cd ef gh") << 12;
    QTest::newRow("two words 13px") << QStringLiteral("Paragraph Settings") << 13;
}

void TestPages::collapsedSize()
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
    int narrowest = -1;
    for (int w = 1; w <= 2 * tw && narrowest < 0; ++w)
        if (fm.boundingRect(QRect(0, 0, w, 0), flags, caption).height() <= 2 * fm.height())
            narrowest = w;
    const int best = fm.boundingRect(QRect(0, 0, narrowest, 0), flags, caption).width();
    const int expected = best > 37 ? best + 12 : 50;
    QVERIFY2(qAbs(size.width() - expected) <= 1,
             qPrintable(QStringLiteral("%1 vs %2").arg(size.width()).arg(expected)));
    if (pixelSize == 12 && caption.contains(QLatin1Char(' ')))
        QVERIFY(size.width() < tw + 12); // it wrapped
}

void TestPages::wrapperPaint()
{
    Page p;
    QPixmap iconPixmap(24, 24);
    iconPixmap.fill(Qt::red);
    RibbonCategoryAction* category = p.add(120, QStringLiteral("Tools"));
    category->setIcon(QIcon(iconPixmap));
    RibbonCategoryWrapper* wrapper = p.wrapper(0);
    const QPixmap& back = skin().categoryWrapperBack();

    {
        PaintRecorder expanded;
        wrapper->render(&expanded, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        QCOMPARE(expanded.pixmapDraws(back).size(), 0);
    }
    // Shown (hidden widgets do not paint), on a page 60 wide.
    p.window.resize(200, 100);
    p.stack->setGeometry(0, 0, 68, 92);
    p.window.show();
    QCoreApplication::sendPostedEvents();
    QVERIFY(wrapper->isColapsed());
    QCOMPARE(wrapper->width(), 50);

    struct State
    {
        bool hover;
        bool checked;
        int row;
    };
    for (const State& state : {State{false, false, 0}, State{true, false, 85},
                               State{false, true, 170}, State{true, true, 170}}) {
        wrapper->setAttribute(Qt::WA_UnderMouse, state.hover);
        if (state.checked) {
            // Drawn pressed while its popup is open.
            wrapper->setMyChecked(true);
            QVERIFY(wrapper->popup());
        }
        PaintRecorder recorder;
        wrapper->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        const QVector<PaintOp> draws = recorder.pixmapDraws(back);
        QCOMPARE(draws.size(), 3);
        QCOMPARE(draws.at(0).source.toRect(), QRect(0, state.row, 3, 85));
        QCOMPARE(draws.at(0).target.toRect(), QRect(0, 0, 3, 85));
        QCOMPARE(draws.at(1).source.toRect(), QRect(3, state.row, 46, 85));
        QCOMPARE(draws.at(1).target.toRect(), QRect(3, 0, 44, 85));
        QCOMPARE(draws.at(2).source.toRect(), QRect(49, state.row, 3, 85));
        QCOMPARE(draws.at(2).target.toRect(), QRect(47, 0, 3, 85));
        const QVector<PaintOp> symbol = recorder.pixmapDraws(skin().categoryWrapperIcon());
        QCOMPARE(symbol.size(), 1);
        QCOMPARE(symbol.at(0).source.toRect(), QRect(0, 0, 38, 38));
        QCOMPARE(symbol.at(0).target.toRect(), QRect(25 - 19, 6, 38, 38));
        // The 24 x 24 icon centred on (25, 21).
        bool iconSeen = false;
        for (const PaintOp& op : recorder.ops(PaintOp::Pixmap))
            if (op.target.toRect() == QRect(25 - 12, 21 - 12, 24, 24))
                iconSeen = true;
        QVERIFY(iconSeen);
        QCOMPARE(recorder.texts(), QStringList{QStringLiteral("Tools")});
        QCOMPARE(recorder.ops(PaintOp::Text).at(0).pen.color(),
                 skin().categoryWrapperCaptionTextColor());
        if (state.checked) {
            wrapper->popup()->close();
            flushDeletes();
            QVERIFY(!wrapper->popup());
            QVERIFY(!wrapper->isMyChecked());
        }
    }
}

void TestPages::popupOpensAndClosesOnActivation()
{
    Page p;
    RibbonCategoryAction* category = p.add(120, QStringLiteral("Clip"));
    RibbonCatSimpleAction* button = p.actions.back().get();
    RibbonCategoryWrapper* wrapper = p.wrapper(0);

    test::mousePress(wrapper, QPoint(5, 5)); // expanded: ignored
    QVERIFY(!wrapper->popup());
    QVERIFY(!wrapper->isMyChecked());

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
    QVERIFY(popup->popupCategory()->widget(button));
    test::mousePress(wrapper, QPoint(5, 5)); // a second press does nothing
    QCOMPARE(wrapper->popup(), popup.data());

    // Expanding the wrapper leaves the popup open.
    p.layoutAt(500);
    QVERIFY(!wrapper->isColapsed());
    QVERIFY(popup->isVisible());
    p.layoutAt(60);

    // Using a control of the group closes the popup; it is deleted later.
    auto* control = qobject_cast<RibbonCatSimpleButton*>(popup->popupCategory()->widget(button));
    QVERIFY(control);
    QSignalSpy activated(category, &RibbonAction::activated);
    test::mouseClick(control, QPoint(3, 3));
    QCOMPARE(activated.count(), 1);
    QVERIFY(!popup->isVisible());
    QVERIFY(!wrapper->isMyChecked());
    flushDeletes();
    QVERIFY(popup.isNull());
    QVERIFY(!wrapper->popup());

    // And it opens again afterwards.
    test::mousePress(wrapper, QPoint(5, 5));
    QVERIFY(wrapper->popup());
    wrapper->popup()->close();
    flushDeletes();
}

void TestPages::popupPlacement_data()
{
    QTest::addColumn<QPoint>("windowPos");
    QTest::addColumn<bool>("above");
    QTest::addColumn<bool>("shifted");
    QTest::newRow("room everywhere") << QPoint(10, 10) << false << false;
    QTest::newRow("bottom edge") << QPoint(10, 10000) << true << false;
    QTest::newRow("right edge") << QPoint(10000, 10) << false << true;
    QTest::newRow("both") << QPoint(10000, 10000) << true << true;
}

void TestPages::popupPlacement()
{
    QFETCH(QPoint, windowPos);
    QFETCH(bool, above);
    QFETCH(bool, shifted);
    QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    const QRect avail = screen->availableGeometry();

    Page p;
    p.add(200, QStringLiteral("Wide"));
    p.add(90, QStringLiteral("Narrow"));
    p.window.resize(400, 100);
    p.stack->setGeometry(0, 0, 400, 92);
    // Clamp the window so that the page sits near the asked edge.
    const QPoint pos(qMin(windowPos.x(), avail.right() - 300),
                     qMin(windowPos.y(), avail.bottom() - 120));
    p.window.move(pos);
    p.window.show();
    QCoreApplication::sendPostedEvents();
    p.layoutAt(120); // both collapse
    RibbonCategoryWrapper* wrapper = p.wrapper(1);
    QVERIFY(wrapper->isColapsed());

    wrapper->setMyChecked(true);
    RibbonCategoryWrapperPopup* popup = wrapper->popup();
    QVERIFY(popup);
    popup->resize(popup->sizeHint()); // resize runs the placement
    popup->resize(200 + (shifted ? 100 : 0), 85 + (above ? 0 : 0));
    const int w = popup->width();
    const int h = popup->height();
    const QPoint anchor = wrapper->mapToGlobal(
        QPoint(0, p.page->geometry().bottom() - wrapper->y()));
    QPoint expected = anchor;
    if (anchor.y() + h - 1 > avail.bottom())
        expected.setY(anchor.y() - h - 91);
    if (anchor.x() + w - 1 > avail.right())
        expected.setX(avail.right() - w + 1);
    QCOMPARE(popup->pos(), expected);
    QCOMPARE(expected.y() != anchor.y(), above);
    QCOMPARE(expected.x() != anchor.x(), shifted);

    const QRegion mask = popup->mask();
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(mask.contains(QPoint(1, 0)));
    QVERIFY(mask.contains(QPoint(0, 1)));
    QVERIFY(!mask.contains(QPoint(w - 1, 0)));
    QVERIFY(!mask.contains(QPoint(0, h - 1)));
    QVERIFY(!mask.contains(QPoint(w - 1, h - 1)));
    QVERIFY(mask.contains(QPoint(w / 2, h / 2)));
    QVERIFY(mask.contains(QPoint(w - 3, h - 3)));
    popup->close();
    flushDeletes();
}

void TestPages::removalWhileWidgetsExist()
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

    // The tab action destroyed first takes the page with it.
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

ORU_TEST_MAIN(TestPages)
#include "tst_pages.moc"
