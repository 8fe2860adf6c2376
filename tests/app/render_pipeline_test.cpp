#include "app/render_pipeline.h"

#include <gtest/gtest.h>

#include "test_game.h"

namespace vestara::testing {
namespace {

TEST(RenderPipelineTest, HugeFrameHoldsOnlyWhatTheStretchReadsAndGivesNoCapture) {
  TestGame game;
  // 65535 pixels wide and 2048 high: its first record is one run of skipped pixels.
  const FrameRecord huge{{}, 2048, {RowRecord{{RunRecord{65535, {}}}, std::nullopt}}};
  WriteBytes(game.DataFolder() / "Huge.spr.NCS", BuildArchive({huge}));
  const OffscreenFrame frame =
      PaintOffscreenFrame((game.DataFolder() / "Huge.spr.NCS").string(), 0, 0x00FF00, 0xE1D2C3);
  EXPECT_EQ(frame.width, 65535);
  EXPECT_EQ(frame.height, 2048);
  EXPECT_EQ(frame.surface, PixelSurface(408, 360, 0x00FF00));
  // The capture image would be 65535 x 2048 pixels: refused instead of allocated.
  EXPECT_FALSE(MakeCaptureImage(frame, 100, 0xE1D2C3).has_value());
}

}  // namespace
}  // namespace vestara::testing
