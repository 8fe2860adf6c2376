#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/pixel_surface.h"

namespace vestara {

// Whole PNG files in memory, lossless and as small as a cheap search makes them: a
// palette at the fewest bits a pixel that hold the picture's colours, truecolour only
// beyond 256 colours; each file compressed with zlib at its best level. The same picture
// gives the same bytes on every system. Empty when the image has no pixels, is too large
// or the compressor fails.

std::vector<unsigned char> EncodePng(const PixelSurface& image);
// Transparent where `opaque` is 0 (a byte per pixel, row by row from the top; a mask of
// another size gives an empty vector), each transparent pixel keeping its colour.
std::vector<unsigned char> EncodePngWithAlpha(const PixelSurface& image,
                                              std::span<const std::uint8_t> opaque);

}  // namespace vestara
