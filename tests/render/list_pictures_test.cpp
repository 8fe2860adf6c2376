#include "render/list_pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "sample_game/archive_writer.h"
#include "support/scoped_test_directory.h"
#include "support/test_pictures.h"

namespace vestara::testing {
namespace {

TEST(ListPicturesTest, FramesFitTheSquareByTheirLongerSide) {
  const std::tuple<FrameSize, int, Extent> cases[] = {
      {{98, 98}, 32, {32, 32}}, {{100, 50}, 32, {32, 16}}, {{50, 100}, 30, {15, 30}},
      {{33, 1}, 32, {32, 1}},   {{32, 32}, 32, {32, 32}},  {{16, 16}, 32, {32, 32}},
      {{10, 7}, 32, {30, 21}},  {{11, 4}, 32, {22, 8}},    {{1, 1}, 32, {32, 32}},
      {{0, 5}, 32, {0, 0}},     {{5, 5}, 0, {0, 0}}};
  for (const auto& [frame, side, fitted] : cases) {
    EXPECT_EQ(FittedSize(frame, side), fitted)
        << frame.width << "x" << frame.height << " in " << side;
  }
}

class ListPicturesArchiveTest : public ::testing::Test {
 protected:
  ListPicturesArchiveTest() {
    WriteBytes(path_, BuildArchive({FrameFromGrid(small_), FrameFromGrid(large_)}));
  }
  std::vector<EntryPictures> Make(std::vector<std::optional<FrameIndex>> frames,
                                  ListPictureSides sides) const {
    return MakeListPictures(path_, frames, sides);
  }

  const ScopedTestDirectory directory_;
  const std::string path_ = (directory_.root() / "Weapon.spr.NCS").string();
  const SpriteGrid small_ = PatternGrid(10, 7, 3);
  const SpriteGrid large_ = PatternGrid(8, 8, 6);
};

// A smaller frame is enlarged by a whole factor: each frame pixel becomes a block, shown
// exactly where the frame is drawn.
TEST_F(ListPicturesArchiveTest, ASmallFrameIsEnlargedByWholeFactorsWithoutBlur) {
  const auto pictures = Make({0}, {32, 16});
  ASSERT_EQ(pictures.size(), 1u);
  for (const auto& [picture, factor] : {std::pair{pictures[0].row, 3}, {pictures[0].field, 1}}) {
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->image.Width(), 10 * factor);
    ASSERT_EQ(picture->image.Height(), 7 * factor);
    for (int y = 0; y < 7 * factor; ++y) {
      for (int x = 0; x < 10 * factor; ++x) {
        const std::size_t frameAt = static_cast<std::size_t>(y / factor) * 10 + x / factor;
        const bool drawn = small_.drawn[frameAt];
        ASSERT_EQ(picture->opaque[static_cast<std::size_t>(y) * 10 * factor + x], drawn ? 1 : 0);
        if (drawn) {
          ASSERT_EQ(picture->image.GetPixel(x, y), GridColor(small_, x / factor, y / factor, 0));
        }
      }
    }
  }
}

// A larger frame is reduced by averaging: a picture pixel over 2 x 2 frame pixels is shown
// when at least two are drawn and takes the rounded average of those.
TEST_F(ListPicturesArchiveTest, ALargeFrameIsReducedByAveragingItsDrawnPixels) {
  const auto pictures = Make({1}, {4, 4});
  ASSERT_TRUE(pictures[0].row);
  const ListPicture& picture = *pictures[0].row;
  ASSERT_EQ(picture.image.Width(), 4);
  ASSERT_EQ(picture.image.Height(), 4);
  int shown = 0;
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      int red = 0, green = 0, blue = 0, drawn = 0;
      for (int fy = 2 * y; fy < 2 * y + 2; ++fy) {
        for (int fx = 2 * x; fx < 2 * x + 2; ++fx) {
          if (!large_.drawn[static_cast<std::size_t>(fy) * 8 + fx]) continue;
          const Color color = GridColor(large_, fx, fy, 0);
          red += RedOf(color), green += GreenOf(color), blue += BlueOf(color), ++drawn;
        }
      }
      const bool expectShown = 2 * drawn >= 4;
      ASSERT_EQ(picture.opaque[static_cast<std::size_t>(y) * 4 + x], expectShown ? 1 : 0);
      if (!expectShown) continue;
      ++shown;
      const auto mean = [drawn](int sum) {
        return static_cast<std::uint8_t>((sum + drawn / 2) / drawn);
      };
      EXPECT_EQ(picture.image.GetPixel(x, y), MakeColor(mean(red), mean(green), mean(blue)));
    }
  }
  EXPECT_GT(shown, 0);
}

TEST_F(ListPicturesArchiveTest, EntriesWithoutADecodableFrameHaveNoPicture) {
  const auto pictures = Make({std::nullopt, 7, 1}, {32, 16});
  ASSERT_EQ(pictures.size(), 3u);
  EXPECT_FALSE(pictures[0].row || pictures[0].field);  // no frame at all
  EXPECT_FALSE(pictures[1].row || pictures[1].field);  // beyond the archive
  EXPECT_TRUE(pictures[2].row && pictures[2].field);
  const auto missing = MakeListPictures((directory_.root() / "none").string(),
                                        std::vector<std::optional<FrameIndex>>{0, 1}, {32, 16});
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_FALSE(missing[0].row || missing[1].row);
  // A frame far beyond any sprite's size, as a damaged archive may claim.
  WriteBytes(path_, BuildArchive({{{}, 2048, {RowRecord{{RunRecord{65535, {}}}, std::nullopt}}}}));
  EXPECT_FALSE(Make({0}, {32, 16})[0].row);
  // A damaged archive: its signature alone.
  WriteBytes(path_, {'E', 'A', 'S', 'T', '0'});
  EXPECT_FALSE(Make({0}, {32, 16})[0].row);
}

}  // namespace
}  // namespace vestara::testing
