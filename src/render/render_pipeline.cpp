#include "render/render_pipeline.h"

#include <algorithm>
#include <limits>

#include "sprite/sprite_file.h"

namespace vestara {
namespace {

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

StretchMode CaptureStretchMode(int zoomPercent) {
  return zoomPercent <= 50 ? StretchMode::Halftone : StretchMode::ColorOnColor;
}

void StretchOffscreenFrame(const OffscreenFrame& frame, int zoomPercent, StretchMode mode,
                           Color faceColor, PixelSurface& destination) {
  StretchCopy(frame.surface, kStretchSourceSize, destination, StretchDestinationSize(zoomPercent),
              mode, faceColor);
}

}  // namespace

Extent StretchDestinationSize(int zoomPercent) {
  const std::int64_t zoom = zoomPercent;
  return {ClampToInt(zoom * 136 / 100 * 3), ClampToInt(zoom * 120 / 100 * 3)};
}

Extent SnapshotImageSize(std::uint16_t frameWidth, std::uint16_t frameHeight, int zoomPercent) {
  const std::int64_t zoom = zoomPercent;
  return {ClampToInt(frameWidth * zoom / 100), ClampToInt(frameHeight * zoom / 100)};
}

OffscreenFrame PaintOffscreenFrame(const std::string& archivePath, FrameIndex index,
                                   Color backgroundColor, Color faceColor) {
  OffscreenFrame frame;
  MeasureSpriteFrame(archivePath, index, frame.height, frame.width);
  const int width = std::min(3 * frame.width, kStretchSourceSize.width);
  const int height = std::min(3 * frame.height, kStretchSourceSize.height);
  frame.surface = PixelSurface(width, height, faceColor);
  std::uint16_t paintedHeight = 0;
  std::uint16_t paintedWidth = 0;
  PaintSpriteFrame(frame.surface, archivePath, backgroundColor, index, paintedHeight, paintedWidth);
  return frame;
}

void DrawPreview(const OffscreenFrame& frame, int zoomPercent, Color faceColor,
                 PixelSurface& preview) {
  // The stretch sets every pixel of its rectangle (clipped to the preview). Around it a
  // smaller picture must not leave parts of an earlier, larger one, so the rest is filled
  // with the face colour; filling the rectangle as well would only be overwritten.
  const Extent size = StretchDestinationSize(zoomPercent);
  const bool drawn = size.width > 0 && size.height > 0;
  const int coveredWidth = drawn ? std::min(size.width, preview.Width()) : 0;
  const int coveredHeight = drawn ? std::min(size.height, preview.Height()) : 0;
  preview.FillRect(coveredWidth, 0, preview.Width() - coveredWidth, coveredHeight, faceColor);
  preview.FillRect(0, coveredHeight, preview.Width(), preview.Height() - coveredHeight, faceColor);
  StretchOffscreenFrame(frame, zoomPercent, StretchMode::ColorOnColor, faceColor, preview);
}

std::optional<SnapshotImage> MakeCaptureImage(const OffscreenFrame& frame, int zoomPercent,
                                              Color faceColor) {
  const Extent size = SnapshotImageSize(frame.width, frame.height, zoomPercent);
  if (size.width <= 0 || size.height <= 0 ||
      std::int64_t{size.width} * size.height > kMaxSnapshotPixels) {
    return std::nullopt;
  }
  SnapshotImage image(size.width, size.height, MakeColor(0, 0, 0));
  StretchOffscreenFrame(frame, zoomPercent, CaptureStretchMode(zoomPercent), faceColor, image);
  return image;
}

std::optional<SnapshotImage> RenderCapture(const std::string& archivePath, FrameIndex index,
                                           int zoomPercent, Color backgroundColor,
                                           Color faceColor) {
  return MakeCaptureImage(PaintOffscreenFrame(archivePath, index, backgroundColor, faceColor),
                          zoomPercent, faceColor);
}

}  // namespace vestara
