#include <gtest/gtest.h>

#include "sprite/archive_index.h"
#include "sprite_test_support.h"

namespace vestara::test {
namespace {

// A refused frame measures as nothing and leaves the surface as the caller filled it.
void ExpectRefused(std::span<const std::uint8_t> archive, FrameIndex index) {
  EXPECT_EQ(MeasureFrame(archive, index), std::nullopt);
  PixelSurface surface(8, 8, kFill);
  EXPECT_EQ(PaintFrame(archive, index, kBackground, surface), std::nullopt);
  EXPECT_EQ(surface, PixelSurface(8, 8, kFill));
}

const FrameRecord kSmallFrame{.height = 2, .rows = {Row({{1, {1, 2}}}), Row({{0, {3, 4, 5}}})}};

TEST(MalformedArchiveTest, SignatureMustBeginWithEast0) {
  for (const int sixth : {0, int{'0'}, int{'1'}, 0xFF}) {
    const auto archive =
        AssembleArchive({static_cast<std::uint8_t>(sixth), {EncodeFrame(kSmallFrame)}, {}});
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{3, 2})) << "sixth byte " << sixth;
  }
  for (std::size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    auto archive = SingleFrameArchive(kSmallFrame);
    archive[i] = i == 4 ? '1' : archive[i] ^ 0x20;
    ExpectRefused(archive, 0);
  }
}

TEST(MalformedArchiveTest, MoreThan511FramesAreRefused) {
  const auto atLimit = BuildArchive(std::vector<FrameRecord>(511));
  EXPECT_EQ(MeasureFrame(atLimit, 510), (FrameSize{0, 0}));
  const auto overLimit = BuildArchive(std::vector<FrameRecord>(512));
  EXPECT_EQ(ReadArchiveIndex(overLimit), std::nullopt);
  ExpectRefused(overLimit, 0);
}

TEST(MalformedArchiveTest, FramesHigherThan2048RowsAreRefused) {
  for (const std::uint16_t height : {2049, 65535}) {
    SCOPED_TRACE(height);
    const FrameRecord frame{.height = height, .rows = {Row({{0, {1}}})}};
    ExpectRefused(SingleFrameArchive(frame), 0);
  }
}

TEST(MalformedArchiveTest, FrameIndexOfFrameCountOrMoreIsRefused) {
  const auto archive = BuildArchive({kSmallFrame, kSmallFrame});
  for (const FrameIndex index : {2, 3, 65535}) {
    SCOPED_TRACE(index);
    ExpectRefused(archive, index);
  }
}

TEST(MalformedArchiveTest, OffsetsOutsideTheBytesOrDecreasingAreRefused) {
  const auto size = static_cast<std::uint32_t>(EncodeFrame(kSmallFrame).size());
  EXPECT_EQ(MeasureFrame(ArchiveWithOffsets(kSmallFrame, {0, size}), 0), (FrameSize{3, 2}));
  for (const auto& offsets : std::vector<std::vector<std::uint32_t>>{
           {0, size + 1}, {size + 1, size + 2}, {size, size}, {4, 0}, {0xFFFFFFFF, 0xFFFFFFFF}}) {
    SCOPED_TRACE(testing::PrintToString(offsets));
    ExpectRefused(ArchiveWithOffsets(kSmallFrame, offsets), 0);
  }
}

TEST(MalformedArchiveTest, TruncationRefusesExactlyTheFramesItCuts) {
  const FrameRecord second{.height = 3, .rows = {{}, Row({{2, {9}}, {0, {}}})}};
  const auto whole = BuildArchive({kSmallFrame, second});
  const auto index = ReadArchiveIndex(whole);
  ASSERT_TRUE(index);
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const std::span<const std::uint8_t> cut(whole.data(), length);
    EXPECT_EQ(ReadArchiveHeader(cut).has_value(), length >= index->dataStart) << length;
    for (FrameIndex frame = 0; frame < 2; ++frame) {
      SCOPED_TRACE(testing::Message() << "length " << length << ", frame " << frame);
      if (length < index->dataStart + index->frameOffsets[frame + 1]) {
        ExpectRefused(cut, frame);
      } else {
        EXPECT_EQ(MeasureFrame(cut, frame), MeasureFrame(whole, frame));
        EXPECT_EQ(PaintOn(cut, 4, 3, frame), PaintOn(whole, 4, 3, frame));
      }
    }
  }
}

TEST(MalformedArchiveTest, FirstRecordRunningOffTheEndIsRefused) {
  // The frame claims only its header and mask, so the archive may end inside the
  // 7-byte first record that the measure reads.
  const auto archive = ArchiveWithOffsets(kSmallFrame, {0, 7});
  const std::size_t recordStart = archive.size() - EncodeFrame(kSmallFrame).size() + 7;
  for (std::size_t length = recordStart; length < recordStart + 7; ++length) {
    SCOPED_TRACE(length);
    ExpectRefused(std::span(archive.data(), length), 0);
  }
  EXPECT_EQ(MeasureFrame(std::span(archive.data(), recordStart + 7), 0), (FrameSize{3, 2}));
}

TEST(MalformedArchiveTest, MaskBitsPastTheLastRowAreNoRecords) {
  ArchiveRecord archive{.frames = {EncodeFrame({.height = 3})}};
  archive.frames[0][6] = 0x20;  // row 5 of a 3-row frame
  archive.frames[0].insert(archive.frames[0].end(), {1, 0, 0, 1, 0, 7});
  EXPECT_EQ(MeasureFrame(AssembleArchive(archive), 0), (FrameSize{0, 3}));
}

}  // namespace
}  // namespace vestara::test
