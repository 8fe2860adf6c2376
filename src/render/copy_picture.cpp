#include "render/copy_picture.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "graphics/stretch_drawn.h"
#include "render/offscreen_frame.h"
#include "render/view_geometry.h"
#include "render/view_pictures.h"
#include "sprite/sprite_file.h"

namespace vestara {
namespace {

std::optional<FramePicture> CapturePicture(const OffscreenFrame& frame, int zoomPercent) {
  std::optional<SnapshotImage> image = MakeCaptureImage(frame, zoomPercent);
  if (!image) return std::nullopt;
  return FramePicture{frame.size, std::move(*image), {}};
}

// The transparent counterpart of the capture picture of `sprite`, over the capture's own
// geometry: the capture stretches the fixed source rectangle, so only the frame's part
// within it shows, and each picture pixel takes the source pixels that the capture's
// stretch maps onto it (at 50 % the two by two from an even position, also where the frame
// has an odd side). Nullopt when the capture would make no picture.
std::optional<FramePicture> TransparentCapture(const SpriteFrame& sprite, int zoomPercent) {
  const FrameSize size = sprite.Size();
  const Extent whole = ZoomedSize(size, zoomPercent);
  if (!IsMakeablePicture(whole)) return std::nullopt;
  const FrameSize captured{
      static_cast<std::uint16_t>(std::min<int>(size.width, kStretchSourceSize.width)),
      static_cast<std::uint16_t>(std::min<int>(size.height, kStretchSourceSize.height))};
  const Extent shown = ZoomedSize(captured, zoomPercent);
  const Extent source{shown.width * 100 / zoomPercent, shown.height * 100 / zoomPercent};

  FramePicture picture{size, PixelSurface(whole.width, whole.height), {}};
  picture.opaque.assign(picture.image.Pixels().size(), 0);
  if (shown.width <= 0 || shown.height <= 0) return picture;
  PixelSurface frame(source.width, source.height);
  std::vector<std::uint8_t> drawn(frame.Pixels().size(), 0);
  sprite.Paint(0, frame, drawn);
  PixelSurface part(shown.width, shown.height);
  std::vector<std::uint8_t> partOpaque(part.Pixels().size(), 0);
  StretchDrawnPixels(frame, drawn, part, partOpaque);
  for (int y = 0; y < shown.height; ++y) {
    const auto from = static_cast<std::size_t>(y) * shown.width;
    std::ranges::copy(part.Row(y), picture.image.Row(y).begin());
    std::copy_n(partOpaque.begin() + static_cast<std::ptrdiff_t>(from), shown.width,
                picture.opaque.begin() + static_cast<std::ptrdiff_t>(y) * whole.width);
  }
  return picture;
}

}  // namespace

std::optional<FramePicture> MakeCopyPicture(const std::string& archivePath, FrameIndex index,
                                            int zoomPercent, Color background, CopyKind kind) {
  if (kind == CopyKind::Opaque) {
    return CapturePicture(PaintOffscreenFrame(archivePath, index, background), zoomPercent);
  }
  const std::vector<std::uint8_t> archive = ReadSpriteArchive(archivePath);
  if (const std::optional<SpriteFrame> sprite = SpriteFrame::Find(archive, index)) {
    return TransparentCapture(*sprite, zoomPercent);
  }
  return CapturePicture(PaintOffscreenFrame(archive, index, background), zoomPercent);
}

}  // namespace vestara
