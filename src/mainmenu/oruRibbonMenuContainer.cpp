#include "oruRibbonMenuContainer.h"

#include "oruMirror_p.h"
#include "oruRibbonMainMenuMenuButton.h"
#include "oruRibbonMenuItem.h"
#include "oruRibbonPanelMain.h"

#include <QKeyEvent>

namespace oru {

RibbonManuContainer::RibbonManuContainer(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_owner(parent)
{
    mirror::follow(*this, parent);
}

RibbonManuContainer::~RibbonManuContainer() = default;

void RibbonManuContainer::AddButton(RibbonMainMenuItem* item)
{
    if (!item)
        return;
    connect(item, &RibbonMainMenuItem::navigationKeyPressed, this,
            &RibbonManuContainer::processKeyEvent);
    item->installEventFilter(this);
    m_buttons.append(item);
}

bool RibbonManuContainer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto index = m_buttons.indexOf(static_cast<RibbonMainMenuItem*>(watched));
        if (index >= 0) {
            m_currentIndex = int(index);
            m_currentSelection = m_buttons.at(index);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RibbonManuContainer::processKeyEvent(Qt::Key key)
{
    const bool mainPanel = qobject_cast<RibbonPanelMain*>(this) != nullptr;
    switch (key) {
    case Qt::Key_Down:
        focusNextButton();
        break;
    case Qt::Key_Up:
        focusPrevButton();
        break;
    case Qt::Key_Left:
        if (!mainPanel)
            focusLeft();
        break;
    case Qt::Key_Right:
        if (mainPanel)
            focusRight();
        break;
    case Qt::Key_Escape:
        if (!mainPanel) {
            if (auto* owner = qobject_cast<RibbonMainMenuMenuButton*>(m_owner.data()))
                owner->setFocus(Qt::OtherFocusReason);
        }
        closeContainer();
        break;
    case Qt::Key_Alt:
        closeContainer();
        break;
    default:
        break;
    }
}

void RibbonManuContainer::select(int index)
{
    RibbonMainMenuItem* item = m_buttons.at(index);
    m_currentSelection = item;
    // A disabled item takes no focus; the index still moves onto it.
    item->setFocus(Qt::OtherFocusReason);
}

void RibbonManuContainer::focusFirstButton()
{
    m_currentIndex = 0;
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_currentSelection = m_buttons.at(i);
        if (m_buttons.at(i)->isEnabled()) {
            m_buttons.at(i)->setFocus(Qt::OtherFocusReason);
            m_currentIndex = i;
            return;
        }
    }
}

void RibbonManuContainer::focusNextButton()
{
    if (m_currentIndex == m_buttons.size() - 1) {
        m_currentIndex = 0;
    } else {
        ++m_currentIndex;
        if (m_currentIndex < 0 || m_currentIndex >= m_buttons.size())
            return;
    }
    select(m_currentIndex);
}

void RibbonManuContainer::focusPrevButton()
{
    if (m_currentIndex == 0)
        m_currentIndex = m_buttons.size() - 1;
    else
        --m_currentIndex;
    if (m_currentIndex < 0 || m_currentIndex >= m_buttons.size())
        return;
    select(m_currentIndex);
}

void RibbonManuContainer::focusLeft()
{
    if (auto* owner = qobject_cast<RibbonMainMenuMenuButton*>(m_owner.data()))
        owner->setFocus(Qt::OtherFocusReason);
    closeContainer();
}

void RibbonManuContainer::focusRight()
{
    // The main panel has nothing to its right that takes the focus.
}

void RibbonManuContainer::closeContainer()
{
    m_currentIndex = -1;
    close();
}

void RibbonManuContainer::mouseMoveEvent(QMouseEvent* event)
{
    // The mouse takes over from the keyboard highlight.
    if (RibbonMainMenuItem* item = m_currentSelection.data())
        item->clearFocus();
    QWidget::mouseMoveEvent(event);
}

void RibbonManuContainer::keyPressEvent(QKeyEvent* event)
{
    processKeyEvent(static_cast<Qt::Key>(event->key()));
}

void RibbonManuContainer::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    focusFirstButton();
}

} // namespace oru
