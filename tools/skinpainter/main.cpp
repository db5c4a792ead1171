// skinpainter: paints the skin images and icons of the library's resource tree.
//
//   skinpainter --out DIR              write DIR/{blue,silver,black}/*.png (at 1x, and as
//                                      Name@1.5x.png and Name@2x.png), DIR/icons/...
//                                      and DIR/oruResources.qrc
//   skinpainter --verify DIR           check every file's presence, size and icon layout
//   skinpainter --sheet SKIN FILE      contact sheet of one skin's images
//   skinpainter --preview SKIN FILE    the images sliced and stretched as the widgets use them
#include "icons.h"
#include "oruSkinImages_p.h"
#include "preview.h"
#include "sheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace oru::skinpaint;

namespace {

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

bool ensureDir(const QString& path)
{
    if (QDir().mkpath(path))
        return true;
    err() << "cannot create " << path << Qt::endl;
    return false;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        err() << "cannot write " << path << Qt::endl;
        return false;
    }
    return true;
}

bool saveImage(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    err() << "cannot write " << path << Qt::endl;
    return false;
}

// Every file of the resource tree, relative to the resources folder.
QStringList resourceFiles()
{
    QStringList files;
    for (const SkinPalette& palette : allPalettes())
        for (const ImageDef& def : skinImages())
            for (qreal scale : paintScales())
                files << palette.name + QLatin1Char('/') + scaledFileName(def.file, scale);
    for (qreal scale : paintScales())
        files << QStringLiteral("icons/") +
                     scaledFileName(QStringLiteral("DefaultAppIcon.png"), scale);
    for (const IconDef& icon : icoFiles())
        files << QStringLiteral("icons/") + icon.path;
    return files;
}

QByteArray qrcText()
{
    QByteArray text =
        "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/oru/ribbon\">\n";
    // PNG data is already compressed and is stored as it is; the icon files
    // (uncompressed bitmaps) are packed with zlib.
    for (const QString& file : resourceFiles()) {
        const QByteArray algorithm = file.endsWith(QLatin1String(".ico")) ? "zlib" : "none";
        text += "        <file compression-algorithm=\"" + algorithm + "\">" + file.toUtf8() +
                "</file>\n";
    }
    text += "    </qresource>\n</RCC>\n";
    return text;
}

int writeAll(const QString& dir)
{
    for (const SkinPalette& palette : allPalettes()) {
        const QString skinDir = dir + QLatin1Char('/') + palette.name;
        if (!ensureDir(skinDir))
            return 1;
        for (const ImageDef& def : skinImages())
            for (qreal scale : paintScales())
                if (!saveImage(renderImage(def, palette, scale),
                               skinDir + QLatin1Char('/') + scaledFileName(def.file, scale)))
                    return 1;
    }
    const QString iconDir = dir + QStringLiteral("/icons");
    if (!ensureDir(iconDir + QStringLiteral("/helpwindow")))
        return 1;
    for (qreal scale : paintScales())
        if (!saveImage(defaultAppIcon(scale),
                       iconDir + QLatin1Char('/') +
                           scaledFileName(QStringLiteral("DefaultAppIcon.png"), scale)))
            return 1;
    for (const IconDef& icon : icoFiles()) {
        std::vector<QImage> images;
        for (int size : iconSizes())
            images.push_back(icon.paint(size));
        if (!writeFile(iconDir + QLatin1Char('/') + icon.path, encodeIco(images)))
            return 1;
    }
    if (!writeFile(dir + QStringLiteral("/oruResources.qrc"), qrcText()))
        return 1;
    out() << "wrote " << resourceFiles().size() << " files and oruResources.qrc to " << dir
          << Qt::endl;
    return 0;
}

// Checks one .ico file twice: with our own header parser and with Qt's reader.
int verifyIco(const QString& path)
{
    int failures = 0;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        err() << path << ": missing" << Qt::endl;
        return 1;
    }
    const QByteArray data = f.readAll();
    std::vector<int> sizes, bits;
    QString error;
    std::vector<int> expected = iconSizes();
    if (!parseIcoHeaders(data, sizes, bits, error)) {
        err() << path << ": " << error << Qt::endl;
        ++failures;
    } else if (sizes != expected ||
               std::any_of(bits.begin(), bits.end(), [](int b) { return b != 32; })) {
        err() << path << ": directory does not hold six 32-bit images of 128..16 px" << Qt::endl;
        ++failures;
    }

    QImageReader reader(path);
    if (reader.imageCount() != int(expected.size())) {
        err() << path << ": Qt's reader sees " << reader.imageCount() << " images" << Qt::endl;
        return failures + 1;
    }
    std::vector<int> read;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.isNull() || image.width() != image.height() || !image.hasAlphaChannel()) {
            err() << path << ": image " << i << " unreadable or without alpha ("
                  << reader.errorString() << ")" << Qt::endl;
            ++failures;
            continue;
        }
        read.push_back(image.width());
    }
    std::sort(read.begin(), read.end());
    std::sort(expected.begin(), expected.end());
    if (read != expected) {
        err() << path << ": Qt's reader returned other sizes than 128, 64, 48, 32, 24, 16"
              << Qt::endl;
        ++failures;
    }
    return failures;
}

int verifyAll(const QString& dir)
{
    int failures = 0, checked = 0;
    for (const SkinPalette& palette : allPalettes()) {
        for (const ImageDef& def : skinImages()) {
            for (qreal scale : paintScales()) {
                const QString path = dir + QLatin1Char('/') + palette.name + QLatin1Char('/') +
                                     scaledFileName(def.file, scale);
                const QImage image(path);
                const QSize size = scaledSize(def.size, scale);
                ++checked;
                if (image.isNull()) {
                    err() << path << ": missing or unreadable" << Qt::endl;
                    ++failures;
                } else if (image.size() != size) {
                    err() << path << ": " << image.width() << "x" << image.height() << ", expected "
                          << size.width() << "x" << size.height() << Qt::endl;
                    ++failures;
                }
            }
        }
    }
    for (qreal scale : paintScales()) {
        const QString file = scaledFileName(QStringLiteral("DefaultAppIcon.png"), scale);
        const QImage appIcon(dir + QStringLiteral("/icons/") + file);
        ++checked;
        if (appIcon.size() != scaledSize(QSize(48, 48), scale)) {
            err() << "icons/" << file << ": missing or of the wrong size" << Qt::endl;
            ++failures;
        }
    }
    if (!QImageReader::supportedImageFormats().contains("ico")) {
        err() << "Qt has no ico reader here; only the header parser checks the .ico files"
              << Qt::endl;
    }
    for (const IconDef& icon : icoFiles()) {
        ++checked;
        const QString path = dir + QStringLiteral("/icons/") + icon.path;
        if (QImageReader::supportedImageFormats().contains("ico"))
            failures += verifyIco(path);
        else if (!QFileInfo::exists(path))
            ++failures;
    }
    // The resource list must name exactly the files that exist.
    QFile qrc(dir + QStringLiteral("/oruResources.qrc"));
    if (!qrc.open(QIODevice::ReadOnly) || qrc.readAll() != qrcText()) {
        err() << "oruResources.qrc is missing or out of date" << Qt::endl;
        ++failures;
    }
    out() << "checked " << checked << " files: " << (failures == 0 ? "all correct" : "FAILURES")
          << Qt::endl;
    return failures == 0 ? 0 : 1;
}

int writeSkinPicture(const QString& skin, const QString& file, bool preview)
{
    SkinPalette palette;
    if (!paletteByName(skin, palette)) {
        err() << "unknown skin " << skin << " (blue, silver or black)" << Qt::endl;
        return 2;
    }
    return saveImage(preview ? slicingPreview(palette) : contactSheet(palette), file) ? 0 : 1;
}

int usage()
{
    err() << "usage: skinpainter --out DIR | --verify DIR | --sheet SKIN FILE.png | --preview SKIN "
             "FILE.png"
          << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Painting needs no screen; fonts for the sheet labels need a GUI application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();

    if (args.size() == 3 && args[1] == QLatin1String("--out"))
        return writeAll(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("--verify"))
        return verifyAll(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("--sheet"))
        return writeSkinPicture(args[2], args[3], false);
    if (args.size() == 4 && args[1] == QLatin1String("--preview"))
        return writeSkinPicture(args[2], args[3], true);
    return usage();
}
