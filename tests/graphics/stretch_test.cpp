#include "graphics/stretch.h"

#include <gtest/gtest.h>

namespace vestara {
namespace {

// A surface whose every pixel is distinct: red = x, green = y.
PixelSurface Gradient(int width, int height) {
  PixelSurface surface(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) surface.SetPixel(x, y, MakeColor(x, y, 0x80));
  }
  return surface;
}

constexpr Color kOutside = 0xF0F0F0;
constexpr Color kUntouched = 0x123456;

TEST(StretchColorOnColorTest, HalfKeepsTheEvenRowsAndColumns) {
  const PixelSurface source = Gradient(8, 6);
  PixelSurface destination(4, 3, kUntouched);
  StretchCopy(source, {8, 6}, destination, {4, 3}, StretchMode::ColorOnColor, kOutside);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(destination.GetPixel(x, y), source.GetPixel(2 * x, 2 * y));
  }
}

TEST(StretchColorOnColorTest, TripleRepeatsEachPixelThreeByThree) {
  const PixelSurface source = Gradient(5, 4);
  PixelSurface destination(15, 12, kUntouched);
  StretchCopy(source, {5, 4}, destination, {15, 12}, StretchMode::ColorOnColor, kOutside);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 15; ++x)
      EXPECT_EQ(destination.GetPixel(x, y), source.GetPixel(x / 3, y / 3));
  }
}

TEST(StretchColorOnColorTest, UnevenRatiosDropTheRemainder) {
  const PixelSurface source = Gradient(7, 5);
  PixelSurface destination(3, 2, kUntouched);
  StretchCopy(source, {7, 5}, destination, {3, 2}, StretchMode::ColorOnColor, kOutside);
  // Columns 0, 7/3, 14/3 = 0, 2, 4; rows 0, 5/2 = 0, 2.
  const int columns[] = {0, 2, 4};
  const int rows[] = {0, 2};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(destination.GetPixel(x, y), source.GetPixel(columns[x], rows[y]));
    }
  }
}

TEST(StretchHalftoneTest, HalfAveragesEachTwoByTwoBlockRoundedToNearest) {
  PixelSurface source(4, 2);
  // Block (0, 0): red 0, 1, 1, 1 -> 0.75 -> 1; green 10, 11, 10, 10 -> 10.25 -> 10.
  source.SetPixel(0, 0, MakeColor(0, 10, 200));
  source.SetPixel(1, 0, MakeColor(1, 11, 200));
  source.SetPixel(0, 1, MakeColor(1, 10, 201));
  source.SetPixel(1, 1, MakeColor(1, 10, 201));
  // Block (1, 0): exactly halfway values round up: (0 + 255 + 0 + 255) / 4 = 127.5 -> 128.
  source.SetPixel(2, 0, MakeColor(0, 0, 0));
  source.SetPixel(3, 0, MakeColor(255, 255, 255));
  source.SetPixel(2, 1, MakeColor(0, 0, 0));
  source.SetPixel(3, 1, MakeColor(255, 255, 255));
  PixelSurface destination(2, 1, kUntouched);
  StretchCopy(source, {4, 2}, destination, {2, 1}, StretchMode::Halftone, kOutside);
  EXPECT_EQ(destination.GetPixel(0, 0), MakeColor(1, 10, 201));
  EXPECT_EQ(destination.GetPixel(1, 0), MakeColor(128, 128, 128));
}

TEST(StretchHalftoneTest, UnevenRatioAveragesTheSourcePixelsThatMapOntoEachPixel) {
  // Three columns onto two: sx * 2 / 3 gives 0, 0, 1, so column 0 averages two, column 1 one.
  PixelSurface source(3, 1);
  source.SetPixel(0, 0, MakeColor(10, 0, 0));
  source.SetPixel(1, 0, MakeColor(21, 0, 0));
  source.SetPixel(2, 0, MakeColor(99, 0, 0));
  PixelSurface destination(2, 1, kUntouched);
  StretchCopy(source, {3, 1}, destination, {2, 1}, StretchMode::Halftone, kOutside);
  EXPECT_EQ(destination.GetPixel(0, 0), MakeColor(16, 0, 0));  // 15.5 rounds up
  EXPECT_EQ(destination.GetPixel(1, 0), MakeColor(99, 0, 0));
}

TEST(StretchHalftoneTest, EnlargingTakesTheColorOnColorPixel) {
  const PixelSurface source = Gradient(4, 3);
  PixelSurface halftone(12, 9, kUntouched);
  PixelSurface plain(12, 9, kUntouched);
  StretchCopy(source, {4, 3}, halftone, {12, 9}, StretchMode::Halftone, kOutside);
  StretchCopy(source, {4, 3}, plain, {12, 9}, StretchMode::ColorOnColor, kOutside);
  EXPECT_EQ(halftone, plain);
}

TEST(StretchHalftoneTest, HalfwayAveragesOfAMillionPixelsRoundUp) {
  // One destination pixel averages the whole source, just below and at 2^20 pixels. Red is
  // 1 in exactly half of the pixels (0.5 rounds up to 1), green in one pixel fewer (0).
  for (const Extent size : {Extent{1023, 1024}, Extent{1024, 1024}}) {
    const int count = size.width * size.height;
    PixelSurface source(size.width, size.height);
    for (int i = 0; i < count; ++i) {
      const std::uint8_t red = i < count / 2 ? 1 : 0;
      const std::uint8_t green = i < count / 2 - 1 ? 1 : 0;
      source.SetPixel(i % size.width, i / size.width, MakeColor(red, green, 255));
    }
    PixelSurface destination(1, 1, kUntouched);
    StretchCopy(source, size, destination, {1, 1}, StretchMode::Halftone, kOutside);
    EXPECT_EQ(destination.GetPixel(0, 0), MakeColor(1, 0, 255)) << size.width;
  }
}

TEST(StretchHalftoneTest, SpansOfMoreRowsThanA32BitSumHoldsAreAveraged) {
  // 20 million rows of outside colour, 240 each, would overflow 32-bit column sums.
  PixelSurface source(1, 1, MakeColor(0, 0, 0));
  PixelSurface destination(1, 1, kUntouched);
  StretchCopy(source, {1, 20'000'000}, destination, {1, 1}, StretchMode::Halftone, kOutside);
  EXPECT_EQ(destination.GetPixel(0, 0), kOutside);
}

TEST(StretchCopyTest, SourcePixelsOutsideTheSourceSurfaceCountAsTheOutsideColour) {
  const PixelSurface source(2, 1, MakeColor(0, 0, 0));
  for (StretchMode mode : {StretchMode::ColorOnColor, StretchMode::Halftone}) {
    PixelSurface destination(4, 2, kUntouched);
    StretchCopy(source, {4, 2}, destination, {4, 2}, mode, kOutside);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(destination.GetPixel(x, y), (x < 2 && y < 1) ? 0u : kOutside) << x << "," << y;
      }
    }
  }
  // Halftone mixes a black source pixel with an outside one.
  PixelSurface half(1, 1, kUntouched);
  StretchCopy(PixelSurface(1, 1, 0), {2, 1}, half, {1, 1}, StretchMode::Halftone, 0xFEFEFE);
  EXPECT_EQ(half.GetPixel(0, 0), 0x7F7F7Fu);
}

TEST(StretchCopyTest, WritesAreClippedAndTheRestOfTheDestinationKept) {
  const PixelSurface source = Gradient(4, 4);
  for (StretchMode mode : {StretchMode::ColorOnColor, StretchMode::Halftone}) {
    // A rectangle larger than the destination is cut at the surface's edges.
    PixelSurface small(3, 2, kUntouched);
    StretchCopy(source, {4, 4}, small, {8, 8}, mode, kOutside);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) EXPECT_EQ(small.GetPixel(x, y), source.GetPixel(x / 2, y / 2));
    }
    // A rectangle smaller than the destination leaves the rest alone.
    PixelSurface large(6, 5, kUntouched);
    StretchCopy(source, {4, 4}, large, {4, 4}, mode, kOutside);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(large.GetPixel(x, y), (x < 4 && y < 4) ? source.GetPixel(x, y) : kUntouched);
      }
    }
  }
}

TEST(StretchCopyTest, EmptyRectanglesAndSurfacesDrawNothing) {
  const PixelSurface source = Gradient(4, 4);
  for (auto [sourceSize, destinationSize] : {std::pair<Extent, Extent>{{0, 4}, {4, 4}},
                                             {{4, -1}, {4, 4}},
                                             {{4, 4}, {0, 4}},
                                             {{4, 4}, {4, -3}}}) {
    PixelSurface destination(4, 4, kUntouched);
    StretchCopy(source, sourceSize, destination, destinationSize, StretchMode::ColorOnColor,
                kOutside);
    StretchCopy(source, sourceSize, destination, destinationSize, StretchMode::Halftone, kOutside);
    EXPECT_EQ(destination, PixelSurface(4, 4, kUntouched));
  }
  PixelSurface empty;
  StretchCopy(source, {4, 4}, empty, {4, 4}, StretchMode::ColorOnColor, kOutside);
  EXPECT_EQ(empty.Width(), 0);
}

TEST(StretchCopyTest, HugeRectanglesDoNotOverflow) {
  const PixelSurface source = Gradient(6, 6);
  constexpr int kHuge = 2'000'000'000;
  PixelSurface destination(3, 3, kUntouched);
  StretchCopy(source, {kHuge, kHuge}, destination, {kHuge / 2, kHuge / 2},
              StretchMode::ColorOnColor, kOutside);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(destination.GetPixel(x, y), source.GetPixel(2 * x, 2 * y));
  }
}

}  // namespace
}  // namespace vestara
