// The application menu: opening, placement, painting, keys, sub-menus,
// recent files, every way of closing, and actions deleted while it is open.
#include <oruRibbonButtonMain.h>
#include <oruRibbonMainMenuButton.h>
#include <oruRibbonMainMenuMenuButton.h>
#include <oruRibbonMainPanelButton.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonRecentFiles.h>
#include <oruRibbonSimpleAction.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QScreen>
#include <QTextLayout>

#include <functional>

using namespace oru;
using oru::test::PaintRecorder;
using oru::test::skin;

namespace {

// A window whose application menu holds "New", "Open", a sub-menu "Save As"
// (default "Document", a nested menu, "Plain text"), "Print" and a string
// action that makes no item; two recent files; options and exit.
struct Host
{
    RibbonMainWindow window;
    RibbonMenuBar* bar = window.ribbonMenuBar();
    RibbonSimpleAction* open = new RibbonSimpleAction(QStringLiteral("Open"), &window);
    RibbonMenuAction* saveAs = new RibbonMenuAction(QStringLiteral("Save As"), &window);
    RibbonSimpleAction* saveDefault = new RibbonSimpleAction(QStringLiteral("Document"), saveAs);
    RibbonSimpleAction* saveText = new RibbonSimpleAction(QStringLiteral("Plain text"), saveAs);
    RibbonSimpleAction* options = new RibbonSimpleAction(QStringLiteral("Options"), &window);
    RibbonSimpleAction* exit = new RibbonSimpleAction(QStringLiteral("Exit"), &window);
    QList<RibbonSimpleAction*> recent;

    explicit Host(QPoint pos = QPoint(20, 20))
    {
        saveAs->setToolTip(QStringLiteral("Save a copy of the document"));
        saveAs->addAction(saveDefault, true);
        saveAs->addAction(new RibbonMenuAction(QStringLiteral("Nested"), saveAs));
        saveAs->addAction(saveText);
        RibbonMenuAction& menu = bar->mainMenuActions();
        menu.addAction(new RibbonSimpleAction(QStringLiteral("New"), &window));
        for (RibbonAction* a : std::initializer_list<RibbonAction*>{
                 open, saveAs, new RibbonSimpleAction(QStringLiteral("Print"), &window),
                 new RibbonAction(QStringLiteral("not shown"), &window)})
            menu.addAction(a);
        for (const char* path : {"/home/user/letters/2009/to-the-council.odt", "/tmp/a.txt"}) {
            recent << new RibbonSimpleAction(QString::fromLatin1(path), &window);
            bar->recentFilesActions().addAction(recent.last());
        }
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
        QCoreApplication::sendPostedEvents(); // let the layout size the panel
        return panel();
    }
    RibbonMainPanelButton* bottom(int i) const
    {
        return panel()->findChildren<RibbonMainPanelButton*>().at(i);
    }
};

RibbonMainMenuMenuButton* subMenuItem(RibbonPanelMain* p)
{
    return p->findChild<RibbonMainMenuMenuButton*>();
}

// An icon with one distinct picture per mode, so that a recording tells
// which mode was painted.
struct ModeIcon
{
    QPixmap normal = filled(Qt::blue);
    QPixmap disabled = filled(Qt::gray);
    QIcon icon;

    ModeIcon()
    {
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(disabled, QIcon::Disabled);
    }
    static QPixmap filled(Qt::GlobalColor color)
    {
        QPixmap pixmap(32, 32);
        pixmap.fill(color);
        return pixmap;
    }
};

// The number of lines @p text takes when word-wrapped at @p width.
int lineCount(const QFont& font, const QString& text, int width)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

void closeAndFlush(QWidget* panel)
{
    if (panel)
        panel->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    void disabledSubMenuItem();
    void closingPaths_data();
    void closingPaths();
    void recentFiles();
    void tabStopsShowAndEnterUsesThem();
    void itemSizes();
    void actionsDeletedWhileOpen();
    void hoverTrackingRepaintsLeftItem();
    void rightToLeft();
};

void TestAppMenu::openAndBuild()
{
    Host host;
    RibbonButtonMain* button = host.button();
    QCOMPARE(button->size(), QSize(38, 38));
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    oru::test::mousePress(button, QPoint(10, 10), Qt::RightButton);
    QVERIFY(!host.panel());
    RibbonPanelMain* panel = host.openMenu();
    QVERIFY(panel && panel->isVisible() && button->isChecked());
    QCOMPARE(clicked.count(), 0);                  // a press never clicks
    oru::test::mousePress(button, QPoint(10, 10)); // open already: no second panel
    QCOMPARE(button->findChildren<RibbonPanelMain*>().size(), 1);

    QStringList texts;
    for (RibbonMainMenuItem* item : panel->buttons())
        texts << item->text();
    QCOMPARE(texts, (QStringList{"New", "Open", "Save As", "Print"}));
    QVERIFY(qobject_cast<RibbonMainMenuMenuButton*>(panel->buttons().at(2)));
    // Bottom row: options left of exit, both tracked after the items.
    QCOMPARE(panel->findChildren<RibbonMainPanelButton*>().size(), 2);
    QVERIFY(host.bottom(0)->x() < host.bottom(1)->x());
    QCOMPARE(host.bottom(0)->text(), QStringLiteral("Options"));
    QCOMPARE(panel->trackedButtons().size(), 6);
    QVERIFY(panel->recentFiles()->x() > panel->itemsGeometry().right());
    QCOMPARE(panel->recentFiles()->width(), 250);

    // (Every way of closing, and opening again by the shortcut: closingPaths.)
    closeAndFlush(panel);
    QSignalSpy closeApp(button, &RibbonButtonMain::closeApplication);
    oru::test::mouseDoubleClick(button, QPoint(5, 5));
    QCOMPARE(closeApp.count(), 1);
}

void TestAppMenu::placement()
{
    Host host;
    RibbonPanelMain* panel = host.openMenu();
    const int captionBottom = host.bar->mapToGlobal(host.bar->captionGeometry().bottomLeft()).y();
    QCOMPARE(panel->pos(), QPoint(host.button()->mapToGlobal(QPoint(0, 0)).x(), captionBottom));
    QVERIFY(!panel->placedAbove());
    // The mask cuts exactly one pixel at each corner.
    const QRegion mask = panel->mask();
    const int w = panel->width(), h = panel->height();
    for (const QPoint& p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        QVERIFY(!mask.contains(p));
    for (const QPoint& p : {QPoint(1, 0), QPoint(0, 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2)})
        QVERIFY(mask.contains(p));
    closeAndFlush(panel);

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    Host right(QPoint(available.right() - 200, 20));
    panel = right.openMenu();
    QCOMPARE(panel->x(), available.right() - panel->width());
    closeAndFlush(panel);

    // Too little room below: kept on the screen, without the button copy.
    Host low(QPoint(20, available.bottom() - 60));
    panel = low.openMenu();
    QVERIFY(panel->placedAbove());
    QVERIFY(panel->geometry().bottom() <= available.bottom());
    QVERIFY(oru::test::drawsOf(panel, skin().mainButton()).isEmpty());
}

void TestAppMenu::painting()
{
    Host host;
    RibbonPanelMain* panel = host.openMenu();
    PaintRecorder recorder;
    panel->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const int w = panel->width(), h = panel->height();
    const auto back = recorder.pixmapDraws(skin().mainPanelBack());
    QCOMPARE(back.size(), 9);
    QCOMPARE(back.at(4).target, QRectF(4, 10, w - 8, h - 37));
    QCOMPARE(back.at(4).source, QRectF(4, 10, 1, 1));
    QCOMPARE(back.at(8).target, QRectF(w - 4, h - 27, 4, 27));
    QCOMPARE(back.at(8).source, QRectF(5, 11, 4, 27));
    const QRect r = panel->columnsGeometry();
    QCOMPARE(recorder.pixmapDraws(skin().mainPanelSeparator()).value(0).target,
             QRectF(panel->itemsGeometry().right() + 1, r.top(), 2, r.height()));
    const auto border = recorder.pixmapDraws(skin().mainPanelBorder());
    QCOMPARE(border.size(), 8);
    QCOMPARE(border.at(7).target, QRectF(r.right() - 1, r.bottom() - 1, 2, 2));
    // The copy of the button, in its checked frame, where it lies under the panel.
    const auto copy = recorder.pixmapDraws(skin().mainButton());
    QCOMPARE(copy.size(), 1);
    QCOMPARE(copy.first().source, QRectF(0, 76, 38, 38));
    QCOMPARE(copy.first().target.topLeft(),
             QPointF(panel->mapFromGlobal(host.button()->mapToGlobal(QPoint(0, 0)))));

    // The button: checked frame while open, normal after; the default icon.
    QCOMPARE(oru::test::sourceOf(host.button(), skin().mainButton()), QRectF(0, 76, 38, 38));
    closeAndFlush(panel);
    recorder.clear();
    host.button()->render(&recorder);
    QCOMPARE(recorder.pixmapDraws(skin().mainButton()).first().source, QRectF(0, 0, 38, 38));
    QCOMPARE(recorder.ops(oru::test::PaintOp::Pixmap).size(), 2);
}

void TestAppMenu::navigation_data()
{
    QTest::addColumn<QList<bool>>("enabled");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("focused"); // -1: no item has the focus
    const QList<bool> all{true, true, true, true}, second{true, false, true, true};
    QTest::newRow("opens on first") << all << QList<int>{} << 0 << 0;
    QTest::newRow("down") << all << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2 << 2;
    QTest::newRow("down wraps") << all << QList<int>(4, Qt::Key_Down) << 0 << 0;
    QTest::newRow("up wraps") << all << QList<int>{Qt::Key_Up} << 3 << 3;
    QTest::newRow("first disabled")
        << QList<bool>{false, true, true, true} << QList<int>{} << 1 << 1;
    // The index moves onto a disabled item; the focus stays where it was.
    QTest::newRow("onto disabled") << second << QList<int>{Qt::Key_Down} << 1 << 0;
    QTest::newRow("past disabled") << second << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2 << 2;
    QTest::newRow("all disabled") << QList<bool>(4, false) << QList<int>{} << 0 << -1;
    QTest::newRow("left, right inert")
        << all << QList<int>{Qt::Key_Down, Qt::Key_Left, Qt::Key_Right} << 1 << 1;
}

void TestAppMenu::navigation()
{
    QFETCH(QList<bool>, enabled);
    QFETCH(QList<int>, keys);
    Host host;
    for (int i = 0; i < 4; ++i)
        host.bar->mainMenuActions().menuActions().at(i)->setEnabled(enabled.at(i));
    RibbonPanelMain* panel = host.openMenu();
    for (int k : keys) // to the focused item, or the panel without one
        QTest::keyClick(panel->focusWidget() ? panel->focusWidget() : panel, Qt::Key(k));
    QTEST(panel->currentIndex(), "index");
    QFETCH(int, focused);
    QCOMPARE(panel->focusWidget(), focused < 0 ? nullptr : panel->buttons().at(focused));
    QVERIFY(panel->isVisible() && host.button()->isChecked());
}

void TestAppMenu::subMenuKeys()
{
    Host host;
    RibbonPanelMain* panel = host.openMenu();
    RibbonMainMenuMenuButton* item = subMenuItem(panel);
    auto* popup = item->popupMenu();
    QVERIFY(popup && !popup->isVisible());
    // Only the simple children: the nested menu is left out.
    QCOMPARE(popup->buttons().size(), 2);
    QCOMPARE(popup->items().at(1)->text(), QStringLiteral("Plain text"));

    // Right, Return and Enter open with the first item focused; Left and
    // Escape close and hand the focus back; Alt closes too.
    const struct
    {
        Qt::Key key;
        bool onPopupItem; // else sent to the sub-menu item
        bool popupOpen;
    } steps[] = {{Qt::Key_Right, false, true},  {Qt::Key_Down, true, true},
                 {Qt::Key_Left, true, false},   {Qt::Key_Return, false, true},
                 {Qt::Key_Escape, true, false}, {Qt::Key_Enter, false, true},
                 {Qt::Key_Alt, true, false}};
    for (const auto& step : steps) {
        QWidget* target = step.onPopupItem ? popup->focusWidget() : item;
        QVERIFY(target);
        QTest::keyClick(target, step.key);
        QCOMPARE(popup->isVisible(), step.popupOpen);
        QCOMPARE(RibbonMainMenuMenuButton::s_CurrentMainPopup, step.popupOpen ? popup : nullptr);
        if (step.popupOpen && step.key != Qt::Key_Down) {
            QCOMPARE(popup->focusWidget(), popup->buttons().first());
            QCOMPARE(popup->currentIndex(), 0);
        }
        if (!step.popupOpen && step.key != Qt::Key_Alt)
            QCOMPARE(panel->focusWidget(), item);
        QVERIFY(panel->isVisible());
    }
    // Keys inside the popup move within it: Up from the first wraps to the last.
    QTest::keyClick(item, Qt::Key_Right);
    QTest::keyClick(popup->focusWidget(), Qt::Key_Up);
    QCOMPARE(popup->currentIndex(), 1);
}

void TestAppMenu::subMenuPopup()
{
    Host host;
    RibbonPanelMain* panel = host.openMenu();
    RibbonMainMenuMenuButton* item = subMenuItem(panel);
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

    item->showPopup();
    // Laid over the recent-files column. The offscreen platform shifts a
    // moved popup by its frame margins: the position is checked on X11.
    RibbonRecentFiles* column = panel->recentFiles();
    QCOMPARE(popup->size(), column->size());
    QCOMPARE(item->popupSize(), column->size());
    if (oru::test::onX11())
        QCOMPARE(popup->pos(), column->mapToGlobal(QPoint(0, 0)));
    // A press on the menu part keeps it open; with the default disabled, a
    // press on the caption part too, and a click there triggers nothing.
    oru::test::mousePress(popup,
                          popup->mapFromGlobal(item->mapToGlobal(item->menuRect().center())));
    QVERIFY(popup->isVisible());
    host.saveDefault->setEnabled(false);
    oru::test::mousePress(popup, popup->mapFromGlobal(item->mapToGlobal(QPoint(5, 5))));
    QVERIFY(popup->isVisible());
    QSignalSpy saved(host.saveDefault, &QAction::triggered);
    oru::test::mouseRelease(item, QPoint(5, 5));
    QCOMPARE(saved.count(), 0);
    QVERIFY(panel->isVisible());

    // Caption frame 4 for the disabled default, menu frame 0 while open.
    QCOMPARE(oru::test::sourceOf(item, skin().horizontalMenuButtonCaption()), QRectF(0, 88, 2, 2));
    QCOMPARE(oru::test::sourceOf(item, skin().horizontalMenuButtonMenu()), QRectF(0, 0, 9, 2));
    PaintRecorder recorder;
    popup->render(&recorder);
    QVERIFY(recorder.texts().contains(QStringLiteral("Save a copy of the document")));
}

void TestAppMenu::disabledSubMenuItem()
{
    // Disabled, the sub-menu item shows no frames even under the cursor, but
    // still its icon in the Disabled mode, its text and its arrow, dimmed.
    Host host;
    const ModeIcon icons;
    host.saveAs->setIcon(icons.icon);
    host.saveAs->setEnabled(false);
    RibbonPanelMain* panel = host.openMenu();
    RibbonMainMenuMenuButton* sub = subMenuItem(panel);
    QVERIFY(!sub->isEnabled());
    oru::test::placeCursor(sub, QPoint(10, 10));
    const int h = sub->height();
    for (bool enabled : {false, true}) {
        host.saveAs->setEnabled(enabled);
        PaintRecorder recorder;
        sub->render(&recorder);
        QCOMPARE(recorder.pixmapDraws(skin().horizontalMenuButtonCaption()).isEmpty(), !enabled);
        QCOMPARE(recorder.pixmapDraws(skin().horizontalMenuButtonMenu()).isEmpty(), !enabled);
        const auto icon = recorder.pixmapDraws(enabled ? icons.normal : icons.disabled);
        QCOMPARE(icon.size(), 1);
        QCOMPARE(icon.first().target, QRectF(6, (h - 1) / 2 - 15, 32, 32));
        const QColor colour =
            enabled ? skin().highlightedCategoryTextColor() : skin().disabledCategoryTextColor();
        const auto texts = recorder.ops(oru::test::PaintOp::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.first().text, QStringLiteral("Save As"));
        QCOMPARE(texts.first().pen.color(), colour);
        const auto arrow = recorder.ops(oru::test::PaintOp::Polygon);
        QCOMPARE(arrow.size(), 1);
        QCOMPARE(arrow.first().brush.color(), colour);
        const int cx = (sub->width() - 24 + sub->width() - 1) / 2;
        QCOMPARE(arrow.first().polygon.boundingRect().topLeft(), QPointF(cx - 1, (h - 1) / 2 - 3));
    }
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
    RibbonMainMenuMenuButton* subItem = subMenuItem(panel);
    QPointer<QWidget> popup(subItem->popupMenu());
    // The action that the path must trigger exactly once, if any.
    QAction* expected = nullptr;
    std::function<void()> act;

    if (path == "outside press") {
        oru::test::mousePress(panel, QPoint(-30, panel->height() + 30));
    } else if (path == "press on button copy") {
        const QRect copy =
            panel->geometry().intersected(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
        QVERIFY(!copy.isEmpty());
        oru::test::mousePress(panel, panel->mapFromGlobal(copy.center()));
    } else if (path.startsWith("item")) {
        expected = host.open;
        act = [&] {
            if (path == "item click")
                oru::test::mouseClick(panel->buttons().at(1), QPoint(5, 5));
            else
                QTest::keyClick(panel->buttons().at(1), Qt::Key_Return);
        };
    } else if (path == "sub-menu item") {
        subItem->showPopup();
        oru::test::mouseClick(subItem->popupMenu()->items().at(1), QPoint(5, 5));
        QVERIFY(!popup->isVisible());
    } else if (path == "sub-menu default") {
        expected = host.saveDefault;
        act = [&] { oru::test::mouseRelease(subItem, QPoint(5, 5)); };
    } else if (path == "sub-menu closePopup") {
        subItem->showPopup();
        oru::test::mousePress(subItem->popupMenu(), QPoint(-400, popup->height() + 50));
    } else if (path == "Escape" || path == "Alt") {
        QTest::keyClick(panel->focusWidget(), path == "Escape" ? Qt::Key_Escape : Qt::Key_Alt);
    } else if (path == "options" || path == "exit") {
        expected = path == "options" ? host.options : host.exit;
        expected->setText(QStringLiteral("renamed")); // a change must not double the trigger
        act = [&] { oru::test::mouseClick(host.bottom(path == "options" ? 0 : 1), QPoint(5, 5)); };
    } else if (path == "recent file") {
        expected = host.recent.at(0);
        act = [&] { oru::test::mouseClick(panel->recentFiles()->entries().at(0), QPoint(5, 5)); };
    } else if (path == "shortcut reopen") {
        closeAndFlush(panel); // counts as the one close of the first panel
        QVERIFY(!button->isChecked());
        button->click(); // the shortcut's path
        QVERIFY(button->isChecked() && host.panel());
        guard = host.panel();
        QSignalSpy reclosed(host.panel(), &RibbonPanelMain::closed);
        QTest::keyClick(host.panel()->focusWidget(), Qt::Key_Escape);
        QCOMPARE(reclosed.count(), 1);
    }
    if (expected) {
        QSignalSpy used(expected, &QAction::triggered);
        act();
        QCOMPARE(used.count(), 1);
    }
    QCOMPARE(closed.count(), 1);
    QVERIFY(!button->isChecked());
    closeAndFlush(nullptr);
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
    host.recent.at(1)->setEnabled(false);
    RibbonPanelMain* panel = host.openMenu();
    const QList<RibbonRecentFiles::RecentFile*> entries = panel->recentFiles()->entries();
    QCOMPARE(entries.size(), 3);
    RibbonRecentFiles::RecentFile* entry = entries.at(2);
    const QFontMetrics fm(entry->font());
    QCOMPARE(entry->font().pointSize(), 8);
    QCOMPARE(entry->sizeHint(), QSize(200 + 12, 20));
    QCOMPARE(entries.at(1)->sizeHint(), QSize(fm.horizontalAdvance("/tmp/a.txt") + 12, 20));
    QCOMPARE(entries.at(1)->shownText(), QStringLiteral("/tmp/a.txt"));
    // Shortened in the middle: the start and the file name stay.
    const QString shown = entry->shownText();
    QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY(shown.startsWith(QStringLiteral("/home")) && shown.endsWith(QStringLiteral(".odt")));
    QVERIFY(fm.horizontalAdvance(shown) <= entry->width() - 24);
    PaintRecorder recorder;
    entry->render(&recorder);
    QCOMPARE(recorder.texts(), QStringList{shown});
    QCOMPARE(entry->toolTip(), longPath->toolTip());

    // A disabled file: dimmed text, no highlight under the cursor, no click;
    // enabled while the menu is open, it takes both back.
    RibbonRecentFiles::RecentFile* disabled = entries.at(1);
    QSignalSpy triggered(host.recent.at(1), &QAction::triggered);
    oru::test::placeCursor(disabled, QPoint(5, 5));
    for (bool enabled : {false, true}) {
        host.recent.at(1)->setEnabled(enabled);
        QCOMPARE(disabled->isEnabled(), enabled);
        recorder.clear();
        disabled->render(&recorder);
        QCOMPARE(recorder.pixmapDraws(skin().horizontalMenuButtonMenu()).isEmpty(), !enabled);
        const auto text = recorder.ops(oru::test::PaintOp::Text);
        QCOMPARE(text.size(), 1);
        QCOMPARE(text.first().pen.color(), enabled ? skin().highlightedCategoryTextColor()
                                                   : skin().disabledCategoryTextColor());
        if (!enabled) {
            QSignalSpy clicked(disabled, &QAbstractButton::clicked);
            oru::test::mouseClick(disabled, QPoint(5, 5));
            QCOMPARE(clicked.count(), 0);
            QCOMPARE(triggered.count(), 0);
            QVERIFY(panel->isVisible());
        }
    }
    oru::test::parkCursor();

    // The column's title; changes show only at the next opening.
    recorder.clear();
    panel->recentFiles()->render(&recorder);
    QVERIFY(recorder.texts().contains(QStringLiteral("Recent Files")));
    host.bar->recentFilesActions().removeAction(host.recent.at(0));
    QCOMPARE(panel->recentFiles()->entries().size(), 3);
    closeAndFlush(panel);
    QCOMPARE(host.openMenu()->recentFiles()->entries().size(), 2);
}

void TestAppMenu::tabStopsShowAndEnterUsesThem()
{
    // Opened by the mouse, driven by keys through the window system: every
    // stop Tab reaches looks highlighted, and Enter uses that one only.
    Host host;
    QStringList used;
    QList<QAction*> all{host.options, host.exit};
    for (QAction* item : host.bar->mainMenuActions().menuActions())
        all.append(item);
    for (QAction* file : host.recent)
        all.append(file);
    for (QAction* action : all)
        connect(action, &QAction::triggered, &host.window,
                [&used, action] { used.append(action->text()); });
    RibbonPanelMain* panel = host.openMenu();
    QList<QWidget*> stops;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(panel->windowHandle(), Qt::Key_Tab);
        QWidget* focus = panel->focusWidget();
        QVERIFY(focus);
        if (stops.contains(focus))
            break;
        stops.append(focus);
        const QImage shown = focus->grab().toImage();
        focus->clearFocus();
        const QImage plain = focus->grab().toImage();
        focus->setFocus(Qt::TabFocusReason);
        QVERIFY2(shown != plain, focus->metaObject()->className());
    }
    const QList<RibbonRecentFiles::RecentFile*> entries = panel->recentFiles()->entries();
    QVERIFY(stops.contains(entries.at(1)));
    while (panel->focusWidget() != entries.at(1))
        QTest::keyClick(panel->windowHandle(), Qt::Key_Tab);
    QTest::keyClick(panel->windowHandle(), Qt::Key_Return);
    QCOMPARE(used, QStringList{host.recent.at(1)->text()});
    QTRY_VERIFY(!host.panel());
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
    RibbonMainMenuMenuButton* sub = subMenuItem(panel);
    QCOMPARE(sub->sizeHint(), QSize(fm.horizontalAdvance("Save As") + 80, 44));
    QCOMPARE(sub->captionRect(), QRect(0, 0, sub->width() - 24, sub->height()));

    // Sub-menu items: bold title over a description of at most two lines.
    const QList<RibbonMainMenuButton*> items = sub->popupMenu()->items();
    QFont boldFont = items.at(0)->font();
    boldFont.setWeight(QFont::Bold);
    const QFontMetrics bfm(boldFont);
    // No tool tip: the title sets the width, two lines stay reserved.
    const int height = items.at(0)->sizeHint().height();
    QCOMPARE(items.at(0)->sizeHint(), QSize(bfm.horizontalAdvance("Document") + 56, height));
    QVERIFY(height >= bfm.height() + 2 * fm.height() + 6);
    // A long tip wraps to the narrowest width that still takes two lines,
    // and both lines are painted inside the item.
    RibbonMainMenuButton* described = items.at(1);
    const QString tip = described->toolTip();
    for (const QString& text : {tip, QStringLiteral("Format Painter Tool")}) {
        described->setToolTip(text);
        const QSize hint = described->sizeHint();
        QCOMPARE(hint.height(), height);
        const int width = hint.width() - 56;
        QVERIFY(width < fm.horizontalAdvance(text));
        QCOMPARE(lineCount(described->font(), text, width), 2);
        QVERIFY(lineCount(described->font(), text, width - 2) > 2);
        described->resize(hint);
        PaintRecorder recorder;
        described->render(&recorder);
        const auto lines = recorder.ops(oru::test::PaintOp::Text);
        QCOMPARE(lines.size(), 3); // the title and two description lines
        QVERIFY(lines.last().position.y() + fm.descent() <= height);
    }
    // The three words break before the second: its line is the widest.
    QVERIFY(qAbs(described->sizeHint().width() - 56 -
                 fm.horizontalAdvance(QStringLiteral("Painter Tool"))) <= 1);

    RibbonMainPanelButton* exitButton = host.bottom(1);
    QCOMPARE(exitButton->sizeHint(),
             QSize(exitButton->fontMetrics().horizontalAdvance("Exit") + 20, 23));
}

void TestAppMenu::actionsDeletedWhileOpen()
{
    {
        // Items, entries and bottom buttons outlive their actions; using them
        // afterwards reaches no dead object.
        Host host;
        RibbonPanelMain* panel = host.openMenu();
        RibbonMainMenuMenuButton* sub = subMenuItem(panel);
        sub->showPopup();
        QWidget* used[] = {panel->buttons().at(1), panel->recentFiles()->entries().at(0),
                           host.bottom(1)};
        RibbonMainMenuButton* subChild = sub->popupMenu()->items().at(0);
        delete host.open;
        delete host.recent.takeFirst();
        delete host.exit;
        delete host.saveDefault;
        QVERIFY(!used[0]->isEnabled() && !subChild->isEnabled());
        for (QWidget* w : used)
            oru::test::mouseClick(w, QPoint(5, 5));
        oru::test::mouseRelease(sub, QPoint(5, 5));
        QVERIFY(panel->isVisible());
        QCOMPARE(host.bar->exitAction(), nullptr);
        // The sub-menu's own action goes: its popup closes, the panel stays.
        delete host.saveAs;
        QVERIFY(!sub->popupMenu()->isVisible());
        QCOMPARE(RibbonMainMenuMenuButton::s_CurrentMainPopup, nullptr);
        oru::test::drawsOf(panel, skin().mainPanelBack());
        oru::test::drawsOf(sub, skin().horizontalMenuButtonCaption());
        QTest::keyClick(panel->focusWidget() ? panel->focusWidget() : panel, Qt::Key_Escape);
        closeAndFlush(nullptr);
        QVERIFY(!host.panel() && !host.button()->isChecked());
    }
    // The bar destroyed while the menu and a sub-menu are open.
    auto host = std::make_unique<Host>();
    RibbonPanelMain* panel = host->openMenu();
    subMenuItem(panel)->showPopup();
    QPointer<RibbonPanelMain> guard(panel);
    host.reset();
    closeAndFlush(nullptr);
    QVERIFY(guard.isNull());
    QCOMPARE(RibbonMainMenuMenuButton::s_CurrentMainPopup, nullptr);
}

namespace {

// Counts the paint events each watched widget receives.
class PaintCounter : public QObject
{
public:
    QHash<QObject*, int> counts;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++counts[watched];
        return false;
    }
};

} // namespace

// A move reported by an item of the open menu repaints the item the pointer
// left, so no stale hover highlight stays behind; a move within the same item
// repaints no other.
void TestAppMenu::hoverTrackingRepaintsLeftItem()
{
    Host host;
    RibbonPanelMain* panel = host.openMenu();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    const QList<QAbstractButton*> tracked = panel->trackedButtons();
    QVERIFY(tracked.size() >= 4);
    // Options, then exit in the bottom row.
    QAbstractButton* first = tracked.at(0);
    QAbstractButton* second = tracked.at(1);
    PaintCounter counter;
    for (QAbstractButton* button : tracked)
        button->installEventFilter(&counter);
    // The pointer arrives first (the item's own enter and leave handling),
    // then the item reports the move; only what that report repaints counts.
    const auto moveOnto = [&](QAbstractButton* button) {
        oru::test::placeCursor(button, button->rect().center());
        QTest::qWait(10);
        counter.counts.clear();
        QVERIFY(QMetaObject::invokeMethod(button, "mouseMoved"));
        QTest::qWait(10);
    };

    moveOnto(first);
    moveOnto(second);
    QVERIFY(counter.counts.value(first) > 0);
    moveOnto(second);
    QCOMPARE(counter.counts.value(first), 0);
    closeAndFlush(panel);
}

// Right to left the menu is the mirror of the left-to-right one: it opens
// leftwards under the button, items and columns mirrored within it, skin
// pieces and the sub-menu arrow mirrored, paths still read left to right.
void TestAppMenu::rightToLeft()
{
    struct Seen
    {
        QRect panel;
        QRect button;
        QList<QRect> children;
        QVector<test::PaintOp> subMenuOps;
        QVector<test::PaintOp> pathOps;
        int entryWidth = 0;
    };
    const auto look = [](Qt::LayoutDirection direction) {
        qApp->setLayoutDirection(direction);
        Host host;
        Seen seen;
        RibbonPanelMain* panel = host.openMenu();
        if (!panel)
            return seen;
        seen.panel = panel->geometry();
        seen.button = QRect(host.button()->mapToGlobal(QPoint(0, 0)), host.button()->size());
        for (QWidget* child : panel->findChildren<QWidget*>())
            if (child->isVisibleTo(panel))
                seen.children.append(QRect(child->mapTo(panel, QPoint(0, 0)), child->size()));
        RibbonMainMenuMenuButton* item = subMenuItem(panel);
        PaintRecorder itemRecorder(item->size());
        item->render(&itemRecorder);
        seen.subMenuOps = itemRecorder.ops(test::PaintOp::Polygon);
        auto* entry = panel->recentFiles()->findChildren<QAbstractButton*>().value(1);
        PaintRecorder entryRecorder(entry->size());
        entry->render(&entryRecorder);
        seen.pathOps = entryRecorder.ops(test::PaintOp::Text);
        seen.entryWidth = entry->width();
        panel->close();
        return seen;
    };
    const Seen ltr = look(Qt::LeftToRight);
    const Seen rtl = look(Qt::RightToLeft);
    qApp->setLayoutDirection(Qt::LeftToRight);
    QVERIFY(ltr.panel.isValid() && rtl.panel.isValid());
    QCOMPARE(ltr.panel.left(), ltr.button.left());
    QCOMPARE(rtl.panel.right(), rtl.button.right());
    QCOMPARE(rtl.panel.size(), ltr.panel.size());
    const int w = ltr.panel.width();
    QCOMPARE(rtl.children.size(), ltr.children.size());
    for (int i = 0; i < ltr.children.size(); ++i) {
        const QRect& r = ltr.children.at(i);
        QCOMPARE(rtl.children.at(i), QRect(w - r.x() - r.width(), r.y(), r.width(), r.height()));
    }
    // The arrow: in the 24 pixels at the left, pointing left (its tip is its
    // leftmost point, at the height of its middle).
    QCOMPARE(rtl.subMenuOps.size(), 1);
    const QPolygonF arrow = rtl.subMenuOps.first().polygon;
    const QRectF bounds = arrow.boundingRect();
    QVERIFY2(bounds.right() < 24, qPrintable(QString::number(bounds.right())));
    const auto tip = std::min_element(arrow.cbegin(), arrow.cend(),
                                      [](QPointF a, QPointF b) { return a.x() < b.x(); });
    QCOMPARE(tip->y(), bounds.center().y());
    // "/tmp/a.txt" as one left-to-right run, right-aligned before the icon room.
    QStringList runs;
    qreal left = 1e9;
    for (const test::PaintOp& op : rtl.pathOps) {
        runs << op.text;
        left = std::min(left, op.position.x());
    }
    QCOMPARE(runs.join(QString()), QStringLiteral("/tmp/a.txt"));
    const int advance = QFontMetrics(rtl.pathOps.first().font).horizontalAdvance("/tmp/a.txt");
    QCOMPARE(qRound(left) + advance, rtl.entryWidth - 6);
}

ORU_TEST_MAIN(TestAppMenu)
#include "tst_appmenu.moc"
