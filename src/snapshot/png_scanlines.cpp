#include "snapshot/png_scanlines.h"

#include <array>
#include <cstdlib>
#include <span>

namespace vestara {
namespace {

std::uint8_t PaethPredictor(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left);
  const int toUp = std::abs(estimate - up);
  const int toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<std::uint8_t>(left);
  if (toUp <= toUpLeft) return static_cast<std::uint8_t>(up);
  return static_cast<std::uint8_t>(upLeft);
}

std::size_t SumOfMagnitudes(std::span<const std::uint8_t> filtered) {
  std::size_t sum = 0;
  for (const std::uint8_t byte : filtered) sum += byte < 128 ? byte : 256 - byte;
  return sum;
}

}  // namespace

void FilterRow(PngFilter filter, std::span<const std::uint8_t> row,
               std::span<const std::uint8_t> previous, std::size_t bytesPerPixel,
               std::span<std::uint8_t> out) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    const int left = i >= bytesPerPixel ? row[i - bytesPerPixel] : 0;
    const int up = previous[i];
    const int upLeft = i >= bytesPerPixel ? previous[i - bytesPerPixel] : 0;
    int predicted = 0;
    switch (filter) {
      case kNoFilter:
        break;
      case kSubFilter:
        predicted = left;
        break;
      case kUpFilter:
        predicted = up;
        break;
      case kAverageFilter:
        predicted = (left + up) / 2;
        break;
      case kPaethFilter:
        predicted = PaethPredictor(left, up, upLeft);
        break;
    }
    out[i] = static_cast<std::uint8_t>(row[i] - predicted);
  }
}

std::vector<std::uint8_t> FilterScanlines(const Scanlines& scanlines, bool adaptive) {
  const std::size_t rowBytes = scanlines.rowBytes;
  std::vector<std::uint8_t> filtered;
  filtered.reserve(scanlines.RowCount() * (rowBytes + 1));
  const std::vector<std::uint8_t> zeros(rowBytes, 0);
  std::array<std::vector<std::uint8_t>, kPngFilterCount> candidates;
  for (auto& candidate : candidates) candidate.resize(rowBytes);

  for (std::size_t y = 0; y < scanlines.RowCount(); ++y) {
    const std::span<const std::uint8_t> row(scanlines.bytes.data() + y * rowBytes, rowBytes);
    const std::span<const std::uint8_t> previous =
        y == 0 ? std::span<const std::uint8_t>(zeros) : std::span(row.data() - rowBytes, rowBytes);
    PngFilter best = kNoFilter;
    if (adaptive) {
      std::size_t bestSum = SIZE_MAX;
      for (int f = kNoFilter; f < kPngFilterCount; ++f) {
        const auto filter = static_cast<PngFilter>(f);
        FilterRow(filter, row, previous, scanlines.bytesPerPixel, candidates[filter]);
        const std::size_t sum = SumOfMagnitudes(candidates[filter]);
        if (sum < bestSum) {
          bestSum = sum;
          best = filter;
        }
      }
    }
    filtered.push_back(best);
    if (best == kNoFilter) {
      filtered.insert(filtered.end(), row.begin(), row.end());
    } else {
      filtered.insert(filtered.end(), candidates[best].begin(), candidates[best].end());
    }
  }
  return filtered;
}

}  // namespace vestara
