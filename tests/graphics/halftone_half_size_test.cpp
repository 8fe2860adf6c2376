#include "graphics/halftone_half_size.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "graphics/stretch.h"

namespace vestara {
namespace {

constexpr Color kUntouched = 0x123456;

// Each channel of the 2 x 2 block under destination pixel (x, y), summed and rounded to nearest.
Color BlockAverage(const PixelSurface& source, int x, int y, Color outside) {
  int red = 0, green = 0, blue = 0;
  for (int dy = 0; dy < 2; ++dy) {
    for (int dx = 0; dx < 2; ++dx) {
      const Color c = source.GetPixel(2 * x + dx, 2 * y + dy, outside);
      red += RedOf(c);
      green += GreenOf(c);
      blue += BlueOf(c);
    }
  }
  return MakeColor(static_cast<std::uint8_t>((red + 2) / 4),
                   static_cast<std::uint8_t>((green + 2) / 4),
                   static_cast<std::uint8_t>((blue + 2) / 4));
}

void ExpectBlockAverages(const PixelSurface& source, const PixelSurface& destination, Extent size,
                         Color outside) {
  for (int y = 0; y < destination.Height(); ++y) {
    for (int x = 0; x < destination.Width(); ++x) {
      const Color expected =
          x < size.width && y < size.height ? BlockAverage(source, x, y, outside) : kUntouched;
      ASSERT_EQ(destination.GetPixel(x, y), expected) << "at " << x << "," << y;
    }
  }
}

TEST(HalftoneAtHalfSizeTest, EveryRoundingCaseOfEachChannelIsToNearestWithHalvesUp) {
  // Block b gives its four pixels the low two bits (b >> 2k) & 3 in each channel, so that the
  // 256 blocks hold every combination, near 0 in red, near 255 in green and in the middle in
  // blue. The fourth byte is not a channel and must not leak into the result.
  PixelSurface source(2 * 256, 2);
  for (int block = 0; block < 256; ++block) {
    for (int k = 0; k < 4; ++k) {
      const int bits = (block >> (2 * k)) & 3;
      const Color pixel =
          MakeColor(static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(252 + bits),
                    static_cast<std::uint8_t>(126 + bits)) |
          (Color{0xA5} << 24);
      source.SetPixel(2 * block + k % 2, k / 2, pixel);
    }
  }
  PixelSurface destination(256, 1, kUntouched);
  StretchCopy(source, {512, 2}, destination, {256, 1}, StretchMode::Halftone, 0);
  ExpectBlockAverages(source, destination, {256, 1}, 0);
}

TEST(HalftoneAtHalfSizeTest, EveryWidthAveragesEachBlock) {
  // Rows are done several blocks at a time with the remainder one by one.
  std::uint32_t seed = 12345;
  for (int width = 1; width <= 13; ++width) {
    SCOPED_TRACE(width);
    PixelSurface source(2 * width, 6);
    for (int y = 0; y < source.Height(); ++y) {
      for (int x = 0; x < source.Width(); ++x) {
        seed = seed * 1664525u + 1013904223u;
        source.SetPixel(x, y, seed);
      }
    }
    PixelSurface destination(width, 3, kUntouched);
    StretchCopy(source, {2 * width, 6}, destination, {width, 3}, StretchMode::Halftone, 0);
    ExpectBlockAverages(source, destination, {width, 3}, 0);
  }
}

TEST(HalftoneAtHalfSizeTest, BlocksReachingPastTheSourceSurfaceCountItsMissingPixelsAsOutside) {
  // An odd-sized 7 x 5 surface under a 12 x 8 rectangle: column 7 and row 5 are half outside,
  // the blocks beyond them wholly.
  PixelSurface source(7, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) source.SetPixel(x, y, MakeColor(x * 30, y * 50, 255 - x - y));
  }
  const Color outside = MakeColor(201, 3, 77) | (Color{0xFF} << 24);
  PixelSurface destination(6, 4, kUntouched);
  StretchCopy(source, {12, 8}, destination, {6, 4}, StretchMode::Halftone, outside);
  ExpectBlockAverages(source, destination, {6, 4}, outside);
  EXPECT_EQ(destination.GetPixel(5, 3), outside & 0xFFFFFF);
}

TEST(HalftoneAtHalfSizeTest, WritesAreClippedAndTheRestOfTheDestinationKept) {
  PixelSurface source(16, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) source.SetPixel(x, y, MakeColor(x * 16, y * 32, x ^ y));
  }
  // Wider than the surface on one axis, narrower on the other.
  PixelSurface destination(5, 7, kUntouched);
  StretchCopy(source, {16, 8}, destination, {8, 4}, StretchMode::Halftone, 0);
  ExpectBlockAverages(source, destination, {5, 4}, 0);
}

}  // namespace
}  // namespace vestara
