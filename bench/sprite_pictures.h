#pragma once

#include <cstdint>
#include <vector>

#include "sample_game/archive_writer.h"

namespace vestara::bench {

// An item-like picture: an oval body with a dark outline and shaded colours, cut by
// slanted slits, so that its rows hold a few runs of drawn pixels between background
// pixels, as equipment sprites do. About three fifths of the pixels are drawn.
SpriteGrid ItemLikeSprite(std::uint16_t width, std::uint16_t height);

// A well-formed archive whose frame `index` is `grid`; the frames before it are 1 x 1.
std::vector<std::uint8_t> ArchiveWithFrame(const SpriteGrid& grid, std::uint16_t index);

}  // namespace vestara::bench
