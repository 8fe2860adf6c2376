#include "render/sprite_sheet.h"

#include <algorithm>
#include <cstddef>

namespace vestara {

SheetPicture ComposeSheet(Extent size, std::span<const PlacedPicture> pictures) {
  SheetPicture sheet{
      PixelSurface(size.width, size.height),
      std::vector<std::uint8_t>(
          static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height), 0)};
  for (const PlacedPicture& placed : pictures) {
    const FramePicture& picture = *placed.picture;
    const int width = picture.image.Width();
    for (int row = 0; row < picture.image.Height(); ++row) {
      const std::span<const Color> from = picture.image.Row(row);
      std::ranges::copy(from, sheet.image.Row(placed.y + row).begin() + placed.x);
      const std::size_t at = static_cast<std::size_t>(placed.y + row) * size.width + placed.x;
      const auto mask = sheet.opaque.begin() + static_cast<std::ptrdiff_t>(at);
      if (picture.opaque.empty()) {
        std::fill_n(mask, width, std::uint8_t{1});
      } else {
        std::copy_n(picture.opaque.begin() + static_cast<std::ptrdiff_t>(row) * width, width, mask);
      }
    }
  }
  return sheet;
}

}  // namespace vestara
