#include "oruRibbonToolBar.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionToolBar>

namespace oru {

RibbonToolBar::RibbonToolBar(QWidget* parent) : QToolBar(parent) {}

RibbonToolBar::~RibbonToolBar() = default;

bool RibbonToolBar::event(QEvent* event)
{
    // Hover moves would make the base class track its handle.
    if (event->type() == QEvent::HoverMove)
        return false;
    return QToolBar::event(event);
}

void RibbonToolBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionToolBar option;
    initStyleOption(&option);
    style()->drawControl(QStyle::CE_ToolBar, &option, &painter, this);
}

} // namespace oru
