#include "oruRibbonSymbolButton.h"

#include "oruMirror_p.h"
#include "oruPointer_p.h"
#include "oruRibbonApplication.h"

#include <QPainter>

namespace oru {

RibbonSymbolButton::RibbonSymbolButton(eSymbolType symbol, QWidget* parent)
    : QAbstractButton(parent), m_symbol(symbol)
{
    setMouseTracking(true);
}

RibbonSymbolButton::~RibbonSymbolButton() = default;

QSize RibbonSymbolButton::sizeHint() const
{
    return QSize();
}

void RibbonSymbolButton::mousePressEvent(QMouseEvent* event)
{
    QAbstractButton::mousePressEvent(event);
    update();
}

void RibbonSymbolButton::mouseReleaseEvent(QMouseEvent* event)
{
    QAbstractButton::mouseReleaseEvent(event);
    update();
}

void RibbonSymbolButton::mouseMoveEvent(QMouseEvent* event)
{
    QAbstractButton::mouseMoveEvent(event);
    update();
}

void RibbonSymbolButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void RibbonSymbolButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

void RibbonSymbolButton::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const bool enabled = isEnabled();
    const bool pressed = isDown();
    const bool hovered = rect().contains(pointerPos(*this));
    const int w = width();
    const int h = height();

    QPainter painter(this);
    if (enabled && (hovered || pressed)) {
        QColor fill = skin->frameHighlightedFillColor();
        if (!pressed)
            fill.setAlpha(128);
        painter.setPen(skin->frameSunkenColor());
        painter.setBrush(fill);
        painter.drawRect(QRect(1, 1, w - 3, h - 3));
    }
    const QColor& color =
        enabled ? skin->highlightedCategoryTextColor() : skin->disabledCategoryTextColor();
    painter.setPen(color);
    painter.setBrush(color);
    // Arrows point the other way right to left: "next" runs leftwards.
    const mirror::Flip flip(painter, w, isRightToLeft());
    RibbonStyle::drawSymbol(painter, QRect(QPoint(3, 3), QPoint(w - 4, h - 4)), m_symbol);
}

} // namespace oru
