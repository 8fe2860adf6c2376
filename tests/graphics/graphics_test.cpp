#include "graphics/pixel_surface.h"
#include "graphics/stretch.h"
#include "graphics/stretch_drawn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

#include "support/vector_levels.h"

namespace vestara {
namespace {

TEST(PixelSurfaceTest, WritesAreClippedAndNonPositiveSizesGiveNoPixels) {
  PixelSurface surface(4, 3, 0);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {INT_MIN, INT_MAX}}) {
    surface.SetPixel(x, y, 0xAB);
  }
  surface.FillRect(4, 0, 10, 10, 0xAB);
  surface.FillRect(-10, -10, 5, 5, 0xAB);
  surface.FillRect(1, 1, -3, 2, 0xAB);
  surface.FillRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0xAB);
  EXPECT_EQ(surface, PixelSurface(4, 3, 0));
  EXPECT_EQ(surface.GetPixel(-1, 0, 0x42), 0x42u);

  surface.FillRect(-2, 1, 4, INT_MAX, 0xFF);
  EXPECT_EQ(surface.Pixels(), (std::vector<Color>{0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0}));

  for (auto [width, height] : {std::pair{0, 5}, {5, 0}, {-1, 3}}) {
    PixelSurface empty(width, height);
    empty.SetPixel(0, 0, 1);
    EXPECT_TRUE(empty.Width() == 0 && empty.Height() == 0 && empty.Pixels().empty());
  }
}

constexpr Color kOutside = 0xF0F0F0;
constexpr Color kUntouched = 0x123456;

// Pseudo-random colours; the byte that is no channel is filled as well.
PixelSurface Noise(int width, int height, std::uint32_t seed) {
  PixelSurface surface(width, height);
  for (int i = 0; i < width * height; ++i) {
    surface.SetPixel(i % width, i / width, seed = seed * 1664525u + 1013904223u);
  }
  return surface;
}

// The source indices for destination index d: halftone averages every s with s * D / S == d,
// or where none maps onto d, the colour-on-colour index d * S / D alone.
std::vector<int> SourcesOf(int d, int sourceLength, int destinationLength, StretchMode mode) {
  std::vector<int> sources;
  for (int s = 0; mode == StretchMode::Halftone && s < sourceLength; ++s) {
    if (1LL * s * destinationLength / sourceLength == d) sources.push_back(s);
  }
  if (sources.empty()) sources.push_back(int(1LL * d * sourceLength / destinationLength));
  return sources;
}

// StretchCopy pixel by pixel as defined, onto a surface of `surface` size filled kUntouched.
void ExpectStretch(const PixelSurface& source, Extent from, Extent surface, Extent to,
                   StretchMode mode, Color outside = kOutside) {
  PixelSurface expected(surface.width, surface.height, kUntouched);
  for (int y = 0; y < std::min(to.height, surface.height); ++y) {
    for (int x = 0; x < std::min(to.width, surface.width); ++x) {
      const std::vector<int> rows = SourcesOf(y, from.height, to.height, mode);
      const std::vector<int> columns = SourcesOf(x, from.width, to.width, mode);
      std::uint64_t sums[3] = {}, count = rows.size() * columns.size();
      for (const int sy : rows) {
        for (const int sx : columns) {
          for (int c = 0; c < 3; ++c) sums[c] += (source.GetPixel(sx, sy, outside) >> 8 * c) & 0xFF;
        }
      }
      const auto average = [&](int c) { return std::uint8_t((sums[c] + count / 2) / count); };
      expected.SetPixel(x, y,
                        mode == StretchMode::ColorOnColor
                            ? source.GetPixel(columns[0], rows[0], outside)
                            : MakeColor(average(0), average(1), average(2)));
    }
  }
  PixelSurface destination(surface.width, surface.height, kUntouched);
  StretchCopy(source, from, destination, to, mode, outside);
  EXPECT_EQ(destination.Pixels(), expected.Pixels()) << "mode " << int(mode);
}

TEST(StretchTest, BothModesGiveTheDefinedPixels) {
  // {source surface, source rectangle, destination surface, destination rectangle}
  std::vector<std::array<Extent, 4>> cases{
      {{{8, 6}, {8, 6}, {4, 3}, {4, 3}}},          // 50 %
      {{{5, 4}, {5, 4}, {5, 4}, {5, 4}}},          // 100 %
      {{{4, 3}, {4, 3}, {8, 6}, {8, 6}}},          // 200 %
      {{{5, 4}, {5, 4}, {15, 12}, {15, 12}}},      // 300 %
      {{{7, 5}, {7, 5}, {3, 2}, {3, 2}}},          // uneven reduction
      {{{3, 4}, {3, 4}, {7, 9}, {7, 9}}},          // uneven enlargement
      {{{5, 3}, {9, 7}, {4, 3}, {4, 3}}},          // uneven, reaching past the source
      {{{2, 1}, {4, 2}, {4, 2}, {4, 2}}},          // 100 %, reaching past the source
      {{{16, 8}, {16, 8}, {5, 7}, {8, 4}}},        // cut on one axis, short on the other
      {{{4, 4}, {4, 4}, {6, 5}, {4, 4}}},          // the rest of the destination kept
      {{{512, 2}, {512, 2}, {256, 1}, {256, 1}}},  // enough 2:1 blocks for any rounding slip
  };
  // Both modes have paths of their own at 2:1, in blocks of four or eight with the rest one by
  // one, also when the source surface ends a column (and a row) early, where reading past the
  // last column would leave the surface.
  for (int width = 1; width <= 20; ++width) {
    cases.push_back({{{2 * width, 6}, {2 * width, 6}, {width, 3}, {width, 3}}});
    cases.push_back({{{2 * width - 1, 5}, {2 * width, 6}, {width, 3}, {width, 3}}});
  }
  for (const VectorLevel level : testing::RunnableVectorLevels()) {
    const testing::ScopedVectorLevel forced(level);
    for (const auto& [surface, from, destination, to] : cases) {
      SCOPED_TRACE(::testing::Message() << testing::NameOf(level) << ": " << from.width << " onto "
                                        << to.width << " x " << to.height);
      const PixelSurface source = Noise(surface.width, surface.height, from.width);
      ExpectStretch(source, from, destination, to, StretchMode::ColorOnColor);
      ExpectStretch(source, from, destination, to, StretchMode::Halftone);
    }
  }
}

// A destination pixel is drawn when at least half of the source pixels halftone would average
// are drawn, and then averages only the drawn ones; the rest stays as it was.
TEST(StretchDrawnTest, AveragesTheDrawnPixelsWhereAtLeastHalfAreDrawn) {
  const std::array<Extent, 2> cases[] = {{{{8, 6}, {4, 3}}}, {{{7, 5}, {3, 2}}},
                                         {{{4, 3}, {8, 6}}}, {{{3, 4}, {9, 12}}},
                                         {{{5, 4}, {5, 4}}}, {{{1, 1}, {3, 2}}}};
  for (const auto& [from, to] : cases) {
    SCOPED_TRACE(::testing::Message()
                 << from.width << " x " << from.height << " onto " << to.width);
    const PixelSurface source = Noise(from.width, from.height, 7);
    std::vector<std::uint8_t> drawn(source.Pixels().size());
    for (std::size_t i = 0; i < drawn.size(); ++i) drawn[i] = (i * 7 % 5) < 3;
    PixelSurface expected(to.width, to.height, kUntouched);
    std::vector<std::uint8_t> expectedDrawn(std::size_t(to.width) * to.height, 0);
    for (int y = 0; y < to.height; ++y) {
      for (int x = 0; x < to.width; ++x) {
        std::uint64_t sums[3] = {}, count = 0, all = 0;
        for (const int sy : SourcesOf(y, from.height, to.height, StretchMode::Halftone)) {
          for (const int sx : SourcesOf(x, from.width, to.width, StretchMode::Halftone)) {
            ++all;
            if (drawn[std::size_t(sy) * from.width + sx] == 0) continue;
            ++count;
            for (int c = 0; c < 3; ++c) sums[c] += (source.GetPixel(sx, sy) >> 8 * c) & 0xFF;
          }
        }
        if (count == 0 || 2 * count < all) continue;
        const auto average = [&](int c) { return std::uint8_t((sums[c] + count / 2) / count); };
        expected.SetPixel(x, y, MakeColor(average(0), average(1), average(2)));
        expectedDrawn[std::size_t(y) * to.width + x] = 1;
      }
    }
    PixelSurface destination(to.width, to.height, kUntouched);
    std::vector<std::uint8_t> destinationDrawn(expectedDrawn.size(), 0);
    StretchDrawnPixels(source, drawn, destination, destinationDrawn);
    EXPECT_EQ(destination, expected);
    EXPECT_EQ(destinationDrawn, expectedDrawn);
  }
}

TEST(StretchTest, HalftoneRoundsHalvesUpAndSumsVeryManyPixelsExactly) {
  // One pixel averages 2^21, where a division done by multiplying with an inverse is no longer
  // exact: red averages a hair below 64.5, green exactly 64.5.
  PixelSurface source(1024, 1024, MakeColor(65, 65, 255)), destination(1, 1, kUntouched);
  source.SetPixel(0, 0, MakeColor(64, 65, 255));
  StretchCopy(source, {2048, 1024}, destination, {1, 1}, StretchMode::Halftone,
              MakeColor(64, 64, 255));
  EXPECT_EQ(destination.GetPixel(0, 0), MakeColor(64, 65, 255));
  // 20 million rows of the outside colour, 240 each, overflow 32-bit column sums.
  StretchCopy(PixelSurface(1, 1), {1, 20'000'000}, destination, {1, 1}, StretchMode::Halftone,
              kOutside);
  EXPECT_EQ(destination.GetPixel(0, 0), kOutside);
}

TEST(StretchTest, EmptyOrHugeRectanglesAreSafe) {
  const PixelSurface source = Noise(6, 6, 1);
  const std::pair<Extent, Extent> empty[] = {
      {{0, 4}, {4, 4}}, {{4, -1}, {4, 4}}, {{4, 4}, {0, 4}}, {{4, 4}, {4, -3}}};
  for (const auto& [from, to] : empty) {
    PixelSurface destination(4, 4, kUntouched);
    StretchCopy(source, from, destination, to, StretchMode::ColorOnColor, kOutside);
    StretchCopy(source, from, destination, to, StretchMode::Halftone, kOutside);
    EXPECT_EQ(destination, PixelSurface(4, 4, kUntouched));
  }
  PixelSurface nothing;
  StretchCopy(source, {4, 4}, nothing, {4, 4}, StretchMode::Halftone, kOutside);

  constexpr int kHuge = 2'000'000'000;
  ExpectStretch(source, {kHuge, kHuge}, {3, 3}, {kHuge / 2, kHuge / 2}, StretchMode::ColorOnColor);
}

}  // namespace
}  // namespace vestara
