#include "app/qt/picture_image.h"

namespace vestara {

QImage ImageOf(const PixelSurface& pixels, std::span<const std::uint8_t> opaque) {
  const bool transparent = !opaque.empty();
  QImage image(pixels.Width(), pixels.Height(),
               transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  std::size_t index = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (const Color color : pixels.Row(y)) {
      const bool shown = !transparent || opaque[index] != 0;
      ++index;
      *line++ = shown ? qRgb(RedOf(color), GreenOf(color), BlueOf(color)) : qRgba(0, 0, 0, 0);
    }
  }
  return image;
}

}  // namespace vestara
