#include "oruRibbonMenuItem.h"

#include "oruRibbonMainMenuMenuButton.h"

#include <QKeyEvent>

namespace oru {

RibbonMainMenuItem::RibbonMainMenuItem(QWidget* parent) : QAbstractButton(parent) {}

RibbonMainMenuItem::~RibbonMainMenuItem() = default;

void RibbonMainMenuItem::keyPressEvent(QKeyEvent* event)
{
    const auto key = static_cast<Qt::Key>(event->key());
    auto* subMenu = qobject_cast<RibbonMainMenuMenuButton*>(this);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
        if (subMenu) {
            subMenu->showPopup();
            if (auto* popup = subMenu->popupMenu())
                popup->focusFirstButton();
        } else if (key != Qt::Key_Right) {
            emit clicked();
        }
        event->accept();
        break;
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Alt:
        event->accept();
        emit navigationKeyPressed(key);
        break;
    default:
        event->ignore();
        break;
    }
}

} // namespace oru
