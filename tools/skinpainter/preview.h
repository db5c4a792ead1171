// Preview of one skin as the library assembles it: frames sliced and stretched
// to realistic widget sizes, every state side by side.
#pragma once

#include "oruSkinPalette_p.h"

#include <QImage>

namespace oru::skinpaint {

QImage slicingPreview(const SkinPalette& palette);

} // namespace oru::skinpaint
