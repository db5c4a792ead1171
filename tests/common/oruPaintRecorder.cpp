#include "oruPaintRecorder.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

namespace oru::test {

class PaintRecorder::Engine : public QPaintEngine
{
public:
    // Claiming every feature keeps QPainter from emulating anything: each
    // call arrives here as the widget made it, with the transform in the state.
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyPen)
            m_pen = state.pen();
        if (flags & DirtyBrush)
            m_brush = state.brush();
        if (flags & DirtyTransform)
            m_transform = state.transform();
        if (flags & DirtyOpacity)
            m_opacity = state.opacity();
        if (flags & DirtyFont)
            m_font = state.font();
    }

    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override
    {
        PaintOp op = make(PaintOp::Pixmap);
        op.target = m_transform.mapRect(r);
        op.source = sr;
        op.pixmapKey = pm.cacheKey();
        ops.append(op);
    }

    void drawTiledPixmap(const QRectF& r, const QPixmap& pm, const QPointF& s) override
    {
        PaintOp op = make(PaintOp::TiledPixmap);
        op.target = m_transform.mapRect(r);
        op.source = QRectF(s, pm.size());
        op.pixmapKey = pm.cacheKey();
        ops.append(op);
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                   Qt::ImageConversionFlags) override
    {
        PaintOp op = make(PaintOp::Image);
        op.target = m_transform.mapRect(r);
        op.source = sr;
        op.pixmapKey = image.cacheKey();
        ops.append(op);
    }

    void drawTextItem(const QPointF& p, const QTextItem& textItem) override
    {
        PaintOp op = make(PaintOp::Text);
        op.position = m_transform.map(p);
        op.text = textItem.text();
        op.font = textItem.font();
        // What can show of it: the painter's clip within the widget's area.
        QRectF clip = systemClip().isEmpty() ? QRectF() : QRectF(systemClip().boundingRect());
        if (painter() && painter()->hasClipping()) {
            const QRectF own = painter()->deviceTransform().mapRect(painter()->clipBoundingRect());
            clip = clip.isNull() ? own : clip.intersected(own);
        }
        op.clip = clip;
        ops.append(op);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        PaintOp op = make(PaintOp::Polygon);
        for (int i = 0; i < count; ++i)
            op.polygon.append(m_transform.map(points[i]));
        op.polygonMode = mode;
        ops.append(op);
    }

    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override
    {
        QVector<QPointF> converted;
        for (int i = 0; i < count; ++i)
            converted.append(points[i]);
        drawPolygon(converted.constData(), count, mode);
    }

    void drawRects(const QRectF* rects, int count) override
    {
        PaintOp op = make(PaintOp::Rects);
        for (int i = 0; i < count; ++i)
            op.rects.append(m_transform.mapRect(rects[i]));
        ops.append(op);
    }

    void drawRects(const QRect* rects, int count) override
    {
        PaintOp op = make(PaintOp::Rects);
        for (int i = 0; i < count; ++i)
            op.rects.append(m_transform.mapRect(QRectF(rects[i])));
        ops.append(op);
    }

    void drawLines(const QLineF* lines, int count) override
    {
        PaintOp op = make(PaintOp::Lines);
        for (int i = 0; i < count; ++i)
            op.lines.append(m_transform.map(lines[i]));
        ops.append(op);
    }

    void drawLines(const QLine* lines, int count) override
    {
        PaintOp op = make(PaintOp::Lines);
        for (int i = 0; i < count; ++i)
            op.lines.append(m_transform.map(QLineF(lines[i])));
        ops.append(op);
    }

    void drawPath(const QPainterPath& path) override
    {
        PaintOp op = make(PaintOp::Path);
        const QPainterPath mapped = m_transform.map(path);
        op.target = mapped.boundingRect();
        op.polygon = mapped.toFillPolygon();
        ops.append(op);
    }

    void drawEllipse(const QRectF& r) override
    {
        PaintOp op = make(PaintOp::Ellipse);
        op.target = m_transform.mapRect(r);
        ops.append(op);
    }

    void drawPoints(const QPointF* points, int count) override
    {
        PaintOp op = make(PaintOp::Points);
        for (int i = 0; i < count; ++i)
            op.polygon.append(m_transform.map(points[i]));
        ops.append(op);
    }

    QVector<PaintOp> ops;

private:
    PaintOp make(PaintOp::Kind kind) const
    {
        PaintOp op;
        op.kind = kind;
        op.pen = m_pen;
        op.brush = m_brush;
        op.opacity = m_opacity;
        op.font = m_font;
        return op;
    }

    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
    QFont m_font;
    qreal m_opacity = 1.0;
};

PaintRecorder::PaintRecorder(const QSize& size, qreal devicePixelRatio)
    : m_size(size), m_devicePixelRatio(devicePixelRatio), m_engine(new Engine)
{
}

PaintRecorder::~PaintRecorder() = default;

QPaintEngine* PaintRecorder::paintEngine() const
{
    return m_engine.get();
}

const QVector<PaintOp>& PaintRecorder::ops() const
{
    return m_engine->ops;
}

QVector<PaintOp> PaintRecorder::ops(PaintOp::Kind kind) const
{
    QVector<PaintOp> result;
    for (const PaintOp& op : m_engine->ops)
        if (op.kind == kind)
            result.append(op);
    return result;
}

QVector<PaintOp> PaintRecorder::pixmapDraws(const QPixmap& pixmap) const
{
    QVector<PaintOp> result;
    for (const PaintOp& op : m_engine->ops)
        if ((op.kind == PaintOp::Pixmap || op.kind == PaintOp::TiledPixmap) &&
            op.pixmapKey == pixmap.cacheKey())
            result.append(op);
    return result;
}

QList<QPair<QRect, QRect>> PaintRecorder::pixmapRects(const QPixmap& pixmap) const
{
    QList<QPair<QRect, QRect>> result;
    for (const PaintOp& op : pixmapDraws(pixmap))
        result.append({op.target.toRect(), op.source.toRect()});
    return result;
}

QRectF textBox(const PaintOp& op)
{
    const QFontMetricsF metrics(op.font);
    return QRectF(op.position.x(), op.position.y() - metrics.ascent(),
                  metrics.horizontalAdvance(op.text), metrics.ascent() + metrics.descent());
}

QRectF inkBox(const PaintOp& op)
{
    return QFontMetricsF(op.font).tightBoundingRect(op.text).translated(op.position);
}

QStringList PaintRecorder::texts() const
{
    QStringList result;
    for (const PaintOp& op : m_engine->ops)
        if (op.kind == PaintOp::Text)
            result.append(op.text);
    return result;
}

void PaintRecorder::clear()
{
    m_engine->ops.clear();
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return m_size.width() * 254 / 960;
    case PdmHeightMM:
        return m_size.height() * 254 / 960;
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return qMax(1, int(m_devicePixelRatio));
    case PdmDevicePixelRatioScaled:
        return int(m_devicePixelRatio * QPaintDevice::devicePixelRatioFScale());
    default:
        return 0;
    }
}

QVector<PaintOp> drawsOf(QWidget* widget, const QPixmap& pixmap)
{
    PaintRecorder recorder;
    widget->render(&recorder);
    return recorder.pixmapDraws(pixmap);
}

QRectF sourceOf(QWidget* widget, const QPixmap& pixmap)
{
    const QVector<PaintOp> draws = drawsOf(widget, pixmap);
    return draws.isEmpty() ? QRectF() : draws.first().source;
}

} // namespace oru::test
