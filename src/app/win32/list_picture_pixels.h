#pragma once

#include <cstdint>
#include <vector>

#include "render/list_pictures.h"

namespace vestara {

// A list entry's picture as the pixels of a top-down 32-bit DIB section that AlphaBlend
// draws: centred in a square of `side` pixels, each pixel 0xAARRGGBB with its colour
// premultiplied by its alpha (255 where the frame is drawn, 0 elsewhere). Empty for a side
// of 0.
std::vector<std::uint32_t> SquarePremultipliedPixels(const ListPicture& picture, int side);

}  // namespace vestara
