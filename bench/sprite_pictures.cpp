#include "sprite_pictures.h"

#include <algorithm>
#include <cstddef>

namespace vestara::bench {

SpriteGrid ItemLikeSprite(std::uint16_t width, std::uint16_t height) {
  const std::size_t count = std::size_t{width} * height;
  SpriteGrid grid{width, height, std::vector<std::uint8_t>(count), std::vector<bool>(count)};
  const double centreX = (width - 1) / 2.0;
  const double centreY = (height - 1) / 2.0;
  const double radiusX = width * 0.49;
  const double radiusY = height * 0.49;
  const int slitPeriod = std::max(4, width / 5);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double dx = (x - centreX) / radiusX;
      const double dy = (y - centreY) / radiusY;
      const double distance = dx * dx + dy * dy;
      const bool slit = distance < 0.7 && (x + y / 2) % slitPeriod < slitPeriod / 5;
      const std::size_t i = std::size_t{width} * y + x;
      grid.drawn[i] = distance <= 1.0 && !slit;
      // Palette rows of 8 shades: a dark outline, then shading that changes every few pixels.
      grid.pixels[i] = distance > 0.85 ? 29 : static_cast<std::uint8_t>(96 + (x / 3 + y / 5) % 24);
    }
  }
  return grid;
}

std::vector<std::uint8_t> ArchiveWithFrame(const SpriteGrid& grid, std::uint16_t index) {
  const SpriteGrid dot{1, 1, {7}, {true}};
  std::vector<FrameRecord> frames(index, FrameFromGrid(dot));
  frames.push_back(FrameFromGrid(grid));
  return BuildArchive(frames);
}

}  // namespace vestara::bench
