#include "sprite/sprite_decoder.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <tuple>

#include "sprite/archive_index.h"
#include "sprite/palette_colors.h"
#include "sprite_test_support.h"

namespace vestara::test {
namespace {

using Picture = std::vector<std::string>;

std::vector<std::uint8_t> OneRowFrame(std::vector<RunRecord> runs,
                                      std::optional<std::uint8_t> runCount = {}) {
  return EncodeFrame({.height = 1, .rows = {Row(std::move(runs), runCount)}});
}

TEST(SpriteDecoderTest, MeasureAndPaintOfOneFrame) {
  // Row 1's record is the first: it sets the width 3, draws index 0 and has halves of length 0.
  // Row 0 is empty, rows 2 and 3 pass the width, row 4 claims no runs; row 5 is read after them.
  const FrameRecord runs{.height = 6,
                         .rows = {{},
                                  Row({{0, {0}}, {1, {}}, {0, {}}, {0, {5}}}),
                                  Row({{0, {1, 2, 3, 4, 5}}}),
                                  Row({{6, {7}}}),
                                  Row({{1, {6}}, {0, {7}}}, 0),
                                  Row({{0, {8, 9, 1}}})}};
  const FrameRecord clipped{.height = 3, .rows = {Row({{1, {1, 2, 3}}}), {}, Row({{0, {4}}})}};
  // {name, frame, size, the painted surface as text, of the size of the surface painted on}
  using Case = std::tuple<const char*, std::vector<std::uint8_t>, FrameSize, Picture>;
  const Case cases[] = {
      {"runs of every kind",
       EncodeFrame(runs),
       {3, 6},
       {"...-", "0.5-", "123-", "...-", ".67-", "891-", "----"}},
      {"all runs make the width", OneRowFrame({{2, {7}}, {5, {}}}), {8, 1}, {"..7....."}},
      {"a runCount of 0 reads one run", OneRowFrame({{2, {7}}, {5, {}}}, 0), {3, 1}, {"..7"}},
      {"width summed in 16 bits", OneRowFrame({{0xFFFF, {1, 2}}}), {1, 1}, {".-"}},
      {"clipped to a smaller surface", EncodeFrame(clipped), {4, 3}, {".1", ".."}},
      {"no record: width 0", EncodeFrame({.height = 5}), {0, 5}, {"--", "--"}},
      // Height 3 uses bits 0 to 2 of the mask; bit 5 marks no row, and what follows no record.
      {"mask bits beyond the height", {0, 0, 0, 0, 3, 0, 0x20, 1, 0, 0, 1, 0, 7}, {0, 3}, {"-"}},
      {"height 0", EncodeFrame({}), {0, 0}, {"-"}},
  };
  for (const auto& [name, frame, size, painted] : cases) {
    SCOPED_TRACE(name);
    const auto archive = AssembleArchive({0, {frame}, {}});
    EXPECT_EQ(MeasureFrame(archive, 0), size);
    PixelSurface surface(static_cast<int>(painted[0].size()), static_cast<int>(painted.size()),
                         kFill);
    EXPECT_EQ(PaintFrame(archive, 0, kBackground, surface), size);
    EXPECT_EQ(Text(surface), painted);
  }
}

TEST(SpriteDecoderTest, RowMaskLengthFollowsTheHeight) {
  for (const auto& [height, maskBytes] : std::initializer_list<std::pair<std::uint16_t, int>>{
           {1, 1}, {8, 1}, {9, 2}, {16, 2}, {17, 3}, {2048, 256}}) {
    FrameRecord frame{.height = height};
    frame.rows.resize(height);
    frame.rows.back() = Row({{0, {9, 10, 11}}});
    EXPECT_EQ(EncodeFrame(frame).size(), 6u + maskBytes + 8u);
    const auto archive = BuildArchive({frame});
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{3, height}));
    const auto painted = Text(PaintOn(archive, 3, height));
    EXPECT_EQ(painted.back(), "9ab") << height;
    EXPECT_EQ(painted.front(), height == 1 ? "9ab" : "...") << height;
  }
}

// Rows 0, 1 and 3 have records of 8, 7 and 8 bytes, beginning at frame positions 7, 15 and 22.
const FrameRecord kFourRecords{
    .height = 5, .rows = {Row({{0, {1, 2, 3}}}), Row({{1, {4, 5}}}), {}, Row({{0, {6, 7, 8}}})}};

TEST(SpriteDecoderTest, RowsWhoseRecordsTheFrameDoesNotHoldAreLeftAlone) {
  // Records beginning at or past the frame's byte size are not read, and an archive ending in
  // a record stops the painting; the measure reads the first record whatever the byte size.
  const FrameRecord passing{.height = 3, .rows = {Row({{0, {1, 2, 3}}}), Row({{1, {4, 5, 6, 7}}})}};
  // {frame, byte size, bytes of the frame in the archive, painted}
  const std::tuple<FrameRecord, std::uint32_t, std::size_t, Picture> cases[] = {
      {kFourRecords, 7, 30, {"---", "---", "...", "---", "..."}},
      {kFourRecords, 8, 30, {"123", "---", "...", "---", "..."}},
      {kFourRecords, 22, 30, {"123", ".45", "...", "---", "..."}},
      {kFourRecords, 23, 30, {"123", ".45", "...", "678", "..."}},
      // The archive ends before row 1's last pixel; in the second frame it lies past the width.
      {kFourRecords, 16, 21, {"123", ".4-", "---", "---", "---"}},
      {passing, 16, 23, {"123", ".45", "---"}},
  };
  for (const auto& [frame, byteSize, length, painted] : cases) {
    SCOPED_TRACE(::testing::Message() << byteSize << ", " << length);
    auto archive = ArchiveWithOffsets(frame, {0, byteSize});
    archive.resize(archive.size() - EncodeFrame(frame).size() + length);
    const auto height = static_cast<std::uint16_t>(painted.size());
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{3, height}));
    EXPECT_EQ(Text(PaintOn(archive, 3, height)), painted);
  }
}

TEST(SpriteDecoderTest, EachFrameIsFoundThroughTheOffsetTable) {
  const auto archive = BuildArchive({{.height = 1, .rows = {Row({{0, {1}}})}},
                                     {.height = 2, .rows = {{}, Row({{4, {1, 2}}})}},
                                     {}});
  EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{1, 1}));
  EXPECT_EQ(MeasureFrame(archive, 2), (FrameSize{0, 0}));
  EXPECT_EQ(Text(PaintOn(archive, 6, 2, 1)), (Picture{"......", "....12"}));
  // Frames of 6 header bytes, the mask and the records: 13, 14 and 6 bytes.
  const auto index = ReadArchiveIndex(archive);
  ASSERT_TRUE(index);
  EXPECT_EQ(index->frameCount, 3u);
  EXPECT_EQ(index->frameOffsets, (std::vector<std::uint32_t>{0, 13, 27, 33}));
  EXPECT_EQ(index->FrameByteSize(1), 14u);
  EXPECT_EQ(index->dataStart, 10u + 4u * 4u);
}

// A refused frame measures as nothing and leaves the surface as the caller filled it.
void ExpectRefused(std::span<const std::uint8_t> archive, FrameIndex index) {
  EXPECT_EQ(MeasureFrame(archive, index), std::nullopt);
  PixelSurface surface(8, 8, kFill);
  EXPECT_EQ(PaintFrame(archive, index, kBackground, surface), std::nullopt);
  EXPECT_EQ(surface, PixelSurface(8, 8, kFill));
}

const FrameRecord kSmallFrame{.height = 2, .rows = {Row({{1, {1, 2}}}), Row({{0, {3, 4, 5}}})}};
const auto kSmallSize = static_cast<std::uint32_t>(EncodeFrame(kSmallFrame).size());

TEST(SpriteDecoderTest, ArchivesAtTheLimitsAreReadAndBeyondThemRefused) {
  for (const int sixth : {0, int{'1'}, 0xFF}) {  // the sixth signature byte is free
    const auto archive = AssembleArchive({std::uint8_t(sixth), {EncodeFrame(kSmallFrame)}, {}});
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{3, 2})) << sixth;
  }
  EXPECT_EQ(MeasureFrame(BuildArchive(std::vector<FrameRecord>(511)), 510), (FrameSize{0, 0}));
  EXPECT_EQ(MeasureFrame(ArchiveWithOffsets(kSmallFrame, {0, kSmallSize}), 0), (FrameSize{3, 2}));

  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> archives{
      {"512 frames", BuildArchive(std::vector<FrameRecord>(512))},
      {"height 2049", BuildArchive({{.height = 2049, .rows = {Row({{0, {1}}})}}})},
      {"height 65535", BuildArchive({{.height = 65535, .rows = {Row({{0, {1}}})}}})},
      {"frame ends past the bytes", ArchiveWithOffsets(kSmallFrame, {0, kSmallSize + 1})},
      {"frame begins past the bytes",
       ArchiveWithOffsets(kSmallFrame, {kSmallSize + 1, kSmallSize + 2})},
      {"frame begins at the end", ArchiveWithOffsets(kSmallFrame, {kSmallSize, kSmallSize})},
      {"offsets decrease", ArchiveWithOffsets(kSmallFrame, {4, 0})},
      {"offsets at the top", ArchiveWithOffsets(kSmallFrame, {0xFFFFFFFF, 0xFFFFFFFF})},
  };
  for (std::size_t i = 0; i < 5; ++i) {
    auto archive = BuildArchive({kSmallFrame});
    archive[i] = i == 4 ? '1' : archive[i] ^ 0x20;  // "EAST1" or a lower-case letter
    archives.emplace_back("signature byte " + std::to_string(i), archive);
  }
  for (const auto& [name, archive] : archives) {
    SCOPED_TRACE(name);
    ExpectRefused(archive, 0);
  }
  EXPECT_EQ(ReadArchiveIndex(archives[0].second), std::nullopt);
  for (const FrameIndex index : {2, 3, 65535}) {
    SCOPED_TRACE(index);
    ExpectRefused(BuildArchive({kSmallFrame, kSmallFrame}), index);
  }
}

TEST(SpriteDecoderTest, TruncationRefusesExactlyTheFramesItCuts) {
  const FrameRecord second{.height = 3, .rows = {{}, Row({{2, {9}}, {0, {}}})}};
  const auto whole = BuildArchive({kSmallFrame, second});
  const auto index = ReadArchiveIndex(whole);
  ASSERT_TRUE(index);
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const std::span<const std::uint8_t> cut(whole.data(), length);
    EXPECT_EQ(ReadArchiveHeader(cut).has_value(), length >= index->dataStart) << length;
    for (FrameIndex frame = 0; frame < 2; ++frame) {
      SCOPED_TRACE(::testing::Message() << "length " << length << ", frame " << frame);
      if (length < index->dataStart + index->frameOffsets[frame + 1]) {
        ExpectRefused(cut, frame);
      } else {
        EXPECT_EQ(MeasureFrame(cut, frame), MeasureFrame(whole, frame));
        EXPECT_EQ(PaintOn(cut, 4, 3, frame), PaintOn(whole, 4, 3, frame));
      }
    }
  }
  // A frame claiming only its header and mask may end inside the first record, which the
  // measure reads all the same.
  const auto claimsLittle = ArchiveWithOffsets(kSmallFrame, {0, 7});
  const std::size_t recordStart = claimsLittle.size() - kSmallSize + 7;
  for (std::size_t length = recordStart; length < recordStart + 7; ++length) {
    SCOPED_TRACE(length);
    ExpectRefused(std::span(claimsLittle.data(), length), 0);
  }
  EXPECT_EQ(MeasureFrame(std::span(claimsLittle.data(), recordStart + 7), 0), (FrameSize{3, 2}));
}

TEST(SpriteDecoderTest, PaletteHoldsBlueGreenRedAndItsLookUpEqualsTheTable) {
  // 0x00BBGGRR of the listed RRGGBB: 000000, 800000, A6CAF0, FF0000, 00FF00, 0000FF, FFFFFF.
  const std::pair<int, Color> entries[] = {{0, 0x000000},   {1, 0x000080},   {9, 0xF0CAA6},
                                           {249, 0x0000FF}, {250, 0x00FF00}, {252, 0xFF0000},
                                           {255, 0xFFFFFF}};
  for (const auto& [index, color] : entries) EXPECT_EQ(SpritePalette[index], color) << index;
  for (const Color color : SpritePalette) EXPECT_EQ(color >> 24, 0u);

  // Runs are looked up in blocks of four and eight: every length around those, from any byte
  // offset, gives exactly its colours and writes nothing beyond them.
  constexpr Color kSentinel = 0xDEADBEEF;
  std::vector<std::uint8_t> bytes(256);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 37 + 11);
  for (std::size_t offset = 0; offset < 4; ++offset) {
    std::vector<std::size_t> lengths(41);
    std::iota(lengths.begin(), lengths.end(), 0);
    lengths.push_back(bytes.size() - offset);  // every index once at offset 0
    for (const std::size_t length : lengths) {
      std::vector<Color> colors(length + 1, kSentinel);
      LookUpPaletteColors({bytes.data() + offset, length}, colors.data());
      for (std::size_t i = 0; i < length; ++i) {
        ASSERT_EQ(colors[i], SpritePalette[bytes[offset + i]]) << offset << ", " << length;
      }
      EXPECT_EQ(colors[length], kSentinel) << offset << ", " << length;
    }
  }
}

}  // namespace
}  // namespace vestara::test
