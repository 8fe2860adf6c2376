#include "cli/frame_picture.h"

#include <cstddef>

#include "graphics/stretch.h"
#include "render/render_pipeline.h"

namespace vestara {
namespace {

// Two different fills: a pixel that comes out the same over both is one the sprite draws.
constexpr Color kFirstProbeFill = 0x000000;
constexpr Color kSecondProbeFill = 0xFFFFFF;

bool FitsOnePicture(long long width, long long height) {
  return width * height <= kMaxSnapshotPixels;
}

PixelSurface PaintOver(std::span<const std::uint8_t> archive, FrameIndex index, FrameSize size,
                       Color fill) {
  PixelSurface surface(size.width, size.height, fill);
  PaintFrame(archive, index, fill, surface);
  return surface;
}

// The frame pixels [first, first + count) that fall on one picture pixel along an axis:
// the same pixels the halftone stretch averages, or the one colour-on-colour takes.
struct SourceSpan {
  int first = 0;
  int count = 0;
};

std::vector<SourceSpan> SourceSpans(int sourceLength, int pictureLength) {
  std::vector<SourceSpan> spans(static_cast<std::size_t>(pictureLength));
  const auto firstOnto = [&](long long d) {
    return static_cast<int>((d * sourceLength + pictureLength - 1) / pictureLength);
  };
  for (int d = 0; d < pictureLength; ++d) {
    const int first = firstOnto(d);
    const int end = firstOnto(d + 1LL);
    spans[static_cast<std::size_t>(d)] =
        first < end ? SourceSpan{first, end - first}
                    : SourceSpan{static_cast<int>(d * 1LL * sourceLength / pictureLength), 1};
  }
  return spans;
}

void ScaleTransparent(const PixelSurface& frame, const std::vector<bool>& drawn,
                      FramePicture& picture) {
  const int width = picture.image.Width();
  const int height = picture.image.Height();
  const std::vector<SourceSpan> columns = SourceSpans(frame.Width(), width);
  const std::vector<SourceSpan> rows = SourceSpans(frame.Height(), height);
  picture.opaque.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), false);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned long long red = 0, green = 0, blue = 0, count = 0, all = 0;
      for (int sy = rows[y].first; sy < rows[y].first + rows[y].count; ++sy) {
        for (int sx = columns[x].first; sx < columns[x].first + columns[x].count; ++sx) {
          ++all;
          if (!drawn[static_cast<std::size_t>(sy) * frame.Width() + sx]) continue;
          const Color c = frame.GetPixel(sx, sy);
          red += RedOf(c);
          green += GreenOf(c);
          blue += BlueOf(c);
          ++count;
        }
      }
      if (count == 0 || 2 * count < all) continue;
      const auto average = [count](unsigned long long sum) {
        return static_cast<std::uint8_t>((sum + count / 2) / count);
      };
      picture.image.SetPixel(x, y, MakeColor(average(red), average(green), average(blue)));
      picture.opaque[static_cast<std::size_t>(y) * width + x] = true;
    }
  }
}

}  // namespace

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
  const std::optional<FrameSize> size = MeasureFrame(archive, index);
  if (!size) return FrameFailure::Unreadable;
  const long long width = static_cast<long long>(size->width) * zoomPercent / 100;
  const long long height = static_cast<long long>(size->height) * zoomPercent / 100;
  if (width <= 0 || height <= 0) return FrameFailure::EmptyPicture;
  if (!FitsOnePicture(width, height) || !FitsOnePicture(size->width, size->height)) {
    return FrameFailure::TooLarge;
  }

  FramePicture picture{*size, PixelSurface(static_cast<int>(width), static_cast<int>(height)), {}};
  if (background) {
    const PixelSurface frame = PaintOver(archive, index, *size, *background);
    StretchCopy(frame, {size->width, size->height}, picture.image,
                {static_cast<int>(width), static_cast<int>(height)},
                zoomPercent < 100 ? StretchMode::Halftone : StretchMode::ColorOnColor, *background);
    return picture;
  }
  const PixelSurface first = PaintOver(archive, index, *size, kFirstProbeFill);
  const PixelSurface second = PaintOver(archive, index, *size, kSecondProbeFill);
  std::vector<bool> drawn(first.Pixels().size());
  for (std::size_t i = 0; i < drawn.size(); ++i) drawn[i] = first.Pixels()[i] == second.Pixels()[i];
  ScaleTransparent(first, drawn, picture);
  return picture;
}

}  // namespace vestara
