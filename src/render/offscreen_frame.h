#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "graphics/color.h"
#include "graphics/pixel_surface.h"
#include "sprite/sprite_decoder.h"

namespace vestara {

// The viewer's picture of a frame before the zoom: the frame painted over its background at
// the origin of an offscreen surface of 3 x width by 3 x height pixels filled with the face
// colour. Every preview and capture is stretched from one.
struct OffscreenFrame {
  // Only the part that the stretch reads (at most kStretchSourceSize) is held: the rest
  // would never be seen.
  PixelSurface surface;
  // The measured size; 9 x 17 when the archive is missing or unreadable.
  FrameSize size;
};

// The viewer's render: measures the frame (the first read of the archive at the native
// `archivePath`), makes the face-coloured surface and paints the frame into it (the second
// read). A missing or unreadable archive gives the face-coloured surface of a 9 x 17 frame.
OffscreenFrame PaintOffscreenFrame(const std::string& archivePath, FrameIndex index,
                                   Color background);
// The same picture from an archive's bytes already read, decoding the frame once.
OffscreenFrame PaintOffscreenFrame(std::span<const std::uint8_t> archive, FrameIndex index,
                                   Color background);

}  // namespace vestara
