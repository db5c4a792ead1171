#pragma once

#include "oruGlobal.h"
#include "oruRibbonApplication.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace oru {

/// An application object that lets only one instance of a program run per
/// user and program identifier on an X11 display.
///
/// A second start hands its command line ("path;arg;...") to the running
/// instance and initInstance() returns false; the running instance emits
/// messageReceived() and brings its activation window to the front. The
/// rendezvous is an X selection named after the identifier and the login
/// name. Without an X11 display (Wayland, offscreen) the instances meet at a
/// local socket in the user's private runtime folder instead, with the same
/// contract: the first start owns it, later starts hand their command line
/// over and end, and a socket left by a crashed instance is taken over by the
/// next start. Both ends of the socket check that the peer runs as the same
/// user; on X11 every client of the display is trusted, as X itself does.
///
/// Starts of the same program and user are serialised by a lock file in the
/// private runtime folder; a start waits for it at most ten seconds. Other
/// users and other programs never share it.
///
/// A running instance that is busy (a modal dialog, a long load) keeps its
/// place: a later start queues its command line for it and ends, or, when
/// even that is not possible in time, ends with initInstance() false and
/// delivered() false, so that the host can tell its user.
///
/// Call endInit() once the running instance has finished its start-up; a
/// process whose initInstance() returned false should simply end (it keeps
/// the start-up lock until it has handed the selection back).
class VAZAVE_EXPORT RibbonSingletonApplication : public RibbonApplication
{
    Q_OBJECT

public:
    class Priv;
    class X11SingletonListener;

    /// The program identifier @p id names the rendezvous, together with the login name; two
    /// programs with the same identifier count as the same program. Nothing is sent or taken yet:
    /// that happens in initInstance().
    RibbonSingletonApplication(const QString& id, int& argc, char** argv);
    /// When this instance owns the rendezvous and another instance of the program still runs,
    /// hands the rendezvous over to it first; then releases the start-up lock and the X
    /// resources.
    ~RibbonSingletonApplication() override;

    /// Takes the start-up lock and hands the command line to a running
    /// instance. True when this process should go on and build its user
    /// interface, false when a running instance took the message.
    bool initInstance() override;

    /// Releases the start-up lock; true when initInstance() delivered nothing.
    bool endInit();

    /// True when initInstance() handed the command line to a running
    /// instance (taken, or queued whole for an instance that is busy). When
    /// initInstance() returned false and this is false, an instance runs but
    /// did not take the command line in time.
    bool delivered() const { return m_delivered; }

    /// The longest message, in bytes of UTF-8, that sendMessage() hands over
    /// and a running instance accepts; a longer one is refused whole.
    static constexpr int MaxMessageSize = 1024 * 1024;

    /// True when an instance with this identifier owns the rendezvous.
    bool isRunning() const;

    /// The program identifier given to the constructor.
    QString id() const { return m_id; }

    /// The window that activateWindow() brings to the front; null at first.
    void setActivationWindow(QWidget* window) { m_activationWindow = window; }
    /// The window set with setActivationWindow(); null when none was set or it was destroyed.
    QWidget* activationWindow() const { return m_activationWindow; }

    /// The name of the X atom that types the message property ("_ORU_RSAPP").
    static const QString s_RSAPP;
    /// The suffix of the X atom that marks the listener window ("_ORU_LISTENER").
    static const QString s_LISTENER;

public slots:
    /// Writes @p message to the running instance. On X11 the timeout does not
    /// change what happens (the text is written as a window property); over
    /// the local socket it bounds each wait for the running instance.
    bool sendMessage(const QString& message, int timeout);
    /// Writes @p message to the running instance; false when no instance owns the rendezvous (or
    /// there is no X11 display).
    bool sendMessage(const QString& message);
    /// Activates, raises and shows the activation window, if one is set. Connected to
    /// messageReceived() by initInstance(); override it to bring something else to the front.
    virtual void activateWindow();

signals:
    /// Emitted in the running instance for every message a later start (or
    /// sendMessage()) delivered, with the text as sent: for a second start the
    /// command line joined by ';'. initInstance() connects it to activateWindow().
    void messageReceived(const QString& message);

protected:
    /// Creates the listener window and takes the rendezvous selection.
    void initialize(bool activateOnMessage);

private:
    class NativeFilter;
    friend class NativeFilter;

    void sysInit();
    void sysCleanup();
    void lock();
    void unlock();
    void listenLocally(bool activateOnMessage);
    bool x11EventFilter(void* xcbEvent);

    bool m_delivered = false;
    QString m_id;
    std::unique_ptr<Priv> m_priv;
    QPointer<QWidget> m_activationWindow;
};

/// The hidden widget whose native window owns the rendezvous selection and
/// receives messages as a window property. It is never shown.
class VAZAVE_EXPORT RibbonSingletonApplication::X11SingletonListener : public QWidget
{
    Q_OBJECT

public:
    /// A parentless hidden widget; the application object owns it.
    X11SingletonListener();
    /// Destroys the listener window; its selection ownership ends with it.
    ~X11SingletonListener() override;
};

} // namespace oru
