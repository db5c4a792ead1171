#include "oruPaletteStyle_p.h"

#include "oruSkinImages_p.h"

#include <QHash>

namespace oru {

namespace {

const skinpaint::ImageDef* imageDef(const QString& file)
{
    static const QHash<QString, const skinpaint::ImageDef*> byFile = [] {
        QHash<QString, const skinpaint::ImageDef*> table;
        for (const skinpaint::ImageDef& def : skinpaint::skinImages())
            table.insert(def.file, &def);
        return table;
    }();
    return byFile.value(file, nullptr);
}

QImage paint(const skinpaint::SkinPalette& palette, const QString& file, qreal ratio)
{
    const skinpaint::ImageDef* def = imageDef(file);
    return def ? skinpaint::renderImage(*def, palette, ratio) : QImage();
}

} // namespace

PaletteRibbonStyle::PaletteRibbonStyle(const skinpaint::SkinPalette& palette) : m_palette(palette)
{
    const QColor table[16] = {
        m_palette.mainClientColor,
        m_palette.mainMenuBgColor,
        m_palette.activeTextColor,
        m_palette.inactiveTextColor,
        m_palette.activeTitleTextColor,
        m_palette.inactiveTitleTextColor,
        m_palette.normalCategoryTextColor,
        m_palette.highlightedCategoryTextColor,
        m_palette.disabledCategoryTextColor,
        m_palette.categoryCaptionTextColor,
        m_palette.categoryWrapperCaptionTextColor,
        m_palette.frameOutlineColor,
        m_palette.frameNormalFillColor,
        m_palette.frameHighlightedFillColor,
        m_palette.frameSunkenColor,
        m_palette.frameRaiseColor,
    };
    QRgb colors[16];
    for (int i = 0; i < 16; ++i)
        colors[i] = table[i].rgba();
    setColors(colors);
    paintPixmaps(
        [this](const QString& file, qreal ratio) { return paint(m_palette, file, ratio); });
}

QImage paintBuiltInSkinImage(const QString& skin, const QString& file, qreal ratio)
{
    skinpaint::SkinPalette palette;
    if (!skinpaint::paletteByName(skin, palette))
        return QImage();
    return paint(palette, file, ratio);
}

} // namespace oru
