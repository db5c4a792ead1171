#include "oruRibbonPercWidget.h"

#include "oruMirror_p.h"
#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonPercAction.h"
#include "oruRibbonStyle.h"

#include <QAccessible>
#include <QActionEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace oru {

namespace {

// Centre of the track's 100 % tick and the x of the range ends.
constexpr int centreX = 125;
constexpr int minimumX = 85;
constexpr int halfTrack = 40;

// The value as shown: the number and a percent sign, in the reader's
// typography (the translations join them with a no-break space).
QString percentText(int percentage)
{
    return QCoreApplication::translate("RibbonPercWidget", "%1 %").arg(percentage);
}

QRect centred(int cx, int cy, int w, int h)
{
    return QRect(cx - (w - 1) / 2, cy - (h - 1) / 2, w, h);
}

} // namespace

RibbonPercWidget::RibbonPercWidget(RibbonPercAction& action, QWidget* parent)
    : QWidget(parent), m_action(&action), m_repeatTimer(new QTimer(this)),
      m_percentage(action.percentage()), m_text(percentText(action.percentage())),
      m_minimum(action.minimum()), m_maximum(action.maximum())
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    addAction(&action);
    // Coarse timers may fire 5 % early; the repeat delays are exact.
    m_repeatTimer->setTimerType(Qt::PreciseTimer);
    m_repeatTimer->setSingleShot(false);
    connect(m_repeatTimer, &QTimer::timeout, this,
            static_cast<void (RibbonPercWidget::*)()>(&RibbonPercWidget::timerEvent));
    connect(&action, &RibbonPercAction::percentageChanged, this,
            &RibbonPercWidget::displayPercentage);
    setCursor(Qt::ArrowCursor);
}

RibbonPercWidget::~RibbonPercWidget() = default;

QSize RibbonPercWidget::sizeHint() const
{
    return QSize(190, 20);
}

RibbonPercAction* RibbonPercWidget::action() const
{
    return qobject_cast<RibbonPercAction*>(m_action.data());
}

int RibbonPercWidget::thumbCenter(int percentage) const
{
    // The quotient is truncated toward zero; a degenerate range (the action
    // requires minimum < 100 < maximum) keeps the thumb at its end of 100 %.
    if (percentage >= 100) {
        const int span = m_maximum - 100;
        return centreX + (span > 0 ? static_cast<int>((percentage - 100) * 40.0 / span) : 0);
    }
    const int span = 100 - m_minimum;
    return minimumX + (span > 0 ? static_cast<int>((percentage - m_minimum) * 40.0 / span) : 0);
}

QRect RibbonPercWidget::minusRect() const
{
    return QRect(61, 1, 18, 18);
}

QRect RibbonPercWidget::plusRect() const
{
    return centred((2 * (width() - 1) - 19) / 2, 9, 18, 18);
}

QRect RibbonPercWidget::thumbRect() const
{
    return centred(thumbCenter(m_percentage), 9, 11, 15);
}

int RibbonPercWidget::valueAt(int x) const
{
    int value;
    if (std::abs(x - centreX) < 5)
        value = 100; // the snap zone around the 100 % tick
    else if (x < centreX)
        value = m_minimum + static_cast<int>((100 - m_minimum) * (x - minimumX) / 40.0 + 0.5);
    else
        value = 100 + static_cast<int>((m_maximum - 100) * (x - centreX) / 40.0 + 0.5);
    return std::min(std::max(value, m_minimum), m_maximum);
}

QPoint RibbonPercWidget::logical(const QPoint& pos) const
{
    return isRightToLeft() ? QPoint(width() - 1 - pos.x(), pos.y()) : pos;
}

void RibbonPercWidget::applyPercentage(int value)
{
    QPointer<RibbonPercAction> own = action();
    if (!own)
        return;
    own->setPercentage(value);
    if (own)
        emit own->percentageActivated(own->percentage());
}

void RibbonPercWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    const QPoint pos = logical(event->position().toPoint());
    if (minusRect().contains(pos))
        m_pressed |= MinusPressed;
    if (plusRect().contains(pos))
        m_pressed |= PlusPressed;
    if (thumbRect().contains(pos))
        m_pressed |= ThumbDragged;
    if (m_pressed & (MinusPressed | PlusPressed))
        m_repeatTimer->start(200);
    update();
}

void RibbonPercWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    const QPoint pos = logical(event->position().toPoint());
    bool apply = false;
    int value = m_percentage;
    if (minusRect().contains(pos) && (m_pressed & MinusPressed)) {
        value = std::max(m_minimum, m_percentage - 10);
        apply = true;
    }
    if (plusRect().contains(pos) && (m_pressed & PlusPressed)) {
        value = std::min(m_maximum, m_percentage + 10);
        m_pressed = 0;
        m_repeatTimer->stop();
        applyPercentage(value);
        update();
        return;
    }
    m_pressed = 0;
    m_repeatTimer->stop();
    if (apply)
        applyPercentage(value);
    update();
}

void RibbonPercWidget::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (m_pressed & ThumbDragged) {
        const int value = valueAt(logical(event->position().toPoint()).x());
        if (value != m_percentage) {
            m_percentage = value;
            applyPercentage(value);
        }
    }
    update();
}

void RibbonPercWidget::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    update();
}

void RibbonPercWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    update();
}

void RibbonPercWidget::timerEvent()
{
    if (m_repeatTimer->interval() == 200)
        m_repeatTimer->setInterval(50);
    int value = m_percentage;
    if (m_pressed & MinusPressed)
        value = std::max(m_minimum, value - 10);
    else if (m_pressed & PlusPressed)
        value = std::min(m_maximum, value + 10);
    if (value != m_percentage) {
        m_percentage = value;
        applyPercentage(value);
        update();
    }
}

void RibbonPercWidget::displayPercentage(int perc)
{
    m_text = percentText(perc);
    update();
    QAccessibleValueChangeEvent event(this, perc);
    QAccessible::updateAccessibility(&event);
}

void RibbonPercWidget::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int thumbX = thumbCenter(m_percentage);

    bool minusHover = false, plusHover = false, thumbHover = false;
    if (isEnabled()) {
        const QPoint cursor = logical(pointerPos(*this));
        if (rect().contains(cursor)) {
            minusHover = QRect(60, 0, 20, 20).contains(cursor);
            plusHover = QRect(w - 20, 0, 20, 20).contains(cursor);
            thumbHover = QRect(thumbX - 5, 0, 11, 20).contains(cursor);
        }
    }
    const auto frame = [](bool pressed, bool hovered) { return pressed ? 2 : hovered ? 1 : 0; };

    QPainter painter(this);
    painter.setPen(skin->normalCategoryTextColor());
    painter.drawText(mirror::visual(*this, QRect(10, 3, 40, 40)), mirror::leading(*this), m_text);

    // Right to left the track runs from the right: minus at the right, plus
    // at the left, larger values leftwards.
    const mirror::Flip flip(painter, w, isRightToLeft());
    painter.setPen(skin->frameSunkenColor());
    painter.drawLine(80, 9, w - 20, 9);
    painter.drawLine(125, 6, 125, 13);
    painter.setPen(skin->frameRaiseColor());
    painter.drawLine(80, 10, w - 20, 10);
    painter.drawLine(126, 7, 126, 14);

    skin->drawPixmap(painter, minusRect(), skin->sliderMinus(),
                     QRect(0, 18 * frame(m_pressed & MinusPressed, minusHover), 18, 18));
    skin->drawPixmap(painter, plusRect(), skin->sliderPlus(),
                     QRect(0, 18 * frame(m_pressed & PlusPressed, plusHover), 18, 18));
    skin->drawPixmap(painter, centred(thumbX, 9, 11, 15), skin->sliderThumb(),
                     QRect(0, 15 * frame(m_pressed & ThumbDragged, thumbHover), 11, 15));
}

void RibbonPercWidget::hideEvent(QHideEvent* event)
{
    // A hidden widget gets no release: a held button must not go on repeating.
    QWidget::hideEvent(event);
    m_repeatTimer->stop();
    m_pressed = 0;
}

void RibbonPercWidget::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    if (!m_action || event->action() != m_action.data())
        return;
    if (event->type() == QEvent::ActionRemoved) {
        // Nothing left to repeat into.
        m_repeatTimer->stop();
        m_pressed = 0;
        return;
    }
    // Also on ActionAdded: an action disabled before it is added gives a
    // disabled control.
    if (event->type() != QEvent::ActionAdded && event->type() != QEvent::ActionChanged)
        return;
    if (RibbonPercAction* own = action()) {
        m_percentage = own->percentage();
        setEnabled(own->isEnabled());
        update();
    }
}

} // namespace oru
