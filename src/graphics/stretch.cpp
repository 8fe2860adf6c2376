#include "graphics/stretch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vestara {
namespace {

// The source index that colour-on-colour takes for destination index `d`.
int NearestSourceIndex(long long d, int sourceLength, int destinationLength) {
  return static_cast<int>(d * sourceLength / destinationLength);
}

std::vector<int> NearestSourceIndices(int sourceLength, int destinationLength, int count) {
  std::vector<int> indices(static_cast<std::size_t>(count));
  for (int d = 0; d < count; ++d)
    indices[d] = NearestSourceIndex(d, sourceLength, destinationLength);
  return indices;
}

// The source indices [first, first + count) that halftone averages for one destination index.
struct SourceSpan {
  int first = 0;
  int count = 0;
};

// Source index s maps onto destination index d exactly when d * S / D <= s < (d + 1) * S / D,
// that is from ceil(d * S / D) up to, but excluding, ceil((d + 1) * S / D).
std::vector<SourceSpan> AveragedSourceSpans(int sourceLength, int destinationLength, int count) {
  const auto firstMappingOnto = [&](long long d) {
    return static_cast<int>((d * sourceLength + destinationLength - 1) / destinationLength);
  };
  std::vector<SourceSpan> spans(static_cast<std::size_t>(count));
  for (int d = 0; d < count; ++d) {
    const int first = firstMappingOnto(d);
    const int end = firstMappingOnto(d + 1LL);
    spans[d] = first < end ? SourceSpan{first, end - first}
                           : SourceSpan{NearestSourceIndex(d, sourceLength, destinationLength), 1};
  }
  return spans;
}

void StretchColorOnColor(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                         Extent destinationSize, Extent clipped, Color outside) {
  const std::vector<int> columns =
      NearestSourceIndices(sourceSize.width, destinationSize.width, clipped.width);
  // The column map never decreases, so the columns read inside the source form a prefix.
  const auto insideColumns = static_cast<std::size_t>(
      std::lower_bound(columns.begin(), columns.end(), source.Width()) - columns.begin());
  int previousSourceRow = -1;
  for (int y = 0; y < clipped.height; ++y) {
    const int sourceRow = NearestSourceIndex(y, sourceSize.height, destinationSize.height);
    const auto row = destination.Row(y).first(static_cast<std::size_t>(clipped.width));
    if (sourceRow == previousSourceRow) {
      const auto above = destination.Row(y - 1).first(row.size());
      std::copy(above.begin(), above.end(), row.begin());
      continue;
    }
    previousSourceRow = sourceRow;
    std::size_t x = 0;
    if (sourceRow < source.Height()) {
      const auto from = source.Row(sourceRow);
      for (; x < insideColumns; ++x) row[x] = from[static_cast<std::size_t>(columns[x])];
    }
    std::fill(row.begin() + static_cast<std::ptrdiff_t>(x), row.end(), outside);
  }
}

void StretchHalftone(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                     Extent destinationSize, Extent clipped, Color outside) {
  const std::vector<SourceSpan> columns =
      AveragedSourceSpans(sourceSize.width, destinationSize.width, clipped.width);
  const std::vector<SourceSpan> rows =
      AveragedSourceSpans(sourceSize.height, destinationSize.height, clipped.height);
  for (int y = 0; y < clipped.height; ++y) {
    const auto row = destination.Row(y);
    for (int x = 0; x < clipped.width; ++x) {
      std::uint64_t red = 0, green = 0, blue = 0;
      for (int sy = rows[y].first; sy < rows[y].first + rows[y].count; ++sy) {
        for (int sx = columns[x].first; sx < columns[x].first + columns[x].count; ++sx) {
          const Color c = source.GetPixel(sx, sy, outside);
          red += RedOf(c);
          green += GreenOf(c);
          blue += BlueOf(c);
        }
      }
      const std::uint64_t n =
          static_cast<std::uint64_t>(rows[y].count) * static_cast<std::uint64_t>(columns[x].count);
      const auto rounded = [n](std::uint64_t sum) {
        return static_cast<std::uint8_t>((sum + n / 2) / n);
      };
      row[static_cast<std::size_t>(x)] = MakeColor(rounded(red), rounded(green), rounded(blue));
    }
  }
}

}  // namespace

void StretchCopy(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                 Extent destinationSize, StretchMode mode, Color outside) {
  if (sourceSize.width <= 0 || sourceSize.height <= 0 || destinationSize.width <= 0 ||
      destinationSize.height <= 0) {
    return;
  }
  const Extent clipped{std::min(destinationSize.width, destination.Width()),
                       std::min(destinationSize.height, destination.Height())};
  if (clipped.width <= 0 || clipped.height <= 0) return;
  if (mode == StretchMode::Halftone) {
    StretchHalftone(source, sourceSize, destination, destinationSize, clipped, outside);
  } else {
    StretchColorOnColor(source, sourceSize, destination, destinationSize, clipped, outside);
  }
}

}  // namespace vestara
