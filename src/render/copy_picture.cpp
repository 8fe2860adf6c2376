#include "render/copy_picture.h"

#include <utility>
#include <variant>
#include <vector>

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

// A capture stretches only the fixed source rectangle: past its destination a capture
// holds none of the frame, so neither does its transparent copy.
void KeepCapturedPart(FramePicture& picture, int zoomPercent) {
  const Extent captured = StretchDestinationSize(zoomPercent);
  const int width = picture.image.Width();
  for (int y = 0; y < picture.image.Height(); ++y) {
    for (int x = 0; x < width; ++x) {
      if (x < captured.width && y < captured.height) continue;
      picture.image.SetPixel(x, y, 0);
      picture.opaque[static_cast<std::size_t>(y) * width + x] = 0;
    }
  }
}

}  // namespace

std::optional<FramePicture> MakeCopyPicture(const std::string& archivePath, FrameIndex index,
                                            int zoomPercent, Color background, CopyKind kind) {
  if (kind == CopyKind::Opaque) {
    return CapturePicture(PaintOffscreenFrame(archivePath, index, background), zoomPercent);
  }
  const std::vector<std::uint8_t> archive = ReadSpriteArchive(archivePath);
  std::variant<FramePicture, FrameFailure> made =
      MakeFramePicture(archive, index, zoomPercent, std::nullopt);
  if (auto* picture = std::get_if<FramePicture>(&made)) {
    KeepCapturedPart(*picture, zoomPercent);
    return std::move(*picture);
  }
  return CapturePicture(PaintOffscreenFrame(archive, index, background), zoomPercent);
}

}  // namespace vestara
