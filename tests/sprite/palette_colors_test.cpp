#include "sprite/palette_colors.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sprite/sprite_palette.h"

namespace vestara {
namespace {

constexpr Color kSentinel = 0xDEADBEEF;

TEST(PaletteColorsTest, EveryIndexTakesItsPaletteEntry) {
  std::vector<std::uint8_t> bytes(256);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(255 - i);
  std::vector<Color> colors(bytes.size());
  LookUpPaletteColors(bytes, colors.data());
  for (std::size_t i = 0; i < bytes.size(); ++i) EXPECT_EQ(colors[i], SpritePalette[bytes[i]]);
}

TEST(PaletteColorsTest, RunsOfEveryLengthWriteExactlyTheirColours) {
  // Runs are looked up several at a time with the remainder one by one, from any byte offset.
  std::vector<std::uint8_t> bytes(64);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
  for (std::size_t offset = 0; offset < 4; ++offset) {
    for (std::size_t length = 0; length + offset <= 40; ++length) {
      SCOPED_TRACE(testing::Message() << "offset " << offset << " length " << length);
      std::vector<Color> colors(length + 1, kSentinel);
      LookUpPaletteColors({bytes.data() + offset, length}, colors.data());
      for (std::size_t i = 0; i < length; ++i)
        ASSERT_EQ(colors[i], SpritePalette[bytes[offset + i]]);
      EXPECT_EQ(colors[length], kSentinel);
    }
  }
}

}  // namespace
}  // namespace vestara
