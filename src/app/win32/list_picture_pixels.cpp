#include "app/win32/list_picture_pixels.h"

namespace vestara {

std::vector<std::uint32_t> SquarePremultipliedPixels(const ListPicture& picture, int side) {
  if (side <= 0) return {};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(side) * side, 0);
  const int left = (side - picture.image.Width()) / 2;
  const int top = (side - picture.image.Height()) / 2;
  for (int y = 0; y < picture.image.Height(); ++y) {
    for (int x = 0; x < picture.image.Width(); ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * picture.image.Width() + x;
      if (picture.opaque[at] == 0 || left + x < 0 || top + y < 0 || left + x >= side ||
          top + y >= side) {
        continue;
      }
      const Color color = picture.image.GetPixel(x, y);
      pixels[static_cast<std::size_t>(top + y) * side + (left + x)] =
          0xFF000000u | (std::uint32_t{RedOf(color)} << 16) | (std::uint32_t{GreenOf(color)} << 8) |
          BlueOf(color);
    }
  }
  return pixels;
}

}  // namespace vestara
