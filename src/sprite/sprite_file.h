#pragma once

#include <cstdint>
#include <string>

#include "graphics/color.h"
#include "graphics/pixel_surface.h"
#include "sprite/sprite_decoder.h"

namespace vestara {

// `path` is a native file path. Each call opens the archive, reads it and closes it.
// Writes `height` and `width` on every path (9 x 17 when the archive is refused).
bool MeasureSpriteFrame(const std::string& path, FrameIndex index, std::uint16_t& height,
                        std::uint16_t& width);
// Paints over `backgroundColor` and, on success, stores the frame's size in `height` and
// `width` (left alone otherwise).
bool PaintSpriteFrame(PixelSurface& surface, const std::string& path, Color backgroundColor,
                      FrameIndex index, std::uint16_t& height, std::uint16_t& width);

}  // namespace vestara
