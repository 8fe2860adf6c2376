#include "sprite/sprite_palette.h"

#include <gtest/gtest.h>

namespace vestara {
namespace {

TEST(SpritePaletteTest, EntriesAreStoredAsBlueGreenRed) {
  struct Case {
    int index;
    Color expected;  // 0x00BBGGRR of the listed RRGGBB
  };
  for (const Case& c : {
           Case{0, 0x000000},    // 000000
           Case{1, 0x000080},    // 800000
           Case{9, 0xF0CAA6},    // A6CAF0
           Case{10, 0xAFDBFF},   // FFDBAF
           Case{127, 0x272763},  // 632727
           Case{240, 0x9B630F},  // 0F639B
           Case{249, 0x0000FF},  // FF0000
           Case{250, 0x00FF00},  // 00FF00
           Case{252, 0xFF0000},  // 0000FF
           Case{255, 0xFFFFFF},  // FFFFFF
       }) {
    EXPECT_EQ(SpritePalette[c.index], c.expected) << "entry " << c.index;
  }
}

TEST(SpritePaletteTest, ColoursFitIn24Bits) {
  for (const Color color : SpritePalette) EXPECT_EQ(color >> 24, 0u);
}

}  // namespace
}  // namespace vestara
