#include "oruRibbonSingletonApplication.h"
#include "oruRibbonSingletonApplication_p.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QThread>
#include <QtEndian>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// The start-up lock is a lock file in the user's private folder, one per
// program: other users cannot create, hold or remove it, and another program
// never waits for ours. The kernel releases it when its process dies. A start
// waits at most this long for another start of the same program.
constexpr int kLockTimeoutMs = 10000;

// Without X11 the instances meet at a local socket in the private folder. A
// message travels as a 32-bit length and that many bytes of UTF-8; the
// running instance answers each whole message with one byte, so a start knows
// that its text arrived before it ends. Both ends check that the peer runs as
// the same user. The running instance bounds what a connection may cost it:
// a message is at most MaxMessageSize bytes long (a longer length ends the
// connection), a connection that sends nothing for kIdleTimeoutMs is closed,
// and beyond kMaxConnections open ones the oldest goes. The same message
// bound holds for the X11 property.
constexpr char kAck = '\x06';
constexpr qint64 kHeaderBytes = sizeof(quint32);
constexpr int kIdleTimeoutMs = 5000;
constexpr int kMaxConnections = 64;
constexpr int kWatchdogMs = 1000;

// How a message to the running instance went.
enum class Delivery
{
    NoOwner,   // nobody of this user listens (or only a socket file is left)
    Delivered, // taken, or queued whole for an instance that is busy
    Busy,      // an instance lives but did not take the text in time
};

bool isOurs(const struct stat& info)
{
    return info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

bool isPrivateDirectory(const QByteArray& path, bool followLinks)
{
    struct stat info;
    const int status =
        followLinks ? ::stat(path.constData(), &info) : ::lstat(path.constData(), &info);
    return status == 0 && S_ISDIR(info.st_mode) && isOurs(info);
}

bool peerIsSameUser(qintptr descriptor)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return descriptor >= 0 &&
           ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::geteuid();
}

enum class SocketFile
{
    Absent,
    Foreign, // not a socket of this user: never touched
    Stale,   // ours, but nobody listens
    Live,
};

// What is at @p path, without Qt's event machinery: a plain non-blocking
// connect tells a listener (even one too busy to accept) from a dead file.
SocketFile probeSocket(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::lstat(native.constData(), &info) != 0)
        return SocketFile::Absent;
    if (!S_ISSOCK(info.st_mode) || info.st_uid != ::geteuid())
        return SocketFile::Foreign;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(native.size()) >= sizeof address.sun_path)
        return SocketFile::Foreign;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descriptor < 0)
        return SocketFile::Live; // cannot tell: assume the safe answer
    const int status =
        ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = errno;
    ::close(descriptor);
    if (status == 0 || error == EAGAIN || error == EINPROGRESS)
        return SocketFile::Live;
    return SocketFile::Stale;
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
    m_watchdog.setInterval(kWatchdogMs);
}

RibbonSingletonApplication::Priv::~Priv()
{
    // The server's connections leave the client list as they go: first.
    m_server.reset();
    releaseLock();
}

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

QString RibbonSingletonApplication::Priv::runtimeDirectory()
{
    // Another user can make neither: the runtime folder is the user's own,
    // and the fallback is only used when this user made it and nobody else
    // may enter it (lstat: a planted link is not followed).
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateDirectory(runtime, true))
        return QFile::decodeName(runtime);
    const QString fallback =
        QDir::tempPath() + QStringLiteral("/oru-runtime-") + QString::number(::geteuid());
    const QByteArray native = QFile::encodeName(fallback);
    ::mkdir(native.constData(), 0700);
    if (isPrivateDirectory(native, false))
        return fallback;
    return QString();
}

QString RibbonSingletonApplication::Priv::fileStem(const QString& id) const
{
    const QByteArray hash =
        QCryptographicHash::hash(rendezvousName(id), QCryptographicHash::Sha256).toHex().left(32);
    return QStringLiteral("oru-singleton-%1-%2").arg(::geteuid()).arg(QString::fromLatin1(hash));
}

QString RibbonSingletonApplication::Priv::socketName(const QString& id) const
{
    const QString directory = runtimeDirectory();
    return directory.isEmpty() ? QString() : directory + QLatin1Char('/') + fileStem(id);
}

bool RibbonSingletonApplication::Priv::lockFor(const QString& id, int timeoutMs, bool& setUp)
{
    setUp = false;
    const QString directory = runtimeDirectory();
    if (directory.isEmpty())
        return false;
    const QByteArray path =
        QFile::encodeName(directory + QLatin1Char('/') + fileStem(id) + QStringLiteral(".lock"));
    const int descriptor =
        ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    struct stat info;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) || !isOurs(info)) {
        ::close(descriptor);
        return false;
    }
    setUp = true;
    const QDeadlineTimer deadline(timeoutMs);
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            ::close(descriptor);
            return false;
        }
        QThread::msleep(10);
    }
    m_lockFd = descriptor;
    return true;
}

void RibbonSingletonApplication::Priv::releaseLock()
{
    if (m_lockFd < 0)
        return;
    ::flock(m_lockFd, LOCK_UN);
    ::close(m_lockFd);
    m_lockFd = -1;
}

bool RibbonSingletonApplication::Priv::takeMessages(QByteArray& pending, QStringList& texts)
{
    qsizetype at = 0;
    bool bounded = true;
    while (pending.size() - at >= kHeaderBytes) {
        const auto* header = reinterpret_cast<const uchar*>(pending.constData() + at);
        const quint32 length = qFromBigEndian<quint32>(header);
        if (length > quint32(MaxMessageSize)) {
            bounded = false;
            break;
        }
        if (pending.size() - at - kHeaderBytes < qsizetype(length))
            break;
        texts.append(QString::fromUtf8(pending.constData() + at + kHeaderBytes, qsizetype(length)));
        at += kHeaderBytes + qsizetype(length);
    }
    pending.remove(0, at);
    return bounded;
}

bool RibbonSingletonApplication::Priv::listenAt(const QString& name)
{
    if (!m_server || name.isEmpty())
        return false;
    switch (probeSocket(name)) {
    case SocketFile::Live:    // a live instance keeps its place
    case SocketFile::Foreign: // never remove what is not ours
        return false;
    case SocketFile::Stale: // left by a crashed instance of this user
        QLocalServer::removeServer(name);
        break;
    case SocketFile::Absent:
        break;
    }
    return m_server->listen(name);
}

void RibbonSingletonApplication::Priv::acceptConnections(RibbonSingletonApplication& app)
{
    while (QLocalSocket* socket = m_server ? m_server->nextPendingConnection() : nullptr) {
        if (!peerIsSameUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (m_clients.size() >= kMaxConnections) {
            QLocalSocket* oldest = m_clients.takeFirst();
            oldest->abort();
            oldest->deleteLater();
        }
        m_clients.append(socket);
        QObject::connect(socket, &QObject::destroyed, &app,
                         [this, socket] { m_clients.removeOne(socket); });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        QObject::connect(idle, &QTimer::timeout, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        auto pending = std::make_shared<QByteArray>();
        const auto take = [&app, socket, idle, pending] {
            *pending += socket->readAll();
            QStringList texts;
            const bool bounded = takeMessages(*pending, texts);
            for (qsizetype i = 0; i < texts.size(); ++i)
                socket->write(QByteArray(1, kAck));
            socket->flush();
            if (bounded) {
                idle->start(kIdleTimeoutMs);
            } else {
                socket->abort();
                socket->deleteLater();
            }
            // Last: a receiver may run an event loop, in which the socket
            // may go.
            for (const QString& text : std::as_const(texts))
                emit app.messageReceived(text);
        };
        QObject::connect(socket, &QLocalSocket::readyRead, &app, take);
        take();
    }
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
                                                   XWindow window, XAtom property, XAtom type,
                                                   long maxBytes, bool remove) const
{
    Display* dpy = dpyOf(*this);
    if (!dpy)
        return false;
    // One request for at most maxBytes and one unit more, so that a longer
    // value shows as left over. The server deletes the property with the
    // same request only when nothing is left over, so a message written
    // between a read and a separate delete cannot be lost.
    Atom actualType = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long left = 0;
    unsigned char* got = nullptr;
    const int status =
        XGetWindowProperty(dpy, window, property, 0, maxBytes / 4 + 1, remove ? True : False,
                           AnyPropertyType, &actualType, &format, &items, &left, &got);
    if (status != Success)
        return false;
    const bool whole = actualType == type && got && left == 0 && format == 8 &&
                       items <= static_cast<unsigned long>(maxBytes);
    if (!whole) {
        if (got)
            XFree(got);
        // Junk (too long, another type) must not block the slot.
        if (remove && actualType != None && left > 0)
            XDeleteProperty(dpy, window, property);
        return false;
    }
    data = got;
    length = items;
    return true;
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
            if (getProperty(marker, length, children[i], m_listenerAtom, m_listenerAtom, 16)) {
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

bool RibbonSingletonApplication::Priv::waitUntilTaken(XWindow window, XAtom property,
                                                      int timeoutMs) const
{
    Display* dpy = dpyOf(*this);
    if (!dpy || !window)
        return true;
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
        if (status != Success || actualType == None)
            return true;
        if (deadline.hasExpired())
            return false;
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
    if (!m_priv || m_priv->m_lockFd >= 0)
        return;
    bool setUp = false;
    // A wait that runs out goes on unlocked: a start of the same program
    // that hangs must not keep this one out for ever.
    if (!m_priv->lockFor(m_id, kLockTimeoutMs, setUp) && !setUp) {
        std::fputs("Unable to create single initalizator.", stdout);
        std::fflush(stdout);
    }
}

void RibbonSingletonApplication::unlock()
{
    if (m_priv)
        m_priv->releaseLock();
}

namespace {

Delivery deliverLocally(const RibbonSingletonApplication::Priv& p, const QString& id,
                        const QString& message, int timeout)
{
    const QString name = p.socketName(id);
    if (name.isEmpty())
        return Delivery::NoOwner;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeout)) {
        // Refused or absent: nobody listens. A full queue or a slow accept
        // is a live instance.
        const auto error = socket.error();
        return error == QLocalSocket::ConnectionRefusedError ||
                       error == QLocalSocket::ServerNotFoundError
                   ? Delivery::NoOwner
                   : Delivery::Busy;
    }
    // The folder is private, but a socket that is not of this user is still
    // nobody we hand a command line to.
    if (!peerIsSameUser(socket.socketDescriptor()))
        return Delivery::NoOwner;
    const QByteArray utf8 = message.toUtf8();
    if (utf8.size() > RibbonSingletonApplication::MaxMessageSize)
        return Delivery::Busy;
    QByteArray frame;
    QDataStream(&frame, QIODevice::WriteOnly) << quint32(utf8.size());
    socket.write(frame + utf8);
    const QDeadlineTimer deadline(timeout);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return Delivery::Busy;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime()))) {
            // Still connected: the whole text waits in the running
            // instance's queue, which reads it once it is back in its event
            // loop. Closed without an answer: it refused the text.
            return socket.state() == QLocalSocket::ConnectedState ? Delivery::Delivered
                                                                  : Delivery::Busy;
        }
    }
    return socket.read(1) == QByteArray(1, kAck) ? Delivery::Delivered : Delivery::Busy;
}

Delivery deliverX11(const RibbonSingletonApplication::Priv& p, const QString& id,
                    const QString& message, int timeout)
{
    Display* dpy = dpyOf(p);
    const QByteArray name = p.rendezvousName(id);
    const Atom selection = XInternAtom(dpy, name.constData(), True);
    if (selection == None)
        return Delivery::NoOwner;
    const Window owner = XGetSelectionOwner(dpy, selection);
    if (owner == None)
        return Delivery::NoOwner;
    const Atom type =
        XInternAtom(dpy, RibbonSingletonApplication::s_RSAPP.toLatin1().constData(), True);
    if (type == None)
        return Delivery::NoOwner;
    if (message.toUtf8().size() > RibbonSingletonApplication::MaxMessageSize)
        return Delivery::Busy;
    // The property is a single slot: a text the owner has not read yet is
    // never overwritten.
    if (!p.waitUntilTaken(owner, selection, timeout))
        return Delivery::Busy;
    p.sendMessageTo(owner, selection, type, message);
    return Delivery::Delivered;
}

Delivery deliver(const RibbonSingletonApplication::Priv& p, const QString& id,
                 const QString& message, int timeout)
{
    return p.m_display ? deliverX11(p, id, message, timeout)
                       : deliverLocally(p, id, message, timeout);
}

} // namespace

bool RibbonSingletonApplication::initInstance()
{
    lock();
    if (!m_priv)
        return true;
    const QString joined = QCoreApplication::arguments().join(QLatin1Char(';'));
    Delivery delivery = Delivery::NoOwner;
    if (!m_priv->m_server)
        delivery = deliver(*m_priv, m_id, joined, kDefaultTimeoutMs);
    m_delivered = delivery == Delivery::Delivered;
    // A live instance keeps its place, also when it is too busy to answer:
    // this start neither listens nor takes the selection then.
    if (delivery == Delivery::Busy)
        return false;
    if (m_delivered && m_priv->m_display) {
        // Wait until the running instance took the text before we take the
        // selection from it: our exit writes the hand-over note into the same
        // property, and must not overwrite a message that was not read yet.
        // If it does not take it in time, it is busy: the text waits for it
        // and this start keeps out of its way.
        Display* dpy = dpyOf(*m_priv);
        const QByteArray name = m_priv->rendezvousName(m_id);
        const Atom selection = XInternAtom(dpy, name.constData(), True);
        if (selection && !m_priv->waitUntilTaken(XGetSelectionOwner(dpy, selection), selection,
                                                 kHandshakeTimeoutMs))
            return false;
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
        const QString name = m_priv->socketName(m_id);
        return !name.isEmpty() && probeSocket(name) == SocketFile::Live;
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
    if (!m_priv->m_display && m_priv->m_server)
        return false; // this process is the running instance
    return deliver(*m_priv, m_id, message, timeout) == Delivery::Delivered;
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
    p.m_server = std::make_unique<QLocalServer>();
    if (!p.listenAt(name)) {
        p.m_server.reset();
        return;
    }
    connect(p.m_server.get(), &QLocalServer::newConnection, this,
            [this] { m_priv->acceptConnections(*this); });
    // Qt closes a server whose accept failed (no descriptors left) and
    // removes its socket file; listen again, unless another instance of
    // this user took the place in between.
    connect(&p.m_watchdog, &QTimer::timeout, this, [this, name] {
        Priv& priv = *m_priv;
        if (!priv.m_server || priv.m_server->isListening())
            return;
        if (!priv.listenAt(name) && probeSocket(name) != SocketFile::Absent)
            priv.m_watchdog.stop();
    });
    p.m_watchdog.start();
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
        // Read and remove in one request: removing tells the sender that its
        // text was taken.
        unsigned char* data = nullptr;
        unsigned long length = 0;
        const bool read = p.getProperty(data, length, notify->window, p.m_selectionAtom,
                                        p.m_messageTypeAtom, MaxMessageSize, true);
        XFlush(dpy);
        if (!read)
            return false;
        const QString text =
            QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(length));
        XFree(data);
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
    p.m_watchdog.stop();
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
