#include "graphics/stretch_drawn.h"

#include <cstddef>
#include <vector>

#include "graphics/source_spans.h"

namespace vestara {

void StretchDrawnPixels(const PixelSurface& source, std::span<const std::uint8_t> drawn,
                        PixelSurface& destination, std::span<std::uint8_t> destinationDrawn) {
  const int width = destination.Width();
  const int height = destination.Height();
  if (source.Width() <= 0 || source.Height() <= 0) return;
  const std::vector<SourceSpan> columns = AveragedSourceSpans(source.Width(), width, width);
  const std::vector<SourceSpan> rows = AveragedSourceSpans(source.Height(), height, height);
  const auto sourceWidth = static_cast<std::size_t>(source.Width());
  for (int y = 0; y < height; ++y) {
    const SourceSpan rowSpan = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < width; ++x) {
      const SourceSpan columnSpan = columns[static_cast<std::size_t>(x)];
      unsigned long long red = 0, green = 0, blue = 0, count = 0;
      for (int sy = rowSpan.first; sy < rowSpan.first + rowSpan.count; ++sy) {
        const std::span<const Color> from = source.Row(sy);
        for (int sx = columnSpan.first; sx < columnSpan.first + columnSpan.count; ++sx) {
          if (drawn[static_cast<std::size_t>(sy) * sourceWidth + static_cast<std::size_t>(sx)] ==
              0) {
            continue;
          }
          const Color c = from[static_cast<std::size_t>(sx)];
          red += RedOf(c);
          green += GreenOf(c);
          blue += BlueOf(c);
          ++count;
        }
      }
      const auto all = static_cast<unsigned long long>(rowSpan.count) *
                       static_cast<unsigned long long>(columnSpan.count);
      if (count == 0 || 2 * count < all) continue;
      const auto average = [count](unsigned long long sum) {
        return static_cast<std::uint8_t>((sum + count / 2) / count);
      };
      destination.SetPixel(x, y, MakeColor(average(red), average(green), average(blue)));
      destinationDrawn[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)] = 1;
    }
  }
}

}  // namespace vestara
