#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "graphics/color.h"
#include "graphics/pixel_surface.h"
#include "sprite/sprite_decoder.h"

namespace vestara {

// A whole frame scaled by a zoom, opaque or transparent: no margin and no size limit of the
// viewer's preview. What `frame` and `export` write, and what sheets are packed from.
struct FramePicture {
  FrameSize frameSize;  // the frame's own size, before the zoom
  PixelSurface image;
  // Empty for a picture on a background; with transparency a byte per pixel, row by row
  // from the top: 1 where the sprite is drawn, 0 where the picture is transparent (and
  // black).
  std::vector<std::uint8_t> opaque;
};

// Why a frame gives no picture.
enum class FrameFailure {
  Unreadable,    // refused by the decoder: not in the archive, or damaged
  EmptyPicture,  // a side of 0 pixels after the zoom
  TooLarge,      // more pixels than one picture may hold
};
std::string DescribeFrameFailure(FrameFailure failure);

// The frame `index` of the archive bytes, decoded once and scaled by zoomPercent / 100
// (remainders dropped) as PictureStretchMode says. With a background
// colour the undrawn pixels show it; without one they are transparent. Scaled down
// transparently, a picture pixel averages the drawn frame pixels that fall on it and is
// opaque when at least half of them are drawn.
std::variant<FramePicture, FrameFailure> MakeFramePicture(std::span<const std::uint8_t> archive,
                                                          FrameIndex index, int zoomPercent,
                                                          std::optional<Color> background);

}  // namespace vestara
