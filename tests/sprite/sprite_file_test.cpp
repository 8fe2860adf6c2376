#include "sprite/sprite_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "sprite/archive_writer.h"
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

  std::uint16_t height = 0, width = 0;
  ViewState state;
  state.backgroundColor = 0x00FF00;
  PixelSurface surface(5, 5, kFill), expected(5, 5, kFill);
  EXPECT_TRUE(MeasureSpriteFrame(path("Weapon.spr.NCS"), 1, height, width));
  EXPECT_TRUE(PaintSpriteFrame(surface, path("Weapon.spr.NCS"), state, 1));
  PaintFrame(archive, 1, 0x00FF00, expected);
  EXPECT_EQ(surface, expected);
  EXPECT_EQ((std::array{width, height, state.frameWidth, state.frameHeight}),
            (std::array<std::uint16_t, 4>{4, 3, 4, 3}));

  // Refused: measured as 9 x 17, nothing painted, the view state's size left alone.
  const std::pair<std::string, FrameIndex> refused[] = {
      {path("Missing.spr.NCS"), 0}, {directory.root().string(), 0}, {path("Weapon.spr.NCS"), 2}};
  for (const auto& [file, index] : refused) {
    SCOPED_TRACE(file);
    PixelSurface untouched(5, 5, kFill);
    state.frameWidth = 5;
    EXPECT_FALSE(MeasureSpriteFrame(file, index, height, width));
    EXPECT_FALSE(PaintSpriteFrame(untouched, file, state, index));
    EXPECT_EQ(untouched, PixelSurface(5, 5, kFill));
    EXPECT_EQ((std::array{width, height, state.frameWidth, state.frameHeight}),
              (std::array<std::uint16_t, 4>{9, 17, 5, 3}));
  }
}

}  // namespace
}  // namespace vestara
