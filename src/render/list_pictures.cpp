#include "render/list_pictures.h"

#include <algorithm>

#include "graphics/stretch_drawn.h"
#include "sprite/sprite_file.h"

namespace vestara {
namespace {

// 2048 x 2048: many times the largest sprite.
constexpr std::int64_t kMaxListFramePixels = std::int64_t{1} << 22;

std::optional<ListPicture> Fit(const PixelSurface& frame, std::span<const std::uint8_t> drawn,
                               FrameSize size, int side) {
  if (side <= 0) return std::nullopt;
  const Extent fitted = FittedSize(size, side);
  ListPicture picture{PixelSurface(fitted.width, fitted.height), {}};
  picture.opaque.assign(picture.image.Pixels().size(), 0);
  StretchDrawnPixels(frame, drawn, picture.image, picture.opaque);
  return picture;
}

EntryPictures PicturesOf(std::span<const std::uint8_t> archive, FrameIndex index,
                         ListPictureSides sides) {
  const std::optional<SpriteFrame> sprite = SpriteFrame::Find(archive, index);
  if (!sprite) return {};
  const FrameSize size = sprite->Size();
  // The whole frame is decoded to be reduced: a frame beyond any sprite's size, as only a
  // damaged archive gives, would hold the lists up, and shows no picture.
  if (size.width <= 0 || size.height <= 0 ||
      std::int64_t{size.width} * size.height > kMaxListFramePixels) {
    return {};
  }
  PixelSurface frame(size.width, size.height);
  std::vector<std::uint8_t> drawn(frame.Pixels().size(), 0);
  sprite->Paint(0, frame, drawn);
  return {Fit(frame, drawn, size, sides.row), Fit(frame, drawn, size, sides.field)};
}

}  // namespace

Extent FittedSize(FrameSize frame, int side) {
  const int longer = std::max(frame.width, frame.height);
  if (frame.width <= 0 || frame.height <= 0 || side <= 0) return {0, 0};
  if (longer > side) {
    const auto reduced = [&](int length) {
      return std::max(1, static_cast<int>(std::int64_t{length} * side / longer));
    };
    return {reduced(frame.width), reduced(frame.height)};
  }
  const int factor = side / longer;
  return {frame.width * factor, frame.height * factor};
}

std::vector<EntryPictures> MakeListPictures(const std::string& archivePath,
                                            std::span<const std::optional<FrameIndex>> frames,
                                            ListPictureSides sides) {
  const std::vector<std::uint8_t> archive = ReadSpriteArchive(archivePath);
  std::vector<EntryPictures> pictures;
  pictures.reserve(frames.size());
  for (const std::optional<FrameIndex> index : frames) {
    pictures.push_back(index ? PicturesOf(archive, *index, sides) : EntryPictures{});
  }
  return pictures;
}

}  // namespace vestara
