// A sheet holds each picture whole at its place, opaque where the picture is, and is
// transparent black everywhere else.
#include "render/sprite_sheet.h"

#include <gtest/gtest.h>

#include <vector>

namespace vestara {
namespace {

TEST(SpriteSheetTest, PicturesAreCopiedWholeAndTheRestIsTransparent) {
  // 2 x 2 on a background: opaque throughout. 3 x 1 with transparency: opaque in the middle.
  FramePicture onBackground{{2, 2}, PixelSurface(2, 2, 0x00FF00), {}};
  onBackground.image.SetPixel(1, 1, 0x0000FF);
  FramePicture transparent{{3, 1}, PixelSurface(3, 1), {0, 1, 0}};
  transparent.image.SetPixel(1, 0, 0x123456);
  const PlacedPicture placed[] = {{&onBackground, 1, 0}, {&transparent, 0, 3}};

  const SheetPicture sheet = ComposeSheet({4, 4}, placed);
  // Row by row: '.' transparent, 'g' green, 'r' red, 'c' the transparent picture's colour.
  const char* const expected[] = {".gg.", ".gr.", "....", ".c.."};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      const char want = expected[y][x];
      const Color color = want == 'g'   ? 0x00FF00
                          : want == 'r' ? 0x0000FF
                          : want == 'c' ? 0x123456
                                        : 0;
      EXPECT_EQ(sheet.image.GetPixel(x, y), color) << x << "," << y;
      EXPECT_EQ(sheet.opaque[y * 4 + x], want == '.' ? 0 : 1) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace vestara
