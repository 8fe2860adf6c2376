#pragma once

#include "graphics/color.h"
#include "graphics/pixel_surface.h"
#include "graphics/stretch.h"

namespace vestara {

// Halftone from a source rectangle exactly twice the destination rectangle along both axes,
// as captures at 50 % are: destination pixel (x, y) averages the 2 x 2 block at (2x, 2y), each
// channel rounded to nearest, halves up. Source pixels outside the source surface count as
// `outside`; `clipped` is the destination rectangle already cut to the destination surface.
void HalftoneAtHalfSize(const PixelSurface& source, PixelSurface& destination, Extent clipped,
                        Color outside);

}  // namespace vestara
