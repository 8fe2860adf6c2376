#include "render/copy_picture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "render/view_geometry.h"
#include "sample_game/archive_writer.h"
#include "support/scoped_test_directory.h"
#include "support/test_pictures.h"

namespace vestara::testing {
namespace {

constexpr Color kPurple = 0xFF00FF;

// The copy of a grid worked out pixel by pixel, as a player would check it: opaque, each
// picture pixel repeats its frame pixel on the background; transparent, a pixel is opaque
// exactly where its frame pixel is drawn, and holds nothing (0) elsewhere. Up to
// `shown` x `shown` frame pixels are captured.
struct ExpectedCopy {
  PixelSurface image;
  std::vector<std::uint8_t> opaque;
};
ExpectedCopy Enlarged(const SpriteGrid& grid, int zoom, bool transparent, int shownWidth,
                      int shownHeight) {
  const int width = grid.width * zoom / 100;
  const int height = grid.height * zoom / 100;
  ExpectedCopy copy{PixelSurface(width, height), {}};
  if (transparent) copy.opaque.assign(static_cast<std::size_t>(width) * height, 0);
  for (int y = 0; y < std::min(height, shownHeight); ++y) {
    for (int x = 0; x < std::min(width, shownWidth); ++x) {
      const int fx = x * 100 / zoom;
      const int fy = y * 100 / zoom;
      const bool drawn = grid.drawn[static_cast<std::size_t>(fy) * grid.width + fx];
      if (transparent && !drawn) continue;
      copy.image.SetPixel(x, y, GridColor(grid, fx, fy, kPurple));
      if (transparent) copy.opaque[static_cast<std::size_t>(y) * width + x] = 1;
    }
  }
  return copy;
}

class CopyPictureTest : public ::testing::Test {
 protected:
  CopyPictureTest() {
    WriteBytes(path_, BuildArchive({FrameFromGrid(small_), FrameFromGrid(wide_)}));
  }
  std::optional<FramePicture> Copy(FrameIndex index, int zoom, CopyKind kind) const {
    return MakeCopyPicture(path_, index, zoom, kPurple, kind);
  }

  const ScopedTestDirectory directory_;
  const std::string path_ = (directory_.root() / "Weapon.spr.NCS").string();
  const SpriteGrid small_ = PatternGrid(23, 17, 4);
  // Wider than the 408 pixels of the source rectangle that a capture stretches.
  const SpriteGrid wide_ = PatternGrid(420, 9, 5);
};

TEST_F(CopyPictureTest, AtOneHundredPerCentAndAboveEachFramePixelIsRepeated) {
  for (const int zoom : {100, 200, 300}) {
    for (const bool transparent : {false, true}) {
      SCOPED_TRACE(::testing::Message() << zoom << (transparent ? " transparent" : " opaque"));
      const auto copy = Copy(0, zoom, transparent ? CopyKind::Transparent : CopyKind::Opaque);
      ASSERT_TRUE(copy);
      const ExpectedCopy expected = Enlarged(small_, zoom, transparent, 1 << 20, 1 << 20);
      EXPECT_EQ(copy->image, expected.image);
      EXPECT_EQ(copy->opaque, expected.opaque);
      EXPECT_EQ(copy->frameSize, (FrameSize{23, 17}));
    }
  }
}

TEST_F(CopyPictureTest, PastTheCapturedAreaAFrameIsNeitherCapturedNorCopied) {
  // 408 frame columns fit the fixed source rectangle: at 200 % the capture holds 816 columns
  // of the frame's 840 and leaves the rest black.
  const auto opaque = Copy(1, 200, CopyKind::Opaque);
  const auto transparent = Copy(1, 200, CopyKind::Transparent);
  ASSERT_TRUE(opaque && transparent);
  EXPECT_EQ(opaque->image, Enlarged(wide_, 200, false, 816, 1 << 20).image);
  const ExpectedCopy expected = Enlarged(wide_, 200, true, 816, 1 << 20);
  EXPECT_EQ(transparent->image, expected.image);
  EXPECT_EQ(transparent->opaque, expected.opaque);
}

// At 50 % a copy pixel covers 2 x 2 frame pixels: the opaque copy averages all four over the
// background, as a capture does; the transparent one is opaque when at least two are drawn
// and averages only those.
TEST_F(CopyPictureTest, AtFiftyPerCentPixelsAreAveraged) {
  const SpriteGrid grid = GridFromRows({"ab.a", "ba.b", "....", "a..."}, {{'a', 3}, {'b', 40}});
  const ScopedTestDirectory directory;
  const std::string path = (directory.root() / "Shields.spr.NCS").string();
  WriteBytes(path, BuildArchive({FrameFromGrid(grid)}));
  const auto average = [&](std::vector<std::pair<int, int>> pixels, bool withBackground) {
    int red = 0, green = 0, blue = 0, count = 0;
    for (const auto& [x, y] : pixels) {
      const bool drawn = grid.drawn[static_cast<std::size_t>(y) * grid.width + x];
      if (!drawn && !withBackground) continue;
      const Color color = GridColor(grid, x, y, kPurple);
      red += RedOf(color), green += GreenOf(color), blue += BlueOf(color), ++count;
    }
    // Rounded to the nearest, halves up.
    const auto mean = [count](int sum) {
      return static_cast<std::uint8_t>((sum + count / 2) / count);
    };
    return MakeColor(mean(red), mean(green), mean(blue));
  };
  const std::vector<std::pair<int, int>> blocks[] = {{{0, 0}, {1, 0}, {0, 1}, {1, 1}},
                                                     {{2, 0}, {3, 0}, {2, 1}, {3, 1}},
                                                     {{0, 2}, {1, 2}, {0, 3}, {1, 3}},
                                                     {{2, 2}, {3, 2}, {2, 3}, {3, 3}}};
  const auto opaque = MakeCopyPicture(path, 0, 50, kPurple, CopyKind::Opaque);
  const auto transparent = MakeCopyPicture(path, 0, 50, kPurple, CopyKind::Transparent);
  ASSERT_TRUE(opaque && transparent);
  const std::vector<std::uint8_t> shown{1, 1, 0, 0};  // 4, 2, 1 and 0 of 4 drawn
  EXPECT_EQ(transparent->opaque, shown);
  for (int block = 0; block < 4; ++block) {
    const int x = block % 2, y = block / 2;
    EXPECT_EQ(opaque->image.GetPixel(x, y), average(blocks[block], true)) << block;
    if (shown[block] != 0) {
      EXPECT_EQ(transparent->image.GetPixel(x, y), average(blocks[block], false)) << block;
    }
  }
}

// A frame of odd sides: the capture takes its pixels two by two from the origin and drops
// the last column and row; so does the transparent copy, pixel for pixel.
TEST_F(CopyPictureTest, AtFiftyPerCentAFrameOfOddSidesIsTakenAsTheCaptureTakesIt) {
  const SpriteGrid grid = GridFromRows({"ab.a.", "b..ab", "aaaaa"}, {{'a', 3}, {'b', 40}});
  const ScopedTestDirectory directory;
  const std::string path = (directory.root() / "Soul.spr.NCS").string();
  WriteBytes(path, BuildArchive({FrameFromGrid(grid)}));
  const auto transparent = MakeCopyPicture(path, 0, 50, kPurple, CopyKind::Transparent);
  const auto opaque = MakeCopyPicture(path, 0, 50, kPurple, CopyKind::Opaque);
  ASSERT_TRUE(transparent && opaque);
  ASSERT_EQ(transparent->image.Width(), 2);
  ASSERT_EQ(transparent->image.Height(), 1);
  EXPECT_EQ(transparent->opaque, (std::vector<std::uint8_t>{1, 1}));  // 3 and 2 of 4 drawn
  const Color a = GridColor(grid, 0, 0, 0), b = GridColor(grid, 1, 0, 0);
  const auto mean = [](std::initializer_list<Color> colors, auto channel) {
    int sum = 0;
    for (const Color color : colors) sum += channel(color);
    const int count = static_cast<int>(colors.size());
    return static_cast<std::uint8_t>((sum + count / 2) / count);
  };
  const auto average = [&](std::initializer_list<Color> colors) {
    return MakeColor(mean(colors, RedOf), mean(colors, GreenOf), mean(colors, BlueOf));
  };
  EXPECT_EQ(transparent->image.GetPixel(0, 0), average({a, b, b}));
  EXPECT_EQ(transparent->image.GetPixel(1, 0), a);
  // The capture averages the same blocks, background included.
  EXPECT_EQ(opaque->image.GetPixel(0, 0), average({a, b, b, kPurple}));
  EXPECT_EQ(opaque->image.GetPixel(1, 0), average({kPurple, a, kPurple, a}));
}

TEST_F(CopyPictureTest, AMissingArchiveCopiesTheFaceColouredPictureACaptureWouldSave) {
  const std::string missing = (directory_.root() / "Armor102.spr.NCS").string();
  for (const CopyKind kind : {CopyKind::Opaque, CopyKind::Transparent}) {
    const auto copy = MakeCopyPicture(missing, 0, 200, kPurple, kind);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->image, PixelSurface(18, 34, kDefaultFaceColor));
    EXPECT_TRUE(copy->opaque.empty());
  }
  // Nothing is left to copy of a frame 1 pixel high at 50 %, as a capture saves nothing.
  WriteBytes(missing, BuildArchive({FrameFromGrid(PatternGrid(4, 1, 1))}));
  EXPECT_EQ(MakeCopyPicture(missing, 0, 50, kPurple, CopyKind::Opaque), std::nullopt);
  EXPECT_EQ(MakeCopyPicture(missing, 0, 50, kPurple, CopyKind::Transparent), std::nullopt);
}

}  // namespace
}  // namespace vestara::testing
