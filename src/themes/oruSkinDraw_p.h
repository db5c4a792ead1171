// Painting helpers shared by every image family.
#pragma once

#include "oruSkinPalette_p.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace oru::skinpaint {

enum Corner
{
    NoCorners = 0,
    TopLeft = 1,
    TopRight = 2,
    BottomLeft = 4,
    BottomRight = 8,
    TopCorners = TopLeft | TopRight,
    BottomCorners = BottomLeft | BottomRight,
    LeftCorners = TopLeft | BottomLeft,
    RightCorners = TopRight | BottomRight,
    AllCorners = TopCorners | BottomCorners
};

QColor mix(const QColor& a, const QColor& b, qreal t);
QColor withAlpha(const QColor& c, int alpha);

// The scale the images are painted at (1, 1.5 or 2). Every drawing routine
// works in 1x units; blankImage() creates its canvas at this scale, so one
// vector drawing yields every density and each state frame lands exactly at
// its 1x row times the scale.
void setPaintScale(qreal scale);
qreal paintScale();

// A new transparent image of `size` 1x units at the paint scale (a painter on
// it works in 1x units).
QImage blankImage(const QSize& size);

// A rectangle path whose chosen corners are rounded with `radius`.
QPainterPath roundedPath(const QRectF& r, qreal radius, int corners);

// Vertical gradient for `g` running from y `top` to y `bottom` (inclusive pixel rows).
QLinearGradient glossGradient(const Gloss& g, int top, int bottom);
QLinearGradient verticalGradient(const QColor& top, const QColor& bottom, int y0, int y1);
QLinearGradient horizontalGradient(const QColor& left, const QColor& right, int x0, int x1);

// The one frame painter behind every state picture: glossy fill, a 1-pixel
// highlight inside and a 1-pixel outline on the edge pixels of `r`, with the
// chosen corners rounded. The gradient spans `r` (which may reach beyond the
// painter's clip to leave a side open).
void drawStateFrame(QPainter& p, const QRect& r, const StateLook& look, int corners = AllCorners,
                    qreal radius = 2.0);

// drawStateFrame into a fresh image of the given size.
QImage stateBox(const QSize& size, const StateLook& look, int corners = AllCorners,
                qreal radius = 2.0);

// Calls `paint` once per state frame of a vertical strip, with the painter
// clipped to that frame and the frame rectangle as argument.
void forEachFrame(QPainter& p, const QSize& frame, int count,
                  const std::function<void(int index, const QRect& r)>& paint);

// Crisp pixel drawing (no antialiasing).
void hline(QPainter& p, int x0, int x1, int y, const QColor& c);
void vline(QPainter& p, int x, int y0, int y1, const QColor& c);
void pixel(QPainter& p, int x, int y, const QColor& c);
void box(QPainter& p, const QRect& r, const QColor& c);

// Copies `src` (1x units) of `image` to `to`, pixel for pixel at the paint
// scale, replacing what is there.
void blit(QPainter& p, const QPoint& to, const QImage& image, const QRect& src);

} // namespace oru::skinpaint
