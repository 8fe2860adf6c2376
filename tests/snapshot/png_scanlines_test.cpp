#include "snapshot/png_scanlines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

namespace vestara::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The decoder's side, written from the definition of each filter.
Bytes Unfilter(PngFilter filter, const Bytes& filtered, const Bytes& previous, std::size_t bpp) {
  Bytes row(filtered.size());
  for (std::size_t i = 0; i < row.size(); ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0;
    const int b = previous[i];
    const int c = i >= bpp ? previous[i - bpp] : 0;
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    const int paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
    const int predictions[kPngFilterCount] = {0, a, b, (a + b) / 2, paeth};
    row[i] = static_cast<std::uint8_t>(filtered[i] + predictions[filter]);
  }
  return row;
}

// Narrow value ranges make the predictors tie often, where a wrong tie rule shows.
TEST(PngScanlinesTest, EveryFilterIsUndoneByItsDefinition) {
  std::mt19937 random(7);
  for (const std::size_t bpp : {1u, 3u, 4u}) {
    for (const int range : {2, 4, 256}) {
      for (int trial = 0; trial < 50; ++trial) {
        Bytes previous(17), row(17), out(17);
        for (auto& byte : previous) byte = static_cast<std::uint8_t>(random() % range);
        for (auto& byte : row) byte = static_cast<std::uint8_t>(random() % range);
        for (int f = 0; f < kPngFilterCount; ++f) {
          const auto filter = static_cast<PngFilter>(f);
          FilterRow(filter, row, previous, bpp, out);
          ASSERT_EQ(Unfilter(filter, out, previous, bpp), row)
              << "filter " << f << " bpp " << bpp << " range " << range;
        }
      }
    }
  }
}

TEST(PngScanlinesTest, RowsCarryTheirFilterTypeAndAdaptiveRowsTheCheapestFilter) {
  // A ramp (cheapest from the left), the same ramp again (cheapest from above), noise.
  const Scanlines scanlines{
      {10, 20, 30, 40, 50, 60, 10, 20, 30, 40, 50, 60, 200, 3, 99, 7, 150, 1}, 6, 1};
  EXPECT_EQ(FilterScanlines(scanlines, false), (Bytes{0,  10, 20, 30, 40,  50, 60, 0, 10,  20, 30,
                                                      40, 50, 60, 0,  200, 3,  99, 7, 150, 1}));
  const Bytes adaptive = FilterScanlines(scanlines, true);
  ASSERT_EQ(adaptive.size(), 21u);
  EXPECT_EQ((Bytes(adaptive.begin(), adaptive.begin() + 7)),
            (Bytes{kSubFilter, 10, 10, 10, 10, 10, 10}));
  EXPECT_EQ((Bytes(adaptive.begin() + 7, adaptive.begin() + 14)),
            (Bytes{kUpFilter, 0, 0, 0, 0, 0, 0}));
  Bytes previous(scanlines.bytes.begin() + 6, scanlines.bytes.begin() + 12);
  EXPECT_EQ(Unfilter(static_cast<PngFilter>(adaptive[14]),
                     Bytes(adaptive.begin() + 15, adaptive.end()), previous, 1),
            Bytes(scanlines.bytes.begin() + 12, scanlines.bytes.end()));
}

}  // namespace
}  // namespace vestara::test
