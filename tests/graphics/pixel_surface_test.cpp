#include "graphics/pixel_surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace vestara {
namespace {

TEST(PixelSurfaceTest, WritesAreClippedToTheSurface) {
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
}

TEST(PixelSurfaceTest, NonPositiveSizesGiveAnEmptySurface) {
  for (auto [width, height] : {std::pair{0, 5}, {5, 0}, {-1, 3}}) {
    PixelSurface surface(width, height);
    surface.SetPixel(0, 0, 1);
    EXPECT_EQ(surface.Width() + surface.Height(), 0);
    EXPECT_TRUE(surface.Pixels().empty());
  }
}

}  // namespace
}  // namespace vestara
