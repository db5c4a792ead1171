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
#include <QLocalSocket>
#include <QTimer>

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

    /// Reads at most @p maxBytes of @p property of @p type from @p window in
    /// one request; with @p remove the property goes in the same request (or
    /// right after it, when it was larger than @p maxBytes or of another
    /// type, so that junk never blocks the slot). Fails for a missing
    /// property, another type or a value longer than @p maxBytes. On success
    /// the caller frees @p data with XFree.
    bool getProperty(unsigned char*& data, unsigned long& length, XWindow window, XAtom property,
                     XAtom type, long maxBytes, bool remove = false) const;

    /// The top-level windows, on every screen, that carry the listener marker.
    QList<XWindow> findWindows() const;

    /// The listener's native window, 0 when there is none.
    XWindow listenerWindow() const;

    /// Makes the listener window the selection owner and reads the owner back.
    void takeSelection();

    /// Waits until @p window no longer holds an unread message in @p property
    /// (the reader removes the property once it took the text), the window
    /// is gone, or @p timeoutMs passed. True when the property is gone.
    bool waitUntilTaken(XWindow window, XAtom property, int timeoutMs) const;

    /// Waits until @p window owns the selection, is gone, or @p timeoutMs
    /// passed. True when it took the selection.
    bool waitForOwner(XWindow window, int timeoutMs) const;

    /// The user's private folder for the rendezvous files: $XDG_RUNTIME_DIR
    /// when it is a folder of this user that nobody else may enter, else a
    /// folder "oru-runtime-UID" in the temporary folder, created with mode
    /// 0700 and checked the same way. Empty when neither is private (another
    /// user made the temporary one first): then there is no rendezvous.
    static QString runtimeDirectory();

    /// The file name stem of the rendezvous files for @p id, in the private
    /// folder: user id and a hash of the rendezvous name (which holds the
    /// login name and may hold any character).
    QString fileStem(const QString& id) const;

    /// The local socket for @p id where there is no X11 display; empty when
    /// there is no private folder.
    QString socketName(const QString& id) const;

    /// Takes the start-up lock of @p id (a lock file in the private folder),
    /// waiting at most @p timeoutMs for another start of the same program
    /// and user. False when the lock file cannot be set up or is not ours,
    /// or the wait ran out.
    bool lockFor(const QString& id, int timeoutMs, bool& setUp);
    /// Releases the start-up lock taken by lockFor().
    void releaseLock();

    /// Moves the whole messages at the start of @p pending (each a 32-bit
    /// big-endian length and that many bytes of UTF-8) into @p texts and
    /// removes them from @p pending. False when a length exceeds
    /// MaxMessageSize: the connection is not worth reading further.
    static bool takeMessages(QByteArray& pending, QStringList& texts);

    /// Accepts, checks and reads the connections of the local server.
    void acceptConnections(RibbonSingletonApplication& app);
    /// Listens at @p name unless a live instance of this user does; a socket
    /// file left by a crashed instance of this user goes first.
    bool listenAt(const QString& name);

    _XDisplay* m_display = nullptr;
    std::unique_ptr<QLocalServer> m_server; // the running instance, without X11
    QList<QLocalSocket*> m_clients;         // open connections, oldest first
    QTimer m_watchdog;                      // listens again after a server error
    XAtom m_selectionAtom = 0;
    XAtom m_messageTypeAtom = 0;
    XAtom m_listenerAtom = 0;
    std::unique_ptr<X11SingletonListener> m_listener;
    QByteArray m_characterTable;
    bool m_ownsSelection = false;
    int m_lockFd = -1; // the start-up lock file, while it is held
    std::unique_ptr<QAbstractNativeEventFilter> m_filter;
};

} // namespace oru
