#include "oruRibbonSmallSysBtnClose.h"

#include "oruRibbonApplication.h"
#include "oruRibbonStyle.h"
#include "oruSysGlyph_p.h"

#include <QPainter>

namespace oru {

RibbonSmallSysBtnClose::RibbonSmallSysBtnClose(QWidget* parent) : QAbstractButton(parent)
{
    setFixedSize(17, 16);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

RibbonSmallSysBtnClose::~RibbonSmallSysBtnClose() = default;

bool RibbonSmallSysBtnClose::parentHasCloseHint() const
{
    const QWidget* parent = parentWidget();
    return parent && parent->windowFlags().testFlag(Qt::WindowCloseButtonHint);
}

void RibbonSmallSysBtnClose::showEvent(QShowEvent* event)
{
    // Without the hint the button stays inert: its clicks reach nobody.
    blockSignals(!parentHasCloseHint());
    QAbstractButton::showEvent(event);
}

void RibbonSmallSysBtnClose::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void RibbonSmallSysBtnClose::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

void RibbonSmallSysBtnClose::paintEvent(QPaintEvent*)
{
    if (!parentHasCloseHint())
        return;
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const bool hovered = testAttribute(Qt::WA_UnderMouse);
    const bool pressed = isDown();

    QPainter painter(this);
    if (pressed)
        skin->drawPixmap(painter, rect(), skin->sysBtnBack(), QRect(0, 16, 17, 16));
    else if (hovered)
        skin->drawPixmap(painter, rect(), skin->sysBtnBack(), QRect(0, 0, 17, 16));

    QRect glyph(0, 0, 13, 12);
    glyph.moveCenter(QPoint((width() - 1) / 2, (height() - 1) / 2));
    // Frames of the small glyph images: pressed, hovered, idle on a title band.
    const int frame = pressed ? 0 : hovered ? 1 : 2;
    sysglyph::draw(painter, *skin, sysglyph::Glyph::Close, sysglyph::Size::Small, frame, glyph);
}

} // namespace oru
