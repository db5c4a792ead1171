// Painting must never wait for the X server; every round trip the process
// makes passes through the counter of roundtripcounter.h.

#include "ribbonhost.h"
#include "roundtripcounter.h"

#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruTestApp.h>
#include <oruTestInput.h>

#include <QCursor>
#include <QImage>

using namespace oru;

class TestRoundTrips : public QObject
{
    Q_OBJECT

private slots:
    void paintWithPointerOverButton()
    {
        if (!test::onX11())
            QSKIP("needs the xcb platform");
        // The counter sees a server query for what it is.
        test::roundTrips = 0;
        (void)QCursor::pos();
        QVERIFY(test::roundTrips > 0);

        test::parkCursor();
        RibbonHost host;
        QWidget* page = host.window.findChild<RibbonCategoryPanels*>()->currentWidget();
        QVERIFY(page);
        RibbonCatSimpleButton* button = nullptr;
        for (auto* b : page->findChildren<RibbonCatSimpleButton*>())
            if (b->action() == host.command(QStringLiteral("a")))
                button = b;
        QVERIFY(button && button->isVisible());
        QImage away(host.window.size(), QImage::Format_ARGB32);
        host.window.render(&away);

        test::placeCursor(button, button->rect().center());
        QVERIFY(button->underMouse());
        QImage over(host.window.size(), QImage::Format_ARGB32);
        QImage pageOnly(page->size(), QImage::Format_ARGB32);
        test::roundTrips = 0;
        host.window.render(&over);
        page->render(&pageOnly);
        QCOMPARE(test::roundTrips, 0);
        // The pointer was seen: the button looks hovered.
        QVERIFY(over != away);

        // After a tab switch, laying out and painting the other page makes
        // none either. (Showing the page is Qt's: with the pointer in the
        // window, QWidget::setVisible() asks the server for it once to send
        // synthetic enter and leave events.)
        host.tabs.at(1)->setChecked(true);
        test::roundTrips = 0;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        host.window.render(&over);
        host.window.resize(host.window.width() - 40, host.window.height());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        host.window.render(&over);
        QCOMPARE(test::roundTrips, 0);
        test::parkCursor();
    }
};

ORU_TEST_MAIN(TestRoundTrips)
#include "tst_roundtrips_x11.moc"
