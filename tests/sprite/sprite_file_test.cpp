#include "sprite/sprite_file.h"

#include <gtest/gtest.h>

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

  FrameSize measured, painted;
  PixelSurface surface(5, 5, kFill), expected(5, 5, kFill);
  EXPECT_TRUE(MeasureSpriteFrame(path("Weapon.spr.NCS"), 1, measured));
  EXPECT_TRUE(PaintSpriteFrame(surface, path("Weapon.spr.NCS"), 0x00FF00, 1, painted));
  PaintFrame(archive, 1, 0x00FF00, expected);
  EXPECT_EQ(surface, expected);
  EXPECT_EQ(measured, (FrameSize{4, 3}));
  EXPECT_EQ(painted, (FrameSize{4, 3}));

  // Refused: measured as 9 x 17, nothing painted, the painted size left alone.
  const std::pair<std::string, FrameIndex> refused[] = {
      {path("Missing.spr.NCS"), 0}, {directory.root().string(), 0}, {path("Weapon.spr.NCS"), 2}};
  for (const auto& [file, index] : refused) {
    SCOPED_TRACE(file);
    PixelSurface untouched(5, 5, kFill);
    painted = {5, 3};
    EXPECT_FALSE(MeasureSpriteFrame(file, index, measured));
    EXPECT_FALSE(PaintSpriteFrame(untouched, file, 0x00FF00, index, painted));
    EXPECT_EQ(untouched, PixelSurface(5, 5, kFill));
    EXPECT_EQ(measured, (FrameSize{9, 17}));
    EXPECT_EQ(painted, (FrameSize{5, 3}));
  }
}

}  // namespace
}  // namespace vestara
