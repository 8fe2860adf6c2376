#include "graphics/pixel_surface.h"

#include <algorithm>
#include <cstddef>

namespace vestara {

PixelSurface::PixelSurface(int width, int height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
}

void PixelSurface::SetPixel(int x, int y, Color color) {
  if (Contains(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = color;
}

Color PixelSurface::GetPixel(int x, int y, Color outside) const {
  return Contains(x, y) ? pixels_[static_cast<std::size_t>(y) * width_ + x] : outside;
}

void PixelSurface::FillRect(int x, int y, int width, int height, Color color) {
  // Clip in 64 bits so that huge rectangles cannot overflow.
  const long long left = std::max<long long>(x, 0);
  const long long top = std::max<long long>(y, 0);
  const long long right = std::min<long long>(static_cast<long long>(x) + width, width_);
  const long long bottom = std::min<long long>(static_cast<long long>(y) + height, height_);
  if (left >= right) return;
  for (long long row = top; row < bottom; ++row) {
    auto line = Row(static_cast<int>(row));
    std::fill(line.begin() + left, line.begin() + right, color);
  }
}

std::span<Color> PixelSurface::Row(int y) {
  return std::span<Color>(pixels_).subspan(static_cast<std::size_t>(y) * width_, width_);
}

std::span<const Color> PixelSurface::Row(int y) const {
  return std::span<const Color>(pixels_).subspan(static_cast<std::size_t>(y) * width_, width_);
}

}  // namespace vestara
