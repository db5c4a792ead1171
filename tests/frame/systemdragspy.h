#pragma once

#include <oruRibbonFrame_p.h>

#include <QList>
#include <QPair>
#include <QWindow>

namespace frametest {

/// Stands in for the window system while it lives: records every request to
/// move (no edges) or resize a window and answers it with @p accept; the
/// anchor of the last request is kept apart.
class SystemDragSpy
{
public:
    using Requests = QList<QPair<QWindow*, Qt::Edges>>;

    explicit SystemDragSpy(bool accept)
    {
        s_requests.clear();
        s_accept = accept;
        m_previous = oru::frame::setSystemMoveResizeHook(&record);
    }
    ~SystemDragSpy() { oru::frame::setSystemMoveResizeHook(m_previous); }
    SystemDragSpy(const SystemDragSpy&) = delete;
    SystemDragSpy& operator=(const SystemDragSpy&) = delete;

    static Requests take() { return std::exchange(s_requests, Requests()); }
    static QPointF lastAnchor() { return s_anchor; }

private:
    static bool record(QWindow* window, Qt::Edges edges, const QPointF& anchor)
    {
        s_requests.append({window, edges});
        s_anchor = anchor;
        return s_accept;
    }

    static inline Requests s_requests;
    static inline bool s_accept = false;
    static inline QPointF s_anchor;
    oru::frame::SystemMoveResizeHook m_previous = nullptr;
};

} // namespace frametest
