#pragma once

#include "oruRibbonStyle.h"
#include "oruSkinPalette_p.h"

#include <QImage>

namespace oru {

/// A skin painted at run time from the painter's palette: the same 54 images
/// as the built-in skins, painted when the skin is made (1x) and when a
/// screen first needs a finer density.
class PaletteRibbonStyle : public RibbonStyle
{
public:
    explicit PaletteRibbonStyle(const skinpaint::SkinPalette& palette);

private:
    skinpaint::SkinPalette m_palette;
};

/// The image @p file (for example "MainBorder.png") of the built-in skin
/// @p skin ("blue", "silver", "black") as the painter paints it at @p ratio;
/// null for unknown names.
VAZAVE_EXPORT QImage paintBuiltInSkinImage(const QString& skin, const QString& file, qreal ratio);

} // namespace oru
