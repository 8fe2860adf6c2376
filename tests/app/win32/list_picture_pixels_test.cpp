#include "app/win32/list_picture_pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace vestara {
namespace {

// A 3 x 2 picture in a square of 5: one column and two rows of margin before it (the
// remainders fall after it), its undrawn pixel as transparent as the margin.
TEST(ListPicturePixelsTest, ThePictureSitsCentredAndOnlyItsDrawnPixelsAreOpaque) {
  ListPicture picture{PixelSurface(3, 2), {1, 1, 0, 1, 1, 1}};
  const Color colors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x102030, 0x405060, 0xFFFFFF};
  for (int i = 0; i < 6; ++i) picture.image.SetPixel(i % 3, i / 3, colors[i]);
  const std::vector<std::uint32_t> pixels = SquarePremultipliedPixels(picture, 5);
  std::vector<std::uint32_t> expected(25, 0);
  expected[1 * 5 + 1] = 0xFFFF0000;  // red
  expected[1 * 5 + 2] = 0xFF00FF00;  // green
  expected[2 * 5 + 1] = 0xFF302010;
  expected[2 * 5 + 2] = 0xFF605040;
  expected[2 * 5 + 3] = 0xFFFFFFFF;
  EXPECT_EQ(pixels, expected);
  EXPECT_TRUE(SquarePremultipliedPixels(picture, 0).empty());
  // A picture larger than its square keeps what fits.
  EXPECT_EQ(SquarePremultipliedPixels(picture, 2).size(), 4u);
}

}  // namespace
}  // namespace vestara
