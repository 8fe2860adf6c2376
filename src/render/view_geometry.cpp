#include "render/view_geometry.h"

#include <algorithm>
#include <limits>

namespace vestara {
namespace {

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

Extent StretchDestinationSize(int zoomPercent) {
  const std::int64_t zoom = zoomPercent;
  return {ClampToInt(zoom * kPictureAreaThirds.width / 100 * 3),
          ClampToInt(zoom * kPictureAreaThirds.height / 100 * 3)};
}

Extent ZoomedSize(FrameSize size, int zoomPercent) {
  const std::int64_t zoom = zoomPercent;
  return {ClampToInt(size.width * zoom / 100), ClampToInt(size.height * zoom / 100)};
}

Extent ShownPictureSize(FrameSize size, int zoomPercent) {
  const Extent zoomed = ZoomedSize(size, zoomPercent);
  const Extent area = StretchDestinationSize(zoomPercent);
  return {std::min(zoomed.width, area.width), std::min(zoomed.height, area.height)};
}

StretchMode PictureStretchMode(int zoomPercent) {
  return zoomPercent <= 50 ? StretchMode::Halftone : StretchMode::ColorOnColor;
}

bool IsMakeablePicture(Extent size) {
  return size.width > 0 && size.height > 0 &&
         std::int64_t{size.width} * size.height <= kMaxPicturePixels;
}

}  // namespace vestara
