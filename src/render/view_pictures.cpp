#include "render/view_pictures.h"

#include <algorithm>

#include "graphics/stretch.h"
#include "render/view_geometry.h"

namespace vestara {
namespace {

void StretchOffscreenFrame(const OffscreenFrame& frame, int zoomPercent, StretchMode mode,
                           PixelSurface& destination) {
  StretchCopy(frame.surface, kStretchSourceSize, destination, StretchDestinationSize(zoomPercent),
              mode, kDefaultFaceColor);
}

}  // namespace

void DrawPreview(const OffscreenFrame& frame, int zoomPercent, PixelSurface& preview) {
  // The stretch sets every pixel of its rectangle (clipped to the preview). Around it a
  // smaller picture must not leave parts of an earlier, larger one, so the rest is filled
  // with the face colour; filling the rectangle as well would only be overwritten.
  const Extent size = StretchDestinationSize(zoomPercent);
  const bool drawn = size.width > 0 && size.height > 0;
  const int coveredWidth = drawn ? std::min(size.width, preview.Width()) : 0;
  const int coveredHeight = drawn ? std::min(size.height, preview.Height()) : 0;
  preview.FillRect(coveredWidth, 0, preview.Width() - coveredWidth, coveredHeight,
                   kDefaultFaceColor);
  preview.FillRect(0, coveredHeight, preview.Width(), preview.Height() - coveredHeight,
                   kDefaultFaceColor);
  StretchOffscreenFrame(frame, zoomPercent, StretchMode::ColorOnColor, preview);
}

std::optional<SnapshotImage> MakeCaptureImage(const OffscreenFrame& frame, int zoomPercent) {
  const Extent size = ZoomedSize(frame.size, zoomPercent);
  if (!IsMakeablePicture(size)) return std::nullopt;
  SnapshotImage image(size.width, size.height, MakeColor(0, 0, 0));
  StretchOffscreenFrame(frame, zoomPercent, PictureStretchMode(zoomPercent), image);
  return image;
}

}  // namespace vestara
