#include "sprite/sprite_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "sample_game/archive_writer.h"
#include "support/scoped_test_directory.h"
#include "support/test_pictures.h"

namespace vestara {
namespace {

constexpr Color kFill = 0x123456;

TEST(SpriteFileTest, FileCallsAgreeWithTheDecoderOrRefuse) {
  const testing::ScopedTestDirectory directory;
  const auto path = [&](const char* name) { return (directory.root() / name).string(); };
  const auto archive = BuildArchive({{}, FrameFromGrid(testing::PatternGrid(4, 3, 1))});
  testing::WriteBytes(path("Weapon.spr.NCS"), archive);

  std::uint16_t height = 0, width = 0, paintedHeight = 0, paintedWidth = 0;
  PixelSurface surface(5, 5, kFill), expected(5, 5, kFill);
  EXPECT_TRUE(MeasureSpriteFrame(path("Weapon.spr.NCS"), 1, height, width));
  EXPECT_TRUE(
      PaintSpriteFrame(surface, path("Weapon.spr.NCS"), 0x00FF00, 1, paintedHeight, paintedWidth));
  PaintFrame(archive, 1, 0x00FF00, expected);
  EXPECT_EQ(surface, expected);
  EXPECT_EQ((std::array{width, height, paintedWidth, paintedHeight}),
            (std::array<std::uint16_t, 4>{4, 3, 4, 3}));

  // Refused: measured as 9 x 17, nothing painted, the painted size left alone.
  const std::pair<std::string, FrameIndex> refused[] = {
      {path("Missing.spr.NCS"), 0}, {directory.root().string(), 0}, {path("Weapon.spr.NCS"), 2}};
  for (const auto& [file, index] : refused) {
    SCOPED_TRACE(file);
    PixelSurface untouched(5, 5, kFill);
    paintedWidth = 5;
    EXPECT_FALSE(MeasureSpriteFrame(file, index, height, width));
    EXPECT_FALSE(PaintSpriteFrame(untouched, file, 0x00FF00, index, paintedHeight, paintedWidth));
    EXPECT_EQ(untouched, PixelSurface(5, 5, kFill));
    EXPECT_EQ((std::array{width, height, paintedWidth, paintedHeight}),
              (std::array<std::uint16_t, 4>{9, 17, 5, 3}));
  }
}

}  // namespace
}  // namespace vestara
