#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "graphics/color.h"
#include "sample_game/archive_writer.h"

namespace vestara::testing {

// A picture whose neighbouring pixels differ; `seed` tells pictures apart. Every fifth
// pixel is not drawn, so the background shows there.
SpriteGrid PatternGrid(std::uint16_t width, std::uint16_t height, int seed);
// The colour that grid pixel (x, y) is painted in over `background`.
Color GridColor(const SpriteGrid& grid, int x, int y, Color background);

// A grid from a list of equally long rows: '.' undrawn, any other character drawn with
// the palette index `indices` gives it (0 when it gives none).
SpriteGrid GridFromRows(const std::vector<std::string>& rows,
                        const std::vector<std::pair<char, std::uint8_t>>& indices);

}  // namespace vestara::testing
