#pragma once

#include "oruSkinPalette_p.h"

namespace oru {

class RibbonPalette;

namespace skinpaint {

/// The painter's full palette for a skin made from @p palette: the flat look,
/// every text colour readable (4.5:1) on what it is drawn on.
SkinPalette derivePalette(const RibbonPalette& palette, const QString& name);

} // namespace skinpaint
} // namespace oru
