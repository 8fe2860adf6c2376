#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vestara {

// Unfiltered PNG rows, each `rowBytes` long, back to back; `bytesPerPixel` is the distance
// the filters look back (1 for packed indices).
struct Scanlines {
  std::vector<std::uint8_t> bytes;
  std::size_t rowBytes = 0;
  std::size_t bytesPerPixel = 1;
  std::size_t RowCount() const { return rowBytes == 0 ? 0 : bytes.size() / rowBytes; }
};

enum PngFilter : std::uint8_t { kNoFilter, kSubFilter, kUpFilter, kAverageFilter, kPaethFilter };
constexpr int kPngFilterCount = 5;

// `row` filtered with `filter` against `previous` (all zeros above the first row) into
// `out`; all three are as long.
void FilterRow(PngFilter filter, std::span<const std::uint8_t> row,
               std::span<const std::uint8_t> previous, std::size_t bytesPerPixel,
               std::span<std::uint8_t> out);

// The image data before compression: every row with its filter type byte in front. With
// `adaptive`, each row takes the filter whose output has the smallest sum of magnitudes
// (the bytes read as signed), ties going to the simpler filter; else every row is
// unfiltered.
std::vector<std::uint8_t> FilterScanlines(const Scanlines& scanlines, bool adaptive);

}  // namespace vestara
