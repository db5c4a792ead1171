// Minimising the ribbon: the central area's geometry, the toggles, and the
// page shown as a popup while minimised.
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruRibbonSimplifiedRow_p.h>

#include "oruTestApp.h"
#include "oruTestInput.h"
#include "ribbonhost.h"

#include <QLayout>

using namespace oru;

namespace {

void settle(RibbonHost& host)
{
    QCoreApplication::processEvents();
    host.window.layout()->activate();
}

} // namespace

class TestMinimize : public QObject
{
    Q_OBJECT

private slots:
    void centralAreaGrows();
    void toggles();
    void popupPage();
    void popupCloses_data();
    void popupCloses();
};

void TestMinimize::centralAreaGrows()
{
    RibbonHost host;
    settle(host);
    const QRect before = host.central.geometry();
    const int page = host.bar.panels()->height();
    QCOMPARE(page, 92);
    QSignalSpy changed(&host.bar, &RibbonMenuBar::minimizedChanged);

    host.bar.setMinimized(true);
    settle(host);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toBool(), true);
    QVERIFY(host.bar.panels()->isHidden());
    QCOMPARE(host.central.geometry(), before.adjusted(0, -page, 0, 0));
    // The tab row stays.
    QVERIFY(host.tabButton(0)->isVisible());
    QVERIFY(host.tabButton(0)->geometry().bottom() < host.bar.height());

    host.bar.setMinimized(true);
    QCOMPARE(changed.size(), 1);
    host.bar.setMinimized(false);
    settle(host);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(host.central.geometry(), before);
}

void TestMinimize::toggles()
{
    RibbonHost host;
    settle(host);
    oru::test::mouseDoubleClick(host.tabButton(1), QPoint(5, 5));
    QVERIFY(host.bar.isMinimized());
    oru::test::mouseDoubleClick(host.tabButton(1), QPoint(5, 5));
    QVERIFY(!host.bar.isMinimized());
    // A right double-click does nothing.
    oru::test::mouseDoubleClick(host.tabButton(1), QPoint(5, 5), Qt::RightButton);
    QVERIFY(!host.bar.isMinimized());

    // Through the window system, where the first press of a minimised
    // ribbon's double-click opens the page popup, which takes the second.
    QWindow* window = host.window.windowHandle();
    const QPoint tab = host.tabButton(1)->mapTo(&host.window, QPoint(5, 5));
    for (const bool minimized : {true, false}) {
        QTest::mouseDClick(window, Qt::LeftButton, {}, tab);
        QTRY_COMPARE(host.bar.isMinimized(), minimized);
        QTRY_VERIFY(!host.bar.minimizedPopup());
    }

    host.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    QTest::keyClick(&host.window, Qt::Key_F1, Qt::ControlModifier);
    QVERIFY(host.bar.isMinimized());
    QTest::keyClick(&host.window, Qt::Key_F1, Qt::ControlModifier);
    QVERIFY(!host.bar.isMinimized());
}

void TestMinimize::popupPage()
{
    RibbonHost host;
    settle(host);
    // Not minimised: a click only selects.
    oru::test::mousePress(host.tabButton(1), QPoint(5, 5));
    QCOMPARE(host.selectedTab(), 1);
    QVERIFY(!host.bar.minimizedPopup());

    const QPoint pagePlace = host.bar.panels()->mapToGlobal(QPoint());
    host.bar.setMinimized(true);
    settle(host);
    const QRect central = host.central.geometry();
    oru::test::mousePress(host.tabButton(2), QPoint(5, 5));
    QCOMPARE(host.selectedTab(), 2);
    QWidget* popup = host.bar.minimizedPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QVERIFY(popup->windowFlags() & Qt::Popup);
    // The same page stack, where it stands in the expanded ribbon, as wide
    // as the bar.
    QCOMPARE(host.bar.panels()->window(), popup);
    QVERIFY(host.bar.panels()->isVisible());
    QCOMPARE(popup->size(), QSize(host.bar.width(), 92));
    QCOMPARE(popup->pos(), pagePlace);
    QVERIFY(popup->y() > host.tabButton(2)->mapToGlobal(QPoint()).y() + 20);
    // The document does not move.
    QCOMPARE(host.central.geometry(), central);

    // Using a control closes it; the pages go back into the bar, hidden.
    host.command("f")->trigger();
    QTRY_VERIFY(!host.bar.minimizedPopup());
    QCOMPARE(host.bar.panels()->parentWidget(), &host.bar);
    QVERIFY(host.bar.panels()->isHidden());
    QCOMPARE(host.central.geometry(), central);

    // Restoring while the popup shows puts the pages back in place.
    oru::test::mousePress(host.tabButton(0), QPoint(5, 5));
    QVERIFY(host.bar.minimizedPopup());
    host.bar.setMinimized(false);
    QTRY_VERIFY(!host.bar.minimizedPopup());
    settle(host);
    QVERIFY(host.bar.panels()->isVisible());
    QCOMPARE(host.bar.panels()->parentWidget(), &host.bar);

    // The simplified ribbon's popup is its one row; switching modes closes
    // an open popup.
    host.bar.setSimplified(true);
    host.bar.setMinimized(true);
    oru::test::mousePress(host.tabButton(2), QPoint(5, 5));
    QVERIFY(host.bar.minimizedPopup());
    QCOMPARE(host.bar.minimizedPopup()->height(), RibbonCategoryPanels::SimplifiedHeight);
    RibbonCategoryPanel* page = host.bar.panels()->page(host.tabs.at(2));
    QVERIFY(page->isVisible() && page->simplifiedRow() && page->simplifiedRow()->isVisible());
    host.bar.setSimplified(false);
    QTRY_VERIFY(!host.bar.minimizedPopup());
    host.bar.setMinimized(false);

    // The window goes while its popup shows.
    host.bar.setMinimized(true);
    oru::test::mousePress(host.tabButton(1), QPoint(5, 5));
    QVERIFY(host.bar.minimizedPopup());
}

void TestMinimize::popupCloses_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("escape") << 0;
    QTest::newRow("click outside") << 1;
    QTest::newRow("click on its tab") << 2;
}

void TestMinimize::popupCloses()
{
    QFETCH(int, how);
    RibbonHost host;
    host.bar.setMinimized(true);
    settle(host);
    oru::test::mousePress(host.tabButton(1), QPoint(5, 5));
    QWidget* popup = host.bar.minimizedPopup();
    QVERIFY(popup);
    if (how == 0) {
        QTest::keyClick(popup, Qt::Key_Escape);
    } else {
        // A press outside the popup reaches the popup first and closes it.
        const QPoint global = how == 1 ? host.central.mapToGlobal(QPoint(5, 200))
                                       : host.tabButton(1)->mapToGlobal(QPoint(5, 5));
        QVERIFY(!popup->geometry().contains(global));
        oru::test::mousePress(popup, popup->mapFromGlobal(global));
        if (how == 2) {
            // The same press handed on to the tab must not open it again.
            oru::test::mousePress(host.tabButton(1), QPoint(5, 5));
        }
    }
    QTRY_VERIFY(!host.bar.minimizedPopup());
    QVERIFY(host.bar.isMinimized());
    QCOMPARE(host.bar.panels()->parentWidget(), &host.bar);
    // A later click opens it again.
    QTest::qWait(1);
    oru::test::mousePress(host.tabButton(1), QPoint(5, 5));
    QVERIFY(host.bar.minimizedPopup());
}

ORU_TEST_MAIN(TestMinimize)
#include "tst_minimize.moc"
