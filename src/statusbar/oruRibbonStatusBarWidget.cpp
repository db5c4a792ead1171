#include "oruRibbonStatusBarWidget.h"

#include "oruPointer_p.h"
#include "oruRibbonAccessibleEvents_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QPainter>

namespace oru {

RibbonStatusBarWidget::RibbonStatusBarWidget(RibbonSimpleAction& action, QWidget* parent)
    : QWidget(parent), m_action(&action)
{
    setToolTip(action.toolTip());
    setMouseTracking(true);
    addAction(&action);
    setMaximumSize(22, 22);
}

RibbonStatusBarWidget::~RibbonStatusBarWidget() = default;

QSize RibbonStatusBarWidget::sizeHint() const
{
    return QSize(16, 16);
}

void RibbonStatusBarWidget::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    if ((event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged) &&
        event->action() == m_action) {
        setToolTip(m_action->toolTip());
        setStatusTip(m_action->statusTip());
        if (isHidden() == m_action->isVisible())
            setVisible(m_action->isVisible());
        const bool checked = m_action->isCheckable() && m_action->isChecked();
        if (event->type() == QEvent::ActionChanged && checked != m_reportedChecked)
            notifyAccessibleChecked(this, -1);
        m_reportedChecked = checked;
        update();
    }
}

void RibbonStatusBarWidget::mousePressEvent(QMouseEvent* event)
{
    m_down = !m_down;
    update();
    QWidget::mousePressEvent(event);
}

void RibbonStatusBarWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_down = m_down && m_action && m_action->isCheckable();
    // The release triggers wherever it happens, as the press already chose
    // this widget.
    if (m_action)
        m_action->activate(QAction::Trigger);
    update();
    QWidget::mouseReleaseEvent(event);
}

void RibbonStatusBarWidget::mouseMoveEvent(QMouseEvent* event)
{
    update();
    QWidget::mouseMoveEvent(event);
}

void RibbonStatusBarWidget::enterEvent(QEnterEvent* event)
{
    update();
    QWidget::enterEvent(event);
}

void RibbonStatusBarWidget::leaveEvent(QEvent* event)
{
    update();
    QWidget::leaveEvent(event);
}

void RibbonStatusBarWidget::paintEvent(QPaintEvent*)
{
    if (!m_action)
        return;
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    m_down = m_action->isCheckable() && m_action->isChecked();
    const QPoint cursor = pointerPos(*this);
    const bool hovered =
        isEnabled() && rect().contains(cursor) && QRect(0, 2, 18, 20).contains(cursor);
    const int r = m_down ? 44 : hovered ? 22 : 0;

    QPainter painter(this);
    skin->drawPixmap(painter, QRect(1, 1, 18, 16), skin->normalButtonSmall(), QRect(0, r, 22, 23));
    const QPixmap pixmap = m_action->icon().pixmap(
        QSize(12, 12), RibbonStyle::devicePixelRatio(painter), QIcon::Normal, QIcon::Off);
    QRect target(0, 0, 12, 12);
    target.moveCenter(QPoint(9, 8));
    painter.drawPixmap(target, pixmap);
}

} // namespace oru
