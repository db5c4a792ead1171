#include <oruRibbonCatActionGroup.h>
#include <oruRibbonCatActionGroupWidget.h>
#include <oruRibbonCatColorMenuAction.h>
#include <oruRibbonCatColorMenuButton.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatMenuButton.h>
#include <oruRibbonCatMenuButton_p.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonColorPickerPopup.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QApplication>
#include <QColorDialog>
#include <QSignalSpy>
#include <QTimer>

using namespace oru;
using namespace oru::test;

namespace {

QColor barColor(const QAction& action)
{
    return action.icon().pixmap(QSize(16, 16)).toImage().pixelColor(8, 14);
}

} // namespace

class TestColorGroups : public QObject
{
    Q_OBJECT

private slots:
    void colorStateMachine();
    void popupMarks();
    void exclusiveGroups();
    void wideGroupMembers();
    void colorButtonLetsGoOfItsAction();
};

void TestColorGroups::colorStateMachine()
{
    QPixmap base(16, 16);
    base.fill(Qt::transparent);
    RibbonCatColorMenuAction action(QIcon(base), "Font color", RibbonCatColorMenuAction::Small,
                                    nullptr);
    QCOMPARE(action.color(), QColor(Qt::black));
    QCOMPARE(action.automaticColor(), QColor(Qt::white));
    QCOMPARE(barColor(action), QColor(Qt::black));
    QSignalSpy colorSet(&action, &RibbonCatColorMenuAction::colorSet);
    QSignalSpy noneSet(&action, &RibbonCatColorMenuAction::noneSet);
    QSignalSpy autoSet(&action, &RibbonCatColorMenuAction::automaticSet);

    action.setColor(Qt::black); // keep-selection: the same colour is nothing
    QCOMPARE(colorSet.count(), 0);
    action.setColor(Qt::red);
    QCOMPARE(colorSet.count(), 1);
    QCOMPARE(barColor(action), QColor(Qt::red));
    action.setNone();      // not allowed
    action.setAutomatic(); // not allowed
    QCOMPARE(noneSet.count() + autoSet.count(), 0);
    QVERIFY(!action.isNone() && !action.isAutomatic());

    action.setHasNoneColor(true);
    action.setColor(QColor()); // invalid: becomes none
    QVERIFY(action.isNone());
    QCOMPARE(action.color(), QColor(Qt::white));
    QCOMPARE(noneSet.count(), 1);
    QCOMPARE(colorSet.count(), 1);
    QCOMPARE(barColor(action).alpha(), 0); // no bar while none

    action.setHasAutomaticColor(true);
    action.setAutomaticColor(Qt::blue);
    action.setAutomatic();
    QVERIFY(action.isAutomatic() && !action.isNone());
    QCOMPARE(barColor(action), QColor(Qt::blue));
    action.setAutomatic(); // already current
    QCOMPARE(autoSet.count(), 1);
    action.setColor(Qt::blue); // leaving automatic always stores and emits
    QVERIFY(!action.isAutomatic());
    QCOMPARE(colorSet.count(), 2);

    action.setKeepSelection(false);
    action.setColor(Qt::blue);
    QCOMPARE(colorSet.count(), 3);
    action.setColor(QColor()); // without keep-selection an invalid colour is stored
    QVERIFY(!action.isNone());
    QCOMPARE(colorSet.count(), 4);
}

void TestColorGroups::popupMarks()
{
    {
        // The picker is made at its first opening, with the state the action
        // has then; asking whether it is open does not make it.
        RibbonCatColorMenuAction early(QIcon(), "Font colour", RibbonCatColorMenuAction::Small,
                                       nullptr);
        RibbonCatColorMenuButton lazy(early, nullptr);
        early.setHasNoneColor(true);
        early.setHasAutomaticColor(true);
        early.setColor(QColor(51, 204, 204));
        QVERIFY(!lazy.isPopupVisible());
        QVERIFY(lazy.findChildren<RibbonColorPickerPopup*>().isEmpty());
        lazy.resize(lazy.sizeHint());
        mouseClick(&lazy, QPoint(5, 5));
        QVERIFY(lazy.isPopupVisible());
        QCOMPARE(lazy.findChildren<RibbonColorPickerPopup*>().size(), 1);
        RibbonColorPickerPopup& made = lazy.popup();
        QVERIFY(made.noneAction() && made.automaticAction() && !made.isAutomaticColor());
        QCOMPARE(made.colorItems()->selectedCell(), QPoint(4, 2));
        mouseClick(made.colorItems(), QPoint(25, 20));
        QCOMPARE(early.color(), QColor(255, 102, 0));
    }
    RibbonCatColorMenuAction action(QIcon(), "Highlight", RibbonCatColorMenuAction::Medium,
                                    nullptr);
    RibbonCatColorMenuButton button(action, nullptr);
    RibbonColorPickerPopup& popup = button.popup();
    const auto cell = [&popup] { return popup.colorItems()->selectedCell(); };
    QCOMPARE(cell(), QPoint(0, 0)); // black: column 0, row 0
    QVERIFY(!popup.noneAction() && !popup.automaticAction());

    action.setHasNoneColor(true);
    action.setHasAutomaticColor(true);
    QVERIFY(popup.noneAction() && popup.automaticAction());
    action.setAutomatic();
    QVERIFY(popup.isAutomaticColor() && !popup.isNoneColor());
    QCOMPARE(cell(), QPoint(-1, -1));

    action.setColor(QColor(51, 204, 204)); // column 4, row 2
    QVERIFY(!popup.isAutomaticColor());
    QCOMPARE(cell(), QPoint(4, 2));
    QVERIFY(popup.moreColorsAction()->icon().isNull());
    action.setColor(QColor(1, 2, 3)); // not in the table: swatch on "More colors..."
    QCOMPARE(cell(), QPoint(-1, -1));
    QVERIFY(!popup.moreColorsAction()->icon().isNull());
    action.setNone();
    QVERIFY(popup.isNoneColor() && popup.moreColorsAction()->icon().isNull());

    // a pick in the grid reaches the action; press and release must match
    QSignalSpy colorSet(&action, &RibbonCatColorMenuAction::colorSet);
    mousePress(popup.colorItems(), QPoint(25, 20));
    mouseRelease(popup.colorItems(), QPoint(45, 20));
    QCOMPARE(colorSet.count(), 0);
    mouseClick(popup.colorItems(), QPoint(25, 20));
    QCOMPARE(action.color(), QColor(255, 102, 0));
    QCOMPARE(cell(), QPoint(1, 1));
    // "Automatic" clicked while checked stays checked and changes nothing
    action.setAutomatic();
    QSignalSpy autoSet(&action, &RibbonCatColorMenuAction::automaticSet);
    popup.automaticAction()->trigger();
    QVERIFY(popup.isAutomaticColor());
    QCOMPARE(autoSet.count(), 0);
    // turning the entries off removes them
    action.setHasNoneColor(false);
    QVERIFY(!popup.noneAction());

    // a host that withdraws a choice as soon as it is made: the entry goes
    // while its own click is still being delivered
    const auto entryButton = [&popup](QAction* entry) -> QWidget* {
        for (auto* b : popup.findChildren<RibbonCatSimpleButton*>())
            if (b->action() == entry)
                return b;
        return nullptr;
    };
    action.setHasNoneColor(true);
    connect(&action, &RibbonCatColorMenuAction::noneSet, &popup,
            [&action] { action.setHasNoneColor(false); });
    connect(&action, &RibbonCatColorMenuAction::automaticSet, &popup,
            [&action] { action.setHasAutomaticColor(false); });
    QWidget* noneEntry = entryButton(popup.noneAction());
    QVERIFY(noneEntry);
    mouseClick(noneEntry, QPoint(5, 5));
    QVERIFY(!action.hasNoneColor());
    QCOMPARE(action.color(), QColor(Qt::white));
    QVERIFY(!popup.noneAction());
    action.setColor(Qt::red);
    QWidget* autoEntry = entryButton(popup.automaticAction());
    QVERIFY(autoEntry);
    mouseClick(autoEntry, QPoint(5, 5));
    QVERIFY(!popup.automaticAction());
    QVERIFY(!action.hasAutomaticColor());
    QCoreApplication::processEvents();
}

void TestColorGroups::exclusiveGroups()
{
    RibbonCatActionGroup group("Align", nullptr);
    RibbonCatSimpleAction left("Left", RibbonCatSimpleAction::Small, nullptr);
    RibbonCatSimpleAction centre("Centre", RibbonCatSimpleAction::Small, nullptr);
    RibbonCatSimpleAction right("Right", RibbonCatSimpleAction::Small, nullptr);
    for (QAction* a : {static_cast<QAction*>(&left), static_cast<QAction*>(&centre),
                       static_cast<QAction*>(&right)})
        a->setCheckable(true);
    group.setExclusive(true);
    left.setChecked(true);
    group.addAction(&left);
    group.addAction(&left); // twice: one entry
    group.addAction(&centre);
    QCOMPARE(group.actions().size(), 2);
    QCOMPARE(group.checkedAction(), &left);
    centre.setChecked(true);
    QVERIFY(!left.isChecked());
    QCOMPARE(group.checkedAction(), &centre);
    right.setChecked(true);
    group.addAction(&right); // adding a checked member takes over
    QVERIFY(!centre.isChecked());
    QCOMPARE(group.checkedAction(), &right);
    group.removeAction(&right);
    QCOMPARE(group.checkedAction(), nullptr);
    QVERIFY(right.isChecked());
    group.removeAction(&right); // absent: nothing
    QCOMPARE(group.actions().size(), 2);
    centre.setChecked(true);
    group.setExclusive(false); // forgets, unchecks nothing
    QCOMPARE(group.checkedAction(), nullptr);
    left.setChecked(true);
    QVERIFY(centre.isChecked() && left.isChecked());

    // the strip: a press on a disabled member selects nothing; release elsewhere triggers nothing
    RibbonCatActionGroupWidget strip(group, nullptr);
    QCOMPARE(strip.sizeHint(), QSize(44, 22));
    QSignalSpy leftTriggered(&left, &QAction::triggered);
    left.setEnabled(false);
    mouseClick(&strip, QPoint(5, 5));
    QCOMPARE(leftTriggered.count(), 0);
    left.setEnabled(true);
    mousePress(&strip, QPoint(5, 5));
    QCOMPARE(strip.pressedIndex(), 0);
    mouseRelease(&strip, QPoint(30, 5));
    QCOMPARE(strip.pressedIndex(), -1);
    QCOMPARE(leftTriggered.count(), 0);
    mouseClick(&strip, QPoint(21, 5));
    QCOMPARE(leftTriggered.count(), 1);

    // a member that stops being checkable stays the checked one when it leaves;
    // once its owner destroys it the group must not hold on to it
    RibbonCatActionGroup align(nullptr);
    align.setExclusive(true);
    auto* gone = new RibbonCatSimpleAction("Gone", RibbonCatSimpleAction::Small, nullptr);
    gone->setCheckable(true);
    gone->setChecked(true);
    align.addAction(gone);
    QCOMPARE(align.checkedAction(), gone);
    gone->setCheckable(false);
    align.removeAction(gone);
    QCOMPARE(align.checkedAction(), gone);
    delete gone;
    QCOMPARE(align.checkedAction(), nullptr);
    RibbonCatSimpleAction next("Next", RibbonCatSimpleAction::Small, nullptr);
    next.setCheckable(true);
    align.addAction(&next);
    next.setChecked(true);
    QCOMPARE(align.checkedAction(), &next);
}

void TestColorGroups::wideGroupMembers()
{
    RibbonCatActionGroup group(nullptr);
    RibbonCatSimpleAction plain("Bold", RibbonCatSimpleAction::Small, nullptr);
    RibbonCatColorMenuAction color(QIcon(), "Color", RibbonCatColorMenuAction::Small, nullptr);
    auto* doomed =
        new RibbonCatColorMenuAction(QIcon(), "Fill", RibbonCatColorMenuAction::Small, nullptr);
    RibbonCatMenuAction menu("Borders", RibbonCatMenuAction::Button, RibbonCatMenuAction::Small,
                             RibbonCatMenuAction::Menu, nullptr);
    RibbonSimpleAction entry("All borders", nullptr);
    menu.addAction(&entry);
    for (RibbonAction* a : {static_cast<RibbonAction*>(&plain), static_cast<RibbonAction*>(&color),
                            static_cast<RibbonAction*>(doomed), static_cast<RibbonAction*>(&menu)})
        group.addAction(a, true);
    QVERIFY(group.isWide());
    QWidget window;
    auto* strip = new RibbonCatActionGroupWidget(group, &window);
    QCOMPARE(strip->sizeHint(), QSize(120, 22));
    QVERIFY(!strip->hostedWidget(&plain));
    QPointer<QWidget> colorButton = strip->hostedWidget(&color);
    QPointer<QWidget> doomedButton = strip->hostedWidget(doomed);
    auto* menuButton = qobject_cast<RibbonCatMenuButton*>(strip->hostedWidget(&menu));
    QVERIFY(qobject_cast<RibbonCatColorMenuButton*>(colorButton) && menuButton &&
            colorButton->isHidden() && menuButton->isHidden());
    window.show();
    QCOMPARE(menuButton->geometry(), QRect(90, 0, 30, 22));

    // A press on a member's cell opens its hosted button's popup.
    mousePress(strip, QPoint(35, 5));
    auto* picker = &qobject_cast<RibbonCatColorMenuButton*>(colorButton.data())->popup();
    QVERIFY(picker->isVisible());
    mouseRelease(strip, QPoint(35, 5));
    picker->hide();
    mousePress(strip, QPoint(95, 5));
    auto* priv = qobject_cast<RibbonCatMenuButtonBPriv*>(menuButton->priv());
    QVERIFY(priv && priv->m_popupOpen);
    QPointer<QWidget> popup = priv->m_popup;
    popup->close();
    QVERIFY(!priv->m_popupOpen);
    QTRY_VERIFY(popup.isNull());
    // the popup took that press's release: a press on a disabled member then
    // selects nothing and opens nothing
    plain.setEnabled(false);
    mousePress(strip, QPoint(5, 5));
    QCOMPARE(strip->pressedIndex(), -1);
    QVERIFY(!priv->m_popupOpen);
    mouseRelease(strip, QPoint(5, 5));

    // a member that leaves takes its hosted widget and its open popup along;
    // the others move with their cells, so their popups open under them
    mousePress(strip, QPoint(35, 5));
    QVERIFY(picker->isVisible());
    group.removeAction(&color);
    QVERIFY(!picker->isVisible());
    QVERIFY(!strip->hostedWidget(&color));
    QTRY_VERIFY(colorButton.isNull());
    QCOMPARE(strip->sizeHint(), QSize(90, 22));
    QCOMPARE(menuButton->geometry(), QRect(60, 0, 30, 22));
    QCOMPARE(doomedButton->geometry(), QRect(30, 0, 30, 22));
    mouseRelease(strip, QPoint(35, 5));

    // a member destroyed while its picker is open: the picker goes with it
    mousePress(strip, QPoint(35, 5));
    picker = &qobject_cast<RibbonCatColorMenuButton*>(doomedButton.data())->popup();
    QVERIFY(picker->isVisible());
    delete doomed;
    QVERIFY(doomedButton.isNull() || !picker->isVisible());
    QTRY_VERIFY(doomedButton.isNull());
    QCOMPARE(menuButton->geometry(), QRect(30, 0, 30, 22));
    mouseRelease(strip, QPoint(35, 5));
    mousePress(strip, QPoint(35, 5)); // the menu now sits in cell 1
    QVERIFY(priv->m_popupOpen);
    QCOMPARE(priv->m_popup->pos().y(), window.mapToGlobal(QPoint(0, 21)).y());
    priv->m_popup->close();
}

void TestColorGroups::colorButtonLetsGoOfItsAction()
{
    QWidget window;
    window.resize(200, 100);
    auto* taken =
        new RibbonCatColorMenuAction(QIcon(), "Taken", RibbonCatColorMenuAction::Medium, &window);
    auto* dies =
        new RibbonCatColorMenuAction(QIcon(), "Dies", RibbonCatColorMenuAction::Large, nullptr);
    auto* first = new RibbonCatColorMenuButton(*taken, &window);
    auto* second = new RibbonCatColorMenuButton(*dies, &window);
    first->resize(first->sizeHint());
    second->setGeometry(0, 30, 42, 66);
    window.show();

    // taken off the button while the picker is open: the picker closes and
    // the button no longer answers the action
    mousePress(first, QPoint(5, 5));
    QVERIFY(first->popup().isVisible());
    first->removeAction(taken);
    QVERIFY(!first->popup().isVisible());
    QCOMPARE(first->action(), nullptr);
    QSignalSpy colorSet(taken, &RibbonCatColorMenuAction::colorSet);
    mouseClick(first->popup().colorItems(), QPoint(25, 20));
    QCOMPARE(colorSet.count(), 0);
    QCOMPARE(taken->color(), QColor(Qt::black));
    mousePress(first, QPoint(5, 5));
    QVERIFY(!first->popup().isVisible());
    QCOMPARE(first->sizeHint(), QSize(-1, -1));
    PaintRecorder empty;
    first->render(&empty, QPoint(), QRegion(), {});
    QVERIFY(empty.ops().isEmpty());

    // destroyed while the picker is open
    mousePress(second, QPoint(5, 5));
    QVERIFY(second->popup().isVisible());
    delete dies;
    QVERIFY(!second->popup().isVisible());
    QCOMPARE(second->action(), nullptr);
    mousePress(second, QPoint(5, 5));
    mouseRelease(second, QPoint(5, 5));
    QVERIFY(!second->popup().isVisible());
    PaintRecorder recorder;
    second->render(&recorder, QPoint(), QRegion(), {});
    QVERIFY(recorder.ops().isEmpty());

    // "More colors...": an accepted dialog colour arrives opaque, as a swatch
    auto* third = new RibbonCatColorMenuButton(*taken, &window);
    QSignalSpy thirdSet(taken, &RibbonCatColorMenuAction::colorSet);
    QTimer::singleShot(0, &window, [] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            dialog->setCurrentColor(QColor(1, 2, 3, 100));
            dialog->accept();
        }
    });
    third->popup().moreColorsAction()->trigger();
    QCOMPARE(thirdSet.count(), 1);
    QCOMPARE(taken->color(), QColor(1, 2, 3));
    QVERIFY(!third->popup().moreColorsAction()->icon().isNull());
    QVERIFY(third->findChildren<QColorDialog*>().isEmpty());
    // the colour dialog is up when the container deletes the button
    QPointer<RibbonCatColorMenuButton> alive(third);
    QTimer::singleShot(0, &window, [third] { delete third; });
    third->popup().moreColorsAction()->trigger();
    QVERIFY(alive.isNull());
    QCOMPARE(thirdSet.count(), 1);
}

ORU_TEST_MAIN(TestColorGroups)
#include "tst_colorgroups.moc"
