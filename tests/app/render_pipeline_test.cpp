#include "app/render_pipeline.h"

#include <gtest/gtest.h>

#include <string>

#include "test_game.h"

namespace vestara::testing {
namespace {

constexpr Color kFace = 0xE1D2C3;
constexpr Color kBackground = 0x00FF00;

// The archive "Test.spr.NCS" holding `grid` as frame 2.
class RenderPipelineTest : public ::testing::Test {
 protected:
  std::string WriteFrame(const SpriteGrid& grid) {
    game_.WriteArchive("Test.spr.NCS", {{2, grid}});
    return (game_.DataFolder() / "Test.spr.NCS").string();
  }

  TestGame game_;
};

TEST(RenderPipelineSizesTest, StretchDestinationAndSnapshotImageDropRemainders) {
  EXPECT_EQ(StretchDestinationSize(50), (Extent{204, 180}));
  EXPECT_EQ(StretchDestinationSize(100), (Extent{408, 360}));
  EXPECT_EQ(StretchDestinationSize(200), (Extent{816, 720}));
  EXPECT_EQ(StretchDestinationSize(300), (Extent{1224, 1080}));
  // Each division comes before the multiplication by 3.
  EXPECT_EQ(StretchDestinationSize(33), (Extent{44 * 3, 39 * 3}));

  EXPECT_EQ(SnapshotImageSize(40, 30, 200), (Extent{80, 60}));
  EXPECT_EQ(SnapshotImageSize(41, 25, 50), (Extent{20, 12}));
  EXPECT_EQ(SnapshotImageSize(136, 120, 300), (Extent{408, 360}));
  EXPECT_EQ(SnapshotImageSize(101, 1, 50), (Extent{50, 0}));
  EXPECT_EQ(SnapshotImageSize(65535, 65535, 2'000'000'000).width, 2147483647);
}

TEST_F(RenderPipelineTest, OffscreenSurfaceIsTheFrameOnItsBackgroundInAFaceColouredMargin) {
  const SpriteGrid grid = PatternGrid(20, 10, 1);
  const OffscreenFrame frame = PaintOffscreenFrame(WriteFrame(grid), 2, kBackground, kFace);
  EXPECT_EQ(frame.width, 20);
  EXPECT_EQ(frame.height, 10);
  ASSERT_EQ(frame.surface.Width(), 60);
  ASSERT_EQ(frame.surface.Height(), 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 60; ++x) {
      const Color expected = (x < 20 && y < 10) ? GridColor(grid, x, y, kBackground) : kFace;
      ASSERT_EQ(frame.surface.GetPixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(RenderPipelineTest, OffscreenSurfaceHoldsOnlyWhatTheStretchReads) {
  // A frame 65535 pixels wide and 2048 high: its first record is one run of skipped pixels.
  FrameRecord huge{{}, 2048, {RowRecord{{RunRecord{65535, {}}}, std::nullopt}}};
  const std::vector<std::uint8_t> bytes = BuildArchive({huge});
  WriteBinaryFile(game_.DataFolder() / "Huge.spr.NCS", std::string(bytes.begin(), bytes.end()));
  const std::string path = (game_.DataFolder() / "Huge.spr.NCS").string();

  const OffscreenFrame frame = PaintOffscreenFrame(path, 0, kBackground, kFace);
  EXPECT_EQ(frame.width, 65535);
  EXPECT_EQ(frame.height, 2048);
  EXPECT_EQ(frame.surface, PixelSurface(408, 360, kBackground));
  // The capture image would be 65535 x 2048 pixels: refused instead of allocated.
  EXPECT_FALSE(MakeCaptureImage(frame, 100, kFace).has_value());
}

// At each zoom the screen shows frame pixel (x * 100 / zoom, y * 100 / zoom), face colour
// around the frame and everywhere past the stretched rectangle.
TEST_F(RenderPipelineTest, PreviewScalesColourOnColourAtEveryZoom) {
  const SpriteGrid grid = PatternGrid(100, 80, 2);
  const OffscreenFrame frame = PaintOffscreenFrame(WriteFrame(grid), 2, kBackground, kFace);
  for (int zoom : {50, 100, 200, 300}) {
    PixelSurface preview(1300, 1100, 0);
    DrawPreview(frame, zoom, kFace, preview);
    for (int y = 0; y < preview.Height(); ++y) {
      for (int x = 0; x < preview.Width(); ++x) {
        const int fx = x * 100 / zoom;
        const int fy = y * 100 / zoom;
        const Color expected = (fx < 100 && fy < 80) ? GridColor(grid, fx, fy, kBackground) : kFace;
        ASSERT_EQ(preview.GetPixel(x, y), expected) << zoom << "% " << x << "," << y;
      }
    }
  }
}

TEST_F(RenderPipelineTest, PreviewIsClippedToItsSurface) {
  const SpriteGrid grid = PatternGrid(100, 80, 3);
  const OffscreenFrame frame = PaintOffscreenFrame(WriteFrame(grid), 2, kBackground, kFace);
  PixelSurface preview(250, 100, 0);
  DrawPreview(frame, 300, kFace, preview);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 250; ++x) {
      ASSERT_EQ(preview.GetPixel(x, y), GridColor(grid, x / 3, y / 3, kBackground));
    }
  }
}

TEST_F(RenderPipelineTest, CaptureOfAFrameBeyondTheStretchSourceLeavesTheRestBlack) {
  const SpriteGrid grid = PatternGrid(420, 370, 6);
  const auto image = RenderCapture(WriteFrame(grid), 2, 200, kBackground, kFace);
  ASSERT_TRUE(image.has_value());
  ASSERT_EQ(image->Width(), 840);
  ASSERT_EQ(image->Height(), 740);
  for (int y = 0; y < 740; ++y) {
    for (int x = 0; x < 840; ++x) {
      const Color expected =
          (x < 816 && y < 720) ? GridColor(grid, x / 2, y / 2, kBackground) : MakeColor(0, 0, 0);
      ASSERT_EQ(image->GetPixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(RenderPipelineTest, CaptureWithASideOfZeroPixelsGivesNoImage) {
  const std::string path = WriteFrame(PatternGrid(1, 30, 7));
  EXPECT_FALSE(RenderCapture(path, 2, 50, kBackground, kFace).has_value());
  EXPECT_TRUE(RenderCapture(path, 2, 100, kBackground, kFace).has_value());
}

}  // namespace
}  // namespace vestara::testing
