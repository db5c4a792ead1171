// RibbonMenuBar: its grid, tab selection through add/remove sequences, the
// special actions, caption dragging and the caption text.
#include <oruRibbonApplication.h>
#include <oruRibbonButtonMain.h>
#include <oruRibbonButtonNormal.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatComboComboBox.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonMenuBarButton.h>
#include <oruRibbonQuickAccessBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStyle.h>
#include <oruRibbonSysButton.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QActionGroup>
#include <QLayout>
#include <QMouseEvent>

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

const QString kProduct = QStringLiteral("Tarnwick") + QChar(0x2122);

struct Window
{
    RibbonMainWindow window;
    RibbonMenuBar& bar = *window.ribbonMenuBar();
    Window(int w = 900)
    {
        window.setGeometry(100, 100, w, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

QList<RibbonMenuBarButton*> tabButtons(const RibbonMenuBar& bar)
{
    return bar.findChildren<RibbonMenuBarButton*>(Qt::FindDirectChildrenOnly);
}

QList<RibbonButtonNormal*> tabRowButtons(const RibbonMenuBar& bar)
{
    return bar.findChildren<RibbonButtonNormal*>(Qt::FindDirectChildrenOnly);
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons,
               Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local = widget->mapFromGlobal(QPointF(global));
    QMouseEvent event(type, local, local, QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QVector<PaintOp> textOps(RibbonMenuBar& bar)
{
    PaintRecorder recorder;
    bar.render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    QVector<PaintOp> texts;
    // Only the bar's own text: the tab buttons draw theirs further down.
    for (const PaintOp& op : recorder.ops(PaintOp::Text))
        if (op.position.y() < bar.captionGeometry().bottom())
            texts << op;
    return texts;
}

} // namespace

class TestMenuBar : public QObject
{
    Q_OBJECT

private slots:
    void init() { oru::test::parkCursor(); }
    void grid();
    void tabSequences_data();
    void tabSequences();
    void tabButtonsSelect();
    void specialActions();
    void findCombo();
    void captionDrag();
    void quickAccessBackground();
    void captionText_data();
    void captionText();
    void topBandNeverOverlaps_data();
    void topBandNeverOverlaps();
};

void TestMenuBar::grid()
{
    Window w;
    RibbonMenuBar& bar = w.bar;
    QCOMPARE(bar.parentWidget(), &w.window);
    QCOMPARE(&bar.ribbonMainWindow(), &w.window);
    QCOMPARE(bar.quickAccessBar()->parentWidget(), &bar);
    QCOMPARE(bar.panels()->parentWidget(), &bar);
    QVERIFY(bar.categoryGroup()->isExclusive());
    QCOMPARE(bar.cursor().shape(), Qt::ArrowCursor);

    // Caption between the quick access bar and the system buttons, as high
    // as the quick access bar; the page stack fills the last row.
    const QRect caption = bar.captionGeometry();
    const QRect qab = bar.quickAccessBar()->geometry();
    QCOMPARE(caption.height(), 26);
    QCOMPARE(bar.captionHeight(), 26);
    QCOMPARE(w.window.captionHeight(), 33);
    QCOMPARE(caption.left(), qab.right() + 1);
    QCOMPARE(qab.top(), 0);
    const auto sys = bar.findChildren<RibbonSysButton*>();
    QCOMPARE(sys.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(int(sys.at(i)->type()), i);
        QCOMPARE(sys.at(i)->size(), QSize(20, 20));
    }
    QCOMPARE(sys.at(0)->x(), caption.right() + 1);
    QCOMPARE(sys.at(1)->x(), sys.at(0)->x() + 23);
    QCOMPARE(sys.at(2)->geometry().right(), bar.width() - 1);
    // The application button spans the caption and tab rows.
    QCOMPARE(bar.mainButton()->geometry(), QRect(0, 0, 38, 38));
    QCOMPARE(qab.left(), 38);
    QCOMPARE(bar.panels()->geometry(), QRect(0, 38, bar.width(), 92)); // no tab row yet
    RibbonCategoriesPanelAction tab(QStringLiteral("Home"), nullptr);
    bar.addAction(&tab);
    QCoreApplication::processEvents();
    QCOMPARE(bar.panels()->geometry(), QRect(0, 26 + 24, bar.width(), 92));
    QCOMPARE(tabButtons(bar).first()->geometry().topLeft(), QPoint(qab.left(), 26));
    QCOMPARE(bar.exitAction(), nullptr);
    QCOMPARE(bar.helpAction(), nullptr);

    // The minimize button goes to the window.
    sys.at(0)->click();
    QVERIFY(w.window.isMinimized());
}

// Sequences of tab operations: "+X" adds tab X unchecked, "+X*" adds it
// checked, "-X" removes it from the bar, "~X" deletes the action, ">X"
// checks it. After each step the checked tab is compared ("" = none).
void TestMenuBar::tabSequences_data()
{
    QTest::addColumn<QStringList>("ops");
    QTest::addColumn<QStringList>("checked");
    const auto row = [](const char* name, const char* ops, const char* checked) {
        QTest::newRow(name) << QString::fromLatin1(ops).split(QLatin1Char(' '))
                            << QString::fromLatin1(checked).split(QLatin1Char(','));
    };
    row("unchecked adds select nothing", "+A +B", ",");
    row("checked add selects", "+A +B* +C", ",B,B");
    row("later checked add wins", "+A* +B*", "A,B");
    row("remove selected takes its index", "+A +B* +C -B", ",B,B,C");
    row("remove selected last takes new last", "+A +B +C* -C", ",,C,B");
    row("remove unselected keeps", "+A* +B +C -B -C", "A,A,A,A,A");
    row("remove first selected", "+A* +B -A", "A,A,B");
    row("remove the only tab", "+A* -A", "A,");
    row("remove all", "+A* +B -A -B", "A,A,B,");
    row("delete selected", "+A +B* +C ~B", ",B,B,C");
    row("delete last selected", "+A +B* ~B", ",B,A");
    row("check then remove", "+A* +B +C >C -C -A", "A,A,A,C,B,B");
    row("re-add after removal", "+A* -A +A", "A,,");
}

void TestMenuBar::tabSequences()
{
    QFETCH(QStringList, ops);
    QFETCH(QStringList, checked);
    QCOMPARE(ops.size(), checked.size());
    Window w;
    RibbonMenuBar& bar = w.bar;
    std::map<QString, std::unique_ptr<RibbonCategoriesPanelAction>> tabs;
    QStringList order;

    for (int step = 0; step < ops.size(); ++step) {
        const QString op = ops.at(step);
        const QString name = op.mid(1, 1);
        if (op.startsWith(QLatin1Char('+'))) {
            if (!tabs.count(name))
                tabs[name] = std::make_unique<RibbonCategoriesPanelAction>(name, nullptr);
            tabs[name]->setChecked(op.endsWith(QLatin1Char('*')));
            bar.addAction(tabs[name].get());
            order << name;
        } else if (op.startsWith(QLatin1Char('-'))) {
            bar.removeAction(tabs[name].get());
            order.removeAll(name);
        } else if (op.startsWith(QLatin1Char('~'))) {
            tabs.erase(name);
            order.removeAll(name);
        } else {
            tabs[name]->trigger();
        }

        // Invariants: one button, page, group entry and window action per
        // tab in order; buttons and the page follow the checked action.
        const QString where = QStringLiteral("step %1 (%2)").arg(step).arg(op);
        QStringList buttonTexts;
        for (RibbonMenuBarButton* button : tabButtons(bar)) {
            buttonTexts << button->text();
            QVERIFY2(button->isChecked() == button->actions().value(0)->isChecked(),
                     qPrintable(where));
        }
        QCOMPARE(buttonTexts, order);
        QStringList groupTexts;
        for (QAction* a : bar.categoryGroup()->actions())
            groupTexts << a->text();
        QCOMPARE(groupTexts, order);
        QCOMPARE(bar.panels()->count(), order.size());
        QString selected;
        for (const QString& n : order) {
            RibbonCategoriesPanelAction* tab = tabs[n].get();
            QVERIFY(w.window.actions().contains(tab));
            if (tab->isChecked()) {
                QVERIFY2(selected.isEmpty(), qPrintable(where + QStringLiteral(": two checked")));
                selected = n;
                QCOMPARE(bar.panels()->currentWidget(),
                         static_cast<QWidget*>(bar.panels()->page(tab)));
            }
        }
        QVERIFY2(selected == checked.at(step), qPrintable(where + QStringLiteral(": ") + selected));
    }
    for (auto& entry : tabs)
        if (!order.contains(entry.first))
            QVERIFY(!w.window.actions().contains(entry.second.get()));
}

void TestMenuBar::tabButtonsSelect()
{
    Window w;
    RibbonCategoriesPanelAction home(QStringLiteral("Home"), nullptr);
    RibbonCategoriesPanelAction view(QStringLiteral("View"), nullptr);
    home.setChecked(true);
    w.bar.addAction(&home);
    w.bar.addAction(&view);
    QSignalSpy homeTriggered(&home, &QAction::triggered);
    QSignalSpy viewTriggered(&view, &QAction::triggered);
    const auto buttons = tabButtons(w.bar);
    QCOMPARE(buttons.size(), 2);
    QCOMPARE(buttons.at(0)->sizeHint(),
             QSize(buttons.at(0)->fontMetrics().horizontalAdvance(QStringLiteral("Home")) + 20, 0));
    QCOMPARE(buttons.at(0)->height(), 24);

    oru::test::mouseClick(buttons.at(0), QPoint(5, 5)); // already checked: nothing
    QCOMPARE(homeTriggered.count(), 0);
    QVERIFY(home.isChecked());
    oru::test::mouseClick(buttons.at(1), QPoint(5, 5));
    QCOMPARE(viewTriggered.count(), 1);
    QVERIFY(view.isChecked() && buttons.at(1)->isChecked());
    QVERIFY(!home.isChecked() && !buttons.at(0)->isChecked());
    QCOMPARE(w.bar.panels()->currentWidget(), static_cast<QWidget*>(w.bar.panels()->page(&view)));
    oru::test::mouseClick(buttons.at(0), QPoint(5, 5), Qt::RightButton);
    QVERIFY(view.isChecked());

    // A disabled tab refuses the click and does not look selected.
    home.setEnabled(false);
    oru::test::mousePress(buttons.at(0), QPoint(5, 5));
    QVERIFY(!buttons.at(0)->isChecked());
    QVERIFY(view.isChecked());

    // Renaming a tab renames its button.
    view.setText(QStringLiteral("Ansicht"));
    QCOMPARE(buttons.at(1)->text(), QStringLiteral("Ansicht"));
}

void TestMenuBar::specialActions()
{
    Window w;
    RibbonMenuBar& bar = w.bar;
    auto help = std::make_unique<RibbonSimpleAction>(QStringLiteral("Help"), nullptr);
    RibbonSimpleAction help2(QStringLiteral("Help 2"), nullptr);
    RibbonSimpleAction exit(QStringLiteral("Exit"), nullptr);
    RibbonSimpleAction options(QStringLiteral("Options"), nullptr);

    bar.setExitAction(&exit);
    bar.setOptionsAction(&options);
    QCOMPARE(bar.exitAction(), &exit);
    QCOMPARE(bar.optionsAction(), &options);
    QVERIFY(tabRowButtons(bar).isEmpty());
    QVERIFY(!bar.actions().contains(&exit));

    bar.setHelpAction(help.get());
    bar.setHelpAction(help.get());
    QCOMPARE(tabRowButtons(bar).size(), 1);
    RibbonButtonNormal* button = tabRowButtons(bar).first();
    QCOMPARE(button->size(), QSize(20, 20));
    QCOMPARE(button->text(), QStringLiteral("Help"));
    QSignalSpy helpTriggered(help.get(), &QAction::triggered);
    button->click();
    QCOMPARE(helpTriggered.count(), 1);
    // The button stands at the right end of the tab row.
    QCoreApplication::processEvents();
    QCOMPARE(button->geometry().right(), bar.width() - 1);
    QCOMPARE(button->y(), 26);

    bar.setHelpAction(&help2); // replaces the first
    QCOMPARE(tabRowButtons(bar).size(), 1);
    QCOMPARE(tabRowButtons(bar).first()->text(), QStringLiteral("Help 2"));
    QVERIFY(!bar.actions().contains(help.get()));

    bar.setHelpAction(nullptr); // forgets, removes nothing
    QCOMPARE(bar.helpAction(), nullptr);
    QCOMPARE(tabRowButtons(bar).size(), 1);

    // A help action deleted while its button exists takes the button along.
    bar.setHelpAction(help.get());
    QCOMPARE(tabRowButtons(bar).size(), 2);
    help.reset();
    QCOMPARE(bar.helpAction(), nullptr);
    QCOMPARE(tabRowButtons(bar).size(), 1);

    // Other actions get no widget.
    RibbonAction plain(QStringLiteral("plain"), nullptr);
    bar.addAction(&plain);
    bar.setFindAction(&plain);
    QCOMPARE(bar.findAction(), &plain);
    QCOMPARE(bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 7);
}

void TestMenuBar::findCombo()
{
    Window w;
    RibbonMenuBar& bar = w.bar;
    auto find = std::make_unique<RibbonCatComboAction>(nullptr);
    find->setWidth(120);
    find->addItem(QStringLiteral("alpha"));
    RibbonSimpleAction help(QStringLiteral("Help"), nullptr);
    auto combos = [&bar] {
        return bar.findChildren<RibbonCatComboComboBox*>(Qt::FindDirectChildrenOnly);
    };

    bar.setFindComboAction(find.get());
    bar.setFindComboAction(find.get());
    QCOMPARE(bar.findComboAction(), find.get());
    QCOMPARE(combos().size(), 1);
    RibbonCatComboComboBox* box = combos().first();
    QCOMPARE(box->size(), QSize(120, 22));
    QCOMPARE(box->count(), 1);
    // The help button comes after it, so the combo stands just left of it.
    bar.setHelpAction(&help);
    QCoreApplication::processEvents();
    RibbonButtonNormal* helpButton = tabRowButtons(bar).first();
    QCOMPARE(helpButton->geometry().right(), bar.width() - 1);
    QCOMPARE(box->geometry().right(), helpButton->x() - 1);
    QCOMPARE(box->y(), 26); // in the tab row, above the page stack
    QVERIFY(box->geometry().bottom() < bar.panels()->y());

    // Deleting the action while its combo box is shown takes the box along.
    QPointer<QWidget> gone = box;
    find.reset();
    QVERIFY(gone.isNull());
    QCOMPARE(bar.findComboAction(), nullptr);
    QVERIFY(combos().isEmpty());
    // Plain addAction of a combo action builds one too; removeAction drops it.
    RibbonCatComboAction other(nullptr);
    bar.addAction(&other);
    QCOMPARE(combos().size(), 1);
    bar.removeAction(&other);
    QVERIFY(combos().isEmpty());
}

void TestMenuBar::captionDrag()
{
    Window w;
    RibbonMenuBar& bar = w.bar;
    const QPoint start = w.window.pos();
    const QPoint inCaption = bar.mapToGlobal(bar.captionGeometry().center());
    sendMouse(&bar, QEvent::MouseButtonPress, inCaption, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseMove, inCaption + QPoint(30, 20), Qt::LeftButton);
    QCOMPARE(w.window.pos(), start + QPoint(30, 20));
    sendMouse(&bar, QEvent::MouseMove, inCaption + QPoint(-5, 7), Qt::LeftButton);
    QCOMPARE(w.window.pos(), start + QPoint(-5, 7));
    sendMouse(&bar, QEvent::MouseButtonRelease, inCaption, Qt::NoButton);
    sendMouse(&bar, QEvent::MouseMove, inCaption + QPoint(50, 50), Qt::LeftButton);
    QCOMPARE(w.window.pos(), start + QPoint(-5, 7)); // released: no drag

    // Outside the caption (on the page stack) nothing moves.
    const QPoint onPage = bar.mapToGlobal(bar.panels()->geometry().center());
    const QPoint before = w.window.pos();
    sendMouse(&bar, QEvent::MouseButtonPress, onPage, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseMove, onPage + QPoint(40, 0), Qt::LeftButton);
    QCOMPARE(w.window.pos(), before);
    sendMouse(&bar, QEvent::MouseButtonRelease, onPage, Qt::NoButton);

    // The double-click maximizes and the next one restores; a maximized
    // window pulled by its caption is restored under the pointer and moves.
    const QPoint local = bar.captionGeometry().center();
    oru::test::mouseDoubleClick(&bar, local);
    QVERIFY(w.window.isMaximized());
    QVERIFY(bar.isMWMaximized());
    oru::test::mouseDoubleClick(&bar, bar.captionGeometry().center());
    QVERIFY(!w.window.isMaximized());
    oru::test::mouseDoubleClick(&bar, bar.captionGeometry().center());
    QVERIFY(w.window.isMaximized());
    const QPoint global = bar.mapToGlobal(bar.captionGeometry().center());
    sendMouse(&bar, QEvent::MouseButtonPress, global, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseMove, global + QPoint(30, 30), Qt::LeftButton);
    QTRY_VERIFY(!w.window.isMaximized());
    sendMouse(&bar, QEvent::MouseButtonRelease, global + QPoint(30, 30), Qt::NoButton);
    // A double-click with the right button or off the caption does nothing.
    oru::test::mouseDoubleClick(&bar, bar.captionGeometry().center(), Qt::RightButton);
    oru::test::mouseDoubleClick(&bar, bar.panels()->geometry().center());
    QVERIFY(!w.window.isMaximized());
}

void TestMenuBar::quickAccessBackground()
{
    Window w;
    RibbonSimpleAction save(QStringLiteral("Save"), nullptr);
    RibbonSimpleAction undo(QStringLiteral("Undo"), nullptr);
    w.bar.quickAccessBar()->addAction(&save);
    w.bar.quickAccessBar()->addAction(&undo);
    QCoreApplication::sendPostedEvents();
    w.window.layout()->activate();
    w.bar.layout()->activate();
    w.bar.quickAccessBar()->layout()->activate();

    RibbonQuickAccessBar* qab = w.bar.quickAccessBar();
    const QRect q = qab->qabGeometry();
    QCOMPARE(q, QRect(10, 3, 20 + 3 + 20, 20));
    PaintRecorder recorder;
    w.bar.render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    const int x = qab->x() + 10, y = qab->y();
    QCOMPARE(recorder.pixmapRects(skin().quickAccessBar()),
             (QList<QPair<QRect, QRect>>{{QRect(x - 15, y, 15, 26), QRect(0, 0, 15, 26)},
                                         {QRect(x, y, 43, 26), QRect(15, 0, 5, 26)},
                                         {QRect(x + 43, y, 12, 26), QRect(20, 0, 12, 26)}}));
}

// The caption text: title and product name when they fit, the title
// shortened when they do not.
void TestMenuBar::captionText_data()
{
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("titleLength"); // -1: as long as still fits plus 3
    QTest::addColumn<int>("path");        // 0 fits, 1 title elided, 2 title + product

    QTest::newRow("empty title") << 900 << 0 << 0;
    QTest::newRow("short title") << 900 << 8 << 0;
    QTest::newRow("very long title") << 600 << 400 << 1;
    QTest::newRow("just too long") << 600 << -1 << 2;
}

void TestMenuBar::captionText()
{
    QFETCH(int, windowWidth);
    QFETCH(int, titleLength);
    QFETCH(int, path);
    Window w(windowWidth);
    RibbonMenuBar& bar = w.bar;
    textOps(bar); // the first paint measures the product name
    const QRect productRect = bar.productTextRect();
    QVERIFY(productRect.width() > 0);

    QFont font = bar.font();
    font.setPointSize(10);
    const QFontMetrics fm(font);
    const QRect g = bar.captionGeometry();
    QString doc = QString(titleLength < 0 ? 0 : titleLength, QLatin1Char('x'));
    if (titleLength < 0) {
        // Grow the title until the text no longer fits, then a little more.
        while (fm.horizontalAdvance(doc + QStringLiteral(" - ") + kProduct) <=
               g.width() - productRect.width() / 4 - g.left() + 1 + productRect.width())
            doc += QLatin1Char('x');
        doc += QStringLiteral("xx");
    }
    w.window.setTitle(doc);
    const QString title = doc.isEmpty() ? QString() : doc + QStringLiteral(" - ");
    const QVector<PaintOp> texts = textOps(bar);
    const bool active = w.window.isActiveWindow();
    const QColor titleColor =
        active ? skin().activeTitleTextColor() : skin().inactiveTitleTextColor();
    const QColor productColor = active ? skin().activeTextColor() : skin().inactiveTextColor();

    if (path == 0) {
        QCOMPARE(texts.size(), doc.isEmpty() ? 1 : 2);
        const PaintOp& product = texts.last();
        QCOMPARE(product.text, kProduct);
        QCOMPARE(product.pen.color(), productColor);
        QCOMPARE(product.font.pointSize(), 10);
        if (doc.isEmpty()) {
            QCOMPARE(int(product.position.x()), g.left());
        } else {
            QCOMPARE(texts.first().text, title);
            QCOMPARE(texts.first().pen.color(), titleColor);
            // The product follows right after the title (its bounding
            // rectangle rounds to whole pixels).
            const qreal titleEnd = texts.first().position.x() + fm.horizontalAdvance(title);
            QVERIFY(qAbs(product.position.x() - titleEnd) < 2);
            QCOMPARE(bar.productTextRect().left(), int(product.position.x()));
        }
        QCOMPARE(bar.productTextRect().width(), fm.horizontalAdvance(kProduct));
        return;
    }
    // Just too long for the title rectangle can still fit the whole caption
    // unelided; a very long title is shortened, the product name kept whole.
    const QString shortDoc = fm.elidedText(doc, Qt::ElideRight,
                                           g.width() - fm.horizontalAdvance(kProduct) -
                                               fm.horizontalAdvance(QStringLiteral(" - ")));
    QCOMPARE(shortDoc.contains(QChar(0x2026)), path == 1);
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts.at(0).text, shortDoc + QStringLiteral(" - "));
    QCOMPARE(texts.at(0).pen.color(), titleColor);
    QCOMPARE(int(texts.at(0).position.x()), g.left());
    QCOMPARE(texts.at(1).text, kProduct);
    QCOMPARE(texts.at(1).pen.color(), productColor);
    // The elided paths leave the product rectangle alone.
    QCOMPARE(bar.productTextRect(), productRect);
}

// Whatever the window's width, down to a host's minimum, what the top band
// PAINTS never collides: no text runs under the find box, the help button or
// another text, no text is cut by the widget drawing it (labels that must
// shorten elide with an ellipsis), the caption keeps the product name, and
// no band widget leaves the bar or covers another. Narrowing a filled band
// and filling a narrow one must both hold.
void TestMenuBar::topBandNeverOverlaps_data()
{
    QTest::addColumn<int>("startWidth");
    QTest::newRow("narrowing") << 1920;
    QTest::newRow("built narrow") << 320;
}

void TestMenuBar::topBandNeverOverlaps()
{
    QFETCH(int, startWidth);
    Window w(startWidth);
    // A host may allow a window narrower than what the band asks for.
    w.window.setMinimumSize(320, 260);
    RibbonMenuBar& bar = w.bar;
    w.window.setTitle(QStringLiteral("Quarterly report for the board"));
    std::vector<std::unique_ptr<QObject>> owned;
    const auto own = [&](auto* object) {
        owned.emplace_back(object);
        return object;
    };
    auto* editing = own(new RibbonCategoryAction(QStringLiteral("Editing"), nullptr));
    for (const char* text : {"Find", "Replace", "Select all"})
        editing->addAction(own(
            new RibbonCatSimpleAction(QLatin1String(text), RibbonCatSimpleAction::Large, nullptr)));
    for (const char* text : {"Home", "Insert", "Page Layout", "References", "Review", "Format"}) {
        auto* tab = own(new RibbonCategoriesPanelAction(QLatin1String(text), nullptr));
        if (owned.size() == 5)
            tab->addCategory(editing);
        bar.addAction(tab);
    }
    for (const char* text : {"Save", "Undo", "Redo"})
        bar.quickAccessBar()->addCommand(own(new RibbonSimpleAction(QLatin1String(text), nullptr)));
    RibbonCatComboAction find(nullptr);
    find.setWidth(150);
    find.setEditable(true);
    RibbonSimpleAction help(QStringLiteral("Help"), nullptr);
    bar.setFindComboAction(&find);
    bar.setHelpAction(&help);

    QList<int> widths;
    for (int width = 1920; width >= 320; width -= width > 640 ? 80 : 10)
        widths << width;
    if (startWidth < 1920)
        std::reverse(widths.begin(), widths.end());
    for (const int width : std::as_const(widths)) {
        w.window.resize(width, 400);
        QTRY_VERIFY(!w.window.testAttribute(Qt::WA_PendingResizeEvent));
        QCoreApplication::processEvents();
        const QString where = QStringLiteral(" at width %1").arg(bar.width());
        QCOMPARE(w.window.width(), width);

        QList<QWidget*> band;
        for (QWidget* child : bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && child->isVisible() && child != bar.panels())
                band << child;
        QVERIFY(band.size() >= 3 + 6 + 2);
        for (int i = 0; i < band.size(); ++i) {
            const QRect a = band.at(i)->geometry();
            QVERIFY2(bar.rect().contains(a),
                     qPrintable(band.at(i)->metaObject()->className() + where));
            for (int j = i + 1; j < band.size(); ++j)
                QVERIFY2(!a.intersects(band.at(j)->geometry()),
                         qPrintable(QLatin1String(band.at(i)->metaObject()->className()) + " and " +
                                    band.at(j)->metaObject()->className() + where));
        }

        PaintRecorder recorder(bar.size());
        bar.render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
        QList<QPair<QRectF, QString>> painted;
        bool productShown = false;
        for (const PaintOp& op : recorder.ops(PaintOp::Text)) {
            if (op.text.trimmed().isEmpty() || op.clip.isEmpty())
                continue;
            const QRectF box = test::inkBox(op);
            const QString what = QLatin1Char('"') + op.text + QLatin1Char('"') + where;
            // Whole: all its glyphs inside what its widget shows.
            QVERIFY2(op.clip.adjusted(-1, -1, 1, 1).contains(box),
                     qPrintable(what + QStringLiteral(" is cut")));
            productShown = productShown || op.text.endsWith(kProduct);
            // Not under a band widget that did not draw it (antialiased glyph
            // edges may touch the next pixel).
            const QRectF core = box.adjusted(1, 0, -1, 0);
            for (QWidget* widget : band)
                if (!QRectF(widget->geometry()).contains(op.clip))
                    QVERIFY2(!core.intersects(widget->geometry()),
                             qPrintable(what + QStringLiteral(" under ") +
                                        widget->metaObject()->className()));
            for (const auto& [other, otherText] : std::as_const(painted))
                QVERIFY2(!core.intersects(other),
                         qPrintable(what + QStringLiteral(" over \"") + otherText + '"'));
            painted.append({box, op.text});
        }
        QVERIFY2(productShown, qPrintable(QStringLiteral("caption lost the product") + where));
        // Shortened labels say so.
        for (const auto& [box, text] : std::as_const(painted))
            for (const char* full : {"Page Layout", "References", "Quarterly report for the board"})
                if (QLatin1String(full).startsWith(text.left(3)) && text != QLatin1String(full) &&
                    !text.startsWith(QLatin1String(full)) && text.size() > 1)
                    QVERIFY2(text.contains(QChar(0x2026)),
                             qPrintable(text + QStringLiteral(" shortened without an ellipsis") +
                                        where));
    }
}

ORU_TEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
