#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatMenuButton.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonViewButton.h>
#include <oruRibbonViewPopup.h>

#include "oruPaintRecorder.h"
#include "oruPopupPlacement_p.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>

using namespace oru;
using namespace oru::test;

class TestViewPopup : public QObject
{
    Q_OBJECT

private slots:
    void gridSkipsDisabled();
    void statusBarPopupPainting();
    void popupsStayOnScreen_data();
    void popupsStayOnScreen();
};

namespace {

// The skin-independent highlight of a view button of size w x h: the left
// edge from the caption image, the rest from the menu image, frame 0.
QList<QPair<QRect, QRect>> highlight(int w, int h)
{
    return {{{0, 0, 2, 2}, {0, 0, 2, 2}},          {{0, 2, 2, h - 4}, {0, 2, 2, 18}},
            {{0, h - 2, 2, 2}, {0, 20, 2, 2}},     {{2, 0, w - 4, 2}, {0, 0, 9, 2}},
            {{2, 2, w - 4, h - 4}, {0, 2, 9, 18}}, {{2, h - 2, w - 4, 2}, {0, 20, 9, 2}},
            {{w - 2, 0, 2, 2}, {9, 0, 2, 2}},      {{w - 2, 2, 2, h - 4}, {9, 2, 2, 18}},
            {{w - 2, h - 2, 2, 2}, {9, 20, 2, 2}}};
}

QList<QPair<QRect, QRect>> pixmapRects(const QVector<oru::test::PaintOp>& ops)
{
    QList<QPair<QRect, QRect>> rects;
    for (const auto& op : ops)
        rects.append({op.target.toRect(), op.source.toRect()});
    return rects;
}

// The view button's draws: highlight slices (9 when highlighted) and at most
// one icon, told apart by their size.
struct ButtonDraws
{
    QVector<oru::test::PaintOp> slices;
    QVector<oru::test::PaintOp> icons;
    QVector<oru::test::PaintOp> texts;
};

ButtonDraws drawsOf(RibbonViewButton* button, int iconSize)
{
    oru::test::PaintRecorder recorder;
    button->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    ButtonDraws draws;
    for (const auto& op : recorder.ops(oru::test::PaintOp::Pixmap)) {
        if (op.target.size() == QSizeF(iconSize, iconSize))
            draws.icons.append(op);
        else
            draws.slices.append(op);
    }
    draws.texts = recorder.ops(oru::test::PaintOp::Text);
    return draws;
}

} // namespace

void TestViewPopup::gridSkipsDisabled()
{
    RibbonCatMenuAction action("Views", RibbonCatMenuAction::Button, RibbonCatMenuAction::Small,
                               RibbonCatMenuAction::ViewPopup, nullptr);
    RibbonSimpleAction top("Normal", nullptr);
    action.addTopAction(&top);
    action.addTopAction(nullptr); // skipped
    QList<RibbonSimpleAction*> tiles;
    for (int i = 0; i < 7; ++i) {
        tiles.append(new RibbonSimpleAction(QString::number(i), &action));
        action.iconActionGroup()->addAction(tiles.last());
    }
    tiles[1]->setEnabled(false);
    std::unique_ptr<RibbonViewPopup> popup(action.fillMenu());
    QVERIFY(!popup->parent());
    QCOMPARE(popup->buttons().size(), 1 + 6);
    QVERIFY(!popup->secondLine()); // no bottom list, no line under the grid
    // 0, 2, 3, 4 fill row 0; 5 and 6 start row 1
    const QList<std::pair<int, QPoint>> cells = {
        {0, {0, 0}}, {2, {0, 1}}, {4, {0, 3}}, {5, {1, 0}}, {6, {1, 1}}};
    for (const auto& [tile, rc] : cells) {
        QLayoutItem* item = popup->grid()->itemAtPosition(rc.x(), rc.y());
        QVERIFY(item);
        auto* button = qobject_cast<RibbonViewButton*>(item->widget());
        QVERIFY(button);
        QCOMPARE(button->text(), QString::number(tile));
        QCOMPARE(button->sizeHint(), QSize(64, 56));
    }
    QVERIFY(!popup->grid()->itemAtPosition(1, 2));
    // any mouse button triggers, and the popup closes
    popup->show();
    QSignalSpy triggered(tiles[5], &QAction::triggered);
    auto* fifth = qobject_cast<RibbonViewButton*>(popup->grid()->itemAtPosition(1, 0)->widget());
    mouseClick(fifth, QPoint(5, 5), Qt::RightButton);
    QCOMPARE(triggered.count(), 1);
    QVERIFY(!popup->isVisible());
}

// The popup a status-bar menu button opens: the frame and icon strips of the
// popup, and its buttons' highlight, icon and text in every state, the same
// under every skin.
void TestViewPopup::statusBarPopupPainting()
{
    RibbonApplication* app = RibbonApplication::theApp();
    const auto restoreSkin = qScopeGuard([app] { app->setRibbonStyle(RibbonApplication::Blue); });
    RibbonMainWindow window;
    window.resize(800, 600);
    RibbonStatusBar& bar = *window.ribbonStatusBar();
    RibbonCatMenuAction action("Views", RibbonCatMenuAction::Button, RibbonCatMenuAction::Small,
                               RibbonCatMenuAction::ViewPopup, nullptr);
    RibbonSimpleAction normal("Normal", nullptr), outline("Outline", nullptr),
        bottom("Customise", nullptr);
    normal.setIcon(solidIcon(64));
    outline.setEnabled(false);
    action.addTopAction(&normal);
    action.addTopAction(&outline);
    action.addBottomAction(&bottom);
    RibbonSimpleAction plainTile("Plain", nullptr), checkedTile("Checked", nullptr);
    for (RibbonSimpleAction* tile : {&plainTile, &checkedTile}) {
        tile->setIcon(solidIcon(64));
        tile->setCheckable(true);
        action.iconActionGroup()->addAction(tile);
    }
    checkedTile.setChecked(true);
    bar.addAction(&action);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QPointer<QWidget> menuButton = bar.widgetFor(&action);
    QVERIFY(qobject_cast<RibbonCatMenuButton*>(menuButton));
    oru::test::mouseClick(menuButton, menuButton->rect().center());
    QPointer<RibbonViewPopup> popup =
        qobject_cast<RibbonViewPopup*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    const auto closePopup = qScopeGuard([&popup] {
        if (popup)
            popup->close();
    });
    QCOMPARE(popup->buttons().size(), 5);

    QList<qint64> blueKeys;
    for (auto skin : {RibbonApplication::Blue, RibbonApplication::Black}) {
        app->setRibbonStyle(skin);
        const RibbonStyle* style = app->ribbonStyle();

        // The popup itself: a grey frame one pixel inside the main layout,
        // and an icon strip with its edge line beside both lists.
        oru::test::PaintRecorder recorder;
        popup->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
        QCOMPARE(popup->palette().color(QPalette::Inactive, QPalette::Window), QColor("#F9F8F7"));
        QCOMPARE(popup->palette().color(QPalette::Active, QPalette::Window), QColor("#F9F8F7"));
        const QRect g = popup->layout()->geometry();
        const QRect t = popup->topLayout()->geometry();
        const QRect b = popup->bottomLayout()->geometry();
        QVERIFY(!t.isEmpty() && !b.isEmpty());
        QList<QRect> frames, strips;
        for (const auto& op : recorder.ops(oru::test::PaintOp::Rects)) {
            for (const QRectF& r : op.rects) {
                if (op.brush.style() == Qt::SolidPattern && op.brush.color() == QColor("#E9EEEE"))
                    strips << r.toRect();
                else if (op.pen.color() == QColor("#C5C5C5") && op.brush.style() == Qt::NoBrush)
                    frames << r.toRect();
            }
        }
        QCOMPARE(frames, QList<QRect>({QRect(g.left(), g.top(), g.width() - 1, g.height() - 1)}));
        QCOMPARE(strips, QList<QRect>({QRect(b.left(), b.top(), 31, b.height()),
                                       QRect(t.left(), t.top(), 31, t.height())}));
        QList<QLine> lines;
        for (const auto& op : recorder.ops(oru::test::PaintOp::Lines)) {
            QCOMPARE(op.pen.color(), QColor("#C5C5C5"));
            for (const QLineF& l : op.lines)
                lines << l.toLine();
        }
        QCOMPARE(lines, QList<QLine>({QLine(b.left() + 32, b.top(), b.left() + 32, b.bottom()),
                                      QLine(t.left() + 32, t.top(), t.left() + 32, t.bottom())}));

        // A list item with an icon: highlighted only under the cursor; icon
        // centred on (15, (h - 1) / 2); text from x = 40 in the fixed blue.
        RibbonViewButton* item = popup->buttons()[0];
        QCOMPARE(item->text(), QStringLiteral("Normal"));
        const int w = item->width();
        const int h = item->height();
        QCOMPARE(h, 26);
        oru::test::parkCursor();
        ButtonDraws draws = drawsOf(item, 26);
        QVERIFY(draws.slices.isEmpty());
        QCOMPARE(draws.icons.size(), 1);
        QCOMPARE(draws.icons[0].target.toRect(), QRect(15 - 12, (h - 1) / 2 - 12, 26, 26));
        QCOMPARE(draws.texts.size(), 1);
        QCOMPARE(draws.texts[0].pen.color(), QColor(21, 66, 139));
        QCOMPARE(qRound(draws.texts[0].position.x()), 40);
        oru::test::placeCursor(item, QPoint(w / 2, h / 2));
        draws = drawsOf(item, 26);
        QCOMPARE(pixmapRects(draws.slices), highlight(w, h));
        // The blue images whatever the skin: under blue they are the skin's
        // own, under black the same ones again.
        QList<qint64> keys;
        for (const auto& op : draws.slices)
            keys << op.pixmapKey;
        if (skin == RibbonApplication::Blue) {
            const qint64 cap = style->horizontalMenuButtonCaption().cacheKey();
            const qint64 menu = style->horizontalMenuButtonMenu().cacheKey();
            blueKeys = {cap, cap, cap, menu, menu, menu, menu, menu, menu};
        } else {
            QVERIFY(!keys.contains(style->horizontalMenuButtonCaption().cacheKey()));
        }
        QCOMPARE(keys, blueKeys);

        // A disabled item: grey text, no highlight even under the cursor.
        RibbonViewButton* disabled = popup->buttons()[1];
        QCOMPARE(disabled->text(), QStringLiteral("Outline"));
        oru::test::placeCursor(disabled, QPoint(5, 5));
        draws = drawsOf(disabled, 26);
        QVERIFY(draws.slices.isEmpty());
        QCOMPARE(draws.texts.size(), 1);
        QCOMPARE(draws.texts[0].pen.color(), QColor(141, 141, 141));

        // Tiles: a checked one is highlighted without the cursor, an
        // unchecked one only under it; the icon, at most 56 square, centred.
        RibbonViewButton* plain = nullptr;
        RibbonViewButton* checked = nullptr;
        for (RibbonViewButton* button : popup->buttons()) {
            plain = button->text() == QStringLiteral("Plain") ? button : plain;
            checked = button->text() == QStringLiteral("Checked") ? button : checked;
        }
        QVERIFY(plain && checked);
        QCOMPARE(plain->size(), QSize(64, 56));
        oru::test::parkCursor();
        draws = drawsOf(checked, 56);
        QCOMPARE(pixmapRects(draws.slices), highlight(64, 56));
        QCOMPARE(draws.icons.size(), 1);
        QCOMPARE(draws.icons[0].target.toRect(), QRect(4, 0, 56, 56));
        QVERIFY(draws.texts.isEmpty());
        draws = drawsOf(plain, 56);
        QVERIFY(draws.slices.isEmpty());
        QCOMPARE(draws.icons.size(), 1);
        oru::test::placeCursor(plain, QPoint(30, 30));
        draws = drawsOf(plain, 56);
        QCOMPARE(pixmapRects(draws.slices), highlight(64, 56));
    }
    // Taken out of the status bar, the action takes its button along.
    popup->close();
    bar.removeAction(&action);
    QVERIFY(menuButton.isNull());
}

// Near every edge of the screen a popup flips above its opener or shifts in,
// so all of it stays inside the screen's available area: the placement rule
// every popup of the library goes through, and the status bar's view popup of
// a window in each corner of the screen.
void TestViewPopup::popupsStayOnScreen_data()
{
    QTest::addColumn<int>("corner"); // 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right
    for (int corner = 0; corner < 4; ++corner)
        QTest::addRow("corner %d", corner) << corner;
}

void TestViewPopup::popupsStayOnScreen()
{
    QFETCH(int, corner);
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    const bool right = corner % 2, bottom = corner >= 2;
    const QSize size(300, 200);
    const QRect anchor(right ? avail.right() - 40 : avail.left() - 20,
                       bottom ? avail.bottom() - 30 : avail.top() - 10, 60, 22);
    const QPoint below = anchor.bottomLeft() + QPoint(0, 1);
    const QRect placed(keepPopupOnScreen(below, size, anchor), size);
    QVERIFY2(avail.contains(placed), qPrintable(QDebug::toString(placed)));
    // Flipped above the opener at the bottom, not laid over it.
    QCOMPARE(placed.bottom() < anchor.top(), bottom);
    if (!right)
        QCOMPARE(placed.left(), avail.left());
    // A popup that fits stays where it was asked to go.
    const QPoint inside = avail.center();
    QCOMPARE(keepPopupOnScreen(inside, size, QRect(inside - QPoint(0, 22), QSize(60, 22))), inside);

    RibbonMainWindow window;
    RibbonCatMenuAction action("Views", RibbonCatMenuAction::Button, RibbonCatMenuAction::Small,
                               RibbonCatMenuAction::ViewPopup, nullptr);
    RibbonSimpleAction normal("Normal", nullptr), outline("Outline", nullptr);
    action.addTopAction(&normal);
    action.addTopAction(&outline);
    window.ribbonStatusBar()->addAction(&action);
    const QSize windowSize(500, 300);
    window.setGeometry(
        QRect(QPoint(right ? avail.right() - windowSize.width() + 1 : avail.left(),
                     bottom ? avail.bottom() - windowSize.height() + 1 : avail.top()),
              windowSize));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* button = window.ribbonStatusBar()->widgetFor(&action);
    QVERIFY(button);
    oru::test::mouseClick(button, button->rect().center());
    QPointer<QWidget> popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    const auto closePopup = qScopeGuard([&popup] {
        if (popup)
            popup->close();
    });
    QTRY_VERIFY2(avail.contains(popup->frameGeometry()),
                 qPrintable(QDebug::toString(popup->frameGeometry())));
}

ORU_TEST_MAIN(TestViewPopup)
#include "tst_viewpopup.moc"
