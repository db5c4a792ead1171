#include "oruRibbonSysButton.h"

#include "oruRibbonApplication.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonStyle.h"
#include "oruSysGlyph_p.h"

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

    sysglyph::Glyph glyph = sysglyph::Glyph::Close;
    if (m_type == BtnMinimize)
        glyph = sysglyph::Glyph::Minimize;
    else if (m_type == BtnMaximizeRestore)
        glyph = m_menuBar.isMWMaximized() ? sysglyph::Glyph::Restore : sysglyph::Glyph::Maximize;
    // Frames of the glyph images: pressed, hovered, idle in an active window,
    // a spare one no state shows, idle in an inactive window.
    int frame = 4;
    if (pressed)
        frame = 0;
    else if (hovered)
        frame = 1;
    else if (m_menuBar.isActiveWindow())
        frame = 2;
    sysglyph::draw(painter, *skin, glyph, sysglyph::Size::Large, frame, target);
}

} // namespace oru
