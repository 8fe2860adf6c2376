#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/pixel_surface.h"
#include "graphics/stretch.h"
#include "render/frame_picture.h"

namespace vestara {

// A picture and the place of its top-left corner on a sheet.
struct PlacedPicture {
  const FramePicture* picture = nullptr;
  int x = 0;
  int y = 0;
};

// A sheet as its PNG is written: a byte per pixel in `opaque` (row by row from the top),
// 0 where the sheet is transparent, and black there.
struct SheetPicture {
  PixelSurface image;
  std::vector<std::uint8_t> opaque;
};

// The sheet of `size` with every picture copied whole to its place: a picture on a
// background opaque throughout, a transparent one opaque where it is, and transparent
// wherever no picture lies. The places must keep the pictures inside the sheet and apart.
SheetPicture ComposeSheet(Extent size, std::span<const PlacedPicture> pictures);

}  // namespace vestara
