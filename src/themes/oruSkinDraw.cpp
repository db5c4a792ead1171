#include "oruSkinDraw_p.h"

#include <QtMath>

#include <algorithm>

namespace oru::skinpaint {

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    const auto lerp = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor withAlpha(const QColor& c, int alpha)
{
    QColor out = c;
    out.setAlpha(alpha);
    return out;
}

namespace {
qreal g_paintScale = 1.0;
}

void setPaintScale(qreal scale)
{
    g_paintScale = scale;
}

qreal paintScale()
{
    return g_paintScale;
}

QImage blankImage(const QSize& size)
{
    // Odd sizes at 1.5x end in a half-covered column or row.
    const QSize pixels(qCeil(size.width() * g_paintScale), qCeil(size.height() * g_paintScale));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(g_paintScale);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath roundedPath(const QRectF& r, qreal radius, int corners)
{
    QPainterPath path;
    if (radius <= 0.0 || corners == NoCorners) {
        path.addRect(r);
        return path;
    }
    const qreal d = 2 * radius;
    const auto has = [corners](int c) { return (corners & c) != 0; };

    if (has(TopLeft))
        path.moveTo(r.left(), r.top() + radius);
    else
        path.moveTo(r.topLeft());
    if (has(TopLeft))
        path.arcTo(QRectF(r.left(), r.top(), d, d), 180, -90);
    if (has(TopRight)) {
        path.lineTo(r.right() - radius, r.top());
        path.arcTo(QRectF(r.right() - d, r.top(), d, d), 90, -90);
    } else {
        path.lineTo(r.topRight());
    }
    if (has(BottomRight)) {
        path.lineTo(r.right(), r.bottom() - radius);
        path.arcTo(QRectF(r.right() - d, r.bottom() - d, d, d), 0, -90);
    } else {
        path.lineTo(r.bottomRight());
    }
    if (has(BottomLeft)) {
        path.lineTo(r.left() + radius, r.bottom());
        path.arcTo(QRectF(r.left(), r.bottom() - d, d, d), 270, -90);
    } else {
        path.lineTo(r.bottomLeft());
    }
    path.closeSubpath();
    return path;
}

QLinearGradient glossGradient(const Gloss& g, int top, int bottom)
{
    QLinearGradient grad(0, top, 0, bottom + 1);
    grad.setColorAt(0.0, g.top0);
    grad.setColorAt(g.split, g.top1);
    grad.setColorAt(std::min(1.0, g.split + 0.001), g.bottom0);
    grad.setColorAt(1.0, g.bottom1);
    return grad;
}

QLinearGradient verticalGradient(const QColor& top, const QColor& bottom, int y0, int y1)
{
    QLinearGradient grad(0, y0, 0, y1 + 1);
    grad.setColorAt(0.0, top);
    grad.setColorAt(1.0, bottom);
    return grad;
}

QLinearGradient horizontalGradient(const QColor& left, const QColor& right, int x0, int x1)
{
    QLinearGradient grad(x0, 0, x1 + 1, 0);
    grad.setColorAt(0.0, left);
    grad.setColorAt(1.0, right);
    return grad;
}

void drawStateFrame(QPainter& p, const QRect& r, const StateLook& look, int corners, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF outer(r);

    // Fill inside the outline, so the outline's soft corner pixels stay clean.
    p.setPen(Qt::NoPen);
    p.setBrush(glossGradient(look.fill, r.top(), r.bottom()));
    p.drawPath(roundedPath(outer.adjusted(1, 1, -1, -1), std::max(0.0, radius - 1.0), corners));

    p.setBrush(Qt::NoBrush);
    if (look.highlight.alpha() > 0) {
        p.setPen(QPen(look.highlight, 1.0));
        p.drawPath(roundedPath(outer.adjusted(1.5, 1.5, -1.5, -1.5), std::max(0.0, radius - 1.5),
                               corners));
    }
    p.setPen(QPen(look.outline, 1.0));
    p.drawPath(roundedPath(outer.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, corners));
    p.restore();
}

QImage stateBox(const QSize& size, const StateLook& look, int corners, qreal radius)
{
    QImage image = blankImage(size);
    QPainter p(&image);
    drawStateFrame(p, QRect(QPoint(0, 0), size), look, corners, radius);
    return image;
}

void forEachFrame(QPainter& p, const QSize& frame, int count,
                  const std::function<void(int index, const QRect& r)>& paint)
{
    for (int i = 0; i < count; ++i) {
        const QRect r(0, i * frame.height(), frame.width(), frame.height());
        p.save();
        p.setClipRect(r);
        paint(i, r);
        p.restore();
    }
}

void hline(QPainter& p, int x0, int x1, int y, const QColor& c)
{
    if (x1 >= x0)
        p.fillRect(QRect(x0, y, x1 - x0 + 1, 1), c);
}

void vline(QPainter& p, int x, int y0, int y1, const QColor& c)
{
    if (y1 >= y0)
        p.fillRect(QRect(x, y0, 1, y1 - y0 + 1), c);
}

void pixel(QPainter& p, int x, int y, const QColor& c)
{
    p.fillRect(QRect(x, y, 1, 1), c);
}

void box(QPainter& p, const QRect& r, const QColor& c)
{
    p.fillRect(r, c);
}

void blit(QPainter& p, const QPoint& to, const QImage& image, const QRect& src)
{
    const QPainter::CompositionMode old = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const qreal s = image.devicePixelRatio();
    p.drawImage(QPointF(to), image,
                QRectF(src.x() * s, src.y() * s, src.width() * s, src.height() * s));
    p.setCompositionMode(old);
}

} // namespace oru::skinpaint
