#include "sample_game/archive_writer.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/test_pictures.h"

namespace vestara::test {
namespace {

using testing::GridFromRows;

RowRecord Row(std::vector<RunRecord> runs) { return RowRecord{std::move(runs), std::nullopt}; }

TEST(ArchiveWriterTest, BytesFollowTheArchiveLayout) {
  FrameRecord frame{
      .reserved = {1, 2, 3, 4}, .height = 9, .rows = std::vector<std::optional<RowRecord>>(9)};
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
