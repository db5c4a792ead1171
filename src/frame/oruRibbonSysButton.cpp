#include "oruRibbonSysButton.h"

#include "oruRibbonApplication.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonStyle.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace oru {

RibbonSysButton::RibbonSysButton(RibbonMenuBar& menuBar, eType type)
    : QPushButton(&menuBar), m_menuBar(menuBar), m_type(type)
{
    setFixedSize(20, 20);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
    // The style option reports the hover state only for hover widgets.
    setAttribute(Qt::WA_Hover);
}

RibbonSysButton::~RibbonSysButton() = default;

void RibbonSysButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    update();
}

void RibbonSysButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    update();
}

void RibbonSysButton::changeEvent(QEvent* event)
{
    // The idle glyph differs between an active and an inactive window.
    if (event->type() == QEvent::ActivationChange)
        update();
    QPushButton::changeEvent(event);
}

void RibbonSysButton::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool hovered = option.state.testFlag(QStyle::State_MouseOver);
    const bool pressed = option.state.testFlag(QStyle::State_Sunken);

    QPainter painter(this);
    const QRect target = rect();
    if (pressed)
        skin->drawPixmap(painter, target, skin->sysBtnBack(), QRect(0, 16, 17, 16));
    else if (hovered)
        skin->drawPixmap(painter, target, skin->sysBtnBack(), QRect(0, 0, 17, 16));

    const QPixmap* glyph = &skin->sysBtnClose();
    if (m_type == BtnMinimize)
        glyph = &skin->sysBtnMinimize();
    else if (m_type == BtnMaximizeRestore)
        glyph = m_menuBar.isMWMaximized() ? &skin->sysBtnRestore() : &skin->sysBtnMaximize();
    // Frame 3 (y 48) is left to the skin; no state shows it.
    int y = 64;
    if (pressed)
        y = 0;
    else if (hovered)
        y = 16;
    else if (m_menuBar.isActiveWindow())
        y = 32;
    // The 17x16 glyph fills the 20x20 button. Upright strokes stay crisp
    // stretched pixel for pixel; the close cross of a finer image is
    // antialiased and resampled smoothly, so its diagonals do not turn into
    // stairs.
    if (m_type == BtnClose && RibbonStyle::devicePixelRatio(painter) > 1.0)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    skin->drawPixmap(painter, target, *glyph, QRect(0, y, 17, 16));
}

} // namespace oru
