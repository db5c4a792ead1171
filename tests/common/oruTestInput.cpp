#include "oruTestInput.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace oru::test {

namespace {

void send(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
          Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent event(type, local, local, global, button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void mousePress(QWidget* widget, const QPoint& pos, Qt::MouseButton button,
                Qt::KeyboardModifiers modifiers)
{
    send(widget, QEvent::MouseButtonPress, pos, button, button, modifiers);
}

void mouseRelease(QWidget* widget, const QPoint& pos, Qt::MouseButton button,
                  Qt::KeyboardModifiers modifiers)
{
    send(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton, modifiers);
}

void mouseDoubleClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button)
{
    send(widget, QEvent::MouseButtonDblClick, pos, button, button, Qt::NoModifier);
}

void mouseMove(QWidget* widget, const QPoint& pos, Qt::MouseButtons buttons)
{
    send(widget, QEvent::MouseMove, pos, Qt::NoButton, buttons, Qt::NoModifier);
}

void mouseClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button)
{
    mousePress(widget, pos, button);
    mouseRelease(widget, pos, button);
}

void mouseEnter(QWidget* widget, const QPoint& pos)
{
    const QPointF local(pos);
    QEnterEvent event(local, local, QPointF(widget->mapToGlobal(pos)));
    QApplication::sendEvent(widget, &event);
}

void mouseLeave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

QPoint placeCursor(QWidget* widget, const QPoint& pos)
{
    const QPoint global = widget->mapToGlobal(pos);
    QCursor::setPos(global);
    return global;
}

void parkCursor()
{
    QCursor::setPos(QPoint(-10000, -10000));
}

} // namespace oru::test
