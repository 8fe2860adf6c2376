#pragma once

#include <vector>

#include "graphics/pixel_surface.h"

namespace vestara {

// A whole uncompressed 24-bit BMP file in memory: BGR, rows bottom-up, each padded to 4
// bytes. Empty when the image has no pixels, is too large for the encoder or the encoder
// fails.
std::vector<unsigned char> EncodeBmp24(const PixelSurface& image);

}  // namespace vestara
