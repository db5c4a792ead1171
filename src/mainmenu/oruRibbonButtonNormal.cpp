#include "oruRibbonButtonNormal.h"
#include "oruMnemonic_p.h"

#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QPainter>

namespace oru {

RibbonButtonNormal::RibbonButtonNormal(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

RibbonButtonNormal::~RibbonButtonNormal() = default;

void RibbonButtonNormal::actionEvent(QActionEvent* event)
{
    QAbstractButton::actionEvent(event);
    if (event->type() != QEvent::ActionAdded && event->type() != QEvent::ActionChanged)
        return;
    auto* action = qobject_cast<RibbonSimpleAction*>(event->action());
    if (!action || actions().value(0) != action)
        return;
    setCheckable(action->isCheckable());
    // Also the checked state: an action checked before it was added must
    // not show unchecked until its next toggle.
    setChecked(action->isChecked());
    setIcon(action->icon());
    setText(mnemonic::plainText(action->text()));
    setToolTip(action->toolTip());
    setStatusTip(action->statusTip());
    setEnabled(action->isEnabled());
    if (event->type() == QEvent::ActionAdded) {
        connect(this, &QAbstractButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::toggled, this, &QAbstractButton::setChecked);
    }
    update();
}

void RibbonButtonNormal::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void RibbonButtonNormal::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

void RibbonButtonNormal::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const bool hovered = rect().contains(pointerPos(*this));
    const bool pressed = isDown();
    const bool checked = isCheckable() && isChecked();

    int frame = -1;
    if (!isEnabled())
        frame = isChecked() ? 0 : -1;
    else if (pressed)
        frame = 2;
    else if (checked)
        frame = hovered ? 3 : 4;
    else if (hovered)
        frame = 1;

    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (frame >= 0) {
        const QPixmap& back = skin->normalButtonSmall();
        const int f = 22 * frame;
        skin->drawPixmap(painter, QRect(0, 0, 2, 2), back, QRect(0, f, 2, 2));
        skin->drawPixmap(painter, QRect(2, 0, w - 4, 2), back, QRect(2, f, 18, 2));
        skin->drawPixmap(painter, QRect(w - 2, 0, 2, 2), back, QRect(20, f, 2, 2));
        skin->drawPixmap(painter, QRect(0, 2, 2, h - 4), back, QRect(0, f + 2, 2, 18));
        skin->drawPixmap(painter, QRect(2, 2, w - 4, h - 4), back, QRect(2, f + 2, 18, 18));
        skin->drawPixmap(painter, QRect(w - 2, 2, 2, h - 4), back, QRect(20, f + 2, 2, 18));
        skin->drawPixmap(painter, QRect(0, h - 2, 2, 2), back, QRect(0, f + 20, 2, 2));
        skin->drawPixmap(painter, QRect(2, h - 2, w - 4, 2), back, QRect(2, f + 20, 18, 2));
        skin->drawPixmap(painter, QRect(w - 2, h - 2, 2, 2), back, QRect(20, f + 20, 2, 2));
    }

    const QIcon buttonIcon = icon();
    const int s = qMin(w - 4, h - 4);
    if (buttonIcon.isNull() || s <= 0)
        return;
    const QPixmap pixmap = buttonIcon.pixmap(QSize(s, s), RibbonStyle::devicePixelRatio(painter),
                                             isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QSize size = pixmap.deviceIndependentSize().toSize();
    painter.drawPixmap(QRect(QPoint((s - size.width()) / 2 + 2, (s - size.height()) / 2 + 2), size),
                       pixmap);
}

} // namespace oru
