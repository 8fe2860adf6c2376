#pragma once

#include <span>
#include <vector>

#include "graphics/color.h"

namespace vestara {

// An in-memory RGB surface with (0, 0) at the top-left. Every write is clipped
// to the surface: drawing outside it is a no-op.
class PixelSurface {
 public:
  PixelSurface() = default;
  // Negative sizes give an empty surface.
  PixelSurface(int width, int height, Color fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  void SetPixel(int x, int y, Color color);
  // Pixels outside the surface read as `outside`.
  Color GetPixel(int x, int y, Color outside = 0) const;
  void FillRect(int x, int y, int width, int height, Color color);

  // Row y as a span of Width() pixels; y must lie inside the surface.
  std::span<Color> Row(int y);
  std::span<const Color> Row(int y) const;
  const std::vector<Color>& Pixels() const { return pixels_; }

  friend bool operator==(const PixelSurface&, const PixelSurface&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

}  // namespace vestara
