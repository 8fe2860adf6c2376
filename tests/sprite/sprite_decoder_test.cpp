#include "sprite/sprite_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "sample_game/archive_writer.h"
#include "sprite/archive_index.h"
#include "sprite/palette_colors.h"
#include "sprite/sprite_palette.h"
#include "support/test_pictures.h"
#include "support/vector_levels.h"

namespace vestara::test {
namespace {

using Picture = std::vector<std::string>;
using testing::GridFromRows;

// What the caller put on the surface before painting, and the background painted over it.
constexpr Color kFill = 0x00123456;
constexpr Color kBackground = 0x00FF00FF;

RowRecord Row(std::vector<RunRecord> runs, std::optional<std::uint8_t> runCount = {}) {
  return RowRecord{std::move(runs), runCount};
}

std::vector<std::uint8_t> ArchiveWithOffsets(const FrameRecord& frame,
                                             std::vector<std::uint32_t> offsets) {
  return AssembleArchive({0, {EncodeFrame(frame)}, std::move(offsets)});
}

PixelSurface PaintOn(std::span<const std::uint8_t> archive, int width, int height,
                     FrameIndex index = 0) {
  PixelSurface surface(width, height, kFill);
  PaintFrame(archive, index, kBackground, surface);
  return surface;
}

// A string per row: '.' kBackground, '-' kFill, a hex digit that palette index, '?' else.
std::vector<std::string> Text(const PixelSurface& surface) {
  std::vector<std::string> rows(static_cast<std::size_t>(surface.Height()));
  for (int y = 0; y < surface.Height(); ++y) {
    for (const Color color : surface.Row(y)) {
      const auto hex = std::find(SpritePalette.begin(), SpritePalette.begin() + 16, color) -
                       SpritePalette.begin();
      rows[y] += color == kBackground ? '.'
                 : color == kFill     ? '-'
                 : hex < 16           ? "0123456789abcdef"[hex]
                                      : '?';
    }
  }
  return rows;
}

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
  // {name, frame, size, the surface painted on, as text afterwards}
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
    PixelSurface surface(int(painted[0].size()), int(painted.size()), kFill);
    EXPECT_EQ(PaintFrame(archive, 0, kBackground, surface), size);
    EXPECT_EQ(Text(surface), painted);
    // Painted again with a mask: exactly the palette pixels are marked drawn.
    PixelSurface masked(surface.Width(), surface.Height(), kFill);
    std::vector<std::uint8_t> drawn(masked.Pixels().size(), 0);
    SpriteFrame::Find(archive, 0)->Paint(kBackground, masked, drawn);
    EXPECT_EQ(masked, surface);
    std::string marks;
    for (const std::string& row : painted) {
      for (const char c : row) marks += std::isxdigit(static_cast<unsigned char>(c)) ? '1' : '0';
    }
    std::string drawnMarks;
    for (const std::uint8_t d : drawn) drawnMarks += d != 0 ? '1' : '0';
    EXPECT_EQ(drawnMarks, marks);
  }
}

TEST(SpriteDecoderTest, RowsWhoseRecordsTheFrameDoesNotHoldAreLeftAlone) {
  // Records beginning at or past the frame's byte size are not painted, nor are those the
  // archive cuts; the measure reads the first record whatever the byte size.
  // Rows 0, 1 and 3 have records of 8, 7 and 8 bytes, at frame positions 7, 15 and 22.
  const FrameRecord four{
      .height = 5, .rows = {Row({{0, {1, 2, 3}}}), Row({{1, {4, 5}}}), {}, Row({{0, {6, 7, 8}}})}};
  // {byte size, bytes of the frame in the archive, painted}
  const std::tuple<std::uint32_t, std::size_t, Picture> cases[] = {
      {8, 30, {"123", "---", "...", "---", "..."}},
      {22, 30, {"123", ".45", "...", "---", "..."}},
      {16, 21, {"123", ".4-", "---", "---", "---"}},  // the archive ends inside row 1's record
  };
  for (const auto& [byteSize, length, painted] : cases) {
    SCOPED_TRACE(::testing::Message() << byteSize << ", " << length);
    auto archive = ArchiveWithOffsets(four, {0, byteSize});
    archive.resize(archive.size() - EncodeFrame(four).size() + length);
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{3, 5}));
    EXPECT_EQ(Text(PaintOn(archive, 3, 5)), painted);
  }
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
  const auto freeSixthByte = AssembleArchive({0xFF, {EncodeFrame(kSmallFrame)}, {}});
  EXPECT_EQ(MeasureFrame(freeSixthByte, 0), (FrameSize{3, 2}));
  EXPECT_EQ(MeasureFrame(BuildArchive(std::vector<FrameRecord>(511)), 510), (FrameSize{0, 0}));
  const FrameRecord tallest{.height = 2048, .rows = {Row({{0, {1}}})}};
  EXPECT_EQ(MeasureFrame(BuildArchive({tallest}), 0), (FrameSize{1, 2048}));

  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> archives{
      {"512 frames", BuildArchive(std::vector<FrameRecord>(512))},
      {"height 2049", BuildArchive({{.height = 2049, .rows = {Row({{0, {1}}})}}})},
      {"frame ends past the bytes", ArchiveWithOffsets(kSmallFrame, {0, kSmallSize + 1})},
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
  for (const FrameIndex index : {2, 65535}) ExpectRefused(BuildArchive({kSmallFrame}), index);
}

TEST(SpriteDecoderTest, TruncationRefusesExactlyTheFramesItCuts) {
  const FrameRecord second{.height = 3, .rows = {{}, Row({{2, {9}}, {0, {}}})}};
  const auto whole = BuildArchive({kSmallFrame, second});
  const auto index = ReadArchiveIndex(whole);
  ASSERT_TRUE(index);
  EXPECT_EQ(Text(PaintOn(whole, 4, 3, 1)), (Picture{"...-", "..9-", "...-"}));
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const std::span<const std::uint8_t> cut(whole.data(), length);
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
  // A frame claiming only its header and mask may not end inside the first record, which the
  // measure reads all the same.
  const auto claimsLittle = ArchiveWithOffsets(kSmallFrame, {0, 7});
  const std::size_t recordEnd = claimsLittle.size() - kSmallSize + 14;
  for (std::size_t length = recordEnd - 7; length < recordEnd; ++length) {
    ExpectRefused(std::span(claimsLittle.data(), length), 0);
  }
}

TEST(SpriteDecoderTest, GridsPaintAsDrawn) {
  std::vector<std::string> lateRow(16, "...");  // a mask of three bytes, only the last bit set
  lateRow.push_back(".#.");
  const std::pair<const char*, SpriteGrid> cases[] = {
      {"mixed", testing::PatternGrid(5, 4, 1)},
      {"first rows empty", GridFromRows(lateRow, {{'#', 7}})},
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
    EXPECT_EQ(MeasureFrame(archive, 0),
              (FrameSize{grid.height ? grid.width : std::uint16_t{0}, grid.height}));
    PixelSurface expected(grid.width, grid.height);
    for (int i = 0; i < grid.width * grid.height; ++i) {
      expected.SetPixel(i % grid.width, i / grid.width,
                        testing::GridColor(grid, i % grid.width, i / grid.width, kBackground));
    }
    EXPECT_EQ(PaintOn(archive, grid.width, grid.height).Pixels(), expected.Pixels());
  }
}

TEST(SpriteDecoderTest, PaletteHoldsBlueGreenRedAndItsLookUpEqualsTheTable) {
  // 0x00BBGGRR of the listed RRGGBB: 800000, A6CAF0, 0000FF.
  EXPECT_EQ(SpritePalette[1], 0x000080u);
  EXPECT_EQ(SpritePalette[9], 0xF0CAA6u);
  EXPECT_EQ(SpritePalette[252], 0xFF0000u);
  for (const Color color : SpritePalette) EXPECT_EQ(color >> 24, 0u);

  // Runs are looked up in blocks of four and eight: every length from any byte offset gives
  // exactly its colours and writes nothing beyond them.
  constexpr Color kSentinel = 0xDEADBEEF;
  std::vector<std::uint8_t> bytes(256);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 37 + 11);
  for (const VectorLevel level : testing::RunnableVectorLevels()) {
    SCOPED_TRACE(testing::NameOf(level));
    for (std::size_t offset = 0; offset < 4; ++offset) {
      for (std::size_t length = 0; offset + length <= bytes.size(); ++length) {
        std::vector<Color> colors(length + 1, kSentinel);
        LookUpPaletteColors({bytes.data() + offset, length}, colors.data(), level);
        for (std::size_t i = 0; i < length; ++i) {
          ASSERT_EQ(colors[i], SpritePalette[bytes[offset + i]]) << offset << ", " << length;
        }
        EXPECT_EQ(colors[length], kSentinel) << offset << ", " << length;
      }
    }
  }
}

}  // namespace
}  // namespace vestara::test
