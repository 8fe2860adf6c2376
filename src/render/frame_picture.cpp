#include "render/frame_picture.h"

#include "graphics/stretch.h"
#include "graphics/stretch_drawn.h"
#include "render/view_geometry.h"

namespace vestara {

std::string DescribeFrameFailure(FrameFailure failure) {
  switch (failure) {
    case FrameFailure::Unreadable:
      return "the frame is missing or damaged";
    case FrameFailure::EmptyPicture:
      return "the picture would have no pixels";
    case FrameFailure::TooLarge:
      return "the picture would be too large";
  }
  return {};
}

std::variant<FramePicture, FrameFailure> MakeFramePicture(std::span<const std::uint8_t> archive,
                                                          FrameIndex index, int zoomPercent,
                                                          std::optional<Color> background) {
  const std::optional<SpriteFrame> sprite = SpriteFrame::Find(archive, index);
  if (!sprite) return FrameFailure::Unreadable;
  const FrameSize size = sprite->Size();
  const Extent zoomed = ZoomedSize(size, zoomPercent);
  if (zoomed.width <= 0 || zoomed.height <= 0) return FrameFailure::EmptyPicture;
  if (!IsMakeablePicture(zoomed) || !IsMakeablePicture({size.width, size.height})) {
    return FrameFailure::TooLarge;
  }

  // Rows that a damaged frame leaves unpainted show the background, or are not drawn.
  PixelSurface frame(size.width, size.height, background.value_or(0));
  std::vector<std::uint8_t> drawn;
  if (!background) drawn.assign(frame.Pixels().size(), 0);
  sprite->Paint(background.value_or(0), frame, drawn);

  FramePicture picture{size, PixelSurface(zoomed.width, zoomed.height), {}};
  if (background) {
    StretchCopy(frame, {size.width, size.height}, picture.image, zoomed,
                PictureStretchMode(zoomPercent), *background);
    return picture;
  }
  picture.opaque.assign(picture.image.Pixels().size(), 0);
  StretchDrawnPixels(frame, drawn, picture.image, picture.opaque);
  return picture;
}

}  // namespace vestara
