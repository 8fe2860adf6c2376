#pragma once

#include "graphics/color.h"
#include "graphics/pixel_surface.h"
#include "graphics/stretch.h"

namespace vestara {

// Halftone: each destination pixel of the clipped rectangle takes the average, each channel
// rounded to nearest (halves up), of the source pixels of its AveragedSourceSpans.
// Source pixels outside the source surface count as `outside`; `clipped` is the destination
// rectangle already cut to the destination surface, and not empty.
void StretchHalftone(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                     Extent destinationSize, Extent clipped, Color outside);

}  // namespace vestara
