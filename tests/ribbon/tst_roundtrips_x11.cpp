// Painting must never wait for the X server. The executable defines libxcb's
// reply functions itself, so every round trip the process makes (Qt's xcb
// plugin calls them through the dynamic linker) passes through a counter.

#include "ribbonhost.h"

#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonCategoryPanel.h>
#include <oruRibbonCategoryPanels.h>
#include <oruTestApp.h>
#include <oruTestInput.h>

#include <QCursor>
#include <QImage>

#include <xcb/xcb.h>

#include <dlfcn.h>

namespace {

int roundTrips = 0;

template <typename F> F realFunction(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

void* xcb_wait_for_reply(xcb_connection_t* c, unsigned int request, xcb_generic_error_t** e)
{
    static const auto real = realFunction<decltype(&xcb_wait_for_reply)>("xcb_wait_for_reply");
    ++roundTrips;
    return real(c, request, e);
}

void* xcb_wait_for_reply64(xcb_connection_t* c, uint64_t request, xcb_generic_error_t** e)
{
    static const auto real = realFunction<decltype(&xcb_wait_for_reply64)>("xcb_wait_for_reply64");
    ++roundTrips;
    return real(c, request, e);
}

xcb_generic_error_t* xcb_request_check(xcb_connection_t* c, xcb_void_cookie_t cookie)
{
    static const auto real = realFunction<decltype(&xcb_request_check)>("xcb_request_check");
    ++roundTrips;
    return real(c, cookie);
}

} // extern "C"

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
        roundTrips = 0;
        (void)QCursor::pos();
        QVERIFY(roundTrips > 0);

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
        roundTrips = 0;
        host.window.render(&over);
        page->render(&pageOnly);
        QCOMPARE(roundTrips, 0);
        // The pointer was seen: the button looks hovered.
        QVERIFY(over != away);

        // After a tab switch, laying out and painting the other page makes
        // none either. (Showing the page is Qt's: with the pointer in the
        // window, QWidget::setVisible() asks the server for it once to send
        // synthetic enter and leave events.)
        host.tabs.at(1)->setChecked(true);
        roundTrips = 0;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        host.window.render(&over);
        host.window.resize(host.window.width() - 40, host.window.height());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        host.window.render(&over);
        QCOMPARE(roundTrips, 0);
        test::parkCursor();
    }
};

ORU_TEST_MAIN(TestRoundTrips)
#include "tst_roundtrips_x11.moc"
