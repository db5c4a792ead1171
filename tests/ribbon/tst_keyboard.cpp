#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonCategoryWrapper.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonQuickAccessBar.h>

#include "oruTestApp.h"

#include <QActionGroup>
#include <QSignalSpy>

#include <memory>
#include <vector>

using namespace oru;

namespace {

// A main window with two tabs. "Home" holds a wide group of large buttons
// (it collapses when the window is narrow) and a group whose command is
// shared with the quick access bar; "Insert" holds a command and an alias of
// a host action.
struct Ribbon
{
    RibbonMainWindow window;
    RibbonMenuBar& bar = *window.ribbonMenuBar();
    RibbonCategoriesPanelAction home{QStringLiteral("Home"), nullptr};
    RibbonCategoriesPanelAction insert{QStringLiteral("Insert"), nullptr};
    RibbonCategoryAction wide{QStringLiteral("Wide"), nullptr};
    RibbonCategoryAction shared{QStringLiteral("Shared"), nullptr};
    RibbonCategoryAction tables{QStringLiteral("Tables"), nullptr};
    std::vector<std::unique_ptr<RibbonCatSimpleAction>> filler;
    RibbonCatSimpleAction inWide{QStringLiteral("Bold"), RibbonCatSimpleAction::Large, nullptr};
    RibbonCatSimpleAction copy{QStringLiteral("Copy"), RibbonCatSimpleAction::Small, nullptr};
    RibbonCatSimpleAction table{QStringLiteral("Table"), RibbonCatSimpleAction::Large, nullptr};
    QAction hostPicture{QStringLiteral("Picture"), nullptr};
    RibbonCatSimpleAction picture{QPointer<QAction>(&hostPicture), RibbonCatSimpleAction::Large,
                                  nullptr};

    explicit Ribbon(int width)
    {
        for (int i = 0; i < 8; ++i) {
            filler.push_back(std::make_unique<RibbonCatSimpleAction>(
                QStringLiteral("Command %1").arg(i), RibbonCatSimpleAction::Large, nullptr));
            wide.addAction(filler.back().get());
        }
        wide.addAction(&inWide);
        shared.addAction(&copy);
        tables.addAction(&table);
        tables.addAction(&picture);
        home.addCategory(&wide);
        home.addCategory(&shared);
        insert.addCategory(&tables);
        bar.addAction(&home);
        bar.addAction(&insert);
        bar.categoryGroup()->actions().first()->setChecked(true);
        window.setGeometry(50, 50, width, 400);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    RibbonCategoryWrapper* wrapper(RibbonCategoriesPanelAction& tab, RibbonCategoryAction& cat)
    {
        return bar.panels()->page(&tab)->wrapper(&cat);
    }
};

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    // Keys reach commands on hidden pages, inside collapsed groups and behind
    // aliases, once each, and follow later changes of the ribbon.
    void shortcutsEverywhere()
    {
        auto ribbon = std::make_unique<Ribbon>(260);
        Ribbon& r = *ribbon;
        QVERIFY(r.home.isChecked());
        QVERIFY(r.wrapper(r.home, r.wide)->isColapsed());
        QVERIFY(!r.wrapper(r.insert, r.tables)->isVisible());

        r.inWide.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
        r.table.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
        r.hostPicture.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
        r.copy.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
        r.bar.quickAccessBar()->addAction(&r.copy); // shown twice now
        QCoreApplication::processEvents();

        QSignalSpy bold(&r.inWide, &QAction::triggered);
        QSignalSpy table(&r.table, &QAction::triggered);
        QSignalSpy picture(&r.hostPicture, &QAction::triggered);
        QSignalSpy pictureUse(&r.picture, &RibbonAction::activated);
        QSignalSpy copy(&r.copy, &QAction::triggered);
        QTest::keyClick(&r.window, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(&r.window, Qt::Key_T, Qt::ControlModifier);
        QTest::keyClick(&r.window, Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(&r.window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(bold.count(), 1);
        QCOMPARE(table.count(), 1);
        QCOMPARE(picture.count(), 1);
        QCOMPARE(pictureUse.count(), 0); // the host's own action answered
        QCOMPARE(copy.count(), 1);

        // A disabled command stays silent; a removed one gives its key back.
        r.table.setEnabled(false);
        QTest::keyClick(&r.window, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(table.count(), 1);
        r.wide.removeAction(&r.inWide);
        QCoreApplication::processEvents();
        QVERIFY(!r.window.actions().contains(&r.inWide));
        QTest::keyClick(&r.window, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(bold.count(), 1);

        // A command added later, to a tab added later, answers too.
        RibbonCategoriesPanelAction view(QStringLiteral("View"), nullptr);
        RibbonCategoryAction zoom(QStringLiteral("Zoom"), nullptr);
        RibbonCatSimpleAction fit(QStringLiteral("Fit"), RibbonCatSimpleAction::Large, nullptr);
        fit.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
        view.addCategory(&zoom);
        r.bar.addAction(&view);
        zoom.addAction(&fit);
        QCoreApplication::processEvents();
        QSignalSpy fitted(&fit, &QAction::triggered);
        QTest::keyClick(&r.window, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(fitted.count(), 1);

        // A host action the host put on the window itself stays there.
        QAction own(QStringLiteral("Own"), nullptr);
        own.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
        r.window.addAction(&own);
        r.tables.addAction(new RibbonCatSimpleAction(QPointer<QAction>(&own),
                                                     RibbonCatSimpleAction::Small, &r.tables));
        QCoreApplication::processEvents();
        qDeleteAll(r.tables.findChildren<RibbonCatSimpleAction*>());
        QCoreApplication::processEvents();
        QVERIFY(r.window.actions().contains(&own));
        ribbon.reset();
    }
};

ORU_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
