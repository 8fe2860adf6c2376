#pragma once

#include <QImage>
#include <cstdint>
#include <span>

#include "graphics/pixel_surface.h"

namespace vestara {

// The picture as a QImage: opaque (RGB32) when `opaque` is empty, else ARGB32 with the
// pixels whose byte is 0 fully transparent.
QImage ImageOf(const PixelSurface& pixels, std::span<const std::uint8_t> opaque);

}  // namespace vestara
