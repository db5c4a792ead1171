// The application menu: opening from the application button, placement and
// painting of the panel, keyboard navigation, sub-menus, recent files, every
// way of closing, and actions that disappear while the menu is open.
#include <oruRibbonApplication.h>
#include <oruRibbonButtonMain.h>
#include <oruRibbonMainMenuButton.h>
#include <oruRibbonMainMenuMenuButton.h>
#include <oruRibbonMainPanelButton.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonRecentFiles.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStyle.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QScreen>
#include <QVBoxLayout>

using namespace oru;
using oru::test::PaintRecorder;

namespace {

// A window holding a ribbon bar with a filled application menu: items
// "New", "Open", a sub-menu "Save As" (two simple children, a nested menu
// and a default action), "Print"; two recent files; options and exit.
struct Host
{
    RibbonMainWindow window;
    RibbonMenuBar* bar = nullptr;
    RibbonSimpleAction* newAction = nullptr;
    RibbonSimpleAction* open = nullptr;
    RibbonMenuAction* saveAs = nullptr;
    RibbonSimpleAction* saveDefault = nullptr;
    RibbonSimpleAction* saveText = nullptr;
    RibbonSimpleAction* print = nullptr;
    RibbonSimpleAction* options = nullptr;
    RibbonSimpleAction* exit = nullptr;
    QList<RibbonSimpleAction*> recent;

    explicit Host(QPoint pos = QPoint(20, 20))
    {
        bar = window.ribbonMenuBar();
        RibbonMenuAction& menu = bar->mainMenuActions();
        newAction = new RibbonSimpleAction(QStringLiteral("New"), &window);
        open = new RibbonSimpleAction(QStringLiteral("Open"), &window);
        saveAs = new RibbonMenuAction(QStringLiteral("Save As"), &window);
        saveAs->setToolTip(QStringLiteral("Save a copy of the document"));
        saveDefault = new RibbonSimpleAction(QStringLiteral("Document"), saveAs);
        saveText = new RibbonSimpleAction(QStringLiteral("Plain text"), saveAs);
        saveAs->addAction(saveDefault, true);
        saveAs->addAction(new RibbonMenuAction(QStringLiteral("Nested"), saveAs));
        saveAs->addAction(saveText);
        print = new RibbonSimpleAction(QStringLiteral("Print"), &window);
        for (RibbonAction* a :
             {static_cast<RibbonAction*>(newAction), static_cast<RibbonAction*>(open),
              static_cast<RibbonAction*>(saveAs), static_cast<RibbonAction*>(print)})
            menu.addAction(a);
        // A string action is no menu item.
        menu.addAction(new RibbonAction(QStringLiteral("not shown"), &window));
        for (const char* path : {"/home/user/letters/2009/to-the-council.odt", "/tmp/a.txt"}) {
            recent << new RibbonSimpleAction(QString::fromLatin1(path), &window);
            bar->recentFilesActions().addAction(recent.last());
        }
        options = new RibbonSimpleAction(QStringLiteral("Options"), &window);
        exit = new RibbonSimpleAction(QStringLiteral("Exit"), &window);
        bar->setOptionsAction(options);
        bar->setExitAction(exit);
        window.resize(600, 300);
        window.move(pos);
        window.show();
    }

    RibbonButtonMain* button() const { return bar->findChild<RibbonButtonMain*>(); }
    RibbonPanelMain* panel() const { return button()->findChild<RibbonPanelMain*>(); }
    RibbonPanelMain* openMenu() const
    {
        oru::test::mousePress(button(), QPoint(10, 10));
        RibbonPanelMain* p = panel();
        if (p)
            QCoreApplication::sendPostedEvents(); // let the layout size the panel
        return p;
    }
    RibbonMainMenuMenuButton* subMenuItem(RibbonPanelMain* p) const
    {
        return p->findChild<RibbonMainMenuMenuButton*>();
    }
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void key(QWidget* w, Qt::Key k)
{
    QTest::keyClick(w, k);
}

} // namespace

class TestAppMenu : public QObject
{
    Q_OBJECT

private slots:
    void init() { oru::test::parkCursor(); }
    void openAndBuild();
    void placement();
    void painting();
    void navigation_data();
    void navigation();
    void subMenuKeys();
    void subMenuPopup();
    void closingPaths_data();
    void closingPaths();
    void recentFiles();
    void itemSizes();
    void actionsDeletedWhileOpen();
};

void TestAppMenu::openAndBuild()
{
    Host host;
    RibbonButtonMain* button = host.button();
    QVERIFY(button);
    QCOMPARE(button->size(), QSize(38, 38));
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    // Only the left button opens; a press never produces clicked().
    oru::test::mousePress(button, QPoint(10, 10), Qt::RightButton);
    QVERIFY(!host.panel());
    RibbonPanelMain* panel = host.openMenu();
    QVERIFY(panel && panel->isVisible());
    QVERIFY(button->isChecked());
    QCOMPARE(clicked.count(), 0);
    // A second press while open builds no second panel.
    oru::test::mousePress(button, QPoint(10, 10));
    QCOMPARE(button->findChildren<RibbonPanelMain*>().size(), 1);

    // Simple and menu actions become items in order; other types none.
    const QList<RibbonMainMenuItem*> items = panel->buttons();
    QCOMPARE(items.size(), 4);
    QStringList texts;
    for (RibbonMainMenuItem* item : items)
        texts << item->text();
    QCOMPARE(texts, (QStringList{"New", "Open", "Save As", "Print"}));
    QVERIFY(qobject_cast<RibbonMainMenuMenuButton*>(items.at(2)));
    // Bottom row: options then exit, tracked after the items' buttons.
    const QList<RibbonMainPanelButton*> bottom = panel->findChildren<RibbonMainPanelButton*>();
    QCOMPARE(bottom.size(), 2);
    QVERIFY(bottom.at(0)->x() < bottom.at(1)->x());
    QCOMPARE(bottom.at(0)->text(), QStringLiteral("Options"));
    QCOMPARE(bottom.at(0)->height(), 23);
    QCOMPARE(panel->trackedButtons().size(), 6);
    // The recent-files column stands to the right of the items, 250 wide.
    QVERIFY(panel->recentFiles()->x() > panel->itemsGeometry().right());
    QCOMPARE(panel->recentFiles()->width(), 250);

    // The shortcut path (clicked()) opens a panel too.
    panel->close();
    flushDeletes();
    QVERIFY(!button->isChecked());
    button->click();
    QVERIFY(button->isChecked());
    QVERIFY(host.panel());
    host.panel()->close();
    flushDeletes();
    QVERIFY(!host.panel());

    // Double-click asks the host to close the application.
    QSignalSpy closeApp(button, &RibbonButtonMain::closeApplication);
    oru::test::mouseDoubleClick(button, QPoint(5, 5));
    QCOMPARE(closeApp.count(), 1);
}

void TestAppMenu::placement()
{
    Host host;
    RibbonPanelMain* panel = host.openMenu();
    const QPoint buttonGlobal = host.button()->mapToGlobal(QPoint(0, 0));
    const int captionBottom = host.bar->mapToGlobal(host.bar->captionGeometry().bottomLeft()).y();
    QCOMPARE(panel->pos(), QPoint(buttonGlobal.x(), captionBottom));
    QVERIFY(!panel->placedAbove());
    // The mask cuts exactly one pixel at each corner.
    const QRegion mask = panel->mask();
    const int w = panel->width(), h = panel->height();
    for (const QPoint& corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        QVERIFY2(!mask.contains(corner),
                 qPrintable(QString("corner %1,%2").arg(corner.x()).arg(corner.y())));
    for (const QPoint& inside : {QPoint(1, 0), QPoint(0, 1), QPoint(w - 2, h - 1),
                                 QPoint(w - 1, h - 2), QPoint(w / 2, h / 2)})
        QVERIFY(mask.contains(inside));
    panel->close();
    flushDeletes();

    // Too little room to the right: shifted onto the available right edge.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    Host right(QPoint(available.right() - 200, 20));
    panel = right.openMenu();
    QCOMPARE(panel->x(), available.right() - panel->width());
    panel->close();
    flushDeletes();

    // Too little room below: kept on the screen, without the button copy.
    Host low(QPoint(20, available.bottom() - 60));
    panel = low.openMenu();
    QVERIFY(panel->placedAbove());
    QVERIFY(panel->geometry().bottom() <= available.bottom());
    PaintRecorder recorder;
    panel->render(&recorder);
    QVERIFY(
        recorder.pixmapDraws(RibbonApplication::theApp()->ribbonStyle()->mainButton()).isEmpty());
}

void TestAppMenu::painting()
{
    Host host;
    RibbonPanelMain* panel = host.openMenu();
    const RibbonStyle& skin = *RibbonApplication::theApp()->ribbonStyle();
    PaintRecorder recorder;
    panel->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const int w = panel->width(), h = panel->height();

    const auto back = recorder.pixmapDraws(skin.mainPanelBack());
    QCOMPARE(back.size(), 9);
    QCOMPARE(back.at(4).target, QRectF(4, 10, w - 8, h - 37));
    QCOMPARE(back.at(4).source, QRectF(4, 10, 1, 1));
    QCOMPARE(back.at(8).target, QRectF(w - 4, h - 27, 4, 27));
    QCOMPARE(back.at(8).source, QRectF(5, 11, 4, 27));

    const QRect r = panel->columnsGeometry();
    const auto separator = recorder.pixmapDraws(skin.mainPanelSeparator());
    QVERIFY(!separator.isEmpty());
    QCOMPARE(separator.first().target,
             QRectF(panel->itemsGeometry().right() + 1, r.top(), 2, r.height()));
    const auto border = recorder.pixmapDraws(skin.mainPanelBorder());
    QCOMPARE(border.size(), 8);
    QCOMPARE(border.at(7).target, QRectF(r.right() - 1, r.bottom() - 1, 2, 2));

    // The button copy: the checked frame where the button lies under the panel.
    const auto copy = recorder.pixmapDraws(skin.mainButton());
    QCOMPARE(copy.size(), 1);
    QCOMPARE(copy.first().source, QRectF(0, 76, 38, 38));
    QCOMPARE(copy.first().target.topLeft(),
             QPointF(panel->mapFromGlobal(host.button()->mapToGlobal(QPoint(0, 0)))));

    // The button itself: normal frame, then checked while the menu is open;
    // without an icon of its own it shows the default icon (27 px box).
    PaintRecorder buttonPaint;
    host.button()->render(&buttonPaint);
    QCOMPARE(buttonPaint.pixmapDraws(skin.mainButton()).first().source, QRectF(0, 76, 38, 38));
    panel->close();
    flushDeletes();
    buttonPaint.clear();
    host.button()->render(&buttonPaint);
    QCOMPARE(buttonPaint.pixmapDraws(skin.mainButton()).first().source, QRectF(0, 0, 38, 38));
    QCOMPARE(buttonPaint.ops(oru::test::PaintOp::Pixmap).size(), 2);
}

void TestAppMenu::navigation_data()
{
    QTest::addColumn<QList<bool>>("enabled");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("focused"); // -1: no item has the focus
    const QList<bool> all{true, true, true, true};
    QTest::newRow("opens on first") << all << QList<int>{} << 0 << 0;
    QTest::newRow("down") << all << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2 << 2;
    QTest::newRow("down wraps") << all << QList<int>(4, Qt::Key_Down) << 0 << 0;
    QTest::newRow("up wraps") << all << QList<int>{Qt::Key_Up} << 3 << 3;
    QTest::newRow("up then down") << all << QList<int>{Qt::Key_Up, Qt::Key_Down} << 0 << 0;
    QTest::newRow("first disabled")
        << QList<bool>{false, true, true, true} << QList<int>{} << 1 << 1;
    // The index moves onto a disabled item; the focus stays where it was.
    QTest::newRow("onto disabled")
        << QList<bool>{true, false, true, true} << QList<int>{Qt::Key_Down} << 1 << 0;
    QTest::newRow("past disabled")
        << QList<bool>{true, false, true, true} << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2 << 2;
    QTest::newRow("all disabled") << QList<bool>{false, false, false, false} << QList<int>{} << 0
                                  << -1;
    QTest::newRow("left and right do nothing")
        << all << QList<int>{Qt::Key_Down, Qt::Key_Left, Qt::Key_Right} << 1 << 1;
}

void TestAppMenu::navigation()
{
    QFETCH(QList<bool>, enabled);
    QFETCH(QList<int>, keys);
    QFETCH(int, index);
    QFETCH(int, focused);
    Host host;
    const QList<RibbonAction*> actions = host.bar->mainMenuActions().menuActions();
    for (int i = 0; i < 4; ++i)
        actions.at(i)->setEnabled(enabled.at(i));
    RibbonPanelMain* panel = host.openMenu();
    const QList<RibbonMainMenuItem*> items = panel->buttons();
    for (int k : keys) {
        // Keys reach the item that has the focus, or the panel without one.
        QWidget* target = panel->focusWidget() ? panel->focusWidget() : panel;
        key(target, Qt::Key(k));
    }
    QCOMPARE(panel->currentIndex(), index);
    QCOMPARE(panel->focusWidget(), focused < 0 ? nullptr : items.at(focused));
    QVERIFY(panel->isVisible());
    QVERIFY(host.button()->isChecked());
}

void TestAppMenu::subMenuKeys()
{
    Host host;
    RibbonPanelMain* panel = host.openMenu();
    RibbonMainMenuMenuButton* item = host.subMenuItem(panel);
    auto* popup = item->popupMenu();
    QVERIFY(popup && !popup->isVisible());
    // Only the simple children: the nested menu is left out.
    QCOMPARE(popup->buttons().size(), 2);
    QCOMPARE(popup->items().at(1)->text(), QStringLiteral("Plain text"));

    struct Step
    {
        Qt::Key key;
        bool onPopupItem; // send to the focused popup item, else to the sub-menu item
        bool popupOpen;
    };
    // Right and Return open the sub-menu with its first item focused; Left
    // and Escape close it and hand the focus back; Alt closes it too.
    const Step steps[] = {{Qt::Key_Right, false, true},  {Qt::Key_Down, true, true},
                          {Qt::Key_Left, true, false},   {Qt::Key_Return, false, true},
                          {Qt::Key_Escape, true, false}, {Qt::Key_Enter, false, true},
                          {Qt::Key_Alt, true, false}};
    for (const Step& step : steps) {
        QWidget* target = step.onPopupItem ? popup->focusWidget() : item;
        QVERIFY(target);
        key(target, step.key);
        QCOMPARE(popup->isVisible(), step.popupOpen);
        QCOMPARE(RibbonMainMenuMenuButton::s_CurrentMainPopup, step.popupOpen ? popup : nullptr);
        if (step.popupOpen && step.key != Qt::Key_Down) {
            QCOMPARE(popup->focusWidget(), popup->buttons().first());
            QCOMPARE(popup->currentIndex(), 0);
        }
        if (!step.popupOpen && step.key != Qt::Key_Alt)
            QCOMPARE(panel->focusWidget(), item);
        QVERIFY(panel->isVisible()); // the main panel stays open throughout
    }
    // Down in the popup moved within it and wrapped nowhere else.
    key(item, Qt::Key_Right);
    key(popup->focusWidget(), Qt::Key_Up);
    QCOMPARE(popup->currentIndex(), 1);
}

void TestAppMenu::subMenuPopup()
{
    Host host;
    RibbonPanelMain* panel = host.openMenu();
    RibbonMainMenuMenuButton* item = host.subMenuItem(panel);
    auto* popup = item->popupMenu();

    // Hovering opens it once the event loop is idle, unless the cursor left.
    oru::test::mouseEnter(item, QPoint(5, 5));
    oru::test::mouseLeave(item);
    QTest::qWait(20);
    QVERIFY(!popup->isVisible());
    oru::test::mouseEnter(item, QPoint(5, 5));
    QTRY_VERIFY(popup->isVisible());

    // Entering a plain item of the main panel closes it.
    oru::test::mouseEnter(panel->buttons().at(0), QPoint(5, 5));
    QVERIFY(!popup->isVisible());
    QCOMPARE(RibbonMainMenuMenuButton::s_CurrentMainPopup, nullptr);

    // A press on the item's menu part keeps it open; with the default action
    // disabled, so does a press on the caption part.
    item->showPopup();
    // Laid exactly over the recent-files column. The offscreen platform
    // shifts a moved popup by its frame margins, so the position is checked
    // in the X11 run of this suite.
    RibbonRecentFiles* column = panel->recentFiles();
    QCOMPARE(popup->size(), column->size());
    if (oru::test::onX11())
        QCOMPARE(popup->pos(), column->mapToGlobal(QPoint(0, 0)));
    QCOMPARE(item->popupSize(), column->size());
    oru::test::mousePress(popup,
                          popup->mapFromGlobal(item->mapToGlobal(item->menuRect().center())));
    QVERIFY(popup->isVisible());
    host.saveDefault->setEnabled(false);
    oru::test::mousePress(popup, popup->mapFromGlobal(item->mapToGlobal(QPoint(5, 5))));
    QVERIFY(popup->isVisible());
    // A click on the caption part does nothing without an enabled default.
    QSignalSpy saved(host.saveDefault, &QAction::triggered);
    oru::test::mouseRelease(item, QPoint(5, 5));
    QCOMPARE(saved.count(), 0);
    QVERIFY(panel->isVisible());

    // Painting: caption frame 4 for the disabled default, menu frame 0 open.
    const RibbonStyle& skin = *RibbonApplication::theApp()->ribbonStyle();
    PaintRecorder recorder;
    item->render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin.horizontalMenuButtonCaption()).first().source,
             QRectF(0, 88, 2, 2));
    QCOMPARE(recorder.pixmapDraws(skin.horizontalMenuButtonMenu()).first().source,
             QRectF(0, 0, 9, 2));
    recorder.clear();
    popup->render(&recorder);
    QVERIFY(recorder.texts().contains(QStringLiteral("Save a copy of the document")));
}

void TestAppMenu::closingPaths_data()
{
    QTest::addColumn<QString>("path");
    for (const char* path : {"outside press", "press on button copy", "item click", "item Return",
                             "sub-menu item", "sub-menu default", "sub-menu closePopup", "Escape",
                             "Alt", "options", "exit", "recent file", "shortcut reopen"})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestAppMenu::closingPaths()
{
    QFETCH(QString, path);
    Host host;
    RibbonButtonMain* button = host.button();
    RibbonPanelMain* panel = host.openMenu();
    QPointer<RibbonPanelMain> guard(panel);
    QSignalSpy closed(panel, &RibbonPanelMain::closed);
    RibbonMainMenuMenuButton* subItem = host.subMenuItem(panel);
    QPointer<QWidget> popup(subItem->popupMenu());
    QSignalSpy opened(host.open, &QAction::triggered);

    if (path == "outside press") {
        oru::test::mousePress(panel, QPoint(-30, panel->height() + 30));
    } else if (path == "press on button copy") {
        const QRect copy =
            panel->geometry().intersected(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
        QVERIFY(!copy.isEmpty());
        oru::test::mousePress(panel, panel->mapFromGlobal(copy.center()));
    } else if (path == "item click") {
        oru::test::mouseClick(panel->buttons().at(1), QPoint(5, 5));
        QCOMPARE(opened.count(), 1);
    } else if (path == "item Return") {
        key(panel->buttons().at(1), Qt::Key_Return);
        QCOMPARE(opened.count(), 1);
    } else if (path == "sub-menu item") {
        subItem->showPopup();
        oru::test::mouseClick(subItem->popupMenu()->items().at(1), QPoint(5, 5));
        QVERIFY(!popup->isVisible());
    } else if (path == "sub-menu default") {
        QSignalSpy saved(host.saveDefault, &QAction::triggered);
        oru::test::mouseRelease(subItem, QPoint(5, 5));
        QCOMPARE(saved.count(), 1);
    } else if (path == "sub-menu closePopup") {
        subItem->showPopup();
        auto* p = subItem->popupMenu();
        oru::test::mousePress(p, QPoint(-400, p->height() + 50));
    } else if (path == "Escape" || path == "Alt") {
        key(panel->focusWidget(), path == "Escape" ? Qt::Key_Escape : Qt::Key_Alt);
    } else if (path == "options" || path == "exit") {
        auto* b = panel->findChildren<RibbonMainPanelButton*>().at(path == "options" ? 0 : 1);
        QSignalSpy used(path == "options" ? host.options : host.exit, &QAction::triggered);
        // A second change must not double the trigger.
        (path == "options" ? host.options : host.exit)->setText(QStringLiteral("renamed"));
        oru::test::mouseClick(b, QPoint(5, 5));
        QCOMPARE(used.count(), 1);
    } else if (path == "recent file") {
        QSignalSpy used(host.recent.at(0), &QAction::triggered);
        oru::test::mouseClick(panel->recentFiles()->entries().at(0), QPoint(5, 5));
        QCOMPARE(used.count(), 1);
    } else if (path == "shortcut reopen") {
        panel->close();
        flushDeletes();
        button->click();
        panel = host.panel();
        QVERIFY(panel);
        guard = panel;
        key(panel->focusWidget(), Qt::Key_Escape);
        QCOMPARE(closed.count(), 1);
        closed.clear();
    }
    if (path != "shortcut reopen")
        QCOMPARE(closed.count(), 1);
    QVERIFY(!button->isChecked());
    flushDeletes();
    QVERIFY2(guard.isNull(), "a closed panel deletes itself");
    QVERIFY(popup.isNull());
    QCOMPARE(RibbonMainMenuMenuButton::s_CurrentMainPopup, nullptr);
    QVERIFY(button->findChildren<QWidget*>().isEmpty());
}

void TestAppMenu::recentFiles()
{
    Host host;
    auto* longPath = new RibbonSimpleAction(
        QStringLiteral("/home/user/projects/an/extremely/deeply/nested/folder/structure/that/"
                       "never/ends/final-report.odt"),
        &host.window);
    host.bar->recentFilesActions().addAction(longPath);
    RibbonPanelMain* panel = host.openMenu();
    const QList<RibbonRecentFiles::RecentFile*> entries = panel->recentFiles()->entries();
    QCOMPARE(entries.size(), 3);

    RibbonRecentFiles::RecentFile* entry = entries.at(2);
    const QFontMetrics fm(entry->font());
    QCOMPARE(entry->sizeHint(), QSize(200 + 12, 20));
    QCOMPARE(entries.at(1)->sizeHint(), QSize(fm.horizontalAdvance("/tmp/a.txt") + 12, 20));
    QCOMPARE(entry->font().pointSize(), 8);
    // Shortened in the middle: the start and the file name stay.
    const QString shown = entry->shownText();
    QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY(shown.startsWith(QStringLiteral("/home")));
    QVERIFY(shown.endsWith(QStringLiteral(".odt")));
    QVERIFY(fm.horizontalAdvance(shown) <= entry->width() - 24);
    QCOMPARE(entries.at(1)->shownText(), QStringLiteral("/tmp/a.txt"));
    PaintRecorder recorder;
    entry->render(&recorder);
    QCOMPARE(recorder.texts(), QStringList{shown});
    QCOMPARE(entry->toolTip(), longPath->toolTip());

    // The column's title and line; changes show only at the next opening.
    recorder.clear();
    panel->recentFiles()->render(&recorder);
    QVERIFY(recorder.texts().contains(QStringLiteral("Recent Files")));
    host.bar->recentFilesActions().removeAction(host.recent.at(0));
    QCOMPARE(panel->recentFiles()->entries().size(), 3);
    panel->close();
    flushDeletes();
    panel = host.openMenu();
    QCOMPARE(panel->recentFiles()->entries().size(), 2);
}

void TestAppMenu::itemSizes()
{
    Host host;
    host.saveText->setToolTip(QStringLiteral("Text only, without any formatting at all, for "
                                             "programs that read nothing else"));
    RibbonPanelMain* panel = host.openMenu();
    auto* plain = qobject_cast<RibbonMainMenuButton*>(panel->buttons().at(0));
    const QFontMetrics fm(plain->font());
    QCOMPARE(plain->font().pointSize(), 8);
    QCOMPARE(plain->sizeHint(), QSize(fm.horizontalAdvance("New") + 56, 44));
    RibbonMainMenuMenuButton* sub = host.subMenuItem(panel);
    QCOMPARE(sub->sizeHint(), QSize(fm.horizontalAdvance("Save As") + 80, 44));
    QCOMPARE(sub->captionRect(), QRect(0, 0, sub->width() - 24, sub->height()));

    // Inside the sub-menu: bold title over a description of at most two lines.
    const QList<RibbonMainMenuButton*> items = sub->popupMenu()->items();
    QFont boldFont = items.at(0)->font();
    boldFont.setWeight(QFont::Bold);
    const QFontMetrics bfm(boldFont);
    const int height = bfm.height() + 2 * fm.height() + 6;
    // Empty tool tip: the title sets the width, two lines stay reserved.
    QCOMPARE(items.at(0)->sizeHint(), QSize(bfm.horizontalAdvance("Document") + 56, height));
    // A long tip wraps to the narrowest width that still takes two lines.
    const QSize hint = items.at(1)->sizeHint();
    QCOMPARE(hint.height(), height);
    const int described = hint.width() - 56;
    const QString tip = items.at(1)->toolTip();
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QVERIFY(described < fm.horizontalAdvance(tip));
    QVERIFY(fm.boundingRect(QRect(0, 0, described, 0), flags, tip).height() <= 2 * fm.height());
    QVERIFY(fm.boundingRect(QRect(0, 0, described - 8, 0), flags, tip).height() > 2 * fm.height());

    // Bottom-row buttons: text + 20, 23 high.
    auto* exitButton = panel->findChildren<RibbonMainPanelButton*>().at(1);
    QCOMPARE(exitButton->sizeHint(),
             QSize(exitButton->fontMetrics().horizontalAdvance("Exit") + 20, 23));
}

void TestAppMenu::actionsDeletedWhileOpen()
{
    // Items, entries and bottom buttons survive their actions; nothing they
    // do afterwards reaches a dead object.
    {
        Host host;
        RibbonPanelMain* panel = host.openMenu();
        RibbonMainMenuMenuButton* sub = host.subMenuItem(panel);
        sub->showPopup();
        RibbonMainMenuItem* openItem = panel->buttons().at(1);
        auto* entry = panel->recentFiles()->entries().at(0);
        auto* exitButton = panel->findChildren<RibbonMainPanelButton*>().at(1);
        auto* subChild = sub->popupMenu()->items().at(0);
        delete host.open;
        delete host.recent.takeFirst();
        delete host.exit;
        delete host.saveDefault;
        QVERIFY(!openItem->isEnabled());
        QVERIFY(!subChild->isEnabled());
        oru::test::mouseClick(openItem, QPoint(5, 5));
        oru::test::mouseClick(entry, QPoint(5, 5));
        oru::test::mouseClick(exitButton, QPoint(5, 5));
        oru::test::mouseRelease(sub, QPoint(5, 5));
        QVERIFY(panel->isVisible());
        QCOMPARE(host.bar->exitAction(), nullptr);
        // The sub-menu's own action goes: its popup closes, the panel stays.
        delete host.saveAs;
        QVERIFY(!sub->popupMenu()->isVisible());
        QCOMPARE(RibbonMainMenuMenuButton::s_CurrentMainPopup, nullptr);
        for (QWidget* w : {static_cast<QWidget*>(panel), static_cast<QWidget*>(sub)}) {
            PaintRecorder recorder;
            w->render(&recorder);
        }
        key(panel->focusWidget() ? panel->focusWidget() : panel, Qt::Key_Escape);
        flushDeletes();
        QVERIFY(!host.panel());
        QVERIFY(!host.button()->isChecked());
    }
    // The bar (and its button) destroyed while the menu and a sub-menu are
    // open: everything goes with it.
    {
        auto host = std::make_unique<Host>();
        RibbonPanelMain* panel = host->openMenu();
        host->subMenuItem(panel)->showPopup();
        QPointer<RibbonPanelMain> guard(panel);
        host.reset();
        flushDeletes();
        QVERIFY(guard.isNull());
        QCOMPARE(RibbonMainMenuMenuButton::s_CurrentMainPopup, nullptr);
    }
}

ORU_TEST_MAIN(TestAppMenu)
#include "tst_appmenu.moc"
