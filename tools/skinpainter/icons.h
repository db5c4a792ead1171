// Application and help-window icons, and the .ico container they are stored in.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace oru::skinpaint {

// The sizes every .ico file carries, largest first.
const std::vector<int>& iconSizes();

// Paints an icon design at the given square size.
using IconPainter = std::function<QImage(int size)>;

struct IconDef
{
    QString path; // relative to the icons folder
    IconPainter paint;
};

// 48x48 units at the given density, used by the application button when the
// host sets none.
QImage defaultAppIcon(qreal scale = 1.0);

const std::vector<IconDef>& icoFiles();

// Encodes square 32-bit images as an .ico file (one BMP/DIB entry per image,
// with its 1-bit AND mask).
QByteArray encodeIco(const std::vector<QImage>& images);

// Minimal reader of the ICONDIR/ICONDIRENTRY headers; returns false and a reason
// when the data is not a well-formed icon file. `sizes` and `bitCounts` receive
// the entries' values.
bool parseIcoHeaders(const QByteArray& data, std::vector<int>& sizes, std::vector<int>& bitCounts,
                     QString& error);

} // namespace oru::skinpaint
