#include "oruPointer_p.h"

#include <QApplication>
#include <QPointer>
#include <QSinglePointEvent>
#include <QWidget>
#include <QWindow>

#include <limits>

namespace oru {

namespace {

class PointerTracker : public QObject
{
public:
    explicit PointerTracker(QObject* app) : QObject(app) { app->installEventFilter(this); }

    bool position(QPoint* global) const
    {
        if (!m_window)
            return false;
        *global = m_global;
        return true;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Only what the window system delivers to the process's windows
        // counts; events sent to single widgets (Qt's own enter and leave
        // dispatch, synthetic events) say nothing new about the pointer.
        if (!watched->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            m_global = static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint();
            m_window = static_cast<QWindow*>(watched);
            break;
        case QEvent::Leave:
            // The leave of a window that was not the last one entered (a
            // popup's parent often hears of it late) changes nothing.
            if (watched == m_window.data())
                m_window = nullptr;
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPoint m_global;
    QPointer<QWindow> m_window;
};

PointerTracker* tracker()
{
    // The tracker is the application object's child; this only remembers it
    // so that a paint does not search the application's children.
    static QPointer<PointerTracker> current;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    if (!current || current->parent() != app)
        current = new PointerTracker(app);
    return current;
}

} // namespace

void trackPointer()
{
    tracker();
}

bool lastPointerPos(QPoint* global)
{
    const PointerTracker* t = tracker();
    return t && t->position(global);
}

QPoint pointerPos(const QWidget& widget)
{
    QPoint global;
    if (!lastPointerPos(&global)) {
        constexpr int far = std::numeric_limits<int>::min() / 4;
        return QPoint(far, far);
    }
    return widget.mapFromGlobal(global);
}

} // namespace oru
