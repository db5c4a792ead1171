#include "oruRibbonSingletonApplication.h"
#include "oruRibbonSingletonApplication_p.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QThread>

#include <cstdio>

#include <pwd.h>
#include <unistd.h>

// Xlib last: its macros (None, Bool, Status ...) would clash with Qt headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <xcb/xproto.h>

namespace oru {

const QString RibbonSingletonApplication::s_RSAPP = QStringLiteral("_ORU_RSAPP");
const QString RibbonSingletonApplication::s_LISTENER = QStringLiteral("_ORU_LISTENER");

namespace {

// How long a start waits for the running instance to take its message, and an
// exiting owner for its successor to take the selection. Both only bound a
// wait for a hung peer; a live instance answers within milliseconds.
//
// Writing the property and going on at once would be simpler, but the
// property is a single slot: the next start (or this start's own hand-over
// note on exit) would overwrite a text the owner has not read yet, and ten
// starts at once would lose messages. So the owner removes the property once
// it has read it, and a start holds the start-up lock until then. In the same
// way an exiting owner keeps the selection until its successor has taken it,
// so that a start in between finds an owner instead of becoming a second
// first instance. The wait on exit only happens when another listener is
// there to take over.
constexpr int kHandshakeTimeoutMs = 5000;
constexpr int kDefaultTimeoutMs = 5000;
constexpr int kPollMs = 2;

// The start-up lock: the system semaphore of the shared memory key "idKey".
//
// The one-byte segment itself is never created. QSharedMemory::create() first
// re-creates the key's semaphore with the value 1, whoever holds it at that
// moment, and a start that finds the segment already there would have to go
// on unlocked. Locking the semaphore through attach() alone gives every start
// the same exclusion, also while another one holds it.
//
// Qt's System V semaphore is removed again by the process that happened to
// create it, when its QSharedMemory goes away, and QSharedMemory::create()
// resets its value to 1 whoever holds it. Either breaks the exclusion while
// other instances start: a start that hands its message over and ends would
// remove the semaphore under the feet of the ones still waiting. So the
// object is made once per process, keyed once (attach() keys the semaphore
// whether or not a segment exists; none is ever created), and never
// destroyed: the semaphore then outlives every instance, and an instance
// that dies while holding it gives it back through the kernel's undo.
// Returns null when the semaphore cannot be set up.
QSharedMemory* startupLock()
{
    static QSharedMemory* const memory = [] {
        auto* shared = new QSharedMemory(QStringLiteral("idKey"));
        shared->attach();
        switch (shared->error()) {
        case QSharedMemory::NoError:
        case QSharedMemory::NotFound:
            return shared;
        default:
            delete shared;
            return static_cast<QSharedMemory*>(nullptr);
        }
    }();
    return memory;
}

// Without X11 the instances meet at a local socket. A message travels as a
// 32-bit length and that many bytes of UTF-8; the running instance answers
// each whole message with one byte, so a start knows that its text arrived
// before it ends (and before the next start, waiting for the start-up lock,
// writes its own). A connection that sends no whole message (isRunning(), a
// start that died) is simply dropped.
constexpr char kAck = '\x06';

bool readMessage(QLocalSocket* socket, QString& text)
{
    constexpr qint64 header = sizeof(quint32);
    if (socket->bytesAvailable() < header)
        return false;
    QByteArray peeked = socket->peek(header);
    QDataStream lengthStream(peeked);
    quint32 length = 0;
    lengthStream >> length;
    if (socket->bytesAvailable() < header + qint64(length))
        return false;
    socket->read(header);
    text = QString::fromUtf8(socket->read(qint64(length)));
    return true;
}

Display* dpyOf(const RibbonSingletonApplication::Priv& p)
{
    return static_cast<Display*>(p.m_display);
}

} // namespace

// Native events reach the application through this filter; it only forwards
// xcb events to RibbonSingletonApplication::x11EventFilter.
class RibbonSingletonApplication::NativeFilter : public QAbstractNativeEventFilter
{
public:
    // The application owns the filter (through its private part) and removes
    // it before the private part goes, so the back pointer never dangles.
    explicit NativeFilter(RibbonSingletonApplication* app) : m_app(app) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        return m_app->x11EventFilter(message);
    }

private:
    RibbonSingletonApplication* m_app;
};

RibbonSingletonApplication::X11SingletonListener::X11SingletonListener() : QWidget(nullptr) {}

RibbonSingletonApplication::X11SingletonListener::~X11SingletonListener() = default;

// ---------------------------------------------------------------------------
// Priv

RibbonSingletonApplication::Priv::Priv() : m_display(x11Display())
{
    // The X portable character set in the order a-z, A-Z, 0-9, punctuation.
    for (char c = 'a'; c <= 'z'; ++c)
        m_characterTable.append(c);
    for (char c = 'A'; c <= 'Z'; ++c)
        m_characterTable.append(c);
    for (char c = '0'; c <= '9'; ++c)
        m_characterTable.append(c);
    for (char c = '!'; c <= '~'; ++c) {
        if (!m_characterTable.contains(c))
            m_characterTable.append(c);
    }
    m_lock = startupLock();
}

RibbonSingletonApplication::Priv::~Priv() = default;

_XDisplay* RibbonSingletonApplication::Priv::x11Display()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return nullptr;
    if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>())
        return x11->display();
    return nullptr;
}

QString RibbonSingletonApplication::Priv::login()
{
    const passwd* entry = ::getpwuid(::getuid());
    if (!entry || !entry->pw_name)
        return QString();
    return QString::fromLocal8Bit(entry->pw_name);
}

QByteArray RibbonSingletonApplication::Priv::toXPCS(const QString& text) const
{
    QString prefixed = text;
    if (prefixed.isEmpty() || !prefixed.startsWith(QLatin1Char('_')))
        prefixed.prepend(QLatin1Char('_'));
    QByteArray bytes = prefixed.toLocal8Bit();
    for (char& byte : bytes) {
        if (!m_characterTable.contains(byte))
            byte = '_';
    }
    return bytes;
}

QByteArray RibbonSingletonApplication::Priv::rendezvousName(const QString& id) const
{
    return toXPCS(id + login());
}

QString RibbonSingletonApplication::Priv::socketName(const QString& id) const
{
    return QStringLiteral("oru-singleton") + QString::fromLatin1(rendezvousName(id));
}

void RibbonSingletonApplication::Priv::sendMessageTo(XWindow window, XAtom selection, XAtom type,
                                                     const QString& message) const
{
    const QByteArray utf8 = message.toUtf8();
    XChangeProperty(dpyOf(*this), window, selection, type, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.constData()), int(utf8.size()));
    XFlush(dpyOf(*this));
}

bool RibbonSingletonApplication::Priv::getProperty(unsigned char*& data, unsigned long& length,
                                                   XWindow window, XAtom property, XAtom type) const
{
    Display* dpy = dpyOf(*this);
    if (!dpy)
        return false;
    long requested = 1024; // in 32-bit units
    for (;;) {
        Atom actualType = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long left = 0;
        unsigned char* got = nullptr;
        const int status =
            XGetWindowProperty(dpy, window, property, 0, requested, False, AnyPropertyType,
                               &actualType, &format, &items, &left, &got);
        if (status != Success || actualType != type) {
            if (got)
                XFree(got);
            return false;
        }
        if (left > 0) {
            XFree(got);
            switch (format) {
            case 8:
                requested += long(left / 4 + 1);
                break;
            case 16:
                requested += long(left / 2 + 1);
                break;
            default:
                requested += long(left);
                break;
            }
            continue;
        }
        if (!got)
            return false;
        data = got;
        length = items;
        return true;
    }
}

QList<RibbonSingletonApplication::Priv::XWindow>
RibbonSingletonApplication::Priv::findWindows() const
{
    QList<XWindow> found;
    Display* dpy = dpyOf(*this);
    if (!dpy || !m_listenerAtom)
        return found;
    for (int screen = 0; screen < ScreenCount(dpy); ++screen) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(dpy, RootWindow(dpy, screen), &root, &parent, &children, &count))
            continue;
        for (unsigned int i = 0; i < count; ++i) {
            unsigned char* marker = nullptr;
            unsigned long length = 0;
            if (getProperty(marker, length, children[i], m_listenerAtom, m_listenerAtom)) {
                XFree(marker);
                found.append(children[i]);
            }
        }
        if (children)
            XFree(children);
    }
    return found;
}

RibbonSingletonApplication::Priv::XWindow RibbonSingletonApplication::Priv::listenerWindow() const
{
    return m_listener ? XWindow(m_listener->winId()) : 0;
}

void RibbonSingletonApplication::Priv::takeSelection()
{
    Display* dpy = dpyOf(*this);
    const XWindow own = listenerWindow();
    if (!dpy || !own || !m_selectionAtom)
        return;
    XSetSelectionOwner(dpy, m_selectionAtom, own, CurrentTime);
    m_ownsSelection = XGetSelectionOwner(dpy, m_selectionAtom) == own;
}

void RibbonSingletonApplication::Priv::waitUntilTaken(XWindow window, XAtom property,
                                                      int timeoutMs) const
{
    Display* dpy = dpyOf(*this);
    if (!dpy || !window)
        return;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        Atom actualType = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long left = 0;
        unsigned char* got = nullptr;
        const int status = XGetWindowProperty(dpy, window, property, 0, 0, False, AnyPropertyType,
                                              &actualType, &format, &items, &left, &got);
        if (got)
            XFree(got);
        // A failed request means the window is gone; no type means taken.
        if (status != Success || actualType == None || deadline.hasExpired())
            return;
        QThread::msleep(kPollMs);
    }
}

bool RibbonSingletonApplication::Priv::waitForOwner(XWindow window, int timeoutMs) const
{
    Display* dpy = dpyOf(*this);
    if (!dpy || !window)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (XGetSelectionOwner(dpy, m_selectionAtom) == window)
            return true;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(dpy, window, &attributes) || deadline.hasExpired())
            return false;
        QThread::msleep(kPollMs);
    }
}

// ---------------------------------------------------------------------------
// RibbonSingletonApplication

RibbonSingletonApplication::RibbonSingletonApplication(const QString& id, int& argc, char** argv)
    : RibbonApplication(argc, argv), m_delivered(false), m_id(id)
{
    sysInit();
}

RibbonSingletonApplication::~RibbonSingletonApplication()
{
    sysCleanup();
}

void RibbonSingletonApplication::sysInit()
{
    m_priv = std::make_unique<Priv>();
}

void RibbonSingletonApplication::lock()
{
    if (!m_priv || m_priv->m_locked)
        return;
    QSharedMemory* memory = m_priv->m_lock;
    if (!memory) {
        std::fputs("Unable to create single initalizator.", stdout);
        std::fflush(stdout);
        return;
    }
    m_priv->m_locked = memory->lock();
}

void RibbonSingletonApplication::unlock()
{
    if (!m_priv || !m_priv->m_locked)
        return;
    if (m_priv->m_lock->unlock()) {
        m_priv->m_locked = false;
        if (m_priv->m_lock->isAttached())
            m_priv->m_lock->detach();
    }
}

bool RibbonSingletonApplication::initInstance()
{
    lock();
    const QString joined = QCoreApplication::arguments().join(QLatin1Char(';'));
    m_delivered = sendMessage(joined, kDefaultTimeoutMs);
    if (m_delivered && m_priv && m_priv->m_display) {
        // Wait until the running instance took the text before we take the
        // selection from it: our exit writes the hand-over note into the same
        // property, and must not overwrite a message that was not read yet.
        Display* dpy = dpyOf(*m_priv);
        const QByteArray name = m_priv->rendezvousName(m_id);
        const Atom selection = XInternAtom(dpy, name.constData(), True);
        if (selection)
            m_priv->waitUntilTaken(XGetSelectionOwner(dpy, selection), selection,
                                   kHandshakeTimeoutMs);
    }
    initialize(true);
    return !m_delivered;
}

bool RibbonSingletonApplication::endInit()
{
    unlock();
    return !m_delivered;
}

bool RibbonSingletonApplication::isRunning() const
{
    if (!m_priv)
        return false;
    if (!m_priv->m_display) {
        if (m_priv->m_server && m_priv->m_server->isListening())
            return true;
        QLocalSocket socket;
        socket.connectToServer(m_priv->socketName(m_id));
        return socket.waitForConnected(kDefaultTimeoutMs);
    }
    Display* dpy = dpyOf(*m_priv);
    const QByteArray name = m_priv->rendezvousName(m_id);
    const Atom selection = XInternAtom(dpy, name.constData(), True);
    return selection != None && XGetSelectionOwner(dpy, selection) != None;
}

bool RibbonSingletonApplication::sendMessage(const QString& message, int timeout)
{
    if (!m_priv)
        return false;
    if (!m_priv->m_display) {
        // Over the local socket the timeout bounds each wait for the running
        // instance: connecting, writing, and its answer.
        if (m_priv->m_server)
            return false; // this process is the running instance
        QLocalSocket socket;
        socket.connectToServer(m_priv->socketName(m_id));
        if (!socket.waitForConnected(timeout))
            return false;
        const QByteArray utf8 = message.toUtf8();
        QByteArray frame;
        QDataStream(&frame, QIODevice::WriteOnly) << quint32(utf8.size());
        socket.write(frame + utf8);
        const QDeadlineTimer deadline(timeout);
        while (socket.bytesToWrite() > 0) {
            if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
                return false;
        }
        while (socket.bytesAvailable() < 1) {
            if (!socket.waitForReadyRead(int(deadline.remainingTime())))
                return false;
        }
        return socket.read(1) == QByteArray(1, kAck);
    }
    Display* dpy = dpyOf(*m_priv);
    const QByteArray name = m_priv->rendezvousName(m_id);
    const Atom selection = XInternAtom(dpy, name.constData(), True);
    if (selection == None)
        return false;
    const Window owner = XGetSelectionOwner(dpy, selection);
    if (owner == None)
        return false;
    const Atom type = XInternAtom(dpy, s_RSAPP.toLatin1().constData(), True);
    if (type == None)
        return false;
    m_priv->sendMessageTo(owner, selection, type, message);
    return true;
}

bool RibbonSingletonApplication::sendMessage(const QString& message)
{
    return sendMessage(message, kDefaultTimeoutMs);
}

void RibbonSingletonApplication::listenLocally(bool activateOnMessage)
{
    Priv& p = *m_priv;
    if (m_delivered || p.m_server)
        return;
    const QString name = p.socketName(m_id);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name) && server->serverError() == QAbstractSocket::AddressInUseError) {
        // A socket file is left, but nobody answered our message: its owner
        // crashed. The start-up lock keeps other starts out while it goes.
        QLocalServer::removeServer(name);
        server->listen(name);
    }
    if (!server->isListening())
        return;
    connect(server.get(), &QLocalServer::newConnection, this, [this] {
        QLocalServer* listening = m_priv ? m_priv->m_server.get() : nullptr;
        while (QLocalSocket* socket = listening ? listening->nextPendingConnection() : nullptr) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            const auto take = [this, socket] {
                QString text;
                while (readMessage(socket, text)) {
                    socket->write(QByteArray(1, kAck));
                    socket->flush();
                    emit messageReceived(text);
                }
            };
            connect(socket, &QLocalSocket::readyRead, this, take);
            take();
        }
    });
    p.m_server = std::move(server);
    if (activateOnMessage)
        connect(this, &RibbonSingletonApplication::messageReceived, this,
                &RibbonSingletonApplication::activateWindow);
}

void RibbonSingletonApplication::initialize(bool activateOnMessage)
{
    if (!m_priv)
        return;
    if (!m_priv->m_display) {
        listenLocally(activateOnMessage);
        return;
    }
    if (m_priv->m_selectionAtom)
        return;
    Priv& p = *m_priv;
    Display* dpy = dpyOf(p);
    const QByteArray name = p.rendezvousName(m_id);
    p.m_selectionAtom = XInternAtom(dpy, name.constData(), False);
    p.m_messageTypeAtom = XInternAtom(dpy, s_RSAPP.toLatin1().constData(), False);
    p.m_listenerAtom = XInternAtom(dpy, (name + s_LISTENER.toLatin1()).constData(), False);

    if (p.m_selectionAtom != None) {
        p.m_listener = std::make_unique<X11SingletonListener>();
        static const unsigned char marker[] = {'Y', 'E', 'S'};
        XChangeProperty(dpy, p.listenerWindow(), p.m_listenerAtom, p.m_listenerAtom, 8,
                        PropModeReplace, marker, 3);
        p.m_filter = std::make_unique<NativeFilter>(this);
        installNativeEventFilter(p.m_filter.get());
    }
    p.takeSelection();

    if (activateOnMessage)
        connect(this, &RibbonSingletonApplication::messageReceived, this,
                &RibbonSingletonApplication::activateWindow);
}

bool RibbonSingletonApplication::x11EventFilter(void* xcbEvent)
{
    if (!m_priv || !m_priv->m_listener)
        return false;
    Priv& p = *m_priv;
    Display* dpy = dpyOf(p);
    const auto* event = static_cast<const xcb_generic_event_t*>(xcbEvent);
    switch (event->response_type & ~0x80) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        // Only new values of the message property count: Qt sets other
        // properties on every native window, and our own removal of a taken
        // message comes back as a deletion.
        if (notify->window != p.listenerWindow() || notify->atom != p.m_selectionAtom ||
            notify->state != XCB_PROPERTY_NEW_VALUE)
            return false;
        if (!p.m_ownsSelection) {
            // The previous owner handed the selection to us on its exit.
            XDeleteProperty(dpy, notify->window, p.m_selectionAtom);
            p.takeSelection();
            return true;
        }
        unsigned char* data = nullptr;
        unsigned long length = 0;
        if (!p.getProperty(data, length, notify->window, p.m_selectionAtom, p.m_messageTypeAtom))
            return false;
        const QString text =
            QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(length));
        XFree(data);
        // Removing the property tells the sender that its text was taken.
        XDeleteProperty(dpy, notify->window, p.m_selectionAtom);
        XFlush(dpy);
        emit messageReceived(text);
        return true;
    }
    case XCB_SELECTION_CLEAR: {
        const auto* clear = reinterpret_cast<const xcb_selection_clear_event_t*>(event);
        if (clear->selection == p.m_selectionAtom)
            p.m_ownsSelection = false;
        return false;
    }
    default:
        return false;
    }
}

void RibbonSingletonApplication::activateWindow()
{
    if (QWidget* window = m_activationWindow) {
        window->activateWindow();
        window->raise();
        window->setVisible(true);
    }
}

void RibbonSingletonApplication::sysCleanup()
{
    if (!m_priv)
        return;
    Priv& p = *m_priv;
    Display* dpy = dpyOf(p);
    if (dpy && p.m_listener && p.m_ownsSelection) {
        const Priv::XWindow own = p.listenerWindow();
        Priv::XWindow successor = 0;
        XGrabServer(dpy);
        // Our flag may be stale when this process stopped handling events
        // (a start that hands its message over never runs an event loop).
        if (XGetSelectionOwner(dpy, p.m_selectionAtom) == own) {
            const QList<Priv::XWindow> listeners = p.findWindows();
            for (auto it = listeners.crbegin(); it != listeners.crend(); ++it) {
                if (*it != own) {
                    successor = *it;
                    break;
                }
            }
            if (successor)
                p.sendMessageTo(successor, p.m_selectionAtom, p.m_messageTypeAtom,
                                QStringLiteral("a"));
        }
        XUngrabServer(dpy);
        XFlush(dpy);
        // Keep the selection (and the start-up lock, if held) until the
        // successor has it, so that the next start finds an owner.
        if (successor)
            p.waitForOwner(successor, kHandshakeTimeoutMs);
    }
    // Closing the server removes its socket file: the next start owns.
    p.m_server.reset();
    if (p.m_filter)
        removeNativeEventFilter(p.m_filter.get());
    p.m_listener.reset();
    if (dpy)
        XSync(dpy, False);
    unlock();
    m_priv.reset();
}

} // namespace oru
