#include "sprite/archive_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "sprite_test_support.h"
#include "support/test_pictures.h"

namespace vestara::test {
namespace {

using testing::GridFromRows;

TEST(ArchiveWriterTest, BytesFollowTheArchiveLayout) {
  FrameRecord frame{.reserved = {1, 2, 3, 4}, .height = 9, .rows = {}};
  frame.rows.resize(9);
  frame.rows[8] = Row({{0x0102, {0xAA}}});
  const std::vector<std::uint8_t> expected{
      'E',  'A',  'S',  'T', '0', 7,           // signature with its free sixth byte
      1,    0,    0,    0,                     // frame count
      0,    0,    0,    0,   14,  0,    0, 0,  // offsets
      1,    2,    3,    4,   9,   0,           // reserved, height
      0x00, 0x01,                              // mask: row 8 only
      1,    0x02, 0x01, 1,   0,   0xAA,        // record: one run, skip 0x102, one pixel
  };
  EXPECT_EQ(AssembleArchive({7, {EncodeFrame(frame)}, {}}), expected);
}

TEST(ArchiveWriterTest, GridSurvivesTheRoundTrip) {
  const std::pair<const char*, SpriteGrid> cases[] = {
      {"mixed", testing::PatternGrid(5, 4, 1)},
      {"first rows empty", GridFromRows({"...", "...", ".#."}, {{'#', 7}})},
      {"nothing drawn", GridFromRows({"....", "...."}, {})},
      {"all drawn", GridFromRows({"ab", "cd"}, {{'a', 1}, {'b', 2}, {'c', 0}, {'d', 255}})},
      {"no width", {0, 3, {}, {}}},
      {"no height", {6, 0, {}, {}}},
      {"widest", {65535, 1, std::vector<std::uint8_t>(65535, 9), std::vector<bool>(65535, true)}},
  };
  for (const auto& [name, grid] : cases) {
    SCOPED_TRACE(name);
    const auto archive = BuildArchive({FrameFromGrid(grid)});
    // A frame without rows has no record to carry its width.
    const std::uint16_t width = grid.height == 0 ? 0 : grid.width;
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{width, grid.height}));
    PixelSurface expected(grid.width, grid.height);
    for (int y = 0; y < grid.height; ++y) {
      for (int x = 0; x < grid.width; ++x) {
        expected.SetPixel(x, y, testing::GridColor(grid, x, y, kBackground));
      }
    }
    EXPECT_EQ(PaintOn(archive, grid.width, grid.height).Pixels(), expected.Pixels());
  }
}

TEST(ArchiveWriterTest, UnencodableInputIsRejected) {
  std::string alternating;
  for (int i = 0; i < 256; ++i) alternating += ".#";
  EXPECT_THROW(FrameFromGrid(GridFromRows({alternating}, {})), std::length_error);  // 256 runs
  EXPECT_NO_THROW(FrameFromGrid(GridFromRows({alternating.substr(0, 510)}, {})));
  EXPECT_THROW(FrameFromGrid({3, 2, {1, 2, 3}, {true, true, true}}), std::length_error);
  const FrameRecord tooLong{.height = 1, .rows = {Row({{0, std::vector<std::uint8_t>(65536)}})}};
  EXPECT_THROW(EncodeFrame(tooLong), std::length_error);
}

}  // namespace
}  // namespace vestara::test
