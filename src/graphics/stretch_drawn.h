#pragma once

#include <cstdint>
#include <span>

#include "graphics/pixel_surface.h"

namespace vestara {

// Stretches a picture of which only some pixels are drawn onto the whole of `destination`:
// the transparent counterpart of StretchCopy. `drawn` holds a byte per pixel of `source`, row
// by row, nonzero where the pixel is drawn; `destinationDrawn` receives the same for
// `destination` (it must be as large). A destination pixel takes the source pixels of its
// AveragedSourceSpans along both axes: it is drawn when at least half of them are, and then
// takes the average of the drawn ones, each channel rounded to nearest (halves up). Undrawn
// destination pixels keep their colour.
void StretchDrawnPixels(const PixelSurface& source, std::span<const std::uint8_t> drawn,
                        PixelSurface& destination, std::span<std::uint8_t> destinationDrawn);

}  // namespace vestara
