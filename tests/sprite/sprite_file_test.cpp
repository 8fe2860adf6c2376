#include "sprite/sprite_file.h"

#include <gtest/gtest.h>

#include "sprite/file_bytes.h"
#include "sprite_test_support.h"
#include "temp_dir.h"

namespace vestara::test {
namespace {

class SpriteFileTest : public testing::Test {
 protected:
  std::string Write(const std::string& name, std::span<const std::uint8_t> bytes) {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(WriteNewFileBytes(path, bytes));
    return path;
  }

  // Measure and paint through the file and expect the refusal: 9 x 17, false, the
  // surface untouched and the view state's size left to the measure.
  void ExpectRefused(const std::string& path, FrameIndex index = 0) {
    std::uint16_t height = 1, width = 1;
    EXPECT_FALSE(MeasureSpriteFrame(path, index, height, width));
    EXPECT_EQ((FrameSize{width, height}), kUnreadableFrameSize);

    ViewState state;
    state.backgroundColor = kBackground;
    state.frameWidth = 9;
    state.frameHeight = 17;
    PixelSurface surface(8, 8, kFill);
    EXPECT_FALSE(PaintSpriteFrame(surface, path, state, index));
    EXPECT_EQ(surface, PixelSurface(8, 8, kFill));
    EXPECT_EQ(state.frameWidth, 9);
    EXPECT_EQ(state.frameHeight, 17);
  }

  TempDir dir_;
};

const FrameRecord kFrame{.height = 3, .rows = {{}, Row({{1, {200, 201}}}), Row({{3, {}}})}};

TEST_F(SpriteFileTest, FileCallsAgreeWithTheDecoder) {
  const auto archive = BuildArchive({{}, kFrame});
  const std::string path = Write("Weapon.spr.NCS", archive);
  for (const FrameIndex index : {0, 1}) {
    SCOPED_TRACE(index);
    std::uint16_t height = 0, width = 0;
    EXPECT_TRUE(MeasureSpriteFrame(path, index, height, width));
    EXPECT_EQ((FrameSize{width, height}), MeasureFrame(archive, index));

    ViewState state;
    state.backgroundColor = 0x00FF00;
    PixelSurface surface(5, 5, kFill);
    EXPECT_TRUE(PaintSpriteFrame(surface, path, state, index));
    EXPECT_EQ(surface, PaintOn(archive, 5, 5, index, 0x00FF00));
    EXPECT_EQ((FrameSize{state.frameWidth, state.frameHeight}), (FrameSize{width, height}));
  }
}

TEST_F(SpriteFileTest, MissingOrUnreadableFileIsRefused) {
  ExpectRefused(dir_.File("Missing.spr.NCS"));
  ExpectRefused(dir_.Path().string());
}

TEST_F(SpriteFileTest, ForeignOrDamagedArchiveIsRefused) {
  auto foreign = BuildArchive({kFrame});
  foreign[4] = '1';
  ExpectRefused(Write("foreign.spr.NCS", foreign));
  ExpectRefused(Write("short.spr.NCS", std::vector<std::uint8_t>{'E', 'A', 'S', 'T', '0'}));
  ExpectRefused(Write("one-frame.spr.NCS", BuildArchive({kFrame})), 1);
}

TEST_F(SpriteFileTest, NewFilesNeverReplaceExistingOnes) {
  const std::string path = Write("a.bin", std::vector<std::uint8_t>{1, 2, 3});
  EXPECT_FALSE(WriteNewFileBytes(path, std::vector<std::uint8_t>{9}));
  EXPECT_EQ(ReadFileBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(ReadFileBytes(Write("empty.bin", {})), std::vector<std::uint8_t>{});
}

}  // namespace
}  // namespace vestara::test
