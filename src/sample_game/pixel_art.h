#pragma once

#include <cstddef>
#include <cstdint>

#include "sample_game/archive_writer.h"

namespace vestara {

// A sprite being drawn for the sample game: a palette index per pixel plus whether the
// pixel is drawn at all. Every write is clipped to the picture.
class PixelArt {
 public:
  // Sizes are clamped to 0 .. 65535.
  PixelArt(int width, int height);

  int Width() const { return grid_.width; }
  int Height() const { return grid_.height; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  bool Drawn(int x, int y) const { return Contains(x, y) && grid_.drawn[Offset(x, y)]; }
  std::uint8_t Index(int x, int y) const { return Contains(x, y) ? grid_.pixels[Offset(x, y)] : 0; }

  void Set(int x, int y, std::uint8_t index);
  void Erase(int x, int y);
  void FillRect(int x, int y, int width, int height, std::uint8_t index);
  // The ellipse inside the box from (left, top) of `width` x `height` pixels.
  void FillEllipse(int left, int top, int width, int height, std::uint8_t index);
  // Draws `index` on every undrawn pixel that touches a drawn one (four neighbours).
  void Outline(std::uint8_t index);

  // The picture as the archive writer takes it.
  const SpriteGrid& Grid() const { return grid_; }

 private:
  std::size_t Offset(int x, int y) const {
    return static_cast<std::size_t>(y) * grid_.width + static_cast<std::size_t>(x);
  }

  SpriteGrid grid_;
};

}  // namespace vestara
