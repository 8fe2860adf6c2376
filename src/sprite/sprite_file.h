#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// The whole archive, read once for pictures of several of its frames or of one frame in
// more than one way; empty when it cannot be read, which every decoder refuses.
std::vector<std::uint8_t> ReadSpriteArchive(const std::string& path);

}  // namespace vestara
