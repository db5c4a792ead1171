// Contact sheet of one skin: every image enlarged, with its frames and slices marked.
#pragma once

#include "oruSkinPalette_p.h"

#include <QImage>

namespace oru::skinpaint {

QImage contactSheet(const SkinPalette& palette);

} // namespace oru::skinpaint
