// The simplified ribbon: one row per tab, captions and then controls giving
// way in priority order into the "…" menu, switching modes, key tips.
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategory.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonKeyTips_p.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonScreenTip.h>
#include <oruRibbonSimplifiedRow_p.h>

#include "oruTestApp.h"

#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace oru;

namespace {

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

struct Host
{
    RibbonMainWindow window;
    RibbonMenuBar& bar = *window.ribbonMenuBar();
    QLabel central;
    RibbonCategoriesPanelAction home{QStringLiteral("Home"), &window};
    RibbonCategoriesPanelAction insert{QStringLiteral("Insert"), &window};
    QList<RibbonCategoryAction*> groups;
    // Every control action of the Home tab in page order.
    QList<RibbonAction*> actions;
    RibbonCatSimpleAction* bold = nullptr;
    RibbonCatSimpleAction* find = nullptr;
    RibbonCatMenuAction* styles = nullptr;

    Host()
    {
        using S = RibbonCatSimpleAction;
        const auto group = [&](const QString& caption) {
            auto* g = new RibbonCategoryAction(caption, &window);
            groups.append(g);
            home.addCategory(g);
            return g;
        };
        const auto simple = [&](RibbonCategoryAction* g, const QString& text, S::eSize size,
                                bool icon = true) {
            auto* a = icon ? new S(swatch(Qt::darkCyan), text, size, &window)
                           : new S(text, size, &window);
            g->addAction(a);
            actions.append(a);
            return a;
        };
        RibbonCategoryAction* clipboard = group(QStringLiteral("Clipboard"));
        simple(clipboard, QStringLiteral("Paste"), S::Large);
        simple(clipboard, QStringLiteral("Cut"), S::Medium);
        simple(clipboard, QStringLiteral("Copy"), S::Small);
        RibbonCategoryAction* font = group(QStringLiteral("Font"));
        bold = simple(font, QStringLiteral("Bold"), S::Small);
        bold->setCheckable(true);
        styles = new RibbonCatMenuAction(swatch(Qt::darkRed), QStringLiteral("Styles"),
                                         RibbonCatMenuAction::Button, RibbonCatMenuAction::Large,
                                         RibbonCatMenuAction::Menu, &window);
        styles->addAction(new S(QStringLiteral("Heading"), S::Medium, styles));
        styles->addAction(new S(QStringLiteral("Quote"), S::Medium, styles));
        font->addAction(styles);
        actions.append(styles);
        auto* size = new RibbonCatComboAction(&window);
        size->setText(QStringLiteral("Size"));
        font->addAction(size);
        actions.append(size);
        RibbonCategoryAction* editing = group(QStringLiteral("Editing"));
        find = simple(editing, QStringLiteral("Find"), S::Large);
        find->setPriority(QAction::HighPriority);
        simple(editing, QStringLiteral("Replace and Change All"), S::Medium);
        simple(editing, QStringLiteral("No Icon"), S::Medium, false);
        auto* other = new RibbonCategoryAction(QStringLiteral("Other"), &window);
        auto* table = new S(swatch(Qt::darkGreen), QStringLiteral("Table"), S::Large, &window);
        other->addAction(table);
        insert.addCategory(other);
        home.setChecked(true);
        bar.addAction(&home);
        bar.addAction(&insert);
        window.setCentralWidget(&central);
        window.setGeometry(40, 40, 1000, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    ~Host() { window.setCentralWidget(nullptr); }

    void settle()
    {
        QCoreApplication::processEvents();
        window.layout()->activate();
        QCoreApplication::processEvents();
    }
    RibbonCategoryPanel* page() const
    {
        return bar.panels()->page(const_cast<RibbonCategoriesPanelAction*>(&home));
    }
    RibbonSimplifiedRow* row() const { return page()->simplifiedRow(); }
    // The order in which controls give way: low priority first, later first.
    QList<RibbonAction*> dropOrder() const
    {
        QList<RibbonAction*> order(actions.crbegin(), actions.crend());
        std::stable_sort(order.begin(), order.end(), [](RibbonAction* a, RibbonAction* b) {
            return a->priority() < b->priority();
        });
        return order;
    }
};

} // namespace

class TestSimplified : public QObject
{
    Q_OBJECT

private slots:
    void rowAtWidths();
    void overflowMenu();
    void switchingModes();
    void keyTipsReachOverflow();
    void aroundTheRow();
};

void TestSimplified::rowAtWidths()
{
    Host host;
    host.bar.setSimplifiedToggleVisible(true);
    host.settle();
    // Classic: the groups end before the switch at the page's right end.
    QWidget* toggle = host.bar.panels()->simplifiedToggle();
    QVERIFY(toggle && toggle->isVisible());
    for (RibbonCategoryWrapper* wrapper : host.page()->pageLayout()->wrappers())
        QVERIFY(wrapper->mapTo(host.bar.panels(), wrapper->rect().bottomRight()).x() <
                toggle->geometry().left());

    host.bar.setSimplified(true);
    host.settle();
    QCOMPARE(host.bar.panels()->height(), RibbonCategoryPanels::SimplifiedHeight);
    QList<RibbonAction*> previous;
    for (int width : {1400, 900, 700, 560, 450, 360, 300, 200}) {
        host.window.resize(width, 400);
        host.settle();
        const QString at = QStringLiteral("width %1").arg(width);
        RibbonSimplifiedRow* row = host.row();
        QVERIFY(row && row->isVisible());
        QVERIFY2(!toggle->geometry().intersects(row->geometry().translated(
                     row->mapTo(host.bar.panels(), QPoint(0, 0)) - row->pos())),
                 qPrintable(at));
        // One row, every shown control whole inside it, none over another.
        QList<QWidget*> shown;
        QList<RibbonAction*> hidden;
        for (RibbonAction* action : std::as_const(host.actions)) {
            QWidget* control = row->control(action);
            QVERIFY(control);
            if (control->isVisible())
                shown.append(control);
            else
                hidden.append(action);
        }
        if (row->overflowButton()->isVisible())
            shown.append(row->overflowButton());
        for (QWidget* control : std::as_const(shown)) {
            QVERIFY2(row->rect().contains(control->geometry()), qPrintable(at));
            QCOMPARE(control->geometry().center().y(), row->rect().center().y());
            for (QWidget* other : std::as_const(shown))
                QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                         qPrintable(at));
        }
        // The menu holds exactly what does not show, the first of the
        // drop order, and more of them the narrower the row.
        QCOMPARE(row->overflowActions(), hidden);
        QCOMPARE(row->overflowButton()->isVisible(), !hidden.isEmpty());
        const QList<RibbonAction*> order = host.dropOrder();
        for (RibbonAction* action : std::as_const(hidden))
            QVERIFY2(order.indexOf(action) < hidden.size(), qPrintable(at));
        for (RibbonAction* action : std::as_const(previous))
            QVERIFY2(hidden.contains(action), qPrintable(at));
        previous = hidden;
        // A caption shows only where the whole row fits with it; a control
        // without icon keeps its caption.
        if (width == 1400) {
            QVERIFY(hidden.isEmpty());
            for (RibbonAction* action : std::as_const(host.actions))
                QVERIFY(row->showsText(action) || action->text() == QLatin1String("Copy") ||
                        action->text() == QLatin1String("Bold"));
        }
        if (!hidden.isEmpty())
            QVERIFY(row->showsText(host.actions.constLast()) ||
                    hidden.contains(host.actions.constLast()));
    }
    // The high-priority command stays longest.
    QVERIFY(previous.size() >= 2);
    QVERIFY(!previous.contains(host.find) || previous.size() == host.actions.size());

    // Low priority: no caption even with room.
    host.window.resize(1400, 400);
    host.settle();
    RibbonAction* cut = host.actions.at(1);
    QVERIFY(host.row()->showsText(cut));
    cut->setPriority(QAction::LowPriority);
    QVERIFY(!host.row()->showsText(cut));
    QCOMPARE(qobject_cast<RibbonCatSimpleButton*>(host.row()->control(cut))->shownSize(),
             RibbonCatSimpleAction::Small);
}

void TestSimplified::overflowMenu()
{
    Host host;
    host.bar.setSimplified(true);
    host.bold->setChecked(true);
    RibbonSimplifiedRow* row = host.row();
    for (int width = 500; width > 150 && !row->overflowActions().contains(host.bold); width -= 20) {
        host.window.resize(width, 400);
        host.settle();
    }
    QVERIFY(row->overflowActions().contains(host.bold));
    RibbonSimplifiedOverflowButton* more = row->overflowButton();
    QTest::mouseClick(more, Qt::LeftButton);
    QMenu* menu = more->menu();
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    // Entries in page order, groups parted by separators; the menu button
    // is a sub-menu of its entries; check states are the actions' own.
    QStringList entries;
    for (QAction* entry : menu->actions())
        entries << (entry->isSeparator() ? QStringLiteral("|") : entry->text());
    QStringList expected;
    int lastGroup = -1;
    for (RibbonAction* action : row->overflowActions()) {
        int group = 0;
        while (!host.groups.at(group)->actions().contains(action))
            ++group;
        if (lastGroup >= 0 && group != lastGroup)
            expected << QStringLiteral("|");
        lastGroup = group;
        expected << action->text();
    }
    QCOMPARE(entries, expected);
    for (QAction* entry : menu->actions()) {
        if (entry->text() == QLatin1String("Bold"))
            QVERIFY(entry->isChecked());
        if (entry->text() == QLatin1String("Styles")) {
            QVERIFY(entry->menu());
            QCOMPARE(entry->menu()->actions().size(), 2);
        }
    }
    // Choosing an entry triggers the host's action and closes the menu.
    RibbonAction* replace = host.actions.at(host.actions.size() - 2);
    QVERIFY(row->overflowActions().contains(replace));
    QVERIFY(!row->overflowActions().contains(host.find));
    QSignalSpy triggered(replace, &QAction::triggered);
    QVERIFY(menu->actions().contains(replace));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(replace).center());
    QCOMPARE(triggered.size(), 1);
    QTRY_VERIFY(!more->menu());
}

void TestSimplified::switchingModes()
{
    Host host;
    host.settle();
    QSignalSpy changed(&host.bar, &RibbonMenuBar::simplifiedChanged);
    const int widgetsBefore = int(host.window.findChildren<QWidget*>().size());
    RibbonAction* paste = host.actions.at(0);
    RibbonCategory* clipboard = host.page()->wrapper(host.groups.at(0))->category();

    for (int round = 0; round < 3; ++round) {
        host.bar.setSimplified(true);
        host.bar.setSimplified(true);
        host.settle();
        QCOMPARE(changed.size(), 2 * round + 1);
        QCOMPARE(changed.constLast().at(0).toBool(), true);
        QVERIFY(host.bar.isSimplified());
        QVERIFY(!host.page()->wrapper(host.groups.at(0))->isVisible());
        // Changes made in either mode show in both.
        paste->setText(QStringLiteral("Paste %1").arg(round));
        paste->setEnabled(round % 2 == 1);
        host.bold->setCheckable(true);
        host.bold->setChecked(round % 2 == 0);
        auto* rowPaste = qobject_cast<RibbonCatSimpleButton*>(host.row()->control(paste));
        auto* rowBold = qobject_cast<RibbonCatSimpleButton*>(host.row()->control(host.bold));
        QCOMPARE(rowPaste->text(), paste->text());
        QCOMPARE(rowPaste->isEnabled(), paste->isEnabled());
        QCOMPARE(rowBold->isChecked(), host.bold->isChecked());
        QCOMPARE(rowPaste->width(), rowPaste->sizeHint().width());

        host.bar.setSimplified(false);
        host.settle();
        QCOMPARE(changed.size(), 2 * round + 2);
        QVERIFY(!host.page()->simplifiedRow());
        QVERIFY(host.page()->wrapper(host.groups.at(0))->isVisible());
        QCOMPARE(host.bar.panels()->height(), 92);
        auto* classicPaste = qobject_cast<RibbonCatSimpleButton*>(clipboard->widget(paste));
        QCOMPARE(classicPaste->text(), paste->text());
        QCOMPARE(classicPaste->isEnabled(), paste->isEnabled());
    }
    QCOMPARE(int(host.window.findChildren<QWidget*>().size()), widgetsBefore);

    // The row follows the groups while it shows; an action destroyed takes
    // its control along.
    host.bar.setSimplified(true);
    host.settle();
    auto* extra = new RibbonCatSimpleAction(swatch(Qt::blue), QStringLiteral("Extra"),
                                            RibbonCatSimpleAction::Medium, &host.window);
    host.groups.at(0)->addAction(extra);
    QPointer<QWidget> extraControl = host.row()->control(extra);
    QVERIFY(extraControl);
    delete extra;
    QVERIFY(!extraControl);
    host.home.removeCategory(host.groups.at(2));
    QVERIFY(!host.row()->control(host.find));
    host.home.addCategory(host.groups.at(2));
    QVERIFY(host.row()->control(host.find));
    // A tab added later comes simplified; its page is as high as the others.
    RibbonCategoriesPanelAction later(QStringLiteral("Later"), &host.window);
    later.addCategory(host.groups.at(1));
    host.bar.addAction(&later);
    QVERIFY(host.bar.panels()->page(&later)->isSimplified());
    host.bar.removeAction(&later);

    // The chevron switches, and the state keeps the mode.
    host.bar.setSimplifiedToggleVisible(true);
    host.settle();
    QTest::mouseClick(host.bar.panels()->simplifiedToggle(), Qt::LeftButton);
    QVERIFY(!host.bar.isSimplified());
    host.bar.setSimplified(true);
    const QByteArray state = host.bar.saveState(3);
    Host other;
    QVERIFY(other.bar.restoreState(state, 3));
    QVERIFY(other.bar.isSimplified());
    QVERIFY(other.page()->simplifiedRow());
    // A state saved before the mode existed (format 1) reads as classic.
    QByteArray old;
    {
        QDataStream out(&old, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << quint32(0x6f727552) << quint16(1) << qint32(3) << QStringList() << false << false
            << QStringLiteral("") << qint32(0);
    }
    QVERIFY(other.bar.restoreState(old, 3));
    QVERIFY(!other.bar.isSimplified());
}

void TestSimplified::keyTipsReachOverflow()
{
    Host host;
    host.bar.setSimplified(true);
    host.window.resize(300, 400);
    host.settle();
    RibbonSimplifiedRow* row = host.row();
    QVERIFY(!row->overflowActions().isEmpty());
    auto& tips = *host.bar.findChild<RibbonKeyTips*>();
    host.bar.showKeyTips();
    QString homeTip;
    for (const RibbonKeyTip& tip : tips.tips())
        if (tip.action == &host.home)
            homeTip = tip.tip;
    QVERIFY(!homeTip.isEmpty());
    const auto type = [&](const QString& letters) {
        for (const QChar c : letters) {
            QWidget* target = QApplication::activePopupWidget();
            if (!target)
                target = tips.overlay() ? tips.overlay()->window() : &host.window;
            QTest::keyClick(target, c.toLatin1());
        }
    };
    type(homeTip);
    // The page's badges: the controls that show and "00" for the rest.
    bool hasMore = false;
    for (const RibbonKeyTip& tip : tips.tips()) {
        QVERIFY(!tip.action || !row->overflowActions().contains(tip.action.data()));
        hasMore =
            hasMore || (tip.widget == row->overflowButton() && tip.tip == QLatin1String("00"));
    }
    QVERIFY(hasMore);
    type(QStringLiteral("00"));
    QTRY_VERIFY(row->overflowButton()->menu());
    // The menu's entries get badges of their own.
    QStringList labelled;
    for (const RibbonKeyTip& tip : tips.tips())
        if (tip.action)
            labelled << tip.action->text();
    QVERIFY2(labelled.contains(row->overflowActions().constLast()->text()),
             qPrintable(labelled.join(QLatin1Char(','))));
    host.bar.hideKeyTips();
    row->overflowButton()->menu()->close();
}

// Screen tips name the group, the context menu offers what is under the
// pointer, and right to left the row runs from the right.
void TestSimplified::aroundTheRow()
{
    Host host;
    host.bar.setSimplified(true);
    host.settle();
    RibbonSimplifiedRow* row = host.row();
    QCOMPARE(row->accessibleName(), QStringLiteral("Home"));
    host.home.setText(QStringLiteral("&Start"));
    QCOMPARE(row->accessibleName(), QStringLiteral("Start"));
    RibbonAction* cut = host.actions.at(1);
    QWidget* control = row->control(cut);
    const QPoint at = control->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &help);
    RibbonScreenTip* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<RibbonScreenTip*>(top); t && t->isVisible())
            tip = t;
    QVERIFY(tip);
    QCOMPARE(tip->title(), cut->text());
    QCOMPARE(tip->groupCaption(), QStringLiteral("Clipboard"));
    tip->hide();

    // Empty room of the row belongs to no command.
    const auto contextMenuAt = [&](QWidget* widget, const QPoint& pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
        QApplication::sendEvent(widget, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QStringList texts;
        if (menu) {
            for (QAction* entry : menu->actions())
                texts << entry->text();
            menu->close();
        }
        return texts;
    };
    QVERIFY(contextMenuAt(control, at).contains(QStringLiteral("Add to Quick Access Toolbar")));
    const QStringList empty = contextMenuAt(row, QPoint(row->width() - 2, 1));
    QVERIFY(empty.contains(QStringLiteral("Simplified Ribbon")));
    QVERIFY(!empty.contains(QStringLiteral("Add to Quick Access Toolbar")));

    // Right to left, at run time: the same places, mirrored.
    QList<QRect> leftToRight;
    for (RibbonAction* action : std::as_const(host.actions))
        leftToRight << row->control(action)->geometry();
    qApp->setLayoutDirection(Qt::RightToLeft);
    host.settle();
    row = host.row();
    for (int i = 0; i < host.actions.size(); ++i) {
        const QRect r = leftToRight.at(i);
        QCOMPARE(row->control(host.actions.at(i))->geometry(),
                 QRect(row->width() - r.x() - r.width(), r.y(), r.width(), r.height()));
    }
    qApp->setLayoutDirection(Qt::LeftToRight);
}

ORU_TEST_MAIN(TestSimplified)
#include "tst_simplified.moc"
