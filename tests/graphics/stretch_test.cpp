#include "graphics/stretch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace vestara {
namespace {

constexpr Color kOutside = 0xF0F0F0;
constexpr Color kUntouched = 0x123456;

// Pseudo-random colours; with `topByte` the byte that is no channel is filled as well.
PixelSurface Noise(int width, int height, std::uint32_t seed, bool topByte = false) {
  PixelSurface surface(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      surface.SetPixel(x, y, topByte ? seed : seed >> 8);
    }
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
PixelSurface Expected(const PixelSurface& source, Extent from, Extent surface, Extent to,
                      StretchMode mode, Color outside) {
  PixelSurface destination(surface.width, surface.height, kUntouched);
  std::vector<std::vector<int>> columns;
  for (int x = 0; x < std::min(to.width, surface.width); ++x) {
    columns.push_back(SourcesOf(x, from.width, to.width, mode));
  }
  for (int y = 0; y < std::min(to.height, surface.height); ++y) {
    const std::vector<int> rows = SourcesOf(y, from.height, to.height, mode);
    for (std::size_t x = 0; x < columns.size(); ++x) {
      std::uint64_t sums[3] = {}, count = rows.size() * columns[x].size();
      for (const int sy : rows) {
        for (const int sx : columns[x]) {
          const Color c = source.GetPixel(sx, sy, outside);
          for (int channel = 0; channel < 3; ++channel) sums[channel] += (c >> 8 * channel) & 0xFF;
        }
      }
      const auto average = [&](int channel) {
        return std::uint8_t((sums[channel] + count / 2) / count);
      };
      destination.SetPixel(int(x), y,
                           mode == StretchMode::ColorOnColor
                               ? source.GetPixel(columns[x][0], rows[0], outside)
                               : MakeColor(average(0), average(1), average(2)));
    }
  }
  return destination;
}

void ExpectStretch(const PixelSurface& source, Extent from, Extent surface, Extent to,
                   StretchMode mode, Color outside = kOutside) {
  PixelSurface destination(surface.width, surface.height, kUntouched);
  StretchCopy(source, from, destination, to, mode, outside);
  const auto& actual = destination.Pixels();
  const auto expected = Expected(source, from, surface, to, mode, outside).Pixels();
  const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin()).first;
  EXPECT_EQ(at, actual.end()) << "mode " << int(mode) << ", first difference at pixel "
                              << at - actual.begin() << " of " << surface.width << " x "
                              << surface.height;
}

TEST(StretchTest, BothModesGiveTheDefinedPixels) {
  // {source surface, source rectangle, destination surface, destination rectangle}
  std::vector<std::array<Extent, 4>> cases{
      {{{8, 6}, {8, 6}, {4, 3}, {4, 3}}},                  // 50 %
      {{{5, 4}, {5, 4}, {5, 4}, {5, 4}}},                  // 100 %
      {{{4, 3}, {4, 3}, {8, 6}, {8, 6}}},                  // 200 %
      {{{5, 4}, {5, 4}, {15, 12}, {15, 12}}},              // 300 %
      {{{7, 5}, {7, 5}, {3, 2}, {3, 2}}},                  // uneven reduction
      {{{3, 4}, {3, 4}, {7, 9}, {7, 9}}},                  // uneven enlargement
      {{{7, 5}, {12, 8}, {6, 4}, {6, 4}}},                 // 2:1 reaching past an odd-sized source
      {{{5, 3}, {9, 7}, {4, 3}, {4, 3}}},                  // uneven, reaching past the source
      {{{2, 1}, {4, 2}, {4, 2}, {4, 2}}},                  // 100 %, reaching past the source
      {{{16, 8}, {16, 8}, {5, 7}, {8, 4}}},                // cut on one axis, short on the other
      {{{4, 4}, {4, 4}, {3, 2}, {8, 8}}},                  // cut to the destination
      {{{4, 4}, {4, 4}, {6, 5}, {4, 4}}},                  // the rest of the destination kept
      {{{408, 360}, {408, 360}, {204, 180}, {204, 180}}},  // a capture at 50 %
  };
  // Both modes have paths of their own at 2:1, in blocks of four or eight with the rest one by
  // one, also when the source surface ends a column early; the odd sizes take the general path.
  for (int width = 1; width <= 20; ++width) {
    cases.push_back({{{2 * width, 6}, {2 * width, 6}, {width, 3}, {width, 3}}});
    cases.push_back({{{2 * width - 1, 6}, {2 * width, 6}, {width, 3}, {width, 3}}});
    cases.push_back({{{2 * width + 1, 7}, {2 * width + 1, 7}, {width, 3}, {width, 3}}});
  }
  for (const auto& [surface, from, destination, to] : cases) {
    SCOPED_TRACE(::testing::Message() << from.width << " x " << from.height << " onto " << to.width
                                      << " x " << to.height);
    const PixelSurface source = Noise(surface.width, surface.height, from.width);
    ExpectStretch(source, from, destination, to, StretchMode::ColorOnColor);
    ExpectStretch(source, from, destination, to, StretchMode::Halftone);
  }
}

TEST(StretchTest, HalftoneRoundsToNearestWithHalvesUp) {
  PixelSurface three(3, 1);  // 3 columns onto 2: (10 + 21) / 2 = 15.5, and 99 alone
  three.SetPixel(0, 0, MakeColor(10, 0, 0));
  three.SetPixel(1, 0, MakeColor(21, 0, 0));
  three.SetPixel(2, 0, MakeColor(99, 0, 0));
  PixelSurface destination(2, 1, kUntouched);
  StretchCopy(three, {3, 1}, destination, {2, 1}, StretchMode::Halftone, kOutside);
  EXPECT_EQ(destination.Pixels(), (std::vector<Color>{MakeColor(16, 0, 0), MakeColor(99, 0, 0)}));
  // At 2:1: 127.5 between black and white, and black beside an outside pixel.
  PixelSurface halves(2, 2);
  halves.FillRect(1, 0, 1, 2, 0xFFFFFF);
  StretchCopy(halves, {2, 2}, destination, {1, 1}, StretchMode::Halftone, kOutside);
  EXPECT_EQ(destination.GetPixel(0, 0), 0x808080u);
  StretchCopy(PixelSurface(1, 1), {2, 1}, destination, {1, 1}, StretchMode::Halftone, 0xFEFEFE);
  EXPECT_EQ(destination.GetPixel(0, 0), 0x7F7F7Fu);

  // Block b gives its four pixels the low bits (b >> 2k) & 3 in each channel, so that the 256
  // blocks hold every combination near 0, near 255 and in the middle. The byte that is no
  // channel must not leak into the result.
  PixelSurface blocks(2 * 256, 2);
  for (int block = 0; block < 256; ++block) {
    for (int k = 0; k < 4; ++k) {
      const auto bits = static_cast<std::uint8_t>((block >> (2 * k)) & 3);
      blocks.SetPixel(2 * block + k % 2, k / 2,
                      MakeColor(bits, 252 + bits, 126 + bits) | (Color{0xA5} << 24));
    }
  }
  ExpectStretch(blocks, {512, 2}, {256, 1}, {256, 1}, StretchMode::Halftone, 0);
  ExpectStretch(Noise(26, 6, 3, true), {26, 6}, {13, 3}, {13, 3}, StretchMode::Halftone, 0);
}

TEST(StretchTest, HalftoneOfVeryManyPixelsRoundsAndSumsExactly) {
  // One destination pixel averages the whole source of 2^20 or 2^21 pixels, where a division
  // done by multiplying with an inverse is no longer exact. Red averages a hair below 64.5,
  // green exactly 64.5.
  for (const Extent size : {Extent{1024, 1024}, Extent{2048, 1024}}) {
    const int count = size.width * size.height;
    PixelSurface source(size.width, size.height, MakeColor(64, 64, 255));
    for (int i = 0; i < count / 2; ++i) {
      source.SetPixel(i % size.width, i / size.width, MakeColor(i > 0 ? 65 : 64, 65, 255));
    }
    PixelSurface destination(1, 1, kUntouched);
    StretchCopy(source, size, destination, {1, 1}, StretchMode::Halftone, kOutside);
    EXPECT_EQ(destination.GetPixel(0, 0), MakeColor(64, 65, 255)) << size.width;
  }
  // 20 million rows of the outside colour, 240 each, overflow 32-bit column sums.
  PixelSurface one(1, 1, kUntouched);
  StretchCopy(PixelSurface(1, 1), {1, 20'000'000}, one, {1, 1}, StretchMode::Halftone, kOutside);
  EXPECT_EQ(one.GetPixel(0, 0), kOutside);
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
  EXPECT_EQ(nothing.Width(), 0);

  constexpr int kHuge = 2'000'000'000;
  PixelSurface destination(3, 3, kUntouched);
  StretchCopy(source, {kHuge, kHuge}, destination, {kHuge / 2, kHuge / 2},
              StretchMode::ColorOnColor, kOutside);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(destination.GetPixel(x, y), source.GetPixel(2 * x, 2 * y));
    }
  }
}

}  // namespace
}  // namespace vestara
