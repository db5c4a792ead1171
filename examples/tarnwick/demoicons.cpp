#include "demoicons.h"

#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>

#include <QFontMetricsF>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

using namespace oru;

namespace {

// A picture's design grid, a fixed number of units across the square it is
// painted into. Bars and boxes are placed on whole device pixels, so that
// lines stay crisp at every size instead of smearing over two pixel rows.
struct Grid
{
    qreal unit; // device pixels per design unit

    qreal px(qreal u) const { return std::round(u * unit); }
    // A rectangle with its left, top and right edges on whole pixels and a
    // height of @p h units rounded, at least one pixel: equal bars stay
    // equal wherever they sit.
    QRectF bar(qreal x, qreal y, qreal w, qreal h) const
    {
        const qreal left = px(x);
        return QRectF(left, px(y), std::max<qreal>(1, px(x + w) - left), std::max<qreal>(1, px(h)));
    }
    // A rectangle with every edge on whole pixels.
    QRectF box(qreal x, qreal y, qreal w, qreal h) const
    {
        const qreal left = px(x), top = px(y);
        return QRectF(left, top, std::max<qreal>(1, px(x + w) - left),
                      std::max<qreal>(1, px(y + h) - top));
    }
    // A pen width of @p u units, at least one pixel.
    qreal pen(qreal u) const { return std::max<qreal>(1, px(u)); }
};

// Paints a picture with @p ink on a transparent square (grid units).
using Picture = std::function<void(QPainter&, const Grid&, const QColor& ink)>;

// An icon painted at the size asked for. Pictures on the skin's buttons
// are painted with the skin's ink; their cache key holds that ink, so a
// skin switch paints them anew and switching back finds them again.
class DemoIconEngine : public QIconEngine
{
public:
    DemoIconEngine(QString name, int cells, bool skinInk, Picture picture)
        : m_name(std::move(name)), m_cells(cells), m_skinInk(skinInk), m_picture(std::move(picture))
    {
    }

    QIconEngine* clone() const override { return new DemoIconEngine(*this); }
    QString key() const override { return QStringLiteral("tarnwick-drawn"); }
    QString iconName() override { return m_name; }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        if (size.isEmpty())
            return QPixmap();
        const QColor ink = m_skinInk ? demoIconInk() : QColor(Qt::black);
        const QString key = QStringLiteral("tarnwick-icon/%1/%2x%3/%4/%5")
                                .arg(m_name)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode))
                                .arg(m_skinInk ? ink.rgba() : 0u);
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        pixmap = QPixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        // A picture is square: centre it in a wider or taller request.
        const int side = std::min(size.width(), size.height());
        painter.translate((size.width() - side) / 2, (size.height() - side) / 2);
        painter.setClipRect(0, 0, side, side);
        m_picture(painter, Grid{qreal(side) / m_cells}, ink);
        if (mode == QIcon::Disabled) {
            // Faded, as the skin greys the caption next to it.
            painter.setClipping(false);
            painter.resetTransform();
            painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            painter.fillRect(pixmap.rect(), QColor(0, 0, 0, 100));
        }
        painter.end();
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

private:
    QString m_name;
    int m_cells;
    bool m_skinInk;
    Picture m_picture;
};

QIcon drawnIcon(const QString& name, int cells, bool skinInk, Picture picture)
{
    return QIcon(new DemoIconEngine(name, cells, skinInk, std::move(picture)));
}

QFont glyphFont(const char* family, bool bold, bool italic = false)
{
    QFont font(QString::fromLatin1(family));
    font.setBold(bold);
    font.setItalic(italic);
    font.setPixelSize(100);
    return font;
}

// The outline of @p text in @p font, scaled to fill @p box (as high as the
// box unless that makes it too wide) and centred in it.
QPainterPath glyphPath(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return path;
    const qreal scale = std::min(box.height() / bounds.height(), box.width() / bounds.width());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

// A letter of a format command filling @p box; the box's edges lie on whole
// pixels, so the letter's top and bottom rows are crisp.
void fillLetter(QPainter& painter, const QString& letter, const QFont& font, const QRectF& box,
                const QColor& ink)
{
    painter.fillPath(glyphPath(letter, font, box), ink);
}

void paintAlignment(QPainter& painter, const Grid& g, const QColor& ink, Qt::Alignment alignment)
{
    // Five bars, long and short by turns; justified text has all long bars
    // but a short last line.
    constexpr qreal kLong = 14, kShort = 8, kThick = 1.25;
    for (int row = 0; row < 5; ++row) {
        const qreal y = 2 + row * 3;
        qreal width = row % 2 ? kShort : kLong;
        qreal x = 1;
        if (alignment & Qt::AlignJustify) {
            width = row == 4 ? kShort + 1 : kLong;
        } else if (alignment & Qt::AlignHCenter) {
            x = 8 - width / 2;
        } else if (alignment & Qt::AlignRight) {
            x = 15 - width;
        }
        painter.fillRect(g.bar(x, y, width, kThick), ink);
    }
}

void paintList(QPainter& painter, const Grid& g, const QColor& ink, bool numbered)
{
    const QFont digits = glyphFont("DejaVu Sans", true);
    for (int row = 0; row < 3; ++row) {
        const qreal middle = 3 + row * 5;
        painter.fillRect(g.bar(6.5, middle - 0.6, 8.5, 1.25), ink);
        if (numbered) {
            fillLetter(painter, QString::number(row + 1), digits, g.box(0.5, middle - 2.5, 4.5, 5),
                       ink);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            painter.drawEllipse(g.box(1, middle - 1.5, 3, 3));
        }
    }
}

void paintPadlock(QPainter& painter, const Grid& g, const QColor& ink)
{
    // The shackle: a stroked arch whose legs go into the body.
    const qreal pen = g.pen(1.3);
    painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF arch = g.box(4.5, 1, 7, 8).adjusted(pen / 2, pen / 2, -pen / 2, 0);
    QPainterPath shackle;
    shackle.moveTo(arch.left(), g.px(8));
    shackle.lineTo(arch.left(), arch.top() + arch.width() / 2);
    shackle.arcTo(QRectF(arch.left(), arch.top(), arch.width(), arch.width()), 180, -180);
    shackle.lineTo(arch.right(), g.px(8));
    painter.drawPath(shackle);
    // The body, with its keyhole cut out.
    const QRectF body = g.box(2, 7, 12, 8.5);
    QPainterPath lock;
    lock.addRoundedRect(body, g.unit, g.unit);
    QPainterPath keyhole;
    const QPointF hole(body.center().x(), body.top() + body.height() * 0.42);
    keyhole.addEllipse(hole, 1.4 * g.unit, 1.4 * g.unit);
    keyhole.addRect(QRectF(hole.x() - 0.6 * g.unit, hole.y(), 1.2 * g.unit, 2.6 * g.unit));
    painter.fillPath(lock.subtracted(keyhole.simplified()), ink);
}

void paintWrapLines(QPainter& painter, const Grid& g, const QColor& ink)
{
    constexpr qreal kThick = 1.25;
    painter.fillRect(g.bar(1, 2.5, 10, kThick), ink);
    painter.fillRect(g.bar(1, 8, 4, kThick), ink);
    painter.fillRect(g.bar(1, 13, 13, kThick), ink);
    // The return arrow from the end of the first line round to the second.
    const QRectF top = g.bar(1, 2.5, 10, kThick), second = g.bar(1, 8, 4, kThick);
    const qreal y1 = top.center().y(), y2 = second.center().y();
    const qreal right = g.px(14.5) - g.pen(kThick) / 2;
    QPainterPath hook;
    hook.moveTo(top.right(), y1);
    hook.lineTo(right - (y2 - y1) / 2, y1);
    hook.arcTo(QRectF(right - (y2 - y1), y1, y2 - y1, y2 - y1), 90, -180);
    hook.lineTo(g.px(9), y2);
    painter.setPen(QPen(ink, g.pen(kThick), Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    QPolygonF head;
    head << QPointF(g.px(6.5), y2) << QPointF(g.px(9.5), y2 - 2.25 * g.unit)
         << QPointF(g.px(9.5), y2 + 2.25 * g.unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(head);
}

// Paper with a hairline edge, the ground of the gallery cards.
void paintCard(QPainter& painter, const QRectF& card)
{
    painter.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(card.adjusted(0.5, 0.5, -0.5, -0.5));
}

const QColor kCardText(0x40, 0x40, 0x40);
const QColor kCardMark(0x1f, 0x5f, 0xb0);

void paintWrapTile(QPainter& painter, const Grid& g, int columns)
{
    const QRectF page = g.box(7, 2, 34, 44);
    paintCard(painter, page);
    // Ragged lines of text; where they end shows the wrap.
    constexpr qreal kRagged[] = {1.0, 0.86, 0.97, 0.7, 0.92, 0.55};
    const qreal left = 11, margin = 37;
    qreal end = margin;
    if (columns > 0)
        end = left + (margin - left) * columns / 80.0;
    for (int row = 0; row < 6; ++row) {
        const qreal y = 7 + row * 5;
        const qreal width = columns < 0 ? 47 - left : (end - left) * kRagged[row];
        painter.fillRect(g.bar(left, y, width, 2), kCardText);
    }
    painter.setPen(QPen(kCardMark, g.pen(1.25)));
    painter.setBrush(kCardMark);
    if (columns > 0) {
        // The wrap column, dashed, and its number at the foot.
        QPen dashed(kCardMark, g.pen(1), Qt::DashLine);
        painter.setPen(dashed);
        const qreal x = g.px(end + 1.5) + 0.5;
        painter.drawLine(QPointF(x, page.top() + g.px(3)), QPointF(x, g.px(34)));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(int(g.px(9)));
        painter.setFont(font);
        painter.setPen(kCardMark);
        painter.drawText(g.box(end - 12, 35, 14, 9), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(columns));
    } else {
        // An arrow: the lines follow the window's width, or run on.
        const qreal y = g.px(43);
        const qreal from = g.px(columns < 0 ? 30 : 13), to = g.px(columns < 0 ? 46 : 35);
        painter.drawLine(QPointF(from + (columns < 0 ? 0 : 3 * g.unit), y),
                         QPointF(to - 3 * g.unit, y));
        const auto head = [&](qreal tip, qreal dir) {
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(
                QPolygonF({QPointF(tip, y), QPointF(tip - dir * 3.5 * g.unit, y - 2.5 * g.unit),
                           QPointF(tip - dir * 3.5 * g.unit, y + 2.5 * g.unit)}));
        };
        head(to, 1);
        if (columns == 0)
            head(from, -1);
    }
}

void paintPageView(QPainter& painter, const Grid& g)
{
    paintCard(painter, g.box(2, 0.5, 12, 15));
    constexpr qreal kRagged[] = {7, 6, 7, 4};
    for (int row = 0; row < 4; ++row)
        painter.fillRect(g.bar(4.5, 3 + row * 3, kRagged[row], 1.25), kCardText);
}

void paintStyleCard(QPainter& painter, const Grid& g, const QString& name, const QFont& font,
                    const QColor& colour)
{
    paintCard(painter, g.box(0, 0, 48, 48));
    // The sample as large as the style's text, up to what the card holds.
    const QString text = QStringLiteral("AaBb");
    QFont sample = font;
    int pixels = std::max(1, int(g.px(std::min<qreal>(font.pixelSize(), 17))));
    sample.setPixelSize(pixels);
    while (pixels > 1 && QFontMetricsF(sample).horizontalAdvance(text) > 42 * g.unit)
        sample.setPixelSize(--pixels);
    painter.setFont(sample);
    painter.setPen(colour);
    painter.drawText(g.box(2, 2, 44, 29), Qt::AlignCenter, text);
    // The name in the narrow face, so that "Heading 1" fits whole.
    QFont caption(QStringLiteral("DejaVu Sans"));
    caption.setStretch(QFont::Condensed);
    caption.setPixelSize(std::max(1, int(g.px(9))));
    painter.setFont(caption);
    painter.setPen(kCardText);
    const QRectF line = g.box(2, 32, 44, 13);
    painter.drawText(line, Qt::AlignCenter,
                     QFontMetricsF(caption).elidedText(name, Qt::ElideRight, line.width()));
}

} // namespace

QColor demoIconInk()
{
    // The text of the skin's buttons reads on the buttons' own ground, so
    // the pictures beside it do too.
    if (RibbonApplication* app = RibbonApplication::theApp())
        return app->ribbonStyle()->highlightedCategoryTextColor();
    return QColor(0x20, 0x20, 0x20);
}

QIcon textFormatIcon(TextFormatIcon format)
{
    switch (format) {
    case TextFormatIcon::Bold:
        return drawnIcon(QStringLiteral("bold"), 16, true,
                         [](QPainter& p, const Grid& g, const QColor& ink) {
                             fillLetter(p, QStringLiteral("B"), glyphFont("DejaVu Sans", true),
                                        g.box(2, 2, 12, 12), ink);
                         });
    case TextFormatIcon::Italic:
        return drawnIcon(
            QStringLiteral("italic"), 16, true, [](QPainter& p, const Grid& g, const QColor& ink) {
                fillLetter(p, QStringLiteral("I"), glyphFont("DejaVu Serif", true, true),
                           g.box(2, 2, 12, 12), ink);
            });
    case TextFormatIcon::Underline:
        return drawnIcon(QStringLiteral("underline"), 16, true,
                         [](QPainter& p, const Grid& g, const QColor& ink) {
                             fillLetter(p, QStringLiteral("U"), glyphFont("DejaVu Sans", true),
                                        g.box(2, 1, 12, 10), ink);
                             p.fillRect(g.bar(2.5, 13, 11, 1.5), ink);
                         });
    case TextFormatIcon::Strikethrough:
        return drawnIcon(QStringLiteral("strikethrough"), 16, true,
                         [](QPainter& p, const Grid& g, const QColor& ink) {
                             fillLetter(p, QStringLiteral("S"), glyphFont("DejaVu Sans", true),
                                        g.box(2, 2, 12, 12), ink);
                             // The line, with a gap cut round it, so that it
                             // does not melt into the letter's spine.
                             const QRectF line = g.bar(1, 7.5, 14, 1.25);
                             const qreal gap = g.pen(0.5);
                             p.setCompositionMode(QPainter::CompositionMode_Clear);
                             p.fillRect(line.adjusted(0, -gap, 0, gap), Qt::transparent);
                             p.setCompositionMode(QPainter::CompositionMode_SourceOver);
                             p.fillRect(line, ink);
                         });
    }
    return QIcon();
}

QIcon alignmentIcon(Qt::Alignment alignment)
{
    return drawnIcon(QStringLiteral("align-%1").arg(int(alignment)), 16, true,
                     [alignment](QPainter& p, const Grid& g, const QColor& ink) {
                         paintAlignment(p, g, ink, alignment);
                     });
}

QIcon listIcon(bool numbered)
{
    return drawnIcon(numbered ? QStringLiteral("list-numbered") : QStringLiteral("list-bullets"),
                     16, true, [numbered](QPainter& p, const Grid& g, const QColor& ink) {
                         paintList(p, g, ink, numbered);
                     });
}

QIcon padlockIcon()
{
    return drawnIcon(QStringLiteral("padlock"), 16, true, paintPadlock);
}

QIcon wrapLinesIcon()
{
    return drawnIcon(QStringLiteral("wrap-lines"), 16, true, paintWrapLines);
}

QIcon pageViewIcon()
{
    return drawnIcon(QStringLiteral("page-view"), 16, false,
                     [](QPainter& p, const Grid& g, const QColor&) { paintPageView(p, g); });
}

QIcon glyphIcon(const QString& text)
{
    return drawnIcon(QStringLiteral("glyph-") + text, 16, true,
                     [text](QPainter& p, const Grid& g, const QColor& ink) {
                         // Set as text of the icon's size on a common
                         // baseline, so that small signs stay small; only
                         // what is too wide is narrowed.
                         QFont font = glyphFont("DejaVu Sans", true);
                         font.setPixelSize(std::max(1, int(g.px(13))));
                         QPainterPath path;
                         path.addText(0, 0, font, text);
                         const QRectF bounds = path.boundingRect();
                         const qreal scale =
                             std::min<qreal>(1, 15 * g.unit / std::max<qreal>(1, bounds.width()));
                         QTransform t;
                         t.translate(8 * g.unit, g.px(12.5));
                         t.scale(scale, scale);
                         t.translate(-bounds.center().x(), 0);
                         p.fillPath(t.map(path), ink);
                     });
}

QIcon styleCardIcon(const QString& name, const QFont& font, const QColor& colour)
{
    return drawnIcon(QStringLiteral("style-%1").arg(name), 48, false,
                     [name, font, colour](QPainter& p, const Grid& g, const QColor&) {
                         paintStyleCard(p, g, name, font, colour);
                     });
}

QIcon wrapTileIcon(int columns)
{
    return drawnIcon(
        QStringLiteral("wrap-%1").arg(columns), 48, false,
        [columns](QPainter& p, const Grid& g, const QColor&) { paintWrapTile(p, g, columns); });
}
