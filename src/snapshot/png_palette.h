#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "graphics/pixel_surface.h"

namespace vestara {

// Which pixels are opaque, a byte per pixel (0: transparent); none means all are.
using OpaqueMask = std::optional<std::span<const std::uint8_t>>;

// A picture as palette indices, one byte a pixel, rows from the top.
struct IndexedPicture {
  std::vector<Color> palette;
  // The first `transparentCount` palette entries stand for transparent pixels.
  std::size_t transparentCount = 0;
  std::vector<std::uint8_t> indices;
};

// The picture indexed, with a palette entry per distinct colour (and, with a mask, per
// distinct colour of the transparent pixels, listed first); nullopt when that takes more
// than 256 entries. The other entries are in the order their colours first occur.
// `opaque`, when given, has one entry a pixel.
std::optional<IndexedPicture> IndexPicture(const PixelSurface& image, const OpaqueMask& opaque);

// The fewest bits a pixel (1, 2, 4 or 8) that tell `colorCount` entries apart.
int BitsPerIndex(std::size_t colorCount);

}  // namespace vestara
