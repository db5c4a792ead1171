// Contact sheet of one skin: every image enlarged, with its frames and slices marked.
#pragma once

#include "palette.h"

#include <QImage>

namespace skinpainter {

QImage contactSheet(const SkinPalette& palette);

} // namespace skinpainter
