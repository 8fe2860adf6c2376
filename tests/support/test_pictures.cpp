#include "support/test_pictures.h"

#include <cstddef>

#include "sprite/sprite_palette.h"

namespace vestara::testing {

SpriteGrid PatternGrid(std::uint16_t width, std::uint16_t height, int seed) {
  SpriteGrid grid{width, height, {}, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      grid.pixels.push_back(static_cast<std::uint8_t>(x * 3 + y * 29 + seed * 101));
      grid.drawn.push_back((x + 2 * y + seed) % 5 != 0);
    }
  }
  return grid;
}

Color GridColor(const SpriteGrid& grid, int x, int y, Color background) {
  const auto i = static_cast<std::size_t>(y) * grid.width + static_cast<std::size_t>(x);
  return grid.drawn[i] ? SpritePalette[grid.pixels[i]] : background;
}

SpriteGrid GridFromRows(const std::vector<std::string>& rows,
                        const std::vector<std::pair<char, std::uint8_t>>& indices) {
  SpriteGrid grid;
  grid.width = static_cast<std::uint16_t>(rows.empty() ? 0 : rows[0].size());
  grid.height = static_cast<std::uint16_t>(rows.size());
  for (const std::string& row : rows) {
    for (char c : row) {
      std::uint8_t index = 0;
      for (const auto& [symbol, value] : indices) {
        if (symbol == c) index = value;
      }
      grid.pixels.push_back(index);
      grid.drawn.push_back(c != '.');
    }
  }
  return grid;
}

}  // namespace vestara::testing
