#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatMenuButton.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>
#include <oruRibbonViewButton.h>
#include <oruRibbonViewPopup.h>

#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QFrame>
#include <QGridLayout>
#include <QSignalSpy>

using namespace oru;
using namespace oru::test;

class TestViewPopup : public QObject
{
    Q_OBJECT

private slots:
    void gridSkipsDisabled();
    void statusBarMenuButton();
};

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

void TestViewPopup::statusBarMenuButton()
{
    RibbonMainWindow window;
    RibbonStatusBar& bar = *window.ribbonStatusBar();
    RibbonCatMenuAction action("Views", RibbonCatMenuAction::Button, RibbonCatMenuAction::Small,
                               RibbonCatMenuAction::ViewPopup, nullptr);
    bar.addAction(&action);
    QVERIFY(qobject_cast<RibbonCatMenuButton*>(bar.widgetFor(&action)));
    QPointer<QWidget> button = bar.widgetFor(&action);
    bar.removeAction(&action);
    QVERIFY(button.isNull());
}

ORU_TEST_MAIN(TestViewPopup)
#include "tst_viewpopup.moc"
