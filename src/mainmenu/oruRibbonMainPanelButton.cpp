#include "oruRibbonMainPanelButton.h"

#include "oruMirror_p.h"
#include "oruPointer_p.h"
#include "oruRibbonAction.h"
#include "oruRibbonApplication.h"
#include "oruRibbonMainMenuMenuButton.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QPainter>

#include <optional>

namespace oru {

RibbonMainPanelButton::RibbonMainPanelButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    // Repaint on enter and leave: the hover look is computed when painting.
    setAttribute(Qt::WA_Hover);
}

RibbonMainPanelButton::~RibbonMainPanelButton() = default;

void RibbonMainPanelButton::actionChanged()
{
    const QList<QAction*> all = actions();
    auto* action = all.isEmpty() ? nullptr : qobject_cast<RibbonAction*>(all.first());
    if (!action)
        return;
    setText(action->text());
    setIcon(action->icon());
    setToolTip(action->toolTip());
    setEnabled(action->isEnabled());
    updateGeometry();
    update();
}

QSize RibbonMainPanelButton::sizeHint() const
{
    int width = fontMetrics().horizontalAdvance(text()) + 20;
    if (!icon().isNull())
        width += qMin(this->width(), height());
    return QSize(width, 23);
}

void RibbonMainPanelButton::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    QAbstractButton::mouseMoveEvent(event);
    update();
}

void RibbonMainPanelButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    if (auto* popup = RibbonMainMenuMenuButton::s_CurrentMainPopup)
        popup->close();
    update();
}

void RibbonMainPanelButton::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int h = height();
    // The key tips' focus shows as the pointer's hover does.
    const bool hovered = underMouse() || rect().contains(pointerPos(*this)) || hasFocus();
    const int F = hovered ? 23 : 0;
    const QPixmap& pixmap = skin->mainPanelButton();
    QPainter painter(this);
    std::optional<mirror::Flip> flip;
    flip.emplace(painter, w, isRightToLeft());
    skin->drawPixmap(painter, QRect(0, 0, 2, 2), pixmap, QRect(0, F, 2, 2));
    skin->drawPixmap(painter, QRect(2, 0, w - 4, 2), pixmap, QRect(2, F, 50, 2));
    skin->drawPixmap(painter, QRect(w - 2, 0, 2, 2), pixmap, QRect(52, F, 2, 2));
    skin->drawPixmap(painter, QRect(0, 2, 2, h - 4), pixmap, QRect(0, F + 2, 2, 19));
    skin->drawPixmap(painter, QRect(2, 2, w - 4, h - 4), pixmap, QRect(2, F + 2, 50, 19));
    skin->drawPixmap(painter, QRect(w - 2, 2, 2, h - 4), pixmap, QRect(52, F + 2, 2, 19));
    skin->drawPixmap(painter, QRect(0, h - 2, 2, 2), pixmap, QRect(0, F + 21, 2, 2));
    skin->drawPixmap(painter, QRect(2, h - 2, w - 4, 2), pixmap, QRect(2, F + 21, 50, 2));
    skin->drawPixmap(painter, QRect(w - 2, h - 2, 2, 2), pixmap, QRect(52, F + 21, 2, 2));
    // The icon and text keep their own direction, at mirrored places.
    flip.reset();

    int e = 0;
    const QIcon buttonIcon = icon();
    const bool enabled = isEnabled();
    if (!buttonIcon.isNull()) {
        e = qMin(w, h);
        const QPixmap iconPixmap =
            buttonIcon.pixmap(QSize(e - 4, e - 4), RibbonStyle::devicePixelRatio(painter),
                              enabled ? QIcon::Normal : QIcon::Disabled);
        const QSize size = iconPixmap.deviceIndependentSize().toSize();
        painter.drawPixmap(mirror::visual(*this, QRect((e - 4 - size.width()) / 2 + 2,
                                                       (e - 4 - size.height()) / 2 + 2,
                                                       size.width(), size.height())),
                           iconPixmap);
    }
    painter.setPen(enabled ? skin->highlightedCategoryTextColor()
                           : skin->disabledCategoryTextColor());
    painter.setFont(font());
    painter.drawText(mirror::visual(*this, QRect(QPoint(e + 2, 2), QPoint(w - 3, h - 3))),
                     Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignCenter, text());
}

void RibbonMainPanelButton::actionEvent(QActionEvent* event)
{
    QAbstractButton::actionEvent(event);
    switch (event->type()) {
    case QEvent::ActionAdded:
        // Connected once, to the first action, so a click triggers it once
        // however often it changes.
        if (!m_triggered && actions().value(0) == event->action()) {
            if (auto* action = qobject_cast<RibbonAction*>(event->action())) {
                m_triggered = action;
                connect(this, &QAbstractButton::clicked, action, &QAction::trigger);
            }
        }
        actionChanged();
        break;
    case QEvent::ActionChanged:
        actionChanged();
        break;
    case QEvent::ActionRemoved:
        if (event->action() == m_triggered.data()) {
            disconnect(this, &QAbstractButton::clicked, m_triggered.data(), &QAction::trigger);
            m_triggered = nullptr;
            setEnabled(false);
        }
        break;
    default:
        break;
    }
}

} // namespace oru
