#include "oruRibbonWindow.h"

#include "oruMirror_p.h"
#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonFrame_p.h"
#include "oruRibbonStyle.h"
#include "oruRibbonWindowEvents_p.h"
#include "oruSysGlyph_p.h"

#include <QChildEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace oru {

using frame::kInactiveColumn;

RibbonWindow::RibbonWindow() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowSystemMenuHint)
{
    init();
}

RibbonWindow::RibbonWindow(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    init();
}

RibbonWindow::~RibbonWindow() = default;

void RibbonWindow::init()
{
    m_events = std::make_unique<Events>(*this);
    setMouseTracking(true);
    connect(RibbonApplication::theApp(), &RibbonApplication::ribbonStyleChanged, this,
            &RibbonWindow::ribbonStyleChanged);
    ribbonStyleChanged();
    setContentsMargins(7, captionHeight(), 7, 7);
}

RibbonWindow::Events& RibbonWindow::events() const
{
    return *m_events;
}

int RibbonWindow::captionHeight() const
{
    return qMax(fontMetrics().height(), 16) + 17;
}

QRect RibbonWindow::captionRect() const
{
    return mirror::visual(*this, QRect(29, 10, width() - 96, captionHeight() - 17));
}

QRect RibbonWindow::sysMinimizeRect() const
{
    return mirror::visual(*this, QRect(width() - 67, 10, 16, 16));
}

QRect RibbonWindow::sysMaximizeRestoreRect() const
{
    return mirror::visual(*this, QRect(width() - 45, 10, 16, 16));
}

QRect RibbonWindow::sysCloseRect() const
{
    return mirror::visual(*this, QRect(width() - 23, 10, 16, 16));
}

void RibbonWindow::ribbonStyleChanged()
{
    QPalette pal = palette();
    pal.setBrush(QPalette::Window,
                 QBrush(RibbonApplication::theApp()->ribbonStyle()->mainClientColor()));
    setPalette(pal);
    update();
}

void RibbonWindow::updateSysButtons()
{
    // Only the caption buttons change their look with the mouse; moves and
    // resizes repaint through their own events.
    update(sysMinimizeRect().united(sysCloseRect()));
}

void RibbonWindow::mousePressEvent(QMouseEvent* event)
{
    m_events->process(Events::EvtMousePress(event));
    updateSysButtons();
}

void RibbonWindow::mouseReleaseEvent(QMouseEvent* event)
{
    m_events->process(Events::EvtMouseRelease(event));
    updateSysButtons();
}

void RibbonWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_events->process(Events::EvtMouseDoubleClick(event));
    updateSysButtons();
}

void RibbonWindow::mouseMoveEvent(QMouseEvent* event)
{
    m_events->process(Events::EvtMouseMove(event));
    updateSysButtons();
}

bool RibbonWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Leave:
        // A button hovered last must lose its hover look.
        updateSysButtons();
        break;
    case QEvent::ChildPolished:
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
        break;
    case QEvent::ChildRemoved:
        static_cast<QChildEvent*>(event)->child()->removeEventFilter(this);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool RibbonWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Children inherit the window's cursor, so a resize shape set at a border
    // would stick when the mouse goes straight from the border into a child:
    // the window sees no move there. Reset it when a child is entered.
    if (event->type() == QEvent::Enter && watched->parent() == this && m_events->inIdle() &&
        testAttribute(Qt::WA_SetCursor) && cursor().shape() != Qt::ArrowCursor)
        setCursor(Qt::ArrowCursor);
    return QWidget::eventFilter(watched, event);
}

void RibbonWindow::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ActivationChange:
    case QEvent::EnabledChange:
    case QEvent::LayoutDirectionChange:
        // The whole frame switches between its active and inactive looks.
        update();
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
    case QEvent::FontChange:
        update(0, 0, width(), captionHeight());
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void RibbonWindow::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int h = height();
    const int k = captionHeight();
    const bool active = isActiveWindow();
    const int a = active ? 0 : kInactiveColumn;

    QPainter painter(this);
    {
        // The corners' grips stand at the bottom left right to left.
        const mirror::Flip flip(painter, w, isRightToLeft());
        frame::drawFramePieces(painter, *skin, w, h, k, a);
    }

    const QIcon icon = windowIcon();
    if (!icon.isNull()) {
        const QPixmap pixmap =
            icon.pixmap(QSize(16, 16), RibbonStyle::devicePixelRatio(painter),
                        isEnabled() ? QIcon::Normal : QIcon::Disabled, QIcon::Off);
        QRect target(0, 0, 16, 16);
        target.moveCenter(QPoint(14, (k + 2) / 2));
        painter.drawPixmap(mirror::visual(*this, target), pixmap);
    }

    const QRect titleRect = captionRect();
    const QString title =
        fontMetrics().elidedText(windowTitle(), Qt::ElideRight, titleRect.width());
    if (!title.isEmpty()) {
        painter.setPen(active ? skin->activeTitleTextColor() : skin->inactiveTitleTextColor());
        painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    }

    const QPoint cursor = pointerPos(*this);
    const struct
    {
        QRect rect;
        bool pressed;
        sysglyph::Glyph glyph;
    } buttons[] = {
        {sysMinimizeRect(), m_events->inSysMinimize(), sysglyph::Glyph::Minimize},
        {sysMaximizeRestoreRect(), m_events->inSysMaximizeRestore(),
         m_events->isMaximized() ? sysglyph::Glyph::Restore : sysglyph::Glyph::Maximize},
        {sysCloseRect(), m_events->inSysClose(), sysglyph::Glyph::Close},
    };
    // Frames of the small glyph images: pressed, hovered, idle on a caption.
    for (const auto& button : buttons) {
        int frame = 3;
        if (button.rect.contains(cursor) && button.pressed) {
            skin->drawPixmap(painter, button.rect, skin->sysBtnBack(), QRect(0, 16, 17, 16));
            frame = 0;
        } else if (button.rect.contains(cursor)) {
            skin->drawPixmap(painter, button.rect, skin->sysBtnBack(), QRect(0, 0, 17, 16));
            frame = 1;
        }
        sysglyph::draw(painter, *skin, button.glyph, sysglyph::Size::Small, frame, button.rect);
    }
}

void RibbonWindow::resizeEvent(QResizeEvent*)
{
    frame::setWindowMask(*this, QRegion(frame::roundedOutline(width(), height()), Qt::OddEvenFill));
}

} // namespace oru
