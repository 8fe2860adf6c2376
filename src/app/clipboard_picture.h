#pragma once

#include <cstdint>
#include <span>

#include "graphics/pixel_surface.h"

namespace vestara {

// A picture for the clipboard, in the forms that programs take: its pixels and, when it is
// transparent, a byte per pixel (0 where transparent, row by row from the top; empty for an
// opaque picture), and the same picture as a PNG file.
struct ClipboardPicture {
  const PixelSurface& image;
  std::span<const std::uint8_t> opaque;
  std::span<const unsigned char> png;
};

}  // namespace vestara
