#include "sample_game/pixel_art.h"

#include <algorithm>
#include <vector>

namespace vestara {

namespace {

std::uint16_t ClampedSide(int side) {
  return static_cast<std::uint16_t>(std::clamp(side, 0, 0xFFFF));
}

}  // namespace

PixelArt::PixelArt(int width, int height) {
  grid_.width = ClampedSide(width);
  grid_.height = ClampedSide(height);
  grid_.pixels.assign(std::size_t{grid_.width} * grid_.height, 0);
  grid_.drawn.assign(grid_.pixels.size(), false);
}

void PixelArt::Set(int x, int y, std::uint8_t index) {
  if (!Contains(x, y)) return;
  grid_.pixels[Offset(x, y)] = index;
  grid_.drawn[Offset(x, y)] = true;
}

void PixelArt::Erase(int x, int y) {
  if (Contains(x, y)) grid_.drawn[Offset(x, y)] = false;
}

void PixelArt::FillRect(int x, int y, int width, int height, std::uint8_t index) {
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) Set(column, row, index);
  }
}

void PixelArt::FillEllipse(int left, int top, int width, int height, std::uint8_t index) {
  // Twice the coordinates keeps the centre of even-sized boxes on a pixel edge.
  const long long rx = width;
  const long long ry = height;
  for (int row = top; row < top + height; ++row) {
    for (int column = left; column < left + width; ++column) {
      const long long dx = 2LL * (column - left) + 1 - rx;
      const long long dy = 2LL * (row - top) + 1 - ry;
      if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry) Set(column, row, index);
    }
  }
}

void PixelArt::Outline(std::uint8_t index) {
  const std::vector<bool> before = grid_.drawn;
  const auto drawnBefore = [&](int x, int y) { return Contains(x, y) && before[Offset(x, y)]; };
  for (int y = 0; y < Height(); ++y) {
    for (int x = 0; x < Width(); ++x) {
      if (drawnBefore(x, y)) continue;
      if (drawnBefore(x - 1, y) || drawnBefore(x + 1, y) || drawnBefore(x, y - 1) ||
          drawnBefore(x, y + 1)) {
        Set(x, y, index);
      }
    }
  }
}

}  // namespace vestara
