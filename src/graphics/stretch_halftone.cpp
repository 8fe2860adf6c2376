#include "graphics/stretch_halftone.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/halftone_half_size.h"
#include "graphics/source_spans.h"

namespace vestara {
namespace {

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

}  // namespace

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

}  // namespace vestara
