#include "graphics/pixel_surface.h"

#include <gtest/gtest.h>

#include <climits>

namespace vestara {
namespace {

TEST(PixelSurfaceTest, WritesOutsideAreIgnored) {
  PixelSurface surface(4, 3, 0x111111);
  const PixelSurface before = surface;
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {INT_MIN, INT_MAX}}) {
    surface.SetPixel(x, y, 0xABCDEF);
  }
  surface.FillRect(4, 0, 10, 10, 0xABCDEF);
  surface.FillRect(-10, -10, 5, 5, 0xABCDEF);
  surface.FillRect(1, 1, -3, 2, 0xABCDEF);
  surface.FillRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0xABCDEF);
  EXPECT_EQ(surface, before);
  EXPECT_EQ(surface.GetPixel(-1, 0, 0x42), 0x42u);
}

TEST(PixelSurfaceTest, FillIsClippedToTheSurface) {
  PixelSurface surface(4, 3, 0);
  surface.FillRect(-2, 1, 4, INT_MAX, 0xFF);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(surface.GetPixel(x, y), (y >= 1 && x < 2) ? 0xFFu : 0u) << x << "," << y;
    }
  }
}

TEST(PixelSurfaceTest, NonPositiveSizesGiveAnEmptySurface) {
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 3}}) {
    PixelSurface surface(w, h);
    EXPECT_EQ(surface.Width(), 0);
    EXPECT_EQ(surface.Height(), 0);
    surface.SetPixel(0, 0, 1);
    EXPECT_TRUE(surface.Pixels().empty());
  }
}

}  // namespace
}  // namespace vestara
