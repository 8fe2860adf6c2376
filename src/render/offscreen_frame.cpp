#include "render/offscreen_frame.h"

#include <algorithm>
#include <optional>

#include "render/view_geometry.h"
#include "sprite/sprite_file.h"

namespace vestara {
namespace {

PixelSurface FaceColoredSurface(FrameSize size) {
  return PixelSurface(std::min(3 * size.width, kStretchSourceSize.width),
                      std::min(3 * size.height, kStretchSourceSize.height), kDefaultFaceColor);
}

}  // namespace

OffscreenFrame PaintOffscreenFrame(const std::string& archivePath, FrameIndex index,
                                   Color background) {
  OffscreenFrame frame;
  MeasureSpriteFrame(archivePath, index, frame.size);
  frame.surface = FaceColoredSurface(frame.size);
  // The painter's size is the measure's, unless the file changed in between; the surface
  // keeps the measured one.
  FrameSize painted;
  PaintSpriteFrame(frame.surface, archivePath, background, index, painted);
  return frame;
}

OffscreenFrame PaintOffscreenFrame(std::span<const std::uint8_t> archive, FrameIndex index,
                                   Color background) {
  const std::optional<SpriteFrame> sprite = SpriteFrame::Find(archive, index);
  OffscreenFrame frame{{}, sprite ? sprite->Size() : kUnreadableFrameSize};
  frame.surface = FaceColoredSurface(frame.size);
  if (sprite) sprite->Paint(background, frame.surface);
  return frame;
}

}  // namespace vestara
