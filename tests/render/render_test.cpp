#include <gtest/gtest.h>

#include <span>
#include <tuple>
#include <variant>
#include <vector>

#include "render/frame_picture.h"
#include "render/offscreen_frame.h"
#include "render/view_geometry.h"
#include "render/view_pictures.h"
#include "sample_game/archive_writer.h"
#include "support/scoped_test_directory.h"
#include "support/test_pictures.h"

namespace vestara::testing {
namespace {

TEST(ViewGeometryTest, ThePictureAreaAndCaptureSizesAtEachZoom) {
  const std::tuple<int, Extent> areas[] = {
      {50, {204, 180}}, {100, {408, 360}}, {200, {816, 720}}, {300, {1224, 1080}}};
  for (const auto& [zoom, area] : areas) EXPECT_EQ(StretchDestinationSize(zoom), area) << zoom;
  // Each side times the zoom, divided by 100 with the remainder dropped.
  const std::tuple<FrameSize, int, Extent> captures[] = {{{101, 80}, 50, {50, 40}},
                                                         {{40, 30}, 200, {80, 60}},
                                                         {{41, 25}, 50, {20, 12}},
                                                         {{136, 120}, 300, {408, 360}},
                                                         {{1, 1}, 50, {0, 0}}};
  for (const auto& [frame, zoom, size] : captures) EXPECT_EQ(ZoomedSize(frame, zoom), size);
  EXPECT_FALSE(IsMakeablePicture({0, 5}));
  EXPECT_TRUE(IsMakeablePicture({8192, 8192}));
  EXPECT_FALSE(IsMakeablePicture({8192, 8193}));
}

// The viewer reads the archive file twice; the command line decodes bytes it read once. Both
// give the same offscreen frame, also when the archive holds no such frame.
TEST(OffscreenFrameTest, TheViewersTwoReadsAndOneDecodeGiveTheSameFrame) {
  const ScopedTestDirectory directory;
  const std::string path = (directory.root() / "a.spr.NCS").string();
  const SpriteGrid small = PatternGrid(20, 10, 1);
  const SpriteGrid large = PatternGrid(150, 130, 2);
  const auto archive = BuildArchive({FrameFromGrid(small), FrameFromGrid(large)});
  WriteBytes(path, archive);
  const std::tuple<FrameIndex, FrameSize, Extent> cases[] = {
      {0, {20, 10}, {60, 30}}, {1, {150, 130}, {408, 360}}, {2, {9, 17}, {27, 51}}};
  for (const auto& [index, size, surface] : cases) {
    SCOPED_TRACE(index);
    const OffscreenFrame read = PaintOffscreenFrame(path, index, 0x00FF00);
    const OffscreenFrame decoded = PaintOffscreenFrame(std::span(archive), index, 0x00FF00);
    EXPECT_EQ(read.size, size);
    EXPECT_EQ(read.surface, decoded.surface);
    EXPECT_EQ(decoded.size, size);
    EXPECT_EQ((Extent{read.surface.Width(), read.surface.Height()}), surface);
  }
  const OffscreenFrame missing = PaintOffscreenFrame((directory.root() / "b").string(), 0, 0);
  EXPECT_EQ(missing.surface, PixelSurface(27, 51, kDefaultFaceColor));
  // At 50 % a 1 x 1 frame gives no capture; a frame too large for one picture neither.
  EXPECT_EQ(MakeCaptureImage(
                PaintOffscreenFrame(BuildArchive({FrameFromGrid(PatternGrid(1, 1, 0))}), 0, 0), 50),
            std::nullopt);
  std::vector<FrameRecord> huge{{{}, 2048, {RowRecord{{RunRecord{65535, {}}}, std::nullopt}}}};
  EXPECT_EQ(MakeCaptureImage(PaintOffscreenFrame(BuildArchive(huge), 0, 0), 100), std::nullopt);
}

TEST(FramePictureTest, FramesWithoutAPictureSayWhy) {
  const std::vector<FrameRecord> frames{
      FrameFromGrid(PatternGrid(1, 1, 0)),
      {{}, 2048, {RowRecord{{RunRecord{65535, {}}}, std::nullopt}}}};
  const auto archive = BuildArchive(frames);
  const std::tuple<FrameIndex, int, FrameFailure> cases[] = {{2, 100, FrameFailure::Unreadable},
                                                             {0, 50, FrameFailure::EmptyPicture},
                                                             {1, 100, FrameFailure::TooLarge}};
  for (const auto& [index, zoom, failure] : cases) {
    for (const std::optional<Color> background :
         {std::optional<Color>(0), std::optional<Color>()}) {
      const auto picture = MakeFramePicture(archive, index, zoom, background);
      ASSERT_TRUE(std::holds_alternative<FrameFailure>(picture)) << index;
      EXPECT_EQ(std::get<FrameFailure>(picture), failure) << index;
    }
  }
  const auto one = std::get<FramePicture>(MakeFramePicture(archive, 0, 300, std::nullopt));
  EXPECT_EQ(one.frameSize, (FrameSize{1, 1}));
  EXPECT_EQ(one.opaque.size(), 9u);
}

}  // namespace
}  // namespace vestara::testing
