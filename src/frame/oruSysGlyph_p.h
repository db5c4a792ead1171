#pragma once

// The glyphs of the caption buttons (minimize, maximize, restore, close),
// drawn as vectors at the device pixel ratio of the painter.
//
// The geometry is that of the skin's glyph images at 1x stretched into the
// button, so a 1x caption looks as it always did; every edge is then placed
// on the device pixel grid, so the strokes stay crisp at 1.25x, 1.5x and 2x
// where a stretched image would show uneven or blurred strokes. The colours
// come from the skin's images, sampled once per image: every skin, also one a
// host paints or loads itself, keeps its glyph colours.

#include "oruGlobal.h"

#include <QRect>

class QPainter;

namespace oru {

class RibbonStyle;

namespace sysglyph {

enum class Glyph
{
    Minimize,
    Maximize,
    Restore,
    Close
};

enum class Size
{
    /// The main window's caption buttons: frames of 17x16 (sysBtnClose() and its siblings).
    Large,
    /// RibbonWindow's caption and a child window's close button: frames of 13x12
    /// (sysBtnCloseSmall() and its siblings).
    Small
};

/// Draws @p glyph of the state frame @p frame of its skin image (the frames
/// RibbonStyle documents for the image, counted from 0 at the top) into
/// @p target, where the image's frame would have been stretched. The close
/// glyph's frames that carry a box of their own (the red hover and pressed
/// looks) draw that box over the whole of @p target.
VAZAVE_EXPORT void draw(QPainter& painter, const RibbonStyle& skin, Glyph glyph, Size size,
                        int frame, const QRect& target);

/// Called by draw() with its arguments before it paints, for tests that check
/// which glyph a button shows; null (the default) for none. Returns the hook
/// it replaces.
using DrawHook = void (*)(Glyph glyph, Size size, int frame, const QRect& target);
VAZAVE_EXPORT DrawHook setDrawHook(DrawHook hook);

} // namespace sysglyph
} // namespace oru
