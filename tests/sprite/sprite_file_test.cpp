#include "sprite/sprite_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "sprite/file_bytes.h"
#include "sprite_test_support.h"
#include "support/scoped_test_directory.h"

namespace vestara::test {
namespace {

const FrameRecord kFrame{.height = 3, .rows = {{}, Row({{1, {200, 201, 202}}}), Row({{4, {}}})}};

TEST(SpriteFileTest, FileCallsAgreeWithTheDecoderOrRefuse) {
  const testing::ScopedTestDirectory directory;
  const auto write = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
    testing::WriteBytes(directory.root() / name, bytes);
    return (directory.root() / name).string();
  };
  const auto archive = BuildArchive({{}, kFrame});
  const std::string path = write("Weapon.spr.NCS", archive);
  std::uint16_t height = 0, width = 0;
  EXPECT_TRUE(MeasureSpriteFrame(path, 1, height, width));
  EXPECT_EQ((FrameSize{width, height}), (FrameSize{4, 3}));
  ViewState state;
  state.backgroundColor = 0x00FF00;
  PixelSurface surface(5, 5, kFill);
  EXPECT_TRUE(PaintSpriteFrame(surface, path, state, 1));
  EXPECT_EQ(surface, PaintOn(archive, 5, 5, 1, 0x00FF00));
  EXPECT_EQ((FrameSize{state.frameWidth, state.frameHeight}), (FrameSize{4, 3}));

  // Refused: measured as 9 x 17, nothing painted, the view state's size left as measured.
  auto foreign = archive;
  foreign[4] = '1';
  const std::pair<std::string, FrameIndex> refused[] = {
      {(directory.root() / "Missing.spr.NCS").string(), 0},
      {directory.root().string(), 0},
      {write("foreign.spr.NCS", foreign), 0},
      {path, 2},
  };
  for (const auto& [file, index] : refused) {
    SCOPED_TRACE(file);
    std::uint16_t height = 1, width = 1;
    EXPECT_FALSE(MeasureSpriteFrame(file, index, height, width));
    EXPECT_EQ((FrameSize{width, height}), kUnreadableFrameSize);
    ViewState state;
    state.frameWidth = 9;
    state.frameHeight = 17;
    PixelSurface surface(8, 8, kFill);
    EXPECT_FALSE(PaintSpriteFrame(surface, file, state, index));
    EXPECT_EQ(surface, PixelSurface(8, 8, kFill));
    EXPECT_EQ((FrameSize{state.frameWidth, state.frameHeight}), kUnreadableFrameSize);
  }

  EXPECT_EQ(ReadFileBytes(path), archive);
  EXPECT_EQ(ReadFileBytes(write("empty.bin", {})), std::vector<std::uint8_t>{});
}

}  // namespace
}  // namespace vestara::test
