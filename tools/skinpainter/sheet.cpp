#include "sheet.h"

#include "oruSkinDraw_p.h"
#include "oruSkinImages_p.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

namespace oru::skinpaint {

namespace {

constexpr int kZoom = 3;
constexpr int kGap = 18;
constexpr int kSheetWidth = 1900;
const QColor kBackground(150, 150, 150);
const QColor kFrameMark(255, 0, 200); // where one state picture ends
const QColor kSliceMark(0, 230, 255); // where the library cuts a picture

QFont labelFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    return f;
}

// Two light greys, so transparent pixels are told apart from painted ones.
void checkerboard(QPainter& p, const QRect& r)
{
    const int cell = kZoom * 2;
    for (int y = r.top(); y <= r.bottom(); y += cell)
        for (int x = r.left(); x <= r.right(); x += cell) {
            const bool odd = ((x - r.left()) / cell + (y - r.top()) / cell) % 2;
            p.fillRect(QRect(x, y, cell, cell).intersected(r),
                       odd ? QColor(178, 178, 178) : QColor(196, 196, 196));
        }
}

void markLines(QPainter& p, const QRect& tile, const std::vector<int>& rows,
               const std::vector<int>& cols, const QColor& colour, Qt::PenStyle style)
{
    p.setPen(QPen(colour, 1, style));
    for (int y : rows)
        p.drawLine(tile.left() - 4, tile.top() + y * kZoom, tile.right() + 4,
                   tile.top() + y * kZoom);
    for (int x : cols)
        p.drawLine(tile.left() + x * kZoom, tile.top() - 4, tile.left() + x * kZoom,
                   tile.bottom() + 4);
}

QString label(const ImageDef& def)
{
    return QStringLiteral("%1  %2x%3").arg(def.file).arg(def.size.width()).arg(def.size.height());
}

struct Tile
{
    const ImageDef* def;
    QImage image;
    QRect rect; // where the enlarged image goes
};

} // namespace

QImage contactSheet(const SkinPalette& palette)
{
    const QFont font = labelFont();
    const QFontMetrics fm(font);
    const int labelHeight = fm.height() + 6;

    // Shelf layout: left to right, wrapping when the sheet is full.
    std::vector<Tile> tiles;
    int x = kGap, y = kGap + labelHeight + 24, rowHeight = 0;
    for (const ImageDef& def : skinImages()) {
        Tile t{&def, renderImage(def, palette), QRect()};
        const QSize zoomed = def.size * kZoom;
        const int width = std::max(zoomed.width(), fm.horizontalAdvance(label(def)) + 4);
        if (x + width > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + labelHeight + kGap;
            rowHeight = 0;
        }
        t.rect = QRect(QPoint(x, y + labelHeight), zoomed);
        x += width + kGap;
        rowHeight = std::max(rowHeight, zoomed.height());
        tiles.push_back(std::move(t));
    }
    const int height = y + rowHeight + labelHeight + kGap;

    QImage sheet(kSheetWidth, height, QImage::Format_ARGB32);
    sheet.fill(kBackground);
    QPainter p(&sheet);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(
        QRect(kGap, 6, kSheetWidth, 24), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Skin \"%1\": images at %2x; magenta = state frames / halves, dashed cyan = "
                       "slice borders")
            .arg(palette.name)
            .arg(kZoom));
    for (const Tile& t : tiles) {
        p.setPen(Qt::black);
        p.drawText(QRect(t.rect.left(), t.rect.top() - labelHeight, kSheetWidth, labelHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, label(*t.def));
        checkerboard(p, t.rect);
        p.drawImage(t.rect,
                    t.image.scaled(t.rect.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
        markLines(p, t.rect, t.def->sliceRows, t.def->sliceCols, kSliceMark, Qt::DashLine);
        markLines(p, t.rect, t.def->frameRows, t.def->frameCols, kFrameMark, Qt::SolidLine);
    }
    return sheet;
}

} // namespace oru::skinpaint
