#include "graphics/stretch_color_on_color.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

#include "graphics/cpu_features.h"
#include "graphics/pixel_shuffles.h"
#include "graphics/source_spans.h"

namespace vestara {
namespace {

// to[x] = from[x / K]. Each group of four source pixels is loaded before it is stored, so
// that the compiler can spread it with vector shuffles.
template <std::size_t K>
void RepeatEachPixel(const Color* from, Color* to, std::size_t count) {
  std::size_t x = 0;
  for (; x + 4 * K <= count; x += 4 * K) {
    const Color* group = from + x / K;
    const Color pixels[4] = {group[0], group[1], group[2], group[3]};
    for (std::size_t i = 0; i < 4 * K; ++i) to[x + i] = pixels[i / K];
  }
  for (; x < count; ++x) to[x] = from[x / K];
}

// to[x] = from[2x] for x < count.
void TakeEverySecondPlain(std::span<const Color> from, Color* to, std::size_t count) {
  for (std::size_t x = 0; x < count; ++x) to[x] = from[2 * x];
}

#ifdef VESTARA_X86_64_VECTORS
__attribute__((target("avx2"))) void TakeEverySecondAvx2(std::span<const Color> from, Color* to,
                                                         std::size_t count) {
  // A block reads sixteen pixels, so blocks stop before the row would run out.
  const std::size_t blockEnd = std::min(count, from.size() / 2) / 8 * 8;
  for (std::size_t x = 0; x < blockEnd; x += 8) {
    const auto* pixels = reinterpret_cast<const __m256i*>(&from[2 * x]);
    _mm256_storeu_si256(
        reinterpret_cast<__m256i*>(to + x),
        InRowOrder(EvenPixelsByHalf(_mm256_loadu_si256(pixels), _mm256_loadu_si256(pixels + 1))));
  }
  // The rest here too: calling SSE code with the upper halves of the registers in use is slow.
  for (std::size_t x = blockEnd; x < count; ++x) to[x] = from[2 * x];
}
#endif

void TakeEverySecond([[maybe_unused]] VectorLevel level, std::span<const Color> from, Color* to,
                     std::size_t count) {
#ifdef VESTARA_X86_64_VECTORS
  if (level == VectorLevel::Avx2) {
    TakeEverySecondAvx2(from, to, count);
    return;
  }
#endif
  TakeEverySecondPlain(from, to, count);
}

// How colour-on-colour fills a destination row from a source row. The viewer's zooms map
// whole numbers of pixels (every second column, each column once, twice or three times);
// they get loops that the compiler vectorises. Other ratios read through each column's index.
class ColumnMap {
 public:
  ColumnMap(int sourceLength, int destinationLength, int count, int sourceWidth)
      : indices_(ColorOnColorSourceIndices(sourceLength, destinationLength, count)),
        // The map never decreases, so the columns read inside the source form a prefix.
        inside_(static_cast<std::size_t>(
            std::lower_bound(indices_.begin(), indices_.end(), sourceWidth) - indices_.begin())),
        shape_(Same()          ? Shape::Same
               : EverySecond() ? Shape::EverySecond
               : Repeated(2)   ? Shape::Twice
               : Repeated(3)   ? Shape::ThreeTimes
                               : Shape::Indexed) {}

  // `from` is a whole source row; `row` holds one pixel per mapped column. Columns beyond
  // the source take `outside`.
  void Fill(std::span<const Color> from, std::span<Color> row, Color outside) const {
    const Color* in = from.data();
    Color* out = row.data();
    switch (shape_) {
      case Shape::Same:
        std::copy_n(in, inside_, out);
        break;
      case Shape::EverySecond:
        TakeEverySecond(level_, from, out, inside_);
        break;
      case Shape::Twice:
        RepeatEachPixel<2>(in, out, inside_);
        break;
      case Shape::ThreeTimes:
        RepeatEachPixel<3>(in, out, inside_);
        break;
      case Shape::Indexed:
        for (std::size_t x = 0; x < inside_; ++x) out[x] = in[indices_[x]];
        break;
    }
    std::fill(row.begin() + static_cast<std::ptrdiff_t>(inside_), row.end(), outside);
  }

 private:
  enum class Shape { Indexed, Same, EverySecond, Twice, ThreeTimes };

  template <typename Rule>
  bool Follows(Rule sourceColumn) const {
    for (std::size_t x = 0; x < inside_; ++x) {
      if (static_cast<std::size_t>(indices_[x]) != sourceColumn(x)) return false;
    }
    return true;
  }
  bool Same() const {
    return Follows([](std::size_t x) { return x; });
  }
  bool EverySecond() const {
    return Follows([](std::size_t x) { return 2 * x; });
  }
  bool Repeated(std::size_t times) const {
    return Follows([times](std::size_t x) { return x / times; });
  }

  std::vector<int> indices_;
  std::size_t inside_;
  Shape shape_;
  VectorLevel level_ = UsableVectorLevel();
};

}  // namespace

void StretchColorOnColor(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                         Extent destinationSize, Extent clipped, Color outside) {
  const ColumnMap columns(sourceSize.width, destinationSize.width, clipped.width, source.Width());
  int previousSourceRow = -1;
  for (int y = 0; y < clipped.height; ++y) {
    const int sourceRow = ColorOnColorSourceIndex(y, sourceSize.height, destinationSize.height);
    const auto row = destination.Row(y).first(static_cast<std::size_t>(clipped.width));
    if (sourceRow == previousSourceRow) {
      const auto above = destination.Row(y - 1).first(row.size());
      std::copy(above.begin(), above.end(), row.begin());
      continue;
    }
    previousSourceRow = sourceRow;
    if (sourceRow < source.Height()) {
      columns.Fill(source.Row(sourceRow), row, outside);
    } else {
      std::ranges::fill(row, outside);
    }
  }
}

}  // namespace vestara
