// The quick access bar and the small buttons of the ribbon bar.
#include <oruRibbonApplication.h>
#include <oruRibbonButtonNormal.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonMenuBarButton.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStyle.h>
#include <oruRibbonSymbolButton.h>
#include <oruRibbonToolBar.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QLayout>
#include <algorithm>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;
using oru::test::skin;
using oru::test::solidIcon;

class TestSmallButtons : public QObject
{
    Q_OBJECT

private slots:
    void init() { oru::test::parkCursor(); }
    void quickAccessBar();
    void buttonNormalFrames_data();
    void buttonNormalFrames();
    void menuBarButtonLooks_data();
    void menuBarButtonLooks();
    void selectedTabOpensIntoPage_data();
    void selectedTabOpensIntoPage();
    void symbolButton();
    void toolBar();
};

void TestSmallButtons::quickAccessBar()
{
    RibbonMainWindow window;
    RibbonQuickAccessBar* qab = window.ribbonMenuBar()->quickAccessBar();
    QCOMPARE(qab->height(), 26);
    QCOMPARE(qab->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    QCOMPARE(qab->layout()->contentsMargins(), QMargins(10, 3, 3, 3));
    // The customize action comes first, with a 10-pixel button without icon.
    QCOMPARE(qab->actions().value(0), qab->customizeAction());
    QCOMPARE(qab->customizeAction()->text(), QStringLiteral("Customize Quick Access Toolbar"));
    // The bar's buttons but the chevron, which shows only when they do not fit.
    const auto barButtons = [qab] {
        QList<RibbonButtonNormal*> buttons = qab->findChildren<RibbonButtonNormal*>();
        buttons.removeIf([qab](RibbonButtonNormal* button) {
            return button->actions().value(0) == qab->overflowAction();
        });
        return buttons;
    };
    auto buttons = barButtons();
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.first()->minimumWidth(), buttons.first()->maximumWidth());
    QCOMPARE(buttons.first()->width(), 10);
    QVERIFY(buttons.first()->icon().isNull());

    // (Buttons added, removed, doubled and laid out: tst_qatcustomize.)
    auto save = std::make_unique<RibbonSimpleAction>(solidIcon(), QStringLiteral("Save"), nullptr);
    RibbonAction plain(QStringLiteral("plain"), nullptr);
    qab->addAction(save.get());
    qab->addAction(&plain); // no button for a plain ribbon action
    buttons = barButtons();
    QCOMPARE(buttons.size(), 2);
    window.resize(800, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    RibbonButtonNormal* saveButton = buttons.at(1);
    QCOMPARE(saveButton->toolTip(), QStringLiteral("Save"));
    QSignalSpy triggered(save.get(), &QAction::triggered);
    saveButton->click();
    QCOMPARE(triggered.count(), 1);
    save->setCheckable(true);
    save->setChecked(true);
    save->setEnabled(false);
    QVERIFY(saveButton->isChecked() && !saveButton->isEnabled());
    // The action deleted: its button leaves the bar and is deleted later;
    // until then nothing in it dangles.
    save.reset();
    QVERIFY(saveButton->parent() != qab);
    saveButton->setEnabled(true);
    saveButton->click();
    oru::test::drawsOf(saveButton, skin().normalButtonSmall());
}

void TestSmallButtons::buttonNormalFrames_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<int>("frame"); // -1: none

    QTest::newRow("disabled checked") << false << true << true << false << true << 0;
    QTest::newRow("disabled") << false << true << false << false << true << -1;
    QTest::newRow("checked pressed") << true << true << true << true << true << 2;
    QTest::newRow("checked hovered") << true << true << true << false << true << 3;
    QTest::newRow("checked") << true << true << true << false << false << 4;
    QTest::newRow("pressed") << true << false << false << true << false << 2;
    QTest::newRow("hovered") << true << false << false << false << true << 1;
    QTest::newRow("plain") << true << false << false << false << false << -1;
}

void TestSmallButtons::buttonNormalFrames()
{
    QFETCH(bool, checkable);
    QFETCH(bool, checked);
    QFETCH(int, frame);
    QWidget host;
    RibbonSimpleAction action(solidIcon(), QStringLiteral("a"), nullptr);
    action.setCheckable(checkable);
    action.setChecked(checked);
    QFETCH(bool, enabled);
    action.setEnabled(enabled);
    auto* button = new RibbonButtonNormal(&host);
    button->setGeometry(10, 10, 30, 24);
    button->addAction(&action);
    QFETCH(bool, pressed);
    button->setDown(pressed);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QFETCH(bool, hovered);
    if (hovered)
        oru::test::placeCursor(button, QPoint(5, 5));

    PaintRecorder recorder;
    button->render(&recorder);
    const auto draws = recorder.pixmapRects(skin().normalButtonSmall());
    QCOMPARE(draws.size(), frame < 0 ? 0 : 9);
    const int f = 22 * frame;
    if (frame >= 0) {
        QCOMPARE(draws.at(0).second, QRect(0, f, 2, 2));
        QCOMPARE(draws.at(1), qMakePair(QRect(2, 0, 26, 2), QRect(2, f, 18, 2)));
        QCOMPARE(draws.at(4), qMakePair(QRect(2, 2, 26, 20), QRect(2, f + 2, 18, 18)));
        QCOMPARE(draws.at(8), qMakePair(QRect(28, 22, 2, 2), QRect(20, f + 20, 2, 2)));
    }
    // The icon, at most 20x20 here, centred in the square of side 20.
    QCOMPARE(recorder.ops(PaintOp::Pixmap).last().target.toRect(), QRect(4, 4, 16, 16));
}

void TestSmallButtons::menuBarButtonLooks_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<int>("minimised"); // 0: no, 1: yes, 2: with its page popped up
    QTest::addColumn<int>("row");       // -1: none
    QTest::newRow("plain") << false << false << 0 << -1;
    QTest::newRow("hovered") << false << true << 0 << 48;
    QTest::newRow("checked") << true << false << 0 << 72;
    QTest::newRow("checked hovered") << true << true << 0 << 96;
    // No page shows: the selected tab looks like any other.
    QTest::newRow("checked minimised") << true << false << 1 << -1;
    QTest::newRow("checked minimised hovered") << true << true << 1 << 48;
    QTest::newRow("checked minimised popup") << true << false << 2 << 72;
}

void TestSmallButtons::menuBarButtonLooks()
{
    QFETCH(bool, checked);
    QFETCH(bool, hovered);
    QFETCH(int, minimised);
    QFETCH(int, row);
    RibbonMainWindow window;
    window.resize(600, 300);
    RibbonCategoriesPanelAction tab(QStringLiteral("Home"), nullptr);
    tab.setChecked(checked);
    window.ribbonMenuBar()->addAction(&tab);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* button = window.ribbonMenuBar()->findChild<RibbonMenuBarButton*>();
    QVERIFY(button);
    QCOMPARE(button->isChecked(), checked);
    window.ribbonMenuBar()->setMinimized(minimised > 0);
    if (minimised == 2) {
        oru::test::mousePress(button, QPoint(5, 5));
        QVERIFY(window.ribbonMenuBar()->minimizedPopup());
    }
    if (hovered)
        oru::test::placeCursor(button, QPoint(3, 3));
    const int w = button->width();

    PaintRecorder recorder;
    button->render(&recorder);
    using Rects = QList<QPair<QRect, QRect>>;
    QCOMPARE(recorder.pixmapRects(skin().menuBarButton()),
             (row < 0 ? Rects()
                      : Rects{{QRect(0, 0, 5, 24), QRect(0, row, 5, 24)},
                              {QRect(5, 0, w - 10, 24), QRect(5, row, 47, 24)},
                              {QRect(w - 5, 0, 5, 24), QRect(52, row, 5, 24)}}));
    const auto texts = recorder.ops(PaintOp::Text);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.first().text, QStringLiteral("Home"));
    QCOMPARE(texts.first().pen.color(),
             row >= 72 ? skin().highlightedCategoryTextColor() : skin().normalCategoryTextColor());
}

void TestSmallButtons::selectedTabOpensIntoPage_data()
{
    oru::test::addSkinRatioRows({1.0, 2.0});
}

void TestSmallButtons::selectedTabOpensIntoPage()
{
    QFETCH(int, style);
    QFETCH(qreal, ratio);
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::eRibbonStyle(style));
    RibbonMainWindow window;
    window.resize(600, 300);
    RibbonMenuBar& bar = *window.ribbonMenuBar();
    RibbonCategoriesPanelAction home(QStringLiteral("Home"), nullptr);
    RibbonCategoriesPanelAction insert(QStringLiteral("Insert"), nullptr);
    home.setChecked(true);
    bar.addAction(&home);
    bar.addAction(&insert);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QList<RibbonMenuBarButton*> tabs = bar.findChildren<RibbonMenuBarButton*>();
    std::sort(tabs.begin(), tabs.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    QCOMPARE(tabs.size(), 2);

    const int top = bar.panels()->y();
    const int far = bar.width() - 40; // under no tab
    QCOMPARE(tabs.at(1)->geometry().bottom() + 1, top);
    for (int selected = 0; selected < 2; ++selected) {
        if (selected == 1)
            oru::test::mousePress(tabs.at(1), QPoint(5, 5));
        QImage image((bar.size() * ratio), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        bar.render(&image);
        const auto at = [&](int x, int deviceRow) {
            return QColor(image.pixel(int(x * ratio), deviceRow));
        };
        // Finer images hold the tab's gradient in more rows: one step apart.
        const auto near = [](const QColor& a, const QColor& b) {
            return qAbs(a.red() - b.red()) <= 1 && qAbs(a.green() - b.green()) <= 1 &&
                   qAbs(a.blue() - b.blue()) <= 1;
        };
        const int pageRow = int(top * ratio);
        const QColor outline = at(far, pageRow);
        for (int t = 0; t < 2; ++t) {
            const int middle = tabs.at(t)->x() + tabs.at(t)->width() / 2;
            // The selected tab's last row runs on over the page's outline and
            // highlight; under the other tab the page keeps its outline.
            const QColor tabBottom = at(middle, pageRow - 1);
            for (int row = pageRow; row < pageRow + int(2 * ratio); ++row) {
                const QColor page = at(middle, row);
                QVERIFY2(t == selected ? near(page, tabBottom) : row > pageRow || page == outline,
                         qPrintable(QStringLiteral("tab %1 row %2: %3, tab %4, outline %5")
                                        .arg(t)
                                        .arg(row)
                                        .arg(page.name(), tabBottom.name(), outline.name())));
            }
            QVERIFY(t != selected || !near(tabBottom, outline));
        }
    }
    RibbonApplication::theApp()->setRibbonStyle(RibbonApplication::Blue);
}

void TestSmallButtons::symbolButton()
{
    QWidget host;
    host.resize(60, 40);
    auto* button = new RibbonSymbolButton(NavNext, &host);
    QVERIFY(!button->sizeHint().isValid());
    QVERIFY(button->hasMouseTracking());
    button->setGeometry(0, 0, 16, 16);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    const auto paint = [&]() {
        PaintRecorder recorder;
        button->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
        return recorder.ops();
    };
    // Idle: only the symbol, in the text colour.
    QVector<PaintOp> ops = paint();
    QCOMPARE(ops.size(), 1);
    QCOMPARE(ops.first().kind, PaintOp::Polygon);
    QCOMPARE(ops.first().brush.color(), skin().highlightedCategoryTextColor());
    // Hovered: a half-transparent box first.
    oru::test::placeCursor(button, QPoint(8, 8));
    ops = paint();
    QCOMPARE(ops.size(), 2);
    QCOMPARE(ops.first().rects.value(0).toRect(), QRect(1, 1, 13, 13));
    QCOMPARE(ops.first().pen.color(), skin().frameSunkenColor());
    QCOMPARE(ops.first().brush.color().alpha(), 128);
    button->setDown(true);
    QCOMPARE(paint().first().brush.color().alpha(), 255);
    button->setDown(false);
    // Disabled: no box, the disabled colour.
    button->setEnabled(false);
    ops = paint();
    QCOMPARE(ops.size(), 1);
    QCOMPARE(ops.first().brush.color(), skin().disabledCategoryTextColor());
}

void TestSmallButtons::toolBar()
{
    RibbonToolBar bar(nullptr);
    QHoverEvent hover(QEvent::HoverMove, QPointF(3, 3), QPointF(3, 3), QPointF(2, 2));
    QVERIFY(!QApplication::sendEvent(&bar, &hover)); // swallowed
    bar.resize(100, 30);
    PaintRecorder recorder;
    bar.render(&recorder); // the panel only, no crash without a parent
}

ORU_TEST_MAIN(TestSmallButtons)
#include "tst_smallbuttons.moc"
