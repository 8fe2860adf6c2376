#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "graphics/pixel_surface.h"
#include "graphics/stretch.h"
#include "sprite/sprite_decoder.h"

namespace vestara {

// A frame's small picture for a list entry: only its drawn pixels are shown.
struct ListPicture {
  PixelSurface image;
  // A byte per pixel, row by row from the top: 1 where the frame is drawn, 0 where the
  // list's own background shows through.
  std::vector<std::uint8_t> opaque;
};

// The two squares a list entry's picture is fitted into, in device pixels: the rows of the
// opened list and the closed list's field.
struct ListPictureSides {
  int row = 0;
  int field = 0;
};

// An entry's two pictures; none where the frame cannot be decoded.
struct EntryPictures {
  std::optional<ListPicture> row;
  std::optional<ListPicture> field;
};

// The size a frame takes in a square of `side` pixels: a larger frame is reduced to fit its
// longer side (each side rounded down, at least 1), a smaller one enlarged by the largest
// whole factor that fits. 0 x 0 for a frame or square without pixels.
Extent FittedSize(FrameSize frame, int side);

// The entry pictures of `frames`, all in the archive at the native `archivePath`, which is
// read once: a reduced picture averages the drawn frame pixels under each of its pixels and
// shows it where at least half of them are drawn; an enlarged one repeats each pixel. A
// missing or damaged archive or frame, or no frame at all, gives an entry without pictures.
std::vector<EntryPictures> MakeListPictures(const std::string& archivePath,
                                            std::span<const std::optional<FrameIndex>> frames,
                                            ListPictureSides sides);

}  // namespace vestara
