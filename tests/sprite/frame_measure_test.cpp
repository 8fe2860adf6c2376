#include <gtest/gtest.h>

#include "sprite/archive_index.h"
#include "sprite_test_support.h"

namespace vestara::test {
namespace {

TEST(FrameMeasureTest, HeightZeroMeasuresZeroByZero) {
  EXPECT_EQ(MeasureFrame(SingleFrameArchive({}), 0), (FrameSize{0, 0}));
}

TEST(FrameMeasureTest, WidthComesFromTheFirstRowThatHasARecord) {
  FrameRecord frame{.height = 4, .rows = {{}, {}, Row({{1, {5, 6}}}), Row({{0, {1, 2, 3, 4, 5}}})}};
  EXPECT_EQ(MeasureFrame(SingleFrameArchive(frame), 0), (FrameSize{3, 4}));
}

TEST(FrameMeasureTest, RunCountDecidesHowManyRunsMakeTheWidth) {
  struct Case {
    std::uint8_t runCount;
    std::uint16_t width;
  };
  // A runCount of 0 is still read as one run.
  for (const Case& c : {Case{0, 3}, Case{1, 3}, Case{2, 8}}) {
    RowRecord row = Row({{2, {7}}, {5, {}}});
    row.runCount = c.runCount;
    const FrameRecord frame{.height = 1, .rows = {row}};
    EXPECT_EQ(MeasureFrame(SingleFrameArchive(frame), 0), (FrameSize{c.width, 1}))
        << "runCount " << int{c.runCount};
  }
}

TEST(FrameMeasureTest, WidthIsSummedIn16Bits) {
  const FrameRecord frame{.height = 1, .rows = {Row({{0xFFFF, {1, 2}}})}};
  EXPECT_EQ(MeasureFrame(SingleFrameArchive(frame), 0), (FrameSize{1, 1}));
}

TEST(FrameMeasureTest, RowsWithoutAnyRecordHaveWidthZero) {
  // Whatever follows the mask must not be taken for a record.
  ArchiveRecord archive{.frames = {EncodeFrame({.height = 3})}};
  archive.frames[0].insert(archive.frames[0].end(), {1, 9, 0, 0, 0});
  EXPECT_EQ(MeasureFrame(AssembleArchive(archive), 0), (FrameSize{0, 3}));
}

TEST(FrameMeasureTest, MaskBitsBeyondTheHeightMarkNoRow) {
  // Height 3 takes bits 0 to 2 of the only mask byte; bit 5 belongs to no row.
  ArchiveRecord archive{.frames = {EncodeFrame({.height = 3})}};
  archive.frames[0][6] = 1 << 5;
  archive.frames[0].insert(archive.frames[0].end(), {1, 9, 0, 0, 0});
  EXPECT_EQ(MeasureFrame(AssembleArchive(archive), 0), (FrameSize{0, 3}));
}

TEST(FrameMeasureTest, EachFrameIsFoundThroughTheOffsetTable) {
  const auto archive = BuildArchive({{.height = 1, .rows = {Row({{0, {1}}})}},
                                     {.height = 2, .rows = {{}, Row({{4, {1, 2}}})}},
                                     {}});
  EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{1, 1}));
  EXPECT_EQ(MeasureFrame(archive, 1), (FrameSize{6, 2}));
  EXPECT_EQ(MeasureFrame(archive, 2), (FrameSize{0, 0}));

  const auto index = ReadArchiveIndex(archive);
  ASSERT_TRUE(index);
  EXPECT_EQ(index->frameCount, 3u);
  EXPECT_EQ(index->dataStart, 10u + 4u * 4u);
  // 4 reserved + 2 height + mask + records
  EXPECT_EQ(index->FrameByteSize(0), 6u + 1u + 1u + 5u);
  EXPECT_EQ(index->FrameByteSize(1), 6u + 1u + 1u + 6u);
  EXPECT_EQ(index->FrameByteSize(2), 6u);

  // The header alone finds the same frames.
  const auto header = ReadArchiveHeader(archive);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->frameCount, index->frameCount);
  EXPECT_EQ(header->dataStart, index->dataStart);
  for (std::uint32_t entry = 0; entry <= index->frameCount; ++entry) {
    EXPECT_EQ(FrameOffset(archive, entry), index->frameOffsets[entry]) << "entry " << entry;
  }
}

}  // namespace
}  // namespace vestara::test
