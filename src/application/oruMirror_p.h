#pragma once

// Right to left: the library lays out and paints in left-to-right
// coordinates and mirrors once, here.

#include <QPainter>
#include <QRect>
#include <QStyle>
#include <QWidget>

namespace oru::mirror {

/// @p r of @p widget, mirrored within it when the widget runs right to left.
inline QRect visual(const QWidget& widget, const QRect& r)
{
    return QStyle::visualRect(widget.layoutDirection(), widget.rect(), r);
}

/// Qt::AlignLeft of a text in @p widget: the right edge right to left (the
/// painter takes alignments as absolute).
inline int leading(const QWidget& widget)
{
    return int(QStyle::visualAlignment(widget.layoutDirection(), Qt::AlignLeft));
}

/// While alive, what the painter draws is mirrored across the middle of a
/// @p width wide area when @p on: skin images with a direction (edges, arrows,
/// drop-down parts) keep their left-to-right coordinates and appear mirrored.
/// Text and icons are not drawn through it; they go to visual() positions.
class Flip
{
public:
    Flip(QPainter& painter, int width, bool on) : m_painter(painter), m_on(on)
    {
        if (!m_on)
            return;
        m_painter.save();
        m_painter.translate(width, 0);
        m_painter.scale(-1, 1);
    }
    ~Flip()
    {
        if (m_on)
            m_painter.restore();
    }
    Flip(const Flip&) = delete;
    Flip& operator=(const Flip&) = delete;

private:
    QPainter& m_painter;
    bool m_on;
};

/// Makes the window @p popup run in the direction of @p anchor, the widget
/// it opens from: a window of its own would take the application's.
inline void follow(QWidget& popup, const QWidget* anchor)
{
    if (anchor && popup.layoutDirection() != anchor->layoutDirection())
        popup.setLayoutDirection(anchor->layoutDirection());
}

/// Where a menu of width @p menuWidth opens below @p anchor (global): from its
/// left edge rightwards, right to left from its right edge leftwards.
inline QPoint below(const QWidget& anchor, int menuWidth)
{
    return anchor.mapToGlobal(
        QPoint(anchor.isRightToLeft() ? anchor.width() - menuWidth : 0, anchor.height()));
}

} // namespace oru::mirror
