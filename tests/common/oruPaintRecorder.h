#pragma once

#include <QBrush>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPair>
#include <QPen>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QVector>

#include <memory>

class QPixmap;
class QWidget;

namespace oru::test {

/// One drawing call received by the recorder, in device coordinates.
struct PaintOp
{
    enum Kind
    {
        Pixmap,
        TiledPixmap,
        Image,
        Text,
        Polygon,
        Rects,
        Lines,
        Path,
        Ellipse,
        Points
    };

    Kind kind = Pixmap;
    QRectF target;        ///< pixmap/image target, ellipse or path bounds, text item origin rect
    QRectF source;        ///< pixmap/image source rectangle
    qint64 pixmapKey = 0; ///< QPixmap::cacheKey() of the drawn pixmap
    QString text;
    QFont font;
    QPointF position; ///< text baseline origin
    QPolygonF polygon;
    int polygonMode = 0; ///< QPaintEngine::PolygonDrawMode
    QVector<QRectF> rects;
    QVector<QLineF> lines;
    QPen pen;
    QBrush brush;
    qreal opacity = 1.0;
    QRectF clip; ///< texts: bounds of the clip in force (widget area and painter clip), or null
};

/// The line box of a text op in device coordinates: its advance wide, from
/// the font's ascent above the baseline to its descent below.
QRectF textBox(const PaintOp& op);
/// The pixels a text op's glyphs cover, in device coordinates.
QRectF inkBox(const PaintOp& op);

/// A paint device that keeps every drawing call instead of pixels, so that
/// tests can compare what a widget paints with the geometry it must have.
/// `widget->render(&recorder)` records a widget's paint event.
class PaintRecorder : public QPaintDevice
{
public:
    /// A device of @p size pixels; @p devicePixelRatio makes it a high-DPI
    /// device, so recorded targets are in its device pixels.
    explicit PaintRecorder(const QSize& size = QSize(2000, 1500), qreal devicePixelRatio = 1.0);
    ~PaintRecorder() override;

    QPaintEngine* paintEngine() const override;

    const QVector<PaintOp>& ops() const;
    QVector<PaintOp> ops(PaintOp::Kind kind) const;
    /// Draws of exactly this pixmap (same cache key), in painting order.
    QVector<PaintOp> pixmapDraws(const QPixmap& pixmap) const;
    /// The (target, source) rectangles of those draws, for one-line comparisons.
    QList<QPair<QRect, QRect>> pixmapRects(const QPixmap& pixmap) const;
    /// Every text drawn, in painting order.
    QStringList texts() const;
    void clear();

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSize m_size;
    qreal m_devicePixelRatio = 1.0;
    std::unique_ptr<Engine> m_engine;
};

/// Renders @p widget into a fresh recorder and returns its draws of @p pixmap.
QVector<PaintOp> drawsOf(QWidget* widget, const QPixmap& pixmap);

/// The source rectangle of the first draw of @p pixmap when @p widget paints;
/// an empty rectangle when it draws none (the frame a state selects).
QRectF sourceOf(QWidget* widget, const QPixmap& pixmap);

} // namespace oru::test
