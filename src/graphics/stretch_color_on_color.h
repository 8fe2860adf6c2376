#pragma once

#include "graphics/color.h"
#include "graphics/pixel_surface.h"
#include "graphics/stretch.h"

namespace vestara {

// Colour-on-colour: each destination pixel of the clipped rectangle takes the one source pixel
// ColorOnColorSourceIndex names along each axis; rows that repeat the row above are copied.
// Source pixels outside the source surface count as `outside`; `clipped` is the destination
// rectangle already cut to the destination surface, and not empty.
void StretchColorOnColor(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                         Extent destinationSize, Extent clipped, Color outside);

}  // namespace vestara
