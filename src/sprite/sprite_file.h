#pragma once

#include <string>

#include "graphics/color.h"
#include "graphics/pixel_surface.h"
#include "sprite/sprite_decoder.h"

namespace vestara {

// The viewer's two reads of an archive file. `path` is a native file path; each call opens
// the archive, reads it and closes it.

// Writes the frame's size to `size` on every path: 9 x 17 (and false) when the archive is
// refused.
bool MeasureSpriteFrame(const std::string& path, FrameIndex index, FrameSize& size);
// Paints over `backgroundColor` (PaintFrame) and, on success, stores the frame's size in
// `size` (left alone otherwise).
bool PaintSpriteFrame(PixelSurface& surface, const std::string& path, Color backgroundColor,
                      FrameIndex index, FrameSize& size);

}  // namespace vestara
