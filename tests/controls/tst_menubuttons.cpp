#include <oruRibbonApplication.h>
#include <oruRibbonCatColorMenuAction.h>
#include <oruRibbonCatColorMenuButton.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatMenuButton.h>
#include <oruRibbonCatMenuButton_p.h>
#include <oruRibbonCatMenuPalettePopup.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStyle.h>
#include <oruRibbonViewPopup.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>

using namespace oru;
using namespace oru::test;

class TestMenuButtons : public QObject
{
    Q_OBJECT

private slots:
    void splitFrames_data();
    void splitFrames();
    void splitButton_data();
    void splitButton();
    void largeCaptionWraps();
    void actionGoesWhilePopupOpen_data();
    void actionGoesWhilePopupOpen();
    void unknownPopupTypeOpensNothing();
    void viewPopupEntriesDestroyed();
    void mediumSplitSlices();
    void paletteScrolling();
    void palettePopupGeometry();
};

void TestMenuButtons::splitFrames_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("split");
    QTest::addColumn<bool>("caption");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<bool>("popupOpen");
    QTest::addColumn<bool>("toggled");
    QTest::addColumn<bool>("defDisabled");
    QTest::addColumn<int>("fc");
    QTest::addColumn<int>("fm");
    const int L = RibbonCatMenuAction::Large, M = RibbonCatMenuAction::Medium;
    QTest::newRow("idle") << L << true << false << false << false << false << false << -1 << -1;
    QTest::newRow("idle toggled") << M << true << false << false << false << true << false << 1
                                  << -1;
    QTest::newRow("caption pressed")
        << L << true << true << false << false << false << false << 1 << 4;
    QTest::newRow("menu pressed") << M << true << false << true << true << false << false << 5 << 2;
    QTest::newRow("menu pressed toggled")
        << L << true << false << true << true << true << false << 1 << 2;
    QTest::newRow("menu pressed def off")
        << M << true << false << true << true << false << true << 4 << 2;
    QTest::newRow("unsplit large pressed")
        << L << false << false << true << true << false << false << 2 << 2;
    QTest::newRow("unsplit medium before open")
        << M << false << false << true << false << false << false << 1 << 1;
    QTest::newRow("unsplit medium open")
        << M << false << false << true << true << false << false << 2 << 2;
}

void TestMenuButtons::splitFrames()
{
    QFETCH(int, size);
    QFETCH(bool, split);
    QFETCH(bool, caption);
    QFETCH(bool, menu);
    QFETCH(bool, popupOpen);
    QFETCH(bool, toggled);
    QFETCH(bool, defDisabled);
    QFETCH(int, fc);
    QFETCH(int, fm);
    parkCursor();
    RibbonCatMenuAction action("Paste", RibbonCatMenuAction::Button,
                               RibbonCatMenuAction::eMenuSize(size), RibbonCatMenuAction::Menu,
                               nullptr);
    RibbonSimpleAction def("Paste", nullptr);
    def.setCheckable(true);
    def.setChecked(toggled);
    def.setEnabled(!defDisabled);
    if (split)
        action.addAction(&def, true);
    action.setToBeToggled(false);
    RibbonCatMenuButton button(action, nullptr);
    auto* priv = qobject_cast<RibbonCatMenuButtonBPriv*>(button.priv());
    QVERIFY(priv);
    priv->m_captionPressed = caption;
    priv->m_menuPressed = menu;
    priv->m_popupOpen = popupOpen;
    QCOMPARE(priv->frames(), std::make_pair(fc, fm));
}

namespace {

// The top-left corner of the first arrow symbol a widget paints.
QPoint arrowAt(QWidget& widget)
{
    PaintRecorder recorder;
    widget.render(&recorder);
    const QVector<PaintOp> polygons = recorder.ops(PaintOp::Polygon);
    return polygons.isEmpty() ? QPoint(-1, -1)
                              : polygons.first().polygon.boundingRect().topLeft().toPoint();
}

} // namespace

void TestMenuButtons::splitButton_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("large") << int(RibbonCatMenuAction::Large);
    QTest::newRow("medium") << int(RibbonCatMenuAction::Medium);
    QTest::newRow("small") << int(RibbonCatMenuAction::Small);
}

// A split button triggers its default from the caption part and opens one
// popup from the menu part. Right to left it is its own mirror: frames,
// drop-down part, arrow and icon at mirrored places (the images flipped, not
// other images), and a press on the mirrored drop-down part opens the menu.
void TestMenuButtons::splitButton()
{
    QFETCH(int, size);
    RibbonCatMenuAction action(solidIcon(), "Paste", RibbonCatMenuAction::Button,
                               RibbonCatMenuAction::eMenuSize(size), RibbonCatMenuAction::Menu,
                               nullptr);
    RibbonSimpleAction def("Paste", nullptr), plain("Plain text", nullptr);
    def.setIcon(solidIcon());
    action.addAction(&def, true);
    action.addAction(&plain);
    RibbonCatMenuButton button(action, nullptr);
    button.resize(button.sizeHint());
    const bool large = size == RibbonCatMenuAction::Large;
    const QPoint caption(2, 10);
    const QPoint menuPart = large ? QPoint(5, 37) : QPoint(button.width() - 11, 10);
    const QPoint lastCaption = large ? QPoint(5, 36) : QPoint(button.width() - 12, 10);
    auto* priv = qobject_cast<RibbonCatMenuButtonBPriv*>(button.priv());
    QSignalSpy triggered(&def, &QAction::triggered);
    // press and release in the caption part trigger; a release below does not
    mouseClick(&button, lastCaption);
    QCOMPARE(triggered.count(), 1);
    mousePress(&button, caption);
    mouseRelease(&button, menuPart);
    QCOMPARE(triggered.count(), 1);
    // the menu part opens one popup and only one
    mousePress(&button, menuPart);
    QVERIFY(priv->m_popupOpen && priv->m_menuPressed);
    QPointer<QWidget> popup = priv->m_popup;
    auto* menu = qobject_cast<QMenu*>(popup.data());
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 2);
    mousePress(&button, menuPart);
    QCOMPARE(priv->m_popup.data(), popup.data());
    menu->hide();
    QVERIFY(!priv->m_popupOpen && !priv->m_menuPressed);
    QTRY_VERIFY(popup.isNull());
    QCOMPARE(triggered.count(), 1);

    // Both parts framed: the caption pressed, the menu part beside it.
    priv->m_captionPressed = true;
    const auto record = [&button] {
        PaintRecorder recorder(button.size());
        button.render(&recorder);
        QVector<PaintOp> ops;
        for (const PaintOp& op : recorder.ops())
            if (op.kind == PaintOp::Pixmap || op.kind == PaintOp::Polygon)
                ops << op;
        return ops;
    };
    const auto ltr = record();
    button.setLayoutDirection(Qt::RightToLeft);
    const auto rtl = record();
    priv->m_captionPressed = false;
    QVERIFY(ltr.size() > 3);
    QCOMPARE(rtl.size(), ltr.size());
    const int w = button.width();
    for (int i = 0; i < ltr.size(); ++i) {
        const bool pixmap = ltr.at(i).kind == PaintOp::Pixmap;
        const QRectF a = pixmap ? ltr.at(i).target : ltr.at(i).polygon.boundingRect();
        const QRectF b = pixmap ? rtl.at(i).target : rtl.at(i).polygon.boundingRect();
        QCOMPARE(rtl.at(i).source, ltr.at(i).source);
        QCOMPARE(b, QRectF(w - a.x() - a.width(), a.y(), a.width(), a.height()));
    }
    mousePress(&button, QPoint(w - 1 - menuPart.x(), menuPart.y()));
    QTRY_VERIFY(priv->m_popupOpen);
    if (QWidget* shown = priv->m_popup)
        shown->hide();
}

void TestMenuButtons::largeCaptionWraps()
{
    // A three-word caption takes two lines at the narrowest width; the
    // arrow then sits right of the second line.
    const QString text = QStringLiteral("Format Painter Tool");
    RibbonCatMenuAction action(text, RibbonCatMenuAction::Button, RibbonCatMenuAction::Large,
                               RibbonCatMenuAction::Menu, nullptr);
    RibbonCatMenuButton menuButton(action, nullptr);
    RibbonCatColorMenuAction color(QIcon(), text, RibbonCatColorMenuAction::Large, nullptr);
    RibbonCatColorMenuButton colorButton(color, nullptr);
    const QFontMetrics fm(menuButton.font());
    const int lineWidth = fm.horizontalAdvance(QStringLiteral("Painter Tool"));
    QVERIFY(lineWidth < fm.horizontalAdvance(text));

    auto* priv = qobject_cast<RibbonCatMenuButtonBPriv*>(menuButton.priv());
    QCOMPARE(priv->m_textLines, 2);
    QVERIFY2(qAbs(priv->m_textWidth - lineWidth) <= 1,
             qPrintable(QString::number(priv->m_textWidth)));
    QCOMPARE(menuButton.sizeHint(), QSize(priv->m_textWidth + 13, 66));
    const QSize colorHint = colorButton.sizeHint();
    QVERIFY2(qAbs(colorHint.width() - (lineWidth + 15)) <= 1,
             qPrintable(QString::number(colorHint.width())));

    for (QWidget* button :
         {static_cast<QWidget*>(&menuButton), static_cast<QWidget*>(&colorButton)}) {
        button->resize(button->sizeHint());
        QCOMPARE(arrowAt(*button), QPoint(button->width() - 7, 56));
        // No letter reaches into the arrow's columns.
        PaintRecorder recorder;
        button->render(&recorder);
        const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
        QVERIFY(!texts.isEmpty());
        for (const PaintOp& op : texts)
            QVERIFY2(oru::test::inkBox(op).right() <= button->width() - 8,
                     qPrintable(QStringLiteral("%1 ends at %2, button %3 wide")
                                    .arg(op.text)
                                    .arg(oru::test::inkBox(op).right())
                                    .arg(button->width())));
    }
}

void TestMenuButtons::actionGoesWhilePopupOpen_data()
{
    QTest::addColumn<int>("menuType");
    QTest::addColumn<int>("popupType");
    QTest::addColumn<QPoint>("press");
    QTest::newRow("menu") << 0 << 0 << QPoint(5, 50);
    QTest::newRow("palette popup") << 0 << 1 << QPoint(5, 50);
    QTest::newRow("view popup") << 0 << 2 << QPoint(5, 50);
    QTest::newRow("in-ribbon palette") << 1 << 1 << QPoint(235, 50);
}

void TestMenuButtons::actionGoesWhilePopupOpen()
{
    QFETCH(int, menuType);
    QFETCH(int, popupType);
    QFETCH(QPoint, press);
    // A button its host keeps, and one that goes while its popup is open:
    // either way the popup must go with the action or the button.
    for (bool deleteButton : {false, true}) {
        auto* action = new RibbonCatMenuAction("Styles", RibbonCatMenuAction::eMenuType(menuType),
                                               RibbonCatMenuAction::Large,
                                               RibbonCatMenuAction::ePopupType(popupType), nullptr);
        action->addAction(new RibbonSimpleAction("Entry", action));
        action->addTopAction(new RibbonSimpleAction("Top", action));
        QWidget window;
        auto* button = new RibbonCatMenuButton(*action, &window);
        button->resize(button->sizeHint());
        window.show();
        mousePress(button, press);
        QVERIFY(button->findChild<RibbonCatMenuButtonPriv*>());
        QPointer<QWidget> popup =
            QApplication::activePopupWidget() ? QApplication::activePopupWidget() : nullptr;
        QVERIFY(popup && popup->isVisible());
        if (deleteButton) {
            delete button;
            delete action;
        } else {
            delete action;
            QCOMPARE(button->action(), nullptr);
            QCOMPARE(button->priv(), nullptr);
            QCOMPARE(button->sizeHint(), QSize(-1, -1));
            mousePress(button, press);
            mouseRelease(button, press);
            PaintRecorder recorder;
            button->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
            QVERIFY(recorder.ops().isEmpty());
        }
        QTRY_VERIFY(popup.isNull());
    }
}

void TestMenuButtons::unknownPopupTypeOpensNothing()
{
    RibbonCatMenuAction action("Odd", RibbonCatMenuAction::Button, RibbonCatMenuAction::Medium,
                               RibbonCatMenuAction::ePopupType(7), nullptr);
    RibbonCatMenuButton button(action, nullptr);
    button.resize(button.sizeHint());
    auto* priv = qobject_cast<RibbonCatMenuButtonBPriv*>(button.priv());
    mouseClick(&button, QPoint(5, 5));
    QVERIFY(!priv->m_menuPressed && !priv->m_popupOpen);
    QCOMPARE(priv->frames(), std::make_pair(-1, -1));
}

void TestMenuButtons::viewPopupEntriesDestroyed()
{
    RibbonCatMenuAction action("View", RibbonCatMenuAction::Button, RibbonCatMenuAction::Small,
                               RibbonCatMenuAction::ViewPopup, nullptr);
    auto* top = new RibbonSimpleAction("Top", nullptr);
    RibbonSimpleAction bottom("Bottom", nullptr);
    action.addTopAction(top);
    action.addTopAction(nullptr);
    action.addBottomAction(&bottom);
    QCOMPARE(action.topActions(), QList<RibbonSimpleAction*>{top});
    delete top;
    QVERIFY(action.topActions().isEmpty());
    QCOMPARE(action.bottomActions(), QList<RibbonSimpleAction*>{&bottom});
    std::unique_ptr<RibbonViewPopup> popup(action.fillMenu());
    QCOMPARE(popup->buttons().size(), 1);
}

void TestMenuButtons::mediumSplitSlices()
{
    parkCursor();
    RibbonCatMenuAction action("Paste", RibbonCatMenuAction::Button, RibbonCatMenuAction::Medium,
                               RibbonCatMenuAction::Menu, nullptr);
    RibbonSimpleAction def("Paste", nullptr);
    action.addAction(&def, true);
    RibbonCatMenuButton button(action, nullptr);
    const QFontMetrics fm(button.font());
    QCOMPARE(button.sizeHint(), QSize(fm.horizontalAdvance("Paste") + 15 + 4, 22));
    button.resize(button.sizeHint());
    const int w = button.width();
    qobject_cast<RibbonCatMenuButtonBPriv*>(button.priv())->m_menuPressed = true;
    PaintRecorder recorder;
    button.render(&recorder);
    const RibbonStyle& skin = *RibbonApplication::theApp()->ribbonStyle();
    using Rects = QList<QPair<QRect, QRect>>;
    // caption frame 5, menu frame 2
    QCOMPARE(recorder.pixmapRects(skin.horizontalMenuButtonCaption()),
             Rects({{{0, 0, 2, 22}, {0, 110, 2, 22}},
                    {{2, 0, w - 14, 22}, {2, 110, 19, 22}},
                    {{w - 12, 0, 1, 22}, {21, 110, 1, 22}}}));
    QCOMPARE(recorder.pixmapRects(skin.horizontalMenuButtonMenu()),
             Rects({{{w - 11, 0, 11, 22}, {0, 44, 11, 22}}}));
}

void TestMenuButtons::paletteScrolling()
{
    RibbonCatMenuAction action("Styles", RibbonCatMenuAction::Palette, RibbonCatMenuAction::Large,
                               RibbonCatMenuAction::PalettePopup, nullptr);
    QList<RibbonSimpleAction*> items;
    for (int i = 0; i < 10; ++i) {
        items.append(new RibbonSimpleAction(QString::number(i), &action));
        action.addAction(items.last());
    }
    RibbonCatMenuButton button(action, nullptr);
    button.resize(button.sizeHint());
    QCOMPARE(button.size(), QSize(241, 60));
    auto* priv = qobject_cast<RibbonCatMenuButtonPPriv*>(button.priv());
    QVERIFY(priv);
    QVERIFY(!priv->m_canScrollUp && priv->m_canScrollDown);
    const auto runTicks = [priv](int ticks) {
        for (int i = 0; i < ticks && priv->m_scrollTimer.isActive(); ++i)
            QMetaObject::invokeMethod(priv, "timerEvent");
        return priv->m_scrollTimer.isActive();
    };
    const QPoint down(235, 30), up(235, 5);
    mousePress(&button, down);
    QVERIFY(priv->m_downPressed && priv->m_scrollTimer.isActive());
    QCOMPARE(priv->m_targetFirst, 4);
    QVERIFY(runTicks(29));
    QCOMPARE(priv->m_scrollOffset, -58);
    QVERIFY(!runTicks(1)); // one row takes exactly 30 ticks
    QCOMPARE(priv->m_shownFirst, 4);
    QCOMPARE(priv->m_scrollOffset, 0);
    // the second step down reaches the end: the held down flag is dropped
    priv->onScrollDown();
    QVERIFY(!priv->m_canScrollDown && !priv->m_downPressed);
    mouseRelease(&button, down);
    QVERIFY(!runTicks(100));
    QCOMPARE(priv->m_shownFirst, 8);
    for (int i = 0; i < 2; ++i) {
        mouseClick(&button, up);
        QVERIFY(!runTicks(100));
    }
    QCOMPARE(priv->m_shownFirst, 0);
    QVERIFY(!priv->m_canScrollUp && !priv->m_upPressed);
    // items: press one, release on another triggers nothing; same item triggers
    QSignalSpy t0(items[0], &QAction::triggered), t1(items[1], &QAction::triggered);
    mousePress(&button, QPoint(20, 20));
    mouseRelease(&button, QPoint(80, 20));
    QCOMPARE(t0.count() + t1.count(), 0);
    mouseClick(&button, QPoint(80, 20));
    QCOMPARE(t1.count(), 1);
    QCOMPARE(t0.count(), 0);
    // entries removed under a scrolled palette: it falls back to the last row
    // that still has entries instead of showing an empty one
    for (int i = 0; i < 2; ++i) {
        mouseClick(&button, down);
        QVERIFY(!runTicks(100));
    }
    QCOMPARE(priv->m_shownFirst, 8);
    for (int i = 9; i >= 6; --i)
        action.removeAction(items[i]);
    QCOMPARE(priv->m_shownFirst, 4);
    QCOMPARE(priv->m_targetFirst, 4);
    QVERIFY(priv->m_canScrollUp && !priv->m_canScrollDown);
    QCOMPARE(priv->itemCells().first().first, items[4]);
    // with fewer items than a row neither direction is available
    for (int i = 5; i >= 3; --i)
        action.removeAction(items[i]);
    QCOMPARE(priv->m_shownFirst, 0);
    QVERIFY(!priv->m_canScrollUp && !priv->m_canScrollDown);
}

void TestMenuButtons::palettePopupGeometry()
{
    RibbonCatMenuAction action("Symbols", RibbonCatMenuAction::Button, RibbonCatMenuAction::Small,
                               RibbonCatMenuAction::PalettePopup, nullptr);
    for (int i = 0; i < 100; ++i)
        action.addAction(new RibbonSimpleAction(QString::number(i), &action));
    QWidget opener;
    opener.setGeometry(100, 100, 40, 22);
    opener.show();
    auto* popup = new RibbonCatMenuPalettePopup(action, &opener);
    QSignalSpy closed(popup, &RibbonCatMenuPalettePopup::closed);
    const int sbw = popup->scrollBar()->sizeHint().width();
    const int sbh = popup->scrollBar()->sizeHint().height();
    QCOMPARE(popup->size(), QSize(sbw + 246, qMax(9 * 20, sbh) + 15));
    QCOMPARE(popup->numColumns(), 12);
    const QPoint anchor = opener.mapToGlobal(QPoint(0, 21));
    QCOMPARE(popup->pos(), QPoint(anchor.x() - 2, anchor.y() - 1));
    QCOMPARE(popup->gripSizerCorner(), Qt::BottomRightCorner);
    // shrink: scroll, then widen by one cell; firstIndex snaps to the new row start
    popup->resize(popup->width(), 15 + 3 * 20);
    QCOMPARE(popup->scrollBar()->maximum(), 9 - 3);
    QVERIFY(popup->scrollBar()->isEnabled());
    popup->scrollBar()->setValue(2);
    QCOMPARE(popup->firstIndex(), 24);
    popup->resize(popup->width() + 20, popup->height());
    QCOMPARE(popup->numColumns(), 13);
    QCOMPARE(popup->firstIndex(), 13);
    QCOMPARE(popup->scrollBar()->maximum(), 8 - 3);
    // entries that go while the popup is open take their rows off the scroll range
    popup->scrollBar()->setValue(5);
    QCOMPARE(popup->firstIndex(), 65);
    qDeleteAll(action.menuActions().mid(40)); // 40 left: 4 rows of 13, 3 visible
    QCOMPARE(popup->scrollBar()->maximum(), 1);
    QCOMPARE(popup->firstIndex(), 13);
    QVERIFY(!popup->itemRect(39).isEmpty());
    qDeleteAll(action.menuActions().mid(30)); // 3 rows: everything fits
    QVERIFY(!popup->scrollBar()->isEnabled());
    QCOMPARE(popup->scrollBar()->maximum(), 0);
    QCOMPARE(popup->firstIndex(), 0);
    for (int i = 30; i < 100; ++i)
        action.addAction(new RibbonSimpleAction(QString::number(i), &action));
    QCOMPARE(popup->scrollBar()->maximum(), 8 - 3);
    QVERIFY(popup->scrollBar()->isEnabled());
    // near the bottom of the screen the popup opens upwards, grip at the top
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    opener.move(100, avail.bottom() - 30);
    popup->resize(popup->width(), popup->height() + 1);
    const QPoint a2 = opener.mapToGlobal(QPoint(0, 21));
    QCOMPARE(popup->y(), a2.y() - popup->height());
    QCOMPARE(popup->gripSizerCorner(), Qt::TopRightCorner);
    QCOMPARE(popup->sizer()->pos(), QPoint(popup->width() - 10, 1));
    QCOMPARE(popup->scrollBar()->y(), 11);
    // dragging the top grip moves the top edge, the bottom stays
    const QRect before = popup->geometry();
    QWidget* grip = popup->sizer();
    mousePress(grip, QPoint(2, 2));
    mouseMove(grip, QPoint(2, 2 - 20), Qt::LeftButton);
    mouseRelease(grip, QPoint(2, 2 - 20));
    QCOMPARE(popup->geometry().bottom(), before.bottom());
    QCOMPARE(popup->geometry().top(), before.top() - 20);
    popup->close();
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(opener.findChildren<RibbonCatMenuPalettePopup*>().isEmpty());
}

ORU_TEST_MAIN(TestMenuButtons)
#include "tst_menubuttons.moc"
