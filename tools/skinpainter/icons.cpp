#include "icons.h"

#include "oruSkinDraw_p.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <algorithm>

namespace oru::skinpaint {

namespace {

// Icons are designed on a 48-unit grid and scaled to each size.
QImage iconCanvas(int size, const std::function<void(QPainter&)>& paint)
{
    QImage image = blankImage(QSize(size, size));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 48.0, size / 48.0);
    paint(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Pen width that stays at least about one device pixel at small sizes.
qreal penFor(QPainter& p, qreal units)
{
    const qreal scale = p.transform().m11();
    return std::max(units, 1.0 / scale);
}

void glossyDisc(QPainter& p, const QColor& light, const QColor& dark, const QColor& rim)
{
    QRadialGradient body(QPointF(24, 34), 30);
    body.setColorAt(0.0, light);
    body.setColorAt(1.0, dark);
    p.setPen(QPen(rim, penFor(p, 1.5)));
    p.setBrush(body);
    p.drawEllipse(QPointF(24, 24), 21.5, 21.5);
    QLinearGradient shine(0, 4, 0, 24);
    shine.setColorAt(0, QColor(255, 255, 255, 200));
    shine.setColorAt(1, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(9, 4, 30, 19));
}

// A fat arrow pointing left, centred on the 48 grid.
QPainterPath leftArrow()
{
    QPainterPath a;
    a.moveTo(10, 24);
    a.lineTo(24, 11);
    a.lineTo(24, 19);
    a.lineTo(37, 19);
    a.lineTo(37, 29);
    a.lineTo(24, 29);
    a.lineTo(24, 37);
    a.closeSubpath();
    return a;
}

QImage navigationIcon(int size, bool forward)
{
    return iconCanvas(size, [forward](QPainter& p) {
        glossyDisc(p, QColor("#8CC0F5"), QColor("#1F5FB8"), QColor("#17468A"));
        if (forward) {
            p.translate(48, 0);
            p.scale(-1, 1);
        }
        p.setPen(QPen(QColor(10, 40, 90, 120), penFor(p, 1.0)));
        p.setBrush(Qt::white);
        p.drawPath(leftArrow());
    });
}

QImage homeIcon(int size)
{
    return iconCanvas(size, [](QPainter& p) {
        // Walls and door.
        QLinearGradient wall(0, 22, 0, 44);
        wall.setColorAt(0, QColor("#FFF6E0"));
        wall.setColorAt(1, QColor("#E6CFA0"));
        p.setPen(QPen(QColor("#8A6A38"), penFor(p, 1.5)));
        p.setBrush(wall);
        p.drawRect(QRectF(11, 22, 26, 21));
        p.setBrush(QColor("#7A4E22"));
        p.drawRect(QRectF(20.5, 30, 7, 13));
        p.setBrush(QColor("#9FD0FF"));
        p.drawRect(QRectF(29, 26, 5, 5));
        // Roof.
        QPainterPath roof;
        roof.moveTo(5, 25);
        roof.lineTo(24, 6);
        roof.lineTo(43, 25);
        roof.lineTo(38, 25);
        roof.lineTo(24, 12);
        roof.lineTo(10, 25);
        roof.closeSubpath();
        QLinearGradient red(0, 6, 0, 25);
        red.setColorAt(0, QColor("#F2745A"));
        red.setColorAt(1, QColor("#B52A16"));
        p.setPen(QPen(QColor("#7E1B0C"), penFor(p, 1.2)));
        p.setBrush(red);
        p.drawPath(roof);
        p.setBrush(QColor("#8A6A38"));
        p.drawRect(QRectF(32, 9, 4, 8));
    });
}

QImage syncIcon(int size)
{
    return iconCanvas(size, [](QPainter& p) {
        // Two green arcs chasing each other, each with an arrow head.
        const QColor dark("#2E7D22");
        QPen pen(QColor("#48A83A"), penFor(p, 6.0), Qt::SolidLine, Qt::FlatCap);
        for (int i = 0; i < 2; ++i) {
            p.save();
            p.translate(24, 24);
            p.rotate(180.0 * i);
            p.translate(-24, -24);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(dark, penFor(p, 8.0), Qt::SolidLine, Qt::FlatCap));
            p.drawArc(QRectF(9, 9, 30, 30), 200 * 16, 130 * 16);
            p.setPen(pen);
            p.drawArc(QRectF(9, 9, 30, 30), 200 * 16, 130 * 16);
            QPainterPath head;
            head.moveTo(31, 4);
            head.lineTo(42, 13);
            head.lineTo(29, 18);
            head.closeSubpath();
            p.setPen(QPen(dark, penFor(p, 1.0)));
            p.setBrush(QColor("#48A83A"));
            p.drawPath(head);
            p.restore();
        }
    });
}

QImage exitIcon(int size)
{
    return iconCanvas(size, [](QPainter& p) {
        // Door frame, the door swung open, and an arrow leaving through it.
        p.setPen(QPen(QColor("#5B3A1A"), penFor(p, 1.5)));
        p.setBrush(QColor("#3B2A1A"));
        p.drawRect(QRectF(8, 5, 22, 38));
        QPainterPath door;
        door.moveTo(8, 5);
        door.lineTo(20, 9);
        door.lineTo(20, 46);
        door.lineTo(8, 43);
        door.closeSubpath();
        QLinearGradient wood(8, 0, 20, 0);
        wood.setColorAt(0, QColor("#C98A4B"));
        wood.setColorAt(1, QColor("#8C5524"));
        p.setBrush(wood);
        p.drawPath(door);
        p.setBrush(QColor("#F0D060"));
        p.drawEllipse(QPointF(17.5, 27), 1.5, 1.5);
        QPainterPath arrow;
        arrow.moveTo(44, 25);
        arrow.lineTo(33, 14);
        arrow.lineTo(33, 20);
        arrow.lineTo(22, 20);
        arrow.lineTo(22, 30);
        arrow.lineTo(33, 30);
        arrow.lineTo(33, 36);
        arrow.closeSubpath();
        QLinearGradient red(0, 14, 0, 36);
        red.setColorAt(0, QColor("#F58A6E"));
        red.setColorAt(1, QColor("#C02A10"));
        p.setPen(QPen(QColor("#7E1B0C"), penFor(p, 1.2)));
        p.setBrush(red);
        p.drawPath(arrow);
    });
}

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// One icon image as a BMP DIB: header with doubled height, bottom-up BGRA
// pixels, then the 1-bit AND mask (set where the pixel is fully transparent).
QByteArray encodeDib(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(2 * h));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, quint32(w * h * 4 + maskStride * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            put32(out, line[x]); // 0xAARRGGBB stored little-endian is B, G, R, A
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

// Little-endian reads byte by byte: the callers check the length first, and
// this form keeps g++ from misreading the bounds under sanitizer builds.
quint32 getLittleEndian(const QByteArray& d, int at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | quint8(d.at(at + i));
    return value;
}
quint16 get16(const QByteArray& d, int at)
{
    return quint16(getLittleEndian(d, at, 2));
}
quint32 get32(const QByteArray& d, int at)
{
    return getLittleEndian(d, at, 4);
}

} // namespace

const std::vector<int>& iconSizes()
{
    static const std::vector<int> sizes = {128, 64, 48, 32, 24, 16};
    return sizes;
}

QImage defaultAppIcon(qreal scale)
{
    const qreal previous = paintScale();
    setPaintScale(scale);
    QImage image = iconCanvas(48, [](QPainter& p) {
        // A document page with a folded corner, a ribbon band and lines of text.
        QPainterPath page;
        page.moveTo(9, 3.5);
        page.lineTo(31, 3.5);
        page.lineTo(40.5, 13);
        page.lineTo(40.5, 44.5);
        page.lineTo(9, 44.5);
        page.closeSubpath();
        QLinearGradient paper(0, 3, 0, 45);
        paper.setColorAt(0, QColor("#FFFFFF"));
        paper.setColorAt(1, QColor("#E4ECF6"));
        p.setPen(QPen(QColor("#6B7F99"), 1.0));
        p.setBrush(paper);
        p.drawPath(page);
        QPainterPath fold;
        fold.moveTo(31, 3.5);
        fold.lineTo(31, 13);
        fold.lineTo(40.5, 13);
        fold.closeSubpath();
        p.setBrush(QColor("#C9D6E8"));
        p.drawPath(fold);

        QLinearGradient band(0, 15, 0, 23);
        band.setColorAt(0, QColor("#7FB2EE"));
        band.setColorAt(0.5, QColor("#3C7DD0"));
        band.setColorAt(1, QColor("#2A63B0"));
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawRect(QRectF(9.5, 15, 30.5, 8));
        p.setBrush(QColor("#FFC94A"));
        p.drawEllipse(QPointF(15, 19), 2.4, 2.4);

        p.setPen(QPen(QColor("#8FA3BD"), 1.6, Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i < 5; ++i) {
            const qreal y = 27.5 + i * 3.5;
            p.drawLine(QPointF(13, y), QPointF(i == 4 ? 27 : 36, y));
        }
    });
    setPaintScale(previous);
    image.setDevicePixelRatio(1.0);
    return image;
}

const std::vector<IconDef>& icoFiles()
{
    static const std::vector<IconDef> files = {
        {QStringLiteral("Exit.ico"), exitIcon},
        {QStringLiteral("helpwindow/Back.ico"), [](int s) { return navigationIcon(s, false); }},
        {QStringLiteral("helpwindow/Forward.ico"), [](int s) { return navigationIcon(s, true); }},
        {QStringLiteral("helpwindow/Home.ico"), homeIcon},
        {QStringLiteral("helpwindow/Sync.ico"), syncIcon},
    };
    return files;
}

QByteArray encodeIco(const std::vector<QImage>& images)
{
    std::vector<QByteArray> bodies;
    for (const QImage& image : images)
        bodies.push_back(encodeDib(image));

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // type: icon
    put16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        out.append(char(side >= 256 ? 0 : side));
        out.append(char(side >= 256 ? 0 : images[i].height()));
        out.append(char(0)); // no palette
        out.append(char(0)); // reserved
        put16(out, 1);       // planes
        put16(out, 32);      // bits per pixel
        put32(out, quint32(bodies[i].size()));
        put32(out, offset);
        offset += quint32(bodies[i].size());
    }
    for (const QByteArray& body : bodies)
        out.append(body);
    return out;
}

bool parseIcoHeaders(const QByteArray& data, std::vector<int>& sizes, std::vector<int>& bitCounts,
                     QString& error)
{
    sizes.clear();
    bitCounts.clear();
    if (data.size() < 6 || get16(data, 0) != 0 || get16(data, 2) != 1) {
        error = QStringLiteral("no ICONDIR header");
        return false;
    }
    const int count = get16(data, 4);
    if (data.size() < 6 + 16 * count) {
        error = QStringLiteral("truncated directory");
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const int at = 6 + 16 * i;
        const int w = quint8(data[at]) == 0 ? 256 : quint8(data[at]);
        const int h = quint8(data[at + 1]) == 0 ? 256 : quint8(data[at + 1]);
        const quint32 length = get32(data, at + 8);
        const quint32 offset = get32(data, at + 12);
        if (w != h || quint64(offset) + length > quint64(data.size()) || length < 40) {
            error = QStringLiteral("entry %1 is malformed").arg(i);
            return false;
        }
        // The DIB header must agree with the directory entry.
        const int dibWidth = int(get32(data, int(offset) + 4));
        const int dibHeight = int(get32(data, int(offset) + 8));
        const int dibBits = get16(data, int(offset) + 14);
        if (dibWidth != w || dibHeight != 2 * h || dibBits != get16(data, at + 6)) {
            error = QStringLiteral("entry %1 disagrees with its bitmap header").arg(i);
            return false;
        }
        sizes.push_back(w);
        bitCounts.push_back(dibBits);
    }
    return true;
}

} // namespace oru::skinpaint
