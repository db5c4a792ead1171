// Preview of one skin as the library assembles it: frames sliced and stretched
// to realistic widget sizes, every state side by side.
#pragma once

#include "palette.h"

#include <QImage>

namespace skinpainter {

QImage slicingPreview(const SkinPalette& palette);

} // namespace skinpainter
