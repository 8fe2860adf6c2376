#include "sprite/archive_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "sprite_test_support.h"

namespace vestara::test {
namespace {

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

TEST(ArchiveWriterTest, ExplicitRunCountAndOffsetsAreWrittenAsGiven) {
  RowRecord row = Row({{0, {1}}, {0, {2}}});
  row.runCount = 0;
  const auto frame = EncodeFrame({.height = 1, .rows = {row}});
  EXPECT_EQ(frame[7], 0);
  const auto archive = AssembleArchive({0, {frame}, std::vector<std::uint32_t>{5, 3, 1}});
  EXPECT_EQ(std::vector<std::uint8_t>(archive.begin() + 6, archive.begin() + 22),
            (std::vector<std::uint8_t>{2, 0, 0, 0, 5, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0}));
}

struct GridCase {
  const char* name;
  SpriteGrid grid;
};

SpriteGrid Grid(std::uint16_t width, std::uint16_t height, const std::string& drawnMask) {
  SpriteGrid grid{width, height, {}, {}};
  for (std::size_t i = 0; i < drawnMask.size(); ++i) {
    grid.pixels.push_back(static_cast<std::uint8_t>(i * 37));
    grid.drawn.push_back(drawnMask[i] == '#');
  }
  return grid;
}

TEST(ArchiveWriterTest, GridSurvivesTheRoundTrip) {
  const std::vector<GridCase> cases{
      {"mixed", Grid(5, 4,
                     "#..##"
                     ".#.#."
                     "....."
                     "##..#")},
      {"first rows empty", Grid(3, 3,
                                "..."
                                "..."
                                ".#.")},
      {"nothing drawn", Grid(4, 2, "........")},
      {"all drawn", Grid(2, 2, "####")},
      {"no width", Grid(0, 3, "")},
      {"no height", Grid(6, 0, "")},
      {"widest", Grid(65535, 1, std::string(65535, '#'))},
  };
  for (const GridCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SpriteGrid& grid = c.grid;
    const auto archive = SingleFrameArchive(FrameFromGrid(grid));
    // A frame without rows has no record to carry its width.
    const std::uint16_t width = grid.height == 0 ? 0 : grid.width;
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{width, grid.height}));

    PixelSurface expected(grid.width, grid.height);
    for (std::size_t i = 0; i < grid.drawn.size(); ++i) {
      expected.SetPixel(static_cast<int>(i % grid.width), static_cast<int>(i / grid.width),
                        grid.drawn[i] ? P(grid.pixels[i]) : kBackground);
    }
    EXPECT_EQ(PaintOn(archive, grid.width, grid.height), expected);
  }
}

TEST(ArchiveWriterTest, UnencodableInputIsRejected) {
  std::string alternating;
  for (int i = 0; i < 256; ++i) alternating += ".#";
  EXPECT_THROW(FrameFromGrid(Grid(512, 1, alternating)), std::length_error);
  EXPECT_NO_THROW(FrameFromGrid(Grid(510, 1, alternating.substr(0, 510))));
  EXPECT_THROW(FrameFromGrid(Grid(3, 2, "###")), std::length_error);

  const FrameRecord tooLong{.height = 1, .rows = {Row({{0, std::vector<std::uint8_t>(65536)}})}};
  EXPECT_THROW(EncodeFrame(tooLong), std::length_error);
}

}  // namespace
}  // namespace vestara::test
