#include "graphics/stretch.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "graphics/cpu_features.h"
#include "graphics/halftone_half_size.h"
#include "graphics/pixel_shuffles.h"

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

void TakeEverySecond(std::span<const Color> from, Color* to, std::size_t count) {
#ifdef VESTARA_X86_64_VECTORS
  if (CpuHasAvx2()) {
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
      : indices_(NearestSourceIndices(sourceLength, destinationLength, count)),
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
        TakeEverySecond(from, out, inside_);
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
};

void StretchColorOnColor(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                         Extent destinationSize, Extent clipped, Color outside) {
  const ColumnMap columns(sourceSize.width, destinationSize.width, clipped.width, source.Width());
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
    if (sourceRow < source.Height()) {
      columns.Fill(source.Row(sourceRow), row, outside);
    } else {
      std::ranges::fill(row, outside);
    }
  }
}

// The source indices [first, first + count) that halftone averages for one destination index.
struct SourceSpan {
  int first = 0;
  int count = 0;
  friend bool operator==(const SourceSpan&, const SourceSpan&) = default;
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

// The number of indices of `span` below `limit`.
int CountBelow(SourceSpan span, int limit) { return std::clamp(limit - span.first, 0, span.count); }

// Sum / count rounded to nearest, halves up, for channel sums (at most 255 per pixel).
// Below 2^20 pixels it multiplies: with a < 256 n, (a * (2^48 / n + 1)) >> 48 equals a / n,
// since the error, at most a / 2^48, stays below 1 / n.
class RoundedDivider {
 public:
  explicit RoundedDivider(std::uint64_t count = 1)
      : count_(count), reciprocal_(count < kExactBelow ? (kOne / count) + 1 : 0) {}

  std::uint8_t operator()(std::uint64_t sum) const {
    const std::uint64_t halfUp = sum + count_ / 2;
    return static_cast<std::uint8_t>(reciprocal_ != 0 ? (halfUp * reciprocal_) >> kShift
                                                      : halfUp / count_);
  }

 private:
  static constexpr int kShift = 48;
  static constexpr std::uint64_t kOne = std::uint64_t{1} << kShift;
  static constexpr std::uint64_t kExactBelow = std::uint64_t{1} << 20;

  std::uint64_t count_;
  std::uint64_t reciprocal_;
};

// Per source column inside the source surface, the channel sums over the source rows of one
// destination row. Columns and rows beyond the surface hold the outside colour and are
// counted, not read. `Sum` must hold 255 times the largest row count.
template <typename Sum>
class ColumnSums {
 public:
  ColumnSums(int columns, Color outside)
      : red_(static_cast<std::size_t>(columns)),
        green_(red_.size()),
        blue_(red_.size()),
        outside_(outside) {}

  void SumRows(const PixelSurface& source, SourceSpan rows) {
    rowCount_ = rows.count;
    const int insideRows = CountBelow(rows, source.Height());
    const Sum outsideRows = static_cast<Sum>(rows.count - insideRows);
    std::ranges::fill(red_, outsideRows * RedOf(outside_));
    std::ranges::fill(green_, outsideRows * GreenOf(outside_));
    std::ranges::fill(blue_, outsideRows * BlueOf(outside_));
    for (int sy = rows.first; sy < rows.first + insideRows; ++sy) {
      const Color* from = source.Row(sy).data();
      for (std::size_t c = 0; c < red_.size(); ++c) {
        red_[c] += RedOf(from[c]);
        green_[c] += GreenOf(from[c]);
        blue_[c] += BlueOf(from[c]);
      }
    }
  }

  // The average over the summed rows and the columns of `columns`.
  Color Average(SourceSpan columns, const RoundedDivider& divide) const {
    const int inside = CountBelow(columns, static_cast<int>(red_.size()));
    const std::uint64_t outsidePixels =
        static_cast<std::uint64_t>(columns.count - inside) * static_cast<std::uint64_t>(rowCount_);
    std::uint64_t red = outsidePixels * RedOf(outside_);
    std::uint64_t green = outsidePixels * GreenOf(outside_);
    std::uint64_t blue = outsidePixels * BlueOf(outside_);
    for (int c = columns.first; c < columns.first + inside; ++c) {
      red += red_[c];
      green += green_[c];
      blue += blue_[c];
    }
    return MakeColor(divide(red), divide(green), divide(blue));
  }

 private:
  std::vector<Sum> red_;
  std::vector<Sum> green_;
  std::vector<Sum> blue_;
  Color outside_;
  int rowCount_ = 0;
};

template <typename Sum>
void AverageSpans(const PixelSurface& source, const std::vector<SourceSpan>& columns,
                  const std::vector<SourceSpan>& rows, PixelSurface& destination, Color outside) {
  int summedColumns = 0;
  for (const SourceSpan& span : columns)
    summedColumns = std::max(summedColumns, std::min(span.first + span.count, source.Width()));
  ColumnSums<Sum> sums(summedColumns, outside);
  // One divider per destination column, for the row count they were made for.
  std::vector<RoundedDivider> dividers(columns.size());
  int dividersRowCount = 0;
  for (std::size_t y = 0; y < rows.size(); ++y) {
    const auto row = destination.Row(static_cast<int>(y)).first(columns.size());
    if (y > 0 && rows[y] == rows[y - 1]) {
      const auto above = destination.Row(static_cast<int>(y) - 1).first(row.size());
      std::copy(above.begin(), above.end(), row.begin());
      continue;
    }
    sums.SumRows(source, rows[y]);
    if (rows[y].count != dividersRowCount) {
      dividersRowCount = rows[y].count;
      for (std::size_t x = 0; x < columns.size(); ++x) {
        dividers[x] = RoundedDivider(static_cast<std::uint64_t>(rows[y].count) *
                                     static_cast<std::uint64_t>(columns[x].count));
      }
    }
    for (std::size_t x = 0; x < columns.size(); ++x) row[x] = sums.Average(columns[x], dividers[x]);
  }
}

void StretchHalftone(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                     Extent destinationSize, Extent clipped, Color outside) {
  if (sourceSize.width == 2LL * destinationSize.width &&
      sourceSize.height == 2LL * destinationSize.height) {
    HalftoneAtHalfSize(source, destination, clipped, outside);
    return;
  }
  const std::vector<SourceSpan> columns =
      AveragedSourceSpans(sourceSize.width, destinationSize.width, clipped.width);
  const std::vector<SourceSpan> rows =
      AveragedSourceSpans(sourceSize.height, destinationSize.height, clipped.height);
  // 32-bit sums vectorise better; they hold the sums of up to 2^24 rows.
  const auto mostRows = std::ranges::max(rows, {}, &SourceSpan::count).count;
  if (mostRows < (1 << 24)) {
    AverageSpans<std::uint32_t>(source, columns, rows, destination, outside);
  } else {
    AverageSpans<std::uint64_t>(source, columns, rows, destination, outside);
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
