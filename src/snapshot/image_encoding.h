#pragma once

#include <vector>

#include "graphics/pixel_surface.h"

namespace vestara {

// Whole image files in memory. Each returns an empty vector when the image has no
// pixels, is too large for the encoder or the encoder fails.

// Uncompressed 24-bit BMP: BGR, rows bottom-up, each padded to 4 bytes.
std::vector<unsigned char> EncodeBmp24(const PixelSurface& image);
// 24-bit RGB PNG.
std::vector<unsigned char> EncodePng24(const PixelSurface& image);
// 32-bit RGBA PNG: alpha 255 where `opaque` is true, 0 elsewhere (`opaque` is row by
// row from the top; a mask of another size gives an empty vector).
std::vector<unsigned char> EncodePngWithAlpha(const PixelSurface& image,
                                              const std::vector<bool>& opaque);

}  // namespace vestara
