#pragma once

// Private part of RibbonSingletonApplication. Not installed; the tests use it
// to check the rendezvous names. Kept free of Xlib headers (whose macros
// clash with Qt's): X atoms and windows are plain unsigned longs here, which
// is what Xlib's Atom and Window are on the client side.

#include "oruRibbonSingletonApplication.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QList>
#include <QLocalServer>
#include <QSharedMemory>

struct _XDisplay;

namespace oru {

class VAZAVE_EXPORT RibbonSingletonApplication::Priv
{
public:
    using XAtom = unsigned long;
    using XWindow = unsigned long;

    Priv();
    ~Priv();

    /// The X11 display of the running application; null on other platforms.
    static _XDisplay* x11Display();

    /// The login name of the process's real user; empty when it has none.
    static QString login();

    /// @p text in the X portable character set: a leading "_" when missing,
    /// the local 8-bit encoding, and "_" for every byte outside the table.
    QByteArray toXPCS(const QString& text) const;

    /// The selection name for @p id: identifier and login name in XPCS.
    QByteArray rendezvousName(const QString& id) const;

    /// Replaces the property @p selection of type @p type on @p window with
    /// @p message in UTF-8 (no terminating zero).
    void sendMessageTo(XWindow window, XAtom selection, XAtom type, const QString& message) const;

    /// Reads @p property of @p type from @p window, growing the request until
    /// the whole value came. On success the caller frees @p data with XFree.
    bool getProperty(unsigned char*& data, unsigned long& length, XWindow window, XAtom property,
                     XAtom type) const;

    /// The top-level windows, on every screen, that carry the listener marker.
    QList<XWindow> findWindows() const;

    /// The listener's native window, 0 when there is none.
    XWindow listenerWindow() const;

    /// Makes the listener window the selection owner and reads the owner back.
    void takeSelection();

    /// Waits until @p window no longer holds an unread message in @p property
    /// (the reader removes the property once it took the text), the window
    /// is gone, or @p timeoutMs passed.
    void waitUntilTaken(XWindow window, XAtom property, int timeoutMs) const;

    /// Waits until @p window owns the selection, is gone, or @p timeoutMs
    /// passed. True when it took the selection.
    bool waitForOwner(XWindow window, int timeoutMs) const;

    /// The local socket name for @p id where there is no X11 display: the
    /// rendezvous name, which holds the login name, so each user has his own.
    QString socketName(const QString& id) const;

    _XDisplay* m_display = nullptr;
    std::unique_ptr<QLocalServer> m_server; // the running instance, without X11
    XAtom m_selectionAtom = 0;
    XAtom m_messageTypeAtom = 0;
    XAtom m_listenerAtom = 0;
    std::unique_ptr<X11SingletonListener> m_listener;
    QByteArray m_characterTable;
    bool m_ownsSelection = false;
    QSharedMemory* m_lock = nullptr; // process-wide, see startupLock()
    bool m_locked = false;
    std::unique_ptr<QAbstractNativeEventFilter> m_filter;
};

} // namespace oru
