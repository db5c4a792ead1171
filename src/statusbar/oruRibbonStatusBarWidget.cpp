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
    // A 16-pixel icon inside a box with a 2-pixel border.
    return QSize(20, 20);
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
    const bool hovered = isEnabled() && rect().contains(cursor);
    const int r = m_down ? 44 : hovered ? 22 : 0;

    QPainter painter(this);
    // The box holds the icon at its own 16 pixels with a 2-pixel border all
    // round; its corners keep their size, whatever size the bar gives it.
    const QRect box = QRect(QPoint(0, 0), QSize(20, 20)).intersected(rect());
    skin->drawNinePiece(painter, box, skin->normalButtonSmall(), QRect(0, r, 22, 22), 2);
    const QPixmap pixmap = m_action->icon().pixmap(
        QSize(16, 16), RibbonStyle::devicePixelRatio(painter), QIcon::Normal, QIcon::Off);
    QRect target(QPoint(0, 0), pixmap.deviceIndependentSize().toSize());
    target.moveCenter(box.center());
    painter.drawPixmap(target, pixmap);
}

} // namespace oru
